#pragma once
// One `Begin CLASS NAME` ... `End` block of a form file: the form, a control or a menu, with
// its properties, its property blocks and the blocks nested in it, in file order.
#include <optional>
#include <string>
#include <vector>

#include "host/frm/FrmProperty.h"

namespace kv::frm {

class FrmBlock {
  public:
    std::string class_id;  // "VB.Form", "VB.CommandButton", "NovaCtl.Toolbar"
    std::string name;      // decoded to UTF-8
    std::vector<FrmProperty> properties;
    std::vector<FrmGroup> groups;
    std::vector<FrmBlock> children;
    size_t begin_line = 0;
    size_t end_line = 0;

    // The class without its library: "Form", "CommandButton", "Toolbar".
    std::string type_name() const;
    bool is_class(const std::string& id) const;
    // A class of the designer's own library ("VB.xxx"); others belong to other libraries.
    bool is_vb_class() const;

    // The property's (or block's) last line when it has several: the value it ends up with.
    const FrmProperty* find(const std::string& property_name) const;
    const FrmGroup* find_group(const std::string& group_name) const;

    // The control-array index, when the block has an `Index` property.
    std::optional<int> index() const;
    // Name, or Name(Index) for an element of a control array.
    std::string key() const;
};

}  // namespace kv::frm
