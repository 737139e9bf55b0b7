// The Qt example application laid out by kelvane::Resizer (offscreen): its widgets at three
// window sizes, the minimum size held by the window, placement and split found again by the next
// window, the application's own store, and what the API refuses.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>

#include <unistd.h>

#include "NotesWindow.h"
#include "host/qt/QtUserInput.h"
#include "qt_rig.h"

namespace kv::test {
namespace {

mem::MemoryForm& notes_form() {
    auto form = qt::QtHost::installed().find_form("frmNotes");
    if (!form) throw std::runtime_error("no notes form");
    return *form;
}

// A notes window on the given store, shown; message boxes answered without a dialog.
struct Notes {
    explicit Notes(std::shared_ptr<kelvane::SettingsStore> store) {
        kelvane::Resizer::use_store(std::move(store));
        window = std::make_unique<NotesWindow>();
        qt::QtHost::installed().set_interactive(false);
        window->resizer().show();
    }
    void resize(QSize size) {
        window->resize(size);
        settle();
    }
    std::unique_ptr<NotesWindow> window;
};

QRect right_of(const QRect& r, int dx, int dy) {
    return r.translated(dx, dy);
}

TEST(QtExample, WidgetsFollowTheWindowAtThreeSizes) {
    Notes notes(kelvane::memory_store());
    NotesWindow& w = *notes.window;
    struct Case {
        QSize asked, got;
    };
    const Case cases[] = {
        {{640, 420}, {640, 420}},  // the design size
        {{760, 540}, {760, 540}},  // larger
        {{300, 200}, {480, 320}},  // below the minimum: the window stops there
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.asked.width() << "x" << c.asked.height());
        notes.resize(c.asked);
        ASSERT_EQ(w.size(), c.got);
        const int dx = c.got.width() - 640, dy = c.got.height() - 420;
        EXPECT_EQ(w.search()->geometry(), QRect(12, 12, 616 + dx, 26));
        EXPECT_EQ(w.status()->geometry(), QRect(12, 380 + dy, 200, 26));
        EXPECT_EQ(w.add()->geometry(), right_of(QRect(436, 378, 92, 30), dx, dy));
        EXPECT_EQ(w.remove()->geometry(), right_of(QRect(536, 378, 92, 30), dx, dy));
        // The list and the text share the middle, the divider's gap between them.
        const QRect list = w.notes()->geometry(), text = w.text()->geometry();
        EXPECT_EQ(list.topLeft(), QPoint(12, 48));
        EXPECT_EQ(list.height(), 316 + dy);
        EXPECT_EQ(text.top(), 48);
        EXPECT_EQ(text.height(), 316 + dy);
        EXPECT_EQ(text.x() + text.width(), 628 + dx);
        EXPECT_EQ(text.x() - (list.x() + list.width()), 8);
        EXPECT_GT(list.width(), 0);
        EXPECT_GT(text.width(), 0);
        expect_widgets_follow(notes_form());
    }
    // The window itself refuses to be made smaller than the minimum.
    EXPECT_EQ(w.minimumSize(), NotesWindow::kMinimumSize);
}

TEST(QtExample, NextWindowOpensWherePlacementAndSplitWereLeft) {
    auto store = kelvane::memory_store();
    int list_width = 0;
    {
        Notes notes(store);
        notes.resize({720, 500});
        notes.window->move(40, 30);
        settle();
        // The user drags the divider 60 pixels to the right.
        auto& host = qt::QtHost::installed();
        const double tx = host.twips_per_pixel_x(), ty = host.twips_per_pixel_y();
        const QRect list = notes.window->notes()->geometry();
        const double x = (list.x() + list.width() + 4) * tx, y = (list.y() + 100) * ty;
        qt::QtUserInput(host).drag(notes_form(), notes_form(), x, y, x + 60 * tx, y);
        list_width = notes.window->notes()->width();
        // The bar lands where the hand left it, within the divider's own width.
        EXPECT_NEAR(list_width, list.width() + 60, 8);
        notes.window->close();
        settle();
    }
    Notes again(store);
    EXPECT_EQ(again.window->size(), QSize(720, 500));
    EXPECT_EQ(again.window->pos(), QPoint(40, 30));
    EXPECT_EQ(again.window->notes()->width(), list_width);
    expect_widgets_follow(notes_form());
}

TEST(QtExample, WidgetsInsidePanelsFollowTheirPanel) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    QWidget window;
    window.resize(400, 300);
    auto* panel = new QWidget(&window);  // a plain panel holds its widgets as a container
    panel->setGeometry(0, 0, 400, 300);
    std::vector<QPushButton*> keys;
    for (int i = 0; i < 20; ++i) {
        keys.push_back(new QPushButton(QString::number(i), panel));
        keys.back()->setGeometry(20 * i, 10 * i, 20, 10);
    }
    kelvane::Resizer resizer(window);
    qt::QtHost::installed().set_interactive(false);
    resizer.anchor(*panel, "KKKKK");
    for (auto* k : keys) resizer.anchor(*k, "RRRRK");
    resizer.show();
    window.resize(800, 600);
    settle();
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 800, 600));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(keys[i]->geometry(), QRect(40 * i, 20 * i, 40, 20)) << i;
    // The painting held while the many widgets moved is released again.
    EXPECT_TRUE(window.updatesEnabled());
    EXPECT_TRUE(keys[0]->updatesEnabled());
}

