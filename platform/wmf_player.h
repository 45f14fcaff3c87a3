#pragma once
// Plays a Windows metafile onto a QPainter, keeping the GDI state the records
// rely on (object table, saved DCs, mapping, pens, brushes, fonts, text
// settings, clipping). Our own code over our own bounds-checked reader: every
// record is checked against its own size, so no file can make it read outside
// the data, loop, or allocate without bound.
#include "wmf_file.h"

#include <QRectF>
#include <QSizeF>

#include <memory>
#include <string>

class QPainter;

namespace vd {

class WmfPicture {
  public:
    WmfPicture() = default;

    // Parses a metafile; throws WmfError when it cannot be read.
    static WmfPicture FromBytes(std::string bytes);

    bool isNull() const { return !file_; }
    // Size in pixels at 96 dpi (placeable frame and units per inch, or the window extent).
    QSizeF naturalSize() const { return file_ ? file_->naturalSize() : QSizeF(); }
    const WmfFile* file() const { return file_.get(); }

    // Draws the picture stretched into `target` (painter coordinates). Text is
    // laid out in the painter's coordinates, never mirrored or stretched with
    // the picture. A record that cannot be decoded is skipped.
    void play(QPainter& painter, const QRectF& target) const;

  private:
    std::shared_ptr<const WmfFile> file_;
};

} // namespace vd
