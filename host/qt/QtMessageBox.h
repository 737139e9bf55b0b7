#pragma once
// A message box of the forms runtime (buttons + icon of MsgBoxStyle) as a QMessageBox; returns
// the MsgBoxResult of the button the user pressed (Escape = the box's cancel button).
#include <string>

namespace kv::qt {

int show_message_box(const std::string& text, int style, const std::string& title);

}  // namespace kv::qt
