#pragma once
// Bitmaps as the program's loader and the catalogue team's tools expect them:
// 24 bits per pixel, bottom-up, BITMAPINFOHEADER, no compression. Written by
// hand because QImage::save chooses the depth from the image format.
#include <QImage>
#include <string>

namespace vdtools {

// The bytes of a .bmp file; std::runtime_error for an empty picture.
std::string EncodeBmp24(const QImage& image);

// The window's own pictures, compiled into the program: 32 bits per pixel,
// top-down, every fourth byte 0xFF, the pixels 8-byte aligned in the file, so
// that the program can draw them where they lie without decoding them.
std::string EncodeBmp32TopDown(const QImage& image);

} // namespace vdtools