// The widgets on every page of a tab widget follow it, the page on view or not, from the
// tab widget's corner; switching pages moves none.
TEST(QtExample, WidgetsOnEveryTabPageFollowTheTabWidget) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    QWidget window;
    window.resize(400, 300);
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(0, 0, 400, 300);
    QPushButton* keys[2];
    for (int i = 0; i < 2; ++i) {
        auto* page = new QWidget;
        tabs->addTab(page, QString::number(i));
        keys[i] = new QPushButton(page);
        keys[i]->setGeometry(20 + 20 * i, 20 + 40 * i, 100, 30);
    }
    kelvane::Resizer resizer(window);
    qt::QtHost::installed().set_interactive(false);
    resizer.anchor(*tabs, "RRRRK").anchor(*keys[0], "RRRRK").anchor(*keys[1], "RRRRK").show();
    window.resize(800, 600);
    settle();
    EXPECT_EQ(tabs->geometry(), QRect(0, 0, 800, 600));
    for (int current : {0, 1, 0}) {
        tabs->setCurrentIndex(current);
        settle();
        for (int i = 0; i < 2; ++i) {
            const QPoint o = keys[i]->parentWidget()->mapTo(tabs, QPoint(0, 0));
            EXPECT_EQ(keys[i]->geometry(), QRect(40 + 40 * i + o.x(), 40 + 80 * i + o.y(), 200, 60))
                << i << " with page " << current << " on view";
        }
    }
}

