// Geometry on the memory host: frames, scale modes, aligned bars, list heights, user resizing.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "error_of.h"
#include "host/common/ScaleUnits.h"
#include "host/memory/MemoryHost.h"

using namespace kv;
using namespace kv::mem;

namespace {

struct FrameCase {
    int border_style;
    int border_px;
    int caption_px;
};

class FormFrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FormFrameTest, ClientAreaIsOuterLessFrame) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    f->set(Prop::BorderStyle, 1.0 * GetParam().border_style);
    f->set_client_size(3000, 2000);
    const auto c = GetParam();
    EXPECT_DOUBLE_EQ(num(*f, Prop::Width), 3000 + 2 * c.border_px * 15);
    EXPECT_DOUBLE_EQ(num(*f, Prop::Height), 2000 + (2 * c.border_px + c.caption_px) * 15);
    EXPECT_DOUBLE_EQ(num(*f, Prop::ScaleWidth), 3000);
    EXPECT_DOUBLE_EQ(num(*f, Prop::ScaleHeight), 2000);
}

INSTANTIATE_TEST_SUITE_P(BorderStyles, FormFrameTest,
                         ::testing::Values(FrameCase{0, 0, 0}, FrameCase{1, 3, 19},
                                           FrameCase{2, 4, 19}, FrameCase{3, 3, 19},
                                           FrameCase{4, 3, 16}, FrameCase{5, 4, 16}));

// Widgets are placed in whole pixels exactly as std::lround rounds, halves and the last bit
// below a half included.
TEST(ScaleUnits, WholePixelsRoundAsLround) {
    std::vector<double> cases = {0,
                                 0.5,
                                 -0.5,
                                 1.5,
                                 -1.5,
                                 2.5,
                                 -2.5,
                                 1e9 + 0.5,
                                 3e9,
                                 -3e9,
                                 1e300,
                                 NAN,
                                 0.49999999999999994,
                                 -0.49999999999999994};
    for (int i = -4000; i <= 4000; ++i) cases.push_back(i * 7.5 + i * 1e-9);
    for (double v : cases)
        EXPECT_EQ(host::whole_pixels(v, 1), static_cast<int>(std::lround(v))) << v;
    EXPECT_EQ(host::whole_pixels(22.5, 15), 2);  // 1.5 pixels
    EXPECT_EQ(host::whole_pixels(-22.5, 15), -2);
}

TEST(MemoryGeometry, MenuBarTakesClientHeight) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    f->set_client_size(3000, 2000);
    auto file = f->add_control("Menu", "mnuFile");
    EXPECT_DOUBLE_EQ(num(*f, Prop::ScaleHeight), 2000 - 19 * 15);
    // A pop-up menu's top is hidden: with no top-level menu shown there is no bar, whatever
    // its items show.
    file->set(Prop::Visible, false);
    EXPECT_DOUBLE_EQ(num(*f, Prop::ScaleHeight), 2000);
    f->add_control("Menu", "mnuOpen")->set_raw("MenuParent", "mnuFile");
    EXPECT_DOUBLE_EQ(num(*f, Prop::ScaleHeight), 2000);
    file->set(Prop::Visible, true);
    EXPECT_DOUBLE_EQ(num(*f, Prop::ScaleHeight), 2000 - 19 * 15);
}

TEST(MemoryGeometry, ScaleModesConvertControlGeometry) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    f->set_client_size(6000, 4500);
    auto t = f->add_control("TextBox", "txt");
    t->move(150, 300, 1500, 450);  // twips
    f->set(Prop::ScaleMode, 3.0);  // pixels
    EXPECT_DOUBLE_EQ(num(*t, Prop::Left), 10);
    EXPECT_DOUBLE_EQ(num(*t, Prop::Width), 100);
    EXPECT_DOUBLE_EQ(num(*f, Prop::ScaleWidth), 400);
    f->set(Prop::ScaleMode, 2.0);  // points
    EXPECT_DOUBLE_EQ(num(*t, Prop::Top), 15);
    t->set(Prop::Height, 30.0);
    EXPECT_DOUBLE_EQ(t->rect_twips().height, 600);
    EXPECT_DOUBLE_EQ(f->scale_x(1440, kScaleTwips, kScaleInches), 1);
    EXPECT_DOUBLE_EQ(f->scale_y(10, kScalePixels, kScaleTwips), 150);
    EXPECT_EQ(error_of([&] { f->scale_x(1, 42, kScaleTwips); }), kErrInvalidCall);
}

