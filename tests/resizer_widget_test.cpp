// kelvane::ResizerWidget at run time (offscreen): the example's .ui loaded with QUiLoader and the
// Designer plugin lays out in the same twips as the same form as a form file through `kelvane
// layout`, step for step; the window compiled with uic keeps its placement and splits under the
// form's GUID; the widget's properties reach the resizer; a misplaced or second resizer does
// nothing and says where it is.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtUiTools/QUiLoader>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <memory>

#include "MailWindow.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtUserInput.h"
#include "kelvane/Resizer.h"
#include "kelvane/ResizerWidget.h"
#include "tool_run.h"

namespace kv::test {
namespace {

const std::string kFrm = std::string(KV_TEST_DATA) + "/mailwindow.frm";
const QString kUi = QString(KV_EXAMPLE_UI);

void settle() {
    qt::QtHost::installed().settle();
}

mem::MemoryForm& mail_form() {
    auto form = qt::QtHost::installed().find_form("MailWindow");
    if (!form) throw std::runtime_error("no mail form");
    return *form;
}

std::unique_ptr<QWidget> load_ui(const QString& file) {
    QUiLoader loader;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return nullptr;
    return std::unique_ptr<QWidget>(loader.load(&f));
}

// One step a user takes: the window's client size in pixels, or a divider dragged.
struct UserStep {
    QSize client;
    QPoint from, to;  // a drag when from != to, in the window's pixels
};

// The outer size in twips of a window of this client size (sizable border, caption).
std::string outer_twips(QSize client) {
    return std::to_string((client.width() + 8) * 15) + "x" +
           std::to_string((client.height() + 8 + 19) * 15);
}

std::string twips_point(QPoint p) {
    return std::to_string(p.x() * 15) + "," + std::to_string(p.y() * 15);
}

// The twips of every control of the form, as the Qt host's forms model holds them.
std::map<std::string, std::array<double, 4>> model_twips() {
    std::map<std::string, std::array<double, 4>> out;
    for (const auto& c : mail_form().all_controls()) {
        if (c->traits().geometry != host::GeometryKind::Box) continue;
        const auto r = c->rect_twips();
        out[c->name()] = {r.left, r.top, r.width, r.height};
    }
    return out;
}

TEST(ResizerWidget, UiFromQUiLoaderLaysOutAsTheFormFileDoes) {
    const std::vector<UserStep> steps = {
        {{640, 440}, {}, {}},  // the design size
        {{760, 540}, {}, {}},
        {{700, 560}, {}, {}},
        {{300, 200}, {}, {}},  // below the minimum: the window stops at 480 x 320
        {{720, 500}, {}, {}},
        {{720, 500}, {164, 150}, {260, 150}},  // the tree | list divider dragged
        {{600, 420}, {}, {}},
    };
    // What `kelvane layout` makes of the form file after each step.
    std::vector<nlohmann::json> expected;
    Argv args = {"layout", kFrm, "--json"};
    for (const auto& s : steps) {
        if (s.from != s.to) {
            args.push_back("--drag");
            args.push_back(twips_point(s.from) + ":" + twips_point(s.to));
        } else {
            args.push_back("--user-size");
            args.push_back(outer_twips(s.client));
        }
        const test::Run r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        expected.push_back(r.json());
    }

    kelvane::Resizer::use_store(kelvane::memory_store());
    auto window = load_ui(kUi);
    ASSERT_TRUE(window);
    auto* resizer = window->findChild<kelvane::ResizerWidget*>("zokKelvane1");
    ASSERT_TRUE(resizer);
    EXPECT_FALSE(resizer->design_time());
    window->show();
    settle();
    ASSERT_TRUE(resizer->resizer()) << resizer->refusal().toStdString();
    EXPECT_FALSE(resizer->isVisible());
    auto& host = qt::QtHost::installed();
    for (size_t i = 0; i < steps.size(); ++i) {
        const UserStep& s = steps[i];
        SCOPED_TRACE("step " + std::to_string(i));
        if (s.from != s.to) {
            qt::QtUserInput(host).drag(mail_form(), mail_form(), s.from.x() * 15.0,
                                       s.from.y() * 15.0, s.to.x() * 15.0, s.to.y() * 15.0);
        } else {
            window->resize(s.client);
        }
        settle();
        const auto twips = model_twips();
        for (const auto& c : expected[i]["controls"]) {
            const std::string key = c["key"];
            if (key == "zokKelvane1" || c["left"].is_null()) continue;
            SCOPED_TRACE(key);
            const auto it = twips.find(key);
            ASSERT_NE(it, twips.end());
            const auto [left, top, width, height] = it->second;
            EXPECT_DOUBLE_EQ(left, c["left"].get<double>());
            EXPECT_DOUBLE_EQ(top, c["top"].get<double>());
            EXPECT_DOUBLE_EQ(width, c["width"].get<double>());
            EXPECT_DOUBLE_EQ(height, c["height"].get<double>());
            // The widget stands there, within a pixel.
            if (auto* w = window->findChild<QWidget*>(QString::fromStdString(key))) {
                const QRect g = w->geometry();
                EXPECT_NEAR(g.x(), left / 15, 1);
                EXPECT_NEAR(g.y(), top / 15, 1);
                EXPECT_NEAR(g.width(), width / 15, 1);
                EXPECT_NEAR(g.height(), height / 15, 1);
            }
        }
        EXPECT_DOUBLE_EQ(mail_form().rect_twips().width,
                         expected[i]["form"]["width"].get<double>());
        EXPECT_DOUBLE_EQ(mail_form().rect_twips().height,
                         expected[i]["form"]["height"].get<double>());
    }
    EXPECT_EQ(window->minimumSize(), QSize(480, 320));
}

// `kelvane layout` on the example's .ui, at the size the example window is given: the tool's
// twips are the Qt host's for the window compiled with uic, and each widget stands there.
TEST(ResizerWidget, LayoutOfTheUiIsWhatTheExampleWindowShows) {
    const std::string ui = KV_EXAMPLE_UI;
    for (const QSize client : {QSize(1000, 700), QSize(760, 540), QSize(500, 340)}) {
        SCOPED_TRACE(std::to_string(client.width()) + "x" + std::to_string(client.height()));
        const test::Run r = run({"layout", ui, "--size", outer_twips(client), "--json"});
        ASSERT_EQ(r.status, 0) << r.err;
        const nlohmann::json expected = r.json();

        kelvane::Resizer::use_store(kelvane::memory_store());
        MailWindow window;
        window.show();
        settle();
        window.resize(client);
        settle();
        ASSERT_EQ(window.size(), client);
        const auto twips = model_twips();
        size_t compared = 0;
        for (const auto& c : expected["controls"]) {
            const std::string key = c["key"];
            if (key == "zokKelvane1" || c["left"].is_null()) continue;
            SCOPED_TRACE(key);
            const auto it = twips.find(key);
            ASSERT_NE(it, twips.end());
            const auto [left, top, width, height] = it->second;
            EXPECT_DOUBLE_EQ(left, c["left"].get<double>());
            EXPECT_DOUBLE_EQ(top, c["top"].get<double>());
            EXPECT_DOUBLE_EQ(width, c["width"].get<double>());
            EXPECT_DOUBLE_EQ(height, c["height"].get<double>());
            auto* w = window.findChild<QWidget*>(QString::fromStdString(key));
            ASSERT_TRUE(w);
            const QRect g = w->geometry();
            EXPECT_NEAR(g.x(), left / 15, 1);
            EXPECT_NEAR(g.y(), top / 15, 1);
            EXPECT_NEAR(g.width(), width / 15, 1);
            EXPECT_NEAR(g.height(), height / 15, 1);
            ++compared;
        }
        EXPECT_EQ(compared, 9u);
        window.close();
        settle();
    }
}

// The window compiled with uic (the example): closed and opened again, it is where the user left
// it, under the GUID of its form.
TEST(ResizerWidget, UicWindowKeepsPlacementUnderItsFormGuid) {
    auto store = kelvane::memory_store();
    kelvane::Resizer::use_store(store);
    int tree_width = 0;
    {
        MailWindow window;
        window.show();
        settle();
        window.resize(760, 520);
        window.move(30, 40);
        settle();
        auto& host = qt::QtHost::installed();
        const QRect tree = window.ui().folderTree->geometry();
        const double x = (tree.right() + 5) * 15.0, y = (tree.y() + 60) * 15.0;
        qt::QtUserInput(host).drag(mail_form(), mail_form(), x, y, x + 50 * 15.0, y);
        settle();
        tree_width = window.ui().folderTree->width();
        EXPECT_NEAR(tree_width, tree.width() + 50, 8);
        window.close();
        settle();
    }
    const std::string key =
        "Software\\Quillon\\Kelvane for VB6\\Forms\\Empty SubKey\\MailWindow\\"
        "{4E1C2A7B-93D5-4F68-A0B2-7C5D19E3F846}\\MailWindow";
    EXPECT_EQ(store->read(key, "Width"), std::to_string((760 + 8) * 15));
    EXPECT_TRUE(store->read(key + ".SplitPanel", "PaneHor"));
    MailWindow again;
    again.show();
    settle();
    EXPECT_EQ(again.size(), QSize(760, 520));
    EXPECT_EQ(again.pos(), QPoint(30, 40));
    EXPECT_EQ(again.ui().folderTree->width(), tree_width);
    EXPECT_TRUE(again.ui().zokKelvane1->isHidden());
}

// What a form gives its resizer widget reaches the resizer: the sub key in the store's path,
// what is saved, the limits (a side of -1 has none), line ends typed as LF alone.
TEST(ResizerWidget, PropertiesReachTheResizer) {
    auto store = kelvane::memory_store();
    kelvane::Resizer::use_store(store);
    {
        QWidget window;
        window.setObjectName("Notes");
        window.resize(400, 300);
        auto* ok = new QPushButton("OK", &window);
        ok->setObjectName("ok");
        ok->setGeometry(300, 260, 90, 30);
        auto* resizer = new kelvane::ResizerWidget(&window);
        resizer->setControlSettings("ok \tAAKKK\n");
        resizer->setSubKey("Tools");
        resizer->setFormGUID("{00000000-0000-0000-0000-000000000001}");
        resizer->setSavePos(false);
        resizer->setMinHeight(200);
        window.show();
        settle();
        ASSERT_TRUE(resizer->resizer()) << resizer->refusal().toStdString();
        EXPECT_EQ(window.minimumSize().height(), 200);
        EXPECT_LT(window.minimumSize().width(), 200);  // no width limit of its own
        window.resize(500, 350);
        settle();
        EXPECT_EQ(ok->geometry(), QRect(400, 310, 90, 30));
        // A limit changed at run time applies at once.
        resizer->setMaxWidth(600);
        settle();
        EXPECT_EQ(window.maximumSize().width(), 600);
        window.close();
        settle();
    }
    const std::string key =
        "Software\\Quillon\\Kelvane for VB6\\Forms\\Tools\\Notes\\"
        "{00000000-0000-0000-0000-000000000001}\\Notes";
    EXPECT_TRUE(store->read(key, "Width"));
    EXPECT_FALSE(store->read(key, "Left"));  // SavePos false
}

// A form as uic builds it: the window sized as designed, then its widgets and the resizer. How the
// application shows it (sized first, maximised) and what it does later (limits that contradict
// each other, the resizer deleted) leave the widgets where their settings put them and the
// window up.
TEST(ResizerWidget, TheWindowAsTheApplicationShowsItFollowsTheDesign) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    struct Case {
        const char* what;
        std::function<void(QWidget&)> show;
        int min_width, max_width;
    };
    const Case cases[] = {
        {"sized first", [](QWidget& w) { w.resize(500, 350), w.show(); }, -1, -1},
        {"maximised", [](QWidget& w) { w.showMaximized(); }, -1, -1},
        {"limits that contradict", [](QWidget& w) { w.resize(500, 350), w.show(); }, 450, 420},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto window = std::make_unique<QWidget>();
        window->setObjectName("Tool");
        window->resize(400, 300);
        auto* ok = new QPushButton("OK", window.get());
        ok->setObjectName("ok");
        ok->setGeometry(300, 260, 90, 30);
        auto* resizer = new kelvane::ResizerWidget(window.get());
        resizer->setControlSettings("ok \tAAKKK");
        resizer->setMinWidth(c.min_width);
        resizer->setMaxWidth(c.max_width);
        c.show(*window);
        settle();
        ASSERT_TRUE(resizer->resizer());
        const QSize size = window->size();
        EXPECT_NE(size, QSize(400, 300));
        EXPECT_EQ(ok->geometry(), QRect(size.width() - 100, size.height() - 40, 90, 30));
        EXPECT_EQ(window->minimumWidth() > 0, false);
        delete resizer;
        QApplication::processEvents();
        EXPECT_TRUE(window->isVisible());
    }
}

// On a main window (Designer's usual form) the resizer sits in the central widget, which
// follows the window between its bars; the widgets in it follow as they are told.
TEST(ResizerWidget, MainWindowFormsFollowThroughTheirCentralWidget) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    QMainWindow window;  // built as uic builds it: sized first
    window.setObjectName("MainWindow");
    window.resize(400, 300);
    auto* central = new QWidget(&window);
    central->setObjectName("centralwidget");
    auto* ok = new QPushButton("OK", central);
    ok->setObjectName("ok");
    ok->setGeometry(300, 200, 90, 30);
    auto* resizer = new kelvane::ResizerWidget(central);
    resizer->setControlSettings("ok \tAAKKK");
    window.setCentralWidget(central);
    window.statusBar()->showMessage("ready");
    window.show();
    settle();
    ASSERT_TRUE(resizer->resizer()) << resizer->refusal().toStdString();
    const QRect before = central->geometry();
    window.resize(500, 360);
    settle();
    EXPECT_EQ(central->geometry(), before.adjusted(0, 0, 100, 60));
    EXPECT_EQ(ok->geometry(), QRect(400, 260, 90, 30));
    window.close();
    settle();
}

