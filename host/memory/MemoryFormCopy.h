#pragma once
// A run-time copy of a designer form, for the controls page preview (PageHost::copy_form): the
// form goes, its user controls terminated, when the copy goes.
#include <memory>

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
    std::optional<std::vector<ObjectRef>> changed() override;  // from the form's change journal

  private:
    std::shared_ptr<MemoryForm> form_;
};

}  // namespace kv::mem
