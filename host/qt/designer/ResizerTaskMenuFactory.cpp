#include "host/qt/designer/ResizerTaskMenuFactory.h"

#include <QtDesigner/QDesignerTaskMenuExtension>

#include "host/qt/designer/ResizerTaskMenu.h"
#include "kelvane/ResizerWidget.h"

namespace kv::designer {

ResizerTaskMenuFactory::ResizerTaskMenuFactory(QExtensionManager* parent)
    : QExtensionFactory(parent) {}

QObject* ResizerTaskMenuFactory::createExtension(QObject* object, const QString& iid,
                                                 QObject* parent) const {
    if (iid != Q_TYPEID(QDesignerTaskMenuExtension)) return nullptr;
    auto* widget = qobject_cast<kelvane::ResizerWidget*>(object);
    return widget ? new ResizerTaskMenu(widget, parent) : nullptr;
}

}  // namespace kv::designer
