#include "rtf_reader.h"

#include "codepages.h"
#include "dib.h"
#include "font_faces.h"
#include "wmf_player.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QPainter>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace vd {
namespace {

constexpr int kMaxDepth = 256; // deeper groups are flattened into the deepest
constexpr size_t kMaxPictureBytes = 32u << 20;
constexpr int kMaxPictureSide = 4096;
constexpr int kMaxTableColumns = 64;
// Pictures stay in the document as resources: bound their number and pixels.
constexpr int kMaxPictures = 256;
constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;
constexpr double kTwipsPerPixel = 15.0; // 1440 twips an inch, 96 pixels an inch

// ---------------------------------------------------------------------------
// Tokens

struct Token {
    enum Kind { Open, Close, Word, Symbol, Hex, Text, Binary, End } kind = End;
    std::string_view text; // word name, text run or binary data
    bool hasParam = false;
    int param = 0;
    char symbol = 0;
    unsigned char hex = 0;
};

class Lexer {
  public:
    explicit Lexer(std::string_view in) : in_(in) {}

    Token next() {
        Token t;
        // Line ends in RTF source carry no meaning.
        while (pos_ < in_.size() && (in_[pos_] == '\r' || in_[pos_] == '\n'))
            ++pos_;
        if (pos_ >= in_.size())
            return t;
        char c = in_[pos_];
        if (c == '{') {
            ++pos_;
            t.kind = Token::Open;
            return t;
        }
        if (c == '}') {
            ++pos_;
            t.kind = Token::Close;
            return t;
        }
        if (c != '\\') {
            size_t start = pos_;
            while (pos_ < in_.size() && in_[pos_] != '\\' && in_[pos_] != '{' && in_[pos_] != '}' &&
                   in_[pos_] != '\r' && in_[pos_] != '\n')
                ++pos_;
            t.kind = Token::Text;
            t.text = in_.substr(start, pos_ - start);
            return t;
        }
        ++pos_;
        if (pos_ >= in_.size())
            return t;
        c = in_[pos_];
        if (IsLetter(c))
            return word();
        ++pos_;
        if (c == '\'') {
            if (pos_ + 2 <= in_.size() && HexValue(in_[pos_]) >= 0 &&
                HexValue(in_[pos_ + 1]) >= 0) {
                t.kind = Token::Hex;
                t.hex =
                    static_cast<unsigned char>(HexValue(in_[pos_]) * 16 + HexValue(in_[pos_ + 1]));
                pos_ += 2;
                return t;
            }
            t.kind = Token::Symbol;
            t.symbol = 0;
            return t;
        }
        t.kind = Token::Symbol;
        t.symbol = (c == '\r' || c == '\n') ? '\n' : c;
        return t;
    }

    // Raw bytes after \binN.
    std::string_view binary(size_t n) {
        n = std::min(n, in_.size() - pos_);
        std::string_view v = in_.substr(pos_, n);
        pos_ += n;
        return v;
    }

    static int HexValue(char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

  private:
    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

    Token word() {
        Token t;
        t.kind = Token::Word;
        size_t start = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_]))
            ++pos_;
        t.text = in_.substr(start, std::min<size_t>(pos_ - start, 32));
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() &&
            std::isdigit(static_cast<unsigned char>(in_[pos_ + 1]))) {
            negative = true;
            ++pos_;
        }
        long long value = 0;
        int digits = 0;
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
            if (digits < 10)
                value = value * 10 + (in_[pos_] - '0');
            ++digits;
            ++pos_;
        }
        if (digits > 0) {
            t.hasParam = true;
            value = std::min<long long>(value, 2147483647LL);
            t.param = int(negative ? -value : value);
        }
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_; // the delimiting space belongs to the word
        return t;
    }

    std::string_view in_;
    size_t pos_ = 0;
};

// ---------------------------------------------------------------------------
// State

enum class Dest {
    Normal,
    Skip,
    FontTable,
    ColorTable,
    ListTable,
    LevelText,
    ListOverrideTable,
    Pn,
    PnTextBefore,
    PnTextAfter,
    Picture,
};

struct CharProps {
    int font = -1; // -1: the document's default font
    int halfPoints = 24;
    bool bold = false, italic = false, underline = false, strike = false, hidden = false;
    int foreground = 0, background = 0; // colour table indices, 0 = automatic
    int vertical = 0;                   // 1 superscript, -1 subscript
};

struct ParaProps {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0, right = 0, first = 0, before = 0, after = 0; // twips
    int ls = 0, level = 0;
    bool inTable = false;
};

struct GroupState {
    Dest dest = Dest::Normal;
    CharProps ch;
    ParaProps para;
    int uc = 1;
};

struct FontEntry {
    std::string nameBytes;
    QString name;
    int charset = -1;
    int family = -1; // LOGFONT pitch-and-family byte
};

struct ListLevel {
    int nfc = 0;
    QString text;
};

