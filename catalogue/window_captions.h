#pragma once
// Which control of the main window takes which language text as its caption,
// and the caption the window's layout gives it before any language is applied:
// "x" and its English caption, so that a start-up that stopped before the
// language file still shows every button for what it is.
#include <span>

namespace vd {

struct WindowCaption {
    const char* control; // the control's name; "bn_" marks a hot-spot button
    int entry;           // language text
    const char* placeholder;
};

// In the order the captions are applied.
std::span<const WindowCaption> WindowCaptions();

} // namespace vd
