#include "host/ui/UiBuilder.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string_view>

#include "engine/CFormSizer.h"
#include "engine/Error.h"
#include "host/common/ClassTraits.h"
#include "host/common/FormFrame.h"
#include "host/common/QtClasses.h"
#include "host/common/QtFrameBorder.h"
#include "host/common/TabSet.h"
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

bool UiBuilder::plain_identifier(const std::string& s) {
    if (s.empty() || !std::isalpha(static_cast<unsigned char>(s[0])) ||
        static_cast<unsigned char>(s[0]) >= 128)
        return false;
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 128 ||
            (!std::isalnum(static_cast<unsigned char>(c)) && c != '_'))
            return false;
    return true;
}

std::string UiBuilder::quoted(const UiElement& w) {
    const std::string* name = w.attribute("name");
    return name && !name->empty() ? "'" + *name + "'" : std::string("(no name)");
}

std::string UiBuilder::class_of(const UiElement& w) {
    const std::string* c = w.attribute("class");
    return c ? *c : std::string();
}

void UiBuilder::widgets_in(const UiElement& e, std::vector<const UiElement*>& out) {
    for (const auto& c : e.children) {
        if (c.name == "widget") {
            out.push_back(&c);
        } else if (c.name == "layout" || c.name == "item") {
            widgets_in(c, out);
        }
    }
}

const UiElement& UiBuilder::form_area(const UiElement& top) const {
    // A main window's widgets sit on its central widget, beside its bars and dock widgets.
    if (!in_chain(class_for(top), "QMainWindow")) return top;
    for (const UiElement* w : top.children_named("widget")) {
        const UiClass c = class_for(*w);
        if (!host::qt_class_is_bar(views(c)) && !in_chain(c, "QDockWidget")) return *w;
    }
    return top;
}

void UiBuilder::find_resizers(const UiElement& top, const UiElement& area) {
    // Depth-first in file order, with the widgets each one is inside.
    struct Frame {
        const UiElement* widget;
        std::vector<const UiElement*> outer;
    };
    if (in_chain(class_for(top), kResizerWidgetClass))
        throw UiError(doc_.path, top.line,
                      std::string(kResizerWidgetClass) + " " + quoted(top) +
                          " is the form itself, a window of its own: place it on a form");
    std::vector<Frame> stack{{&top, {}}};
    const UiElement* first = nullptr;
    std::vector<const UiElement*> found;
    std::vector<std::vector<const UiElement*>> where;
    while (!stack.empty()) {
        Frame f = std::move(stack.back());
        stack.pop_back();
        std::vector<const UiElement*> inner;
        widgets_in(*f.widget, inner);
        auto outer = f.outer;
        outer.push_back(f.widget);
        for (auto it = inner.rbegin(); it != inner.rend(); ++it) stack.push_back({*it, outer});
        if (f.widget == &top || !in_chain(class_for(*f.widget), kResizerWidgetClass)) continue;
        const std::string me = std::string(kResizerWidgetClass) + " " + quoted(*f.widget);
        const UiElement* parent = f.outer.back();
        if (parent != &top && parent != &area) {
            std::string path;
            for (auto it = f.outer.rbegin(); it != f.outer.rend(); ++it) {
                if (*it == &top || *it == &area) break;
                path += " in " + quoted(**it) + " (" + class_of(**it) + ")";
            }
            throw UiError(
                doc_.path, f.widget->line,
                me + " is" + path + " on form " + quoted(top) + ": place it on the form itself");
        }
        if (first)
            throw UiError(doc_.path, f.widget->line,
                          me + " is a second resizer on form " + quoted(top) + " (the first is " +
                              quoted(*first) + "): one per form");
        first = f.widget;
    }
    out_.resizer = first;
}

void UiBuilder::refuse_layout(const UiElement& area) const {
    // The resizer and a layout would both place the same widgets.
    if (const UiElement* layout = area.child("layout")) {
        const std::string* cls = layout->attribute("class");
        throw UiError(doc_.path, layout->line,
                      "the form's widgets are placed by a layout (" + (cls ? *cls : "QLayout") +
                          " " + quoted(*layout) +
                          "), which a resizer would fight: break the layout in Qt Designer and "
                          "let the resizer place them");
    }
}

void UiBuilder::make_form(const UiElement& top) {
    const std::string* name = top.attribute("name");
    form_ = host_.create_form(name && plain_identifier(*name) ? *name : "Form1");
    out_.loaded.form = form_;
    form_->set_raw("Caption", values_.string(top, "windowTitle").value_or(""));
    // The application places the window: it stays where it is shown.
    form_->set_raw("StartUpPosition", 0.0);
    const double tx = host_.twips_per_pixel_x(), ty = host_.twips_per_pixel_y();
    out_.scale = {tx, ty, host::frame_metrics(form_->border_style())};
    const UiRect g = values_.rect(top, "geometry").value_or(UiRect{0, 0, 640, 480});
    form_->set_client_size(g.width * tx, g.height * ty);
    auto r = form_->rect_twips();
    r.left = g.x * tx;
    r.top = g.y * ty;
    form_->set_rect_twips(r);
}

