#pragma once
// Pictures as the picture controls, the canvas and the printouts use them: a
// Windows bitmap or a Windows metafile, chosen by the file's extension, with
// the natural size a control shows it at when it is not stretched.
#include "wmf_player.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>

#include <filesystem>
#include <string>
#include <string_view>

class QPainter;

namespace vd {

class Picture {
  public:
    Picture() = default;
    static Picture FromImage(QImage image);
    static Picture FromMetafile(WmfPicture metafile);

    bool isNull() const { return image_.isNull() && metafile_.isNull(); }
    bool isMetafile() const { return !metafile_.isNull(); }
    // Pixels of a bitmap; a metafile's frame at 96 dpi (rounded, at least 1 × 1).
    QSize naturalSize() const;

    // Draws stretched to fill `target` exactly (aspect ratio not kept). A null
    // picture draws nothing.
    void draw(QPainter& painter, const QRectF& target) const;
    // Draws at the natural size, centred in `box` (clipped by it when larger).
    void drawCentred(QPainter& painter, const QRectF& box) const;

    // The picture rendered stretched to `size` on `background`.
    QImage toImage(QSize size, const QColor& background = Qt::white) const;

    const QImage& image() const { return image_; }
    const WmfPicture& metafile() const { return metafile_; }

  private:
    QImage image_;
    WmfPicture metafile_;
};

// Loads a picture file by its extension (case-insensitive): ".wmf" through our
// metafile player, ".bmp" through the bitmap reader; other names are sniffed.
// Throws vd::FileError with a message naming the file when it is missing,
// unreadable or malformed. The path is already resolved (see vd::DataPath).
Picture LoadPicture(const std::filesystem::path& path);

// The same from bytes in memory; `name` gives the extension and the name shown
// in error messages.
Picture LoadPictureFromBytes(std::string bytes, std::string_view name);

// Loads a data picture named by a backslash path relative to the data root
// ("wmf\blank.wmf"); error messages show the name as written.
Picture LoadDataPicture(std::string_view relativePath);

} // namespace vd
