#include "host/frm/FrmBlock.h"

#include "engine/TextCase.h"

namespace kv::frm {

bool same_name(const std::string& a, const std::string& b) {
    return same_text(a, b);
}

const FrmProperty* FrmGroup::find(const std::string& property_name) const {
    for (const auto& p : properties)
        if (same_name(p.name, property_name)) return &p;
    return nullptr;
}

std::string FrmBlock::type_name() const {
    const auto dot = class_id.rfind('.');
    return dot == std::string::npos ? class_id : class_id.substr(dot + 1);
}

bool FrmBlock::is_class(const std::string& id) const {
    return same_name(class_id, id);
}

const FrmProperty* FrmBlock::find(const std::string& property_name) const {
    for (const auto& p : properties)
        if (same_name(p.name, property_name)) return &p;
    return nullptr;
}

const FrmGroup* FrmBlock::find_group(const std::string& group_name) const {
    for (const auto& g : groups)
        if (same_name(g.name, group_name)) return &g;
    return nullptr;
}

std::optional<int> FrmBlock::index() const {
    const auto* p = find("Index");
    if (!p || p->kind != FrmValueKind::Number) return std::nullopt;
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
