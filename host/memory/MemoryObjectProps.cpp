// Properties of forms and controls by id and by name.
#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/Error.h"
#include "engine/Numbers.h"
#include "host/common/ClassTraits.h"
#include "host/common/FlexGridLook.h"
#include "host/memory/ChangeJournal.h"
#include "host/memory/CommonNames.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryObject.h"

namespace kv::mem {

namespace {
// Twips in a scale's units. Twips themselves (1 per unit) need no division: x / 1 is x.
double in_units(double twips, double twips_per_unit) {
    return twips_per_unit == 1 ? twips : twips / twips_per_unit;
}

constexpr uint64_t bit(Prop p) {
    return uint64_t{1} << static_cast<unsigned>(p);
}

Error invalid_value() {
    return Error(380, "Invalid property value");
}
Error read_only() {
    return Error(383, "'Property' is read-only");
}
Error not_at_run_time() {
    return Error(382, "'Property' cannot be set at run time");
}

constexpr double kButtonFace = -2147483633.0;  // &H8000000F
constexpr double kWindowBack = -2147483643.0;  // &H80000005
constexpr double kWindowText = -2147483640.0;  // &H80000008

// By-name properties the host knows beyond the ids, with the classes that have them.
struct NamedDefault {
    std::string_view name;
    Value value;
    bool (*has)(const MemoryObject&);
};

bool any(const MemoryObject&) {
    return true;
}
bool enabled_holder(const MemoryObject& o) {
    return o.class_name() != "Line" && o.class_name() != "Shape";
}
bool timer(const MemoryObject& o) {
    return o.class_name() == "Timer";
}
bool list(const MemoryObject& o) {
    return o.traits().integral_height;
}
bool text_holder(const MemoryObject& o) {
    return o.class_name() == "TextBox" || o.class_name() == "ComboBox";
}
bool font_holder(const MemoryObject& o) {
    return o.traits().font;
}

const std::vector<NamedDefault>& named_defaults() {
    static const std::vector<NamedDefault> k = {
        {"Enabled", Value(true), enabled_holder},
        {"Interval", Value(0.0), timer},
        {"IntegralHeight", Value(true), list},
        {"Text", Value(std::string()), text_holder},
        {"FontName", Value(std::string("MS Sans Serif")), font_holder},
        {"FontBold", Value(false), font_holder},
        {"FontItalic", Value(false), font_holder},
        {"ForeColor", Value(kWindowText), font_holder},
        {"WhatsThisHelpID", Value(0.0), any},
    };
    return k;
}

const NamedDefault* named_default(std::string_view name) {
    for (const auto& d : named_defaults())
        if (iequal(d.name, name)) return &d;
    return nullptr;
}

}  // namespace

Value MemoryObject::default_of(Prop p) const {
    switch (p) {
        case Prop::Visible:
            return Value(true);
        case Prop::Tag:
        case Prop::ToolTipText:
        case Prop::Caption:
            return Value(std::string());
        case Prop::FontSize:
            return Value(8.25);
        case Prop::TabStop:
            return Value(true);
        case Prop::BackColor: {
            // Another library's combo box or list is white as the runtime's it looks like.
            const std::string_view like = host::looks_as(class_name_);
            return Value((like == "TextBox" || like == "ListBox" || like == "ComboBox" ||
                          class_name_ == "ListView" || class_name_ == "TreeView" ||
                          class_name_ == "RichTextBox" || class_name_ == "MaskEdBox" ||
                          host::FlexGridLook::candidate(class_name_))
                             ? kWindowBack
                             : kButtonFace);
        }
        case Prop::BorderStyle:
            if (is_form()) return Value(2.0);
            return Value((class_name_ == "TextBox" || class_name_ == "PictureBox" ||
                          class_name_ == "Frame" || class_name_ == "Shape" || class_name_ == "Line")
                             ? 1.0
                             : 0.0);
        case Prop::StartUpPosition:
            return Value(3.0);
        default:
            return Value(0.0);
    }
}

Value MemoryObject::get_known(Prop p) {
    if (!((known_props_ >> static_cast<unsigned>(p)) & 1u)) return default_of(p);
    for (const auto& [k, v] : known_)
        if (k == p) return v;
    return default_of(p);
}

void MemoryObject::set_known(Prop p, Value v) {
    // The form keeps a name index and a count of shown menus: tell it of changes to either.
    const bool tracked = alive_ && form_ptr_ && !is_form();
    const bool reindex = tracked && p == Prop::Name && !index_key_.empty();
    const bool menu = tracked && is_menu_ && p == Prop::Visible;
    const bool was_shown = menu && menu_shown();
    if (reindex) form_ptr_->unindex_control(this);
    note_change(*this);
    if (p == Prop::BorderStyle) {
        try {
            border_style_number_ = to_double(v);
        } catch (const Error&) {
            border_style_number_ = std::numeric_limits<double>::quiet_NaN();
        }
    }
    auto it =
        std::find_if(known_.begin(), known_.end(), [p](const auto& e) { return e.first == p; });
    if (it != known_.end())
        it->second = std::move(v);
    else
        known_.emplace_back(p, std::move(v));
    const uint64_t bit = uint64_t{1} << static_cast<unsigned>(p);
    const bool first_align = tracked && p == Prop::Align && traits_.align && !(known_props_ & bit);
    known_props_ |= bit;
    if (first_align) form_ptr_->align_set(this);
    if (reindex) form_ptr_->index_control(this);
    if (menu && was_shown != menu_shown()) form_ptr_->visible_menus_ += was_shown ? -1 : 1;
}

Value MemoryObject::get(Prop p) {
    if (!has(p)) no_such_property();
    return read(p);
}

// Geometry and scale, the numbers a resize pass reads for every control.
bool MemoryObject::read_geometry(Prop p, double& out) const {
    switch (p) {
        case Prop::Left:
        case Prop::Top:
        case Prop::Width:
        case Prop::Height:
        case Prop::X1:
        case Prop::Y1:
        case Prop::X2:
        case Prop::Y2:
            break;
        case Prop::ScaleWidth:
            out = scale_width();
            return true;
        case Prop::ScaleHeight:
            out = scale_height();
            return true;
        default:
            return false;
    }
    out = geometry_in(p, container_scale());
    return true;
}

double MemoryObject::scale_width() const {
    return in_units(client_width_twips(), twips_per_scale_unit_x());
}

double MemoryObject::scale_height() const {
    return in_units(client_height_twips(), twips_per_scale_unit_y());
}

void MemoryObject::scale_size(double& width, double& height) const {
    client_size_twips(width, height);
    width = in_units(width, twips_per_scale_unit_x());
    height = in_units(height, twips_per_scale_unit_y());
}

double MemoryObject::geometry_in(Prop p, const ContainerScale& s) const {
    switch (p) {
        case Prop::Left:
            return in_units(rect_.left, s.tx) + s.ox;
        case Prop::Top:
            return in_units(rect_.top, s.ty) + s.oy;
        case Prop::Width:
            return in_units(rect_.width, std::abs(s.tx));
        case Prop::Height:
            return in_units(rect_.height, std::abs(s.ty));
        case Prop::X1:
            return in_units(x1_, s.tx) + s.ox;
        case Prop::Y1:
            return in_units(y1_, s.ty) + s.oy;
        case Prop::X2:
            return in_units(x2_, s.tx) + s.ox;
        default:
            return in_units(y2_, s.ty) + s.oy;
    }
}

Value MemoryObject::read(Prop p) {
    if (double n = 0; read_geometry(p, n)) return n;
    switch (p) {
        case Prop::Name:
            return name();
        case Prop::Index:
            if (!index_) throw Error::standard(kErrNotAnArray);
            return static_cast<double>(*index_);
        case Prop::Visible:
            if (is_form()) return as_form().visible_;
            return get_known(p);
        case Prop::ScaleMode:
            return static_cast<double>(scale_mode_);
        case Prop::ScaleLeft:
            return scale_left_;
        case Prop::ScaleTop:
            return scale_top_;
        case Prop::WindowState:
            return static_cast<double>(as_form().window_state_);
        case Prop::MDIChild:
            return as_form().kind_ == FormKind::MDIChild;
        case Prop::hWnd:
            return static_cast<double>(hwnd_);
        default:
            return get_known(p);
    }
}

int MemoryObject::whole_in(const Value& v, int lo, int hi) {
    const int n = to_int32(to_double(v));
    if (n < lo || n > hi) throw invalid_value();
    return n;
}

// A write through the host's rules: geometry in the container's units, the scale, then the
// plain properties; each write is logged.
void MemoryObject::set(Prop p, const Value& v) {
    if (!has(p)) no_such_property();
    if (p <= Prop::Y2)  // Left .. Y2: only these need the container's scale
        set_geometry(p, v);
    else if (!set_scale(p, v))
        set_plain(p, v);
    if (logs_writes()) log_write(prop_name(p), {v});  // the record copies the value
}

void MemoryObject::set_geometry(Prop p, const Value& v) {
    const double tx = container_tpu_x(), ty = container_tpu_y();
    RectTwips r = rect_;
    switch (p) {
        case Prop::Left:
            r.left = (to_double(v) - container_origin_x()) * tx;
            break;
        case Prop::Top:
            r.top = (to_double(v) - container_origin_y()) * ty;
            break;
        case Prop::Width:
        case Prop::Height: {
            const double d = to_double(v);
            if (d < 0) throw invalid_value();
            (p == Prop::Width ? r.width : r.height) = d * std::abs(p == Prop::Width ? tx : ty);
            break;
        }
        default:  // X1 .. Y2: a line's ends
            set_line_end(p, to_double(v), tx, ty);
            return;
    }
    apply_rect(r);
}

bool MemoryObject::set_scale(Prop p, const Value& v) {
    switch (p) {
        case Prop::ScaleMode: {
            const int m = whole_in(v, 0, 7);
            if (m == kScaleUser) {
                user_tpu_x_ = twips_per_scale_unit_x();
                user_tpu_y_ = twips_per_scale_unit_y();
            } else {
                scale_left_ = scale_top_ = 0;
            }
            scale_mode_ = m;
            return true;
        }
        case Prop::ScaleWidth:
        case Prop::ScaleHeight: {
            if (traits_.is_mdi_form) throw read_only();
            const double d = to_double(v);
            if (d == 0) throw invalid_value();
            p == Prop::ScaleWidth ? set_user_scale_from(d, 0) : set_user_scale_from(0, d);
            return true;
        }
        case Prop::ScaleLeft:
        case Prop::ScaleTop:
            set_user_scale_from(0, 0);
            (p == Prop::ScaleLeft ? scale_left_ : scale_top_) = to_double(v);
            return true;
        default:
            return false;
    }
}

void MemoryObject::set_plain(Prop p, const Value& v) {
    switch (p) {
        case Prop::Name:
        case Prop::Index:
        case Prop::MDIChild:
            throw not_at_run_time();
        case Prop::hWnd:
            throw read_only();
        case Prop::Align:
            set_known(p, static_cast<double>(whole_in(v, 0, 4)));
            if (auto f = form()) f->layout_aligned();
            break;
        case Prop::Visible:
            if (is_form()) {
                auto& f = as_form();
                to_bool(v) ? f.show() : f.hide();
            } else {
                set_known(p, to_bool(v));
                if (auto f = form()) f->layout_aligned();
            }
            break;
        case Prop::FontSize: {
            const double size = to_double(v);
            if (!(size > 0) || size > 2160) throw invalid_value();
            set_known(p, size);
            if (traits_.integral_height) apply_rect(rect_);
            break;
        }
        case Prop::BorderStyle:
            set_known(p, static_cast<double>(whole_in(v, 0, is_form() ? 5 : 6)));
            if (is_form()) on_size_changed();
            // What it holds sits inside the border.
            if (traits_.container && form_ptr_) ChangeJournal::note_everything(*form_ptr_);
            break;
        case Prop::WindowState:
            as_form().set_window_state(whole_in(v, 0, 2));
            break;
        case Prop::StartUpPosition:
            set_known(p, static_cast<double>(whole_in(v, 0, 3)));
            break;
        case Prop::MousePointer:
        case Prop::TabIndex:
        case Prop::BackColor:
            set_known(p, to_double(v));
            break;
        case Prop::TabStop:
            set_known(p, to_bool(v));
            break;
        default:  // Tag, ToolTipText, Caption: kept as text
            set_known(p, std::holds_alternative<std::string>(v) ? v : Value(to_text(v)));
            break;
    }
}

std::optional<Value> MemoryObject::try_get(Prop p) {
    if (!has(p)) return std::nullopt;
    if (p == Prop::Index && !index_) return std::nullopt;
    try {
        return read(p);
    } catch (const Error&) {
        return std::nullopt;  // rarer failures (the host is gone) keep the thrown path
    }
}

double MemoryObject::get_number(Prop p) {
    if (!has(p)) no_such_property();
    if (double n = 0; read_geometry(p, n)) return n;
    return to_double(read(p));
}

bool MemoryObject::try_get_number(Prop p, double& out) {
    if (!has(p)) return false;
    if (p == Prop::Index && !index_) return false;
    try {
        if (read_geometry(p, out)) return true;
        out = to_double(read(p));
        return true;
    } catch (const Error&) {
        return false;  // the host is gone, or a text that is no number
    }
}

// The two groups a resize pass reads of every control, answered at once: a control's rectangle
// with one look at its container's scale, a container's scale size. Anything else is read one by
// one.
uint32_t MemoryObject::try_get_numbers(std::span<const Prop> props, double* out) {
    constexpr uint64_t kBox =
        bit(Prop::Left) | bit(Prop::Top) | bit(Prop::Width) | bit(Prop::Height);
    constexpr uint64_t kScale = bit(Prop::ScaleWidth) | bit(Prop::ScaleHeight);
    if (alive_ && host_ptr_) {
        if (props.size() == 4 && props[0] == Prop::Left && props[1] == Prop::Top &&
            props[2] == Prop::Width && props[3] == Prop::Height && (props_ & kBox) == kBox) {
            const ContainerScale s = container_scale();
            out[0] = in_units(rect_.left, s.tx) + s.ox;  // as geometry_in gives them
            out[1] = in_units(rect_.top, s.ty) + s.oy;
            out[2] = in_units(rect_.width, std::abs(s.tx));
            out[3] = in_units(rect_.height, std::abs(s.ty));
            return 0xf;
        }
        if (props.size() == 2 && props[0] == Prop::ScaleHeight && props[1] == Prop::ScaleWidth &&
            (props_ & kScale) == kScale) {
            scale_size(out[1], out[0]);
            return 0x3;
        }
    }
    return HostObject::try_get_numbers(props, out);
}

Value MemoryObject::get(std::string_view name) {
    if (auto p = prop_from_name(name)) return get(*p);
    if (Value v; get_control_value(name, v)) return v;
    if (has_extra(name)) return get_extra(name);
    if (const NamedDefault* d = named_default(name); d && d->has(*this)) return d->value;
    no_such_property();
}

std::optional<Value> MemoryObject::try_get(std::string_view name) {
    if (auto p = prop_from_name(name)) return try_get(*p);
    if (Value v; get_control_value(name, v)) return v;
    if (has_extra(name)) return get_extra(name);
    if (const NamedDefault* d = named_default(name); d && d->has(*this)) return d->value;
    return std::nullopt;
}

void MemoryObject::set(std::string_view name, const Value& v) {
    if (auto p = prop_from_name(name)) return set(*p, v);
    if (set_control_value(name, v)) {
        note_change(*this);
        if (logs_writes()) log_write(name, {v});
        return;
    }
    // A property the host knows belongs to other classes is missing here; anything else is kept
    // as it is (properties of other libraries' controls).
    if (const NamedDefault* d = named_default(name); d && !d->has(*this)) no_such_property();
    set_extra(name, v);
    if (logs_writes()) log_write(name, {v});
}

}  // namespace kv::mem
