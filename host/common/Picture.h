#pragma once
// A picture as a form stores it (a form's Picture and Icon, a picture box's or an image's
// Picture, a tab's TabPicture): the image bytes in their own format, told by their first bytes,
// and the size the image's header gives. Decoding to pixels is the painting side's business
// (PictureImage); what is known here needs no image library.
#include <cstdint>
#include <string>
#include <string_view>

namespace kv::host {

enum class PictureFormat {
    Bitmap,            // a .bmp file ("BM")
    Dib,               // a device-independent bitmap without the file header
    Icon,              // .ico
    Cursor,            // .cur
    Gif,               // GIF87a, GIF89a
    Jpeg,              // FF D8 FF
    Png,               // \x89PNG
    Metafile,          // WMF, placeable (D7 CD C6 9A) or plain
    EnhancedMetafile,  // EMF
    Unknown,           // none of these
};

// "BMP", "DIB", "ICO", "CUR", "GIF", "JPEG", "PNG", "WMF", "EMF", "unknown".
const char* format_name(PictureFormat format);

// The format the bytes start with.
PictureFormat sniff_format(std::string_view bytes);

// "a" or "an", as the format's name is said ("an ICO", "a GIF", "an unknown").
const char* article_of(PictureFormat format);

struct Picture {
    PictureFormat format = PictureFormat::Unknown;
    std::string bytes;
    // Pixels as the image's header says (for an icon its first image); 0 when it does not say.
    int width = 0, height = 0;
    // A cursor's hot spot in its first image, as its directory gives it; -1 for other formats.
    int hot_x = -1, hot_y = -1;
    // Why the bytes cannot be a whole image of their format (cut short, a header that makes no
    // sense); empty when they can, or when the format is not one checked (metafiles, unknown).
    std::string damage;

    // A picture made from its bytes: the format sniffed and the size read from the header.
    static Picture from_bytes(std::string bytes);
    bool has_size() const { return width > 0 && height > 0; }
};

}  // namespace kv::host
