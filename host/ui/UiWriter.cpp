#include "host/ui/UiWriter.h"

#include <charconv>

#include "host/ui/UiResizerProperties.h"

namespace kv::ui {

UiNode& UiNode::attribute(const std::string& key, const std::string& value) {
    attributes_.emplace_back(key, value);
    return *this;
}

UiNode& UiNode::text(const std::string& value) {
    text_ = value;
    return *this;
}

UiNode& UiNode::add(const std::string& name) {
    children_.emplace_back(name);
    return children_.back();
}

UiNode& UiNode::add(const std::string& name, const std::string& text) {
    return add(name).text(text);
}

UiNode& UiNode::property(const std::string& name, bool dynamic) {
    UiNode& p = add("property").attribute("name", name);
    if (dynamic) p.attribute("stdset", "0");
    return p;
}

UiNode& UiNode::add_sheet_rule(const std::string& rule) {
    for (UiNode& p : children_) {
        if (p.name_ != "property" || p.children_.size() != 1 ||
            p.children_.front().name_ != "string")
            continue;
        for (const auto& [key, value] : p.attributes_)
            if (key == "name" && value == "styleSheet") {
                std::optional<std::string>& sheet = p.children_.front().text_;
                sheet = sheet && !sheet->empty() ? *sheet + " " + rule : rule;
                return *this;
            }
    }
    return string_property("styleSheet", rule);
}

UiNode& UiNode::string_property(const std::string& name, const std::string& value, bool dynamic) {
    property(name, dynamic).add("string", value);
    return *this;
}

UiNode& UiNode::bool_property(const std::string& name, bool value, bool dynamic) {
    property(name, dynamic).add("bool", value ? "true" : "false");
    return *this;
}

UiNode& UiNode::number_property(const std::string& name, long long value, bool dynamic) {
    property(name, dynamic).add("number", std::to_string(value));
    return *this;
}

UiNode& UiNode::double_property(const std::string& name, double value, bool dynamic) {
    char text[32];
    const auto done = std::to_chars(text, text + sizeof text, value);
    property(name, dynamic).add("double", std::string(text, done.ptr));
    return *this;
}

UiNode& UiNode::enum_property(const std::string& name, const std::string& value) {
    property(name).add("enum", value);
    return *this;
}

UiNode& UiNode::set_property(const std::string& name, const std::string& value) {
    property(name).add("set", value);
    return *this;
}

UiNode& UiNode::rect_property(const std::string& name, int x, int y, int width, int height) {
    UiNode& r = property(name).add("rect");
    r.add("x", std::to_string(x));
    r.add("y", std::to_string(y));
    r.add("width", std::to_string(width));
    r.add("height", std::to_string(height));
    return *this;
}

void UiNode::write(std::string& out, int depth) const {
    out.append(static_cast<size_t>(depth), ' ');
    out += "<" + name_;
    for (const auto& [k, v] : attributes_) out += " " + k + "=\"" + xml_text(v, true) + "\"";
    if (children_.empty()) {
        if (!text_) {
            out += "/>\n";
            return;
        }
        out += ">" + xml_text(*text_) + "</" + name_ + ">\n";
        return;
    }
    out += ">\n";
    for (const UiNode& c : children_) c.write(out, depth + 1);
    out.append(static_cast<size_t>(depth), ' ');
    out += "</" + name_ + ">\n";
}

std::string write_ui(const UiNode& root) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    root.write(out, 0);
    return out;
}

}  // namespace kv::ui
