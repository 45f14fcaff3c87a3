#pragma once
// Writes pictures as the program's bitmap loader expects them: 24 bits per
// pixel, bottom-up, BITMAPINFOHEADER, no compression.
#include <QImage>
#include <QString>

namespace art {

// Throws std::runtime_error when the file cannot be written.
void WriteBmp24(const QImage& image, const QString& path);

} // namespace art
