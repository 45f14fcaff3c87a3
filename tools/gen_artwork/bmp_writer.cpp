#include "bmp_writer.h"

#include <QFile>
#include <QSaveFile>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace art {
namespace {

void Put16(std::vector<char>& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void Put32(std::vector<char>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

} // namespace

// Written by hand rather than through QImage::save, whose BMP depth follows
// the image format; the program and its tools rely on exactly 24 bits.
void WriteBmp24(const QImage& image, const QString& path) {
    if (image.isNull()) throw std::runtime_error("empty picture for " + path.toStdString());
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const auto w = static_cast<std::uint32_t>(rgb.width());
    const auto h = static_cast<std::uint32_t>(rgb.height());
    const std::uint32_t stride = (w * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * h;
    const std::uint32_t offset = 14 + 40;

    std::vector<char> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + pixelBytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, w);
    Put32(out, h);  // positive: rows stored bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, 3780);  // 96 dpi
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);

    for (int y = static_cast<int>(h) - 1; y >= 0; --y) {
        const uchar* row = rgb.constScanLine(y);
        for (std::uint32_t x = 0; x < w; ++x) {
            out.push_back(static_cast<char>(row[3 * x + 2]));
            out.push_back(static_cast<char>(row[3 * x + 1]));
            out.push_back(static_cast<char>(row[3 * x + 0]));
        }
        for (std::uint32_t pad = w * 3; pad < stride; ++pad) out.push_back(0);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(out.data(), static_cast<qint64>(out.size())) != static_cast<qint64>(out.size()) ||
        !file.commit()) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    }
}

} // namespace art
