// A control's colours as its widget's: a palette, a style sheet's rules where a palette would
// reach the widgets inside, and an MDI form's workspace brush.
#include "engine/HostAccess.h"
#include "host/common/SystemColour.h"
#include "host/export/ExportColours.h"
#include "host/export/WidgetExport.h"
#include "host/memory/BackColours.h"

namespace kv::exporter {

void WidgetExport::write_colours(ui::UiNode& widget, mem::MemoryObject& c) const {
    // As the Qt host dresses a control: the back colour fills it, the fore colour writes on it.
    // A transparent label (BackStyle 0) fills nothing, whatever its BackColor: as Qt's label; a
    // standard command button is in the style's face.
    const bool clear = !mem::shows_back_colour(c);
    const auto back = clear ? std::nullopt : rgb_of(try_num(c, Prop::BackColor).value_or(-1));
    // A container's colours are its own: on its palette they would reach the widgets in it, so
    // it gives its back only to what it fills, and its text colour to none; a frame's is its
    // title's, a style sheet's rule for it and a property of its own that the loader reads.
    const bool container = c.is_form() || c.traits().container;
    const auto fore = container ? std::nullopt : rgb_of(number_or(c, "ForeColor", -1));
    if (const double title = number_or(c, "ForeColor", -1);
        c.class_name() == "Frame" && rgb_of(title)) {
        widget.add_sheet_rule("#" + ctx_.names.of(c) + "::title { color: " + css_colour(title) +
                              "; }");
        widget.double_property("ForeColor", title, true);
    }
    // A system colour other than the class's own (a picture box in the window's white) is the
    // style's colour for it: a style sheet's palette(...) where it has a word for it, and a
    // property of its own, which the resizer and the loader read, for the colour itself. So is
    // the class's own for a label, check box, option button or frame over a container of a
    // colour of its own, which Qt's widget would show through it.
    if (const auto stored = try_num(c, Prop::BackColor);
        !clear && c.traits().back_color && stored && host::is_system_colour(*stored) &&
        (mem::paints_over_colour(c) || mem::own_back_colour(c))) {
        if (const auto role = host::sheet_role_name(host::system_colour_role(*stored)))
            widget.add_sheet_rule("#" + ctx_.names.of(c) + " { background-color: palette(" +
                                  std::string(*role) + "); }");
        widget.double_property("BackColor", unsigned_colour(*stored), true);
        // A label that fills its back comes back an opaque one.
        if (c.class_name() == "Label") widget.bool_property("autoFillBackground", true);
    }
    if (!back && !fore) return;
    ui::UiNode& palette = widget.property("palette").add("palette");
    for (const char* state : {"active", "inactive", "disabled"}) {
        ui::UiNode& group = palette.add(state);
        if (fore && std::string(state) != "disabled")
            for (const char* role : {"WindowText", "Text", "ButtonText"})
                add_color_role(group, role, *fore);
        if (const uint32_t bgr = back.value_or(0); back && container)
            add_color_role(group, "Window", bgr);
        else if (back)
            for (const char* role : {"Button", "Base", "Window"}) add_color_role(group, role, bgr);
    }
    if (back) widget.bool_property("autoFillBackground", true);
}

void WidgetExport::write_workspace_colour(ui::UiNode& area, mem::MemoryObject& form) {
    if (const auto rgb = rgb_of(try_num(form, Prop::BackColor).value_or(-1)))
        add_brush(area.property("background"), *rgb);
}

}  // namespace kv::exporter
