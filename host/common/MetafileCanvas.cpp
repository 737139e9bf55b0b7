#include "host/common/MetafileCanvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <string>

#include "host/common/ByteOrder.h"
#include "host/common/OffscreenGui.h"
#include "host/common/Picture.h"
#include "host/common/PictureImage.h"

namespace kv::host {

namespace {

// The pixels of `key` colour left out: what an AND with white or an OR with black leaves as it
// was, so that the usual mask-and-paint pair of blits draws the picture and only it.
QImage without(const QImage& image, QRgb key) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((row[x] & 0xFFFFFF) == (key & 0xFFFFFF)) row[x] = 0;
    }
    return out;
}

// A slot index from the records: no table grows past this.
constexpr size_t kMaxSlots = 1 << 16;

}  // namespace

QColor MetafileCanvas::colour(uint32_t ref) {
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}

QString MetafileCanvas::code_page_text(std::string_view bytes) {
    // Windows-1252 above 0x7F, where it is not Latin-1.
    static constexpr char16_t k80[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString s;
    s.reserve(static_cast<qsizetype>(bytes.size()));
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        s.append(QChar(c >= 0x80 && c < 0xA0 ? k80[c - 0x80] : char16_t{c}));
    }
    return s;
}

QPen MetafileCanvas::pen(uint32_t style, double width, const QColor& colour) {
    QPen pen(colour);
    pen.setWidthF(width);
    static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                               Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                               Qt::SolidLine};
    pen.setStyle((style & 0x0F) < 7 ? kStyles[style & 0x0F] : Qt::SolidLine);
    const uint32_t cap = style & 0x0F00, join = style & 0xF000;
    pen.setCapStyle(cap == 0x100 ? Qt::SquareCap : cap == 0x200 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(join == 0x1000   ? Qt::BevelJoin
                     : join == 0x2000 ? Qt::MiterJoin
                                      : Qt::RoundJoin);
    return pen;
}

QBrush MetafileCanvas::brush(uint32_t style, const QColor& colour, uint32_t hatch) {
    if (style == 1) return Qt::NoBrush;
    if (style == 2) {
        static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                      Qt::FDiagPattern, Qt::BDiagPattern,
                                                      Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(colour, hatch < 6 ? kHatches[hatch] : Qt::SolidPattern);
    }
    return QBrush(colour);
}

QImage MetafileCanvas::bitmap(std::string_view dib, QRectF* src, bool from_bottom) {
    if (dib.size() < 16) return QImage();
    const Picture picture = Picture::from_bytes(std::string(dib));
    if (picture.format != PictureFormat::Dib) return QImage();
    QImage image = picture_image(picture);
    const bool bottom_up = read_le(dib, 0, 4) == 12 || static_cast<int32_t>(read_le(dib, 8, 4)) > 0;
    if (src && from_bottom && bottom_up && src->height() > 0)
        src->moveTop(image.height() - src->top() - src->height());
    return image;
}

struct MetafileCanvas::Object {
    enum Kind { kFree, kPen, kBrush, kFont, kOther } kind = kFree;
    QPen pen;
    QBrush brush;
    Font font;
};

MetafileCanvas::MetafileCanvas(QPainter& painter, const QRectF& target, const QTransform& device,
                               QSizeF px_per_mm)
    : p_(painter),
      base_(painter.worldTransform()),
      device_(device),
      px_per_mm_(px_per_mm),
      target_(target) {
    p_.save();
    p_.setClipRect(target, Qt::IntersectClip);
    remap();
}

MetafileCanvas::~MetafileCanvas() {
    for (; !saved_.empty(); saved_.pop_back()) p_.restore();
    p_.restore();
}

