// Files whose content is hostile: a language file without its commas, cut
// short or of random bytes, and metafiles and rich text with absurd sizes and
// counts, met through the window's start, a flag click, the detail pages of a
// chosen fan and vdcat preview.
#include "hostile_fixture.h"

#include "picture_box.h"

#include <QTextEdit>
#include <random>

using namespace vd;
using namespace hostile;
using vdtest::WmfWriter;

namespace {

void ExpectEntriesFit() {
    for (const std::string& entry : LanguageText)
        EXPECT_LE(entry.size(), static_cast<size_t>(kLanguageTextMax));
}

std::string RandomBytes(size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(gen() & 0xFF);
    return s;
}

// The metafile header's fields, for headers that lie.
void PutU16(std::string& b, size_t at, uint16_t v) {
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}
void PutU32(std::string& b, size_t at, uint32_t v) {
    PutU16(b, at, uint16_t(v & 0xFFFF));
    PutU16(b, at + 2, uint16_t(v >> 16));
}

std::string Words(std::initializer_list<int> words) {
    std::string s;
    for (int w : words)
        WmfWriter::Put16(s, uint16_t(w));
    return s;
}

struct Absurd {
    const char* name;
    std::string bytes;
};

std::vector<Absurd> AbsurdMetafiles() {
    std::vector<Absurd> v;
    { // The header claims 65535 objects, a 4 GB record and a 2^31-word file.
        std::string b = WmfWriter().rec(0x041B, {0, 0, 10, 10}).bytes();
        PutU32(b, 6, 0x7FFFFFFF);
        PutU16(b, 10, 0xFFFF);
        PutU32(b, 12, 0xFFFFFFFF);
        v.push_back({"lying_header.wmf", b});
    }
    v.push_back({"record_past_end.wmf",
                 WmfWriter().lyingRecord(0x7FFFFFFF, 0x041B, Words({0, 0, 10, 10})).bytes()});
    v.push_back({"record_of_size_0.wmf",
                 WmfWriter().lyingRecord(0, 0x041B, Words({0, 0, 10, 10})).bytes()});
    { // More objects than the table holds, then selections of slots that are not there.
        WmfWriter w;
        for (int i = 0; i < 20000; ++i)
            w.rec(0x02FA, {0, 1, 1, 0, 0});
        w.rec(0x012D, {0xFFFE}).rec(0x01F0, {0xFFFF}).rec(0x041B, {0, 0, 10, 10});
        v.push_back({"objects.wmf", w.bytes()});
    }
    // Polygon counts far beyond the record's points.
    v.push_back({"counts.wmf", WmfWriter()
                                   .raw(0x0538, Words({0xFFFF}) + std::string(200, '\xFF'))
                                   .raw(0x0324, Words({32767, 1, 2, 3, 4}))
                                   .raw(0x0325, Words({0x8000, 1, 2}))
                                   .bytes()});
    { // Two hundred thousand lines.
        WmfWriter w;
        w.rec(0x020C, {1000, 1000});
        for (int i = 0; i < 200000; ++i)
            w.rec(0x0213, {i % 1000, (i * 13) % 1000});
        v.push_back({"lines.wmf", w.bytes()});
    }
    // A window of one unit and of none, with shapes at the ends of the coordinate range.
    v.push_back({"window.wmf", WmfWriter()
                                   .rec(0x0103, {8})
                                   .rec(0x020C, {1, 1})
                                   .rec(0x041B, {-32768, -32768, 32767, 32767})
                                   .rec(0x0817, {1, 1, -32768, -32768, 32767, 32767, 0, 0})
                                   .rec(0x020C, {0, 0})
                                   .rec(0x020E, {0, 0})
                                   .rec(0x0418, {-32768, -32768, 32767, 32767})
                                   .bytes()});
    { // A bitmap of 30000 × 30000 pixels in 64 bytes.
        std::string dib;
        WmfWriter::Put32(dib, 40);
        WmfWriter::Put32(dib, 30000);
        WmfWriter::Put32(dib, 30000);
        WmfWriter::Put16(dib, 1);
        WmfWriter::Put16(dib, 1);
        dib += std::string(24, '\0') + std::string(8, '\0') + std::string(64, '\xFF');
        std::string params;
        WmfWriter::Put32(params, 0xCC0020);
        params += Words({0, 30000, 30000, 0, 0, 100, 100, 0, 0}) + dib;
        v.push_back({"bitmap.wmf", WmfWriter().raw(0x0F43, params).bytes()});
    }
    // A font of the largest size, texts whose counts exceed their records, and
    // a hundred thousand saved states restored by absurd amounts.
    {
        WmfWriter w;
        w.raw(0x02FB, Words({-32768, 0, 3600, 3600, 700, 0, 0, 0, 0}) + "Arial")
            .rec(0x012D, {0})
            .raw(0x0A32, Words({10, 10, 0xFFFF, 6, 0, 0, 10, 10}) + "ab")
            .raw(0x0521, Words({32767}) + "abc");
        for (int i = 0; i < 100000; ++i)
            w.rec(0x001E, {});
        w.rec(0x0127, {-30000}).rec(0x0127, {-32768}).rec(0x0127, {32767});
        v.push_back({"text_and_states.wmf", w.bytes()});
    }
    return v;
}

std::vector<Absurd> AbsurdRichTexts() {
    std::vector<Absurd> v;
    v.push_back({"nesting.rtf",
                 "{\\rtf1" + std::string(100000, '{') + "x" + std::string(100000, '}') + "}"});
    v.push_back({"parameters.rtf",
                 "{\\rtf1\\ansi\\fs2147483647 a\\fs-2147483648 "
                 "b\\li2147483647\\fi-2147483648\\sb2147483647 c"
                 "\\u-2147483648\\uc2147483647 d\\cf99999\\f99999\\deff-1 e\\ansicpg99999999 f}"});
    v.push_back({"pictures.rtf",
                 "{\\rtf1{\\pict\\dibitmap0\\picw2147483647\\pich2147483647\\picwgoal2147483647"
                 "\\pichgoal-2147483648 0102}{\\pict\\pngblip\\picscalex2147483647 89504e47}"
                 "{\\pict\\wmetafile8\\picw-5\\pich0 0100090000ffffffffffff}"
                 "{\\pict\\dibitmap0\\bin2147483647 ab}{\\*\\x\\bin-5 cd}}"});
    {
        std::string cells = "{\\rtf1\\trowd";
        for (int i = 0; i < 20000; ++i)
            cells += "\\cellx" + std::to_string(i * 10);
        cells += " ";
        for (int i = 0; i < 20000; ++i)
            cells += "x\\cell";
        cells += "\\row";
        for (int i = 0; i < 2000; ++i)
            cells += "\\trowd\\cellx100 a\\cell\\row";
        v.push_back({"table.rtf", cells + "}"});
    }
    {
        std::string pic =
            "{\\pict\\dibitmap0\\picw64\\pich64 2800000040000000400000000100180000000000"
            "0000000000000000000000000000000000000000";
        pic += std::string(64 * 64 * 3 * 2, '0') + "}";
        std::string many = "{\\rtf1 ";
        for (int i = 0; i < 400; ++i)
            many += pic;
        v.push_back({"many_pictures.rtf", many + "}"});
    }
    return v;
}

} // namespace

