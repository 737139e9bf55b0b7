#include "host/common/WmfPlayer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "host/common/OffscreenGui.h"
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

// Raster operations the player knows.
constexpr uint32_t kSrcCopy = 0x00CC0020, kSrcAnd = 0x008800C6, kSrcPaint = 0x00EE0086,
                   kSrcInvert = 0x00660046, kPatCopy = 0x00F00021, kBlackness = 0x00000042,
                   kWhiteness = 0x00FF0062;

uint32_t le(std::string_view b, size_t at, size_t width) {
    if (at + width > b.size()) return 0;
    uint32_t v = 0;
    for (size_t i = 0; i < width; ++i)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

// One record's parameter words; a word past the record's end reads 0.
class Params {
  public:
    explicit Params(std::string_view b) : b_(b) {}
    uint16_t u16(size_t word) const { return static_cast<uint16_t>(le(b_, 2 * word, 2)); }
    int16_t s16(size_t word) const { return static_cast<int16_t>(u16(word)); }
    uint32_t u32(size_t word) const { return le(b_, 2 * word, 4); }
    size_t words() const { return b_.size() / 2; }
    std::string_view from(size_t word) const {
        return 2 * word <= b_.size() ? b_.substr(2 * word) : std::string_view();
    }

  private:
    std::string_view b_;
};

QColor colour_of(uint32_t ref) {
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}

// Windows-1252 above 0x7F, where it is not Latin-1: the code page of the text of most forms.
QString text_of(std::string_view bytes) {
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

struct LogFont {
    int height = 0, width = 0, escapement = 0, weight = 400;
    bool italic = false, underline = false, strike = false;
    QString face;
};

struct Object {
    enum Kind { kFree, kPen, kBrush, kFont, kOther } kind = kFree;
    QPen pen;
    QBrush brush;
    LogFont font;
};

// What the device context holds: the selected objects, colours and modes, the pen's position
// and the window (the logical frame mapped onto the target).
struct State {
    QPen pen{QBrush(Qt::black), 0};
    QBrush brush{Qt::white};
    LogFont font;
    QColor text = Qt::black, back = Qt::white;
    bool opaque = true;
    uint16_t align = 0;
    Qt::FillRule fill = Qt::OddEvenFill;
    QPointF pos;
    double org_x = 0, org_y = 0, ext_x = 1, ext_y = 1;
};

QPen pen_of(const Params& p) {
    const uint16_t style = p.u16(0);
    const int width = p.s16(1);
    QPen pen(colour_of(p.u32(3)));
    pen.setWidthF(std::max(0, width));
    static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                               Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                               Qt::SolidLine};
    pen.setStyle((style & 0x0F) < 7 ? kStyles[style & 0x0F] : Qt::SolidLine);
    const uint16_t cap = style & 0x0F00, join = style & 0xF000;
    pen.setCapStyle(cap == 0x100 ? Qt::SquareCap : cap == 0x200 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(join == 0x1000   ? Qt::BevelJoin
                     : join == 0x2000 ? Qt::MiterJoin
                                      : Qt::RoundJoin);
    return pen;
}

QBrush brush_of(const Params& p) {
    const uint16_t style = p.u16(0);
    const QColor colour = colour_of(p.u32(1));
    if (style == 1) return Qt::NoBrush;
    if (style == 2) {
        static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                      Qt::FDiagPattern, Qt::BDiagPattern,
                                                      Qt::CrossPattern, Qt::DiagCrossPattern};
        const uint16_t hatch = p.u16(3);
        return QBrush(colour, hatch < 6 ? kHatches[hatch] : Qt::SolidPattern);
    }
    return QBrush(colour);
}

LogFont font_of(const Params& p) {
    LogFont f;
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
    f.face = text_of(face);
    return f;
}

// The DIB of a bitmap record, decoded as a form's picture is.
QImage dib_image(std::string_view dib) {
    if (dib.size() < 16) return QImage();
    const Picture picture = Picture::from_bytes(std::string(dib));
    if (picture.format != PictureFormat::Dib) return QImage();
    return picture_image(picture);
}

// A bitmap's rows stored bottom up (a positive height): StretchDIBits counts its source rows
// from the bottom then.
bool bottom_up(std::string_view dib) {
    const uint32_t header = le(dib, 0, 4);
    return header == 12 || static_cast<int32_t>(le(dib, 8, 4)) > 0;
}

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

}  // namespace

