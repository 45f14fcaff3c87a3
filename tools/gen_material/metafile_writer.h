#pragma once
// Writes Windows metafiles: a placeable header (frame and units per inch),
// the standard header and one record per call. Qt-free: coordinates are
// 16-bit logical units and texts are Windows-1252 bytes. The object table is
// kept as GDI keeps it (a new object takes the lowest free slot), so the
// index a create call returns is the one SELECTOBJECT and DELETEOBJECT need.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace material::wmf {

// A value the format cannot carry (a coordinate outside 16 bits, a text too
// long for one record, an unknown object): the picture is wrong, not clipped.
class WriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    friend auto operator<=>(const Rgb&, const Rgb&) = default;
};

struct Pt {
    int x = 0, y = 0;
};

// GDI constants the generator uses.
enum PenStyle : std::uint16_t {
    kPsSolid = 0,
    kPsDash = 1,
    kPsDot = 2,
    kPsDashDot = 3,
    kPsNull = 5,
    kPsEndcapFlat = 0x0200,
    kPsJoinMiter = 0x2000,
};
enum BrushStyle : std::uint16_t { kBsSolid = 0, kBsNull = 1, kBsHatched = 2 };
enum MapMode : std::uint16_t { kMmText = 1, kMmAnisotropic = 8 };
enum BkMode : std::uint16_t { kTransparent = 1, kOpaque = 2 };
enum PolyFill : std::uint16_t { kAlternate = 1, kWinding = 2 };
enum TextAlign : std::uint16_t {
    kTaLeft = 0,
    kTaRight = 2,
    kTaCenter = 6,
    kTaTop = 0,
    kTaBottom = 8,
    kTaBaseline = 24,
};
enum ExtTextOptions : std::uint16_t { kEtoOpaque = 0x0002, kEtoClipped = 0x0004 };

struct FontSpec {
    int height = -12;         // negative: em height in logical units
    int width = 0;            // 0: the face's own proportions
    int escapementTenths = 0; // angle of the baseline, tenths of a degree anticlockwise
    int weight = 400;         // 700 bold
    bool italic = false;
    bool underline = false;
    std::uint8_t charset = 0;           // ANSI
    std::uint8_t pitchAndFamily = 0x22; // variable pitch, swiss
    std::string face = "Arial";
};

class Writer {
  public:
    // `frame` is the picture's rectangle in logical units; `unitsPerInch`
    // gives its printed size (and its natural size on a 96-dpi screen).
    Writer(int left, int top, int right, int bottom, int unitsPerInch);

    // --- objects: each returns its slot in the object table ------------------
    int createPen(std::uint16_t style, int width, Rgb color);
    int createBrush(std::uint16_t style, Rgb color, std::uint16_t hatch = 0);
    int createFont(const FontSpec& font);
    void selectObject(int index);
    void deleteObject(int index);

    // --- state -------------------------------------------------------------
    void setMapMode(std::uint16_t mode);
    void setWindowOrg(int x, int y);
    void setWindowExt(int x, int y);
    void setBkMode(std::uint16_t mode);
    void setTextColor(Rgb color);
    void setTextAlign(std::uint16_t align);
    void setPolyFillMode(std::uint16_t mode);

    // --- drawing -----------------------------------------------------------
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void polyline(const std::vector<Pt>& points);
    void polygon(const std::vector<Pt>& points);
    void rectangle(int left, int top, int right, int bottom);
    void roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void ellipse(int left, int top, int right, int bottom);
    // Arc of the ellipse in the box, drawn anticlockwise (as seen on the
    // device) from the radial through `start` to that through `end`.
    void arc(int left, int top, int right, int bottom, Pt start, Pt end);
    // `text` is Windows-1252.
    void textOut(int x, int y, std::string_view text);
    void extTextOut(int x, int y, std::string_view text, std::uint16_t options = 0,
                    const int* clipRect = nullptr, const std::vector<int>& dx = {});

    // The whole file: placeable header, header, records, end-of-file record.
    std::string bytes() const;

    int objectsInUse() const;

  private:
    void record(std::uint16_t function, const std::string& params);
    int addObject();
    std::uint16_t pointCount(size_t n) const;

    int frame_[4];
    int unitsPerInch_;
    std::string body_;
    std::uint32_t largestRecord_ = 3;
    std::vector<bool> slots_; // true: slot holds an object
    size_t mostObjects_ = 0;
};

// Little-endian parameter building, shared with the tests.
void Put16(std::string& s, int v);
void Put32(std::string& s, std::uint32_t v);
void PutColor(std::string& s, Rgb c);

} // namespace material::wmf
