// The controls page as a developer works it: stored settings loaded onto the shadows and
// written back, choices picked on a shadow, Delete, double-click, the two check boxes, the
// pane restrictions, the size handle and Apply.
#include <gtest/gtest.h>

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
    EXPECT_EQ(edited(),
              "List1(10) \tKKKKC\r\nList1(2) \tAAKKK\r\nText1 \tKKAAK\r\nText2 \tRRRRC\r\n"
              "Text3 \tKAKKK");
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
    EXPECT_EQ(rect("ShadowOfText1")[2], text1[2] + 900);
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

}  // namespace
}  // namespace kv
