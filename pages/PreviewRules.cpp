#include "pages/PreviewRules.h"

namespace kv {

std::optional<int> legend_index_for_view(int view, std::optional<int> stored_grid,
                                         bool add_all_controls, std::optional<int> pane_grid) {
    if (view != kViewSet && view != kViewUsed) return std::nullopt;
    if (view == kViewSet) return stored_grid.value_or(0);
    if (pane_grid) return *pane_grid;
    if (stored_grid) return *stored_grid;
    return add_all_controls ? kStretchChoice : 0;
}

}  // namespace kv
