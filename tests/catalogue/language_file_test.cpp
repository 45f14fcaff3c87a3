#include "errors.h"
#include "language_file.h"
#include "paths.h"
#include "test_files.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace vd;

namespace {

std::array<std::string, kLanguageEntries> Parse(const std::string& content, const char* code) {
    std::istringstream in(content);
    return ParseLanguageFile(in, code);
}

} // namespace

TEST(LanguageFile, EachCodeReadsItsOwnColumn) {
    const std::string file = "heading\r\nk,A,B,C,D,E,\r\n";
    EXPECT_EQ(Parse(file, "UK")[0], "A");
    EXPECT_EQ(Parse(file, "SW")[0], "B");
    EXPECT_EQ(Parse(file, "FI")[0], "C");
    EXPECT_EQ(Parse(file, "FR")[0], "D"); // the fifth column, although IT's flag is above
    EXPECT_EQ(Parse(file, "IT")[0], "E");
    EXPECT_EQ(Parse(file, "DE")[0], "A"); // unknown code: UK column
    EXPECT_EQ(Parse(file, "")[0], "A");
}

TEST(LanguageFile, FieldsKeepTheirBlanksAndAreCutAt50) {
    EXPECT_EQ(Parse("h\r\nk, A ,\r\n", "UK")[0], " A ");
    std::string longText(70, 'x');
    EXPECT_EQ(Parse("h\r\nk," + longText + ",B,\r\n", "SW")[0], "B");
    EXPECT_EQ(Parse("h\r\nk," + longText + ",B,\r\n", "UK")[0], std::string(50, 'x'));
}

TEST(LanguageFile, AMissingCommaReadsOnIntoTheNextLine) {
    // Line 2 lacks the FI field's comma: the field runs over the line end up
    // to the next line's first comma, and that line is then skipped.
    const std::string file = "h\r\nk0,A,B,\r\nk1,A1,B1,C1,\r\nk2,A2,B2,C2,\r\n";
    auto fi = Parse(file, "FI");
    EXPECT_EQ(fi[0], "\r\nk1");
    EXPECT_EQ(fi[1], "C2");
    EXPECT_EQ(fi[2], "");
    EXPECT_EQ(Parse(file, "SW")[0], "B");
}

TEST(LanguageFile, TheEndOfTheFileLeavesTheRemainingEntriesEmpty) {
    auto t = Parse("h\r\nk,A,\r\nk,B,\r\nk,C", "UK"); // last line has no comma
    EXPECT_EQ(t[0], "A");
    EXPECT_EQ(t[1], "B");
    EXPECT_EQ(t[2], "");
    EXPECT_EQ(t[249], "");
    EXPECT_EQ(Parse("", "UK")[0], "");
    EXPECT_EQ(Parse("h\nk,LF only,\n", "UK")[0], "LF only");
}

TEST(LanguageFile, LinesAfterEntry249AreNeverRead) {
    std::string file = vdtest::NumberedLanguageFile() + "extra,EXTRA,\r\n";
    auto t = Parse(file, "IT");
    EXPECT_EQ(t[0], "IT0");
    EXPECT_EQ(t[249], "IT249");
}

TEST(SetupFile, TakesTheFirstTwoCharactersOfLineOne) {
    EXPECT_EQ(ParseSetup("SW\r\nEXCEL DIR = C:\\X\r\n"), "SW");
    EXPECT_EQ(ParseSetup("SWEDISH\r\n"), "SW");
    EXPECT_EQ(ParseSetup("F\r\nUK"), "F");
    EXPECT_EQ(ParseSetup(""), "");
}

class LanguageFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetVariables();
        SetDataRoot(dir.path());
    }
    void TearDown() override {
        SetDataRoot({});
        ResetVariables();
    }
    vdtest::TempDir dir;
};

TEST_F(LanguageFiles, ReadSetupAndLanguageFileFillTheSharedTable) {
    vdtest::WriteFile(dir / "txt/vd_setup.txt", "FI\r\n");
    vdtest::WriteFile(dir / "txt/vd_lan.txt", vdtest::NumberedLanguageFile());
    ReadSetup();
    EXPECT_EQ(LanguageCode, "FI");
    ReadLanguageFile();
    EXPECT_EQ(LanguageText[95], "FI95");
}

TEST_F(LanguageFiles, AMissingLanguageFileLeavesTheTableAsItWas) {
    LanguageText[3] = "old";
    LanguageCode = "SW";
    EXPECT_THROW(ReadLanguageFile(), FileError);
    EXPECT_EQ(LanguageText[3], "old");
    EXPECT_THROW(ReadSetup(), FileError);
    EXPECT_EQ(LanguageCode, "SW");
}
