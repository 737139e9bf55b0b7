#pragma once
// What the controls page preview shows for one shadow: its legend colour in each colour view.
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

}  // namespace kv
