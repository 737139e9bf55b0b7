// The controls page's choices: letters <-> choices, the settings map's text, the colour views,
// the trial sizer's modes and the pane restrictions.
#include <gtest/gtest.h>

#include "engine/Modes.h"
#include "pages/AnchorChoice.h"
#include "pages/PreviewRules.h"
#include "pages/ShadowChoices.h"

namespace kv {
namespace {

struct LettersCase {
    const char* stored;
    AnchorChoice choice;
    const char* written;
};

TEST(AnchorChoice, StoredLettersLoadAsAChoiceAndWriteBack) {
    const LettersCase cases[] = {
        {"KKAAK", {0, 0}, "KKAAK"},  // round trip
        {"RKKKC", {9, 1}, "RRRRC"},  // any R stretches all four edges
        {"KAKAK", {7, 0}, "KAKKK"},  // top A wins over bottom A; neither side A: middle column
        {"AKAKK", {5, 0}, "AKKKK"},  // left A wins over right A
        {"KKKKK", {4, 0}, "KKKKK"},
        {"AAKKF", {8, 1}, "AAKKC"},  // any font letter but K changes the font
        {"FFFFK", {4, 0}, "KKKKK"},  // F edges count as K
        {"KK", {4, 1}, "KKKKC"},     // short letters: missing edges K, missing font changes
        {"", {4, 1}, "KKKKC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(choice_from_letters(c.stored), c.choice);
        EXPECT_EQ(letters_of_choice(c.choice), c.written);
    }
}

TEST(AnchorChoice, EveryGridChoiceSurvivesARoundTrip) {
    for (int grid = 0; grid <= kStretchChoice; ++grid)
        for (int font = 0; font <= 1; ++font) {
            const AnchorChoice c{grid, font};
            EXPECT_EQ(choice_from_letters(letters_of_choice(c)), c) << grid << font;
        }
}

TEST(AnchorChoice, ModesOfAPaneControlReadAsTheirChoice) {
    EXPECT_EQ(choice_from_modes(KV_KEEP, KV_KEEP, KV_ABSOLUTE, KV_KEEP, KV_KEEP),
              (AnchorChoice{3, 0}));
    EXPECT_EQ(choice_from_modes(KV_ABSOLUTE, KV_KEEP, KV_KEEP, KV_KEEP, KV_RELATIVE),
              (AnchorChoice{5, 1}));
    EXPECT_EQ(choice_from_modes(KV_RELATIVE, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP),
              (AnchorChoice{9, 0}));
}

TEST(AnchorChoice, LegendColoursAreRedGreenBlue) {
    EXPECT_EQ(legend_colour(0), 203 + 236 * 256 + 255 * 65536);
    EXPECT_EQ(legend_colour(10), 242 + 202 * 256 + 138 * 65536);
}

TEST(AnchorChoice, PaneStatusRestrictsTheChoices) {
    const std::bitset<10> some{"0000110000"};
    struct Case {
        std::optional<char> letter;
        const char* visible;  // choice 9 first, choice 0 last
    } cases[] = {
        {std::nullopt, "1111111111"}, {'B', "1000011011"}, {'W', "0000000011"},
        {'H', "0000001001"},          {' ', "0000000000"}, {'V', "0000110000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(visible_choices(c.letter, some), std::bitset<10>{c.visible})
            << c.letter.value_or('-');
    EXPECT_EQ(pane_status_letter(true, true), 'B');
    EXPECT_EQ(pane_status_letter(true, false), 'H');
    EXPECT_EQ(pane_status_letter(false, true), 'V');
    EXPECT_EQ(pane_status_letter(false, false), ' ');
}

TEST(ShadowChoices, WritesLinesInShadowNameOrderSoIndexTenComesBeforeTwo) {
    ShadowChoices map;
    map.set("ShadowOfText1_Index2", {0, 0});
    map.set("ShadowOfText1_Index10", {9, 1});
    map.set("ShadowOfList1", {4, 0});
    map.set("ShadowOfText1_Index2", {8, 0});  // replaces
    EXPECT_EQ(map.size(), 3);
    const auto key = [](const std::string& shadow) {
        const std::string rest = without_shadow_prefix(shadow);
        const auto at = rest.find("_Index");
        if (at == std::string::npos) return rest;
        return rest.substr(0, at) + "(" + rest.substr(at + 6) + ")";
    };
    EXPECT_EQ(map.settings_text(key), "List1 \tKKKKK\r\nText1(10) \tRRRRC\r\nText1(2) \tAAKKK");
    map.erase("ShadowOfList1");
    EXPECT_FALSE(map.find("ShadowOfList1"));
    EXPECT_EQ(map.find("ShadowOfText1_Index10"), (AnchorChoice{9, 1}));
    EXPECT_EQ(ShadowChoices::value_text("ShadowOfText1_Index10", {9, 1}), "91Text1_Index10");
}

TEST(PreviewRules, LegendIndexPerColourView) {
    struct Case {
        int view;
        std::optional<int> stored;
        bool add_all;
        std::optional<int> pane;
        std::optional<int> expected;
    } cases[] = {
        {0, 3, true, 5, std::nullopt},  // the control's own colour
        {1, 3, true, 5, 3},
        {1, std::nullopt, true, std::nullopt, 0},
        {2, std::nullopt, true, std::nullopt, 9},  // AddAllControls stretches the rest
        {2, std::nullopt, false, std::nullopt, 0},
        {2, 3, true, std::nullopt, 3},
        {2, 3, true, 5, 5},  // the pane decides
        {1, std::nullopt, false, 5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(legend_index_for_view(c.view, c.stored, c.add_all, c.pane), c.expected)
            << c.view << " " << c.stored.value_or(-1) << " " << c.add_all;
}

TEST(PreviewRules, TrialModesOfAShadow) {
    using M = std::array<int32_t, 5>;
    EXPECT_EQ(trial_modes(AnchorChoice{0, 0}, false, false, false),
              (M{KV_KEEP, KV_KEEP, KV_ABSOLUTE, KV_ABSOLUTE, KV_KEEP}));
    EXPECT_EQ(trial_modes(AnchorChoice{8, 1}, false, false, true),
              (M{KV_ABSOLUTE, KV_ABSOLUTE, KV_KEEP, KV_KEEP, KV_RELATIVE}));
    EXPECT_FALSE(trial_modes(std::nullopt, false, true, false));
    const auto stretched = trial_modes(std::nullopt, true, false, false);
    ASSERT_TRUE(stretched);
    EXPECT_EQ((*stretched)[0], KV_RELATIVE);
    EXPECT_EQ((*stretched)[3], KV_RELATIVE);
    // A command button floats (keeps its size) unless fonts and buttons are added too.
    EXPECT_EQ((*trial_modes(std::nullopt, true, false, true))[2], KV_FLOAT);
    EXPECT_EQ((*trial_modes(std::nullopt, true, true, true))[2], KV_RELATIVE);
}

}  // namespace
}  // namespace kv
