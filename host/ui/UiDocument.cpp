#include "host/ui/UiDocument.h"

#include <algorithm>

#include "host/ui/UiError.h"

namespace kv::ui {

const UiElement& UiDocument::form() const {
    const UiElement* w = root.child("widget");
    if (!w)
        throw UiError(path, root.line,
                      "the Qt Designer form has no <widget> inside <ui>: nothing to lay out");
    return *w;
}

std::map<std::string, CustomWidget> UiDocument::custom_widgets() const {
    std::map<std::string, CustomWidget> out;
    const UiElement* list = root.child("customwidgets");
    if (!list) return out;
    for (const UiElement* c : list->children_named("customwidget")) {
        CustomWidget w;
        w.extends = c->child_text("extends");
        w.container = c->child_text("container") == "1";
        w.line = c->line;
        out[c->child_text("class")] = w;
    }
    return out;
}

size_t UiDocument::line_of(size_t offset) const {
    offset = std::min(offset, bytes.size());
    return 1 + static_cast<size_t>(std::count(bytes.begin(), bytes.begin() + offset, '\n'));
}

std::string UiDocument::usual_eol() const {
    const auto lf = bytes.find('\n');
    return lf != std::string::npos && lf > 0 && bytes[lf - 1] == '\r' ? "\r\n" : "\n";
}

}  // namespace kv::ui
