#include "host/qt/QtFormPictures.h"

#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "host/common/PictureImage.h"

namespace kv::qt {

QtFormPictures::QtFormPictures(mem::MemoryForm& form, QWidget& frame, QWidget& client)
    : client_(&client) {
    if (const auto icon = form.picture("Icon")) {
        QIcon qicon;
        for (const QImage& image : host::picture_images(*icon))
            qicon.addPixmap(QPixmap::fromImage(image));
        if (!qicon.isNull()) frame.setWindowIcon(qicon);
    }
    if (const auto picture = form.picture("Picture")) background_ = host::picture_image(*picture);
    // Painted over the client area's background, before anything on it.
    if (!background_.isNull()) {
        client.installEventFilter(this);
        client.update();
    }
}

QtFormPictures::~QtFormPictures() {
    if (client_) client_->removeEventFilter(this);
}

bool QtFormPictures::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Paint) {
        QPainter p(client_);
        p.drawImage(QPoint(0, 0), background_);
    }
    return false;
}

}  // namespace kv::qt
