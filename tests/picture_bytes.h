#pragma once
// Pictures of every format a form's .frx holds, made in memory for the tests: a small image of
// known colours encoded by Qt's writers (BMP, ICO, JPEG, PNG) or by hand (GIF, a bitmap without
// its file header, a cursor, metafiles), and the form files that refer to them.
#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <initializer_list>
#include <string>
#include <vector>

namespace kv::test {

// Left half red, right half blue.
inline QImage two_colours(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, x < w / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}

inline std::string encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (std::string(format) == "jpeg") writer.setQuality(95);
    writer.write(image);
    return bytes.toStdString();
}

inline void put16(std::string& b, unsigned v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>((v >> 8) & 0xFF);
}

inline void put32(std::string& b, unsigned v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// A bitmap as a picture keeps it without the file header: the info header first.
inline std::string dib_of(const std::string& bmp) {
    return bmp.substr(14);
}

// An icon made a cursor: type 2, the hot spot where an icon keeps planes and bit count.
inline std::string cursor_of(const std::string& ico) {
    std::string cur = ico;
    cur[2] = 2;
    cur[6 + 4] = 1;  // hot spot x
    cur[6 + 6] = 1;  // hot spot y
    return cur;
}

// A GIF of the two colours, each pixel its own code after a clear code so the codes stay
// three bits wide.
inline std::string gif_two_colours(int w, int h) {
    std::string g = "GIF89a";
    put16(g, w);
    put16(g, h);
    g += static_cast<char>(0x81);  // a global table of 4 colours
    g += '\0';
    g += '\0';
    for (QRgb c : {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 0), qRgb(255, 255, 255)}) {
        g += static_cast<char>(qRed(c));
        g += static_cast<char>(qGreen(c));
        g += static_cast<char>(qBlue(c));
    }
    g += ',';
    put16(g, 0);
    put16(g, 0);
    put16(g, w);
    put16(g, h);
    g += '\0';
    g += '\2';  // smallest code size: clear 4, end 5, codes 3 bits wide
    std::vector<int> codes;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            codes.push_back(4);
            codes.push_back(x < w / 2 ? 0 : 1);
        }
    codes.push_back(5);
    std::string data;
    unsigned acc = 0;
    int bits = 0;
    for (int code : codes) {
        acc |= static_cast<unsigned>(code) << bits;
        bits += 3;
        while (bits >= 8) {
            data += static_cast<char>(acc & 0xFF);
            acc >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0) data += static_cast<char>(acc & 0xFF);
    for (size_t at = 0; at < data.size(); at += 255) {
        const std::string block = data.substr(at, 255);
        g += static_cast<char>(block.size());
        g += block;
    }
    g += '\0';
    g += ';';
    return g;
}

// A metafile record: its size in words, its function and its parameter words.
inline std::string wmf_record(unsigned function, std::initializer_list<int> words) {
    std::string r;
    put32(r, 3 + static_cast<unsigned>(words.size()));
    put16(r, function);
    for (int w : words) put16(r, static_cast<unsigned>(w) & 0xFFFF);
    return r;
}

// A placeable metafile whose frame is (0, 0)-(w, h) in units of `inch` to the inch (twips by
// default): its records, then the end record.
inline std::string placeable_wmf(int w, int h, const std::string& records = "", int inch = 1440) {
    std::string m;
    put32(m, 0x9AC6CDD7u);
    put16(m, 0);  // handle
    for (int v : {0, 0, w, h}) put16(m, static_cast<unsigned>(v));
    put16(m, static_cast<unsigned>(inch));
    put32(m, 0);
    unsigned sum = 0;
    for (size_t i = 0; i < m.size(); i += 2)
        sum ^= static_cast<unsigned char>(m[i]) | (static_cast<unsigned char>(m[i + 1]) << 8);
    put16(m, sum);
    put16(m, 1);                                                  // in memory
    put16(m, 9);                                                  // header words
    put16(m, 0x0300);                                             // version
    put32(m, static_cast<unsigned>(9 + records.size() / 2 + 3));  // words in all
    put16(m, 8);                                                  // objects
    put32(m, 3);
    put16(m, 0);
    m += records;
    put32(m, 3);  // the end record
    put16(m, 0);
    return m;
}

