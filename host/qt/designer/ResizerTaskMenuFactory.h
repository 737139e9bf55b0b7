#pragma once
// Designer asks it for the task menu of a widget: resizer widgets get a ResizerTaskMenu.
#include <QtDesigner/QExtensionFactory>

namespace kv::designer {

class ResizerTaskMenuFactory : public QExtensionFactory {
    Q_OBJECT

  public:
    explicit ResizerTaskMenuFactory(QExtensionManager* parent = nullptr);

  protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

}  // namespace kv::designer