// Old-style ({\*\pn …}) paragraph numbering.
struct PnProps {
    bool active = false;
    int level = 0;
    int nfc = 0; // same numbering codes as \levelnfc; 23 bullet
    QString before;
};

struct Picture {
    enum Kind { None, Wmf, Png, Jpeg, Dib } kind = None;
    std::string data;
    int hexHigh = -1;
    int picw = 0, pich = 0, goalw = 0, goalh = 0, scalex = 100, scaley = 100;
};

// ---------------------------------------------------------------------------
// Document building: paragraphs, lists and tables through one cursor.

class Builder {
  public:
    explicit Builder(QTextDocument& doc) : doc_(doc), cursor_(&doc) {}

    void text(const QString& s, const QTextCharFormat& f, bool inTable) {
        if (s.isEmpty())
            return;
        enter(inTable);
        openPendingBlock(f);
        cursor_.insertText(s, f);
    }

    void image(const QImage& image, QSizeF size, bool inTable) {
        enter(inTable);
        openPendingBlock(QTextCharFormat());
        QString name = QStringLiteral("rtf-picture-%1").arg(++pictures_);
        doc_.addResource(QTextDocument::ImageResource, QUrl(name), image);
        QTextImageFormat f;
        f.setName(name);
        f.setWidth(size.width());
        f.setHeight(size.height());
        cursor_.insertImage(f);
    }

    // Ends a paragraph: its format and list membership are those in force at its end.
    void paragraphEnd(const QTextBlockFormat& block, const QTextListFormat* list,
                      const QString& listKey, const QTextCharFormat& charFormat, bool inTable) {
        enter(inTable);
        openPendingBlock(charFormat);
        finishBlock(block, list, listKey);
        pendingBlock_ = true;
        pendingCharFormat_ = charFormat;
    }

    void cellEnd(const QTextBlockFormat& block, const QTextListFormat* list, const QString& listKey,
                 const QTextCharFormat& charFormat) {
        enter(true);
        openPendingBlock(charFormat);
        finishBlock(block, list, listKey);
        pendingBlock_ = false;
        cellDone_ = true; // the next cell is entered when its content arrives
    }

    void rowEnd() {
        if (table_)
            rowDone_ = true;
        cellDone_ = false;
    }

    void setRowColumns(const std::vector<int>& cellx, bool borders) {
        cellx_ = cellx;
        borders_ = borders;
    }

    void forgetPnLists() {
        for (auto it = lists_.begin(); it != lists_.end();)
            it = it.key().startsWith(QLatin1String("pn")) ? lists_.erase(it) : std::next(it);
    }

  private:
    void openPendingBlock(const QTextCharFormat& f) {
        if (!pendingBlock_)
            return;
        pendingBlock_ = false;
        // A clean block format, so that the new block does not join the previous one's list.
        cursor_.insertBlock(QTextBlockFormat(), f);
    }

    void finishBlock(const QTextBlockFormat& block, const QTextListFormat* list,
                     const QString& listKey) {
        cursor_.setBlockFormat(block);
        if (!list)
            return;
        QPointer<QTextList>& known = lists_[listKey];
        if (known)
            known->add(cursor_.block());
        else
            known = cursor_.createList(*list);
    }

    // Moves the cursor into or out of the current table as the text requires.
    void enter(bool inTable) {
        if (!inTable) {
            if (table_) {
                cursor_.setPosition(table_->lastPosition());
                cursor_.movePosition(QTextCursor::NextBlock);
                table_ = nullptr;
                cellDone_ = rowDone_ = false;
                pendingBlock_ = false;
            }
            return;
        }
        if (!table_) {
            // A table after a paragraph end follows that paragraph directly: Qt
            // starts the table on a block of its own, so no empty line is opened.
            int columns = std::clamp(int(cellx_.size()), 1, kMaxTableColumns);
            QTextTableFormat format;
            format.setBorder(borders_ ? 1 : 0);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setCellPadding(2);
            format.setCellSpacing(0);
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            if (cellx_.size() == size_t(columns) && cellx_.back() > 0) {
                QList<QTextLength> widths;
                int previous = 0;
                for (int x : cellx_) {
                    widths.append(
                        QTextLength(QTextLength::PercentageLength,
                                    std::max(1.0, 100.0 * (x - previous) / cellx_.back())));
                    previous = x;
                }
                format.setColumnWidthConstraints(widths);
            }
            table_ = cursor_.insertTable(1, columns, format);
            row_ = column_ = 0;
            rowDone_ = false;
            cellDone_ = false;
            pendingBlock_ = false;
            return;
        }
        if (cellDone_) {
            cellDone_ = false;
            if (column_ + 1 >= table_->columns() && table_->columns() < kMaxTableColumns)
                table_->appendColumns(1);
            column_ = std::min(column_ + 1, table_->columns() - 1);
            cursor_ = table_->cellAt(row_, column_).firstCursorPosition();
            pendingBlock_ = false;
        }
        if (rowDone_) {
            rowDone_ = false;
            table_->appendRows(1);
            ++row_;
            column_ = 0;
            cursor_ = table_->cellAt(row_, 0).firstCursorPosition();
            pendingBlock_ = false;
        }
    }

