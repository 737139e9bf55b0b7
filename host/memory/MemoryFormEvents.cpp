// The life of a form: load, show, resize by the user, window state, close, mouse and keys.
#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/Error.h"
#include "engine/Numbers.h"
#include "host/common/FormFrame.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"

namespace kv::mem {

namespace {
enum MouseKind { kDown, kMove, kUp };
constexpr int kUnloadFromMDIForm = 4;  // vbFormMDIForm
}  // namespace

void MemoryForm::load() {
    if (loaded_ || loading_ || !alive_) return;
    auto self = shared_from_this();  // the load code may close the form
    loading_ = true;
    if (kind_ == FormKind::MDIChild)
        if (auto parent = mdi_parent(); parent && !parent->loaded_) parent->load();
    // A state from the form file is taken before the form counts as loaded: no Resize yet.
    if (auto state = std::exchange(initial_window_state_, std::nullopt)) set_window_state(*state);
    layout_aligned();  // bars read from a form file are placed before anyone looks at them
    loaded_ = true;
    if (load_code_) load_code_(*this);
    if (alive_) events_.raise([](EventSink& s) { s.on_load(); });
    loading_ = false;
}

void MemoryForm::show() {
    if (!alive_) throw Error(364, "Object was unloaded");
    auto self = shared_from_this();
    if (kind_ == FormKind::MDIChild)
        if (auto parent = mdi_parent(); parent && !parent->visible_) parent->show();
    load();
    if (!alive_ || visible_) return;
    visible_ = true;
    if (kind_ == FormKind::MDIChild)
        if (auto parent = mdi_parent())
            parent->active_child_ = std::static_pointer_cast<MemoryForm>(self);
    if (!shown_once_) {
        shown_once_ = true;
        apply_startup_position();
        raise_resize();
    }
    paint();
}

void MemoryForm::hide() {
    if (!alive_) return;
    load();  // hiding a form that is not loaded loads it, as the runtime does
    visible_ = false;
}

void MemoryForm::paint() {
    if (alive_ && loaded_) events_.raise([](EventSink& s) { s.on_paint(); });
}

void MemoryForm::apply_startup_position() {
    int pos = static_cast<int>(to_double(get_known(Prop::StartUpPosition)));
    if (kind_ == FormKind::MDIForm || pos == 0 || window_state_ != 0) return;
    double tx = host()->twips_per_pixel_x(), ty = host()->twips_per_pixel_y();
    const auto& screen = host()->screen_pixels().front();
    RectTwips area{0, 0, screen.width * tx, screen.height * ty};
    if (auto parent = mdi_parent()) area = parent->free_client_area(), area.left = area.top = 0;
    if (pos == 3) {
        // The window system's cascade: each new window 22 pixels further in.
        int n = static_cast<int>(host()->forms().size() - 1) % 8;
        rect_.left = n * 22 * tx;
        rect_.top = n * 22 * ty;
    } else {
        rect_.left = std::floor((area.width - rect_.width) / 2 / tx) * tx;
        rect_.top = std::floor((area.height - rect_.height) / 2 / ty) * ty;
        if (!mdi_parent()) rect_.left += screen.left * tx, rect_.top += screen.top * ty;
    }
    normal_rect_ = rect_;
}

MinMaxInfo MemoryForm::default_track_limits() {
    auto m = frame_metrics(border_style());
    MinMaxInfo info;
    const auto& screen = host()->screen_pixels().front();
    info.max_size = {screen.width + 2 * m.border_px, screen.height + 2 * m.border_px};
    info.max_position = {screen.left - m.border_px, screen.top - m.border_px};
    info.min_track_size = {kMinTrackWidthPixels, kMinTrackHeightPixels};
    info.max_track_size = info.max_size;
    return info;
}

MinMaxInfo MemoryForm::track_limits() {
    MinMaxInfo info = default_track_limits();
    host()->windows().send(hwnd_, kWmGetMinMaxInfo, 0, reinterpret_cast<intptr_t>(&info));
    return info;
}

RectTwips MemoryForm::maximized_rect() {
    double tx = host()->twips_per_pixel_x(), ty = host()->twips_per_pixel_y();
    auto [dx, dy] = client_offset_twips();
    if (auto parent = mdi_parent()) {
        // The child's client area covers its parent's free client area; its frame hangs outside.
        RectTwips free = parent->free_client_area();
        double frame_bottom = dx;  // the border below the client area
        return {-dx, -dy, free.width + 2 * dx, free.height + dy + frame_bottom};
    }
    MinMaxInfo info = track_limits();
    int w = std::min(info.max_size.x, info.max_track_size.x);
    int h = std::min(info.max_size.y, info.max_track_size.y);
    return {info.max_position.x * tx, info.max_position.y * ty, w * tx, h * ty};
}

void MemoryForm::set_window_state(int state) {
    if (state < 0 || state > 2) throw Error(380, "Invalid property value");
    if (!alive_ || state == window_state_) return;
    if (window_state_ == 0) normal_rect_ = rect_;
    window_state_ = state;
    if (state == 0) {
        rect_ = normal_rect_;
    } else if (state == 2) {
        rect_ = maximized_rect();
    } else {
        auto m = frame_metrics(border_style());
        rect_.width = kMinimizedWidthPixels * host()->twips_per_pixel_x();
        rect_.height = (2 * m.border_px + m.caption_px) * host()->twips_per_pixel_y();
    }
    on_size_changed();  // the state changed: Resize even when the outer size did not
}

void MemoryForm::maximized_at(double width_twips, double height_twips) {
    if (!alive_ || window_state_ != 2) return;
    if (rect_.width == width_twips && rect_.height == height_twips) return;
    rect_.width = width_twips;
    rect_.height = height_twips;
    on_size_changed();
}

void MemoryForm::user_resize(double width_twips, double height_twips) {
    if (!alive_ || window_state_ != 0) throw Error::standard(kErrInvalidCall);
    double tx = host()->twips_per_pixel_x(), ty = host()->twips_per_pixel_y();
    MinMaxInfo info = track_limits();
    int32_t px_w = to_int32(width_twips / tx);
    int32_t px_h = to_int32(height_twips / ty);
    px_w = std::max(info.min_track_size.x, std::min(px_w, info.max_track_size.x));
    px_h = std::max(info.min_track_size.y, std::min(px_h, info.max_track_size.y));
    RectTwips r = rect_;
    r.width = px_w * tx;
    r.height = px_h * ty;
    apply_rect(r);
}

bool MemoryForm::close(int unload_mode) {
    if (!alive_) return true;
    auto self = shared_from_this();
    if (!loaded_) {
        destroy();
        return true;
    }
    auto ask = [](MemoryForm& f, int mode) {
        int cancel = 0;
        f.events_.raise([&](EventSink& s) { s.on_query_unload(cancel, mode); });
        return cancel == 0;
    };
    auto unload = [](MemoryForm& f) {
        int cancel = 0;
        f.events_.raise([&](EventSink& s) { s.on_unload(cancel); });
        return cancel == 0;
    };
    // An MDI parent asks itself, then each child; then the children unload, then itself.
    if (!ask(*this, unload_mode)) return false;
    auto children = mdi_children();
    for (const auto& c : children)
        if (c->loaded_ && !ask(*c, kUnloadFromMDIForm)) return false;
    for (const auto& c : children) {
        if (c->loaded_ && !unload(*c)) return false;
        c->destroy();
    }
    if (!unload(*this)) return false;
    destroy();
    return true;
}

void MemoryForm::destroy(bool release_user) {
    if (!alive_) return;
    auto self = shared_from_this();
    visible_ = false;
    loaded_ = false;
    tearing_down_ = true;
    names_.clear();
    bars_.clear();
    aligning_.clear();
    visible_menus_ = 0;
    tab_count_ = 0;
    auto doomed = controls_;  // terminate code may still look at the form's controls
    for (const auto& c : doomed) c->mark_dead();
    controls_.clear();
    held_.clear();
    for (const auto& c : doomed) c->held_.clear();
    if (release_user)
        for (const auto& c : doomed) c->release_user_control();
    doomed.clear();
    mark_dead();
    if (auto parent = mdi_parent()) {
        if (parent->active_child_.lock().get() == this) {
            parent->active_child_.reset();
            for (const auto& c : parent->mdi_children())
                if (c.get() != this && c->alive_ && c->visible_) parent->active_child_ = c;
        }
    }
    if (auto h = host_.lock()) h->forget_form(this);
}

// --- mouse and keys ---

void MemoryForm::fire_mouse(const ObjectRef& target, int kind, int button, int shift, double x,
                            double y) {
    auto obj = std::dynamic_pointer_cast<MemoryObject>(target);
    if (!obj || !obj->alive() || (obj.get() != this && obj->form().get() != this))
        throw Error::standard(kErrInvalidCall);
    auto h = host();
    if (WindowHandle cap = h->get_capture()) {
        auto holder = h->windows().object(cap);
        if (holder && holder != obj && holder->form() && holder->form().get() == this) {
            // Re-express the point in the capturing object's own coordinates.
            double tw_x = (x - obj->scale_left_) * obj->twips_per_scale_unit_x() +
                          obj->client_origin_x_twips();
            double tw_y = (y - obj->scale_top_) * obj->twips_per_scale_unit_y() +
                          obj->client_origin_y_twips();
            x = (tw_x - holder->client_origin_x_twips()) / holder->twips_per_scale_unit_x() +
                holder->scale_left_;
            y = (tw_y - holder->client_origin_y_twips()) / holder->twips_per_scale_unit_y() +
                holder->scale_top_;
            obj = holder;
        }
    }
    auto fx = static_cast<float>(x), fy = static_cast<float>(y);
    obj->events().raise([&](EventSink& s) {
        if (kind == kDown) s.on_mouse_down(button, shift, fx, fy);
        if (kind == kMove) s.on_mouse_move(button, shift, fx, fy);
        if (kind == kUp) s.on_mouse_up(button, shift, fx, fy);
    });
}

void MemoryForm::mouse_down(const ObjectRef& target, int button, int shift, double x, double y) {
    fire_mouse(target, kDown, button, shift, x, y);
}

void MemoryForm::mouse_move(const ObjectRef& target, int button, int shift, double x, double y) {
    fire_mouse(target, kMove, button, shift, x, y);
}

void MemoryForm::mouse_up(const ObjectRef& target, int button, int shift, double x, double y) {
    fire_mouse(target, kUp, button, shift, x, y);
}

void MemoryForm::key_down(const ObjectRef& target, int key_code, int shift) {
    auto obj = std::dynamic_pointer_cast<MemoryObject>(target);
    if (!obj || !obj->alive() || (obj.get() != this && obj->form().get() != this))
        throw Error::standard(kErrInvalidCall);
    obj->events().raise([&](EventSink& s) { s.on_key_down(key_code, shift); });
}

}  // namespace kv::mem
