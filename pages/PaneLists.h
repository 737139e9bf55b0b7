#pragma once
// The lists behind the panes page, without the page: which controls of which container are in
// no pane and which form its pane, loaded from the stored PaneSettings and the form's controls,
// edited by moving entries, checked for the pane count and written back as PaneSettings text.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace kv {

// May a control be listed at all? It needs a width, no alignment, and must not be a command
// button, check box, option button or the resizer itself.
bool pane_eligible(std::string_view type_name, bool has_width, std::optional<int> align);

// One stored key as the form answers it.
struct PaneKeyLookup {
    enum Kind { Missing, Found, NoContainer } kind = Missing;
    std::string container_key;  // when Found
};

class PaneLists {
  public:
    using Lookup = std::function<PaneKeyLookup(const std::string& key)>;

    // Mark the keys of every valid stored line as paned. Keys naming no control leave their
    // line; a line whose controls sit on different containers, or one of them on none, is
    // dropped. A fifth found control in a line throws error 9.
    void load_stored(std::string_view pane_settings, const Lookup& lookup);
    // Enumerate one eligible control (in the form's collection order).
    void add_control(const std::string& key, const std::string& container_key);

    // Containers holding an eligible control, in sorted-list order.
    const std::vector<std::string>& containers() const { return containers_; }
    std::vector<std::string> not_used(const std::string& container) const;
    std::vector<std::string> paned(const std::string& container) const;
    // Replace a container's two entries by the lists' contents (an empty list drops the entry).
    void set_lists(const std::string& container, const std::vector<std::string>& not_used,
                   const std::vector<std::string>& paned);

    // The warning for the last container (in combo order) whose pane has 1 or 5+ controls.
    std::optional<std::string> pane_count_message() const;

    // The PaneSettings text: one line per container with a pane, most deeply nested containers
    // first, the form last, ties by key. The order is fixed on the first call from `depth`
    // (0 for the form, 1 for a control on the form, ...).
    std::string settings_text(const std::function<int(const std::string&)>& depth);

  private:
    std::unordered_set<std::string> stored_paned_;  // folded keys of valid stored lines
    std::map<std::string, std::string> not_used_;   // container -> blank-separated keys
    std::map<std::string, std::string> paned_;
    std::vector<std::string> containers_;
    std::optional<std::vector<std::string>> order_;
};

// Moving the selected entries of one list to another, at most `limit` entries in the target.
struct ListMove {
    std::vector<std::string> source, target;  // moved entries leave the source, refused stay
    bool refused = false;                     // unselected
};
ListMove move_entries(const std::vector<std::string>& source, const std::vector<bool>& selected,
                      const std::vector<std::string>& target, size_t limit);

// The button rules: ">" while the pane has at most four entries and a free entry is selected,
// "<" while a pane entry is selected.
bool add_button_enabled(size_t paned_count, const std::vector<bool>& not_used_selected);
bool remove_button_enabled(const std::vector<bool>& paned_selected);

}  // namespace kv
