#pragma once
// The device context a metafile's records draw through, over Qt's painter: the objects they
// create and select (pens, brushes, fonts), colours and modes, the pen's position, saved states,
// the mapping from logical coordinates to the target (world transform, window and viewport in a
// mapping mode, the reference device onto the target), clipping, paths, and the drawing itself.
// The players (WmfPlayer, EmfPlayer) read the records and call it.
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <cstdint>
#include <string_view>
#include <vector>

class QPainter;

namespace kv::host {

class MetafileCanvas {
  public:
    struct Font {
        double height = 0, width = 0, escapement = 0;  // as the records give them, any value
        int weight = 400;
        bool italic = false, underline = false, strike = false;
        QString face;
    };
    // Window and viewport in a mapping mode (1 text, 2-6 fixed units with y up, 7 isotropic,
    // 8 anisotropic), after the world transform.
    struct Mapping {
        int mode = 1;
        QPointF window_org, viewport_org;
        QSizeF window_ext{1, 1}, viewport_ext{1, 1};
        QTransform world;
    };
    struct State {
        QPen pen{QBrush(Qt::black), 0};
        QBrush brush{Qt::white};
        Font font;
        QColor text = Qt::black, back = Qt::white;
        bool opaque = true;
        unsigned align = 0;
        Qt::FillRule fill = Qt::OddEvenFill;
        QPointF pos;
        Mapping map;
    };
    // Raster operations the canvas knows.
    static constexpr unsigned kSrcCopy = 0x00CC0020, kSrcAnd = 0x008800C6, kSrcPaint = 0x00EE0086,
                              kSrcInvert = 0x00660046, kPatCopy = 0x00F00021,
                              kBlackness = 0x00000042, kWhiteness = 0x00FF0062;

    // `target`: where the picture goes, in the painter's coordinates; `device`: the reference
    // device's pixels onto it; `px_per_mm`: that device's pixels a millimetre, for the fixed
    // mapping modes. Drawing is clipped to the target.
    MetafileCanvas(QPainter& painter, const QRectF& target, const QTransform& device,
                   QSizeF px_per_mm);
    ~MetafileCanvas();
    MetafileCanvas(const MetafileCanvas&) = delete;
    MetafileCanvas& operator=(const MetafileCanvas&) = delete;

    // What both kinds of metafile describe alike: a colour reference (0x00BBGGRR), a text in
    // Windows-1252 (the code page of most forms' text), a pen or brush of the GDI styles, and a
    // bitmap without its file header, decoded as a form's picture is (`from_bottom`: the source
    // rectangle's rows count from the bottom of a bottom-up bitmap, as StretchDIBits counts).
    static QColor colour(uint32_t ref);
    static QString code_page_text(std::string_view bytes);
    static QPen pen(uint32_t style, double width, const QColor& colour);
    static QBrush brush(uint32_t style, const QColor& colour, uint32_t hatch);
    static QImage bitmap(std::string_view dib, QRectF* src, bool from_bottom);

    State& state() { return s_; }
    // The mapping (state().map) changed: logical coordinates land anew.
    void remap();

    // --- objects: a table of slots ---
    size_t lowest_free_slot() const;
    void put_pen(size_t slot, const QPen& pen);
    void put_brush(size_t slot, const QBrush& brush);
    void put_font(size_t slot, const Font& font);
    void put_other(size_t slot);  // a palette or region: it takes its slot, and draws nothing
    void select(size_t slot);
    void remove(size_t slot);

    void save();
    // A negative count goes back that many saves; a positive one to that save.
    void restore(int which);

    // --- drawing, in logical coordinates; inside a path, into the path ---
    void move_to(QPointF to);
    void line_to(QPointF to);
    void shape(const QPainterPath& path, bool filled);
    void polyline(const QPolygonF& points);
    void polygon(const QPolygonF& points);
    void poly_polygon(const std::vector<QPolygonF>& polygons);
    // Cubic Béziers: from the first point, or (`from_pos`) from the pen's position, which follows.
    void beziers(const QPolygonF& points, bool from_pos);
    void lines_from_pos(const QPolygonF& points);
    // Arc (0), chord (1) or pie (2) of the ellipse in `box`, counterclockwise between radials.
    void arc(const QRectF& box, QPointF start, QPointF end, int kind);
    void set_pixel(QPointF at, const QColor& colour);
    // Text at `at` (the pen's position under TA_UPDATECP), each character's advance in
    // logical units when given, an ExtTextOut's rectangle and options (2 opaque, 4 clipped).
    void text(QPointF at, const QString& s, const std::vector<double>* advances, const QRectF* rect,
              unsigned options);
    void blit(unsigned rop, QRectF dest, QRectF src, QImage image);
    void fill(unsigned rop, const QRectF& rect);

    void intersect_clip(const QRectF& rect);
    void exclude_clip(const QRectF& rect);
    void reset_clip();
    // A region of the reference device's rectangles: intersected with the clip, or (`replace`)
    // the clip within the target.
    void clip_to_region(const std::vector<QRectF>& device_rects, bool replace);

    void begin_path();
    void end_path() { path_open_ = false; }
    void close_figure();
    void abort_path();
    // The path ended last: filled, stroked, both, or made the clip.
    void draw_path(bool fill, bool stroke);
    void clip_to_path();

  private:
    QTransform page() const;
    QFont device_font(double& size) const;
    void ensure_figure();

    struct Object;
    QPainter& p_;
    QTransform base_;    // the painter's own
    QTransform device_;  // the reference device onto the target
    QSizeF px_per_mm_;
    QRectF target_;  // in the painter's coordinates, for clips reset
    State s_;
    std::vector<State> saved_;
    std::vector<Object> objects_;
    bool drawable_ = true;  // a mapping without extent draws nothing
    bool path_open_ = false;
    bool figure_closed_ = true;  // the path's next line starts at the pen's position
    QPainterPath path_;
};

}  // namespace kv::host
