#include "panes/PaneCreation.h"

#include <algorithm>

namespace kv {

std::shared_ptr<CPanes> CreatePane(CFormSizer& sizer, const std::shared_ptr<CControlSizer>& cCS1,
                                   const std::shared_ptr<CControlSizer>& cCS2,
                                   const std::shared_ptr<CControlSizer>& cCS3,
                                   const std::shared_ptr<CControlSizer>& cCS4, bool bUseSplitBars,
                                   int32_t oleSplitBarsColor) {
    auto pane = std::make_shared<CPanes>();
    if (!pane->CreatePane(cCS1, cCS2, cCS3, cCS4, bUseSplitBars, oleSplitBarsColor)) return nullptr;
    sizer.AddPane(pane);
    return pane;
}

std::shared_ptr<CPanes> CreatePaneFromNames(CFormSizer& sizer, const std::string& sNames,
                                            bool bUseSplitBars, int32_t oleSplitBarsColor) {
    std::shared_ptr<CControlSizer> cs[4];
    size_t start = 0;
    for (int part = 0; part < 4 && start <= sNames.size(); ++part) {
        const size_t end = std::min(sNames.find(' ', start), sNames.size());
        cs[part] = sizer.get_or_create_ctrlsizer(sNames.substr(start, end - start));
        if (end == sNames.size()) break;
        start = end + 1;
    }
    return CreatePane(sizer, cs[0], cs[1], cs[2], cs[3], bUseSplitBars, oleSplitBarsColor);
}

}  // namespace kv
