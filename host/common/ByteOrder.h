#pragma once
// Numbers inside the bytes of a picture or a record, read with bounds: a field that would run
// past the end reads 0, as a damaged file's missing bytes do.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kv::host {

// `width` bytes (at most 4) from `at`, least significant first.
inline uint32_t read_le(std::string_view b, size_t at, size_t width) {
    if (at > b.size() || width > b.size() - at) return 0;
    uint32_t v = 0;
    for (size_t i = 0; i < width; ++i)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

// Most significant first.
inline uint32_t read_be(std::string_view b, size_t at, size_t width) {
    if (at > b.size() || width > b.size() - at) return 0;
    uint32_t v = 0;
    for (size_t i = 0; i < width; ++i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

}  // namespace kv::host
