#pragma once
// Helpers shared by the platform tests: rendering, ink measurement, image
// similarity and small hand-made bitmaps.
#include <QColor>
#include <QImage>
#include <QRect>

#include "test_files.h"

#include <string>
#include <vector>

namespace vdtest {

// Plays a metafile onto a white image of `size`; a parse error propagates.
QImage RenderWmf(const std::string& bytes, QSize size);

// Bounding box of the pixels that differ from white by more than `threshold`
// in some channel; empty when the image is blank.
QRect InkBounds(const QImage& image, int threshold = 60);
// Crops to InkBounds (the reference renders are trimmed that way).
QImage TrimWhite(const QImage& image);

bool Near(QRgb pixel, const QColor& colour, int tolerance = 40);
int CountNear(const QImage& image, const QColor& colour, int tolerance = 40);

// Mean absolute channel difference (0..255) after scaling both to `common`.
double MeanDifference(const QImage& a, const QImage& b, QSize common);

// A bottom-up 24-bit DIB (BITMAPINFOHEADER + bits); `topDownPixels` row by row from the top.
std::string Dib24(int width, int height, const std::vector<QRgb>& topDownPixels);

} // namespace vdtest
