#include "wmf_player.h"

#include "codepages.h"
#include "dib.h"
#include "font_faces.h"
#include "le_reader.h"
#include "wmf_records.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <set>
#include <variant>
#include <vector>

namespace vd {
namespace {

using namespace wmf;

constexpr size_t kMaxSavedDcs = 1024;
constexpr size_t kMaxObjects = 65535;
constexpr int kMaxRegionRects = 100000;
constexpr int kMaxClipRects = 20000;
// Work budgets of one playing: far above any real picture, they keep a file
// built to be slow (millions of points or characters) from stalling the window.
constexpr long long kMaxPointsPerPlay = 4'000'000;
constexpr long long kMaxCharsPerPlay = 1'000'000;
constexpr long long kMaxBitmapPixelsPerPlay = 64LL * 1024 * 1024;

// GDI constants the player interprets.
constexpr int kPsSolid = 0, kPsDash = 1, kPsDot = 2, kPsDashDot = 3, kPsDashDotDot = 4, kPsNull = 5;
constexpr int kBsSolid = 0, kBsNull = 1, kBsHatched = 2, kBsPattern = 3, kBsDibPattern = 5;
constexpr int kTransparent = 1, kOpaque = 2;
constexpr int kWinding = 2;
constexpr int kTaUpdateCp = 1, kTaRight = 2, kTaCenter = 6, kTaBottom = 8, kTaBaseline = 24;
constexpr int kEtoOpaque = 0x2, kEtoClipped = 0x4, kEtoGlyphIndex = 0x10, kEtoPdy = 0x2000;
constexpr uint32_t kSrcCopy = 0x00CC0020, kSrcAnd = 0x008800C6, kSrcPaint = 0x00EE0086,
                   kSrcInvert = 0x00660046, kNotSrcCopy = 0x00330008, kBlackness = 0x00000042,
                   kWhiteness = 0x00FF0062, kDstInvert = 0x00550009, kPatInvert = 0x005A0049,
                   kDstCopy = 0x00AA0029;

struct Pen {
    int style = kPsSolid;
    double width = 0; // logical units; 0 = one device pixel
    QColor color = Qt::black;
};

struct Brush {
    int style = kBsSolid;
    QColor color = Qt::white;
    int hatch = 0;
    QImage pattern;
};

struct Font {
    int height = 0, width = 0, escapement = 0, weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    int charset = 0, pitchAndFamily = 0;
    std::string face;
};

struct Palette {
    QList<QRgb> colors;
};

struct Region {
    QRegion region; // logical units
};

using GdiObject = std::variant<std::monostate, Pen, Brush, Font, Palette, Region>;

struct Dc {
    Pen pen;
    Brush brush;
    Font font;
    QList<QRgb> palette;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    int bkMode = kOpaque;
    int textAlign = 0;
    int polyFillMode = 1;
    int textCharExtra = 0;
    int mapMode = kMmText;
    QPointF winOrg, winExt{1, 1}, vpOrg, vpExt{1, 1};
    std::optional<QRegion> clip; // device pixels, as GDI keeps it
    QPointF current;             // logical
};

class Player {
  public:
    Player(const WmfFile& file, QPainter& painter, const QRectF& target)
        : file_(file), painter_(painter), target_(target) {}

    void run();

  private:
    // --- mapping ---------------------------------------------------------
    void pageScale(double& sx, double& sy) const;
    QPointF toDevice(double x, double y) const;
    QPointF toDevice(QPointF p) const { return toDevice(p.x(), p.y()); }
    double deviceScaleX() const;
    double deviceScaleY() const;
    QRectF deviceRect(double left, double top, double right, double bottom) const {
        return QRectF(toDevice(left, top), toDevice(right, bottom)).normalized();
    }
    QTransform logicalToDevice() const;

    // --- state -----------------------------------------------------------
    QColor readColor(LeReader& r) const;
    int addObject(GdiObject object);
    GdiObject* objectAt(int index);
    void selectObject(int index);
    void deleteObject(int index);
    void setClip(std::optional<QRegion> clip);
    QRegion deviceRegion(const QRegion& logical) const;
    void applyClip();

    // --- drawing ---------------------------------------------------------
    QPen makePen(bool forBackground = false) const;
    void fillPath(const QPainterPath& path);
    void strokePath(const QPainterPath& path);
    void drawShape(const QPainterPath& path, bool fill);
    QPolygonF readPoints(LeReader& r, int count) const;
    void arcRecord(uint16_t function, LeReader& r);
    QFont makeFont(double& pixelSize) const;
    void drawText(QPointF logicalRef, std::string_view bytes, const std::vector<int>& dx,
                  int options, const std::optional<QRectF>& logicalRect);
    void drawBitmap(const QImage& image, QRectF source, QPointF dest, QSizeF destSize,
                    uint32_t rop);
    void patBlt(QRectF deviceRect, uint32_t rop);
    QImage patternImage(LeReader& r, int style, int usage) const;
    Region readRegion(LeReader& r) const;

    void record(uint16_t function, LeReader& r, size_t size);

