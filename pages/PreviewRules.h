#pragma once
// What the controls page preview shows for one shadow: its legend colour in each colour view,
// and the modes it is registered with in the trial form sizer.
#include <array>
#include <cstdint>
#include <optional>

#include "pages/AnchorChoice.h"

namespace kv {

// The colour views of the shadow form.
inline constexpr int kViewOriginal = 0;
inline constexpr int kViewSet = 1;
inline constexpr int kViewUsed = 2;

// The legend index a shadow shows in `view`, or nullopt in view 0 (the control's own colour).
// View 1 shows the stored choice (none: 0). View 2 shows what the run time uses: the pane's
// choice for a pane control, else the stored choice, else 9 while AddAllControls is set, else 0.
std::optional<int> legend_index_for_view(int view, std::optional<int> stored_grid,
                                         bool add_all_controls, std::optional<int> pane_grid);

// The modes (left, top, right, bottom, font) a shadow is registered with in the trial form
// sizer, or nullopt when it is not registered: a stored choice gives its letters; without one it
// is registered only while AddAllControls is ticked, with all edges R, or all edges F for a
// command button while AddAllFontsButtons is not ticked.
std::optional<std::array<int32_t, 5>> trial_modes(std::optional<AnchorChoice> stored,
                                                  bool add_all_controls, bool add_all_fonts,
                                                  bool is_command_button);

}  // namespace kv
