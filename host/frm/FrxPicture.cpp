#include "host/frm/FrxPicture.h"

#include <cstdio>

#include "host/frm/FrmError.h"

namespace kv::frm {

namespace {

constexpr char kSignature[] = {'l', 't', '\0', '\0'};

uint32_t read_le32(const std::string& b, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

void put_le32(std::string& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string hex4(uint64_t v) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%04llX", static_cast<unsigned long long>(v));
    return buf;
}

bool signature_at(const std::string& b, size_t at) {
    return at + 4 <= b.size() && b.compare(at, 4, kSignature, 4) == 0;
}

// The first bytes at the offset, for a message about what stands there instead.
std::string bytes_at(const std::string& b, size_t at) {
    std::string shown;
    for (size_t i = at; i < b.size() && i < at + 8; ++i) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%s%02X", shown.empty() ? "" : " ",
                      static_cast<unsigned>(static_cast<unsigned char>(b[i])));
        shown += buf;
    }
    return shown;
}

}  // namespace

std::optional<host::Picture> FrxPicture::read(const FrxFile& frx, uint32_t offset) {
    const std::string& b = frx.bytes();
    const std::string where = " at offset " + hex4(offset);
    auto damaged = [&](const std::string& what) { throw FrmError(frx.path(), 0, what); };
    if (offset >= b.size())
        damaged("expected a picture record" + where + ", found a file of " +
                std::to_string(b.size()) + " bytes");
    // Where the signature stands: after the record size, or at the offset itself.
    size_t sig = offset;
    std::optional<uint32_t> record_size;
    if (signature_at(b, offset + 4ull)) {
        sig = offset + 4ull;
        record_size = read_le32(b, offset);
    } else if (!signature_at(b, offset)) {
        damaged("expected a picture record (its size, then \"lt\" and two zero bytes)" + where +
                ", found the bytes " + bytes_at(b, offset));
    }
    if (sig + 8 > b.size())
        damaged("expected the size of the picture after its signature" + where +
                ", found the end of the file");
    const uint32_t size = read_le32(b, sig + 4);
    const size_t data = sig + 8, left = b.size() - data;
    if (size > left)
        damaged("expected a picture of " + byte_count(size) + where + ", found only " +
                byte_count(left) + " to the end of the file");
    if (record_size && *record_size < uint64_t{size} + 8)
        damaged("expected a record size of at least " + std::to_string(uint64_t{size} + 8) +
                " bytes for a picture of " + std::to_string(size) + " bytes" + where + ", found " +
                std::to_string(*record_size));
    if (size == 0) return std::nullopt;
    return host::Picture::from_bytes(b.substr(data, size));
}

std::string FrxPicture::record(const std::string& image_bytes) {
    std::string r;
    const auto size = static_cast<uint32_t>(image_bytes.size());
    put_le32(r, size + 8);
    r.append(kSignature, 4);
    put_le32(r, size);
    return r + image_bytes;
}

}  // namespace kv::frm
