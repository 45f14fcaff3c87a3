// The printout logos. Frames are in 1/1440 inch with the exact proportions of
// the rectangles the printouts stretch them into (page units of 1/20 inch,
// 72 logical units each), so nothing is distorted on paper.
#include "material.h"

#include "drafting.h"

#include <algorithm>

namespace material {
namespace {

constexpr int kInch = 1440;
constexpr double kPageUnit = 72;

QRectF FrameOf(double pageUnitsWide, double pageUnitsHigh) {
    return QRectF(0, 0, pageUnitsWide * kPageUnit, pageUnitsHigh * kPageUnit);
}

// The word, as large as `maxHeight` allows and no wider than `maxWidth`.
TextStyle WordStyle(double maxHeight, double maxWidth, Rgb color) {
    TextStyle t;
    t.bold = true;
    t.color = color;
    t.height = 100;
    const double per = Sheet::textWidth("Vandrel", t) / 100;
    t.height = std::min(maxHeight, maxWidth / per);
    return t;
}

// Data sheet, top right above the address block: 41 × 14 page units.
std::string DataSheetLogo() {
    const QRectF f = FrameOf(41, 14);
    Sheet s(f, kInch);
    const double r = f.height() * 0.43;
    DrawFanMark(s, QPointF(r + 40, f.height() / 2), r, ink::kNavy, ink::kBlue, ink::kNavy);
    const double x = 2 * r + 190;
    TextStyle word = WordStyle(f.height() * 0.52, f.width() - x - 30, ink::kNavy);
    s.text(QPointF(x, f.height() * 0.6), "Vandrel", word);
    TextStyle tag;
    tag.height = word.height * 0.25;
    tag.bold = true;
    tag.color = ink::kSlate;
    tag.spacing = tag.height * 0.16;
    s.text(QPointF(x + word.height * 0.04, f.height() * 0.86), "VENTILATION FANS", tag);
    return s.finish();
}

// Quotation letterhead across the top: 120 × 17 page units.
std::string QuotationLetterhead() {
    const QRectF f = FrameOf(120, 17);
    Sheet s(f, kInch);
    const double h = f.height();
    const double r = h * 0.36;
    DrawFanMark(s, QPointF(r + 40, h * 0.44), r, ink::kNavy, ink::kBlue, ink::kNavy);
    const double x = 2 * r + 200;
    TextStyle word = WordStyle(h * 0.5, f.width() * 0.3, ink::kNavy);
    s.text(QPointF(x, h * 0.63), "Vandrel", word);
    const double rule = x + Sheet::textWidth("Vandrel", word) + 170;
    s.pen(ink::kBlue, 16);
    s.line(QPointF(rule, h * 0.16), QPointF(rule, h * 0.72));
    TextStyle tag;
    tag.height = h * 0.15;
    tag.bold = true;
    tag.color = ink::kNavy;
    tag.spacing = tag.height * 0.18;
    s.text(QPointF(rule + 170, h * 0.38), "VENTILATION FANS", tag);
    TextStyle range;
    range.height = h * 0.125;
    range.color = ink::kSlate;
    s.text(QPointF(rule + 170, h * 0.64),
           "Duct fans \xB7 Roof fans \xB7 Wall fans \xB7 Centrifugal fans \xB7 Smoke extract",
           range);
    // A rule along the foot, navy fading into the blue of the blades.
    s.noPen();
    s.brush(ink::kNavy);
    s.rect(QRectF(0, h * 0.88, f.width() * 0.62, h * 0.045));
    s.brush(ink::kBlue);
    s.rect(QRectF(f.width() * 0.62, h * 0.88, f.width() * 0.25, h * 0.045));
    s.brush(ink::kSky);
    s.rect(QRectF(f.width() * 0.87, h * 0.88, f.width() * 0.13, h * 0.045));
    return s.finish();
}

// Instruction sheet, top left: the badge, 50 × 18 page units.
std::string InstructionBadge() {
    const QRectF f = FrameOf(50, 18);
    Sheet s(f, kInch);
    s.noPen();
    s.brush(ink::kNavy);
    s.roundRect(f, f.height() * 0.12);
    const double r = f.height() * 0.34;
    s.brush(ink::kWhite);
    s.circle(QPointF(r + 170, f.height() / 2), r * 1.06);
    DrawFanMark(s, QPointF(r + 170, f.height() / 2), r, ink::kNavy, ink::kBlue, ink::kNavy);
    const double x = 2 * r + 330;
    TextStyle word = WordStyle(f.height() * 0.42, f.width() - x - 140, ink::kWhite);
    s.text(QPointF(x, f.height() * 0.58), "Vandrel", word);
    TextStyle tag;
    tag.height = word.height * 0.24;
    tag.bold = true;
    tag.color = ink::kSky;
    tag.spacing = tag.height * 0.16;
    s.text(QPointF(x + word.height * 0.04, f.height() * 0.8), "VENTILATION FANS", tag);
    return s.finish();
}

} // namespace

const std::vector<LogoFile>& LogoFiles() {
    static const std::vector<LogoFile> files = {
        {"vandrel_logo.wmf", DataSheetLogo},
        {"logo_text.wmf", QuotationLetterhead},
        {"Vandrel_Logo.wmf", InstructionBadge},
    };
    return files;
}

} // namespace material
