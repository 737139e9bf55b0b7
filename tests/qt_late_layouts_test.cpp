// Panels, tab pages and windows that get a QLayout of their own after the resizer was made: the
// widgets inside are the layout's from then on, as they would have been from the start.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "kelvane/Resizer.h"
#include "qt_rig.h"

namespace kv::test {
namespace {

// A window of 400 x 300: a frame, a group box and a tab widget's page with a button each, every
// widget anchored RRRRK.
struct PanelWindow {
    PanelWindow() {
        kelvane::Resizer::use_store(kelvane::memory_store());
        window.resize(400, 300);
        frame = new QFrame(&window);
        frame->setGeometry(10, 10, 180, 130);
        group = new QGroupBox("group", &window);
        group->setGeometry(210, 10, 180, 130);
        tabs = new QTabWidget(&window);
        tabs->setGeometry(10, 150, 380, 140);
        page = new QWidget;
        tabs->addTab(page, "page");
        for (QWidget* holder : std::initializer_list<QWidget*>{frame, group, page}) {
            auto* button = new QPushButton(holder);
            button->setGeometry(20, 30, 80, 30);
            buttons.push_back(button);
        }
        resizer = std::make_unique<kelvane::Resizer>(window);
        qt::QtHost::installed().set_interactive(false);
        for (QWidget* w : std::initializer_list<QWidget*>{frame, group, tabs})
            resizer->anchor(*w, "RRRRK");
        for (QWidget* w : buttons) resizer->anchor(*w, "RRRRK");
        resizer->show();
    }
    void resize(QSize size) {
        window.resize(size);
        settle();
    }
    QWidget window;
    QFrame* frame = nullptr;
    QGroupBox* group = nullptr;
    QTabWidget* tabs = nullptr;
    QWidget* page = nullptr;
    std::vector<QPushButton*> buttons;
    std::unique_ptr<kelvane::Resizer> resizer;
};

// The layout made on the panel, or made first and given to it: the panel's button is no control
// any more and stands where the layout puts it; a widget added to the panel later is none
// either; the panel itself still follows the window. The layout deleted, the widgets left on the
// panel are controls again.
TEST(QtLateLayouts, APanelThatGetsALayoutLeavesItsWidgetsToIt) {
    for (int holder = 0; holder < 3; ++holder)
        for (bool given : {false, true}) {
            PanelWindow t;
            QWidget* panel = holder == 0   ? static_cast<QWidget*>(t.frame)
                             : holder == 1 ? static_cast<QWidget*>(t.group)
                                           : t.page;
            QPushButton* button = t.buttons[holder];
            QVBoxLayout* layout = given ? new QVBoxLayout : new QVBoxLayout(panel);
            layout->addWidget(button);
            if (given) panel->setLayout(layout);
            settle();
            EXPECT_EQ(t.resizer->name_of(*button), "") << holder << given;
            auto* later = new QLineEdit(panel);
            layout->addWidget(later);
            t.resize({800, 600});
            EXPECT_EQ(t.resizer->name_of(*later), "") << holder << given;
            const QRect room = layout->contentsRect();
            EXPECT_EQ(button->x(), room.x()) << holder << given;
            EXPECT_EQ(button->width(), room.width()) << holder << given;
            EXPECT_EQ(t.frame->geometry(), QRect(20, 20, 360, 260)) << holder << given;
            EXPECT_EQ(t.group->geometry(), QRect(420, 20, 360, 260)) << holder << given;
            // The other panels' buttons are still the resizer's.
            const QPushButton* other = t.buttons[(holder + 1) % 3];
            EXPECT_NE(t.resizer->name_of(*other), "") << holder << given;
            EXPECT_EQ(other->size(), QSize(160, 60)) << holder << given;
            delete layout;
            settle();
            EXPECT_NE(t.resizer->name_of(*button), "") << holder << given;
            EXPECT_NE(t.resizer->name_of(*later), "") << holder << given;
            EXPECT_TRUE(qt::QtHost::installed().messages().empty()) << holder << given;
        }
}

// A page laid out from the start whose layout goes: the widgets left on it are the resizer's.
TEST(QtLateLayouts, APageWhoseLayoutGoesGivesItsWidgetsToTheResizer) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    QWidget window;
    auto* tabs = new QTabWidget(&window);
    auto* page = new QWidget;
    tabs->addTab(page, "laid");
    auto* layout = new QVBoxLayout(page);
    auto* button = new QPushButton(page);
    layout->addWidget(button);
    kelvane::Resizer resizer(window);
    EXPECT_EQ(resizer.name_of(*button), "");
    delete layout;
    settle();
    EXPECT_NE(resizer.name_of(*button), "");
}

// The window itself gets a layout: all its widgets are the layout's, the resizer says so once on
// stderr and places nothing any more.
TEST(QtLateLayouts, AWindowThatGetsALayoutIsLeftToIt) {
    PanelWindow t;
    testing::internal::CaptureStderr();
    auto* layout = new QVBoxLayout(&t.window);
    layout->addWidget(t.frame);
    layout->addWidget(t.group);
    layout->addWidget(t.tabs);
    t.resize({800, 600});
    t.resize({600, 500});
    const std::string err = testing::internal::GetCapturedStderr();
    for (const QWidget* w : std::initializer_list<QWidget*>{t.frame, t.group, t.tabs, t.buttons[0]})
        EXPECT_EQ(t.resizer->name_of(*w), "");
    EXPECT_EQ(t.frame->width(), layout->contentsRect().width());
    EXPECT_EQ(t.buttons[0]->geometry(), QRect(20, 30, 80, 30));
    const auto said = err.find("QLayout");
    EXPECT_NE(said, std::string::npos) << err;
    EXPECT_EQ(err.find("QLayout", said + 1), std::string::npos) << err;
}

// A widget the resizer does not place is refused with the reason, not as a stranger to the window.
TEST(QtLateLayouts, AWidgetTheResizerDoesNotPlaceIsRefusedWithTheReason) {
    PanelWindow t;
    auto* layout = new QVBoxLayout(t.frame);
    layout->addWidget(t.buttons[0]);
    auto* combo = new QComboBox(&t.window);
    combo->setEditable(true);
    QWidget stranger;
    settle();
    struct Case {
        QWidget* widget;
        const char* said;
    };
    for (const Case& c :
         {Case{t.buttons[0], "is placed by the QLayout of"},
          Case{combo->lineEdit(), "which the resizer places as one control"},
          Case{&stranger, "is not in the window"}, Case{&t.window, "is not in the window"}}) {
        try {
            t.resizer->anchor(*c.widget, "KKKKK");
            ADD_FAILURE() << c.said;
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(c.said), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace kv::test
