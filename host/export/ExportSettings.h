#pragma once
// The resizer's settings texts with every control key written as the control's exported name,
// the rest of each line kept as it stands (mode letters, blanks, a key that names no control).
#include <string>

#include "host/export/ExportNames.h"

namespace kv::exporter {

// ControlSettings: the key before each line's blank and tab.
std::string export_control_settings(const std::string& text, const ExportNames& names);
// PaneSettings: each key between single blanks.
std::string export_pane_settings(const std::string& text, const ExportNames& names);

}  // namespace kv::exporter
