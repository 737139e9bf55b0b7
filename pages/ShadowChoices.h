#pragma once
// The controls page's settings map: for each shadow that has a choice, its grid and font choice,
// kept in the sorted order of the shadow names, and the ControlSettings text it writes.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/SortedList.h"
#include "pages/AnchorChoice.h"

namespace kv {

class ShadowChoices {
  public:
    ShadowChoices();

    // Store a choice for a shadow, replacing an earlier one.
    void set(const std::string& shadow_name, AnchorChoice choice);
    void erase(const std::string& shadow_name);
    std::optional<AnchorChoice> find(const std::string& shadow_name);
    // The shadow names with a choice, in the map's order (text order, so _Index10 before _Index2).
    std::vector<std::string> shadow_names();
    int64_t size() const { return map_.Count(); }

    // One line per entry in the map's order: the control key, a blank, a tab and the five
    // letters; joined by CR LF. `control_key` gives a shadow's control key ("" skips the entry).
    std::string settings_text(const std::function<std::string(const std::string&)>& control_key);

    // The value text of an entry: grid digit, font digit, the shadow name without "ShadowOf".
    static std::string value_text(const std::string& shadow_name, AnchorChoice choice);

  private:
    SortedList map_;
};

// "ShadowOfText1" -> "Text1" (a name without the prefix is returned as it is).
std::string without_shadow_prefix(const std::string& shadow_name);

}  // namespace kv
