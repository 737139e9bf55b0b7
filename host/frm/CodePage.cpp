#include "host/frm/CodePage.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace kv::frm {

namespace {

bool is_utf8(const std::string& encoding) {
    return encoding == "UTF-8" || encoding == "utf-8" || encoding == "UTF8" || encoding == "utf8";
}

// One iconv conversion of the whole text; nullopt on any invalid or unconvertible byte.
std::optional<std::string> convert(std::string_view in, const std::string& from,
                                   const std::string& to) {
    iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string input(in);
    std::vector<char> out(input.size() * 4 + 16);
    char* src = input.data();
    size_t src_left = input.size();
    char* dst = out.data();
    size_t dst_left = out.size();
    std::optional<std::string> result;
    while (true) {
        const size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
        if (rc != static_cast<size_t>(-1)) {
            // Some converters count unconvertible characters replaced: treat those as failures.
            if (rc == 0) result = std::string(out.data(), dst);
            break;
        }
        if (errno != E2BIG) break;
        const size_t used = static_cast<size_t>(dst - out.data());
        out.resize(out.size() * 2);
        dst = out.data() + used;
        dst_left = out.size() - used;
    }
    iconv_close(cd);
    return result;
}

}  // namespace

bool is_valid_utf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        size_t extra = 0;
        uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= bytes.size()) return false;
        for (size_t k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(bytes[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        static const uint32_t min_for[] = {0, 0x80, 0x800, 0x10000};
        if (cp < min_for[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

std::optional<std::string> decode_text(std::string_view bytes, const std::string& encoding) {
    if (is_utf8(encoding)) {
        if (!is_valid_utf8(bytes)) return std::nullopt;
        return std::string(bytes);
    }
    bool ascii = true;
    for (char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return std::string(bytes);
    return convert(bytes, encoding, "UTF-8");
}

std::optional<std::string> encode_text(std::string_view utf8, const std::string& encoding) {
    if (!is_valid_utf8(utf8)) return std::nullopt;
    if (is_utf8(encoding)) return std::string(utf8);
    bool ascii = true;
    for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return std::string(utf8);
    return convert(utf8, "UTF-8", encoding);
}

bool encoding_known(const std::string& encoding) {
    iconv_t cd = iconv_open("UTF-8", encoding.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    iconv_close(cd);
    return true;
}

}  // namespace kv::frm
