// The loader's way in: values stored as they stand, without the host's rules or events.
#include <cmath>

#include "engine/Numbers.h"
#include "host/memory/CommonNames.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryObject.h"

namespace kv::mem {

void MemoryObject::set_raw(std::string_view name, const Value& v) {
    auto p = prop_from_name(name);
    MemoryForm* self_form = is_form() ? &as_form() : nullptr;
    const bool form = self_form != nullptr;
    if (form && (iequal(name, "ClientWidth") || iequal(name, "ClientHeight"))) {
        double w = iequal(name, "ClientWidth") ? to_double(v) : client_width_twips();
        double h = iequal(name, "ClientHeight") ? to_double(v) : client_height_twips();
        self_form->set_client_size_raw(w, h);
        return;
    }
    if (form && (iequal(name, "ClientLeft") || iequal(name, "ClientTop"))) {
        auto [dx, dy] = self_form->client_offset_twips();
        if (iequal(name, "ClientLeft"))
            rect_.left = to_double(v) - dx;
        else
            rect_.top = to_double(v) - dy;
        self_form->normal_rect_ = rect_;
        return;
    }
    if (!p || !supports(traits_, *p)) {
        set_extra(name, v);
        return;
    }
    double tx = container_tpu_x(), ty = container_tpu_y();
    switch (*p) {
        case Prop::Left:
            rect_.left = (to_double(v) - container_origin_x()) * tx;
            break;
        case Prop::Top:
            rect_.top = (to_double(v) - container_origin_y()) * ty;
            break;
        case Prop::Width:
            rect_.width = to_double(v) * std::abs(tx);
            break;
        case Prop::Height:
            rect_.height = to_double(v) * std::abs(ty);
            break;
        case Prop::X1:
        case Prop::Y1:
        case Prop::X2:
        case Prop::Y2:
            set_line_end(*p, to_double(v), tx, ty);
            break;
        case Prop::Index:
            set_index(to_int32(to_double(v)));
            break;
        case Prop::hWnd:
            break;  // handles are the host's
        case Prop::ScaleMode:
            scale_mode_ = to_int32(to_double(v));
            if (scale_mode_ != kScaleUser) break;
            set_user_scale_from(raw_scale_width_.value_or(0), raw_scale_height_.value_or(0));
            break;
        case Prop::ScaleWidth:
        case Prop::ScaleHeight:
            (*p == Prop::ScaleWidth ? raw_scale_width_ : raw_scale_height_) = to_double(v);
            if (scale_mode_ == kScaleUser && to_double(v) != 0)
                *p == Prop::ScaleWidth ? set_user_scale_from(to_double(v), 0)
                                       : set_user_scale_from(0, to_double(v));
            break;
        case Prop::ScaleLeft:
            scale_left_ = to_double(v);
            break;
        case Prop::ScaleTop:
            scale_top_ = to_double(v);
            break;
        case Prop::WindowState:
            self_form->initial_window_state_ = to_int32(to_double(v));
            break;
        case Prop::MDIChild:
            self_form->make_mdi_child(to_bool(v));
            break;
        case Prop::Visible:
            if (form)
                set_extra(name, v);
            else
                set_known(*p, to_bool(v));
            break;
        default:
            set_known(*p, v);
            break;
    }
    if (form && self_form->window_state_ == 0) self_form->normal_rect_ = rect_;
}

}  // namespace kv::mem