TEST(MemoryGeometry, UserScaleKeepsUnitSizeOnResize) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    f->set_client_size(6000, 3000);
    f->set(Prop::ScaleWidth, 100.0);
    f->set(Prop::ScaleLeft, -50.0);
    EXPECT_DOUBLE_EQ(num(*f, Prop::ScaleMode), kScaleUser);
    auto t = f->add_control("TextBox", "txt");
    t->move(-50, 0, 10, 300);
    EXPECT_DOUBLE_EQ(t->rect_twips().left, 0);
    EXPECT_DOUBLE_EQ(t->rect_twips().width, 600);
    f->set_client_size(12000, 3000);
    EXPECT_DOUBLE_EQ(num(*f, Prop::ScaleWidth), 200);
    EXPECT_DOUBLE_EQ(f->scale_x(1, kScaleUser, kScaleTwips), 60);
}

TEST(MemoryGeometry, ControlInPixelPictureBoxUsesItsUnits) {
    auto host = MemoryHost::install();
    host->set_twips_per_pixel(12, 12);
    auto f = host->create_form("frmA");
    auto pic = f->add_control("PictureBox", "pic");
    pic->move(1200, 1200, 2400, 1200);  // border 2 px = 24 twips each side
    pic->set(Prop::ScaleMode, 3.0);
    EXPECT_DOUBLE_EQ(num(*pic, Prop::ScaleWidth), (2400 - 48) / 12.0);
    auto t = f->add_control("TextBox", "txt", pic);
    t->move(10, 5, 50, 20);
    EXPECT_DOUBLE_EQ(t->rect_twips().left, 120);
    EXPECT_DOUBLE_EQ(t->rect_twips().height, 240);
    EXPECT_DOUBLE_EQ(t->client_origin_x_twips(), 1200 + 24 + 120);
    pic->set(Prop::BorderStyle, 0.0);
    EXPECT_DOUBLE_EQ(num(*pic, Prop::ScaleWidth), 200);
    // A frame has no scale: its children stay in twips.
    auto fra = f->add_control("Frame", "fra");
    auto in_frame = f->add_control("Label", "lbl", fra);
    in_frame->move(100, 100, 500, 200);
    f->set(Prop::ScaleMode, 3.0);
    EXPECT_DOUBLE_EQ(num(*in_frame, Prop::Width), 500);
}

TEST(MemoryGeometry, AlignedBarsFollowTheForm) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    f->set_client_size(6000, 4000);
    auto tb = f->add_control("Toolbar", "tbr");
    tb->set(Prop::Height, 400.0);
    tb->set(Prop::Align, 1.0);
    // The runtime's record navigator stands on an edge as another library's bars do.
    auto sb = f->add_control("Data", "datBar");
    sb->set(Prop::Height, 300.0);
    sb->set(Prop::Align, 2.0);
    auto left = f->add_control("PictureBox", "picLeft");
    left->set(Prop::Width, 1000.0);
    left->set(Prop::Align, 3.0);
    EXPECT_EQ(error_of([&] { f->add_control("TextBox", "txt")->set(Prop::Align, 1.0); }),
              kErrNoSuchProperty);

    f->set_client_size(8000, 5000);
    auto r = tb->rect_twips();
    EXPECT_DOUBLE_EQ(r.top, 0);
    EXPECT_DOUBLE_EQ(r.width, 8000);
    r = sb->rect_twips();
    EXPECT_DOUBLE_EQ(r.top, 4700);
    EXPECT_DOUBLE_EQ(r.width, 8000);
    r = left->rect_twips();
    EXPECT_DOUBLE_EQ(r.left, 0);
    EXPECT_DOUBLE_EQ(r.top, 400);
    EXPECT_DOUBLE_EQ(r.height, 5000 - 400 - 300);
    EXPECT_DOUBLE_EQ(r.width, 1000);
    RectTwips free = f->free_client_area();
    EXPECT_DOUBLE_EQ(free.left, 1000);
    EXPECT_DOUBLE_EQ(free.width, 7000);

    // A taller tool bar pushes the left bar down; the host alone places bars.
    tb->set(Prop::Height, 600.0);
    EXPECT_DOUBLE_EQ(left->rect_twips().top, 600);
    tb->move(500, 500, 100, 600);
    EXPECT_DOUBLE_EQ(tb->rect_twips().left, 0);
    EXPECT_DOUBLE_EQ(tb->rect_twips().width, 8000);
    // A hidden bar takes no room.
    tb->set(Prop::Visible, false);
    EXPECT_DOUBLE_EQ(left->rect_twips().top, 0);
}

