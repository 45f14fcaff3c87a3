// Checks the generated pictures against what the window and the product
// browser need of them: sizes, the file layouts, the button's key
// colour, flag geometry, the two family looks, the resources and a
// reproducible build.
#include "artwork_resources.h"
#include "codepage.h"
#include "dib.h"
#include "language_file.h"
#include "window_captions.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QResource>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

const QString kArtDir = QStringLiteral(VD_ARTWORK_DIR);
const QString kBmpDir = QStringLiteral(VD_ARTWORK_BMP_DIR);

struct Expected {
    const char* name;
    int width;
    int height;
};

constexpr Expected kWindowPictures[] = {
    {"button.bmp", 126, 40}, {"banner.bmp", 53, 402},    {"logo.bmp", 500, 400},
    {"about.bmp", 154, 270}, {"company1.bmp", 352, 220}, {"company2.bmp", 153, 185},
    {"flag_uk.bmp", 58, 39}, {"flag_sw.bmp", 58, 40},    {"flag_fi.bmp", 58, 40},
    {"flag_fr.bmp", 58, 39}, {"flag_it.bmp", 58, 40},
};

constexpr Expected kFamilyPictures[] = {
    {"pw", 60, 60},  {"mtz", 70, 70},  {"mt", 80, 80}, {"ghz", 80, 80},
    {"ghj", 80, 80}, {"bnbq", 60, 60}, {"lw", 70, 61}, {"udy", 75, 60},
    {"uvj", 80, 80}, {"UVX", 70, 70},  {"EH", 82, 82}, {"AQ", 80, 80},
};

std::uint32_t Le32(const QByteArray& b, int at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
           static_cast<std::uint8_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}
std::uint16_t Le16(const QByteArray& b, int at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                      static_cast<std::uint8_t>(b[at + 1]) << 8);
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// The file as the program's bitmap loader sees it: an uncompressed bitmap
// of `bits` per pixel with a 40-byte info header and a consistent size; the
// window's own are stored top-down (a negative height).
void ExpectBmp(const QString& path, int width, int height, int bits = 24) {
    SCOPED_TRACE(path.toStdString());
    const QByteArray bytes = ReadAll(path);
    ASSERT_GE(bytes.size(), 54) << "missing or truncated";
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(Le32(bytes, 2), static_cast<std::uint32_t>(bytes.size()));
    EXPECT_EQ(Le32(bytes, 14), 40u);
    EXPECT_EQ(static_cast<int>(Le32(bytes, 18)), width);
    EXPECT_EQ(static_cast<int>(Le32(bytes, 22)), bits == 32 ? -height : height);
    EXPECT_EQ(Le16(bytes, 26), 1);
    EXPECT_EQ(Le16(bytes, 28), bits);
    EXPECT_EQ(Le32(bytes, 30), 0u);
    const std::uint32_t stride =
        (static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bits) / 8 + 3) & ~3u;
    EXPECT_EQ(Le32(bytes, 10) + stride * static_cast<std::uint32_t>(height),
              static_cast<std::uint32_t>(bytes.size()));
    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(width, height));
}

QImage Load(const QString& dir, const QString& name) {
    QImage image(QDir(dir).filePath(name));
    return image.convertToFormat(QImage::Format_RGB32);
}

int Spread(QRgb c) {
    return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
}

TEST(ArtworkFiles, WindowPicturesHavePageSizesIn32BitTopDownFiles) {
    for (const Expected& e : kWindowPictures)
        ExpectBmp(QDir(kArtDir).filePath(e.name), e.width, e.height, 32);
}

TEST(ArtworkFiles, PicturesAreDrawnNotBlank) {
    // A painter that failed (no font, bad path) leaves a flat fill behind.
    for (const char* name :
         {"button.bmp", "banner.bmp", "logo.bmp", "about.bmp", "company1.bmp", "company2.bmp"}) {
        const QImage image = Load(kArtDir, name);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 200) << name;
    }
}

