#include "apps/kelvane/Step.h"

#include <tuple>

#include "engine/Numbers.h"

namespace kv::app {

namespace {

std::optional<std::pair<double, double>> parse_pair(const std::string& text, char between) {
    const auto at = text.find(between);
    if (at == std::string::npos) return std::nullopt;
    const auto a = parse_number(text.substr(0, at));
    const auto b = parse_number(text.substr(at + 1));
    if (!a || !b) return std::nullopt;
    return std::make_pair(*a, *b);
}

}  // namespace

std::optional<std::pair<double, double>> parse_size(const std::string& text) {
    // The host's number reader takes &H... hexadecimal; a size is plain decimal twips.
    if (text.find('&') != std::string::npos) return std::nullopt;
    auto size = parse_pair(text, 'x');
    if (!size) size = parse_pair(text, 'X');
    if (!size || size->first <= 0 || size->second <= 0) return std::nullopt;
    return size;
}

std::optional<int> parse_window_state(const std::string& text) {
    if (text == "normal") return 0;
    if (text == "min") return 1;
    if (text == "max") return 2;
    return std::nullopt;
}

std::optional<Step> parse_drag(const std::string& text) {
    Step s;
    s.kind = Step::Drag;
    std::string ends = text;
    if (const auto at = ends.find('@'); at != std::string::npos) {
        s.container = ends.substr(at + 1);
        ends = ends.substr(0, at);
        if (s.container.empty()) return std::nullopt;
    }
    const auto colon = ends.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto from = parse_pair(ends.substr(0, colon), ',');
    const auto to = parse_pair(ends.substr(colon + 1), ',');
    if (!from || !to) return std::nullopt;
    std::tie(s.x, s.y) = *from;
    std::tie(s.x2, s.y2) = *to;
    return s;
}

}  // namespace kv::app