    QTextDocument& doc_;
    QTextCursor cursor_;
    bool pendingBlock_ = false;
    QTextCharFormat pendingCharFormat_;
    QMap<QString, QPointer<QTextList>> lists_;
    QTextTable* table_ = nullptr;
    int row_ = 0, column_ = 0;
    bool rowDone_ = false;
    bool cellDone_ = false;
    std::vector<int> cellx_;
    bool borders_ = false;
    int pictures_ = 0;
};

// ---------------------------------------------------------------------------

// Destinations that carry nothing to show, even without the \* marker.
bool IsSkippedDestination(std::string_view w) {
    static const std::set<std::string_view> skipped = {
        "stylesheet",   "info",       "header",    "footer",        "headerl",
        "headerr",      "headerf",    "footerl",   "footerr",       "footerf",
        "footnote",     "fldinst",    "listtext",  "pntext",        "filetbl",
        "revtbl",       "rsidtbl",    "xmlnstbl",  "themedata",     "colorschememapping",
        "latentstyles", "datastore",  "pgdsctbl",  "upr",           "nonshppict",
        "template",     "annotation", "atnid",     "atnauthor",     "bkmkstart",
        "bkmkend",      "private",    "generator", "title",         "subject",
        "author",       "operator",   "keywords",  "doccomm",       "company",
        "category",     "userprops",  "listname",  "fldtype",       "ftnsep",
        "ftnsepc",      "ftncn",      "aftnsep",   "aftnsepc",      "aftncn",
        "txe",          "xe",         "tc",        "objdata",       "objclass",
        "picprop",      "blipuid",    "mmathPr",   "wgrffmtfilter", "shpinst",
        "listpicture",  "comment",    "buptim",    "creatim",       "revtim",
        "printim",
    };
    return skipped.count(w) > 0;
}

class Reader {
  public:
    Reader(QTextDocument& doc, std::string_view rtf) : doc_(doc), lexer_(rtf), builder_(doc) {}

    void run();

  private:
    GroupState& st() { return stack_.back(); }

    void word(std::string_view w, bool hasParam, int param);
    void destinationWord(std::string_view w, bool hasParam, int param);
    bool paragraphWord(std::string_view w, bool hasParam, int param);
    bool characterWord(std::string_view w, bool hasParam, int param);
    void symbol(char c);
    void textBytes(std::string_view bytes);
    void unicodeChar(int value);
    void endGroup(const GroupState& closed);

    // Text collection
    int currentCodePage() const;
    void appendChar(QChar c);
    void flushBytes();
    void flushRun();
    QTextCharFormat charFormat(const CharProps& c) const;
    QTextBlockFormat blockFormat(const ParaProps& p, bool isList) const;
    bool listFormat(const ParaProps& p, QTextListFormat& format, QString& key) const;
    void endParagraph();
    void endCell();

    void finishFont();
    void finishPicture(Picture& picture);

    QTextDocument& doc_;
    Lexer lexer_;
    Builder builder_;
    std::vector<GroupState> stack_;
    int overflowDepth_ = 0;
    bool ignorableNext_ = false;
    int skipChars_ = 0;

    int documentCodePage_ = 1252;
    int defaultFont_ = 0;
    QMap<int, FontEntry> fonts_;
    int fontInTable_ = -1;
    std::vector<QColor> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorSeen_ = false;

    // Lists
    QMap<int, std::vector<ListLevel>> lists_;
    std::vector<ListLevel> listBuilding_;
    QMap<int, int> overrides_;
    int overrideListId_ = 0;
    PnProps pn_;

    // Tables
    std::vector<int> cellx_;
    bool rowBorders_ = false;

    // Text of the current run
    std::string bytes_;
    int bytesCodePage_ = 1252;
    QString run_;
    CharProps runProps_;
    bool runInTable_ = false;

    Picture picture_;
    int pictureCount_ = 0;
    long long pixelBudget_ = kMaxPicturePixels;
};

int Reader::currentCodePage() const {
    const CharProps& c = stack_.back().ch;
    auto it = fonts_.find(c.font >= 0 ? c.font : defaultFont_);
    if (it != fonts_.end() && it->charset > 1 && it->charset != 2)
        return CodePageForCharset(it->charset);
    return documentCodePage_;
}

void Reader::flushBytes() {
    if (bytes_.empty())
        return;
    run_ += DecodeCodePage(bytes_, bytesCodePage_);
    bytes_.clear();
}

void Reader::flushRun() {
    flushBytes();
    if (run_.isEmpty())
        return;
    builder_.text(run_, charFormat(runProps_), runInTable_);
    run_.clear();
}

