#include "host/common/Picture.h"

#include <cstdlib>
#include <limits>

#include "host/common/ByteOrder.h"

namespace kv::host {

namespace {

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
    const uint32_t size = read_le(b, at, 4);
    if (size == 12)
        return {static_cast<int>(read_le(b, at + 4, 2)), static_cast<int>(read_le(b, at + 6, 2))};
    const auto w = static_cast<int32_t>(read_le(b, at + 4, 4));
    const auto h = static_cast<int32_t>(read_le(b, at + 8, 4));
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
        if (frame)
            return {static_cast<int>(read_be(b, i + 7, 2)), static_cast<int>(read_be(b, i + 5, 2))};
        const bool lone = marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
        i += lone ? 2 : 2 + read_be(b, i + 2, 2);
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
            if (read_le(b, 4, 2) == 0 || b.size() < 8) return {0, 0};
            const int w = static_cast<unsigned char>(b[6]), h = static_cast<unsigned char>(b[7]);
            return {w == 0 ? 256 : w, h == 0 ? 256 : h};
        }
        case PictureFormat::Gif:
            return {static_cast<int>(read_le(b, 6, 2)), static_cast<int>(read_le(b, 8, 2))};
        case PictureFormat::Png:
            return {static_cast<int>(read_be(b, 16, 4) & 0x7FFFFFFF),
                    static_cast<int>(read_be(b, 20, 4) & 0x7FFFFFFF)};
        case PictureFormat::Jpeg:
            return jpeg_size(b);
        default:
            return {0, 0};
    }
}

constexpr const char* kCutShort = "its data ends before the image does";
constexpr const char* kBadHeader = "its header cannot be read";

// A bitmap's info header at `at`, its pixels at `pixels` (0: right after its masks and colour
// table): are there as many bytes as its rows need?
std::string dib_damage(std::string_view b, size_t at, uint64_t pixels) {
    const uint32_t size = read_le(b, at, 4);
    if (!dib_header_size(size) || at + size > b.size()) return kCutShort;
    const bool core = size == 12;
    const int64_t w = core ? read_le(b, at + 4, 2) : static_cast<int32_t>(read_le(b, at + 4, 4));
    const int64_t h = core ? read_le(b, at + 6, 2) : static_cast<int32_t>(read_le(b, at + 8, 4));
    const uint32_t bits = read_le(b, at + (core ? 10 : 14), 2);
    const uint32_t compression = core ? 0 : read_le(b, at + 16, 4);
    if (w <= 0 || h == 0 ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return kBadHeader;
    uint64_t rows = 0;  // the bytes of the pixels
    if (compression == 0 || compression == 3 || compression == 6)
        rows = (static_cast<uint64_t>(w) * bits + 31) / 32 * 4 * static_cast<uint64_t>(std::abs(h));
    else if (compression <= 5)
        rows = read_le(b, at + 20, 4);  // run-length or embedded: the size the header gives
    else
        return kBadHeader;
    if (pixels == 0) {
        const uint64_t used = core ? 0 : read_le(b, at + 32, 4);
        const uint64_t colours = used ? used : bits <= 8 ? 1u << bits : 0;
        const uint64_t masks = size == 40 ? (compression == 3 ? 12 : compression == 6 ? 16 : 0) : 0;
        pixels = at + size + masks + colours * (core ? 3 : 4);
    }
    return pixels + rows > b.size() ? kCutShort : "";
}

// An icon's or cursor's images, each where its directory entry says.
std::string icon_damage(std::string_view b) {
    const uint64_t count = read_le(b, 4, 2);
    if (6 + 16 * count > b.size()) return kCutShort;
    for (uint64_t i = 0; i < count; ++i) {
        const size_t entry = static_cast<size_t>(6 + 16 * i);
        if (uint64_t{read_le(b, entry + 12, 4)} + read_le(b, entry + 8, 4) > b.size())
            return kCutShort;
    }
    return "";
}

// A GIF's blocks, up to its trailer.
std::string gif_damage(std::string_view b) {
    const auto table = [&](size_t flags_at) -> size_t {
        const auto flags = static_cast<unsigned char>(flags_at < b.size() ? b[flags_at] : 0);
        return flags & 0x80 ? size_t{3} << ((flags & 7) + 1) : 0;
    };
    size_t i = 13 + table(10);
    const auto sub_blocks = [&] {
        while (i < b.size()) {
            const auto n = static_cast<unsigned char>(b[i++]);
            if (n == 0) return true;
            i += n;
        }
        return false;
    };
    while (i < b.size()) {
        const char c = b[i];
        if (c == ';') return "";
        if (c == '!') {
            i += 2;
        } else if (c == ',') {
            i += 10 + table(i + 9) + 1;  // the descriptor, its colours, the code size
        } else {
            return kBadHeader;
        }
        if (!sub_blocks()) return kCutShort;
    }
    return kCutShort;
}

// A PNG's chunks, up to its end chunk.
std::string png_damage(std::string_view b) {
    for (uint64_t i = 8; i + 8 <= b.size();) {
        const std::string_view type = b.substr(static_cast<size_t>(i) + 4, 4);
        i += 12ull + read_be(b, static_cast<size_t>(i), 4);
        if (i > b.size()) return kCutShort;
        if (type == "IEND") return "";
    }
    return kCutShort;
}

// A JPEG's markers up to its scan, and the end of the image after it.
std::string jpeg_damage(std::string_view b) {
    size_t i = 2;
    while (i + 4 <= b.size()) {
        if (static_cast<unsigned char>(b[i]) != 0xFF) return kBadHeader;
        const auto marker = static_cast<unsigned char>(b[i + 1]);
        if (marker == 0xFF) {
            ++i;
            continue;
        }
        const bool lone = marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
        const size_t next = i + (lone ? 2 : 2 + read_be(b, i + 2, 2));
        if (marker == 0xDA)
            return next <= b.size() && b.find("\xFF\xD9", next) != std::string_view::npos
                       ? ""
                       : kCutShort;
        i = next;
    }
    return kCutShort;
}

std::string damage_of(PictureFormat format, std::string_view b) {
    switch (format) {
        case PictureFormat::Bitmap:
            return b.size() < 14 ? kCutShort : dib_damage(b, 14, read_le(b, 10, 4));
        case PictureFormat::Dib:
            return dib_damage(b, 0, 0);
        case PictureFormat::Icon:
        case PictureFormat::Cursor:
            return icon_damage(b);
        case PictureFormat::Gif:
            return gif_damage(b);
        case PictureFormat::Png:
            return png_damage(b);
        case PictureFormat::Jpeg:
            return jpeg_damage(b);
        default:
            return "";
    }
}

}  // namespace