// The application's own settings, as the API lets it keep them.
class MapStore : public kelvane::SettingsStore {
  public:
    std::optional<std::string> read(const std::string& key, const std::string& name) override {
        auto it = values.find(key + "|" + name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    bool write(const std::string& key, const std::string& name, const std::string& value) override {
        values[key + "|" + name] = value;
        return true;
    }
    std::map<std::string, std::string> values;
};

TEST(QtExample, PlacementGoesToTheApplicationsOwnStore) {
    auto store = std::make_shared<MapStore>();
    double tx = 0;
    {
        Notes notes(store);
        tx = qt::QtHost::installed().twips_per_pixel_x();
        notes.resize({700, 480});
        notes.window->close();
        settle();
    }
    // The window's outer width in twips, under a key that names the window's key and form.
    std::string width_key;
    for (const auto& [k, v] : store->values)
        if (k.find("NotesExample") != std::string::npos && k.ends_with("|Width")) width_key = k;
    ASSERT_FALSE(width_key.empty());
    EXPECT_NE(width_key.find("frmNotes"), std::string::npos);
    EXPECT_EQ(std::stod(store->values[width_key]), (700 + 8) * tx);
    Notes again(store);
    EXPECT_EQ(again.window->size(), QSize(700, 480));
}

// A window that asks before it closes, and is told to stay.
class StubbornWindow : public QWidget {
  protected:
    void closeEvent(QCloseEvent* e) override {
        ++asked;
        if (stay) e->ignore();
    }

  public:
    int asked = 0;
    bool stay = true;
};

TEST(QtExample, AWindowTheApplicationKeepsOpenKeepsItsLayout) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    StubbornWindow window;
    window.resize(400, 300);
    auto* ok = new QPushButton("OK", &window);
    ok->setGeometry(300, 260, 90, 30);
    kelvane::Resizer resizer(window);
    qt::QtHost::installed().set_interactive(false);
    resizer.anchor(*ok, "AAKKK").show();
    EXPECT_FALSE(window.close());
    EXPECT_EQ(window.asked, 1);
    EXPECT_TRUE(resizer.shown());
    window.resize(500, 350);
    settle();
    EXPECT_EQ(ok->pos(), QPoint(400, 310));
    window.stay = false;
    EXPECT_TRUE(window.close());
    settle();
    EXPECT_EQ(window.asked, 2);
    EXPECT_FALSE(resizer.shown());
}

TEST(QtExample, TheApiRefusesWhatCannotWork) {
    Notes notes(kelvane::memory_store());
    NotesWindow& w = *notes.window;
    QWidget stranger;
    QWidget other;
    auto* unnamed = new QListWidget(&other);
    auto* named = new QListWidget(&other);
    named->setObjectName("lstNotes");
    auto* bad_name = new QPushButton(&other);
    bad_name->setObjectName("ok button");
    kelvane::Resizer fresh(other);
    qt::QtHost::installed().set_interactive(false);
    // Names: the object name where it is a plain identifier, else the class and a number.
    EXPECT_EQ(w.resizer().name_of(*w.notes()), "lstNotes");
    EXPECT_EQ(fresh.name_of(*named), "lstNotes");  // two windows, two forms: no clash
    EXPECT_EQ(fresh.name_of(*unnamed), "ListBox1");
    EXPECT_EQ(fresh.name_of(*bad_name), "CommandButton1");
    EXPECT_EQ(fresh.name_of(stranger), "");
    EXPECT_THROW(fresh.anchor(stranger, "KKKKK"), std::invalid_argument);
    EXPECT_THROW(fresh.anchor(*named, "KKKKKK"), std::invalid_argument);
    EXPECT_THROW(fresh.anchor(*named, "kkkkk"), std::invalid_argument);
    EXPECT_THROW(fresh.split({named}), std::invalid_argument);
    EXPECT_THROW(fresh.split({named, named}), std::invalid_argument);
    EXPECT_THROW(fresh.split({named, w.text()}), std::invalid_argument);
    EXPECT_THROW(fresh.remember(""), std::invalid_argument);
    fresh.minimum_size({200, 100});
    EXPECT_THROW(fresh.maximum_size({150, 300}), std::invalid_argument);
    EXPECT_FALSE(fresh.maximum_size().isValid());
    // Once shown, the panes are fixed; anchors and limits still change, at once.
    EXPECT_THROW(w.resizer().split({w.notes(), w.text()}), std::logic_error);
    w.resizer().minimum_size({560, 360});
    settle();
    EXPECT_EQ(w.minimumSize(), QSize(560, 360));
    notes.resize({500, 300});
    EXPECT_EQ(w.size(), QSize(560, 360));
    // Taken away, the window goes smaller than before.
    w.resizer().minimum_size(QSize());
    notes.resize({300, 200});
    EXPECT_EQ(w.size(), QSize(300, 200));
    EXPECT_THROW(w.resizer().minimum_size({-5, 10}), std::invalid_argument);
}

// Settings written with LF line breaks, as a C++ string literal has them, are lines each.
TEST(QtExample, SettingsLinesMayEndInLineFeedsAlone) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    QWidget window;
    window.resize(400, 300);
    auto* list = new QListWidget(&window);
    list->setObjectName("lstA");
    list->setGeometry(10, 10, 200, 200);
    auto* ok = new QPushButton("OK", &window);
    ok->setObjectName("cmdOK");
    ok->setGeometry(300, 260, 90, 30);
    kelvane::Resizer resizer(window);
    qt::QtHost::installed().set_interactive(false);
    resizer.control_settings("lstA \tKKKKK\ncmdOK \tAAKKK\n").show();
    window.resize(500, 400);
    settle();
    EXPECT_EQ(list->geometry(), QRect(10, 10, 300, 300));
    EXPECT_EQ(ok->geometry(), QRect(400, 360, 90, 30));
    EXPECT_TRUE(qt::QtHost::installed().messages().empty());
}

