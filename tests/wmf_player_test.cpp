// Metafiles as forms keep them, played into images: each drawing record where its coordinates
// say, the window mapped onto the frame, the object table's slots, saved states, text, bitmaps,
// and damaged or unplayable bytes.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "host/common/Picture.h"
#include "host/common/PictureImage.h"
#include "host/common/WmfPlayer.h"
#include "tests/picture_bytes.h"

namespace kv::test {

namespace {

using host::WmfPlayer;

constexpr QRgb kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu, kNone = 0;

// A frame of 96 x 96 units at 96 to the inch: one unit is one pixel.
QImage played(const std::string& records) {
    return WmfPlayer(placeable_wmf(96, 96, records, 96)).image(host::kMaxPictureImageSide);
}

std::string red_fill() {
    return wmf_pen(5, 0, 0, 0) + wmf_solid_brush(0xFF0000, 1);
}

// A 24-bit bitmap without its file header, rows bottom up, `colours` top row first.
std::string dib(int w, int h, const std::vector<QRgb>& colours) {
    std::string d;
    put32(d, 40);
    put32(d, static_cast<unsigned>(w));
    put32(d, static_cast<unsigned>(h));
    put16(d, 1);
    put16(d, 24);
    for (int i = 0; i < 6; ++i) put32(d, 0);
    const int stride = (w * 3 + 3) / 4 * 4;
    for (int y = h - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < w; ++x) {
            const QRgb c = colours[static_cast<size_t>(y * w + x)];
            row += static_cast<char>(qBlue(c));
            row += static_cast<char>(qGreen(c));
            row += static_cast<char>(qRed(c));
        }
        row.resize(static_cast<size_t>(stride), '\0');
        d += row;
    }
    return d;
}

// A bitmap record: its fixed words, then the bitmap.
std::string with_dib(unsigned function, std::initializer_list<int> words, const std::string& d) {
    std::string r;
    put32(r, static_cast<unsigned>(3 + words.size() + d.size() / 2));
    put16(r, function);
    for (int w : words) put16(r, static_cast<unsigned>(w) & 0xFFFF);
    return r + d;
}

}  // namespace

