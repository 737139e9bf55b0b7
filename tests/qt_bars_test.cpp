// The common controls' bars on the Qt host: a toolbar of tool buttons with the image list's
// pictures and their states, a status bar of panels whose springs follow the window; progress
// bars and sliders as Qt's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSlider>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

#include "frm_test_util.h"
#include "host/qt/QtCommonWidgets.h"
#include "host/qt/QtDatePicker.h"
#include "host/qt/QtStatusBar.h"
#include "host/qt/QtToolBar.h"
#include "host/qt/QtUpDown.h"
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
    // The rich text box below shows its plain text in a box of several lines.
    auto* note =
        qobject_cast<QPlainTextEdit*>(run.window().widget_of(run.control("txtBody").get()));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->toPlainText().startsWith("Shopping: bread, milk, apples\n"));
    EXPECT_EQ(note->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
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

// The runtime's progress bar and slider as Qt's: over the same range, lying the same way, a
// slider's Min at the top when it stands upright, a range from a larger Min turned round.
TEST(QtHost, ProgressBarsAndSlidersAreQts) {
    struct Case {
        host::RangeLook::Kind kind;
        double min, max;
        bool upright, inverted;
    };
    using K = host::RangeLook::Kind;
    const Case cases[] = {{K::Progress, 0, 250, false, false}, {K::Progress, 0, 100, true, false},
                          {K::Progress, 100, 0, false, true},  {K::Slider, 0, 9, false, false},
                          {K::Slider, 0, 9, true, true},       {K::Slider, 9, 0, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.kind)) + " " + std::to_string(c.min) + ".." +
                     std::to_string(c.max) + (c.upright ? " upright" : ""));
        host::RangeLook look;
        look.kind = c.kind;
        look.min = c.min;
        look.max = c.max;
        look.value = 6;
        look.upright = c.upright;
        look.ticks = host::RangeLook::Both;
        std::unique_ptr<QWidget> w(qt::make_range_widget(look, nullptr));
        auto* bar = qobject_cast<QProgressBar*>(w.get());
        auto* slider = qobject_cast<QAbstractSlider*>(w.get());
        ASSERT_TRUE(c.kind == K::Progress ? bar != nullptr : slider != nullptr);
        const int low = static_cast<int>(std::min(c.min, c.max)),
                  high = static_cast<int>(std::max(c.min, c.max));
        if (bar) {
            EXPECT_EQ(std::tuple(bar->minimum(), bar->maximum(), bar->value()),
                      std::tuple(low, high, 6));
            EXPECT_FALSE(bar->isTextVisible());
            EXPECT_EQ(bar->orientation(), c.upright ? Qt::Vertical : Qt::Horizontal);
            EXPECT_EQ(bar->invertedAppearance(), c.inverted);
        } else {
            EXPECT_EQ(std::tuple(slider->minimum(), slider->maximum(), slider->value()),
                      std::tuple(low, high, 6));
            EXPECT_EQ(slider->orientation(), c.upright ? Qt::Vertical : Qt::Horizontal);
            EXPECT_EQ(slider->invertedAppearance(), c.inverted);
            EXPECT_EQ(static_cast<QSlider*>(slider)->tickPosition(), QSlider::TicksBothSides);
        }
    }
    // On a form: the backup's smooth bar stands upright.
    LiveForm run(std::string(KV_TEST_DATA) + "/backup.frm");
    auto* disk = qobject_cast<QProgressBar*>(run.window().widget_of(run.control("prgDisk").get()));
    ASSERT_NE(disk, nullptr);
    EXPECT_EQ(disk->orientation(), Qt::Vertical);
    EXPECT_EQ(disk->value(), 65);
    expect_widgets_follow(run.form());
}

