// The picture shown where a fan's drawing or diagram file is missing: a light
// frame and a quiet line of text, in the proportions of the drawing page.
#include "material.h"

#include "drafting.h"

namespace material {

std::string MakeBlankPicture() {
    const QRectF frame(0, 0, 5000, 3000);
    Sheet s(frame, 960);
    const Rgb light{0xC8, 0xCF, 0xD6};
    s.pen(light, 10);
    s.noBrush();
    s.rect(frame.adjusted(45, 45, -45, -45));
    DrawFanMark(s, QPointF(2500, 1270), 260, Rgb{0xDD, 0xE3, 0xE9}, Rgb{0xE6, 0xEB, 0xF0},
                Rgb{0xDD, 0xE3, 0xE9});
    TextStyle t;
    t.height = 150;
    t.color = Rgb{0x9A, 0xA5, 0xB0};
    t.align = wmf::kTaCenter | wmf::kTaBaseline;
    s.text(QPointF(2500, 1850), "No drawing available", t);
    return s.finish();
}

} // namespace material
