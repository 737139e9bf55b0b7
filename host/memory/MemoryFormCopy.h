#pragma once
// A run-time copy of a designer form, for the controls page preview (PageHost::copy_form): the
// form goes, its user controls terminated, when the copy goes.
#include <memory>
#include <unordered_map>

#include "engine/PageHost.h"
#include "host/memory/MemoryForm.h"

namespace kv::mem {

class MemoryFormCopy : public FormCopy {
  public:
    explicit MemoryFormCopy(std::shared_ptr<MemoryForm> form);
    ~MemoryFormCopy() override;
    MemoryFormCopy(const MemoryFormCopy&) = delete;
    MemoryFormCopy& operator=(const MemoryFormCopy&) = delete;

    ObjectRef form() override { return form_; }
    std::shared_ptr<UserControl> user_control(const ObjectRef& extender) override;
    ObjectRef twin(const HostObject& original) override;
    std::optional<std::vector<ObjectRef>> changed() override;  // from the form's change journal

  private:
    friend class MemoryHost;  // copy_form fills in the twins as it makes them

    std::shared_ptr<MemoryForm> form_;
    // Each original control (and the form) with its copy.
    std::unordered_map<const HostObject*, std::shared_ptr<MemoryObject>> twins_;
};

}  // namespace kv::mem
