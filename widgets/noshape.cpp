#include "noshape.h"

#include "errors.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QImageReader>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QToolTip>

namespace vd {
namespace {

// The hourglass while the faces are built; restored on every way out.
class BusyCursor {
  public:
    BusyCursor()
        : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (active_)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (active_)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    bool active_;
};

// A face as drawn: key-colour pixels fully transparent, so that the parent's
// surface shows through them and nowhere else.
QImage PaintReady(const QImage& face, QRgb key) {
    if (face.isNull())
        return {};
    QImage out = face.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb keyRgb = key & 0x00FFFFFF;
    const int width = out.width(), height = out.height();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if ((line[x] & 0x00FFFFFF) == keyRgb)
                line[x] = 0;
        }
    }
    return out;
}

// Faces built from one picture in one set of colours, ready to draw.
struct BuiltFaces {
    qint64 source = 0; // the picture's cache key
    BevelColours colours{0, 0};
    QImage up, down, paintUp, paintDown;
    PixelMask hotSpot;
};

// The window's buttons share one picture: its faces are built once and the
// buttons share the images. Only the latest picture is kept.
const BuiltFaces& FacesFor(const QImage& source, BevelColours colours) {
    static BuiltFaces last;
    if (last.source != source.cacheKey() || last.colours.shadow != colours.shadow ||
        last.colours.highlight != colours.highlight) {
        BusyCursor busy;
        ButtonFaces faces = BuildFaces(source, colours);
        BuiltFaces built;
        built.paintUp = PaintReady(faces.up, faces.key);
        built.paintDown = PaintReady(faces.down, faces.key);
        built.up = std::move(faces.up);
        built.down = std::move(faces.down);
        built.hotSpot = std::move(faces.hotSpot);
        built.source = source.cacheKey();
        built.colours = colours;
        last = std::move(built);
    }
    return last;
}

class NoShapeAccessible : public QAccessibleWidget {
  public:
    explicit NoShapeAccessible(TNoShape* button) : QAccessibleWidget(button, QAccessible::Button) {}
    TNoShape* button() const { return static_cast<TNoShape*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString set = button()->accessibleName();
            return set.isEmpty() ? button()->accessibleCaption() : set;
        }
        if (t == QAccessible::Accelerator) {
            const QKeySequence key = QKeySequence::mnemonic(button()->caption());
            return key.toString(QKeySequence::NativeText);
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State st = QAccessibleWidget::state();
        st.pressed = button()->isDown();
        return st;
    }
    QStringList actionNames() const override {
        return button()->isEnabled() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && button()->isEnabled())
            button()->click();
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action != pressAction())
            return {};
        const QKeySequence key = QKeySequence::mnemonic(button()->caption());
        return key.isEmpty() ? QStringList() : QStringList{key.toString(QKeySequence::NativeText)};
    }
};

QAccessibleInterface* NoShapeFactory(const QString&, QObject* object) {
    if (auto* button = qobject_cast<TNoShape*>(object))
        return new NoShapeAccessible(button);
    return nullptr;
}

} // namespace

void InstallNoShapeAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(NoShapeFactory);
        return true;
    }();
    (void)installed;
}

TNoShape::TNoShape(QWidget* parent) : QWidget(parent) {
    InstallNoShapeAccessibility();
    setGeometry(0, 0, 80, 80);
    // Windowless in spirit: nothing is filled, the parent shows through.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    // Reached by Tab for keyboard and screen reader users; a mouse click does
    // not take the focus from the control that has it.
    setFocusPolicy(Qt::TabFocus);
    // Move events without a button, for the hint rule.
    setMouseTracking(true);

    accelerator_ = new QShortcut(this);
    accelerator_->setContext(Qt::WindowShortcut);
    accelerator_->setAutoRepeat(false);
    connect(accelerator_, &QShortcut::activated, this, &TNoShape::onAccelerator);
}

TNoShape::~TNoShape() = default;

void TNoShape::setBitmap(const QImage& picture) {
    source_ = picture;
    bitmapChanged();
}

void TNoShape::loadBitmap(const QString& path) {
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull()) {
        throw FileError("Cannot read picture \"" + path.toStdString() +
                        "\": " + reader.errorString().toStdString());
    }
    setBitmap(picture);
}

