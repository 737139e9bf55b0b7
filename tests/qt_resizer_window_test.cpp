// A window of the application's own under kelvane::Resizer: widgets it adds or deletes after
// the resizer was made, its size limits, the window closed and shown again or deleted, and the
// widgets the resizer adopts as they are (combo boxes, scroll bars, exact font sizes).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <climits>
#include <limits>
#include <memory>
#include <set>
#include <stdexcept>

#include "kelvane/Resizer.h"
#include "qt_rig.h"

namespace kv::test {
namespace {

// A window of 400 x 300 with an OK button in its lower right corner, shown by its resizer.
struct SmallWindow {
    SmallWindow() {
        kelvane::Resizer::use_store(kelvane::memory_store());
        window.resize(400, 300);
        ok = new QPushButton("OK", &window);
        ok->setGeometry(300, 260, 90, 30);
        resizer = std::make_unique<kelvane::Resizer>(window);
        qt::QtHost::installed().set_interactive(false);
        resizer->anchor(*ok, "AAKKK").show();
    }
    void resize(QSize size) {
        window.resize(size);
        settle();
    }
    QWidget window;
    QPushButton* ok = nullptr;
    std::unique_ptr<kelvane::Resizer> resizer;
};

TEST(QtResizer, WidgetsAddedLaterFollowTheWindow) {
    SmallWindow w;
    // Not anchored: registered as AddAllControls would (edges in proportion, a button floating).
    auto* edit = new QLineEdit(&w.window);
    edit->setGeometry(10, 10, 200, 20);
    auto* more = new QPushButton("More", &w.window);
    more->setGeometry(100, 100, 60, 30);
    // Anchored after the resizer was shown: the later modes hold.
    auto* help = new QPushButton("Help", &w.window);
    help->setGeometry(10, 260, 80, 30);
    w.resizer->anchor(*help, "KKKKK").anchor(*help, "KAAKK");
    EXPECT_EQ(w.resizer->name_of(*edit), "TextBox1");
    settle();
    w.resize({800, 600});
    EXPECT_EQ(edit->geometry(), QRect(20, 20, 400, 40));
    EXPECT_EQ(more->geometry(), QRect(230, 215, 60, 30));
    EXPECT_EQ(help->geometry(), QRect(10, 560, 80, 30));
    EXPECT_EQ(w.ok->geometry(), QRect(700, 560, 90, 30));
    // Added while the window is larger: placed from where it stands then.
    auto* late = new QLabel("late", &w.window);
    late->setGeometry(100, 100, 100, 50);
    settle();
    w.resize({400, 300});
    EXPECT_EQ(late->geometry(), QRect(50, 50, 50, 25));
    EXPECT_EQ(edit->geometry(), QRect(10, 10, 200, 20));
    EXPECT_EQ(w.ok->geometry(), QRect(300, 260, 90, 30));
    expect_widgets_follow(*qt::QtHost::installed().find_form("Form1"));
    EXPECT_TRUE(qt::QtHost::installed().messages().empty());
}

// The window's limits are the application's: they outlast a layout started again, and without
// a maximum the program sizes its window past the screen (offscreen: 800 x 800), as Qt lets it.
TEST(QtResizer, TheLimitsAreTheApplicationsOnly) {
    SmallWindow w;
    w.resize({1600, 1200});
    EXPECT_EQ(w.window.size(), QSize(1600, 1200));
    EXPECT_EQ(w.ok->geometry(), QRect(1500, 1160, 90, 30));
    w.resizer->minimum_size({300, 200});
    auto* late = new QLabel("late", &w.window);  // laid out anew: the limits stay
    late->setGeometry(10, 10, 50, 20);
    settle();
    w.resizer->anchor(*late, "KKKKK");
    w.resize({100, 100});
    EXPECT_EQ(w.window.size(), QSize(300, 200));
    EXPECT_EQ(w.window.minimumSize(), QSize(300, 200));
}

// A limit whose twips, frame included, pass what the control's 32-bit limits hold is refused,
// naming the limit and the size, and the limits in use stay; Qt's own largest size fits.
TEST(QtResizer, SizeLimitsPastWhatTwipsHoldAreRefused) {
    SmallWindow w;
    w.resizer->minimum_size({300, 200});
    const int past = static_cast<int>(std::numeric_limits<int32_t>::max() /
                                      qt::QtHost::installed().twips_per_pixel_y());
    const struct {
        bool minimum;
        QSize size;
    } refused[] = {
        {true, {INT_MAX, 200}}, {true, {300, past}}, {false, {past, -1}}, {false, {-1, INT_MAX}}};
    for (const auto& r : refused) {
        const std::string size =
            std::to_string(r.size.width()) + " x " + std::to_string(r.size.height());
        try {
            r.minimum ? w.resizer->minimum_size(r.size) : w.resizer->maximum_size(r.size);
            ADD_FAILURE() << size << " taken";
        } catch (const std::invalid_argument& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(r.minimum ? "minimum size " : "maximum size "), std::string::npos)
                << what;
            EXPECT_NE(what.find(size), std::string::npos) << what;
        }
        EXPECT_EQ(w.resizer->minimum_size(), QSize(300, 200)) << size;
        EXPECT_FALSE(w.resizer->maximum_size().isValid()) << size;
    }
    w.resizer->maximum_size({QWIDGETSIZE_MAX, past - 200});
    w.resize({700, 500});
    EXPECT_EQ(w.window.size(), QSize(700, 500));
    w.resize({100, 100});
    EXPECT_EQ(w.window.size(), QSize(300, 200));
}

// A tool window or dialog closed, sized by the application while closed and opened again: laid
// out anew at the size asked, or at the size saved when it closed, the modes given to an
// unnamed widget added late still its (its name kept).
TEST(QtResizer, AWindowClosedAndShownAgainIsLaidOutAnew) {
    struct Case {
        bool remember, by_resizer;
        QSize reopened;
    };
    const Case cases[] = {{true, false, {500, 350}},
                          {true, true, {500, 350}},
                          {false, false, {450, 320}},
                          {false, true, {450, 320}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "remember " << c.remember << ", by the resizer " << c.by_resizer);
        kelvane::Resizer::use_store(kelvane::memory_store());
        QWidget window;
        window.resize(400, 300);
        auto* ok = new QPushButton("OK", &window);
        ok->setGeometry(300, 260, 90, 30);
        kelvane::Resizer resizer(window);
        qt::QtHost::installed().set_interactive(false);
        resizer.anchor(*ok, "AAKKK");
        if (c.remember) resizer.remember("Tool");
        resizer.show();
        auto* late = new QFrame(&window);
        late->setGeometry(10, 10, 100, 100);
        late->show();
        settle();
        resizer.anchor(*late, "KKKKK");
        window.resize(500, 350);
        settle();
        ASSERT_EQ(late->geometry(), QRect(10, 10, 200, 150));
        ASSERT_TRUE(window.close());
        settle();
        EXPECT_FALSE(resizer.shown());
        window.resize(450, 320);  // closed: nothing follows
        if (c.by_resizer)
            resizer.show();
        else
            window.show();
        settle();
        EXPECT_TRUE(resizer.shown());
        ASSERT_EQ(window.size(), c.reopened);
        const int dx = c.reopened.width() - 400, dy = c.reopened.height() - 300;
        EXPECT_EQ(ok->pos(), QPoint(300 + dx, 260 + dy));
        EXPECT_EQ(late->geometry(), QRect(10, 10, 100 + dx, 100 + dy));
        window.resize(600, 400);
        settle();
        EXPECT_EQ(ok->pos(), QPoint(500, 360));
        EXPECT_EQ(late->geometry(), QRect(10, 10, 300, 200));
    }
}

// A window deleted under its resizer: the resizer no longer says it is shown.
TEST(QtResizer, AResizerOutlivingItsWindowIsNotShown) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    auto* window = new QWidget;
    window->resize(400, 300);
    auto* ok = new QPushButton("OK", window);
    ok->setGeometry(300, 260, 90, 30);
    kelvane::Resizer resizer(*window);
    qt::QtHost::installed().set_interactive(false);
    resizer.anchor(*ok, "AAKKK").show();
    EXPECT_TRUE(resizer.shown());
    delete window;
    settle();
    EXPECT_FALSE(resizer.shown());
}

