// The field list's three files: reading, writing, and a save that fails.
#include "clip_files.h"
#include "clip_text.h"
#include "errors.h"
#include "results_grid.h"
#include "test_files.h"

#include <gtest/gtest.h>
#include <set>

using namespace vd;
using vdtest::ReadFile;
using vdtest::WriteFile;

namespace {

class ClipFilesTest : public ::testing::Test {
  protected:
    void Write(const std::string& clip, const std::string& desc, const std::string& cols) {
        WriteFile(dir / "clips/clip.txt", clip);
        WriteFile(dir / "clips/desc.txt", desc);
        WriteFile(dir / "clips/cols.txt", cols);
    }
    std::set<std::string> Entries(const std::string& sub = "clips") {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir / sub))
            names.insert(e.path().filename().string());
        return names;
    }
    vdtest::TempDir dir;
};

} // namespace

TEST_F(ClipFilesTest, RoundTripKeepsAccentsMarksAndTrailingBlanks) {
    // "Débit d'air", "Förbrukning m³/s" in Windows-1252.
    const ClipFieldList fields = {{"D\xE9"
                                   "bit d'air",
                                   true,
                                   "Volymfl\xF6"
                                   "de",
                                   "2"},
                                  {"F\xF6rbrukning m\xB3/s", false, "kW per m\xB3/s", "5"},
                                  {"Empty Field ", true, "Empty Field", "-1"}};
    SaveClipFields(fields, dir.path());
    EXPECT_EQ(ReadFile(dir / "clips/clip.txt"),
              "TD\xE9"
              "bit d'air\r\nFF\xF6rbrukning m\xB3/s\r\nTEmpty Field \r\n");
    EXPECT_EQ(ReadFile(dir / "clips/desc.txt"), "Volymfl\xF6"
                                                "de\r\nkW per m\xB3/s\r\nEmpty Field\r\n");
    EXPECT_EQ(ReadFile(dir / "clips/cols.txt"), "2\r\n5\r\n-1\r\n");

    const ClipFieldsLoad load = LoadClipFields(dir.path());
    EXPECT_EQ(load.error, "");
    EXPECT_EQ(load.mismatch, "");
    ASSERT_EQ(load.fields.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(load.fields[i].Caption, fields[i].Caption);
        EXPECT_EQ(load.fields[i].Included, fields[i].Included);
        EXPECT_EQ(load.fields[i].Description, fields[i].Description);
        EXPECT_EQ(load.fields[i].Column, fields[i].Column);
    }
}

TEST_F(ClipFilesTest, OnlyACapitalTMarksAnEntryIncluded) {
    Write("TModel\nt lower\n\nT\nXother\r\n", "a\nb\nc\nd\ne\n", "1\n2\n3\n4\n5\n");
    const ClipFieldsLoad load = LoadClipFields(dir.path());
    ASSERT_EQ(load.fields.size(), 5u);
    const std::vector<std::pair<std::string, bool>> want = {
        {"Model", true}, {" lower", false}, {"", false}, {"", true}, {"other", false}};
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(load.fields[i].Caption, want[i].first) << i;
        EXPECT_EQ(load.fields[i].Included, want[i].second) << i;
    }
}

TEST_F(ClipFilesTest, NamesMatchWithoutRegardToCaseAndSaveReplacesTheSameFiles) {
    WriteFile(dir / "Clips/CLIP.TXT", "TModel\r\n");
    WriteFile(dir / "Clips/Desc.txt", "Fan model\r\n");
    WriteFile(dir / "Clips/COLS.txt", "1\r\n");
    ClipFieldsLoad load = LoadClipFields(dir.path());
    ASSERT_EQ(load.error, "");
    ASSERT_EQ(load.fields.size(), 1u);
    load.fields[0].Included = false;
    SaveClipFields(load.fields, dir.path());
    EXPECT_EQ(Entries("Clips"), (std::set<std::string>{"CLIP.TXT", "Desc.txt", "COLS.txt"}));
    EXPECT_EQ(ReadFile(dir / "Clips/CLIP.TXT"), "FModel\r\n");
}

TEST_F(ClipFilesTest, MissingFileStopsLoadingWithWhatWasRead) {
    WriteFile(dir / "clips/clip.txt", "TModel\r\nFSpeed\r\n");
    WriteFile(dir / "clips/cols.txt", "1\r\n6\r\n");
    const ClipFieldsLoad load = LoadClipFields(dir.path());
    EXPECT_NE(load.error.find("desc.txt"), std::string::npos) << load.error;
    ASSERT_EQ(load.fields.size(), 2u);
    EXPECT_EQ(load.fields[1].Caption, "Speed");
    EXPECT_EQ(load.fields[1].Column, ""); // cols.txt comes after the failing file

    vdtest::TempDir none;
    const ClipFieldsLoad nothing = LoadClipFields(none.path());
    EXPECT_NE(nothing.error, "");
    EXPECT_TRUE(nothing.fields.empty());
}

TEST_F(ClipFilesTest, UnequalLengthsAreReportedAndNothingIsLostBySaving) {
    Write("TModel\r\nFSpeed\r\n", "Fan model\r\n", "1\r\n6\r\n22\r\n");
    ClipFieldsLoad load = LoadClipFields(dir.path());
    EXPECT_EQ(load.error, "");
    EXPECT_NE(load.mismatch.find("desc.txt 1 lines"), std::string::npos) << load.mismatch;
    ASSERT_EQ(load.fields.size(), 3u);
    EXPECT_EQ(load.fields[1].Description, "");
    EXPECT_EQ(load.fields[2].Caption, "");
    EXPECT_FALSE(load.fields[2].Included);
    EXPECT_EQ(load.fields[2].Column, "22");
    SaveClipFields(load.fields, dir.path());
    EXPECT_EQ(ReadFile(dir / "clips/clip.txt"), "TModel\r\nFSpeed\r\nF\r\n");
    EXPECT_EQ(ReadFile(dir / "clips/desc.txt"), "Fan model\r\n\r\n\r\n");
    EXPECT_EQ(ReadFile(dir / "clips/cols.txt"), "1\r\n6\r\n22\r\n");

    Write("", "", "");
    load = LoadClipFields(dir.path());
    EXPECT_TRUE(load.fields.empty());
    EXPECT_EQ(load.error + load.mismatch, "");
}

