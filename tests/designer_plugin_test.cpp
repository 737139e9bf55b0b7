// The Designer plugin in a real Qt Designer form editor made in this process (offscreen): the
// widget in the widget box's group, at design time on the forms being edited, its task menu
// opening the property pages over the form's widgets, OK and Apply writing through the form
// window's cursor (the form changed, one undo step, the .ui keeping the set-up), a new resizer
// given a form GUID, and a misplaced one told where it is.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QUndoStack>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerPropertyEditorInterface>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QDesignerWidgetDataBaseInterface>
#include <QtDesigner/QDesignerWidgetFactoryInterface>
#include <QtDesigner/QExtensionManager>
#include <functional>

#include "control/zokKelvane.h"
#include "host/memory/MemoryPageDialog.h"
#include "host/qt/QtPageDialog.h"
#include "host/qt/QtPageInput.h"
#include "kelvane/ResizerWidget.h"
#include "pages/Shadows.h"

namespace kv::test {
namespace {

QString read_text(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// One form editor for the whole program, as Designer has.
QDesignerFormEditorInterface& core() {
    static QDesignerFormEditorInterface* editor = [] {
        QDesignerComponents::initializeResources();
        auto* e = QDesignerComponents::createFormEditor(nullptr);
        QDesignerComponents::initializePlugins(e);
        e->setPropertyEditor(QDesignerComponents::createPropertyEditor(e, nullptr));
        new QDesignerIntegration(e, e);
        return e;
    }();
    return *editor;
}

// A form window of the editor holding `ui`.
QDesignerFormWindowInterface* open_form(const QString& ui) {
    QDesignerFormWindowInterface* fw = core().formWindowManager()->createFormWindow(nullptr);
    if (!fw->setContents(ui)) return nullptr;
    fw->setDirty(false);
    fw->commandHistory()->clear();
    return fw;
}

// The event loop for a while (the resizer's settle timer).
void pump(int ms = 200) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

QAction* edit_action(QWidget* widget) {
    auto* menu = qt_extension<QDesignerTaskMenuExtension*>(core().extensionManager(), widget);
    return menu ? menu->preferredEditAction() : nullptr;
}

// Runs `work` on the dialog that `trigger` opens (and runs modally), once it is shown.
template <class Dialog>
void while_open(const std::function<void()>& trigger, const std::function<void(Dialog&)>& work) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        Dialog* d = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* candidate = dynamic_cast<Dialog*>(w); candidate && candidate->isVisible())
                d = candidate;
        if (!d || seen) return;
        seen = true;
        poll.stop();
        work(*d);
        // A check that failed inside must not leave the dialog waiting.
        if (d->isVisible()) d->reject();
    });
    poll.start();
    trigger();
    poll.stop();
    EXPECT_TRUE(seen);
}

TEST(DesignerPlugin, TheWidgetIsInTheWidgetBoxUnderKelvane) {
    QDesignerWidgetDataBaseInterface* db = core().widgetDataBase();
    const int at = db->indexOfClassName("kelvane::ResizerWidget");
    ASSERT_GE(at, 0);
    EXPECT_EQ(db->item(at)->group(), "Kelvane");
    EXPECT_EQ(db->item(at)->includeFile(), "kelvane/ResizerWidget.h");
}

TEST(DesignerPlugin, EditResizingOpensThePagesAndWritesThroughTheCursor) {
    QDesignerFormWindowInterface* fw = open_form(read_text(KV_EXAMPLE_UI));
    ASSERT_TRUE(fw);
    auto* resizer = fw->mainContainer()->findChild<kelvane::ResizerWidget*>("zokKelvane1");
    ASSERT_TRUE(resizer);
    EXPECT_TRUE(resizer->design_time());
    EXPECT_FALSE(resizer->resizer());
    QAction* edit = edit_action(resizer);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text(), "Edit Resizing...");
    const QString before = resizer->ControlSettings();

    while_open<qt::QtPageDialog>(
        [&] { edit->trigger(); },
        [&](qt::QtPageDialog& dialog) {
            mem::MemoryPageDialog& pages = dialog.model();
            EXPECT_EQ(pages.captions(), (std::vector<std::string>{"Resizing", "Panels", "Code"}));
            // The controls page shows a shadow of each of the form's widgets.
            auto page = pages.active_page();
            const auto form = pages.control()->parent();
            auto shadow = page->find(shadow_name_of_key(form, "okButton"));
            ASSERT_TRUE(shadow);
            ASSERT_TRUE(page->find(shadow_name_of_key(form, "folderTree")));
            // The OK button is told to stretch along the bottom instead: one Apply.
            qt::QtPageInput input(dialog);
            ASSERT_TRUE(input.click(*shadow));
            ASSERT_TRUE(input.click(*page->find("optMove(7)")));
            ASSERT_TRUE(input.press(dialog.button(qt::QtPageDialog::Button::Apply)));
            EXPECT_NE(resizer->ControlSettings(), before);
            input.press(dialog.button(qt::QtPageDialog::Button::Cancel));
        });
    const QString after = resizer->ControlSettings();
    EXPECT_NE(after, before);
    EXPECT_TRUE(after.contains("okButton \tKAKKK\n")) << after.toStdString();
    EXPECT_TRUE(after.contains("cancelButton \tAAKKK"));
    EXPECT_FALSE(after.contains("\r"));  // a .ui keeps LF line ends only
    EXPECT_TRUE(fw->isDirty());
    EXPECT_EQ(fw->commandHistory()->count(), 1);
    // The form as Designer saves it keeps the set-up, line ends and all.
    const QString saved = fw->contents();
    EXPECT_TRUE(saved.contains("kelvane::ResizerWidget"));
    auto again = open_form(saved);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->mainContainer()->findChild<kelvane::ResizerWidget*>()->ControlSettings(),
              after);
    // One undo takes the change back.
    fw->commandHistory()->undo();
    EXPECT_EQ(resizer->ControlSettings(), before);
    delete again;
    delete fw;
}

