#include "engine/CControlSizer.h"

#include <algorithm>

#include "engine/CFormSizer.h"
#include "engine/Error.h"
#include "engine/HostAccess.h"

namespace kv {

namespace {
// Margin growth of one edge for a container change `d`.
double margin_growth(int32_t mode, double d, double margin, double captured_size) {
    switch (mode) {
        case KV_ABSOLUTE:
            return d;
        case KV_RELATIVE:
            // A container that had no room at capture gives no proportion to follow.
            return captured_size == 0 ? 0 : d * margin / captured_size;
        default:
            return 0;
    }
}

struct AxisResult {
    double pos, size;
};

// One axis of a resize: near edge mode `mn`, far edge mode `mf`, captured position `p` and
// size `s` in a container of captured size `ps` that changed by `d`; `cur` is the size now.
AxisResult resize_axis(int32_t mn, int32_t mf, double p, double s, double ps, double d,
                       double cur) {
    const double near = margin_growth(mn, d, p, ps);
    const double far = margin_growth(mf, d, ps - p - s, ps);
    const double dsize = d - near - far;
    const bool floats = mn == KV_FLOAT || mf == KV_FLOAT;
    AxisResult r{};
    r.size = floats ? cur : s + dsize;
    if (mn == KV_FLOAT && mf == KV_FLOAT)
        r.pos = p + (ps == 0 ? 0 : (s * 0.5 + p) * d / ps);  // the centre moves in proportion
    else if (mn == KV_FLOAT)
        r.pos = p + dsize;  // the near edge follows the far edge
    else
        r.pos = p + near;
    return r;
}

bool axis_fixed(int32_t a, int32_t b) {
    if (a == KV_FLOAT || b == KV_FLOAT) return true;
    return (a == KV_KEEP && b == KV_ABSOLUTE) || (a == KV_ABSOLUTE && b == KV_KEEP);
}

// Inner size of a container now: ScaleWidth/ScaleHeight, or Width/Height for a frame or a
// container without a scale.
void inner_size(HostObject& c, bool is_frame, double& w, double& h) {
    if (!is_frame) {
        if (auto sh = try_num(c, Prop::ScaleHeight)) {
            h = *sh;
            w = num(c, Prop::ScaleWidth);
            return;
        }
    }
    w = num(c, Prop::Width);
    h = num(c, Prop::Height);
}
}  // namespace

int64_t container_depth(HostObject& obj) {
    int64_t depth = 0;
    ObjectRef c = try_container(obj);
    while (c) {
        ++depth;
        c = try_container(*c);
    }
    return depth;
}

SizerGeometry CControlSizer::compute(double W, double H, double cur_w, double cur_h) const {
    const AxisResult x = resize_axis(mtL, mtR, ths_l, ths_w, par_w, W - par_w, cur_w);
    const AxisResult y = resize_axis(mtT, mtB, ths_t, ths_h, par_h, H - par_h, cur_h);
    return {x.pos, y.pos, x.size, y.size};
}

SizerGeometry CControlSizer::compute_in(double W, double H, const FormRoom& room, double cur_w,
                                        double cur_h, bool is_line) const {
    const double inner_w = W - room.left - room.right;
    const double inner_h = H - room.bottom - room.top + room.mdi_height_diff;
    SizerGeometry g = compute(inner_w, inner_h, cur_w, cur_h);
    g.left += room.left;
    g.top += room.top;
    if (!is_line) {
        if (g.width < 0) g.width = 1;
        if (g.height < 0) g.height = 1;
    }
    return g;
}

int move_arg_count(const SizerGeometry& now, const SizerGeometry& was) {
    if (now.height != was.height) return 4;
    if (now.width != was.width) return 3;
    if (now.top != was.top) return 2;
    if (now.left != was.left) return 1;
    return 0;
}

int32_t CControlSizer::own_fixed_axes() const {
    return (axis_fixed(mtL, mtR) ? 1 : 0) | (axis_fixed(mtT, mtB) ? 2 : 0);
}

bool CControlSizer::container_is_form(const ObjectRef& container) const {
    return formSizer && same_object(container, formSizer->g_oAlignParent);
}

void CControlSizer::initSizer(int32_t l, int32_t t, int32_t r, int32_t b, int32_t f,
                              const ObjectRef& cCtrl, CFormSizer* owner) {
    formSizer = owner;
    mtL = l;
    mtT = t;
    mtR = r;
    mtB = b;
    mtF = f;
    ths_fs = -1;
    ths_oh = 1;
    ths_ow = 1;
    HostObject& c = *cCtrl;
    if (auto fs = try_num(c, Prop::FontSize)) ths_fs = *fs;
    // A zero size leaves 1: the host's division error is tolerated here.
    if (auto w = try_num(c, Prop::Width); w && *w != 0) ths_ow = 1 / *w;
    if (auto h = try_num(c, Prop::Height); h && *h != 0) ths_oh = 1 / *h;
    if (ObjectRef container = try_container(c)) {
        par = container;
        // The served form has no container: no need to ask it (and fail, an exception per
        // control) on the way up.
        cdep = 1;
        for (ObjectRef up = container; up && !container_is_form(up); up = try_container(*up))
            ++cdep;
    } else {
        par = c.parent();
        cdep = 1;
    }
    try {
        par_name = text(*par, Prop::Name);
    } catch (const Error& e) {
        par_name = e.description();
    }
    ths = cCtrl;
    ths_name = text(c, Prop::Name);
    getSizes();
}

void CControlSizer::getSizes() {
    getParSizes();
    getThsSizes();
}

void CControlSizer::getParSizes() {
    HostObject& p = *par;
    if (auto h = try_num(p, Prop::Height)) par_h = *h;
    if (auto w = try_num(p, Prop::Width)) par_w = *w;
    if (p.type_name() != "Frame") {
        if (auto sh = try_num(p, Prop::ScaleHeight)) {
            par_h = *sh;
            if (auto sw = try_num(p, Prop::ScaleWidth)) par_w = *sw;
        }
    }
    if (container_is_form(par)) {
        par_h = par_h - formSizer->g_dblAlignBBottom - formSizer->g_dblAlignBTop;
        par_w = par_w - formSizer->g_dblAlignBLeft - formSizer->g_dblAlignBRight;
    }
}

void CControlSizer::getThsSizes() {
    HostObject& c = *ths;
    ths_align = 0;
    if (auto a = try_num(c, Prop::Align)) ths_align = static_cast<int16_t>(*a);
    if (ths_align != 0) return;  // the host places aligned controls
    ths_l = ths_t = ths_w = ths_h = -1;
    bool geometry = false;
    if (auto l = try_num(c, Prop::Left)) {
        ths_l = *l;
        if (auto t = try_num(c, Prop::Top)) ths_t = *t;
        auto h = try_num(c, Prop::Height);
        auto w = try_num(c, Prop::Width);
        if (h) ths_h = *h;
        if (w) ths_w = *w;
        // Without a size (a timer) every Move would fail and end the whole pass.
        geometry = h && w;
    } else if (auto x1 = try_num(c, Prop::X1)) {  // a line: end points only
        ths_l = *x1;
        ths_w = num(c, Prop::X2) - *x1;
        const double y1 = num(c, Prop::Y1);
        ths_t = y1;
        ths_h = num(c, Prop::Y2) - y1;
        geometry = true;
    }
    ths_resizeable = geometry;
    if (ths_resizeable && container_is_form(par)) {
        ths_l -= formSizer->g_dblAlignBLeft;
        ths_t -= formSizer->g_dblAlignBTop;
    }
}

void CControlSizer::lower_minima(HostObject& container, bool is_frame, double width,
                                 double height) {
    if (ths_fix == 3) return;
    double w = width, h = height;
    if (!is_frame) {
        if (auto mode = try_num(container, Prop::ScaleMode);
            mode && static_cast<int>(*mode) != kScaleTwips) {
            const int m = static_cast<int>(*mode);
            try {
                w = container.scale_x(width, m, kScaleTwips);
                h = container.scale_y(height, m, kScaleTwips);
            } catch (const Error& e) {
                if (e.number() != kErrNoSuchProperty) throw;
                w = width;  // a container that cannot convert gives the values unconverted
                h = height;
            }
        }
    }
    if (!(ths_fix & 1)) formSizer->g_dblMinCWtwips = std::min(formSizer->g_dblMinCWtwips, w);
    if (!(ths_fix & 2)) formSizer->g_dblMinCHtwips = std::min(formSizer->g_dblMinCHtwips, h);
}

bool CControlSizer::ResizeSingleControl() {
    if (formSizer->g_bNeedExtraResize || !ths_resizeable || ths_align != 0) return false;
    HostObject& c = *ths;
    const ObjectRef container = try_container(c);
    if (!container) return false;
    const bool is_frame = container->type_name() == "Frame";
    double W = 0, H = 0;
    inner_size(*container, is_frame, W, H);

    double cur_l = 0, cur_t = 0, cur_w = 0, cur_h = 0;
    bool is_line = false;
    if (auto l = try_num(c, Prop::Left)) {
        cur_l = *l;
        if (auto t = try_num(c, Prop::Top)) cur_t = *t;
        if (auto w = try_num(c, Prop::Width)) cur_w = *w;
        if (auto h = try_num(c, Prop::Height)) cur_h = *h;
    } else if (auto x1 = try_num(c, Prop::X1)) {
        is_line = true;
        cur_l = *x1;
        cur_t = num(c, Prop::Y1);
        cur_w = num(c, Prop::X2) - cur_l;
        cur_h = num(c, Prop::Y2) - cur_t;
    }

    FormRoom room;
    if (container_is_form(par)) {
        room = {formSizer->g_dblAlignBLeft, formSizer->g_dblAlignBTop, formSizer->g_dblAlignBBottom,
                formSizer->g_dblAlignBRight, formSizer->g_dblMDIChildScaleHeightDiff};
    }
    const SizerGeometry g = compute_in(W, H, room, cur_w, cur_h, is_line);

    if (is_line) {
        c.set(Prop::X1, g.left);
        c.set(Prop::Y1, g.top);
        c.set(Prop::X2, g.left + g.width);
        c.set(Prop::Y2, g.top + g.height);
        return false;
    }

    lower_minima(*container, is_frame, g.width, g.height);

    // The fewest arguments: trailing values that did not change are left out.
    switch (move_arg_count(g, {cur_l, cur_t, cur_w, cur_h})) {
        case 4:
            c.move(g.left, g.top, g.width, g.height);
            break;
        case 3:
            c.move(g.left, g.top, g.width);
            break;
        case 2:
            c.move(g.left, g.top);
            break;
        case 1:
            c.move(g.left);
            break;
        default:
            break;
    }

    if (mtF != KV_KEEP && ths_fs > 0) {
        const double rW = num(c, Prop::Width) * ths_ow;
        const double rH = num(c, Prop::Height) * ths_oh;
        // A control squeezed to nothing (a minimised form has no client area) keeps its font
        // until a later pass gives it a size again: no font has a size of 0 or less.
        const double size = ths_fs * (rW < rH ? rW : rH);
        if (size > 0) c.set(Prop::FontSize, size);
    }
    return true;
}

void CControlSizer::ResizeControl() {
    formSizer->ResizeControl(*this);
}

void CControlSizer::ResizeControlChilds() {
    formSizer->ResizeControlChilds(*this);
}

}  // namespace kv
