#include "host/ui/UiBuilder.h"

#include <cstdint>

#include <algorithm>
#include <cmath>
#include <string_view>

#include "engine/CFormSizer.h"
#include "engine/Error.h"
#include "host/common/ClassTraits.h"
#include "host/common/FormFrame.h"
#include "host/common/PointerShape.h"
#include "host/common/QtClasses.h"
#include "host/common/QtFrameBorder.h"
#include "host/common/TabSet.h"
#include "host/common/TextFold.h"
#include "host/frm/FrmDocument.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryPropertyBag.h"
#include "host/ui/UiClasses.h"
#include "host/ui/UiDocks.h"
#include "host/ui/UiError.h"
#include "host/ui/UiLines.h"
#include "host/ui/UiPictures.h"
#include "host/ui/UiValues.h"

namespace kv::ui {

namespace {

// A property of its own an exported form file gave the widget, when it holds a number; one of
// another kind (another tool's property of the same name) is not this system's.
std::optional<double> own_number(const UiValues& values, const UiElement& w, const char* name) {
    const UiElement* p = w.property(name);
    if (!p || !(p->child("double") || p->child("number"))) return std::nullopt;
    return values.real(w, name, -1e18, 1e18);
}

}  // namespace

void UiBuilder::add(const UiElement& w, const std::shared_ptr<mem::MemoryObject>& container,
                    double point_size, UiRect origin) {
    const UiClass uc = class_for(w);
    const auto chain = views(uc);
    const std::string* object_name = w.attribute("name");
    // A dock widget is the form's, beside the central widget (add_dock).
    if (host::qt_class_is_bar(chain) || in_chain(uc, kResizerWidgetClass) ||
        in_chain(uc, "QDockWidget") || (object_name && object_name->rfind("qt_", 0) == 0))
        return;
    const std::string own_class = class_of(w);
    const auto stands_for = values_.string(w, UiLines::kPlaceholderProperty);
    const auto made_as = values_.string(w, UiLines::kFormsClassProperty);  // a common control
    if (auto line = stands_for ? UiLines::of_placeholder(values_, w)
                               : UiLines::of_frame(values_, w, own_class)) {
        add_line(w, *line, container, origin);
        return;
    }
    // Designer's scroll bars say how they lie (a QScrollBar is made upright).
    const bool across = values_.enumeration(w, "orientation").value_or("") == "Qt::Horizontal";
    host::FormsClassOf of = host::forms_class_for(chain, across);
    if (in_chain(uc, "QPushButton"))
        host::take_toggle_button(of, values_.boolean(w, "checkable").value_or(false),
                                 values_.boolean(w, "autoExclusive").value_or(false));
    // A label that shows a picture is the forms' image control.
    if (of.forms_class == "Label")
        if (const UiElement* p = w.property("pixmap"); p && p->child("pixmap"))
            of.forms_class = "Image";
    std::vector<const UiElement*> inner;
    widgets_in(w, inner);
    const bool has_layout = w.child("layout") != nullptr;
    if (stands_for) take_placeholder(w, *stands_for, of, !inner.empty() && !has_layout);
    if (made_as && !stands_for) take_placeholder(w, *made_as, of, false);
    // An exported Shape: its frame's own properties say so.
    const bool shape = !stands_for && own_class == "QFrame" && values_.number(w, "Shape");
    if (shape) {
        of = {};
        of.forms_class = "Shape";
        of.known = true;
    }
    if (!of.known && !uc.qt_class) {
        // A class of the application's: widgets placed in it are controls inside it, as a
        // form file's control of another library holds those placed on it.
        const bool holds = !inner.empty() && !has_layout;
        if (holds) {
            mem::ForeignClass shape = host_.foreign_class(of.forms_class);
            shape.container = true;
            host_.set_foreign_class(of.forms_class, shape);
            of.holds_children = true;
        }
        if (!uc.declared)
            out_.notes.push_back(
                {w.line, "widget " + quoted(w) + " is of class '" + class_of(w) +
                             "', neither Qt Designer's nor declared in <customwidgets>: kept as " +
                             (holds ? "a container" : "a plain control")});
    }
    // A tab widget holds the widgets on its pages, as the Qt host adopts it.
    const bool tabs = in_chain(uc, "QTabWidget") && !has_layout;
    if (tabs) {
        mem::ForeignClass shape = host_.foreign_class(of.forms_class);
        shape.container = of.holds_children = true;
        host_.set_foreign_class(of.forms_class, shape);
    }
    if (has_layout) of.holds_children = false;  // its layout keeps its inside
    std::shared_ptr<mem::MemoryObject> c;
    try {
        c = form_->add_control(of.forms_class, name_for(w, of.forms_class), container);
        point_size = font_size(w, point_size);
        set_properties(*c, w, uc.chain.empty() ? std::string() : uc.chain.front(), point_size);
        if (shape)
            for (const char* p : UiLines::kShapeProperties)
                // A system colour (0x80000000 and up) is past what a <number> holds; the form
                // keeps it as the form file does, a negative long.
                if (const auto v = values_.real(w, p, 0, 0xffffffff))
                    c->set_raw(p, *v > 0x7fffffff ? *v - 4294967296.0 : *v);
        // A plain frame's border is the picture box's: its controls stand inside it.
        if (of.borderless) {
            const auto border = frame_border(w);
            c->set_raw("BorderStyle", border == Border::None ? 0.0 : 1.0);
            if (border == Border::Flat) c->set_raw("Appearance", 0.0);
        }
        // A list box sizes itself to whole lines only where the form says so (an exported
        // form file's list box); bars on the form's edges likewise.
        if (of.forms_class == "ListBox")
            c->set_raw("IntegralHeight", values_.boolean(w, "IntegralHeight").value_or(false));
        if (const auto align = values_.number(w, "Align");
            align && *align >= 1 && *align <= 4 && c->traits().align && !container)
            c->set_raw("Align", static_cast<double>(*align));
        if (of.multi_line) c->set_raw("MultiLine", true);
        if (of.graphical) c->set_raw("Style", 1.0);
        set_pictures(*c, w);
        if (const auto caption = values_.string(w, "Caption"); caption && stands_for)
            c->set_raw("Caption", *caption);
        // A Designer widget no forms class stands for (a spin box, a slider) keeps its plain
        // properties as the .ui gives them, so that a live form can show it as itself.
        if (!of.known && uc.qt_class && !stands_for && !made_as)
            for (const UiElement* p : w.children_named("property"))
                if (const std::string* n = p->attribute("name"); n && !n->empty())
                    if (auto v = values_.plain(*p))
                        c->set_raw(std::string(host::kQtPropertyPrefix) + *n, *v);
        const double tx = host_.twips_per_pixel_x(), ty = host_.twips_per_pixel_y();
        const UiRect g = values_.rect(w, "geometry").value_or(UiRect{0, 0, 100, 30});
        // A combo box keeps the height it was given.
        if (of.forms_class == "ComboBox") c->set_fixed_height_twips(g.height * ty);
        // Qt places a child from its parent's outer corner, the form from the inside of its
        // border.
        const auto [ix, iy] =
            container ? container->inner_offset_twips() : std::pair<double, double>{};
        c->set_rect_twips(
            {(g.x + origin.x) * tx - ix, (g.y + origin.y) * ty - iy, g.width * tx, g.height * ty});
        // Given once every control is in: a line's ends are read in its container's units.
        if (auto scale = own_scale(w)) scales_.emplace_back(c, *scale);
    } catch (const Error& e) {
        throw UiError(doc_.path, w.line,
                      "the forms host refused widget " + quoted(w) + " (" + class_of(w) +
                          "): error " + std::to_string(e.number()) + " (" + e.description() + ")");
    }
    if (made_as) read_common_control(w, *c);
    if (!of.holds_children) {
        note_inside(w, quoted(w) + " (" + class_of(w) + ")", c->name(), has_layout);
        return;
    }
    // A tab widget's pages start past its tabs, on the side they stand on.
    const int side = host::qt_tab_side(values_.enumeration(w, "tabPosition").value_or(""));
    const int tab_height = host::qt_tab_height(values_.string(w, "styleSheet").value_or(""), side);
    const auto [page_x, page_y] = host::qt_page_origin(tab_height, side);
    const UiRect page{page_x, page_y, 0, 0};
    // An exported tab strip: its look among its dynamic properties, its pages empty (its
    // controls lie on the form).
    const auto pages = w.children_named("widget");
    const bool strip = tabs && values_.number(w, "TabWidthStyle") &&
                       std::all_of(pages.begin(), pages.end(), [](const UiElement* page) {
                           return page->children_named("widget").empty() && !page->child("layout");
                       });
    int tab = 0;
    for (const UiElement* child : pages) {
        if (!tabs) {
            add(*child, c, point_size);
            continue;
        }
        if (strip) {
            c->set_raw("Tabs(" + std::to_string(++tab) + ").Caption", page_title(*child));
            continue;
        }
        const size_t before = form_->all_controls().size();
        if (!child->child("layout"))
            for (const UiElement* on : child->children_named("widget"))
                add(*on, c, point_size, page);
        else  // a page a layout places keeps its inside
            note_inside(*child, quoted(*child) + " (a page of " + quoted(w) + ")", c->name(), true);
        for (const UiElement* a : child->children_named("attribute"))
            if (const std::string* name = a->attribute("name"); name && *name == "icon")
                if (auto pic = pictures_->of_property(a, c->name() + ".TabPicture"))
                    c->set_picture("TabPicture(" + std::to_string(tab) + ")", std::move(pic));
        describe_tab(*c, tab++, page_title(*child), before);
    }
    if (!tabs) return;
    const long long current = values_.number(w, "currentIndex").value_or(0);
    c->set_raw("Tab", static_cast<double>(std::clamp<long long>(current, 0, std::max(tab - 1, 0))));
    if (strip) {
        c->set_raw("Tabs.Count", static_cast<double>(tab));
        c->set_raw("Placement", static_cast<double>(side));
        for (const char* p : host::TabSet::kStripProperties)
            if (const auto v = values_.number(w, p)) c->set_raw(p, static_cast<double>(*v));
    } else {
        // The form's tab control as the tab widget shows it: the Qt host and the pictures then
        // show each page's controls with their tab only, beside tabs on the same side and as
        // high as the tab widget's (in HiMetric, as a form file keeps it).
        c->set_raw("Tabs", static_cast<double>(tab));
        c->set_raw("TabsPerRow", static_cast<double>(std::max(tab, 1)));
        c->set_raw("Style", 1.0);
        c->set_raw("TabOrientation", static_cast<double>(side));
        const double tpp = side >= 2 ? host_.twips_per_pixel_x() : host_.twips_per_pixel_y();
        c->set_raw("TabHeight", tab_height * tpp * 2540.0 / 1440.0);
    }
}

// A dock is a bar on the form's edge holding its contents' widgets below its title.
void UiBuilder::add_dock(const UiDock& dock, double point_size) {
    const UiElement& w = *dock.widget;
    std::shared_ptr<mem::MemoryObject> c;
    try {
        c = form_->add_control("PictureBox", name_for(w, "PictureBox"), nullptr);
        point_size = font_size(w, point_size);
        set_properties(*c, w, "QDockWidget", point_size);
        c->set_raw("BorderStyle", 0.0);
        c->set_raw("Align", static_cast<double>(dock.align));
        const double tx = host_.twips_per_pixel_x(), ty = host_.twips_per_pixel_y();
        // Its length along the edge is the form's to give (layout_aligned).
        c->set_rect_twips(
            {0, 0, dock.align > 2 ? dock.size * tx : tx, dock.align <= 2 ? dock.size * ty : ty});
    } catch (const Error& e) {
        throw UiError(doc_.path, w.line,
                      "the forms host refused dock widget " + quoted(w) + ": error " +
                          std::to_string(e.number()) + " (" + e.description() + ")");
    }
    if (!dock.contents) return;
    if (dock.contents->child("layout")) {
        note_inside(*dock.contents, quoted(w) + " (QDockWidget)", c->name(), true);
        return;
    }
    for (const UiElement* child : dock.contents->children_named("widget"))
        add(*child, c, point_size, {0, UiDocks::kTitlePixels, 0, 0});
}

// A line is the forms runtime's line, its ends where Designer's frame draws it.
void UiBuilder::add_line(const UiElement& w, const UiLine& line,
                         const std::shared_ptr<mem::MemoryObject>& container, UiRect origin) {
    try {
        auto c = form_->add_control("Line", name_for(w, "Line"), container);
        c->set_raw("Visible", values_.boolean(w, "visible").value_or(true));
        c->set_raw("BorderWidth", static_cast<double>(line.width));
        if (line.colour) c->set_raw("BorderColor", *line.colour);
        if (line.style) c->set_raw("BorderStyle", static_cast<double>(*line.style));
        const double tx = host_.twips_per_pixel_x(), ty = host_.twips_per_pixel_y();
        const auto [ix, iy] =
            container ? container->inner_offset_twips() : std::pair<double, double>{};
        c->set_raw("X1", (line.x1 + origin.x) * tx - ix);
        c->set_raw("Y1", (line.y1 + origin.y) * ty - iy);
        c->set_raw("X2", (line.x2 + origin.x) * tx - ix);
        c->set_raw("Y2", (line.y2 + origin.y) * ty - iy);
    } catch (const Error& e) {
        throw UiError(doc_.path, w.line,
                      "the forms host refused line " + quoted(w) + ": error " +
                          std::to_string(e.number()) + " (" + e.description() + ")");
    }
}

// An exported form's placeholder comes back as the control it stands for: the runtime's own class
// (a record navigator), else one of another library's (drawn as its outline and name), holding
// the widgets placed in it and kept on the form's edge where it says so.
void UiBuilder::take_placeholder(const UiElement& w, const std::string& stands_for,
                                 host::FormsClassOf& of, bool holds) {
    const auto dot = stands_for.rfind('.');
    const std::string cls = stands_for.substr(dot == std::string::npos ? 0 : dot + 1);
    if (!plain_identifier(cls)) return;
    of = {};
    of.forms_class = cls;
    of.holds_children = holds;
    of.known = host::is_runtime_class(cls);
    if (of.known) return;
    mem::ForeignClass shape = host_.foreign_class(cls);
    shape.container = shape.container || holds;
    shape.aligns = shape.aligns || w.property("Align");
    host_.set_foreign_class(cls, shape);
}

// The border of a plain widget's picture box. An exported form says its picture box's in
// properties of its own (its frame is the one the Qt host draws for either border); a frame made
// in Designer has the one its style sheet draws, else the one its shape, shadow and line widths
// draw, Qt's defaults where the .ui names none. A placeholder's frame outlines the control it
// stands for, which has no border.
UiBuilder::Border UiBuilder::frame_border(const UiElement& w) const {
    using host::QtFrameBorder;
    if (w.property(UiLines::kPlaceholderProperty)) return Border::None;
    if (const auto own = values_.number(w, "BorderStyle")) {
        if (*own != 1) return Border::None;
        return values_.number(w, "Appearance").value_or(1) == 0 ? Border::Flat : Border::ThreeD;
    }
    const std::string* name = w.attribute("name");
    if (const auto drawn = QtFrameBorder::sheet_border(values_.string(w, "styleSheet").value_or(""),
                                                       name ? *name : std::string()))
        return *drawn;
    const auto shape =
        QtFrameBorder::shape_named(values_.enumeration(w, "frameShape").value_or(""));
    const auto shadow =
        QtFrameBorder::shadow_named(values_.enumeration(w, "frameShadow").value_or(""));
    const auto width = [&](const char* name, long long fallback) {
        return static_cast<int>(
            std::clamp<long long>(values_.number(w, name).value_or(fallback), 0, 1000));
    };
    return QtFrameBorder::border_of(shape.value_or(QtFrameBorder::NoFrame),
                                    shadow.value_or(QtFrameBorder::Plain), width("lineWidth", 1),
                                    width("midLineWidth", 0));
}

// A page's title as its tab shows it.
std::string UiBuilder::page_title(const UiElement& page) const {
    for (const UiElement* a : page.children_named("attribute"))
        if (const std::string* name = a->attribute("name"); name && *name == "title")
            return a->child_text("string");
    return {};
}

// The tab `index` of the tab control `tabs` lists the controls made on it since `before`.
void UiBuilder::describe_tab(mem::MemoryObject& tabs, int index, const std::string& caption,
                             size_t before) {
    const std::string at = "(" + std::to_string(index) + ")";
    tabs.set_raw("TabCaption" + at, caption);
    const auto& all = form_->all_controls();
    int listed = 0;
    for (size_t i = before; i < all.size(); ++i)
        if (all[i]->container_object().get() == &tabs)
            tabs.set_raw("Tab" + at + ".Control(" + std::to_string(listed++) + ")", all[i]->name());
    tabs.set_raw("Tab" + at + ".ControlCount", static_cast<double>(listed));
}

// A widget's font size: its own, else the one it inherits. Designer keeps whole points only; an
// exported form says the form file's exact size (8.25) in a property of the widget's own, which
// refines the whole size it was written with (a size chosen later in Designer wins).
double UiBuilder::font_size(const UiElement& w, double inherited) const {
    double size = inherited;
    if (const auto f = values_.font(w, "font"); f && f->point_size) size = *f->point_size;
    if (const auto exact = values_.real(w, "FontSize", 1, 2048);
        exact && std::lround(*exact) == std::lround(size))
        size = *exact;
    return size;
}

void UiBuilder::set_properties(mem::MemoryObject& c, const UiElement& w,
                               const std::string& qt_class, double point_size) {
    const auto& traits = c.traits();
    c.set_raw("FontSize", point_size);
    if (const auto f = values_.font(w, "font")) {
        if (f->family) c.set_raw("FontName", *f->family);
        if (f->bold) c.set_raw("FontBold", *f->bold);
        if (f->italic) c.set_raw("FontItalic", *f->italic);
        if (f->underline) c.set_raw("FontUnderline", *f->underline);
        if (f->strikeout) c.set_raw("FontStrikethru", *f->strikeout);
    }
    c.set_raw("Visible", values_.boolean(w, "visible").value_or(true));
    if (const auto on = values_.boolean(w, "enabled")) c.set_raw("Enabled", *on);
    if (const auto tip = values_.string(w, "toolTip")) c.set_raw("ToolTipText", *tip);
    if (const auto cursor = values_.cursor_shape(w, "cursor"))
        if (const auto pointer = host::pointer_of_qt_cursor(*cursor);
            pointer && traits.mouse_pointer)
            c.set_raw("MousePointer", static_cast<double>(*pointer));
    set_colours(c, w);
    if (traits.caption) {
        const char* caption = qt_class == "QGroupBox" ? "title" : "text";
        c.set_raw("Caption", values_.string(w, caption).value_or(""));
    }
    // A label's or text box's text across it: Alignment 1 right, 2 centred.
    if (const auto a = values_.enumeration(w, "alignment");
        a && (c.class_name() == "Label" || c.class_name() == "TextBox")) {
        if (a->find("Qt::AlignRight") != std::string::npos) c.set_raw("Alignment", 1.0);
        if (a->find("Qt::AlignHCenter") != std::string::npos) c.set_raw("Alignment", 2.0);
    }
    if (qt_class == "QLineEdit") {
        c.set_raw("Text", values_.string(w, "text").value_or(""));
        // A password box shows its text as stars, in pictures too.
        if (const auto echo = values_.enumeration(w, "echoMode");
            echo && echo->find("Password") != std::string::npos)
            c.set_raw("PasswordChar", std::string("*"));
    } else if (w.property("plainText")) {
        // A box of several lines ends its lines as a form's text box does, CR LF.
        const std::string lines = values_.string(w, "plainText").value_or("");
        std::string text;
        for (const char ch : lines) {
            if (ch == '\n' && (text.empty() || text.back() != '\r')) text += '\r';
            text += ch;
        }
        c.set_raw("Text", text);
    } else if (const auto text = values_.string(w, "currentText");
               text && host::looks_as(c.class_name()) == "ComboBox") {
        c.set_raw("Text", *text);
    }
    // A combo box one cannot type into is a drop-down list (Style 2); a font combo box takes
    // typing unless told otherwise.
    if (host::looks_as(c.class_name()) == "ComboBox" &&
        !values_.boolean(w, "editable").value_or(qt_class == "QFontComboBox"))
        c.set_raw("Style", 2.0);
    // A text box of several lines shows the bars Qt keeps on (ScrollBars: 1 across, 2 down).
    if (c.class_name() == "TextBox" && qt_class != "QLineEdit") {
        const auto on = [&](const char* policy) {
            return values_.enumeration(w, policy).value_or("") == "Qt::ScrollBarAlwaysOn";
        };
        c.set_raw("ScrollBars", (on("horizontalScrollBarPolicy") ? 1.0 : 0.0) +
                                    (on("verticalScrollBarPolicy") ? 2.0 : 0.0));
    }
    // What the widget shows as it opens: a box ticked, a scroll bar's range and place.
    const std::string& cls = c.class_name();
    if (cls == "CheckBox" || cls == "OptionButton") {
        if (values_.boolean(w, "checked").value_or(false))
            c.set_raw("Value", cls == "CheckBox" ? Value(1.0) : Value(true));
        else if (cls == "CheckBox" && own_number(values_, w, "Value") == 2.0)
            c.set_raw("Value", 2.0);  // greyed, as an exported form file's says
        // The box on the right (Alignment 1), where Qt lays the button out right to left.
        if (values_.enumeration(w, "layoutDirection").value_or("") == "Qt::RightToLeft")
            c.set_raw("Alignment", 1.0);
    } else if (cls == "HScrollBar" || cls == "VScrollBar") {
        const std::pair<const char*, const char*> kBar[] = {{"minimum", "Min"},
                                                            {"maximum", "Max"},
                                                            {"value", "Value"},
                                                            {"singleStep", "SmallChange"},
                                                            {"pageStep", "LargeChange"}};
        // A bar shown the other way round runs from its maximum, as a form's whose Min is above
        // its Max.
        const bool inverted = values_.boolean(w, "invertedAppearance").value_or(false);
        for (auto [qt, forms] : kBar) {
            if (inverted && forms == std::string_view("Min"))
                forms = "Max";
            else if (inverted && forms == std::string_view("Max"))
                forms = "Min";
            if (const auto n = values_.number(w, qt)) c.set_raw(forms, static_cast<double>(*n));
        }
    }
    if (mem::ListItems* list = c.list_items()) {
        for (const UiElement* item : w.children_named("item"))
            list->add(values_.string(*item, "text").value_or(""));
        // A combo box opens on the entry Designer chose.
        if (const auto at = values_.number(w, "currentIndex");
            at && c.class_name() == "ComboBox" && *at >= 0 &&
            *at < static_cast<long long>(list->count()))
            c.set_raw("Text", list->item(static_cast<int>(*at)));
    }
}

std::optional<mem::OwnScale> UiBuilder::own_scale(const UiElement& w) const {
    return mem::OwnScale::read([&](const char* name) { return own_number(values_, w, name); });
}

// The palette's colours where Qt shows them, as the control's: the text in the role its widget
// writes with, the back where Qt fills it (a widget that fills its background, a text box's or a
// list's base).
void UiBuilder::set_colours(mem::MemoryObject& c, const UiElement& w) {
    const auto stored = [](const UiColor& k) {
        return static_cast<double>(k.red | k.green << 8 | k.blue << 16);  // &H00BBGGRR
    };
    const std::string& cls = c.class_name();
    const std::string_view like = host::looks_as(cls);
    const bool entry = like == "TextBox" || like == "ListBox" || like == "ComboBox";
    if (c.traits().font) {
        const char* text = entry ? "Text" : cls == "CommandButton" ? "ButtonText" : "WindowText";
        if (const auto k = values_.palette_color(w, text)) c.set_raw("ForeColor", stored(*k));
        // An exported frame's title colour, which its style sheet shows.
        if (const auto own = cls == "Frame" ? own_number(values_, w, "ForeColor") : std::nullopt;
            own && *own >= 0 && *own <= 0xffffff)
            c.set_raw("ForeColor", *own);
    }
    if (c.traits().back_color) {
        const bool fills = values_.boolean(w, "autoFillBackground").value_or(false);
        // Qt's label shows what lies behind it unless it fills its background.
        if (cls == "Label") c.set_raw("BackStyle", fills ? 1.0 : 0.0);
        const char* back = fills ? "Window" : entry ? "Base" : nullptr;
        if (const auto k = back ? values_.palette_color(w, back) : std::nullopt)
            c.set_raw("BackColor", stored(*k));
        // A system colour (0x80000000 and up), which an exported form file's widget keeps in a
        // property of its own; the form keeps it as the form file does, a negative long.
        if (const auto own = cls == "Shape" ? std::nullopt : own_number(values_, w, "BackColor");
            own && *own >= 0x80000000 && *own <= 0xffffffff)
            c.set_raw("BackColor", *own - 4294967296.0);
    }
}

// The pictures the widget shows, as the picture properties of a form file's control: a graphical
// button's icon, an image's pixmap, a picture box's background.
void UiBuilder::set_pictures(mem::MemoryObject& c, const UiElement& w) {
    const std::string& cls = c.class_name();
    const std::string subject = c.name() + ".Picture";
    std::shared_ptr<const host::Picture> pic;
    if (cls == "CommandButton" || cls == "CheckBox" || cls == "OptionButton") {
        pic = pictures_->of_property(w.property("icon"), subject);
        if (pic) c.set_raw("Style", 1.0);  // a button shows its picture only as a graphical one
    } else if (cls == "Image") {
        pic = pictures_->of_property(w.property("pixmap"), subject);
    } else if (cls == "PictureBox") {
        if (const UiElement* sheet = w.property("styleSheet"))
            pic = pictures_->of_sheet(values_.string(w, "styleSheet").value_or(""), sheet->line,
                                      subject);
    }
    if (pic) c.set_picture("Picture", std::move(pic));
}

}  // namespace kv::ui
