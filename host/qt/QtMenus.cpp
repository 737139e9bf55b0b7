#include "host/qt/QtMenus.h"

#include <QAction>
#include <QMenu>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "engine/Error.h"
#include "engine/HostAccess.h"

namespace kv::qt {

namespace {

std::optional<std::string> named_text(mem::MemoryObject& c, const char* name) {
    try {
        return to_text(c.get(name));
    } catch (const Error&) {
        return std::nullopt;
    }
}

std::optional<bool> named_flag(mem::MemoryObject& c, const char* name) {
    try {
        return to_bool(c.get(name));
    } catch (const Error&) {
        return std::nullopt;
    }
}

}  // namespace

QKeySequence key_sequence(const host::MenuShortcut& s) {
    // The text an exported form writes, so that both show the same keys.
    return QKeySequence::fromString(QString::fromStdString(s.qt_text()),
                                    QKeySequence::PortableText);
}

bool build_menus(mem::MemoryForm& form, QMenuBar& bar) {
    std::vector<std::shared_ptr<mem::MemoryObject>> menus;
    std::set<std::string> holders;  // keys of menus that hold others
    for (const auto& c : form.all_controls()) {
        if (c->class_name() != "Menu") continue;
        menus.push_back(c);
        if (auto up = named_text(*c, "MenuParent")) holders.insert(*up);
    }
    // Where each menu's items go: the bar for the top level, else the holder's menu. A menu
    // whose holder is left out is left out with it.
    std::map<std::string, QMenu*> opened;
    bool any = false;
    for (const auto& c : menus) {
        const auto up = named_text(*c, "MenuParent");
        QMenu* in = nullptr;
        if (up) {
            const auto it = opened.find(*up);
            if (it == opened.end()) continue;
            in = it->second;
        }
        if (!try_flag(*c, Prop::Visible).value_or(true)) continue;
        const std::string key = control_key(*c);
        const QString caption = QString::fromStdString(try_text(*c, Prop::Caption).value_or(""));
        if (in && caption == "-") {
            in->addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (holders.count(key)) {
            QMenu* menu = in ? in->addMenu(caption) : bar.addMenu(caption);
            opened[key] = menu;
            action = menu->menuAction();
        } else {
            action = in ? in->addAction(caption) : bar.addAction(caption);
            if (const auto text = named_text(*c, "Shortcut"))
                if (const auto s = host::MenuShortcut::parse(*text))
                    action->setShortcut(key_sequence(*s));
            if (named_flag(*c, "Checked").value_or(false)) {
                action->setCheckable(true);
                action->setChecked(true);
            }
            std::weak_ptr<mem::MemoryObject> weak = c;
            QObject::connect(action, &QAction::triggered, [weak] {
                if (auto m = weak.lock(); m && m->alive()) m->raise_click();
            });
        }
        action->setObjectName(QString::fromStdString(key));
        action->setEnabled(named_flag(*c, "Enabled").value_or(true));
        any = true;
    }
    return any;
}

}  // namespace kv::qt
