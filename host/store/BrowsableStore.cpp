#include "host/store/BrowsableStore.h"

#include "engine/TextCase.h"

namespace kv::store {

std::vector<std::string> split_key_path(const std::string& key_path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : key_path) {
        if (c == '\\') {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

std::string fold_name(const std::string& name) {
    return fold_case(name);
}

}  // namespace kv::store
