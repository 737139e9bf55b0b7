#include "host/common/PictureImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>
#include <memory>

#include "host/common/ByteOrder.h"
#include "host/common/EmfPlayer.h"
#include "host/common/WmfPlayer.h"

namespace kv::host {

namespace {

void put_le(QByteArray& b, uint32_t v, int width) {
    for (int i = 0; i < width; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A bitmap without its file header gets one, so the BMP reader takes it: the header says where
// the pixels start, after the info header, its colour masks and its palette.
QByteArray bitmap_file_of_dib(const std::string& dib) {
    const uint32_t header = read_le(dib, 0, 4);
    uint64_t palette = 0;
    if (header == 12) {
        const uint32_t bits = read_le(dib, 10, 2);
        palette = bits <= 8 ? (uint64_t{1} << bits) * 3 : 0;
    } else {
        const uint32_t bits = read_le(dib, 14, 2), compression = read_le(dib, 16, 4),
                       used = read_le(dib, 32, 4);
        palette = uint64_t{used ? used : (bits <= 8 ? 1u << bits : 0u)} * 4;
        if (header == 40 && compression == 3) palette += 12;  // three colour masks
        if (header == 40 && compression == 6) palette += 16;  // four
    }
    const uint64_t offset = 14 + uint64_t{header} + palette;
    QByteArray file("BM");
    put_le(file, static_cast<uint32_t>(std::min<uint64_t>(14 + dib.size(), 0xFFFFFFFFu)), 4);
    put_le(file, 0, 4);
    put_le(file, static_cast<uint32_t>(std::min<uint64_t>(offset, 0xFFFFFFFFu)), 4);
    file.append(dib.data(), static_cast<qsizetype>(dib.size()));
    return file;
}

const char* reader_format(PictureFormat format) {
    switch (format) {
        case PictureFormat::Bitmap:
        case PictureFormat::Dib:
            return "bmp";
        case PictureFormat::Icon:
            return "ico";
        case PictureFormat::Cursor:
            return "cur";
        case PictureFormat::Gif:
            return "gif";
        case PictureFormat::Jpeg:
            return "jpeg";
        case PictureFormat::Png:
            return "png";
        default:
            return nullptr;
    }
}

// The player of a metafile's records; none for other formats.
std::unique_ptr<MetafilePlayer> player_of(const Picture& picture) {
    if (picture.format == PictureFormat::Metafile)
        return std::make_unique<WmfPlayer>(picture.bytes);
    if (picture.format == PictureFormat::EnhancedMetafile)
        return std::make_unique<EmfPlayer>(picture.bytes);
    return nullptr;
}

}  // namespace

std::vector<QImage> picture_images(const Picture& picture) {
    std::vector<QImage> images;
    if (picture.format == PictureFormat::Metafile ||
        picture.format == PictureFormat::EnhancedMetafile) {
        // Drawn at its frame's size (play_metafile draws a stretched one at its size).
        QImage image = player_of(picture)->image(kMaxMetafileSide);
        if (!image.isNull()) images.push_back(std::move(image));
        return images;
    }
    const char* format = reader_format(picture.format);
    if (!format) return images;
    QByteArray bytes =
        picture.format == PictureFormat::Dib
            ? bitmap_file_of_dib(picture.bytes)
            : QByteArray(picture.bytes.data(), static_cast<qsizetype>(picture.bytes.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    // Only an icon's or a cursor's further images belong to the picture (a GIF's are frames).
    const bool several =
        picture.format == PictureFormat::Icon || picture.format == PictureFormat::Cursor;
    do {
        // Looked at before any pixel is made: a header may claim any size.
        const QSize size = reader.size();
        if (size.isValid() &&
            (size.width() > kMaxPictureImageSide || size.height() > kMaxPictureImageSide))
            break;
        QImage image = reader.read();
        if (image.isNull()) break;
        if (image.width() > kMaxPictureImageSide || image.height() > kMaxPictureImageSide) break;
        images.push_back(std::move(image));
    } while (several && images.size() < 64 && reader.jumpToNextImage());
    return images;
}

QImage metafile_image(const Picture& picture, QSize size) {
    const auto player = player_of(picture);
    if (!player || size.width() > kMaxMetafileSide || size.height() > kMaxMetafileSide)
        return QImage();
    return player->image_at(size);
}

bool play_metafile(const Picture& picture, QPainter& painter, const QRectF& target) {
    const auto player = player_of(picture);
    if (!player) return false;
    player->play(painter, target);
    return true;
}

QImage picture_image(const Picture& picture) {
    auto images = picture_images(picture);
    return images.empty() ? QImage() : images.front();
}

}  // namespace kv::host
