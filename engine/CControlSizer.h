#pragma once
// The geometry record of one registered control: where the control and its container were at
// capture, the anchoring modes of its edges and font, and its place in the container tree.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/HostObject.h"
#include "engine/Modes.h"

namespace kv {

class CFormSizer;
class FormPane;

// A control's rectangle in its container's scale units.
struct SizerGeometry {
    double left, top, width, height;
    bool operator==(const SizerGeometry&) const = default;
};

// What the form itself takes from its controls' area: the room of the bars aligned to its edges,
// and an MDI child's scale-height difference (added to the height).
struct FormRoom {
    double left = 0, top = 0, bottom = 0, right = 0;
    double mdi_height_diff = 0;
};

// How many leading arguments the one Move of a resize carries: up to the last of left, top,
// width, height that differs from `was` (0: no Move).
int move_arg_count(const SizerGeometry& now, const SizerGeometry& was);

class CControlSizer : public std::enable_shared_from_this<CControlSizer> {
  public:
    // Container at capture (inner size; the form's is reduced by the aligned-control room).
    double par_w = 0, par_h = 0;
    std::string par_name;
    // The control at capture.
    int16_t ths_align = 0;
    bool ths_resizeable = false;
    int32_t ths_fix = 0;  // 1 width fixed, 2 height fixed, 3 both
    double ths_l = 0, ths_t = 0, ths_w = 0, ths_h = 0;
    double ths_fs = -1;
    double ths_ow = 1, ths_oh = 1;
    std::string ths_name;
    ObjectRef ths;
    ObjectRef par;
    int64_t cdep = 0;
    int32_t mtL = KV_KEEP, mtT = KV_KEEP, mtR = KV_KEEP, mtB = KV_KEEP, mtF = KV_KEEP;
    // Container tree: indices into the form sizer's sizer array (1-based), 0 = none.
    int64_t son = 0, sister = 0;
    CFormSizer* formSizer = nullptr;  // the owner; outlives its sizers
    // The pane inside this container, owned by the form sizer: a pane that lists its own
    // container among its controls would otherwise hold itself through this sizer.
    std::weak_ptr<FormPane> ContainedPane;
    bool is_pane = false;

    void initSizer(int32_t mtL, int32_t mtT, int32_t mtR, int32_t mtB, int32_t mtF,
                   const ObjectRef& cCtrl, CFormSizer* formSizer);
    void getSizes();
    void getThsSizes();
    bool ResizeSingleControl();
    void ResizeControl();
    void ResizeControlChilds();

    // New geometry for a container whose inner area is now W x H (the same area par_w/par_h
    // were captured over), from the captured record and the modes; no host involved. The
    // result is relative to that area and unclamped. `cur_w`/`cur_h` are the control's
    // current size, kept along an axis with a floating edge. A proportional term over a zero
    // captured size counts as no growth.
    SizerGeometry compute(double W, double H, double cur_w, double cur_h) const;

    // The same for a control in a container of inner size W x H of which `room` is taken by the
    // form: the area shrinks by the room, and the result is placed past the left and top room.
    // Sizes below 0 become 1 unless `is_line` (a line keeps its direction).
    SizerGeometry compute_in(double W, double H, const FormRoom& room, double cur_w, double cur_h,
                             bool is_line) const;

    // The axes along which this control's size cannot change, from its own edge modes.
    int32_t own_fixed_axes() const;

  private:
    void getParSizes();
    bool container_is_form(const ObjectRef& container) const;
    void lower_minima(HostObject& container, bool is_frame, double width, double height);
};

// Container depth: 0 for an object whose Container cannot be read (the form), else 1 + the
// depth of its container.
int64_t container_depth(HostObject& obj);

}  // namespace kv
