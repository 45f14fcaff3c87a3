#pragma once
// A canvas that records every call in device coordinates, with the font, pen
// and brush in force at the time.
#include "canvas.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace vdtest {

struct CanvasState {
    std::string fontName;
    int fontSize = 0;
    vd::Rgb fontColor{};
    vd::Rgb pen{};
    vd::Rgb brush{255, 255, 255};
    int x = 0, y = 0; // line position
};

struct CanvasCall {
    enum class Op { Font, Pen, Brush, Rectangle, Ellipse, Text, MoveTo, LineTo, Picture } op;
    // Boxes; a text's or move's point in (x1, y1); a line from (x1, y1) to (x2, y2).
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text;
    CanvasState state; // after the call
    std::array<int, 4> box() const { return {x1, y1, x2, y2}; }
};

class RecordingCanvas : public vd::Canvas {
  public:
    using Op = CanvasCall::Op;
    void SetFontName(const std::string& n) override { s_.fontName = n, Add(Op::Font); }
    void SetFontSize(int p) override { s_.fontSize = p, Add(Op::Font); }
    void SetFontColor(vd::Rgb c) override { s_.fontColor = c, Add(Op::Font); }
    void SetFontStyle(unsigned) override { Add(Op::Font); }
    void SetPenColor(vd::Rgb c) override { s_.pen = c, Add(Op::Pen); }
    void SetPenWidth(int) override { Add(Op::Pen); }
    void SetBrushColor(vd::Rgb c) override { s_.brush = c, Add(Op::Brush); }
    void Rectangle(int l, int t, int r, int b) override { Add(Op::Rectangle, l, t, r, b); }
    void Ellipse(int l, int t, int r, int b) override { Add(Op::Ellipse, l, t, r, b); }
    void TextOut(int x, int y, const std::string& t) override { Add(Op::Text, x, y).text = t; }
    void MoveTo(int x, int y) override { s_.x = x, s_.y = y, Add(Op::MoveTo, x, y); }
    void LineTo(int x, int y) override {
        const int fx = s_.x, fy = s_.y;
        s_.x = x, s_.y = y;
        Add(Op::LineTo, fx, fy, x, y);
    }
    void StretchDraw(int l, int t, int r, int b, const vd::CanvasPicture*) override {
        Add(Op::Picture, l, t, r, b);
    }

    const std::vector<CanvasCall>& calls() const { return calls_; }
    const CanvasState& state() const { return s_; }
    void clear() { calls_.clear(); }

    template <typename Pred> std::vector<CanvasCall> Where(Pred pred) const {
        std::vector<CanvasCall> out;
        std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out), pred);
        return out;
    }
    std::vector<CanvasCall> Of(Op op) const {
        return Where([op](const CanvasCall& c) { return c.op == op; });
    }
    // The one text at (x, y), "<none>" or "<several>".
    std::string TextAt(int x, int y) const {
        auto t =
            Where([&](const CanvasCall& c) { return c.op == Op::Text && c.x1 == x && c.y1 == y; });
        return t.empty() ? "<none>" : t.size() > 1 ? "<several>" : t[0].text;
    }
    int LinesFromTo(int x1, int y1, int x2, int y2) const {
        return static_cast<int>(
            Where([&](const CanvasCall& c) {
                return c.op == Op::LineTo && c.box() == std::array{x1, y1, x2, y2};
            }).size());
    }

  private:
    CanvasCall& Add(Op op, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0) {
        calls_.push_back(CanvasCall{op, x1, y1, x2, y2, {}, s_});
        return calls_.back();
    }
    CanvasState s_;
    std::vector<CanvasCall> calls_;
};

} // namespace vdtest

namespace vd {
inline void PrintTo(const Rgb& c, std::ostream* os) {
    *os << "rgb(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")";
}
} // namespace vd
