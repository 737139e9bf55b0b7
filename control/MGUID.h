#pragma once
// GUID texts that give every form its own place in the settings store.
#include <array>
#include <cstdint>
#include <string>

namespace kv::MGUID {

// A new GUID from the host as "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (38 characters).
std::string NewFormGUID();
// The registry text of 16 GUID bytes in the platform layout (first three groups little-endian).
std::string guid_to_text(const std::array<uint8_t, 16>& bytes);

}  // namespace kv::MGUID
