#pragma once
// A list view or a tree view of the common controls as it looks before the program fills it: a
// list view's View (0 large icons, 1 small icons, 2 list, 3 report) and, in report view, its
// column headers (the file's ColumnHeader(n) blocks, kept as ColumnHeaders(n).Text, .Width in
// HiMetric and .Alignment) unless HideColumnHeaders; a tree view an empty box. Shown alike in the
// tool's pictures, a live form and an exported .ui.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/HostObject.h"

namespace kv::host {

struct ListColumn {
    std::string text;
    double width_twips = 1440;
    int alignment = 0;  // 0 left, 1 right, 2 centre
};

class ListViewLook {
  public:
    enum class Kind { List, Tree };
    enum View { Icons = 0, SmallIcons = 1, List = 2, Report = 3 };

    Kind kind = Kind::List;
    int view = Icons;
    bool headers = true;  // not HideColumnHeaders
    bool grid_lines = false;
    std::vector<ListColumn> columns;

    // Does the control show column headers?
    bool report() const { return kind == Kind::List && view == Report && headers; }

    static std::optional<Kind> kind_of(std::string_view class_name);
    // The look of a list view or tree view; nullopt for another control.
    static std::optional<ListViewLook> read(HostObject& control, std::string_view class_name);
};

}  // namespace kv::host
