#include "page_recording.h"

namespace vd {

void PageRecording::SetFontName(const std::string& name) {
    calls_.push_back([name](Canvas& c) { c.SetFontName(name); });
}
void PageRecording::SetFontSize(int points) {
    calls_.push_back([points](Canvas& c) { c.SetFontSize(points); });
}
void PageRecording::SetFontColor(Rgb colour) {
    calls_.push_back([colour](Canvas& c) { c.SetFontColor(colour); });
}
void PageRecording::SetFontStyle(unsigned style) {
    calls_.push_back([style](Canvas& c) { c.SetFontStyle(style); });
}
void PageRecording::SetPenColor(Rgb colour) {
    calls_.push_back([colour](Canvas& c) { c.SetPenColor(colour); });
}
void PageRecording::SetPenWidth(int width) {
    calls_.push_back([width](Canvas& c) { c.SetPenWidth(width); });
}
void PageRecording::SetBrushColor(Rgb colour) {
    calls_.push_back([colour](Canvas& c) { c.SetBrushColor(colour); });
}
void PageRecording::Rectangle(int l, int t, int r, int b) {
    calls_.push_back([=](Canvas& c) { c.Rectangle(l, t, r, b); });
}
void PageRecording::Ellipse(int l, int t, int r, int b) {
    calls_.push_back([=](Canvas& c) { c.Ellipse(l, t, r, b); });
}
void PageRecording::TextOut(int x, int y, const std::string& text) {
    calls_.push_back([=](Canvas& c) { c.TextOut(x, y, text); });
}
void PageRecording::MoveTo(int x, int y) {
    calls_.push_back([=](Canvas& c) { c.MoveTo(x, y); });
}
void PageRecording::LineTo(int x, int y) {
    calls_.push_back([=](Canvas& c) { c.LineTo(x, y); });
}

void PageRecording::StretchDraw(int l, int t, int r, int b, const CanvasPicture* picture) {
    const auto* qt = dynamic_cast<const QtCanvasPicture*>(picture);
    std::shared_ptr<const QtCanvasPicture> copy =
        qt ? std::make_shared<QtCanvasPicture>(*qt) : nullptr;
    calls_.push_back([=](Canvas& c) { c.StretchDraw(l, t, r, b, copy.get()); });
}

void PageRecording::Replay(Canvas& canvas) const {
    for (const auto& call : calls_)
        call(canvas);
}

} // namespace vd
