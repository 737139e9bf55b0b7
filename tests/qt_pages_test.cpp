// The property pages in the Qt dialog: the page actions of a design script, delivered as real Qt
// events to the dialog's widgets, leave every page control in the same state after every step
// as the memory host's hand does, and end in the same ControlSettings, PaneSettings and saved
// form file. The dialog itself: its tabs and buttons, Apply only while a page has changes, and
// in the user's hands each Apply saves the form.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <cmath>
#include <sstream>

#include "control/zokKelvane.h"
#include "frm_test_util.h"
#include "harness/DemoDesigner.h"
#include "harness/DemoForm.h"
#include "harness/DesignFile.h"
#include "harness/DesignRun.h"
#include "harness/QtDesign.h"
#include "harness/Session.h"
#include "host/frm/FrmReader.h"
#include "host/memory/MemoryPageDialog.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtPageDialog.h"
#include "host/qt/QtPageInput.h"
#include "host/qt/QtPageView.h"
#include "pages/Shadows.h"
#include "picture/Snapshot.h"
#include "tool_run.h"

namespace kv {
namespace {

using test::ScratchDir;
using test::slurp;
using test::spit;

std::string rounded(double v) {
    return std::to_string(std::lround(v));
}

// What the developer sees of the page's controls: where they stand, whether they are shown and
// enabled, their value, colour, text, picture and entries.
std::string look(mem::MemoryPageDialog& dialog) {
    if (!dialog.is_open()) return "closed";
    const app::Snapshot s = app::take_snapshot(*dialog.active_page());
    std::ostringstream out;
    out << dialog.active_page()->caption() << "\n";
    for (const auto& c : s.controls) {
        const bool shown = c.visible.value_or(true) && c.shown;
        out << c.key << (shown ? "" : " hidden") << (c.enabled ? "" : " disabled") << " @"
            << rounded(c.abs_left) << "," << rounded(c.abs_top) << " " << rounded(c.abs_width)
            << "x" << rounded(c.abs_height) << " value " << c.value.value_or(-1) << " colour "
            << c.back_color.value_or(-1) << " '" << c.caption << "' " << c.picture;
        for (size_t i = 0; i < c.items.size(); ++i)
            out << " [" << c.items[i] << (c.selected[i] ? "*" : "") << "]";
        out << "\n";
    }
    return out.str();
}

struct Outcome {
    app::DesignOutcome settings;
    std::vector<std::string> looks;
    std::string saved;
};

Outcome design(bool qt, const std::string& script) {
    ScratchDir dir;
    const auto form = dir.path() / "frmMail.frm";
    spit(form, app::demo_form_text());
    app::DesignJob job;
    job.form_path = form.string();
    job.script_name = "s";
    job.temp_folder = dir.path().string();
    if (qt) {
        app::setup_qt_design(job, false);
    }
    Outcome o;
    job.after_action = [&](const app::DesignAction&, mem::MemoryPageDialog& d) {
        o.looks.push_back(look(d));
    };
    std::ostringstream out;
    o.settings = app::design_form_file(job, app::parse_design_script(script, "s"), out);
    // Each placed resizer gets a GUID of its own; the rest of the file is the pages' doing.
    std::istringstream saved(slurp(form));
    for (std::string line; std::getline(saved, line);)
        if (line.find("FormGUID") == std::string::npos) o.saved += line + "\n";
    return o;
}

TEST(QtPages, AScriptOnTheQtDialogWorksThePagesAsOnTheMemoryHost) {
    // The demo's designer script without its pictures, plus a few more hands: a double click
    // (the previous choice), Delete, a focus, the pane lists both ways, the check boxes.
    std::string script;
    for (const auto& part : app::demo_designer_scripts()) {
        std::istringstream lines(part);
        for (std::string line; std::getline(lines, line);)
            if (!line.starts_with("picture") && line != "ok" && line != "cancel")
                script += line + "\n";
        script += "apply\npage Resizing\n";
    }
    script +=
        "click txtPreview\n"
        "dblclick lstMessages\n"
        "focus fraView\n"
        "key Delete\n"
        "page Panels\n"
        "select pane txtPreview\n"
        "remove\n"
        "select free txtPreview\n"
        "add\n"
        "page Resizing\n"
        "tick AddAllControls\n"
        "untick AddAllFontsButtons\n"
        "view 0\n"
        "drag -600,-300\n"
        "ok\n";
    const Outcome memory = design(false, script);
    const Outcome qt = design(true, script);
    ASSERT_EQ(memory.looks.size(), qt.looks.size());
    for (size_t i = 0; i < memory.looks.size(); ++i)
        ASSERT_EQ(memory.looks[i], qt.looks[i]) << "after action " << i + 1;
    EXPECT_EQ(qt.settings.control_settings, memory.settings.control_settings);
    EXPECT_EQ(qt.settings.pane_settings, memory.settings.pane_settings);
    EXPECT_EQ(qt.settings.pane_settings, "lstFolders lstMessages txtPreview");
    EXPECT_TRUE(qt.settings.applied);
    EXPECT_EQ(qt.saved, memory.saved);
}

// The command line: the same script on either host prints the same settings; on the Qt host
// --shots keeps a picture of the whole dialog after it opens and after every action.
TEST(QtPages, DesignOnTheQtHostPrintsTheSameAndPicturesEveryStep) {
    ScratchDir dir;
    const auto script = dir.path() / "s.txt";
    spit(script,
         "click lstFolders\nchoice 3\npage Panels\ncontainer frmMail\n"
         "select free lstMessages txtPreview\nadd\nok\n");
    std::string printed[2];
    for (int qt = 0; qt < 2; ++qt) {
        const auto form = dir.path() / ("form" + std::to_string(qt) + ".frm");
        spit(form, app::demo_form_text());
        test::Argv args{"design", form.string(), "--script", script.string()};
        if (qt)
            args.insert(args.end(), {"--host", "qt", "--shots", (dir.path() / "shots").string()});
        const auto r = test::run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        printed[qt] = r.out.substr(0, r.out.find("placed a resizer"));
    }
    EXPECT_EQ(printed[1], printed[0]);
    EXPECT_TRUE(test::has(printed[1], "PaneSettings:\n  lstMessages txtPreview\n")) << printed[1];
    // Seven actions: the dialog as opened and after each but the last, which closed it.
    for (int i = 0; i <= 7; ++i) {
        const QImage shot((dir.path() / "shots" / ("step-" + std::to_string(i) + ".png")).c_str());
        EXPECT_EQ(!shot.isNull(), i < 7) << i;
        if (!shot.isNull()) {
            EXPECT_GT(shot.width(), 400) << i;
        }
    }
}

qt::QtPageDialog* open_dialog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = dynamic_cast<qt::QtPageDialog*>(w); d && d->isVisible()) return d;
    return nullptr;
}

