#pragma once
// The two system-bound operations of the clipboard set-up window besides the
// message box: the clipboard and the one-line input dialog. The window gets
// Qt implementations; tests pass fakes.
#include <string>

namespace vd {

class ClipboardService {
  public:
    virtual ~ClipboardService() = default;
    // Replaces the clipboard's content by plain text (Windows-1252).
    virtual void SetText(const std::string& text) = 0;
};

class InputDialogService {
  public:
    virtual ~InputDialogService() = default;
    // Asks for one line of text, the field starting with `initial`; Cancel
    // gives `initial` back, so the caller cannot tell it from OK.
    virtual std::string InputBox(const std::string& title, const std::string& prompt,
                                 const std::string& initial) = 0;
};

} // namespace vd