// One playing of the records onto a painter.
class WmfPlayer::Run {
  public:
    Run(QPainter& painter, const QRectF& target)
        : p_(painter), target_(target), base_(painter.worldTransform()) {}
    ~Run() {
        // Every SaveDC the records did not restore.
        for (; saved_painter_ > 0; --saved_painter_) p_.restore();
    }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    void frame(double x, double y, double w, double h) {
        s_.org_x = x;
        s_.org_y = y;
        s_.ext_x = w;
        s_.ext_y = h;
        map();
    }
    void record(uint16_t function, const Params& p);

  private:
    void map();
    int add(Object o);
    void select(size_t index);
    void restore(int16_t which);
    void shape(const QPainterPath& path);
    QRectF box(const Params& p, size_t first) const;  // bottom, right, top, left from `first`
    void arc(const Params& p, int kind);
    void polygon(const Params& p, bool closed);
    void poly_polygon(const Params& p);
    void text(QPointF at, std::string_view bytes, const Params* dx, size_t dx_word,
              const QRectF* rect, uint16_t options);
    QFont device_font(double& size) const;
    void blit(uint32_t rop, QRectF dest, QRectF src, std::string_view dib, bool from_bottom);
    void fill(uint32_t rop, const QRectF& rect);

    QPainter& p_;
    QRectF target_;
    QTransform base_;  // the painter's own, which the target is in
    State s_;
    std::vector<State> saved_;
    int saved_painter_ = 0;
    std::vector<Object> objects_;
    bool drawable_ = true;  // a window of no width or height draws nothing
};

void WmfPlayer::Run::map() {
    drawable_ = s_.ext_x != 0 && s_.ext_y != 0;
    if (!drawable_) return;
    const double sx = target_.width() / s_.ext_x, sy = target_.height() / s_.ext_y;
    p_.setWorldTransform(
        QTransform(sx, 0, 0, sy, target_.x() - s_.org_x * sx, target_.y() - s_.org_y * sy) * base_);
}

// A new object takes the lowest free slot of the table, as the records' indices expect.
int WmfPlayer::Run::add(Object o) {
    for (size_t i = 0; i < objects_.size(); ++i) {
        if (objects_[i].kind == Object::kFree) {
            objects_[i] = std::move(o);
            return static_cast<int>(i);
        }
    }
    objects_.push_back(std::move(o));
    return static_cast<int>(objects_.size() - 1);
}

void WmfPlayer::Run::select(size_t index) {
    if (index >= objects_.size()) return;
    const Object& o = objects_[index];
    if (o.kind == Object::kPen) s_.pen = o.pen;
    if (o.kind == Object::kBrush) s_.brush = o.brush;
    if (o.kind == Object::kFont) s_.font = o.font;
}

// RestoreDC: a negative count goes back that many saves; a positive one to that save.
void WmfPlayer::Run::restore(int16_t which) {
    const int depth = static_cast<int>(saved_.size());
    const int back = which < 0 ? -which : depth - which + 1;
    if (back <= 0 || back > depth) return;
    for (int i = 0; i < back; ++i) {
        s_ = saved_.back();
        saved_.pop_back();
        p_.restore();
        --saved_painter_;
    }
    map();
}

void WmfPlayer::Run::shape(const QPainterPath& path) {
    if (!drawable_) return;
    p_.setPen(s_.pen);
    p_.setBrush(s_.brush);
    p_.drawPath(path);
}

QRectF WmfPlayer::Run::box(const Params& p, size_t first) const {
    const double bottom = p.s16(first), right = p.s16(first + 1), top = p.s16(first + 2),
                 left = p.s16(first + 3);
    return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
}

// Arc (0), chord (1) or pie (2): from the start radial counterclockwise to the end radial.
void WmfPlayer::Run::arc(const Params& p, int kind) {
    const QRectF r = box(p, 4);
    if (r.isEmpty() || !drawable_) return;
    const QPointF c = r.center();
    auto angle = [&](double x, double y) {
        return std::atan2(-(y - c.y()) / r.height(), (x - c.x()) / r.width()) * 180 / M_PI;
    };
    const double start = angle(p.s16(3), p.s16(2)), end = angle(p.s16(1), p.s16(0));
    double span = end - start;
    if (span <= 0) span += 360;
    QPainterPath path;
    if (kind == 2)
        path.moveTo(c);  // the arc joins the centre by a line
    else
        path.arcMoveTo(r, start);
    path.arcTo(r, start, span);
    if (kind != 0) path.closeSubpath();
    if (kind == 0) {
        p_.setPen(s_.pen);
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
        return;
    }
    shape(path);
}

