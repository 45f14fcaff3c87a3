// Picture loading: every bitmap variant the catalogue may ship, metafiles by
// extension, natural sizes, drawing modes and the errors callers see.
#include "test_images.h"
#include "wmf_writer.h"

#include "dib.h"
#include "errors.h"
#include "paths.h"
#include "picture.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace vdtest;

namespace {

const std::string kBmpDir = std::string(VD_REAL_FIXTURES) + "/bmp/";

QImage Source() {
    return QImage(QString::fromStdString(kBmpDir + "src_rgb.png"))
        .convertToFormat(QImage::Format_ARGB32);
}

double MeanDiffToSource(const QImage& image) {
    return MeanDifference(image.convertToFormat(QImage::Format_RGB32), Source(), QSize(64, 48));
}

} // namespace

// The tests load these by path; a clone without one names it here instead of
// failing elsewhere on an empty picture.
TEST(RealFixtures, EveryFileTheTestsReadIsInTheRepository) {
    const char* const files[] = {"README.md",
                                 "bmp/bmp_16bit_rgb565.bmp",
                                 "bmp/bmp_1bit.bmp",
                                 "bmp/bmp_24bit.bmp",
                                 "bmp/bmp_24bit_v5.bmp",
                                 "bmp/bmp_32bit_bmp3.bmp",
                                 "bmp/bmp_32bit_v5_bitfields.bmp",
                                 "bmp/bmp_4bit.bmp",
                                 "bmp/bmp_4bit_os2.bmp",
                                 "bmp/bmp_8bit.bmp",
                                 "bmp/bmp_8bit_rle8.bmp",
                                 "bmp/src_rgb.png",
                                 "bmp/synthetic/synth_rle4.bmp",
                                 "bmp/synthetic/synth_rle4_ref.png",
                                 "bmp/synthetic/synth_topdown24.bmp",
                                 "rtf/fan_manual.rtf",
                                 "rtf/notes_cp1252.rtf",
                                 "wmf/gdi_classic.wmf",
                                 "wmf/gdi_classic.lo-render.png",
                                 "wmf/inkscape_shapes.wmf",
                                 "wmf/inkscape_shapes.lo-render.png",
                                 "wmf/lo_odg_shapes.wmf",
                                 "wmf/lo_odg_shapes.lo-render.png"};
    for (const char* f : files)
        EXPECT_FALSE(ReadFixture(std::filesystem::path(VD_REAL_FIXTURES) / f).empty()) << f;
}

namespace {

struct BmpCase {
    const char* file;
    double maxMeanDiff; // palette and 16-bit files lose colour precision
};

class BmpFixture : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpFixture, LoadsWithItsSizeAndTheSourcePixels) {
    vd::Picture p = vd::LoadPicture(kBmpDir + GetParam().file);
    ASSERT_FALSE(p.isMetafile());
    EXPECT_EQ(p.naturalSize(), QSize(64, 48));
    EXPECT_LE(MeanDiffToSource(p.image()), GetParam().maxMeanDiff) << GetParam().file;
    // The top-left corner of the source is red: a bottom-up file read upside down fails here.
    EXPECT_TRUE(Near(p.image().pixel(1, 1), QColor(Source().pixel(1, 1)), 40)) << GetParam().file;
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, BmpFixture,
    ::testing::Values(BmpCase{"bmp_24bit.bmp", 0.5}, BmpCase{"bmp_24bit_v5.bmp", 0.5},
                      BmpCase{"bmp_32bit_bmp3.bmp", 0.5}, BmpCase{"bmp_8bit.bmp", 1.0},
                      BmpCase{"bmp_8bit_rle8.bmp", 1.0}, BmpCase{"bmp_16bit_rgb565.bmp", 6.0},
                      BmpCase{"bmp_4bit.bmp", 8.0}, BmpCase{"bmp_4bit_os2.bmp", 8.0}),
    [](const auto& info) {
        std::string n = info.param.file;
        return n.substr(0, n.size() - 4);
    });