// ---- the language file ------------------------------------------------------------

class HostileLanguage : public ShellTest {
  protected:
    void Language(const std::string& bytes) { vdtest::WriteFile(dir / "txt/vd_lan.txt", bytes); }
};

TEST_F(HostileLanguage, ALineWithoutCommasShiftsTheLaterEntriesAndNothingElse) {
    std::string file = vdtest::NumberedLanguageFile();
    const std::string line3 = "3,UK3,SW3,FI3,FR3,IT3,\r\n";
    file.replace(file.find(line3), line3.size(), "3 UK3 SW3 FI3 FR3 IT3\r\n");
    Language(file);
    Setup("UK");
    T_fm& w = Start();
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(LanguageText[2], "UK2");
    EXPECT_EQ(LanguageText[3], "UK4"); // the field ran on to the next line's first comma
    EXPECT_EQ(LanguageText[248], "UK249");
    EXPECT_EQ(LanguageText[249], ""); // the file ended first
    EXPECT_EQ(w.start->bn_about->caption(), "UK0");
    w.SwitchLanguage("IT");
    EXPECT_EQ(LanguageText[3], "IT4");
    ExpectEntriesFit();
}

TEST_F(HostileLanguage, AFileOfFewerLinesLeavesTheRestEmpty) {
    std::string file = vdtest::NumberedLanguageFile();
    size_t at = 0;
    for (int i = 0; i < 41; ++i)
        at = file.find("\r\n", at) + 2;
    Language(file.substr(0, at));
    Setup("SW");
    Start();
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(LanguageText[39], "SW39");
    EXPECT_EQ(LanguageText[40], "");
    EXPECT_EQ(LanguageText[249], "");
}

