#pragma once
// A printout drawn first into a recording and sent to the printer only when
// it was drawn to its end: a printout that fails leaves no page behind, and
// the pages of one run can go into one file.
#include "canvas.h"
#include "qpainter_canvas.h"

#include <functional>
#include <memory>
#include <vector>

namespace vd {

class PageRecording final : public Canvas {
  public:
    void SetFontName(const std::string& name) override;
    void SetFontSize(int points) override;
    void SetFontColor(Rgb colour) override;
    void SetFontStyle(unsigned style) override;
    void SetPenColor(Rgb colour) override;
    void SetPenWidth(int width) override;
    void SetBrushColor(Rgb colour) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, const std::string& text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    // Keeps its own copy of the picture: the printouts' pictures live only
    // while they are drawn.
    void StretchDraw(int left, int top, int right, int bottom,
                     const CanvasPicture* picture) override;

    // Draws everything recorded, in order, on `canvas`.
    void Replay(Canvas& canvas) const;
    bool empty() const { return calls_.empty(); }

  private:
    std::vector<std::function<void(Canvas&)>> calls_;
};

} // namespace vd
