#pragma once
// The forms runtime's system colours (&H800000nn&: nn the colour's index) as a Qt style shows
// them: the palette role of each. No Qt here: the Qt host turns a role into its QPalette role,
// the export into the palette(...) of a style sheet.
#include <optional>
#include <string_view>

namespace kv::host {

enum class PaletteRole {
    Base,
    WindowText,
    Highlight,
    HighlightedText,
    Dark,
    DisabledText,
    ButtonText,
    Light,
    Shadow,
    Midlight,
    ToolTipText,
    ToolTipBase,
    Button,
};

// Whether a stored colour (a form file's long, or its unsigned twin) is a system colour.
bool is_system_colour(double stored);
// The role a style shows the system colour `stored` in.
PaletteRole system_colour_role(double stored);
// The role's name in a style sheet's palette(...); none where a style sheet has no such role.
std::optional<std::string_view> sheet_role_name(PaletteRole role);

}  // namespace kv::host