TEST_F(ClipFilesTest, LineBreakInsideATextKeepsTheFilesInStep) {
    SaveClipFields({{"Two\r\nlines", true, "a\nb", "1"}, {"Next", true, "c", "2"}}, dir.path());
    const ClipFieldsLoad load = LoadClipFields(dir.path());
    EXPECT_EQ(load.mismatch, "");
    ASSERT_EQ(load.fields.size(), 2u);
    EXPECT_EQ(load.fields[1].Caption, "Next");
    EXPECT_EQ(load.fields[1].Column, "2");
}

TEST_F(ClipFilesTest, SaveThatFailsHalfWayKeepsTheOldFiles) {
    Write("TModel\r\n", "Fan model\r\n", "1\r\n");
    int calls = 0;
    auto failSecond = [&](const std::filesystem::path& p, std::string_view bytes) {
        if (++calls == 2)
            throw FileError("No space left on device");
        WriteWholeFile(p, bytes);
    };
    const ClipFieldList changed = {{"Speed", false, "Rated speed", "6"}, {"X", true, "", "-1"}};
    EXPECT_THROW(SaveClipFields(changed, dir.path(), failSecond), FileError);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(ReadFile(dir / "clips/clip.txt"), "TModel\r\n");
    EXPECT_EQ(ReadFile(dir / "clips/desc.txt"), "Fan model\r\n");
    EXPECT_EQ(ReadFile(dir / "clips/cols.txt"), "1\r\n");
    EXPECT_EQ(Entries(), (std::set<std::string>{"clip.txt", "desc.txt", "cols.txt"}));
}

TEST_F(ClipFilesTest, SaveCreatesAMissingFolderAndRefusesAFileInItsPlace) {
    SaveClipFields({{"Model", true, "Fan model", "1"}}, dir.path());
    EXPECT_EQ(ReadFile(dir / "clips/cols.txt"), "1\r\n");

    vdtest::TempDir other;
    WriteFile(other / "clips", "not a folder");
    EXPECT_THROW(SaveClipFields({{"Model", true, "", "1"}}, other.path()), FileError);
    EXPECT_EQ(ReadFile(other / "clips"), "not a folder");
}

// The list delivered with the program names only columns the results grid fills.
TEST(DeliveredClipFields, MatchTheResultsGridColumns) {
    const ClipFieldsLoad load = LoadClipFields(VD_DATA_SRC);
    ASSERT_EQ(load.error, "");
    ASSERT_EQ(load.mismatch, "");
    ASSERT_GE(load.fields.size(), 10u);
    const std::set<std::string> filled = {"-1", "0", "1", "2", "3",  "4",  "5",
                                          "6",  "7", "8", "9", "20", "21", "22"};
    std::set<std::string> used;
    for (const ClipField& f : load.fields) {
        EXPECT_TRUE(filled.count(f.Column)) << f.Caption << " -> " << f.Column;
        EXPECT_FALSE(f.Caption.empty());
        EXPECT_FALSE(f.Description.empty()) << f.Caption;
        used.insert(f.Column);
    }
    EXPECT_EQ(used.size(), load.fields.size()) << "a column appears twice";
    for (const char* name : {"clip.txt", "desc.txt", "cols.txt"}) {
        const std::string bytes = ReadFile(std::filesystem::path(VD_DATA_SRC) / "clips" / name);
        ASSERT_GE(bytes.size(), 2u);
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << name;
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                EXPECT_EQ(bytes[i - 1], '\r') << name << " byte " << i;
            }
        }
    }
    ResultsGrid grid;
    EXPECT_NO_THROW(BuildClipText(load.fields, grid, {false, true}));
}

TEST_F(ClipFilesTest, TheUsersCopyIsReadInPreferenceAndKeepsTheSaves) {
    const ClipFolders folders{dir / "program", dir / "user"};
    WriteFile(dir / "program/clips/clip.txt", "TA\r\n");
    EXPECT_EQ(ClipLoadFolder(folders), folders.program);
    EXPECT_EQ(ClipSaveFolder(folders, folders.program), folders.program);

    WriteFile(dir / "user/Clips/Clip.txt", "FA\r\n");
    EXPECT_EQ(ClipLoadFolder(folders), folders.user);
    // Saved where it came from, or the next start would not see the save.
    EXPECT_EQ(ClipSaveFolder(folders, folders.user), folders.user);
    // Without a user folder everything stays with the program.
    EXPECT_EQ(ClipLoadFolder({folders.program, {}}), folders.program);
}

// Only a folder the user may not write sends the save elsewhere; any other
// fault is the save's to report.
TEST_F(ClipFilesTest, AFaultyProgramFolderIsNotMistakenForAReadOnlyOne) {
    const ClipFolders folders{dir / "program", dir / "user"};
    WriteFile(dir / "program/clips", "a file in the folder's place");
    EXPECT_EQ(ClipSaveFolder(folders, folders.program), folders.program);
    EXPECT_THROW(SaveClipFields({{"A", true, "a", "1"}}, folders.program), FileError);
}
