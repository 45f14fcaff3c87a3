// The application icon: the logo's fan mark on its disc, alone, on a
// transparent ground, drawn for each size of the desktop's icon theme.
#include "art_common.h"
#include "fan_mark.h"
#include "pictures.h"

#include <algorithm>

namespace art {

QImage MakeIcon(int size) {
    // Small sizes get a heavier ring so that the mark keeps its outline.
    const bool small = size <= 24;
    return RenderSupersampled(size, size, size < 64 ? 8 : 4, Qt::transparent, [=](QPainter& p) {
        const double margin = std::max(0.5, size / 32.0);
        const double radius = size / 2.0 - margin;
        DrawEmblem(p, QPointF(size / 2.0, size / 2.0), radius, small ? 0.14 : 0.085);
    });
}

} // namespace art
