#pragma once
// Writes pictures as bitmaps: the catalogue's own in 24 bits per pixel,
// bottom-up (what the catalogue team's tools write), the window's in 32 bits,
// top-down, which the program draws without decoding.
#include <QImage>
#include <QString>

namespace art {

// Throws std::runtime_error when the file cannot be written.
void WriteBmp24(const QImage& image, const QString& path);
void WriteWindowBmp(const QImage& image, const QString& path);

} // namespace art
