#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace vd {

PictureBox::PictureBox(Mode mode, QWidget* parent) : QWidget(parent), mode_(mode) {
    setMouseTracking(true);
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
    if (picture_.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF box = rect();
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

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent*) {
    Q_EMIT mouseMoved();
}

} // namespace vd
