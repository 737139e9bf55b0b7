#pragma once
// The controls page's settings map: for each shadow that has a choice, its grid and font choice,
// kept in the sorted order of the shadow names, and the ControlSettings text it writes.
//
// A line loaded from the stored text keeps its own mode letters until the developer picks a
// choice for that control: letters that no choice shows exactly (a single R edge, an F edge, a
// short text) are what the run time uses, so writing them back as the nearest choice would
// change the form's behaviour behind the developer's back.
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/SortedList.h"
#include "pages/AnchorChoice.h"

namespace kv {

class ShadowChoices {
  public:
    ShadowChoices();

    // Store a choice for a shadow, replacing an earlier one; it writes the choice's letters.
    void set(const std::string& shadow_name, AnchorChoice choice);
    // Store the choice a stored line's letters come back as, and answer it; the line keeps
    // `letters`.
    AnchorChoice load(const std::string& shadow_name, const std::string& letters);
    void erase(const std::string& shadow_name);
    std::optional<AnchorChoice> find(const std::string& shadow_name) const;
    // The mode letters the shadow's line carries ("" when it has no entry).
    std::string letters(const std::string& shadow_name) const;
    // The shadow names with a choice, in the map's order (text order, so _Index10 before _Index2).
    std::vector<std::string> shadow_names();
    int64_t size() const { return map_.Count(); }

    // One line per entry in the map's order: the control key, a blank, a tab and the letters;
    // joined by CR LF. `control_key` gives a shadow's control key ("" skips the entry).
    std::string settings_text(const std::function<std::string(const std::string&)>& control_key);

  private:
    struct Entry {
        AnchorChoice choice;
        std::string letters;  // as stored, or the choice's own
    };
    const Entry* entry(const std::string& shadow_name) const;  // nullptr when it has none
    void put(const std::string& shadow_name, Entry entry);

    // The names in the sorted list's text order; what each one holds is looked up by its name
    // folded to lower case, the sorted list's own sameness of keys. A page of thousands of
    // shadows looks up every one when it colours them, and every stored line when it loads.
    SortedList map_;
    std::unordered_map<std::string, Entry> entries_;
};

// "ShadowOfText1" -> "Text1" (a name without the prefix is returned as it is).
std::string without_shadow_prefix(const std::string& shadow_name);

}  // namespace kv
