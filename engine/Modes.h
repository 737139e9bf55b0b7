#pragma once
// Anchoring modes of an edge or of the font.
#include <cstdint>

namespace kv {

inline constexpr int32_t KV_KEEP = 0;
inline constexpr int32_t KV_ABSOLUTE = 1;
inline constexpr int32_t KV_RELATIVE = 2;
inline constexpr int32_t KV_FLOAT = 3;

}  // namespace kv
