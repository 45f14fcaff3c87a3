// The fan material in the run-time tree, as the program will meet it: every
// file the demo catalogue names is there and loads through the picture
// loader at the size its page shows it, drawings carry exactly the dimension
// letters of their fans, charts name every model, bitmaps are 24-bit.
#include "catalogue_text.h"
#include "fan_record.h"
#include "le_reader.h"
#include "paths.h"
#include "picture.h"
#include "wmf_file.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const fs::path kRuntime = VD_RUNTIME_DIR;

const std::vector<vd::TFanRecord>& Catalogue() {
    static const std::vector<vd::TFanRecord> records = [] {
        std::ifstream in(VD_CATALOGUE_TEXT, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return vd::ParseCatalogueText(text.str());
    }();
    return records;
}

fs::path Data(const std::string& relative) {
    return vd::ResolveDataPath(relative, kRuntime);
}

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The strings of a metafile's text records.
std::vector<std::string> TextsOf(const fs::path& p) {
    auto file = vd::WmfFile::Parse(ReadAll(p));
    std::vector<std::string> texts;
    for (const auto& rec : file->records()) {
        vd::LeReader r(file->params(rec));
        if (rec.function == 0x0521) { // TEXTOUT
            int n = r.i16();
            texts.emplace_back(r.bytes(size_t(n)));
        } else if (rec.function == 0x0A32) { // EXTTEXTOUT
            r.i16();
            r.i16();
            int n = r.i16();
            int options = r.u16();
            if (options & 0x6)
                r.skip(8);
            texts.emplace_back(r.bytes(size_t(n)));
        }
    }
    return texts;
}

// Share of pixels that are not (near) white: a picture painted by nothing is 0.
double InkFraction(const QImage& image) {
    long ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 235)
                ++ink;
    return double(ink) / (double(image.width()) * image.height());
}

struct BmpHeader {
    int width = 0, height = 0, bitsPerPixel = 0;
    uint32_t compression = 99;
};

BmpHeader ReadBmpHeader(const fs::path& p) {
    const std::string b = ReadAll(p);
    BmpHeader h;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M')
        return h;
    vd::LeReader r(std::string_view(b).substr(18));
    h.width = r.i32();
    h.height = r.i32();
    r.u16();
    h.bitsPerPixel = r.u16();
    h.compression = r.u32();
    return h;
}

std::set<std::string> NonZeroLetters(const vd::TFanRecord& rec) {
    std::set<std::string> letters;
    for (const auto& f : vd::DimensionFields())
        if ((rec.*(f.field)).view() != "0")
            letters.insert(f.label);
    return letters;
}

std::set<std::string> AllLetters() {
    std::set<std::string> letters;
    for (const auto& f : vd::DimensionFields())
        letters.insert(f.label);
    return letters;
}

template <auto Field> std::map<std::string, std::vector<const vd::TFanRecord*>> ByFile() {
    std::map<std::string, std::vector<const vd::TFanRecord*>> files;
    for (const vd::TFanRecord& rec : Catalogue())
        files[(rec.*Field).str()].push_back(&rec);
    return files;
}

} // namespace

TEST(MaterialFiles, EveryFileTheCatalogueNamesIsThere) {
    ASSERT_GT(Catalogue().size(), 100u);
    std::set<std::string> missing;
    for (const vd::TFanRecord& rec : Catalogue()) {
        for (const std::string& rel :
             {"wmf\\" + rec.drawing_file.str(), "wmf\\" + rec.diagram_file.str(),
              "bmp\\" + rec.picture_file.str(), "bmp\\big" + rec.picture_file.str()})
            if (!fs::is_regular_file(Data(rel)))
                missing.insert(rel);
    }
    for (const char* rel : {"wmf\\blank.wmf", "pics\\vandrel_logo.wmf", "pics\\logo_text.wmf",
                            "pics\\Vandrel_Logo.wmf"})
        if (!fs::is_regular_file(Data(rel)))
            missing.insert(rel);
    std::string list;
    for (const std::string& m : missing)
        list += m + " ";
    EXPECT_TRUE(missing.empty()) << list;
}

TEST(MaterialFiles, DrawingsAndDiagramsHaveTheProportionsOfTheirPrintedPlaces) {
    // The printouts stretch them into boxes of page units: the dimension
    // drawing into 140 × 68 on the data sheet, the diagram-page picture into
    // 87 × 54 on the instruction sheet.
    auto check = [](const std::string& rel, double aspect) {
        SCOPED_TRACE(rel);
        vd::Picture picture = vd::LoadPicture(Data(rel));
        ASSERT_TRUE(picture.isMetafile());
        const QSizeF natural = picture.metafile().naturalSize();
        EXPECT_NEAR(natural.width() / natural.height(), aspect, aspect * 0.005);
        const double ink = InkFraction(picture.toImage(QSize(int(std::lround(aspect * 300)), 300)));
        EXPECT_GT(ink, 0.02) << "next to nothing drawn";
        EXPECT_LT(ink, 0.6) << "a picture drowned in ink";
    };
    for (const auto& [name, recs] : ByFile<&vd::TFanRecord::drawing_file>())
        check("wmf\\" + name, 140.0 / 68);
    for (const auto& [name, recs] : ByFile<&vd::TFanRecord::diagram_file>())
        check("wmf\\" + name, 87.0 / 54);
    vd::Picture blank = vd::LoadPicture(Data("wmf\\blank.wmf"));
    EXPECT_EQ(blank.naturalSize(), QSize(500, 300));
}

