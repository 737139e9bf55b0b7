#pragma once
// How the fuzz targets cut one input into parts: at NUL bytes, which none of the texts they feed
// (form files, settings strings, store names) hold in real use.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kv::fuzz {

inline std::vector<std::string> split_at_nul(const uint8_t* data, size_t size, size_t max_parts) {
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && parts.size() < max_parts) {
            parts.emplace_back();
        } else {
            parts.back() += static_cast<char>(data[i]);
        }
    }
    return parts;
}

// A folder of this process's own, for files a target must put on disk.
std::string scratch_dir();

}  // namespace kv::fuzz
