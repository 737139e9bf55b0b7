#include "host/export/ExportNames.h"

#include "control/ControlLookup.h"
#include "engine/Error.h"
#include "host/common/TextFold.h"

namespace kv::exporter {

namespace {

// A name uic makes a C++ member of: a keyword gets a trailing "_", and a name Qt keeps for its
// own widgets ("qt_...", which Qt and the resizer pass over) a capital.
std::string usable(std::string name) {
    static const char* keywords[] = {"alignas",       "alignof",     "and",
                                     "and_eq",        "asm",         "auto",
                                     "bitand",        "bitor",       "bool",
                                     "break",         "case",        "catch",
                                     "char",          "char8_t",     "char16_t",
                                     "char32_t",      "class",       "compl",
                                     "concept",       "const",       "consteval",
                                     "constexpr",     "constinit",   "const_cast",
                                     "continue",      "co_await",    "co_return",
                                     "co_yield",      "decltype",    "default",
                                     "delete",        "do",          "double",
                                     "dynamic_cast",  "else",        "enum",
                                     "explicit",      "export",      "extern",
                                     "false",         "float",       "for",
                                     "friend",        "goto",        "if",
                                     "inline",        "int",         "long",
                                     "mutable",       "namespace",   "new",
                                     "noexcept",      "not",         "not_eq",
                                     "nullptr",       "operator",    "or",
                                     "or_eq",         "private",     "protected",
                                     "public",        "register",    "reinterpret_cast",
                                     "requires",      "return",      "short",
                                     "signed",        "sizeof",      "static",
                                     "static_assert", "static_cast", "struct",
                                     "switch",        "template",    "this",
                                     "thread_local",  "throw",       "true",
                                     "try",           "typedef",     "typeid",
                                     "typename",      "union",       "unsigned",
                                     "using",         "virtual",     "void",
                                     "volatile",      "wchar_t",     "while",
                                     "xor",           "xor_eq",      "signals",
                                     "slots",         "emit",        "foreach"};
    for (const char* k : keywords)
        if (name == k) return name + "_";
    if (name.rfind("qt_", 0) == 0) name[0] = 'Q';
    return name;
}

}  // namespace

ExportNames::ExportNames(mem::MemoryForm& form) : form_(form) {
    taken_[host::fold(form.name())] = true;
    // A menu's list of actions names a separator so: an item of that name would become one.
    taken_[host::fold("separator")] = true;
    // Plain names first, so that an array element never takes a plain control's name.
    for (const auto& c : form.all_controls())
        if (!c->index()) names_[c.get()] = unique(usable(c->name()));
    for (const auto& c : form.all_controls())
        if (c->index())
            names_[c.get()] = unique(usable(c->name() + "_" + std::to_string(*c->index())));
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
