#include "host/common/Picture.h"

#include <cstdlib>
#include <limits>

namespace kv::host {

namespace {

uint32_t le(std::string_view b, size_t at, size_t width) {
    if (at + width > b.size()) return 0;
    uint32_t v = 0;
    for (size_t i = 0; i < width; ++i)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

uint32_t be(std::string_view b, size_t at, size_t width) {
    if (at + width > b.size()) return 0;
    uint32_t v = 0;
    for (size_t i = 0; i < width; ++i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

bool starts(std::string_view b, std::string_view magic) {
    return b.substr(0, magic.size()) == magic;
}

// The header sizes a bitmap's info header has (core, info, and the later versions).
bool dib_header_size(uint32_t size) {
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 ||
           size == 124;
}

// Width and height from a bitmap's info header at `at`; a negative height is a top-down bitmap.
std::pair<int, int> dib_size(std::string_view b, size_t at) {
    const uint32_t size = le(b, at, 4);
    if (size == 12) return {static_cast<int>(le(b, at + 4, 2)), static_cast<int>(le(b, at + 6, 2))};
    const auto w = static_cast<int32_t>(le(b, at + 4, 4));
    const auto h = static_cast<int32_t>(le(b, at + 8, 4));
    if (w <= 0 || h == std::numeric_limits<int32_t>::min()) return {0, 0};
    return {w, std::abs(h)};
}

// The first frame marker of a JPEG names the image's size.
std::pair<int, int> jpeg_size(std::string_view b) {
    size_t i = 2;
    while (i + 9 <= b.size()) {
        if (static_cast<unsigned char>(b[i]) != 0xFF) return {0, 0};
        const auto marker = static_cast<unsigned char>(b[i + 1]);
        if (marker == 0xFF) {  // fill byte
            ++i;
            continue;
        }
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) return {static_cast<int>(be(b, i + 7, 2)), static_cast<int>(be(b, i + 5, 2))};
        const bool lone = marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
        i += lone ? 2 : 2 + be(b, i + 2, 2);
    }
    return {0, 0};
}

std::pair<int, int> size_of(PictureFormat format, std::string_view b) {
    switch (format) {
        case PictureFormat::Bitmap:
            return dib_size(b, 14);
        case PictureFormat::Dib:
            return dib_size(b, 0);
        case PictureFormat::Icon:
        case PictureFormat::Cursor: {
            if (le(b, 4, 2) == 0 || b.size() < 8) return {0, 0};
            const int w = static_cast<unsigned char>(b[6]), h = static_cast<unsigned char>(b[7]);
            return {w == 0 ? 256 : w, h == 0 ? 256 : h};
        }
        case PictureFormat::Gif:
            return {static_cast<int>(le(b, 6, 2)), static_cast<int>(le(b, 8, 2))};
        case PictureFormat::Png:
            return {static_cast<int>(be(b, 16, 4) & 0x7FFFFFFF),
                    static_cast<int>(be(b, 20, 4) & 0x7FFFFFFF)};
        case PictureFormat::Jpeg:
            return jpeg_size(b);
        default:
            return {0, 0};
    }
}

}  // namespace

const char* format_name(PictureFormat format) {
    switch (format) {
        case PictureFormat::Bitmap:
            return "BMP";
        case PictureFormat::Dib:
            return "DIB";
        case PictureFormat::Icon:
            return "ICO";
        case PictureFormat::Cursor:
            return "CUR";
        case PictureFormat::Gif:
            return "GIF";
        case PictureFormat::Jpeg:
            return "JPEG";
        case PictureFormat::Png:
            return "PNG";
        case PictureFormat::Metafile:
            return "WMF";
        case PictureFormat::EnhancedMetafile:
            return "EMF";
        case PictureFormat::Unknown:
            break;
    }
    return "unknown";
}

PictureFormat sniff_format(std::string_view b) {
    if (starts(b, "BM") && b.size() >= 18 && dib_header_size(le(b, 14, 4)))
        return PictureFormat::Bitmap;
    if (starts(b, "GIF87a") || starts(b, "GIF89a")) return PictureFormat::Gif;
    if (starts(b, "\xFF\xD8\xFF")) return PictureFormat::Jpeg;
    if (starts(b, "\x89PNG\r\n\x1A\n")) return PictureFormat::Png;
    if (starts(b, "\xD7\xCD\xC6\x9A")) return PictureFormat::Metafile;
    if (b.size() >= 44 && le(b, 0, 4) == 1 && b.substr(40, 4) == " EMF")
        return PictureFormat::EnhancedMetafile;
    if (b.size() >= 6 && le(b, 0, 2) == 0 && (le(b, 2, 2) == 1 || le(b, 2, 2) == 2) &&
        le(b, 4, 2) > 0)
        return le(b, 2, 2) == 1 ? PictureFormat::Icon : PictureFormat::Cursor;
    // A plain metafile: its header type (1 memory, 2 disk), header size 9 words, version.
    if (b.size() >= 18 && (le(b, 0, 2) == 1 || le(b, 0, 2) == 2) && le(b, 2, 2) == 9 &&
        (le(b, 4, 2) == 0x0100 || le(b, 4, 2) == 0x0300))
        return PictureFormat::Metafile;
    if (b.size() >= 16 && dib_header_size(le(b, 0, 4))) {
        const uint32_t planes = le(b, 0, 4) == 12 ? le(b, 8, 2) : le(b, 12, 2);
        if (planes == 1) return PictureFormat::Dib;
    }
    return PictureFormat::Unknown;
}

Picture Picture::from_bytes(std::string bytes) {
    Picture p;
    p.format = sniff_format(bytes);
    const auto [w, h] = size_of(p.format, bytes);
    p.width = w;
    p.height = h;
    p.bytes = std::move(bytes);
    return p;
}

}  // namespace kv::host