    const WmfFile& file_;
    QPainter& painter_;
    QRectF target_;
    Dc dc_;
    std::vector<Dc> saved_;
    std::vector<GdiObject> objects_;
    std::set<int> freeSlots_;
    QRegion baseClip_;
    bool clipDirty_ = true;
    double pageUnitsPerInch_ = 96;
    mutable long long pointBudget_ = kMaxPointsPerPlay;
    long long charBudget_ = kMaxCharsPerPlay;
    mutable long long bitmapBudget_ = kMaxBitmapPixelsPerPlay;
    QImage decodeDib(std::string_view dib, bool paletteIndices) const;
};

// ---------------------------------------------------------------------------
// Mapping: logical -> page (GDI window/viewport rules) -> target rectangle.
// The page is the picture's frame; its extent maps onto the target.

void Player::pageScale(double& sx, double& sy) const {
    auto ratio = [](double v, double w) { return w == 0 ? 1.0 : v / w; };
    switch (dc_.mapMode) {
    case kMmLoMetric:
        sx = pageUnitsPerInch_ / 254.0;
        sy = -sx;
        return;
    case kMmHiMetric:
        sx = pageUnitsPerInch_ / 2540.0;
        sy = -sx;
        return;
    case kMmLoEnglish:
        sx = pageUnitsPerInch_ / 100.0;
        sy = -sx;
        return;
    case kMmHiEnglish:
        sx = pageUnitsPerInch_ / 1000.0;
        sy = -sx;
        return;
    case kMmTwips:
        sx = pageUnitsPerInch_ / 1440.0;
        sy = -sx;
        return;
    case kMmIsotropic: {
        sx = ratio(dc_.vpExt.x(), dc_.winExt.x());
        sy = ratio(dc_.vpExt.y(), dc_.winExt.y());
        double m = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(m, sx);
        sy = std::copysign(m, sy);
        return;
    }
    case kMmAnisotropic:
        sx = ratio(dc_.vpExt.x(), dc_.winExt.x());
        sy = ratio(dc_.vpExt.y(), dc_.winExt.y());
        return;
    default:
        sx = sy = 1;
        return;
    }
}

QPointF Player::toDevice(double x, double y) const {
    double sx, sy;
    pageScale(sx, sy);
    const QRectF& f = file_.frame();
    double px = (x - dc_.winOrg.x()) * sx + dc_.vpOrg.x();
    double py = (y - dc_.winOrg.y()) * sy + dc_.vpOrg.y();
    return QPointF(target_.x() + px * target_.width() / f.width(),
                   target_.y() + py * target_.height() / f.height());
}

double Player::deviceScaleX() const {
    double sx, sy;
    pageScale(sx, sy);
    return sx * target_.width() / file_.frame().width();
}

double Player::deviceScaleY() const {
    double sx, sy;
    pageScale(sx, sy);
    return sy * target_.height() / file_.frame().height();
}

QTransform Player::logicalToDevice() const {
    QPointF o = toDevice(0, 0);
    return QTransform(deviceScaleX(), 0, 0, deviceScaleY(), o.x(), o.y());
}

// ---------------------------------------------------------------------------
// State

QColor Player::readColor(LeReader& r) const {
    uint8_t red = r.u8(), green = r.u8(), blue = r.u8(), flags = r.u8();
    if (flags == 0x01) { // PALETTEINDEX
        int index = red | (green << 8);
        if (index < dc_.palette.size())
            return QColor(dc_.palette[index]);
        return Qt::black;
    }
    return QColor(red, green, blue);
}

int Player::addObject(GdiObject object) {
    // GDI puts a new object in the lowest free slot of the table.
    if (!freeSlots_.empty()) {
        int slot = *freeSlots_.begin();
        freeSlots_.erase(freeSlots_.begin());
        objects_[size_t(slot)] = std::move(object);
        return slot;
    }
    if (objects_.size() >= kMaxObjects)
        return -1;
    objects_.push_back(std::move(object));
    return int(objects_.size() - 1);
}

GdiObject* Player::objectAt(int index) {
    if (index < 0 || size_t(index) >= objects_.size())
        return nullptr;
    return &objects_[size_t(index)];
}

void Player::selectObject(int index) {
    GdiObject* object = objectAt(index);
    if (!object)
        return; // GDI fails the call; the DC keeps what it had
    if (auto* pen = std::get_if<Pen>(object))
        dc_.pen = *pen;
    else if (auto* brush = std::get_if<Brush>(object))
        dc_.brush = *brush;
    else if (auto* font = std::get_if<Font>(object))
        dc_.font = *font;
    else if (auto* region = std::get_if<Region>(object))
        setClip(deviceRegion(region->region));
}

void Player::deleteObject(int index) {
    // The DC holds copies, so deleting the selected object changes nothing drawn.
    GdiObject* object = objectAt(index);
    if (!object || std::holds_alternative<std::monostate>(*object))
        return;
    *object = std::monostate{};
    freeSlots_.insert(index);
}

QRegion Player::deviceRegion(const QRegion& logical) const {
    QRegion out;
    for (const QRect& r : logical)
        out += deviceRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height())
                   .toAlignedRect();
    return out;
}

void Player::setClip(std::optional<QRegion> clip) {
    // Each excluded rectangle splits the region further; past this a file is
    // only trying to make clipping slow, and the clip it had stays.
    if (clip && clip->rectCount() > kMaxClipRects)
        return;
    dc_.clip = std::move(clip);
    clipDirty_ = true;
}

void Player::applyClip() {
    if (!clipDirty_)
        return;
    clipDirty_ = false;
    painter_.setClipRegion(dc_.clip ? baseClip_.intersected(*dc_.clip) : baseClip_,
                           Qt::ReplaceClip);
}

// ---------------------------------------------------------------------------
// Drawing

QPen Player::makePen(bool forBackground) const {
    const Pen& p = dc_.pen;
    int style = p.style & 0x0F;
    if (style == kPsNull)
        return QPen(Qt::NoPen);
    double scale = std::sqrt(std::abs(deviceScaleX() * deviceScaleY()));
    // A zero width means one device pixel; GDI never draws thinner than that.
    double width = std::max(1.0, p.width * scale);
    double limit = 4 * std::max(target_.width(), target_.height()) + 4;
    width = std::min(width, limit);
    QPen pen(forBackground ? dc_.bkColor : p.color, width);
    switch (p.style & 0x0F00) {
    case 0x0100:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case 0x0200:
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        pen.setCapStyle(Qt::RoundCap);
        break;
    }
    switch (p.style & 0xF000) {
    case 0x1000:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case 0x2000:
        pen.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        pen.setJoinStyle(Qt::RoundJoin);
        break;
    }
    if (forBackground || style < kPsDash || style > kPsDashDotDot)
        return pen;
    // Thin GDI dashes have fixed pixel lengths; wide ones scale with the width.
    if (width <= 1.5) {
        QList<qreal> pattern;
        switch (style) {
        case kPsDash:
            pattern = {18, 6};
            break;
        case kPsDot:
            pattern = {3, 3};
            break;
        case kPsDashDot:
            pattern = {9, 6, 3, 6};
            break;
        default:
            pattern = {9, 3, 3, 3, 3, 3};
            break;
        }
        for (qreal& v : pattern)
            v /= width;
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern(pattern);
    } else {
        static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                              Qt::DashDotLine, Qt::DashDotDotLine};
        pen.setStyle(styles[style]);
    }
    return pen;
}

