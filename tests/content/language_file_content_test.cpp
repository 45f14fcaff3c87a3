// The delivered language file and per-language texts: the program reads them
// by fixed rules (comma-ended fields, 50 characters, exact file names), so a
// slip in an editor shows up here rather than as shifted captions at run time.
#include "codepage.h"
#include "language_file.h"
#include "paths.h"
#include "vd_variables.h"

#include "text_checks.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kTxt = fs::path(VD_DATA_SRC) / "txt";

std::string ReadRaw(const std::string& name) {
    return vd::ReadWholeFileAt(kTxt / name, name);
}

// Lines split at CR LF only; a bare CR or LF stays inside its line.
std::vector<std::string> CrLfLines(const std::string& raw) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t pos; (pos = raw.find("\r\n", start)) != std::string::npos; start = pos + 2)
        lines.push_back(raw.substr(start, pos - start));
    if (start < raw.size())
        lines.push_back(raw.substr(start));
    return lines;
}

std::vector<std::string> CommaFields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t pos; (pos = line.find(',', start)) != std::string::npos; start = pos + 1)
        fields.push_back(line.substr(start, pos - start));
    return fields;
}

TEST(LanguageFileContent, RawLayoutIsHeadingAnd250CommaEndedEntriesWithCrLf) {
    const std::string raw = ReadRaw("vd_lan.txt");
    vdtest::ExpectCleanText("vd_lan.txt", raw);
    const auto lines = CrLfLines(raw);
    ASSERT_EQ(lines.size(), 1u + vd::kLanguageEntries);
    for (size_t n = 1; n < lines.size(); ++n) {
        SCOPED_TRACE("entry " + std::to_string(n - 1));
        const std::string& line = lines[n];
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), ',');
        const auto fields = CommaFields(line);
        ASSERT_EQ(fields.size(), 6u); // key + UK SW FI FR IT
        // The reader silently cuts at 50 characters, so length is checked on the raw text.
        for (size_t f = 1; f < fields.size(); ++f)
            EXPECT_LE(fields[f].size(), size_t(vd::kLanguageTextMax)) << "column " << f;
    }
}

TEST(LanguageFileContent, EveryColumnReadsAs250NonEmptyTextsInItsOwnField) {
    const std::string raw = ReadRaw("vd_lan.txt");
    const auto lines = CrLfLines(raw);
    ASSERT_EQ(lines.size(), 1u + vd::kLanguageEntries);
    const auto& codes = vd::LanguageCodes();
    for (size_t c = 0; c < codes.size(); ++c) {
        SCOPED_TRACE(codes[c]);
        std::istringstream in(raw);
        const auto table = vd::ParseLanguageFile(in, codes[c]);
        for (int e = 0; e < vd::kLanguageEntries; ++e) {
            const std::string& text = table[size_t(e)];
            EXPECT_FALSE(text.empty()) << "entry " << e;
            EXPECT_NE(text.find_first_not_of(' '), std::string::npos)
                << "entry " << e << " is blank";
            EXPECT_LE(text.size(), size_t(vd::kLanguageTextMax));
            // The reader must land on this line's field: a lost comma anywhere
            // above would shift every later entry.
            const auto fields = CommaFields(lines[size_t(e) + 1]);
            ASSERT_GT(fields.size(), c + 1);
            EXPECT_EQ(text, fields[c + 1]) << "entry " << e;
        }
    }
}

TEST(LanguageFileContent, CaptionsAndLabelsWithLittleRoomStayShort) {
    for (const char* code : vd::LanguageCodes()) {
        SCOPED_TRACE(code);
        std::istringstream file(ReadRaw("vd_lan.txt"));
        const auto t = vd::ParseLanguageFile(file, code);
        // Button captions: one line on a 126-pixel button; "&" would become an accelerator.
        for (int e : {0, 1, 2, 3, 5, 6, 8, 18, 30, 31, 32, 33, 34, 35, 36}) {
            EXPECT_LE(t[size_t(e)].size(), 15u) << "button caption " << e;
            EXPECT_EQ(t[size_t(e)].find('&'), std::string::npos) << "button caption " << e;
        }
        // Sound row labels sit in a 75-pixel column in a 7-point font.
        for (int e = 140; e <= 143; ++e)
            EXPECT_LE(t[size_t(e)].size(), 14u) << "sound label " << e;
        EXPECT_LE(t[89].size(), 3u); // unit after each sound row, 20 pixels
        EXPECT_LE(t[22].size(), 3u); // fan number heading, 25-pixel column
        // Axis titles are followed directly by a unit.
        EXPECT_EQ(t[84].back(), ' ');
        EXPECT_EQ(t[85].back(), ' ');
    }
}

TEST(PerLanguageTexts, EveryFileOfEveryLanguageExistsUnderItsExactName) {
    struct Lang {
        const char* code;
        const char* about;
    };
    const Lang langs[] = {{"UK", "UKAbout.txt"},
                          {"SW", "SWabout.txt"},
                          {"FI", "FIabout.txt"},
                          {"FR", "FRabout.txt"},
                          {"IT", "ITabout.txt"}};
    for (const Lang& l : langs) {
        const std::string code = l.code;
        for (const std::string& name : {std::string(l.about), code + "Inv.txt", code + "comp.txt",
                                        code + "cont.txt", code + "Quote.txt"}) {
            ASSERT_TRUE(fs::is_regular_file(kTxt / name)) << name;
            const std::string raw = ReadRaw(name);
            vdtest::ExpectCleanText(name, raw);
            if (raw.rfind("{\\rtf", 0) == 0) {
                SCOPED_TRACE(name);
                int depth = 0;
                for (size_t i = 0; i < raw.size(); ++i) {
                    if (raw[i] == '\\') {
                        ++i;
                        continue;
                    }
                    depth += raw[i] == '{' ? 1 : raw[i] == '}' ? -1 : 0;
                    ASSERT_GE(depth, 0);
                    EXPECT_LT(static_cast<unsigned char>(raw[i]), 0x80)
                        << "raw byte in rich text at " << i;
                }
                EXPECT_EQ(depth, 0);
            }
        }
        // Only the first seven footer lines are printed.
        const auto quote = vd::SplitLines(ReadRaw(code + "Quote.txt"));
        EXPECT_GE(quote.size(), 1u) << code;
        EXPECT_LE(quote.size(), 7u) << code;
    }
    for (const char* name : {"UKAddress.txt", "SWAddress.txt"}) {
        const std::string raw = ReadRaw(name);
        vdtest::ExpectCleanText(name, raw);
        EXPECT_EQ(vd::SplitLines(raw).size(), 7u) << name;
    }
}

TEST(PerLanguageTexts, SetupFileStartsInEnglish) {
    const std::string raw = ReadRaw("vd_setup.txt");
    vdtest::ExpectCleanText("vd_setup.txt", raw);
    EXPECT_EQ(vd::ParseSetup(raw), "UK");
}

} // namespace
