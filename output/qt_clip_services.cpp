#include "qt_clip_services.h"

#include "qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>

namespace vd {

void QtClipboardService::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(FromCp1252(text));
}

std::string QtInputDialogService::InputBox(const std::string& title, const std::string& prompt,
                                           const std::string& initial) {
    bool ok = false;
    QWidget* parent = QApplication::activeModalWidget();
    const QString text =
        QInputDialog::getText(parent ? parent : parent_, FromCp1252(title), FromCp1252(prompt),
                              QLineEdit::Normal, FromCp1252(initial), &ok);
    return ok ? ToCp1252(text) : initial;
}

} // namespace vd