void Player::fillPath(const QPainterPath& path) {
    const Brush& b = dc_.brush;
    switch (b.style) {
    case kBsNull:
        return;
    case kBsHatched: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
        if (dc_.bkMode == kOpaque)
            painter_.fillPath(path, dc_.bkColor);
        painter_.fillPath(path, QBrush(b.color, hatches[std::clamp(b.hatch, 0, 5)]));
        return;
    }
    case kBsPattern:
    case kBsDibPattern:
        if (!b.pattern.isNull()) {
            painter_.fillPath(path, QBrush(b.pattern));
            return;
        }
        painter_.fillPath(path, b.color);
        return;
    default:
        painter_.fillPath(path, b.color);
        return;
    }
}

void Player::strokePath(const QPainterPath& path) {
    QPen pen = makePen();
    if (pen.style() == Qt::NoPen)
        return;
    // GDI draws a one-pixel line on the pixels whose top-left corner the
    // coordinate names; half a pixel across puts Qt's thin line on those
    // pixels instead of smearing it over two.
    const bool thin = pen.widthF() <= 1.0;
    if (thin)
        painter_.translate(0.5, 0.5);
    if (dc_.bkMode == kOpaque && (dc_.pen.style & 0x0F) >= kPsDash &&
        (dc_.pen.style & 0x0F) <= kPsDashDotDot)
        painter_.strokePath(path, makePen(true)); // the gaps of a dashed pen show the background
    painter_.strokePath(path, pen);
    if (thin)
        painter_.translate(-0.5, -0.5);
}

void Player::drawShape(const QPainterPath& path, bool fill) {
    applyClip();
    if (fill)
        fillPath(path);
    strokePath(path);
}

QPolygonF Player::readPoints(LeReader& r, int count) const {
    if (count < 0 || size_t(count) * 4 > r.remaining())
        throw ReadPastEnd();
    if ((pointBudget_ -= count) < 0)
        throw ReadPastEnd();
    QPolygonF points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        double x = r.i16();
        double y = r.i16();
        points.append(toDevice(x, y));
    }
    return points;
}

// Angle on an ellipse (Qt's parametric convention) of the radial through `p`.
double RadialAngle(const QRectF& box, QPointF p) {
    QPointF c = box.center();
    double dx = p.x() - c.x(), dy = p.y() - c.y();
    if (dx == 0 && dy == 0)
        return 0;
    double rx = std::max(box.width() / 2, 1e-9), ry = std::max(box.height() / 2, 1e-9);
    return std::atan2(-dy * rx, dx * ry) * 180.0 / std::numbers::pi;
}

void Player::arcRecord(uint16_t function, LeReader& r) {
    double yEnd = r.i16(), xEnd = r.i16(), yStart = r.i16(), xStart = r.i16();
    double bottom = r.i16(), right = r.i16(), top = r.i16(), left = r.i16();
    QRectF box = deviceRect(left, top, right, bottom);
    // GDI draws counter-clockwise as seen on the device, from the start radial to the end radial.
    double a0 = RadialAngle(box, toDevice(xStart, yStart));
    double a1 = RadialAngle(box, toDevice(xEnd, yEnd));
    double sweep = a1 - a0;
    while (sweep <= 0)
        sweep += 360;
    while (sweep > 360)
        sweep -= 360;
    QPainterPath path;
    if (function == kPie) {
        path.moveTo(box.center());
        path.arcTo(box, a0, sweep);
        path.closeSubpath();
        drawShape(path, true);
    } else if (function == kChord) {
        path.arcMoveTo(box, a0);
        path.arcTo(box, a0, sweep);
        path.closeSubpath();
        drawShape(path, true);
    } else {
        path.arcMoveTo(box, a0);
        path.arcTo(box, a0, sweep);
        drawShape(path, false);
    }
}

