// The metafile writer against our own player: records written by the one are
// drawn by the other where they belong, objects land in the slots the player
// gives them, and values the format cannot carry are refused.
#include "metafile_writer.h"

#include "wmf_file.h"
#include "wmf_player.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cstdint>

namespace wmf = material::wmf;

namespace {

constexpr wmf::Rgb kRed{220, 20, 20}, kBlue{20, 40, 220}, kGreen{20, 160, 40}, kBlack{0, 0, 0};

// Frame 0..1000 × 0..500 logical units, played onto 200 × 100 pixels: 5 units a pixel.
wmf::Writer Canvas() {
    return wmf::Writer(0, 0, 1000, 500, 1000);
}

QImage Play(const wmf::Writer& w, QSize size = QSize(200, 100)) {
    vd::WmfPicture picture = vd::WmfPicture::FromBytes(w.bytes());
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    picture.play(p, QRectF(QPointF(0, 0), QSizeF(size)));
    p.end();
    return image;
}

bool Close(QRgb pixel, wmf::Rgb c, int tolerance = 40) {
    return std::abs(qRed(pixel) - c.r) <= tolerance && std::abs(qGreen(pixel) - c.g) <= tolerance &&
           std::abs(qBlue(pixel) - c.b) <= tolerance;
}

bool White(QRgb pixel) {
    return qRed(pixel) > 245 && qGreen(pixel) > 245 && qBlue(pixel) > 245;
}

int DarkPixels(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++n;
    return n;
}

QRect DarkBounds(const QImage& image) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

uint16_t U16(const std::string& b, size_t at) {
    return uint16_t(uint8_t(b[at]) | (uint8_t(b[at + 1]) << 8));
}
uint32_t U32(const std::string& b, size_t at) {
    return U16(b, at) | (uint32_t(U16(b, at + 2)) << 16);
}

} // namespace

TEST(WmfWriterRoundTrip, ShapesAreFilledAndOutlinedWhereTheyWereWritten) {
    wmf::Writer w = Canvas();
    int red = w.createBrush(wmf::kBsSolid, kRed);
    int none = w.createPen(wmf::kPsNull, 0, kBlack);
    w.selectObject(red);
    w.selectObject(none);
    w.rectangle(50, 50, 300, 250); // pixels 10..60 × 10..50
    int blue = w.createBrush(wmf::kBsSolid, kBlue);
    w.selectObject(blue);
    w.ellipse(500, 100, 900, 400);                  // pixels 100..180 × 20..80
    w.polygon({{50, 450}, {350, 450}, {200, 300}}); // a red-less, blue triangle at the bottom left
    int black = w.createPen(wmf::kPsSolid, 10, kBlack);
    w.selectObject(black);
    w.moveTo(0, 280);
    w.lineTo(1000, 280); // row 56
    QImage image = Play(w);

    EXPECT_TRUE(Close(image.pixel(35, 30), kRed));
    EXPECT_TRUE(Close(image.pixel(140, 50), kBlue));
    EXPECT_TRUE(White(image.pixel(103, 23))) << "the ellipse's corner stays empty";
    EXPECT_TRUE(Close(image.pixel(40, 85), kBlue));
    EXPECT_TRUE(White(image.pixel(12, 62)));
    EXPECT_LT(qGray(image.pixel(80, 56)), 80);
    EXPECT_TRUE(White(image.pixel(80, 52)));
}

TEST(WmfWriterRoundTrip, ArcRunsAnticlockwiseFromStartToEnd) {
    // A quarter circle from 3 o'clock to 12 o'clock: the upper right only.
    wmf::Writer w = Canvas();
    w.selectObject(w.createPen(wmf::kPsSolid, 15, kBlack));
    w.arc(300, 50, 700, 450, {1000, 250}, {500, 0});
    QImage image = Play(w);
    EXPECT_GT(DarkPixels(image, QRect(100, 10, 40, 40)), 10);
    // Clear of the ends' round caps: nothing to the left or below.
    EXPECT_EQ(DarkPixels(image, QRect(60, 10, 36, 36)), 0);
    EXPECT_EQ(DarkPixels(image, QRect(60, 55, 80, 36)), 0);
}

TEST(WmfWriterRoundTrip, PolylineIsOpenAndPolygonClosed) {
    wmf::Writer w = Canvas();
    w.selectObject(w.createPen(wmf::kPsSolid, 10, kBlack));
    w.selectObject(w.createBrush(wmf::kBsNull, kBlack));
    w.polyline({{0, 100}, {500, 100}, {500, 450}});
    w.polygon({{600, 50}, {950, 50}, {950, 450}});
    QImage image = Play(w);
    EXPECT_LT(qGray(image.pixel(50, 20)), 100);
    EXPECT_LT(qGray(image.pixel(100, 60)), 100);
    EXPECT_EQ(DarkPixels(image, QRect(5, 40, 90, 45)), 0)
        << "the polyline is not closed back to its start";
    EXPECT_LT(qGray(image.pixel(155, 50)), 100) << "the polygon's closing edge";
    EXPECT_TRUE(White(image.pixel(180, 60))) << "a null brush leaves the inside empty";
}