TEST(BmpVariants, OneBitIsBlackAndWhite) {
    vd::Picture p = vd::LoadPicture(kBmpDir + "bmp_1bit.bmp");
    EXPECT_EQ(p.naturalSize(), QSize(64, 48));
    int black = CountNear(p.image(), Qt::black, 0), white = CountNear(p.image(), Qt::white, 0);
    EXPECT_EQ(black + white, 64 * 48);
    EXPECT_GT(black, 100);
    EXPECT_GT(white, 100);
}

TEST(BmpVariants, ThirtyTwoBitRgbIsOpaqueWhateverItsFourthByte) {
    // The file's reserved bytes run from 0 upwards; Windows ignores them.
    QImage image = vd::LoadPicture(kBmpDir + "bmp_32bit_bmp3.bmp")
                       .image()
                       .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << x << "," << y;
}

TEST(BmpVariants, V5BitfieldsKeepTheirAlpha) {
    QImage image = vd::LoadPicture(kBmpDir + "bmp_32bit_v5_bitfields.bmp")
                       .image()
                       .convertToFormat(QImage::Format_ARGB32);
    std::string file = ReadFixture(kBmpDir + "bmp_32bit_v5_bitfields.bmp");
    // Bottom-up: the first stored pixel is the bottom-left one; its fourth byte is its alpha.
    unsigned offset = uint8_t(file[10]) | (uint8_t(file[11]) << 8);
    EXPECT_EQ(qAlpha(image.pixel(0, 47)), uint8_t(file[offset + 3]));
    EXPECT_TRUE(image.hasAlphaChannel());
    EXPECT_LT(qAlpha(image.pixel(0, 0)), 255);
}

TEST(BmpVariants, Rle4MatchesItsReference) {
    QImage image = vd::LoadPicture(kBmpDir + "synthetic/synth_rle4.bmp")
                       .image()
                       .convertToFormat(QImage::Format_RGB32);
    QImage ref = QImage(QString::fromStdString(kBmpDir + "synthetic/synth_rle4_ref.png"))
                     .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), ref.size());
    int mismatches = 0;
    for (int y = 0; y < ref.height(); ++y)
        for (int x = 0; x < ref.width(); ++x)
            mismatches += image.pixel(x, y) != ref.pixel(x, y);
    EXPECT_EQ(mismatches, 0);
}

TEST(BmpVariants, TopDownFileStartsWithTheTopRow) {
    std::string file = ReadFixture(kBmpDir + "synthetic/synth_topdown24.bmp");
    QImage image = vd::LoadPicture(kBmpDir + "synthetic/synth_topdown24.bmp").image();
    EXPECT_EQ(image.size(), QSize(64, 48));
    unsigned offset = uint8_t(file[10]) | (uint8_t(file[11]) << 8);
    for (int x : {0, 31, 63}) {
        QRgb p = image.pixel(x, 0);
        EXPECT_EQ(qBlue(p), uint8_t(file[offset + 3 * x]));
        EXPECT_EQ(qGreen(p), uint8_t(file[offset + 3 * x + 1]));
        EXPECT_EQ(qRed(p), uint8_t(file[offset + 3 * x + 2]));
    }
}

namespace {

// A 24- or 32-bit BITMAPINFOHEADER file; `gap` bytes between the header and
// the bits. The fourth byte of a 32-bit pixel is 0xFF.
std::string BmpRgb(int width, int height, int gap = 0, int bitCount = 24) {
    const int stride = (width * bitCount / 8 + 3) / 4 * 4;
    const int rows = height < 0 ? -height : height;
    std::string bits(static_cast<std::size_t>(stride * rows), '\0');
    for (std::size_t i = 0; i < bits.size(); ++i)
        bits[i] = static_cast<char>(bitCount == 32 && i % 4 == 3 ? 0xFF : (i * 37 + 11) & 0xFF);
    std::string f = "BM";
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            f += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto u16 = [&](uint16_t v) {
        f += static_cast<char>(v & 0xFF);
        f += static_cast<char>(v >> 8);
    };
    u32(static_cast<uint32_t>(54 + gap + bits.size()));
    u32(0);
    u32(static_cast<uint32_t>(54 + gap));
    u32(40);
    u32(static_cast<uint32_t>(width));
    u32(static_cast<uint32_t>(height));
    u16(1);
    u16(static_cast<uint16_t>(bitCount));
    for (int i = 0; i < 6; ++i)
        u32(0);
    return f + std::string(static_cast<std::size_t>(gap), '\x7F') + bits;
}

QImage QtsReading(const std::string& file) {
    return QImage::fromData(QByteArray(file.data(), static_cast<qsizetype>(file.size())), "BMP");
}

} // namespace

