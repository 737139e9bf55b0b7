#pragma once
// A form's Controls collection: creation order, lookup by name and array element, and the
// run-time Add ("VB.PictureBox", "VB.Line"; other "Lib.Class" ids of registered user controls)
// and Remove.
#include <memory>
#include <optional>

#include "engine/HostObject.h"

namespace kv::mem {

class MemoryForm;

class MemoryControlCollection : public ControlCollection {
  public:
    explicit MemoryControlCollection(const std::shared_ptr<MemoryForm>& form)
        : form_(form), form_ptr_(form.get()) {}

    size_t count() override;
    ObjectRef item(size_t i) override;               // error 9 past the end
    std::vector<ObjectRef> having(Prop p) override;  // Align: the form's aligned controls
    ObjectRef find(std::string_view name) override;
    ObjectRef try_find(std::string_view name) override;  // without throwing
    ObjectRef find(std::string_view name, int index) override;
    // The new control is invisible until Visible is set and comes last in the order. Error 727
    // when a control of that name exists, 711 for a class id the host does not know.
    ObjectRef add(std::string_view class_id, std::string_view name,
                  const ObjectRef& container = nullptr) override;
    // Removes the control (the first element of an array) and its children; error 730 when none.
    void remove(std::string_view name) override;
    // A copy of the lowest element: geometry, container and properties, but invisible, after
    // the others in the tab order, an option button off and a list empty.
    ObjectRef load(std::string_view name, int index) override;
    ObjectRef add_array(std::string_view class_id, std::string_view name, int index,
                        const ObjectRef& container = nullptr) override;

  private:
    std::shared_ptr<MemoryForm> form();
    // The open form without taking a reference to it: counting and enumerating the controls
    // is what a resize pass does for every control.
    const MemoryForm& open_form() const;
    ObjectRef add_control_of(std::string_view class_id, std::string_view name,
                             const ObjectRef& container, std::optional<int> index);
    std::weak_ptr<MemoryForm> form_;
    const MemoryForm* form_ptr_;  // valid while form_ has not expired
};

}  // namespace kv::mem
