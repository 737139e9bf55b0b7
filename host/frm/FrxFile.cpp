#include "host/frm/FrxFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "host/frm/FileLimits.h"
#include "host/frm/FrmError.h"

namespace kv::frm {

namespace {

constexpr uint64_t kMaxBytes = kMaxFormFileBytes;

uint32_t read_le(const std::string& b, size_t at, size_t width) {
    uint32_t v = 0;
    for (size_t i = 0; i < width; ++i)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

std::string hex_offset(uint32_t offset) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04X", offset);
    return buf;
}

bool negative_count(const std::string& bytes, uint32_t offset) {
    return bytes.size() - offset >= 4 && read_le(bytes, offset, 4) >= 0xFFFF0000u;
}

// Width of the entry's count (4, 2 or 1 bytes) and the count; width 0 when none fits.
std::pair<size_t, size_t> entry_layout(const std::string& bytes, uint32_t offset) {
    const size_t size = bytes.size();
    if (offset >= size) return {0, 0};
    const size_t left = size - offset;
    // A 4-byte count from -65536 to -1 is a negative length, not a narrower count and text
    // that would start with two 0xFF bytes.
    if (negative_count(bytes, offset)) return {0, 0};
    // This system's entries and most others have a 4-byte count; older text entries use 2 or 1.
    for (size_t width : {size_t{4}, size_t{2}, size_t{1}}) {
        if (left < width) continue;
        // A narrower count has its text where a 4-byte count has its high bytes: zero high bytes
        // are a 4-byte count running past the end (a cut file), not text to read a narrower one.
        if (width < 4 && left >= 4 && read_le(bytes, offset + 2, 2) == 0) break;
        const size_t count = read_le(bytes, offset, width);
        if (count <= left - width) return {width, count};
    }
    return {0, 0};
}

}  // namespace

FrxFile FrxFile::load(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 && errno == ELOOP)
        throw FrmError(path, 0,
                       "expected a file of its own, found a symbolic link (a .frx is never read "
                       "through a link)");
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0) ::close(fd);
        throw FrmError(path, 0, "expected a regular file, found none or a folder or device");
    }
    if (static_cast<uint64_t>(st.st_size) > kMaxBytes) {
        ::close(fd);
        throw FrmError(path, 0,
                       "expected at most 64 MB, found " + std::to_string(st.st_size) + " bytes");
    }
    FrxFile f;
    f.path_ = path;
    f.bytes_.resize(static_cast<size_t>(st.st_size));
    size_t got = 0;
    while (got < f.bytes_.size()) {
        const ssize_t n = ::read(fd, f.bytes_.data() + got, f.bytes_.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            throw FrmError(path, 0, "cannot read the file");
        }
        if (n == 0) break;  // shorter than it said: what is there is the file
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    f.bytes_.resize(got);
    f.on_disk_ = true;
    return f;
}

FrxFile FrxFile::written(const std::string& path, const std::string& bytes) {
    FrxFile f;
    f.path_ = path;
    f.bytes_ = bytes;
    f.on_disk_ = true;
    return f;
}

size_t FrxFile::entry_size(uint32_t offset) const {
    const auto [width, count] = entry_layout(bytes_, offset);
    return width == 0 ? 0 : width + count;
}

std::string FrxFile::read_text(uint32_t offset) const {
    const size_t size = bytes_.size();
    if (offset >= size) {
        throw FrmError(path_, 0,
                       "expected an entry at offset " + hex_offset(offset) + ", found a file of " +
                           std::to_string(size) + " bytes");
    }
    const auto [width, count] = entry_layout(bytes_, offset);
    if (width == 0) {
        const size_t left = size - offset;
        if (negative_count(bytes_, offset)) {
            char field[16];
            std::snprintf(field, sizeof field, "%08X", read_le(bytes_, offset, 4));
            throw FrmError(path_, 0,
                           "expected an entry at offset " + hex_offset(offset) +
                               ", found the length field " + field + ", a negative length");
        }
        if (left < 4)
            throw FrmError(path_, 0,
                           "expected an entry at offset " + hex_offset(offset) + ", found only " +
                               byte_count(left) +
                               " to the end of the file, too few to hold its length");
        // The bytes the text could have are those after its length field: counting the field
        // too once said "of 16 bytes ..., found only 18".
        const uint32_t wanted = read_le(bytes_, offset, 4);
        throw FrmError(path_, 0,
                       "expected an entry of " + byte_count(wanted) + " at offset " +
                           hex_offset(offset) + ", found only " + byte_count(left - 4) +
                           " after its length to the end of the file");
    }
    return bytes_.substr(offset + width, count);
}

std::optional<std::vector<std::string>> FrxFile::read_list(uint32_t offset) const {
    const size_t size = bytes_.size();
    if (offset >= size || size - offset < 4) return std::nullopt;
    const uint32_t tag = read_le(bytes_, offset + 2, 2);
    if (tag != 3 && tag != 7) return std::nullopt;
    const size_t count = read_le(bytes_, offset, 2);
    std::vector<std::string> items;
    items.reserve(count);
    size_t at = offset + 4;
    for (size_t i = 0; i < count; ++i) {
        if (size - at < 2) return std::nullopt;
        const size_t length = read_le(bytes_, at, 2);
        at += 2;
        if (size - at < length) return std::nullopt;
        items.push_back(bytes_.substr(at, length));
        at += length;
    }
    return items;
}

void FrxFile::truncate(size_t size) {
    if (size < bytes_.size()) bytes_.resize(size);
}

uint32_t FrxFile::put_text(const std::string& text_bytes) {
    const auto offset = static_cast<uint32_t>(bytes_.size());
    const auto count = static_cast<uint32_t>(text_bytes.size());
    for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>((count >> (8 * i)) & 0xFF);
    bytes_ += text_bytes;
    return offset;
}

}  // namespace kv::frm