// A resizer anywhere but on the form itself, or a second one there (placed, or made in code),
// lays nothing out and says where it is in one line.
TEST(ResizerWidget, MisplacedOrSecondResizerIsRefused) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    {
        QWidget window;
        window.setObjectName("Form1");
        auto* box = new QGroupBox(&window);
        box->setObjectName("options");
        auto* inner = new kelvane::ResizerWidget(box);
        inner->setObjectName("zokKelvane1");
        window.show();
        QApplication::processEvents();
        EXPECT_FALSE(inner->resizer());
        EXPECT_EQ(inner->refusal().toStdString(),
                  "kelvane::ResizerWidget 'zokKelvane1' is in 'options' (QGroupBox) on form "
                  "'Form1': place it on the form itself");
    }
    {
        QWidget window;
        window.setObjectName("Form2");
        auto* first = new kelvane::ResizerWidget(&window);
        first->setObjectName("zokKelvane1");
        auto* second = new kelvane::ResizerWidget(&window);
        second->setObjectName("zokKelvane2");
        window.show();
        QApplication::processEvents();
        EXPECT_TRUE(first->resizer());
        EXPECT_FALSE(second->resizer());
        EXPECT_EQ(second->refusal().toStdString(),
                  "kelvane::ResizerWidget 'zokKelvane2' is a second resizer on form 'Form2' (the "
                  "first is 'zokKelvane1'): one per form");
    }
    {
        // A resizer the application made in code is the one that lays the window out.
        QWidget window;
        window.setObjectName("Form3");
        auto* placed = new kelvane::ResizerWidget(&window);
        placed->setObjectName("zokKelvane1");
        kelvane::Resizer in_code(window);
        window.show();
        QApplication::processEvents();
        EXPECT_FALSE(placed->resizer());
        EXPECT_EQ(placed->refusal().toStdString(),
                  "kelvane::ResizerWidget 'zokKelvane1': kelvane::Resizer: the window already has "
                  "a resizer, and two would undo each other's moves; give the set-up to the one "
                  "there is");
    }
    {
        // On a main window, its central widget is the form's own area.
        QMainWindow window;
        window.setObjectName("Main");
        auto* central = new QWidget;
        window.setCentralWidget(central);
        auto* resizer = new kelvane::ResizerWidget(central);
        EXPECT_EQ(resizer->placement_problem(), "");
        kelvane::ResizerWidget alone;
        alone.setObjectName("zokKelvane9");
        EXPECT_EQ(alone.placement_problem().toStdString(),
                  "kelvane::ResizerWidget 'zokKelvane9' is a window of its own: place it on a "
                  "form");
        // Shown so (a .ui whose form it is), it says so.
        alone.show();
        QApplication::processEvents();
        EXPECT_EQ(alone.refusal().toStdString(), alone.placement_problem().toStdString());
    }
    {
        // A central widget's layout would place the widgets the resizer places.
        QMainWindow window;
        auto* central = new QWidget;
        new QVBoxLayout(central);
        window.setCentralWidget(central);
        auto* resizer = new kelvane::ResizerWidget(central);
        resizer->setObjectName("zokKelvane1");
        window.show();
        QApplication::processEvents();
        EXPECT_FALSE(resizer->resizer());
        EXPECT_EQ(resizer->refusal().toStdString(),
                  "kelvane::ResizerWidget 'zokKelvane1': kelvane::Resizer: the main window's "
                  "central widget has a QLayout, which places its widgets itself; remove the "
                  "layout, or give the resizer a window without one");
    }
}

}  // namespace
}  // namespace kv::test