void TNoShape::setCaption(const QString& caption) {
    const QString before = accessibleCaption();
    caption_ = caption.left(kMaxCaptionLength);
    accelerator_->setKey(QKeySequence::mnemonic(caption_));
    update();
    // A screen reader hears the new caption after a language switch.
    if (accessibleCaption() != before && accessibleName().isEmpty()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

QString TNoShape::accessibleCaption() const {
    // "&&" is a literal "&", a lone "&" marks the next character.
    QString out;
    out.reserve(caption_.size());
    for (qsizetype i = 0; i < caption_.size(); ++i) {
        if (caption_[i] == QLatin1Char('&') && i + 1 < caption_.size())
            ++i;
        else if (caption_[i] == QLatin1Char('&'))
            continue;
        out += caption_[i];
    }
    return out;
}

void TNoShape::setAutoSize(bool on) {
    if (on == autoSize_)
        return;
    autoSize_ = on;
    setBounds(x(), y(), width(), height());
}

void TNoShape::setBounds(int left, int top, int width, int height) {
    if (autoSize_ && !source_.isNull()) {
        width = source_.width();
        height = source_.height();
    }
    setGeometry(left, top, width, height);
}

bool TNoShape::isHotSpot(int x, int y) const {
    return !hasMask_ || mask_.black(x, y);
}

void TNoShape::click() {
    if (OnClick)
        OnClick();
    Q_EMIT clicked();
}

BevelColours TNoShape::systemColours() const {
    const QPalette& pal = palette();
    return {pal.color(QPalette::Active, QPalette::Dark).rgb(),
            pal.color(QPalette::Active, QPalette::Light).rgb()};
}

void TNoShape::bitmapChanged() {
    setBounds(x(), y(), width(), height());
    if (source_.isNull()) {
        // The hot-spot mask of an earlier picture stays, as the faces go.
        up_ = down_ = paintUp_ = paintDown_ = QImage();
    } else {
        const BevelColours colours = systemColours();
        const BuiltFaces& faces = FacesFor(source_, colours);
        paintUp_ = faces.paintUp;
        paintDown_ = faces.paintDown;
        up_ = faces.up;
        down_ = faces.down;
        mask_ = faces.hotSpot;
        hasMask_ = true;
        builtWith_ = colours;
    }
    update();
}

void TNoShape::onAccelerator() {
    if (isEnabled())
        click();
}

void TNoShape::drawCaption(QPainter& painter, const QString& text, bool down, QRect rect) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(palette().color(QPalette::Active, foregroundRole()));
    if (down)
        rect.translate(1, 1);
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
}

bool TNoShape::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (showHint_ && !hint_.isEmpty() && isHotSpot(help->pos().x(), help->pos().y())) {
            QToolTip::showText(help->globalPos(), hint_, this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void TNoShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& face = pressed_ ? paintDown_ : paintUp_;
    if (!face.isNull())
        painter.drawImage(pressed_ ? QPoint(1, 1) : QPoint(0, 0), face);
    if (!caption_.isEmpty()) {
        painter.setFont(font());
        drawCaption(painter, caption_, pressed_, rect());
    }
    // Where the keyboard is: a dotted frame inside the picture's bevel, once
    // the user moves the focus by keyboard (as standard buttons do).
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QPen dotted(palette().color(QPalette::Active, foregroundRole()), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            rect().adjusted(4, 4, -5, -5).translated(pressed_ ? 1 : 0, pressed_ ? 1 : 0));
    }
}

void TNoShape::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (OnMouseDown)
        OnMouseDown(event->button(), event->modifiers(), pos);
    if (event->button() == Qt::LeftButton && isEnabled() && isHotSpot(pos.x(), pos.y())) {
        pressed_ = true;
        repaint();
    }
}

void TNoShape::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (OnMouseUp)
        OnMouseUp(event->button(), event->modifiers(), pos);
    const bool hot = isHotSpot(pos.x(), pos.y());
    if (pressed_) {
        pressed_ = false;
        repaint();
    }
    if (hot)
        click();
}

void TNoShape::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (OnMouseMove)
        OnMouseMove(event->modifiers(), pos);
    const bool hot = isHotSpot(pos.x(), pos.y());
    if (!hot && !hintHidden_) {
        savedShowHint_ = showHint_;
        showHint_ = false;
        hintHidden_ = true;
        QToolTip::hideText();
    } else if (hot && hintHidden_) {
        showHint_ = savedShowHint_;
        hintHidden_ = false;
    }
}

void TNoShape::keyPressEvent(QKeyEvent* event) {
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier || !isEnabled()) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            spaceHeld_ = true;
            pressed_ = true;
            repaint();
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TNoShape::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->isAutoRepeat() || !spaceHeld_) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    spaceHeld_ = false;
    pressed_ = false;
    repaint();
    if (isEnabled())
        click();
}

void TNoShape::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TNoShape::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // Space let go elsewhere: no click, and the face comes back up.
    if (spaceHeld_) {
        spaceHeld_ = false;
        pressed_ = false;
    }
    update();
}

void TNoShape::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A plain resize() or setGeometry() is held to the picture's size too.
    if (autoSize_ && !source_.isNull() && size() != source_.size())
        resize(source_.size());
}

void TNoShape::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange: {
        const BevelColours now = systemColours();
        if (now.shadow != builtWith_.shadow || now.highlight != builtWith_.highlight)
            bitmapChanged();
        break;
    }
    case QEvent::FontChange:
        update();
        break;
    case QEvent::EnabledChange:
        // A disabled widget gets no release; do not leave it looking pressed.
        if (!isEnabled() && pressed_) {
            pressed_ = false;
            update();
        }
        break;
    default:
        break;
    }
}

} // namespace vd
