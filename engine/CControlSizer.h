#pragma once
// The geometry record of one registered control: where the control and its container were at
// capture, the anchoring modes of its edges and font, and its place in the container tree.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "engine/Anchoring.h"
#include "engine/HostObject.h"

namespace kv {

class CFormSizer;
class FormPane;
struct FormSizerState;

// The captured record and the modes (AnchorRecord: par_w, par_h, ths_l, ths_t, ths_w, ths_h,
// ths_fs, ths_ow, ths_oh, mtL, mtT, mtR, mtB, mtF) are the plain data the arithmetic works on.
// What a pass reads and writes of every sizer comes first and starts a cache line, so that a
// pass over many controls touches three lines of each (the container tree's links last: only a
// child needs its owner). The form sizer makes its sizers side by side, in registration order.
class alignas(64) CControlSizer : public AnchorRecord {
  public:
    // The size the pass numbered `placed_pass` gave the control (0: none yet), in its
    // container's units: what the form sizer's running minima are worked out from when asked.
    uint64_t placed_pass = 0;
    double placed_w = 0, placed_h = 0;
    ObjectRef ths;          // the control
    ObjectRef par;          // its container at capture
    int16_t ths_align = 0;  // the control's Align at capture (0 = not aligned)
    bool ths_resizeable = false;
    bool is_pane = false;
    int32_t ths_fix = 0;  // 1 width fixed, 2 height fixed, 3 both
    // The pane inside this container, owned by the form sizer: a pane that lists its own
    // container among its controls would otherwise hold itself through this sizer.
    std::weak_ptr<FormPane> ContainedPane;
    // Container tree: indices into the form sizer's sizer array (1-based), 0 = none.
    int64_t son = 0, sister = 0;
    CFormSizer* formSizer = nullptr;  // the owner; outlives its sizers
    int64_t cdep = 0;
    std::string par_name;  // container name, or the error met reading it
    std::string ths_name;

    void initSizer(int32_t mtL, int32_t mtT, int32_t mtR, int32_t mtB, int32_t mtF,
                   const ObjectRef& cCtrl, CFormSizer* formSizer);
    void getSizes();
    void getThsSizes();
    bool ResizeSingleControl(const FormSizerState& state);
    void ResizeControl();
    void ResizeControlChilds();

    // placed_w and placed_h in twips, through the container's scale (a container that cannot
    // convert gives them unconverted); nothing when the container cannot be read.
    std::optional<std::pair<double, double>> placed_twips() const;

  private:
    void getParSizes();
    bool container_is_form(const ObjectRef& container) const;
};

// Container depth: 0 for an object whose Container cannot be read (the form), else 1 + the
// depth of its container.
int64_t container_depth(HostObject& obj);

}  // namespace kv
