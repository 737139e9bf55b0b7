#pragma once
// One form or control of the memory host: a record of properties keyed by class (ClassTraits)
// that behaves as the forms runtime does. Geometry is kept in twips relative to the container's
// client origin and converted to and from the container's scale units on every read and write.
// A property the class does not have raises error 438; writes take effect or fail.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/HostObject.h"
#include "engine/UserControl.h"
#include "host/common/Picture.h"
#include "host/memory/CommonNames.h"
#include "host/memory/EventHub.h"
#include "host/memory/ListItems.h"

namespace kv::mem {

class MemoryHost;
class MemoryForm;
class MemoryControlSite;
class MemoryPropertyBag;

struct RectTwips {
    double left = 0, top = 0, width = 0, height = 0;
};

// How a control's geometry maps to its container's scale: twips per unit on each axis and the
// container's ScaleLeft/ScaleTop (1, 1, 0, 0 on a form or without a scale).
struct ContainerScale {
    double tx = 1, ty = 1, ox = 0, oy = 0;
};

// The arguments of one write (at most four: Move's), held in place so that recording a write
// costs no allocation.
class WriteArgs {
  public:
    WriteArgs() = default;
    WriteArgs(std::initializer_list<Value> values) {
        for (const Value& v : values) push_back(v);
    }
    void push_back(const Value& v) {
        if (size_ < values_.size()) values_[size_++] = v;
    }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const Value& operator[](size_t i) const { return values_[i]; }
    const Value* begin() const { return values_.data(); }
    const Value* end() const { return values_.data() + size_; }