QFont Player::makeFont(double& pixelSize) const {
    const Font& f = dc_.font;
    QFont font(
        ResolveFaceName(DecodeCodePage(f.face, CodePageForCharset(f.charset)), f.pitchAndFamily));
    font.setWeight(QFont::Weight(std::clamp(f.weight == 0 ? 400 : f.weight, 100, 900)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    double dpi = painter_.device() ? painter_.device()->logicalDpiY() : 96;
    if (dpi <= 0)
        dpi = 96;
    auto setPixels = [&](double px) { font.setPointSizeF(std::max(px, 0.5) * 72.0 / dpi); };
    double height = std::abs(f.height * deviceScaleY());
    if (f.height == 0) {
        pixelSize = 16;
    } else if (f.height < 0) {
        pixelSize = height; // negative: the em height
    } else {
        // Positive: the cell height (ascent + descent); find the em that gives it.
        setPixels(100);
        QFontMetricsF m(font, painter_.device());
        pixelSize = m.height() > 0 ? height * 100 / m.height() : height;
    }
    double limit = 2 * std::max(target_.width(), target_.height()) + 16;
    pixelSize = std::clamp(pixelSize, 0.5, limit);
    setPixels(pixelSize);
    if (f.width != 0) {
        QFontMetricsF m(font, painter_.device());
        double average = m.averageCharWidth();
        double wanted = std::abs(f.width * deviceScaleX());
        // At most ten times the face's own width: far narrower than any
        // metafile's text needs, and far wider glyphs make the rasterizer
        // fail in a way the toolkit does not survive.
        if (average > 0)
            font.setStretch(std::clamp(int(std::lround(100 * wanted / average)), 1, 1000));
    }
    return font;
}

void Player::drawText(QPointF logicalRef, std::string_view bytes, const std::vector<int>& dx,
                      int options, const std::optional<QRectF>& logicalRect) {
    applyClip();
    std::optional<QRectF> rect;
    if (logicalRect)
        rect = deviceRect(logicalRect->left(), logicalRect->top(), logicalRect->right(),
                          logicalRect->bottom());
    if (rect && (options & kEtoOpaque))
        painter_.fillRect(*rect, dc_.bkColor);
    if (bytes.empty() || (options & kEtoGlyphIndex))
        return;
    if ((charBudget_ -= (long long)bytes.size()) < 0)
        return;

    const bool updateCp = dc_.textAlign & kTaUpdateCp;
    if (updateCp)
        logicalRef = dc_.current;
    QString text = DecodeCodePage(bytes, CodePageForCharset(dc_.font.charset));
    double pixelSize = 0;
    QFont font = makeFont(pixelSize);
    QFontMetricsF metrics(font, painter_.device());

    // Advances along the baseline, in device units.
    const double sx = std::abs(deviceScaleX());
    std::vector<double> advances;
    bool perChar = !dx.empty() || dc_.textCharExtra != 0;
    if (perChar) {
        advances.reserve(size_t(text.size()));
        for (qsizetype i = 0; i < text.size(); ++i) {
            double a = size_t(i) < dx.size() && text.size() == qsizetype(bytes.size())
                           ? dx[size_t(i)] * sx
                           : metrics.horizontalAdvance(text[i]);
            if (dx.empty())
                a += dc_.textCharExtra * sx;
            advances.push_back(a);
        }
    }
    double width = 0;
    if (perChar)
        for (double a : advances)
            width += a;
    else
        width = metrics.horizontalAdvance(text);

    double x0 = 0;
    switch (dc_.textAlign & kTaCenter) {
    case kTaCenter:
        x0 = -width / 2;
        break;
    case kTaRight:
        x0 = -width;
        break;
    default:
        break;
    }
    double baseline = 0;
    switch (dc_.textAlign & kTaBaseline) {
    case kTaBaseline:
        baseline = 0;
        break;
    case kTaBottom:
        baseline = -metrics.descent();
        break;
    default:
        baseline = metrics.ascent();
        break;
    }

    painter_.save();
    if (rect && (options & kEtoClipped))
        painter_.setClipRect(*rect, Qt::IntersectClip);
    // Text is placed in device space: the reference point is mapped, the
    // glyphs are not, so a y-up or stretched mapping never mirrors or distorts them.
    QPointF ref = toDevice(logicalRef);
    painter_.translate(ref);
    if (dc_.font.escapement != 0)
        painter_.rotate(-dc_.font.escapement / 10.0);
    painter_.setFont(font);
    if (dc_.bkMode == kOpaque && !(options & kEtoOpaque))
        painter_.fillRect(QRectF(x0, baseline - metrics.ascent(), width, metrics.height()),
                          dc_.bkColor);
    painter_.setPen(dc_.textColor);
    if (perChar) {
        double x = x0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            painter_.drawText(QPointF(x, baseline), QString(text[i]));
            x += advances[size_t(i)];
        }
    } else {
        painter_.drawText(QPointF(x0, baseline), text);
    }
    painter_.restore();

    if (updateCp) {
        double sign = deviceScaleX() < 0 ? -1 : 1;
        double logicalWidth = sx > 0 ? width / sx : 0;
        double angle = dc_.font.escapement / 10.0 * std::numbers::pi / 180.0;
        dc_.current +=
            QPointF(sign * logicalWidth * std::cos(angle), -sign * logicalWidth * std::sin(angle));
    }
}

void Player::drawBitmap(const QImage& image, QRectF source, QPointF dest, QSizeF destSize,
                        uint32_t rop) {
    if (image.isNull() || rop == kDstCopy)
        return;
    applyClip();
    QPointF p0 = toDevice(dest);
    QPointF p1 = toDevice(dest.x() + destSize.width(), dest.y() + destSize.height());
    QRectF target(p0, p1);
    QRectF src = source.intersected(QRectF(image.rect()));
    if (src.isEmpty())
        src = QRectF(image.rect());
    QImage part = image.copy(src.toAlignedRect());
    bool mirrorX = target.width() < 0, mirrorY = target.height() < 0;
    if (mirrorX || mirrorY)
        part = part.mirrored(mirrorX, mirrorY);
    if (rop == kNotSrcCopy)
        part.invertPixels();
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    bool rasterOps =
        painter_.paintEngine() && painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    if (rasterOps) {
        if (rop == kSrcAnd)
            mode = QPainter::RasterOp_SourceAndDestination;
        else if (rop == kSrcPaint)
            mode = QPainter::RasterOp_SourceOrDestination;
        else if (rop == kSrcInvert)
            mode = QPainter::RasterOp_SourceXorDestination;
    }
    painter_.save();
    painter_.setCompositionMode(mode);
    painter_.drawImage(target.normalized(), part);
    painter_.restore();
}

// Decodes a DIB within the playing's pixel budget, so that a file of many
// small records claiming huge (run-length encoded) bitmaps stays cheap.
QImage Player::decodeDib(std::string_view dib, bool paletteIndices) const {
    long long pixels = DibPixelCount(dib);
    if (pixels < 0 || (bitmapBudget_ -= pixels) < 0)
        return {};
    return DecodeDib(dib, nullptr, paletteIndices, dc_.palette);
}

void Player::patBlt(QRectF rect, uint32_t rop) {
    applyClip();
    switch (rop) {
    case kBlackness:
        painter_.fillRect(rect, Qt::black);
        return;
    case kWhiteness:
        painter_.fillRect(rect, Qt::white);
        return;
    case kDstCopy:
        return;
    case kDstInvert:
    case kPatInvert:
        if (painter_.paintEngine() &&
            painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes)) {
            painter_.save();
            if (rop == kDstInvert) {
                painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
                painter_.fillRect(rect, Qt::black);
            } else {
                painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
                painter_.fillRect(rect, dc_.brush.color);
            }
            painter_.restore();
        }
        return;
    default: {
        QPainterPath path;
        path.addRect(rect);
        fillPath(path);
        return;
    }
    }
}

