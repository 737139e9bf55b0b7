#pragma once
// A form or a control of the forms host, as the system sees it. Every read or write of a host
// object goes through here. An operation the object does not support throws kv::Error 438.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Value.h"

namespace kv {

class HostObject;
class ControlCollection;
class EventSink;
class EventConnection;
using ObjectRef = std::shared_ptr<HostObject>;
using WindowHandle = intptr_t;

// Property ids the system uses; any other property is reached by name.
enum class Prop : uint8_t {
    Left,
    Top,
    Width,
    Height,
    X1,
    Y1,
    X2,
    Y2,
    Name,
    Index,
    Align,
    Visible,
    Tag,
    FontSize,
    MousePointer,
    BackColor,
    TabIndex,
    TabStop,
    ToolTipText,
    Caption,
    BorderStyle,
    ScaleWidth,
    ScaleHeight,
    ScaleMode,
    ScaleLeft,
    ScaleTop,
    WindowState,
    MDIChild,
    hWnd,
    StartUpPosition,
    Count_  // number of ids, not a property
};

// Name of a property id ("Left", "ScaleWidth", ...) and the id of a name (case-insensitive).
std::string_view prop_name(Prop p);
std::optional<Prop> prop_from_name(std::string_view name);

// Scale modes of ScaleX/ScaleY and of a container's ScaleMode.
enum ScaleModeId : int {
    kScaleUser = 0,
    kScaleTwips = 1,
    kScalePoints = 2,
    kScalePixels = 3,
    kScaleCharacters = 4,
    kScaleInches = 5,
    kScaleMillimeters = 6,
    kScaleCentimeters = 7
};

class HostObject {
  public:
    virtual ~HostObject() = default;

    virtual Value get(Prop p) = 0;
    virtual void set(Prop p, const Value& v) = 0;
    // By name; known names go to the id overloads.
    virtual Value get(std::string_view name) = 0;
    virtual void set(std::string_view name, const Value& v) = 0;
    // get(p), or nullopt where get(p) fails. The default catches the failure; a host can answer
    // without throwing, which keeps the engine's many tolerated reads cheap.
    virtual std::optional<Value> try_get(Prop p);
    // get(p) and try_get(p) as numbers (a failed conversion: error 13, or false). A host can
    // answer its numeric properties without building a Value; the resize pass reads six for
    // every control. (The tolerated read answers through `out`: an optional<double> handed back
    // from a call costs a stall in the caller.)
    virtual double get_number(Prop p);
    virtual bool try_get_number(Prop p, double& out);
    // Several tolerated numeric reads at once: out[i] as try_get_number(props[i], out[i]) gives
    // it, bit i of the answer set where that read succeeded (at most 32). A host answers a
    // control's rectangle with one look at its container's scale, not one per value.
    virtual uint32_t try_get_numbers(std::span<const Prop> props, double* out);

    // Move(left [, top [, width [, height]]]): one call places the object; omitted values stay.
    virtual void move(double left, std::optional<double> top = std::nullopt,
                      std::optional<double> width = std::nullopt,
                      std::optional<double> height = std::nullopt) = 0;

    // The direct container (form, frame, picture box); error 438 for a form.
    virtual ObjectRef container() = 0;
    // container(), or nullptr where it fails (a form). The default catches the failure; a host
    // can answer without throwing, which keeps walks up to the form cheap.
    virtual ObjectRef try_container();
    // Is `candidate` the direct container now? (false where container() fails) It answers
    // without handing out a reference: the resize pass asks it of every control about the
    // container it recorded.
    virtual bool contained_in(const HostObject& candidate);
    // The form the object sits on; error 438 for a form.
    virtual ObjectRef parent() = 0;
    // The class name: "Form", "MDIForm", "TextBox", "Frame", "PictureBox", "CommandButton", ...
    virtual std::string type_name() = 0;
    // type_name() == name, without making the text (the resize pass asks every container).
    virtual bool is_type(std::string_view name) { return type_name() == name; }

    // Unit conversion between scale modes; error 438 for objects without a scale (a frame).
    virtual double scale_x(double value, int from_mode, int to_mode) = 0;
    virtual double scale_y(double value, int from_mode, int to_mode) = 0;

