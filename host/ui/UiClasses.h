#pragma once
// A .ui file names each widget by its class only. The class chain (the class and its base
// classes, its own first) is what the one table of Qt classes (host/common/QtClasses) reads, as
// the Qt host reads a live widget's meta-object chain: Qt Designer's own widget classes have
// their bases here, a custom class extends the class its <customwidget> declares.
#include <map>
#include <string>
#include <vector>

#include "host/ui/UiDocument.h"

namespace kv::ui {

inline constexpr const char* kResizerWidgetClass = "kelvane::ResizerWidget";

struct UiClass {
    std::vector<std::string> chain;   // own class first; "Line" is the QFrame it is made as
    bool qt_class = false;            // one of Qt Designer's own classes (or built on one)
    bool declared = false;            // declared in <customwidgets>
    bool designer_container = false;  // Designer lets widgets be placed in it
};

UiClass ui_class(const std::string& class_name,
                 const std::map<std::string, CustomWidget>& custom_widgets);

}  // namespace kv::ui