// A picture box's inner area is its size less its border: 2 pixels a side when 3-D, 1 when
// flat (Appearance 0), none without a border.
TEST(MemoryGeometry, PictureBoxBorderByAppearanceAndStyle) {
    struct Case {
        std::optional<double> appearance, border_style;
        double scale_width;
    } const cases[] = {{std::nullopt, std::nullopt, 5955},
                       {1.0, 1.0, 5955},
                       {0.0, 1.0, 5985},
                       {0.0, 0.0, 6015},
                       {1.0, 0.0, 6015}};
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    int n = 0;
    for (const auto& c : cases) {
        auto pic = f->add_control("PictureBox", "pic" + std::to_string(n++));
        if (c.appearance) pic->set_raw("Appearance", *c.appearance);
        if (c.border_style) pic->set(Prop::BorderStyle, *c.border_style);
        pic->move(0, 0, 6015, 2415);
        EXPECT_DOUBLE_EQ(num(*pic, Prop::ScaleWidth), c.scale_width) << n;
        EXPECT_DOUBLE_EQ(num(*pic, Prop::ScaleHeight), 2415 - (6015 - c.scale_width)) << n;
    }
}

// Classes of other libraries as a form file shows them: one that holds controls has an inner
// area, one invisible at run time has a position only (no size, font or Visible).
TEST(MemoryGeometry, ForeignClassesHoldControlsOrHaveOnlyAPosition) {
    auto host = MemoryHost::install();
    host->set_foreign_class("TabStrip", {.container = true});
    host->set_foreign_class("CommonDialog", {.invisible = true});
    auto f = host->create_form("frmA");
    auto tab = f->add_control("TabStrip", "tab");
    tab->move(120, 120, 3000, 2000);
    auto txt = f->add_control("TextBox", "txt", tab);
    txt->move(240, 480, 1000, 300);
    EXPECT_DOUBLE_EQ(txt->client_origin_x_twips(), 120 + 240);  // placed in the tab strip
    EXPECT_EQ(tab->children().size(), 1u);
    EXPECT_DOUBLE_EQ(tab->client_width_twips(), 3000);

    auto dlg = f->add_control("CommonDialog", "dlg");
    dlg->set(Prop::Left, 600.0);
    EXPECT_DOUBLE_EQ(num(*dlg, Prop::Left), 600);
    for (Prop p : {Prop::Width, Prop::Height, Prop::FontSize, Prop::Visible})
        EXPECT_EQ(error_of([&] { dlg->get(p); }), 438);
    EXPECT_EQ(error_of([&] { dlg->move(0, 0, 10, 10); }), 438);
    // Without a shape the class is an ordinary windowed control.
    EXPECT_DOUBLE_EQ(num(*f->add_control("Gauge", "g"), Prop::FontSize), 8.25);
}

TEST(MemoryGeometry, ListBoxTakesWholeLinesComboBoxKeepsItsHeight) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    auto lst = f->add_control("ListBox", "lst");
    // 8.25 pt: 13-pixel lines, 4 pixels of border.
    struct {
        double asked, got;
    } cases[] = {{1000, (4 * 13 + 4) * 15.0},
                 {(3 * 13 + 4) * 15.0, (3 * 13 + 4) * 15.0},
                 {10, (13 + 4) * 15.0}};
    for (const auto& c : cases) {
        lst->set(Prop::Height, c.asked);
        EXPECT_DOUBLE_EQ(num(*lst, Prop::Height), c.got) << c.asked;
    }
    lst->move(0, 0, 1000, 1000);
    EXPECT_DOUBLE_EQ(num(*lst, Prop::Height), (4 * 13 + 4) * 15.0);
    lst->set(Prop::FontSize, 12.0);  // 16 + 2 = 18-pixel lines: snaps down to two
    EXPECT_DOUBLE_EQ(num(*lst, Prop::Height), (2 * 18 + 4) * 15.0);
    lst->set("IntegralHeight", false);
    lst->set(Prop::Height, 1000.0);
    EXPECT_DOUBLE_EQ(num(*lst, Prop::Height), 1000);

    // A drive list is a drop-down list too.
    for (const char* cls : {"ComboBox", "DriveListBox"}) {
        auto cbo = f->add_control(cls, std::string("cbo") + cls);
        EXPECT_DOUBLE_EQ(num(*cbo, Prop::Height), 315) << cls;
        cbo->move(0, 0, 2000, 5000);
        EXPECT_DOUBLE_EQ(num(*cbo, Prop::Height), 315) << cls;
        EXPECT_DOUBLE_EQ(num(*cbo, Prop::Width), 2000) << cls;
    }
    // A simple combo box (Style 1) shows its list below its text, as high as it is made.
    auto simple = f->add_control("ComboBox", "cboSimple");
    simple->set_raw("Style", 1.0);
    simple->move(0, 0, 2000, 1215);
    EXPECT_DOUBLE_EQ(num(*simple, Prop::Height), 1215);
}

