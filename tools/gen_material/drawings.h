#pragma once
// The dimension drawings, one per housing: front and side views to the
// proportions of a mid-range size, with the dimension letters of the
// catalogue's dimension table.
#include "drafting.h"

#include <string>
#include <vector>

namespace material {

struct DrawingKind {
    const char* file;        // as the catalogue names it, lower case
    const char* description; // for the title strip
    // Draws the views into `area` to the proportions of `dims`.
    void (*draw)(Draft& d, const QRectF& area, const Dims& dims);
};

const std::vector<DrawingKind>& DrawingKinds();
const DrawingKind* FindDrawingKind(const std::string& file);

// The finished metafile. `families` names the families that use the drawing
// ("PW · PW60"); `shownLetters` receives the letters the drawing shows.
std::string MakeDimensionDrawing(const DrawingKind& kind, const std::string& families,
                                 const Dims& dims,
                                 std::vector<std::string>* shownLetters = nullptr);

// Frame of the drawings, in the proportions of the box the data sheet
// stretches them into (140 × 68 page units), so that a round fan stays round
// on the sheet the customer gets.
inline const QRectF kDrawingFrame(0, 0, 5040, 2448);
inline constexpr int kDrawingUnitsPerInch = 960;

// Parts several housings share (drawings_parts.cpp).
namespace parts {
// Offsets of dimension lines from the outline (logical units) and the room a
// view keeps for one or two rows of them, the same on every sheet.
inline constexpr double kDim1 = 170;
inline constexpr double kDimStep = 210;
inline constexpr double kPad1 = 360;
inline constexpr double kPad2 = kPad1 + kDimStep;
inline constexpr double kPadNone = 40;

// A motor terminal box seen from the side: lid, body, cable gland.
void TerminalBox(Draft& d, const QRectF& r, bool glandRight = true);
// A circular spigot seen from the side, along the view's axis (y = 0) from
// its open end to where it joins the casing, with its sealing bead.
void SpigotSide(Draft& d, const View& v, double openEnd, double joinedEnd, double diameter);
// An external-rotor or standard motor hidden inside a casing.
void HiddenMotor(Draft& d, const View& v, double x0, double x1, double diameter);
// An axial impeller seen face on: hub and blades, thin lines.
void AxialImpellerFace(Draft& d, QPointF c, double tipRadius, double hubRadius, int blades);
// A wire guard seen face on: rings and spokes.
void GuardFace(Draft& d, QPointF c, double radius, int rings, int spokes);
// Fixing holes on a circle, with their centre marks.
void HolesOnCircle(Draft& d, QPointF c, double pitchRadius, double holeRadius, int count,
                   double startDeg);
// A fixing hole with a small centre cross.
void Hole(Draft& d, QPointF c, double r);
} // namespace parts

} // namespace material
