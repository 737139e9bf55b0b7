#include "harness/GeometryTable.h"

#include <cstdio>

#include "engine/Numbers.h"
#include "harness/ShownText.h"

namespace kv::app {

namespace {

// A table is read by people: seven significant digits, as the host shows numbers (the JSON
// output keeps full precision for scripts).
std::string cell(const std::optional<double>& v) {
    if (!v) return "-";
    return number_to_text(*v);
}

std::string yes_no(const std::optional<bool>& v) {
    if (!v) return "-";
    return *v ? "yes" : "no";
}

// Columns a cell takes: its characters, not its UTF-8 bytes (names may be in any script).
int columns(const std::string& text) {
    int n = 0;
    for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string row(const std::vector<std::string>& cells, const std::vector<int>& widths) {
    std::string out;
    for (size_t i = 0; i < cells.size(); ++i) {
        std::string c = cells[i];
        const int pad = widths[i] - columns(c);
        if (pad > 0) {
            // Text left, numbers right.
            if (i < 3 || i == cells.size() - 1)
                c.append(pad, ' ');
            else
                c.insert(0, pad, ' ');
        }
        out += (i ? "  " : "") + c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out + "\n";
}

}  // namespace

void print_table(std::ostream& out, const Snapshot& s) {
    out << "form " << shown(s.form.name) << ": left " << number_to_text(s.form.left) << ", top "
        << number_to_text(s.form.top) << ", width " << number_to_text(s.form.width) << ", height "
        << number_to_text(s.form.height) << ", scale " << number_to_text(s.form.scale_width)
        << " x " << number_to_text(s.form.scale_height) << ", window state " << s.form.window_state
        << "\n";
    std::vector<std::vector<std::string>> rows;
    rows.push_back(
        {"control", "type", "container", "left", "top", "width", "height", "font", "visible"});
    for (const auto& c : s.controls) {
        if (c.x1) {
            rows.push_back({shown(c.key), shown(c.type), shown(c.container_key), cell(c.x1),
                            cell(c.y1), cell(c.x2), cell(c.y2), cell(c.font_size),
                            yes_no(c.visible)});
            // A line has end points instead of a box.
            const char* tags[] = {"x1 ", "y1 ", "x2 ", "y2 "};
            for (int i = 0; i < 4; ++i) rows.back()[3 + i] = tags[i] + rows.back()[3 + i];
            continue;
        }
        rows.push_back({shown(c.key), shown(c.type), c.has_container ? shown(c.container_key) : "-",
                        cell(c.left), cell(c.top), cell(c.width), cell(c.height), cell(c.font_size),
                        yes_no(c.visible)});
    }
    std::vector<int> widths(rows.front().size(), 0);
    for (const auto& r : rows)
        for (size_t i = 0; i < r.size(); ++i) widths[i] = std::max(widths[i], columns(r[i]));
    for (const auto& r : rows) out << "  " << row(r, widths);
}

}  // namespace kv::app
