#include "dib.h"

#include "le_reader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <cstdint>
#include <cstring>

namespace vd {
namespace {

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiJpeg = 4, kBiPng = 5,
                   kBiAlphaBitfields = 6;

struct DibInfo {
    uint32_t headerSize = 0;
    int64_t width = 0, height = 0;
    int bitCount = 0;
    uint32_t compression = kBiRgb;
    uint32_t colorsUsed = 0;
    size_t colorTableBytes = 0; // colour table plus the masks that follow a 40-byte header
    int colorEntrySize = 4;
    size_t colorEntries = 0;
};

bool Fail(std::string* error, const char* text) {
    if (error)
        *error = text;
    return false;
}

// Reads the header of a DIB and checks that its dimensions are sane.
bool ReadDibInfo(std::string_view dib, DibInfo& info, std::string* error) {
    try {
        LeReader r(dib);
        info.headerSize = r.u32();
        if (info.headerSize == 12) {
            info.width = r.u16();
            info.height = r.i16();
            r.u16();
            info.bitCount = r.u16();
            info.colorEntrySize = 3;
        } else if (info.headerSize >= 16 && info.headerSize <= 124) {
            info.width = r.i32();
            info.height = r.i32();
            r.u16();
            info.bitCount = r.u16();
            if (info.headerSize >= 20)
                info.compression = r.u32();
            if (info.headerSize >= 36) {
                r.u32(); // image size
                r.u32(); // resolution
                r.u32();
                info.colorsUsed = r.u32();
            }
        } else {
            return Fail(error, "unknown bitmap header");
        }
    } catch (const ReadPastEnd&) {
        return Fail(error, "bitmap header truncated");
    }
    switch (info.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    case 0:
        if (info.compression == kBiJpeg || info.compression == kBiPng)
            break;
        [[fallthrough]];
    default:
        return Fail(error, "unsupported bits per pixel");
    }
    int64_t h = info.height < 0 ? -info.height : info.height;
    if (info.width <= 0 || h == 0 || info.width > kMaxBitmapSide || h > kMaxBitmapSide ||
        info.width * h > kMaxBitmapPixels)
        return Fail(error, "bitmap dimensions out of range");
    if (info.colorsUsed > 4096)
        return Fail(error, "bitmap colour table too large");
    if (info.bitCount <= 8)
        info.colorEntries = info.colorsUsed ? info.colorsUsed : (size_t(1) << info.bitCount);
    else
        info.colorEntries = info.colorsUsed;
    info.colorTableBytes = info.colorEntries * info.colorEntrySize;
    if (info.headerSize == 40 && info.compression == kBiBitfields)
        info.colorTableBytes += 12;
    if (info.headerSize == 40 && info.compression == kBiAlphaBitfields)
        info.colorTableBytes += 16;
    return true;
}

// The file header ("BM" and the offset to the bits, which Qt trusts: checked
// to lie in the file) and the DIB's header after it.
bool ReadFileHeaders(std::string_view bytes, DibInfo& info, uint32_t& offBits, std::string* error) {
    if (bytes.size() < 14 + 12 || bytes[0] != 'B' || bytes[1] != 'M')
        return Fail(error, "not a bitmap file");
    if (!ReadDibInfo(bytes.substr(14), info, error))
        return false;
    LeReader r(bytes);
    r.skip(10);
    offBits = r.u32();
    if (offBits > bytes.size())
        return Fail(error, "bitmap offset beyond the end of the file");
    return true;
}

void PutU16(QByteArray& a, int at, uint32_t v) {
    a[at] = char(v & 0xFF);
    a[at + 1] = char((v >> 8) & 0xFF);
}
void PutU32(QByteArray& a, int at, uint32_t v) {
    PutU16(a, at, v & 0xFFFF);
    PutU16(a, at + 2, v >> 16);
}

// The common case decoded here: 24 bits a pixel, uncompressed, with a header
// Qt reads the same way, and every row present. Gives what Qt's reader gives
// (opaque RGB32) without making the reader, whose first use looks through
// the image plug-ins. Null when the bitmap is not that case.
QImage ReadPlain24(std::string_view file, const DibInfo& info, uint32_t offBits) {
    if (info.bitCount != 24 || info.compression != kBiRgb || info.headerSize != 40)
        return {};
    const int64_t width = info.width;
    const int64_t height = info.height < 0 ? -info.height : info.height;
    const int64_t stride = (width * 3 + 3) / 4 * 4;
    if (offBits < 14 + info.headerSize || offBits > file.size() ||
        static_cast<int64_t>(file.size() - offBits) < stride * height)
        return {};
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const auto* bits = reinterpret_cast<const unsigned char*>(file.data()) + offBits;
    for (int64_t y = 0; y < height; ++y) {
        // Rows are stored bottom-up unless the height is negative.
        const unsigned char* in = bits + stride * (info.height < 0 ? y : height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (int64_t x = 0; x < width; ++x, in += 3)
            out[x] = qRgb(in[2], in[1], in[0]);
    }
    return image;
}

QImage ReadWithQt(const QByteArray& file, std::string* error) {
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    QImage image = reader.read();
    if (image.isNull() && error)
        *error = "bitmap data unreadable";
    return image;
}

// Windows takes the fourth byte of a 32-bit BI_RGB pixel as reserved: such a
// bitmap is opaque even when the byte holds junk or zero.
QImage FixUp(QImage image, const DibInfo& info) {
    if (image.isNull())
        return image;
    if (info.bitCount == 32 && info.compression == kBiRgb && image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_RGB32);
    // Qt's reader can leave pixel indices beyond the colour table (a short
    // table, or run-length data that decodes to a larger index), and drawing
    // then reads past the table. Such pixels are drawn black.
    const int needed = image.format() == QImage::Format_Indexed8 ? 256 : image.depth() == 1 ? 2 : 0;
    if (image.colorCount() < needed) {
        QList<QRgb> table = image.colorTable();
        table.resize(needed, qRgb(0, 0, 0));
        image.setColorTable(table);
    }
    return image;
}

} // namespace

long long DibPixelCount(std::string_view dib) {
    DibInfo info;
    if (!ReadDibInfo(dib, info, nullptr))
        return -1;
    return info.width * (info.height < 0 ? -info.height : info.height);
}

QImage DecodeDib(std::string_view dib, std::string* error, bool paletteIndices,
                 const QList<QRgb>& palette) {
    DibInfo info;
    if (!ReadDibInfo(dib, info, error))
        return {};
    if (info.headerSize + info.colorTableBytes > dib.size()) {
        Fail(error, "bitmap colour table truncated");
        return {};
    }
    if (info.compression == kBiJpeg || info.compression == kBiPng) {
        std::string_view stream = dib.substr(info.headerSize + info.colorTableBytes);
        QImage image = QImage::fromData(QByteArrayView(stream.data(), qsizetype(stream.size())));
        if (image.isNull())
            Fail(error, "embedded image unreadable");
        return image;
    }
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    if (paletteIndices && info.bitCount <= 8 && info.colorEntrySize == 4) {
        // DIB_PAL_COLORS: the "colour table" holds 16-bit palette indices.
        // Rewrite it as RGB quads so that the reader sees an ordinary DIB.
        size_t indexBytes = info.colorEntries * 2;
        if (info.headerSize + indexBytes > dib.size()) {
            Fail(error, "bitmap colour table truncated");
            return {};
        }
        file.append(dib.data(), qsizetype(info.headerSize));
        LeReader r(dib.substr(info.headerSize, indexBytes));
        for (size_t i = 0; i < info.colorEntries; ++i) {
            uint16_t index = r.u16();
            QRgb c = index < palette.size() ? palette[index]
                                            : qRgb(index & 0xFF, index & 0xFF, index & 0xFF);
            file.append(char(qBlue(c)));
            file.append(char(qGreen(c)));
            file.append(char(qRed(c)));
            file.append('\0');
        }
        size_t bits = info.headerSize + indexBytes;
        file.append(dib.data() + bits, qsizetype(dib.size() - bits));
        info.colorTableBytes = info.colorEntries * 4;
    } else {
        file.append(dib.data(), qsizetype(dib.size()));
    }
    PutU32(file, 2, uint32_t(file.size()));
    PutU32(file, 10, uint32_t(14 + info.headerSize + info.colorTableBytes));
    return FixUp(ReadWithQt(file, error), info);
}

QImage DecodeBmpFile(std::string_view bytes, std::string* error) {
    DibInfo info;
    uint32_t offBits = 0;
    if (!ReadFileHeaders(bytes, info, offBits, error))
        return {};
    if (QImage plain = ReadPlain24(bytes, info, offBits); !plain.isNull())
        return plain;
    QByteArray file(bytes.data(), qsizetype(bytes.size()));
    return FixUp(ReadWithQt(file, error), info);
}

QImage WrapPlain32(std::string_view bytes) {
    DibInfo info;
    uint32_t offBits = 0;
    if (!ReadFileHeaders(bytes, info, offBits, nullptr) || info.headerSize != 40 ||
        info.bitCount != 32 || info.compression != kBiRgb || info.height >= 0)
        return {};
    const int64_t width = info.width, height = -info.height, stride = 4 * width;
    if (offBits < 14 + 40 || static_cast<int64_t>(bytes.size() - offBits) < stride * height)
        return {};
    const char* bits = bytes.data() + offBits;
    if (reinterpret_cast<std::uintptr_t>(bits) % alignof(uint32_t) != 0) // as QImage needs
        return {};
    // RGB32 takes the fourth byte as 0xFF; a picture with any other there is
    // decoded as usual.
    const auto pixels = static_cast<size_t>(width * height);
    uint64_t all = ~uint64_t{0};
    for (size_t i = 0; i + 2 <= pixels; i += 2) {
        uint64_t two;
        std::memcpy(&two, bits + 4 * i, sizeof two);
        all &= two;
    }
    if (pixels % 2) {
        uint32_t last;
        std::memcpy(&last, bits + 4 * (pixels - 1), sizeof last);
        all &= last | 0xFFFFFFFF00000000u;
    }
    if ((all & 0xFF000000FF000000u) != 0xFF000000FF000000u)
        return {};
    return QImage(reinterpret_cast<const uchar*>(bits), static_cast<int>(width),
                  static_cast<int>(height), static_cast<qsizetype>(stride), QImage::Format_RGB32);
}

} // namespace vd
