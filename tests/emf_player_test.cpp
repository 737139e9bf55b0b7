// Enhanced metafiles played into images: drawing records in the text mapping mode, the other
// mapping modes and the world transform, stock objects and the slots records name, paths,
// clipping regions, text, bitmaps, and damaged or unplayable bytes.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstring>
#include <string>

#include "host/common/EmfPlayer.h"
#include "host/common/Picture.h"
#include "host/common/PictureImage.h"
#include "tests/picture_bytes.h"

namespace kv::test {

namespace {

using host::EmfPlayer;

constexpr QRgb kRed = 0xFFFF0000u, kBlue = 0xFF0000FFu, kBlack = 0xFF000000u, kNone = 0;
constexpr int kNullPen = static_cast<int>(0x80000008u), kBlackBrush = static_cast<int>(0x80000004u);

// 96 x 96 pixels: in the text mapping mode a logical unit is a pixel.
QImage played(const std::string& records) {
    return EmfPlayer(emf_of(96, 96, records)).image(host::kMaxMetafileSide);
}

// A red brush in slot 1 and the null pen, selected.
std::string red_fill() {
    return emf_record(39, {1, 0, 0x0000FF, 0}) + emf_record(37, {1}) + emf_record(37, {kNullPen});
}

int bits_of(float f) {
    int i;
    std::memcpy(&i, &f, sizeof i);
    return i;
}

std::string rectangle(int l, int t, int r, int b) {
    return emf_record(43, {l, t, r, b});
}

// A 2 x 2 24-bit bitmap's header and its bits (rows bottom up): top row blue, white; bottom
// row red, black.
std::string bitmap_header() {
    std::string h;
    for (unsigned v : {40u, 2u, 2u}) put32(h, v);
    put16(h, 1);
    put16(h, 24);
    for (int i = 0; i < 6; ++i) put32(h, 0);
    return h;
}
std::string bitmap_bits() {
    return std::string("\x00\x00\xFF\x00\x00\x00\x00\x00", 8) +  // red, black, padding
           std::string("\xFF\x00\x00\xFF\xFF\xFF\x00\x00", 8);   // blue, white, padding
}

}  // namespace

// Each drawing record fills or strokes where its coordinates say.
TEST(EmfPlayer, EachShapeDrawsWhereItsRecordSays) {
    struct Case {
        const char* name;
        std::string records;
        QPoint in;
        QRgb colour;
        QPoint out;
    };
    const Case cases[] = {
        {"rectangle", red_fill() + rectangle(10, 10, 50, 50), {30, 30}, kRed, {70, 70}},
        {"stock brush",
         emf_record(37, {kBlackBrush}) + emf_record(37, {kNullPen}) + rectangle(10, 10, 50, 50),
         {30, 30},
         kBlack,
         {70, 70}},
        {"ellipse", red_fill() + emf_record(42, {0, 0, 96, 96}), {48, 48}, kRed, {3, 3}},
        {"polygon",
         red_fill() + emf_record(86, {0, 0, 96, 96, 3, emf_point16(0, 0), emf_point16(96, 0),
                                      emf_point16(0, 96)}),
         {10, 10},
         kRed,
         {80, 80}},
        // From the right counterclockwise to the top.
        {"pie",
         red_fill() + emf_record(47, {0, 0, 96, 96, 96, 48, 48, 0}),
         {70, 30},
         kRed,
         {30, 70}},
        // Through (48, 48), the middle of a curve symmetric about it.
        {"bezier",
         emf_record(38, {3, 0, 0, 0, 0xFF0000}) + emf_record(37, {3}) +
             emf_record(85, {0, 0, 96, 96, 4, emf_point16(0, 48), emf_point16(32, 0),
                             emf_point16(64, 96), emf_point16(96, 48)}),
         {48, 48},
         kBlue,
         {48, 20}},
        {"path",
         red_fill() + emf_record(59, {}) + emf_record(27, {0, 0}) + emf_record(54, {96, 0}) +
             emf_record(54, {0, 96}) + emf_record(61, {}) + emf_record(60, {}) +
             emf_record(62, {0, 0, 96, 96}),
         {10, 10},
         kRed,
         {80, 80}},
        {"clip region",
         red_fill() + emf_record(75, {48, 5, 32, 1, 1, 16, 0, 0, 48, 96, 0, 0, 48, 96}) +
             rectangle(0, 0, 96, 96),
         {24, 48},
         kRed,
         {72, 48}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = played(c.records);
        ASSERT_EQ(image.size(), QSize(96, 96));
        EXPECT_EQ(image.pixel(c.in), c.colour);
        EXPECT_EQ(image.pixel(c.out), kNone);
    }
}

// The world transform, window and viewport, and the fixed mapping modes (y upwards) all land
// the same rectangle in the lower right quarter.
TEST(EmfPlayer, MappingModesAndTheWorldTransformPlaceTheDrawing) {
    const std::string world =
        emf_record(35, {bits_of(0.5f), 0, 0, bits_of(0.5f), bits_of(48.0f), bits_of(48.0f)}) +
        rectangle(0, 0, 96, 96);
    const std::string anisotropic = emf_record(17, {8}) + emf_record(9, {200, 200}) +
                                    emf_record(11, {96, 96}) + rectangle(100, 100, 200, 200);
    // Twips: 15 to the pixel, y upwards from the window's origin at the picture's bottom left.
    const std::string twips =
        emf_record(17, {6}) + emf_record(12, {0, 96}) + rectangle(720, 0, 1440, 720);
    for (const std::string& mapped : {world, anisotropic, twips}) {
        const QImage image = played(red_fill() + mapped);
        EXPECT_EQ(image.pixel(72, 72), kRed);
        EXPECT_EQ(image.pixel(24, 24), kNone);
        EXPECT_EQ(image.pixel(72, 24), kNone);
    }
}

// A state saved and restored brings back the brush; text in its font and colour; a bitmap the
// right way up.
TEST(EmfPlayer, StatesTextAndBitmaps) {
    const QImage restored = played(red_fill() + emf_record(33, {}) + emf_record(37, {kBlackBrush}) +
                                   emf_record(34, {-1}) + rectangle(0, 0, 96, 96));
    EXPECT_EQ(restored.pixel(48, 48), kRed);

    // A bold font of 40 pixels in slot 2 ("Arial"), "HH" from (10, 10), transparent.
    std::string font =
        emf_record(82, {2, -40, 0, 0, 0, 700, 0, 0, 0x00720041, 0x00610069, 0x0000006C, 0, 0,
                        0, 0,   0, 0, 0, 0,   0, 0, 0,          0,          0,          0});
    const std::string text = emf_record(84, {0, 0, 96, 96, 1, 0, 0,  // bounds, mode, scales
                                             10, 10, 2, 76, 0,       // point, count, offset
                                             0, 0, 0, 0, 0,          // options, rectangle, dx
                                             0x00480048});
    const QImage written = played(font + emf_record(37, {2}) + emf_record(18, {1}) + text);
    int dark = 0;
    for (int y = 10; y < 60; ++y)
        for (int x = 10; x < 70; ++x)
            if (qAlpha(written.pixel(x, y)) > 128 && qGray(written.pixel(x, y)) < 100) ++dark;
    EXPECT_GT(dark, 30);
    EXPECT_EQ(written.pixel(90, 90), kNone);

    // StretchDIBits over the whole picture: header at 80, bits after it.
    const std::string header = bitmap_header(), bits = bitmap_bits();
    std::string blit = emf_record(81, {0, 0, 95, 95, 0, 0, 0, 0, 2, 2, 80, 40, 120, 16, 0,
                                       static_cast<int>(0x00CC0020u), 96, 96});
    blit += header + bits;
    blit.replace(4, 4, std::string(1, static_cast<char>(blit.size())) + std::string(3, '\0'));
    const QImage image = played(blit);
    EXPECT_EQ(image.pixel(20, 20), kBlue);
    EXPECT_EQ(image.pixel(76, 20), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(20, 76), kRed);
    EXPECT_EQ(image.pixel(76, 76), kBlack);
}

// Damaged records end the picture or are passed over; what was drawn before stays.
TEST(EmfPlayer, DamagedRecordsDoNotTakeTheDrawingWithThem) {
    const std::string before = red_fill() + rectangle(0, 0, 48, 48);
    std::string odd = emf_record(43, {48, 48, 96, 96});
    odd[4] = 22;  // not whole words
    const std::string cases[] = {
        emf_record(86, {0, 0, 96, 96, 1000000, emf_point16(48, 48)}),  // more points than it has
        emf_record(91, {0, 0, 96, 96, 3, 9, 3, 3, 3}),                 // counts past its end
        emf_record(34, {-5}),                                          // a restore without a save
        emf_record(37, {400000}) + emf_record(40, {400000}),           // no such object
        emf_record(38, {static_cast<int>(0x7FFFFFFF), 0, 5, 5, 0}),    // a slot far out
        emf_record(84, {0, 0, 96, 96, 1, 0, 0, 10, 10, 5000, 76}),     // text past its end
        emf_record(81, {0, 0, 95, 95, 0, 0, 0, 0, 2, 2, 80, 4000, 120, 16, 0, 0xCC0020, 96, 96}),
        emf_record(35, {0, 0, 0, 0, 0, 0}) + rectangle(48, 48, 96, 96),  // a world of no size
        odd,
        // Values at the ends of their range: a font's height, width and angle, a restore, a
        // corner's size.
        emf_record(82, {3, INT32_MIN, INT32_MIN, INT32_MIN, 0, 700}) + emf_record(37, {3}) +
            emf_record(84, {0, 0, 96, 96, 1, 0, 0, 10, 10, 1, 76, 0, 0, 0, 0, 0, 0, 0x48}),
        emf_record(34, {INT32_MIN}), emf_record(44, {0, 0, 48, 48, INT32_MIN, INT32_MIN}),
        std::string("\x2B\0\0\0\x04\0\0\0", 8),    // shorter than its own header
        std::string("\x2B\0\0\0\xFF\xFF\0\0", 8),  // longer than what is left
    };
    for (const std::string& damage : cases) {
        const QImage image = played(before + damage);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixel(10, 10), kRed);
        EXPECT_NE(image.pixel(80, 80), kRed);
    }
}

// The frame gives the size; bytes that are no enhanced metafile give no image; through the
// pictures' decoder an EMF is drawn like any picture.
TEST(EmfPlayer, TheFrameGivesTheSize) {
    EXPECT_EQ(EmfPlayer(emf_of(120, 60, "")).natural_size(), QSize(120, 60));
    std::string unsigned_header = emf_of(96, 96, "");
    unsigned_header[40] = 'X';
    std::string short_header = emf_of(96, 96, "");
    short_header[4] = 40;
    for (const std::string& bytes : {unsigned_header, short_header, std::string("")})
        EXPECT_TRUE(EmfPlayer(bytes).image(2048).isNull());
    EXPECT_TRUE(EmfPlayer(emf_of(3000, 96, "")).image(2048).isNull());
    const host::Picture picture = host::Picture::from_bytes(emf_two_colours(16, 12));
    const QImage image = host::picture_image(picture);
    ASSERT_EQ(image.size(), QSize(16, 12));
    EXPECT_EQ(image.pixel(2, 6), kRed);
    EXPECT_EQ(image.pixel(13, 6), kBlue);
    // Stretched, it is drawn at the size it is shown.
    QImage large(160, 120, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        QPainter p(&large);
        EXPECT_TRUE(host::play_metafile(picture, p, QRectF(0, 0, 160, 120)));
    }
    EXPECT_EQ(large.pixel(79, 60), kRed);
    EXPECT_EQ(large.pixel(80, 60), kBlue);
}

}  // namespace kv::test