TEST(ArtworkFiles, TheLogoIsPlainWhiteUnderTheStartPagesButtons) {
    // The buttons' picture is opaque white around its shape: over anything
    // but white the page would show a box around each button. Page
    // coordinates; the logo lies at (3, 11).
    const QImage logo = Load(kArtDir, "logo.bmp");
    const QPoint buttons[] = {{261, 29}, {477, 29}, {291, 79}, {447, 79}, {321, 129}};
    for (const QPoint& b : buttons)
        for (int y = b.y(); y < b.y() + 40; ++y)
            for (int x = b.x(); x < std::min(b.x() + 126, 3 + logo.width()); ++x)
                ASSERT_EQ(logo.pixel(x - 3, y - 11), qRgb(255, 255, 255))
                    << "under the button at " << b.x() << "," << b.y() << ": pixel " << x << ","
                    << y;
}

TEST(ArtworkFiles, FamilyPicturesExistUnderExactNamesInBothLooks) {
    for (const Expected& e : kFamilyPictures) {
        // Exact case: the program asks for "UVX.bmp", "EH_r.bmp" and so on.
        ExpectBmp(QDir(kBmpDir).filePath(QString::fromLatin1(e.name) + ".bmp"), e.width, e.height);
        ExpectBmp(QDir(kBmpDir).filePath(QString::fromLatin1(e.name) + "_r.bmp"), e.width,
                  e.height);
    }
}

TEST(ButtonPicture, KeyColourOnlyAtBottomLeftSoTheWholeButtonIsHot) {
    const QImage button = Load(kArtDir, "button.bmp");
    ASSERT_EQ(button.size(), QSize(126, 40));
    EXPECT_EQ(button.pixel(0, 39), qRgb(251, 251, 251));
    int keyPixels = 0;
    for (int y = 0; y < button.height(); ++y)
        for (int x = 0; x < button.width(); ++x)
            keyPixels += button.pixel(x, y) == qRgb(251, 251, 251);
    EXPECT_EQ(keyPixels, 1);
    // Red ball at the left, light-blue bar behind the caption's centre.
    const QRgb ball = button.pixel(18, 22);
    EXPECT_GT(qRed(ball), 150);
    EXPECT_LT(qGreen(ball), 90);
    const QRgb bar = button.pixel(70, 20);
    EXPECT_GT(qBlue(bar), qRed(bar));
    EXPECT_GT(qRed(bar), 170);
}

// Every caption a hot-spot button shows, in every language of the delivered
// language file and as the layout's placeholder, lies on the pale bar, clear
// of the ball: centred on the whole picture in the window's 11-pixel font, up
// or pressed (one pixel right and down).
TEST(ButtonPicture, EveryCaptionOfEveryLanguageSitsOnThePaleBar) {
    const QImage button = Load(kArtDir, "button.bmp");
    ASSERT_EQ(button.size(), QSize(126, 40));
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    const QFontMetricsF fm(font);
    std::vector<std::pair<std::string, QString>> captions; // where from, caption
    for (const char* code : vd::LanguageCodes()) {
        std::ifstream lan(std::string(VD_DATA_SRC) + "/txt/vd_lan.txt", std::ios::binary);
        ASSERT_TRUE(lan) << "no language file";
        const auto texts = vd::ParseLanguageFile(lan, code);
        for (const vd::WindowCaption& c : vd::WindowCaptions())
            if (std::string_view(c.control).starts_with("bn_"))
                captions.emplace_back(
                    std::string(code) + " " + c.control,
                    QString::fromStdString(vd::Cp1252ToUtf8(texts[static_cast<size_t>(c.entry)])));
    }
    for (const vd::WindowCaption& c : vd::WindowCaptions())
        if (std::string_view(c.control).starts_with("bn_"))
            captions.emplace_back(std::string("layout ") + c.control, c.placeholder);
    ASSERT_EQ(captions.size(), 6u * 28u) << "28 hot-spot buttons";

    double widest = 0;
    for (const auto& [from, caption] : captions) {
        SCOPED_TRACE(from + " \"" + caption.toStdString() + "\"");
        ASSERT_FALSE(caption.isEmpty());
        const QRectF up =
            fm.boundingRect(QRectF(0, 0, 126, 40),
                            Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, caption);
        const QRect band = up.united(up.translated(1, 1)).toAlignedRect();
        widest = std::max(widest, up.width());
        int notPale = 0;
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x) {
                const QRgb p = button.pixel(x, y);
                notPale += qGray(p) < 170 || qRed(p) > qBlue(p);
            }
        EXPECT_EQ(notPale, 0) << "caption over x " << band.left() << ".." << band.right();
    }
    EXPECT_GT(widest, 70.0) << "the widest caption was measured in the wrong font";
}

