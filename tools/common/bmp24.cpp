#include "bmp24.h"

#include <cstdint>
#include <stdexcept>

namespace vdtools {
namespace {

void Put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void Put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

} // namespace

std::string EncodeBmp24(const QImage& image) {
    if (image.isNull())
        throw std::runtime_error("empty picture");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const auto w = static_cast<std::uint32_t>(rgb.width());
    const auto h = static_cast<std::uint32_t>(rgb.height());
    const std::uint32_t stride = (w * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * h;
    const std::uint32_t offset = 14 + 40;

    std::string out;
    out.reserve(offset + pixelBytes);
    out += "BM";
    Put32(out, offset + pixelBytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, w);
    Put32(out, h); // positive: rows stored bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0); // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, 3780); // 96 dpi
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
        out.append(stride - w * 3, '\0');
    }
    return out;
}

} // namespace vdtools
