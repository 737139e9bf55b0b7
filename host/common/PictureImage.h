#pragma once
// The pixels of a form's picture, by Qt's image readers: BMP (and a bitmap without its file
// header), ICO, CUR, GIF, JPEG and PNG; a metafile drawn at its frame's size (a placeable WMF by
// WmfPlayer, an EMF by EmfPlayer). A plain WMF (no frame to size it) and bytes that do not
// decode give a null image: the painter then shows the picture's place and its format.
#include <QImage>
#include <QRectF>
#include <vector>

#include "host/common/Picture.h"

class QPainter;

namespace kv::host {

// The largest picture decoded, in pixels a side: larger ones are not shown.
inline constexpr int kMaxPictureImageSide = 8192;
// The largest metafile drawn: its frame costs its bytes nothing, its pixels are all made here.
inline constexpr int kMaxMetafileSide = 2048;

// The picture's (first) image; null when it cannot be shown.
QImage picture_image(const Picture& picture);
// Every image of an icon or cursor (one for other formats); empty when none can be shown.
std::vector<QImage> picture_images(const Picture& picture);
// A metafile drawn over `target` on the painter, at that size (a drawing scales without
// blurring); false, and nothing drawn, for other formats.
bool play_metafile(const Picture& picture, QPainter& painter, const QRectF& target);
// A metafile drawn over an image of `size` (at most kMaxMetafileSide a side); null for other
// formats.
QImage metafile_image(const Picture& picture, QSize size);

}  // namespace kv::host