QTransform MetafileCanvas::page() const {
    const Mapping& m = s_.map;
    // Millimetres a unit of the fixed modes (y grows upwards in them).
    static constexpr double kUnitMm[] = {0, 0, 0.1, 0.01, 0.254, 0.0254, 25.4 / 1440};
    double sx = 1, sy = 1;
    if (m.mode >= 2 && m.mode <= 6) {
        sx = px_per_mm_.width() * kUnitMm[m.mode];
        sy = -px_per_mm_.height() * kUnitMm[m.mode];
    } else if (m.mode == 7 || m.mode == 8) {
        sx = m.viewport_ext.width() / m.window_ext.width();
        sy = m.viewport_ext.height() / m.window_ext.height();
        if (m.mode == 7) {  // isotropic: the smaller scale both ways
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
    }
    return QTransform(sx, 0, 0, sy, m.viewport_org.x() - m.window_org.x() * sx,
                      m.viewport_org.y() - m.window_org.y() * sy);
}

void MetafileCanvas::remap() {
    const QTransform t = s_.map.world * page() * device_ * base_;
    drawable_ = std::isfinite(t.m11()) && std::isfinite(t.m22()) && std::isfinite(t.dx()) &&
                std::isfinite(t.dy()) && t.isInvertible();
    if (drawable_) p_.setWorldTransform(t);
}

size_t MetafileCanvas::lowest_free_slot() const {
    for (size_t i = 0; i < objects_.size(); ++i)
        if (objects_[i].kind == Object::kFree) return i;
    return objects_.size();
}

void MetafileCanvas::put_pen(size_t slot, const QPen& pen) {
    if (slot >= kMaxSlots) return;
    if (slot >= objects_.size()) objects_.resize(slot + 1);
    objects_[slot] = Object{Object::kPen, pen, {}, {}};
}

void MetafileCanvas::put_brush(size_t slot, const QBrush& brush) {
    if (slot >= kMaxSlots) return;
    if (slot >= objects_.size()) objects_.resize(slot + 1);
    objects_[slot] = Object{Object::kBrush, {}, brush, {}};
}

void MetafileCanvas::put_font(size_t slot, const Font& font) {
    if (slot >= kMaxSlots) return;
    if (slot >= objects_.size()) objects_.resize(slot + 1);
    objects_[slot] = Object{Object::kFont, {}, {}, font};
}

void MetafileCanvas::put_other(size_t slot) {
    if (slot >= kMaxSlots) return;
    if (slot >= objects_.size()) objects_.resize(slot + 1);
    objects_[slot] = Object{Object::kOther, {}, {}, {}};
}

void MetafileCanvas::select(size_t slot) {
    if (slot >= objects_.size()) return;
    const Object& o = objects_[slot];
    if (o.kind == Object::kPen) s_.pen = o.pen;
    if (o.kind == Object::kBrush) s_.brush = o.brush;
    if (o.kind == Object::kFont) s_.font = o.font;
}

void MetafileCanvas::remove(size_t slot) {
    if (slot < objects_.size()) objects_[slot] = Object();
}

void MetafileCanvas::save() {
    saved_.push_back(s_);
    p_.save();
}

void MetafileCanvas::restore(int which) {
    const int64_t depth = static_cast<int64_t>(saved_.size());
    const int64_t back = which < 0 ? -int64_t{which} : depth - which + 1;
    if (back <= 0 || back > depth) return;
    for (int64_t i = 0; i < back; ++i) {
        s_ = saved_.back();
        saved_.pop_back();
        p_.restore();
    }
    remap();
}

void MetafileCanvas::ensure_figure() {
    if (path_.elementCount() == 0 || figure_closed_) path_.moveTo(s_.pos);
    figure_closed_ = false;
}

void MetafileCanvas::move_to(QPointF to) {
    s_.pos = to;
    if (path_open_) {
        path_.moveTo(to);
        figure_closed_ = false;
    }
}

void MetafileCanvas::line_to(QPointF to) {
    if (path_open_) {
        ensure_figure();
        path_.lineTo(to);
    } else if (drawable_) {
        p_.setPen(s_.pen);
        p_.drawLine(s_.pos, to);
    }
    s_.pos = to;
}

void MetafileCanvas::shape(const QPainterPath& path, bool filled) {
    if (path_open_) {
        path_.addPath(path);
        figure_closed_ = true;
        return;
    }
    if (!drawable_) return;
    p_.setPen(s_.pen);
    p_.setBrush(filled ? s_.brush : QBrush(Qt::NoBrush));
    p_.drawPath(path);
}

void MetafileCanvas::polyline(const QPolygonF& points) {
    if (points.size() < 2) return;
    QPainterPath path;
    path.addPolygon(points);
    shape(path, false);
}

void MetafileCanvas::polygon(const QPolygonF& points) {
    poly_polygon({points});
}

void MetafileCanvas::poly_polygon(const std::vector<QPolygonF>& polygons) {
    QPainterPath path;
    path.setFillRule(s_.fill);
    for (const QPolygonF& points : polygons) {
        if (points.isEmpty()) continue;
        path.addPolygon(points);
        path.closeSubpath();
    }
    shape(path, true);
}

void MetafileCanvas::beziers(const QPolygonF& points, bool from_pos) {
    const qsizetype first = from_pos ? 0 : 1;
    if (points.size() < first + 3) return;
    QPainterPath path(from_pos ? s_.pos : points[0]);
    qsizetype i = first;
    for (; i + 2 < points.size(); i += 3) path.cubicTo(points[i], points[i + 1], points[i + 2]);
    if (from_pos) s_.pos = points[i - 1];
    if (path_open_ && from_pos) {
        ensure_figure();
        path_.connectPath(path);
        return;
    }
    shape(path, false);
}

void MetafileCanvas::lines_from_pos(const QPolygonF& points) {
    for (const QPointF& p : points) line_to(p);
}

void MetafileCanvas::arc(const QRectF& box, QPointF start, QPointF end, int kind) {
    const QRectF r = box.normalized();
    if (r.isEmpty()) return;
    const QPointF c = r.center();
    auto angle = [&](QPointF p) {
        return std::atan2(-(p.y() - c.y()) / r.height(), (p.x() - c.x()) / r.width()) * 180 / M_PI;
    };
    const double from = angle(start);
    double span = angle(end) - from;
    if (span <= 0) span += 360;
    QPainterPath path;
    if (kind == 2)
        path.moveTo(c);  // the arc joins the centre by a line
    else
        path.arcMoveTo(r, from);
    path.arcTo(r, from, span);
    if (kind != 0) path.closeSubpath();
    shape(path, kind != 0);
}

void MetafileCanvas::set_pixel(QPointF at, const QColor& colour) {
    if (!drawable_) return;
    p_.setPen(QPen(colour, 0));
    p_.drawPoint(at);
}

// The selected font at its size on the target, in pixels (`size`); a face the machine does not
// have gives the default one (asking the font system for any name a record may hold would make
// it keep every name asked for).
QFont MetafileCanvas::device_font(double& size) const {
    const QTransform& t = p_.worldTransform();
    const Font& f = s_.font;
    QFont font;
    if (!f.face.isEmpty() && QFontDatabase::hasFamily(f.face)) font.setFamily(f.face);
    size = f.height == 0 ? 13 : std::abs(f.height) * std::hypot(t.m12(), t.m22());
    auto pixels = [](double s) {
        return std::max(1, static_cast<int>(std::lround(std::min(s, 4096.0))));
    };
    font.setPixelSize(pixels(size));
    if (f.height > 0) {
        // A positive height is the cell's, internal leading included.
        const double cell = QFontMetricsF(font).height();
        if (cell > 0) size = size * size / cell;
        font.setPixelSize(pixels(size));
    }
    font.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight == 0 ? 400 : f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strike);
    if (f.width != 0) {
        const double average = QFontMetricsF(font).averageCharWidth();
        const double wanted = std::abs(f.width) * std::hypot(t.m11(), t.m21());
        if (average > 0)
            font.setStretch(
                std::clamp(static_cast<int>(std::lround(100 * wanted / average)), 1, 4000));
    }
    return font;
}

