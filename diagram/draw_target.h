#pragma once
// Where and at what scale a drawing lands: a canvas, device pixels per page
// unit, the drawing's origin in page units and page units per drawing unit.
// The screen target is (canvas, 1, 1, 0, 0, 1.0, 1.0); the printouts use the
// printer's pixels per 1/20 inch and their own origin and scale.
//
// Rectangles, ellipses and texts round the scaled position to whole page units
// before multiplying by the unit; line moves and draws round in device pixels.
// Rounding takes halves to the even neighbour.
#include "canvas.h"

#include <cstdint>
#include <string>

namespace vd {

// v rounded to the nearest integer, halves to even, clamped to what a canvas
// coordinate can hold; NaN gives 0.
int RoundHalfEven(long double v);

// v rounded as above and kept as an unsigned 16-bit quantity (wrapping, so a
// small negative value becomes a large one). Non-finite values give 65535.
std::uint16_t RoundToWord(long double v);

struct DrawTarget {
    Canvas* canvas = nullptr;
    std::int32_t UnitX = 1, UnitY = 1;     // device pixels per page unit
    std::int32_t OriginX = 0, OriginY = 0; // page units
    float Scale = 1.0f;                    // page units per drawing unit
    float Spare = 1.0f;                    // carried by every caller, read by nobody

    static DrawTarget Screen(Canvas& c) { return DrawTarget{&c, 1, 1, 0, 0, 1.0f, 1.0f}; }

    // Device position of a rectangle, ellipse or text corner.
    int BoxX(long double x) const;
    int BoxY(long double y) const;
    // Device position of a line point.
    int LineX(long double x) const;
    int LineY(long double y) const;

    // The canvas operations in drawing units.
    void Rectangle(int left, int top, int right, int bottom) const;
    void Ellipse(int left, int top, int right, int bottom) const;
    void Text(int x, int y, const std::string& text) const;
    void MoveTo(float x, float y) const;
    void LineTo(float x, float y) const;
    void Line(float x0, float y0, float x1, float y1) const {
        MoveTo(x0, y0);
        LineTo(x1, y1);
    }
    void StretchDraw(int left, int top, int right, int bottom, const CanvasPicture* picture) const;
};

} // namespace vd
