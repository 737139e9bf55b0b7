#include "host/ui/UiElement.h"

namespace kv::ui {

const std::string* UiElement::attribute(std::string_view attribute_name) const {
    for (const auto& [key, value] : attributes)
        if (key == attribute_name) return &value;
    return nullptr;
}

const UiElement* UiElement::child(std::string_view child_name) const {
    for (const auto& c : children)
        if (c.name == child_name) return &c;
    return nullptr;
}

std::vector<const UiElement*> UiElement::children_named(std::string_view child_name) const {
    std::vector<const UiElement*> out;
    for (const auto& c : children)
        if (c.name == child_name) out.push_back(&c);
    return out;
}

std::string UiElement::child_text(std::string_view child_name) const {
    const UiElement* c = child(child_name);
    return c ? c->text : std::string();
}

const UiElement* UiElement::property(std::string_view property_name) const {
    for (const auto& c : children) {
        if (c.name != "property") continue;
        const std::string* n = c.attribute("name");
        if (n && *n == property_name) return &c;
    }
    return nullptr;
}

}  // namespace kv::ui
