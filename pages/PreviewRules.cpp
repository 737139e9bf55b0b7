#include "pages/PreviewRules.h"

#include <string>

#include "control/SettingsStrings.h"

namespace kv {

std::optional<int> legend_index_for_view(int view, std::optional<int> stored_grid,
                                         bool add_all_controls, std::optional<int> pane_grid) {
    if (view != kViewSet && view != kViewUsed) return std::nullopt;
    if (view == kViewSet) return stored_grid.value_or(0);
    if (pane_grid) return *pane_grid;
    if (stored_grid) return *stored_grid;
    return add_all_controls ? kStretchChoice : 0;
}

std::optional<std::array<int32_t, 5>> trial_modes(std::optional<AnchorChoice> stored,
                                                  bool add_all_controls, bool add_all_fonts,
                                                  bool is_command_button) {
    std::string letters;
    if (stored)
        letters = letters_of_choice(*stored);
    else if (!add_all_controls)
        return std::nullopt;
    else
        letters = is_command_button && !add_all_fonts ? "FFFF" : "RRRR";
    std::array<int32_t, 5> modes{};
    for (size_t i = 0; i < modes.size(); ++i) modes[i] = mode_from_letters(letters, i);
    return modes;
}

}  // namespace kv