// A 16-bit device-dependent bitmap (BS_PATTERN brushes): only monochrome ones
// are meaningful without the device, drawn in the text and background colours.
QImage Bitmap16ToImage(LeReader& r, const QColor& fg, const QColor& bg) {
    r.i16(); // type
    int width = r.i16(), height = r.i16(), widthBytes = r.i16();
    int planes = r.u8(), bitsPixel = r.u8();
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096 || planes != 1 ||
        bitsPixel != 1 || widthBytes * 8 < width)
        return {};
    std::string_view bits = r.bytes(size_t(widthBytes) * size_t(height));
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char byte = static_cast<unsigned char>(bits[size_t(y) * widthBytes + x / 8]);
            image.setPixel(x, y, (byte & (0x80 >> (x % 8))) ? bg.rgb() : fg.rgb());
        }
    return image;
}

QImage Player::patternImage(LeReader& r, int style, int usage) const {
    if (style == kBsPattern) {
        return Bitmap16ToImage(r, dc_.textColor, dc_.bkColor);
    }
    return decodeDib(r.rest(), usage == 1);
}

Region Player::readRegion(LeReader& r) const {
    r.u16(); // next in chain
    r.u16(); // object type
    r.u32(); // object count
    r.u16(); // region size
    int scanCount = r.u16();
    r.u16(); // largest scan
    int left = r.i16(), top = r.i16(), right = r.i16(), bottom = r.i16();
    Region region;
    int rects = 0;
    for (int s = 0; s < scanCount; ++s) {
        int count = r.u16();
        int scanTop = r.i16(), scanBottom = r.i16();
        for (int i = 0; i + 1 < count; i += 2) {
            int l = r.i16(), rt = r.i16();
            if (++rects > kMaxRegionRects)
                throw ReadPastEnd();
            if (rt > l && scanBottom > scanTop)
                region.region += QRect(l, scanTop, rt - l, scanBottom - scanTop);
        }
        if (count % 2)
            r.i16();
        r.u16(); // count again
    }
    if (scanCount == 0 && right > left && bottom > top)
        region.region = QRegion(left, top, right - left, bottom - top);
    return region;
}

// ---------------------------------------------------------------------------