// The resizer's messages are dialogs for the application's user; on a platform nobody sees
// (offscreen) such a dialog used to wait for ever inside show(): the text goes to stderr.
TEST(QtExample, MessagesWhereNobodySeesADialogGoToStderr) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    QWidget window;
    window.resize(300, 200);
    auto* ok = new QPushButton("OK", &window);
    ok->setObjectName("ok");
    ok->setGeometry(200, 160, 90, 30);
    kelvane::Resizer resizer(window);
    ASSERT_TRUE(qt::QtHost::installed().interactive());
    resizer.pane_settings("ok");
    testing::internal::CaptureStderr();
    resizer.show();
    settle();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("There must be at least two controls in a pane"), std::string::npos) << err;
}

// Counts the times a widget is painted.
class PaintCount : public QObject {
  public:
    explicit PaintCount(QWidget& w) { w.installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// The window resized as its user would, through the event loop: the resize event's pass and the
// settle ticks move the panels, and the window is painted once, after they have settled.
TEST(QtExample, AResizePaintsTheWindowOnceTheLayoutHasSettled) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    QWidget window;
    window.resize(400, 300);
    std::vector<QFrame*> panels;
    for (int i = 0; i < 40; ++i) {
        panels.push_back(new QFrame(&window));
        panels.back()->setFrameStyle(QFrame::Box);
        panels.back()->setGeometry(10 * (i % 8) * 5, 10 * (i / 8) * 6, 40, 50);
    }
    kelvane::Resizer resizer(window);
    qt::QtHost::installed().set_interactive(false);
    for (auto* p : panels) resizer.anchor(*p, "RRRRK");
    resizer.show();
    settle();
    PaintCount count(window);
    window.resize(800, 600);
    settle();
    EXPECT_EQ(count.paints, 1);
    EXPECT_TRUE(window.updatesEnabled());
    EXPECT_EQ(panels[9]->geometry(), QRect(100, 120, 80, 100));
}

// An application's frame that draws a border round its inside is a bordered picture box, flat
// for the style's panel and 3-D for a shaded one, as a .ui's frame is read; its widgets stand
// inside the border in the forms model and where the application put them on the screen.
TEST(QtExample, AFramesBorderIsItsPictureBoxs) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    QWidget window;
    window.setObjectName("Framed");
    window.resize(400, 300);
    const struct {
        const char* frame;
        int style, border;
    } frames[] = {{"fraStyled", QFrame::StyledPanel | QFrame::Raised, 1},
                  {"fraSunken", QFrame::Box | QFrame::Sunken, 2},
                  {"fraNone", QFrame::NoFrame, 0}};
    int row = 0;
    for (const auto& f : frames) {
        auto* frame = new QFrame(&window);
        frame->setObjectName(f.frame);
        frame->setFrameStyle(f.style);
        frame->setGeometry(20, 20 + 90 * row++, 200, 80);
        auto* button = new QPushButton(frame);
        button->setObjectName(QString(f.frame) + "Button");
        button->setGeometry(10, 30, 80, 30);
    }
    kelvane::Resizer resizer(window);
    qt::QtHost::installed().set_interactive(false);
    resizer.show();
    settle();
    window.resize(500, 400);
    settle();
    auto form = qt::QtHost::installed().find_form("Framed");
    ASSERT_TRUE(form);
    for (const auto& f : frames) {
        SCOPED_TRACE(f.frame);
        const std::string name = f.frame;
        const auto box = form->control(name);
        const auto button = form->control(name + "Button");
        ASSERT_TRUE(box && button);
        EXPECT_EQ(to_double(box->get(Prop::BorderStyle)), f.border ? 1 : 0);
        EXPECT_EQ(box->inner_offset_twips().first, f.border * 15);
        EXPECT_EQ(button->rect_twips().left, (10 - f.border) * 15);
        EXPECT_EQ(button->rect_twips().top, (30 - f.border) * 15);
        EXPECT_EQ(window.findChild<QPushButton*>(QString::fromStdString(name + "Button"))
                      ->geometry()
                      .topLeft(),
                  QPoint(10, 30));
    }
}

