#include "engine/TextCase.h"

#include <algorithm>

namespace kv {

std::string fold_case(std::string_view s) {
    std::string folded(s);
    for (char& c : folded) c = fold_char(c);
    return folded;
}

bool same_text(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return fold_char(x) == fold_char(y);
           });
}

int compare_folded(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        if (a[i] == b[i]) continue;  // most names compared share a long start
        const auto ca = static_cast<unsigned char>(fold_char(a[i]));
        const auto cb = static_cast<unsigned char>(fold_char(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace kv
