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

void ShadowChoices::put(const std::string& shadow_name, Entry entry) {
    if (map_.Exists(shadow_name)) map_.Remove(shadow_name);
    map_.Add(shadow_name, std::move(entry));
}

void ShadowChoices::set(const std::string& shadow_name, AnchorChoice choice) {
    put(shadow_name, {choice, letters_of_choice(choice)});
}

void ShadowChoices::load(const std::string& shadow_name, const std::string& letters) {
    put(shadow_name, {choice_from_letters(letters), letters});
}

void ShadowChoices::erase(const std::string& shadow_name) {
    if (map_.Exists(shadow_name)) map_.Remove(shadow_name);
}

std::optional<AnchorChoice> ShadowChoices::find(const std::string& shadow_name) {
    const auto item = map_.Item_(shadow_name);
    const auto* entry = std::any_cast<Entry>(&item);
    if (!entry) return std::nullopt;
    return entry->choice;
}

std::string ShadowChoices::letters(const std::string& shadow_name) {
    const auto item = map_.Item_(shadow_name);
    const auto* entry = std::any_cast<Entry>(&item);
    return entry ? entry->letters : std::string();
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
        if (!text.empty()) text += "\r\n";
        text += key + " \t" + std::any_cast<const Entry&>(values[i]).letters;
    }
    return text;
}

}  // namespace kv
