#include "host/qt/QtTabControl.h"

#include <QIcon>
#include <QPixmap>

#include "engine/Error.h"
#include "host/common/PictureImage.h"

namespace kv::qt {

QtTabControl::QtTabControl(const std::shared_ptr<mem::MemoryObject>& control, host::TabSet tabs,
                           QWidget* parent)
    : QTabWidget(parent), control_(control), tabs_(std::move(tabs)) {
    for (int i = 0; i < tabs_.count(); ++i) {
        QIcon icon;
        if (auto pic = control->picture("TabPicture(" + std::to_string(i) + ")")) {
            const QImage image = host::picture_image(*pic);
            if (!image.isNull()) icon = QIcon(QPixmap::fromImage(image));
        }
        addTab(new QWidget, icon, QString::fromStdString(tabs_.captions[i]));
    }
    const TabPosition sides[] = {North, South, West, East};
    setTabPosition(sides[tabs_.orientation]);
    setCurrentIndex(tabs_.current);
    connect(this, &QTabWidget::currentChanged, [this](int index) {
        if (index < 0) return;
        tabs_.current = index;
        if (auto c = control_.lock(); c && c->alive()) {
            try {
                c->set("Tab", static_cast<double>(index));
            } catch (const Error&) {
                // A control that refuses the write keeps showing the user's choice.
            }
        }
        if (switched_) switched_();
    });
}

}  // namespace kv::qt