// Plain 24-bit files are decoded without Qt's reader: pixel for pixel what
// the reader gives, whatever the row padding, row order or offset to the bits.
TEST(BmpVariants, PlainTwentyFourBitDecodesAsQtsReaderDoes) {
    std::vector<std::string> files = {ReadFixture(kBmpDir + "bmp_24bit.bmp"),
                                      ReadFixture(kBmpDir + "synthetic/synth_topdown24.bmp")};
    for (int width : {1, 2, 3, 4, 5, 7})
        for (int height : {1, 3, -2})
            for (int gap : {0, 6})
                files.push_back(BmpRgb(width, height, gap));
    for (const std::string& file : files) {
        const QImage qt = QtsReading(file);
        const QImage ours = vd::DecodeBmpFile(file);
        ASSERT_FALSE(qt.isNull());
        EXPECT_EQ(ours.format(), qt.format());
        EXPECT_EQ(ours, qt) << ours.width() << "x" << ours.height();
    }
}

// The window's own pictures are drawn where they lie: the image is the file's
// bytes, with the pixels Qt's reader gives; any file it cannot take so is
// left to the decoder.
TEST(BmpVariants, OpaqueTopDownThirtyTwoBitIsDrawnWhereItLies) {
    for (int width : {1, 2, 3, 5})
        for (int height : {-1, -2, -3})
            for (int gap : {2, 6}) {
                SCOPED_TRACE(testing::Message() << width << " x " << height << ", gap " << gap);
                // Kept 4-byte aligned in memory as the file would be.
                std::vector<uint32_t> store((54 + gap + 4 * width * -height + 3) / 4 + 1);
                const std::string file = BmpRgb(width, height, gap, 32);
                auto* at = reinterpret_cast<char*>(store.data());
                std::memcpy(at, file.data(), file.size());
                const std::string_view bytes(at, file.size());
                const QImage wrapped = vd::WrapPlain32(bytes);
                ASSERT_FALSE(wrapped.isNull());
                EXPECT_EQ(wrapped.constBits(), reinterpret_cast<const uchar*>(at + 54 + gap));
                EXPECT_EQ(wrapped, QtsReading(file).convertToFormat(QImage::Format_RGB32));

                // Misaligned pixels, a pixel not opaque (the last one too),
                // rows bottom-up, short bits: not taken.
                std::memmove(at + 1, at, file.size());
                EXPECT_TRUE(vd::WrapPlain32(std::string_view(at + 1, file.size())).isNull());
                for (int pixel : {0, width * -height - 1}) {
                    std::string seeThrough = file;
                    seeThrough[static_cast<std::size_t>(54 + gap + 4 * pixel + 3)] = '\x7F';
                    std::memcpy(at, seeThrough.data(), seeThrough.size());
                    EXPECT_TRUE(vd::WrapPlain32(bytes).isNull()) << "pixel " << pixel;
                }
                std::memcpy(at, file.data(), file.size());
                EXPECT_TRUE(vd::WrapPlain32(bytes.substr(0, bytes.size() - 1)).isNull());
                EXPECT_TRUE(vd::WrapPlain32(BmpRgb(width, -height, gap, 32)).isNull());
                EXPECT_TRUE(vd::WrapPlain32(BmpRgb(width, height, gap, 24)).isNull());
            }
}

// --- loading by extension and errors -----------------------------------------

