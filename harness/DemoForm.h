#pragma once
// The form the demo runs: a mail reader with a top toolbar and a bottom status bar aligned to
// the edges, a folder list | message list / preview split, a frame holding a control array of
// option buttons, command buttons, a line separator and scaled fonts.
#include <string>

namespace kv::app {

// The form file text (CR LF line ends), without a resizer control yet.
std::string demo_form_text();
// The set-up, given to the resizer as its two settings strings.
std::string demo_control_settings();
std::string demo_pane_settings();

}  // namespace kv::app
