#pragma once
// A form of the memory host: an ordinary form, an MDI parent form, or an MDI child inside the
// host's MDI parent. It owns its controls (creation order = the Controls enumeration order),
// lays out aligned bars, and runs the form's life: load, show, resize, paint, close.
//
// Sizes: Left/Top/Width/Height are the outer rectangle in twips; the client area (ScaleWidth,
// ScaleHeight in the form's scale units) is the outer size less the frame of FormFrame.h.
// WindowState 2 fills the screen (1920 x 1080 pixels, or an MDI child fills its parent's client
// area), 1 leaves a 0 x 0 client area, 0 brings back the last normal rectangle.
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/BlockPool.h"
#include "engine/Host.h"
#include "host/common/FormFrame.h"
#include "host/memory/MemoryObject.h"

namespace kv::mem {

class MemoryControlCollection;

enum class FormKind { Form, MDIForm, MDIChild };

class MemoryForm : public MemoryObject {
  public:
    MemoryForm(std::weak_ptr<MemoryHost> host, std::string name, FormKind kind);
    ~MemoryForm() override;

    FormKind kind() const { return kind_; }
    // 0..5 (an MDI parent form: 2)
    int border_style() const {
        if (traits_.is_mdi_form || !border_style_number_) return 2;
        if (!std::isnan(*border_style_number_)) return static_cast<int>(*border_style_number_);
        return border_style_as_set();
    }
    // frame_metrics(border_style()), kept until it changes (every container's inner size asks)
    const FrameMetrics& frame() const {
        const int style = border_style();
        if (style != frame_style_) {
            frame_ = frame_metrics(style);
            frame_style_ = style;
        }
        return frame_;
    }

    // --- building the form ---
    // A control of `class_name` ("TextBox", "PictureBox", "Line", any other name as a generic
    // control). Visible, in twips 0,0,0,0 (use move/set_raw). `container` must be a container
    // on this form (default: the form). `index` makes it an element of a control array.
    std::shared_ptr<MemoryObject> add_control(
        std::string class_name, std::string name,
        const std::shared_ptr<MemoryObject>& container = nullptr,
        std::optional<int> index = std::nullopt);
    // A user control registered with MemoryHost::register_user_control ("Lib.Class"): creates the
    // extender (type name = the class part), raises UserControl_Initialize, then InitProperties
    // (bag == nullptr: a new control) or ReadProperties(bag).
    std::shared_ptr<MemoryObject> add_user_control(
        const std::string& class_id, std::string name,
        const std::shared_ptr<MemoryObject>& container = nullptr, MemoryPropertyBag* bag = nullptr,
        std::optional<int> index = std::nullopt);
    // Remove a control and everything inside it (user controls get UserControl_Terminate).
    void remove_control(const std::shared_ptr<MemoryObject>& control);
    // The control with this name (and index), nullptr when none.
    std::shared_ptr<MemoryObject> control(std::string_view name,
                                          std::optional<int> index = std::nullopt) const;
    const std::vector<std::shared_ptr<MemoryObject>>& all_controls() const { return controls_; }
    // The controls that support Align, in the order of all_controls().
    const std::vector<MemoryObject*>& aligning_controls() const { return aligning_; }
    std::shared_ptr<MemoryControlCollection> control_collection();

    // Set the outer size from a client size in twips (a form file's ClientWidth/ClientHeight).
    void set_client_size(double width_twips, double height_twips);
    // Where aligned bars leave room: the client area less the bars, in twips.
    RectTwips free_client_area() const;
    // Lay out the aligned bars now (the host does it on every size change).
    void layout_aligned();

    // --- life and events ---
    // The form's own code that runs on Load before the hooked sinks hear of it.
    void set_load_code(std::function<void(MemoryForm&)> code) { load_code_ = std::move(code); }
    void load();  // once; later calls do nothing
    // Load if needed, make visible, apply StartUpPosition the first time, raise Resize, Paint.
    void show();
    void hide();
    void paint();
    // The user drags the border to this outer size (twips): message 36 through the window's
    // current procedure, then the size clamped to the track limits it answered.
    void user_resize(double width_twips, double height_twips);
    void set_window_state(int state);
    // A real window system maximised the window at this outer size (twips), not at the screen's
    // work area this host counts with: the maximised form takes it.
    void maximized_at(double width_twips, double height_twips);
    // The window's tracking limits in pixels: the window system's defaults, then message 36
    // through the window's current procedure.
    MinMaxInfo track_limits();
    // The window system's defaults alone (before message 36).
    MinMaxInfo default_track_limits();
    int window_state() const { return window_state_; }
    // QueryUnload(cancel, unload_mode) then Unload; true when the form is gone.
    bool close(int unload_mode = 0);
    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }
    bool closed() const { return !alive_; }
    int resize_count() const { return resize_count_; }

    // Mouse and keys on `target` (this form or one of its controls), coordinates in the target's
    // scale units. While a window has the mouse captured, mouse events go to its object instead
    // (coordinates converted to its units).
    void mouse_down(const ObjectRef& target, int button, int shift, double x, double y);
    void mouse_move(const ObjectRef& target, int button, int shift, double x, double y);
    void mouse_up(const ObjectRef& target, int button, int shift, double x, double y);
    void key_down(const ObjectRef& target, int key_code, int shift);

