#pragma once
// One thing the user does to a running form, as given on the command line.
#include <optional>
#include <string>
#include <utility>

namespace kv::app {

struct Step {
    enum Kind { Size, UserSize, State, Drag } kind = Size;
    double width = 0, height = 0;         // Size, UserSize: outer size in twips
    int state = 0;                        // State: 0 normal, 1 min, 2 max
    double x = 0, y = 0, x2 = 0, y2 = 0;  // Drag, in the container's scale units
    std::string container;                // Drag: control key, "" for the form
    std::string given;                    // the option and its text, for messages
};

// The largest outer size of a form in twips: the store keeps sizes as 32-bit integers.
inline constexpr double kMaxFormTwips = 2147483647.0;

// Each parser returns nullopt for a text that is not what it reads and then, when `problem` is
// given and the text's fault can be told more closely than by its shape, says what is wrong.
// "WxH" in twips, each side above 0 and at most kMaxFormTwips.
std::optional<std::pair<double, double>> parse_size(const std::string& text,
                                                    std::string* problem = nullptr);
// "normal", "min" or "max" as a window state.
std::optional<int> parse_window_state(const std::string& text, std::string* problem = nullptr);
// "X,Y:X2,Y2[@CONTAINER]" as a drag step: finite single-precision numbers (what a mouse event
// carries) and a control key NAME or NAME(INDEX) with INDEX from 0 to 32767.
std::optional<Step> parse_drag(const std::string& text, std::string* problem = nullptr);

}  // namespace kv::app