// Each drawing record fills or strokes where its coordinates say, and nowhere else.
TEST(WmfPlayer, EachShapeDrawsWhereItsRecordSays) {
    struct Case {
        const char* name;
        std::string records;
        QPoint in;
        QRgb colour;
        QPoint out;
    };
    const Case cases[] = {
        {"rectangle", red_fill() + wmf_rectangle(10, 10, 50, 50), {30, 30}, kRed, {70, 70}},
        {"ellipse", red_fill() + wmf_record(0x0418, {96, 96, 0, 0}), {48, 48}, kRed, {3, 3}},
        {"round rectangle",
         red_fill() + wmf_record(0x061C, {40, 40, 96, 96, 0, 0}),
         {48, 48},
         kRed,
         {1, 1}},
        {"polygon",
         red_fill() + wmf_record(0x0324, {3, 0, 0, 96, 0, 0, 96}),
         {10, 10},
         kRed,
         {80, 80}},
        // An inner square inside an outer one: a hole with the alternate fill.
        {"polygons",
         red_fill() + wmf_record(0x0538, {2, 4, 4, 0, 0, 96, 0, 96, 96, 0, 96, 30, 30, 66, 30, 66,
                                          66, 30, 66}),
         {10, 10},
         kRed,
         {48, 48}},
        // From the right (0 degrees) counterclockwise to the top (90).
        {"pie",
         red_fill() + wmf_record(0x081A, {0, 48, 48, 96, 96, 96, 0, 0}),
         {70, 30},
         kRed,
         {30, 70}},
        {"chord",
         red_fill() + wmf_record(0x0830, {0, 48, 48, 96, 96, 96, 0, 0}),
         {80, 20},
         kRed,
         {30, 70}},
        {"line",
         wmf_pen(0, 0, 0x0000FF, 0) + wmf_record(0x0214, {48, 0}) + wmf_record(0x0213, {48, 96}),
         {48, 48},
         kBlue,
         {48, 40}},
        {"pattern blit",
         red_fill() + wmf_record(0x061D, {0x0021, 0x00F0, 20, 20, 10, 10}),
         {20, 20},
         kRed,
         {40, 40}},
        {"pixel", wmf_record(0x041F, {0xFF00, 0, 5, 7}), {7, 5}, kGreen, {8, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = played(c.records);
        ASSERT_EQ(image.size(), QSize(96, 96));
        EXPECT_EQ(image.pixel(c.in), c.colour);
        EXPECT_EQ(image.pixel(c.out), kNone);
    }
}

// The window (origin and extent) is what the frame shows, however large the picture is drawn.
TEST(WmfPlayer, TheWindowIsMappedOntoTheFrame) {
    const std::string records = wmf_record(0x020B, {100, 100}) + wmf_record(0x020C, {200, 200}) +
                                red_fill() + wmf_rectangle(200, 200, 300, 300);
    const std::string wmf = placeable_wmf(1440, 1440, records);  // one inch: 96 pixels
    const QImage image = WmfPlayer(wmf).image(host::kMaxPictureImageSide);
    ASSERT_EQ(image.size(), QSize(96, 96));
    EXPECT_EQ(image.pixel(72, 72), kRed);
    EXPECT_EQ(image.pixel(24, 24), kNone);
    // A pen narrower than a pixel on the frame draws a pixel wide.
    const QImage thin =
        WmfPlayer(placeable_wmf(1440, 1440,
                                wmf_record(0x020B, {100, 100}) + wmf_record(0x020C, {200, 200}) +
                                    wmf_pen(0, 3, 0x0000FF, 0) + wmf_record(0x0214, {150, 100}) +
                                    wmf_record(0x0213, {150, 300})))
            .image(host::kMaxPictureImageSide);
    EXPECT_EQ(thin.pixel(48, 24), kBlue);
    // Played onto a painter of its own coordinates: the target is in them.
    QImage moved(200, 200, QImage::Format_ARGB32_Premultiplied);
    moved.fill(Qt::transparent);
    {
        QPainter p(&moved);
        p.translate(50, 50);
        WmfPlayer(wmf).play(p, QRectF(0, 0, 96, 96));
    }
    EXPECT_EQ(moved.pixel(50 + 72, 50 + 72), kRed);
    EXPECT_EQ(moved.pixel(72, 72), kNone);
    // Through the pictures' decoder, as forms' pictures are decoded.
    EXPECT_EQ(host::picture_image(host::Picture::from_bytes(wmf)), image);
}

// New objects take the lowest free slot, so a slot given back is used again; a state saved and
// restored brings the brush back.
TEST(WmfPlayer, ObjectsAndSavedStatesAreKeptAsTheRecordsSay) {
    const std::string brush_red = wmf_record(0x02FC, {0, 0x00FF, 0, 0});
    const std::string brush_green = wmf_record(0x02FC, {0, 0xFF00, 0, 0});
    const std::string brush_blue = wmf_record(0x02FC, {0, 0, 0x00FF, 0});
    const std::string null_pen = wmf_record(0x02FA, {5, 0, 0, 0, 0});
    // Slots: red 0, green 1, pen 2; red deleted, blue takes 0.
    const QImage reused = played(brush_red + brush_green + null_pen + wmf_record(0x012D, {2}) +
                                 wmf_record(0x01F0, {0}) + brush_blue + wmf_record(0x012D, {0}) +
                                 wmf_rectangle(0, 0, 96, 96));
    EXPECT_EQ(reused.pixel(48, 48), kBlue);
    const QImage restored =
        played(red_fill() + wmf_record(0x001E, {}) + wmf_solid_brush(0x00FF00, 2) +
               wmf_record(0x0127, {static_cast<int>(0xFFFF)}) + wmf_rectangle(0, 0, 96, 96));
    EXPECT_EQ(restored.pixel(48, 48), kRed);
}

// Text in the text colour, at its reference point and alignment; an opaque rectangle of an
// ExtTextOut in the background colour.
TEST(WmfPlayer, TextIsDrawnAtItsPoint) {
    const std::string font =
        wmf_record(0x02FB, {-40, 0, 0, 0, 700, 0, 0, 0, 0, 0x7241, 0x6169, 0x006C,
                            0,   0, 0, 0, 0,   0, 0, 0, 0, 0,      0,      0}) +
        wmf_record(0x012D, {0});
    auto dark_in = [](const QImage& image, QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qAlpha(image.pixel(x, y)) > 128 && qGray(image.pixel(x, y)) < 100) ++n;
        return n;
    };
    // TextOut "HH" from (10, 10), top-aligned, transparent background.
    const QImage text =
        played(font + wmf_record(0x0102, {1}) + wmf_record(0x0521, {2, 0x4848, 10, 10}));
    EXPECT_GT(dark_in(text, QRect(10, 10, 50, 40)), 30);
    EXPECT_EQ(dark_in(text, QRect(0, 60, 96, 36)), 0);
    EXPECT_EQ(text.pixel(90, 90), kNone);
    // ExtTextOut with ETO_OPAQUE over (0, 60)-(96, 96) in green.
    const QImage opaque = played(font + wmf_record(0x0201, {0xFF00, 0}) +
                                 wmf_record(0x0A32, {60, 0, 1, 2, 0, 60, 96, 96, 0x0048}));
    EXPECT_EQ(opaque.pixel(90, 90), kGreen);
    EXPECT_EQ(opaque.pixel(90, 30), kNone);
}

// A bitmap stretched over its destination the right way up; the mask-and-paint pair of blits
// leaves the background as it was.
TEST(WmfPlayer, BitmapsAreDrawnTheRightWayUp) {
    const std::string two_by_two = dib(2, 2, {kBlue, 0xFFFFFFFFu, kRed, kGreen});
    // StretchDIBits: rop, usage, source h, w, y, x, destination h, w, y, x.
    const QImage image =
        played(with_dib(0x0F43, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 96, 96, 0, 0}, two_by_two));
    EXPECT_EQ(image.pixel(20, 20), kBlue);
    EXPECT_EQ(image.pixel(76, 20), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(20, 76), kRed);
    EXPECT_EQ(image.pixel(76, 76), kGreen);
    // One source row: StretchDIBits counts a bottom-up bitmap's rows from its bottom,
    // DIBStretchBlt from its top.
    const QImage top_row =
        played(with_dib(0x0F43, {0x0020, 0x00CC, 0, 1, 2, 1, 0, 96, 96, 0, 0}, two_by_two));
    EXPECT_EQ(top_row.pixel(20, 76), kBlue);
    const QImage bottom_row =
        played(with_dib(0x0B41, {0x0020, 0x00CC, 1, 2, 1, 0, 96, 96, 0, 0}, two_by_two));
    EXPECT_EQ(bottom_row.pixel(20, 20), kRed);
    // DIBStretchBlt of a mask (white around a black square), then of the picture (black around
    // a red square).
    const QRgb w = 0xFFFFFFFFu, k = 0xFF000000u;
    const std::string mask = dib(2, 2, {w, w, w, k}), paint = dib(2, 2, {k, k, k, kRed});
    const QImage masked =
        played(with_dib(0x0B41, {0x00C6, 0x0088, 2, 2, 0, 0, 96, 96, 0, 0}, mask) +
               with_dib(0x0B41, {0x0086, 0x00EE, 2, 2, 0, 0, 96, 96, 0, 0}, paint));
    EXPECT_EQ(masked.pixel(76, 76), kRed);
    EXPECT_EQ(masked.pixel(20, 20), kNone);
}

