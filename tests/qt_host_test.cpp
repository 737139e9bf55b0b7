// The Qt host with real windows (offscreen): the border drag stopped by the window at the size
// limits, a divider dragged with mouse events, close and reopen with placement and splits found
// again, widgets per control class, the host services on Qt.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>

#include "engine/HostAccess.h"
#include "frm_test_util.h"
#include "host/qt/QtUserInput.h"
#include "qt_rig.h"

namespace kv::test {
namespace {

const std::string kDemo = std::string(KV_DOCS) + "/frmMail.frm";

struct LiveForm {
    explicit LiveForm(const std::string& file, const std::string& store = "")
        : session(make_session(true, store)), doc(frm::FrmReader::read_file(file)) {
        session->load(doc);
        session->show();
    }
    mem::MemoryForm& form() { return session->form(); }
    qt::QtFormWindow& window() { return *qt::QtHost::installed().find_window(&form()); }
    std::shared_ptr<mem::MemoryObject> control(const char* name) { return form().control(name); }

    std::unique_ptr<app::Session> session;
    frm::FrmDocument doc;
};

TEST(QtHost, BorderDragStopsAtTheMinimumTheWindowWasGiven) {
    LiveForm run(kDemo);  // MinWidth 7200, MinHeight 5400
    qt::QtUserInput input(qt::QtHost::installed());
    input.resize(run.form(), 4000, 3000);
    EXPECT_EQ(num(run.form(), Prop::Width), 7200);
    EXPECT_EQ(num(run.form(), Prop::Height), 5400);
    // Message 36's answer became the window's minimum size (outer 480 x 360 px less the frame).
    EXPECT_EQ(run.window().frame()->minimumSize(), QSize(480 - 8, 360 - 8 - 19));
    EXPECT_EQ(run.window().frame()->size(), run.window().frame()->minimumSize());
    expect_widgets_follow(run.form());
    // A size the program sets is not limited.
    run.form().move(0, 0, 6000, 4500);
    qt::QtHost::installed().settle();
    EXPECT_EQ(num(run.form(), Prop::Width), 6000);
    EXPECT_EQ(run.window().frame()->width(), 400 - 8);
}

TEST(QtHost, MdiChildLivesInItsParentsMdiAreaAndMovesThere) {
    LiveForm run(std::string(KV_TEST_DATA) + "/mdichild.frm");
    qt::QtFormWindow& child = run.window();
    auto parent = run.form().mdi_parent();
    ASSERT_TRUE(parent);
    qt::QtFormWindow* parent_window = qt::QtHost::installed().find_window(parent.get());
    ASSERT_NE(parent_window, nullptr);
    auto* area = qobject_cast<QMdiArea*>(parent_window->client());
    ASSERT_NE(area, nullptr);
    auto* sub = qobject_cast<QMdiSubWindow*>(child.outer());
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->mdiArea(), area);
    EXPECT_EQ(sub->widget(), child.frame());
    EXPECT_TRUE(parent_window->frame()->isVisible());
    EXPECT_EQ(child.frame()->window(), parent_window->frame());
    // The user moves the sub-window: the child's place in the parent's client area follows.
    sub->move(30, 45);
    qt::QtHost::installed().settle();
    EXPECT_EQ(num(run.form(), Prop::Left), 30 * 15);
    EXPECT_EQ(num(run.form(), Prop::Top), 45 * 15);
    // Resized by its border, the child's client area is the widget inside the sub-window.
    qt::QtUserInput input(qt::QtHost::installed());
    input.resize(run.form(), 6000, 4500);
    EXPECT_EQ(num(run.form(), Prop::Width), 6000);
    EXPECT_EQ(num(run.form(), Prop::Height), 4500);
    EXPECT_EQ(sub->size(), child.frame()->size().grownBy(sub->contentsMargins()));
    expect_widgets_follow(run.form());
    // Closing the sub-window unloads the child, not its parent.
    EXPECT_TRUE(input.close(run.form()));
    EXPECT_FALSE(parent->closed());
}

TEST(QtHost, DividerDraggedWithMouseEventsMovesTheSplit) {
    LiveForm run(kDemo);
    auto folders = run.control("lstFolders");
    auto messages = run.control("lstMessages");
    const double before = num(*folders, Prop::Width);
    const double gap = num(*messages, Prop::Left) - (num(*folders, Prop::Left) + before);
    ASSERT_GT(gap, 0);
    const double x = num(*folders, Prop::Left) + before + gap / 2;
    const double y = num(*folders, Prop::Top) + 600;
    qt::QtUserInput input(qt::QtHost::installed());
    input.drag(run.form(), run.form(), x, y, x + 1500, y);
    EXPECT_NEAR(num(*folders, Prop::Width), before + 1500, 2 * gap);
    EXPECT_GT(num(*folders, Prop::Width), before + 1000);
    // The messages list starts after the divider.
    EXPECT_GT(num(*messages, Prop::Left), num(*folders, Prop::Left) + num(*folders, Prop::Width));
    expect_widgets_follow(run.form());
}

TEST(QtHost, ClosedAndReopenedFindsPlacementAndSplitsAgain) {
    ScratchDir dir;
    const std::string store = (dir.path() / "store.sqlite").string();
    double left = 0, top = 0, width = 0, split = 0;
    {
        LiveForm run(kDemo, store);
        qt::QtUserInput input(qt::QtHost::installed());
        input.resize(run.form(), 9600, 7200);
        auto folders = run.control("lstFolders");
        auto messages = run.control("lstMessages");
        const double x =
            (num(*folders, Prop::Left) + num(*folders, Prop::Width) + num(*messages, Prop::Left)) /
            2;
        input.drag(run.form(), run.form(), x, num(*folders, Prop::Top) + 300, x + 900,
                   num(*folders, Prop::Top) + 300);
        run.window().frame()->move(120, 90);  // the user moves the window
        qt::QtHost::installed().settle();
        left = num(run.form(), Prop::Left);
        top = num(run.form(), Prop::Top);
        width = num(run.form(), Prop::Width);
        split = num(*folders, Prop::Width);
        EXPECT_EQ(left, 120 * 15);
        EXPECT_TRUE(input.close(run.form()));
        EXPECT_EQ(qt::QtHost::installed().find_window(&run.form()), nullptr);
    }
    LiveForm again(kDemo, store);
    EXPECT_EQ(num(again.form(), Prop::Left), left);
    EXPECT_EQ(num(again.form(), Prop::Top), top);
    EXPECT_EQ(num(again.form(), Prop::Width), width);
    EXPECT_EQ(num(*again.control("lstFolders"), Prop::Width), split);
    EXPECT_EQ(again.window().frame()->pos(), QPoint(120, 90));
    expect_widgets_follow(again.form());
}

TEST(QtHost, EachClassGetsItsWidget) {
    LiveForm run(std::string(KV_TEST_DATA) + "/nested.frm");
    auto& w = run.window();
    auto widget = [&](const char* name, std::optional<int> index = std::nullopt) {
        return w.widget_of(run.form().control(name, index).get());
    };
    EXPECT_NE(qobject_cast<QGroupBox*>(widget("fraOuter")), nullptr);
    EXPECT_NE(qobject_cast<QFrame*>(widget("picInner")), nullptr);
    EXPECT_NE(qobject_cast<QCheckBox*>(widget("chkVip")), nullptr);
    EXPECT_NE(qobject_cast<QLineEdit*>(widget("txtField", 0)), nullptr);
    EXPECT_NE(qobject_cast<QListWidget*>(widget("lstOrders")), nullptr);
    EXPECT_NE(qobject_cast<QPushButton*>(widget("cmdSave")), nullptr);
    EXPECT_EQ(widget("tmrRefresh"), nullptr);
    EXPECT_EQ(widget("zokKelvane1"), nullptr);
    // Controls inside a picture box sit inside its border; the frame's child in the frame.
    EXPECT_EQ(widget("fraDeep")->parentWidget(), widget("picInner"));
    // The top-level menu is on a menu bar above the client area.
    auto* bar = w.frame()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(w.client()->y(), 19);
    expect_widgets_follow(run.form());
}

TEST(QtHost, ServicesActOnTheWidgets) {
    LiveForm run(kDemo);
    auto& host = qt::QtHost::installed();
    // The update lock holds the window's painting (once widgets move under it).
    EXPECT_TRUE(host.lock_window_update(run.form().hwnd()));
    host.sync();
    EXPECT_FALSE(run.window().client()->updatesEnabled());
    EXPECT_TRUE(host.lock_window_update(0));
    EXPECT_TRUE(run.window().client()->updatesEnabled());
    // Message boxes are answered from the script unless the host is interactive.
    host.push_answer(kNo);
    EXPECT_EQ(host.msg_box("Save?", kYesNo, ""), kNo);
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].answer, kNo);
    // A timer ticks from the Qt event loop; settle waits for it.
    int ticks = 0;
    std::unique_ptr<Timer> timer;
    timer = host.create_timer([&] {
        if (++ticks == 3) timer->set_enabled(false);
    });
    timer->set_interval(1);
    timer->set_enabled(true);
    EXPECT_EQ(host.running_timers(), 1);
    host.settle();
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(host.running_timers(), 0);
    // Twips per pixel from the screen's logical DPI (96 offscreen, also at a scale factor).
    EXPECT_EQ(host.twips_per_pixel_x(), 15);
}

