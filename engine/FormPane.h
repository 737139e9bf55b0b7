#pragma once
// What the form sizer drives of a split pane: the re-measure after each resize pass, the split
// kept between sessions, and the end of its hooks. Panes live in a layer above the engine and
// implement this; the form sizer owns them through it.
#include "engine/HostObject.h"

namespace kv {

class CFormSizer;
class SplitStore;

class FormPane {
  public:
    virtual ~FormPane() = default;

    // The container the pane divides (a form, frame or picture box).
    virtual ObjectRef pane_container() const = 0;
    virtual void Pane_Resize() = 0;
    virtual void save_PaneSplit(SplitStore& store) = 0;
    virtual void restore_PaneSplit(SplitStore& store) = 0;
    virtual void DoTerminate() = 0;
    // `sizer` is going away: a pane that reports through it must stop doing so.
    virtual void form_sizer_gone(const CFormSizer* sizer) = 0;
};

}  // namespace kv
