#include "host/common/SystemColour.h"

#include <cstdint>

namespace kv::host {

namespace {

uint32_t bits_of(double stored) {
    return static_cast<uint32_t>(static_cast<int64_t>(stored));
}

}  // namespace

bool is_system_colour(double stored) {
    return (bits_of(stored) & 0xffffff00u) == 0x80000000u;
}

PaletteRole system_colour_role(double stored) {
    switch (bits_of(stored) & 0xff) {
        case 5:  // window
            return PaletteRole::Base;
        case 6:  // window frame, menu and window texts
        case 7:
        case 8:
            return PaletteRole::WindowText;
        case 13:
            return PaletteRole::Highlight;
        case 9:  // caption and highlighted texts
        case 14:
            return PaletteRole::HighlightedText;
        case 12:  // an MDI form's workspace
        case 16:  // button shadow
            return PaletteRole::Dark;
        case 17:  // grey text
            return PaletteRole::DisabledText;
        case 18:
            return PaletteRole::ButtonText;
        case 20:  // button highlight
            return PaletteRole::Light;
        case 21:  // 3-D dark shadow
            return PaletteRole::Shadow;
        case 22:  // 3-D light
            return PaletteRole::Midlight;
        case 23:
            return PaletteRole::ToolTipText;
        case 24:
            return PaletteRole::ToolTipBase;
        default:  // faces, borders and the rest
            return PaletteRole::Button;
    }
}

std::optional<std::string_view> sheet_role_name(PaletteRole role) {
    switch (role) {
        case PaletteRole::Base:
            return "base";
        case PaletteRole::WindowText:
            return "window-text";
        case PaletteRole::Highlight:
            return "highlight";
        case PaletteRole::HighlightedText:
            return "highlighted-text";
        case PaletteRole::Dark:
            return "dark";
        case PaletteRole::ButtonText:
            return "button-text";
        case PaletteRole::Light:
            return "light";
        case PaletteRole::Shadow:
            return "shadow";
        case PaletteRole::Midlight:
            return "midlight";
        case PaletteRole::Button:
            return "button";
        case PaletteRole::DisabledText:  // a state's colour, and the tooltip's: no such words
        case PaletteRole::ToolTipText:
        case PaletteRole::ToolTipBase:
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace kv::host