const char* article_of(PictureFormat format) {
    const char first = format_name(format)[0];
    return first == 'u' || first == 'I' || first == 'E' ? "an" : "a";
}

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
    if (starts(b, "BM") && b.size() >= 18 && dib_header_size(read_le(b, 14, 4)))
        return PictureFormat::Bitmap;
    if (starts(b, "GIF87a") || starts(b, "GIF89a")) return PictureFormat::Gif;
    if (starts(b, "\xFF\xD8\xFF")) return PictureFormat::Jpeg;
    if (starts(b, "\x89PNG\r\n\x1A\n")) return PictureFormat::Png;
    if (starts(b, "\xD7\xCD\xC6\x9A")) return PictureFormat::Metafile;
    if (b.size() >= 44 && read_le(b, 0, 4) == 1 && b.substr(40, 4) == " EMF")
        return PictureFormat::EnhancedMetafile;
    if (b.size() >= 6 && read_le(b, 0, 2) == 0 &&
        (read_le(b, 2, 2) == 1 || read_le(b, 2, 2) == 2) && read_le(b, 4, 2) > 0)
        return read_le(b, 2, 2) == 1 ? PictureFormat::Icon : PictureFormat::Cursor;
    // A plain metafile: its header type (1 memory, 2 disk), header size 9 words, version.
    if (b.size() >= 18 && (read_le(b, 0, 2) == 1 || read_le(b, 0, 2) == 2) &&
        read_le(b, 2, 2) == 9 && (read_le(b, 4, 2) == 0x0100 || read_le(b, 4, 2) == 0x0300))
        return PictureFormat::Metafile;
    if (b.size() >= 16 && dib_header_size(read_le(b, 0, 4))) {
        const uint32_t planes = read_le(b, 0, 4) == 12 ? read_le(b, 8, 2) : read_le(b, 12, 2);
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
    if (p.format == PictureFormat::Cursor && bytes.size() >= 6 + 16) {
        // The first directory entry keeps the hot spot where an icon keeps planes and bits.
        p.hot_x = static_cast<int>(read_le(bytes, 6 + 4, 2));
        p.hot_y = static_cast<int>(read_le(bytes, 6 + 6, 2));
    }
    p.damage = damage_of(p.format, bytes);
    p.bytes = std::move(bytes);
    return p;
}

}  // namespace kv::host
