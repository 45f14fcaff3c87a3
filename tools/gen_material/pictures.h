#pragma once
#include "bmp24.h"
// The bitmap pictures: fan pictures in two sizes and the ancillaries.
#include <QImage>
#include <QSize>

#include <string>
#include <vector>

namespace material {

// The small picture fills the 80 × 80 box beside the inputs; the large one
// is shown at its own size left of the specification text, in the space the
// page leaves it (189 × 177 is the box's size before anything is loaded).
inline constexpr QSize kSmallPicture(80, 80);
inline constexpr QSize kBigPicture(189, 177);

bool HasFanPicture(const std::string& file);
// A null image for a file no painter knows.
QImage MakeFanPicture(const std::string& file, QSize size);

// The ancillaries page shows these centred and unscaled in a 225 × 365 box.
inline constexpr QSize kAncillaryPicture(220, 250);
struct AncillaryPicture {
    const char* file; // exactly as the page names it, case kept
    QImage (*make)();
};
const std::vector<AncillaryPicture>& AncillaryPictures();

// 24 bits per pixel, bottom-up, BITMAPINFOHEADER, no compression.
using vdtools::EncodeBmp24;

} // namespace material
