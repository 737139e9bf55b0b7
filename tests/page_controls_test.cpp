// The controls page as a developer works it: stored settings loaded onto the shadows and
// written back, choices picked on a shadow, Delete, double-click, the two check boxes, the
// pane restrictions, the size handle and Apply.
#include <gtest/gtest.h>

#include <set>

#include "engine/HostAccess.h"
#include "page_dialog_rig.h"
#include "pages/MResizerPropPages.h"

namespace kv {
namespace {

using test_rect = std::array<double, 4>;

class ControlsPage : public test::PageDialogRig {
  protected:
    ppVisControls& code() { return dynamic_cast<ppVisControls&>(*dialog->page_code(0)); }
    std::optional<int> choice() { return code().getOptVal("optMove", 11); }
    std::optional<int> font() { return code().getOptVal("optFont", 2); }
    const std::string& edited() { return page_state().edited_control_settings; }
    test_rect rect(const std::string& key) {
        auto o = c(key);
        return {num(*o, Prop::Left), num(*o, Prop::Top), num(*o, Prop::Width),
                num(*o, Prop::Height)};
    }
    // Pick a choice for a shadow as the hand does: focus the shadow, click the choice.
    void pick(const std::string& shadow, int grid, int font_choice = 0) {
        ASSERT_TRUE(page->click(c(shadow)));
        ASSERT_TRUE(page->click(c("optMove(" + std::to_string(grid) + ")")));
        ASSERT_TRUE(page->click(c("optFont(" + std::to_string(font_choice) + ")")));
    }
};

TEST_F(ControlsPage, StoredLettersLoadOntoTheShadowsAndAreWrittenBack) {
    add("TextBox", "Text1", 600, 600, 2400, 300);
    add("TextBox", "Text2", 600, 1200, 2400, 300);
    add("TextBox", "Text3", 600, 1800, 2400, 300);
    add("ListBox", "List1", 3600, 600, 1800, 1200, 2);
    add("ListBox", "List1", 3600, 2000, 1800, 1200, 10);
    resizer->ControlSettings(
        "Text1 \tKKAAK\r\nText2 \tRKKKC\r\nText3 \tKAKAK\r\nList1(2) \tAAKKK\r\n"
        "List1(10) \tKKKKC\r\nNobody \tKKKKK\r\nno separator KKKK");
    open();
    // Each line keeps its own letters (the run time reads them) until a choice is picked.
    EXPECT_EQ(edited(),
              "List1(10) \tKKKKC\r\nList1(2) \tAAKKK\r\nText1 \tKKAAK\r\nText2 \tRKKKC\r\n"
              "Text3 \tKAKAK");
    EXPECT_FALSE(page->changed());
    const struct {
        const char* shadow;
        int grid, font;
    } shown[] = {{"ShadowOfText1", 0, 0},
                 {"ShadowOfText2", 9, 1},
                 {"ShadowOfText3", 7, 0},
                 {"ShadowOfList1_Index10", 4, 1}};
    for (const auto& s : shown) {
        SCOPED_TRACE(s.shadow);
        ASSERT_TRUE(page->click(c(s.shadow)));
        EXPECT_EQ(code().selected_shadow(), s.shadow);
        EXPECT_EQ(choice(), s.grid);
        EXPECT_EQ(font(), s.font);
    }
    EXPECT_FALSE(page->changed()) << "selecting shadows is no edit";
    EXPECT_EQ(to_text(c("ShadowOfText2")->get(Prop::ToolTipText)), "Text2: Stretched.");
}

TEST_F(ControlsPage, PickingDeletingAndDoubleClickingEditTheText) {
    add("TextBox", "Text1", 600, 600, 2400, 300);
    add("TextBox", "Text2", 600, 1200, 2400, 300);
    open();
    EXPECT_EQ(edited(), "");
    pick("ShadowOfText1", 8, 1);
    EXPECT_EQ(edited(), "Text1 \tAAKKC");
    EXPECT_TRUE(page->changed());
    EXPECT_TRUE(dialog->apply_enabled());

    // Double-clicking Text2 gives it the choice shown before it was selected.
    ASSERT_TRUE(page->dbl_click(c("ShadowOfText2")));
    EXPECT_EQ(edited(), "Text1 \tAAKKC\r\nText2 \tAAKKC");

    // Delete clears the selected shadow's choice.
    page->press_key(46);
    EXPECT_EQ(edited(), "Text1 \tAAKKC");

    ASSERT_TRUE(dialog->apply());
    EXPECT_EQ(resizer->ControlSettings(), "Text1 \tAAKKC");
    page->press_key(112);
    ASSERT_FALSE(host->opened_documents().empty());
    EXPECT_NE(host->opened_documents().back().find("controls.html"), std::string::npos)
        << host->opened_documents().back();
    EXPECT_FALSE(page->changed());
}

TEST_F(ControlsPage, TheCheckBoxesEditTheFlagsAndTheFontsBoxFollowsAddAll) {
    add("TextBox", "Text1", 600, 600, 2400, 300);
    resizer->AddAllControls(true);
    resizer->AddAllFontsButtons(false);
    open();
    EXPECT_EQ(to_double(c("chkAddAllControls")->get("Value")), 1);
    EXPECT_EQ(to_double(c("chkAddAllFontsButtons")->get("Value")), 0);
    EXPECT_TRUE(to_bool(c("chkAddAllFontsButtons")->get("Enabled")));
    ASSERT_TRUE(page->click(c("chkAddAllControls")));
    EXPECT_FALSE(to_bool(c("chkAddAllFontsButtons")->get("Enabled")));
    EXPECT_TRUE(page->changed());
    ASSERT_TRUE(page->click(c("chkAddAllControls")));
    EXPECT_FALSE(page->changed()) << "back as stored";
    ASSERT_TRUE(page->click(c("chkAddAllFontsButtons")));
    ASSERT_TRUE(dialog->apply());
    EXPECT_TRUE(resizer->AddAllControls());
    EXPECT_TRUE(resizer->AddAllFontsButtons());
}

TEST_F(ControlsPage, PaneControlsOfferOnlyThePaneChoices) {
    add("ListBox", "lstLeft", 120, 120, 2000, 3000);
    add("ListBox", "lstRight", 2240, 120, 3000, 3000);
    add("TextBox", "Text1", 120, 3300, 2000, 300);
    resizer->PaneSettings("lstLeft lstRight");
    open();
    auto visible = [&] {
        std::string v;
        for (int i = 0; i <= 10; ++i)
            v += flag(*c("optMove(" + std::to_string(i) + ")"), Prop::Visible) ? '1' : '0';
        return v;
    };
    ASSERT_TRUE(page->click(c("ShadowOflstLeft")));  // guides both dividers: B
    EXPECT_EQ(to_text(c("fraResizing")->get(Prop::Caption)), "Possible Pane Resizing");
    EXPECT_EQ(visible(), "11011000011");
    ASSERT_TRUE(page->click(c("ShadowOflstRight")));  // guides nothing
    EXPECT_EQ(visible(), "00000000001");
    ASSERT_TRUE(page->click(c("ShadowOfText1")));
    EXPECT_EQ(to_text(c("fraResizing")->get(Prop::Caption)), "Selected Control Resizing");
    EXPECT_EQ(visible(), "11111111110");
}

TEST_F(ControlsPage, TheSizeHandlePreviewsWithoutEditingAndAClickRestores) {
    add("TextBox", "Text1", 600, 600, 2400, 300);
    add("CommandButton", "Command1", 4200, 3300, 1200, 400);
    add("TextBox", "Text2", 600, 1200, 2400, 300);
    resizer->ControlSettings("Text1 \tKKKAK");
    resizer->AddAllControls(true);
    resizer->AddAllFontsButtons(false);
    open();
    const auto text1 = rect("ShadowOfText1"), button = rect("ShadowOfCommand1");
    const auto text2 = rect("ShadowOfText2");
    const std::string before = edited();
    ASSERT_TRUE(page->drag(c("picSizeHandle"), 900, 450, 3));
    // The form the shadows stand for is whole twips in size: within a fraction of a shadow twip.
    EXPECT_NEAR(rect("ShadowOfText1")[2], text1[2] + 900, 0.5);
    EXPECT_EQ(rect("ShadowOfCommand1")[2], button[2]) << "a button floats: keeps its size";
    EXPECT_GT(rect("ShadowOfCommand1")[0], button[0]);
    EXPECT_GT(rect("ShadowOfText2")[2], text2[2]) << "no entry: stretched by AddAllControls";
    EXPECT_EQ(edited(), before);
    EXPECT_FALSE(page->changed());
    EXPECT_EQ(resizer->ControlSettings(), "Text1 \tKKKAK");

    ASSERT_TRUE(page->click(c("picShadowForm")));
    EXPECT_EQ(rect("ShadowOfText1"), text1);
    EXPECT_EQ(rect("ShadowOfCommand1"), button);
    ASSERT_TRUE(page->drag(c("picSizeHandle"), -600, -300));
    ASSERT_TRUE(page->click(c("ShadowOfText2")));
    EXPECT_EQ(rect("ShadowOfText2"), text2);
}

TEST_F(ControlsPage, TheColourViewIsKeptForTheNextPage) {
    add("TextBox", "Text1", 600, 600, 2400, 300);
    open();
    ASSERT_TRUE(page->click(c("optColorView(2)")));
    EXPECT_EQ(num(*c("ShadowOfText1"), Prop::BackColor), legend_colour(0));
    dialog->cancel();
    open();
    EXPECT_EQ(code().getOptVal("optColorView", 3), 2);
    EXPECT_EQ(num(*c("picShadowForm"), Prop::BackColor), legend_colour(10));
}

// Controls named like an element of an array ("txt_Index", "price_Index2") are plain controls:
// their stored lines survive an Apply and a choice picked for them is saved.
TEST_F(ControlsPage, NamesThatLookLikeElementsKeepTheirLines) {
    add("TextBox", "txt_Index", 600, 600, 2400, 300);
    add("TextBox", "price_Index2", 600, 1200, 2400, 300);
    add("TextBox", "price", 600, 1800, 2400, 300, 2);
    add("TextBox", "x_Plain", 600, 2400, 2400, 300);
    resizer->ControlSettings("txt_Index \tKKKAK\r\nprice(2) \tAAKKK");
    open();
    EXPECT_EQ(edited(), "price(2) \tAAKKK\r\ntxt_Index \tKKKAK");
    pick("ShadowOfprice_Index2_Plain", 8);
    pick("ShadowOfx_Plain_Plain", 1);
    ASSERT_TRUE(page->click(c("ShadowOfprice_Index2")));
    EXPECT_EQ(choice(), 8) << "the element keeps its own choice";
    ASSERT_TRUE(dialog->apply());
    EXPECT_EQ(resizer->ControlSettings(),
              "price(2) \tAAKKK\r\nprice_Index2 \tAAKKK\r\ntxt_Index \tKKKAK\r\nx_Plain \tKKKAK");
}

// "Pane resizing", the one choice a pane control that guides nothing is offered, is saved with
// its font choice and shown again when the pages open again.
TEST_F(ControlsPage, PaneResizingIsSavedWithItsFontChoice) {
    add("ListBox", "lstLeft", 120, 120, 2000, 3000);
    add("ListBox", "lstRight", 2240, 120, 3000, 3000);
    resizer->PaneSettings("lstLeft lstRight");
    open();
    pick("ShadowOflstRight", kPaneChoice, 1);
    EXPECT_EQ(edited(), "lstRight \tKKAAC");
    ASSERT_TRUE(dialog->apply());
    dialog->cancel();
    open();
    ASSERT_TRUE(page->click(c("ShadowOflstRight")));
    EXPECT_EQ(choice(), kPaneChoice);
    EXPECT_EQ(font(), 1);
}

// What a pane control is offered depends on the dividers it guides.
TEST_F(ControlsPage, TheChoicesOfferedFollowTheDividersAControlGuides) {
    add("ListBox", "lstLeft", 120, 120, 1400, 1800);
    add("TextBox", "txtTop", 1600, 120, 1400, 850);
    add("TextBox", "txtBottom", 1600, 1070, 1400, 850);
    add("TextBox", "txtAlone", 120, 3300, 2000, 300);
    auto box = add("PictureBox", "picL", 3200, 120, 2700, 3000);
    add("ListBox", "lstB", 1400, 100, 1200, 1300, std::nullopt, box);
    add("ListBox", "lstA", 100, 1500, 1200, 1300, std::nullopt, box);
    add("ListBox", "lstC", 1400, 1500, 1200, 1300, std::nullopt, box);
    resizer->PaneSettings("lstLeft txtTop txtBottom\r\nlstB lstA lstC");
    open();
    const struct {
        const char* shadow;
        const char* caption;
        const char* offered;  // choices 0 to 10
    } cases[] = {
        // Upper left of its pane: it guides both dividers.
        {"ShadowOflstLeft", "Possible Pane Resizing", "11011000011"},
        // Guided by the others: only "Pane resizing".
        {"ShadowOftxtTop", "Possible Pane Resizing", "00000000001"},
        {"ShadowOftxtBottom", "Possible Pane Resizing", "00000000001"},
        {"ShadowOflstC", "Possible Pane Resizing", "00000000001"},
        // An L of three with the upper left empty: the lower left guides the horizontal
        // divider (its height may change), the upper right the vertical one (its width).
        {"ShadowOflstA", "Possible Pane Resizing", "10010000001"},
        {"ShadowOflstB", "Possible Pane Resizing", "11000000001"},
        {"ShadowOftxtAlone", "Selected Control Resizing", "11111111110"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.shadow);
        ASSERT_TRUE(page->click(c(k.shadow)));
        EXPECT_EQ(to_text(c("fraResizing")->get(Prop::Caption)), k.caption);
        std::string offered;
        for (int i = 0; i <= 10; ++i)
            offered += flag(*c("optMove(" + std::to_string(i) + ")"), Prop::Visible) ? '1' : '0';
        EXPECT_EQ(offered, k.offered);
    }
}

// The legend explains the colours: each choice button has the colour of its legend square,
// no two choices share one, and in "Resizing Set" a shadow shows its choice's colour.
TEST_F(ControlsPage, TheLegendMatchesTheChoicesAndTheShadows) {
    add("TextBox", "Text1", 600, 600, 2400, 300);
    resizer->ControlSettings("Text1 \tAAKKK");
    open();
    std::set<double> colours;
    for (int i = 0; i <= 10; ++i) {
        const double button = num(*c("optMove(" + std::to_string(i) + ")"), Prop::BackColor);
        EXPECT_EQ(button, num(*c("lblclr(" + std::to_string(i) + ")"), Prop::BackColor)) << i;
        colours.insert(button);
    }
    EXPECT_EQ(colours.size(), 11u);
    ASSERT_TRUE(page->click(c("optColorView(1)")));
    EXPECT_EQ(num(*c("ShadowOfText1"), Prop::BackColor), num(*c("optMove(8)"), Prop::BackColor));
}

// A bad pane line is told once per opening of the pages, naming the form's own controls.
TEST_F(ControlsPage, ABadPaneLineIsToldOncePerOpening) {
    auto box = add("PictureBox", "picP", 120, 120, 3000, 3000);
    add("TextBox", "txtIn", 100, 100, 1000, 1000, std::nullopt, box);
    add("TextBox", "txtOut", 3300, 120, 2000, 1000);
    add("TextBox", "txtOther", 3300, 1300, 2000, 1000);
    resizer->PaneSettings("txtIn txtOut");
    open();
    ASSERT_EQ(host->messages().size(), 1u);
    const std::string told = host->messages()[0].text;
    EXPECT_NE(told.find("txtIn"), std::string::npos) << told;
    EXPECT_EQ(told.find("ShadowOf"), std::string::npos) << told;
    host->clear_messages();
    pick("ShadowOftxtOther", 8);
    pick("ShadowOftxtOther", 4);
    ASSERT_TRUE(page->click(c("chkAddAllControls")));
    EXPECT_TRUE(host->messages().empty());
    dialog->cancel();
    open();
    EXPECT_EQ(host->messages().size(), 1u) << "told again on the next opening";
    host->clear_messages();
}

// A pane applied on the Panels page is in the preview at once.
TEST_F(ControlsPage, APaneAppliedOnThePanelsPageShowsAtOnce) {
    add("ListBox", "lstLeft", 120, 120, 2000, 3000);
    add("ListBox", "lstRight", 2240, 120, 3000, 3000);
    open();
    ASSERT_TRUE(page->click(c("ShadowOflstRight")));
    EXPECT_EQ(to_text(c("fraResizing")->get(Prop::Caption)), "Selected Control Resizing");
    ASSERT_TRUE(dialog->select_page("Panels"));
    auto panels = dialog->active_page();
    auto childs = panels->find("lstChilds");
    ASSERT_TRUE(panels->click_entry(childs, 0));
    ASSERT_TRUE(panels->click_entry(childs, 1));
    ASSERT_TRUE(panels->click(panels->find("cmdAdd")));
    ASSERT_TRUE(dialog->apply());
    ASSERT_TRUE(dialog->select_page("Resizing"));
    ASSERT_TRUE(page->click(c("ShadowOflstRight")));
    EXPECT_EQ(to_text(c("fraResizing")->get(Prop::Caption)), "Possible Pane Resizing");
    EXPECT_EQ(choice(), kPaneChoice);
}

// The Tab key visits every stop of the page once per round: every shadow, the choices, the
// font, the check boxes and the colour views; a stop picture whose choices are hidden passes
// the focus on.
TEST_F(ControlsPage, TabVisitsEveryStopOnce) {
    add("ListBox", "lstLeft", 120, 120, 2000, 3000);
    add("ListBox", "lstRight", 2240, 120, 3000, 3000);
    for (int i = 0; i < 6; ++i) add("TextBox", "Text" + std::to_string(i), 120, 3200, 300, 300);
    resizer->PaneSettings("lstLeft lstRight");
    open();
    ASSERT_TRUE(page->click(c("ShadowOflstRight")));  // only "Pane resizing" is offered
    std::vector<std::string> seen;
    for (int i = 0; i < 60; ++i) {
        page->press_key(9);
        const auto now = page->focused();
        ASSERT_TRUE(now);
        seen.push_back(control_key(*now));
        if (seen.back() == "ShadowOflstRight") break;
    }
    ASSERT_EQ(seen.back(), "ShadowOflstRight") << "the round came back";
    std::set<std::string> once(seen.begin(), seen.end());
    EXPECT_EQ(once.size(), seen.size()) << testing::PrintToString(seen);
    for (const char* stop : {"ShadowOflstLeft", "ShadowOfText5", "optMove(0)", "optMove(9)",
                             "optFont(0)", "chkAddAllControls", "optColorView(0)"})
        EXPECT_TRUE(once.count(stop)) << stop << " in " << testing::PrintToString(seen);
    EXPECT_FALSE(once.count("picSelector(1)"));

    // With the pane control that guides nothing selected, the stop pictures before the hidden
    // choices pass the focus on to "Pane resizing".
    ASSERT_TRUE(page->click(c("ShadowOflstRight")));
    for (const char* stop : {"picAbsTab", "picStretchTab"}) {
        SCOPED_TRACE(stop);
        ASSERT_TRUE(page->focus(c(stop)));
        ASSERT_TRUE(page->focused());
        EXPECT_EQ(control_key(*page->focused()), "optMove(10)");
    }
}

// A timer has no place on the form and gets no shadow; a flat line's shadow can be clicked.
TEST_F(ControlsPage, TimersHaveNoShadowAndLinesOneThatCanBeClicked) {
    form->add_control("Timer", "Timer1");
    auto line = form->add_control("Line", "linSep");
    line->set(Prop::X1, Value(120.0));
    line->set(Prop::Y1, Value(2000.0));
    line->set(Prop::X2, Value(5000.0));
    line->set(Prop::Y2, Value(2000.0));
    open();
    EXPECT_FALSE(page->find("ShadowOfTimer1"));
    EXPECT_GE(rect("ShadowOflinSep")[3], 30);
    pick("ShadowOflinSep", 7);
    EXPECT_EQ(edited(), "linSep \tKAKKK");
}

// The shadows take the tab positions 0, 1, 2, ... in the order of their controls' TabIndex, and
// the page's own stops come after them; two controls with one TabIndex (a form file may hold
// them) still get a stop each.
TEST_F(ControlsPage, ShadowsTakeTheTabOrderOfTheirControls) {
    const struct {
        const char* name;
        double tab;
    } controls[] = {{"txtA", 7}, {"txtB", 2}, {"txtC", 5}, {"txtD", 2}, {"txtE", 11}};
    for (const auto& t : controls)
        add("TextBox", t.name, 120, 120, 900, 300)->set(Prop::TabIndex, t.tab);
    resizer_ext->set(Prop::TabIndex, Value(3.0));
    open();
    const auto tab = [&](const std::string& name) {
        return num(*c("ShadowOf" + name), Prop::TabIndex);
    };
    const std::set<double> b_and_d{tab("txtB"), tab("txtD")};
    EXPECT_EQ(b_and_d, (std::set<double>{0, 1}));
    EXPECT_EQ(tab("zokKelvane1"), 2);
    EXPECT_EQ(tab("txtC"), 3);
    EXPECT_EQ(tab("txtA"), 4);
    EXPECT_EQ(tab("txtE"), 5);
    EXPECT_GT(num(*c("chkAddAllControls"), Prop::TabIndex), 5);
}

// Closing the dialog lets the copy of the form the preview ran go at once, not when the next
// dialog opens: a form of thousands of controls is copied whole.
TEST_F(ControlsPage, ClosingTheDialogLetsThePreviewsCopyGo) {
    add("TextBox", "Text1", 600, 600, 2400, 300);
    open();
    EXPECT_EQ(host->live_copies(), 1u);
    dialog->cancel();
    EXPECT_EQ(host->live_copies(), 0u);
}

}  // namespace
}  // namespace kv