void Player::record(uint16_t function, LeReader& r, size_t size) {
    switch (function) {
    // --- state -------------------------------------------------------------
    case kSaveDc:
        if (saved_.size() < kMaxSavedDcs)
            saved_.push_back(dc_);
        return;
    case kRestoreDc: {
        int n = r.i16();
        size_t target;
        if (n < 0) {
            if (size_t(-n) > saved_.size())
                return;
            target = saved_.size() - size_t(-n);
        } else if (n > 0) {
            if (size_t(n) > saved_.size())
                return;
            target = size_t(n) - 1;
        } else {
            return;
        }
        dc_ = saved_[target];
        saved_.resize(target);
        clipDirty_ = true;
        return;
    }
    case kSetMapMode:
        dc_.mapMode = r.i16();
        return;
    case kSetWindowOrg: {
        double y = r.i16();
        dc_.winOrg = QPointF(r.i16(), y);
        return;
    }
    case kSetWindowExt: {
        double y = r.i16(), x = r.i16();
        if (x != 0 && y != 0)
            dc_.winExt = QPointF(x, y);
        return;
    }
    case kSetViewportOrg: {
        double y = r.i16();
        dc_.vpOrg = QPointF(r.i16(), y);
        return;
    }
    case kSetViewportExt: {
        double y = r.i16(), x = r.i16();
        if (x != 0 && y != 0)
            dc_.vpExt = QPointF(x, y);
        return;
    }
    case kOffsetWindowOrg: {
        double y = r.i16();
        dc_.winOrg += QPointF(r.i16(), y);
        return;
    }
    case kOffsetViewportOrg: {
        double y = r.i16();
        dc_.vpOrg += QPointF(r.i16(), y);
        return;
    }
    case kScaleWindowExt:
    case kScaleViewportExt: {
        double yDen = r.i16(), yNum = r.i16(), xDen = r.i16(), xNum = r.i16();
        if (xDen == 0 || yDen == 0 || xNum == 0 || yNum == 0)
            return;
        QPointF& ext = function == kScaleWindowExt ? dc_.winExt : dc_.vpExt;
        ext = QPointF(ext.x() * xNum / xDen, ext.y() * yNum / yDen);
        return;
    }
    case kSetBkMode:
        dc_.bkMode = r.i16();
        return;
    case kSetBkColor:
        dc_.bkColor = readColor(r);
        return;
    case kSetTextColor:
        dc_.textColor = readColor(r);
        return;
    case kSetTextAlign:
        dc_.textAlign = r.u16();
        return;
    case kSetPolyFillMode:
        dc_.polyFillMode = r.i16();
        return;
    case kSetTextCharExtra:
        dc_.textCharExtra = r.i16();
        return;
    case kMoveTo: {
        double y = r.i16();
        dc_.current = QPointF(r.i16(), y);
        return;
    }

    // --- objects -----------------------------------------------------------
    case kCreatePenIndirect: {
        Pen pen;
        pen.style = r.u16();
        pen.width = std::abs(r.i16());
        r.i16(); // y of the width point: unused
        pen.color = readColor(r);
        addObject(pen);
        return;
    }
    case kCreateBrushIndirect: {
        Brush brush;
        brush.style = r.u16();
        brush.color = readColor(r);
        brush.hatch = r.u16();
        // Pattern styles need a bitmap this record cannot carry: GDI makes them solid.
        if (brush.style != kBsNull && brush.style != kBsHatched)
            brush.style = kBsSolid;
        addObject(brush);
        return;
    }
    case kCreateFontIndirect: {
        Font font;
        font.height = r.i16();
        font.width = r.i16();
        font.escapement = r.i16();
        r.i16(); // orientation: GDI (compatible mode) draws with the escapement
        font.weight = r.i16();
        font.italic = r.u8();
        font.underline = r.u8();
        font.strikeOut = r.u8();
        font.charset = r.u8();
        r.u8(); // out precision
        r.u8(); // clip precision
        r.u8(); // quality
        font.pitchAndFamily = r.u8();
        std::string_view face = r.rest().substr(0, 32);
        font.face = std::string(face.substr(0, face.find('\0')));
        addObject(font);
        return;
    }
    case kCreatePalette: {
        Palette palette;
        r.u16(); // version
        int count = r.u16();
        if (size_t(count) * 4 > r.remaining())
            throw ReadPastEnd();
        for (int i = 0; i < count; ++i) {
            uint8_t red = r.u8(), green = r.u8(), blue = r.u8();
            r.u8();
            palette.colors.append(qRgb(red, green, blue));
        }
        addObject(palette);
        return;
    }
    case kCreateRegion:
        addObject(readRegion(r));
        return;
    case kDibCreatePatternBrush: {
        Brush brush;
        int style = r.u16();
        int usage = r.u16();
        brush.style = kBsDibPattern;
        brush.color = Qt::black;
        brush.pattern = patternImage(r, style, usage);
        addObject(brush);
        return;
    }
    case kCreatePatternBrush: {
        Brush brush;
        brush.style = kBsPattern;
        brush.color = Qt::black;
        // Bitmap16 header (10 bytes), 18 reserved bytes, then the bits.
        LeReader header(r.bytes(10));
        r.skip(18);
        std::string joined(header.data());
        joined.append(r.rest());
        LeReader whole(joined);
        brush.pattern = Bitmap16ToImage(whole, dc_.textColor, dc_.bkColor);
        addObject(brush);
        return;
    }
    case kSelectObject:
        selectObject(r.u16());
        return;
    case kSelectPalette: {
        GdiObject* object = objectAt(r.u16());
        if (object)
            if (auto* palette = std::get_if<Palette>(object))
                dc_.palette = palette->colors;
        return;
    }
    case kDeleteObject:
        deleteObject(r.u16());
        return;

    // --- clipping ----------------------------------------------------------
    case kIntersectClipRect:
    case kExcludeClipRect: {
        double bottom = r.i16(), right = r.i16(), top = r.i16(), left = r.i16();
        QRegion rect(deviceRect(left, top, right, bottom).toAlignedRect());
        if (function == kIntersectClipRect)
            setClip(dc_.clip ? dc_.clip->intersected(rect) : rect);
        else
            setClip((dc_.clip ? *dc_.clip : baseClip_).subtracted(rect));
        return;
    }
    case kSelectClipRegion: {
        GdiObject* object = objectAt(r.u16());
        Region* region = object ? std::get_if<Region>(object) : nullptr;
        if (!region) {
            setClip(std::nullopt); // a null region removes the clip
            return;
        }
        setClip(deviceRegion(region->region));
        return;
    }
    case kOffsetClipRgn: {
        double y = r.i16(), x = r.i16();
        if (!dc_.clip)
            return;
        QPointF delta = toDevice(x, y) - toDevice(0, 0);
        setClip(dc_.clip->translated(delta.toPoint()));
        return;
    }

    // --- lines and shapes --------------------------------------------------
    case kLineTo: {
        double y = r.i16(), x = r.i16();
        QPainterPath path(toDevice(dc_.current));
        path.lineTo(toDevice(x, y));
        dc_.current = QPointF(x, y);
        drawShape(path, false);
        return;
    }
    case kPolyline:
    case kPolygon: {
        int count = r.i16();
        QPolygonF points = readPoints(r, count);
        if (points.isEmpty())
            return;
        QPainterPath path;
        path.setFillRule(dc_.polyFillMode == kWinding ? Qt::WindingFill : Qt::OddEvenFill);
        path.addPolygon(points);
        if (function == kPolygon)
            path.closeSubpath();
        drawShape(path, function == kPolygon);
        return;
    }
    case kPolyPolygon: {
        int polygons = r.u16();
        if (size_t(polygons) * 2 > r.remaining())
            throw ReadPastEnd();
        std::vector<int> counts;
        size_t total = 0;
        for (int i = 0; i < polygons; ++i) {
            counts.push_back(r.u16());
            total += size_t(counts.back());
        }
        if (total * 4 > r.remaining())
            throw ReadPastEnd();
        QPainterPath path;
        path.setFillRule(dc_.polyFillMode == kWinding ? Qt::WindingFill : Qt::OddEvenFill);
        for (int count : counts) {
            QPolygonF points = readPoints(r, count);
            if (points.isEmpty())
                continue;
            path.addPolygon(points);
            path.closeSubpath();
        }
        drawShape(path, true);
        return;
    }
    case kRectangle:
    case kEllipse: {
        double bottom = r.i16(), right = r.i16(), top = r.i16(), left = r.i16();
        QPainterPath path;
        QRectF rect = deviceRect(left, top, right, bottom);
        if (function == kRectangle)
            path.addRect(rect);
        else
            path.addEllipse(rect);
        drawShape(path, true);
        return;
    }
    case kRoundRect: {
        double h = r.i16(), w = r.i16();
        double bottom = r.i16(), right = r.i16(), top = r.i16(), left = r.i16();
        QRectF rect = deviceRect(left, top, right, bottom);
        double rx = std::abs(w * deviceScaleX()) / 2, ry = std::abs(h * deviceScaleY()) / 2;
        QPainterPath path;
        path.addRoundedRect(rect, std::min(rx, rect.width() / 2), std::min(ry, rect.height() / 2));
        drawShape(path, true);
        return;
    }
    case kArc:
    case kPie:
    case kChord:
        arcRecord(function, r);
        return;
    case kSetPixel: {
        QColor color = readColor(r);
        double y = r.i16(), x = r.i16();
        applyClip();
        QPointF p = toDevice(x, y);
        double w = std::max(1.0, std::abs(deviceScaleX())),
               h = std::max(1.0, std::abs(deviceScaleY()));
        painter_.fillRect(QRectF(p.x(), p.y(), w, h), color);
        return;
    }
    case kFillRegion:
    case kPaintRegion:
    case kFrameRegion: {
        GdiObject* object = objectAt(r.u16());
        Region* region = object ? std::get_if<Region>(object) : nullptr;
        if (!region)
            return;
        QPainterPath path;
        path.addRegion(region->region);
        path = logicalToDevice().map(path);
        Brush saved = dc_.brush;
        if (function != kPaintRegion) {
            GdiObject* brushObject = objectAt(r.u16());
            Brush* brush = brushObject ? std::get_if<Brush>(brushObject) : nullptr;
            if (!brush)
                return;
            dc_.brush = *brush;
        }
        applyClip();
        if (function == kFrameRegion) {
            QPainterPathStroker stroker;
            stroker.setWidth(std::max(1.0, std::abs(deviceScaleX())));
            fillPath(stroker.createStroke(path).intersected(path));
        } else {
            fillPath(path);
        }
        dc_.brush = saved;
        return;
    }

    // --- text --------------------------------------------------------------
    case kTextOut: {
        int count = r.i16();
        if (count < 0)
            return;
        std::string_view text = r.bytes(size_t(count));
        if (count % 2)
            r.skip(1);
        double y = r.i16(), x = r.i16();
        drawText(QPointF(x, y), text, {}, 0, std::nullopt);
        return;
    }
    case kExtTextOut: {
        double y = r.i16(), x = r.i16();
        int count = r.i16();
        int options = r.u16();
        std::optional<QRectF> rect;
        if (options & (kEtoOpaque | kEtoClipped)) {
            double left = r.i16(), top = r.i16(), right = r.i16(), bottom = r.i16();
            rect = QRectF(QPointF(left, top), QPointF(right, bottom));
        }
        if (count < 0)
            return;
        std::string_view text = r.bytes(size_t(count));
        if (count % 2 && r.remaining() > 0)
            r.skip(1);
        std::vector<int> dx;
        size_t perChar = (options & kEtoPdy) ? 4 : 2;
        if (r.remaining() >= size_t(count) * perChar) {
            dx.reserve(size_t(count));
            for (int i = 0; i < count; ++i) {
                dx.push_back(r.i16());
                if (options & kEtoPdy)
                    r.i16();
            }
        }
        drawText(QPointF(x, y), text, dx, options, rect);
        return;
    }

    // --- bitmaps -----------------------------------------------------------
    case kPatBlt: {
        uint32_t rop = r.u32();
        double h = r.i16(), w = r.i16(), y = r.i16(), x = r.i16();
        patBlt(deviceRect(x, y, x + w, y + h), rop);
        return;
    }
    case kStretchDib: {
        uint32_t rop = r.u32();
        int usage = r.u16();
        double srcH = r.i16(), srcW = r.i16(), ySrc = r.i16(), xSrc = r.i16();
        double destH = r.i16(), destW = r.i16(), yDst = r.i16(), xDst = r.i16();
        QImage image = decodeDib(r.rest(), usage == 1);
        if (image.isNull())
            return;
        // The source origin of StretchDIBits is the bitmap's lower-left corner.
        QRectF source(xSrc, image.height() - ySrc - srcH, srcW, srcH);
        drawBitmap(image, source, QPointF(xDst, yDst), QSizeF(destW, destH), rop);
        return;
    }
    case kDibStretchBlt:
    case kDibBitBlt: {
        // The form without a bitmap has exactly the fixed parameters that the
        // high byte of the function counts; it blits with the brush.
        bool withBitmap = size != size_t(function >> 8) * 2;
        uint32_t rop = r.u32();
        if (!withBitmap)
            r.i16(); // reserved
        double srcH = 0, srcW = 0;
        if (function == kDibStretchBlt) {
            srcH = r.i16();
            srcW = r.i16();
        }
        double ySrc = r.i16(), xSrc = r.i16();
        double destH = r.i16(), destW = r.i16(), yDst = r.i16(), xDst = r.i16();
        if (function == kDibBitBlt) {
            srcH = destH;
            srcW = destW;
        }
        if (!withBitmap) {
            patBlt(deviceRect(xDst, yDst, xDst + destW, yDst + destH), rop);
            return;
        }
        QImage image = decodeDib(r.rest(), false);
        drawBitmap(image, QRectF(xSrc, ySrc, srcW, srcH), QPointF(xDst, yDst), QSizeF(destW, destH),
                   rop);
        return;
    }

    default:
        // ESCAPE (LibreOffice embeds a whole EMF copy in comments), palette
        // animation, flood fills, device-dependent blits and everything else
        // that does not draw: skipped by its size.
        return;
    }
}

