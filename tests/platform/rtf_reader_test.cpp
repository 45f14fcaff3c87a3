// The RTF reader on real files and on hand-written rich text: text, runs,
// lists, tables, escapes and code pages, skipped destinations, broken input,
// pictures, and the plain-text fallback of the one text-loading function.
#include "test_images.h"
#include "wmf_writer.h"

#include "errors.h"
#include "rtf_reader.h"
#include "text_loader.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>
#include <QTextTable>
#include <gtest/gtest.h>

#include <random>

using namespace vdtest;

namespace {

QString Text(const std::string& rtf) {
    QTextDocument doc;
    vd::LoadRichOrPlainText(doc, rtf);
    return doc.toPlainText();
}

// The fragment holding `text`, with its character format.
bool FindFragment(const QTextDocument& doc, const QString& text, QTextCharFormat& format) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text)) {
                format = it.fragment().charFormat();
                return true;
            }
    return false;
}

QTextBlock FindBlock(const QTextDocument& doc, const QString& text) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text().contains(text))
            return b;
    return {};
}
QTextBlock FindExactBlock(const QTextDocument& doc, const QString& text) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text() == text)
            return b;
    return {};
}

class FanManual : public ::testing::Test {
  protected:
    void SetUp() override {
        vd::LoadTextFile(doc, std::string(VD_REAL_FIXTURES) + "/rtf/fan_manual.rtf");
    }
    QTextDocument doc;
};

TEST_F(FanManual, TextAndEscapedCharacters) {
    QString text = doc.toPlainText();
    EXPECT_TRUE(text.startsWith("Installation instructions\n")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(
        "Ångström, Ærøskøbing, Müller, Señor, naïve, façade, œuvre, Œ, š, Ÿ, „Zitat“, ™ © ®.")));
    // Nothing of the skipped tables leaks into the text, and the \u fallbacks are not doubled.
    EXPECT_FALSE(text.contains("Normal"));
    EXPECT_FALSE(text.contains("LibreOffice"));
    EXPECT_FALSE(text.contains(QString::fromUtf8("ÅÅ")));
}

TEST_F(FanManual, CharacterRuns) {
    QTextCharFormat f;
    ASSERT_TRUE(FindFragment(doc, "all", f));
    EXPECT_EQ(f.fontWeight(), QFont::Bold);
    ASSERT_TRUE(FindFragment(doc, "before", f));
    EXPECT_TRUE(f.fontItalic());
    EXPECT_NE(f.fontWeight(), QFont::Bold);
    ASSERT_TRUE(FindFragment(doc, "horizontally", f));
    EXPECT_TRUE(f.fontUnderline());
    ASSERT_TRUE(FindFragment(doc, "230 V ~ 50 Hz", f));
    EXPECT_EQ(f.foreground().color(), QColor(192, 0, 0));
    EXPECT_DOUBLE_EQ(f.fontPointSize(), 14);
    ASSERT_TRUE(FindFragment(doc, "Installation", f));
    EXPECT_DOUBLE_EQ(f.fontPointSize(), 18);
    EXPECT_EQ(f.fontFamilies().toStringList().value(0), "Liberation Sans");
    ASSERT_TRUE(FindFragment(doc, " supply.", f));
    EXPECT_NE(f.foreground().color(), QColor(192, 0, 0));
}

