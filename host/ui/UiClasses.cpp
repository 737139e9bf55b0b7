#include "host/ui/UiClasses.h"

#include <set>

#include "host/common/DesignerClasses.h"

namespace kv::ui {

UiClass ui_class(const std::string& class_name,
                 const std::map<std::string, CustomWidget>& custom_widgets) {
    UiClass out;
    // Designer's "Line" is a QFrame drawn as a line: at run time it is a QFrame.
    std::string cls = class_name == "Line" ? "QFrame" : class_name;
    std::set<std::string> seen;  // a custom class extending itself must not loop
    bool first = true;
    while (!cls.empty() && seen.insert(cls).second) {
        out.chain.push_back(cls);
        if (const auto base = host::qt_base_class(cls)) {
            if (first) {
                out.qt_class = true;
                out.designer_container = host::designer_container(cls);
            }
            cls = std::string(*base);
        } else if (const auto it = custom_widgets.find(cls); it != custom_widgets.end()) {
            if (first) {
                out.declared = true;
                out.designer_container = it->second.container;
            }
            cls = it->second.extends;
        } else {
            break;
        }
        first = false;
    }
    return out;
}

}  // namespace kv::ui
