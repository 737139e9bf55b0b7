#include "host/common/FlexGridLook.h"

#include <algorithm>
#include <cmath>

#include "host/common/NamedValues.h"
#include "host/common/TextFold.h"

namespace kv::host {

namespace {

// A file may say anything; no form shows more cells than this before its program runs, and a
// live table of the cells stays small.
constexpr int kMaxRows = 4000, kMaxCols = 400;

// The grid's default column width, where the FormatString sizes none.
constexpr double kDefaultColumnTwips = 960;

// The "|"-separated entries of one part, each with the alignment its first character asks for;
// none from an empty part.
std::vector<FlexHead> entries(std::string_view part, size_t most) {
    std::vector<FlexHead> out;
    if (part.empty()) return out;
    for (size_t at = 0; out.size() < most;) {
        const size_t bar = std::min(part.find('|', at), part.size());
        std::string_view one = part.substr(at, bar - at);
        FlexHead head;
        if (!one.empty() && (one[0] == '<' || one[0] == '^' || one[0] == '>')) {
            head.align = one[0] == '<'   ? FlexHead::Left
                         : one[0] == '^' ? FlexHead::Centre
                                         : FlexHead::Right;
            one.remove_prefix(1);
        }
        head.text = std::string(one);
        out.push_back(std::move(head));
        if (bar == part.size()) break;
        at = bar + 1;
    }
    return out;
}

std::string joined(const std::vector<FlexHead>& heads) {
    static constexpr const char* kMark[] = {"", "<", "^", ">"};
    std::string out;
    for (size_t i = 0; i < heads.size(); ++i)
        out += (i ? "|" : "") + std::string(kMark[heads[i].align]) + heads[i].text;
    return out;
}

}  // namespace

bool FlexGridLook::candidate(std::string_view class_name) {
    constexpr std::string_view kEnd = "FlexGrid";
    return class_name.size() >= kEnd.size() &&
           iequal(class_name.substr(class_name.size() - kEnd.size()), kEnd);
}

FlexGridLook FlexGridLook::read(HostObject& g) {
    FlexGridLook look;
    look.rows = whole(named_number(g, "Rows").value_or(2), 0, kMaxRows);
    look.cols = whole(named_number(g, "Cols").value_or(2), 0, kMaxCols);
    look.take_format(named_text(g, "FormatString").value_or(""));
    look.fixed_rows = whole(named_number(g, "FixedRows").value_or(1), 0, look.rows);
    look.fixed_cols = whole(named_number(g, "FixedCols").value_or(1), 0, look.cols);
    look.grid_lines = whole(named_number(g, "GridLines").value_or(1), 0, 3);
    look.scroll_bars = whole(named_number(g, "ScrollBars").value_or(3), 0, 3);
    look.back_color = named_number(g, "BackColor").value_or(look.back_color);
    look.fixed_color = named_number(g, "BackColorFixed").value_or(look.fixed_color);
    look.beyond_color = named_number(g, "BackColorBkg").value_or(look.beyond_color);
    return look;
}

void FlexGridLook::take_format(std::string_view text) {
    format = std::string(text);
    const size_t semicolon = text.find(';');
    across = entries(text.substr(0, semicolon), kMaxCols);
    down = semicolon == std::string_view::npos ? std::vector<FlexHead>{}
                                               : entries(text.substr(semicolon + 1), kMaxRows);
    cols = std::max(cols, static_cast<int>(across.size()));
    rows = std::max(rows, static_cast<int>(down.size()));
}

std::string FlexGridLook::format_of(const std::vector<FlexHead>& across,
                                    const std::vector<FlexHead>& down) {
    return down.empty() ? joined(across) : joined(across) + ";" + joined(down);
}

FlexHead FlexGridLook::cell(int row, int col) const {
    const auto at = [](const std::vector<FlexHead>& heads, int i) {
        return i >= 0 && static_cast<size_t>(i) < heads.size() ? heads[static_cast<size_t>(i)]
                                                               : FlexHead{};
    };
    const bool head_row = row == 0 && fixed_rows > 0, head_col = col == 0 && fixed_cols > 0;
    if (head_row && head_col) {
        FlexHead corner = at(down, 0);
        return corner.text.empty() ? at(across, 0) : corner;
    }
    if (head_row) return at(across, col);
    if (head_col) return at(down, row);
    return {};
}

double FlexGridLook::column_pixels(
    int col, double tpp, const std::function<double(const std::string&)>& text_pixels) const {
    if (col >= 0 && static_cast<size_t>(col) < across.size())
        return std::ceil(text_pixels(across[static_cast<size_t>(col)].text)) + 2 * kFlexTextInset;
    return default_column_pixels(tpp);
}

double FlexGridLook::default_column_pixels(double tpp) {
    return std::round(kDefaultColumnTwips / tpp);
}

}  // namespace kv::host
