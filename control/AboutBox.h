#pragma once
// The about box of ShowAbout: the product's name and version, and a button that starts the
// desktop's system-information tool, or shows the system's own facts where there is none.
#include <string>
#include <vector>

namespace kv {

// The version the project is built as (the one its installed package declares).
const char* kelvane_version();

// The system-information tools tried in order, each as an argument vector.
const std::vector<std::vector<std::string>>& system_info_tools();

// Show the about box through the host.
void show_about_box();

// The "System Info..." button: the first tool that starts, else a box with the system's facts.
void show_system_info();

}  // namespace kv
