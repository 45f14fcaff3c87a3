// The family descriptions, specification and maintenance texts. The product
// browser and the fan records name them; a missing one only shows up at run
// time as a message box in one language. Each must also suit where it is
// shown: descriptions in a box without a scroll bar, maintenance texts printed
// line by line, in 8 point, from 55 units down a one-page instruction sheet.
#include "paths.h"
#include "text_checks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#ifdef VD_TEXTS_WITH_QT
#include "font_faces.h"
#include "text_loader.h"

#include <QFont>
#include <QTextDocument>
#include <QTextEdit>
#endif

namespace {

namespace fs = std::filesystem;

const fs::path kData = VD_DATA_SRC;
const fs::path kTxt = kData / "txt";
const char* const kLanguages[] = {"UK", "SW", "FI", "FR", "IT"};

// Name part of each browser picture's description file, with the family codes
// the description covers.
const std::map<std::string, std::vector<std::string>> kDescriptions = {
    {"pw.txt", {"PW", "PW60"}}, {"mtz.txt", {"MTZL"}},        {"mt.txt", {"MT", "MTZ"}},
    {"ghz.txt", {"GHZ"}},       {"ghj.txt", {"GHJ"}},         {"bnbq.txt", {"BN", "BQ"}},
    {"lw.txt", {"LW"}},         {"udy.txt", {"UDY", "UDYZ"}}, {"uvj.txt", {"UVJ"}},
    {"uvx.txt", {"UVX"}},       {"eh.txt", {"EHY"}},          {"aq.txt", {"AQY", "AQN"}},
};

// Text file name -> the families whose records name it.
struct CatalogueNames {
    std::map<std::string, std::set<std::string>> spec, maint;
};

std::string Quoted(const std::string& line) {
    const size_t open = line.find('"');
    const size_t close = line.rfind('"');
    return open == std::string::npos || close <= open ? std::string()
                                                      : line.substr(open + 1, close - open - 1);
}

std::string Key(const std::string& line) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos)
        return {};
    std::string k = line.substr(0, eq);
    while (!k.empty() && k.back() == ' ')
        k.pop_back();
    return k;
}

CatalogueNames ReadCatalogueNames() {
    const std::string raw = vd::ReadWholeFileAt(kData / "catalogue" / "vd_fan.txt", "vd_fan.txt");
    CatalogueNames names;
    std::string family, spec, maint;
    auto flush = [&] {
        if (!spec.empty())
            names.spec[spec].insert(family);
        if (!maint.empty())
            names.maint[maint].insert(family);
        family.clear(), spec.clear(), maint.clear();
    };
    for (const std::string& line : vd::SplitLines(raw)) {
        if (line == "[fan]")
            flush();
        const std::string key = Key(line);
        if (key == "family")
            family = Quoted(line);
        else if (key == "spec_file")
            spec = Quoted(line);
        else if (key == "maint_file")
            maint = Quoted(line);
    }
    flush();
    return names;
}

