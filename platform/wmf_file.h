#pragma once
// A Windows metafile read into memory and checked: placeable header, metafile
// header and the chain of records up to the end-of-file record. Playing it is
// wmf_player's job; this layer only knows the file's structure.
#include <QRectF>
#include <QSizeF>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

// A metafile that cannot be read; what() names the fault.
class WmfError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class WmfFile {
  public:
    struct Record {
        uint32_t offset; // of the record's parameters in the file
        uint32_t size;   // bytes of parameters
        uint16_t function;
    };

    // Limits that keep a hostile file from costing unbounded time or memory.
    static constexpr size_t kMaxRecords = 4'000'000;
    static constexpr size_t kMaxFileBytes = 64u << 20;

    // Checks the structure; throws WmfError for a file that is not a metafile,
    // whose records run past its end or that has no end-of-file record.
    static std::shared_ptr<const WmfFile> Parse(std::string bytes);

    bool placeable() const { return placeable_; }
    // Logical units per inch: the placeable header's, else 96 (a pixel each).
    int unitsPerInch() const { return unitsPerInch_; }
    // The picture's rectangle in logical units: the placeable bounding box, or
    // the window set before the first drawing record, or the drawing's bounds.
    const QRectF& frame() const { return frame_; }
    // True when the frame came from a window or placeable box, so playing
    // starts in anisotropic mapping onto it.
    bool frameIsWindow() const { return frameIsWindow_; }
    // Size in pixels at 96 dpi.
    QSizeF naturalSize() const { return naturalSize_; }
    int objectCount() const { return objectCount_; }
    const std::vector<Record>& records() const { return records_; }
    std::string_view params(const Record& r) const {
        return std::string_view(data_).substr(r.offset, r.size);
    }

  private:
    void findFrame();

    std::string data_;
    std::vector<Record> records_;
    bool placeable_ = false;
    bool frameIsWindow_ = false;
    int unitsPerInch_ = 96;
    int objectCount_ = 0;
    QRectF frame_;
    QSizeF naturalSize_;
};

} // namespace vd