void MetafileCanvas::text(QPointF at, const QString& s, const std::vector<double>* advances,
                          const QRectF* rect, unsigned options) {
    if (!drawable_ || path_open_) return;
    ensure_gui();
    const QTransform t = p_.worldTransform();
    const double sx = std::hypot(t.m11(), t.m21());
    p_.save();
    if (rect && (options & 2)) p_.fillRect(*rect, s_.back);  // ETO_OPAQUE
    if (rect && (options & 4)) p_.setClipRect(*rect, Qt::IntersectClip);
    if (s_.align & 1) at = s_.pos;  // TA_UPDATECP
    double size = 0;
    const QFont font = device_font(size);
    // A text far larger than the picture is damage, and costly to draw.
    const QRectF whole = base_.mapRect(target_);
    if (size > 4 * std::max(whole.width(), whole.height()) + 64) {
        p_.restore();
        return;
    }
    const QFontMetricsF fm(font);
    std::vector<double> steps;
    double width = 0;
    if (advances) {
        for (qsizetype i = 0; i < s.size() && static_cast<size_t>(i) < advances->size(); ++i) {
            steps.push_back((*advances)[static_cast<size_t>(i)] * sx);
            width += steps.back();
        }
    } else {
        width = fm.horizontalAdvance(s);
    }
    const unsigned h = s_.align & 6, v = s_.align & 24;
    const double x0 = h == 2 ? -width : h == 6 ? -width / 2 : 0;
    const double base = v == 24 ? 0 : v == 8 ? -fm.descent() : fm.ascent();
    p_.resetTransform();
    p_.translate(t.map(at));
    p_.rotate(-s_.font.escapement / 10.0);
    if (s_.opaque) p_.fillRect(QRectF(x0, base - fm.ascent(), width, fm.height()), s_.back);
    p_.setFont(font);
    p_.setPen(s_.text);
    if (advances) {
        double x = x0;
        for (size_t i = 0; i < steps.size(); ++i) {
            p_.drawText(QPointF(x, base), QString(s[static_cast<qsizetype>(i)]));
            x += steps[i];
        }
    } else {
        p_.drawText(QPointF(x0, base), s);
    }
    p_.restore();
    if ((s_.align & 1) && sx > 0) s_.pos.rx() += (h == 2 ? -width : width) / sx;
}

