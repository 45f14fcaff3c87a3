#pragma once
// The clipboard and the one-line input box on Qt.
#include "clip_seams.h"

class QWidget;

namespace vd {

class QtClipboardService : public ClipboardService {
  public:
    void SetText(const std::string& text) override;
};

class QtInputDialogService : public InputDialogService {
  public:
    explicit QtInputDialogService(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    // Opens over the modal dialog that asks, if one is showing.
    std::string InputBox(const std::string& title, const std::string& prompt,
                         const std::string& initial) override;

  private:
    QWidget* parent_;
};

} // namespace vd
