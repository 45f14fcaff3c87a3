#pragma once
// Builds small Windows metafiles byte by byte for the player's tests.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vdtest {

class WmfWriter {
  public:
    // A placeable header with the frame (left, top, right, bottom) in logical units.
    WmfWriter& placeable(int16_t left, int16_t top, int16_t right, int16_t bottom, uint16_t inch) {
        placeable_ = true;
        frame_[0] = left, frame_[1] = top, frame_[2] = right, frame_[3] = bottom;
        inch_ = inch;
        return *this;
    }
    // A record of 16-bit parameters, written in the order given.
    WmfWriter& rec(uint16_t function, std::initializer_list<int> words) {
        std::string p;
        for (int w : words)
            Put16(p, uint16_t(w));
        return raw(function, p);
    }
    // A record with ready-made parameter bytes (padded to whole words).
    WmfWriter& raw(uint16_t function, std::string params) {
        if (params.size() % 2)
            params.push_back('\0');
        Put32(body_, uint32_t(3 + params.size() / 2));
        Put16(body_, function);
        body_ += params;
        ++records_;
        return *this;
    }
    // A record whose size field says `words` whatever follows.
    WmfWriter& lyingRecord(uint32_t words, uint16_t function, std::string params = {}) {
        Put32(body_, words);
        Put16(body_, function);
        body_ += params;
        return *this;
    }
    std::string bytes(bool withEof = true) const {
        std::string body = body_;
        if (withEof) {
            Put32(body, 3);
            Put16(body, 0);
        }
        std::string out;
        if (placeable_) {
            Put32(out, 0x9AC6CDD7);
            Put16(out, 0);
            for (int16_t v : frame_)
                Put16(out, uint16_t(v));
            Put16(out, inch_);
            Put32(out, 0);
            uint16_t sum = 0;
            for (size_t i = 0; i < 20; i += 2)
                sum ^= uint16_t(uint8_t(out[i]) | (uint8_t(out[i + 1]) << 8));
            Put16(out, sum);
        }
        Put16(out, 1);      // memory metafile
        Put16(out, 9);      // header words
        Put16(out, 0x0300); // version
        Put32(out, uint32_t(9 + body.size() / 2));
        Put16(out, 16); // objects
        Put32(out, 64); // largest record
        Put16(out, 0);
        return out + body;
    }

    static void Put16(std::string& s, uint16_t v) {
        s.push_back(char(v & 0xFF));
        s.push_back(char(v >> 8));
    }
    static void Put32(std::string& s, uint32_t v) {
        Put16(s, uint16_t(v & 0xFFFF));
        Put16(s, uint16_t(v >> 16));
    }
    // COLORREF as two words.
    static int Lo(uint8_t r, uint8_t g) { return r | (g << 8); }
    static int Hi(uint8_t b) { return b; }

  private:
    bool placeable_ = false;
    int16_t frame_[4] = {0, 0, 0, 0};
    uint16_t inch_ = 96;
    std::string body_;
    int records_ = 0;
};

// Record functions used by the tests.
enum : uint16_t {
    kSaveDc = 0x001E,
    kCreatePalette = 0x00F7,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetPolyFillMode = 0x0106,
    kRestoreDc = 0x0127,
    kSelectClipRegion = 0x012C,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDibCreatePatternBrush = 0x0142,
    kDeleteObject = 0x01F0,
    kSetBkColor = 0x0201,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSetViewportOrg = 0x020D,
    kSetViewportExt = 0x020E,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kExcludeClipRect = 0x0415,
    kIntersectClipRect = 0x0416,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kSetPixel = 0x041F,
    kTextOut = 0x0521,
    kPolyPolygon = 0x0538,
    kRoundRect = 0x061C,
    kPatBlt = 0x061D,
    kEscape = 0x0626,
    kCreateRegion = 0x06FF,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kDibBitBlt = 0x0940,
    kExtTextOut = 0x0A32,
    kDibStretchBlt = 0x0B41,
    kStretchDib = 0x0F43,
};

} // namespace vdtest