// A list view in report view is a tree widget of its columns; other views a list widget; a tree
// view a tree widget without a header.
TEST(QtHost, ListViewsAndTreeViewsAreQts) {
    LiveForm run(std::string(KV_TEST_DATA) + "/backup.frm");
    auto* files = qobject_cast<QTreeWidget*>(run.window().widget_of(run.control("lvwFiles").get()));
    ASSERT_NE(files, nullptr);
    ASSERT_EQ(files->columnCount(), 3);
    EXPECT_EQ(files->headerItem()->text(1), "Size");
    EXPECT_EQ(files->header()->sectionSize(0), 96);  // 1440 twips
    EXPECT_TRUE(files->headerItem()->textAlignment(1) & Qt::AlignRight);
    EXPECT_FALSE(files->rootIsDecorated());
    auto* folders =
        qobject_cast<QTreeWidget*>(run.window().widget_of(run.control("tvwFolders").get()));
    ASSERT_NE(folders, nullptr);
    EXPECT_TRUE(folders->isHeaderHidden());

    host::ListViewLook icons;
    icons.view = host::ListViewLook::Icons;
    std::unique_ptr<QWidget> w(qt::make_list_view(icons, 15, nullptr));
    auto* list = qobject_cast<QListWidget*>(w.get());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->viewMode(), QListView::IconMode);
}

// A data grid is a table of its columns, its record selectors the row header; no rows until the
// program's records come.
TEST(QtHost, ADataGridIsATableOfItsColumns) {
    LiveForm run(std::string(KV_TEST_DATA) + "/grid.frm");
    auto* grid = qobject_cast<QTableWidget*>(run.window().widget_of(run.control("grdStock").get()));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Artikel");
    EXPECT_EQ(grid->columnWidth(0), 167);  // 2505.26 twips
    EXPECT_TRUE(grid->horizontalHeaderItem(1)->textAlignment() & Qt::AlignRight);
    EXPECT_FALSE(grid->verticalHeader()->isHidden());
}

// A flex grid is a table of its cells: its fixed row the header, with the FormatString's texts
// and alignment, each column as wide as its header's text in the grid's font (also a font set
// later); no row header without a fixed column; the cells in the window's colour, the room past
// them in the workspace's; nothing typed into the cells, which the program fills.
TEST(QtHost, AFlexGridIsATableOfItsCells) {
    LiveForm run(std::string(KV_TEST_DATA) + "/ledger.frm");
    auto* grid =
        qobject_cast<QTableWidget*>(run.window().widget_of(run.control("grdLedger").get()));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 19) << "twenty rows, the first the header";
    ASSERT_EQ(grid->columnCount(), 4);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text().trimmed(), "Date");
    EXPECT_TRUE(grid->horizontalHeaderItem(3)->textAlignment() & Qt::AlignRight);
    EXPECT_FALSE(grid->horizontalHeader()->isHidden());
    EXPECT_TRUE(grid->verticalHeader()->isHidden());
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    const auto fits = [&] {
        const QFontMetrics m(grid->font());
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(grid->columnWidth(j),
                      m.horizontalAdvance(grid->horizontalHeaderItem(j)->text()) + 8)
                << j;
    };
    fits();
    const QImage shot = grid->viewport()->grab().toImage();
    const int past = grid->columnViewportPosition(3) + grid->columnWidth(3) + 5;
    ASSERT_LT(past, shot.width());
    EXPECT_EQ(shot.pixel(past, 5), QApplication::palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(shot.pixel(3, 5), QApplication::palette().color(QPalette::Base).rgb());
    const int before = grid->columnWidth(1);
    QFont larger = grid->font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    grid->setFont(larger);
    EXPECT_GT(grid->columnWidth(1), before);
    fits();
}

// A masked edit box is Qt's line edit with the same mask: the prompts shown, its text typed in.
TEST(QtHost, AMaskedEditBoxIsALineEditWithItsMask) {
    LiveForm run(std::string(KV_TEST_DATA) + "/customer.frm");
    auto* phone = qobject_cast<QLineEdit*>(run.window().widget_of(run.control("txtPhone").get()));
    auto* since = qobject_cast<QLineEdit*>(run.window().widget_of(run.control("mskSince").get()));
    ASSERT_TRUE(phone && since);
    EXPECT_EQ(phone->inputMask(), "(999) 999-9999;_");
    EXPECT_EQ(phone->displayText(), "(___) ___-____");
    EXPECT_EQ(since->text(), "03/15/2019");
}

