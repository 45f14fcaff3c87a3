#pragma once
// A stand-in for the window's button picture: a red ball joined to a
// light-blue rounded bar with a shadow, on white, 126 x 40. Its only pixel of
// the key colour RGB(251, 251, 251) is the bottom-left one, so the whole
// rectangle is opaque, as with the real picture.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

inline QImage SampleButtonPicture() {
    QImage image(126, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(15, 9, 106, 22), 11, 11);
        shape.addEllipse(QPointF(17, 20), 13, 13);
        p.fillPath(shape.translated(2.5, 2.5), QColor(120, 130, 150));
        p.fillPath(shape.simplified(), QColor(170, 210, 240));
        QRadialGradient ball(QPointF(13, 15), 16);
        ball.setColorAt(0, QColor(255, 160, 150));
        ball.setColorAt(1, QColor(170, 20, 20));
        p.setBrush(ball);
        p.setPen(QColor(130, 20, 20));
        p.drawEllipse(QPointF(17, 20), 13, 13);
    }
    const QRgb key = qRgb(251, 251, 251);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == key)
                image.setPixel(x, y, qRgb(250, 250, 250));
    image.setPixel(0, image.height() - 1, key);
    return image;
}
