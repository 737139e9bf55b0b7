#include "host/export/WidgetExport.h"

#include <QSize>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "control/zokKelvane.h"
#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "host/common/ClassTraits.h"
#include "host/common/DataGridLook.h"
#include "host/common/DateLook.h"
#include "host/common/FlexGridLook.h"
#include "host/common/ListViewLook.h"
#include "host/common/MaskLook.h"
#include "host/common/NamedValues.h"
#include "host/common/PictureImage.h"
#include "host/common/PointerShape.h"
#include "host/common/QtClasses.h"
#include "host/common/RangeLook.h"
#include "host/common/StatusBarLook.h"
#include "host/common/TextFold.h"
#include "host/common/ToolBarLook.h"
#include "host/common/UpDownLook.h"
#include "host/export/ExportColours.h"
#include "host/memory/OwnScale.h"
#include "host/ui/UiLines.h"

namespace kv::exporter {

namespace {

std::optional<Value> named(mem::MemoryObject& c, const char* name) {
    try {
        Value v = c.get(name);
        if (std::holds_alternative<std::monostate>(v)) return std::nullopt;
        return v;
    } catch (const Error&) {
        return std::nullopt;
    }
}

// Does a toolbar on the form take its buttons' pictures from this image list?
bool named_by_a_toolbar(mem::MemoryObject& list) {
    const auto form = list.form();
    if (!form) return false;
    for (const auto& c : form->all_controls())
        if (host::ToolBarLook::candidate(c->type_name()) &&
            host::iequal(host::named_text(*c, "ImageList").value_or(""), list.name()))
            return true;
    return false;
}

}  // namespace

double number_or(mem::MemoryObject& c, const char* name, double fallback) {
    const auto v = named(c, name);
    if (!v) return fallback;
    try {
        return to_double(*v);
    } catch (const Error&) {
        return fallback;
    }
}

namespace {

std::string text_or(mem::MemoryObject& c, const char* name) {
    const auto v = named(c, name);
    return v ? to_text(*v) : std::string();
}

// Text a widget shows: lines end in LF.
std::string shown_text(std::string s) {
    for (size_t i = 0; (i = s.find("\r\n", i)) != std::string::npos;) s.erase(i, 1);
    return s;
}

// The designer's faces that a platform without them replaces anyway.
bool default_face(const std::string& family) {
    const std::string f = host::fold(family);
    return f.empty() || f == "ms sans serif" || f == "ms shell dlg" || f == "ms shell dlg 2";
}

// What a combo box shows as it opens: the entry its Text names (Qt's builder picks it once the
// entries are in), else none, where Qt would show the first (the runtime shows the Text, empty
// or typed; with no entries the text typed into it is kept).
void export_combo_text(mem::MemoryObject& c, ui::UiNode& w) {
    const std::string text = text_or(c, "Text");
    mem::ListItems* list = c.list_items();
    const size_t count = list ? list->count() : 0;
    for (size_t i = 0; i < count && !text.empty(); ++i)
        if (list->item(static_cast<int>(i)) == text) {
            w.number_property("currentIndex", static_cast<long long>(i));
            return;
        }
    // The runtime's drop-down list keeps no text of its own; another library's (a data-bound
    // one) keeps the text it shows.
    if (count > 0)
        w.number_property("currentIndex", -1);
    else if (!text.empty() && (number_or(c, "Style", 0) != 2 || c.class_name() != "ComboBox"))
        w.string_property("currentText", text);
}

// A BorderStyle (0 transparent .. 6 inside solid) in a style sheet's words.
constexpr const char* kLines[] = {"none",     "solid",        "dashed", "dotted",
                                  "dot-dash", "dot-dot-dash", "solid"};

int border_style(mem::MemoryObject& c) {
    return std::clamp(static_cast<int>(number_or(c, "BorderStyle", 1)), 0, 6);
}

// Designer's line is solid: a dashed one (or one not drawn) is its frame's top or left border,
// drawn by a style sheet.
bool styled_line(mem::MemoryObject& c) {
    return ui::UiLines::drawn_by_sheet(border_style(c));
}

// A Shape's look as a style sheet: its border's dashes, colour and width, its back when opaque
// (else a solid fill's colour), rounded for the round kinds. A fill pattern has no such words:
// left out.
std::string shape_style(mem::MemoryObject& c, int width_px, int height_px) {
    const int border = border_style(c);
    std::string css =
        "QFrame { border: " +
        std::to_string(std::max(1, static_cast<int>(number_or(c, "BorderWidth", 1)))) + "px " +
        kLines[border] + " " + css_colour(number_or(c, "BorderColor", 0x80000008)) + ";";
    if (number_or(c, "BackStyle", 0) == 1)
        css += " background-color: " + css_colour(number_or(c, "BackColor", 0x80000005)) + ";";
    else if (number_or(c, "FillStyle", 1) == 0)
        css += " background-color: " + css_colour(number_or(c, "FillColor", 0)) + ";";
    const int kind = static_cast<int>(number_or(c, "Shape", 0));
    const int side = std::min(width_px, height_px);
    if (kind == 2 || kind == 3) css += " border-radius: " + std::to_string(side / 2) + "px;";
    if (kind == 4 || kind == 5) css += " border-radius: " + std::to_string(side / 6) + "px;";
    return css + " }";
}

}  // namespace

ExportFont WidgetExport::font_of(mem::MemoryObject& c) const {
    ExportFont f;
    f.size = number_or(c, "FontSize", 8.25);
    f.point_size = std::max(1, static_cast<int>(std::lround(f.size)));
    f.face = text_or(c, "FontName");
    if (!default_face(f.face)) f.family = f.face;
    f.bold = number_or(c, "FontBold", 0) != 0;
    f.italic = number_or(c, "FontItalic", 0) != 0;
    f.underline = number_or(c, "FontUnderline", 0) != 0;
    f.strikeout = number_or(c, "FontStrikethru", 0) != 0;
    return f;
}

void WidgetExport::write_font(ui::UiNode& widget, const ExportFont& font,
                              const ExportFont& inherited, bool whole) {
    ui::UiNode value("font");
    // A default face under another is named outright, with its size: a font of a family alone
    // takes the application's size in Qt's form loader, not the parent's.
    const bool default_under_other = font.family.empty() && !inherited.family.empty();
    if (!font.family.empty() && (whole || font.family != inherited.family))
        value.add("family", font.family);
    else if (default_under_other)
        value.add("family", font.face.empty() ? "MS Sans Serif" : font.face);
    const bool own_size = whole || default_under_other || font.point_size != inherited.point_size;
    if (own_size) value.add("pointsize", std::to_string(font.point_size));
    auto flag = [&](const char* name, bool on, bool was) {
        if (on != was || (whole && on)) value.add(name, on ? "true" : "false");
    };
    flag("italic", font.italic, inherited.italic);
    flag("bold", font.bold, inherited.bold);
    flag("underline", font.underline, inherited.underline);
    flag("strikeout", font.strikeout, inherited.strikeout);
    if (!value.children().empty()) widget.property("font").children().push_back(std::move(value));
    // Designer keeps whole points: a size they do not hold (8.25), or one the widget would
    // inherit otherwise, goes into a property of the widget's own, which the resizer applies to
    // the widget itself (on every widget: a style sheet's fonts do not follow the window's).
    if (font.size != font.point_size || (!own_size && inherited.size != font.size))
        widget.double_property("FontSize", font.size, true);
}

void WidgetExport::write_scale(ui::UiNode& widget, mem::MemoryObject& c) {
    const auto scale = mem::OwnScale::of(c);
    if (!scale) return;
    widget.number_property(mem::OwnScale::kMode, scale->mode, true);
    if (scale->mode == kScaleUser)
        for (int i = 0; i < 4; ++i)
            widget.double_property(mem::OwnScale::kUser[i], scale->user[i], true);
}

std::string WidgetExport::original_class(mem::MemoryObject& c) const {
    const auto it = ctx_.class_ids.find(host::fold(control_key(c)));
    return it != ctx_.class_ids.end() ? it->second : c.class_name();
}

void WidgetExport::write_children(mem::MemoryObject& container, ui::UiNode& node,
                                  const ExportFont& font) {
    // Drawn controls (labels, shapes, lines, images) lie under the windowed ones on the runtime;
    // a later sibling is on top in Qt, so they go first, each kind in the form's order.
    for (const bool windowed : {false, true})
        for (const auto& child : container.children())
            if (child->traits().windowed == windowed) write(*child, node, font);
}

void WidgetExport::write(mem::MemoryObject& c, ui::UiNode& parent, const ExportFont& inherited,
                         ExportShift shift) {
    const std::string& cls = c.class_name();
    const std::string name = ctx_.names.of(c);
    if (cls == "Menu") return;  // the menu bar's
    if (auto* z = c.user_control().get(); z && dynamic_cast<zokKelvane*>(z)) return;
    if (cls == "Timer") {
        ctx_.report.notes.push_back(name +
                                    ": a Timer has no widget; a QTimer in the code does its work");
        return;
    }
    const host::QtShown shown = host::qt_class_for(cls, number_or(c, "MultiLine", 0) != 0);
    if (shown.how == host::QtShow::None) return;
    // Where it stands in the widget it sits in: a container's inside starts past its border.
    const auto holder = c.container_object();
    const auto [ix, iy] =
        holder && !holder->is_form() ? holder->inner_offset_twips() : std::pair<double, double>{};
    std::string qt_class(shown.qt_class);
    const auto tabs = host::TabSet::candidate(c.type_name(), c.extra_properties())
                          ? host::TabSet::read(c)
                          : std::nullopt;
    // The common controls Qt has widgets for, drawn otherwise as placeholders.
    const auto range = c.user_control() ? std::nullopt : host::RangeLook::read(c, c.type_name());
    const auto list_view =
        c.user_control() ? std::nullopt : host::ListViewLook::read(c, c.type_name());
    const bool grid = !c.user_control() && (host::DataGridLook::candidate(c.type_name()) ||
                                            host::FlexGridLook::candidate(c.type_name()));
    const bool rich = !c.user_control() && host::iequal(c.type_name(), "RichTextBox");
    const bool masked = !c.user_control() && host::MaskLook::candidate(c.type_name());
    const auto date = c.user_control() ? std::nullopt : host::DateLook::read(c, c.type_name());
    const bool common = !c.user_control() && (host::StatusBarLook::candidate(c.type_name()) ||
                                              host::ToolBarLook::candidate(c.type_name()) ||
                                              host::UpDownLook::candidate(c.type_name()) || range ||
                                              list_view || grid || rich || masked || date);
    bool placeholder = false;
    const char* orientation = nullptr;
    std::string line_from;  // a slanting line's first end's corner
    int x = 0, y = 0, w = 0, h = 0;
    if (c.traits().geometry == host::GeometryKind::LineEnds) {
        const auto e = c.line_ends_twips();
        const double sx = ix + shift.twips_x;
        const int x1 = ctx_.px(e[0] + sx) - shift.px_x, y1 = ctx_.px(e[1] + iy) - shift.px_y;
        const int x2 = ctx_.px(e[2] + sx) - shift.px_x, y2 = ctx_.px(e[3] + iy) - shift.px_y;
        // A line across or down is Designer's line, a frame drawn as one, centred on it (three
        // pixels across, or as many as a thicker line needs, an odd number to keep it centred).
        // A styled line is its frame's top or left border, centred on the line's own pixels.
        const int line_px = std::max(1, static_cast<int>(number_or(c, "BorderWidth", 1)));
        const int across = std::max(3, line_px | 1);
        const int before = styled_line(c) ? line_px / 2 : across / 2;
        if (y1 == y2) {
            qt_class = "Line";
            orientation = "Qt::Horizontal";
            x = std::min(x1, x2), y = y1 - before, w = std::abs(x2 - x1), h = across;
        } else if (x1 == x2) {
            qt_class = "Line";
            orientation = "Qt::Vertical";
            x = x1 - before, y = std::min(y1, y2), w = across, h = std::abs(y2 - y1);
        } else {
            placeholder = true;
            x = std::min(x1, x2), y = std::min(y1, y2), w = std::abs(x2 - x1),
            h = std::abs(y2 - y1);
            line_from = ui::UiLines::corner_of(x1, y1, x2, y2);
        }
    } else {
        const auto r = c.rect_twips();
        x = ctx_.px(r.left + ix + shift.twips_x) - shift.px_x, y = ctx_.px(r.top + iy) - shift.px_y;
        w = ctx_.px(r.width), h = ctx_.px(r.height);
        // A control without a place at run time (a dialog, an image list) keeps the icon's
        // size it has in the designer, hidden.
        if (c.traits().geometry == host::GeometryKind::PositionOnly) w = h = 32;
        if (cls == "Shape") {
            qt_class = "QFrame";
        } else if ((cls == "CheckBox" || cls == "OptionButton") && number_or(c, "Style", 0) == 1) {
            // Graphical: a push button that stays in while it is on, as the Qt host shows it.
            qt_class = "QPushButton";
        } else if (tabs) {
            qt_class = "QTabWidget";
        } else if (range) {
            qt_class = range->kind == host::RangeLook::Kind::Progress ? "QProgressBar" : "QSlider";
        } else if (grid) {
            qt_class = "QTableWidget";
        } else if (date) {
            qt_class = date->kind == host::DateLook::Kind::Month ? "QCalendarWidget"
                       : !date->shows_date()                     ? "QTimeEdit"
                       : date->shows_time()                      ? "QDateTimeEdit"
                                                                 : "QDateEdit";
        } else if (masked) {
            qt_class = "QLineEdit";
        } else if (rich) {
            // Its plain text in a box of several lines, as a text box's.
            qt_class = "QPlainTextEdit";
        } else if (list_view) {
            qt_class = list_view->kind == host::ListViewLook::Kind::List &&
                               list_view->view != host::ListViewLook::Report
                           ? "QListWidget"
                           : "QTreeWidget";
        } else if (common) {
            qt_class = "QFrame";
        } else if (shown.how == host::QtShow::Painted || c.user_control()) {
            placeholder = true;
        }
    }
    if (placeholder) {
        qt_class = "QFrame";
        ++ctx_.report.placeholders;
        // Each placeholder says what it stands for: the summary counts them.
        if (c.traits().geometry == host::GeometryKind::LineEnds)
            ctx_.report.notes.push_back(name +
                                        ": a slanting line has no widget; a placeholder "
                                        "covers it");
        else if (cls == "Data")
            ctx_.report.notes.push_back(name +
                                        ": a Data control has no widget; a placeholder keeps its "
                                        "place, and the code opens its records");
        else
            ctx_.report.notes.push_back(name + ": a " + original_class(c) +
                                        " has no widget; a placeholder keeps its place");
    } else {
        ++ctx_.report.controls;
    }
    // A pen that mixes with what lies below it (inverting, XOR) is no widget's to draw.
    constexpr double kCopyPen = 13;
    if (const double mode = number_or(c, "DrawMode", kCopyPen);
        (cls == "Line" || cls == "Shape") && mode != kCopyPen)
        ctx_.report.notes.push_back(name + ": DrawMode " + std::to_string(std::lround(mode)) +
                                    " mixes its pen with what lies below, which a widget cannot: "
                                    "Qt draws it with the plain pen");
    ui::UiNode& node = parent.add("widget").attribute("class", qt_class).attribute("name", name);
    node.rect_property("geometry", x, y, std::max(w, 0), std::max(h, 0));
    const ExportFont font = font_of(c);
    if (c.traits().font) write_font(node, font, inherited, false);
    if (!try_flag(c, Prop::Visible).value_or(true) ||
        c.traits().geometry == host::GeometryKind::PositionOnly)
        node.bool_property("visible", false);
    if (const auto on = named(c, "Enabled"); on && !to_bool(*on))
        node.bool_property("enabled", false);
    const std::string tip = try_text(c, Prop::ToolTipText).value_or("");
    if (placeholder) {
        const std::string what = c.traits().geometry == host::GeometryKind::LineEnds
                                     ? std::string("a slanting Line")
                                     : original_class(c);
        node.string_property("toolTip",
                             "Placeholder for " + what + (tip.empty() ? "" : ": " + tip));
        node.enum_property("frameShape", "QFrame::StyledPanel");
        // What it stands for, so that reading the .ui back brings that back (a line, a record
        // navigator with its caption, another library's control drawn as its outline and name).
        node.string_property(ui::UiLines::kPlaceholderProperty,
                             line_from.empty() ? original_class(c) : std::string("VB.Line"), true);
        if (!line_from.empty()) {
            node.string_property(ui::UiLines::kFromProperty, line_from, true);
            write_line_look(c, node, true, false);
        } else if (const auto caption = try_text(c, Prop::Caption);
                   caption && !caption->empty() && c.traits().caption) {
            node.string_property("Caption", *caption, true);
        }
        // An image list's pictures are its toolbars' buttons' (each written with its button).
        if (!named_by_a_toolbar(c)) pictures_.note_unused(c, {});
    } else {
        if (!tip.empty()) node.string_property("toolTip", tip);
        // The pointer as Qt's cursor shape (a custom one's picture has no place in a .ui).
        if (const char* cursor =
                host::qt_cursor_name(static_cast<int>(try_num(c, Prop::MousePointer).value_or(0))))
            node.property("cursor").add("cursorShape", cursor);
        write_colours(node, c);
        // Another library's combo box or list: its own class, to read back as itself.
        if (host::looks_as(cls) != cls)
            node.string_property(ui::UiLines::kFormsClassProperty, original_class(c), true);
        write_class_properties(c, node, qt_class);
        write_pictures(c, node, qt_class);
        // Widgets the Tab key visits in Qt, for the form's tab order.
        for (const char* focus : {"QPushButton", "QCheckBox", "QRadioButton", "QLineEdit",
                                  "QPlainTextEdit", "QListWidget", "QComboBox", "QScrollBar"})
            if (qt_class == focus) ctx_.focus_widgets.push_back(name);
        if (orientation) {
            node.enum_property("orientation", orientation);
            write_line_look(c, node, false, orientation == std::string_view("Qt::Horizontal"));
        }
    }
    write_scale(node, c);
    // The resizer leaves a bar on the form's edge to the host, which keeps it there.
    if (const double align = try_num(c, Prop::Align).value_or(0); align >= 1 && align <= 4)
        node.number_property("Align", static_cast<long long>(align), true);
    if (tabs)
        write_tabs(c, *tabs, node, parent, font, inherited, {0, -x, -y});
    else if (!common || !write_common_control(c, node))
        write_children(c, node, c.traits().font ? font : inherited);
}

void WidgetExport::write_line_look(mem::MemoryObject& c, ui::UiNode& w, bool placeholder,
                                   bool across) const {
    const auto width = static_cast<long long>(std::max(1.0, number_or(c, "BorderWidth", 1)));
    const double colour = unsigned_colour(number_or(c, "BorderColor", 0x80000008));
    const int style = border_style(c);
    if (placeholder) {
        if (width != 1) w.number_property("BorderWidth", width, true);
        if (colour != 0x80000008) w.double_property("BorderColor", colour, true);
        if (style != 1) w.number_property("BorderStyle", style, true);
        return;
    }
    const bool shaded = colour == ui::UiLines::kShadowColour;
    w.enum_property("frameShadow", shaded ? "QFrame::Sunken" : "QFrame::Plain");
    if (width != 1) w.number_property("lineWidth", width);
    if (styled_line(c)) {
        w.number_property("BorderStyle", style, true);
        std::string css = "QFrame { border: none;";
        if (style != 0)
            css += std::string(" border-") + (across ? "top" : "left") + ": " +
                   std::to_string(width) + "px " + kLines[style] + " " + css_colour(colour) + ";";
        w.add_sheet_rule(css + " }");
    }
    if (const auto rgb = rgb_of(colour)) {
        ui::UiNode& palette = w.property("palette").add("palette");
        for (const char* state : {"active", "inactive"})
            add_color_role(palette.add(state), "WindowText", *rgb);
    }
}

void WidgetExport::write_pictures(mem::MemoryObject& c, ui::UiNode& w,
                                  const std::string& qt_class) {
    if (c.pictures().empty()) return;
    const std::string& cls = c.class_name();
    std::vector<std::string> used;
    const std::string& qrc = pictures_.resource_file();
    if (qt_class == "QPushButton" && number_or(c, "Style", 0) == 1) {
        // A graphical button (a check box or option too) shows its picture beside the caption,
        // at the picture's size.
        used.push_back("Picture");
        if (const auto path = pictures_.path_of(c, "Picture")) {
            add_iconset(w.property("icon"), qrc, *path);
            // The picture's own size (a metafile's header gives none: the size it is drawn at).
            const auto pic = c.picture("Picture");
            const QSize own = !pic              ? QSize()
                              : pic->has_size() ? QSize(pic->width, pic->height)
                                                : host::picture_image(*pic).size();
            if (!own.isEmpty()) {
                ui::UiNode& size = w.property("iconSize").add("size");
                size.add("width", std::to_string(own.width()));
                size.add("height", std::to_string(own.height()));
            }
        }
    } else if (cls == "Image" && qt_class == "QLabel") {
        used.push_back("Picture");
        // Stretched: over the label's inside, within its border.
        QSize stretched_to;
        if (number_or(c, "Stretch", 0) != 0) {
            const int border = number_or(c, "BorderStyle", 0) == 1 ? 2 : 0;
            const auto r = c.rect_twips();
            stretched_to = QSize(ctx_.px(r.width) - border, ctx_.px(r.height) - border);
        }
        if (const auto path = pictures_.path_of(c, "Picture", stretched_to)) {
            add_pixmap(w.property("pixmap"), qrc, *path);
            w.set_property("alignment", "Qt::AlignLeft|Qt::AlignTop");
        }
    } else if (qt_class == "QTabWidget") {
        // Each tab's picture is its page's icon.
        for (const auto& [property, picture] : c.pictures())
            if (host::fold(property).rfind("tabpicture(", 0) == 0) used.push_back(property);
    } else if (cls == "PictureBox" && qt_class == "QFrame") {
        used.push_back("Picture");
        if (const auto path = pictures_.path_of(c, "Picture")) {
            // The picture starts inside the border (a flat one is a pixel wide).
            const int border = number_or(c, "BorderStyle", 1) == 0  ? 0
                               : number_or(c, "Appearance", 1) == 0 ? 1
                                                                    : 2;
            w.add_sheet_rule(background_sheet(ctx_.names.of(c), *path, border));
        }
    }
    pictures_.note_unused(c, used);
}

void WidgetExport::write_class_properties(mem::MemoryObject& c, ui::UiNode& w,
                                          const std::string& qt_class) {
    const std::string cls(host::looks_as(c.class_name()));
    const std::string caption = shown_text(try_text(c, Prop::Caption).value_or(""));
    if (qt_class == "QPushButton" || qt_class == "QCheckBox" || qt_class == "QRadioButton") {
        if (!caption.empty()) w.string_property("text", caption);
        const double value = number_or(c, "Value", 0);
        if (qt_class == "QCheckBox" && value == 1) w.bool_property("checked", true);
        // Greyed (Value 2), which a .ui cannot say: the box takes a third state, and a property
        // of its own that the resizer (and the loader) turn into it.
        if (qt_class == "QCheckBox" && value == 2) {
            w.bool_property("tristate", true);
            w.number_property("Value", 2, true);
        }
        if (qt_class == "QRadioButton" && value != 0) w.bool_property("checked", true);
        // Alignment 1: the box on the right, its caption to its left.
        if (qt_class != "QPushButton" && number_or(c, "Alignment", 0) == 1)
            w.enum_property("layoutDirection", "Qt::RightToLeft");
        if (qt_class == "QPushButton" && cls != "CommandButton") {
            // A graphical one: in while it is on; an option pushes out the others beside it.
            w.bool_property("checkable", true);
            if (value != 0) w.bool_property("checked", true);
            if (cls == "OptionButton") w.bool_property("autoExclusive", true);
        }
        if (qt_class == "QPushButton" && number_or(c, "Default", 0) != 0)
            w.bool_property("default", true);
    } else if (qt_class == "QGroupBox") {
        if (!caption.empty()) w.string_property("title", caption);
    } else if (qt_class == "QLabel" && cls == "Label") {
        const auto mnemonic = named(c, "UseMnemonic");
        const bool use_mnemonic = !mnemonic || to_bool(*mnemonic);
        const auto it = ctx_.label_targets.find(&c);
        const bool buddy = it != ctx_.label_targets.end();
        const std::string text = host::qt_label_text(caption, use_mnemonic, buddy);
        // Its access key takes the focus to the next control, as on the forms runtime (and Qt
        // reads the ampersands only in a label with a buddy, also those of a label without one).
        if (buddy)
            w.add("property").attribute("name", "buddy").add("cstring", ctx_.names.of(*it->second));
        if (!text.empty()) w.string_property("text", text);
        const int align = static_cast<int>(number_or(c, "Alignment", 0));
        const char* across = align == 1   ? "Qt::AlignRight"
                             : align == 2 ? "Qt::AlignHCenter"
                                          : "Qt::AlignLeft";
        w.set_property("alignment", std::string(across) + "|Qt::AlignTop");
        w.bool_property("wordWrap", true);
        // A border (BorderStyle 1): sunken, or a plain line when the label is flat.
        if (number_or(c, "BorderStyle", 0) == 1) {
            const bool flat = number_or(c, "Appearance", 1) == 0;
            w.enum_property("frameShape", flat ? "QFrame::Box" : "QFrame::Panel");
            w.enum_property("frameShadow", flat ? "QFrame::Plain" : "QFrame::Sunken");
        }
    } else if (qt_class == "QLabel") {  // an Image
        if (number_or(c, "Stretch", 0) != 0) w.bool_property("scaledContents", true);
        if (number_or(c, "BorderStyle", 0) == 1) w.enum_property("frameShape", "QFrame::Box");
    } else if (qt_class == "QLineEdit" || qt_class == "QPlainTextEdit") {
        const std::string text = shown_text(text_or(c, "Text"));
        if (!text.empty()) w.string_property(qt_class == "QLineEdit" ? "text" : "plainText", text);
        if (number_or(c, "Locked", 0) != 0) w.bool_property("readOnly", true);
        if (qt_class == "QPlainTextEdit") {
            // The bars ScrollBars asks for are always there, the others never; with one
            // across, lines do not wrap.
            const int bars = static_cast<int>(number_or(c, "ScrollBars", 0));
            const auto policy = [](bool on) {
                return on ? "Qt::ScrollBarAlwaysOn" : "Qt::ScrollBarAlwaysOff";
            };
            w.enum_property("verticalScrollBarPolicy", policy(bars & 2));
            w.enum_property("horizontalScrollBarPolicy", policy(bars & 1));
            if (bars & 1) w.enum_property("lineWrapMode", "QPlainTextEdit::NoWrap");
        }
        if (qt_class == "QLineEdit") {
            if (const double max = number_or(c, "MaxLength", 0); max > 0)
                w.number_property("maxLength", static_cast<long long>(max));
            if (!text_or(c, "PasswordChar").empty())
                w.enum_property("echoMode", "QLineEdit::Password");
            const int align = static_cast<int>(number_or(c, "Alignment", 0));
            if (align == 1) w.set_property("alignment", "Qt::AlignRight|Qt::AlignVCenter");
            if (align == 2) w.set_property("alignment", "Qt::AlignHCenter|Qt::AlignVCenter");
        }
    } else if (qt_class == "QListWidget" || qt_class == "QComboBox") {
        // A drive list is a drop-down list, as a combo box of Style 2 is.
        if (cls == "ComboBox" && number_or(c, "Style", 0) != 2) w.bool_property("editable", true);
        if (qt_class == "QListWidget") {
            if (number_or(c, "Sorted", 0) != 0) w.bool_property("sortingEnabled", true);
            const double multi = number_or(c, "MultiSelect", 0);
            if (multi == 1) w.enum_property("selectionMode", "QAbstractItemView::MultiSelection");
            if (multi == 2)
                w.enum_property("selectionMode", "QAbstractItemView::ExtendedSelection");
            // Whole lines only, as the forms runtime sizes a list box (the resizer's host does);
            // a file or folder list keeps the height it is given.
            const auto integral = named(c, "IntegralHeight");
            if (c.class_name() == "ListBox" && (!integral || to_bool(*integral)))
                w.bool_property("IntegralHeight", true, true);
        }
        // A list of check boxes (Style 1): each entry with its own, unchecked when it opens.
        const bool checks = cls == "ListBox" && number_or(c, "Style", 0) == 1;
        if (auto* list = c.list_items())
            for (size_t i = 0; i < list->count(); ++i) {
                ui::UiNode& item = w.add("item");
                item.string_property("text", list->item(static_cast<int>(i)));
                if (checks) item.enum_property("checkState", "Unchecked");
            }
        if (cls == "ComboBox") export_combo_text(c, w);
    } else if (qt_class == "QFrame" && cls == "PictureBox") {
        if (number_or(c, "BorderStyle", 1) != 0) {
            // As the Qt host draws a picture box's border: a line for a flat one.
            const bool flat = number_or(c, "Appearance", 1) == 0;
            w.enum_property("frameShape", flat ? "QFrame::Box" : "QFrame::Panel");
            w.enum_property("frameShadow", flat ? "QFrame::Plain" : "QFrame::Sunken");
            if (!flat) w.number_property("lineWidth", 2);
            // Its controls stand inside the border and follow the room inside it, as on the
            // form; a Qt frame's children start at its outer corner, so the resizer is told.
            w.number_property("BorderStyle", 1, true);
            if (flat) w.number_property("Appearance", 0, true);
        }
    } else if (qt_class == "QScrollBar") {
        // Designer's scroll bar runs from its minimum up; a bar whose Min is above its Max runs
        // the other way.
        const double min = number_or(c, "Min", 0), max = number_or(c, "Max", 32767);
        w.enum_property("orientation", cls == "VScrollBar" ? "Qt::Vertical" : "Qt::Horizontal");
        w.number_property("minimum", static_cast<long long>(std::min(min, max)));
        w.number_property("maximum", static_cast<long long>(std::max(min, max)));
        w.number_property("value", static_cast<long long>(number_or(c, "Value", min)));
        w.number_property("singleStep", static_cast<long long>(number_or(c, "SmallChange", 1)));
        w.number_property("pageStep", static_cast<long long>(number_or(c, "LargeChange", 1)));
        if (min > max) w.bool_property("invertedAppearance", true);
    } else if (qt_class == "QFrame" && cls == "Shape") {
        w.enum_property("frameShape", "QFrame::Box");
        w.add_sheet_rule(
            shape_style(c, ctx_.px(c.rect_twips().width), ctx_.px(c.rect_twips().height)));
        // The style sheet draws what Qt can; the shape itself comes back from these when the
        // .ui is read (a fill pattern, a dashed border in pictures).
        for (const char* p : ui::UiLines::kShapeProperties) {
            const std::string_view name = p;
            const double n = number_or(c, p, name == "Shape" ? 0 : NAN);
            if (!std::isfinite(n)) continue;
            if (name.ends_with("Color")) {
                w.double_property(p, unsigned_colour(n), true);
            } else {
                w.number_property(p, std::llround(n), true);
            }
        }
    }
}

}  // namespace kv::exporter
