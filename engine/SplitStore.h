#pragma once
// Named texts kept per user between sessions, by section and key: where a pane saves its split.
// The placement store of the layer above implements it.
#include <string>

namespace kv {

class SplitStore {
  public:
    virtual ~SplitStore() = default;

    virtual std::string get_opt(const std::string& section, const std::string& key,
                                const std::string& default_value) = 0;
    // Writes only when the stored text differs from `value`.
    virtual void save_opt(const std::string& section, const std::string& key,
                          const std::string& value) = 0;
};

}  // namespace kv
