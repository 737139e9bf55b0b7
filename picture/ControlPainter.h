#pragma once
// Draws one control of a snapshot as the designer shows it: by its kind, at its laid-out
// geometry, in its colours and styles; on a property page, with what the page's controls show
// (states, entries, anchoring pictures).
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/common/ShapeLook.h"
#include "picture/Snapshot.h"

namespace kv::app {

// The face of forms and dialogs, under everything drawn.
inline const QColor kFormFace(240, 240, 240);
// A window's scroll bar is 17 pixels across at 96 dots an inch.
inline constexpr double kScrollBarTwips = 255;

// A colour as the host holds it (&H00BBGGRR, or a system colour &H800000nn) as drawn here;
// `fallback` where there is none.
QColor color_of(std::optional<double> value, const QColor& fallback);

class ControlPainter {
  public:
    // The form's own: its picture behind the controls, its icon in the title bar.
    static void draw_form_picture(QPainter& p, const host::Picture& picture);
    static void draw_icon(QPainter& p, const host::Picture& icon, const QRectF& place);

    ControlPainter(QPainter& p, double tpp, bool page);
    // Where the control stands, and the inner area its own controls are placed in, in pixels.
    QRectF rect(const ControlState& c) const;
    QRectF inner(const ControlState& c) const;
    void draw(const ControlState& c);

  private:
    // The look of a page's own controls: their colours, states, pictures and entries. False
    // when the control looks as on a form.
    bool draw_page_control(const ControlState& c);
    void draw_form_control(const ControlState& c);
    void font(const ControlState& c);
    void sunken(const QRectF& r, const QColor& fill);
    void raised(const QRectF& r, const QColor& face = QColor(225, 225, 225));
    void drop_down(const QRectF& r, const std::string& shown, const QColor& fill = Qt::white);
    // A spin box's step buttons at the right end of `r`; how wide they are.
    double spin_buttons(const QRectF& r);
    // A list's box and its entries (each after an empty check box when `checks`).
    void list(const ControlState& c, const QRectF& r, bool checks);
    // A push button (also a graphical check box or option button), sunk in while pressed; a
    // graphical one with its picture above the caption.
    void button(const ControlState& c, const QRectF& r, bool pressed);
    // A scroll bar over `r`; `at` (0 to 1) where its box stands, none when there is nothing to
    // scroll.
    void scroll_bar(bool across, const QRectF& r, std::optional<double> at);
    // Captions show their access key underlined ("&File"); a text box's text is as it stands.
    void text(const QRectF& r, const std::string& s, int flags, bool caption = true);
    static host::ShapeProps shape_props(const ControlState& c);
    // The picture decoded once per picture (a null image when it cannot be shown).
    QImage image_of(const host::Picture* picture);
    // The picture in `area`: stretched over it or at its own size from its top left corner,
    // clipped to it. One that cannot be shown names its format there instead; false then.
    bool draw_picture(const host::Picture& picture, const QRectF& area, bool stretch);
    // A tab control (ControlPainterTabs.cpp): its rows of tabs, the current one joined to the
    // page, each with its picture and caption, above the page's raised face.
    void draw_tabs(const ControlState& c, const QRectF& r);
    // Tab i's place along the top edge; `widths`: each tab's, for tabs as wide as their captions.
    QRectF tab_rect(const host::TabSet& tabs, int i, const QRectF& r, double row_height,
                    const std::vector<double>& widths);
    std::vector<QRectF> tab_places(const host::TabSet& tabs, const QRectF& r, double row_height,
                                   const std::vector<double>& widths, int& rows);
    void tab_button(const QRectF& face, bool on, bool flat);
    // A progress bar or slider, a list view or tree view of the common controls, a data grid,
    // a flex grid (ControlPainterCommon.cpp).
    void draw_range(const ControlState& c, const QRectF& r);
    void draw_list_view(const ControlState& c, const QRectF& r);
    void draw_data_grid(const ControlState& c, const QRectF& r);
    void draw_up_down(const ControlState& c, const QRectF& r);
    // A date picker's box, a month calendar's months (ControlPainterDates.cpp).
    void draw_date_picker(const ControlState& c, const QRectF& r);
    void draw_month_view(const ControlState& c, const QRectF& r);
    void draw_month(const host::DateLook& look, int year, int month, const QRectF& r, bool first,
                    bool last);
    void draw_flex_grid(const ControlState& c, const QRectF& r);

    std::map<const host::Picture*, QImage> images_;

    QPainter& p_;
    double tpp_;
    bool page_;
    QColor pen_{Qt::black};
};

}  // namespace kv::app
