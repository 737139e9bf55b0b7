// Geometry of forms and controls: twips inside, the container's scale units outside.
#include <algorithm>
#include <cmath>

#include "engine/Error.h"
#include "host/common/FormFrame.h"
#include "host/common/ScaleUnits.h"
#include "host/memory/ChangeJournal.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryObject.h"

namespace kv::mem {

namespace {
constexpr int kListBorderPixels = 4;     // 2 pixels each side (3-D border)
constexpr int kPictureBorderPixels = 2;  // each side, BorderStyle 1, 3-D
constexpr int kFlatBorderPixels = 1;     // each side, BorderStyle 1, flat

Error invalid_value() {
    return Error(380, "Invalid property value");
}
}  // namespace

// --- scale units ---

double MemoryObject::tpp_x() const {
    if (alive_ && host_ptr_) return host_ptr_->twips_per_pixel_x();
    return host()->twips_per_pixel_x();
}

double MemoryObject::tpp_y() const {
    if (alive_ && host_ptr_) return host_ptr_->twips_per_pixel_y();
    return host()->twips_per_pixel_y();
}

double MemoryObject::scale_unit_twips(bool x_axis) const {
    return twips_per_unit(scale_mode_, x_axis, x_axis ? tpp_x() : tpp_y()).value_or(1);
}

double MemoryObject::scale_convert(double value, int from_mode, int to_mode, bool x) const {
    auto tpu = [&](int mode) -> double {
        if (mode == kScaleUser) return x ? twips_per_scale_unit_x() : twips_per_scale_unit_y();
        auto t = twips_per_unit(mode, x, x ? tpp_x() : tpp_y());
        if (!t) throw Error::standard(kErrInvalidCall);
        return *t;
    };
    double from = tpu(from_mode);
    double to = tpu(to_mode);
    return value * from / to;
}

double MemoryObject::scale_x(double value, int from_mode, int to_mode) {
    if (!traits_.scale) no_such_property();
    return scale_convert(value, from_mode, to_mode, true);
}

double MemoryObject::scale_y(double value, int from_mode, int to_mode) {
    if (!traits_.scale) no_such_property();
    return scale_convert(value, from_mode, to_mode, false);
}

void MemoryObject::set_user_scale_from(double scale_width, double scale_height) {
    // Switching to the user scale keeps the current unit size on the axis not given.
    double tx = twips_per_scale_unit_x(), ty = twips_per_scale_unit_y();
    if (scale_width != 0) tx = std::max(client_width_twips(), 1.0) / scale_width;
    if (scale_height != 0) ty = std::max(client_height_twips(), 1.0) / scale_height;
    user_tpu_x_ = tx;
    user_tpu_y_ = ty;
    scale_mode_ = kScaleUser;
}

// --- inner areas ---

int MemoryObject::border_pixels() const {
    if (!is_picture_box_) return 0;
    if (border_style_number_ && std::isnan(*border_style_number_)) {
        for (const auto& [p, v] : known_)
            if (p == Prop::BorderStyle && to_double(v) == 0) return 0;
    } else if (border_style_number_ == 0.0) {
        return 0;
    }
    // A flat picture box (Appearance 0) has a single line for its border.
    const Value appearance = get_extra("Appearance");
    if (!std::holds_alternative<std::monostate>(appearance) && to_double(appearance) == 0)
        return kFlatBorderPixels;
    return kPictureBorderPixels;
}

double MemoryObject::border_twips_x() const {
    return border_pixels() * tpp_x();
}

double MemoryObject::border_twips_y() const {
    return border_pixels() * tpp_y();
}

double MemoryObject::client_width_twips() const {
    if (is_form()) {
        const auto& f = as_form();
        if (f.window_state_ == 1) return 0;
        const FrameMetrics& m = f.frame();
        return std::max(0.0, rect_.width - 2.0 * m.border_px * tpp_x());
    }
    if (!traits_.container) return 0;
    return std::max(0.0, rect_.width - 2 * border_twips_x());
}

double MemoryObject::client_height_twips() const {
    if (is_form()) {
        const auto& f = as_form();
        if (f.window_state_ == 1) return 0;
        const FrameMetrics& m = f.frame();
        int px = 2 * m.border_px + m.caption_px + (f.has_menu_bar() ? kMenuBarPixels : 0);
        return std::max(0.0, rect_.height - px * tpp_y());
    }
    if (!traits_.container) return 0;
    return std::max(0.0, rect_.height - 2 * border_twips_y());
}

void MemoryObject::client_size_twips(double& width, double& height) const {
    // The two above with one look at the frame or the border.
    if (is_form()) {
        const auto& f = as_form();
        if (f.window_state_ == 1) {
            width = height = 0;
            return;
        }
        const FrameMetrics& m = f.frame();
        const int px = 2 * m.border_px + m.caption_px + (f.has_menu_bar() ? kMenuBarPixels : 0);
        width = std::max(0.0, rect_.width - 2.0 * m.border_px * tpp_x());
        height = std::max(0.0, rect_.height - px * tpp_y());
        return;
    }
    if (!traits_.container) {
        width = height = 0;
        return;
    }
    const int border = border_pixels();
    width = std::max(0.0, rect_.width - 2 * (border * tpp_x()));
    height = std::max(0.0, rect_.height - 2 * (border * tpp_y()));
}

double MemoryObject::client_origin_x_twips() const {
    if (is_form()) return 0;
    const MemoryObject* c = live_container();
    return (c ? c->client_origin_x_twips() : 0) + rect_.left + border_twips_x();
}

double MemoryObject::client_origin_y_twips() const {
    if (is_form()) return 0;
    const MemoryObject* c = live_container();
    return (c ? c->client_origin_y_twips() : 0) + rect_.top + border_twips_y();
}

// --- class rules ---

double MemoryObject::list_line_twips() const {
    double font = 8.25;
    for (const auto& [p, v] : known_)
        if (p == Prop::FontSize) font = to_double(v);
    // A line is the font's pixel height plus two pixels of spacing (8.25 pt -> 13 px).
    return (std::ceil(font * 4.0 / 3.0 - 1e-9) + 2) * tpp_y();
}

double MemoryObject::list_border_twips() const {
    return kListBorderPixels * tpp_y();
}

void MemoryObject::snap_height(RectTwips& r) const {
    if (traits_.fixed_height) {
        // A simple combo box (Style 1) shows its list below its text, as high as it is made.
        if (class_name_ == "ComboBox") {
            const Value style = get_extra("Style");
            if (const auto* n = std::get_if<double>(&style); n && *n == 1) return;
        }
        r.height = fixed_height_twips_.value_or(host::kComboHeightPixels * tpp_y());
        return;
    }
    if (!traits_.integral_height) return;
    Value integral = get_extra("IntegralHeight");
    if (!std::holds_alternative<std::monostate>(integral) && !to_bool(integral)) return;
    double line = list_line_twips(), border = list_border_twips();
    double lines = std::floor((r.height - border) / line + 1e-9);
    r.height = std::max(1.0, lines) * line + border;
}

// --- moving ---

void MemoryObject::set_rect_twips(const RectTwips& r) {
    apply_rect(r);
}

void MemoryObject::move(double left, std::optional<double> top, std::optional<double> width,
                        std::optional<double> height) {
    if (traits_.geometry != GeometryKind::Box) no_such_property();
    if ((width && *width < 0) || (height && *height < 0)) throw invalid_value();
    const ContainerScale s = container_scale();
    RectTwips r = rect_;
    r.left = (left - s.ox) * s.tx;
    if (top) r.top = (*top - s.oy) * s.ty;
    if (width) r.width = *width * std::abs(s.tx);
    if (height) r.height = *height * std::abs(s.ty);
    apply_rect(r);
    if (logs_writes()) {
        WriteArgs args{left};
        for (const auto& o : {top, width, height})
            if (o) args.push_back(*o);
        log_write("Move", args);
    }
}

void MemoryObject::apply_rect(RectTwips r, bool by_host_layout) {
    int align = 0;
    if (traits_.align && ((known_props_ >> static_cast<unsigned>(Prop::Align)) & 1u))
        for (const auto& [p, v] : known_)
            if (p == Prop::Align) align = static_cast<int>(to_double(v));
    if (align != 0 && !by_host_layout) {
        // The host places aligned bars; only their depth (height or width) may change.
        if (align <= 2) {
            r.left = rect_.left, r.top = rect_.top, r.width = rect_.width;
        } else {
            r.left = rect_.left, r.top = rect_.top, r.height = rect_.height;
        }
    }
    if (traits_.fixed_height || traits_.integral_height) snap_height(r);
    bool resized = r.width != rect_.width || r.height != rect_.height;
    if (resized || r.left != rect_.left || r.top != rect_.top)
        note_change(*this, ChangeJournal::kPlace);
    rect_ = r;
    if (!resized) return;
    on_size_changed();
    if (align != 0 && !by_host_layout)
        if (auto f = form()) f->layout_aligned();
}

void MemoryObject::on_size_changed() {
    if (user_control_) {
        auto uc = user_control_;
        uc->UserControl_Resize();
    }
}

void MemoryObject::set_line_end(Prop p, double value, double tx, double ty) {
    note_change(*this, ChangeJournal::kPlace);
    switch (p) {
        case Prop::X1:
            x1_ = (value - container_origin_x()) * tx;
            break;
        case Prop::Y1:
            y1_ = (value - container_origin_y()) * ty;
            break;
        case Prop::X2:
            x2_ = (value - container_origin_x()) * tx;
            break;
        case Prop::Y2:
            y2_ = (value - container_origin_y()) * ty;
            break;
        default:
            break;
    }
}

}  // namespace kv::mem