void WmfPlayer::Run::polygon(const Params& p, bool closed) {
    const int count = p.s16(0);
    if (count <= 0 || p.words() < 1 + 2 * static_cast<size_t>(count) || !drawable_) return;
    QPolygonF points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) points.append(QPointF(p.s16(1 + 2 * i), p.s16(2 + 2 * i)));
    if (closed) {
        QPainterPath path;
        path.setFillRule(s_.fill);
        path.addPolygon(points);
        path.closeSubpath();
        shape(path);
    } else {
        p_.setPen(s_.pen);
        p_.drawPolyline(points);
    }
}

void WmfPlayer::Run::poly_polygon(const Params& p) {
    const int polygons = p.s16(0);
    if (polygons <= 0 || p.words() < 1 + static_cast<size_t>(polygons)) return;
    QPainterPath path;
    path.setFillRule(s_.fill);
    size_t at = 1 + static_cast<size_t>(polygons);
    for (int k = 0; k < polygons; ++k) {
        const int count = p.s16(1 + k);
        if (count <= 0 || p.words() < at + 2 * static_cast<size_t>(count)) return;
        QPolygonF points;
        for (int i = 0; i < count; ++i, at += 2) points.append(QPointF(p.s16(at), p.s16(at + 1)));
        path.addPolygon(points);
        path.closeSubpath();
    }
    shape(path);
}

// The selected font at its size on the target, in pixels (`size`); a face the machine does not
// have falls back as Qt's fonts do.
QFont WmfPlayer::Run::device_font(double& size) const {
    const QTransform& t = p_.worldTransform();
    const LogFont& f = s_.font;
    QFont font;
    if (!f.face.isEmpty()) font.setFamily(f.face);
    size = f.height == 0 ? 13 : std::abs(f.height) * std::abs(t.m22());
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(std::min(size, 4096.0)))));
    if (f.height > 0) {
        // A positive height is the cell's, internal leading included.
        const double cell = QFontMetricsF(font).height();
        if (cell > 0) size = size * size / cell;
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(std::min(size, 4096.0)))));
    }
    font.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight == 0 ? 400 : f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strike);
    if (f.width != 0) {
        const double average = QFontMetricsF(font).averageCharWidth();
        const double wanted = std::abs(f.width) * std::abs(t.m11());
        if (average > 0)
            font.setStretch(
                std::clamp(static_cast<int>(std::lround(100 * wanted / average)), 1, 4000));
    }
    return font;
}

// TextOut and ExtTextOut: `dx` (when given) holds each character's advance from `dx_word`.
void WmfPlayer::Run::text(QPointF at, std::string_view bytes, const Params* dx, size_t dx_word,
                          const QRectF* rect, uint16_t options) {
    if (!drawable_) return;
    ensure_gui();
    const QTransform t = p_.worldTransform();
    p_.save();
    if (rect && (options & 2)) p_.fillRect(*rect, s_.back);  // ETO_OPAQUE
    if (rect && (options & 4)) p_.setClipRect(*rect, Qt::IntersectClip);
    if (s_.align & 1) at = s_.pos;  // TA_UPDATECP
    double size = 0;
    const QFont font = device_font(size);
    const QString s = text_of(bytes);
    if (size > 4 * std::max(target_.width(), target_.height()) + 64) {
        p_.restore();
        return;
    }
    const QFontMetricsF fm(font);
    std::vector<double> advances;
    double width = 0;
    if (dx) {
        for (qsizetype i = 0; i < s.size(); ++i) {
            advances.push_back(dx->s16(dx_word + i) * std::abs(t.m11()));
            width += advances.back();
        }
    } else {
        width = fm.horizontalAdvance(s);
    }
    const uint16_t h = s_.align & 6, v = s_.align & 24;
    const double x0 = h == 2 ? -width : h == 6 ? -width / 2 : 0;
    const double base = v == 24 ? 0 : v == 8 ? -fm.descent() : fm.ascent();
    p_.resetTransform();
    p_.translate(t.map(at));
    p_.rotate(-s_.font.escapement / 10.0);
    if (s_.opaque) p_.fillRect(QRectF(x0, base - fm.ascent(), width, fm.height()), s_.back);
    p_.setFont(font);
    p_.setPen(s_.text);
    if (dx) {
        double x = x0;
        for (qsizetype i = 0; i < s.size(); ++i) {
            p_.drawText(QPointF(x, base), QString(s[i]));
            x += advances[static_cast<size_t>(i)];
        }
    } else {
        p_.drawText(QPointF(x0, base), s);
    }
    p_.restore();
    if (s_.align & 1) s_.pos.rx() += (h == 2 ? -width : width) / std::abs(t.m11());
}

