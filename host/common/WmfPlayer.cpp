#include "host/common/WmfPlayer.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "host/common/ByteOrder.h"
#include "host/common/MetafileCanvas.h"
#include "host/common/Picture.h"
#include "host/common/PictureImage.h"

namespace kv::host {

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr size_t kPlaceableSize = 22;

// Record functions (the high byte is the count of parameter words of the fixed-size ones).
enum : uint16_t {
    kEof = 0x0000,
    kSaveDc = 0x001E,
    kCreatePalette = 0x00F7,
    kSetBkMode = 0x0102,
    kSetPolyFillMode = 0x0106,
    kRestoreDc = 0x0127,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDibCreatePatternBrush = 0x0142,
    kDeleteObject = 0x01F0,
    kCreatePatternBrush = 0x01F9,
    kSetBkColor = 0x0201,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kOffsetWindowOrg = 0x020F,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kScaleWindowExt = 0x0410,
    kExcludeClipRect = 0x0415,
    kIntersectClipRect = 0x0416,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kSetPixel = 0x041F,
    kTextOut = 0x0521,
    kPolyPolygon = 0x0538,
    kRoundRect = 0x061C,
    kPatBlt = 0x061D,
    kCreateRegion = 0x06FF,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kDibBitBlt = 0x0940,
    kExtTextOut = 0x0A32,
    kDibStretchBlt = 0x0B41,
    kStretchDib = 0x0F43,
};

// One record's parameter words; a word past the record's end reads 0.
class Params {
  public:
    explicit Params(std::string_view b) : b_(b) {}
    uint16_t u16(size_t word) const { return static_cast<uint16_t>(read_le(b_, 2 * word, 2)); }
    int16_t s16(size_t word) const { return static_cast<int16_t>(u16(word)); }
    uint32_t u32(size_t word) const { return read_le(b_, 2 * word, 4); }
    size_t words() const { return b_.size() / 2; }
    std::string_view from(size_t word) const {
        return 2 * word <= b_.size() ? b_.substr(2 * word) : std::string_view();
    }