intptr_t limit_proc(WindowHandle, uint32_t msg, intptr_t, intptr_t lparam) {
    if (msg == kWmGetMinMaxInfo) {
        auto* info = reinterpret_cast<MinMaxInfo*>(lparam);
        info->min_track_size = {300, 200};
        info->max_track_size = {600, 400};
    }
    return 0;
}

TEST(MemoryGeometry, UserResizeIsClampedByMessage36MoveIsNot) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    f->show();
    f->user_resize(100 * 15, 50 * 15);
    EXPECT_DOUBLE_EQ(num(*f, Prop::Width), 112 * 15);  // the system's own minimum
    ASSERT_NE(host->set_window_proc(f->hwnd(), &limit_proc), nullptr);
    f->user_resize(100 * 15, 50 * 15);
    EXPECT_DOUBLE_EQ(num(*f, Prop::Width), 300 * 15);
    EXPECT_DOUBLE_EQ(num(*f, Prop::Height), 200 * 15);
    f->user_resize(9000 * 15, 9000 * 15);
    EXPECT_DOUBLE_EQ(num(*f, Prop::Width), 600 * 15);
    f->move(0, 0, 100 * 15, 50 * 15);
    EXPECT_DOUBLE_EQ(num(*f, Prop::Width), 100 * 15);
    // Maximising honours the tracking limits too.
    f->set_window_state(2);
    EXPECT_DOUBLE_EQ(num(*f, Prop::Width), 600 * 15);
}

// A border drag lands on whole pixels, halves to the even pixel as every rounding here.
TEST(MemoryGeometry, UserResizeRoundsToWholePixelsHalvesToEven) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    f->show();
    const struct {
        double twips;
        double pixels;
    } cases[] = {{400.5 * 15, 400}, {401.5 * 15, 402}, {400.4 * 15, 400}, {400.6 * 15, 401}};
    for (const auto& c : cases) {
        f->user_resize(c.twips, c.twips);
        EXPECT_DOUBLE_EQ(num(*f, Prop::Width), c.pixels * 15) << c.twips;
        EXPECT_DOUBLE_EQ(num(*f, Prop::Height), c.pixels * 15) << c.twips;
    }
}

TEST(MemoryGeometry, WindowStatesAndRestore) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    f->set(Prop::StartUpPosition, 0.0);
    f->move(300, 600, 6000, 4000);
    f->show();
    int before = f->resize_count();
    f->set(Prop::WindowState, 2.0);
    EXPECT_DOUBLE_EQ(num(*f, Prop::ScaleWidth), 1920 * 15);
    EXPECT_DOUBLE_EQ(num(*f, Prop::ScaleHeight), (1080 - 19) * 15);
    EXPECT_EQ(error_of([&] { f->set(Prop::Width, 100.0); }), 384);
    f->set_window_state(1);
    EXPECT_DOUBLE_EQ(num(*f, Prop::ScaleWidth), 0);
    EXPECT_DOUBLE_EQ(num(*f, Prop::ScaleHeight), 0);
    f->set_window_state(0);
    auto r = f->rect_twips();
    EXPECT_DOUBLE_EQ(r.left, 300);
    EXPECT_DOUBLE_EQ(r.width, 6000);
    EXPECT_DOUBLE_EQ(r.height, 4000);
    EXPECT_EQ(f->resize_count() - before, 3);
}

TEST(MemoryGeometry, StartUpPositionAppliedWhenFirstShown) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    f->set(Prop::StartUpPosition, 2.0);
    f->move(0, 0, 3000, 1500);
    f->show();
    EXPECT_DOUBLE_EQ(num(*f, Prop::Left), (1920 * 15 - 3000) / 2.0);
    EXPECT_DOUBLE_EQ(num(*f, Prop::Top), (1080 * 15 - 1500) / 2.0);
    f->move(15, 15);
    f->hide();
    f->show();
    EXPECT_DOUBLE_EQ(num(*f, Prop::Left), 15);
}

