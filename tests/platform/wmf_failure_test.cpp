// Files the player cannot read are errors the caller sees; damaged records
// inside a readable file are skipped; no input crashes, hangs or allocates
// without bound.
#include "test_images.h"
#include "wmf_writer.h"

#include "wmf_player.h"

#include <QElapsedTimer>
#include <QPainter>
#include <gtest/gtest.h>

#include <random>

using namespace vdtest;

namespace {

WmfWriter Canvas() {
    WmfWriter w;
    w.placeable(0, 0, 100, 100, 96);
    return w;
}

void ExpectUnreadable(const std::string& bytes, const char* why) {
    EXPECT_THROW(vd::WmfPicture::FromBytes(bytes), vd::WmfError) << why;
}

TEST(WmfUnreadable, WrongHeaderTruncatedRecordsZeroSizeAndMissingEof) {
    ExpectUnreadable("", "empty");
    ExpectUnreadable("GIF89a........................", "not a metafile");
    std::string good = Canvas().rec(0x0102, {1}).bytes();
    ExpectUnreadable(good.substr(0, 30), "header cut");
    std::string badVersion = good;
    badVersion[22 + 4] = 0x07;
    ExpectUnreadable(badVersion, "bad version");
    ExpectUnreadable(Canvas().lyingRecord(5000, 0x041B, "abcd").bytes(),
                     "record larger than the file");
    ExpectUnreadable(Canvas().lyingRecord(0, 0x041B).bytes(), "record of size 0");
    ExpectUnreadable(Canvas().lyingRecord(2, 0x041B).bytes(), "record smaller than its own header");
    ExpectUnreadable(Canvas().rec(0x0102, {1}).bytes(false), "no end-of-file record");
    EXPECT_NO_THROW(vd::WmfPicture::FromBytes(good));
}

TEST(WmfUnreadable, HeaderSizeFieldIsNotTrusted) {
    // Real writers count the placeable header in the total size; the record chain decides.
    std::string bytes = Canvas().rec(0x0102, {1}).bytes();
    bytes[22 + 6] = char(0xFF);
    bytes[22 + 7] = char(0x7F);
    EXPECT_NO_THROW(vd::WmfPicture::FromBytes(bytes));
}

TEST(WmfDamaged, BadObjectIndexAndAbsurdCountsAreSkipped) {
    WmfWriter w = Canvas();
    w.rec(0x02FC, {0, 255, 0, 0}); // red brush, slot 0
    w.rec(0x012D, {0});
    w.rec(0x012D, {40000});       // no such object: the DC keeps the red brush
    w.rec(0x01F0, {65535});       // deleting nothing
    w.rec(0x0324, {30000, 1, 1}); // 30000 points promised, one given
    w.rec(0x0538, {65535, 1});    // polypolygon with absurd polygon count
    w.rec(0x0521, {-5});          // text with a negative length
    w.rec(0x0A32, {1, 1, 30000, 0});
    std::string hugeDib;
    for (int v : {0x20, 0xCC, 0, 1, 1, 0, 0, 10, 10, 0, 0, 40, 0, 0x7FFF, 0x7FFF, 1, 24})
        WmfWriter::Put16(hugeDib, uint16_t(v));
    w.raw(0x0F43, hugeDib); // a 2-billion-pixel bitmap header with no bits
    w.rec(0x041B, {60, 60, 40, 40});
    QImage img = RenderWmf(w.bytes(), QSize(100, 100));
    EXPECT_TRUE(Near(img.pixel(50, 50), QColor(255, 0, 0)));
}

TEST(WmfDamaged, SaveDcDepthAndObjectTableAreBounded) {
    WmfWriter w = Canvas();
    for (int i = 0; i < 5000; ++i)
        w.rec(0x001E, {});
    for (int i = 0; i < 70000; ++i)
        w.rec(0x02FA, {0, 1, 0, 0, 0});
    w.rec(0x0127, {-3000});
    QElapsedTimer timer;
    timer.start();
    QImage img = RenderWmf(w.bytes(), QSize(50, 50));
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_FALSE(img.isNull());
}

TEST(WmfDamaged, RandomMutationsOfRealFilesNeverCrash) {
    std::mt19937 rng(1234);
    const char* names[] = {"gdi_classic", "inkscape_shapes", "lo_odg_shapes"};
    int readable = 0, unreadable = 0;
    for (const char* name : names) {
        std::string original = ReadFixture(std::string(VD_REAL_FIXTURES) + "/wmf/" + name + ".wmf");
        ASSERT_FALSE(original.empty());
        for (int round = 0; round < 150; ++round) {
            std::string bytes = original;
            int edits = 1 + int(rng() % 8);
            for (int e = 0; e < edits; ++e) {
                size_t at = rng() % bytes.size();
                switch (rng() % 4) {
                case 0:
                    bytes[at] = char(rng());
                    break;
                case 1:
                    bytes[at] = char(0xFF);
                    break;
                case 2:
                    bytes[at] = 0;
                    break;
                default:
                    bytes.resize(std::max<size_t>(at, 1));
                    break;
                }
            }
            try {
                RenderWmf(bytes, QSize(120, 80));
                ++readable;
            } catch (const vd::WmfError&) {
                ++unreadable;
            }
        }
    }
    // Both outcomes occur: mutations inside records play, broken chains are refused.
    EXPECT_GT(readable, 50);
    EXPECT_GT(unreadable, 50);
}

} // namespace

namespace {

TEST(WmfDamaged, ManyClipRecordsStayCheap) {
    WmfWriter w = Canvas();
    for (int i = 0; i < 20000; ++i) {
        int x = i % 97;
        w.rec(0x0415, {x + 1, x + 1, x, x}); // EXCLUDECLIPRECT of a 1-unit square
    }
    w.rec(0x02FC, {0, 255, 0, 0}).rec(0x012D, {0}).rec(0x041B, {100, 100, 0, 0});
    QElapsedTimer timer;
    timer.start();
    QImage img = RenderWmf(w.bytes(), QSize(100, 100));
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_TRUE(Near(img.pixel(50, 20), QColor(255, 0, 0))); // away from the excluded diagonal
}

} // namespace

namespace {

TEST(WmfDamaged, ManyHugeRunLengthBitmapsStayCheap) {
    // A 4096 × 4096 RLE8 bitmap whose data is only "end of bitmap": tiny in the
    // file, 16 million pixels to decode. Two hundred of them must not stall.
    std::string dib;
    for (int v : {40, 0, 4096, 0, 4096, 0, 1, 8, 1, 0, 2, 0, 0, 0, 0, 0, 1, 0, 0, 0})
        WmfWriter::Put16(dib, uint16_t(v));
    dib += std::string("\x00\x00\xFF\x00", 4); // one colour: red
    dib += std::string("\x00\x01", 2);
    std::string params;
    for (int v : {0x20, 0xCC, 0, 4096, 4096, 0, 0, 100, 100, 0, 0})
        WmfWriter::Put16(params, uint16_t(v));
    WmfWriter w = Canvas();
    for (int i = 0; i < 200; ++i)
        w.raw(0x0F43, params + dib);
    QElapsedTimer timer;
    timer.start();
    QImage img = RenderWmf(w.bytes(), QSize(50, 50));
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_FALSE(img.isNull());
}

} // namespace