class TempDir {
  public:
    TempDir()
        : path_(std::filesystem::temp_directory_path() /
                ("vd_pictures_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::filesystem::path write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
        return path_ / name;
    }

  private:
    std::filesystem::path path_;
};

TEST(PictureLoading, ExtensionIsCaseInsensitiveAndMetafilesKeepTheirFrame) {
    TempDir dir;
    WmfWriter w;
    w.placeable(0, 0, 1440, 720, 1440);
    w.rec(0x02FC, {0, 255, 0, 0}).rec(0x012D, {0}).rec(0x041B, {720, 1440, 0, 0});
    vd::Picture p = vd::LoadPicture(dir.write("LOGO.WMF", w.bytes()));
    ASSERT_TRUE(p.isMetafile());
    EXPECT_EQ(p.naturalSize(), QSize(96, 48));
    QImage img = p.toImage(QSize(30, 300));
    EXPECT_TRUE(Near(img.pixel(15, 150), QColor(255, 0, 0)));
    EXPECT_TRUE(Near(img.pixel(28, 297), QColor(255, 0, 0)));
}

TEST(PictureLoading, DataPicturesResolveBackslashPathsWithoutRegardToCase) {
    TempDir dir;
    std::filesystem::create_directories(dir.write("x", "").parent_path() / "bmp");
    std::filesystem::copy_file(kBmpDir + "bmp_8bit.bmp",
                               dir.write("x", "").parent_path() / "bmp" / "bigfan.bmp");
    std::filesystem::path previous = vd::DataRoot();
    vd::SetDataRoot(dir.write("x", "").parent_path());
    EXPECT_EQ(vd::LoadDataPicture("BMP\\BigFan.BMP").naturalSize(), QSize(64, 48));
    try {
        vd::LoadDataPicture("bmp\\bigmissing.bmp");
        ADD_FAILURE() << "no error";
    } catch (const vd::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("bmp\\bigmissing.bmp"), std::string::npos) << e.what();
    }
    vd::SetDataRoot(previous);
}

TEST(PictureLoading, MissingUnreadableAndMalformedFilesThrowFileErrorNamingTheFile) {
    TempDir dir;
    auto message = [](const std::filesystem::path& p) -> std::string {
        try {
            vd::LoadPicture(p);
        } catch (const vd::FileError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_NE(message(dir.write("x", "").parent_path() / "missing.bmp").find("missing.bmp"),
              std::string::npos);
    EXPECT_NE(message(dir.write("bad.wmf", "not a metafile at all")).find("bad.wmf"),
              std::string::npos);
    std::string bmp = ReadFixture(kBmpDir + "bmp_24bit.bmp");
    EXPECT_NE(message(dir.write("short.bmp", bmp.substr(0, 40))).find("short.bmp"),
              std::string::npos);
    EXPECT_NE(message(dir.write("fake.bmp", "BM" + std::string(60, '\xFF'))).find("fake.bmp"),
              std::string::npos);
    EXPECT_NE(message(dir.write("pic.gif", "garbage")).find("pic.gif"), std::string::npos);
}

TEST(PictureLoading, HugeBitmapHeaderIsRefusedWithoutAllocating) {
    std::string bmp = ReadFixture(kBmpDir + "bmp_24bit.bmp");
    bmp[18] = char(0xFF), bmp[19] = char(0xFF), bmp[20] = char(0xFF), bmp[21] = 0x00; // width 16M
    EXPECT_THROW(vd::LoadPictureFromBytes(bmp, "huge.bmp"), vd::FileError);
}

TEST(PictureDrawing, StretchedFillsTheTargetAndCentredKeepsTheNaturalSize) {
    vd::Picture p = vd::LoadPicture(kBmpDir + "bmp_24bit.bmp");
    QImage canvas(200, 100, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        p.drawCentred(painter, QRectF(0, 0, 200, 100));
    }
    EXPECT_EQ(InkBounds(canvas, 10), QRect(68, 26, 64, 48));
    EXPECT_EQ(InkBounds(p.toImage(QSize(200, 100)), 10), QRect(0, 0, 200, 100));
    vd::Picture empty;
    EXPECT_TRUE(empty.isNull());
    QPainter painter(&canvas);
    empty.draw(painter, QRectF(0, 0, 10, 10)); // draws nothing, and does not fail
}

} // namespace