// Counts the times a widget is painted.
struct PaintCount : QObject {
    explicit PaintCount(QWidget& w) { w.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

void run_events_for(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A border drag paints the window once, when its widgets have followed; the settle tick after
// it moves nothing and paints nothing. The form's update lock holds the painting while widgets
// move under it, until the lock ends; a lock nothing moved under repaints nothing.
TEST(QtHost, AResizePaintsOnceAndALockHoldsWhatMovesUnderIt) {
    LiveForm run(kDemo);
    auto& host = qt::QtHost::installed();
    QWidget* client = run.window().client();
    host.settle();
    PaintCount count(*client);
    run.window().resize_as_user({760, 560});
    EXPECT_TRUE(client->updatesEnabled());
    QCoreApplication::processEvents();
    EXPECT_EQ(count.paints, 1);
    host.settle();
    run_events_for(20);
    EXPECT_EQ(count.paints, 1);
    expect_widgets_follow(run.form());

    ASSERT_TRUE(host.lock_window_update(run.form().hwnd()));
    EXPECT_TRUE(host.lock_window_update(0));
    run_events_for(20);
    EXPECT_EQ(count.paints, 1);

    auto list = run.control("lstFolders");
    ASSERT_TRUE(list);
    QWidget* widget = run.window().widget_of(list.get());
    ASSERT_TRUE(host.lock_window_update(run.form().hwnd()));
    list->move(list->rect_twips().left + 300);
    host.sync();
    EXPECT_EQ(widget->x(), static_cast<int>(std::lround(list->rect_twips().left / 15)));
    run_events_for(20);
    EXPECT_FALSE(client->updatesEnabled());
    EXPECT_EQ(count.paints, 1);
    EXPECT_TRUE(host.lock_window_update(0));
    run_events_for(20);
    EXPECT_TRUE(client->updatesEnabled());
    EXPECT_GT(count.paints, 1);
}

}  // namespace
}  // namespace kv::test
