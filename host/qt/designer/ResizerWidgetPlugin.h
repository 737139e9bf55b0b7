#pragma once
// Qt Designer's view of kelvane::ResizerWidget: the widget in the widget box under "Kelvane",
// made at design time inside the forms being edited (where it shows its icon and lays nothing
// out) and at run time elsewhere (Designer's preview, QUiLoader), its task menu (ResizerTaskMenu),
// and a new form GUID for a resizer newly placed on a form.
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class QDesignerFormWindowInterface;

namespace kv::designer {

class ResizerWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

  public:
    explicit ResizerWidgetPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

  private:
    void watch(QDesignerFormWindowInterface* form_window);
    void managed(QDesignerFormWindowInterface* form_window, QWidget* widget);

    QDesignerFormEditorInterface* core_ = nullptr;
    bool initialized_ = false;
};

}  // namespace kv::designer