// A main window's central widget, the form's client area, is what its menu bar (the form's, made
// after the widgets so that they keep their names) and its status bar leave of the window.
void UiBuilder::fit_client_area(const UiElement& top) {
    int taken = 0;
    for (const auto& c : form_->all_controls())
        if (c->class_name() == "Menu" && to_bool(c->get(Prop::Visible))) {
            taken = host::kMenuBarPixels;
            break;
        }
    if (in_chain(class_for(top), "QMainWindow"))
        for (const UiElement* w : top.children_named("widget"))
            if (in_chain(class_for(*w), "QStatusBar") &&
                values_.boolean(*w, "visible").value_or(true))
                taken += kStatusBarPixels;
    if (!taken) return;
    const auto r = form_->rect_twips();
    const UiRect g = values_.rect(top, "geometry").value_or(UiRect{0, 0, 640, 480});
    form_->set_client_size(g.width * host_.twips_per_pixel_x(),
                           std::max(0, g.height - taken) * host_.twips_per_pixel_y());
    auto moved = form_->rect_twips();
    moved.left = r.left;
    moved.top = r.top;
    form_->set_rect_twips(moved);
    // The bars on the client area's edges were placed on the whole window's.
    form_->layout_aligned();
}

std::string UiBuilder::name_for(const UiElement& w, const std::string& cls) {
    // As the adoption names them: the object name where it is a plain identifier not taken yet,
    // else the class and a number.
    const std::string* given = w.attribute("name");
    std::string name = given ? *given : std::string();
    auto taken = [&](const std::string& n) {
        return form_->control(n) || host::fold(n) == host::fold(form_->name());
    };
    if (!plain_identifier(name) || taken(name)) {
        do {
            name = cls + std::to_string(++counts_[cls]);
        } while (taken(name));
        if (given && !given->empty() && !plain_identifier(*given))
            out_.not_controls.emplace(host::fold(*given),
                                      "is widget " + quoted(w) + " (" + class_of(w) +
                                          "), whose name is no identifier: the resizer knows it "
                                          "as " +
                                          name + "; use that name");
    }
    return name;
}

// The widgets inside `w` are no controls: what they are called is said rather than that no
// control has the name.
void UiBuilder::note_inside(const UiElement& w, const std::string& outer,
                            const std::string& control, bool by_layout) {
    std::vector<const UiElement*> inner;
    widgets_in(w, inner);
    for (const UiElement* e : inner) {
        if (const std::string* name = e->attribute("name"); name && !name->empty())
            out_.not_controls.emplace(
                host::fold(*name),
                "is widget " + quoted(*e) + " inside " + outer +
                    (by_layout ? ", whose layout places it: the resizer cannot"
                               : ", which the resizer moves as one control: it cannot lay out "
                                 "what is inside") +
                    "; give the setting to " + control);
        note_inside(*e, outer, control, by_layout);
    }
}

void UiBuilder::add_menus(const UiElement& top) {
    // A main window's menu bar: its menus and actions are the form's menus, so that the form's
    // frame has its menu bar as a form file's has.
    for (const UiElement* bar : top.children_named("widget")) {
        const UiClass c = class_for(*bar);
        if (in_chain(c, "QMenuBar")) add_menu_items(*bar, top, "");
    }
}

void UiBuilder::add_menu_items(const UiElement& holder, const UiElement& top,
                               const std::string& parent) {
    for (const UiElement* item : holder.children_named("addaction")) {
        const std::string* name = item->attribute("name");
        if (!name || *name == "separator") continue;
        const UiElement* menu = nullptr;
        for (const UiElement* w : holder.children_named("widget"))
            if (const std::string* n = w->attribute("name"); n && *n == *name) menu = w;
        const UiElement* action = nullptr;
        for (const UiElement* a : top.children_named("action"))
            if (const std::string* n = a->attribute("name"); n && *n == *name) action = a;
        if (!menu && !action) continue;
        const UiElement& e = menu ? *menu : *action;
        try {
            auto m = form_->add_control("Menu", name_for(e, "Menu"), nullptr);
            m->set_raw("Caption", values_.string(e, menu ? "title" : "text").value_or(""));
            if (!parent.empty()) m->set_raw("MenuParent", parent);
            // A menu greyed greys its entry in the bar (Qt disables its action with it).
            if (const auto on = values_.boolean(e, "enabled")) m->set_raw("Enabled", *on);
            if (action) {
                m->set_raw("Visible", values_.boolean(e, "visible").value_or(true));
                if (const auto on = values_.boolean(e, "checked")) m->set_raw("Checked", *on);
            }
            if (menu) add_menu_items(*menu, top, m->name());
        } catch (const Error& err) {
            throw UiError(doc_.path, e.line,
                          "the forms host refused menu " + quoted(e) + ": error " +
                              std::to_string(err.number()) + " (" + err.description() + ")");
        }
    }
}

