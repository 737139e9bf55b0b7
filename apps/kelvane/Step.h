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
};

// "WxH" in twips, both positive; nullopt when the text is not one.
std::optional<std::pair<double, double>> parse_size(const std::string& text);
// "normal", "min" or "max" as a window state.
std::optional<int> parse_window_state(const std::string& text);
// "X,Y:X2,Y2[@CONTAINER]" as a drag step.
std::optional<Step> parse_drag(const std::string& text);

}  // namespace kv::app
