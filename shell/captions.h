#pragma once
// Captions of the window's controls, found by name through the caption table.
#include "window_captions.h"

#include <QString>
#include <functional>

class QWidget;

namespace vd {

// Gives every control of the caption table under `window` the text `text`
// returns for its row. A name the window does not hold is skipped.
void ApplyCaptions(QWidget& window, const std::function<QString(const WindowCaption&)>& text);

// The caption a control shows: a hot-spot button's caption, a label's or a
// check box's text; empty for any other control.
QString CaptionOf(const QWidget* control);

} // namespace vd
