#include "bmp_writer.h"

#include "bmp24.h"

#include <QFile>
#include <QSaveFile>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace art {

namespace {

void WriteFile(const std::string& out, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(out.data(), static_cast<qint64>(out.size())) !=
            static_cast<qint64>(out.size()) ||
        !file.commit()) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    }
}

void CheckDrawn(const QImage& image, const QString& path) {
    if (image.isNull())
        throw std::runtime_error("empty picture for " + path.toStdString());
}

} // namespace

void WriteBmp24(const QImage& image, const QString& path) {
    CheckDrawn(image, path);
    WriteFile(vdtools::EncodeBmp24(image), path);
}

void WriteWindowBmp(const QImage& image, const QString& path) {
    CheckDrawn(image, path);
    WriteFile(vdtools::EncodeBmp32TopDown(image), path);
}

} // namespace art
