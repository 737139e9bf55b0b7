#include "host/common/ListViewLook.h"

#include "host/common/NamedValues.h"
#include "host/common/TextFold.h"

namespace kv::host {

namespace {

// No list view shows more columns than this; a file saying more is cut there.
constexpr int kMaxColumns = 256;

}  // namespace

std::optional<ListViewLook::Kind> ListViewLook::kind_of(std::string_view class_name) {
    if (iequal(class_name, "ListView")) return Kind::List;
    if (iequal(class_name, "TreeView")) return Kind::Tree;
    return std::nullopt;
}

std::optional<ListViewLook> ListViewLook::read(HostObject& c, std::string_view class_name) {
    const auto kind = kind_of(class_name);
    if (!kind) return std::nullopt;
    ListViewLook look;
    look.kind = *kind;
    if (look.kind == Kind::Tree) return look;
    look.view = whole(named_number(c, "View").value_or(Icons), 0, 3);
    look.headers = named_number(c, "HideColumnHeaders").value_or(0) == 0;
    look.grid_lines = named_number(c, "GridLines").value_or(0) != 0;
    const int count = whole(named_number(c, "ColumnHeaders.Count").value_or(0), 0, kMaxColumns);
    for (int i = 1; i <= count; ++i) {
        const std::string at = "ColumnHeaders(" + std::to_string(i) + ").";
        ListColumn col;
        col.text = named_text(c, at + "Text").value_or("");
        col.width_twips = himetric_twips(named_number(c, at + "Width").value_or(2540));
        col.alignment = whole(named_number(c, at + "Alignment").value_or(0), 0, 2);
        look.columns.push_back(std::move(col));
    }
    return look;
}

}  // namespace kv::host
