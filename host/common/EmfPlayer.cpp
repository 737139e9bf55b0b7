#include "host/common/EmfPlayer.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "host/common/ByteOrder.h"
#include "host/common/MetafileCanvas.h"

namespace kv::host {

namespace {

constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr size_t kMaxCount = 1 << 20;        // points or characters in one record

// Record types.
enum : uint32_t {
    kHeader = 1,
    kPolyBezier = 2,
    kPolygon = 3,
    kPolyline = 4,
    kPolyBezierTo = 5,
    kPolylineTo = 6,
    kPolyPolyline = 7,
    kPolyPolygon = 8,
    kSetWindowExt = 9,
    kSetWindowOrg = 10,
    kSetViewportExt = 11,
    kSetViewportOrg = 12,
    kEof = 14,
    kSetPixel = 15,
    kSetMapMode = 17,
    kSetBkMode = 18,
    kSetPolyFillMode = 19,
    kSetTextAlign = 22,
    kSetTextColor = 24,
    kSetBkColor = 25,
    kMoveTo = 27,
    kExcludeClipRect = 29,
    kIntersectClipRect = 30,
    kScaleViewportExt = 31,
    kScaleWindowExt = 32,
    kSaveDc = 33,
    kRestoreDc = 34,
    kSetWorldTransform = 35,
    kModifyWorldTransform = 36,
    kSelectObject = 37,
    kCreatePen = 38,
    kCreateBrushIndirect = 39,
    kDeleteObject = 40,
    kEllipse = 42,
    kRectangle = 43,
    kRoundRect = 44,
    kArc = 45,
    kChord = 46,
    kPie = 47,
    kCreatePalette = 49,
    kLineTo = 54,
    kBeginPath = 59,
    kEndPath = 60,
    kCloseFigure = 61,
    kFillPath = 62,
    kStrokeAndFillPath = 63,
    kStrokePath = 64,
    kSelectClipPath = 67,
    kAbortPath = 68,
    kExtSelectClipRgn = 75,
    kBitBlt = 76,
    kStretchBlt = 77,
    kStretchDiBits = 81,
    kExtCreateFontIndirectW = 82,
    kExtTextOutA = 83,
    kExtTextOutW = 84,
    kPolyBezier16 = 85,
    kPolygon16 = 86,
    kPolyline16 = 87,
    kPolyBezierTo16 = 88,
    kPolylineTo16 = 89,
    kPolyPolyline16 = 90,
    kPolyPolygon16 = 91,
    kCreateMonoBrush = 93,
    kCreateDibPatternBrush = 94,
    kExtCreatePen = 95,
};

// One record, read with bounds: a field past its end reads 0.
class Record {
  public:
    explicit Record(std::string_view b) : b_(b) {}
    uint32_t u32(size_t at) const { return read_le(b_, at, 4); }
    int32_t i32(size_t at) const { return static_cast<int32_t>(u32(at)); }
    int16_t i16(size_t at) const { return static_cast<int16_t>(read_le(b_, at, 2)); }
    float f32(size_t at) const {
        const uint32_t v = u32(at);
        float f;
        std::memcpy(&f, &v, sizeof f);
        return std::isfinite(f) ? f : 0.0f;
    }
    QPointF point(size_t at) const { return QPointF(i32(at), i32(at + 4)); }
    QRectF box(size_t at) const {  // left, top, right, bottom
        return QRectF(point(at), point(at + 8)).normalized();
    }
    QTransform xform(size_t at) const {
        return QTransform(f32(at), f32(at + 4), f32(at + 8), f32(at + 12), f32(at + 16),
                          f32(at + 20));
    }
    // `count` items of `width` bytes from `at`, when the record holds them.
    bool holds(size_t at, uint64_t count, size_t width) const {
        return count <= kMaxCount && at + count * width <= b_.size();
    }
    std::string_view bytes(uint32_t at, uint32_t size) const {
        if (at > b_.size() || size > b_.size() - at) return {};
        return b_.substr(at, size);
    }
    QPolygonF points(size_t at, uint32_t count, bool small) const {
        QPolygonF out;
        if (!holds(at, count, small ? 4 : 8)) return out;
        out.reserve(static_cast<qsizetype>(count));
        for (uint32_t i = 0; i < count; ++i)
            out.append(small ? QPointF(i16(at + 4 * i), i16(at + 4 * i + 2))
                             : point(at + 8 * size_t{i}));
        return out;
    }

