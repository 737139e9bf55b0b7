// One form from first load to reopening: set up only through ControlSettings, with a toolbar
// aligned to the top and a status bar aligned to the bottom; resized in bursts, maximised and
// restored, closed, and opened again as a new form with a new control reading the same bag.
#include <gtest/gtest.h>

#include <string>

#include "control/zokKelvane.h"
#include "control_rig.h"
#include "engine/CFormSizer.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPropertyBag.h"

namespace kv {
namespace {

constexpr double kToolbar = 400, kStatus = 300;

struct Frame {
    std::shared_ptr<mem::MemoryForm> form;
    std::shared_ptr<mem::MemoryObject> body, ok, toolbar, status, ext;
    zokKelvane* kelvane = nullptr;
};

class WholeLife : public ControlRig {
  protected:
    void SetUp() override {
        ControlRig::SetUp();
        bag.set("ControlSettings", Value(std::string("txtBody \tKKKKK\r\ncmdOK \tAAKKK\r\n")));
        bag.set("FormGUID", Value(std::string("{C0FFEE00-1234-5678-9ABC-DEF012345678}")));
        bag.set("SavePos", Value(true));
        bag.set("SaveSizes", Value(true));
        bag.set("SaveWindowState", Value(true));
        bag.set("AlignBTop", Value(kToolbar));
        bag.set("AlignBBottom", Value(kStatus));
    }

    // The form as its designer left it: client 6000 x 4000.
    Frame open() {
        Frame f;
        make_form("frmMain");
        f.form = form;
        f.form->set(Prop::StartUpPosition, Value(0.0));
        f.form->set(Prop::BorderStyle, Value(2.0));
        f.form->set_client_size(6000, 4000);  // within the border's frame
        f.toolbar = f.form->add_control("PictureBox", "picToolbar");
        f.toolbar->set(Prop::Align, Value(1.0));
        f.toolbar->set(Prop::Height, Value(kToolbar));
        f.status = f.form->add_control("PictureBox", "picStatus");
        f.status->set(Prop::Align, Value(2.0));
        f.status->set(Prop::Height, Value(kStatus));
        f.body = f.form->add_control("TextBox", "txtBody");
        f.body->move(120, 520, 5760, 2560);
        f.ok = f.form->add_control("CommandButton", "cmdOK");
        f.ok->move(4800, 3200, 1080, 360);
        f.kelvane = &place("Kelvane1", &bag);
        f.ext = ext;
        return f;
    }
    // Outer size for a client size (the frame is the form's business).
    void resize_client(Frame& f, double w, double h) {
        const auto outer = f.form->rect_twips();
        f.form->user_resize(outer.width - f.form->client_width_twips() + w,
                            outer.height - f.form->client_height_twips() + h);
    }
    // The layout expected for the form's client area now.
    void expect_layout(Frame& f) {
        const double w = f.form->client_width_twips(), h = f.form->client_height_twips();
        const double dw = w - 6000, dh = h - 4000;
        EXPECT_EQ(f.body->rect_twips().left, 120);
        EXPECT_EQ(f.body->rect_twips().top, 520);  // stays below the toolbar
        EXPECT_EQ(f.body->rect_twips().width, 5760 + dw);
        EXPECT_EQ(f.body->rect_twips().height, 2560 + dh);
        EXPECT_EQ(f.ok->rect_twips().left, 4800 + dw);
        EXPECT_EQ(f.ok->rect_twips().top, 3200 + dh);
        EXPECT_EQ(f.ok->rect_twips().width, 1080);
        // The status bar's room is kept below the button.
        EXPECT_EQ(h - kStatus - (f.ok->rect_twips().top + 360), 4000 - kStatus - 3560);
        EXPECT_EQ(f.status->rect_twips().top, h - kStatus);
    }