  private:
    std::string_view b_;
};

QColor colour_of(uint32_t ref) {
    return MetafileCanvas::colour(ref);
}

QPen pen_of(const Params& p) {
    return MetafileCanvas::pen(p.u16(0), std::max<int>(0, p.s16(1)), colour_of(p.u32(3)));
}

QBrush brush_of(const Params& p) {
    return MetafileCanvas::brush(p.u16(0), colour_of(p.u32(1)), p.u16(3));
}

MetafileCanvas::Font font_of(const Params& p) {
    MetafileCanvas::Font f;
    f.height = p.s16(0);
    f.width = p.s16(1);
    f.escapement = p.s16(2);
    f.weight = p.s16(4);
    const uint16_t italic_underline = p.u16(5), strike_charset = p.u16(6);
    f.italic = (italic_underline & 0xFF) != 0;
    f.underline = (italic_underline >> 8) != 0;
    f.strike = (strike_charset & 0xFF) != 0;
    std::string_view face = p.from(9).substr(0, 32);
    face = face.substr(0, std::min(face.find('\0'), face.size()));
    f.face = MetafileCanvas::code_page_text(face);
    return f;
}

QRectF box_of(const Params& p, size_t first) {  // bottom, right, top, left from `first`
    return QRectF(QPointF(p.s16(first + 3), p.s16(first + 2)),
                  QPointF(p.s16(first + 1), p.s16(first)))
        .normalized();
}

QPolygonF points_of(const Params& p, size_t first, size_t count) {
    QPolygonF points;
    points.reserve(static_cast<qsizetype>(count));
    for (size_t i = 0; i < count; ++i)
        points.append(QPointF(p.s16(first + 2 * i), p.s16(first + 2 * i + 1)));
    return points;
}

// One record onto the canvas.
void play_record(MetafileCanvas& c, uint16_t function, const Params& p) {
    auto& s = c.state();
    switch (function) {
        case kSaveDc:
            c.save();
            break;
        case kRestoreDc:
            c.restore(p.s16(0));
            break;
        case kSetWindowOrg:
            s.map.window_org = QPointF(p.s16(1), p.s16(0));
            c.remap();
            break;
        case kSetWindowExt:
            s.map.window_ext = QSizeF(p.s16(1), p.s16(0));
            c.remap();
            break;
        case kOffsetWindowOrg:
            s.map.window_org += QPointF(p.s16(1), p.s16(0));
            c.remap();
            break;
        case kScaleWindowExt:  // yDenom, yNum, xDenom, xNum
            if (p.s16(0) != 0 && p.s16(2) != 0) {
                s.map.window_ext = QSizeF(s.map.window_ext.width() * p.s16(3) / p.s16(2),
                                          s.map.window_ext.height() * p.s16(1) / p.s16(0));
                c.remap();
            }
            break;
        case kSetBkMode:
            s.opaque = p.u16(0) == 2;
            break;
        case kSetBkColor:
            s.back = colour_of(p.u32(0));
            break;
        case kSetTextColor:
            s.text = colour_of(p.u32(0));
            break;
        case kSetTextAlign:
            s.align = p.u16(0);
            break;
        case kSetPolyFillMode:
            s.fill = p.u16(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case kCreatePenIndirect:
            c.put_pen(c.lowest_free_slot(), pen_of(p));
            break;
        case kCreateBrushIndirect:
            c.put_brush(c.lowest_free_slot(), brush_of(p));
            break;
        case kDibCreatePatternBrush: {
            const QImage pattern = MetafileCanvas::bitmap(p.from(2), nullptr, false);
            c.put_brush(c.lowest_free_slot(),
                        pattern.isNull() ? QBrush(Qt::gray) : QBrush(pattern));
            break;
        }
        case kCreatePatternBrush:
            c.put_brush(c.lowest_free_slot(), QBrush(Qt::gray));
            break;
        case kCreateFontIndirect:
            c.put_font(c.lowest_free_slot(), font_of(p));
            break;
        case kCreatePalette:
        case kCreateRegion:
            c.put_other(c.lowest_free_slot());
            break;
        case kSelectObject:
            c.select(p.u16(0));
            break;
        case kDeleteObject:
            c.remove(p.u16(0));
            break;
        case kMoveTo:
            c.move_to(QPointF(p.s16(1), p.s16(0)));
            break;
        case kLineTo:
            c.line_to(QPointF(p.s16(1), p.s16(0)));
            break;
        case kSetPixel:
            c.set_pixel(QPointF(p.s16(3), p.s16(2)), colour_of(p.u32(0)));
            break;
        case kRectangle: {
            QPainterPath path;
            path.addRect(box_of(p, 0));
            c.shape(path, true);
            break;
        }
        case kRoundRect: {
            QPainterPath path;
            path.addRoundedRect(box_of(p, 2), std::abs(p.s16(1)) / 2.0, std::abs(p.s16(0)) / 2.0);
            c.shape(path, true);
            break;
        }
        case kEllipse: {
            QPainterPath path;
            path.addEllipse(box_of(p, 0));
            c.shape(path, true);
            break;
        }
        case kArc:
        case kChord:
        case kPie:  // yEnd, xEnd, yStart, xStart, then the box
            c.arc(box_of(p, 4), QPointF(p.s16(3), p.s16(2)), QPointF(p.s16(1), p.s16(0)),
                  function == kArc     ? 0
                  : function == kChord ? 1
                                       : 2);
            break;
        case kPolygon:
        case kPolyline: {
            const int count = p.s16(0);
            if (count <= 0 || p.words() < 1 + 2 * static_cast<size_t>(count)) break;
            const QPolygonF points = points_of(p, 1, static_cast<size_t>(count));
            if (function == kPolygon)
                c.polygon(points);
            else
                c.polyline(points);
            break;
        }
        case kPolyPolygon: {
            const int polygons = p.s16(0);
            if (polygons <= 0 || p.words() < 1 + static_cast<size_t>(polygons)) break;
            std::vector<QPolygonF> all;
            size_t at = 1 + static_cast<size_t>(polygons);
            for (int k = 0; k < polygons; ++k) {
                const int count = p.s16(1 + static_cast<size_t>(k));
                if (count <= 0 || p.words() < at + 2 * static_cast<size_t>(count)) return;
                all.push_back(points_of(p, at, static_cast<size_t>(count)));
                at += 2 * static_cast<size_t>(count);
            }
            c.poly_polygon(all);
            break;
        }
        case kIntersectClipRect:
            c.intersect_clip(box_of(p, 0));
            break;
        case kExcludeClipRect:
            c.exclude_clip(box_of(p, 0));
            break;
        case kTextOut: {
            // A text longer than its record is damage, not text.
            const size_t count = std::max<int>(0, p.s16(0));
            const size_t words = (count + 1) / 2;
            if (p.words() < 3 + words) break;
            c.text(QPointF(p.s16(2 + words), p.s16(1 + words)),
                   MetafileCanvas::code_page_text(p.from(1).substr(0, count)), nullptr, nullptr, 0);
            break;
        }
        case kExtTextOut: {
            const size_t count = std::max<int>(0, p.s16(2));
            const uint16_t options = p.u16(3);
            size_t word = 4;
            QRectF rect;
            const bool has_rect = (options & 6) != 0;
            if (has_rect) {
                rect = QRectF(QPointF(p.s16(4), p.s16(5)), QPointF(p.s16(6), p.s16(7)));
                word = 8;
            }
            const size_t dx_word = word + (count + 1) / 2;
            if (p.words() < dx_word) break;
            std::vector<double> advances;
            if (count > 0 && p.words() >= dx_word + count)
                for (size_t i = 0; i < count; ++i) advances.push_back(p.s16(dx_word + i));
            c.text(QPointF(p.s16(1), p.s16(0)),
                   MetafileCanvas::code_page_text(p.from(word).substr(0, count)),
                   advances.empty() ? nullptr : &advances, has_rect ? &rect : nullptr, options);
            break;
        }
        case kPatBlt:
            c.fill(p.u32(0), QRectF(p.s16(5), p.s16(4), p.s16(3), p.s16(2)));
            break;
        case kDibBitBlt:
            // Without a bitmap the record has one word more, and is a fill.
            if (p.words() == 9) {
                c.fill(p.u32(0), QRectF(p.s16(8), p.s16(7), p.s16(6), p.s16(5)));
            } else {
                QRectF src(p.s16(3), p.s16(2), p.s16(5), p.s16(4));
                const QImage image = MetafileCanvas::bitmap(p.from(8), &src, false);
                c.blit(p.u32(0), QRectF(p.s16(7), p.s16(6), p.s16(5), p.s16(4)), src, image);
            }
            break;
        case kDibStretchBlt:
            if (p.words() == 11) {
                c.fill(p.u32(0), QRectF(p.s16(10), p.s16(9), p.s16(8), p.s16(7)));
            } else {
                QRectF src(p.s16(5), p.s16(4), p.s16(3), p.s16(2));
                const QImage image = MetafileCanvas::bitmap(p.from(10), &src, false);
                c.blit(p.u32(0), QRectF(p.s16(9), p.s16(8), p.s16(7), p.s16(6)), src, image);
            }
            break;
        case kStretchDib: {
            QRectF src(p.s16(6), p.s16(5), p.s16(4), p.s16(3));
            const QImage image = MetafileCanvas::bitmap(p.from(11), &src, true);
            c.blit(p.u32(0), QRectF(p.s16(10), p.s16(9), p.s16(8), p.s16(7)), src, image);
            break;
        }
        default:
            break;  // not drawn: palettes, regions, escapes, mapping modes, stretch modes
    }
}

}  // namespace

WmfPlayer::WmfPlayer(std::string_view bytes) : bytes_(bytes) {
    if (read_le(bytes, 0, 4) != kPlaceableKey || bytes.size() < kPlaceableSize + 18) return;
    left_ = static_cast<int16_t>(read_le(bytes, 6, 2));
    top_ = static_cast<int16_t>(read_le(bytes, 8, 2));
    right_ = static_cast<int16_t>(read_le(bytes, 10, 2));
    bottom_ = static_cast<int16_t>(read_le(bytes, 12, 2));
    inch_ = static_cast<int>(read_le(bytes, 14, 2));
    const uint32_t type = read_le(bytes, kPlaceableSize, 2), header_words = read_le(bytes, 24, 2);
    if ((type != 1 && type != 2) || header_words < 9 || inch_ == 0 || right_ == left_ ||
        bottom_ == top_)
        return;
    const size_t first = kPlaceableSize + 2 * size_t{header_words};
    if (first <= bytes.size()) records_ = first;
}

QSize WmfPlayer::natural_size() const {
    if (!valid()) return QSize();
    return QSize(static_cast<int>(std::lround(std::abs(right_ - left_) * 96.0 / inch_)),
                 static_cast<int>(std::lround(std::abs(bottom_ - top_) * 96.0 / inch_)));
}

void WmfPlayer::play(QPainter& painter, const QRectF& target) const {
    if (!valid()) return;
    // The window (the frame until the records set their own) onto the target.
    MetafileCanvas canvas(painter, target,
                          QTransform(target.width(), 0, 0, target.height(), target.x(), target.y()),
                          QSizeF(1, 1));
    auto& map = canvas.state().map;
    map.mode = 8;
    map.window_org = QPointF(left_, top_);
    map.window_ext = QSizeF(right_ - left_, bottom_ - top_);
    canvas.remap();
    for (size_t at = records_; at + 6 <= bytes_.size();) {
        const uint64_t words = read_le(bytes_, at, 4);
        const auto function = static_cast<uint16_t>(read_le(bytes_, at + 4, 2));
        // A record of fewer words than its own header, or past the end, ends the picture.
        if (words < 3 || at + 2 * words > bytes_.size() || function == kEof) break;
        play_record(canvas, function, Params(bytes_.substr(at + 6, 2 * words - 6)));
        at += 2 * words;
    }
}

}  // namespace kv::host
