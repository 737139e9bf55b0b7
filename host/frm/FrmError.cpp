#include "host/frm/FrmError.h"

namespace kv::frm {

namespace {
std::string located(const std::string& file, size_t line, const std::string& what) {
    if (line == 0) return file + ": " + what;
    return file + ":" + std::to_string(line) + ": " + what;
}
}  // namespace

FrmError::FrmError(const std::string& file, size_t line, const std::string& what)
    : std::runtime_error(located(file, line, what)), file_(file), reason_(what), line_(line) {}

std::string expected_found(const std::string& expected, const std::string& found) {
    std::string shown;
    for (char c : found) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127) {
            static const char* hex = "0123456789ABCDEF";
            shown += "\\x";
            shown += hex[u >> 4];
            shown += hex[u & 15];
        } else {
            shown += c;
        }
        if (shown.size() > 60) {
            shown += "...";
            break;
        }
    }
    return "expected " + expected + ", found '" + shown + "'";
}

}  // namespace kv::frm
