#include "fan_pictures.h"

#include "draw_target.h"
#include "fan_tables.h"
#include "qpainter_canvas.h"

#include <QPainter>

namespace vd {

namespace {

// The screen pictures are laid out in 96-dpi pixels, whatever the screen.
constexpr int kScreenDpi = 96;

} // namespace

void DrawFanPictures(QImage& diagram, QImage& dimensions, const ResultsGrid& grid,
                     DetailLoader& detail) {
    {
        QPainter painter(&diagram);
        QPainterCanvas canvas(painter, kScreenDpi);
        const DrawTarget target = DrawTarget::Screen(canvas);
        DrawDiagram(target, grid, detail);
        DrawDataTable(target, grid);
    }
    QPainter painter(&dimensions);
    QPainterCanvas canvas(painter, kScreenDpi);
    DrawDimensionTable(DrawTarget::Screen(canvas));
}

} // namespace vd