TEST_F(HostileLanguage, RandomBytesGiveShortEntriesAndAWorkingWindow) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        Language(RandomBytes(64 * 1024, seed));
        for (const char* code : {"UK", "FR"}) {
            Setup(code);
            messages.errors.clear();
            T_fm& w = Start();
            EXPECT_TRUE(messages.errors.empty()) << messages.errors[0];
            ExpectEntriesFit();
            w.SwitchLanguage("FI");
            ExpectEntriesFit();
            w.start->bn_products->click();
            EXPECT_EQ(w.CurrentPage(), w.products);
            window.reset();
        }
    }
}

TEST_F(HostileLanguage, ASetupFileOfRandomBytesNamesNoLanguageAndSaysSo) {
    vdtest::WriteFile(dir / "txt/vd_setup.txt", "\xFF\x01" + RandomBytes(1000, 7));
    Start();
    EXPECT_EQ(LanguageCode, "\xFF\x01");
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("No quotation text is named for the language"),
              std::string::npos)
        << messages.errors[0];
}

// ---- metafiles and rich text ---------------------------------------------------------

class AbsurdMaterial : public WindowTest {
  protected:
    // The fans name `drawing` and `spec`; the diagram picture stays small.
    T_fm& Choose(const std::string& drawing, const std::string& spec) {
        auto recs = ThreeFans();
        for (auto& r : recs) {
            r.drawing_file.assign(drawing);
            r.diagram_file.assign(drawing);
            r.spec_file.assign(spec);
        }
        Catalogue({recs[0]});
        T_fm& w = Ready();
        SelectAndOpenEveryRow(w);
        return w;
    }
    VdcatResult Preview(const fs::path& file) {
        return Vdcat("preview '" + file.string() + "' --out '" + (dir / "preview.png").string() +
                     "'");
    }
};

TEST_F(AbsurdMaterial, MetafilesAreDrawnOrGiveWayToTheBlankOneQuickly) {
    for (const Absurd& m : AbsurdMetafiles()) {
        SCOPED_TRACE(m.name);
        vdtest::WriteFile(dir / "wmf" / m.name, m.bytes);
        messages.errors.clear();
        double seconds = Timed([&] {
            T_fm& w = Choose(m.name, "none.txt");
            for (QWidget* page : {w.diagram->aDiagram, w.diagram->aDrawing}) {
                w.ShowPage(page);
                EXPECT_FALSE(w.grab().isNull());
            }
            const std::string shown = w.diagram->im_draw->source();
            EXPECT_TRUE(shown == "wmf\\" + std::string(m.name) || shown == "wmf\\blank.wmf")
                << shown;
        });
        EXPECT_TRUE(messages.errors.empty()) << messages.errors[0];
        EXPECT_LT(seconds, 10);
        const VdcatResult preview = Preview(dir / "wmf" / m.name);
        EXPECT_TRUE(preview.code == 0 ||
                    (preview.code == 3 && preview.err.find(m.name) != std::string::npos))
            << preview.code << " " << preview.err;
        window.reset();
    }
}

TEST_F(AbsurdMaterial, RichTextIsShownOnTheSpecificationPageQuickly) {
    for (const Absurd& r : AbsurdRichTexts()) {
        SCOPED_TRACE(r.name);
        vdtest::WriteFile(dir / "txt" / ("UK" + std::string(r.name)), r.bytes);
        messages.shown.clear();
        double seconds = Timed([&] {
            T_fm& w = Choose("none.wmf", r.name);
            w.ShowPage(w.diagram->aSpecification);
            EXPECT_FALSE(w.grab().isNull());
            EXPECT_NE(w.diagram->re_spec->toPlainText().trimmed(),
                      "re_specification"); // replaced by the file
        });
        EXPECT_LT(seconds, 10);
        // Only the missing big picture is reported: the text itself loaded.
        for (const std::string& m : messages.shown)
            EXPECT_EQ(m.find("specification"), std::string::npos) << m;
        const VdcatResult preview = Preview(dir / "txt" / ("UK" + std::string(r.name)));
        EXPECT_EQ(preview.code, 0) << preview.err;
        window.reset();
    }
}
