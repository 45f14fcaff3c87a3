// Bitmaps whose pixels name colours their table does not have: shown as the
// fan's picture beside the results, they must be drawn from the table alone.
#include "hostile_fixture.h"

#include "picture_box.h"

#include <QImage>

using namespace vd;
using namespace hostile;

namespace {

// Every pixel of an indexed image names an entry of its colour table.
::testing::AssertionResult IndicesWithinTable(const QImage& image) {
    if (image.format() != QImage::Format_Indexed8)
        return ::testing::AssertionSuccess() << "not indexed";
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelIndex(x, y) >= image.colorCount())
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") names colour " << image.pixelIndex(x, y)
                       << " of " << image.colorCount();
    return ::testing::AssertionSuccess();
}

std::string ShortColourTable() {
    // An 8-bit bitmap whose header says two colours are used while its
    // pixels use many more; the bits stay where the file header puts them.
    std::string b = vdtest::ReadFixture(fs::path(VD_REAL_FIXTURES) / "bmp/bmp_8bit.bmp");
    b[46] = 2;
    b[47] = b[48] = b[49] = 0;
    return b;
}

} // namespace

TEST_F(WindowTest, ABitmapWhosePixelsNameColoursBeyondItsTableIsDrawnFromTheTable) {
    const std::pair<const char*, std::string> bitmaps[] = {
        {"short_table.bmp", ShortColourTable()},
        // Run-length data that decodes to indices above 15 (found by fuzzing).
        {"rle4_index.bmp",
         vdtest::ReadFixture(fs::path(VD_FUZZ_DIR) /
                             "regressions/picture/rle4_index_beyond_colour_table.bmp")}};
    for (const auto& [name, bytes] : bitmaps) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(bytes.empty());
        vdtest::WriteFile(dir / "bmp" / name, bytes);
        auto recs = ThreeFans();
        for (auto& r : recs)
            r.picture_file.assign(name);
        Catalogue(recs);
        T_fm& w = Ready();
        w.input->bn_select->click();
        ASSERT_EQ(w.input->im_pic->source(), "bmp\\" + std::string(name));
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_TRUE(IndicesWithinTable(w.input->im_pic->picture().image()));
        EXPECT_FALSE(w.grab().isNull());
        window.reset();
    }
}
