// The controls page's choices: letters <-> choices, the settings map's text and the colour
// views.
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
}

// A shadow name is one entry in any case, as the sorted list's text keys are: written again in
// another case it replaces the entry and takes its place in the new spelling; look-ups and
// erasing ignore the case.
TEST(ShadowChoices, ANameInAnotherCaseIsTheSameEntry) {
    ShadowChoices map;
    map.set("ShadowOftxtA", {1, 0});
    map.load("ShadowOfTXTB", "KKAAK");
    map.set("ShadowOfTxta", {4, 1});
    EXPECT_EQ(map.size(), 2);
    EXPECT_EQ(map.find("SHADOWOFTXTA"), (AnchorChoice{4, 1}));
    EXPECT_EQ(map.letters("shadowoftxtb"), "KKAAK");
    EXPECT_EQ(map.shadow_names(), (std::vector<std::string>{"ShadowOfTxta", "ShadowOfTXTB"}));
    map.erase("shadowoftxtb");
    EXPECT_FALSE(map.find("ShadowOfTXTB"));
    EXPECT_EQ(map.settings_text([](const std::string& s) { return without_shadow_prefix(s); }),
              "Txta \tKKKKC");
}

// A stored line keeps the letters the run time reads until a choice is picked for its control;
// "Pane resizing" (choice 10) keeps its number and its font choice.
TEST(ShadowChoices, StoredLettersStayUntilAChoiceIsPicked) {
    ShadowChoices map;
    const auto same = [](const std::string& s) { return without_shadow_prefix(s); };
    map.load("ShadowOftxtName", "KKRKK");  // only the right edge relative: no choice shows that
    map.load("ShadowOflstA", "FAKK");      // a float edge, a short text
    EXPECT_EQ(map.find("ShadowOftxtName"), (AnchorChoice{9, 0}));
    EXPECT_EQ(map.settings_text(same), "lstA \tFAKK\r\ntxtName \tKKRKK");
    map.set("ShadowOftxtName", {9, 0});  // picked again: now the choice's own letters
    map.set("ShadowOflstA", {kPaneChoice, 1});
    EXPECT_EQ(map.find("ShadowOflstA"), (AnchorChoice{kPaneChoice, 1}));
    EXPECT_EQ(map.settings_text(same), "lstA \tKKAAC\r\ntxtName \tRRRRK");
    EXPECT_EQ(map.letters("ShadowOflstA"), "KKAAC");
    EXPECT_EQ(map.letters("ShadowOfNobody"), "");
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

}  // namespace
}  // namespace kv
