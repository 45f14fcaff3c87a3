// vdcat diagram: the performance diagram of a fan found for a duty with its
// data table, drawn as the window's diagram page draws them, into a PNG (or an
// SVG where the build has Qt's SVG module).
#include "commands.h"
#include "gui_app.h"

#include "draw_target.h"
#include "errors.h"
#include "fan_tables.h"
#include "number_text.h"
#include "performance_diagram.h"
#include "qpainter_canvas.h"
#include "results_grid.h"
#include "vd_variables.h"

#include <QImage>
#include <QPainter>
#ifdef VDCAT_WITH_SVG
#include <QSvgGenerator>
#endif

#include <cstdio>

namespace vdcat {
namespace {

// The window's diagram picture, in its 96-dpi pixels.
constexpr int kDiagramWidth = 545, kDiagramHeight = 342;
constexpr int kScreenDpi = 96;
// A diagram larger than this is no use on any screen and costs the memory of one.
constexpr int kMaxDiagramSide = 4096;

int DiagramUsage(const std::string& why) {
    return Usage("diagram", why);
}

// The two drawings of the diagram page on `device`, scaled from the window's
// picture to width × height.
void Draw(QPaintDevice& device, int width, int height, const vd::ResultsGrid& grid) {
    QPainter painter(&device);
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    painter.scale(double(width) / kDiagramWidth, double(height) / kDiagramHeight);
    vd::QPainterCanvas canvas(painter, kScreenDpi);
    const vd::DrawTarget target = vd::DrawTarget::Screen(canvas);
    vd::NoDetailLoader noDetail;
    vd::DrawDiagram(target, grid, noDetail);
    vd::DrawDataTable(target, grid);
}

} // namespace

int RunDiagram(const Args& args) {
    std::vector<std::string> names = SelectionOptionNames();
    names.insert(names.end(), {"--fan", "--out", "--format", "--size"});
    Options o = ParseOptions(args, names, SelectionFlagNames());
    if (!o.error.empty())
        return DiagramUsage(o.error);
    if (!o.positional.empty())
        return DiagramUsage("unexpected argument " + o.positional.front());
    if (!o.get("--fan") || !o.get("--out"))
        return DiagramUsage("--fan and --out are required");
    auto fan = vd::ParseInteger(*o.get("--fan"));
    if (!fan)
        return DiagramUsage("--fan is a fan number");
    const std::string format = o.get("--format") ? *o.get("--format") : "png";
#ifdef VDCAT_WITH_SVG
    if (format != "png" && format != "svg")
        return DiagramUsage("--format is png or svg");
#else
    if (format != "png")
        return DiagramUsage(format == "svg" ? "--format svg: this build draws png only"
                                            : "--format is png");
#endif
    int width = kDiagramWidth, height = kDiagramHeight;
    if (const std::string* s = o.get("--size");
        s && (!ParseSize(*s, width, height) || width > kMaxDiagramSide || height > kMaxDiagramSide))
        return DiagramUsage("--size is WxH, each from 1 to " + std::to_string(kMaxDiagramSide));

    auto app = StartOffscreenGui();
    vd::ResultsGrid grid;
    DutyRequest request;
    if (int code = RunSelectionFromOptions("diagram", o, request, grid); code != kOk)
        return code;
    const int row = FanRow(grid, *fan);
    if (!row) {
        std::fprintf(stderr, "vdcat diagram: fan %lld is not among the results for this duty\n",
                     *fan);
        return kNoResult;
    }
    // The window's state when the fan's row is chosen.
    grid.SetCurrentRow(row);
    vd::SelectedFanNo = static_cast<std::int32_t>(*fan);
    const std::string& out = *o.get("--out");
    try {
#ifdef VDCAT_WITH_SVG
        if (format == "svg") {
            QSvgGenerator svg;
            svg.setFileName(QString::fromStdString(out));
            svg.setSize(QSize(width, height));
            svg.setViewBox(QRect(0, 0, width, height));
            svg.setResolution(kScreenDpi);
            Draw(svg, width, height, grid);
            return kOk;
        }
#endif
        QImage image(width, height, QImage::Format_RGB32);
        Draw(image, width, height, grid);
        if (!image.save(QString::fromStdString(out), "PNG")) {
            std::fprintf(stderr, "vdcat diagram: cannot write %s\n", out.c_str());
            return kDataError;
        }
    } catch (const vd::FileError& e) {
        std::fprintf(stderr, "vdcat diagram: %s\n", e.what());
        return kDataError;
    } catch (const vd::ConversionError& e) {
        std::fprintf(stderr, "vdcat diagram: %s\n", e.what());
        return kDataError;
    }
    return kOk;
}

} // namespace vdcat
