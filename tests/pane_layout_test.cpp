// Creating panes: arrangement detection, derived modes, and the set-up reports.
#include <gmock/gmock.h>

#include <vector>

#include "pane_test_support.h"

namespace kv::test {
namespace {

using ::testing::StartsWith;

struct Arrangement {
    const char* name;
    std::vector<Box> boxes;
    // Input index (0-based) expected in each grid cell [row][col], -1 for an empty cell.
    int cells[2][2];
    int dividers;      // 1 vertical, 2 horizontal, 3 both
    std::string span;  // "R1", "R2", "C1", "C2" or ""
};

// Form client 6360 x 4500, pane area from 120 to 6120 across and 120 to 4380 down.
// clang-format off
const std::vector<Arrangement> kArrangements = {
    {"side_by_side", {{120, 120, 1980, 4260}, {2160, 120, 3960, 4260}}, {{0, 1}, {-1, -1}}, 1, ""},
    {"stacked", {{120, 120, 6000, 1980}, {120, 2160, 6000, 2220}}, {{0, -1}, {1, -1}}, 2, ""},
    {"diagonal_low_left", {{120, 2160, 1980, 1000}, {2160, 120, 1980, 1000}}, {{-1, 1}, {0, -1}}, 0, ""},
    {"diagonal_high_left", {{2160, 2160, 1980, 1000}, {120, 120, 1980, 1000}}, {{1, -1}, {-1, 0}}, 0, ""},
    {"wide_over_two", {{120, 120, 6000, 1980}, {120, 2160, 1980, 2220}, {2160, 2160, 3960, 2220}},
     {{0, -1}, {1, 2}}, 3, "R1"},
    {"two_over_wide", {{120, 120, 1980, 1980}, {2160, 120, 3960, 1980}, {120, 2160, 6000, 2220}},
     {{0, 1}, {2, -1}}, 3, "R2"},
    {"tall_left_of_two", {{120, 120, 1980, 4260}, {2160, 120, 3960, 1980}, {2160, 2160, 3960, 2220}},
     {{0, 1}, {-1, 2}}, 3, "C1"},
    {"two_left_of_tall", {{120, 120, 1980, 1980}, {120, 2160, 1980, 2220}, {2160, 120, 3960, 4260}},
     {{0, 2}, {1, -1}}, 3, "C2"},
    {"l_shape", {{120, 120, 1980, 1980}, {2160, 120, 3960, 1980}, {120, 2160, 1980, 2220}},
     {{0, 1}, {2, -1}}, 3, ""},
    {"grid_2x2", {{2160, 2160, 3960, 2220}, {120, 120, 1980, 1980}, {2160, 120, 3960, 1980},
                  {120, 2160, 1980, 2220}}, {{1, 2}, {3, 0}}, 3, ""},
};
// clang-format on

class ArrangementTest : public ::testing::TestWithParam<Arrangement> {};

TEST_P(ArrangementTest, FindsCellsFlagsAndSpans) {
    const Arrangement& a = GetParam();
    PaneForm f;
    std::vector<std::shared_ptr<CControlSizer>> s;
    for (size_t i = 0; i < a.boxes.size(); ++i) {
        s.push_back(
            f.reg(f.add("TextBox", std::string(1, static_cast<char>('A' + i)), a.boxes[i])));
    }
    s.resize(4);
    auto pane = f.pane(s[0], s[1], s[2], s[3]);
    ASSERT_NE(pane, nullptr) << f.messages();
    EXPECT_EQ(f.messages(), "");
    for (int r = 1; r <= 2; ++r) {
        for (int k = 1; k <= 2; ++k) {
            const int want = a.cells[r - 1][k - 1];
            EXPECT_EQ(pane->CSPanes(r, k), want < 0 ? nullptr : s[want]) << r << "," << k;
            if (want >= 0) {
                EXPECT_TRUE(s[want]->is_pane);
            }
        }
    }
    EXPECT_EQ(pane->HasVerticalDivider, (a.dividers & 1) != 0);
    EXPECT_EQ(pane->HasHorizontalDivider, (a.dividers & 2) != 0);
    for (int i = 1; i <= 2; ++i) {
        const bool row = a.span.size() == 2 && a.span[0] == 'R' && a.span[1] - '0' == i;
        const bool col = a.span.size() == 2 && a.span[0] == 'C' && a.span[1] - '0' == i;
        EXPECT_EQ(pane->SpanRow[i - 1] != 0, row) << i;
        EXPECT_EQ(pane->SpanCol[i - 1] != 0, col) << i;
    }
    EXPECT_TRUE(same_object(pane->PaneContainer, f.form));
    EXPECT_TRUE(pane->hooked_as_form());
    EXPECT_EQ(f.sizer.state.g_oContainedPane, pane);
}

INSTANTIATE_TEST_SUITE_P(Pane, ArrangementTest, ::testing::ValuesIn(kArrangements),
                         [](const auto& info) { return std::string(info.param.name); });

// The guide's right mode R gives the second column's left mode, exchanged; the same for rows.
struct ModeCase {
    int32_t guide, exchanged;
};

class DerivedModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(DerivedModeTest, FarSideMirrorsGuide) {
    const ModeCase m = GetParam();
    PaneForm f;
    auto ga = f.reg(f.add("TextBox", "A", {120, 120, 1980, 1980}), KV_RELATIVE, KV_FLOAT, m.guide,
                    m.guide);
    auto gb = f.reg(f.add("TextBox", "B", {2160, 120, 3960, 1980}), KV_FLOAT, KV_FLOAT, KV_FLOAT,
                    KV_FLOAT);
    auto gc = f.reg(f.add("TextBox", "C", {120, 2160, 1980, 2220}));
    auto gd = f.reg(f.add("TextBox", "D", {2160, 2160, 3960, 2220}));
    ASSERT_NE(f.pane(ga, gb, gc, gd), nullptr);
    EXPECT_EQ(ga->mtR, m.guide);
    EXPECT_EQ(gb->mtL, m.exchanged);
    EXPECT_EQ(gb->mtR, KV_RELATIVE);  // the guide's left mode
    EXPECT_EQ(gc->mtT, m.exchanged);
    EXPECT_EQ(gc->mtB, KV_FLOAT);  // the guide's top mode
    EXPECT_EQ(gd->mtL, m.exchanged);
    EXPECT_EQ(gd->mtT, m.exchanged);
    EXPECT_EQ(gc->mtL, KV_KEEP);  // outer edges are left as registered
}

INSTANTIATE_TEST_SUITE_P(Pane, DerivedModeTest,
                         ::testing::Values(ModeCase{KV_KEEP, KV_ABSOLUTE},
                                           ModeCase{KV_ABSOLUTE, KV_KEEP},
                                           ModeCase{KV_RELATIVE, KV_RELATIVE},
                                           ModeCase{KV_FLOAT, KV_FLOAT}, ModeCase{7, KV_KEEP}));

TEST(PaneLayout, GuidesAreTheCornerCellOrTheTwoNextToIt) {
    PaneForm f;
    auto low = f.reg(f.add("TextBox", "Low", {120, 2160, 1980, 1000}), KV_KEEP, KV_KEEP,
                     KV_RELATIVE, KV_ABSOLUTE);
    auto high = f.reg(f.add("TextBox", "High", {2160, 120, 1980, 1000}), KV_KEEP, KV_FLOAT, KV_KEEP,
                      KV_KEEP);
    auto pane = f.pane(low, high);
    ASSERT_NE(pane, nullptr);
    EXPECT_NE(pane->GuideHor(2, 1), 0);
    EXPECT_NE(pane->GuideVer(1, 2), 0);
    EXPECT_EQ(pane->GuideHor(1, 1), 0);
    // Columns follow Low (the horizontal guide), rows follow High (the vertical guide).
    EXPECT_EQ(high->mtL, KV_RELATIVE);
    EXPECT_EQ(low->mtT, KV_ABSOLUTE);
    EXPECT_EQ(low->mtB, KV_FLOAT);
}

TEST(PaneLayout, SpanningControlTakesItsOwnInnerModeAcross) {
    PaneForm f;
    auto wide = f.reg(f.add("TextBox", "W", {120, 120, 6000, 1980}), KV_RELATIVE, KV_KEEP,
                      KV_ABSOLUTE, KV_KEEP);
    auto a = f.reg(f.add("TextBox", "A", {120, 2160, 1980, 2220}));
    auto b = f.reg(f.add("TextBox", "B", {2160, 2160, 3960, 2220}));
    auto pane = f.pane(wide, a, b);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(wide->mtR, KV_RELATIVE);
    EXPECT_EQ(a->mtR, KV_ABSOLUTE);
}

TEST(PaneLayout, AbsentSecondAndFourthGiveTwoControlPane) {
    PaneForm f;
    auto a = f.reg(f.add("TextBox", "A", {120, 120, 1980, 4260}));
    auto c = f.reg(f.add("TextBox", "C", {2160, 120, 3960, 4260}));
    auto pane = f.pane(a, nullptr, c, nullptr);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->CSPanes(1, 1), a);
    EXPECT_EQ(pane->CSPanes(1, 2), c);
    EXPECT_TRUE(pane->HasVerticalDivider);
}

// Rejected set-ups: the first message, and whether it is a plain box (exact text) or the
// suppressible pane report (text, container suffix, then the cancel hint).
struct RejectCase {
    const char* name;
    std::vector<Box> boxes;
    std::vector<int> entries;  // indexes into boxes, -1 for an absent entry
    const char* message;
    bool plain;
};

class RejectTest : public ::testing::TestWithParam<RejectCase> {};

TEST_P(RejectTest, NoPaneAndTheExactMessage) {
    const RejectCase& c = GetParam();
    PaneForm f;
    std::vector<std::shared_ptr<CControlSizer>> s;
    for (size_t i = 0; i < c.boxes.size(); ++i) {
        s.push_back(
            f.reg(f.add("TextBox", std::string(1, static_cast<char>('A' + i)), c.boxes[i])));
    }
    std::vector<std::shared_ptr<CControlSizer>> e;
    for (int i : c.entries) e.push_back(i < 0 ? nullptr : s[static_cast<size_t>(i)]);
    e.resize(4);
    EXPECT_EQ(f.pane(e[0], e[1], e[2], e[3]), nullptr);
    ASSERT_EQ(f.host->messages().size(), 1u);
    const auto& m = f.host->messages()[0];
    if (c.plain) {
        EXPECT_EQ(m.text, c.message);
        EXPECT_EQ(m.style, kOKOnly);
        EXPECT_EQ(m.title, "");
    } else {
        EXPECT_THAT(m.text, StartsWith(std::string(c.message) + "\r\n\r\n(Click cancel"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pane, RejectTest,
    ::testing::Values(
        RejectCase{"touching",
                   {{120, 120, 2040, 4260}, {2160, 120, 3960, 4260}},
                   {0, 1},
                   "Panels are overlapping, can't find layout (in Form1)",
                   false},
        RejectCase{"same_twice",
                   {{120, 120, 1980, 4260}},
                   {0, -1, 0},
                   "Control A found two times (in Form1)",
                   false},
        RejectCase{"only_one",
                   {{120, 120, 1980, 4260}},
                   {-1, 0},
                   "There must be at least two controls in a pane (in Form1)",
                   false},
        RejectCase{"three_in_a_row",
                   {{120, 120, 1000, 4260}, {1200, 120, 1000, 4260}, {2400, 120, 1000, 4260}},
                   {0, 1, 2},
                   "Can't 3: 03",
                   true},
        // The left column's controls touch: no gap between the rows there.
        RejectCase{"grid_missing_gap",
                   {{120, 120, 1980, 2040},
                    {2160, 120, 3960, 1980},
                    {120, 2160, 1980, 2220},
                    {2160, 2160, 3960, 2220}},
                   {0, 1, 2, 3},
                   "can't 4 : 24",
                   true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PaneLayout, DifferentContainersAreReportedWithoutSuffix) {
    PaneForm f;
    auto frame = f.add("Frame", "Frame1", {2160, 120, 3960, 4260});
    auto a = f.reg(f.add("TextBox", "A", {120, 120, 1980, 4260}));
    auto b = f.reg(f.add("TextBox", "B", {120, 240, 1000, 1000}, frame));
    f.pane(a, b);
    EXPECT_THAT(f.messages(), StartsWith("Controls for pane is on different containers:\r\n\t"
                                         "B is on Frame1\r\n\tA is on Form1\r\n\r\n"));
}

TEST(PaneLayout, NoContainerIsRaisedToTheCaller) {
    PaneForm f;
    auto a = f.reg(f.add("TextBox", "A", {120, 120, 1980, 4260}));
    auto b = f.reg(f.add("TextBox", "B", {2160, 120, 3960, 4260}));
    a->par = nullptr;
    b->par = nullptr;
    CPanes pane;
    try {
        pane.CreatePane(a, b, nullptr, nullptr, false, 0);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), kObjectError + 1);
        EXPECT_EQ(e.description(), "No container");
    }
}

TEST(PaneLayout, ContainerTypeChoosesTheHook) {
    PaneForm f;
    auto frame = f.add("Frame", "Frame1", {120, 120, 3000, 4000});
    auto in_frame = f.pane(f.reg(f.add("TextBox", "A", {120, 240, 1000, 3000}, frame)),
                           f.reg(f.add("TextBox", "B", {1200, 240, 1000, 3000}, frame)));
    ASSERT_NE(in_frame, nullptr);
    EXPECT_TRUE(in_frame->hooked_as_frame());
    EXPECT_DOUBLE_EQ(in_frame->MinHorizontal, 100);  // a frame has no scale: twips kept

    PaneForm g;
    auto pic2 = g.add("PictureBox", "Pic1", {120, 120, 6000, 4000});
    auto in_pic = g.pane(g.reg(g.add("TextBox", "A", {120, 120, 1000, 3000}, pic2)),
                         g.reg(g.add("TextBox", "B", {1200, 120, 1000, 3000}, pic2)));
    ASSERT_NE(in_pic, nullptr);
    EXPECT_TRUE(in_pic->hooked_as_picture_box());
    EXPECT_EQ(g.sizer.state.g_oContainedPane, nullptr);  // filed under the picture box's sizer
}

// A pane that names its own container next to a control inside it is only reported; it must
// still go with its form sizer (the container's sizer pointed back at it).
TEST(PaneLayout, PaneNamingItsOwnContainerGoesWithTheFormSizer) {
    std::weak_ptr<CPanes> weak;
    {
        PaneForm f;
        auto pic = f.add("PictureBox", "Pic1", {2000, 0, 3000, 540});
        auto cmd = f.add("CommandButton", "Cmd", {60, 60, 975, 420}, pic);
        auto pane = f.pane(f.reg(cmd), f.reg(pic));
        ASSERT_NE(pane, nullptr) << f.messages();
        EXPECT_NE(f.messages().find("different containers"), std::string::npos);
        weak = pane;
    }
    EXPECT_TRUE(weak.expired());
}

TEST(PaneLayout, ContainerOfAnotherKindStillGetsItsPane) {
    PaneForm f;
    auto box = f.add("TextBox", "Odd1", {0, 0, 6000, 4000});
    auto a = f.reg(f.add("TextBox", "A", {120, 120, 1980, 3000}));
    auto b = f.reg(f.add("TextBox", "B", {2160, 120, 1980, 3000}));
    a->par = box;
    b->par = box;
    CPanes pane;
    EXPECT_TRUE(pane.CreatePane(a, b, nullptr, nullptr, false, 0));
    EXPECT_THAT(f.messages(),
                StartsWith("Container must be Frame, PictureBox or Form (in Odd1)\r\n"));
    EXPECT_FALSE(pane.hooked_as_form() || pane.hooked_as_frame() || pane.hooked_as_picture_box());
    EXPECT_TRUE(pane.HasVerticalDivider);
}

}  // namespace
}  // namespace kv::test