void UiBuilder::add_resizer() {
    const UiElement* w = out_.resizer;
    if (!w || !host_.has_user_control(frm::kResizerClass)) return;
    mem::MemoryPropertyBag bag;
    std::vector<UiResizerProperties::Refused> refused;
    for (const auto& [name, value] :
         UiResizerProperties::to_control(values_, *w, out_.scale, &refused))
        bag.set(name, value);
    for (const auto& r : refused) out_.notes.push_back({r.line, r.text});
    // The room the bars on the form's edges take as the form stands, which a form file keeps
    // with its resizer: the widgets' places are counted from it.
    double left = 0, top = 0, bottom = 0, right = 0;
    get_align_sizes(form_->control_collection(), form_, left, top, bottom, right);
    bag.set("AlignBLeft", left);
    bag.set("AlignBTop", top);
    bag.set("AlignBBottom", bottom);
    bag.set("AlignBRight", right);
    const std::string* given = w->attribute("name");
    const std::string name = given && plain_identifier(*given) ? *given : "zokKelvane1";
    try {
        // Added last, as the widget adds it once the window's widgets are controls.
        auto c = form_->add_user_control(frm::kResizerClass, name, nullptr, &bag);
        out_.loaded.resizer = c;
        const double tx = host_.twips_per_pixel_x(), ty = host_.twips_per_pixel_y();
        const auto cur = c->rect_twips();
        if (const auto g = values_.rect(*w, "geometry"))
            c->set_rect_twips({g->x * tx, g->y * ty, cur.width, cur.height});
    } catch (const Error& e) {
        throw UiError(doc_.path, w->line,
                      "the forms host refused the resizer " + quoted(*w) + ": error " +
                          std::to_string(e.number()) + " (" + e.description() + ")");
    }
}

UiLoadedForm UiBuilder::build() {
    const UiElement& top = doc_.form();
    const UiElement& area = form_area(top);
    find_resizers(top, area);
    refuse_layout(area);
    make_form(top);
    pictures_ = std::make_unique<UiPictures>(doc_, out_.notes);
    // The window's icon, and the client area's background at its corner.
    if (auto icon = pictures_->of_property(top.property("windowIcon"), form_->name() + ".Icon"))
        form_->set_picture("Icon", std::move(icon));
    if (const UiElement* sheet = area.property("styleSheet"))
        if (auto pic = pictures_->of_sheet(values_.string(area, "styleSheet").value_or(""),
                                           sheet->line, form_->name() + ".Picture"))
            form_->set_picture("Picture", std::move(pic));
    const double point_size = font_size(top, kDefaultPointSize);
    form_->set_raw("FontSize", point_size);
    std::vector<UiDock> docks;
    if (in_chain(class_for(top), "QMainWindow"))
        docks = UiDocks::read(values_, top, [this](const UiElement& w) {
            return in_chain(class_for(w), "QDockWidget");
        });
    // Qt splits an edge's length between its docks; the runtime's bars of one edge stand one
    // further in than the other.
    static constexpr const char* kEdges[] = {"", "top", "bottom", "left", "right"};
    std::map<int, const UiElement*> first_on_edge;
    for (const UiDock& d : docks)
        if (const auto [first, alone] = first_on_edge.emplace(d.align, d.widget); !alone)
            out_.notes.push_back(
                {d.widget->line, "dock widget " + quoted(*d.widget) + " shares the " +
                                     kEdges[d.align] + " edge with " + quoted(*first->second) +
                                     ": Qt splits the edge's length between them, the form "
                                     "shows it as a second bar further in"});
    for (const UiDock& d : docks) add_dock(d, point_size);
    if (!docks.empty()) form_->layout_aligned();
    const auto [central_x, central_y] = UiDocks::central_origin(docks);
    for (const UiElement* w : area.children_named("widget"))
        add(*w, nullptr, point_size, {central_x, central_y, 0, 0});
    add_menus(top);
    fit_client_area(top);
    // Scales last: a user scale divides its container's inside as it finally is.
    if (auto scale = own_scale(top)) scales_.emplace_back(form_, *scale);
    for (const auto& [c, scale] : scales_) scale.apply(*c);
    add_resizer();
    return std::move(out_);
}

}  // namespace kv::ui