  private:
    std::string_view b_;
};

// A bitmap a record carries as its header and its bits, apart.
QImage record_bitmap(const Record& r, size_t bmi_at, QRectF* src, bool from_bottom) {
    const std::string_view bmi = r.bytes(r.u32(bmi_at), r.u32(bmi_at + 4));
    const std::string_view bits = r.bytes(r.u32(bmi_at + 8), r.u32(bmi_at + 12));
    if (bmi.empty()) return QImage();
    return MetafileCanvas::bitmap(std::string(bmi) + std::string(bits), src, from_bottom);
}

void select_stock(MetafileCanvas& c, uint32_t index) {
    auto& s = c.state();
    switch (index) {
        case 0:
        case 18:  // the DC brush, white until set
            s.brush = QBrush(Qt::white);
            break;
        case 1:
            s.brush = QBrush(QColor(192, 192, 192));
            break;
        case 2:
            s.brush = QBrush(QColor(128, 128, 128));
            break;
        case 3:
            s.brush = QBrush(QColor(64, 64, 64));
            break;
        case 4:
            s.brush = QBrush(Qt::black);
            break;
        case 5:
            s.brush = QBrush(Qt::NoBrush);
            break;
        case 6:
            s.pen = QPen(QBrush(Qt::white), 0);
            break;
        case 7:
        case 19:  // the DC pen, black until set
            s.pen = QPen(QBrush(Qt::black), 0);
            break;
        case 8:
            s.pen = QPen(Qt::NoPen);
            break;
        default:
            if (index >= 10 && index <= 17) s.font = MetafileCanvas::Font();
            break;
    }
}

MetafileCanvas::Font font_of(const Record& r) {
    MetafileCanvas::Font f;
    f.height = r.i32(12);
    f.width = r.i32(16);
    f.escapement = r.i32(20);
    f.weight = r.i32(28);
    f.italic = (r.u32(32) & 0xFF) != 0;
    f.underline = ((r.u32(32) >> 8) & 0xFF) != 0;
    f.strike = ((r.u32(32) >> 16) & 0xFF) != 0;
    for (size_t i = 0; i < 32; ++i) {
        const auto ch = static_cast<char16_t>(static_cast<uint16_t>(r.i16(40 + 2 * i)));
        if (ch == 0) break;
        f.face.append(QChar(ch));
    }
    return f;
}

void text(MetafileCanvas& c, const Record& r, bool wide) {
    const uint32_t count = r.u32(44), at = r.u32(48), options = r.u32(52), dx_at = r.u32(72);
    if (count > kMaxCount) return;
    const std::string_view raw = r.bytes(at, wide ? 2 * count : count);
    if (raw.size() != (wide ? 2 * size_t{count} : count)) return;
    QString s;
    if (wide) {
        for (uint32_t i = 0; i < count; ++i)
            s.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(raw[2 * i]) |
                                                 static_cast<unsigned char>(raw[2 * i + 1]) << 8)));
    } else {
        s = MetafileCanvas::code_page_text(raw);
    }
    std::vector<double> advances;
    if (dx_at != 0 && r.holds(dx_at, count, 4))
        for (uint32_t i = 0; i < count; ++i) advances.push_back(r.i32(dx_at + 4 * size_t{i}));
    const QRectF rect = r.box(56);
    c.text(r.point(36), s, advances.empty() ? nullptr : &advances, &rect, options);
}

