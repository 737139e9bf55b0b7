#pragma once
// What the memory host offers one user control: its extender, the user mode, the changed marks,
// its own size and the unload request.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/UserControl.h"

namespace kv::mem {

class MemoryObject;

class MemoryControlSite : public ControlSite {
  public:
    explicit MemoryControlSite(std::weak_ptr<MemoryObject> extender);

    ObjectRef extender() override;
    bool user_mode() override;
    void property_changed(std::string_view name) override;
    void set_size(double width, double height) override;
    void unload_control(const ObjectRef& control) override;

    // The names marked changed, in call order (repeats kept).
    const std::vector<std::string>& changed_properties() const { return changed_; }
    void clear_changed() { changed_.clear(); }

  private:
    std::weak_ptr<MemoryObject> extender_;
    std::vector<std::string> changed_;
};

}  // namespace kv::mem
