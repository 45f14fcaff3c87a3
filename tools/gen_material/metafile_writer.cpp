#include "metafile_writer.h"

#include <algorithm>

namespace material::wmf {
namespace {

enum Function : std::uint16_t {
    kEof = 0x0000,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetPolyFillMode = 0x0106,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDeleteObject = 0x01F0,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kTextOut = 0x0521,
    kRoundRect = 0x061C,
    kArc = 0x0817,
    kExtTextOut = 0x0A32,
};

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kFaceBytes = 32; // LF_FACESIZE
// The object table of a metafile is indexed by 16 bits; far fewer are ever live.
constexpr size_t kMaxObjects = 4096;

// A signed 16-bit value; anything else is a fault of the caller's geometry.
int Coord(int v) {
    if (v < -32768 || v > 32767)
        throw WriteError("metafile value " + std::to_string(v) + " outside 16 bits");
    return v;
}

} // namespace

void Put16(std::string& s, int v) {
    const auto u = static_cast<std::uint16_t>(v);
    s.push_back(static_cast<char>(u & 0xFF));
    s.push_back(static_cast<char>(u >> 8));
}

void Put32(std::string& s, std::uint32_t v) {
    Put16(s, static_cast<int>(v & 0xFFFF));
    Put16(s, static_cast<int>(v >> 16));
}

void PutColor(std::string& s, Rgb c) {
    s.push_back(static_cast<char>(c.r));
    s.push_back(static_cast<char>(c.g));
    s.push_back(static_cast<char>(c.b));
    s.push_back('\0');
}

Writer::Writer(int left, int top, int right, int bottom, int unitsPerInch)
    : frame_{Coord(left), Coord(top), Coord(right), Coord(bottom)}, unitsPerInch_(unitsPerInch) {
    if (right <= left || bottom <= top)
        throw WriteError("metafile frame is empty");
    if (unitsPerInch <= 0 || unitsPerInch > 65535)
        throw WriteError("units per inch out of range");
    // Players that ignore the placeable header still find the picture's
    // window; the others refine their placement with it.
    setMapMode(kMmAnisotropic);
    setWindowOrg(left, top);
    setWindowExt(right - left, bottom - top);
}

void Writer::record(std::uint16_t function, const std::string& params) {
    if (params.size() % 2)
        throw WriteError("odd-sized metafile record");
    const std::uint32_t words = static_cast<std::uint32_t>(3 + params.size() / 2);
    Put32(body_, words);
    Put16(body_, function);
    body_ += params;
    largestRecord_ = std::max(largestRecord_, words);
}

int Writer::addObject() {
    auto free = std::find(slots_.begin(), slots_.end(), false);
    size_t index = static_cast<size_t>(free - slots_.begin());
    if (free == slots_.end()) {
        if (slots_.size() >= kMaxObjects)
            throw WriteError("too many live metafile objects");
        slots_.push_back(true);
    } else {
        *free = true;
    }
    mostObjects_ = std::max(mostObjects_, slots_.size());
    return static_cast<int>(index);
}

int Writer::objectsInUse() const {
    return static_cast<int>(std::count(slots_.begin(), slots_.end(), true));
}

int Writer::createPen(std::uint16_t style, int width, Rgb color) {
    std::string p;
    Put16(p, style);
    Put16(p, Coord(width)); // PointS: x is the width, y unused
    Put16(p, 0);
    PutColor(p, color);
    record(kCreatePenIndirect, p);
    return addObject();
}

int Writer::createBrush(std::uint16_t style, Rgb color, std::uint16_t hatch) {
    std::string p;
    Put16(p, style);
    PutColor(p, color);
    Put16(p, hatch);
    record(kCreateBrushIndirect, p);
    return addObject();
}

int Writer::createFont(const FontSpec& font) {
    if (font.face.size() >= kFaceBytes)
        throw WriteError("font face name too long: " + font.face);
    std::string p;
    Put16(p, Coord(font.height));
    Put16(p, Coord(font.width));
    Put16(p, Coord(font.escapementTenths));
    Put16(p, Coord(font.escapementTenths)); // orientation follows the escapement
    Put16(p, std::clamp(font.weight, 0, 1000));
    p.push_back(font.italic ? 1 : 0);
    p.push_back(font.underline ? 1 : 0);
    p.push_back(0); // strike-out
    p.push_back(static_cast<char>(font.charset));
    p.push_back(0); // OUT_DEFAULT_PRECIS
    p.push_back(0); // CLIP_DEFAULT_PRECIS
    p.push_back(2); // PROOF_QUALITY
    p.push_back(static_cast<char>(font.pitchAndFamily));
    std::string face = font.face;
    face.resize(kFaceBytes, '\0');
    p += face;
    record(kCreateFontIndirect, p);
    return addObject();
}

void Writer::selectObject(int index) {
    if (index < 0 || static_cast<size_t>(index) >= slots_.size() ||
        !slots_[static_cast<size_t>(index)])
        throw WriteError("select of metafile object " + std::to_string(index) +
                         " that does not exist");
    std::string p;
    Put16(p, index);
    record(kSelectObject, p);
}

void Writer::deleteObject(int index) {
    if (index < 0 || static_cast<size_t>(index) >= slots_.size() ||
        !slots_[static_cast<size_t>(index)])
        throw WriteError("delete of metafile object " + std::to_string(index) +
                         " that does not exist");
    std::string p;
    Put16(p, index);
    record(kDeleteObject, p);
    slots_[static_cast<size_t>(index)] = false;
}

void Writer::setMapMode(std::uint16_t mode) {
    std::string p;
    Put16(p, mode);
    record(kSetMapMode, p);
}

void Writer::setWindowOrg(int x, int y) {
    std::string p;
    Put16(p, Coord(y));
    Put16(p, Coord(x));
    record(kSetWindowOrg, p);
}

void Writer::setWindowExt(int x, int y) {
    std::string p;
    Put16(p, Coord(y));
    Put16(p, Coord(x));
    record(kSetWindowExt, p);
}

void Writer::setBkMode(std::uint16_t mode) {
    std::string p;
    Put16(p, mode);
    record(kSetBkMode, p);
}

void Writer::setTextColor(Rgb color) {
    std::string p;
    PutColor(p, color);
    record(kSetTextColor, p);
}

void Writer::setTextAlign(std::uint16_t align) {
    std::string p;
    Put16(p, align);
    record(kSetTextAlign, p);
}

void Writer::setPolyFillMode(std::uint16_t mode) {
    std::string p;
    Put16(p, mode);
    record(kSetPolyFillMode, p);
}

void Writer::moveTo(int x, int y) {
    std::string p;
    Put16(p, Coord(y));
    Put16(p, Coord(x));
    record(kMoveTo, p);
}

void Writer::lineTo(int x, int y) {
    std::string p;
    Put16(p, Coord(y));
    Put16(p, Coord(x));
    record(kLineTo, p);
}

std::uint16_t Writer::pointCount(size_t n) const {
    if (n < 2 || n > 8000)
        throw WriteError("metafile polygon of " + std::to_string(n) + " points");
    return static_cast<std::uint16_t>(n);
}

void Writer::polyline(const std::vector<Pt>& points) {
    std::string p;
    Put16(p, pointCount(points.size()));
    for (const Pt& pt : points) {
        Put16(p, Coord(pt.x));
        Put16(p, Coord(pt.y));
    }
    record(kPolyline, p);
}

void Writer::polygon(const std::vector<Pt>& points) {
    std::string p;
    Put16(p, pointCount(points.size()));
    for (const Pt& pt : points) {
        Put16(p, Coord(pt.x));
        Put16(p, Coord(pt.y));
    }
    record(kPolygon, p);
}

void Writer::rectangle(int left, int top, int right, int bottom) {
    std::string p;
    Put16(p, Coord(bottom));
    Put16(p, Coord(right));
    Put16(p, Coord(top));
    Put16(p, Coord(left));
    record(kRectangle, p);
}

void Writer::roundRect(int left, int top, int right, int bottom, int cornerWidth,
                       int cornerHeight) {
    std::string p;
    Put16(p, Coord(cornerHeight));
    Put16(p, Coord(cornerWidth));
    Put16(p, Coord(bottom));
    Put16(p, Coord(right));
    Put16(p, Coord(top));
    Put16(p, Coord(left));
    record(kRoundRect, p);
}

void Writer::ellipse(int left, int top, int right, int bottom) {
    std::string p;
    Put16(p, Coord(bottom));
    Put16(p, Coord(right));
    Put16(p, Coord(top));
    Put16(p, Coord(left));
    record(kEllipse, p);
}

void Writer::arc(int left, int top, int right, int bottom, Pt start, Pt end) {
    std::string p;
    Put16(p, Coord(end.y));
    Put16(p, Coord(end.x));
    Put16(p, Coord(start.y));
    Put16(p, Coord(start.x));
    Put16(p, Coord(bottom));
    Put16(p, Coord(right));
    Put16(p, Coord(top));
    Put16(p, Coord(left));
    record(kArc, p);
}

void Writer::textOut(int x, int y, std::string_view text) {
    if (text.size() > 4000)
        throw WriteError("metafile text too long");
    std::string p;
    Put16(p, static_cast<int>(text.size()));
    p.append(text);
    if (text.size() % 2)
        p.push_back('\0');
    Put16(p, Coord(y));
    Put16(p, Coord(x));
    record(kTextOut, p);
}

void Writer::extTextOut(int x, int y, std::string_view text, std::uint16_t options,
                        const int* clipRect, const std::vector<int>& dx) {
    if (text.size() > 4000)
        throw WriteError("metafile text too long");
    if (!dx.empty() && dx.size() != text.size())
        throw WriteError("metafile text spacing does not match its text");
    const bool withRect = (options & (kEtoOpaque | kEtoClipped)) != 0;
    if (withRect && !clipRect)
        throw WriteError("metafile text option needs a rectangle");
    std::string p;
    Put16(p, Coord(y));
    Put16(p, Coord(x));
    Put16(p, static_cast<int>(text.size()));
    Put16(p, options);
    if (withRect)
        for (int i = 0; i < 4; ++i)
            Put16(p, Coord(clipRect[i]));
    p.append(text);
    if (text.size() % 2)
        p.push_back('\0');
    for (int d : dx)
        Put16(p, Coord(d));
    record(kExtTextOut, p);
}

std::string Writer::bytes() const {
    std::string out;
    Put32(out, kPlaceableKey);
    Put16(out, 0); // handle: none on disk
    for (int v : frame_)
        Put16(out, v);
    Put16(out, unitsPerInch_);
    Put32(out, 0);
    std::uint16_t sum = 0;
    for (size_t i = 0; i < out.size(); i += 2)
        sum ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(out[i]) |
                                          (static_cast<std::uint8_t>(out[i + 1]) << 8));
    Put16(out, sum);

    const size_t headerWords = 9;
    const size_t totalWords = headerWords + body_.size() / 2 + 3;
    // Type 1, as GDI writes it for files on disk too; some readers (an office
    // suite's importer among them) refuse the type 2 the format allows.
    Put16(out, 1);
    Put16(out, static_cast<int>(headerWords));
    Put16(out, 0x0300);
    Put32(out, static_cast<std::uint32_t>(totalWords));
    Put16(out, static_cast<int>(mostObjects_));
    Put32(out, largestRecord_);
    Put16(out, 0);
    out += body_;
    Put32(out, 3);
    Put16(out, kEof);
    return out;
}

} // namespace material::wmf
