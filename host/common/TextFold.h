#pragma once
// Case-insensitive names, as the forms runtime and the window system compare them.
#include <string>
#include <string_view>

namespace kv::host {

bool iequal(std::string_view a, std::string_view b);
std::string fold(std::string_view s);  // lower case (ASCII)

}  // namespace kv::host
