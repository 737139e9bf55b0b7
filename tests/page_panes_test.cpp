// The panes page as a developer works it: the containers and lists it offers, moving controls
// into a pane, the pane-count warning, the written PaneSettings and Apply.
#include <gtest/gtest.h>

#include "engine/HostAccess.h"
#include "page_dialog_rig.h"
#include "pages/MResizerPropPages.h"

namespace kv {
namespace {

using Items = std::vector<std::string>;

class PanesPage : public test::PageDialogRig {
  protected:
    void open() { PageDialogRig::open("Panels"); }
    Items list(const std::string& key) {
        Items out;
        auto l = c(key);
        for (int i = 0; i < static_cast<int>(to_double(l->get("ListCount"))); ++i)
            out.push_back(to_text(l->get_item("List", i)));
        return out;
    }
    void choose(const std::string& container) {
        auto combo = c("cboContainers");
        const auto items = list("cboContainers");
        const auto at = std::find(items.begin(), items.end(), container);
        ASSERT_NE(at, items.end()) << container;
        ASSERT_TRUE(page->click_entry(combo, static_cast<int>(at - items.begin())));
    }
    void select(const std::string& list_key, const Items& keys) {
        const auto items = list(list_key);
        for (const auto& k : keys) {
            const auto at = std::find(items.begin(), items.end(), k);
            ASSERT_NE(at, items.end()) << k;
            ASSERT_TRUE(page->click_entry(c(list_key), static_cast<int>(at - items.begin())));
        }
    }
    const std::string& edited() { return page_state().edited_pane_settings; }
};

TEST_F(PanesPage, AFlatFormListsOneContainerAndOnlyPaneableControls) {
    add("ListBox", "List1", 120, 120, 2000, 3000);
    add("TextBox", "Text1", 2240, 120, 3000, 3000);
    add("CommandButton", "cmdOK", 4000, 3400, 1200, 400);
    add("CheckBox", "chkA", 120, 3400, 1200, 300);
    add("OptionButton", "optA", 1400, 3400, 1200, 300);
    auto bar = add("PictureBox", "picBar", 0, 0, 6000, 300);
    bar->set(Prop::Align, Value(1.0));
    form->add_control("Timer", "Timer1");
    open();
    EXPECT_EQ(list("cboContainers"), Items{"Form1"});
    EXPECT_EQ(to_text(c("cboContainers")->get("Text")), "Form1");
    EXPECT_EQ(list("lstChilds"), (Items{"List1", "Text1"}));
    EXPECT_TRUE(list("lstPaned").empty());
    EXPECT_FALSE(to_bool(c("cmdAdd")->get("Enabled")));
    EXPECT_FALSE(page->changed());
}

TEST_F(PanesPage, MovingControlsMakesAPaneUpToFourAndWarnsAboutOne) {
    auto pic = add("PictureBox", "Picture1", 120, 120, 5000, 3000);
    for (int i = 1; i <= 5; ++i)
        add("ListBox", "List" + std::to_string(i), 100.0 + 900 * (i - 1), 100, 800, 2000,
            std::nullopt, pic);
    open();
    choose("Picture1");
    select("lstChilds", {"List1"});
    ASSERT_TRUE(page->click(c("cmdAdd")));
    EXPECT_EQ(list("lstPaned"), Items{"List1"});
    EXPECT_TRUE(to_bool(c("lblErr")->get(Prop::Visible)));
    EXPECT_EQ(to_text(c("lblErr")->get(Prop::Caption)),
              "Split panel on Picture1 currently has 1 pane(s). The number of panes must be 2-4.");
    EXPECT_EQ(edited(), "List1");
    EXPECT_TRUE(page->changed());

    select("lstChilds", {"List2", "List3", "List4"});
    ASSERT_TRUE(page->click(c("cmdAdd")));
    EXPECT_FALSE(to_bool(c("lblErr")->get(Prop::Visible)));
    EXPECT_EQ(edited(), "List1 List2 List3 List4");

    // A fifth is refused: the lists stay, the entry is unselected.
    ASSERT_TRUE(page->dbl_click_entry(c("lstChilds"), 0));
    EXPECT_EQ(list("lstChilds"), Items{"List5"});
    EXPECT_EQ(list("lstPaned").size(), 4u);
    EXPECT_FALSE(to_bool(c("lstChilds")->get_item("Selected", 0)));

    select("lstPaned", {"List2"});
    ASSERT_TRUE(page->click(c("cmdRemove")));
    EXPECT_EQ(edited(), "List1 List3 List4");
    ASSERT_TRUE(dialog->apply());
    EXPECT_EQ(resizer->PaneSettings(), "List1 List3 List4");
    // The controls page's preview takes the applied pane at once and, as the run time will,
    // refuses three side by side.
    ASSERT_EQ(host->messages().size(), 1u);
    EXPECT_EQ(host->messages()[0].text, "Can't 3: 03");
    host->clear_messages();
}

TEST_F(PanesPage, StoredLinesAreCheckedAndWrittenDeepestFirst) {
    auto pic1 = add("PictureBox", "Picture1", 120, 120, 5000, 3000);
    auto pic2 = add("PictureBox", "Picture2", 100, 100, 2000, 2000, std::nullopt, pic1);
    add("ListBox", "ListA", 100, 100, 800, 1000, std::nullopt, pic2);
    add("ListBox", "ListB", 1000, 100, 800, 1000, std::nullopt, pic2);
    add("ListBox", "ListC", 2200, 100, 800, 1000, std::nullopt, pic1);
    add("TextBox", "Text1", 120, 3200, 2000, 600);
    add("TextBox", "Text2", 2200, 3200, 2000, 600);
    resizer->PaneSettings(
        "Text1 Text2\r\nPicture2 ListC\r\nListA ListC\r\nListA ListB\r\nListA ListB");
    open();
    // The controls page's trial sizer met the bad line first, as the run time would.
    ASSERT_FALSE(host->messages().empty());
    EXPECT_EQ(host->messages()[0].text.rfind("Controls for pane is on different containers", 0),
              0u);
    host->clear_messages();
    EXPECT_EQ(list("cboContainers"), (Items{"Form1", "Picture1", "Picture2"}));
    EXPECT_EQ(edited(), "ListA ListB\r\nPicture2 ListC\r\nText1 Text2");
    EXPECT_FALSE(page->changed()) << "until the first edit";
    choose("Picture2");
    EXPECT_EQ(list("lstPaned"), (Items{"ListA", "ListB"}));
    // The pane's controls are red in the demo window, inside their containers' shadows.
    auto shadow = c("ShadowOfListA");
    ASSERT_TRUE(shadow);
    EXPECT_EQ(num(*shadow, Prop::BackColor), 255);
    EXPECT_TRUE(flag(*shadow, Prop::Visible));
    EXPECT_FALSE(flag(*c("ShadowOfText1"), Prop::Visible));
}

// The run time finds a pane's controls whatever the case of their keys: so does the page, and
// an Apply after another edit keeps the pane.
TEST_F(PanesPage, PaneKeysInAnotherCaseAreStillThePane) {
    add("ListBox", "lstB", 120, 120, 2000, 3000);
    add("TextBox", "txtC", 2240, 120, 3000, 3000);
    add("ListBox", "lstD", 120, 3300, 2000, 600);
    resizer->PaneSettings("LSTB TXTC");
    open();
    EXPECT_EQ(list("lstPaned"), (Items{"lstB", "txtC"}));
    EXPECT_EQ(list("lstChilds"), Items{"lstD"});
    select("lstChilds", {"lstD"});
    ASSERT_TRUE(page->click(c("cmdAdd")));
    select("lstPaned", {"lstD"});
    ASSERT_TRUE(page->click(c("cmdRemove")));
    ASSERT_TRUE(page->changed());
    ASSERT_TRUE(dialog->apply());
    EXPECT_EQ(resizer->PaneSettings(), "lstB txtC");
}

// Typing into the container combo goes through texts that name no container ("x(" on the way
// to "x(1)"): they select none, without an error box.
TEST_F(PanesPage, AHalfTypedContainerSelectsNothing) {
    add("ListBox", "List1", 120, 120, 2000, 3000);
    add("TextBox", "Text1", 2240, 120, 3000, 3000);
    open();
    for (const char* typed : {"x", "x(", "x(1", "x(1)", "Form1("}) {
        SCOPED_TRACE(typed);
        ASSERT_TRUE(page->type_text(c("cboContainers"), typed));
        EXPECT_TRUE(list("lstChilds").empty());
        EXPECT_TRUE(list("lstPaned").empty());
        EXPECT_FALSE(to_bool(c("cmdAdd")->get("Enabled")));
    }
    ASSERT_TRUE(page->type_text(c("cboContainers"), "Form1"));
    EXPECT_EQ(list("lstChilds"), (Items{"List1", "Text1"}));
    EXPECT_EQ(edited(), "");
}

}  // namespace
}  // namespace kv