// Damaged records end the picture or are passed over; what was drawn before stays.
TEST(WmfPlayer, DamagedRecordsDoNotTakeTheDrawingWithThem) {
    const std::string before = red_fill() + wmf_rectangle(0, 0, 48, 48);
    const std::string cases[] = {
        wmf_record(0x0324, {30000, 0, 0}),                         // more points than it has
        wmf_record(0x0538, {30000, 4}),                            // more polygons than it has
        wmf_record(0x0127, {-5}),                                  // a restore without a save
        wmf_record(0x012D, {400}) + wmf_record(0x01F0, {400}),     // no such object
        wmf_record(0x0521, {30000, 0x4848}),                       // text longer than its record
        wmf_record(0x020C, {0, 0}) + wmf_rectangle(0, 0, 96, 96),  // a window of no size
        with_dib(0x0F43, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 96, 96, 0, 0}, "garbage!"),
        std::string("\x01\x00\x00\x00\x1B\x04", 6),  // fewer words than a record's header
        std::string("\xFF\xFF\x00\x00\x1B\x04", 6),  // more words than there are
    };
    auto check = [](const QImage& image) {
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixel(10, 10), kRed);
        EXPECT_NE(image.pixel(80, 80), kRed);
    };
    for (const std::string& damage : cases) check(played(before + damage));
    // A record cut short at the end of the bytes.
    std::string cut = placeable_wmf(96, 96, before + wmf_rectangle(48, 48, 96, 96), 96);
    cut.resize(cut.size() - 6 - 4);
    check(WmfPlayer(cut).image(host::kMaxPictureImageSide));
}

// Bytes that are no placeable metafile, or that would make too large an image, give none.
TEST(WmfPlayer, WhatCannotBePlayedGivesNoImage) {
    std::string no_inch = placeable_wmf(96, 96, "", 96);
    no_inch[14] = no_inch[15] = '\0';
    std::string plain = placeable_wmf(96, 96, "", 96).substr(22);  // no frame
    const std::string cases[] = {no_inch, plain, placeable_wmf(0, 96, "", 96), "", empty_emf()};
    for (const std::string& bytes : cases) EXPECT_TRUE(WmfPlayer(bytes).image(8192).isNull());
    EXPECT_TRUE(WmfPlayer(placeable_wmf(20000, 96, "", 96)).image(8192).isNull());
    EXPECT_TRUE(
        host::picture_image(host::Picture::from_bytes(placeable_wmf(3000, 96, "", 96))).isNull());
    EXPECT_EQ(WmfPlayer(placeable_wmf(1440, 720)).natural_size(), QSize(96, 48));
}

}  // namespace kv::test