TEST_F(FanManual, ParagraphAlignmentAndLists) {
    EXPECT_EQ(FindBlock(doc, "Read ").blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    QTextBlock heading = FindBlock(doc, "Installation instructions");
    EXPECT_EQ(heading.textList(), nullptr); // ls1 has no number or bullet
    QTextBlock first = FindBlock(doc, "Mount the fan");
    QTextBlock nested = FindBlock(doc, "Earth first");
    QTextBlock last = FindBlock(doc, "Check rotation");
    ASSERT_NE(first.textList(), nullptr);
    ASSERT_NE(nested.textList(), nullptr);
    EXPECT_EQ(first.textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(first.textList(), last.textList());
    EXPECT_EQ(first.textList()->count(), 3);
    EXPECT_GT(nested.textList()->format().indent(), first.textList()->format().indent());
    EXPECT_FALSE(first.text().contains('\t')); // the {\listtext} label is not text
}

TEST_F(FanManual, TableCellsTabsAndLineBreaks) {
    QTextBlock speed = FindBlock(doc, "Speed");
    QTextCursor c(speed);
    QTextTable* table = c.currentTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);
    auto cell = [&](int r, int col) {
        QTextTableCell tc = table->cellAt(r, col);
        QTextCursor a = tc.firstCursorPosition(), b = tc.lastCursorPosition();
        a.setPosition(b.position(), QTextCursor::KeepAnchor);
        return a.selectedText();
    };
    EXPECT_EQ(cell(0, 0), "Speed");
    EXPECT_EQ(cell(0, 1), "1 400 rpm");
    EXPECT_EQ(cell(1, 0), "Power");
    EXPECT_EQ(cell(1, 1), "0,37 kW");
    QTextBlock last = FindBlock(doc, "separated");
    EXPECT_EQ(QTextCursor(last).currentTable(), nullptr);
    EXPECT_EQ(last.text(), QString("Tab\tseparated") + QChar(QChar::LineSeparator) +
                               "line two after a line break.");
}

TEST(RtfNotes, ConvertedCp1252TextKeepsEveryCharacter) {
    QTextDocument doc;
    vd::LoadTextFile(doc, std::string(VD_REAL_FIXTURES) + "/rtf/notes_cp1252.rtf");
    EXPECT_EQ(doc.toPlainText(),
              QString::fromUtf8("Fan selection notes\n\nLägsta ljudnivå: 35 dB(A) – élève à côté.\n"
                                "Price 99,50 €, “quoted” …"));
}

// --- escapes and code pages ---------------------------------------------------

TEST(RtfEscapes, HexBytesFollowAnsicpgAndFontCharset) {
    EXPECT_EQ(Text("{\\rtf1\\ansi \\'e9\\'80\\'9c}"), QString::fromUtf8("é€œ"));
    EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1}"), QString::fromUtf8("Аб"));
    EXPECT_EQ(Text("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset238 Arial "
                   "CE;}{\\f2\\fcharset161 Arial Greek;}}"
                   "\\f1 \\'b9\\f2 \\'e1\\f0 \\'b9}"),
              QString::fromUtf8("ąα¹"));
}

TEST(RtfEscapes, UnicodeWithFallbackCounts) {
    EXPECT_EQ(Text("{\\rtf1 a\\u8364?b}"), QString::fromUtf8("a€b"));
    EXPECT_EQ(Text("{\\rtf1\\uc2 a\\u8364\\'80\\'80b}"), QString::fromUtf8("a€b"));
    EXPECT_EQ(Text("{\\rtf1\\uc0 a\\u8364 b}"), QString::fromUtf8("a€b"));
    EXPECT_EQ(Text("{\\rtf1 {\\uc3 \\u1055 x}y\\u-3913 ?}"),
              QString::fromUtf8("Пy") + QChar(0xF0B7));
    QTextDocument doc;
    vd::LoadRichOrPlainText(doc, "{\\rtf1 a\\{b\\}c\\\\d\\~e\\tab f\\line g}");
    EXPECT_EQ(doc.begin().text(),
              QString("a{b}c\\d") + QChar(0xA0) + "e\tf" + QChar(QChar::LineSeparator) + "g");
}

// --- destinations and broken input ------------------------------------------

TEST(RtfDestinations, UnknownAndIgnorableDestinationsAreSkipped) {
    EXPECT_EQ(Text("{\\rtf1 A{\\*\\mystery secret {nested} text}B{\\stylesheet{\\s0 Normal;}}C"
                   "{\\info{\\title T}}D{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt "
                   "shown}}E\\unknownword F}"),
              "ABCDshownEF");
}

TEST(RtfBroken, UnbalancedBracesDeepNestingAndJunk) {
    EXPECT_EQ(Text("{\\rtf1 open {\\b bold"), "open bold");
    EXPECT_EQ(Text("{\\rtf1 a}}}} trailing"), "a");
    std::string deep = "{\\rtf1 x";
    for (int i = 0; i < 20000; ++i)
        deep += "{\\b ";
    deep += "y";
    for (int i = 0; i < 20000; ++i)
        deep += "}";
    deep += "z}";
    EXPECT_EQ(Text(deep), "xyz");
    EXPECT_FALSE(
        Text("{\\rtf1 \\'zz\\'4 \\bin999999 abc").contains("abc")); // \bin swallows the rest
    std::string junk = "{\\rtf1 ";
    for (int i = 0; i < 256; ++i)
        junk.push_back(char(i));
    QTextDocument doc;
    vd::LoadRichOrPlainText(doc, junk); // any bytes: a document, no crash
    EXPECT_FALSE(doc.toPlainText().isEmpty());
}

