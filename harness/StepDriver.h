#pragma once
// How a run's steps reach the form: on the memory host as the forms runtime's own calls, on the
// Qt host as real Qt events to the form's window.
#include <memory>

#include "host/memory/MemoryForm.h"

namespace kv::app {

class StepDriver {
  public:
    virtual ~StepDriver() = default;
    virtual void show(const std::shared_ptr<mem::MemoryForm>& form) = 0;
    // The user drags the border to an outer size in twips (the size limits apply).
    virtual void user_resize(mem::MemoryForm& form, double width, double height) = 0;
    virtual void set_state(mem::MemoryForm& form, int state) = 0;
    virtual void drag(mem::MemoryForm& form, mem::MemoryObject& target, double x, double y,
                      double x2, double y2) = 0;
    // The user closes the form; true when it is gone.
    virtual bool close(mem::MemoryForm& form) = 0;
    // Run timers until none is pending.
    virtual void settle() = 0;
};

// The memory host's driver.
std::unique_ptr<StepDriver> memory_driver(mem::MemoryHost& host);

}  // namespace kv::app
