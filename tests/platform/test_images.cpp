#include "test_images.h"

#include "wmf_player.h"

#include <QPainter>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vdtest {

QImage RenderWmf(const std::string& bytes, QSize size) {
    vd::WmfPicture picture = vd::WmfPicture::FromBytes(bytes);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.play(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

QRect InkBounds(const QImage& image, int threshold) {
    int x0 = image.width(), y0 = image.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QRgb p = image.pixel(x, y);
            if (255 - qRed(p) > threshold || 255 - qGreen(p) > threshold ||
                255 - qBlue(p) > threshold) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

QImage TrimWhite(const QImage& image) {
    QRect r = InkBounds(image, 16);
    return r.isEmpty() ? image : image.copy(r);
}

bool Near(QRgb p, const QColor& c, int tolerance) {
    return std::abs(qRed(p) - c.red()) <= tolerance &&
           std::abs(qGreen(p) - c.green()) <= tolerance &&
           std::abs(qBlue(p) - c.blue()) <= tolerance;
}

int CountNear(const QImage& image, const QColor& colour, int tolerance) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Near(image.pixel(x, y), colour, tolerance))
                ++n;
    return n;
}

double MeanDifference(const QImage& a, const QImage& b, QSize common) {
    QImage sa = a.convertToFormat(QImage::Format_RGB32)
                    .scaled(common, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage sb = b.convertToFormat(QImage::Format_RGB32)
                    .scaled(common, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = 0; y < common.height(); ++y)
        for (int x = 0; x < common.width(); ++x) {
            QRgb p = sa.pixel(x, y), q = sb.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * common.width() * common.height());
}

std::string Dib24(int width, int height, const std::vector<QRgb>& pixels) {
    auto put16 = [](std::string& s, int v) {
        s.push_back(char(v & 0xFF));
        s.push_back(char((v >> 8) & 0xFF));
    };
    auto put32 = [&](std::string& s, int v) {
        put16(s, v & 0xFFFF);
        put16(s, (v >> 16) & 0xFFFF);
    };
    std::string d;
    int stride = (width * 3 + 3) / 4 * 4;
    put32(d, 40);
    put32(d, width);
    put32(d, height);
    put16(d, 1);
    put16(d, 24);
    put32(d, 0);
    put32(d, stride * height);
    put32(d, 2835);
    put32(d, 2835);
    put32(d, 0);
    put32(d, 0);
    for (int y = height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            QRgb p = pixels[size_t(y * width + x)];
            row.push_back(char(qBlue(p)));
            row.push_back(char(qGreen(p)));
            row.push_back(char(qRed(p)));
        }
        row.resize(size_t(stride), '\0');
        d += row;
    }
    return d;
}

} // namespace vdtest
