// The Qt host with real windows (offscreen): the border drag stopped by the window at the size
// limits, a divider dragged with mouse events, close and reopen with placement and splits found
// again, the host services on Qt, painting held while widgets move, widgets made as they come
// into sight.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include "engine/HostAccess.h"
#include "frm_test_util.h"
#include "harness/FormFile.h"
#include "host/qt/QtPaintHold.h"
#include "host/qt/QtUserInput.h"
#include "qt_rig.h"

namespace kv::test {
namespace {

const std::string kDemo = std::string(KV_DOCS) + "/frmMail.frm";

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
    // The user drags it bigger, still under the minimum: it snaps to the minimum, as the
    // memory host's form does (it once stayed where the drag left it).
    input.resize(run.form(), 6600, 4800);
    EXPECT_EQ(num(run.form(), Prop::Width), 7200);
    EXPECT_EQ(num(run.form(), Prop::Height), 5400);
    EXPECT_EQ(run.window().frame()->size(), QSize(480 - 8, 360 - 8 - 19));
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
    // The workspace in the style's dark grey, or in the colour the program gives the form.
    const QColor dark = area->palette().color(QPalette::Dark);
    EXPECT_EQ(area->background().color(), dark);
    parent->set(Prop::BackColor, Value(double(0xc0ffc0)));
    qt::QtHost::installed().settle();
    EXPECT_EQ(area->background().color(), QColor(0xc0, 0xff, 0xc0));
    parent->set(Prop::BackColor, Value(-2147483636.0));  // &H8000000C&, the workspace's
    qt::QtHost::installed().settle();
    EXPECT_EQ(area->background().color(), dark);
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
    // The shortest interval ticks as soon as the loop is idle, with no waiting for the clock;
    // a longer one waits for its time.
    ticks = 0;
    timer->set_enabled(true);
    for (int i = 0; i < 10 && ticks < 3; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 3);
    ticks = 0;
    timer->set_interval(200);
    timer->set_enabled(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);
    timer->set_enabled(false);
    // The shortest interval ticks once a round; a tick on its way is dropped when the timer
    // stops, or goes, first.
    ticks = 0;
    timer->set_interval(1);
    timer->set_enabled(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
    timer->set_enabled(false);
    timer->set_enabled(true);
    timer->set_enabled(false);
    QCoreApplication::processEvents();
    timer->set_enabled(true);
    timer.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(host.running_timers(), 0);
    // Twips per pixel from the screen's logical DPI (96 offscreen, also at a scale factor).
    EXPECT_EQ(host.twips_per_pixel_x(), 15);
}

// Counts the times a widget is painted, and the host's running timers at the last paint.
struct PaintCount : QObject {
    explicit PaintCount(QWidget& w) { w.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::Paint) return false;
        ++paints;
        timers_at_paint = qt::QtHost::installed().running_timers();
        return false;
    }
    int paints = 0;
    int timers_at_paint = -1;
};

void run_events_for(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A border drag paints the window once, when its widgets have followed; the settle tick after
// it moves nothing and paints nothing. The form's update lock holds the painting while widgets
// move under it, until the lock ends; a lock nothing moved under repaints nothing.
// A form far larger than its window: the widgets of controls out of sight are made as they come
// into sight (or are asked for), stacked by the controls' order as if made from the start.
const char* kFarForm =
    "VERSION 5.00\r\n"
    "Begin VB.Form frmFar \r\n"
    "   Caption = \"Far\"\r\n"
    "   ClientHeight = 2400\r\n"
    "   ClientLeft = 0\r\n"
    "   ClientTop = 0\r\n"
    "   ClientWidth = 3000\r\n"
    "   StartUpPosition = 0  'Manual\r\n"
    "   Begin VB.CommandButton cmdFar \r\n"
    "      Caption = \"Far\"\r\n"
    "      Height = 500\r\n"
    "      Left = 3600\r\n"
    "      Top = 600\r\n"
    "      Width = 1000\r\n"
    "   End\r\n"
    "   Begin VB.Frame fraFar \r\n"
    "      Caption = \"Further\"\r\n"
    "      Height = 1000\r\n"
    "      Left = 6000\r\n"
    "      Top = 1200\r\n"
    "      Width = 1500\r\n"
    "      Begin VB.TextBox txtInside \r\n"
    "         Height = 300\r\n"
    "         Left = 120\r\n"
    "         Top = 300\r\n"
    "         Width = 1000\r\n"
    "      End\r\n"
    "   End\r\n"
    "   Begin VB.PictureBox picWide \r\n"
    "      Height = 900\r\n"
    "      Left = 300\r\n"
    "      Top = 450\r\n"
    "      Width = 4400\r\n"
    "   End\r\n"
    "End\r\n";

TEST(QtHost, ControlsOutOfSightGetTheirWidgetsAsTheyComeIntoSight) {
    ScratchDir dir;
    spit(dir.path() / "far.frm", kFarForm);
    LiveForm run((dir.path() / "far.frm").string());
    QWidget* client = run.window().client();
    auto made = [&](const char* name) { return client->findChild<QWidget*>(name); };
    ASSERT_NE(made("picWide"), nullptr);
    EXPECT_EQ(made("cmdFar"), nullptr);
    EXPECT_EQ(made("txtInside"), nullptr);
    // The user widens the window: the button comes into sight, under the later picture box.
    qt::QtUserInput input(qt::QtHost::installed());
    input.resize(run.form(), 5000, 3600);
    QWidget* far = made("cmdFar");
    ASSERT_NE(far, nullptr);
    EXPECT_TRUE(far->isVisible());
    EXPECT_EQ(made("txtInside"), nullptr);
    const auto stack = client->children();
    EXPECT_LT(stack.indexOf(far), stack.indexOf(made("picWide")));
    // The program moves the frame into sight: the frame and what it holds.
    run.control("fraFar")->move(3000);
    qt::QtHost::installed().settle();
    ASSERT_NE(made("txtInside"), nullptr);
    EXPECT_EQ(made("txtInside")->parentWidget(), made("fraFar"));
    EXPECT_LT(client->children().indexOf(made("fraFar")),
              client->children().indexOf(made("picWide")));
    expect_widgets_follow(run.form());
}

// A shape after a text box in the form file still lies under it, as the runtime draws it.
TEST(QtHost, DrawnControlsLieUnderWindowedOnes) {
    LiveForm run(std::string(KV_TEST_DATA) + "/preview.frm");
    const auto stack = run.window().client()->children();
    auto at = [&](const char* name) {
        return stack.indexOf(run.window().widget_of(run.control(name).get()));
    };
    EXPECT_LT(at("shpHighlight"), at("txtZoom"));
}

TEST(QtHost, AWidgetOutOfSightIsMadeWhenAskedFor) {
    ScratchDir dir;
    spit(dir.path() / "far.frm", kFarForm);
    LiveForm run((dir.path() / "far.frm").string());
    QWidget* inside = run.window().widget_of(run.control("txtInside").get());
    ASSERT_NE(qobject_cast<QLineEdit*>(inside), nullptr);
    QWidget* frame = run.window().widget_of(run.control("fraFar").get());
    EXPECT_EQ(inside->parentWidget(), frame);
    EXPECT_EQ(run.window().client()->findChild<QWidget*>("cmdFar"), nullptr);
    const auto stack = run.window().client()->children();
    EXPECT_LT(stack.indexOf(frame),
              stack.indexOf(run.window().widget_of(run.control("picWide").get())));
    expect_widgets_follow(run.form());
}

TEST(QtHost, AResizePaintsOnceAndALockHoldsWhatMovesUnderIt) {
    LiveForm run(kDemo);
    auto& host = qt::QtHost::installed();
    QWidget* client = run.window().client();
    host.settle();
    PaintCount count(*client);
    run.window().resize_as_user({760, 560});
    EXPECT_TRUE(client->updatesEnabled());
    EXPECT_EQ(count.paints, 0);  // the repaint waits for the event loop
    QCoreApplication::processEvents();
    EXPECT_EQ(count.paints, 1);
    // The settle tick came first, in the same round of the loop: the window painted settled.
    EXPECT_EQ(count.timers_at_paint, 0);
    host.settle();
    run_events_for(20);
    EXPECT_EQ(count.paints, 1);
    expect_widgets_follow(run.form());
    // What the screen shows is what the window paints from scratch: the one repaint at the
    // hold's end reached every widget that moved.
    QWidget* top = client->window();
    const int paints = count.paints;  // grab() paints too
    const QImage shown = top->screen()->grabWindow(top->winId()).toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              top->grab().toImage().convertToFormat(QImage::Format_RGB32));
    count.paints = paints;

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

// The hold's end brings every widget below back, as Qt's setUpdatesEnabled(true) does, except
// what the application holds itself.
TEST(QtPaintHold, ItsEndLeavesWhatTheApplicationHoldsHeld) {
    QWidget window;
    auto* panel = new QWidget(&window);
    auto* inner = new QWidget(panel);
    auto* own = new QWidget(&window);  // held by the application
    auto* under_own = new QWidget(own);
    own->setUpdatesEnabled(false);
    window.show();

    qt::QtPaintHold::stop_updates(window);
    for (QWidget* w : {&window, panel, inner, own, under_own}) EXPECT_FALSE(w->updatesEnabled());
    qt::QtPaintHold::resume_updates(window);
    for (QWidget* w : {&window, panel, inner}) EXPECT_TRUE(w->updatesEnabled());
    EXPECT_FALSE(own->updatesEnabled());
    EXPECT_FALSE(under_own->updatesEnabled());
    own->setUpdatesEnabled(true);
    EXPECT_TRUE(under_own->updatesEnabled());

    // Under a held parent a widget waits for the parent's end.
    window.setUpdatesEnabled(false);
    qt::QtPaintHold::stop_updates(*panel);
    qt::QtPaintHold::resume_updates(*panel);
    EXPECT_FALSE(inner->updatesEnabled());
    window.setUpdatesEnabled(true);
    EXPECT_TRUE(panel->updatesEnabled());
    EXPECT_TRUE(inner->updatesEnabled());
}

}  // namespace
}  // namespace kv::test
