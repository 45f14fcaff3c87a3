#pragma once
// The Qt implementation of every seam, owned in one place. The program makes
// one set and hands services() to the main window, which passes it on.
#include "qt_clip_services.h"
#include "qt_message_service.h"
#include "qt_print_service.h"
#include "ui_services.h"

class QWidget;

namespace vd {

class QtUiServices {
  public:
    QtUiServices() = default;
    QtUiServices(const QtUiServices&) = delete;
    QtUiServices& operator=(const QtUiServices&) = delete;

    // The window the dialogs open over when no modal dialog is showing.
    void SetDialogParent(QWidget* parent);
    UiServices services() { return {&messages_, &input_, &printer_, &clipboard_}; }

  private:
    QtMessageService messages_;
    QtInputDialogService input_;
    QtPrintService printer_;
    QtClipboardService clipboard_;
};

} // namespace vd
