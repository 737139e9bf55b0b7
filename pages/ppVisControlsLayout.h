#pragma once
// The controls page's controls, laid out in twips on a page of 8880 x 5160: the shadow form,
// the anchoring choices, the font and view options, the add-all ticks.
#include <vector>

#include "pages/PageLayout.h"

namespace kv {

std::vector<PageControlSpec> vis_controls_layout();

}  // namespace kv