// --- lists and tables written by hand ----------------------------------------

TEST(RtfLists, OldStylePnBulletsAndNumbers) {
    QTextDocument doc;
    vd::LoadRichOrPlainText(
        doc, "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
             "{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}\\fi-"
             "200\\li200 one\\par "
             "{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}two\\par"
             "\\pard plain\\par "
             "{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec\\pnstart1{\\pntxta .}}first\\par "
             "{\\pntext 2.\\tab}{\\*\\pn\\pnlvlbody\\pndec\\pnstart1{\\pntxta .}}second\\par}");
    EXPECT_EQ(doc.toPlainText(), "one\ntwo\nplain\nfirst\nsecond");
    QTextBlock one = FindBlock(doc, "one"), two = FindBlock(doc, "two"),
               plain = FindBlock(doc, "plain");
    ASSERT_NE(one.textList(), nullptr);
    EXPECT_EQ(one.textList(), two.textList());
    EXPECT_EQ(one.textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(plain.textList(), nullptr);
    QTextBlock first = FindBlock(doc, "first"), second = FindBlock(doc, "second");
    ASSERT_NE(first.textList(), nullptr);
    EXPECT_EQ(first.textList()->format().style(), QTextListFormat::ListDecimal);
    EXPECT_EQ(first.textList()->itemNumber(second), 1);
}

TEST(RtfLists, ListTableNumberingByLevel) {
    QTextDocument doc;
    vd::LoadRichOrPlainText(
        doc, "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}}"
             "{\\listlevel\\levelnfc4{\\leveltext\\'02\\'01);}}\\listid7}}"
             "{\\*\\listoverridetable{\\listoverride\\listid7\\ls3}}"
             "\\pard\\ls3 a\\par\\pard\\ls3\\ilvl1 b\\par\\pard\\ls3 c\\par}");
    QTextBlock a = FindExactBlock(doc, "a"), b = FindExactBlock(doc, "b"),
               c = FindExactBlock(doc, "c");
    ASSERT_TRUE(a.textList() && b.textList());
    EXPECT_EQ(a.textList()->format().style(), QTextListFormat::ListDecimal);
    EXPECT_EQ(b.textList()->format().style(), QTextListFormat::ListLowerAlpha);
    EXPECT_EQ(a.textList(), c.textList());
    EXPECT_EQ(c.textList()->itemNumber(c), 1);
}

TEST(RtfTables, RowsCellsAndTextAfterTheTable) {
    QTextDocument doc;
    vd::LoadRichOrPlainText(doc, "{\\rtf1 before\\par\\trowd\\cellx1000\\cellx2000\\cellx3000"
                                 "\\intbl a\\cell b\\cell c\\cell\\row"
                                 "\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl d\\cell e\\cell "
                                 "f\\cell\\row\\pard after\\par}");
    QTextTable* table = QTextCursor(FindExactBlock(doc, "e")).currentTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 3);
    EXPECT_EQ(table->cellAt(1, 2).firstCursorPosition().block().text(), "f");
    EXPECT_EQ(QTextCursor(FindBlock(doc, "after")).currentTable(), nullptr);
    EXPECT_EQ(QTextCursor(FindBlock(doc, "before")).currentTable(), nullptr);
    // The table follows the paragraph before it without an empty line between.
    EXPECT_EQ(doc.toPlainText().split('\n').value(1), "a");
}

// --- pictures ----------------------------------------------------------------

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out.push_back(digits[c >> 4]);
        out.push_back(digits[c & 15]);
    }
    return out;
}

QImage FirstImage(QTextDocument& doc, QSizeF* size = nullptr) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                QTextImageFormat f = it.fragment().charFormat().toImageFormat();
                if (size)
                    *size = QSizeF(f.width(), f.height());
                return doc.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
            }
    return {};
}

