#include "host/common/DataGridLook.h"

#include <algorithm>
#include <cstdlib>

#include "host/common/NamedValues.h"
#include "host/common/TextFold.h"

namespace kv::host {

namespace {

// No data grid shows more columns than this; a file saying more is cut there.
constexpr int kMaxColumns = 256;

// A width as the designer wrote it, also in a locale whose decimal mark is a comma ("2505,26").
std::optional<double> written_number(HostObject& o, const std::string& name) {
    if (const auto n = named_number(o, name)) return n;
    auto text = named_text(o, name);
    if (!text) return std::nullopt;
    std::replace(text->begin(), text->end(), ',', '.');
    char* end = nullptr;
    const double v = std::strtod(text->c_str(), &end);
    if (end == text->c_str() || *end != '\0' || !(v >= 0 && v < 1e7)) return std::nullopt;
    return v;
}

}  // namespace

bool DataGridLook::candidate(std::string_view class_name) {
    return iequal(class_name, "DataGrid");
}

DataGridLook DataGridLook::read(HostObject& g) {
    DataGridLook look;
    look.caption = named_text(g, "Caption").value_or("");
    look.head_lines = whole(named_number(g, "HeadLines").value_or(1), 0, 10);
    look.record_selectors = named_number(g, "RecordSelectors").value_or(1) != 0;
    // A grid without a column count shows those its blocks name (two, unbound, when none).
    int count = -1;
    if (const auto n = named_number(g, "ColumnCount")) count = whole(*n, 0, kMaxColumns);
    if (count < 0) {
        count = 0;
        while (count < kMaxColumns &&
               named_value(g, "Columns(" + std::to_string(count) + ").Caption"))
            ++count;
        if (count == 0) count = 2;
    }
    for (int i = 0; i < count; ++i) {
        const std::string at = "Columns(" + std::to_string(i) + ").";
        GridColumn col;
        col.caption = named_text(g, at + "Caption").value_or("");
        if (const auto w = written_number(g, at + "ColumnWidth")) col.width_twips = *w;
        col.alignment = whole(named_number(g, at + "Alignment").value_or(0), 0, 3);
        col.visible = named_number(g, at + "Visible").value_or(1) != 0;
        look.columns.push_back(std::move(col));
    }
    return look;
}

}  // namespace kv::host
