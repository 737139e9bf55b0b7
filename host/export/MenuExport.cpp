#include "host/export/MenuExport.h"

#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "host/common/FormFrame.h"
#include "host/common/MenuShortcut.h"
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
        if (const std::string text = text_of(*c, "Shortcut"); !text.empty()) {
            const auto keys = host::MenuShortcut::parse(text);
            if (keys && !keys->qt_text().empty())
                action.string_property("shortcut", keys->qt_text());
            else
                ctx_.report.notes.push_back(name + ": the shortcut " + text +
                                            " is no key sequence of Qt's; set one in the code");
        }
        if (!flag_of(*c, "Enabled", true)) action.bool_property("enabled", false);
        if (!try_flag(*c, Prop::Visible).value_or(true)) action.bool_property("visible", false);
    }
    for (const auto& name : order) into.add("addaction").attribute("name", name);
}

}  // namespace kv::exporter
