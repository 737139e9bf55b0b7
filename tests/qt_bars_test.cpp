// The common controls' bars on the Qt host: a toolbar of tool buttons with the image list's
// pictures and their states, a status bar of panels whose springs follow the window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QToolButton>

#include "host/qt/QtStatusBar.h"
#include "host/qt/QtToolBar.h"
#include "qt_rig.h"

namespace kv::test {

TEST(QtHost, AToolbarsButtonsAreToolButtons) {
    LiveForm run(std::string(KV_TEST_DATA) + "/editor.frm");
    auto* bar = dynamic_cast<qt::QtToolBar*>(run.window().widget_of(run.control("tbEdit").get()));
    ASSERT_NE(bar, nullptr);
    QToolButton* open = bar->button(1);
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->toolTip(), "Open a note");
    EXPECT_TRUE(open->autoRaise()) << "a flat bar";
    EXPECT_EQ(open->geometry(), QRect(23, 2, 23, 22));
    // Its picture found by key, the list's mask colour clear.
    const QImage icon = open->icon().pixmap(16, 16).toImage();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(icon.pixelColor(8, 10), QColor(200, 160, 40)) << "the folder";
    EXPECT_EQ(bar->button(3), nullptr) << "a separator";
    QToolButton* bold = bar->button(4);
    ASSERT_NE(bold, nullptr);
    EXPECT_TRUE(bold->isCheckable());
    EXPECT_TRUE(bold->isChecked());
    EXPECT_EQ(bar->button(6)->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(bar->button(6)->geometry().width(), 23 + 13) << "with its arrow";
}

TEST(QtHost, AStatusBarsSpringFollowsTheWindow) {
    LiveForm run(std::string(KV_TEST_DATA) + "/editor.frm");
    auto* bar = dynamic_cast<qt::QtStatusBar*>(run.window().widget_of(run.control("sbEdit").get()));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->panels(), 4);
    EXPECT_EQ(bar->panel(0)->text(), "Ready");
    EXPECT_EQ(bar->panel(0)->frameShadow(), QFrame::Sunken);
    EXPECT_FALSE(bar->panel(2)->isEnabled()) << "NUM, grey";
    EXPECT_EQ(bar->panel(3)->text(), "10:42");
    auto widths = [&] {
        std::vector<int> w;
        for (int i = 0; i < bar->panels(); ++i) w.push_back(bar->panel(i)->width());
        return w;
    };
    const auto before = widths();
    const int bar_before = bar->width();
    // The panel sized by its text shows all of it.
    const QLabel* place = bar->panel(1);
    EXPECT_GE(place->contentsRect().width(), place->fontMetrics().horizontalAdvance(place->text()));

    app::Step larger;
    larger.kind = app::Step::UserSize;
    larger.width = 9000;
    larger.height = 6000;
    run.session->apply(larger);
    settle();
    const auto after = widths();
    const int grown = bar->width() - bar_before;
    ASSERT_GT(grown, 0);
    EXPECT_EQ(after[0], before[0] + grown) << "the spring takes it all";
    for (size_t i = 1; i < after.size(); ++i) EXPECT_EQ(after[i], before[i]) << i;
    const QLabel* last = bar->panel(3);
    EXPECT_LE(last->geometry().right(), bar->width() - 1);
}

}  // namespace kv::test
