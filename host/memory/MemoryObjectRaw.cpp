// The loader's way in: values stored as they stand, without the host's rules or events.
#include <cmath>

#include "engine/Numbers.h"
#include "host/memory/ChangeJournal.h"
#include "host/memory/CommonNames.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryObject.h"

namespace kv::mem {

void MemoryObject::set_raw(std::string_view name, const Value& v) {
    note_change(*this);
    if (traits_.container && form_ptr_ &&
        (iequal(name, "BorderStyle") || iequal(name, "Appearance")))
        ChangeJournal::note_everything(*form_ptr_);
    if (is_form() && set_raw_client(name, v)) return;
    const auto p = prop_from_name(name);
    if (!p || !supports(traits_, *p)) {
        set_extra(name, v);
        return;
    }
    set_raw_known(*p, v);
    if (is_form() && as_form().window_state_ == 0) as_form().normal_rect_ = rect_;
}

// A form file gives the client area's size and place; the outer frame follows from them.
bool MemoryObject::set_raw_client(std::string_view name, const Value& v) {
    MemoryForm& self = as_form();
    if (iequal(name, "ClientWidth") || iequal(name, "ClientHeight")) {
        const double w = iequal(name, "ClientWidth") ? to_double(v) : client_width_twips();
        const double h = iequal(name, "ClientHeight") ? to_double(v) : client_height_twips();
        self.set_client_size_raw(w, h);
        return true;
    }
    if (iequal(name, "ClientLeft") || iequal(name, "ClientTop")) {
        const auto [dx, dy] = self.client_offset_twips();
        if (iequal(name, "ClientLeft"))
            rect_.left = to_double(v) - dx;
        else
            rect_.top = to_double(v) - dy;
        self.normal_rect_ = rect_;
        return true;
    }
    return false;
}

void MemoryObject::set_raw_known(Prop p, const Value& v) {
    const double tx = container_tpu_x(), ty = container_tpu_y();
    switch (p) {
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
            set_line_end(p, to_double(v), tx, ty);
            break;
        case Prop::Index:
            set_index(whole_in(v, 0, 32767));
            break;
        case Prop::hWnd:
            break;  // handles are the host's
        case Prop::ScaleMode:
            scale_mode_ = whole_in(v, 0, 7);
            if (scale_mode_ != kScaleUser) break;
            set_user_scale_from(raw_scale_width_.value_or(0), raw_scale_height_.value_or(0));
            break;
        case Prop::ScaleWidth:
        case Prop::ScaleHeight:
            (p == Prop::ScaleWidth ? raw_scale_width_ : raw_scale_height_) = to_double(v);
            if (scale_mode_ == kScaleUser && to_double(v) != 0)
                p == Prop::ScaleWidth ? set_user_scale_from(to_double(v), 0)
                                      : set_user_scale_from(0, to_double(v));
            break;
        case Prop::ScaleLeft:
            scale_left_ = to_double(v);
            break;
        case Prop::ScaleTop:
            scale_top_ = to_double(v);
            break;
        case Prop::WindowState:
            as_form().initial_window_state_ = whole_in(v, 0, 2);
            break;
        case Prop::MDIChild:
            as_form().make_mdi_child(to_bool(v));
            break;
        case Prop::Visible:
            if (is_form())
                set_extra(prop_name(p), v);
            else
                set_known(p, to_bool(v));
            break;
        default:
            set_known(p, v);
            break;
    }
}

}  // namespace kv::mem
