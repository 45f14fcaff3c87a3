#pragma once
// The clipboard and the input dialog on Qt, and the bundle of Qt services a
// clipboard set-up window uses when nobody passes it fakes.
#include "clip_seams.h"
#include "qt_message_service.h"

class QWidget;

namespace vd {

class QtClipboardService : public ClipboardService {
  public:
    void SetText(const std::string& text) override;
};

class QtInputDialogService : public InputDialogService {
  public:
    explicit QtInputDialogService(QWidget* parent = nullptr) : parent_(parent) {}
    std::string InputBox(const std::string& title, const std::string& prompt,
                         const std::string& initial) override;

  private:
    QWidget* parent_;
};

struct QtClipServices {
    explicit QtClipServices(QWidget* parent) : messages(parent), input(parent) {}
    QtMessageService messages;
    QtClipboardService clipboard;
    QtInputDialogService input;
};

} // namespace vd
