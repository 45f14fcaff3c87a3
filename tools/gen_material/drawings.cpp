#include "drawings.h"

#include "catalogue_index.h"

#include <algorithm>

namespace material {

void DrawPw(Draft&, const QRectF&, const Dims&);
void DrawMtzl(Draft&, const QRectF&, const Dims&);
void DrawMt(Draft&, const QRectF&, const Dims&);
void DrawMtz(Draft&, const QRectF&, const Dims&);
void DrawUdy(Draft&, const QRectF&, const Dims&);
void DrawUdyz(Draft&, const QRectF&, const Dims&);
void DrawEhy(Draft&, const QRectF&, const Dims&);
void DrawBn(Draft&, const QRectF&, const Dims&);
void DrawBq(Draft&, const QRectF&, const Dims&);
void DrawAq(Draft&, const QRectF&, const Dims&);
void DrawLw(Draft&, const QRectF&, const Dims&);
void DrawGhj(Draft&, const QRectF&, const Dims&);
void DrawGhz(Draft&, const QRectF&, const Dims&);
void DrawUvj(Draft&, const QRectF&, const Dims&);
void DrawUvx(Draft&, const QRectF&, const Dims&);

const std::vector<DrawingKind>& DrawingKinds() {
    static const std::vector<DrawingKind> kinds = {
        {"pw_dim.wmf", "circular in-line duct fan", DrawPw},
        {"mtzl_dim.wmf", "in-line fan, sound-insulated casing", DrawMtzl},
        {"mt_dim.wmf", "rectangular duct fan", DrawMt},
        {"mtz_dim.wmf", "in-line fan, circular spigots", DrawMtz},
        {"udy_dim.wmf", "sound-insulated box fan", DrawUdy},
        {"udyz_dim.wmf", "box fan, circular spigots", DrawUdyz},
        {"ehy_dim.wmf", "long-cased axial fan", DrawEhy},
        {"ghj_dim.wmf", "roof fan, vertical discharge", DrawGhj},
        {"ghz_dim.wmf", "roof fan, horizontal discharge", DrawGhz},
        {"bn_dim.wmf", "axial wall fan, round plate", DrawBn},
        {"bq_dim.wmf", "axial wall fan, square plate", DrawBq},
        {"aq_dim.wmf", "axial plate fan", DrawAq},
        {"lw_dim.wmf", "centrifugal wall fan", DrawLw},
        {"uvj_dim.wmf", "centrifugal fan, direct drive", DrawUvj},
        {"uvx_dim.wmf",
         "smoke-extract fan, 200 \xB0"
         "C",
         DrawUvx},
    };
    return kinds;
}

const DrawingKind* FindDrawingKind(const std::string& file) {
    const std::string key = Lower(file);
    for (const DrawingKind& k : DrawingKinds())
        if (key == k.file)
            return &k;
    return nullptr;
}

std::string MakeDimensionDrawing(const DrawingKind& kind, const std::string& families,
                                 const Dims& dims, std::vector<std::string>* shownLetters) {
    Sheet sheet(kDrawingFrame, kDrawingUnitsPerInch);
    Draft draft(sheet);
    std::string stem = kind.file;
    stem = stem.substr(0, stem.find('_'));
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    const QRectF area = draft.borderAndTitle(families, kind.description, "VD-" + stem + "-01");
    kind.draw(draft, area, dims);
    if (shownLetters)
        shownLetters->assign(draft.letters().begin(), draft.letters().end());
    return sheet.finish();
}

} // namespace material