void Reader::appendChar(QChar c) {
    const GroupState& s = stack_.back();
    if (s.ch.hidden)
        return;
    flushBytes();
    run_ += c;
}

QTextCharFormat Reader::charFormat(const CharProps& c) const {
    QTextCharFormat f;
    auto it = fonts_.find(c.font >= 0 ? c.font : defaultFont_);
    if (it != fonts_.end())
        f.setFontFamilies({ResolveFaceName(it->name, it->family)});
    f.setFontPointSize(std::clamp(c.halfPoints, 2, 3276) / 2.0);
    f.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(c.italic);
    f.setFontUnderline(c.underline);
    f.setFontStrikeOut(c.strike);
    if (c.foreground > 0 && size_t(c.foreground) < colors_.size() &&
        colors_[size_t(c.foreground)].isValid())
        f.setForeground(colors_[size_t(c.foreground)]);
    if (c.background > 0 && size_t(c.background) < colors_.size() &&
        colors_[size_t(c.background)].isValid())
        f.setBackground(colors_[size_t(c.background)]);
    if (c.vertical > 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (c.vertical < 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return f;
}

QTextBlockFormat Reader::blockFormat(const ParaProps& p, bool isList) const {
    QTextBlockFormat f;
    f.setAlignment(p.align);
    // A list's own indent places its items; the paragraph's indents would add to it.
    if (!isList) {
        f.setLeftMargin(std::max(0.0, p.left / kTwipsPerPixel));
        f.setTextIndent(p.first / kTwipsPerPixel);
    }
    f.setRightMargin(std::max(0.0, p.right / kTwipsPerPixel));
    f.setTopMargin(std::max(0.0, p.before / kTwipsPerPixel));
    f.setBottomMargin(std::max(0.0, p.after / kTwipsPerPixel));
    return f;
}

QTextListFormat::Style StyleForNfc(int nfc, const QString& text, int level) {
    switch (nfc) {
    case 0:
        return QTextListFormat::ListDecimal;
    case 1:
        return QTextListFormat::ListUpperRoman;
    case 2:
        return QTextListFormat::ListLowerRoman;
    case 3:
        return QTextListFormat::ListUpperAlpha;
    case 4:
        return QTextListFormat::ListLowerAlpha;
    case 23: {
        for (QChar c : text) {
            char16_t u = c.unicode();
            if (u == u'o' || u == 0x25E6 || u == 0x25CB || u == 0xF06F)
                return QTextListFormat::ListCircle;
            if (u == 0x25AA || u == 0x25A0 || u == 0xF0A7 || u == 0xA7 || u == 0xF06E)
                return QTextListFormat::ListSquare;
            if (u == 0x2022 || u == 0xB7 || u == 0xF0B7 || u == 0xF095 || u == 0x25CF)
                return QTextListFormat::ListDisc;
        }
        static const QTextListFormat::Style byLevel[] = {
            QTextListFormat::ListDisc, QTextListFormat::ListCircle, QTextListFormat::ListSquare};
        return byLevel[level % 3];
    }
    default:
        return QTextListFormat::ListDecimal;
    }
}

bool Reader::listFormat(const ParaProps& p, QTextListFormat& format, QString& key) const {
    if (p.ls > 0) {
        int listId = overrides_.value(p.ls, p.ls);
        auto it = lists_.find(listId);
        int nfc = 23;
        QString text;
        if (it != lists_.end()) {
            if (size_t(p.level) < it->size()) {
                nfc = (*it)[size_t(p.level)].nfc;
                text = (*it)[size_t(p.level)].text;
            }
        }
        if (nfc == 255)
            return false; // no number and no bullet: an outline level, not a list
        format.setStyle(StyleForNfc(nfc, text, p.level));
        format.setIndent(p.level + 1);
        key = QStringLiteral("ls%1/%2").arg(p.ls).arg(p.level);
        return true;
    }
    if (pn_.active) {
        format.setStyle(StyleForNfc(pn_.nfc, pn_.before, pn_.level));
        format.setIndent(std::max(1, pn_.level));
        key = QStringLiteral("pn%1/%2").arg(pn_.level).arg(pn_.nfc);
        return true;
    }
    return false;
}

void Reader::endParagraph() {
    flushRun();
    const GroupState& s = st();
    QTextListFormat list;
    QString key;
    bool isList = listFormat(s.para, list, key);
    if (!isList)
        builder_.forgetPnLists();
    builder_.paragraphEnd(blockFormat(s.para, isList), isList ? &list : nullptr, key,
                          charFormat(s.ch), s.para.inTable);
}

void Reader::endCell() {
    flushRun();
    const GroupState& s = st();
    QTextListFormat list;
    QString key;
    bool isList = listFormat(s.para, list, key);
    builder_.setRowColumns(cellx_, rowBorders_);
    builder_.cellEnd(blockFormat(s.para, isList), isList ? &list : nullptr, key, charFormat(s.ch));
}

void Reader::finishFont() {
    if (fontInTable_ < 0)
        return;
    FontEntry& f = fonts_[fontInTable_];
    std::string name = f.nameBytes;
    while (!name.empty() && (name.back() == ' ' || name.back() == ';'))
        name.pop_back();
    f.name = DecodeCodePage(name, f.charset > 1 && f.charset != 2 ? CodePageForCharset(f.charset)
                                                                  : documentCodePage_)
                 .trimmed();
    f.nameBytes.clear();
}

void Reader::finishPicture(Picture& p) {
    if (p.kind == Picture::None || p.data.empty() || ++pictureCount_ > kMaxPictures)
        return;
    auto withinBudget = [&](long long pixels) {
        return pixels >= 0 && (pixelBudget_ -= pixels) >= 0;
    };
    QImage image;
    QSizeF size;
    auto goal = [&](int goalTwips, int fallbackPixels, int scale) {
        double px = goalTwips > 0 ? goalTwips / kTwipsPerPixel : fallbackPixels;
        return std::clamp(px * std::clamp(scale, 1, 1000) / 100.0, 1.0, double(kMaxPictureSide));
    };
    if (p.kind == Picture::Wmf) {
        try {
            WmfPicture wmf = WmfPicture::FromBytes(p.data);
            // \picw and \pich of a metafile are in hundredths of a millimetre.
            int w = p.picw > 0 ? int(p.picw * 96.0 / 2540) : int(wmf.naturalSize().width());
            int h = p.pich > 0 ? int(p.pich * 96.0 / 2540) : int(wmf.naturalSize().height());
            size = QSizeF(goal(p.goalw, w, p.scalex), goal(p.goalh, h, p.scaley));
            QSize pixels = size.toSize().expandedTo(QSize(1, 1));
            if (!withinBudget((long long)pixels.width() * pixels.height()))
                return;
            image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            wmf.play(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
        } catch (const WmfError&) {
            return;
        }
    } else {
        if (p.kind == Picture::Dib) {
            if (!withinBudget(DibPixelCount(p.data)))
                return;
            image = DecodeDib(p.data);
        } else {
            QByteArray data(p.data.data(), qsizetype(p.data.size()));
            QBuffer buffer(&data);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer);
            QSize claimed = reader.size();
            if (!claimed.isValid() || !withinBudget((long long)claimed.width() * claimed.height()))
                return;
            image = reader.read();
        }
        if (image.isNull())
            return;
        int w = p.picw > 0 ? p.picw : image.width();
        int h = p.pich > 0 ? p.pich : image.height();
        size = QSizeF(goal(p.goalw, w, p.scalex), goal(p.goalh, h, p.scaley));
    }
    if (image.isNull())
        return;
    flushRun();
    builder_.image(image, size, st().para.inTable);
}

void Reader::unicodeChar(int value) {
    if (value < 0)
        value += 65536;
    if (st().dest == Dest::LevelText || st().dest == Dest::PnTextBefore) {
        if (st().dest == Dest::LevelText) {
            if (!listBuilding_.empty())
                listBuilding_.back().text += QChar(char16_t(value));
        } else {
            pn_.before += QChar(char16_t(value));
        }
    } else if (st().dest == Dest::Normal) {
        if (value >= 0xD800 && value <= 0xDFFF)
            appendChar(QChar(char16_t(value))); // surrogate halves pair up in the run
        else
            appendChar(QChar(char16_t(value)));
    }
    skipChars_ = st().uc;
}

void Reader::textBytes(std::string_view bytes) {
    GroupState& s = st();
    switch (s.dest) {
    case Dest::Normal: {
        if (s.ch.hidden)
            return;
        int cp = currentCodePage();
        for (char c : bytes) {
            if (skipChars_ > 0) {
                --skipChars_;
                continue;
            }
            if (c == '\t') {
                appendChar(QLatin1Char('\t'));
                continue;
            }
            if (c == '\0')
                continue;
            if (!bytes_.empty() && bytesCodePage_ != cp)
                flushBytes();
            bytesCodePage_ = cp;
            bytes_.push_back(c);
        }
        return;
    }
    case Dest::FontTable:
        for (char c : bytes) {
            if (c == ';') {
                finishFont();
                continue;
            }
            if (fontInTable_ >= 0)
                fonts_[fontInTable_].nameBytes.push_back(c);
        }
        return;
    case Dest::ColorTable:
        for (char c : bytes) {
            if (c != ';')
                continue;
            colors_.push_back(colorSeen_ ? QColor(red_, green_, blue_) : QColor());
            red_ = green_ = blue_ = 0;
            colorSeen_ = false;
        }
        return;
    case Dest::LevelText:
        if (!listBuilding_.empty())
            for (char c : bytes) {
                if (skipChars_ > 0) {
                    --skipChars_;
                    continue;
                }
                if (c != ';')
                    listBuilding_.back().text +=
                        QChar(CodePageByte(static_cast<unsigned char>(c), documentCodePage_));
            }
        return;
    case Dest::PnTextBefore:
        for (char c : bytes) {
            if (skipChars_ > 0) {
                --skipChars_;
                continue;
            }
            pn_.before += QChar(CodePageByte(static_cast<unsigned char>(c), documentCodePage_));
        }
        return;
    case Dest::Picture:
        for (char c : bytes) {
            int v = Lexer::HexValue(c);
            if (v < 0)
                continue;
            if (picture_.hexHigh < 0) {
                picture_.hexHigh = v;
            } else {
                if (picture_.data.size() < kMaxPictureBytes)
                    picture_.data.push_back(char(picture_.hexHigh * 16 + v));
                picture_.hexHigh = -1;
            }
        }
        return;
    default:
        return;
    }
}

void Reader::symbol(char c) {
    if (c == '*') {
        ignorableNext_ = true;
        return;
    }
    if (st().dest != Dest::Normal) {
        if (c == '\\' || c == '{' || c == '}')
            textBytes(std::string_view(&c, 1));
        return;
    }
    if (skipChars_ > 0) {
        --skipChars_;
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}':
        textBytes(std::string_view(&c, 1));
        return;
    case '~':
        appendChar(QChar(0x00A0));
        return;
    case '_':
        appendChar(QChar(0x2011));
        return;
    case '-':
        return; // optional hyphen
    case '\n':
        endParagraph();
        return;
    case '\t':
        appendChar(QLatin1Char('\t'));
        return;
    default:
        return;
    }
}

void Reader::destinationWord(std::string_view w, bool hasParam, int param) {
    GroupState& s = st();
    if (w == "fonttbl")
        s.dest = Dest::FontTable;
    else if (w == "colortbl")
        s.dest = Dest::ColorTable;
    else if (w == "listtable")
        s.dest = Dest::ListTable;
    else if (w == "listoverridetable")
        s.dest = Dest::ListOverrideTable;
    else if (w == "pict") {
        s.dest = Dest::Picture;
        picture_ = Picture();
    } else if (w == "pn") {
        s.dest = Dest::Pn;
        pn_ = PnProps();
        pn_.active = true;
    } else if (w == "leveltext")
        s.dest = Dest::LevelText;
    else if (w == "pntxtb")
        s.dest = Dest::PnTextBefore;
    else if (w == "pntxta")
        s.dest = Dest::PnTextAfter;
    else
        s.dest = Dest::Skip;
    (void)hasParam;
    (void)param;
}

bool Reader::paragraphWord(std::string_view w, bool hasParam, int param) {
    ParaProps& p = st().para;
    if (w == "pard") {
        p = ParaProps();
        pn_ = PnProps();
    } else if (w == "ql")
        p.align = Qt::AlignLeft;
    else if (w == "qr")
        p.align = Qt::AlignRight;
    else if (w == "qc")
        p.align = Qt::AlignHCenter;
    else if (w == "qj")
        p.align = Qt::AlignJustify;
    else if (w == "li")
        p.left = param;
    else if (w == "ri")
        p.right = param;
    else if (w == "fi")
        p.first = param;
    else if (w == "sb")
        p.before = param;
    else if (w == "sa")
        p.after = param;
    else if (w == "ls")
        p.ls = param;
    else if (w == "ilvl")
        p.level = std::clamp(param, 0, 8);
    else if (w == "intbl")
        p.inTable = true;
    else
        return false;
    (void)hasParam;
    return true;
}

bool Reader::characterWord(std::string_view w, bool hasParam, int param) {
    CharProps& c = st().ch;
    const bool on = !hasParam || param != 0;
    if (w == "plain")
        c = CharProps();
    else if (w == "f")
        c.font = param;
    else if (w == "fs")
        c.halfPoints = hasParam ? param : 24;
    else if (w == "b")
        c.bold = on;
    else if (w == "i")
        c.italic = on;
    else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulth" ||
             w == "ulwave")
        c.underline = on;
    else if (w == "ulnone")
        c.underline = false;
    else if (w == "strike" || w == "striked")
        c.strike = on;
    else if (w == "v")
        c.hidden = on;
    else if (w == "cf")
        c.foreground = param;
    else if (w == "cb" || w == "highlight")
        c.background = param;
    else if (w == "super")
        c.vertical = 1;
    else if (w == "sub")
        c.vertical = -1;
    else if (w == "nosupersub")
        c.vertical = 0;
    else
        return false;
    return true;
}

