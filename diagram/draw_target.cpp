#include "draw_target.h"

#include <cmath>
#include <cstdint>

namespace vd {
namespace {

using LD = long double;

// Far outside any page or picture, and safe to scale and offset in 64 bits.
constexpr long long kCoordLimit = 1LL << 28;

int Clamp(long long v) {
    if (v > kCoordLimit)
        return static_cast<int>(kCoordLimit);
    if (v < -kCoordLimit)
        return static_cast<int>(-kCoordLimit);
    return static_cast<int>(v);
}

// Halves to even: rint in the default rounding mode gives what nearbyint
// gives, without saving and restoring the floating-point environment.
LD Rnd(LD v) {
    return std::rint(v);
}

long long RoundClamped(LD v) {
    if (std::isnan(v))
        return 0;
    const LD r = Rnd(v);
    if (r > static_cast<LD>(kCoordLimit))
        return kCoordLimit;
    if (r < -static_cast<LD>(kCoordLimit))
        return -kCoordLimit;
    return static_cast<long long>(r);
}

} // namespace

int RoundHalfEven(LD v) {
    return Clamp(RoundClamped(v));
}

std::uint16_t RoundToWord(LD v) {
    if (!std::isfinite(v))
        return 0xFFFF;
    const LD r = Rnd(v);
    // Keep the low 16 bits of the integer, as a store into a 16-bit variable
    // does (conversion to an unsigned type is modular).
    if (std::fabs(r) < 0x1p62L)
        return static_cast<std::uint16_t>(static_cast<long long>(r));
    const LD m = std::fmod(r, 65536.0L); // exact in extended precision
    const long long w = static_cast<long long>(m < 0 ? m + 65536.0L : m);
    return static_cast<std::uint16_t>(w);
}

int DrawTarget::BoxX(LD x) const {
    return Clamp(static_cast<long long>(UnitX) * (RoundClamped(x * Scale) + OriginX));
}
int DrawTarget::BoxY(LD y) const {
    return Clamp(static_cast<long long>(UnitY) * (RoundClamped(y * Scale) + OriginY));
}
int DrawTarget::LineX(LD x) const {
    return Clamp(RoundClamped(static_cast<LD>(UnitX) * Scale * x) +
                 static_cast<long long>(UnitX) * OriginX);
}
int DrawTarget::LineY(LD y) const {
    return Clamp(RoundClamped(static_cast<LD>(UnitY) * Scale * y) +
                 static_cast<long long>(UnitY) * OriginY);
}

void DrawTarget::Rectangle(int left, int top, int right, int bottom) const {
    canvas->Rectangle(BoxX(left), BoxY(top), BoxX(right), BoxY(bottom));
}
void DrawTarget::Ellipse(int left, int top, int right, int bottom) const {
    canvas->Ellipse(BoxX(left), BoxY(top), BoxX(right), BoxY(bottom));
}
void DrawTarget::Text(int x, int y, const std::string& text) const {
    canvas->TextOut(BoxX(x), BoxY(y), text);
}
void DrawTarget::MoveTo(float x, float y) const {
    canvas->MoveTo(LineX(x), LineY(y));
}
void DrawTarget::LineTo(float x, float y) const {
    canvas->LineTo(LineX(x), LineY(y));
}
void DrawTarget::StretchDraw(int left, int top, int right, int bottom,
                             const CanvasPicture* picture) const {
    canvas->StretchDraw(BoxX(left), BoxY(top), BoxX(right), BoxY(bottom), picture);
}

} // namespace vd
