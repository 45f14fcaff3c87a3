// The application icon: the logo's fan mark on its disc, alone, on a
// transparent ground, drawn for each size of the desktop's icon theme.
#include "art_common.h"
#include "fan_mark.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>

namespace art {

QImage MakeIcon(int size) {
    // Small sizes get a heavier ring so that the mark keeps its outline.
    const bool small = size <= 24;
    return RenderSupersampled(size, size, size < 64 ? 8 : 4, Qt::transparent, [=](QPainter& p) {
        const double margin = std::max(0.5, size / 32.0);
        const double radius = size / 2.0 - margin;
        const QPointF centre(size / 2.0, size / 2.0);

        QRadialGradient face(centre + QPointF(-radius * 0.3, -radius * 0.38), radius * 1.5);
        face.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
        face.setColorAt(1.0, QColor(0xE4, 0xF0, 0xFA));
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        p.drawEllipse(centre, radius, radius);

        FanMarkStyle style;
        QLinearGradient blades(centre + QPointF(-radius, -radius),
                               centre + QPointF(radius, radius));
        blades.setColorAt(0.0, brand::kSky);
        blades.setColorAt(1.0, brand::kBlue);
        style.blades = blades;
        style.hub = brand::kNavy;
        style.ring = brand::kNavy;
        style.ringWidth = small ? 0.14 : 0.085;
        style.rotationDeg = -18;
        DrawFanMark(p, centre, radius, style);
    });
}

} // namespace art
