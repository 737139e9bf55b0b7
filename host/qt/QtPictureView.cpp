#include "host/qt/QtPictureView.h"

#include <QPainter>

#include "host/common/PictureImage.h"

namespace kv::qt {

void QtPictureView::set_picture(std::shared_ptr<const host::Picture> picture, bool stretch) {
    picture_ = std::move(picture);
    image_ = picture_ ? host::picture_image(*picture_) : QImage();
    stretch_ = stretch;
    update();
}

QString QtPictureView::stand_in() const {
    if (!picture_ || !image_.isNull()) return QString();
    return QString("%1 picture").arg(host::format_name(picture_->format));
}

void QtPictureView::paintEvent(QPaintEvent* e) {
    if (paints_background_) {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
    }
    QFrame::paintEvent(e);
    const QRect inside = contentsRect();
    QPainter p(this);
    p.setClipRect(inside);
    if (!image_.isNull()) {
        // A metafile stretched is drawn at the size it is shown, as the drawing it is.
        if (!stretch_)
            p.drawImage(inside.topLeft(), image_);
        else if (!host::play_metafile(*picture_, p, inside))
            p.drawImage(inside, image_);
        return;
    }
    if (!picture_) return;
    p.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    p.drawRect(inside.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::Mid));
    p.drawText(inside.adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, stand_in());
}

}  // namespace kv::qt
