#pragma once
// Device-independent bitmaps: whole .bmp files and the bare DIBs that
// metafiles embed. Both are decoded by Qt's BMP reader; what it reads
// differently from Windows is patched up here.
#include <QImage>
#include <QList>
#include <string>
#include <string_view>

namespace vd {

// Largest bitmap we decode, in pixels: well above any catalogue picture,
// small enough that a lying header cannot make us allocate without bound.
inline constexpr long long kMaxBitmapPixels = 32LL * 1024 * 1024;
inline constexpr int kMaxBitmapSide = 32767;

// Width × height a DIB's header claims, or -1 when the header is unreadable.
long long DibPixelCount(std::string_view dib);

// Decodes a .bmp file (BITMAPFILEHEADER + DIB). On failure returns a null
// image and sets `error` to the reason.
QImage DecodeBmpFile(std::string_view bytes, std::string* error = nullptr);

// A .bmp file of 32 bits per pixel, uncompressed, top-down, whose pixels are
// 4-byte aligned in memory and all opaque (fourth byte 0xFF), as an RGB32
// image over the file's own bytes: nothing decoded or copied. A null image
// for any other file. The bytes must outlive the image and its copies (the
// program's compiled-in pictures).
QImage WrapPlain32(std::string_view bytes);

// Decodes a bare DIB (BITMAPINFOHEADER or BITMAPCOREHEADER, colour table,
// bits) by giving it the 14-byte file header it lacks. With `paletteIndices`
// the colour table holds 16-bit indices into `palette` (DIB_PAL_COLORS).
QImage DecodeDib(std::string_view dib, std::string* error = nullptr, bool paletteIndices = false,
                 const QList<QRgb>& palette = {});

} // namespace vd