void Reader::word(std::string_view w, bool hasParam, int param) {
    GroupState& s = st();
    if (w == "u" && hasParam) {
        flushBytes();
        unicodeChar(param);
        return;
    }
    // Only text and \'hh stand in for a \u character; a control word ends the
    // fallback, so that a missing one never swallows a \par.
    skipChars_ = 0;
    if (w == "bin") {
        std::string_view data = lexer_.binary(hasParam && param > 0 ? size_t(param) : 0);
        if (s.dest == Dest::Picture && picture_.data.size() + data.size() <= kMaxPictureBytes)
            picture_.data.append(data);
        return;
    }
    if (w == "uc") {
        s.uc = std::clamp(param, 0, 10);
        return;
    }
    const bool ignorable = ignorableNext_;
    ignorableNext_ = false;

    // Destinations we read; everything else in a group marked \* is skipped.
    static const std::set<std::string_view> read = {"fonttbl",           "colortbl", "listtable",
                                                    "listoverridetable", "pict",     "pn",
                                                    "leveltext",         "pntxtb",   "pntxta"};
    if (read.count(w)) {
        if (s.dest == Dest::Skip)
            return;
        flushRun();
        destinationWord(w, hasParam, param);
        return;
    }
    if (w == "shppict" || w == "fldrslt" || w == "result")
        return; // their content is shown
    if (ignorable || IsSkippedDestination(w)) {
        flushRun();
        s.dest = Dest::Skip;
        return;
    }

    switch (s.dest) {
    case Dest::Skip:
    case Dest::PnTextAfter:
        return;
    case Dest::FontTable:
        if (w == "f") {
            finishFont();
            fontInTable_ = param;
            fonts_[param];
        } else if (fontInTable_ >= 0) {
            FontEntry& f = fonts_[fontInTable_];
            if (w == "fcharset")
                f.charset = param;
            else if (w == "froman")
                f.family = 0x10;
            else if (w == "fswiss")
                f.family = 0x20;
            else if (w == "fmodern")
                f.family = 0x30;
            else if (w == "fscript")
                f.family = 0x40;
            else if (w == "fdecor")
                f.family = 0x50;
        }
        return;
    case Dest::ColorTable:
        if (w == "red")
            red_ = std::clamp(param, 0, 255), colorSeen_ = true;
        else if (w == "green")
            green_ = std::clamp(param, 0, 255), colorSeen_ = true;
        else if (w == "blue")
            blue_ = std::clamp(param, 0, 255), colorSeen_ = true;
        return;
    case Dest::ListTable:
        if (w == "list")
            listBuilding_.clear();
        else if (w == "listlevel") {
            if (listBuilding_.size() < 9)
                listBuilding_.push_back(ListLevel());
        } else if ((w == "levelnfc" || w == "levelnfcn") && !listBuilding_.empty())
            listBuilding_.back().nfc = param;
        else if (w == "listid")
            lists_[param] = listBuilding_;
        return;
    case Dest::LevelText:
        return;
    case Dest::ListOverrideTable:
        if (w == "listid")
            overrideListId_ = param;
        else if (w == "ls")
            overrides_[param] = overrideListId_;
        return;
    case Dest::Pn:
    case Dest::PnTextBefore:
        if (w == "pnlvl")
            pn_.level = std::clamp(param, 1, 9);
        else if (w == "pnlvlblt")
            pn_.nfc = 23, pn_.level = std::max(pn_.level, 1);
        else if (w == "pnlvlbody")
            pn_.level = std::max(pn_.level, 1);
        else if (w == "pnlvlcont")
            pn_.active = false;
        else if (w == "pndec")
            pn_.nfc = 0;
        else if (w == "pnucrm")
            pn_.nfc = 1;
        else if (w == "pnlcrm")
            pn_.nfc = 2;
        else if (w == "pnucltr")
            pn_.nfc = 3;
        else if (w == "pnlcltr")
            pn_.nfc = 4;
        return;
    case Dest::Picture:
        if (w == "wmetafile")
            picture_.kind = Picture::Wmf;
        else if (w == "pngblip")
            picture_.kind = Picture::Png;
        else if (w == "jpegblip")
            picture_.kind = Picture::Jpeg;
        else if (w == "dibitmap")
            picture_.kind = Picture::Dib;
        else if (w == "emfblip" || w == "wbitmap" || w == "macpict" || w == "pmmetafile")
            picture_.kind = Picture::None;
        else if (w == "picw")
            picture_.picw = std::clamp(param, 0, 1 << 24);
        else if (w == "pich")
            picture_.pich = std::clamp(param, 0, 1 << 24);
        else if (w == "picwgoal")
            picture_.goalw = std::clamp(param, 0, 1 << 24);
        else if (w == "pichgoal")
            picture_.goalh = std::clamp(param, 0, 1 << 24);
        else if (w == "picscalex")
            picture_.scalex = param;
        else if (w == "picscaley")
            picture_.scaley = param;
        return;
    case Dest::Normal:
        break;
    }

    // Document-level settings
    if (w == "ansi") {
        documentCodePage_ = 1252;
        return;
    }
    if (w == "ansicpg") {
        documentCodePage_ = IsKnownCodePage(param) ? param : 1252;
        return;
    }
    if (w == "mac") {
        documentCodePage_ = 10000;
        return;
    }
    if (w == "pc") {
        documentCodePage_ = 437;
        return;
    }
    if (w == "pca") {
        documentCodePage_ = 850;
        return;
    }
    if (w == "deff") {
        defaultFont_ = param;
        return;
    }

    // Structure
    if (w == "par" || w == "sect" || w == "page") {
        endParagraph();
        return;
    }
    if (w == "cell") {
        if (st().para.inTable)
            endCell();
        return;
    }
    if (w == "nestcell") {
        appendChar(QLatin1Char('\t'));
        return;
    }
    if (w == "row") {
        flushRun();
        builder_.rowEnd();
        return;
    }
    if (w == "trowd") {
        flushRun();
        cellx_.clear();
        rowBorders_ = false;
        return;
    }
    if (w == "cellx") {
        if (cellx_.size() < size_t(kMaxTableColumns))
            cellx_.push_back(param);
        return;
    }
    if (w.substr(0, 6) == "clbrdr" || w.substr(0, 6) == "trbrdr") {
        rowBorders_ = true;
        return;
    }

    // Special characters
    if (w == "tab") {
        appendChar(QLatin1Char('\t'));
        return;
    }
    if (w == "line") {
        appendChar(QChar(QChar::LineSeparator));
        return;
    }
    if (w == "bullet") {
        appendChar(QChar(0x2022));
        return;
    }
    if (w == "lquote") {
        appendChar(QChar(0x2018));
        return;
    }
    if (w == "rquote") {
        appendChar(QChar(0x2019));
        return;
    }
    if (w == "ldblquote") {
        appendChar(QChar(0x201C));
        return;
    }
    if (w == "rdblquote") {
        appendChar(QChar(0x201D));
        return;
    }
    if (w == "endash") {
        appendChar(QChar(0x2013));
        return;
    }
    if (w == "emdash") {
        appendChar(QChar(0x2014));
        return;
    }
    if (w == "enspace" || w == "emspace" || w == "qmspace") {
        appendChar(QLatin1Char(' '));
        return;
    }

    // Formatting: the run so far keeps the format it was written in.
    flushRun();
    if (paragraphWord(w, hasParam, param))
        return;
    characterWord(w, hasParam, param);
}

