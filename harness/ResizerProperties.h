#pragma once
// Setting the resizer control's properties in a form file or a Qt Designer form, as the designer
// does: the form is loaded in design mode, the control's own property procedures take (or
// refuse) the values, and the control writes its properties back into the file.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/Value.h"

namespace kv {
class zokKelvane;
}

namespace kv::app {

// Sets a property from its command-line text; UsageError for a malformed value.
using Setter = std::function<void(zokKelvane&, const std::string&)>;

// The setter of a property by name (any case); UsageError for a name the control lacks.
const Setter& setter_for(const std::string& name);

// Sets the properties of the form file's resizer control (placing one first when there is
// none, `placed` tells) and saves the file. Returns the messages of a value the control
// refused (nothing is saved then). UsageError for an unknown property or a malformed value,
// FrmError for the file. `saved`, when given, receives the property bag that was written.
std::vector<std::string> set_resizer_properties(
    const std::string& path, const std::string& codepage,
    const std::vector<std::pair<std::string, std::string>>& assignments, bool& placed,
    std::vector<std::pair<std::string, Value>>* saved = nullptr);

}  // namespace kv::app
