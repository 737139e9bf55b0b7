#pragma once
// A user control (an object a developer places on a form) and what the host offers it: its
// extender, the ambient user mode, property persistence, its own size.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/HostObject.h"

namespace kv {

// The host's persistence of a control's properties.
class PropertyBag {
  public:
    virtual ~PropertyBag() = default;
    // The stored value, or `default_value` when none is stored.
    virtual Value read(std::string_view name, const Value& default_value) = 0;
    // Stores the value; a value equal to `default_value` is not stored (any stored one is dropped).
    virtual void write(std::string_view name, const Value& value, const Value& default_value) = 0;
};

// What the host offers the control (the UserControl, Ambient and Extender objects).
class ControlSite {
  public:
    virtual ~ControlSite() = default;
    // The control as the form sees it: Name, Left, ..., parent() is the form.
    virtual ObjectRef extender() = 0;
    // Ambient.UserMode: true at run time, false in the designer.
    virtual bool user_mode() = 0;
    // The persisted state changed (the form needs saving).
    virtual void property_changed(std::string_view name) = 0;
    // Size the control itself, in twips.
    virtual void set_size(double width, double height) = 0;
    // Ask the host to remove another control from the form (the designer's unload request).
    virtual void unload_control(const ObjectRef& control) = 0;
};

// Implemented by the system's control; the host raises these events on it.
class UserControl {
  public:
    virtual ~UserControl() = default;
    virtual void UserControl_Initialize(ControlSite& site) = 0;
    virtual void UserControl_InitProperties() = 0;
    virtual void UserControl_ReadProperties(PropertyBag& bag) = 0;
    virtual void UserControl_WriteProperties(PropertyBag& bag) = 0;
    virtual void UserControl_Resize() = 0;
    virtual void UserControl_Terminate() = 0;
    // The class ids of the control's property pages, in the order the dialog shows them.
    virtual std::vector<std::string> property_pages() const { return {}; }
    // The control's about box, which the designer offers beside its pages: false when it has
    // none.
    virtual bool about_box() { return false; }
};

}  // namespace kv