void Reader::endGroup(const GroupState& closed) {
    if (closed.dest == Dest::FontTable && st().dest != Dest::FontTable)
        finishFont();
    if (closed.dest == Dest::Picture && st().dest != Dest::Picture) {
        Picture p = std::move(picture_);
        picture_ = Picture();
        finishPicture(p);
    }
}

void Reader::run() {
    stack_.push_back(GroupState());
    bool sawOuterGroup = false;
    for (;;) {
        Token t = lexer_.next();
        if (t.kind == Token::End)
            break;
        switch (t.kind) {
        case Token::Open:
            flushRun();
            skipChars_ = 0;
            if (stack_.size() >= size_t(kMaxDepth)) {
                ++overflowDepth_;
            } else {
                stack_.push_back(stack_.back());
                sawOuterGroup = true;
            }
            break;
        case Token::Close: {
            flushRun();
            skipChars_ = 0;
            ignorableNext_ = false;
            if (overflowDepth_ > 0) {
                --overflowDepth_;
                break;
            }
            if (stack_.size() <= 1)
                break; // an unbalanced brace: ignored
            GroupState closed = stack_.back();
            stack_.pop_back();
            endGroup(closed);
            if (stack_.size() == 1 && sawOuterGroup) {
                // The document's outer group is closed: what follows is not part of it.
                flushRun();
                return;
            }
            break;
        }
        case Token::Word:
            word(t.text, t.hasParam, t.param);
            break;
        case Token::Symbol:
            symbol(t.symbol);
            break;
        case Token::Hex: {
            char c = char(t.hex);
            if (st().dest == Dest::Picture)
                break; // \'hh in a picture is not picture data
            if (st().dest == Dest::Normal || st().dest == Dest::LevelText ||
                st().dest == Dest::PnTextBefore || st().dest == Dest::FontTable) {
                textBytes(std::string_view(&c, 1));
            }
            break;
        }
        case Token::Text:
            textBytes(t.text);
            break;
        default:
            break;
        }
        // Track the run's format as the formatting in force when its text was written.
        if (run_.isEmpty() && bytes_.empty()) {
            runProps_ = st().ch;
            runInTable_ = st().para.inTable;
        }
    }
    // Unclosed groups at the end of the data: keep what was read.
    while (stack_.size() > 1) {
        GroupState closed = stack_.back();
        stack_.pop_back();
        endGroup(closed);
    }
    flushRun();
}

} // namespace

bool IsRtf(std::string_view bytes) {
    return bytes.size() >= 5 && bytes.substr(0, 5) == "{\\rtf";
}

void ReadRtf(QTextDocument& document, std::string_view rtf) {
    document.clear();
    Reader(document, rtf).run();
}

} // namespace vd
