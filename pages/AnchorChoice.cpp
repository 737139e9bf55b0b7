#include "pages/AnchorChoice.h"

#include "engine/Modes.h"

namespace kv {

namespace {

struct ChoiceRow {
    std::string_view tooltip;
    std::string_view letters;
};

constexpr std::array<ChoiceRow, kChoiceCount> kChoices{{
    {"Fixed size. Anchored at upper left.", "KKAA"},
    {"Fixed height, variable width. Anchored at top.", "KKKA"},
    {"Fixed size. Anchored at upper right.", "AKKA"},
    {"Fixed width, variable height. Anchored at left.", "KKAK"},
    {"Variable size.", "KKKK"},
    {"Fixed width, variable height. Anchored at right.", "AKKK"},
    {"Fixed size. Anchored at lower left.", "KAAK"},
    {"Fixed height, variable width. Anchored at bottom.", "KAKK"},
    {"Fixed size. Anchored at lower right.", "AAKK"},
    {"Stretched.", "RRRR"},
    {"Pane resizing.", "KKAA"},
}};

struct Rgb {
    int r, g, b;
};
constexpr std::array<Rgb, kChoiceCount> kLegend{{
    {203, 236, 255},
    {126, 201, 244},
    {64, 163, 220},
    {176, 244, 78},
    {136, 200, 74},
    {123, 155, 91},
    {253, 119, 11},
    {185, 114, 45},
    {137, 108, 79},
    {243, 159, 255},
    {242, 202, 138},
}};

// A missing edge letter is neither A nor R, which is all the grid asks.
char letter_at(std::string_view letters, size_t i) {
    return i < letters.size() ? letters[i] : ' ';
}

}  // namespace

AnchorChoice choice_from_letters(std::string_view letters) {
    AnchorChoice c;
    c.font = letters.size() > 4 && letters[4] == 'K' ? 0 : 1;
    for (size_t i = 0; i < 4; ++i)
        if (letter_at(letters, i) == 'R') {
            c.grid = kStretchChoice;
            return c;
        }
    const char left = letter_at(letters, 0), top = letter_at(letters, 1);
    const char right = letter_at(letters, 2), bottom = letter_at(letters, 3);
    const int column = left == 'A' ? 2 : right == 'A' ? 0 : 1;
    const int row = top == 'A' ? 2 : bottom == 'A' ? 0 : 1;
    c.grid = 3 * row + column;
    return c;
}

std::string letters_of_choice(AnchorChoice c) {
    const int grid = c.grid >= 0 && c.grid < kChoiceCount ? c.grid : 0;
    std::string letters(kChoices[static_cast<size_t>(grid)].letters);
    letters += c.font == 0 ? 'K' : 'C';
    return letters;
}

AnchorChoice choice_from_modes(int32_t l, int32_t t, int32_t r, int32_t b, int32_t f) {
    auto letter = [](int32_t m) { return m == KV_ABSOLUTE ? 'A' : m == KV_RELATIVE ? 'R' : 'K'; };
    const std::string letters{letter(l), letter(t), letter(r), letter(b), f == KV_KEEP ? 'K' : 'C'};
    return choice_from_letters(letters);
}

std::string_view choice_tooltip(int index) {
    if (index < 0 || index >= kChoiceCount) return {};
    return kChoices[static_cast<size_t>(index)].tooltip;
}

std::string_view grid_hint(int index) {
    switch (index) {
        case 0:
        case 2:
        case 6:
        case 8:
            return "Anchor at this corner, don't change size";
        case 1:
        case 3:
        case 5:
        case 7:
            return "Anchor at this border, change size along that border";
        case 4:
            return "Change size both vertically and horizontally";
        default:
            return {};
    }
}

int32_t legend_colour(int index) {
    if (index < 0 || index >= kChoiceCount) index = 0;
    const Rgb& c = kLegend[static_cast<size_t>(index)];
    return c.r + c.g * 256 + c.b * 65536;
}

char pane_status_letter(bool horizontal_guide, bool vertical_guide) {
    if (horizontal_guide && vertical_guide) return 'B';
    if (horizontal_guide) return 'H';
    if (vertical_guide) return 'V';
    return ' ';
}

std::bitset<10> visible_choices(std::optional<char> status, std::bitset<10> current) {
    if (!status) return std::bitset<10>{}.set();
    switch (*status) {
        case 'B':
            return std::bitset<10>{"1000011011"};  // 0, 1, 3, 4, 9
        case 'W':
        case 'V':                                  // a vertical guide alone: the counterpart of H
            return std::bitset<10>{"0000000011"};  // 0, 1
        case 'H':
            return std::bitset<10>{"0000001001"};  // 0, 3
        case ' ':
            return {};
        default:
            return current;
    }
}

std::string_view resizing_frame_caption(bool has_status) {
    return has_status ? "Possible Pane Resizing" : "Selected Control Resizing";
}

}  // namespace kv
