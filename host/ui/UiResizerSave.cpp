#include "host/ui/UiResizerSave.h"

#include <algorithm>
#include <map>

#include "host/ui/UiClasses.h"
#include "host/ui/UiValues.h"

namespace kv::ui {

namespace {

struct Edit {
    size_t begin, end;
    std::string text;
};

// The blanks before an element on its line ("" when something else stands before it).
std::string indent_of(const std::string& bytes, size_t at) {
    size_t b = at;
    while (b > 0 && (bytes[b - 1] == ' ' || bytes[b - 1] == '\t')) --b;
    if (b > 0 && bytes[b - 1] != '\n') return "";
    return bytes.substr(b, at - b);
}

// Where an element's line starts, when only blanks stand before it on that line.
size_t line_start(const std::string& bytes, size_t at) {
    size_t b = at;
    while (b > 0 && (bytes[b - 1] == ' ' || bytes[b - 1] == '\t')) --b;
    return b > 0 && bytes[b - 1] == '\n' ? b - 1 - (b > 1 && bytes[b - 2] == '\r') : at;
}

std::string property_element(const std::string& name, const std::string& value,
                             const std::string& indent, const std::string& eol) {
    return indent + "<property name=\"" + name + "\">" + eol + indent + " " + value + eol + indent +
           "</property>";
}

std::string apply(const std::string& bytes, std::vector<Edit> edits) {
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
        return a.begin != b.begin ? a.begin > b.begin : a.end > b.end;
    });
    std::string out = bytes;
    for (const Edit& e : edits) out.replace(e.begin, e.end - e.begin, e.text);
    return out;
}

const UiElement* value_element(const UiElement& property) {
    return property.children.empty() ? nullptr : &property.children.front();
}

// Edits that set the widget's properties (`wanted`, every property with "" for unset) where
// they differ from what the file has (`had`).
void property_edits(const UiDocument& doc, const UiElement& widget,
                    const std::vector<std::pair<std::string, UiWidgetValue>>& had,
                    const std::vector<std::pair<std::string, UiWidgetValue>>& wanted,
                    std::vector<Edit>& edits) {
    const std::string eol = doc.usual_eol();
    const std::string widget_indent = indent_of(doc.bytes, widget.begin);
    const UiElement* last = nullptr;
    for (const auto& c : widget.children)
        if (c.name == "property") last = &c;
    const std::string indent = last ? indent_of(doc.bytes, last->begin) : widget_indent + " ";
    std::string added;
    for (size_t i = 0; i < wanted.size(); ++i) {
        const std::string& name = wanted[i].first;
        if (had[i].second == wanted[i].second) continue;
        const std::string value = wanted[i].second.xml();
        const UiElement* p = widget.property(name);
        if (p && value.empty()) {
            edits.push_back({line_start(doc.bytes, p->begin), p->end, ""});
        } else if (p && value_element(*p)) {
            edits.push_back({value_element(*p)->begin, value_element(*p)->end, value});
        } else if (p) {
            edits.push_back({p->content, p->content_end, value});
        } else if (!value.empty()) {
            added += eol + property_element(name, value, indent, eol);
        }
    }
    if (added.empty()) return;
    if (last) {
        edits.push_back({last->end, last->end, added});
    } else if (widget.content == widget.end) {
        // <widget .../>: opened up to hold the properties.
        edits.push_back(
            {widget.content - 2, widget.end, ">" + added + eol + widget_indent + "</widget>"});
    } else {
        edits.push_back({widget.content, widget.content, added});
    }
}

bool declared(const UiDocument& doc) {
    return doc.custom_widgets().count(kResizerWidgetClass) > 0;
}

// A resizer widget added as the form's last widget, and its class declared.
void new_widget_edits(const UiDocument& doc, const std::string& name,
                      const std::vector<std::pair<std::string, UiWidgetValue>>& wanted,
                      std::vector<Edit>& edits) {
    const std::string eol = doc.usual_eol();
    const UiElement& form = doc.form();
    // A main window's widgets are on its central widget.
    const UiElement* area = &form;
    const std::string* cls = form.attribute("class");
    if (cls && *cls == "QMainWindow")
        for (const UiElement* w : form.children_named("widget")) {
            const std::string* c = w->attribute("class");
            if (c && *c != "QMenuBar" && *c != "QStatusBar" && *c != "QToolBar" &&
                *c != "QDockWidget") {
                area = w;
                break;
            }
        }
    const std::string outer = indent_of(doc.bytes, area->begin);
    const std::string in = outer + " ";
    std::string w = in + "<widget class=\"" + std::string(kResizerWidgetClass) + "\" name=\"" +
                    name + "\">" + eol;
    w += property_element("geometry",
                          "<rect>" + eol + in + "   <x>0</x>" + eol + in + "   <y>0</y>" + eol +
                              in + "   <width>32</width>" + eol + in + "   <height>32</height>" +
                              eol + in + "  </rect>",
                          in + " ", eol);
    for (const auto& [prop, value] : wanted)
        if (!value.unset()) w += eol + property_element(prop, value.xml(), in + " ", eol);
    w += eol + in + "</widget>";
    if (area->content == area->end) {
        edits.push_back({area->content - 2, area->end, ">" + eol + w + eol + outer + "</widget>"});
    } else {
        const size_t at = line_start(doc.bytes, area->content_end);
        edits.push_back({at, at, eol + w});
    }
    if (declared(doc)) return;
    const std::string ui_in = indent_of(doc.bytes, form.begin);
    const std::string decl =
        ui_in + " <customwidget>" + eol + ui_in + "  <class>" + kResizerWidgetClass + "</class>" +
        eol + ui_in + "  <extends>QWidget</extends>" + eol + ui_in +
        "  <header>kelvane/ResizerWidget.h</header>" + eol + ui_in + " </customwidget>";
    if (const UiElement* list = doc.root.child("customwidgets");
        list && list->content != list->end) {
        const size_t at = line_start(doc.bytes, list->content_end);
        edits.push_back({at, at, eol + decl});
    } else if (list) {
        edits.push_back(
            {list->begin, list->end,
             ui_in + "<customwidgets>" + eol + decl + eol + ui_in + "</customwidgets>"});
    } else {
        edits.push_back(
            {form.end, form.end,
             eol + ui_in + "<customwidgets>" + eol + decl + eol + ui_in + "</customwidgets>"});
    }
}

}  // namespace

std::string UiResizerSave::save(const UiDocument& doc, const UiElement* resizer,
                                const std::vector<UiResizerProperties::Entry>& control,
                                const UiScale& scale, const std::string& new_name) {
    const auto wanted = UiResizerProperties::to_widget(control, scale);
    std::vector<Edit> edits;
    if (resizer) {
        const auto had = UiResizerProperties::to_widget(
            UiResizerProperties::to_control(UiValues(doc), *resizer, scale), scale);
        property_edits(doc, *resizer, had, wanted, edits);
    } else {
        const auto unset = UiResizerProperties::to_widget({}, scale);
        std::vector<std::pair<std::string, UiWidgetValue>> changed;
        for (size_t i = 0; i < wanted.size(); ++i)
            changed.emplace_back(wanted[i].first, wanted[i].second == unset[i].second
                                                      ? UiWidgetValue{}
                                                      : wanted[i].second);
        new_widget_edits(doc, new_name, changed, edits);
    }
    return apply(doc.bytes, std::move(edits));
}

}  // namespace kv::ui
