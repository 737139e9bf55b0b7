#include "harness/ShownText.h"

#include <cstdio>

namespace kv::app {

namespace {
bool g_terminal = false;
}  // namespace

std::string shown(std::string_view text, std::string_view kept) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        char buf[8];
        if ((c < 0x20 || c == 0x7F) && kept.find(static_cast<char>(c)) == std::string_view::npos) {
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else if (c == 0xC2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            // U+0080 to U+009F: the C1 controls (CSI among them) in UTF-8.
            std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned char>(text[++i]));
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string clipped(std::string_view text, size_t max) {
    if (text.size() <= max) return shown(text);
    size_t cut = max;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // whole UTF-8
    return shown(text.substr(0, cut)) + "...";
}

std::string on_terminal(std::string_view text, std::string_view kept) {
    return g_terminal ? shown(text, kept) : std::string(text);
}

bool output_is_terminal() {
    return g_terminal;
}

void set_output_is_terminal(bool terminal) {
    g_terminal = terminal;
}

}  // namespace kv::app