TEST(MaterialFiles, DrawingsShowExactlyTheLettersTheirFansHave) {
    const std::set<std::string> all = AllLetters();
    for (const auto& [name, recs] : ByFile<&vd::TFanRecord::drawing_file>()) {
        std::set<std::string> shown;
        for (const std::string& t : TextsOf(Data("wmf\\" + name)))
            if (all.count(t))
                shown.insert(t);
        for (const vd::TFanRecord* rec : recs)
            EXPECT_EQ(shown, NonZeroLetters(*rec)) << name << " for " << rec->model.str();
    }
}

TEST(MaterialFiles, DiagramsLabelEveryModelOfTheirFamilies) {
    for (const auto& [name, recs] : ByFile<&vd::TFanRecord::diagram_file>()) {
        // Labels are the model without its family code; sizes with the same
        // curve share one label, listed with commas.
        std::set<std::string> labels;
        for (const std::string& t : TextsOf(Data("wmf\\" + name))) {
            std::stringstream parts(t);
            std::string part;
            while (std::getline(parts, part, ','))
                labels.insert(part.substr(part.find_first_not_of(' ')));
        }
        for (const vd::TFanRecord* rec : recs) {
            std::string model = rec->model.str(), family = rec->family.str();
            std::string label = model.substr(model.rfind(family, 0) == 0 ? family.size() + 1 : 0);
            EXPECT_TRUE(labels.count(label))
                << name << " has no label " << label << " for " << model;
        }
    }
}

TEST(MaterialFiles, FanPicturesAre24BitInTheirBoxSizesAndDiffer) {
    std::set<size_t> seen;
    for (const auto& [name, recs] : ByFile<&vd::TFanRecord::picture_file>()) {
        for (auto [prefix, size] :
             {std::pair{"bmp\\", QSize(80, 80)}, std::pair{"bmp\\big", QSize(189, 177)}}) {
            const std::string rel = prefix + name;
            SCOPED_TRACE(rel);
            BmpHeader h = ReadBmpHeader(Data(rel));
            EXPECT_EQ(h.bitsPerPixel, 24);
            EXPECT_EQ(h.compression, 0u);
            EXPECT_EQ(QSize(h.width, h.height), size) << "stored bottom-up at the box's size";
            vd::Picture picture = vd::LoadPicture(Data(rel));
            EXPECT_EQ(picture.naturalSize(), size);
            EXPECT_GT(InkFraction(picture.image()), 0.15);
            // On white, like a catalogue photograph: the corners are empty.
            EXPECT_GT(qGray(picture.image().pixel(0, 0)), 245);
            if (size.width() == 189) {
                const QImage img = picture.image().convertToFormat(QImage::Format_RGB32);
                seen.insert(std::hash<std::string_view>{}(std::string_view(
                    reinterpret_cast<const char*>(img.constBits()), size_t(img.sizeInBytes()))));
            }
        }
    }
    EXPECT_EQ(seen.size(), ByFile<&vd::TFanRecord::picture_file>().size())
        << "two families share one painting";
}

TEST(MaterialFiles, AncillaryPicturesFitTheirBoxUnscaled) {
    for (const char* rel :
         {"bmp\\qms.bmp", "bmp\\qmHA.bmp", "bmp\\qmHB.bmp", "bmp\\CLAMP.bmp", "bmp\\GRILLE.bmp",
          "bmp\\STAT.bmp", "bmp\\DAMPER.bmp", "bmp\\BRACKET.bmp", "bmp\\LOUVRE.bmp"}) {
        SCOPED_TRACE(rel);
        BmpHeader h = ReadBmpHeader(Data(rel));
        EXPECT_EQ(h.bitsPerPixel, 24);
        EXPECT_GT(h.width, 100);
        EXPECT_LE(h.width, 225);
        EXPECT_GT(h.height, 100);
        EXPECT_LE(h.height, 365);
        vd::Picture picture = vd::LoadPicture(Data(rel));
        EXPECT_GT(InkFraction(picture.image()), 0.08);
    }
}

TEST(MaterialFiles, LogosHaveTheProportionsOfTheirPrintedPlaces) {
    // Page units of the printouts' rectangles: data sheet, quotation, instruction sheet.
    const std::pair<const char*, double> logos[] = {{"pics\\vandrel_logo.wmf", 41.0 / 14},
                                                    {"pics\\logo_text.wmf", 120.0 / 17},
                                                    {"pics\\Vandrel_Logo.wmf", 50.0 / 18}};
    for (auto [rel, aspect] : logos) {
        SCOPED_TRACE(rel);
        vd::Picture picture = vd::LoadPicture(Data(rel));
        ASSERT_TRUE(picture.isMetafile());
        const QSizeF natural = picture.metafile().naturalSize();
        EXPECT_NEAR(natural.width() / natural.height(), aspect, aspect * 0.005);
        EXPECT_NEAR(natural.width(), aspect * natural.height(), 2);
        std::vector<std::string> texts = TextsOf(Data(rel));
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Vandrel"), texts.end());
        EXPECT_GT(InkFraction(picture.toImage(QSize(int(std::lround(aspect * 150)), 150))), 0.05);
    }
}
