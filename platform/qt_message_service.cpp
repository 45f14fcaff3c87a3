#include "qt_message_service.h"

#include "qt_text.h"

#include <QApplication>
#include <QMessageBox>

namespace vd {

namespace {

void Show(QWidget* parent, QMessageBox::Icon icon, const std::string& text) {
    // Over the modal dialog that reports, if one is showing.
    if (QWidget* modal = QApplication::activeModalWidget())
        parent = modal;
    QMessageBox box(icon, QApplication::applicationDisplayName(), FromCp1252(text), QMessageBox::Ok,
                    parent);
    box.exec();
}

} // namespace

void QtMessageService::ShowMessage(const std::string& text) {
    Show(parent_, QMessageBox::NoIcon, text);
}

void QtMessageService::ShowError(const std::string& text) {
    Show(parent_, QMessageBox::Critical, text);
}

} // namespace vd
