#pragma once
// A status bar of the common controls as it looks: its panels from left to right (the file's
// Panels(1), Panels(2), ... with Width, MinWidth, AutoSize, Alignment, Bevel, Style and Text), or
// with the bar's Style 1 its SimpleText across it, and where each panel stands (BarDrawing.h
// draws it).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/HostObject.h"

namespace kv::host {

struct StatusPanel {
    std::string text;   // what it shows: its Text, a key's name, a date's or time's saved text
    int auto_size = 0;  // 0 its Width, 1 a share of the room the others leave, 2 its text's width
    int alignment = 0;  // 0 left, 1 centre, 2 right
    int bevel = 1;      // 0 none, 1 inset, 2 raised
    double width_twips = 1440, min_width_twips = 1440;
    bool enabled = true;
};

class StatusBarLook {
  public:
    bool simple = false;  // Style 1: SimpleText across the bar, no panels
    std::string simple_text;
    std::vector<StatusPanel> panels;

    static bool candidate(std::string_view class_name);
    static StatusBarLook read(HostObject& bar);

    // Each panel's left edge and width in pixels on a bar `width` pixels wide: springs share
    // what the others leave (each at least its MinWidth), a panel sized by its contents is its
    // text's width and a margin (at least its MinWidth). `text_width` measures a text.
    struct Place {
        double left = 0, width = 0;
    };
    std::vector<Place> place(double width, double twips_per_pixel,
                             const std::function<double(const std::string&)>& text_width) const;
};

// Panels stand apart by this much, and their text this far inside their edges (pixels).
inline constexpr double kPanelGap = 2, kPanelInset = 4;

}  // namespace kv::host
