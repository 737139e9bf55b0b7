#pragma once
// The memory host's property bag: an ordered store of name -> value. Names compare
// case-insensitively; the order is the order in which values were first stored (the form-file
// writer saves them in that order).
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/UserControl.h"

namespace kv::mem {

class MemoryPropertyBag : public PropertyBag {
  public:
    using Entry = std::pair<std::string, Value>;

    Value read(std::string_view name, const Value& default_value) override;
    // A value equal to the default (kv::same_value) is not stored and drops a stored one.
    void write(std::string_view name, const Value& value, const Value& default_value) override;

    // Loader access: store a value as it stands (no default check); replaces in place.
    void set(std::string_view name, Value value);
    std::optional<Value> get(std::string_view name) const;
    bool contains(std::string_view name) const { return get(name).has_value(); }
    void erase(std::string_view name);

    const std::vector<Entry>& entries() const { return entries_; }
    size_t size() const { return entries_.size(); }

  private:
    std::vector<Entry>::iterator find(std::string_view name);
    std::vector<Entry>::const_iterator find(std::string_view name) const;

    std::vector<Entry> entries_;
};

}  // namespace kv::mem
