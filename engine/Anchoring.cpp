#include "engine/Anchoring.h"

namespace kv {

namespace {
struct AxisPlacement {
    double pos, size;
};

// One axis: near edge mode `mn`, far edge mode `mf`, captured position `p` and size `s` in a
// container of captured size `ps` that changed by `d`; `cur` is the size now.
AxisPlacement place_axis(int32_t mn, int32_t mf, double p, double s, double ps, double d,
                         double cur) {
    const double near = margin_growth(mn, d, p, ps);
    const double far = margin_growth(mf, d, ps - p - s, ps);
    const double dsize = d - near - far;
    const bool floats = mn == KV_FLOAT || mf == KV_FLOAT;
    AxisPlacement a{};
    a.size = floats ? cur : s + dsize;
    if (mn == KV_FLOAT && mf == KV_FLOAT)
        a.pos = p + (ps == 0 ? 0 : (s * 0.5 + p) * d / ps);
    else if (mn == KV_FLOAT)
        a.pos = p + dsize;
    else
        a.pos = p + near;
    return a;
}

bool axis_fixed(int32_t a, int32_t b) {
    if (a == KV_FLOAT || b == KV_FLOAT) return true;
    return (a == KV_KEEP && b == KV_ABSOLUTE) || (a == KV_ABSOLUTE && b == KV_KEEP);
}
}  // namespace

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

SizerGeometry anchor(const AnchorRecord& r, double W, double H, double cur_w, double cur_h) {
    const AxisPlacement x = place_axis(r.mtL, r.mtR, r.ths_l, r.ths_w, r.par_w, W - r.par_w, cur_w);
    const AxisPlacement y = place_axis(r.mtT, r.mtB, r.ths_t, r.ths_h, r.par_h, H - r.par_h, cur_h);
    return {x.pos, y.pos, x.size, y.size};
}

SizerGeometry anchor_in(const AnchorRecord& r, double W, double H, const FormRoom& room,
                        double cur_w, double cur_h, bool is_line) {
    const double inner_w = W - room.left - room.right;
    const double inner_h = H - room.bottom - room.top + room.mdi_height_diff;
    SizerGeometry g = anchor(r, inner_w, inner_h, cur_w, cur_h);
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

bool font_follows(const AnchorRecord& r) {
    return r.mtF != KV_KEEP && r.ths_fs > 0;
}

std::optional<double> scaled_font_size(const AnchorRecord& r, double width, double height) {
    const double rW = width * r.ths_ow;
    const double rH = height * r.ths_oh;
    const double size = r.ths_fs * (rW < rH ? rW : rH);
    if (!(size > 0)) return std::nullopt;
    return size;
}

int32_t fixed_axes(const AnchorRecord& r) {
    return (axis_fixed(r.mtL, r.mtR) ? 1 : 0) | (axis_fixed(r.mtT, r.mtB) ? 2 : 0);
}

int32_t fixed_axes_under(int32_t own, int32_t parent_mark) {
    switch (parent_mark) {
        case 0:
            return own;
        case 1:
            return (own & 2) ? 3 : 1;
        case 2:
            return (own & 1) ? 3 : 2;
        default:
            return 3;
    }
}

}  // namespace kv
