#pragma once
// Saves the resizer control's persisted properties into a .ui file as its resizer widget's
// properties, changing nothing else: a property whose value changes has its value element
// rewritten in place, one the file lacks is added after the widget's last property in the
// file's own indentation and line ends, one that goes back to unset is taken out. A form
// without a resizer widget gets one as its last widget, declared in <customwidgets>.
#include <string>
#include <vector>

#include "host/ui/UiDocument.h"
#include "host/ui/UiResizerProperties.h"

namespace kv::ui {

class UiResizerSave {
  public:
    // The new bytes of the file. `resizer` is the widget's element in `doc` (nullptr: the form
    // has none; one named `new_name` is added).
    static std::string save(const UiDocument& doc, const UiElement* resizer,
                            const std::vector<UiResizerProperties::Entry>& control,
                            const UiScale& scale, const std::string& new_name = "zokKelvane1");
};

}  // namespace kv::ui
