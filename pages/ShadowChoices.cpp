#include "pages/ShadowChoices.h"

#include <string_view>

#include "engine/TextCase.h"

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
    const auto [at, fresh] = entries_.insert_or_assign(fold_case(shadow_name), std::move(entry));
    if (!fresh) map_.Remove(shadow_name);  // the new spelling of the name takes its place
    map_.Add(shadow_name, {});
}

void ShadowChoices::set(const std::string& shadow_name, AnchorChoice choice) {
    put(shadow_name, {choice, letters_of_choice(choice)});
}

AnchorChoice ShadowChoices::load(const std::string& shadow_name, const std::string& letters) {
    const AnchorChoice choice = choice_from_letters(letters);
    put(shadow_name, {choice, letters});
    return choice;
}

void ShadowChoices::erase(const std::string& shadow_name) {
    if (entries_.erase(fold_case(shadow_name)) != 0) map_.Remove(shadow_name);
}

const ShadowChoices::Entry* ShadowChoices::entry(const std::string& shadow_name) const {
    const auto it = entries_.find(fold_case(shadow_name));
    return it == entries_.end() ? nullptr : &it->second;
}

std::optional<AnchorChoice> ShadowChoices::find(const std::string& shadow_name) const {
    const Entry* e = entry(shadow_name);
    if (!e) return std::nullopt;
    return e->choice;
}

std::string ShadowChoices::letters(const std::string& shadow_name) const {
    const Entry* e = entry(shadow_name);
    return e ? e->letters : std::string();
}

std::vector<std::string> ShadowChoices::shadow_names() {
    return map_.Keys();
}

std::string ShadowChoices::settings_text(
    const std::function<std::string(const std::string&)>& control_key) {
    std::string text;
    for (const std::string& name : map_.Keys()) {
        const std::string key = control_key(name);
        if (key.empty()) continue;
        if (!text.empty()) text += "\r\n";
        text += key + " \t" + entry(name)->letters;
    }
    return text;
}

}  // namespace kv
