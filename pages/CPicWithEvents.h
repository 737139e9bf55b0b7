#pragma once
// A shadow's wrapper: hears the shadow picture's click, double-click and focus events and hands
// them to the controls page, each under the page error report with its own procedure name.
#include <memory>
#include <string>

#include "engine/HostObject.h"

namespace kv {

// What the controls page offers its shadows.
class ShadowOwner {
  public:
    virtual ~ShadowOwner() = default;
    virtual void shadow_Clicked(const std::string& sShadow) = 0;
    virtual void shadow_DblClicked(const std::string& sShadow) = 0;
    virtual void shadow_GotFocus(const std::string& sShadow) = 0;
    virtual void shadow_LostFocus(const std::string& sShadow) = 0;
    virtual void save_prev_clr() = 0;
    virtual void Msg(const std::string& text) = 0;
};

class CPicWithEvents : public EventSink {
  public:
    // The owner outlives the wrapper (the page releases its wrappers on Terminate).
    CPicWithEvents(const ObjectRef& picture, ShadowOwner& owner);
    ~CPicWithEvents() override;
    CPicWithEvents(const CPicWithEvents&) = delete;
    CPicWithEvents& operator=(const CPicWithEvents&) = delete;

    void on_click() override;
    void on_dbl_click() override;
    void on_got_focus() override;
    void on_lost_focus() override;

    const ObjectRef& picture() const { return picture_; }

  private:
    std::string name();

    ObjectRef picture_;
    ShadowOwner* owner_;
    std::unique_ptr<EventConnection> connection_;
};

}  // namespace kv
