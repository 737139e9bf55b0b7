#pragma once
// Names compared without regard to case, as the forms runtime compares control, property, key
// and value names: ASCII letters fold, every other byte (UTF-8 included) stays as it is, whatever
// the locale.
#include <string>
#include <string_view>

namespace kv {

inline char fold_char(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// `s` with its ASCII letters in lower case.
std::string fold_case(std::string_view s);

// Whether `a` and `b` are the same name.
bool same_text(std::string_view a, std::string_view b);

// -1, 0 or 1 as `a` sorts before, with or after `b` once folded (bytes compared unsigned).
int compare_folded(std::string_view a, std::string_view b);

}  // namespace kv
