#pragma once
// The ten anchoring choices of the controls page and their mode letters, the colour legend, and
// which choices a pane control may take. Pure functions over the letters of ControlSettings.
#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

inline constexpr int kChoiceCount = 11;  // 0-8 the grid, 9 stretched, 10 pane resizing
inline constexpr int kStretchChoice = 9;
inline constexpr int kPaneChoice = 10;
inline constexpr int kLegendForm = 10;  // legend colour of the shadow form in views 1 and 2

// A grid choice (0-9) and a font choice (0 keep, 1 change).
struct AnchorChoice {
    int grid = 0;
    int font = 0;
    bool operator==(const AnchorChoice&) const = default;
};

// The choice five mode letters come back as: any R among the first four gives 9; otherwise the
// column is 2 when left is A, 0 when right is A, else 1, and the row likewise from top and
// bottom. Letters other than K, A and R count as K. Font 0 only for a fifth letter K.
AnchorChoice choice_from_letters(std::string_view letters);

// The five letters a choice writes: the grid letters (RRRR for 9) and K or C. Choice 10 is never
// stored; it writes the letters of choice 0.
std::string letters_of_choice(AnchorChoice c);

// The choice a control sizer's modes amount to (the pane layout's derived modes).
AnchorChoice choice_from_modes(int32_t l, int32_t t, int32_t r, int32_t b, int32_t f);

// Tooltip of optMove(index), 0-10.
std::string_view choice_tooltip(int index);
// Hint of a grid position 0-8 (corner, border or middle).
std::string_view grid_hint(int index);

// Legend colour of lblclr(index), 0-10, as the host's colour value (red + green*256 + blue*65536).
int32_t legend_colour(int index);

// The pane status letter of a control in a trial pane: B when it guides both dividers, H the
// horizontal one only, V the vertical one only, blank when it guides none.
char pane_status_letter(bool horizontal_guide, bool vertical_guide);

// Which of choices 0-9 are visible after the pane restrictions: no letter shows all; B shows
// 0, 1, 3, 4, 9; W and V 0, 1; H 0, 3; blank none; any other letter keeps `current`.
std::bitset<10> visible_choices(std::optional<char> status, std::bitset<10> current);
// The caption of fraResizing for a shadow with or without a pane status letter.
std::string_view resizing_frame_caption(bool has_status);

}  // namespace kv