    // Forms only (error 438 elsewhere): the Controls collection, the same object on every call.
    virtual std::shared_ptr<ControlCollection> controls() = 0;
    // MDI parent forms only: the active child form (nullptr when none).
    virtual ObjectRef active_form() = 0;

    virtual void zorder(int position) = 0;
    virtual void refresh() = 0;

    // Deliver this object's events (form load/paint/resize/unload, mouse, keys) to the sink
    // until the returned connection is destroyed. The sink must outlive the connection.
    virtual std::unique_ptr<EventConnection> hook_events(EventSink& sink) = 0;

    // --- what the controls of a property page offer (the defaults raise error 438) ---
    // By name, besides the plain properties: Value (CheckBox 0/1/2, OptionButton Boolean; an
    // option turned on turns off the other options of its container; a change raises Click),
    // Enabled, Style (1: a graphical option or check box), Picture (the name of a picture, a
    // text; "" for none), Appearance, MultiSelect (ListBox: 0, 1 simple, 2 extended), ListCount,
    // ListIndex (a change raises Click), Text (a change raises Change), KeyPreview (the page).
    // Indexed properties: List(i) and Selected(i) of list and combo boxes (0-based; error 381
    // outside the list).
    virtual Value get_item(std::string_view name, int index);
    virtual void set_item(std::string_view name, int index, const Value& v);
    // AddItem (at the end, or before `index`), RemoveItem, Clear of list and combo boxes.
    virtual void add_item(const std::string& item, std::optional<int> index = std::nullopt);
    virtual void remove_item(int index);
    virtual void clear_items();
    // SetFocus: error 5 when the object cannot take the focus now (hidden or disabled).
    virtual void set_focus();
};

// A form's Controls collection, in its fixed enumeration order.
class ControlCollection {
  public:
    virtual ~ControlCollection() = default;
    virtual size_t count() = 0;
    virtual ObjectRef item(size_t i) = 0;  // 0-based, in enumeration order
    // The controls that may have property `p`, in enumeration order: every control but those
    // the host knows lack it (by default every control). A read of p tells for each one.
    virtual std::vector<ObjectRef> having(Prop p);
    // Controls(name): the control, or the first element of an array; error 730 when none.
    virtual ObjectRef find(std::string_view name) = 0;
    // find(name), or nullptr where it fails. The default catches the failure; a host can answer
    // without throwing (a page asks for each shadow before it makes it).
    virtual ObjectRef try_find(std::string_view name);
    // Controls(name)(index): error 730 when no such name, 340 when the element does not exist,
    // 343 when the name is not an array.
    virtual ObjectRef find(std::string_view name, int index) = 0;
    // Controls.Add("VB.PictureBox" | "VB.Line", name [, container]).
    virtual ObjectRef add(std::string_view class_id, std::string_view name,
                          const ObjectRef& container = nullptr) = 0;
    virtual void remove(std::string_view name) = 0;
    // Load name(index): a new element of an existing control array, made like its lowest
    // element (class, container, properties) but invisible. Error 360 when the element exists,
    // 343 when the name is no array, 730 when there is no such name; the default raises 438.
    virtual ObjectRef load(std::string_view name, int index);
    // Controls.Add of the first element of a new control array name(index), as a page's layout
    // holds it. Error 360 when the name is taken; the default raises 438.
    virtual ObjectRef add_array(std::string_view class_id, std::string_view name, int index,
                                const ObjectRef& container = nullptr);
};

// Events the host delivers to a hooked sink. Defaults ignore the event.
class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void on_load() {}
    virtual void on_paint() {}
    virtual void on_resize() {}
    virtual void on_query_unload(int& /*cancel*/, int /*unload_mode*/) {}
    virtual void on_unload(int& /*cancel*/) {}
    virtual void on_mouse_down(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
    virtual void on_mouse_move(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
    virtual void on_mouse_up(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
    virtual void on_key_down(int /*key_code*/, int /*shift*/) {}
    // The controls of property pages.
    virtual void on_click() {}
    virtual void on_dbl_click() {}
    virtual void on_change() {}
    virtual void on_got_focus() {}
    virtual void on_lost_focus() {}
};

// Unhooks its sink when destroyed.
class EventConnection {
  public:
    virtual ~EventConnection() = default;
};

inline bool same_object(const ObjectRef& a, const ObjectRef& b) {
    return a && a.get() == b.get();
}

}  // namespace kv
