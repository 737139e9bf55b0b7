#pragma once
// One control of a form as a widget of a Qt Designer form, and the controls inside it: the Qt
// class that stands for the control's class (host/common/QtClasses, as the Qt host shows it),
// the exported name, the geometry in pixels relative to the widget it sits in, and what the
// control shows: caption or text, font (where it differs from its container's), colours,
// tooltip, visibility, enabled state, list entries, pictures (as the Qt host shows them: a
// graphical button's icon, an image's pixmap, a picture box's background). A tab control is a
// QTabWidget with a page per tab holding that tab's controls. A control of a class no Qt widget
// stands for becomes a placeholder frame named after it, its tooltip and an own property naming
// the class (a slanting line's also the corner of its first end), holding its controls. Properties
// the resizer needs that no Qt widget has travel as dynamic properties of the same name (Align of a
// bar on the form's edge, IntegralHeight of a list box, a container's scale). Tabs are written in
// WidgetExportTabs.cpp, colours in WidgetExportColours.cpp, the common controls' toolbars and
// status bars in WidgetExportCommon.cpp.
#include <string>

#include <vector>

#include "host/common/DataGridLook.h"
#include "host/common/DateLook.h"
#include "host/common/FlexGridLook.h"
#include "host/common/ListViewLook.h"
#include "host/common/RangeLook.h"
#include "host/common/TabSet.h"
#include "host/common/UpDownLook.h"
#include "host/export/ExportContext.h"
#include "host/export/PictureExport.h"
#include "host/ui/UiWriter.h"

namespace kv::exporter {

// The font a widget shows, as far as a .ui says it.
struct ExportFont {
    int point_size = 0;  // as Designer keeps it: whole points
    double size = 0;     // the form file's own (8.25)
    std::string family;  // "" for the designer's default face, which the platform replaces
    std::string face;    // the face as the control names it, to say a default face outright
    bool bold = false, italic = false, underline = false, strikeout = false;
};

// A control's geometry moved: across by twips before rounding (a parked control's shift undone),
// then back by pixels (a page's origin in its tab widget, or the tab widget's place negated).
struct ExportShift {
    double twips_x = 0;
    int px_x = 0, px_y = 0;
};

// A control's property as a number; `fallback` where it has none or it is no number.
double number_or(mem::MemoryObject& c, const char* name, double fallback);

class WidgetExport {
  public:
    WidgetExport(ExportContext& ctx, PictureExport& pictures) : ctx_(ctx), pictures_(pictures) {}

    // The font of a control or form.
    ExportFont font_of(mem::MemoryObject& c) const;
    // <property name="font"> with what differs from `inherited` (nothing when nothing does; a
    // default face under a parent of another is named, or Qt would hand the parent's down), and
    // the exact size as the widget's own FontSize where whole points would lose it.
    static void write_font(ui::UiNode& widget, const ExportFont& font, const ExportFont& inherited,
                           bool whole);
    // Colours that are not the system's, as a palette.
    void write_colours(ui::UiNode& widget, mem::MemoryObject& c) const;
    // A scale other than twips (a pixel form, a picture box's own coordinates), which the
    // resizer's arithmetic runs in, as properties of the widget's own.
    static void write_scale(ui::UiNode& widget, mem::MemoryObject& c);
    // An MDI form's colour of its own on its MDI area (Qt's workspace is the style's dark grey,
    // as the runtime's is the system's).
    static void write_workspace_colour(ui::UiNode& area, mem::MemoryObject& form);

    // The widgets of `container`'s controls into `node` (the form: its top-level controls).
    void write_children(mem::MemoryObject& container, ui::UiNode& node, const ExportFont& font);

  private:
    void write(mem::MemoryObject& c, ui::UiNode& parent, const ExportFont& inherited,
               ExportShift shift = {});
    // A tab control's pages, each holding the controls listed on its tab (WidgetExportTabs.cpp).
    void write_tabs(mem::MemoryObject& c, const host::TabSet& tabs, ui::UiNode& node,
                    ui::UiNode& parent, const ExportFont& font, const ExportFont& inherited,
                    ExportShift place);
    // A common control's own (WidgetExportCommon.cpp): a status bar's panels or a toolbar's
    // buttons in a layout of `frame`, a progress bar's or a slider's range, a list view's or data
    // grid's columns, a flex grid's cells, a masked edit box's mask; false for other controls.
    bool write_common_control(mem::MemoryObject& c, ui::UiNode& frame);
    void write_range(mem::MemoryObject& c, const host::RangeLook& range, ui::UiNode& w);
    void write_list_view(mem::MemoryObject& c, const host::ListViewLook& look, ui::UiNode& w);
    void write_data_grid(mem::MemoryObject& c, const host::DataGridLook& look, ui::UiNode& w);
    void write_date(mem::MemoryObject& c, const host::DateLook& look, ui::UiNode& w);
    void write_up_down(mem::MemoryObject& c, const host::UpDownLook& look, ui::UiNode& frame);
    void write_flex_grid(mem::MemoryObject& c, const host::FlexGridLook& look, ui::UiNode& w);
    void write_class_properties(mem::MemoryObject& c, ui::UiNode& w, const std::string& qt_class);
    void write_pictures(mem::MemoryObject& c, ui::UiNode& w, const std::string& qt_class);
    std::string original_class(mem::MemoryObject& c) const;
    // A line's width, colour and dashes: on Designer's line a plain frame of that width in that
    // colour (shaded where the line is in the button shadow, as Designer draws its lines), a
    // dashed one drawn by a style sheet along the frame's top (`across`) or left side; on a
    // placeholder as properties of its own.
    void write_line_look(mem::MemoryObject& c, ui::UiNode& w, bool placeholder, bool across) const;

    ExportContext& ctx_;
    PictureExport& pictures_;
};

}  // namespace kv::exporter
