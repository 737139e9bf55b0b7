// What the end user of a form does with panes and limits: drags the border below the minimum
// (the form stops there), drags a divider, resizes the form, closes it, and finds the split where
// they left it when the form opens again.
#include <gtest/gtest.h>

#include <string>

#include "control/zokKelvane.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPropertyBag.h"

namespace kv {
namespace {

constexpr double kMinW = 6000, kMinH = 4500;

struct Window {
    std::shared_ptr<mem::MemoryForm> form;
    std::shared_ptr<mem::MemoryObject> left, right;
};

class UserSession : public ::testing::Test {
  protected:
    void SetUp() override {
        host = mem::MemoryHost::install();
        host->register_user_control(kZokKelvaneClassId, make_zokKelvane);
        bag.set("ControlSettings", Value(std::string("lstLeft \tKKRKK\r\ntxtRight \tRKKKK")));
        bag.set("PaneSettings", Value(std::string("lstLeft txtRight")));
        bag.set("FormGUID", Value(std::string("{0DDBA11A-0000-4000-8000-00000000CAFE}")));
        bag.set("MinWidth", Value(kMinW));
        bag.set("MinHeight", Value(kMinH));
        bag.set("UseSplitBars", Value(false));
    }
    void TearDown() override {
        auto open_forms = host->forms();
        for (auto& f : open_forms) f->close();
    }

    // Client 7200 x 5400: a list on the left, a text box on the right, 120 twips apart.
    Window open() {
        Window w;
        w.form = host->create_form("frmSplit");
        w.form->set(Prop::StartUpPosition, Value(0.0));
        w.form->set(Prop::BorderStyle, Value(2.0));
        w.form->set_client_size(7200, 5400);
        w.left = w.form->add_control("ListBox", "lstLeft");
        w.left->move(120, 120, 2400, 5160);
        w.right = w.form->add_control("TextBox", "txtRight");
        w.right->move(2640, 120, 4440, 5160);
        w.form->add_user_control(kZokKelvaneClassId, "Kelvane1", nullptr, &bag);
        w.form->show();
        host->pump();
        return w;
    }

    // The user drags the divider from x to x2 at height y, as a hand does it.
    void drag(Window& w, double x, double x2, double y = 1000) {
        w.form->mouse_move(w.form, 0, 0, x, y);
        w.form->mouse_down(w.form, 1, 0, x, y);
        for (int i = 1; i <= 4; ++i) w.form->mouse_move(w.form, 1, 0, x + (x2 - x) * i / 4, y);
        w.form->mouse_up(w.form, 1, 0, x2, y);
        host->pump();
    }

    double divider(const Window& w) const {
        return w.left->rect_twips().left + w.left->rect_twips().width;
    }

    std::shared_ptr<mem::MemoryHost> host;
    mem::MemoryPropertyBag bag;
};

TEST_F(UserSession, BorderStopsAtMinimumAndSplitComesBack) {
    Window w = open();
    // Dragging the border below the minimum stops at it; a programmatic move is not clamped.
    w.form->user_resize(3000, 2000);
    host->pump();
    EXPECT_EQ(w.form->rect_twips().width, kMinW);
    EXPECT_EQ(w.form->rect_twips().height, kMinH);

    w.form->user_resize(9000, 7000);
    host->pump();
    const double before = divider(w);
    drag(w, before + 60, before + 60 + 1500);
    const double dragged = divider(w);
    EXPECT_GT(dragged, before + 1400);
    const auto left_rect = w.left->rect_twips();
    const auto right_rect = w.right->rect_twips();
    EXPECT_EQ(right_rect.left, dragged + 120);  // the gap stays

    w.form->close();
    host->pump();

    Window again = open();
    EXPECT_EQ(again.form->rect_twips().width, 9000);
    EXPECT_EQ(divider(again), dragged);
    EXPECT_EQ(again.left->rect_twips().width, left_rect.width);
    EXPECT_EQ(again.right->rect_twips().left, right_rect.left);
    EXPECT_EQ(again.right->rect_twips().width, right_rect.width);
    EXPECT_TRUE(host->messages().empty());
}

// A form resized after the last drag moves the divider with it; closing then must save where
// the divider is now, not where the drag left it.
TEST_F(UserSession, SplitSavedWhereItStandsAfterALaterResize) {
    Window w = open();
    const double before = divider(w);
    drag(w, before + 60, before + 60 + 900);
    w.form->user_resize(9990, 6990);  // whole pixels
    host->pump();
    const double now = divider(w);
    ASSERT_NE(now, before + 900);  // the relative right edge moved it
    w.form->close();
    host->pump();

    Window again = open();
    EXPECT_EQ(again.form->rect_twips().width, 9990);
    EXPECT_NEAR(divider(again), now, 0.5);  // stored as a whole number of twips
    EXPECT_EQ(again.right->rect_twips().left, divider(again) + 120);
}

}  // namespace
}  // namespace kv
