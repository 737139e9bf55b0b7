#include "pages/PaneLists.h"

#include <algorithm>

#include "control/SettingsStrings.h"
#include "engine/Error.h"
#include "engine/SortedList.h"
#include "engine/TextCase.h"

namespace kv {

namespace {

constexpr size_t kMaxPaneControls = 4;

std::vector<std::string> split_blanks(std::string_view text) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t at = std::min(text.find(' ', start), text.size());
        parts.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
    return parts;
}

std::string trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> entry_items(const std::map<std::string, std::string>& map,
                                     const std::string& container) {
    std::vector<std::string> items;
    const auto it = map.find(container);
    if (it == map.end()) return items;
    for (auto& item : split_blanks(trimmed(it->second)))
        if (!item.empty()) items.push_back(std::move(item));
    return items;
}

void set_entry(std::map<std::string, std::string>& map, const std::string& container,
               const std::vector<std::string>& items) {
    if (items.empty()) {
        map.erase(container);
        return;
    }
    std::string entry = items.front();
    for (size_t i = 1; i < items.size(); ++i)
        if (!items[i].empty()) entry += ' ' + items[i];
    map[container] = entry;
}

}  // namespace

bool pane_eligible(std::string_view type_name, bool has_width, std::optional<int> align) {
    if (!has_width || align.value_or(0) != 0) return false;
    return type_name != "CommandButton" && type_name != "CheckBox" && type_name != "OptionButton" &&
           type_name != "zokKelvane";
}

void PaneLists::load_stored(std::string_view pane_settings, const Lookup& lookup) {
    for (const auto& line : split_settings_lines(pane_settings)) {
        std::vector<std::string> keys;
        std::optional<std::string> container;
        bool valid = true;
        for (const auto& key : split_blanks(line)) {
            const PaneKeyLookup found = lookup(key);
            if (found.kind == PaneKeyLookup::Missing) continue;
            if (found.kind == PaneKeyLookup::NoContainer ||
                (container && *container != found.container_key)) {
                valid = false;
                break;
            }
            container = found.container_key;
            if (keys.size() == kMaxPaneControls) throw Error::standard(kErrSubscript);
            keys.push_back(key);
        }
        if (valid)
            for (const auto& key : keys) stored_paned_.insert(fold_case(key));
    }
}

void PaneLists::add_control(const std::string& key, const std::string& container_key) {
    if (key.empty() || container_key.empty()) return;
    // The in-pane set is a text-mode sorted list: a stored key in another case is the same key.
    const bool in_pane = stored_paned_.count(fold_case(key)) != 0;
    auto& map = in_pane ? paned_ : not_used_;
    auto [it, fresh] = map.try_emplace(container_key, key);
    if (!fresh) it->second += ' ' + key;
    if (std::find(containers_.begin(), containers_.end(), container_key) == containers_.end()) {
        // The combo lists containers in the sorted list's text order.
        SortedList sorted;
        sorted.SortMode(1);
        containers_.push_back(container_key);
        for (const auto& c : containers_) sorted.Add(c, c);
        containers_ = sorted.Keys();
    }
}

std::vector<std::string> PaneLists::not_used(const std::string& container) const {
    return entry_items(not_used_, container);
}

std::vector<std::string> PaneLists::paned(const std::string& container) const {
    return entry_items(paned_, container);
}

void PaneLists::set_lists(const std::string& container, const std::vector<std::string>& not_used,
                          const std::vector<std::string>& paned) {
    set_entry(not_used_, container, not_used);
    set_entry(paned_, container, paned);
}

std::optional<std::string> PaneLists::pane_count_message() const {
    std::optional<std::string> message;
    for (const auto& container : containers_) {
        const auto it = paned_.find(container);
        if (it == paned_.end() || it->second.empty()) continue;
        const auto count = std::count(it->second.begin(), it->second.end(), ' ') + 1;
        if (count == 1 || count >= 5)
            message = "Split panel on " + container + " currently has " + std::to_string(count) +
                      " pane(s)." + " The number of panes must be 2-4.";
    }
    return message;
}

std::string PaneLists::settings_text(const std::function<int(const std::string&)>& depth) {
    if (!order_) {
        SortedList sorted;
        sorted.SortMode(1);
        for (const auto& c : containers_)
            sorted.Add(std::to_string(99 - depth(c)) + " " + c, std::any(c));
        order_.emplace();
        for (const auto& item : sorted.Items()) order_->push_back(std::any_cast<std::string>(item));
    }
    std::string text;
    for (const auto& container : *order_) {
        const auto it = paned_.find(container);
        if (it == paned_.end() || it->second.empty()) continue;
        if (!text.empty()) text += "\r\n";
        text += it->second;
    }
    return text;
}

ListMove move_entries(const std::vector<std::string>& source, const std::vector<bool>& selected,
                      const std::vector<std::string>& target, size_t limit) {
    ListMove move;
    move.target = target;
    for (size_t i = 0; i < source.size(); ++i) {
        const bool chosen = i < selected.size() && selected[i];
        if (chosen && move.target.size() < limit) {
            move.target.push_back(source[i]);
            continue;
        }
        move.refused = move.refused || chosen;
        move.source.push_back(source[i]);
    }
    return move;
}

bool add_button_enabled(size_t paned_count, const std::vector<bool>& not_used_selected) {
    return paned_count <= kMaxPaneControls &&
           std::find(not_used_selected.begin(), not_used_selected.end(), true) !=
               not_used_selected.end();
}

bool remove_button_enabled(const std::vector<bool>& paned_selected) {
    return std::find(paned_selected.begin(), paned_selected.end(), true) != paned_selected.end();
}

}  // namespace kv
