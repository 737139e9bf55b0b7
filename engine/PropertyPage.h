#pragma once
// A property page: code of the system that the host shows in its property-pages dialog for a
// selected control. The host makes the page (a container with its own Controls collection),
// hands the page code a site, and raises the page events on it; the page code builds its
// controls at Initialize and hooks their events (EventSink) itself.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/HostObject.h"
#include "engine/UserControl.h"

namespace kv {

// What the host offers one page (the PropertyPage object of the page's code).
class PageSite {
  public:
    virtual ~PageSite() = default;
    // The page itself: a container with Caption (the dialog's tab text), Width, Height,
    // ScaleWidth, ScaleHeight, BackColor, KeyPreview (the page hears KeyDown before the focused
    // control), its own Controls collection (MyControls) and events (KeyDown, mouse). Controls
    // made in it answer parent() with this object.
    virtual ObjectRef page() = 0;
    // SelectedControls: the controls the dialog was opened for, as the system's own objects.
    virtual std::vector<std::shared_ptr<UserControl>> selected_controls() = 0;
    // Their extenders (Name, Parent, ...), in the same order.
    virtual std::vector<ObjectRef> selected_extenders() = 0;
    // The page's Changed flag: while any page has it set, the dialog's Apply is available.
    virtual bool changed() = 0;
    virtual void set_changed(bool changed) = 0;
};

// Implemented by the page code; the host raises these events on it. Initialize comes first and
// once, then SelectionChanged whenever the selection is set (at least once before the page is
// shown), ApplyChanges when the dialog applies while the page's Changed flag is set, Terminate
// last and once.
class PropertyPage {
  public:
    virtual ~PropertyPage() = default;
    virtual void PropertyPage_Initialize(PageSite& site) = 0;
    virtual void PropertyPage_SelectionChanged() = 0;
    virtual void PropertyPage_ApplyChanges() = 0;
    virtual void PropertyPage_Terminate() = 0;
};

// The process's page classes: a user control names its pages by class id (in dialog order,
// UserControl::property_pages), and the host makes them through this registry.
using PropertyPageFactory = std::function<std::shared_ptr<PropertyPage>()>;
void register_property_page(std::string class_id, PropertyPageFactory factory);
// A new page of the class, or nullptr when no such class is registered.
std::shared_ptr<PropertyPage> make_property_page(std::string_view class_id);

}  // namespace kv
