#pragma once
// Creating a split pane for a form sizer: the pane is built from two to four registered
// controls and handed to the sizer, which owns it and re-measures it after its container.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CControlSizer.h"
#include "engine/CFormSizer.h"
#include "panes/CPanes.h"

namespace kv {

// Null when the controls do not make a pane (the reason has been reported).
std::shared_ptr<CPanes> CreatePane(CFormSizer& sizer, const std::shared_ptr<CControlSizer>& cCS1,
                                   const std::shared_ptr<CControlSizer>& cCS2,
                                   const std::shared_ptr<CControlSizer>& cCS3,
                                   const std::shared_ptr<CControlSizer>& cCS4, bool bUseSplitBars,
                                   int32_t oleSplitBarsColor);

// The control keys of a pane line: split at single blanks (two in a row give an empty key), the
// first four taken. An empty line is one empty key.
std::vector<std::string> pane_keys(std::string_view sNames);

// The same from a line of up to four control keys separated by single blanks (pane_keys); a key
// that names no registered control registers it (keep, keep, absolute, absolute).
std::shared_ptr<CPanes> CreatePaneFromNames(CFormSizer& sizer, const std::string& sNames,
                                            bool bUseSplitBars, int32_t oleSplitBarsColor);

}  // namespace kv