// Date pickers are Qt's date edits showing the same text, a calendar popping up where the
// picker drops one; a month calendar is Qt's on the same day, its weeks from the same day.
TEST(QtHost, DatePickersAndCalendarsAreQts) {
    LiveForm run(std::string(KV_TEST_DATA) + "/booking.frm");
    const auto edit = [&](const char* name) {
        return qobject_cast<QDateTimeEdit*>(run.window().widget_of(run.control(name).get()));
    };
    ASSERT_TRUE(edit("dtpDate") && edit("dtpTime") && edit("dtpRemind"));
    EXPECT_EQ(edit("dtpDate")->text(), "12/15/2026");
    EXPECT_TRUE(edit("dtpDate")->calendarPopup());
    EXPECT_EQ(edit("dtpTime")->text(), "10:30:00 AM");
    EXPECT_FALSE(edit("dtpTime")->calendarPopup()) << "up-down arrows";
    EXPECT_EQ(edit("dtpRemind")->text(), "Mon 14-12-2026 18:00");
    // Its check box at its left end, ticked; unticked, the picker takes no typing.
    auto* remind = dynamic_cast<qt::QtDatePicker*>(edit("dtpRemind"));
    ASSERT_NE(remind, nullptr);
    EXPECT_TRUE(remind->check_box()->isChecked());
    EXPECT_LT(remind->check_box()->geometry().right(), remind->width() / 4);
    remind->check_box()->click();
    EXPECT_TRUE(remind->isReadOnly());
    EXPECT_EQ(dynamic_cast<qt::QtDatePicker*>(edit("dtpDate")), nullptr) << "no box";
    auto* month =
        qobject_cast<QCalendarWidget*>(run.window().widget_of(run.control("mvwMonth").get()));
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(month->selectedDate(), QDate(2026, 12, 15));
    EXPECT_EQ(month->firstDayOfWeek(), Qt::Monday);
    EXPECT_EQ(month->verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);
}

// An up-down control's arrows step its value and write it into its buddy, held at its Min.
TEST(QtHost, AnUpDownStepsItsBuddy) {
    LiveForm run(std::string(KV_TEST_DATA) + "/booking.frm");
    auto* arrows =
        dynamic_cast<qt::QtUpDown*>(run.window().widget_of(run.control("updGuests").get()));
    auto* guests = qobject_cast<QLineEdit*>(run.window().widget_of(run.control("txtGuests").get()));
    ASSERT_TRUE(arrows && guests);
    arrows->up()->click();
    EXPECT_EQ(guests->text(), "3");
    EXPECT_EQ(to_text(run.control("txtGuests")->get("Text")), "3");
    EXPECT_EQ(to_double(run.control("updGuests")->get("Value")), 3);
    for (int i = 0; i < 4; ++i) arrows->down()->click();
    EXPECT_EQ(guests->text(), "1") << "held at Min";
}

// Another library's combo boxes and list are Qt's, a drop-down list one cannot type into.
TEST(QtHost, DataBoundCombosAndListsAreQts) {
    LiveForm run(std::string(KV_TEST_DATA) + "/contacts.frm");
    const auto widget = [&](const char* name) {
        return run.window().widget_of(run.control(name).get());
    };
    auto* group = qobject_cast<QComboBox*>(widget("dbcGroup"));
    auto* icon = qobject_cast<QComboBox*>(widget("imcIcon"));
    ASSERT_TRUE(group && icon);
    EXPECT_FALSE(group->isEditable());
    EXPECT_TRUE(icon->isEditable());
    EXPECT_EQ(icon->currentText(), "Person");
    EXPECT_NE(qobject_cast<QListWidget*>(widget("dblContacts")), nullptr);
}