TEST(MemoryGeometry, MdiChildMaximisedFillsParentClientArea) {
    auto host = MemoryHost::install();
    EXPECT_EQ(error_of([&] { host->create_form("frmChild", FormKind::MDIChild); }), 366);
    auto mdi = host->create_form("mdiMain", FormKind::MDIForm);
    mdi->set_client_size(9000, 6000);
    auto bar = mdi->add_control("PictureBox", "picBar");
    bar->set(Prop::Height, 500.0);
    bar->set(Prop::Align, 1.0);
    auto child = host->create_form("frmChild", FormKind::MDIChild);
    EXPECT_TRUE(flag(*child, Prop::MDIChild));
    child->show();
    EXPECT_TRUE(mdi->visible());
    EXPECT_TRUE(same_object(mdi->active_form(), child));
    child->set_window_state(2);
    EXPECT_DOUBLE_EQ(num(*child, Prop::ScaleWidth), 9000);
    EXPECT_DOUBLE_EQ(num(*child, Prop::ScaleHeight), 5500);
    mdi->set_client_size(10000, 6000);
    EXPECT_DOUBLE_EQ(num(*child, Prop::ScaleWidth), 10000);
    EXPECT_EQ(error_of([&] { mdi->set(Prop::ScaleWidth, 10.0); }), 383);
    EXPECT_EQ(error_of([&] { mdi->get(Prop::ScaleMode); }), kErrNoSuchProperty);
}

// The groups a resize pass reads at once answer exactly what the reads one by one answer, for
// every kind of object and scale, a control that was removed included.
TEST(MemoryGeometry, GroupedReadsAgreeWithSingleReads) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    f->set_client_size(6000, 4500);
    auto user = f->add_control("PictureBox", "picUser");
    user->move(300, 300, 3000, 2000);
    user->set(Prop::ScaleWidth, 100.0);
    user->set(Prop::ScaleHeight, 40.0);
    user->set(Prop::ScaleLeft, -50.0);
    user->set(Prop::ScaleTop, 7.0);
    auto in_user = f->add_control("TextBox", "txtIn", user);
    in_user->move(10, 5, 30, 12);
    auto pixels = f->add_control("PictureBox", "picPx");
    pixels->move(3500, 300, 2000, 2000);
    pixels->set(Prop::ScaleMode, 3.0);
    auto in_pixels = f->add_control("CommandButton", "cmd", pixels);
    in_pixels->move(4, 4, 20, 10);
    auto frame = f->add_control("Frame", "fra");
    frame->move(300, 2500, 2000, 1000);
    auto line = f->add_control("Line", "lin");
    line->set(Prop::X2, 900.0);
    auto timer = f->add_control("Timer", "tmr");
    auto gone = f->add_control("TextBox", "txtGone");
    gone->move(100, 200, 300, 400);
    f->remove_control(gone);

    const std::vector<std::vector<Prop>> groups = {
        {Prop::Left, Prop::Top, Prop::Width, Prop::Height},
        {Prop::ScaleHeight, Prop::ScaleWidth},
        {Prop::Width, Prop::ScaleMode, Prop::X1, Prop::Index},
    };
    const std::vector<std::shared_ptr<MemoryObject>> objects = {
        f, user, in_user, pixels, in_pixels, frame, line, timer, gone};
    for (const auto& o : objects) {
        for (const auto& group : groups) {
            SCOPED_TRACE(o->name() + " reading " + std::string(prop_name(group[0])) + "...");
            std::vector<double> together(group.size(), -1);
            const uint32_t got = o->try_get_numbers(group, together.data());
            for (size_t i = 0; i < group.size(); ++i) {
                double alone = -1;
                const bool read = o->try_get_number(group[i], alone);
                EXPECT_EQ(((got >> i) & 1u) != 0, read) << prop_name(group[i]);
                if (read) {
                    EXPECT_EQ(together[i], alone) << prop_name(group[i]);
                }
            }
        }
    }
}

TEST(MemoryGeometry, ContainedInIsTheContainerAndNothingElse) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    auto pic = f->add_control("PictureBox", "pic");
    auto in_pic = f->add_control("TextBox", "txt", pic);
    auto gone = f->add_control("TextBox", "txtGone");
    f->remove_control(gone);
    EXPECT_TRUE(in_pic->contained_in(*pic));
    EXPECT_FALSE(in_pic->contained_in(*f));
    EXPECT_TRUE(pic->contained_in(*f));
    EXPECT_FALSE(f->contained_in(*f));  // a form has no container
    // A removed control answers as its Container does.
    EXPECT_EQ(gone->contained_in(*f), same_object(try_container(*gone), f));
}

}  // namespace
