#include "wmf_file.h"

#include "le_reader.h"
#include "wmf_records.h"

#include <algorithm>
#include <cmath>

namespace vd {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableSize = 22;
constexpr size_t kHeaderSize = 18;
// A frame taken from a window extent or the drawing's bounds has no physical
// unit; cap its natural size so that a 16000-unit window is not a 16000-pixel picture.
constexpr double kMaxNaturalSide = 2048;

// Grows `bounds` by the points of the records that carry plain coordinates.
void AddRecordBounds(uint16_t function, std::string_view params, double& x0, double& y0, double& x1,
                     double& y1, bool& any) {
    auto add = [&](double x, double y) {
        if (!any) {
            x0 = x1 = x;
            y0 = y1 = y;
            any = true;
        }
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
    };
    try {
        LeReader r(params);
        switch (function) {
        case wmf::kPolygon:
        case wmf::kPolyline: {
            int n = r.i16();
            for (int i = 0; i < n; ++i) {
                double x = r.i16();
                add(x, r.i16());
            }
            break;
        }
        case wmf::kMoveTo:
        case wmf::kLineTo: {
            double y = r.i16();
            add(r.i16(), y);
            break;
        }
        case wmf::kRectangle:
        case wmf::kEllipse:
        case wmf::kRoundRect:
        case wmf::kArc:
        case wmf::kPie:
        case wmf::kChord: {
            // The bounding rectangle is the last four parameters: bottom, right, top, left.
            if (params.size() < 8)
                break;
            r.seek(params.size() - 8);
            double b = r.i16(), rt = r.i16(), t = r.i16(), l = r.i16();
            add(l, t);
            add(rt, b);
            break;
        }
        default:
            break;
        }
    } catch (const ReadPastEnd&) {
    }
}

} // namespace

std::shared_ptr<const WmfFile> WmfFile::Parse(std::string bytes) {
    if (bytes.size() > kMaxFileBytes)
        throw WmfError("metafile too large");
    auto file = std::make_shared<WmfFile>();
    file->data_ = std::move(bytes);
    const std::string_view data(file->data_);
    LeReader r(data);
    size_t start = 0;
    try {
        if (data.size() >= 4 && r.u32() == kPlaceableKey) {
            if (data.size() < kPlaceableSize)
                throw WmfError("placeable header truncated");
            r.u16(); // handle
            int16_t left = r.i16(), top = r.i16(), right = r.i16(), bottom = r.i16();
            int inch = r.u16();
            file->placeable_ = true;
            file->unitsPerInch_ = inch > 0 ? inch : 1440;
            if (left != right && top != bottom) {
                file->frame_ = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
                file->frameIsWindow_ = true;
            }
            start = kPlaceableSize;
        }
        r.seek(start);
        if (r.remaining() < kHeaderSize)
            throw WmfError("not a Windows metafile (header truncated)");
        uint16_t type = r.u16();
        uint16_t headerWords = r.u16();
        uint16_t version = r.u16();
        r.u32(); // total size in words: real writers get it wrong, the record chain decides
        file->objectCount_ = r.u16();
        r.u32(); // largest record
        r.u16(); // unused
        if ((type != 1 && type != 2) || headerWords != 9 ||
            (version != 0x0100 && version != 0x0300))
            throw WmfError("not a Windows metafile (bad header)");
    } catch (const ReadPastEnd&) {
        throw WmfError("not a Windows metafile (header truncated)");
    }

    size_t pos = start + kHeaderSize;
    bool sawEof = false;
    while (pos < data.size()) {
        if (data.size() - pos < 6)
            break;
        LeReader rec(data.substr(pos, 6));
        uint32_t words = rec.u32();
        uint16_t function = rec.u16();
        if (words < 3)
            throw WmfError("metafile record of size " + std::to_string(words) + " at byte " +
                           std::to_string(pos));
        uint64_t bytesInRecord = uint64_t(words) * 2;
        if (bytesInRecord > data.size() - pos)
            throw WmfError("metafile record at byte " + std::to_string(pos) +
                           " runs past the end of the file");
        if (function == wmf::kEof) {
            sawEof = true;
            break;
        }
        if (file->records_.size() >= kMaxRecords)
            throw WmfError("metafile has too many records");
        file->records_.push_back(Record{uint32_t(pos + 6), uint32_t(bytesInRecord - 6), function});
        pos += bytesInRecord;
    }
    if (!sawEof)
        throw WmfError("metafile has no end-of-file record");
    file->findFrame();
    return file;
}

void WmfFile::findFrame() {
    if (frameIsWindow_) {
        naturalSize_ =
            QSizeF(frame_.width() * 96.0 / unitsPerInch_, frame_.height() * 96.0 / unitsPerInch_);
        return;
    }
    // Without a placeable header: the window the file sets up before it draws.
    double orgX = 0, orgY = 0, extX = 0, extY = 0;
    bool haveExt = false;
    for (const Record& rec : records_) {
        if (wmf::IsDrawingRecord(rec.function))
            break;
        LeReader r(params(rec));
        try {
            if (rec.function == wmf::kSetWindowOrg) {
                orgY = r.i16();
                orgX = r.i16();
            } else if (rec.function == wmf::kSetWindowExt) {
                extY = r.i16();
                extX = r.i16();
                haveExt = extX != 0 && extY != 0;
            }
        } catch (const ReadPastEnd&) {
        }
    }
    if (haveExt) {
        frame_ = QRectF(QPointF(orgX, orgY), QPointF(orgX + extX, orgY + extY)).normalized();
        frameIsWindow_ = true;
    } else {
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        bool any = false;
        for (const Record& rec : records_)
            AddRecordBounds(rec.function, params(rec), x0, y0, x1, y1, any);
        frame_ =
            any && x1 > x0 && y1 > y0 ? QRectF(x0, y0, x1 - x0, y1 - y0) : QRectF(0, 0, 100, 100);
    }
    double w = frame_.width(), h = frame_.height();
    double longest = std::max(w, h);
    if (longest > kMaxNaturalSide) {
        w *= kMaxNaturalSide / longest;
        h *= kMaxNaturalSide / longest;
    }
    naturalSize_ = QSizeF(std::max(1.0, w), std::max(1.0, h));
}

} // namespace vd
