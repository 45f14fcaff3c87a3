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

// File and info headers; a negative height stores the rows top-down.
std::string Headers(std::uint32_t width, std::int32_t height, std::uint16_t bits,
                    std::uint32_t offset, std::uint32_t pixelBytes) {
    std::string out;
    out.reserve(offset + pixelBytes);
    out += "BM";
    Put32(out, offset + pixelBytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, 0); // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, 3780); // 96 dpi
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    out.resize(offset, '\0');
    return out;
}

QImage Converted(const QImage& image, QImage::Format format) {
    if (image.isNull())
        throw std::runtime_error("empty picture");
    return image.convertToFormat(format);
}

} // namespace

std::string EncodeBmp24(const QImage& image) {
    const QImage rgb = Converted(image, QImage::Format_RGB888);
    const auto w = static_cast<std::uint32_t>(rgb.width());
    const auto h = static_cast<std::uint32_t>(rgb.height());
    const std::uint32_t stride = (w * 3 + 3) & ~3u;
    // positive height: rows stored bottom-up
    std::string out = Headers(w, static_cast<std::int32_t>(h), 24, 14 + 40, stride * h);
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

std::string EncodeBmp32TopDown(const QImage& image) {
    const QImage rgb = Converted(image, QImage::Format_RGB32);
    const auto w = static_cast<std::uint32_t>(rgb.width());
    const auto h = static_cast<std::uint32_t>(rgb.height());
    // The pixels start 8 bytes aligned in the file (two bytes of padding after
    // the 54 of the headers).
    std::string out = Headers(w, -static_cast<std::int32_t>(h), 32, 56, 4 * w * h);
    for (std::uint32_t y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(static_cast<int>(y)));
        for (std::uint32_t x = 0; x < w; ++x)
            Put32(out, row[x] | 0xFF000000u); // blue, green, red, then 0xFF
    }
    return out;
}

} // namespace vdtools
