#include "apps/kelvane/GeometryTable.h"

#include <cstdio>

#include "apps/kelvane/Json.h"
#include "apps/kelvane/Session.h"
#include "engine/Numbers.h"

namespace kv::app {

namespace {

// A table is read by people: seven significant digits, as the host shows numbers (the JSON
// output keeps full precision for scripts).
std::string cell(const std::optional<double>& v) {
    if (!v) return "-";
    return number_to_text(*v);
}

std::string row(const std::vector<std::string>& cells, const std::vector<int>& widths) {
    std::string out;
    for (size_t i = 0; i < cells.size(); ++i) {
        std::string c = cells[i];
        const int w = widths[i];
        if (static_cast<int>(c.size()) < w) {
            // Text left, numbers right.
            if (i < 3)
                c.append(w - c.size(), ' ');
            else
                c.insert(0, w - c.size(), ' ');
        }
        out += (i ? "  " : "") + c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out + "\n";
}

}  // namespace

void print_table(std::ostream& out, const Snapshot& s) {
    out << "form " << s.form.name << ": left " << number_to_text(s.form.left) << ", top "
        << number_to_text(s.form.top) << ", width " << number_to_text(s.form.width) << ", height "
        << number_to_text(s.form.height) << ", scale " << number_to_text(s.form.scale_width)
        << " x " << number_to_text(s.form.scale_height) << ", window state " << s.form.window_state
        << "\n";
    std::vector<std::vector<std::string>> rows;
    rows.push_back({"control", "type", "container", "left", "top", "width", "height", "font"});
    for (const auto& c : s.controls) {
        if (c.x1) {
            rows.push_back({c.key, c.type, c.container_key, cell(c.x1), cell(c.y1), cell(c.x2),
                            cell(c.y2), cell(c.font_size)});
            // A line has end points instead of a box.
            const char* tags[] = {"x1 ", "y1 ", "x2 ", "y2 "};
            for (int i = 0; i < 4; ++i) rows.back()[3 + i] = tags[i] + rows.back()[3 + i];
            continue;
        }
        rows.push_back({c.key, c.type, c.has_container ? c.container_key : "-", cell(c.left),
                        cell(c.top), cell(c.width), cell(c.height), cell(c.font_size)});
    }
    std::vector<int> widths(rows.front().size(), 0);
    for (const auto& r : rows)
        for (size_t i = 0; i < r.size(); ++i)
            widths[i] = std::max(widths[i], static_cast<int>(r[i].size()));
    for (const auto& r : rows) out << "  " << row(r, widths);
}

std::string layout_json(const Snapshot& s, const std::vector<mem::MessageRecord>& messages) {
    Json j;
    j.begin_object();
    j.key("form");
    j.begin_object();
    j.key("name");
    j.value(s.form.name);
    j.key("left");
    j.value(s.form.left);
    j.key("top");
    j.value(s.form.top);
    j.key("width");
    j.value(s.form.width);
    j.key("height");
    j.value(s.form.height);
    j.key("scaleWidth");
    j.value(s.form.scale_width);
    j.key("scaleHeight");
    j.value(s.form.scale_height);
    j.key("windowState");
    j.value(static_cast<double>(s.form.window_state));
    j.end_object();
    j.key("controls");
    j.begin_array();
    for (const auto& c : s.controls) {
        j.begin_object();
        j.key("key");
        j.value(c.key);
        j.key("type");
        j.value(c.type);
        j.key("container");
        c.has_container ? j.value(c.container_key) : j.null();
        const std::pair<const char*, const std::optional<double>*> nums[] = {
            {"align", &c.align},
            {"left", &c.left},
            {"top", &c.top},
            {"width", &c.width},
            {"height", &c.height},
            {"scaleWidth", &c.scale_width},
            {"scaleHeight", &c.scale_height},
            {"fontSize", &c.font_size},
            {"x1", &c.x1},
            {"y1", &c.y1},
            {"x2", &c.x2},
            {"y2", &c.y2}};
        for (const auto& [name, v] : nums) {
            j.key(name);
            j.value(*v);
        }
        j.key("visible");
        j.value(c.visible);
        j.end_object();
    }
    j.end_array();
    j.key("messages");
    j.begin_array();
    for (const auto& m : messages) {
        j.begin_object();
        j.key("text");
        j.value(m.text);
        j.key("title");
        j.value(m.title);
        j.key("buttons");
        j.value(buttons_name(m.style));
        j.key("icon");
        const std::string icon = icon_name(m.style);
        icon.empty() ? j.null() : j.value(icon);
        j.end_object();
    }
    j.end_array();
    j.end_object();
    return j.str() + "\n";
}

}  // namespace kv::app
