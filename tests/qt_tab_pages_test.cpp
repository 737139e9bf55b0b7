// The widgets on a QTabWidget's pages that an application adds, deletes or brings on a new page
// after its resizer was made: controls of the tab widget as if they had been there from the
// start, or forgotten.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

#include "kelvane/Resizer.h"
#include "qt_rig.h"

namespace kv::test {
namespace {

mem::MemoryForm& form1() {
    return *qt::QtHost::installed().find_form("Form1");
}

// A window of 400 x 300 filled by a tab widget of three pages with a button each, every widget
// anchored RRRRK (so that a resize to 800 x 600 doubles every place in the tab widget).
struct TabWindow {
    // `off`: a page taken off (removeTab) before the resizer is made.
    explicit TabWindow(int off = -1) {
        kelvane::Resizer::use_store(kelvane::memory_store());
        window.resize(400, 300);
        tabs = new QTabWidget(&window);
        tabs->setGeometry(0, 0, 400, 300);
        for (int i = 0; i < 3; ++i) {
            pages[i] = new QWidget;
            tabs->addTab(pages[i], QString::number(i));
            keys[i] = new QPushButton(pages[i]);
            keys[i]->setObjectName(QString("cmdKey%1").arg(i));
            keys[i]->setGeometry(20 + 20 * i, 20 + 40 * i, 100, 30);
        }
        if (off >= 0) tabs->removeTab(off);
        resizer = std::make_unique<kelvane::Resizer>(window);
        qt::QtHost::installed().set_interactive(false);
        resizer->anchor(*tabs, "RRRRK");
        for (int i = 0; i < 3; ++i)
            if (i != off) resizer->anchor(*keys[i], "RRRRK");
        resizer->show();
    }
    void resize(QSize size) {
        window.resize(size);
        settle();
    }
    // Where a widget on a page stands once the window went from 400 x 300 to 800 x 600.
    QRect doubled(const QWidget& w, const QRect& was) const {
        const QPoint o = w.parentWidget()->mapTo(tabs, QPoint(0, 0));
        return QRect(2 * (was.x() + o.x()) - o.x(), 2 * (was.y() + o.y()) - o.y(), 2 * was.width(),
                     2 * was.height());
    }
    QWidget window;
    QTabWidget* tabs = nullptr;
    QWidget* pages[3] = {};
    QPushButton* keys[3] = {};
    std::unique_ptr<kelvane::Resizer> resizer;
};

// Added to the page on view, to the page not on view, inside a panel on a page, and on a page
// the tab widget gets later: each is a control and doubles with the window.
TEST(QtTabPages, WidgetsAddedLaterToPagesFollowTheTabWidget) {
    TabWindow t;
    auto* panel = new QFrame(t.pages[0]);
    panel->setGeometry(200, 20, 150, 150);
    settle();
    t.resizer->anchor(*panel, "RRRRK");
    auto* shown = new QLineEdit(t.pages[0]);
    auto* hidden = new QLineEdit(t.pages[1]);
    auto* inside = new QLabel("inside", panel);
    auto* page = new QWidget;
    auto* on_new_page = new QCheckBox("new", page);
    const struct {
        QWidget* widget;
        QRect at;
    } cases[] = {{shown, {20, 100, 120, 20}},
                 {hidden, {150, 40, 100, 20}},
                 {inside, {10, 10, 60, 20}},
                 {on_new_page, {30, 50, 90, 20}}};
    for (const auto& c : cases) c.widget->setGeometry(c.at);
    t.tabs->addTab(page, "new");
    settle();
    for (const auto& c : cases) {
        ASSERT_NE(t.resizer->name_of(*c.widget), "") << c.at.x();
        t.resizer->anchor(*c.widget, "RRRRK");
    }
    // Added to a page that has the tab widget already: still one of its controls.
    auto* later = new QLineEdit(page);
    later->setGeometry(30, 80, 90, 20);
    settle();
    t.resizer->anchor(*later, "RRRRK");
    t.resize({800, 600});
    for (const auto& c : cases)
        EXPECT_EQ(c.widget->geometry(),
                  c.widget == inside ? QRect(20, 20, 120, 40) : t.doubled(*c.widget, c.at))
            << c.at.x();
    EXPECT_EQ(later->geometry(), t.doubled(*later, {30, 80, 90, 20}));
    EXPECT_EQ(t.keys[0]->geometry(), t.doubled(*t.keys[0], {20, 20, 100, 30}));
    // A page whose widgets a QLayout places keeps them to itself, added late or not; a corner
    // widget is the tab widget's own.
    auto* laid = new QWidget;
    auto* layout = new QVBoxLayout(laid);
    t.tabs->addTab(laid, "laid");
    auto* in_layout = new QLineEdit(laid);
    layout->addWidget(in_layout);
    auto* corner = new QPushButton("+");
    t.tabs->setCornerWidget(corner);
    settle();
    for (const QWidget* w : {static_cast<QWidget*>(laid), static_cast<QWidget*>(in_layout),
                             static_cast<QWidget*>(corner)})
        EXPECT_EQ(t.resizer->name_of(*w), "");
    EXPECT_TRUE(qt::QtHost::installed().messages().empty());
}

// Deleted from the page on view, from the page not on view, with a whole page, or moved off
// the tab widget with its page: the control is gone from the form, and a widget made after it
// (perhaps where it lay in memory) is a control of its own.
TEST(QtTabPages, WidgetsDeletedFromPagesAreForgotten) {
    TabWindow t;
    QWidget elsewhere;
    delete t.keys[0];
    delete t.keys[1];
    t.pages[2]->setParent(&elsewhere);
    t.resize({600, 450});
    for (const char* name : {"cmdKey0", "cmdKey1", "cmdKey2"})
        EXPECT_EQ(form1().control(name), nullptr) << name;
    EXPECT_EQ(t.resizer->name_of(*t.keys[2]), "");
    // Pages the tab widget got later.
    auto* extra = new QWidget;
    auto* on_extra = new QPushButton(extra);
    on_extra->setObjectName("cmdExtra");
    t.tabs->addTab(extra, "extra");
    auto* moved = new QWidget;
    auto* on_moved = new QPushButton(moved);
    on_moved->setObjectName("cmdMoved");
    t.tabs->addTab(moved, "moved");
    settle();
    ASSERT_NE(form1().control("cmdExtra"), nullptr);
    ASSERT_NE(form1().control("cmdMoved"), nullptr);
    delete extra;
    moved->setParent(&elsewhere);
    t.resize({500, 400});
    for (const char* name : {"cmdExtra", "cmdMoved"})
        EXPECT_EQ(form1().control(name), nullptr) << name;
    EXPECT_EQ(t.resizer->name_of(*on_moved), "");
    // New widgets on both pages are controls of their own, laid out from where they stand.
    QPushButton* again[2];
    for (int i = 0; i < 2; ++i) {
        again[i] = new QPushButton(t.pages[i]);
        again[i]->setGeometry(10, 10, 60, 30);
    }
    settle();
    for (auto* w : again) {
        ASSERT_NE(t.resizer->name_of(*w), "");
        t.resizer->anchor(*w, "KKAAK");
    }
    t.resize({800, 600});
    for (auto* w : again) EXPECT_EQ(w->geometry(), QRect(10, 10, 60, 30));
    EXPECT_TRUE(qt::QtHost::installed().messages().empty());
}

// Taken off with removeTab(), a page stays a hidden child of its tab widget: its widgets are
// forgotten all the same and left where they stand, as is a widget put on it meanwhile. Put back
// with insertTab() or addTab() (no event tells of that), they are controls again, each once,
// laid out from where they stand. Taken off again and deleted, nothing of them is left.
TEST(QtTabPages, APageRemovedIsForgottenUntilItIsPutBack) {
    const struct {
        int page;  // the page taken off: 0 is on view, 2 the last one added
        bool insert;
    } cases[] = {{0, true}, {1, false}, {2, true}, {2, false}};
    for (const auto& c : cases) {
        TabWindow t;
        const size_t controls = form1().all_controls().size();
        QWidget* page = t.pages[c.page];
        QPushButton* key = t.keys[c.page];
        const std::string name = key->objectName().toStdString();
        const QRect stood = key->geometry();
        t.tabs->removeTab(t.tabs->indexOf(page));
        t.resize({800, 600});
        EXPECT_EQ(form1().control(name), nullptr) << c.page;
        EXPECT_EQ(t.resizer->name_of(*key), "") << c.page;
        EXPECT_EQ(key->geometry(), stood) << c.page;
        auto* note = new QLineEdit(page);
        note->setGeometry(10, 100, 80, 20);
        settle();
        EXPECT_EQ(t.resizer->name_of(*note), "") << c.page;
        t.resize({400, 300});
        if (c.insert)
            t.tabs->insertTab(0, page, "back");
        else
            t.tabs->addTab(page, "back");
        ASSERT_EQ(t.resizer->name_of(*key), name) << c.page;
        ASSERT_NE(t.resizer->name_of(*note), "") << c.page;
        EXPECT_EQ(form1().all_controls().size(), controls + 1) << c.page;
        t.resizer->anchor(*key, "RRRRK").anchor(*note, "RRRRK");
        t.resize({800, 600});
        EXPECT_EQ(key->geometry(), t.doubled(*key, stood)) << c.page;
        EXPECT_EQ(note->geometry(), t.doubled(*note, {10, 100, 80, 20})) << c.page;
        QPushButton* other = t.keys[(c.page + 1) % 3];
        EXPECT_EQ(other->geometry(), t.doubled(*other, {20 + 20 * ((c.page + 1) % 3),
                                                        20 + 40 * ((c.page + 1) % 3), 100, 30}))
            << c.page;
        t.tabs->removeTab(t.tabs->indexOf(page));
        delete page;
        t.resize({500, 400});
        EXPECT_EQ(form1().control(name), nullptr) << c.page;
        EXPECT_EQ(form1().all_controls().size(), controls - 1) << c.page;
        EXPECT_TRUE(qt::QtHost::installed().messages().empty()) << c.page;
    }
}

// A page the tab widget had taken off before the resizer was made is none of its; put back, its
// widgets are.
TEST(QtTabPages, APageRemovedBeforeTheResizerCountsOncePutBack) {
    TabWindow t(1);
    EXPECT_EQ(t.resizer->name_of(*t.keys[1]), "");
    t.tabs->addTab(t.pages[1], "back");
    ASSERT_EQ(t.resizer->name_of(*t.keys[1]), "cmdKey1");
    t.resizer->anchor(*t.keys[1], "RRRRK");
    t.resize({800, 600});
    EXPECT_EQ(t.keys[1]->geometry(), t.doubled(*t.keys[1], {40, 60, 100, 30}));
}

}  // namespace
}  // namespace kv::test