TEST(RtfPictures, PngDibAndMetafilePictures) {
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "PNG");
    QTextDocument doc;
    QSizeF size;
    vd::LoadRichOrPlainText(doc,
                            "{\\rtf1 x{\\pict\\pngblip\\picw4\\pich4\\picwgoal600\\pichgoal300 " +
                                Hex(png.toStdString()) + "}y}");
    EXPECT_TRUE(Near(FirstImage(doc, &size).pixel(1, 1), Qt::red));
    EXPECT_EQ(size, QSizeF(40, 20));

    QTextDocument dib;
    vd::LoadRichOrPlainText(
        dib,
        "{\\rtf1 {\\pict\\dibitmap0\\picw2\\pich2 " +
            Hex(Dib24(2, 2, {qRgb(0, 0, 255), qRgb(0, 0, 255), qRgb(0, 0, 255), qRgb(0, 0, 255)})) +
            "}}");
    EXPECT_TRUE(Near(FirstImage(dib).pixel(0, 0), Qt::blue));

    WmfWriter w;
    w.rec(0x0103, {8})
        .rec(0x020C, {100, 100})
        .rec(0x02FC, {0, 0, 255, 0})
        .rec(0x012D, {0})
        .rec(0x041B, {100, 100, 0, 0});
    QTextDocument wmf;
    vd::LoadRichOrPlainText(
        wmf, "{\\rtf1 {\\pict\\wmetafile8\\picw2540\\pich2540\\picwgoal750\\pichgoal750 " +
                 Hex(w.bytes()) + "}}");
    QImage image = FirstImage(wmf, &size);
    EXPECT_EQ(size, QSizeF(50, 50));
    EXPECT_TRUE(Near(image.pixel(25, 25), Qt::blue));

    // Word writes a picture twice: the shape version is shown, its fallback is not.
    QTextDocument twice;
    vd::LoadRichOrPlainText(twice, "{\\rtf1 {\\*\\shppict{\\pict\\pngblip " +
                                       Hex(png.toStdString()) + "}}{\\nonshppict{\\pict\\pngblip " +
                                       Hex(png.toStdString()) + "}}}");
    int images = 0;
    for (auto it = twice.begin().begin(); !it.atEnd(); ++it)
        images += it.fragment().charFormat().isImageFormat();
    EXPECT_EQ(images, 1);

    QTextDocument broken;
    vd::LoadRichOrPlainText(broken,
                            "{\\rtf1 a{\\pict\\wmetafile8 0102zz}b{\\pict\\pngblip ffff}c}");
    EXPECT_EQ(broken.toPlainText(), "abc");
}

// --- plain text and file loading ----------------------------------------------

TEST(PlainText, NonRtfIsWindows1252WithCrLfOrLf) {
    EXPECT_EQ(Text("Line one\r\nL\xe4ngd \x80\nthird\r\n"),
              QString::fromUtf8("Line one\nLängd €\nthird\n"));
    EXPECT_EQ(Text(" {\\rtf1 not rich}"), " {\\rtf1 not rich}");
    EXPECT_EQ(Text("{\\RTF1 upper}"), "{\\RTF1 upper}");
}

TEST(PlainText, MissingFileThrowsAndKeepsThePreviousText) {
    QTextDocument doc;
    doc.setPlainText("previous");
    EXPECT_THROW(vd::LoadTextFile(doc, "/nonexistent/dir/UKspec.txt"), vd::FileError);
    EXPECT_EQ(doc.toPlainText(), "previous");
}

} // namespace

namespace {

TEST(RtfBroken, RandomMutationsOfRealFilesNeverCrash) {
    std::mt19937 rng(99);
    for (const char* name : {"fan_manual", "notes_cp1252"}) {
        std::string original = ReadFixture(std::string(VD_REAL_FIXTURES) + "/rtf/" + name + ".rtf");
        ASSERT_FALSE(original.empty());
        for (int round = 0; round < 200; ++round) {
            std::string bytes = original;
            for (int e = 0, n = 1 + int(rng() % 10); e < n; ++e) {
                size_t at = 5 + rng() % (bytes.size() - 5);
                const char pick[] = {'{', '}', '\\', '\'', 'u', '-', '9', char(rng())};
                if (rng() % 5 == 0)
                    bytes.erase(at, rng() % 40);
                else if (at < bytes.size())
                    bytes[at] = pick[rng() % sizeof(pick)];
            }
            QTextDocument doc;
            vd::LoadRichOrPlainText(doc, bytes);
            ASSERT_GE(doc.blockCount(), 1);
        }
    }
}

} // namespace
