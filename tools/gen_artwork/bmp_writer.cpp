#include "bmp_writer.h"

#include "bmp24.h"

#include <QFile>
#include <QSaveFile>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace art {

void WriteBmp24(const QImage& image, const QString& path) {
    if (image.isNull())
        throw std::runtime_error("empty picture for " + path.toStdString());
    const std::string out = vdtools::EncodeBmp24(image);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(out.data(), static_cast<qint64>(out.size())) !=
            static_cast<qint64>(out.size()) ||
        !file.commit()) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    }
}

} // namespace art