void poly_polygons(MetafileCanvas& c, const Record& r, bool small, bool closed) {
    const uint32_t polygons = r.u32(24), total = r.u32(28);
    if (!r.holds(32, polygons, 4)) return;
    size_t at = 32 + 4 * size_t{polygons};
    if (!r.holds(at, total, small ? 4 : 8)) return;
    std::vector<QPolygonF> all;
    uint64_t used = 0;
    for (uint32_t k = 0; k < polygons; ++k) {
        const uint32_t count = r.u32(32 + 4 * size_t{k});
        used += count;
        if (used > total) return;
        all.push_back(r.points(at, count, small));
        at += count * size_t{small ? 4u : 8u};
    }
    if (closed) {
        c.poly_polygon(all);
    } else {
        for (const QPolygonF& line : all) c.polyline(line);
    }
}

void play_record(MetafileCanvas& c, uint32_t type, const Record& r) {
    auto& s = c.state();
    switch (type) {
        case kPolyBezier:
        case kPolygon:
        case kPolyline:
        case kPolyBezierTo:
        case kPolylineTo:
        case kPolyBezier16:
        case kPolygon16:
        case kPolyline16:
        case kPolyBezierTo16:
        case kPolylineTo16: {
            const bool small = type >= kPolyBezier16;
            const uint32_t kind = small ? type - kPolyBezier16 + kPolyBezier : type;
            const QPolygonF points = r.points(28, r.u32(24), small);
            if (points.isEmpty()) break;
            if (kind == kPolyBezier || kind == kPolyBezierTo)
                c.beziers(points, kind == kPolyBezierTo);
            else if (kind == kPolygon)
                c.polygon(points);
            else if (kind == kPolyline)
                c.polyline(points);
            else
                c.lines_from_pos(points);
            break;
        }
        case kPolyPolyline:
        case kPolyPolygon:
            poly_polygons(c, r, false, type == kPolyPolygon);
            break;
        case kPolyPolyline16:
        case kPolyPolygon16:
            poly_polygons(c, r, true, type == kPolyPolygon16);
            break;
        case kSetWindowExt:
            if (r.i32(8) != 0 && r.i32(12) != 0) s.map.window_ext = QSizeF(r.i32(8), r.i32(12));
            c.remap();
            break;
        case kSetWindowOrg:
            s.map.window_org = r.point(8);
            c.remap();
            break;
        case kSetViewportExt:
            if (r.i32(8) != 0 && r.i32(12) != 0) s.map.viewport_ext = QSizeF(r.i32(8), r.i32(12));
            c.remap();
            break;
        case kSetViewportOrg:
            s.map.viewport_org = r.point(8);
            c.remap();
            break;
        case kScaleViewportExt:
        case kScaleWindowExt: {  // x numerator, x denominator, y numerator, y denominator
            if (r.i32(12) == 0 || r.i32(20) == 0) break;
            QSizeF& ext = type == kScaleWindowExt ? s.map.window_ext : s.map.viewport_ext;
            const QSizeF scaled(ext.width() * r.i32(8) / r.i32(12),
                                ext.height() * r.i32(16) / r.i32(20));
            if (scaled.width() != 0 && scaled.height() != 0) ext = scaled;
            c.remap();
            break;
        }
        case kSetMapMode:
            s.map.mode = static_cast<int>(std::clamp<uint32_t>(r.u32(8), 1, 8));
            c.remap();
            break;
        case kSetWorldTransform:
            s.map.world = r.xform(8);
            c.remap();
            break;
        case kModifyWorldTransform: {
            const QTransform x = r.xform(8);
            const uint32_t mode = r.u32(32);
            if (mode == 1) s.map.world = QTransform();
            if (mode == 2) s.map.world = x * s.map.world;
            if (mode == 3) s.map.world = s.map.world * x;
            if (mode == 4) s.map.world = x;
            c.remap();
            break;
        }
        case kSetPixel:
            c.set_pixel(r.point(8), MetafileCanvas::colour(r.u32(16)));
            break;
        case kSetBkMode:
            s.opaque = r.u32(8) == 2;
            break;
        case kSetPolyFillMode:
            s.fill = r.u32(8) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case kSetTextAlign:
            s.align = r.u32(8);
            break;
        case kSetTextColor:
            s.text = MetafileCanvas::colour(r.u32(8));
            break;
        case kSetBkColor:
            s.back = MetafileCanvas::colour(r.u32(8));
            break;
        case kMoveTo:
            c.move_to(r.point(8));
            break;
        case kLineTo:
            c.line_to(r.point(8));
            break;
        case kExcludeClipRect:
            c.exclude_clip(r.box(8));
            break;
        case kIntersectClipRect:
            c.intersect_clip(r.box(8));
            break;
        case kSaveDc:
            c.save();
            break;
        case kRestoreDc:
            c.restore(r.i32(8));
            break;
        case kSelectObject:
            if (r.u32(8) & 0x80000000u)
                select_stock(c, r.u32(8) & 0x7FFFFFFFu);
            else
                c.select(r.u32(8));
            break;
        case kDeleteObject:
            c.remove(r.u32(8));
            break;
        case kCreatePen:  // style, width (x, y), colour
            c.put_pen(r.u32(8), MetafileCanvas::pen(r.u32(12), std::max(0, r.i32(16)),
                                                    MetafileCanvas::colour(r.u32(24))));
            break;
        case kExtCreatePen: {
            const uint32_t style = r.u32(28);
            // A cosmetic pen is a pixel wide; a geometric one as wide as it says.
            const double width = (style & 0x00010000u) ? r.u32(32) : 0;
            QPen pen = MetafileCanvas::pen(style, width, MetafileCanvas::colour(r.u32(40)));
            if (r.u32(36) == 1) pen.setStyle(Qt::NoPen);
            c.put_pen(r.u32(8), pen);
            break;
        }
        case kCreateBrushIndirect:
            c.put_brush(r.u32(8), MetafileCanvas::brush(
                                      r.u32(12), MetafileCanvas::colour(r.u32(16)), r.u32(20)));
            break;
        case kCreateMonoBrush:
        case kCreateDibPatternBrush: {
            const QImage pattern = record_bitmap(r, 16, nullptr, false);
            c.put_brush(r.u32(8), pattern.isNull() ? QBrush(Qt::gray) : QBrush(pattern));
            break;
        }
        case kExtCreateFontIndirectW:
            c.put_font(r.u32(8), font_of(r));
            break;
        case kCreatePalette:
            c.put_other(r.u32(8));
            break;
        case kRectangle:
        case kEllipse: {
            QPainterPath path;
            if (type == kRectangle)
                path.addRect(r.box(8));
            else
                path.addEllipse(r.box(8));
            c.shape(path, true);
            break;
        }
        case kRoundRect: {
            QPainterPath path;
            path.addRoundedRect(r.box(8), std::abs(static_cast<double>(r.i32(24))) / 2,
                                std::abs(static_cast<double>(r.i32(28))) / 2);
            c.shape(path, true);
            break;
        }
        case kArc:
        case kChord:
        case kPie:
            c.arc(r.box(8), r.point(24), r.point(32), type == kArc ? 0 : type == kChord ? 1 : 2);
            break;
        case kBeginPath:
            c.begin_path();
            break;
        case kEndPath:
            c.end_path();
            break;
        case kCloseFigure:
            c.close_figure();
            break;
        case kFillPath:
            c.draw_path(true, false);
            break;
        case kStrokeAndFillPath:
            c.draw_path(true, true);
            break;
        case kStrokePath:
            c.draw_path(false, true);
            break;
        case kSelectClipPath:
            c.clip_to_path();
            break;
        case kAbortPath:
            c.abort_path();
            break;
        case kExtSelectClipRgn: {
            // A region's rectangles, in the reference device's pixels; none with "copy" is no
            // clip at all.
            const uint32_t size = r.u32(8), mode = r.u32(12), count = r.u32(24);
            if (size == 0) {
                if (mode == 5) c.reset_clip();
                break;
            }
            if ((mode != 1 && mode != 5) || !r.holds(48, count, 16)) break;
            std::vector<QRectF> rects;
            for (uint32_t i = 0; i < count; ++i) rects.push_back(r.box(48 + 16 * size_t{i}));
            c.clip_to_region(rects, mode == 5);
            break;
        }
        case kBitBlt:
        case kStretchBlt: {
            const QRectF dest(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
            if (r.u32(88) == 0) {  // no bitmap: a fill
                c.fill(r.u32(40), dest);
                break;
            }
            QRectF src(r.i32(44), r.i32(48), type == kStretchBlt ? r.i32(100) : r.i32(32),
                       type == kStretchBlt ? r.i32(104) : r.i32(36));
            const QImage image = record_bitmap(r, 84, &src, false);
            c.blit(r.u32(40), dest, src, image);
            break;
        }
        case kStretchDiBits: {
            QRectF src(r.i32(32), r.i32(36), r.i32(40), r.i32(44));
            const QImage image = record_bitmap(r, 48, &src, true);
            c.blit(r.u32(68), QRectF(r.i32(24), r.i32(28), r.i32(72), r.i32(76)), src, image);
            break;
        }
        case kExtTextOutA:
        case kExtTextOutW:
            text(c, r, type == kExtTextOutW);
            break;
        default:
            break;  // not drawn: comments, palettes, colour management, brush origins
    }
}

}  // namespace