    // --- focus (MemoryFormFocus.cpp) ---
    std::shared_ptr<MemoryObject> focused() const { return focused_.lock(); }
    // LostFocus on the control that had the focus, then GotFocus on `to` (nullptr: none).
    void move_focus(const std::shared_ptr<MemoryObject>& to);
    // The controls the Tab key visits: those that can take the focus and have TabStop, by
    // TabIndex, ties in creation order.
    std::vector<std::shared_ptr<MemoryObject>> tab_order() const;
    // The first of tab_order() (nullptr when there is none).
    std::shared_ptr<MemoryObject> first_tab_stop() const;
    // Each label beside the control its access key (the underlined letter of "&Name:") takes the
    // focus to: the next control by TabIndex that can take the focus, from the first again past
    // the last. Labels after which no control can take the focus are left out.
    // `passed_over` names controls that take no focus whatever they say (a Qt form's hidden
    // resizer).
    std::vector<std::pair<std::shared_ptr<MemoryObject>, std::shared_ptr<MemoryObject>>>
    label_targets(const std::function<bool(const MemoryObject&)>& passed_over = {}) const;
    // The Tab key: the focus goes to the next (Shift: previous) control of the tab order.
    void tab(bool backwards = false);

    // --- MDI ---
    std::shared_ptr<MemoryForm> mdi_parent() const { return mdi_parent_.lock(); }
    std::vector<std::shared_ptr<MemoryForm>> mdi_children() const;
    void set_active_form(const std::shared_ptr<MemoryForm>& child);

  protected:
    friend class MemoryHost;
    friend class MemoryObject;
    friend class MemoryControlCollection;
    friend class MemoryFormCopy;

    void apply_rect(RectTwips r, bool by_host_layout = false) override;
    void on_size_changed() override;
    void raise_resize();
    void set_client_size_raw(double width_twips, double height_twips);
    // The client origin's offset from the outer top-left corner, in twips (border, caption, menu).
    std::pair<double, double> client_offset_twips() const;
    void make_mdi_child(bool on);
    RectTwips maximized_rect();  // the outer rectangle of WindowState 2
    // `name_checked`: the caller knows the name (and index) is free, as a copy of a form does.
    std::shared_ptr<MemoryObject> make_control(std::string class_name, std::string name,
                                               const std::shared_ptr<MemoryObject>& container,
                                               std::optional<int> index, bool aligns,
                                               bool name_checked = false);
    void apply_startup_position();
    // The form is gone: controls terminated, windows destroyed, hooks released. `release_user`
    // also drops the user controls (the host is going: nobody may keep them alive through the
    // form they hold).
    void destroy(bool release_user = false);
    bool has_menu_bar() const { return kind_ != FormKind::MDIChild && visible_menus_ > 0; }
    // Name index: controls by folded name, kept up to date on add, remove, rename, re-index.
    int border_style_as_set() const;  // a BorderStyle set as a text
    void index_control(MemoryObject* c);
    void unindex_control(MemoryObject* c);
    // A control leaves the form (removed or killed): index, menu count, bar list.
    void forget_control(MemoryObject* c);
    // A control whose Align is set for the first time joins the lists of controls that may be
    // aligned: one whose Align was never set is not, and passes need not look at it.
    void align_set(MemoryObject* c);
    void fire_mouse(const ObjectRef& target, int kind, int button, int shift, double x, double y);

    FormKind kind_;
    std::weak_ptr<MemoryObject> focused_;
    std::vector<std::shared_ptr<MemoryObject>> controls_;
    std::shared_ptr<MemoryControlCollection> collection_;
    std::weak_ptr<MemoryForm> mdi_parent_;
    std::weak_ptr<MemoryForm> active_child_;
    std::function<void(MemoryForm&)> load_code_;
    bool loaded_ = false;
    bool loading_ = false;
    bool visible_ = false;
    bool shown_once_ = false;
    mutable FrameMetrics frame_;
    mutable int frame_style_ = -1;  // the border style frame_ is for
    int window_state_ = 0;
    std::optional<int> initial_window_state_;  // from the form file, applied on load
    RectTwips normal_rect_;
    int resize_count_ = 0;
    bool in_layout_ = false;
    bool tearing_down_ = false;

    struct NameSlot {
        std::vector<MemoryObject*> members;  // creation order
        std::unordered_map<int, MemoryObject*> by_index;
        size_t plain = 0;  // members that are not array elements
    };
    std::unordered_map<std::string, NameSlot> names_;
    int visible_menus_ = 0;
    // Controls on the form itself whose Align was ever set, in creation order.
    std::vector<MemoryObject*> bars_;
    // Every control whose Align was ever set, wherever it sits, in creation order (the order of
    // controls_): the only ones a reader of every control's Align needs to ask.
    std::vector<MemoryObject*> aligning_;
    uint64_t next_seq_ = 0;
    size_t tab_count_ = 0;  // controls with a TabIndex
    // Where the controls are made: side by side in creation order, the order a resize pass
    // mostly visits them in.
    std::shared_ptr<BlockPool> pool_ = std::make_shared<BlockPool>();
};

}  // namespace kv::mem