TEST(DesignerPlugin, CancelWritesNothing) {
    QDesignerFormWindowInterface* fw = open_form(read_text(KV_EXAMPLE_UI));
    ASSERT_TRUE(fw);
    auto* resizer = fw->mainContainer()->findChild<kelvane::ResizerWidget*>();
    while_open<qt::QtPageDialog>([&] { edit_action(resizer)->trigger(); },
                                 [&](qt::QtPageDialog& dialog) {
                                     qt::QtPageInput input(dialog);
                                     ASSERT_TRUE(input.select_page(1));
                                     input.press(dialog.button(qt::QtPageDialog::Button::Cancel));
                                 });
    EXPECT_FALSE(fw->isDirty());
    EXPECT_EQ(fw->commandHistory()->count(), 0);
    delete fw;
}

// Designer's preview builds a copy of the form that runs: its resizer lays it out.
TEST(DesignerPlugin, ThePreviewRuns) {
    QDesignerFormWindowInterface* fw = open_form(read_text(KV_EXAMPLE_UI));
    ASSERT_TRUE(fw);
    core().formWindowManager()->setActiveFormWindow(fw);
    core().formWindowManager()->showPreview();
    QApplication::processEvents();
    kelvane::ResizerWidget* running = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* r = w->findChild<kelvane::ResizerWidget*>(); r && !r->design_time()) running = r;
    ASSERT_TRUE(running);
    ASSERT_TRUE(running->resizer()) << running->refusal().toStdString();
    QWidget* preview = running->window();
    QWidget* ok = preview->findChild<QWidget*>("okButton");
    ASSERT_TRUE(ok);
    const QPoint from_corner = QPoint(preview->width(), preview->height()) - ok->pos();
    preview->resize(preview->width() + 60, preview->height() + 40);
    pump();
    EXPECT_EQ(QPoint(preview->width(), preview->height()) - ok->pos(), from_corner);
    core().formWindowManager()->closeAllPreviews();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete fw;
}

TEST(DesignerPlugin, ANewResizerGetsAFormGuid) {
    QDesignerFormWindowInterface* fw = open_form(
        "<ui version=\"4.0\"><class>Form1</class><widget class=\"QWidget\" name=\"Form1\">"
        "<property name=\"geometry\"><rect><x>0</x><y>0</y><width>300</width><height>200"
        "</height></rect></property></widget></ui>");
    ASSERT_TRUE(fw);
    QWidget* w =
        core().widgetFactory()->createWidget("kelvane::ResizerWidget", fw->mainContainer());
    ASSERT_TRUE(w);
    fw->manageWidget(w);
    QApplication::processEvents();
    auto* resizer = qobject_cast<kelvane::ResizerWidget*>(w);
    ASSERT_TRUE(resizer);
    EXPECT_TRUE(resizer->design_time());
    EXPECT_TRUE(QRegularExpression("^\\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\\}$")
                    .match(resizer->FormGUID())
                    .hasMatch())
        << resizer->FormGUID().toStdString();
    EXPECT_TRUE(fw->contents().contains(resizer->FormGUID()));
    delete fw;
}

TEST(DesignerPlugin, AMisplacedResizerSaysWhereItIs) {
    QString ui = read_text(KV_EXAMPLE_UI);
    // The resizer moved into the tool bar.
    const int start = ui.indexOf("  <widget class=\"kelvane::ResizerWidget\"");
    const int end = ui.indexOf("  </widget>", start) + QString("  </widget>\n").size();
    const QString block = ui.mid(start, end - start);
    ui.remove(start, end - start);
    ui.insert(ui.indexOf("   <widget class=\"QPushButton\" name=\"newButton\">"), block);
    QDesignerFormWindowInterface* fw = open_form(ui);
    ASSERT_TRUE(fw);
    auto* resizer = fw->mainContainer()->findChild<kelvane::ResizerWidget*>();
    ASSERT_TRUE(resizer);
    while_open<QMessageBox>(
        [&] { edit_action(resizer)->trigger(); },
        [&](QMessageBox& box) {
            EXPECT_EQ(box.text().toStdString(),
                      "kelvane::ResizerWidget 'zokKelvane1' is in 'toolbar' (QFrame) on form "
                      "'MailWindow': place it on the form itself");
            box.accept();
        });
    EXPECT_FALSE(fw->isDirty());
    delete fw;
}

}  // namespace
}  // namespace kv::test
