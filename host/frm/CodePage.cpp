#include "host/frm/CodePage.h"

#include <iconv.h>

#include <cerrno>
#include <charconv>
#include <utility>
#include <vector>

#include "engine/TextCase.h"

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

namespace {

// The length of the well-formed UTF-8 sequence at `i`, 0 when there is none.
size_t utf8_sequence(std::string_view bytes, size_t i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    size_t extra = 0;
    uint32_t cp = 0;
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) {
        extra = 1;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + extra >= bytes.size()) return 0;
    for (size_t k = 1; k <= extra; ++k) {
        const auto d = static_cast<unsigned char>(bytes[i + k]);
        if ((d & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (d & 0x3F);
    }
    static const uint32_t min_for[] = {0, 0x80, 0x800, 0x10000};
    if (cp < min_for[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return extra + 1;
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// UTF-8 with every byte that starts no well-formed sequence replaced by U+FFFD.
std::string replace_bad_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        const size_t n = utf8_sequence(bytes, i);
        if (n == 0) {
            out += kReplacement;
            ++i;
        } else {
            out += bytes.substr(i, n);
            i += n;
        }
    }
    return out;
}

// The code page's text as UTF-8; a byte the code page leaves undefined (0x81 in Windows-1252)
// or a sequence cut short becomes U+FFFD, one for each byte skipped. nullopt for an unknown
// code page.
std::optional<std::string> convert_replacing(std::string_view in, const std::string& from) {
    iconv_t cd = iconv_open("UTF-8", from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string input(in);
    std::string result;
    std::vector<char> out(input.size() * 4 + 16);
    char* src = input.data();
    size_t src_left = input.size();
    while (src_left > 0) {
        char* dst = out.data();
        size_t dst_left = out.size();
        const size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
        const int error = errno;
        result.append(out.data(), dst);
        if (rc != static_cast<size_t>(-1)) break;
        if (error == E2BIG) continue;
        // EILSEQ or EINVAL: the byte at `src` starts nothing this code page defines.
        result += kReplacement;
        ++src;
        --src_left;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return result;
}

}  // namespace

bool is_valid_utf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        const size_t n = utf8_sequence(bytes, i);
        if (n == 0) return false;
        i += n;
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

std::string decode_text_replacing(std::string_view bytes, const std::string& encoding) {
    if (is_utf8(encoding)) return replace_bad_utf8(bytes);
    if (auto text = decode_text(bytes, encoding)) return *text;
    if (auto text = convert_replacing(bytes, encoding)) return *text;
    return replace_bad_utf8(bytes);
}

std::optional<std::string> encode_text(std::string_view utf8, const std::string& encoding) {
    if (!is_valid_utf8(utf8)) return std::nullopt;
    if (is_utf8(encoding)) return std::string(utf8);
    bool ascii = true;
    for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return std::string(utf8);
    return convert(utf8, "UTF-8", encoding);
}

namespace {

// The code page of a font Charset; nullptr for Western (0 ANSI, 1 default) and unknown ones.
const char* code_page_of(long charset) {
    static const std::pair<long, const char*> kPages[] = {
        {128, "CP932"},  {129, "CP949"},  {134, "CP936"},  {136, "CP950"},
        {161, "CP1253"}, {162, "CP1254"}, {177, "CP1255"}, {178, "CP1256"},
        {186, "CP1257"}, {204, "CP1251"}, {222, "CP874"},  {238, "CP1250"}};
    for (const auto& [set, page] : kPages)
        if (set == charset) return page;
    return nullptr;
}

}  // namespace

std::string code_page_from_charsets(std::string_view bytes) {
    // Property lines `Charset = N` (in Font blocks; the previous designer wrote `charset`); the
    // rest of a line is never needed.
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        const size_t word = line.find_first_not_of(" \t");
        if (word == std::string_view::npos || !same_text(line.substr(word, 7), "Charset")) continue;
        line.remove_prefix(word + 7);
        const size_t eq = line.find_first_not_of(" \t");
        if (eq == std::string_view::npos || line[eq] != '=') continue;
        line.remove_prefix(eq + 1);
        const size_t digits = line.find_first_not_of(" \t");
        if (digits == std::string_view::npos) continue;
        long charset = 0;
        const auto [p, ec] =
            std::from_chars(line.data() + digits, line.data() + line.size(), charset);
        if (ec != std::errc() || p == line.data() + digits) continue;
        if (const char* page = code_page_of(charset)) return page;
    }
    return kDefaultCodePage;
}

bool encoding_known(const std::string& encoding) {
    iconv_t cd = iconv_open("UTF-8", encoding.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    iconv_close(cd);
    return true;
}

}  // namespace kv::frm