// A widget added at an odd size starts the layout again; the widgets laid out before keep the
// places they were designed with: back at the first size they stand exactly there.
TEST(QtResizer, AWidgetAddedLaterLeavesTheOthersDesignAlone) {
    SmallWindow w;
    std::vector<std::pair<QWidget*, QRect>> design;
    const char* modes[] = {"RRRRK", "KRRKK", "RKKRK", "AAKKK", "CCKKK"};
    for (int i = 0; i < 5; ++i) {
        auto* box = new QLineEdit(&w.window);
        box->setGeometry(13 + 71 * i, 17 + 37 * i, 57, 21);
        w.resizer->anchor(*box, modes[i]);
        design.emplace_back(box, box->geometry());
    }
    design.emplace_back(w.ok, w.ok->geometry());
    settle();
    for (const QSize odd : {QSize(517, 389), QSize(611, 433)}) {
        w.resize(odd);
        auto* late = new QLabel("late", &w.window);
        late->setGeometry(31, 29, 47, 23);
        settle();
        w.resize({400, 300});
        for (const auto& [widget, rect] : design)
            EXPECT_EQ(widget->geometry(), rect) << odd.width();
        delete late;
        settle();
    }
    expect_widgets_follow(*qt::QtHost::installed().find_form("Form1"));
}

