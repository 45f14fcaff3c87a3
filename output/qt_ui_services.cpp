#include "qt_ui_services.h"

namespace vd {

void QtUiServices::SetDialogParent(QWidget* parent) {
    messages_.setParent(parent);
    input_.setParent(parent);
    printer_.setParent(parent);
}

} // namespace vd