// A solid brush or a pen of `rgb` (0xRRGGBB), made and selected into slot `slot` (the records
// hand out the lowest free slot: the caller says which one that is).
inline std::string wmf_solid_brush(unsigned rgb, int slot) {
    const unsigned ref = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    return wmf_record(0x02FC, {0, static_cast<int>(ref & 0xFFFF), static_cast<int>(ref >> 16), 0}) +
           wmf_record(0x012D, {slot});
}
inline std::string wmf_pen(int style, int width, unsigned rgb, int slot) {
    const unsigned ref = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    return wmf_record(0x02FA, {style, width, 0, static_cast<int>(ref & 0xFFFF),
                               static_cast<int>(ref >> 16)}) +
           wmf_record(0x012D, {slot});
}
inline std::string wmf_rectangle(int left, int top, int right, int bottom) {
    return wmf_record(0x041B, {bottom, right, top, left});
}

// Left half red, right half blue, drawn as two rectangles without an outline over a frame of
// w x h twips.
inline std::string wmf_two_colours(int w, int h) {
    return placeable_wmf(w, h,
                         wmf_pen(5, 0, 0, 0) + wmf_solid_brush(0xFF0000, 1) +
                             wmf_rectangle(0, 0, w / 2, h) + wmf_solid_brush(0x0000FF, 2) +
                             wmf_rectangle(w / 2, 0, w, h));
}

// An enhanced metafile record: its type, its size, its 32-bit values.
inline std::string emf_record(unsigned type, std::initializer_list<int> values) {
    std::string r;
    put32(r, type);
    put32(r, static_cast<unsigned>(8 + 4 * values.size()));
    for (int v : values) put32(r, static_cast<unsigned>(v));
    return r;
}

// Two 16-bit coordinates in one value, as the 16-bit records keep points.
inline int emf_point16(int x, int y) {
    return static_cast<int>((static_cast<unsigned>(x) & 0xFFFF) | (static_cast<unsigned>(y) << 16));
}

// An enhanced metafile whose frame is w x h pixels of a reference device of 96 pixels to the
// inch (so that a logical unit of the text mapping mode is a pixel at the natural size): its
// header, its records, then the end record.
inline std::string emf_of(int w, int h, const std::string& records) {
    std::string m;
    put32(m, 1);
    put32(m, 108);
    for (int v : {0, 0, w - 1, h - 1}) put32(m, static_cast<unsigned>(v));  // bounds
    for (int v : {0, 0, w * 2540 / 96, h * 2540 / 96}) put32(m, static_cast<unsigned>(v));
    put32(m, 0x464D4520u);  // " EMF"
    put32(m, 0x10000);
    put32(m, static_cast<unsigned>(108 + records.size() + 20));
    put32(m, 3);
    put16(m, 8);  // handles
    put16(m, 0);
    for (int i = 0; i < 3; ++i) put32(m, 0);                                // description, palette
    for (int v : {960, 960, 254, 254}) put32(m, static_cast<unsigned>(v));  // device, mm
    while (m.size() < 108) m += '\0';
    m += records;
    put32(m, 14);  // the end record
    put32(m, 20);
    put32(m, 0);
    put32(m, 16);
    put32(m, 20);
    return m;
}

// Left half red, right half blue, over w x h pixels.
inline std::string emf_two_colours(int w, int h) {
    return emf_of(w, h,
                  emf_record(37, {static_cast<int>(0x80000008u)}) +  // the null pen
                      emf_record(39, {1, 0, 0x0000FF, 0}) + emf_record(37, {1}) +
                      emf_record(43, {0, 0, w / 2, h}) + emf_record(39, {2, 0, 0xFF0000, 0}) +
                      emf_record(37, {2}) + emf_record(43, {w / 2, 0, w, h}));
}

// An empty enhanced metafile: its header record and the end record.
inline std::string empty_emf() {
    std::string m;
    put32(m, 1);
    put32(m, 108);
    for (int i = 0; i < 8; ++i) put32(m, 0);  // bounds and frame
    put32(m, 0x464D4520u);                    // " EMF"
    put32(m, 0x10000);
    put32(m, 108 + 20);
    put32(m, 2);
    put16(m, 1);
    put16(m, 0);
    while (m.size() < 108) m += '\0';
    put32(m, 14);
    put32(m, 20);
    put32(m, 0);
    put32(m, 16);
    put32(m, 20);
    return m;
}

}  // namespace kv::test
