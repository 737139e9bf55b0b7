#pragma once
// Case-insensitive names, as the forms runtime and the window system compare them.
#include <string>
#include <string_view>

namespace kv::host {

bool same_folded(std::string_view a, std::string_view b);  // iequal for names of one length
// Names of different lengths differ: most comparisons end there, without a call.
inline bool iequal(std::string_view a, std::string_view b) {
    return a.size() == b.size() && same_folded(a, b);
}
std::string fold(std::string_view s);  // lower case (ASCII)

}  // namespace kv::host
