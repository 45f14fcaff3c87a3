#include "captions.h"

#include "noshape.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace vd {

void ApplyCaptions(QWidget& window, const std::function<QString(const WindowCaption&)>& text) {
    for (const WindowCaption& c : WindowCaptions()) {
        QWidget* control = window.findChild<QWidget*>(QString::fromLatin1(c.control));
        if (auto* button = qobject_cast<TNoShape*>(control))
            button->setCaption(text(c));
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(text(c));
        else if (auto* box = qobject_cast<QAbstractButton*>(control))
            box->setText(text(c));
    }
}

QString CaptionOf(const QWidget* control) {
    if (auto* button = qobject_cast<const TNoShape*>(control))
        return button->caption();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* box = qobject_cast<const QAbstractButton*>(control))
        return box->text();
    return {};
}

} // namespace vd
