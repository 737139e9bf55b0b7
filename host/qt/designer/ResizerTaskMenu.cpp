#include "host/qt/designer/ResizerTaskMenu.h"

#include <QMessageBox>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <stdexcept>

#include "host/qt/api/ResizerEditor.h"
#include "kelvane/ResizerWidget.h"

namespace kv::designer {

ResizerTaskMenu::ResizerTaskMenu(kelvane::ResizerWidget* widget, QObject* parent)
    : QObject(parent), widget_(widget), edit_action_(new QAction("Edit Resizing...", this)) {
    connect(edit_action_, &QAction::triggered, this, &ResizerTaskMenu::edit);
}

QAction* ResizerTaskMenu::preferredEditAction() const {
    return edit_action_;
}

QList<QAction*> ResizerTaskMenu::taskActions() const {
    return {edit_action_};
}

void ResizerTaskMenu::edit() {
    QDesignerFormWindowInterface* form_window =
        QDesignerFormWindowInterface::findFormWindow(widget_);
    if (!form_window || !form_window->mainContainer()) return;
    QWidget* form = form_window->mainContainer();
    // Each Apply (and OK with changes) is one step on the form's undo stack.
    auto write = [form_window, this](const qt::ResizerEditor::Changes& changes) {
        form_window->beginCommand("Edit Resizing");
        for (const auto& [property, value] : changes)
            form_window->cursor()->setWidgetProperty(widget_, property, value);
        form_window->endCommand();
    };
    try {
        qt::ResizerEditor editor(*form, *widget_, write, form_window);
        editor.exec();
    } catch (const std::invalid_argument& e) {
        QMessageBox::warning(form_window, "Edit Resizing", QString::fromStdString(e.what()));
    }
}

}  // namespace kv::designer
