#include "host/export/ExportNames.h"

#include "control/ControlLookup.h"
#include "engine/Error.h"
#include "host/common/TextFold.h"

namespace kv::exporter {

ExportNames::ExportNames(mem::MemoryForm& form) : form_(form) {
    taken_[host::fold(form.name())] = true;
    // Plain names first, so that an array element never takes a plain control's name.
    for (const auto& c : form.all_controls())
        if (!c->index()) names_[c.get()] = unique(c->name());
    for (const auto& c : form.all_controls())
        if (c->index()) names_[c.get()] = unique(c->name() + "_" + std::to_string(*c->index()));
}

std::string ExportNames::unique(std::string name) {
    while (taken_.count(host::fold(name))) name += "_";
    taken_[host::fold(name)] = true;
    return name;
}

std::string ExportNames::reserve(const std::string& wanted) {
    return unique(wanted);
}

std::string ExportNames::of(const mem::MemoryObject& control) const {
    const auto it = names_.find(&control);
    return it == names_.end() ? std::string() : it->second;
}

std::optional<std::string> ExportNames::of_key(const std::string& key) const {
    ObjectRef c;
    try {
        c = find_control_by_key(form_.shared_from_this(), key);
    } catch (const Error&) {
        return std::nullopt;
    }
    const auto* m = dynamic_cast<const mem::MemoryObject*>(c.get());
    if (!m) return std::nullopt;
    const std::string name = of(*m);
    if (name.empty()) return std::nullopt;
    return name;
}

}  // namespace kv::exporter
