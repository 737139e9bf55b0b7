// Moving a pane's split: ratios, minimum sizes, controls that refuse their size, form resizes
// after a split, and saving and restoring the split.
#include <gmock/gmock.h>

#include "control/CStoreForm.h"
#include "pane_test_support.h"

namespace kv::test {
namespace {

// Side by side on a 6360-wide form: UsableWidth 6000 from AreaLeft 120, divider gap 60.
struct SideBySide : PaneForm {
    SideBySide() {
        a = add("TextBox", "A", {120, 120, 1980, 4260});
        b = add("TextBox", "B", {2160, 120, 3960, 4260});
        pane = PaneForm::pane(reg(a), reg(b));
    }
    void drag_to(double x) {
        form->mouse_move(form, 0, 0, 2130, 1000);
        form->mouse_down(form, 1, 0, 2130, 1000);
        form->mouse_move(form, 1, 0, x, 1000);
        form->mouse_up(form, 1, 0, x, 1000);
    }
    ObjectRef a, b;
    std::shared_ptr<CPanes> pane;
};

TEST(PaneSplit, HalfOfUsableWidth) {
    SideBySide f;
    ASSERT_NE(f.pane, nullptr);
    ASSERT_DOUBLE_EQ(f.pane->UsableWidth, 6000);
    f.drag_to(3120);
    EXPECT_DOUBLE_EQ(f.pane->RatioX, 0.5);
    EXPECT_DOUBLE_EQ(f.pane->ColOneRight, 3120);
    EXPECT_DOUBLE_EQ(f.pane->ColTwoLeft, 3180);
    expect_box(f.a, {120, 120, 3000, 4260});
    expect_box(f.b, {3180, 120, 6120 - 3180, 4260});  // the right edge stays
    EXPECT_DOUBLE_EQ(f.pane->VerBandLeft, 3120);
    EXPECT_EQ(f.messages(), "");
}

// Where the divider ends up for a wanted position, with the minimum shares applied.
struct MinimumCase {
    const char* name;
    float min_twips;
    double wanted_x;
    double left_width, right_left;
};

class MinimumShareTest : public ::testing::TestWithParam<MinimumCase> {};

TEST_P(MinimumShareTest, SharesRespectTheMinimum) {
    const MinimumCase& m = GetParam();
    SideBySide f;
    f.pane->setMinHorizontal(m.min_twips);
    f.drag_to(m.wanted_x);
    expect_box(f.a, {120, 120, m.left_width, 4260});
    expect_box(f.b, {m.right_left, 120, 6120 - m.right_left, 4260});
    EXPECT_GE(f.pane->RatioX, 0);
    EXPECT_LE(f.pane->RatioX, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Pane, MinimumShareTest,
    ::testing::Values(
        // Near the right side: the right control keeps the minimum after the gap, as the left
        // one does before it.
        MinimumCase{"near_right_side", 100, 6100, 5840, 6020},
        MinimumCase{"past_right_edge", 100, 9000, 5840, 6020},
        MinimumCase{"past_left_edge", 100, -500, 100, 280},
        // Usable 6000 below twice 4000: the second control keeps 4000, the first gets the rest.
        MinimumCase{"usable_below_twice_minimum", 4000, 3000, 1940, 2120}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PaneSplit, SplitSurvivesFormResizesOutAndBack) {
    SideBySide f;
    f.drag_to(3120);
    const Box a0 = PaneForm::box(f.a), b0 = PaneForm::box(f.b);
    for (double w : {7560.0, 9000.0, 5160.0, 6360.0}) {
        f.form->set_client_size(w, 4500);
        f.sizer.state.g_bNeedExtraResize = false;
        f.sizer.Form_Resize();
        // The right control keeps the margin recorded at creation, the gap stays.
        const Box b = PaneForm::box(f.b);
        EXPECT_NEAR(b.l + b.w, w - 240, 0.01) << w;
        EXPECT_NEAR(PaneForm::box(f.a).l + PaneForm::box(f.a).w + 60, b.l, 0.01) << w;
        EXPECT_NEAR(f.pane->ContainerWidth, w, 0.01);
    }
    expect_box(f.a, a0);
    expect_box(f.b, b0);
}

TEST(PaneSplit, MinimisedFormLeavesMeasurementAlone) {
    SideBySide f;
    f.form->set_window_state(1);
    f.pane->Pane_Resize();
    EXPECT_DOUBLE_EQ(f.pane->ContainerWidth, 6360);
    EXPECT_DOUBLE_EQ(f.pane->VerBandLeft, 2100);
}

TEST(PaneSplit, MinimumConvertsToThePixelScale) {
    PaneForm f;
    f.form->set(Prop::ScaleMode, static_cast<double>(kScalePixels));
    auto a = f.reg(f.add("TextBox", "A", {8, 8, 132, 284}));
    auto b = f.reg(f.add("TextBox", "B", {144, 8, 264, 284}));
    auto pane = f.pane(a, b);
    ASSERT_NE(pane, nullptr);
    EXPECT_NEAR(pane->MinHorizontal, 100.0 / 15, 1e-4);
    EXPECT_NEAR(pane->MinVertical, 100.0 / 15, 1e-4);
}

TEST(PaneSplit, ListBoxOfWholeLinesMovesTheSplitOnce) {
    PaneForm f;
    auto list = f.add("ListBox", "List1", {120, 120, 6000, 1980});
    auto text = f.add("TextBox", "Text1", {120, 2160, 6000, 2220});
    auto pane = f.pane(f.reg(list), f.reg(text));
    ASSERT_NE(pane, nullptr);
    f.form->mouse_move(f.form, 0, 0, 1000, 2130);
    f.form->mouse_down(f.form, 1, 0, 1000, 2130);
    f.form->mouse_move(f.form, 1, 0, 1000, 2837);
    f.form->mouse_up(f.form, 1, 0, 1000, 2837);
    const Box l = PaneForm::box(list), t = PaneForm::box(text);
    EXPECT_LE(l.t + l.h, 2837 + 1);
    EXPECT_GT(l.t + l.h, 2837 - 300);
    // The second row starts one unit below the list box's real bottom plus the gap.
    EXPECT_NEAR(t.t, l.t + l.h + 1 + pane->RowGap, 0.01);
    EXPECT_NEAR(t.t + t.h, 4380, 0.01);
}

TEST(PaneSplit, ControlsThatKeepRefusingEndTheCorrection) {
    // Two combo boxes (fixed height) stacked 60 apart. The lower one's top follows the form's
    // height in proportion, so a smaller form moves it up, away from the divider: from then on
    // each correction of one combo box undoes the other's, and only the bound ends the split.
    PaneForm f;
    auto top = f.add("ComboBox", "Combo1", {120, 120, 6000, 300});
    const double bottom = 120 + PaneForm::box(top).h;  // the height the combo box keeps
    auto low = f.add("ComboBox", "Combo2", {120, bottom + 60, 6000, 300});
    auto pane = f.pane(f.reg(top, KV_KEEP, KV_KEEP, KV_KEEP, KV_RELATIVE), f.reg(low));
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(pane->HasHorizontalDivider);
    ASSERT_DOUBLE_EQ(pane->RowGap, 60);
    f.form->set_client_size(6360, 4000);
    f.sizer.Form_Resize();
    ASSERT_LT(PaneForm::box(low).t, bottom + 60 - 2);

    f.form->mouse_move(f.form, 0, 0, 1000, bottom + 10);
    f.form->mouse_down(f.form, 1, 0, 1000, bottom + 10);
    f.form->mouse_move(f.form, 1, 0, 1000, 2000);
    f.form->mouse_up(f.form, 1, 0, 1000, 2000);
    const Box t = PaneForm::box(top), l = PaneForm::box(low);
    // The last pass keeps the first row's end below the combo box that refused to shrink, so
    // the second row still starts the divider's gap below it.
    EXPECT_EQ(t.t + t.h, bottom);
    EXPECT_EQ(l.t, bottom + 1 + pane->RowGap);
    EXPECT_EQ(pane->DragFlags, 0);
}

TEST(PaneSplit, SaveAndRestoreBothDirections) {
    PaneForm f;
    auto a = f.add("TextBox", "A", {120, 120, 1980, 1980});
    auto b = f.add("TextBox", "B", {2160, 120, 3960, 1980});
    auto c = f.add("TextBox", "C", {120, 2160, 1980, 2220});
    auto d = f.add("TextBox", "D", {2160, 2160, 3960, 2220});
    auto pane = f.pane(f.reg(a), f.reg(b), f.reg(c), f.reg(d));
    ASSERT_NE(pane, nullptr);
    CStoreForm store;
    pane->save_PaneSplit(store);
    EXPECT_EQ(store.get_opt("Form1.SplitPanel", "PaneHor", "?"), "2100");
    EXPECT_EQ(store.get_opt("Form1.SplitPanel", "PaneVer", "?"), "2100");

    store.save_opt("Form1.SplitPanel", "PaneHor", "3120");
    store.save_opt("Form1.SplitPanel", "PaneVer", "3000");
    pane->restore_PaneSplit(store);
    expect_box(a, {120, 120, 3000, 2880});
    expect_box(d, {3180, 3060, 6120 - 3180, 4380 - 3060});
    pane->save_PaneSplit(store);
    EXPECT_EQ(store.get_opt("Form1.SplitPanel", "PaneHor", "?"), "3120");
    EXPECT_EQ(store.get_opt("Form1.SplitPanel", "PaneVer", "?"), "3000");

    // A saved column split that is not a number leaves the columns; the rows still restore.
    store.save_opt("Form1.SplitPanel", "PaneHor", "wide");
    store.save_opt("Form1.SplitPanel", "PaneVer", "1500");
    pane->restore_PaneSplit(store);
    expect_box(a, {120, 120, 3000, 1380});
    expect_box(c, {120, 1560, 3000, 4380 - 1560});

    // A split saved on a larger form is placed inside today's area, every control keeping the
    // minimum; the stored text stays what the user left until they drag that divider.
    store.save_opt("Form1.SplitPanel", "PaneHor", "14000");
    store.save_opt("Form1.SplitPanel", "PaneVer", "-500");
    pane->restore_PaneSplit(store);
    const double min = pane->MinHorizontal;
    expect_box(b, {6120 - min, 120, min, min});
    expect_box(d, {6120 - min, 120 + min + 60, min, 4380 - 120 - min - 60});
    pane->save_PaneSplit(store);
    EXPECT_EQ(store.get_opt("Form1.SplitPanel", "PaneHor", "?"), "14000");
    EXPECT_EQ(store.get_opt("Form1.SplitPanel", "PaneVer", "?"), "-500");
}

// Panes in two elements of one control array keep their splits apart.
TEST(PaneSplit, ControlArrayElementsSaveUnderTheirOwnKeys) {
    PaneForm f;
    CStoreForm store;
    std::shared_ptr<CPanes> panes[2];
    for (int i = 0; i < 2; ++i) {
        auto pic = f.form->add_control("PictureBox", "Pic", nullptr, i);
        pic->move(120, 120 + 2200.0 * i, 6000, 2000);
        auto a = f.add("TextBox", "A" + std::to_string(i), {120, 120, 1980, 1500}, pic);
        auto b = f.add("TextBox", "B" + std::to_string(i), {2160, 120, 3000, 1500}, pic);
        panes[i] = CreatePane(f.sizer, f.reg(a), f.reg(b), nullptr, nullptr, false, 0);
        ASSERT_NE(panes[i], nullptr) << f.messages();
    }
    store.save_opt("Pic(1).SplitPanel", "PaneHor", "3000");
    for (auto& p : panes) p->restore_PaneSplit(store);
    for (auto& p : panes) p->save_PaneSplit(store);
    EXPECT_EQ(store.get_opt("Pic(0).SplitPanel", "PaneHor", "?"), "2100");
    EXPECT_EQ(store.get_opt("Pic(1).SplitPanel", "PaneHor", "?"), "3000");
    EXPECT_EQ(store.get_opt("Pic.SplitPanel", "PaneHor", "?"), "?");
}

TEST(PaneSplit, LShapeWithoutCornerRestoresWhereItWasSaved) {
    PaneForm f;
    auto b = f.add("TextBox", "B", {2160, 120, 3960, 1980});
    auto c = f.add("TextBox", "C", {120, 2160, 1980, 2220});
    auto d = f.add("TextBox", "D", {2160, 2160, 3960, 2220});
    auto pane = f.pane(f.reg(b), f.reg(c), f.reg(d));
    ASSERT_NE(pane, nullptr);
    ASSERT_EQ(pane->CSPanes(1, 1), nullptr);
    CStoreForm store;
    pane->save_PaneSplit(store);
    EXPECT_EQ(store.get_opt("Form1.SplitPanel", "PaneHor", "?"), "2100");
    EXPECT_EQ(store.get_opt("Form1.SplitPanel", "PaneVer", "?"), "2100");
    const Box b0 = PaneForm::box(b), c0 = PaneForm::box(c);
    pane->restore_PaneSplit(store);
    expect_box(b, b0);
    expect_box(c, c0);
}

}  // namespace
}  // namespace kv::test
