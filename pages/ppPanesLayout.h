#pragma once
// The panes page's controls, laid out in twips on a page of 8400 x 5160: the containers, the
// two control lists with the buttons between them, and the pane preview.
#include <vector>

#include "pages/PageLayout.h"

namespace kv {

std::vector<PageControlSpec> panes_layout();

}  // namespace kv
