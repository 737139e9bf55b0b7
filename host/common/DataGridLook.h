#pragma once
// A data grid as it looks before its records come: its caption bar (Caption), its column
// headers (HeadLines lines high, each column's Caption at its width and alignment, as the file's
// Column00, Column01, ... blocks and its first split's give them, kept as Columns(0).Caption,
// .Width, .Alignment) and the record selectors' column at its left (RecordSelectors). Shown
// alike in the tool's pictures, a live form and an exported .ui.
#include <string>
#include <string_view>
#include <vector>

#include "engine/HostObject.h"

namespace kv::host {

struct GridColumn {
    std::string caption;
    double width_twips = 1440;
    int alignment = 0;  // 0 left, 1 right, 2 centre, 3 general (text left, numbers right)
    bool visible = true;
};

class DataGridLook {
  public:
    std::string caption;
    int head_lines = 1;
    bool record_selectors = true;
    std::vector<GridColumn> columns;

    static bool candidate(std::string_view class_name);
    static DataGridLook read(HostObject& grid);
};

// A record selector's column is this wide (pixels).
inline constexpr double kRecordSelectorWidth = 15;

}  // namespace kv::host