// The dialog as the user has it: its tabs and buttons; Apply only while a page has changes; each
// Apply saves the form while the dialog stays open; Escape closes it without the changes made
// after the last Apply.
TEST(QtPages, InTheUsersHandsApplySavesTheFormAndEscapeCancels) {
    ScratchDir dir;
    const auto form = dir.path() / "frmMail.frm";
    spit(form, app::demo_form_text());
    const std::string before = slurp(form);
    app::DesignJob job;
    job.form_path = form.string();
    app::setup_qt_design(job, true);
    bool worked = false;
    auto work = [&] {
        qt::QtPageDialog* dialog = open_dialog();
        ASSERT_NE(dialog, nullptr);
        QTabWidget& tabs = dialog->tabs();
        ASSERT_EQ(tabs.count(), 3);
        EXPECT_EQ(tabs.tabText(0), "Resizing");
        EXPECT_EQ(tabs.tabText(1), "Panels");
        EXPECT_EQ(tabs.tabText(2), "Code");
        QPushButton& apply = dialog->button(qt::QtPageDialog::Button::Apply);
        EXPECT_FALSE(apply.isEnabled());

        qt::QtPageInput hand(*dialog);
        auto page = dialog->active_view().page();
        const ObjectRef target = dialog->model().control()->parent();
        auto shadow = [&](const char* key) { return page->find(shadow_name_of_key(target, key)); };
        ASSERT_TRUE(hand.click(*shadow("cmdOK")));
        ASSERT_TRUE(hand.click(*page->find("optMove(8)")));
        EXPECT_TRUE(apply.isEnabled());
        EXPECT_EQ(slurp(form), before);
        ASSERT_TRUE(hand.press(apply));
        EXPECT_FALSE(apply.isEnabled());
        EXPECT_NE(slurp(form), before);
        const std::string applied = slurp(form);

        ASSERT_TRUE(hand.click(*shadow("txtPreview")));
        ASSERT_TRUE(hand.click(*page->find("optMove(4)")));
        EXPECT_TRUE(apply.isEnabled());
        hand.press_key(Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_FALSE(dialog->model().is_open());
        EXPECT_EQ(slurp(form), applied);
        worked = true;
    };
    QTimer::singleShot(0, [&] {
        work();
        // A failed check leaves the dialog open: close it, so that the test ends.
        if (qt::QtPageDialog* left = open_dialog()) left->reject();
    });
    std::ostringstream out;
    const auto outcome = app::design_form_file(job, {}, out);
    EXPECT_TRUE(worked);
    EXPECT_TRUE(outcome.applied);
    EXPECT_TRUE(outcome.placed);
    EXPECT_EQ(outcome.control_settings, "cmdOK \tAAKKK");
}

// The host's own service: the pages shown on a resizer in the designer are the Qt dialog, which
// goes when it is closed; its anchoring choices are pictures, the one on framed, an option stays
// on when it is clicked again, and a smaller page stands on the dialog's colour.
TEST(QtPages, TheQtHostShowsThePagesInItsDialog) {
    auto host = std::make_shared<qt::QtHost>();
    app::Session session("", false, host);
    app::register_page_classes();
    auto& loaded = session.load(frm::FrmReader::read_bytes(app::demo_form_text(), "frmMail.frm"));
    auto resizer = loaded.form->add_user_control(kZokKelvaneClassId, "zokKelvane1");
    host->show_property_pages(resizer);
    qt::QtPageDialog* dialog = open_dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->tabs().count(), 3);
    EXPECT_TRUE(dialog->model().is_open());
    // The anchoring choices show their pictures alone (a caption beside one pushes it out of
    // the button).
    const auto choices = dialog->findChildren<QPushButton*>("optMove");
    EXPECT_EQ(choices.size(), 11);
    int on = 0;
    for (const QPushButton* choice : choices) {
        EXPECT_EQ(choice->text(), "");
        EXPECT_FALSE(choice->icon().isNull());
        // The one on is framed, as the page draws it.
        const auto* mark = choice->findChild<QFrame*>();
        EXPECT_EQ(mark && mark->isVisible(), choice->isChecked());
        on += choice->isChecked();
    }
    EXPECT_EQ(on, 1);
    // A page smaller than the dialog's largest (the code page) stands on the dialog's colour.
    dialog->tabs().setCurrentIndex(2);
    QWidget* code = dialog->tabs().widget(2);
    const QImage shot = dialog->grab().toImage();
    EXPECT_EQ(shot.pixelColor(code->mapTo(dialog, QPoint(code->width() - 3, code->height() - 3))),
              code->palette().color(QPalette::Window));
    dialog->tabs().setCurrentIndex(0);
    // An option clicked again stays on, as on the page (Qt's own would turn it off).
    QRadioButton* view = nullptr;
    for (auto* option : dialog->findChildren<QRadioButton*>("optColorView"))
        if (option->isChecked()) view = option;
    ASSERT_NE(view, nullptr);
    view->click();
    EXPECT_TRUE(view->isChecked());
    dialog->reject();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(open_dialog(), nullptr);
}

}  // namespace
}  // namespace kv
