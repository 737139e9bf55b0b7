// The control sizer as a form's user sees it: anchoring modes, fewest writes, fonts, lines,
// aligned bars, and the layout coming back exactly after any sequence of resizes.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <vector>

#include "engine_rig.h"

namespace kv {
namespace {

using test::count_writes;
using test::EngineRig;
using test::Rect;
using test::rect_of;

// A control at 100 / 200 in a 1000-unit container that grows by 1000, per mode pair; the same
// pair drives both axes.
struct ModeRow {
    int32_t near, far;
    double pos, size;
};
const ModeRow kModeRows[] = {
    {KV_KEEP, KV_KEEP, 100, 1200},     {KV_KEEP, KV_ABSOLUTE, 100, 200},
    {KV_ABSOLUTE, KV_KEEP, 1100, 200}, {KV_RELATIVE, KV_RELATIVE, 200, 400},
    {KV_FLOAT, KV_FLOAT, 300, 200},    {KV_FLOAT, KV_KEEP, 1100, 200},
    {KV_KEEP, KV_FLOAT, 100, 200},     {KV_ABSOLUTE, KV_ABSOLUTE, 1100, -800},
    {KV_RELATIVE, KV_KEEP, 200, 1100}, {KV_KEEP, KV_RELATIVE, 100, 500},
};

TEST(ControlSizer, ModePairsOnAThousandUnitGrowth) {
    for (const ModeRow& row : kModeRows) {
        SCOPED_TRACE(testing::Message() << "modes " << row.near << "/" << row.far);
        EngineRig rig;
        auto c = rig.add("TextBox", "Text1", 100, 100, 200, 200);
        rig.reg(c, row.near, row.near, row.far, row.far);
        rig.init();
        rig.resize(2000, 2000);
        const double size = row.size < 0 ? 1 : row.size;  // a negative size is moved as 1
        EXPECT_EQ(rect_of(*c), (Rect{row.pos, row.pos, size, size}));
    }
}

// The pure computation: the same table without a host.
TEST(ControlSizer, ComputeIsAFunctionOfTheRecord) {
    for (const ModeRow& row : kModeRows) {
        AnchorRecord s;
        s.par_w = s.par_h = 1000;
        s.ths_l = s.ths_t = 100;
        s.ths_w = s.ths_h = 200;
        s.mtL = s.mtT = row.near;
        s.mtR = s.mtB = row.far;
        const SizerGeometry g = anchor(s, 2000, 2000, 200, 200);
        EXPECT_EQ(g.left, row.pos);
        EXPECT_EQ(g.width, row.size);
        EXPECT_EQ(g.top, row.pos);
        EXPECT_EQ(g.height, row.size);
    }
}

// The form's room around the controls' area, without a host: a control captured at 100 / 200 in
// a 1000-unit area (past the room), proportional on every edge, in a container now 2000 + room.
TEST(ControlSizer, ComputeInTakesTheFormsRoom) {
    const struct {
        const char* what;
        FormRoom room;
        bool is_line;
        double captured_h;
        SizerGeometry want;
    } cases[] = {
        {"no room", {}, false, 200, {200, 200, 400, 400}},
        {"a top bar: placed below it", {0, 400, 0, 0, 0}, false, 200, {200, 600, 400, 400}},
        {"bars on all sides", {300, 400, 500, 600, 0}, false, 200, {500, 600, 400, 400}},
        {"MDI child: a taller scale adds to the height",
         {0, 0, 0, 0, 500},
         false,
         200,
         {200, 250, 400, 500}},
        {"MDI child with a top bar", {0, 400, 0, 0, 500}, false, 200, {200, 650, 400, 500}},
        {"negative size becomes 1", {}, false, -200, {200, 200, 400, 1}},
        {"a line keeps its direction", {}, true, -200, {200, 200, 400, -400}},
    };
    for (const auto& c : cases) {
        AnchorRecord s;
        s.par_w = s.par_h = 1000;
        s.ths_l = s.ths_t = 100;
        s.ths_w = 200;
        s.ths_h = c.captured_h;
        s.mtL = s.mtT = s.mtR = s.mtB = KV_RELATIVE;
        const double W = 2000 + c.room.left + c.room.right;
        const double H = 2000 + c.room.top + c.room.bottom;
        EXPECT_EQ(anchor_in(s, W, H, c.room, 200, 200, c.is_line), c.want) << c.what;
    }
}

// Every pair of edge modes on one axis, the container growing from 1000 to 2000 and shrinking to
// 500, for a control at 100 sized 200 that is 260 wide now (what a floating edge keeps); and
// whether the pair fixes the control's size along that axis. Mode 7 is no mode: no growth.
TEST(Anchoring, EveryModePairGrowingAndShrinking) {
    const int32_t K = KV_KEEP, A = KV_ABSOLUTE, R = KV_RELATIVE, F = KV_FLOAT;
    const struct {
        int32_t near, far;
        bool fixed;
        double grown_pos, grown_size, shrunk_pos, shrunk_size;
    } rows[] = {
        {K, K, false, 100, 1200, 100, -300},  {K, A, true, 100, 200, 100, 200},
        {K, R, false, 100, 500, 100, 50},     {K, F, true, 100, 260, 100, 260},
        {A, K, true, 1100, 200, -400, 200},   {A, A, false, 1100, -800, -400, 700},
        {A, R, false, 1100, -500, -400, 550}, {A, F, true, 1100, 260, -400, 260},
        {R, K, false, 200, 1100, 50, -250},   {R, A, false, 200, 100, 50, 250},
        {R, R, false, 200, 400, 50, 100},     {R, F, true, 200, 260, 50, 260},
        {F, K, true, 1100, 260, -400, 260},   {F, A, true, 100, 260, 100, 260},
        {F, R, true, 400, 260, -50, 260},     {F, F, true, 300, 260, 0, 260},
        {7, 7, false, 100, 1200, 100, -300},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "modes " << row.near << "/" << row.far);
        AnchorRecord r;
        r.par_w = r.par_h = 1000;
        r.ths_l = r.ths_t = 100;
        r.ths_w = r.ths_h = 200;
        r.mtL = r.mtT = row.near;
        r.mtR = r.mtB = row.far;
        EXPECT_EQ(anchor(r, 2000, 2000, 260, 260),
                  (SizerGeometry{row.grown_pos, row.grown_pos, row.grown_size, row.grown_size}));
        EXPECT_EQ(anchor(r, 500, 500, 260, 260), (SizerGeometry{row.shrunk_pos, row.shrunk_pos,
                                                                row.shrunk_size, row.shrunk_size}));
        EXPECT_EQ(fixed_axes(r), row.fixed ? 3 : 0);
        r.mtT = r.mtB = KV_KEEP;  // the height is free: only the width's mark stays
        EXPECT_EQ(fixed_axes(r), row.fixed ? 1 : 0);
    }
}

// Nothing is rounded: a quarter of a unit stays a quarter.
TEST(Anchoring, FractionsAreKept) {
    AnchorRecord r;
    r.par_w = r.par_h = 4;
    r.ths_l = r.ths_t = 1;
    r.ths_w = r.ths_h = 1;
    r.mtL = r.mtR = KV_RELATIVE;
    r.mtT = r.mtB = KV_FLOAT;
    EXPECT_EQ(anchor(r, 5, 5, 1, 1), (SizerGeometry{1.25, 1.375, 1.25, 1}));
}

// A child inherits the axes its container fixes.
TEST(Anchoring, FixedAxesUnderAContainer) {
    const int32_t want[4][4] = {
        // own: none, width, height, both
        {0, 1, 2, 3},  // on the form (parent mark 0)
        {1, 1, 3, 3},  // the container's width is fixed
        {2, 3, 2, 3},  // its height
        {3, 3, 3, 3},  // both
    };
    for (int32_t parent = 0; parent < 4; ++parent)
        for (int32_t own = 0; own < 4; ++own)
            EXPECT_EQ(fixed_axes_under(own, parent), want[parent][own])
                << "own " << own << " under " << parent;
}

// The font follows the smaller size ratio against registration, and only a size a font can have.
TEST(Anchoring, FontSize) {
    AnchorRecord r;
    r.ths_fs = 10;
    r.ths_ow = 1.0 / 200;
    r.ths_oh = 1.0 / 100;
    r.mtF = KV_RELATIVE;
    EXPECT_TRUE(font_follows(r));
    const struct {
        double w, h;
        std::optional<double> size;
    } rows[] = {
        {200, 100, 10},         {400, 100, 10},         {400, 300, 20},           {100, 300, 5},
        {0, 100, std::nullopt}, {200, 0, std::nullopt}, {-10, 100, std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(scaled_font_size(r, row.w, row.h), row.size) << row.w << " x " << row.h;
    r.mtF = KV_KEEP;
    EXPECT_FALSE(font_follows(r));
    r.mtF = KV_FLOAT;
    r.ths_fs = -1;  // no font at registration
    EXPECT_FALSE(font_follows(r));
}

TEST(ControlSizer, MoveArgCountIsTheLastChangedValue) {
    const SizerGeometry was{10, 20, 30, 40};
    const struct {
        SizerGeometry now;
        int count;
    } cases[] = {
        {{10, 20, 30, 40}, 0}, {{11, 20, 30, 40}, 1}, {{10, 21, 30, 40}, 2},
        {{11, 21, 30, 40}, 2}, {{10, 20, 31, 40}, 3}, {{11, 20, 31, 40}, 3},
        {{10, 20, 30, 41}, 4}, {{11, 21, 31, 41}, 4}, {{10, 20, 30, 40.001}, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(move_arg_count(c.now, was), c.count)
            << c.now.left << " " << c.now.top << " " << c.now.width << " " << c.now.height;
}

TEST(ControlSizer, ZeroCapturedContainerSizeMeansNoProportionalGrowth) {
    AnchorRecord s;
    s.par_w = s.par_h = 0;
    s.ths_l = s.ths_t = 10;
    s.ths_w = s.ths_h = 20;
    s.mtL = s.mtT = s.mtR = s.mtB = KV_RELATIVE;
    SizerGeometry g = anchor(s, 500, 500, 20, 20);
    EXPECT_EQ(g.left, 10);
    EXPECT_EQ(g.width, 520);
    s.mtL = s.mtR = KV_FLOAT;
    g = anchor(s, 500, 500, 20, 20);
    EXPECT_EQ(g.left, 10);
    EXPECT_EQ(g.width, 20);
}

TEST(ControlSizer, ZeroSizedContainerDoesNotEndThePass) {
    EngineRig rig(3000, 3000);
    auto pic = rig.add("PictureBox", "Pic", 0, 0, 0, 0);
    auto inner = rig.add("TextBox", "Inner", 0, 0, 100, 100, pic);
    auto after = rig.add("TextBox", "After", 100, 1000, 500, 500);
    rig.reg(pic, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.reg(inner, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE);
    rig.reg(after, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.init();
    ASSERT_NO_THROW(rig.resize(3600, 3600));
    EXPECT_EQ(rect_of(*after), (Rect{100, 1000, 1100, 1100}));
    const Rect r = rect_of(*inner);
    EXPECT_TRUE(std::isfinite(r.left) && std::isfinite(r.width));
}

TEST(ControlSizer, NegativeWidthBecomesOne) {
    EngineRig rig;
    auto c = rig.add("TextBox", "Text1", 100, 100, 200, 200);
    rig.reg(c, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.init();
    rig.resize(500, 1000);
    EXPECT_EQ(num(*c, Prop::Width), 1);
    EXPECT_EQ(num(*c, Prop::Height), 200);
}

TEST(ControlSizer, TopToolbarRoomIsTakenOffAndAddedBack) {
    EngineRig rig(3000, 2400);
    auto bar = rig.form->add_control("Toolbar", "Toolbar1");
    bar->set(Prop::Align, 1.0);
    bar->set(Prop::Height, 400.0);
    auto c = rig.add("TextBox", "Text1", 100, 1000, 500, 300);
    rig.fs.state.g_dblAlignBTop = 400;  // as the resizer control hands it over from its properties
    auto s = rig.reg(c, KV_KEEP, KV_RELATIVE, KV_ABSOLUTE, KV_ABSOLUTE);
    auto bs = rig.reg(bar, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    EXPECT_EQ(s->ths_t, 600);
    EXPECT_EQ(s->par_h, 2000);
    rig.init();
    bar->clear_write_log();
    rig.resize(3000, 4400);  // the free area doubles from 2000 to 4000
    EXPECT_EQ(num(*c, Prop::Top), 400 + 1200);
    EXPECT_EQ(bs->ths_align, 1);
    EXPECT_EQ(count_writes(*bar, "Move"), 0u);  // aligned bars are the host's
    EXPECT_FALSE(bs->ResizeSingleControl(rig.fs.state));
}

TEST(ControlSizer, LineMovesByItsEndsAndKeepsANegativeWidth) {
    EngineRig rig;
    auto line = rig.form->add_control("Line", "Line1");
    line->set(Prop::X1, 300.0);
    line->set(Prop::Y1, 100.0);
    line->set(Prop::X2, 200.0);
    line->set(Prop::Y2, 400.0);
    line->clear_write_log();
    auto s = rig.reg(line, KV_ABSOLUTE, KV_KEEP, KV_KEEP, KV_KEEP, KV_RELATIVE);
    EXPECT_TRUE(s->ths_resizeable);
    EXPECT_EQ(s->ths_w, -100);
    rig.init();
    rig.resize(1500, 1000);
    EXPECT_EQ(num(*line, Prop::X1), 800);
    EXPECT_EQ(num(*line, Prop::X2), 700);
    EXPECT_EQ(num(*line, Prop::Y2), 400);
    std::vector<std::string> writes;
    for (const auto& w : line->write_log()) writes.push_back(w.what);
    EXPECT_EQ(writes, (std::vector<std::string>{"X1", "Y1", "X2", "Y2"}));
    EXPECT_FALSE(s->ResizeSingleControl(rig.fs.state));
}

TEST(ControlSizer, ControlWithoutFontIsNeverGivenOne) {
    EngineRig rig;
    auto shape = rig.add("Shape", "Shape1", 100, 100, 200, 200);
    auto s = rig.reg(shape, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP, KV_RELATIVE);
    EXPECT_EQ(s->ths_fs, -1);
    rig.init();
    rig.resize(2000, 2000);
    EXPECT_EQ(count_writes(*shape, "FontSize"), 0u);
    EXPECT_EQ(num(*shape, Prop::Width), 1200);
}

TEST(ControlSizer, FontFollowsTheSmallerRatio) {
    EngineRig rig;
    auto c = rig.add("TextBox", "Text1", 100, 100, 200, 200);
    c->set(Prop::FontSize, 10.0);
    c->clear_write_log();
    rig.reg(c, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP, KV_RELATIVE);
    rig.init();
    rig.resize(2000, 1000);  // width only: ratio 6 across, 1 down
    EXPECT_DOUBLE_EQ(num(*c, Prop::FontSize), 10);
    EXPECT_EQ(count_writes(*c, "FontSize"), 1u);
    rig.resize(2000, 1100);  // height 300: ratio 1.5
    EXPECT_DOUBLE_EQ(num(*c, Prop::FontSize), 15);
    rig.resize(900, 1100);  // width 100: ratio 0.5
    EXPECT_DOUBLE_EQ(num(*c, Prop::FontSize), 5);
}

// Which arguments the one Move gets, by what changed.
TEST(ControlSizer, MoveCarriesTheFewestArguments) {
    struct Row {
        int32_t l, t, r, b;
        double w, h;
        size_t moves, args;
    };
    const Row rows[] = {
        {KV_ABSOLUTE, KV_KEEP, KV_KEEP, KV_ABSOLUTE, 1500, 1000, 1, 1},  // left only
        {KV_KEEP, KV_ABSOLUTE, KV_ABSOLUTE, KV_KEEP, 1000, 1500, 1, 2},  // top
        {KV_KEEP, KV_KEEP, KV_KEEP, KV_ABSOLUTE, 1500, 1000, 1, 3},      // width
        {KV_KEEP, KV_KEEP, KV_ABSOLUTE, KV_KEEP, 1000, 1500, 1, 4},      // height
        {KV_KEEP, KV_KEEP, KV_ABSOLUTE, KV_ABSOLUTE, 1500, 1500, 0, 0},  // nothing
    };
    for (const Row& row : rows) {
        EngineRig rig;
        auto c = rig.add("TextBox", "Text1", 100, 100, 200, 200);
        rig.reg(c, row.l, row.t, row.r, row.b);
        rig.init();
        rig.resize(row.w, row.h);
        ASSERT_EQ(count_writes(*c, "Move"), row.moves);
        if (row.moves) {
            EXPECT_EQ(c->write_log().back().args.size(), row.args);
        }
        EXPECT_EQ(c->write_log().size(), row.moves);  // and nothing else
    }
}

TEST(ControlSizer, UnchangedPassWritesOnlyTheFont) {
    EngineRig rig;
    auto plain = rig.add("TextBox", "Plain", 100, 100, 200, 200);
    auto scaled = rig.add("TextBox", "Scaled", 400, 100, 200, 200);
    scaled->set(Prop::FontSize, 8.0);
    rig.reg(plain, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE);
    rig.reg(scaled, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE);
    rig.init();
    rig.resize(1700, 1300);
    rig.clear_logs();
    rig.fs.Form_Resize();
    EXPECT_TRUE(plain->write_log().empty());
    ASSERT_EQ(scaled->write_log().size(), 1u);
    EXPECT_EQ(scaled->write_log()[0].what, "FontSize");
}

// Every rectangle and font comes back exactly after many resizes: the computation starts from
// the captured record, never from the last result.
TEST(ControlSizer, NoDriftThroughManySizes) {
    EngineRig rig(4000, 3000);
    auto frame = rig.add("Frame", "Frame1", 2000, 300, 1700, 2400);
    auto pic = rig.add("PictureBox", "Pic1", 50, 100, 1200, 900, frame);
    struct Item {
        std::shared_ptr<mem::MemoryObject> obj;
        int32_t l, t, r, b;
    };
    std::vector<Item> items = {
        {frame, KV_RELATIVE, KV_KEEP, KV_ABSOLUTE, KV_KEEP},
        {pic, KV_KEEP, KV_RELATIVE, KV_RELATIVE, KV_KEEP},
        {rig.add("TextBox", "T1", 133, 77, 913, 311), KV_RELATIVE, KV_RELATIVE, KV_RELATIVE,
         KV_RELATIVE},
        {rig.add("TextBox", "T2", 121, 1300, 777, 333), KV_FLOAT, KV_FLOAT, KV_FLOAT, KV_FLOAT},
        {rig.add("CommandButton", "B1", 250, 2500, 1210, 395), KV_FLOAT, KV_ABSOLUTE, KV_KEEP,
         KV_KEEP},
        {rig.add("TextBox", "T3", 10, 20, 300, 200, frame), KV_RELATIVE, KV_KEEP, KV_KEEP,
         KV_RELATIVE},
        {rig.add("Label", "T4", 33, 41, 517, 203, pic), KV_KEEP, KV_RELATIVE, KV_RELATIVE, KV_KEEP},
    };
    items[2].obj->set(Prop::FontSize, 9.75);
    std::vector<Rect> start;
    for (auto& it : items) {
        rig.reg(it.obj, it.l, it.t, it.r, it.b, KV_RELATIVE);
        start.push_back(rect_of(*it.obj));
    }
    rig.init();
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> w(1500, 9000), h(1200, 7000);
    for (int i = 0; i < 60; ++i) rig.resize(std::round(w(rng)), std::round(h(rng) * 10) / 10);
    rig.resize(4000, 3000);
    for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(rect_of(*items[i].obj), start[i]) << i;
    EXPECT_DOUBLE_EQ(num(*items[2].obj, Prop::FontSize), 9.75);
}

TEST(ControlSizer, TimerIsNotResizeableAndDoesNotStopThePass) {
    EngineRig rig;
    auto timer = rig.form->add_control("Timer", "Timer1");
    auto c = rig.add("TextBox", "Text1", 100, 100, 200, 200);
    auto ts = rig.reg(timer, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE);
    rig.reg(c, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    EXPECT_FALSE(ts->ths_resizeable);
    rig.init();
    ASSERT_NO_THROW(rig.resize(2000, 2000));
    EXPECT_EQ(rect_of(*c), (Rect{100, 100, 1200, 1200}));
}

TEST(ControlSizer, FrameInnerSizeIsItsWholeSize) {
    EngineRig rig;
    auto frame = rig.add("Frame", "Frame1", 100, 100, 600, 600);
    auto inner = rig.add("TextBox", "Inner", 50, 50, 400, 400, frame);
    auto fsz = rig.reg(frame, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    auto isz = rig.reg(inner, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    EXPECT_EQ(isz->par_w, 600);
    EXPECT_EQ(isz->cdep, fsz->cdep + 1);
    EXPECT_EQ(fsz->par_name, "frmMain");
    EXPECT_EQ(isz->par_name, "Frame1");
    rig.init();
    rig.resize(1500, 1200);
    EXPECT_EQ(rect_of(*inner), (Rect{50, 50, 900, 600}));
}

TEST(ControlSizer, ContainerInUserScaleUnits) {
    EngineRig rig(3000, 3000);
    auto pic = rig.add("PictureBox", "Pic1", 0, 0, 2000, 2000);
    pic->set(Prop::BorderStyle, 0.0);
    pic->set(Prop::ScaleWidth, 100.0);  // 20 twips per unit
    pic->set(Prop::ScaleHeight, 100.0);
    auto inner = rig.add("TextBox", "Inner", 10, 10, 50, 50, pic);
    rig.reg(pic, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    auto s = rig.reg(inner, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE);
    EXPECT_EQ(s->par_w, 100);
    rig.init();
    rig.resize(4000, 3000);  // the box grows to 3000 twips = 150 of its (fixed-size) units
    EXPECT_DOUBLE_EQ(num(*inner, Prop::Left), 15);
    EXPECT_DOUBLE_EQ(num(*inner, Prop::Width), 75);
    EXPECT_DOUBLE_EQ(num(*inner, Prop::Top), 10);
}

}  // namespace
}  // namespace kv