TEST(QtResizer, DeletedWidgetsAreForgotten) {
    SmallWindow w;
    auto* list = new QListWidget(&w.window);
    list->setGeometry(10, 10, 180, 200);
    auto* text = new QPlainTextEdit(&w.window);
    text->setGeometry(200, 10, 190, 200);
    auto* panel = new QWidget(&w.window);
    panel->setGeometry(10, 220, 100, 30);
    auto* inside = new QCheckBox("inside", panel);
    inside->setGeometry(0, 0, 100, 30);
    w.resizer->anchor(*list, "KKKKK").anchor(*text, "KKKAK").anchor(*panel, "KAAKK");
    settle();
    // Deleted between events, and a container with what it holds.
    delete text;
    delete panel;
    w.resize({600, 450});
    EXPECT_EQ(list->geometry(), QRect(10, 10, 380, 350));
    EXPECT_EQ(w.ok->geometry(), QRect(500, 410, 90, 30));
    // Deleted right before a resize reaches the window, and one taken out of the window.
    auto* stray = new QPushButton("stray", &w.window);
    stray->setGeometry(10, 10, 50, 20);
    w.resizer->anchor(*stray, "KKKKK");
    QWidget elsewhere;
    stray->setParent(&elsewhere);
    delete list;
    w.resize({500, 400});
    EXPECT_EQ(w.ok->geometry(), QRect(400, 360, 90, 30));
    EXPECT_EQ(stray->geometry(), QRect(10, 10, 50, 20));
    EXPECT_EQ(w.resizer->name_of(*stray), "");
    EXPECT_TRUE(qt::QtHost::installed().messages().empty());
    expect_widgets_follow(*qt::QtHost::installed().find_form("Form1"));
}

// Widgets that went with their panel leave nothing behind: the widgets the application makes
// next (where the old ones lay in memory, often, as their controls lie where the old controls
// did) are each adopted as a control of its own, and deleting one takes only its own control.
TEST(QtResizer, WidgetsGoneWithTheirPanelLeaveNoTrace) {
    SmallWindow w;
    constexpr int kBoxes = 40;
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        auto* panel = new QWidget(&w.window);
        panel->setGeometry(10, 10, 200, 240);
        for (int i = 0; i < kBoxes; ++i) (new QCheckBox(panel))->setGeometry(0, 5 * i, 90, 5);
        settle();
        delete panel;
        w.resize({round % 2 ? 400 : 420, 300});
        std::vector<QCheckBox*> boxes;
        for (int i = 0; i < kBoxes; ++i) {
            boxes.push_back(new QCheckBox(&w.window));
            boxes.back()->setGeometry(220, 5 * i, 90, 5);
        }
        settle();
        std::set<std::string> names;
        for (auto* box : boxes) names.insert(w.resizer->name_of(*box));
        EXPECT_FALSE(names.count("")) << "a widget was not adopted";
        EXPECT_EQ(names.size(), static_cast<size_t>(kBoxes));
        const size_t controls = qt::QtHost::installed().find_form("Form1")->all_controls().size();
        delete boxes.front();
        settle();
        EXPECT_EQ(qt::QtHost::installed().find_form("Form1")->all_controls().size(), controls - 1);
        for (size_t i = 1; i < boxes.size(); ++i) EXPECT_NE(w.resizer->name_of(*boxes[i]), "");
        for (size_t i = 1; i < boxes.size(); ++i) delete boxes[i];
        settle();
    }
    EXPECT_TRUE(qt::QtHost::installed().messages().empty());
    expect_widgets_follow(*qt::QtHost::installed().find_form("Form1"));
}

