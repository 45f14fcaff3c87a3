// Faces worked out by hand on tiny pictures: each letter of a row is one
// pixel. k = key colour, R/A/B = picture colours, S = shadow, H = highlight,
// K = black.
#include "noshape_faces.h"
#include "sample_button.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace vd {
namespace {

constexpr QRgb kKey = 0xFFFBFBFB;
constexpr BevelColours kColours{0xFF808080, 0xFFFFFFFF};

const std::map<char, QRgb> kLetters{
    {'k', kKey},       {'R', 0xFFFF0000},      {'A', 0xFF00A000},
    {'B', 0xFF0000C0}, {'S', kColours.shadow}, {'H', kColours.highlight},
    {'K', 0xFF000000}};

QImage Picture(const std::vector<std::string>& rows) {
    QImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()),
                 QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, kLetters.at(rows[y][x]));
    return image;
}

std::vector<std::string> Letters(const QImage& image) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            char letter = '?';
            for (const auto& [c, rgb] : kLetters)
                if (image.pixel(x, y) == rgb)
                    letter = c;
            row += letter;
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> MaskRows(const PixelMask& mask) {
    std::vector<std::string> rows;
    for (int y = 0; y < mask.height(); ++y) {
        std::string row;
        for (int x = 0; x < mask.width(); ++x)
            row += mask.black(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

using Rows = std::vector<std::string>;

TEST(ButtonFaces, SinglePixelGetsInnerRingsAndOuterBlackRing) {
    const QImage source = Picture({"kkkkk", "kkkkk", "kkRkk", "kkkkk", "kkkkk"});
    const ButtonFaces faces = BuildFaces(source, kColours);
    EXPECT_EQ(faces.key, kKey);
    EXPECT_EQ(Letters(faces.up), (Rows{"KKKKK", "KHHSK", "KHRSK", "KSSSK", "KKKKK"}));
    // Inverted inner ring; the outer ring only at the upper left.
    EXPECT_EQ(Letters(faces.down), (Rows{"KKKKk", "KSSHk", "KSRHk", "KHHHk", "kkkkk"}));
    EXPECT_EQ(faces.hotSpot.blackCount(), 25);
}

TEST(ButtonFaces, LaterSideOfAPassOverwritesTheEarlierOne) {
    // (1,1) lies right of A and left of B: shadow first, then highlight.
    const QImage source = Picture({"kkkk", "AkBk", "kkkk"});
    const ButtonFaces faces = BuildFaces(source, kColours);
    EXPECT_EQ(Letters(faces.up), (Rows{"HHHS", "AHBS", "SSSS"}));
    EXPECT_EQ(Letters(faces.down), (Rows{"SSSH", "ASBH", "HHHH"}));
}

TEST(ButtonFaces, LoneKeyPixelIsPaintedWithTheBevelColourAndAllIsHot) {
    const QImage source = Picture({"RRR", "RRR", "kRR"});
    const ButtonFaces faces = BuildFaces(source, kColours);
    EXPECT_EQ(Letters(faces.up), (Rows{"RRR", "RRR", "HRR"}));
    EXPECT_EQ(Letters(faces.down), (Rows{"RRR", "RRR", "SRR"}));
    EXPECT_EQ(faces.hotSpot.blackCount(), 9);
}

TEST(ButtonFaces, AllKeyColourPictureHasPlainFacesAndNoHotPixel) {
    const QImage source = Picture({"kkkk", "kkkk", "kkkk"});
    const ButtonFaces faces = BuildFaces(source, kColours);
    EXPECT_EQ(Letters(faces.up), (Rows{"kkkk", "kkkk", "kkkk"}));
    EXPECT_EQ(Letters(faces.down), Letters(faces.up));
    EXPECT_EQ(faces.hotSpot.width(), 4);
    EXPECT_EQ(faces.hotSpot.blackCount(), 0);
}

TEST(ButtonFaces, EmptyPictureGivesEmptyFaces) {
    const ButtonFaces faces = BuildFaces(QImage(), kColours);
    EXPECT_TRUE(faces.up.isNull());
    EXPECT_TRUE(faces.down.isNull());
    EXPECT_TRUE(faces.hotSpot.isEmpty());
}

TEST(ButtonFaces, WindowPictureIsHotEverywhereWithOnlyTheCornerRepainted) {
    const QImage source = SampleButtonPicture();
    const ButtonFaces faces = BuildFaces(source, kColours);
    EXPECT_EQ(faces.key, kKey);
    EXPECT_EQ(faces.hotSpot.blackCount(), 126 * 40);
    EXPECT_EQ(faces.up.pixel(0, 39), kColours.highlight);
    EXPECT_EQ(faces.down.pixel(0, 39), kColours.shadow);
    QImage rest = faces.up;
    rest.setPixel(0, 39, source.pixel(0, 39));
    EXPECT_EQ(rest, source.convertToFormat(QImage::Format_RGB32));
}

TEST(EdgeMask, TakesOpacityFromTheSourceAndTransparencyFromTheSnapshot) {
    const QImage source = Picture({"Akkk"});
    const QImage snapshot = Picture({"ABkk"}); // (1,0) already painted
    const FaceOffset offsets[] = {{1, 0}, {2, 0}};
    EXPECT_EQ(MaskRows(MakeEdgeMask(source, snapshot, kKey, offsets)), (Rows{"..#."}));
    const FaceOffset stopped[] = {{1, 0}, {0, 0}, {2, 0}};
    EXPECT_EQ(MaskRows(MakeEdgeMask(source, snapshot, kKey, stopped)), (Rows{"...."}));
}

// The definition taken pixel by pixel, against the masks' row-at-a-time
// loops on pictures wide enough for their vector paths and their tails.
TEST(EdgeMask, RandomPicturesMatchTheDefinitionPixelByPixel) {
    std::mt19937 random(7);
    const auto pixel = [&](int keyPercent) {
        return int(random() % 100) < keyPercent ? kKey : QRgb(0xFF000000 | (random() & 0xFFFFFF));
    };
    for (int round = 0; round < 300; ++round) {
        const int width = 1 + int(random() % 70), height = 1 + int(random() % 6);
        const int keyPercent = int(random() % 101);
        QImage source(width, height, QImage::Format_RGB32);
        QImage snapshot(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                source.setPixel(x, y, pixel(keyPercent));
                snapshot.setPixel(x, y, pixel(keyPercent));
            }
        std::vector<FaceOffset> offsets(random() % 14);
        for (FaceOffset& d : offsets)
            d = {int(random() % 7) - 3, int(random() % 7) - 3};
        SCOPED_TRACE(testing::Message() << "round " << round << ", " << width << " x " << height);

        const PixelMask mask = MakeMask(source, kKey);
        const PixelMask edge = MakeEdgeMask(source, snapshot, kKey, offsets);
        std::size_t used = 0;
        while (used < std::min<std::size_t>(offsets.size(), 13) &&
               !(offsets[used].dx == 0 && offsets[used].dy == 0))
            ++used;
        const auto opaque = [](const QImage& image, int x, int y) {
            return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
                   (image.pixel(x, y) & 0xFFFFFF) != (kKey & 0xFFFFFF);
        };
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                ASSERT_EQ(mask.black(x, y), opaque(source, x, y)) << x << "," << y;
                bool expected = false;
                for (std::size_t i = 0; i < used && !opaque(snapshot, x, y); ++i)
                    expected = expected || opaque(source, x - offsets[i].dx, y - offsets[i].dy);
                ASSERT_EQ(edge.black(x, y), expected) << x << "," << y;
            }
    }
}

TEST(KeyColour, BottomLeftPixelOrWhiteForMonochrome) {
    EXPECT_EQ(KeyColourOf(Picture({"RA", "BR"})), kLetters.at('B'));
    QImage mono(3, 2, QImage::Format_Mono);
    mono.setColorTable({0xFF000000, 0xFFFFFFFF});
    mono.fill(0); // all black
    mono.setPixel(1, 0, 1);
    EXPECT_EQ(KeyColourOf(mono), 0xFFFFFFFF);
    EXPECT_EQ(MaskRows(MakeMask(mono, KeyColourOf(mono))), (Rows{"#.#", "###"}));
    EXPECT_EQ(KeyColourOf(QImage()), 0xFFFFFFFF);
}

TEST(KeyColour, AlphaDoesNotTakePartInTheComparison) {
    QImage argb(2, 1, QImage::Format_ARGB32);
    argb.setPixel(0, 0, 0x00FBFBFB); // same colour, fully transparent
    argb.setPixel(1, 0, 0xFFFBFBFB);
    EXPECT_EQ(MaskRows(MakeMask(argb, kKey)), (Rows{".."}));
}

} // namespace
} // namespace vd
