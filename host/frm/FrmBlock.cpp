#include "host/frm/FrmBlock.h"

#include "engine/TextCase.h"

namespace kv::frm {

bool same_name(const std::string& a, const std::string& b) {
    return same_text(a, b);
}

namespace {

// A property written twice counts as its last line, as applying the lines in order leaves it.
const FrmProperty* find_last(const std::vector<FrmProperty>& properties, const std::string& name) {
    for (auto it = properties.rbegin(); it != properties.rend(); ++it)
        if (same_name(it->name, name)) return &*it;
    return nullptr;
}

}  // namespace

const FrmProperty* FrmGroup::find(const std::string& property_name) const {
    return find_last(properties, property_name);
}

std::string FrmBlock::type_name() const {
    const auto dot = class_id.rfind('.');
    return dot == std::string::npos ? class_id : class_id.substr(dot + 1);
}

bool FrmBlock::is_class(const std::string& id) const {
    return same_name(class_id, id);
}

const FrmProperty* FrmBlock::find(const std::string& property_name) const {
    return find_last(properties, property_name);
}

const FrmGroup* FrmBlock::find_group(const std::string& group_name) const {
    for (auto it = groups.rbegin(); it != groups.rend(); ++it)
        if (same_name(it->name, group_name)) return &*it;
    return nullptr;
}

std::optional<int> FrmBlock::index() const {
    const auto* p = find("Index");
    if (!p || (p->kind != FrmValueKind::Number && p->kind != FrmValueKind::Hex))
        return std::nullopt;
    return static_cast<int>(p->number);
}

std::string FrmBlock::key() const {
    const auto i = index();
    return i ? name + "(" + std::to_string(*i) + ")" : name;
}

bool FrmBlock::is_vb_class() const {
    return class_id.size() > 3 && same_name(class_id.substr(0, 3), "VB.");
}

}  // namespace kv::frm
