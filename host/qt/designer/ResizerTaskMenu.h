#pragma once
// The resizer widget's entry in Designer's task menu (its context menu and a double-click):
// "Edit Resizing..." opens the property pages on the form being designed; OK and Apply write the
// properties the pages changed through the form window's cursor, as one undoable step each.
#include <QAction>
#include <QtDesigner/QDesignerTaskMenuExtension>

namespace kelvane {
class ResizerWidget;
}

namespace kv::designer {

class ResizerTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

  public:
    ResizerTaskMenu(kelvane::ResizerWidget* widget, QObject* parent);

    QAction* preferredEditAction() const override;
    QList<QAction*> taskActions() const override;

    // Opens the pages on the widget's form (modal); a widget misplaced on its form gets a message
    // box saying where it is instead.
    void edit();

  private:
    kelvane::ResizerWidget* widget_;
    QAction* edit_action_;
};

}  // namespace kv::designer
