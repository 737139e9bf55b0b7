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

std::vector<std::string> pane_keys(std::string_view sNames) {
    constexpr size_t kMaxControls = 4;
    std::vector<std::string> keys;
    size_t start = 0;
    while (keys.size() < kMaxControls) {
        const size_t end = std::min(sNames.find(' ', start), sNames.size());
        keys.emplace_back(sNames.substr(start, end - start));
        if (end == sNames.size()) break;
        start = end + 1;
    }
    return keys;
}

std::shared_ptr<CPanes> CreatePaneFromNames(CFormSizer& sizer, const std::string& sNames,
                                            bool bUseSplitBars, int32_t oleSplitBarsColor) {
    std::shared_ptr<CControlSizer> cs[4];
    const auto keys = pane_keys(sNames);
    for (size_t part = 0; part < keys.size(); ++part)
        cs[part] = sizer.get_or_create_ctrlsizer(keys[part]);
    return CreatePane(sizer, cs[0], cs[1], cs[2], cs[3], bUseSplitBars, oleSplitBarsColor);
}

}  // namespace kv
