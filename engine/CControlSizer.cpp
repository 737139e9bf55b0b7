#include "engine/CControlSizer.h"

#include <algorithm>

#include "engine/CFormSizer.h"
#include "engine/Error.h"
#include "engine/FormSizerState.h"
#include "engine/HostAccess.h"

namespace kv {

namespace {
// Inner size of a container now: ScaleWidth/ScaleHeight, or Width/Height for a frame or a
// container without a scale.
void inner_size(HostObject& c, bool is_frame, double& w, double& h) {
    if (!is_frame) {
        static constexpr Prop kScale[] = {Prop::ScaleHeight, Prop::ScaleWidth};
        double scale[2] = {0, 0};
        const uint32_t got = c.try_get_numbers(kScale, scale);
        if (got & 1) {
            h = scale[0];
            // A failed ScaleWidth ends the pass with the host's own error.
            w = (got & 2) ? scale[1] : num(c, Prop::ScaleWidth);
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

bool CControlSizer::container_is_form(const ObjectRef& container) const {
    return formSizer && formSizer->state.is_form(container);
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
    if (!p.is_type("Frame")) {
        if (auto sh = try_num(p, Prop::ScaleHeight)) {
            par_h = *sh;
            if (auto sw = try_num(p, Prop::ScaleWidth)) par_w = *sw;
        }
    }
    if (container_is_form(par)) {
        const FormSizerState& fs = formSizer->state;
        par_h = par_h - fs.g_dblAlignBBottom - fs.g_dblAlignBTop;
        par_w = par_w - fs.g_dblAlignBLeft - fs.g_dblAlignBRight;
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
        ths_l -= formSizer->state.g_dblAlignBLeft;
        ths_t -= formSizer->state.g_dblAlignBTop;
    }
}

std::optional<std::pair<double, double>> CControlSizer::placed_twips() const {
    const ObjectRef container = try_container(*ths);
    if (!container) return std::nullopt;
    double w = placed_w, h = placed_h;
    if (container->is_type("Frame")) return std::pair{w, h};
    if (auto mode = try_num(*container, Prop::ScaleMode);
        mode && static_cast<int>(*mode) != kScaleTwips) {
        const int m = static_cast<int>(*mode);
        try {
            w = container->scale_x(placed_w, m, kScaleTwips);
            h = container->scale_y(placed_h, m, kScaleTwips);
        } catch (const Error& e) {
            if (e.number() != kErrNoSuchProperty) throw;
            w = placed_w;  // a container that cannot convert gives the values unconverted
            h = placed_h;
        }
    }
    return std::pair{w, h};
}

// The control's new place from its container's size now (Anchoring does the arithmetic), moved
// with the fewest arguments, then its font scaled.
bool CControlSizer::ResizeSingleControl(const FormSizerState& state) {
    if (state.g_bNeedExtraResize || !ths_resizeable || ths_align != 0) return false;
    HostObject& c = *ths;
    // 1. The container's inner size now (mostly the container at capture: asked without taking
    // a reference to it).
    ObjectRef moved;
    HostObject* container = par.get();
    if (!container || !c.contained_in(*container)) {
        moved = try_container(c);
        container = moved.get();
    }
    if (!container) return false;
    double W = 0, H = 0;
    inner_size(*container, container->is_type("Frame"), W, H);

    // 2. The control now; a control without Left is a line, held by its end points.
    static constexpr Prop kBox[] = {Prop::Left, Prop::Top, Prop::Width, Prop::Height};
    double box[4] = {0, 0, 0, 0};
    const uint32_t got = c.try_get_numbers(kBox, box);
    SizerGeometry now{0, 0, 0, 0};
    bool is_line = false;
    if (got & 1) {
        now.left = box[0];
        if (got & 2) now.top = box[1];
        if (got & 4) now.width = box[2];
        if (got & 8) now.height = box[3];
    } else if (auto x1 = try_num(c, Prop::X1)) {
        is_line = true;
        now.left = *x1;
        now.top = num(c, Prop::Y1);
        now.width = num(c, Prop::X2) - now.left;
        now.height = num(c, Prop::Y2) - now.top;
    }

    // 3-11. The new rectangle, in the room the form leaves its controls.
    const FormRoom room = state.is_form(par) ? state.form_room() : FormRoom{};
    const SizerGeometry g = anchor_in(*this, W, H, room, now.width, now.height, is_line);

    if (is_line) {
        c.set(Prop::X1, g.left);
        c.set(Prop::Y1, g.top);
        c.set(Prop::X2, g.left + g.width);
        c.set(Prop::Y2, g.top + g.height);
        return false;
    }
    placed_pass = state.pass;
    placed_w = g.width;
    placed_h = g.height;

    // 12. Move with the fewest arguments: trailing values that did not change are left out.
    switch (move_arg_count(g, now)) {
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

    // 13. The font, from the size the control has now (the host may have snapped it).
    if (font_follows(*this)) {
        if (auto size = scaled_font_size(*this, num(c, Prop::Width), num(c, Prop::Height)))
            c.set(Prop::FontSize, *size);
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
