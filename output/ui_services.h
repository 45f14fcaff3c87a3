#pragma once
// Every seam between the windows and the outside world, gathered: message
// boxes, the one-line input box, the print dialog with its printer, and the
// clipboard. The program hands the Qt set (QtUiServices) to its windows;
// tests hand recorders. The interfaces stay with the Qt-free code that uses
// them.
#include "clip_seams.h"
#include "print_service.h"
#include "ui_seams.h"

namespace vd {

struct UiServices {
    MessageService* messages = nullptr;
    InputDialogService* input = nullptr;
    PrintService* printer = nullptr;
    ClipboardService* clipboard = nullptr;
};

} // namespace vd
