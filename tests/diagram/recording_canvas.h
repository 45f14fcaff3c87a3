#pragma once
// A canvas that records every call in device coordinates, with the font, pen
// and brush in force when a shape, text or line was drawn.
#include "canvas.h"

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace vdtest {

struct CanvasState {
    std::string fontName;
    int fontSize = 0;
    vd::Rgb fontColor{};
    unsigned fontStyle = 0;
    vd::Rgb pen{};
    int penWidth = 1;
    vd::Rgb brush{255, 255, 255};
    int curX = 0, curY = 0; // line position
};

struct CanvasCall {
    enum class Op {
        FontName, FontSize, FontColor, FontStyle, PenColor, PenWidth, BrushColor,
        Rectangle, Ellipse, Text, MoveTo, LineTo, StretchDraw,
    };
    Op op;
    // Shapes: the box. Text, MoveTo: (x1, y1). LineTo: from (x1, y1) to (x2, y2).
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text; // the text, or the font name
    int value = 0;    // font size, pen width or style bits
    vd::Rgb colour{}; // the colour set
    const vd::CanvasPicture* picture = nullptr;
    CanvasState state; // after the call
};

class RecordingCanvas : public vd::Canvas {
public:
    using Op = CanvasCall::Op;

    void SetFontName(const std::string& name) override { state_.fontName = name; Add(Op::FontName).text = name; }
    void SetFontSize(int points) override { state_.fontSize = points; Add(Op::FontSize).value = points; }
    void SetFontColor(vd::Rgb c) override { state_.fontColor = c; Add(Op::FontColor).colour = c; }
    void SetFontStyle(unsigned s) override { state_.fontStyle = s; Add(Op::FontStyle).value = static_cast<int>(s); }
    void SetPenColor(vd::Rgb c) override { state_.pen = c; Add(Op::PenColor).colour = c; }
    void SetPenWidth(int w) override { state_.penWidth = w; Add(Op::PenWidth).value = w; }
    void SetBrushColor(vd::Rgb c) override { state_.brush = c; Add(Op::BrushColor).colour = c; }
    void Rectangle(int l, int t, int r, int b) override { Box(Op::Rectangle, l, t, r, b); }
    void Ellipse(int l, int t, int r, int b) override { Box(Op::Ellipse, l, t, r, b); }
    void TextOut(int x, int y, const std::string& text) override {
        CanvasCall& c = Add(Op::Text);
        c.x1 = x;
        c.y1 = y;
        c.text = text;
    }
    void MoveTo(int x, int y) override {
        state_.curX = x;
        state_.curY = y;
        CanvasCall& c = Add(Op::MoveTo);
        c.x1 = x;
        c.y1 = y;
    }
    void LineTo(int x, int y) override {
        const int fx = state_.curX, fy = state_.curY;
        state_.curX = x;
        state_.curY = y;
        CanvasCall& c = Add(Op::LineTo);
        c.x1 = fx;
        c.y1 = fy;
        c.x2 = x;
        c.y2 = y;
    }
    void StretchDraw(int l, int t, int r, int b, const vd::CanvasPicture* p) override {
        Box(Op::StretchDraw, l, t, r, b).picture = p;
    }

    const std::vector<CanvasCall>& calls() const { return calls_; }
    const CanvasState& state() const { return state_; }
    void clear() { calls_.clear(); }

    std::vector<CanvasCall> Of(Op op) const {
        return Where([op](const CanvasCall& c) { return c.op == op; });
    }
    std::vector<CanvasCall> Where(const std::function<bool(const CanvasCall&)>& pred) const {
        std::vector<CanvasCall> out;
        std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out), pred);
        return out;
    }
    // The texts drawn at (x, y), in drawing order.
    std::vector<std::string> TextsAt(int x, int y) const {
        std::vector<std::string> out;
        for (const auto& c : calls_)
            if (c.op == Op::Text && c.x1 == x && c.y1 == y)
                out.push_back(c.text);
        return out;
    }
    // The one text at (x, y), or "<none>" / "<several>".
    std::string TextAt(int x, int y) const {
        auto t = TextsAt(x, y);
        return t.empty() ? "<none>" : t.size() > 1 ? "<several>" : t[0];
    }
    bool HasLine(int x1, int y1, int x2, int y2) const {
        return std::any_of(calls_.begin(), calls_.end(), [&](const CanvasCall& c) {
            return c.op == Op::LineTo && c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2;
        });
    }

private:
    CanvasCall& Add(Op op) {
        calls_.push_back(CanvasCall{op});
        calls_.back().state = state_;
        return calls_.back();
    }
    CanvasCall& Box(Op op, int l, int t, int r, int b) {
        CanvasCall& c = Add(op);
        c.x1 = l;
        c.y1 = t;
        c.x2 = r;
        c.y2 = b;
        return c;
    }
    CanvasState state_;
    std::vector<CanvasCall> calls_;
};

inline std::ostream& operator<<(std::ostream& os, const vd::Rgb& c) {
    return os << "rgb(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")";
}

} // namespace vdtest

namespace vd {
inline void PrintTo(const Rgb& c, std::ostream* os) { vdtest::operator<<(*os, c); }
} // namespace vd
