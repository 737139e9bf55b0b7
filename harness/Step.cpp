#include "harness/Step.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <tuple>

#include "engine/Numbers.h"

namespace kv::app {

namespace {

void tell(std::string* problem, const std::string& text) {
    if (problem) *problem = text;
}

// A plain decimal number from lo to hi; the host's reader also takes &H... hexadecimal, "inf"
// and "nan", none of which is a coordinate or a size.
std::optional<double> option_number(const std::string& text, double lo, double hi,
                                    const std::string& range, std::string* problem) {
    if (text.find('&') != std::string::npos) return std::nullopt;
    const auto v = parse_number(text);
    if (!v) return std::nullopt;
    if (!std::isfinite(*v)) {
        tell(problem, "'" + text + "' is not a finite number");
        return std::nullopt;
    }
    if (*v < lo || *v > hi) {
        tell(problem, "'" + text + "' is not " + range);
        return std::nullopt;
    }
    return v;
}

std::optional<std::pair<double, double>> parse_pair(const std::string& text, char between,
                                                    double lo, double hi, const std::string& range,
                                                    std::string* problem) {
    const auto at = text.find(between);
    if (at == std::string::npos) return std::nullopt;
    const auto a = option_number(text.substr(0, at), lo, hi, range, problem);
    if (!a) return std::nullopt;
    const auto b = option_number(text.substr(at + 1), lo, hi, range, problem);
    if (!b) return std::nullopt;
    return std::make_pair(*a, *b);
}

// NAME or NAME(INDEX), INDEX a decimal whole number from 0 to 32767 (a control array's range).
bool control_key(const std::string& key, std::string* problem) {
    const auto open = key.find('(');
    if (open == std::string::npos) return true;
    const std::string index =
        key.back() == ')' ? key.substr(open + 1, key.size() - open - 2) : std::string();
    bool digits = key.back() == ')' && open > 0 && !index.empty() && index.size() <= 5;
    for (char c : index) digits = digits && std::isdigit(static_cast<unsigned char>(c));
    if (digits && std::stoi(index) <= 32767) return true;
    tell(problem, "'" + key +
                      "' is not a control key: expected NAME or NAME(INDEX) with INDEX a whole "
                      "number from 0 to 32767");
    return false;
}

}  // namespace

std::optional<std::pair<double, double>> parse_size(const std::string& text, std::string* problem) {
    const std::string range = "above 0 and at most 2147483647 twips";
    const char between = text.find('x') != std::string::npos ? 'x' : 'X';
    auto size = parse_pair(text, between, 0, kMaxFormTwips, range, problem);
    if (size && (size->first <= 0 || size->second <= 0)) {
        tell(problem, "a side of 0 twips or less is no size");
        return std::nullopt;
    }
    return size;
}

std::optional<int> parse_window_state(const std::string& text, std::string*) {
    if (text == "normal") return 0;
    if (text == "min") return 1;
    if (text == "max") return 2;
    return std::nullopt;
}

std::optional<Step> parse_drag(const std::string& text, std::string* problem) {
    Step s;
    s.kind = Step::Drag;
    std::string ends = text;
    if (const auto at = ends.find('@'); at != std::string::npos) {
        s.container = ends.substr(at + 1);
        ends = ends.substr(0, at);
        if (s.container.empty() || !control_key(s.container, problem)) return std::nullopt;
    }
    const auto colon = ends.find(':');
    if (colon == std::string::npos) return std::nullopt;
    // A mouse event carries single-precision coordinates.
    constexpr double kSingle = std::numeric_limits<float>::max();
    const std::string range = "a coordinate a mouse event can carry (at most 3.4E+38 either way)";
    const auto from = parse_pair(ends.substr(0, colon), ',', -kSingle, kSingle, range, problem);
    if (!from) return std::nullopt;
    const auto to = parse_pair(ends.substr(colon + 1), ',', -kSingle, kSingle, range, problem);
    if (!to) return std::nullopt;
    std::tie(s.x, s.y) = *from;
    std::tie(s.x2, s.y2) = *to;
    return s;
}

}  // namespace kv::app
