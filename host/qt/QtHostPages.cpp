// The Qt host's property pages: the memory model's dialog shown as a real one; and the about
// box, a real one for a user.
#include <QMessageBox>
#include <QPushButton>

#include "host/qt/QtHost.h"
#include "host/qt/QtPageDialog.h"
#include "host/qt/QtProcessSetup.h"

namespace kv::qt {

void QtHost::show_property_pages(const ObjectRef& control) {
    auto* dialog = new QtPageDialog(*this, control);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void QtHost::show_about(const AboutBox& box) {
    MemoryHost::show_about(box);
    if (!interactive_ || !platform_has_user()) return;  // a dialog nobody sees would not end
    QString text = QString::fromStdString(box.text);
    text.replace("\r\n", "\n");
    QMessageBox dialog(QMessageBox::Information, QString::fromStdString(box.title), text);
    QPushButton* system_info = dialog.addButton("&System Info...", QMessageBox::ActionRole);
    dialog.addButton(QMessageBox::Ok);
    dialog.exec();
    if (dialog.clickedButton() == system_info && box.system_info) box.system_info();
}

}  // namespace kv::qt
