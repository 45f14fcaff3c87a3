#include "page.h"

#include "artwork_resources.h"
#include "dib.h"
#include "noshape.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QResource>
#include <QTextEdit>

namespace vd {

Page::Page(const char* name, bool banner, UiServices services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(name);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    if (banner)
        ArtPicture(this, "im_banner", artwork::kBanner, 8, 14, 53, 402);
}

QLabel* Page::NewTitle(const char* name, int x, int y) {
    auto* l = Label(this, name, x, y, 380, 24);
    l->setFont(Arial(19, true));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 128));
    l->setPalette(p);
    return l;
}

namespace {

QImage ArtImage(const QString& resource) {
    // The window's pictures are stored as the screen holds them and drawn
    // where they lie in the program; another bitmap is decoded here rather
    // than by QImage's reader, whose first use looks through the image
    // plug-ins before the start page can show.
    const QResource art(resource);
    if (art.compressionAlgorithm() == QResource::NoCompression && art.data()) {
        const std::string_view bytes(reinterpret_cast<const char*>(art.data()),
                                     static_cast<std::size_t>(art.size()));
        if (QImage image = WrapPlain32(bytes); !image.isNull())
            return image;
    }
    const QByteArray bytes = art.uncompressedData();
    QImage image = DecodeBmpFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return image.isNull() ? QImage(resource) : image;
}

} // namespace

TNoShape* Page::NewButton(const char* name, int x, int y) {
    static const QImage picture = ArtImage(artwork::kButton);
    auto* b = new TNoShape(this);
    b->setObjectName(name);
    b->setBitmap(picture);
    b->setBounds(x, y, 126, 40);
    return b;
}

QFont Arial(int pixels, bool bold) {
    QFont f("Liberation Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

namespace {

// A picture read when it is first shown: a page that is never opened costs no
// reading, and the window paints sooner.
class ArtLabel : public QLabel {
  public:
    ArtLabel(QWidget* parent, const QString& resource) : QLabel(parent), resource_(resource) {}

  protected:
    void showEvent(QShowEvent* event) override {
        if (!resource_.isEmpty()) {
            setPixmap(QPixmap::fromImage(ArtImage(resource_)));
            resource_.clear();
        }
        QLabel::showEvent(event);
    }

  private:
    QString resource_;
};

} // namespace

QLabel* ArtPicture(QWidget* parent, const char* name, const QString& resource, int x, int y, int w,
                   int h, bool scaled) {
    auto* l = new ArtLabel(parent, resource);
    l->setObjectName(name);
    l->setGeometry(x, y, w, h);
    l->setAlignment(Qt::AlignCenter);
    l->setScaledContents(scaled);
    return l;
}

QLabel* Label(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->move(x, y);
    if (w > 0)
        l->resize(w, h > 0 ? h : 16);
    return l;
}

QTextEdit* TextBox(QWidget* parent, const char* name, int x, int y, int w, int h, int fontPixels,
                   bool border) {
    auto* t = new QTextEdit(parent);
    t->setObjectName(name);
    t->setGeometry(x, y, w, h);
    t->setReadOnly(true);
    t->setFont(Arial(fontPixels));
    t->setVerticalScrollBarPolicy(border ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (!border)
        t->setFrameShape(QFrame::NoFrame);
    return t;
}

QLineEdit* Edit(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(x, y, w, h);
    return e;
}

QComboBox* List(QWidget* parent, const char* name, int x, int y, int w) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setGeometry(x, y, w, 21);
    return c;
}

} // namespace vd