TEST(QtResizer, AnAdoptedComboBoxKeepsItsOwnHeight) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    QWidget window;
    window.resize(400, 300);
    auto* combo = new QComboBox(&window);
    QFont big = combo->font();
    big.setPointSize(24);
    combo->setFont(big);
    const int own = combo->sizeHint().height();
    ASSERT_GT(own, 30);  // not the forms combo box's 21 pixels
    combo->setGeometry(10, 10, 200, own);
    kelvane::Resizer resizer(window);
    qt::QtHost::installed().set_interactive(false);
    resizer.anchor(*combo, "RRRRK").show();
    window.resize(800, 600);
    settle();
    EXPECT_EQ(combo->geometry(), QRect(20, 20, 400, own));
}

// An application's scroll bars are the runtime's, across or upright as they lie.
TEST(QtResizer, AdoptedScrollBarsAreTheRuntimesAsTheyLie) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    QWidget window;
    window.resize(400, 300);
    auto* across = new QScrollBar(Qt::Horizontal, &window);
    across->setGeometry(10, 270, 380, 20);
    auto* upright = new QScrollBar(Qt::Vertical, &window);
    upright->setGeometry(370, 10, 20, 250);
    kelvane::Resizer resizer(window);
    qt::QtHost::installed().set_interactive(false);
    resizer.show();
    const auto form = qt::QtHost::installed().find_form("Form1");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->control(resizer.name_of(*across))->class_name(), "HScrollBar");
    EXPECT_EQ(form->control(resizer.name_of(*upright))->class_name(), "VScrollBar");
}

// An exported form's widgets carry the form file's exact font size beside Designer's whole
// points: the resizer applies it where the whole size is still the one it was written with, and
// the text scales from it.
TEST(QtResizer, AnExactFontSizeRefinesWholePoints) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    QWidget window;
    window.resize(400, 300);
    QFont eight = window.font();
    eight.setPointSize(8);
    window.setFont(eight);
    window.setProperty("FontSize", 8.25);
    auto* inherits = new QLabel("a", &window);
    inherits->setGeometry(10, 10, 100, 20);
    auto* chosen = new QLabel("b", &window);
    chosen->setGeometry(10, 40, 100, 20);
    QFont ten = chosen->font();
    ten.setPointSize(10);
    chosen->setFont(ten);
    chosen->setProperty("FontSize", 8.25);  // set before Designer's 10 was chosen
    kelvane::Resizer resizer(window);
    qt::QtHost::installed().set_interactive(false);
    resizer.anchor(*inherits, "RRRRC").show();
    settle();
    EXPECT_EQ(inherits->font().pointSizeF(), 8.25);
    EXPECT_EQ(chosen->font().pointSizeF(), 10);
    window.resize(800, 600);
    settle();
    EXPECT_DOUBLE_EQ(inherits->font().pointSizeF(), 16.5);
}

// A panel whose font scales does not pass its new size on to the controls in it, each of which
// has a font mode of its own; a spin box's editor, a part of the spin box, follows the spin box.
TEST(QtResizer, AContainersScaledFontStaysInIt) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    QWidget window;
    window.resize(400, 300);
    auto* panel = new QFrame(&window);
    panel->setGeometry(10, 10, 380, 280);
    auto* kept = new QLabel("kept", panel);
    kept->setGeometry(10, 10, 100, 20);
    auto* spin = new QSpinBox(panel);
    spin->setGeometry(10, 40, 100, 24);
    kelvane::Resizer resizer(window);
    qt::QtHost::installed().set_interactive(false);
    resizer.anchor(*panel, "RRRRC").anchor(*kept, "RRRRK").anchor(*spin, "RRRRC").show();
    settle();
    const double was = kept->font().pointSizeF();
    window.resize(800, 600);
    settle();
    EXPECT_DOUBLE_EQ(panel->font().pointSizeF(), 2 * was);
    EXPECT_DOUBLE_EQ(kept->font().pointSizeF(), was);
    EXPECT_DOUBLE_EQ(spin->font().pointSizeF(), 2 * was);
    QWidget* editor = spin->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_DOUBLE_EQ(editor->font().pointSizeF(), 2 * was);
}

}  // namespace
}  // namespace kv::test