TEST(FlagPictures, BandsAndCrossesSitWhereTheFlagsHaveThem) {
    const QImage se = Load(kArtDir, "flag_sw.bmp");
    const QImage fi = Load(kArtDir, "flag_fi.bmp");
    const QImage fr = Load(kArtDir, "flag_fr.bmp");
    const QImage it = Load(kArtDir, "flag_it.bmp");
    auto yellow = [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 170 && qBlue(c) < 80; };
    auto blue = [](QRgb c) { return qBlue(c) > 90 && qRed(c) < 40; };
    auto white = [](QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; };
    auto red = [](QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90; };
    auto green = [](QRgb c) { return qGreen(c) > 120 && qRed(c) < 40; };

    // Nordic crosses: the upright stands towards the hoist.
    EXPECT_TRUE(yellow(se.pixel(21, 20)));
    EXPECT_TRUE(yellow(se.pixel(50, 20)));
    EXPECT_TRUE(blue(se.pixel(8, 8)));
    EXPECT_TRUE(blue(se.pixel(40, 8)));
    EXPECT_TRUE(blue(fi.pixel(20, 20)));
    EXPECT_TRUE(white(fi.pixel(8, 8)));
    EXPECT_TRUE(white(fi.pixel(45, 32)));

    // Tricolours: hoist, middle, fly.
    EXPECT_TRUE(blue(fr.pixel(9, 19)));
    EXPECT_TRUE(white(fr.pixel(29, 19)));
    EXPECT_TRUE(red(fr.pixel(48, 19)));
    EXPECT_TRUE(green(it.pixel(9, 20)));
    EXPECT_TRUE(white(it.pixel(29, 20)));
    EXPECT_TRUE(red(it.pixel(48, 20)));
}

TEST(FlagPictures, UnionFlagSaltireIsCounterchanged) {
    const QImage uk = Load(kArtDir, "flag_uk.bmp");
    auto red = [](QRgb c) { return qRed(c) > 180 && qGreen(c) < 90; };
    auto white = [](QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; };
    auto blue = [](QRgb c) { return qBlue(c) > 80 && qRed(c) < 40; };
    EXPECT_TRUE(red(uk.pixel(29, 19))); // St George's cross
    EXPECT_TRUE(blue(uk.pixel(18, 3)));
    // Lower hoist: broad white above the red, a narrow white line below it.
    EXPECT_TRUE(white(uk.pixel(10, 29)));
    EXPECT_TRUE(red(uk.pixel(10, 33)));
    EXPECT_FALSE(red(uk.pixel(10, 29)));
    // Upper hoist (the same diagonal's other arm rotated): red below the centre line.
    EXPECT_TRUE(white(uk.pixel(10, 4)));
    EXPECT_TRUE(red(uk.pixel(10, 8)));
    // Upper fly, by the half-turn symmetry of the lower hoist: red above.
    EXPECT_TRUE(red(uk.pixel(47, 5)));
    EXPECT_TRUE(white(uk.pixel(47, 9)));
}

TEST(FamilyLooks, IncludedIsColourWithATickExcludedIsGrey) {
    for (const Expected& e : kFamilyPictures) {
        SCOPED_TRACE(e.name);
        const QImage excluded = Load(kBmpDir, QString::fromLatin1(e.name) + ".bmp");
        const QImage included = Load(kBmpDir, QString::fromLatin1(e.name) + "_r.bmp");
        ASSERT_FALSE(excluded.isNull());
        ASSERT_FALSE(included.isNull());
        int maxGreySpread = 0;
        int colourful = 0;
        int dark = 0;
        for (int y = 0; y < excluded.height(); ++y) {
            for (int x = 0; x < excluded.width(); ++x) {
                maxGreySpread = std::max(maxGreySpread, Spread(excluded.pixel(x, y)));
                colourful += Spread(included.pixel(x, y)) > 40;
                dark += qGray(included.pixel(x, y)) < 140;
            }
        }
        const int area = excluded.width() * excluded.height();
        EXPECT_LE(maxGreySpread, 12) << "the excluded look must carry no colour";
        EXPECT_GT(colourful, area / 10) << "the included look must be in colour";
        EXPECT_GT(dark, area / 20) << "the included look must show a drawing, not an empty tile";
        // The green tick in the upper right corner.
        const QRgb tick = included.pixel(e.width - 9, 11);
        const QRgb badge = included.pixel(e.width - 12, 6);
        EXPECT_TRUE(qGreen(badge) > qRed(badge) + 40 || qGreen(tick) > qRed(tick) + 40);
        // The frame's left edge is green.
        const QRgb frame = included.pixel(1, e.height / 2);
        EXPECT_GT(qGreen(frame), qRed(frame) + 40);
    }
}

