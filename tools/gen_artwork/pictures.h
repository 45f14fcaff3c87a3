#pragma once
// One function per picture; each returns the finished picture at its final size.
#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <QString>

#include <vector>

namespace art {

// The navigation button's picture. Its bottom-left pixel is the transparent
// key colour of the button control and no other pixel has that colour, so
// the control draws the whole picture opaque.
inline constexpr QRgb kButtonKeyColour = 0xFFFBFBFB;
QImage MakeButton();

QImage MakeBanner();
QImage MakeLogo();
QImage MakeAbout();
QImage MakeCompanyBuilding();
QImage MakeCompanyEmblem();

// The application icon, `size` pixels square, transparent outside its disc.
QImage MakeIcon(int size);

QImage MakeFlagUk();
QImage MakeFlagSweden();
QImage MakeFlagFinland();
QImage MakeFlagFrance();
QImage MakeFlagItaly();

// The product range browser's family pictures: each family in an excluded
// look ("<name>.bmp", shown at start) and an included look ("<name>_r.bmp").
struct FamilyPicture {
    QString fileStem; // exact file name part, case kept: "UVX", "EH", "AQ"
    int width;
    int height;
    // Paints the fan in full colour into a box 100 units wide and
    // box.height() units high (the picture's inner area, aspect kept).
    void (*paint)(QPainter& p, const QSizeF& box);
};
const std::vector<FamilyPicture>& FamilyPictures();
QImage ExcludedLook(const FamilyPicture& family);
QImage IncludedLook(const FamilyPicture& family);

} // namespace art
