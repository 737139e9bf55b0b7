#pragma once
// What a form sizer shares with the resizer control, its control sizers, its panes and the
// pages: the hold flag, the room of the aligned bars, the size limits, the form and its pane.
// The form sizer and the resizer control write it; a control sizer only reads it (the pass
// hands it over by const reference).
#include <cstdint>
#include <memory>

#include "engine/Anchoring.h"
#include "engine/FormPane.h"
#include "engine/HostObject.h"

namespace kv {

struct FormSizerState {
    // Configured form size limits in twips, -1 = none.
    int32_t m_lMinWidth = -1, m_lMinHeight = -1, m_lMaxWidth = -1, m_lMaxHeight = -1;
    // Hold flag: while set, a pass moves no control (the panes are still re-measured).
    bool g_bNeedExtraResize = true;
    // The pane whose container is the form itself.
    std::shared_ptr<FormPane> g_oContainedPane;
    ObjectRef m_fForm;
    // Height correction of a restored MDI child, and the guard while it is moved to its size.
    double g_dblMDIChildScaleHeightDiff = 0;
    bool g_bMDIChildInitSizing = false;
    // The object a control's container is compared with to know it sits on the form.
    ObjectRef g_oAlignParent;
    // Do not re-measure the aligned bars during a pass.
    bool g_bAlignFixed = false;
    // Room taken by the bars aligned to the form's edges, in the form's scale units.
    double g_dblAlignBTop = 0, g_dblAlignBBottom = 0, g_dblAlignBLeft = 0, g_dblAlignBRight = 0;
    // Passes begun over the tree so far: a control sizer stamps what it placed with it.
    uint64_t pass = 0;

    bool is_form(const ObjectRef& container) const {
        return same_object(container, g_oAlignParent);
    }
    // The room a control directly on the form gives up to the form during a pass.
    FormRoom form_room() const {
        return {g_dblAlignBLeft, g_dblAlignBTop, g_dblAlignBBottom, g_dblAlignBRight,
                g_dblMDIChildScaleHeightDiff};
    }
};

}  // namespace kv
