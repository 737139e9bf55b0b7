#include "host/export/MenuExport.h"

#include <cctype>

#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "host/common/FormFrame.h"
#include "host/memory/MemoryObject.h"

namespace kv::exporter {

namespace {

std::shared_ptr<mem::MemoryObject> control_of(mem::MemoryForm& form, const frm::FrmBlock& b) {
    return form.control(b.name, b.index());
}

bool flag_of(mem::MemoryObject& c, const char* name, bool fallback) {
    try {
        const Value v = c.get(name);
        return std::holds_alternative<std::monostate>(v) ? fallback : to_bool(v);
    } catch (const Error&) {
        return fallback;
    }
}

std::string text_of(mem::MemoryObject& c, const char* name) {
    try {
        return to_text(c.get(name));
    } catch (const Error&) {
        return {};
    }
}

bool holds_items(const frm::FrmBlock& b) {
    for (const auto& c : b.children)
        if (c.is_class("VB.Menu")) return true;
    return false;
}

// The designer's shortcut notation (^ Ctrl, + Shift, % Alt, a key or {NAME}) as Qt writes a key
// sequence; "" when the text is none.
std::string shortcut_text(const std::string& text) {
    std::string mods, key;
    size_t i = 0;
    for (; i < text.size() && (text[i] == '^' || text[i] == '+' || text[i] == '%'); ++i)
        mods += text[i] == '^' ? "Ctrl+" : text[i] == '+' ? "Shift+" : "Alt+";
    const std::string rest = text.substr(i);
    if (rest.size() == 1 && std::isalnum(static_cast<unsigned char>(rest[0]))) {
        key = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(rest[0]))));
    } else if (rest.size() > 2 && rest.front() == '{' && rest.back() == '}') {
        std::string name = rest.substr(1, rest.size() - 2);
        for (auto& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        static const std::pair<const char*, const char*> names[] = {
            {"INSERT", "Ins"},  {"INS", "Ins"},        {"DELETE", "Del"},
            {"DEL", "Del"},     {"BKSP", "Backspace"}, {"BACKSPACE", "Backspace"},
            {"BS", "Backspace"}};
        for (const auto& [from, to] : names)
            if (name == from) key = to;
        if (key.empty() && name.size() >= 2 && name[0] == 'F' &&
            name.find_first_not_of("0123456789", 1) == std::string::npos)
            key = name;
    }
    return key.empty() ? std::string() : mods + key;
}

}  // namespace

bool MenuExport::any() const {
    for (const auto& b : ctx_.doc.form.children)
        if (b.is_class("VB.Menu")) return true;
    return false;
}

void MenuExport::write(ui::UiNode& window, int width_px) {
    ui::UiNode& bar = window.add("widget")
                          .attribute("class", "QMenuBar")
                          .attribute("name", ctx_.names.reserve("menubar"));
    bar.rect_property("geometry", 0, 0, width_px, host::kMenuBarPixels);
    write_items(ctx_.doc.form, bar, window);
}

void MenuExport::write_items(const frm::FrmBlock& menu, ui::UiNode& into, ui::UiNode& window) {
    // QMenus of this level first (Designer keeps a menu's submenus before its actions list).
    std::vector<std::string> order;
    for (const auto& b : menu.children) {
        if (!b.is_class("VB.Menu")) continue;
        auto c = control_of(ctx_.form, b);
        if (!c) continue;
        const std::string name = ctx_.names.of(*c);
        const std::string caption = try_text(*c, Prop::Caption).value_or("");
        if (caption == "-") {
            order.push_back("separator");
            continue;
        }
        order.push_back(name);
        if (flag_of(*c, "WindowList", false))
            ctx_.report.notes.push_back(name +
                                        ": a window list; fill it from the QMdiArea's "
                                        "subwindows in the code");
        if (holds_items(b)) {
            if (!try_flag(*c, Prop::Visible).value_or(true))
                ctx_.report.notes.push_back(name +
                                            ": an invisible menu, which a .ui cannot hide; hide "
                                            "its menuAction() in the code");
            ui::UiNode& sub =
                into.add("widget").attribute("class", "QMenu").attribute("name", name);
            sub.string_property("title", caption);
            if (!flag_of(*c, "Enabled", true)) sub.bool_property("enabled", false);
            write_items(b, sub, window);
            continue;
        }
        ++ctx_.report.actions;
        ui::UiNode& action = window.add("action").attribute("name", name);
        const bool checked = flag_of(*c, "Checked", false);
        if (checked) {
            action.bool_property("checkable", true);
            action.bool_property("checked", true);
        }
        action.string_property("text", caption);
        if (const std::string keys = shortcut_text(text_of(*c, "Shortcut")); !keys.empty())
            action.string_property("shortcut", keys);
        if (!flag_of(*c, "Enabled", true)) action.bool_property("enabled", false);
        if (!try_flag(*c, Prop::Visible).value_or(true)) action.bool_property("visible", false);
    }
    for (const auto& name : order) into.add("addaction").attribute("name", name);
}

}  // namespace kv::exporter
