#include "host/common/MetafilePlayer.h"

#include <QPainter>

namespace kv::host {

QImage MetafilePlayer::image(int max_side) const {
    const QSize size = natural_size();
    if (size.width() > max_side || size.height() > max_side) return QImage();
    return image_at(size);
}

QImage MetafilePlayer::image_at(QSize size) const {
    if (!valid() || size.isEmpty()) return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    play(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

}  // namespace kv::host