TEST(ArtworkResources, EveryWindowPictureIsCompiledIn) {
    const QStringList paths = vd::artwork::AllResourcePaths();
    ASSERT_EQ(paths.size(), static_cast<int>(std::size(kWindowPictures)));
    for (const Expected& e : kWindowPictures) {
        const QString path = QStringLiteral(":/art/") + e.name;
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(paths.contains(path));
        EXPECT_EQ(ReadAll(path), ReadAll(QDir(kArtDir).filePath(e.name)));
        // Drawn where it lies in the program, as the start page needs to
        // show without decoding its pictures.
        const QResource art(path);
        ASSERT_EQ(art.compressionAlgorithm(), QResource::NoCompression);
        const QImage wrapped = vd::WrapPlain32(std::string_view(
            reinterpret_cast<const char*>(art.data()), static_cast<std::size_t>(art.size())));
        ASSERT_FALSE(wrapped.isNull());
        EXPECT_EQ(wrapped, QImage(path).convertToFormat(QImage::Format_RGB32));
    }
}

// Starts the generator offscreen; the caller waits for it.
void StartGenerator(QProcess& gen, const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    gen.setProcessEnvironment(env);
    gen.start(QStringLiteral(VD_GEN_ARTWORK), args);
}

TEST(Generator, SameInputGivesTheSameBytes) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess gen;
    StartGenerator(gen, {"--window-dir", out.filePath("art"), "--bmp-dir", out.filePath("bmp")});
    ASSERT_TRUE(gen.waitForFinished(120000));
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().toStdString();
    for (const Expected& e : kWindowPictures) {
        EXPECT_EQ(ReadAll(out.filePath("art/") + e.name), ReadAll(QDir(kArtDir).filePath(e.name)))
            << e.name;
    }
    for (const Expected& e : kFamilyPictures) {
        const QString name = QString::fromLatin1(e.name) + "_r.bmp";
        EXPECT_EQ(ReadAll(out.filePath("bmp/") + name), ReadAll(QDir(kBmpDir).filePath(name)))
            << e.name;
    }
}

TEST(Generator, UnwritableTargetIsReportedNotCrashed) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    // A plain file where the folder should be.
    QFile blocker(out.filePath("art"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QProcess gen;
    StartGenerator(gen, {"--window-dir", out.filePath("art"), "--bmp-dir", out.filePath("bmp")});
    ASSERT_TRUE(gen.waitForFinished(120000));
    EXPECT_EQ(gen.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(gen.exitCode(), 1);
    EXPECT_TRUE(gen.readAllStandardError().contains("cannot"));

    gen.start(QStringLiteral(VD_GEN_ARTWORK), {"--window-dir"});
    ASSERT_TRUE(gen.waitForFinished(120000));
    EXPECT_EQ(gen.exitCode(), 2);
}

// The application icon: every theme size, round on a transparent ground, so
// that it sits on any panel colour.
TEST(Generator, IconIsDrawnForEveryThemeSizeOnATransparentGround) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess gen;
    StartGenerator(gen, {"--icon-dir", out.path()});
    ASSERT_TRUE(gen.waitForFinished(120000));
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().toStdString();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path =
            out.filePath(QStringLiteral("%1x%1/apps/vandrel-catalogue.png").arg(size));
        const QImage icon(path);
        ASSERT_FALSE(icon.isNull()) << path.toStdString();
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}

} // namespace
