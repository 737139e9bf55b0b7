#pragma once
// One element of a .ui file as read: its name, attributes, the text directly inside it, its
// child elements, and where it stands in the file's bytes, so that one element can be replaced
// and every other byte of the file kept.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kv::ui {

class UiElement {
  public:
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;  // character data directly inside, in UTF-8, entities resolved
    std::vector<UiElement> children;
    size_t line = 0;         // 1-based line of the start tag
    size_t begin = 0;        // byte of the start tag's '<'
    size_t content = 0;      // byte after the start tag
    size_t content_end = 0;  // byte of the end tag's '<' (== content for <empty/>)
    size_t end = 0;          // byte after the end tag

    // The attribute's value, nullptr when the element has none of that name.
    const std::string* attribute(std::string_view attribute_name) const;
    // The first child of that name, nullptr when none.
    const UiElement* child(std::string_view child_name) const;
    // Every child of that name, in file order.
    std::vector<const UiElement*> children_named(std::string_view child_name) const;
    // The text of the first child of that name ("" when none).
    std::string child_text(std::string_view child_name) const;
    // The `<property name="...">` child of that name, nullptr when none.
    const UiElement* property(std::string_view property_name) const;
};

}  // namespace kv::ui