EmfPlayer::EmfPlayer(std::string_view bytes) : bytes_(bytes) {
    const Record header(bytes);
    const uint32_t size = header.u32(4);
    if (header.u32(0) != kHeader || header.u32(40) != kSignature || size < 88 ||
        size > bytes.size() || size % 4 != 0)
        return;
    const QSizeF device(header.i32(72), header.i32(76)), mm(header.i32(80), header.i32(84));
    px_per_mm_ = device.width() > 0 && device.height() > 0 && mm.width() > 0 && mm.height() > 0
                     ? QSizeF(device.width() / mm.width(), device.height() / mm.height())
                     : QSizeF(96 / 25.4, 96 / 25.4);
    frame_ = header.box(24);
    if (frame_.width() > 0 && frame_.height() > 0) {
        device_frame_ = QRectF(
            frame_.x() * px_per_mm_.width() / 100, frame_.y() * px_per_mm_.height() / 100,
            frame_.width() * px_per_mm_.width() / 100, frame_.height() * px_per_mm_.height() / 100);
    } else {
        // No frame: the bounds the drawing covers, in the device's pixels.
        device_frame_ = header.box(8).adjusted(0, 0, 1, 1);
        frame_ = QRectF(device_frame_.x() * 100 / px_per_mm_.width(),
                        device_frame_.y() * 100 / px_per_mm_.height(),
                        device_frame_.width() * 100 / px_per_mm_.width(),
                        device_frame_.height() * 100 / px_per_mm_.height());
    }
    if (device_frame_.width() > 0 && device_frame_.height() > 0) records_ = size;
}

QSize EmfPlayer::natural_size() const {
    if (!valid()) return QSize();
    auto px = [](double hundredths) {
        return static_cast<int>(std::min(1e6, std::round(hundredths / 2540 * 96)));
    };
    return QSize(px(frame_.width()), px(frame_.height()));
}

void EmfPlayer::play(QPainter& painter, const QRectF& target) const {
    if (!valid()) return;
    const double sx = target.width() / device_frame_.width();
    const double sy = target.height() / device_frame_.height();
    MetafileCanvas canvas(painter, target,
                          QTransform(sx, 0, 0, sy, target.x() - device_frame_.x() * sx,
                                     target.y() - device_frame_.y() * sy),
                          px_per_mm_);
    for (size_t at = records_; at + 8 <= bytes_.size();) {
        const Record head(bytes_.substr(at, 8));
        const uint32_t type = head.u32(0), size = head.u32(4);
        // A record shorter than its own header, not whole words, or past the end ends it.
        if (size < 8 || size % 4 != 0 || size > bytes_.size() - at || type == kEof) break;
        play_record(canvas, type, Record(bytes_.substr(at, size)));
        at += size;
    }
}

}  // namespace kv::host