void Player::run() {
    const QRectF& frame = file_.frame();
    if (frame.width() <= 0 || frame.height() <= 0 || target_.isEmpty())
        return;
    pageUnitsPerInch_ = file_.unitsPerInch();
    objects_.reserve(std::min<size_t>(size_t(file_.objectCount()), 4096));
    if (file_.frameIsWindow()) {
        // As a program plays a placeable metafile: anisotropic mapping of the
        // frame onto the whole target, which the file's own window records refine.
        dc_.mapMode = kMmAnisotropic;
        dc_.winOrg = frame.topLeft();
        dc_.winExt = QPointF(frame.width(), frame.height());
        dc_.vpOrg = QPointF(0, 0);
        dc_.vpExt = dc_.winExt;
    } else {
        dc_.vpOrg = -frame.topLeft();
    }

    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    baseClip_ = QRegion(target_.toAlignedRect());
    if (painter_.hasClipping())
        baseClip_ = baseClip_.intersected(painter_.clipRegion());
    clipDirty_ = true;

    for (const WmfFile::Record& rec : file_.records()) {
        LeReader r(file_.params(rec));
        try {
            record(rec.function, r, rec.size);
        } catch (const ReadPastEnd&) {
            // A record shorter than its kind needs: skipped, as GDI would fail the call.
        }
    }
    painter_.restore();
}

} // namespace

WmfPicture WmfPicture::FromBytes(std::string bytes) {
    WmfPicture picture;
    picture.file_ = WmfFile::Parse(std::move(bytes));
    return picture;
}

void WmfPicture::play(QPainter& painter, const QRectF& target) const {
    if (!file_)
        return;
    Player(*file_, painter, target).run();
}

} // namespace vd