void MetafileCanvas::blit(unsigned rop, QRectF dest, QRectF src, QImage image) {
    if (!drawable_ || image.isNull() || dest.width() == 0 || dest.height() == 0) return;
    if (src.width() <= 0 || src.height() <= 0) src = image.rect();
    src = src.intersected(image.rect());
    if (src.isEmpty()) return;
    // A negative width or height mirrors the picture.
    const bool flip_x = dest.width() < 0, flip_y = dest.height() < 0;
    if (flip_x || flip_y) {
        image = image.copy(src.toAlignedRect()).mirrored(flip_x, flip_y);
        src = image.rect();
        dest = dest.normalized();
    }
    if (rop == kSrcAnd)
        image = without(image, qRgb(255, 255, 255));
    else if (rop == kSrcPaint || rop == kSrcInvert)
        image = without(image, qRgb(0, 0, 0));
    p_.drawImage(dest, image, src);
}

void MetafileCanvas::fill(unsigned rop, const QRectF& rect) {
    if (!drawable_) return;
    if (rop == kPatCopy) p_.fillRect(rect.normalized(), s_.brush);
    if (rop == kBlackness) p_.fillRect(rect.normalized(), Qt::black);
    if (rop == kWhiteness) p_.fillRect(rect.normalized(), Qt::white);
}

void MetafileCanvas::intersect_clip(const QRectF& rect) {
    if (drawable_) p_.setClipRect(rect.normalized(), Qt::IntersectClip);
}

void MetafileCanvas::exclude_clip(const QRectF& rect) {
    if (!drawable_) return;
    QPainterPath outside;
    outside.addRect(p_.worldTransform().inverted().mapRect(base_.mapRect(target_)));
    QPainterPath hole;
    hole.addRect(rect.normalized());
    p_.setClipPath(outside.subtracted(hole), Qt::IntersectClip);
}

void MetafileCanvas::reset_clip() {
    p_.setWorldTransform(base_);
    p_.setClipRect(target_, Qt::ReplaceClip);
    remap();
}

void MetafileCanvas::clip_to_region(const std::vector<QRectF>& device_rects, bool replace) {
    if (replace) {
        p_.setWorldTransform(base_);
        p_.setClipRect(target_, Qt::ReplaceClip);
    }
    QPainterPath region;
    for (const QRectF& r : device_rects) region.addRect(r.normalized());
    p_.setWorldTransform(device_ * base_);
    p_.setClipPath(region.simplified(), Qt::IntersectClip);
    remap();
}

void MetafileCanvas::begin_path() {
    path_ = QPainterPath();
    path_.setFillRule(s_.fill);
    path_open_ = true;
    figure_closed_ = true;
}

void MetafileCanvas::close_figure() {
    if (!path_open_) return;
    path_.closeSubpath();
    figure_closed_ = true;
}

void MetafileCanvas::abort_path() {
    path_ = QPainterPath();
    path_open_ = false;
}

void MetafileCanvas::draw_path(bool fill, bool stroke) {
    if (path_open_) return;  // only an ended path is drawn
    if (drawable_) {
        path_.setFillRule(s_.fill);
        p_.setPen(stroke ? s_.pen : QPen(Qt::NoPen));
        p_.setBrush(fill ? s_.brush : QBrush(Qt::NoBrush));
        p_.drawPath(path_);
    }
    path_ = QPainterPath();
}

void MetafileCanvas::clip_to_path() {
    if (path_open_) return;
    if (drawable_) p_.setClipPath(path_, Qt::IntersectClip);
    path_ = QPainterPath();
}

}  // namespace kv::host
