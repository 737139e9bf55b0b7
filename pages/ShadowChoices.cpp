#include "pages/ShadowChoices.h"

#include <string_view>

namespace kv {

namespace {
constexpr std::string_view kShadowPrefix = "ShadowOf";
}

std::string without_shadow_prefix(const std::string& shadow_name) {
    if (shadow_name.starts_with(kShadowPrefix)) return shadow_name.substr(kShadowPrefix.size());
    return shadow_name;
}

ShadowChoices::ShadowChoices() {
    map_.SortMode(1);
}

std::string ShadowChoices::value_text(const std::string& shadow_name, AnchorChoice choice) {
    return std::to_string(choice.grid) + std::to_string(choice.font) +
           without_shadow_prefix(shadow_name);
}

void ShadowChoices::set(const std::string& shadow_name, AnchorChoice choice) {
    if (map_.Exists(shadow_name)) map_.Remove(shadow_name);
    map_.Add(shadow_name, value_text(shadow_name, choice));
}

void ShadowChoices::erase(const std::string& shadow_name) {
    if (map_.Exists(shadow_name)) map_.Remove(shadow_name);
}

std::optional<AnchorChoice> ShadowChoices::find(const std::string& shadow_name) {
    const auto item = map_.Item_(shadow_name);
    const auto* value = std::any_cast<std::string>(&item);
    if (!value || value->size() < 2) return std::nullopt;
    return AnchorChoice{(*value)[0] - '0', (*value)[1] - '0'};
}

std::vector<std::string> ShadowChoices::shadow_names() {
    return map_.Keys();
}

std::string ShadowChoices::settings_text(
    const std::function<std::string(const std::string&)>& control_key) {
    std::string text;
    const auto names = map_.Keys();
    const auto values = map_.Items();
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string key = control_key(names[i]);
        if (key.empty()) continue;
        const auto& value = std::any_cast<const std::string&>(values[i]);
        const AnchorChoice choice{value[0] - '0', value[1] - '0'};
        if (!text.empty()) text += "\r\n";
        text += key + " \t" + letters_of_choice(choice);
    }
    return text;
}

}  // namespace kv
