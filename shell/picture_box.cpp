#include "picture_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vd {

namespace {

// A toggling picture as a check box; any other picture as a graphic.
class PictureBoxAccessible : public QAccessibleWidget {
  public:
    explicit PictureBoxAccessible(PictureBox* box)
        : QAccessibleWidget(box, box->isToggle() ? QAccessible::CheckBox : QAccessible::Graphic) {}
    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }

    QAccessible::Role role() const override {
        return box()->isToggle() ? QAccessible::CheckBox : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && box()->accessibleName().isEmpty() && box()->isToggle())
            return box()->toggleName();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State st = QAccessibleWidget::state();
        if (box()->isToggle()) {
            st.checkable = true;
            st.checked = box()->isChecked();
        }
        return st;
    }
    QStringList actionNames() const override {
        if (!box()->isToggle() || !box()->isEnabled())
            return {};
        return {toggleAction(), pressAction()};
    }
    void doAction(const QString& action) override {
        if (box()->isToggle() && box()->isEnabled() &&
            (action == toggleAction() || action == pressAction()))
            box()->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* PictureBoxFactory(const QString&, QObject* object) {
    if (auto* box = qobject_cast<PictureBox*>(object))
        return new PictureBoxAccessible(box);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(Mode mode, QWidget* parent) : QWidget(parent), mode_(mode) {
    static const bool factory = [] {
        QAccessible::installFactory(PictureBoxFactory);
        return true;
    }();
    (void)factory;
    setMouseTracking(true);
}

void PictureBox::SetToggle(std::function<bool()> checked, std::function<QString()> name) {
    checked_ = std::move(checked);
    name_ = std::move(name);
    setFocusPolicy(checked_ ? Qt::TabFocus : Qt::NoFocus);
}

void PictureBox::NotifyToggled() {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void PictureBox::SetPicture(Picture picture) {
    picture_ = std::move(picture);
    if (mode_ == Mode::Own && !picture_.isNull())
        resize(picture_.naturalSize());
    update();
}

void PictureBox::LoadDataFile(std::string_view relativePath) {
    SetPicture(LoadDataPicture(relativePath));
    source_ = std::string(relativePath);
}

void PictureBox::Clear() {
    picture_ = Picture();
    source_.clear();
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF box = rect();
    if (!picture_.isNull()) {
        switch (mode_) {
        case Mode::Own:
        case Mode::Stretched:
            picture_.draw(p, box);
            break;
        case Mode::Centred:
            picture_.drawCentred(p, box);
            break;
        case Mode::Fit: {
            QSizeF size = QSizeF(picture_.naturalSize()).scaled(box.size(), Qt::KeepAspectRatio);
            QRectF target(QPointF(0, 0), size);
            target.moveCenter(box.center());
            picture_.draw(p, target);
            break;
        }
        }
    }
    // Where the keyboard is.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent*) {
    Q_EMIT mouseMoved();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                       event->key() == Qt::Key_Enter;
    if (isToggle() && press && !event->isAutoRepeat() &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Q_EMIT clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace vd
