#include "control/MGUID.h"

#include "engine/Host.h"

namespace kv::MGUID {

std::string guid_to_text(const std::array<uint8_t, 16>& b) {
    // Data1, Data2 and Data3 are little-endian integers; Data4 is 8 bytes in order.
    static constexpr int kOrder[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "{";
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        const uint8_t byte = b[static_cast<size_t>(kOrder[i])];
        text += kHex[byte >> 4];
        text += kHex[byte & 0x0F];
    }
    text += '}';
    return text;
}

std::string NewFormGUID() {
    return guid_to_text(Host::current().create_guid());
}

}  // namespace kv::MGUID
