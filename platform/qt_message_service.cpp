#include "qt_message_service.h"

#include "qt_text.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace vd {

void SetApplicationTitle(const QString& title) {
    QApplication::setApplicationName(title);
}

// A dialog of our own rather than QMessageBox, which wraps any text wider
// than half the screen.
std::unique_ptr<QDialog> MakeMessageBox(QWidget* parent, bool error, const QString& text) {
    auto box = std::make_unique<QDialog>(parent);
    box->setWindowTitle(QApplication::applicationDisplayName());
    auto* row = new QHBoxLayout;
    if (error) {
        auto* icon = new QLabel;
        icon->setObjectName("message_icon");
        const int size = box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
        icon->setPixmap(box->style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(size));
        icon->setAlignment(Qt::AlignTop);
        row->addWidget(icon);
    }
    auto* label = new QLabel(text);
    label->setObjectName("message_text");
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(label, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->setCenterButtons(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, box.get(), &QDialog::accept);
    auto* column = new QVBoxLayout(box.get());
    column->setSizeConstraint(QLayout::SetFixedSize); // as large as the text, no larger
    column->addLayout(row);
    column->addWidget(buttons);
    return box;
}

namespace {

void Show(QWidget* parent, bool error, const std::string& text) {
    // Over the modal dialog that reports, if one is showing.
    if (QWidget* modal = QApplication::activeModalWidget())
        parent = modal;
    MakeMessageBox(parent, error, FromCp1252(text))->exec();
}

} // namespace

void QtMessageService::ShowMessage(const std::string& text) {
    Show(parent_, false, text);
}

void QtMessageService::ShowError(const std::string& text) {
    Show(parent_, true, text);
}

} // namespace vd