  private:
    std::array<Value, 4> values_{};
    size_t size_ = 0;
};

// One host write, for tests that count writes: a property name (or "Move") and its arguments.
struct WriteRecord {
    std::string what;
    WriteArgs args;
};

// The write log keeps the latest writes only: a long run must not grow without bound.
inline constexpr size_t kWriteLogLimit = 256;

// Objects start a cache line: what a resize pass reads of each (see the fields) fits in two. A
// form's controls come from the form's pool, one after another in creation order.
class alignas(64) MemoryObject : public HostObject,
                                 public std::enable_shared_from_this<MemoryObject> {
  public:
    // Objects are made by MemoryHost::create_form and MemoryForm::add_control.
    MemoryObject(std::weak_ptr<MemoryHost> host, std::string class_name, ClassTraits traits);
    ~MemoryObject() override;
    MemoryObject(const MemoryObject&) = delete;
    MemoryObject& operator=(const MemoryObject&) = delete;

    // --- HostObject ---
    Value get(Prop p) override;
    void set(Prop p, const Value& v) override;
    Value get(std::string_view name) override;
    void set(std::string_view name, const Value& v) override;
    // Answers the tolerated failures (a property the class lacks, Index outside an array)
    // without throwing.
    std::optional<Value> try_get(Prop p) override;
    // get(name) for a caller that tolerates a property the object lacks: no error is raised.
    std::optional<Value> try_get(std::string_view name);
    double get_number(Prop p) override;
    bool try_get_number(Prop p, double& out) override;
    uint32_t try_get_numbers(std::span<const Prop> props, double* out) override;
    void move(double left, std::optional<double> top = std::nullopt,
              std::optional<double> width = std::nullopt,
              std::optional<double> height = std::nullopt) override;
    ObjectRef container() override;
    ObjectRef try_container() override;  // without throwing
    bool contained_in(const HostObject& candidate) override;
    ObjectRef parent() override;
    std::string type_name() override;
    bool is_type(std::string_view name) override { return class_name_ == name; }
    double scale_x(double value, int from_mode, int to_mode) override;
    double scale_y(double value, int from_mode, int to_mode) override;
    std::shared_ptr<ControlCollection> controls() override;
    ObjectRef active_form() override;
    void zorder(int position) override;
    void refresh() override;
    std::unique_ptr<EventConnection> hook_events(EventSink& sink) override;
    // The controls of pages (MemoryObjectControls.cpp).
    Value get_item(std::string_view name, int index) override;
    void set_item(std::string_view name, int index, const Value& v) override;
    void add_item(const std::string& item, std::optional<int> index = std::nullopt) override;
    void remove_item(int index) override;
    void clear_items() override;
    void set_focus() override;

    // --- memory host API ---
    const std::string& class_name() const { return class_name_; }
    const ClassTraits& traits() const { return traits_; }
    bool is_form() const { return traits_.is_form; }
    // The form this object is (error 91 when it is not one): the only way down to MemoryForm.
    MemoryForm& as_form() {
        if (!form_self_) not_a_form();
        return *form_self_;
    }
    const MemoryForm& as_form() const {
        if (!form_self_) not_a_form();
        return *form_self_;
    }
    std::string name() const;
    std::optional<int> index() const { return index_; }  // set when the control is in an array
    void set_index(std::optional<int> index);
    // The form the object sits on (itself for a form); nullptr once removed.
    std::shared_ptr<MemoryForm> form() const;
    // The same without taking a reference; up the containers, which a pass has at hand.
    const MemoryForm* owner_form() const {
        if (!alive_) return nullptr;
        const MemoryObject* o = this;
        while (!o->traits_.is_form && o->container_ptr_) o = o->container_ptr_;
        return o->traits_.is_form ? o->form_self_ : form_ptr_;
    }
    // The direct container (nullptr for a form).
    std::shared_ptr<MemoryObject> container_object() const { return container_.lock(); }
    // The same without taking a reference (valid while the object is).
    const MemoryObject* holder() const { return live_container(); }
    // Direct children in creation order (containers only).
    std::vector<std::shared_ptr<MemoryObject>> children() const;
    std::shared_ptr<MemoryHost> host() const;    // error 91 when the host is gone
    WindowHandle hwnd() const { return hwnd_; }  // 0 for windowless objects
    bool alive() const { return alive_; }        // false once removed or closed
    // The record a host that shows the object keeps of it (the Qt host's widget record), so
    // that its sync finds it without a search. The host sets it, and clears it before the record
    // goes.
    void* host_view() const { return host_view_; }
    void set_host_view(void* view) { host_view_ = view; }

    // Geometry in twips: a control's rectangle relative to its container's client origin, a
    // form's outer rectangle on the screen (or in the MDI client area).
    RectTwips rect_twips() const { return rect_; }
    // The value a property has until it is set: the class's default.
    Value default_of(Prop p) const;
    // A line's end points in twips relative to its container's client origin: x1, y1, x2, y2.
    std::array<double, 4> line_ends_twips() const { return {x1_, y1_, x2_, y2_}; }
    // Set the rectangle in twips with the host's rules (snapping, layout, events).
    void set_rect_twips(const RectTwips& r);
    // The inner (scale) area in twips: a form's client area, a picture box inside its border, a
    // frame's whole area; 0 x 0 for objects that hold nothing.
    double client_width_twips() const;
    double client_height_twips() const;
    void client_size_twips(double& width, double& height) const;  // both at once
    // The client origin of this object in its form's client coordinates, in twips.
    double client_origin_x_twips() const;
    double client_origin_y_twips() const;
    // Where the inner area starts from the object's own corner (a picture box's border), twips.
    std::pair<double, double> inner_offset_twips() const {
        return {border_twips_x(), border_twips_y()};
    }
    // Twips per scale unit of this container on each axis (ScaleMode, or the user scale).
    double twips_per_scale_unit_x() const;
    double twips_per_scale_unit_y() const;

    // Store a value as it stands, bypassing the host's rules (no 438, no snapping, no layout, no
    // events, not logged): the form-file loader's way in. Geometry is in the container's units.
    void set_raw(std::string_view name, const Value& v);
    // The height a class of fixed height (a combo box: 21 pixels) keeps, for a control whose
    // widget decides it (an application's own combo box keeps its size hint's height).
    void set_fixed_height_twips(double twips) { fixed_height_twips_ = twips; }
    // Properties kept by name only (anything the host does not model), in first-write order.
    const std::vector<std::pair<std::string, Value>>& extra_properties() const { return extra_; }
    // Pictures the form file gave the object (Picture, Icon, TabPicture(1), ...), by property
    // name; nullptr for a property without one. A picture is kept as stored, decoded by whoever
    // paints it.
    void set_picture(std::string_view name, std::shared_ptr<const host::Picture> picture);
    std::shared_ptr<const host::Picture> picture(std::string_view name) const;
    const std::vector<std::pair<std::string, std::shared_ptr<const host::Picture>>>& pictures()
        const {
        return pictures_;
    }

    // The latest writes (up to kWriteLogLimit), oldest first.
    const std::vector<WriteRecord>& write_log() const { return write_log_; }
    void clear_write_log() { write_log_.clear(); }

    EventHub& events() { return events_; }
    // --- controls that a hand works: lists, values, focus ---
    // The entries of a ListBox or ComboBox (nullptr for other classes).
    ListItems* list_items();
    bool is_list() const { return class_name_ == "ListBox" || class_name_ == "ComboBox"; }
    // A ListBox's MultiSelect: 0 one entry, 1 simple (a click toggles), 2 extended.
    int multi_select_mode() const;
    bool multi_select() const { return multi_select_mode() != 0; }
    // Enabled and Visible, up to the form (Visible of the form itself is not asked).
    bool enabled_and_shown() const;
    // Could the focus go here: a windowed control other than a frame, enabled and shown.
    bool can_focus() const;
    void raise_click();
    void raise_dbl_click();
    void raise_change();
    size_t hook_count() const { return events_.size(); }

    // --- user controls (the object is then the control's extender) ---
    std::shared_ptr<UserControl> user_control() const { return user_control_; }
    MemoryControlSite* site() const { return site_.get(); }
    // Raise WriteProperties into a fresh bag and return it (error 438 without a user control).
    std::shared_ptr<MemoryPropertyBag> write_properties();

  protected:
    friend class MemoryForm;
    friend class MemoryHost;
    friend class MemoryControlCollection;
    friend struct ChangeJournalAccess;

    // --- internals shared by the geometry, property and form code ---
    Value read(Prop p);  // get(p) once the class is known to have p
    // Geometry and scale (Left .. Y2, ScaleWidth, ScaleHeight) into `out`; false for others.
    bool read_geometry(Prop p, double& out) const;
    // Left .. Y2 in the container's units given its scale.
    double geometry_in(Prop p, const ContainerScale& s) const;
    // ScaleWidth and ScaleHeight of a container, alone and together.
    double scale_width() const;
    double scale_height() const;
    void scale_size(double& width, double& height) const;
    Value get_known(Prop p);
    void set_known(Prop p, Value v);
    Value get_extra(std::string_view name) const;
    // By-name properties that behave (Value, ListIndex, ListCount, a combo box's Text): true
    // when `name` is one of them for this class.
    bool get_control_value(std::string_view name, Value& out);
    bool set_control_value(std::string_view name, const Value& v);
    void set_option_value(bool on);
    void set_extra(std::string_view name, const Value& v);
    bool has_extra(std::string_view name) const;
    [[noreturn]] static void no_such_property();
    [[noreturn]] static void not_a_form();
    // A whole number from lo to hi (halves to even), else error 380 (6 past 32 bits).
    static int whole_in(const Value& v, int lo, int hi);
    // The steps of set(Prop): geometry (Left .. Y2), the scale (true when p is one of its
    // properties), the plain properties.
    void set_geometry(Prop p, const Value& v);
    bool set_scale(Prop p, const Value& v);
    void set_plain(Prop p, const Value& v);
    // The steps of set_raw: a form's client area (true when `name` is one of its four), the
    // properties the host models.
    bool set_raw_client(std::string_view name, const Value& v);
    void set_raw_known(Prop p, const Value& v);
    // Does the object have property `p`? (the class's traits, worked out once)
    bool has(Prop p) const { return (props_ >> static_cast<unsigned>(p)) & 1u; }
    // Are writes being logged? Callers build the record only then.
    bool logs_writes() const;
    void log_write(std::string_view what, const WriteArgs& args);

    // Geometry in the container's units <-> twips.
    double container_tpu_x() const;
    double container_tpu_y() const;
    double container_origin_x() const;       // ScaleLeft of the container (0 for non-scaled)
    double container_origin_y() const;       // ScaleTop likewise
    ContainerScale container_scale() const;  // the four above at once
    // A line's end point, given in the container's units (tx, ty: twips per unit).
    void set_line_end(Prop p, double value, double tx, double ty);
    double scale_convert(double value, int from_mode, int to_mode, bool x_axis) const;
    // Apply a rectangle: class rules (integral height, fixed height), alignment, events.
    virtual void apply_rect(RectTwips r, bool by_host_layout = false);
    // Raised after this object's size changed (forms: Resize, user controls: UserControl_Resize,
    // aligned bars: layout of the form).
    virtual void on_size_changed();
    void snap_height(RectTwips& r) const;
    double list_line_twips() const;
    double list_border_twips() const;
    int border_pixels() const;      // a picture box's border on each side
    double border_twips_x() const;  // the same in twips
    double border_twips_y() const;
    void set_user_scale_from(double scale_width, double scale_height);
    void mark_dead();
    // Drop the user control and its site (after UserControl_Terminate): they may hold the form.
    void release_user_control();

    // Hot-path access without weak-pointer locks. While alive_, the host, the form and the
    // container outlive this object: removing a container removes (kills) what it holds, a form
    // kills its controls when it goes, and the host kills every open form before it goes. Once
    // dead, the weak pointers are used instead.
    double tpp_x() const;  // the host's twips per pixel
    double tpp_y() const;
    double scale_unit_twips(bool x_axis) const;  // twips per unit of a scale mode in pixels etc.
    const MemoryObject* live_container() const;
    bool menu_shown() const;  // a Menu's Visible (menus count for the form's menu bar)

    // What a resize pass touches of every control comes first, in as few cache lines as the
    // fields allow (a pass over 100 000 controls cannot keep them all in the cache): the
    // properties and class rules, the links while alive, the rectangle, the user control.
    uint64_t props_ = 0;  // bit p: has(p)
    ClassTraits traits_;
    bool alive_ = true;
    bool is_menu_ = false;
    bool is_picture_box_ = false;
    int8_t scale_mode_ = kScaleTwips;  // 0 .. 7
    // What the form's journals noted of the object since they last looked (ChangeJournal): a
    // pass that moves the control notes it.
    uint32_t journal_marks_ = 0;
    void* host_view_ = nullptr;
    MemoryObject* container_ptr_ = nullptr;  // controls only
    MemoryHost* host_ptr_ = nullptr;         // see live_container()
    RectTwips rect_;
    std::shared_ptr<UserControl> user_control_;
    // The scale of a container, read by every control inside it.
    double scale_left_ = 0, scale_top_ = 0;
    double user_tpu_x_ = 1, user_tpu_y_ = 1;  // twips per unit of the user scale
    MemoryForm* form_ptr_ = nullptr;          // controls only
    // BorderStyle once set, as a number (NaN for a text that is no number: readers then take the
    // slow way, which fails as it always did); the frame and the borders read it on every pass.
    std::optional<double> border_style_number_;

    std::weak_ptr<MemoryHost> host_;
    std::string class_name_;
    std::weak_ptr<MemoryForm> form_;
    std::weak_ptr<MemoryObject> container_;
    MemoryForm* form_self_ = nullptr;  // set by a form for itself (as_form)
    uint64_t seq_ = 0;                 // creation order on the form
    // The controls made inside this container while they are on the form, in creation order:
    // removing a control finds what it holds without looking at every control of the form.
    std::vector<MemoryObject*> held_;
    std::string index_key_;  // folded name the form indexes this control under; "" = none
    std::optional<int> index_;
    WindowHandle hwnd_ = 0;

    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;  // line ends, twips
    std::optional<double> fixed_height_twips_;
    // A form file's ScaleWidth/ScaleHeight, applied once the scale mode is the user scale.
    std::optional<double> raw_scale_width_, raw_scale_height_;
    std::vector<std::pair<Prop, Value>> known_;  // plain properties set so far
    uint64_t known_props_ = 0;                   // bit p: p is in known_ (most reads miss)
    std::vector<std::pair<std::string, Value>> extra_;
    std::vector<std::pair<std::string, std::shared_ptr<const host::Picture>>> pictures_;
    std::vector<WriteRecord> write_log_;
    EventHub events_;

    std::unique_ptr<MemoryControlSite> site_;
    std::unique_ptr<ListItems> list_;  // lists only, made on first use
};

// --- the scale of every geometry read and write, kept inline for the resize pass ---

inline const MemoryObject* MemoryObject::live_container() const {
    if (alive_) return container_ptr_;
    // A dead object's container lives on only while someone else holds it.
    return container_.lock().get();
}

inline double MemoryObject::twips_per_scale_unit_x() const {
    if (!traits_.scale || traits_.is_mdi_form || scale_mode_ == kScaleTwips) return 1;
    if (scale_mode_ == kScaleUser) return user_tpu_x_;
    return scale_unit_twips(true);
}

inline double MemoryObject::twips_per_scale_unit_y() const {
    if (!traits_.scale || traits_.is_mdi_form || scale_mode_ == kScaleTwips) return 1;
    if (scale_mode_ == kScaleUser) return user_tpu_y_;
    return scale_unit_twips(false);
}

inline double MemoryObject::container_tpu_x() const {
    const MemoryObject* c = live_container();
    return (c && !is_form()) ? c->twips_per_scale_unit_x() : 1;
}

inline double MemoryObject::container_tpu_y() const {
    const MemoryObject* c = live_container();
    return (c && !is_form()) ? c->twips_per_scale_unit_y() : 1;
}

inline double MemoryObject::container_origin_x() const {
    const MemoryObject* c = live_container();
    return (c && !is_form() && c->traits_.scale) ? c->scale_left_ : 0;
}

inline double MemoryObject::container_origin_y() const {
    const MemoryObject* c = live_container();
    return (c && !is_form() && c->traits_.scale) ? c->scale_top_ : 0;
}

inline ContainerScale MemoryObject::container_scale() const {
    const MemoryObject* c = live_container();
    if (!c || is_form()) return {};
    const bool origin = c->traits_.scale;
    return {c->twips_per_scale_unit_x(), c->twips_per_scale_unit_y(), origin ? c->scale_left_ : 0,
            origin ? c->scale_top_ : 0};
}

}  // namespace kv::mem
