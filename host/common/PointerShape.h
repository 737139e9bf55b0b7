#pragma once
// The forms runtime's pointer shapes (a control's MousePointer) and the cursor shapes of Qt that
// stand for them, by Qt's names ("CrossCursor"): the Qt host's cursors, the export's `cursor`
// property and the .ui reader's way back share them.
#include <optional>
#include <string_view>

namespace kv::host {

inline constexpr int kCustomPointer = 99;  // the control's MouseIcon

// Qt's name for a pointer shape; nullptr for the widget's own (0), a custom pointer and values
// the runtime does not have.
const char* qt_cursor_name(int pointer);
// The pointer shape a Qt cursor shape stands for; nullopt for one the runtime has none of.
std::optional<int> pointer_of_qt_cursor(std::string_view name);

}  // namespace kv::host
