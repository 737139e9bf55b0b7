// The Qt host's property pages: the memory model's dialog shown as a real one.
#include "host/qt/QtHost.h"
#include "host/qt/QtPageDialog.h"

namespace kv::qt {

void QtHost::show_property_pages(const ObjectRef& control) {
    auto* dialog = new QtPageDialog(*this, control);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

}  // namespace kv::qt