bool IsRtf(const std::string& raw) {
    return raw.rfind("{\\rtf", 0) == 0;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// CR LF only, defined code-page bytes, and for rich text: the code page
// declared, braces balanced, every non-ASCII letter an escape of a defined byte.
void ExpectWellFormed(const std::string& name, const std::string& raw) {
    vdtest::ExpectCleanText(name, raw);
    SCOPED_TRACE(name);
    if (!IsRtf(raw))
        return;
    EXPECT_EQ(raw.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    int depth = 0;
    for (size_t i = 0; i < raw.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(raw[i]);
        EXPECT_LT(b, 0x80) << "raw byte in rich text at " << i;
        if (b == '\\' && i + 1 < raw.size()) {
            if (raw[i + 1] == '\'') {
                const int hi = i + 2 < raw.size() ? HexDigit(raw[i + 2]) : -1;
                const int lo = i + 3 < raw.size() ? HexDigit(raw[i + 3]) : -1;
                ASSERT_TRUE(hi >= 0 && lo >= 0) << "broken \\' escape at " << i;
                EXPECT_TRUE(vdtest::DefinedInCp1252(static_cast<unsigned char>(hi * 16 + lo)))
                    << "escape at " << i;
            }
            ++i;
            continue;
        }
        depth += b == '{' ? 1 : b == '}' ? -1 : 0;
        ASSERT_GE(depth, 0) << "unbalanced } at " << i;
        if (depth == 0) {
            EXPECT_EQ(raw.find_first_not_of("\r\n", i + 1), std::string::npos)
                << "text after the closing brace";
        }
    }
    EXPECT_EQ(depth, 0);
}

std::string Read(const std::string& name) {
    return vd::ReadWholeFileAt(kTxt / name, name);
}

// A missing file fails the first test; the others look at the files there are.
bool Exists(const std::string& name) {
    return fs::is_regular_file(kTxt / name);
}

TEST(DetailTexts, EveryNamedTextExistsInEveryLanguageAndIsWellFormed) {
    const CatalogueNames names = ReadCatalogueNames();
    ASSERT_FALSE(names.spec.empty());
    ASSERT_FALSE(names.maint.empty());
    std::vector<std::string> parts;
    for (const auto& [part, families] : kDescriptions)
        parts.push_back(part);
    for (const auto& [file, families] : names.spec)
        parts.push_back(file);
    for (const auto& [file, families] : names.maint)
        parts.push_back(file);
    for (const char* code : kLanguages) {
        for (const std::string& part : parts) {
            // Exact name: the lookup forgives case, a case-sensitive copy of the tree would not.
            const std::string name = code + part;
            if (!Exists(name)) {
                ADD_FAILURE() << name << " is missing";
                continue;
            }
            ExpectWellFormed(name, Read(name));
        }
        for (const auto& [file, families] : names.spec) {
            if (Exists(code + file)) {
                EXPECT_TRUE(IsRtf(Read(code + file))) << code + file << " is shown as rich text";
            }
        }
    }
}

TEST(DetailTexts, MaintenanceTextsArePlainLinesThatFitTheInstructionSheet) {
    // Printed one file line to a print line, 3 page units (0.15 inch) apart
    // from 55 units down, with no second page: the 50th line starts 10.1
    // inches down, inside the printable height of Letter and A4 paper.
    // 76 characters fill the maintenance box without wrapping.
    for (const auto& [file, families] : ReadCatalogueNames().maint) {
        for (const char* code : kLanguages) {
            const std::string name = code + file;
            if (!Exists(name))
                continue;
            SCOPED_TRACE(name);
            const std::string raw = Read(name);
            EXPECT_FALSE(IsRtf(raw)) << "the instruction sheet would print the rich-text codes";
            const auto lines = vd::SplitLines(raw);
            EXPECT_GE(lines.size(), 10u);
            EXPECT_LE(lines.size(), 50u);
            for (size_t i = 0; i < lines.size(); ++i)
                EXPECT_LE(lines[i].size(), 76u) << "line " << i + 1;
        }
    }
}

// The first line of a language's address file: the sender of its printouts.
// Languages without an address file print no sender.
std::string Sender(const std::string& code) {
    const fs::path file = kTxt / (code + "Address.txt");
    return fs::exists(file) ? vd::SplitLines(Read(code + "Address.txt")).at(0) : std::string();
}

TEST(SentDocuments, InstructionTextsNameOnlyTheSendersCompany) {
    std::set<std::string> companies;
    for (const char* code : kLanguages)
        if (!Sender(code).empty())
            companies.insert(Sender(code));
    ASSERT_EQ(companies.size(), 2u);
    for (const auto& entry : fs::directory_iterator(kTxt)) {
        const std::string name = entry.path().filename().string();
        if (name.size() < 12 || name.substr(name.size() - 10) != "_maint.txt")
            continue;
        const std::string text = Read(name), sender = Sender(name.substr(0, 2));
        for (const std::string& company : companies)
            EXPECT_EQ(text.find(company) != std::string::npos, company == sender)
                << name << (company == sender ? " does not name " : " names ") << company;
    }
}

TEST(SentDocuments, QuotationFootersHoldForAnyQuotation) {
    // Value, despatch, delivery, validity and terms are typed on the print
    // page and printed above the footer: the footer must not state its own.
    // Figures may appear only in the standards it cites and their air density.
    const std::regex cited(R"(ISO \d+|1[.,]2 kg/m)");
    const std::regex currency(R"(\b(GBP|SEK|EUR|USD|euro|euros|euroina|kr)\b|\x80|\xA3)");
    for (const char* code : kLanguages) {
        for (const std::string& line : vd::SplitLines(Read(code + std::string("Quote.txt")))) {
            SCOPED_TRACE(code + std::string("Quote.txt: ") + line);
            const std::string rest = std::regex_replace(line, cited, "");
            EXPECT_EQ(rest.find_first_of("0123456789"), std::string::npos);
            EXPECT_FALSE(std::regex_search(line, currency));
        }
    }
}

#ifdef VD_TEXTS_WITH_QT

QString PlainText(const std::string& name) {
    QTextDocument doc;
    vd::LoadRichOrPlainText(doc, Read(name));
    return doc.toPlainText();
}

// A copy of one file text in another family's place is the likely slip.
void ExpectNamesFamilies(const std::string& name, const std::set<std::string>& families) {
    if (!Exists(name))
        return;
    const QString text = PlainText(name);
    for (const std::string& family : families)
        EXPECT_TRUE(text.contains(QString::fromStdString(family)))
            << name << " does not mention " << family;
}

TEST(DetailTexts, EachTextNamesTheFamiliesThatShowIt) {
    const CatalogueNames names = ReadCatalogueNames();
    for (const char* code : kLanguages) {
        for (const auto& [part, families] : kDescriptions)
            ExpectNamesFamilies(code + part,
                                std::set<std::string>(families.begin(), families.end()));
        for (const auto& [file, families] : names.spec)
            ExpectNamesFamilies(code + file, families);
        for (const auto& [file, families] : names.maint)
            ExpectNamesFamilies(code + file, families);
    }
}

TEST(DetailTexts, FamilyDescriptionsFitTheirBoxWithoutScrolling) {
    vd::InstallFontSubstitutions();
    // The browser's description box: 544 x 128, Arial 11 px, no room to scroll into view.
    QTextEdit box;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    box.setFont(font);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int width = 544 - 2 * box.frameWidth(), height = 128 - 2 * box.frameWidth();
    ASSERT_GT(width, 500);
    for (const char* code : kLanguages) {
        for (const auto& [part, families] : kDescriptions) {
            const std::string name = code + part;
            if (!Exists(name))
                continue;
            vd::LoadRichOrPlainText(*box.document(), Read(name));
            box.document()->setTextWidth(width);
            EXPECT_LE(box.document()->size().height(), height) << name << " needs a scroll bar";
        }
    }
}

#endif

} // namespace
