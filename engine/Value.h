#pragma once
// A property value as the host hands it over: empty, a Boolean, a number or a text.
// Numbers are doubles (every 32-bit integer and colour fits exactly).
#include <cstdint>
#include <string>
#include <variant>

namespace kv {

using Value = std::variant<std::monostate, bool, double, std::string>;

// Host conversions. A Boolean is -1 (true) or 0 as a number; a text converts when it is a number
// (else error 13); empty is 0 / "" / false.
double to_double(const Value& v);
std::string to_text(const Value& v);
bool to_bool(const Value& v);

// Value equality as the property bag uses it to omit defaults (numbers compare as numbers).
bool same_value(const Value& a, const Value& b);

}  // namespace kv