// The example program as its user starts it, on a platform without a window system and with no
// runtime folder set: nothing on stderr, a picture of its window.
TEST(QtExample, TheExampleProgramIsQuiet) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kv_qt_example_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto program =
        std::filesystem::read_symlink("/proc/self/exe").parent_path() / "qt_example";
    const std::string command = "env -u XDG_RUNTIME_DIR TMPDIR='" + dir.string() +
                                "' QT_QPA_PLATFORM=offscreen '" + program.string() + "' --store '" +
                                (dir / "store.ini").string() + "' --size 700x500 --shot '" +
                                (dir / "shot.png").string() + "' 2>'" + (dir / "err.txt").string() +
                                "' >/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(dir / "err.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "");
    EXPECT_GT(std::filesystem::file_size(dir / "shot.png"), 0u);
    std::filesystem::remove_all(dir);
}

TEST(QtExample, AWindowWithALayoutOrAResizerIsRefusedAPanelWithALayoutIsOneWidget) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    QWidget laid_out;
    auto* column = new QVBoxLayout(&laid_out);
    column->addWidget(new QPushButton("A"));
    try {
        kelvane::Resizer refused(laid_out);
        ADD_FAILURE() << "a window with a layout was taken";
    } catch (const std::invalid_argument& e) {
        EXPECT_NE(std::string(e.what()).find("QLayout"), std::string::npos) << e.what();
    }
    // Nor do two resizers share a window: each would undo the other's moves. Once the first is
    // gone, a new one is welcome.
    {
        QWidget twice;
        auto first = std::make_unique<kelvane::Resizer>(twice);
        EXPECT_THROW(kelvane::Resizer second(twice), std::invalid_argument);
        first.reset();
        EXPECT_NO_THROW(kelvane::Resizer again(twice));
    }
    QWidget window;
    window.resize(400, 300);
    auto* panel = new QWidget(&window);
    panel->setGeometry(0, 0, 200, 300);
    auto* inner = new QVBoxLayout(panel);
    auto* button = new QPushButton("B");
    inner->addWidget(button);
    kelvane::Resizer resizer(window);
    qt::QtHost::installed().set_interactive(false);
    EXPECT_EQ(resizer.name_of(*button), "");
    resizer.anchor(*panel, "KKRKK").show();
    window.resize(800, 300);
    settle();
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 400, 300));
    // The panel's own layout placed the button in it.
    EXPECT_GT(button->width(), 300);
}

}  // namespace
}  // namespace kv::test
