#include "host/qt/api/ResizerEditor.h"

#include <QPointer>
#include <stdexcept>

#include "control/zokKelvane.h"
#include "host/memory/MemoryPropertyBag.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtPageDialog.h"
#include "host/qt/QtWidgetAdoption.h"
#include "host/store/SqliteSettingsStore.h"
#include "kelvane/ResizerWidget.h"
#include "pages/ppCode.h"
#include "pages/ppPanes.h"
#include "pages/ppVisControls.h"

namespace kv::qt {

namespace {

QString lf_lines(const std::string& text) {
    return QString::fromStdString(text).replace("\r\n", "\n");
}

}  // namespace

struct ResizerEditor::Impl {
    // The host that was current before (a running resizer's), current again when the editor
    // goes: the pages run on a design-mode host of their own.
    std::shared_ptr<Host> previous;
    std::shared_ptr<QtHost> host;
    std::shared_ptr<mem::MemoryForm> form;
    std::shared_ptr<mem::MemoryObject> control;
    std::unique_ptr<QtPageDialog> dialog;
    QPointer<kelvane::ResizerWidget> widget;
    Write write;

    zokKelvane& resizer() const { return dynamic_cast<zokKelvane&>(*control->user_control()); }

    // The properties the pages changed, onto the widget.
    void write_back() const {
        if (!widget || !write) return;
        // A .ui file keeps line ends as LF only: the texts go to the widget so.
        const auto control_settings = lf_lines(resizer().ControlSettings());
        const auto pane_settings = lf_lines(resizer().PaneSettings());
        Changes changes;
        if (control_settings != lf_lines(widget->ControlSettings().toStdString()))
            changes.emplace_back("ControlSettings", control_settings);
        if (pane_settings != lf_lines(widget->PaneSettings().toStdString()))
            changes.emplace_back("PaneSettings", pane_settings);
        if (resizer().AddAllControls() != widget->AddAllControls())
            changes.emplace_back("AddAllControls", resizer().AddAllControls());
        if (resizer().AddAllFontsButtons() != widget->AddAllFontsButtons())
            changes.emplace_back("AddAllFontsButtons", resizer().AddAllFontsButtons());
        if (!changes.empty()) write(changes);
    }
};

ResizerEditor::ResizerEditor(QWidget& form, kelvane::ResizerWidget& resizer, Write write,
                             QWidget* dialog_parent)
    : impl_(std::make_unique<Impl>()) {
    const QString problem = resizer.placement_problem(&form);
    if (!problem.isEmpty()) throw std::invalid_argument(problem.toStdString());
    Impl& d = *impl_;
    d.widget = &resizer;
    d.write = std::move(write);
    if (Host::has_current())
        if (auto* running = dynamic_cast<mem::MemoryHost*>(&Host::current()))
            d.previous = running->shared_from_this();
    d.host = QtHost::install();
    d.host->set_user_mode(false);
    d.host->set_running_under_designer(true);
    d.host->set_interactive(true);
    d.host->set_launch(true);
    d.host->set_write_log_enabled(false);
    d.host->set_code_language(CodeLanguage::Cpp);
    d.host->set_settings_store(
        std::make_shared<store::SqliteSettingsStore>(store::SqliteSettingsStore::default_path()));
    d.host->register_user_control(kZokKelvaneClassId, [] { return make_zokKelvane(); });
    register_ppVisControls();
    register_ppPanes();
    register_ppCode();

    d.form = adopt_widgets(*d.host, form).form;
    mem::MemoryPropertyBag bag;
    for (const auto& [name, value] : resizer.persisted_properties()) bag.set(name, value);
    d.control = d.form->add_user_control(kZokKelvaneClassId, resizer.control_name(), nullptr, &bag);
    d.dialog = std::make_unique<QtPageDialog>(*d.host, d.control, dialog_parent);
    d.dialog->setWindowTitle("Edit Resizing - " + resizer.objectName());
    d.dialog->set_on_applied([&d] { d.write_back(); });
}

ResizerEditor::~ResizerEditor() {
    Impl& d = *impl_;
    d.dialog.reset();
    try {
        if (d.control && d.control->alive()) d.form->remove_control(d.control);
    } catch (const Error&) {
        // The form goes with the host in a moment anyway.
    }
    d.control.reset();
    d.form.reset();
    Host::set_current(d.previous);
}

QtPageDialog& ResizerEditor::dialog() const {
    return *impl_->dialog;
}

int ResizerEditor::exec() {
    return impl_->dialog->exec();
}

}  // namespace kv::qt