void WmfPlayer::Run::blit(uint32_t rop, QRectF dest, QRectF src, std::string_view dib,
                          bool from_bottom) {
    if (!drawable_ || dest.width() == 0 || dest.height() == 0) return;
    QImage image = dib_image(dib);
    if (image.isNull()) return;
    if (src.width() <= 0 || src.height() <= 0) src = image.rect();
    if (from_bottom && bottom_up(dib)) src.moveTop(image.height() - src.top() - src.height());
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

// A blit without a source: the brush, black or white.
void WmfPlayer::Run::fill(uint32_t rop, const QRectF& rect) {
    if (!drawable_) return;
    if (rop == kPatCopy) p_.fillRect(rect.normalized(), s_.brush);
    if (rop == kBlackness) p_.fillRect(rect.normalized(), Qt::black);
    if (rop == kWhiteness) p_.fillRect(rect.normalized(), Qt::white);
}

void WmfPlayer::Run::record(uint16_t function, const Params& p) {
    switch (function) {
        case kSaveDc:
            saved_.push_back(s_);
            p_.save();
            ++saved_painter_;
            break;
        case kRestoreDc:
            restore(p.s16(0));
            break;
        case kSetWindowOrg:
            s_.org_y = p.s16(0);
            s_.org_x = p.s16(1);
            map();
            break;
        case kSetWindowExt:
            s_.ext_y = p.s16(0);
            s_.ext_x = p.s16(1);
            map();
            break;
        case kOffsetWindowOrg:
            s_.org_y += p.s16(0);
            s_.org_x += p.s16(1);
            map();
            break;
        case kScaleWindowExt:  // yDenom, yNum, xDenom, xNum
            if (p.s16(0) != 0 && p.s16(2) != 0) {
                s_.ext_y = s_.ext_y * p.s16(1) / p.s16(0);
                s_.ext_x = s_.ext_x * p.s16(3) / p.s16(2);
                map();
            }
            break;
        case kSetBkMode:
            s_.opaque = p.u16(0) == 2;
            break;
        case kSetBkColor:
            s_.back = colour_of(p.u32(0));
            break;
        case kSetTextColor:
            s_.text = colour_of(p.u32(0));
            break;
        case kSetTextAlign:
            s_.align = p.u16(0);
            break;
        case kSetPolyFillMode:
            s_.fill = p.u16(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case kCreatePenIndirect: {
            Object o;
            o.kind = Object::kPen;
            o.pen = pen_of(p);
            add(std::move(o));
            break;
        }
        case kCreateBrushIndirect: {
            Object o;
            o.kind = Object::kBrush;
            o.brush = brush_of(p);
            add(std::move(o));
            break;
        }
        case kDibCreatePatternBrush: {
            Object o;
            o.kind = Object::kBrush;
            const QImage pattern = dib_image(p.from(2));
            o.brush = pattern.isNull() ? QBrush(Qt::gray) : QBrush(pattern);
            add(std::move(o));
            break;
        }
        case kCreatePatternBrush: {
            Object o;
            o.kind = Object::kBrush;
            o.brush = QBrush(Qt::gray);
            add(std::move(o));
            break;
        }
        case kCreateFontIndirect: {
            Object o;
            o.kind = Object::kFont;
            o.font = font_of(p);
            add(std::move(o));
            break;
        }
        case kCreatePalette:
        case kCreateRegion: {
            Object o;
            o.kind = Object::kOther;
            add(std::move(o));
            break;
        }
        case kSelectObject:
            select(p.u16(0));
            break;
        case kDeleteObject:
            if (p.u16(0) < objects_.size()) objects_[p.u16(0)] = Object();
            break;
        case kMoveTo:
            s_.pos = QPointF(p.s16(1), p.s16(0));
            break;
        case kLineTo: {
            const QPointF to(p.s16(1), p.s16(0));
            if (drawable_) {
                p_.setPen(s_.pen);
                p_.drawLine(s_.pos, to);
            }
            s_.pos = to;
            break;
        }
        case kSetPixel:
            if (drawable_) {
                p_.setPen(QPen(colour_of(p.u32(0)), 0));
                p_.drawPoint(QPointF(p.s16(3), p.s16(2)));
            }
            break;
        case kRectangle: {
            QPainterPath path;
            path.addRect(box(p, 0));
            shape(path);
            break;
        }
        case kRoundRect: {
            QPainterPath path;
            path.addRoundedRect(box(p, 2), std::abs(p.s16(1)) / 2.0, std::abs(p.s16(0)) / 2.0);
            shape(path);
            break;
        }
        case kEllipse: {
            QPainterPath path;
            path.addEllipse(box(p, 0));
            shape(path);
            break;
        }
        case kArc:
            arc(p, 0);
            break;
        case kChord:
            arc(p, 1);
            break;
        case kPie:
            arc(p, 2);
            break;
        case kPolygon:
            polygon(p, true);
            break;
        case kPolyline:
            polygon(p, false);
            break;
        case kPolyPolygon:
            poly_polygon(p);
            break;
        case kIntersectClipRect:
            if (drawable_) p_.setClipRect(box(p, 0), Qt::IntersectClip);
            break;
        case kExcludeClipRect:
            if (drawable_) {
                QPainterPath outside;
                outside.addRect(p_.worldTransform().inverted().mapRect(base_.mapRect(target_)));
                QPainterPath hole;
                hole.addRect(box(p, 0));
                p_.setClipPath(outside.subtracted(hole), Qt::IntersectClip);
            }
            break;
        case kTextOut: {
            // A text longer than its record is damage, not text.
            const size_t count = std::max<int>(0, p.s16(0));
            const size_t words = (count + 1) / 2;
            if (p.words() < 3 + words) break;
            const QPointF at(p.s16(2 + words), p.s16(1 + words));
            text(at, p.from(1).substr(0, count), nullptr, 0, nullptr, 0);
            break;
        }
        case kExtTextOut: {
            const QPointF at(p.s16(1), p.s16(0));
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
            const bool has_dx = p.words() >= dx_word + count && count > 0;
            text(at, p.from(word).substr(0, count), has_dx ? &p : nullptr, dx_word,
                 has_rect ? &rect : nullptr, options);
            break;
        }
        case kPatBlt:
            fill(p.u32(0), QRectF(p.s16(5), p.s16(4), p.s16(3), p.s16(2)));
            break;
        case kDibBitBlt:
            // Without a bitmap the record has one word more, and is a fill.
            if (p.words() == 9) {
                fill(p.u32(0), QRectF(p.s16(8), p.s16(7), p.s16(6), p.s16(5)));
            } else {
                blit(p.u32(0), QRectF(p.s16(7), p.s16(6), p.s16(5), p.s16(4)),
                     QRectF(p.s16(3), p.s16(2), p.s16(5), p.s16(4)), p.from(8), false);
            }
            break;
        case kDibStretchBlt:
            if (p.words() == 11) {
                fill(p.u32(0), QRectF(p.s16(10), p.s16(9), p.s16(8), p.s16(7)));
            } else {
                blit(p.u32(0), QRectF(p.s16(9), p.s16(8), p.s16(7), p.s16(6)),
                     QRectF(p.s16(5), p.s16(4), p.s16(3), p.s16(2)), p.from(10), false);
            }
            break;
        case kStretchDib:
            blit(p.u32(0), QRectF(p.s16(10), p.s16(9), p.s16(8), p.s16(7)),
                 QRectF(p.s16(6), p.s16(5), p.s16(4), p.s16(3)), p.from(11), true);
            break;
        default:
            break;  // not drawn: palettes, regions, escapes, mapping modes, stretch modes
    }
}

WmfPlayer::WmfPlayer(std::string_view bytes) : bytes_(bytes) {
    if (le(bytes, 0, 4) != kPlaceableKey || bytes.size() < kPlaceableSize + 18) return;
    left_ = static_cast<int16_t>(le(bytes, 6, 2));
    top_ = static_cast<int16_t>(le(bytes, 8, 2));
    right_ = static_cast<int16_t>(le(bytes, 10, 2));
    bottom_ = static_cast<int16_t>(le(bytes, 12, 2));
    inch_ = static_cast<int>(le(bytes, 14, 2));
    const uint32_t type = le(bytes, kPlaceableSize, 2), header_words = le(bytes, 24, 2);
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

QImage WmfPlayer::image(int max_side) const {
    const QSize size = natural_size();
    if (size.isEmpty() || size.width() > max_side || size.height() > max_side) return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    play(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void WmfPlayer::play(QPainter& painter, const QRectF& target) const {
    if (!valid()) return;
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    {
        Run run(painter, target);
        run.frame(left_, top_, right_ - left_, bottom_ - top_);
        for (size_t at = records_; at + 6 <= bytes_.size();) {
            const uint64_t words = le(bytes_, at, 4);
            const auto function = static_cast<uint16_t>(le(bytes_, at + 4, 2));
            // A record of fewer words than its own header, or past the end, ends the picture.
            if (words < 3 || at + 2 * words > bytes_.size() || function == kEof) break;
            run.record(function, Params(bytes_.substr(at + 6, 2 * words - 6)));
            at += 2 * words;
        }
    }
    painter.restore();
}

}  // namespace kv::host
