#include "host/common/RtfText.h"

#include <cctype>
#include <cstdint>
#include <vector>

namespace kv::host {

namespace {

// Windows-1252's characters at 0x80 to 0x9F (0 where it has none); the rest are Latin-1's.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void append_utf8(std::string& out, uint32_t cp) {
    if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void append_byte(std::string& out, unsigned char b) {
    append_utf8(out, b >= 0x80 && b < 0xA0 ? (kHigh[b - 0x80] ? kHigh[b - 0x80] : 0xFFFD) : b);
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Destinations whose text is not the document's.
bool skipped_destination(std::string_view word) {
    static constexpr std::string_view kSkipped[] = {"fonttbl",      "colortbl",
                                                    "stylesheet",   "info",
                                                    "pict",         "object",
                                                    "header",       "footer",
                                                    "headerl",      "headerr",
                                                    "footerl",      "footerr",
                                                    "listtable",    "listoverridetable",
                                                    "rsidtbl",      "generator",
                                                    "themedata",    "datastore",
                                                    "latentstyles", "xmlnstbl"};
    for (auto s : kSkipped)
        if (word == s) return true;
    return false;
}

}  // namespace

std::string rtf_plain_text(std::string_view rtf) {
    if (rtf.substr(0, 5) != "{\\rtf") return std::string(rtf);
    struct Group {
        bool skip = false;
        int uc = 1;  // characters after \uN that stand for it in older readers
    };
    std::vector<Group> groups{{}};
    std::string out;
    int fallback = 0;  // characters of a \uN's fallback still to skip
    for (size_t i = 0; i < rtf.size();) {
        const char c = rtf[i];
        Group& g = groups.back();
        if (c == '{') {
            groups.push_back(g);
            ++i;
            // {\* ...}: a destination a reader that does not know it leaves out.
            if (rtf.substr(i, 2) == "\\*") groups.back().skip = true;
            continue;
        }
        if (c == '}') {
            if (groups.size() > 1) groups.pop_back();
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c != '\\') {
            if (fallback > 0) {
                --fallback;
            } else if (!g.skip) {
                append_byte(out, static_cast<unsigned char>(c));
            }
            ++i;
            continue;
        }
        // A control symbol or word.
        ++i;
        if (i >= rtf.size()) break;
        const char s = rtf[i];
        if (s == '\\' || s == '{' || s == '}') {
            if (fallback > 0)
                --fallback;
            else if (!g.skip)
                out += s;
            ++i;
            continue;
        }
        if (s == '\'') {
            const int hi = i + 1 < rtf.size() ? hex_digit(rtf[i + 1]) : -1;
            const int lo = i + 2 < rtf.size() ? hex_digit(rtf[i + 2]) : -1;
            i += 1 + (hi >= 0) + (hi >= 0 && lo >= 0);
            if (hi < 0 || lo < 0) continue;
            if (fallback > 0)
                --fallback;
            else if (!g.skip)
                append_byte(out, static_cast<unsigned char>(hi * 16 + lo));
            continue;
        }
        if (!std::isalpha(static_cast<unsigned char>(s))) {
            // \~ a non-breaking space, \- \_ optional and non-breaking hyphens; others nothing.
            if (!g.skip && fallback == 0) {
                if (s == '~') append_utf8(out, 0xA0);
                if (s == '_') out += '-';
            }
            ++i;
            continue;
        }
        size_t end = i;
        while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
        const std::string_view word = rtf.substr(i, end - i);
        bool has_number = false;
        long number = 0;
        bool negative = false;
        if (end < rtf.size() && rtf[end] == '-') {
            negative = true;
            ++end;
        }
        while (end < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[end]))) {
            has_number = true;
            if (number < 1000000) number = number * 10 + (rtf[end] - '0');
            ++end;
        }
        if (negative) number = -number;
        if (end < rtf.size() && rtf[end] == ' ') ++end;  // the delimiter belongs to the word
        i = end;
        if (skipped_destination(word)) {
            g.skip = true;
        } else if (word == "uc" && has_number) {
            g.uc = static_cast<int>(number < 0 ? 0 : number > 10 ? 10 : number);
        } else if (word == "u" && has_number) {
            if (!g.skip)
                append_utf8(out, static_cast<uint32_t>(number < 0 ? number + 65536 : number));
            fallback = g.uc;
        } else if (!g.skip && fallback == 0) {
            if (word == "par" || word == "line")
                out += "\r\n";
            else if (word == "tab")
                out += '\t';
        }
    }
    // The rich text box's last paragraph mark ends no line of its text.
    if (out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0) out.resize(out.size() - 2);
    return out;
}

}  // namespace kv::host
