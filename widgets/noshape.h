#pragma once
// TNoShape: the bitmap push button of every page. It draws its picture over
// whatever lies behind it (pixels of the key colour let the parent show
// through), reacts to the mouse only on the picture's opaque pixels (the hot
// spot), centres a caption on the picture, and while the left button is held
// looks pressed: a down face with an inverted bevel, picture and caption one
// pixel right and down. The click comes on release over the hot spot. The
// keyboard reaches it by Tab; screen readers see a push button.
#include "noshape_faces.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>

class QShortcut;

namespace vd {

class TNoShape : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kMaxCaptionLength = 255;

    explicit TNoShape(QWidget* parent = nullptr);
    ~TNoShape() override;

    // The source picture (copied). Building the faces and the hot spot from it
    // happens here; an empty image clears the faces.
    void setBitmap(const QImage& picture);
    // Loads the picture from a file or resource (":/art/button.bmp"). Throws
    // vd::FileError when it cannot be read; the button keeps its old picture.
    void loadBitmap(const QString& path);
    const QImage& bitmap() const { return source_; }
    const QImage& bitmapUp() const { return up_; }
    const QImage& bitmapDown() const { return down_; }
    // Null until a picture has been set; without it every point is hot.
    const PixelMask* hotSpotMask() const { return hasMask_ ? &mask_ : nullptr; }
    QRgb keyColour() const { return KeyColourOf(source_); }

    // "&" marks the accelerator (Alt+letter clicks); "&&" is a literal "&".
    // At most 255 characters are kept.
    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }

    // The hint shows as a tooltip when showHint is on and the pointer is over
    // the hot spot.
    void setHint(const QString& hint) { hint_ = hint; }
    const QString& hint() const { return hint_; }
    void setShowHint(bool show) { showHint_ = show; }
    bool showHint() const { return showHint_; }

    // On (the default), the size follows the picture whatever size is set.
    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }
    // Position and size on the parent, the size subject to autoSize.
    void setBounds(int left, int top, int width, int height);

    bool isHotSpot(int x, int y) const;
    // The caption as a screen reader says it: without the accelerator marks.
    QString accessibleCaption() const;
    bool isDown() const { return pressed_; }

    // Fires OnClick and clicked(), as a release over the hot spot does.
    void click();

    std::function<void()> OnClick;
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)> OnMouseDown;
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)> OnMouseUp;
    std::function<void(Qt::KeyboardModifiers, QPoint)> OnMouseMove;

  Q_SIGNALS:
    void clicked();

  protected:
    virtual void drawCaption(QPainter& painter, const QString& text, bool down, QRect rect);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Space (down while held, click on release) and Return or Enter press a
    // focused button, as they press a standard one.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    BevelColours systemColours() const;
    void bitmapChanged();
    void onAccelerator();

    bool autoSize_ = true;
    QImage source_;
    QImage up_;
    QImage down_;
    PixelMask mask_;
    bool hasMask_ = false;
    // The faces ready to draw: key-colour pixels fully transparent.
    QImage paintUp_;
    QImage paintDown_;
    BevelColours builtWith_{0, 0};

    QString caption_;
    QShortcut* accelerator_ = nullptr;

    QString hint_;
    bool showHint_ = false;
    bool hintHidden_ = false;
    bool savedShowHint_ = false;

    bool pressed_ = false;
    bool spaceHeld_ = false;
};

// Makes every TNoShape a push button to assistive technology (named by its
// caption, pressed by its default action). Called by each button's
// constructor; installing more than once does nothing.
void InstallNoShapeAccessibility();

} // namespace vd