TEST(WmfWriterRoundTrip, TextIsAlignedOnItsReferencePoint) {
    wmf::Writer w = Canvas();
    wmf::FontSpec font;
    font.height = -150; // 30 px em
    w.selectObject(w.createFont(font));
    w.setBkMode(wmf::kTransparent);
    w.setTextColor(kBlack);
    w.setTextAlign(wmf::kTaRight | wmf::kTaBaseline);
    w.textOut(500, 300, "Fan");
    QImage image = Play(w);
    QRect ink = DarkBounds(image);
    ASSERT_FALSE(ink.isNull());
    EXPECT_LE(ink.right(), 101) << "right-aligned on x = 100 px";
    EXPECT_GE(ink.right(), 94);
    EXPECT_LE(ink.bottom(), 61) << "standing on the baseline at y = 60 px";
    EXPECT_GE(ink.top(), 35);
}

TEST(WmfWriterRoundTrip, ExtTextSpacingWidensTheText) {
    auto widthOf = [](const std::vector<int>& dx) {
        wmf::Writer w = Canvas();
        wmf::FontSpec font;
        font.height = -100;
        w.selectObject(w.createFont(font));
        w.setBkMode(wmf::kTransparent);
        w.extTextOut(20, 100, "AAAA", 0, nullptr, dx);
        return DarkBounds(Play(w)).width();
    };
    const int plain = widthOf({});
    const int spaced = widthOf({200, 200, 200, 200}); // 40 px a letter
    EXPECT_GT(plain, 20);
    EXPECT_GE(spaced, 3 * 40 + 10);
    EXPECT_GT(spaced, plain + 40);
}

TEST(WmfWriterObjects, SlotsAreReusedLowestFirstAsThePlayerDoes) {
    wmf::Writer w = Canvas();
    int pen = w.createPen(wmf::kPsSolid, 0, kBlack);
    int brush = w.createBrush(wmf::kBsSolid, kRed);
    EXPECT_EQ(pen, 0);
    EXPECT_EQ(brush, 1);
    w.deleteObject(pen);
    int green = w.createBrush(wmf::kBsSolid, kGreen);
    EXPECT_EQ(green, 0) << "the freed slot";
    EXPECT_EQ(w.createPen(wmf::kPsNull, 0, kBlack), 2);
    w.selectObject(2);
    w.selectObject(green);
    w.rectangle(0, 0, 1000, 500);
    // Had the writer numbered differently, the player would have filled red.
    EXPECT_TRUE(Close(Play(w).pixel(100, 50), kGreen));
    EXPECT_EQ(w.objectsInUse(), 3);
}

TEST(WmfWriterHeader, PlaceableFrameGivesTheNaturalSizeAndSizesAddUp) {
    wmf::Writer w(0, 0, 5000, 3000, 960);
    w.selectObject(w.createPen(wmf::kPsSolid, 0, kBlack));
    w.createBrush(wmf::kBsSolid, kRed);
    w.lineTo(5000, 3000);
    const std::string bytes = w.bytes();
    auto file = vd::WmfFile::Parse(bytes);
    EXPECT_TRUE(file->placeable());
    EXPECT_EQ(file->naturalSize(), QSizeF(500, 300));
    EXPECT_EQ(file->objectCount(), 2);
    // Header: type 1, nine words, and the file's size in words behind the placeable header.
    EXPECT_EQ(U16(bytes, 22), 1);
    EXPECT_EQ(U16(bytes, 24), 9);
    EXPECT_EQ(U32(bytes, 28), (bytes.size() - 22) / 2);
    // The placeable checksum is the XOR of its first ten words.
    uint16_t sum = 0;
    for (size_t i = 0; i < 20; i += 2)
        sum ^= U16(bytes, i);
    EXPECT_EQ(U16(bytes, 20), sum);
    // The file ends with the end-of-file record.
    EXPECT_EQ(U32(bytes, bytes.size() - 6), 3u);
    EXPECT_EQ(U16(bytes, bytes.size() - 2), 0);
}

TEST(WmfWriterErrors, ValuesTheFormatCannotCarryAreRefused) {
    wmf::Writer w = Canvas();
    EXPECT_THROW(w.lineTo(40000, 0), wmf::WriteError);
    EXPECT_THROW(w.rectangle(0, -40000, 10, 10), wmf::WriteError);
    EXPECT_THROW(w.selectObject(0), wmf::WriteError) << "no object yet";
    int pen = w.createPen(wmf::kPsSolid, 0, kBlack);
    w.deleteObject(pen);
    EXPECT_THROW(w.selectObject(pen), wmf::WriteError) << "deleted";
    EXPECT_THROW(w.deleteObject(pen), wmf::WriteError);
    EXPECT_THROW(w.polyline({{0, 0}}), wmf::WriteError);
    EXPECT_THROW(w.extTextOut(0, 0, "ab", 0, nullptr, {1}), wmf::WriteError);
    wmf::FontSpec font;
    font.face = std::string(40, 'x');
    EXPECT_THROW(w.createFont(font), wmf::WriteError);
    EXPECT_THROW(wmf::Writer(0, 0, 0, 100, 96), wmf::WriteError);
    EXPECT_THROW(wmf::Writer(0, 0, 100, 100, 0), wmf::WriteError);
    // What was refused left no half record behind: the file still plays.
    EXPECT_NO_THROW(vd::WmfFile::Parse(w.bytes()));
}
