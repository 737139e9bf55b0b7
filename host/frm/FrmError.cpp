#include "host/frm/FrmError.h"

namespace kv::frm {

namespace {
std::string located(const std::string& file, size_t line, const std::string& what) {
    if (line == 0) return file + ": " + what;
    return file + ":" + std::to_string(line) + ": " + what;
}

// Length of the well-formed UTF-8 sequence at s[i], 0 when the bytes there are not one. A
// message quotes what it found; bytes of another code page or of a file that is not text are
// shown as \xNN so they do not garble the terminal.
size_t utf8_length(const std::string& s, size_t i) {
    const auto u = static_cast<unsigned char>(s[i]);
    const size_t n = u < 0x80 ? 1 : (u >> 5) == 6 ? 2 : (u >> 4) == 14 ? 3 : (u >> 3) == 30 ? 4 : 0;
    if (n == 0 || u == 0xC0 || u == 0xC1 || u > 0xF4 || i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return 0;
    return n;
}
}  // namespace

FrmError::FrmError(const std::string& file, size_t line, const std::string& what)
    : std::runtime_error(located(file, line, what)), file_(file), reason_(what), line_(line) {}

std::string expected_found(const std::string& expected, const std::string& found) {
    static const char* hex = "0123456789ABCDEF";
    std::string shown;
    for (size_t i = 0; i < found.size();) {
        const auto u = static_cast<unsigned char>(found[i]);
        const size_t n = utf8_length(found, i);
        if (n == 0 || u < 32 || u == 127) {
            shown += "\\x";
            shown += hex[u >> 4];
            shown += hex[u & 15];
            ++i;
        } else {
            shown.append(found, i, n);
            i += n;
        }
        if (shown.size() > 60) {
            shown += "...";
            break;
        }
    }
    return "expected " + expected + ", found '" + shown + "'";
}

}  // namespace kv::frm
