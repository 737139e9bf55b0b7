#include "host/qt/QtTabControl.h"

#include <QIcon>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "engine/Error.h"
#include "host/common/PictureImage.h"
#include "host/qt/QtHost.h"

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
    QString sheet;
    if (tabs_.fixed_width_twips > 0) {
        // A strip's tabs of one width, along the bar (down it on the left and right).
        const bool upright = tabs_.orientation >= 2;
        QtHost& host = QtHost::installed();
        const double tpp = upright ? host.twips_per_pixel_y() : host.twips_per_pixel_x();
        const int px = std::max(1, static_cast<int>(std::lround(tabs_.fixed_width_twips / tpp)));
        sheet += QString("QTabBar::tab { %1: %2px; }").arg(upright ? "height" : "width").arg(px);
    }
    // A strip of buttons has no page.
    sheet += QString::fromStdString(" " + host::qt_tab_buttons_sheet("", tabs_.buttons));
    if (!sheet.trimmed().isEmpty()) setStyleSheet(sheet.trimmed());
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
