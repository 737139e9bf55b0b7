#pragma once
// A tab control on a form's window: a QTabWidget with one (empty) page per tab, whose tab bar
// (on the side TabOrientation names) the user clicks to switch. The controls on it are widgets of
// the tab control itself, placed where their geometry says (a parked one 75 000 twips further
// right) and shown only while their tab is on view, so the resizer keeps laying out every tab's
// controls from their own geometry whichever tab is on view. The tab on view goes back to the
// control's Tab. A tabbed dialog's tabs (Style 0) are of one width, each row sharing the control's
// length, as they are on the forms runtime; other tabs are as wide as their captions.
#include <QTabWidget>
#include <functional>
#include <memory>

#include "host/common/TabSet.h"
#include "host/memory/MemoryObject.h"

namespace kv::qt {

class QtTabControl : public QTabWidget {
  public:
    QtTabControl(const std::shared_ptr<mem::MemoryObject>& control, host::TabSet tabs,
                 QWidget* parent);
    const host::TabSet& tabs() const { return tabs_; }
    // Does the control on it (by key and left edge in twips) show with the current tab?
    bool shows(const std::string& key, double left) const { return tabs_.shows(key, left); }
    // Called after the user switched tabs, to show and hide the controls on it.
    void on_switch(std::function<void()> fn) { switched_ = std::move(fn); }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    class EvenTabBar;
    EvenTabBar* even_ = nullptr;  // the tab bar of a tabbed dialog's tabs of one width
    std::weak_ptr<mem::MemoryObject> control_;
    host::TabSet tabs_;
    std::function<void()> switched_;
};

}  // namespace kv::qt
