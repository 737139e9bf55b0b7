// A form's picture as the .frx holds it: any bytes, told apart by their first ones and decoded
// to pixels as render and run decode them, and a metafile also played stretched over a box of
// another size, as an image with Stretch shows it.
#include <QImage>
#include <QPainter>
#include <string>

#include "host/common/Picture.h"
#include "host/common/PictureImage.h"

using namespace kv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const host::Picture picture =
        host::Picture::from_bytes(std::string(reinterpret_cast<const char*>(data), size));
    host::picture_images(picture);
    QImage box(64, 48, QImage::Format_ARGB32_Premultiplied);
    box.fill(Qt::transparent);
    QPainter painter(&box);
    host::play_metafile(picture, painter, QRectF(2, 2, 60, 44));
    return 0;
}
