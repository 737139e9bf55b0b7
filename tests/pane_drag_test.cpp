// The user's drag of a divider: hover bands, pointer shapes, capture, live and split-bar drags.
#include <gmock/gmock.h>

#include "pane_test_support.h"

namespace kv::test {
namespace {

using ::testing::HasSubstr;

// A 2 x 2 pane: the vertical divider band is 2100..2160 across, the horizontal one 2100..2160
// down; the pane area runs from 120 to 6120 across and 120 to 4380 down.
struct GridForm : PaneForm {
    explicit GridForm(bool split_bars = false) {
        a = add("TextBox", "A", {120, 120, 1980, 1980});
        b = add("TextBox", "B", {2160, 120, 3960, 1980});
        c = add("TextBox", "C", {120, 2160, 1980, 2220});
        d = add("TextBox", "D", {2160, 2160, 3960, 2220});
        pane = PaneForm::pane(reg(a), reg(b), reg(c), reg(d), split_bars);
    }
    void move(double x, double y, int button = 0) { form->mouse_move(form, button, 0, x, y); }
    void press(double x, double y) {
        move(x, y);
        form->mouse_down(form, 1, 0, x, y);
    }
    void release(double x, double y) { form->mouse_up(form, 1, 0, x, y); }
    int pointer() { return static_cast<int>(num(*form, Prop::MousePointer)); }
    bool captured() { return host->get_capture() == form->hwnd(); }
    size_t bar_count() {
        size_t n = 0;
        for (const auto& ctl : form->all_controls()) {
            if (ctl->name().rfind("Kelvane", 0) == 0) ++n;
        }
        return n;
    }
    ObjectRef a, b, c, d;
    std::shared_ptr<CPanes> pane;
};

struct HoverCase {
    double x, y;
    int flags, pointer;
};

class HoverTest : public ::testing::TestWithParam<HoverCase> {};

TEST_P(HoverTest, BandsAreStrictAndPointerFollows) {
    const HoverCase h = GetParam();
    GridForm f;
    ASSERT_NE(f.pane, nullptr);
    f.move(h.x, h.y);
    EXPECT_EQ(f.pane->HoverFlags, h.flags) << h.x << "," << h.y;
    EXPECT_EQ(f.pointer(), h.pointer);
    EXPECT_EQ(f.captured(), h.flags != 0);
}

INSTANTIATE_TEST_SUITE_P(Pane, HoverTest,
                         ::testing::Values(HoverCase{2090, 1000, 0, 0},  // VerBandLeft - 10
                                           HoverCase{2091, 1000, 1, 9},  // one unit inside
                                           HoverCase{2169, 1000, 1, 9},
                                           HoverCase{2170, 1000, 0, 0},  // VerBandRight + 10
                                           HoverCase{1000, 2095, 2, 7}, HoverCase{1000, 2170, 0, 0},
                                           HoverCase{2130, 2130, 3, 8},  // the crossing
                                           HoverCase{2130, 100, 0, 0},   // above AreaTop
                                           HoverCase{2130, 120, 1, 9},   // on AreaTop
                                           HoverCase{6121, 2130, 0, 0}));

TEST(PaneDrag, MovingOffTheDividerReleasesCapture) {
    GridForm f;
    f.move(2130, 1000);
    ASSERT_TRUE(f.captured());
    f.move(1000, 1000);
    EXPECT_FALSE(f.captured());
    EXPECT_EQ(f.pointer(), 0);
}

TEST(PaneDrag, CrossingDragMovesBothSplits) {
    GridForm f;
    f.press(2130, 2130);
    EXPECT_EQ(f.pane->DragFlags, 3);
    f.move(3120, 3000, 1);
    f.release(3120, 3000);
    expect_box(f.a, {120, 120, 3000, 2880});
    expect_box(f.d, {3180, 3060, 2940, 1320});
    EXPECT_EQ(f.pane->DragFlags, 0);
    EXPECT_EQ(f.pointer(), 0);
}

TEST(PaneDrag, AnyKeyEndsTheDragLikeARelease) {
    GridForm f;
    f.press(2130, 1000);
    f.move(3120, 1000, 1);
    f.form->key_down(f.form, 65, 0);
    EXPECT_EQ(f.pane->DragFlags, 0);
    EXPECT_EQ(f.pointer(), 0);
    f.move(4000, 1000, 1);  // no longer dragging: the split stays
    expect_box(f.a, {120, 120, 3000, 1980});
}

TEST(PaneDrag, SplitBarFollowsAndSplitIsAppliedOnRelease) {
    GridForm f(true);
    f.press(2130, 1000);
    auto bar = f.pane->split_bar_hor();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(text(*bar, Prop::Name), "KelvaneHSplit0");
    EXPECT_TRUE(flag(*bar, Prop::Visible));
    EXPECT_EQ(num(*bar, Prop::BackColor), 0xFF0000);
    EXPECT_EQ(num(*bar, Prop::BorderStyle), 0);
    EXPECT_TRUE(same_object(bar->container(), f.form));
    EXPECT_FALSE(flag(*f.pane->split_bar_ver(), Prop::Visible));  // only this drag's bar shows

    f.move(3120, 1000, 1);
    EXPECT_NEAR(num(*bar, Prop::Left) + num(*bar, Prop::Width) / 2, 3120, 15);
    expect_box(f.a, {120, 120, 1980, 1980});  // nothing moves before the release
    f.release(3120, 1000);
    expect_box(f.a, {120, 120, 3000, 1980});
    EXPECT_FALSE(flag(*bar, Prop::Visible));
    EXPECT_EQ(f.pane->split_bar_hor(), nullptr);
}

TEST(PaneDrag, PressAndReleaseWithoutMoveKeepsTheSplit) {
    GridForm f(true);
    f.press(2130, 1000);
    f.release(2130, 1000);
    expect_box(f.a, {120, 120, 1980, 1980});
    expect_box(f.b, {2160, 120, 3960, 1980});
    f.press(2130, 2130);
    f.release(2130, 2130);
    expect_box(f.c, {120, 2160, 1980, 2220});
}

// Window systems send moves onto the point just pressed; until the pointer leaves that point the
// split stays, in a live drag and with split bars, however far the press is from the edge.
TEST(PaneDrag, MovesOntoThePressPointKeepTheSplit) {
    for (bool split_bars : {false, true}) {
        SCOPED_TRACE(split_bars ? "split bars" : "live");
        GridForm f(split_bars);
        f.press(2150, 1000);
        f.move(2150, 1000, 1);
        f.move(2150, 1000, 1);
        f.release(2150, 1000);
        expect_box(f.a, {120, 120, 1980, 1980});
        expect_box(f.b, {2160, 120, 3960, 1980});
        // Once it has left, coming back to the press point is a real move.
        f.press(2150, 1000);
        f.move(3150, 1000, 1);
        f.move(2150, 1000, 1);
        f.release(2150, 1000);
        expect_box(f.a, {120, 120, 2150 - 120, 1980});
    }
}

TEST(PaneDrag, SplitBarsAreReusedAcrossManyDrags) {
    GridForm f(true);
    const size_t before = f.form->all_controls().size();
    double x = 2130;
    for (int i = 0; i < 150; ++i) {
        const double to = (i % 2) ? 2130 : 3120;
        f.press(x, 1000);
        f.move(to, 1000, 1);
        f.release(to, 1000);
        x = to;
    }
    EXPECT_EQ(f.messages(), "");
    EXPECT_EQ(f.bar_count(), 2u);  // one bar per direction, both hidden
    EXPECT_EQ(f.form->all_controls().size(), before + 2);
    EXPECT_NE(f.form->control("KelvaneHSplit0"), nullptr);
    EXPECT_EQ(f.form->control("KelvaneHSplit1"), nullptr);
    expect_box(f.a, {120, 120, x - 120, 1980});
}

TEST(PaneDrag, HiddenBarLeftOnTheFormIsFoundAgain) {
    GridForm f(true);
    f.press(2130, 1000);
    f.release(2500, 1000);
    ASSERT_EQ(f.bar_count(), 2u);
    // Terminated, the pane lets go of its bars; events now come through the forwarding calls.
    f.pane->DoTerminate();
    f.pane->Container_MouseMove(f.pane->VerBandLeft + 1, 1000);
    f.pane->Container_MouseDown(f.pane->VerBandLeft + 1, 1000);
    f.pane->Container_MouseUp();
    EXPECT_EQ(f.bar_count(), 2u);
}

TEST(PaneDrag, AllBarNamesTakenIsReportedUnderMouseDownAndTheDragGoesOn) {
    GridForm f(true);
    for (int n = 0; n <= 100; ++n) {
        f.add("Label", "KelvaneHSplit" + std::to_string(n), {0, 0, 1, 1});
    }
    f.press(2130, 1000);
    ASSERT_EQ(f.host->messages().size(), 2u);
    EXPECT_EQ(f.host->messages()[0].text, "Hey that's wrong!");
    EXPECT_THAT(f.host->messages()[1].text, HasSubstr(" in Container_MouseDown: "));
    EXPECT_EQ(f.pane->DragFlags, 1);
    f.move(3120, 1000, 1);
    f.release(3120, 1000);
    expect_box(f.a, {120, 120, 3000, 1980});

    std::vector<std::string> procs;  // the control's own report replaces the default
    f.pane->on_proc_error = [&](const std::string& proc, const Error&) { procs.push_back(proc); };
    f.press(3150, 1000);
    EXPECT_EQ(procs, std::vector<std::string>{"Container_MouseDown"});
    EXPECT_EQ(f.host->messages().size(), 3u);
}

}  // namespace
}  // namespace kv::test
