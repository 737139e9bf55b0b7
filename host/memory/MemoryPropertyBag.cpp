#include "host/memory/MemoryPropertyBag.h"

#include <algorithm>
#include <cctype>

#include "host/memory/CommonNames.h"

namespace kv::mem {

std::vector<MemoryPropertyBag::Entry>::iterator MemoryPropertyBag::find(std::string_view name) {
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Entry& e) { return iequal(e.first, name); });
}

std::vector<MemoryPropertyBag::Entry>::const_iterator MemoryPropertyBag::find(
    std::string_view name) const {
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Entry& e) { return iequal(e.first, name); });
}

Value MemoryPropertyBag::read(std::string_view name, const Value& default_value) {
    auto it = find(name);
    return it == entries_.end() ? default_value : it->second;
}

void MemoryPropertyBag::write(std::string_view name, const Value& value,
                              const Value& default_value) {
    if (same_value(value, default_value)) {
        erase(name);
        return;
    }
    set(name, value);
}

void MemoryPropertyBag::set(std::string_view name, Value value) {
    auto it = find(name);
    if (it != entries_.end())
        it->second = std::move(value);
    else
        entries_.emplace_back(std::string(name), std::move(value));
}

std::optional<Value> MemoryPropertyBag::get(std::string_view name) const {
    auto it = find(name);
    if (it == entries_.end()) return std::nullopt;
    return it->second;
}

void MemoryPropertyBag::erase(std::string_view name) {
    auto it = find(name);
    if (it != entries_.end()) entries_.erase(it);
}

}  // namespace kv::mem
