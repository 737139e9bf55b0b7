// kelvane design on the Qt host: the property pages in a real dialog, worked by the user (until
// the dialog is closed; each Apply saves the form) or by a script's page actions delivered as
// real Qt events, with pictures of the dialog on the offscreen platform.
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <cstdlib>

#include "harness/DesignFile.h"
#include "harness/QtDesign.h"
#include "harness/QtPlatform.h"
#include "harness/UsageError.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtPageDialog.h"
#include "host/qt/QtPageInput.h"
#include "host/qt/QtProcessSetup.h"
#include "picture/PictureFile.h"
#include "picture/Renderer.h"

namespace kv::app {

namespace {

class QtHand : public PageHand {
  public:
    QtHand(qt::QtHost& host, const std::shared_ptr<mem::MemoryObject>& resizer)
        : dialog_(std::make_unique<qt::QtPageDialog>(host, resizer)), input_(*dialog_) {
        dialog_->show();
        QApplication::processEvents();
        dialog_->refresh();
    }

    mem::MemoryPageDialog& dialog() override { return dialog_->model(); }
    bool select_page(size_t index) override { return input_.select_page(static_cast<int>(index)); }
    bool click(mem::MemoryObject& c) override { return input_.click(c); }
    bool dbl_click(mem::MemoryObject& c) override { return input_.dbl_click(c); }
    bool focus(mem::MemoryObject& c) override { return input_.focus(c); }
    bool click_entry(mem::MemoryObject& list, int index) override {
        return input_.click_entry(list, index);
    }
    void press_key(int key_code) override {
        input_.press_key(key_code == 46 ? Qt::Key_Delete : key_code == 112 ? Qt::Key_F1 : key_code);
    }
    bool drag(mem::MemoryObject& c, double dx, double dy) override {
        return input_.drag(c, dx, dy, 4);
    }
    bool apply() override { return input_.press(dialog_->button(qt::QtPageDialog::Button::Apply)); }
    void ok() override { input_.press(dialog_->button(qt::QtPageDialog::Button::Ok)); }
    void cancel() override { input_.press(dialog_->button(qt::QtPageDialog::Button::Cancel)); }
    bool picture(const std::string& path, std::string& error) override {
        const auto format = image_format(path);
        if (!format) {
            error = "cannot tell an image format from the name '" + path + "'";
            return false;
        }
        return write_picture_file(dialog_->grab().toImage(), path, *format, error);
    }

  private:
    std::unique_ptr<qt::QtPageDialog> dialog_;
    qt::QtPageInput input_;
};

// The dialog for the user: each Apply, and OK with changes, saves the form.
bool run_live(mem::MemoryHost& host, const std::shared_ptr<mem::MemoryObject>& resizer,
              const std::function<void()>& save) {
    qt::QtPageDialog dialog(dynamic_cast<qt::QtHost&>(host), resizer);
    bool applied = false;
    dialog.set_on_applied([&] {
        try {
            save();
            applied = true;
        } catch (const std::exception& e) {
            QMessageBox::critical(&dialog, "kelvane design", e.what());
        }
    });
    dialog.exec();
    return applied;
}

}  // namespace

void setup_qt_design(DesignJob& job, bool live) {
    if (!has_display()) {
        if (live)
            throw UsageError("no display to open the dialog on (set DISPLAY, or give --script)");
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    std::shared_ptr<QApplication> app;
    if (!QApplication::instance()) {
        static int argc = 1;
        static char name[] = "kelvane";
        static char* argv[] = {name, nullptr};
        qt::prepare_qt_process();
        app = std::make_shared<QApplication>(argc, argv);
    }
    job.keep = app;
    auto host = std::make_shared<qt::QtHost>();
    host->set_interactive(live);
    job.host = host;
    job.hand = [](mem::MemoryHost& h, const std::shared_ptr<mem::MemoryObject>& resizer) {
        return std::make_unique<QtHand>(dynamic_cast<qt::QtHost&>(h), resizer);
    };
    if (live) job.live = run_live;
}

}  // namespace kv::app