// A bar on an MDI form has a face of its own over the darker workspace.
TEST(QtHost, BarsOnAnMdiFormHaveTheirOwnFace) {
    ScratchDir dir;
    const auto path = dir.path() / "work.frm";
    spit(path,
         "VERSION 5.00\r\n"
         "Object = \"{3A2F9C11-7B44-4D2E-A0C5-19E8D2B7F601}#2.0#0\"; \"NOVACTL.OCX\"\r\n"
         "Begin VB.MDIForm mdiMain \r\n"
         "   BackColor       =   &H8000000C&\r\n"
         "   Caption         =   \"Workbench\"\r\n"
         "   ClientHeight    =   6600\r\n"
         "   ClientLeft      =   225\r\n"
         "   ClientTop       =   855\r\n"
         "   ClientWidth     =   9600\r\n"
         "   LinkTopic       =   \"MDIForm1\"\r\n"
         "   StartUpPosition =   3  'Windows Default\r\n"
         "   Begin NovaCtl.Toolbar tbMain \r\n"
         "      Align           =   1  'Align Top\r\n"
         "      Height          =   420\r\n"
         "      Left            =   0\r\n"
         "      TabIndex        =   0\r\n"
         "      Top             =   0\r\n"
         "      Width           =   9600\r\n"
         "      _ExtentX        =   16933\r\n"
         "      _ExtentY        =   741\r\n"
         "      ButtonWidth     =   1200\r\n"
         "      ButtonHeight    =   582\r\n"
         "      Style           =   1\r\n"
         "      _Version        =   393216\r\n"
         "      BeginProperty Buttons {66833FE8-8583-11D1-B16A-00C0F0283628} \r\n"
         "         NumButtons      =   3\r\n"
         "         BeginProperty Button1 {66833FEA-8583-11D1-B16A-00C0F0283628} \r\n"
         "            Caption         =   \"New\"\r\n"
         "            Key             =   \"new\"\r\n"
         "         EndProperty\r\n"
         "         BeginProperty Button2 {66833FEA-8583-11D1-B16A-00C0F0283628} \r\n"
         "            Caption         =   \"Open\"\r\n"
         "         EndProperty\r\n"
         "         BeginProperty Button3 {66833FEA-8583-11D1-B16A-00C0F0283628} \r\n"
         "            Caption         =   \"Tile\"\r\n"
         "            Style           =   1\r\n"
         "         EndProperty\r\n"
         "      EndProperty\r\n"
         "   End\r\n"
         "   Begin NovaCtl.StatusBar sbMain \r\n"
         "      Align           =   2  'Align Bottom\r\n"
         "      Height          =   300\r\n"
         "      Left            =   0\r\n"
         "      TabIndex        =   1\r\n"
         "      Top             =   6300\r\n"
         "      Width           =   9600\r\n"
         "      _ExtentX        =   16933\r\n"
         "      _ExtentY        =   529\r\n"
         "      Style           =   1\r\n"
         "      SimpleText      =   \"3 documents open\"\r\n"
         "      _Version        =   393216\r\n"
         "   End\r\n"
         "   Begin VB.Menu mnuWindow \r\n"
         "      Caption         =   \"&Window\"\r\n"
         "      WindowList      =   -1  'True\r\n"
         "   End\r\n"
         "End\r\n");
    LiveForm run(path.string());
    for (const char* name : {"tbMain", "sbMain"}) {
        SCOPED_TRACE(name);
        QWidget* bar = run.window().widget_of(run.control(name).get());
        ASSERT_NE(bar, nullptr);
        // The window as drawn, past the buttons and the text at the bar's right end.
        QWidget* window = bar->window();
        const QImage shown = window->grab().toImage();
        const QPoint at = bar->mapTo(window, QPoint(bar->width() - 20, bar->height() / 2));
        EXPECT_EQ(shown.pixelColor(at), bar->palette().color(QPalette::Button));
    }
}

}  // namespace kv::test