    mem::MemoryPropertyBag bag;
};

TEST_F(WholeLife, LoadResizeCloseAndReopen) {
    Frame f = open();
    f.form->show();
    host->pump();
    ASSERT_TRUE(f.kelvane->loaded());
    EXPECT_EQ(f.kelvane->control_sizer_count(), 2);
    expect_layout(f);

    // A burst: the first event is placed, the rest wait for the timer.
    resize_client(f, 7000, 4500);
    const double placed_w = f.form->client_width_twips();
    expect_layout(f);
    resize_client(f, 7500, 4800);
    resize_client(f, 8000, 5000);
    EXPECT_EQ(f.body->rect_twips().width, 5760 + placed_w - 6000);
    host->pump();
    expect_layout(f);

    // Maximised and restored: each placed at once.
    f.form->set_window_state(2);
    ASSERT_GT(f.form->client_width_twips(), 8000);
    expect_layout(f);
    host->pump();
    f.form->set_window_state(0);
    EXPECT_NEAR(f.form->client_width_twips(), 8000, 15);
    expect_layout(f);
    host->pump();

    f.form->move(700, 500);
    host->pump();
    const auto closed_at = f.form->rect_twips();
    const double closed_w = f.form->client_width_twips();
    ASSERT_TRUE(f.form->close());

    // A new instance of the form with a new control reading the same bag.
    Frame again = open();
    again.form->show();
    host->pump();
    EXPECT_EQ(again.form->rect_twips().left, 700);
    EXPECT_EQ(again.form->rect_twips().top, 500);
    EXPECT_EQ(again.form->rect_twips().width, closed_at.width);
    EXPECT_EQ(again.form->rect_twips().height, closed_at.height);
    EXPECT_EQ(again.form->window_state(), 0);
    EXPECT_EQ(again.form->client_width_twips(), closed_w);
    expect_layout(again);
    EXPECT_TRUE(host->messages().empty()) << host->messages()[0].text;
}

TEST_F(WholeLife, ReopensMaximisedWhenClosedMaximised) {
    Frame f = open();
    f.form->show();
    host->pump();
    resize_client(f, 7000, 4500);
    host->pump();
    f.form->set_window_state(2);
    host->pump();
    ASSERT_TRUE(f.form->close());

    Frame again = open();
    again.form->show();
    host->pump();
    EXPECT_EQ(again.form->window_state(), 2);
    expect_layout(again);
    again.form->set_window_state(0);
    host->pump();
    // Closed maximised, the normal size was never saved: the designed size comes back.
    EXPECT_EQ(again.form->client_width_twips(), 6000);
    expect_layout(again);
}

}  // namespace
// The default set-up (every control added, fonts scaled): minimising gives the form no client
// area, which must neither stop the pass nor leave a control with a font of size 0; restoring
// puts every control back with its font. Under the designer, so a trapped error would show.
TEST_F(WholeLife, MinimiseAndRestoreKeepEveryControlAndFont) {
    host->set_running_under_designer(true);
    bag = mem::MemoryPropertyBag();
    bag.set("AddAllControls", Value(true));
    Frame f = open();
    f.body->set(Prop::FontSize, Value(9.75));
    f.ok->set(Prop::FontSize, Value(12.0));
    f.form->show();
    host->pump();
    resize_client(f, 7000, 5000);
    host->pump();
    const std::vector<std::shared_ptr<mem::MemoryObject>> controls = {f.body, f.ok, f.toolbar,
                                                                      f.status};
    auto state = [&] {
        std::vector<std::vector<double>> s;
        for (const auto& c : controls) {
            const auto r = c->rect_twips();
            s.push_back({r.left, r.top, r.width, r.height, to_double(c->get(Prop::FontSize))});
        }
        return s;
    };
    const auto before = state();
    f.form->set_window_state(1);
    host->pump();
    EXPECT_TRUE(host->messages().empty()) << host->messages()[0].text;
    for (const auto& c : controls) EXPECT_GT(to_double(c->get(Prop::FontSize)), 0);
    f.form->set_window_state(0);
    host->pump();
    EXPECT_TRUE(host->messages().empty()) << host->messages()[0].text;
    EXPECT_EQ(state(), before);
}

}  // namespace kv
