#pragma once
// What the reader takes: the writer refuses to save anything it could not read back.
#include <cstddef>
#include <cstdint>

namespace kv::frm {

// A form file and a .frx each hold at most this many bytes.
inline constexpr uint64_t kMaxFormFileBytes = 64ull * 1024 * 1024;
// The longest file name the file systems take.
inline constexpr size_t kMaxFileNameBytes = 255;

}  // namespace kv::frm
