#pragma once
// A page's controls made from a table in its code: class, name (and index for an element of a
// control array), container, position and size in twips, caption and tooltip.
#include <map>
#include <string>
#include <vector>

#include "engine/HostObject.h"

namespace kv {

struct PageControlSpec {
    const char* cls;  // "VB.CheckBox", ...
    const char* name;
    int index;              // -1: not in a control array
    const char* container;  // the key of an earlier control, or nullptr for the page
    double left, top, width, height;
    const char* caption = nullptr;
    const char* tooltip = nullptr;
};

// The controls a page made, by control key ("optMove(3)").
class PageControls {
  public:
    // Make the table's controls in the page, in table order (which is also the tab order).
    void make(const ObjectRef& page, const std::vector<PageControlSpec>& table);
    // Error 730 when the page has no such control (340 for a missing element).
    const ObjectRef& operator()(const std::string& key) const;
    const ObjectRef& operator()(const std::string& name, int index) const;
    const std::shared_ptr<ControlCollection>& collection() const { return collection_; }

  private:
    std::shared_ptr<ControlCollection> collection_;
    mutable std::map<std::string, ObjectRef> by_key_;
};

}  // namespace kv
