// The panes page's lists: who is listed, loading stored lines, moving entries, the pane-count
// warning and the order of the written lines.
#include <gtest/gtest.h>

#include <map>

#include "engine/Error.h"
#include "error_of.h"
#include "pages/PaneLists.h"

namespace kv {
namespace {

using Items = std::vector<std::string>;

TEST(PaneLists, OnlyPlainUnalignedControlsWithAWidthAreListed) {
    struct Case {
        const char* type;
        bool has_width;
        std::optional<int> align;
        bool listed;
    } cases[] = {
        {"TextBox", true, std::nullopt, true}, {"PictureBox", true, 0, true},
        {"PictureBox", true, 1, false},        {"Timer", false, std::nullopt, false},
        {"CommandButton", true, {}, false},    {"CheckBox", true, {}, false},
        {"OptionButton", true, {}, false},     {"zokKelvane", true, {}, false},
        {"ListBox", true, {}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pane_eligible(c.type, c.has_width, c.align), c.listed) << c.type;
}

// A form frmMain with Picture1 on it, Picture2 in Picture1, and list boxes in each.
struct Rig {
    std::map<std::string, std::string> container_of{
        {"Picture1", "frmMain"}, {"Picture2", "Picture1"}, {"List1", "frmMain"},
        {"List2", "frmMain"},    {"List3", "Picture1"},    {"List4", "Picture1"},
        {"List5", "Picture2"},   {"List6", "Picture2"},    {"Text1(0)", "frmMain"},
        {"Text1(1)", "frmMain"}, {"Text2", "frmMain"},     {"Text3", "frmMain"}};
    PaneLists lists;

    PaneKeyLookup lookup(const std::string& key) const {
        if (key == "Orphan") return {PaneKeyLookup::NoContainer, {}};
        const auto it = container_of.find(key);
        if (it == container_of.end()) return {};
        return {PaneKeyLookup::Found, it->second};
    }
    int depth(const std::string& container) const {
        int d = 0;
        for (std::string c = container; c != "frmMain"; c = container_of.at(c)) ++d;
        return d;
    }
    void load(const std::string& stored) {
        lists.load_stored(stored, [this](const std::string& k) { return lookup(k); });
        for (const char* key : {"Picture1", "List1", "Text1(0)", "Text1(1)", "List2", "Text2",
                                "Text3", "Picture2", "List3", "List4", "List5", "List6"})
            lists.add_control(key, container_of.at(key));
    }
    std::string text() {
        return lists.settings_text([this](const std::string& c) { return depth(c); });
    }
};

TEST(PaneLists, ControlsAllOnTheFormListOneContainer) {
    PaneLists lists;
    lists.add_control("Text1", "Form1");
    lists.add_control("List1", "Form1");
    EXPECT_EQ(lists.containers(), Items{"Form1"});
    EXPECT_EQ(lists.not_used("Form1"), (Items{"Text1", "List1"}));
    EXPECT_TRUE(lists.paned("Form1").empty());
    EXPECT_EQ(lists.settings_text([](const std::string&) { return 0; }), "");
}

TEST(PaneLists, StoredLinesAreCheckedMergedAndWrittenDeepestContainerFirst) {
    Rig rig;
    rig.load(
        "List1 Text2\r\n"
        "List2 Nobody\r\n"  // an unknown key leaves its line; List2 joins List1's pane
        "List3 List5\r\n"   // two containers: dropped
        "List4 Orphan\r\n"  // an unreadable container: dropped
        "List5 List6\r\n"
        "Picture2 List3");
    EXPECT_EQ(rig.lists.containers(), (Items{"frmMain", "Picture1", "Picture2"}));
    // Pane lines come in the form's collection order, merged per container.
    EXPECT_EQ(rig.lists.paned("frmMain"), (Items{"List1", "List2", "Text2"}));
    EXPECT_EQ(rig.lists.not_used("frmMain"), (Items{"Picture1", "Text1(0)", "Text1(1)", "Text3"}));
    EXPECT_EQ(rig.lists.paned("Picture1"), (Items{"Picture2", "List3"}));
    EXPECT_EQ(rig.lists.not_used("Picture1"), Items{"List4"});
    EXPECT_EQ(rig.text(), "List5 List6\r\nPicture2 List3\r\nList1 List2 Text2");
    EXPECT_FALSE(rig.lists.pane_count_message());
}

TEST(PaneLists, AFifthControlInAStoredLineEndsTheLoad) {
    Rig rig;
    EXPECT_EQ(error_of([&] { rig.load("List1 List2 Text2 Text3 Text1(0)"); }), kErrSubscript);
    Rig four;
    four.load("List1 List2 Text2 Text3 Ghost");
    EXPECT_EQ(four.lists.paned("frmMain").size(), 4u);
}

TEST(PaneLists, AOneControlPaneWarnsAndIsStillWritten) {
    Rig rig;
    rig.load("");
    rig.lists.set_lists("Picture1", {"List4"}, {"List3"});
    EXPECT_EQ(rig.lists.pane_count_message(),
              "Split panel on Picture1 currently has 1 pane(s). The number of panes must be 2-4.");
    EXPECT_EQ(rig.text(), "List3");
    // Several failing containers: the last in the combo's order is named.
    rig.lists.set_lists("Picture2", {}, {"List5"});
    EXPECT_NE(rig.lists.pane_count_message()->find("Picture2 currently has 1"), std::string::npos);
    rig.lists.set_lists("Picture1", {"List3", "List4"}, {});
    rig.lists.set_lists("Picture2", {}, {"List5", "List6"});
    EXPECT_FALSE(rig.lists.pane_count_message());
}

TEST(PaneLists, ContainerOrderIsFixedByTheFirstRebuild) {
    Rig rig;
    rig.load("");
    rig.lists.set_lists("frmMain", {}, {"List1", "List2"});
    rig.lists.set_lists("Picture1", {}, {"List3", "List4"});
    rig.lists.set_lists("Picture2", {}, {"List5", "List6"});
    EXPECT_EQ(rig.text(), "List5 List6\r\nList3 List4\r\nList1 List2");
    int calls = 0;
    rig.lists.settings_text([&](const std::string&) { return ++calls; });
    EXPECT_EQ(calls, 0);
}

TEST(MoveEntries, MovesSelectedEntriesUpToTheLimit) {
    const Items source{"A", "B", "C", "D"};
    auto all = move_entries(source, {false, true, false, true}, {"X"}, 4);
    EXPECT_EQ(all.source, (Items{"A", "C"}));
    EXPECT_EQ(all.target, (Items{"X", "B", "D"}));
    EXPECT_FALSE(all.refused);

    // A fifth pane control is refused: both lists unchanged.
    auto full = move_entries(source, {true, false, false, false}, {"P", "Q", "R", "S"}, 4);
    EXPECT_EQ(full.source, source);
    EXPECT_EQ(full.target.size(), 4u);
    EXPECT_TRUE(full.refused);

    // Room for one of two: the first goes, the second stays.
    auto part = move_entries(source, {true, true, false, false}, {"P", "Q", "R"}, 4);
    EXPECT_EQ(part.source, (Items{"B", "C", "D"}));
    EXPECT_EQ(part.target.back(), "A");
    EXPECT_TRUE(part.refused);
}

TEST(MoveEntries, ButtonRules) {
    EXPECT_TRUE(add_button_enabled(4, {false, true}));  // stays enabled at four
    EXPECT_FALSE(add_button_enabled(5, {true}));
    EXPECT_FALSE(add_button_enabled(0, {false, false}));
    EXPECT_TRUE(remove_button_enabled({false, true}));
    EXPECT_FALSE(remove_button_enabled({}));
}

}  // namespace
}  // namespace kv
