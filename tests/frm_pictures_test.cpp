// Pictures in the .frx: each format the designer stores is told apart and decoded to the right
// pixels (or named when it cannot be shown), the loader gives every control its picture and
// the size the runtime gives it, and a damaged record is refused at its property's line.
#include <gtest/gtest.h>

#include "frm_test_util.h"
#include "host/common/PictureImage.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"
#include "host/frm/FrxPicture.h"
#include "host/memory/MemoryForm.h"
#include "picture_bytes.h"

using namespace kv;
using namespace kv::frm;
using kv::host::PictureFormat;

namespace {

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 40 && std::abs(qGreen(a) - qGreen(b)) < 40 &&
           std::abs(qBlue(a) - qBlue(b)) < 40;
}

struct Format {
    const char* name;
    std::string bytes;
    PictureFormat format;
    bool shown;  // decoded to pixels
    int width, height;
};

std::vector<Format> formats() {
    const QImage image = test::two_colours(16, 12);
    const std::string bmp = test::encoded(image, "bmp");
    const std::string ico = test::encoded(test::two_colours(16, 16), "ico");
    return {
        {"BMP", bmp, PictureFormat::Bitmap, true, 16, 12},
        {"DIB", test::dib_of(bmp), PictureFormat::Dib, true, 16, 12},
        {"DIB of 8 bits",
         test::dib_of(test::encoded(image.convertToFormat(QImage::Format_Indexed8), "bmp")),
         PictureFormat::Dib, true, 16, 12},
        {"ICO", ico, PictureFormat::Icon, true, 16, 16},
        {"CUR", test::cursor_of(ico), PictureFormat::Cursor, true, 16, 16},
        {"GIF", test::gif_two_colours(16, 12), PictureFormat::Gif, true, 16, 12},
        {"JPEG", test::encoded(image, "jpeg"), PictureFormat::Jpeg, true, 16, 12},
        {"PNG", test::encoded(image, "png"), PictureFormat::Png, true, 16, 12},
        // A metafile's header gives no pixels: it is drawn at its frame's size (16 x 12).
        {"WMF", test::wmf_two_colours(240, 180), PictureFormat::Metafile, true, 0, 0},
        {"EMF", test::emf_two_colours(16, 12), PictureFormat::EnhancedMetafile, true, 0, 0},
        // Without the placeable header a WMF has no frame to size it by.
        {"WMF", test::wmf_two_colours(240, 180).substr(22), PictureFormat::Metafile, false, 0, 0},
        {"unknown", std::string("not a picture at all"), PictureFormat::Unknown, false, 0, 0},
        // A JPEG whose header is cut off: told, but not shown.
        {"JPEG", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF", 10), PictureFormat::Jpeg, false, 0, 0},
    };
}

}  // namespace

TEST(Pictures, EachFormatIsToldApartAndDecodedToItsPixels) {
    for (const auto& f : formats()) {
        SCOPED_TRACE(f.name);
        const auto pic = host::Picture::from_bytes(f.bytes);
        EXPECT_EQ(pic.format, f.format);
        EXPECT_EQ(std::string(host::format_name(pic.format)),
                  std::string(f.name).substr(0, 3) == "DIB" ? "DIB" : std::string(f.name));
        EXPECT_EQ(pic.width, f.width);
        EXPECT_EQ(pic.height, f.height);
        // Only the JPEG cut off in its header is damaged.
        EXPECT_EQ(pic.damage.empty(), f.shown || f.format != PictureFormat::Jpeg);
        // A cursor's hot spot comes from its directory.
        EXPECT_EQ(pic.hot_x, f.format == PictureFormat::Cursor ? 1 : -1);
        EXPECT_EQ(pic.hot_y, f.format == PictureFormat::Cursor ? 1 : -1);
        const QImage image = host::picture_image(pic);
        ASSERT_EQ(!image.isNull(), f.shown);
        if (!f.shown) continue;
        const bool metafile =
            f.format == PictureFormat::Metafile || f.format == PictureFormat::EnhancedMetafile;
        const QSize size = metafile ? QSize(16, 12) : QSize(f.width, f.height);
        EXPECT_EQ(image.size(), size);
        EXPECT_TRUE(near(image.pixel(1, size.height() / 2), qRgb(255, 0, 0)));
        EXPECT_TRUE(near(image.pixel(size.width() - 2, size.height() / 2), qRgb(0, 0, 255)));
    }
}

TEST(Pictures, AHeaderClaimingAHugeImageIsNotDecoded) {
    // A GIF that says it is 60000 x 60000 pixels.
    std::string gif = test::gif_two_colours(2, 2);
    gif[6] = gif[8] = '\x60';
    gif[7] = gif[9] = '\xEA';
    const auto pic = host::Picture::from_bytes(gif);
    EXPECT_EQ(pic.width, 60000);
    EXPECT_TRUE(host::picture_image(pic).isNull());
}

namespace {

// A form whose controls' pictures are the records of `frx`, written beside it.
struct PictureForm {
    test::ScratchDir dir;
    std::string path;
    std::shared_ptr<mem::MemoryHost> host = mem::MemoryHost::install();
    LoadedForm loaded;

    PictureForm(const std::string& controls, const std::string& frx) {
        path = (dir.path() / "P.frm").string();
        test::spit(path,
                   "VERSION 5.00\r\nBegin VB.Form P \r\n   ClientHeight = 3000\r\n"
                   "   ClientWidth = 4000\r\n" +
                       controls + "End\r\n");
        test::spit(dir.path() / "P.frx", frx);
    }
    ~PictureForm() { Host::set_current(nullptr); }
    void load() { loaded = FrmLoader::load(FrmReader::read_file(path), *host); }
    std::shared_ptr<mem::MemoryObject> control(const char* name) {
        return loaded.form->control(name);
    }
};

std::string hex4(size_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04zX", v);
    return buf;
}

}  // namespace

// The runtime sizes a picture box with AutoSize and an image without Stretch to their picture;
// the others keep the size the file gives them.
TEST(Pictures, ControlsGetTheirPicturesAndTheSizeTheRuntimeGivesThem) {
    const std::string gif = test::gif_two_colours(40, 30);
    const std::string ico = test::encoded(test::two_colours(32, 32), "ico");
    const std::string a = FrxPicture::record(gif), b = FrxPicture::record(ico);
    const std::string at_b = "\"P.frx\":" + hex4(a.size());
    auto box = [&](const char* cls, const char* name, const char* extra) {
        return std::string("   Begin VB.") + cls + " " + name +
               " \r\n      Height = 900\r\n      Left = 120\r\n      Top = 120\r\n"
               "      Width = 1200\r\n      Picture = \"P.frx\":0000\r\n" +
               extra + "   End\r\n";
    };
    PictureForm form("   Icon = " + at_b + "\r\n   Picture = \"P.frx\":0000\r\n" +
                         box("Image", "imgFit", "") +
                         box("Image", "imgStretch", "      Stretch = -1  'True\r\n") +
                         box("PictureBox", "picAuto", "      AutoSize = -1  'True\r\n") +
                         box("PictureBox", "picFixed", "") +
                         box("CommandButton", "cmdPic", "      Style = 1  'Graphical\r\n"),
                     a + b);
    form.load();
    ASSERT_NE(form.loaded.form->picture("Icon"), nullptr);
    EXPECT_EQ(form.loaded.form->picture("Icon")->format, PictureFormat::Icon);
    EXPECT_EQ(form.loaded.form->picture("Picture")->format, PictureFormat::Gif);
    const struct {
        const char* name;
        double width, height;
    } sizes[] = {
        {"imgFit", 40 * 15, 30 * 15},
        {"imgStretch", 1200, 900},
        // The picture and the picture box's border of two pixels a side.
        {"picAuto", 40 * 15 + 60, 30 * 15 + 60},
        {"picFixed", 1200, 900},
        {"cmdPic", 1200, 900},
    };
    for (const auto& s : sizes) {
        SCOPED_TRACE(s.name);
        auto c = form.control(s.name);
        ASSERT_NE(c, nullptr);
        ASSERT_NE(c->picture("Picture"), nullptr);
        EXPECT_EQ(c->picture("Picture")->width, 40);
        EXPECT_DOUBLE_EQ(c->rect_twips().width, s.width);
        EXPECT_DOUBLE_EQ(c->rect_twips().height, s.height);
    }
}

// An image whose data ends before its header's size is filled, or whose header makes no sense,
// is left out with a note by line and property: not shown, and the control not fitted to it.
TEST(Pictures, ADamagedImageIsLeftOutAndNoted) {
    const QImage image = test::two_colours(40, 30);
    const std::string gif = test::gif_two_colours(40, 30), bmp = test::encoded(image, "bmp"),
                      png = test::encoded(image, "png"), jpeg = test::encoded(image, "jpeg"),
                      ico = test::encoded(test::two_colours(32, 32), "ico");
    std::string no_bits = bmp;
    no_bits[28] = 7;  // bits a pixel
    const struct {
        const char* format;
        std::string bytes;
        const char* why;
    } cases[] = {
        {"GIF", gif.substr(0, gif.size() - 8), "its data ends before the image does"},
        {"BMP", bmp.substr(0, bmp.size() - 8), "its data ends before the image does"},
        {"DIB", test::dib_of(bmp).substr(0, 300), "its data ends before the image does"},
        {"PNG", png.substr(0, png.size() - 8), "its data ends before the image does"},
        {"JPEG", jpeg.substr(0, jpeg.size() / 2), "its data ends before the image does"},
        {"ICO", ico.substr(0, ico.size() - 8), "its data ends before the image does"},
        {"BMP", no_bits, "its header cannot be read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        PictureForm form(
            "   Begin VB.Image img \r\n      Height = 900\r\n      Width = 1200\r\n"
            "      Picture = \"P.frx\":0000\r\n   End\r\n",
            FrxPicture::record(c.bytes));
        form.load();
        EXPECT_EQ(form.control("img")->picture("Picture"), nullptr);
        EXPECT_EQ(form.control("img")->rect_twips().width, 1200);
        ASSERT_EQ(form.loaded.notes.size(), 1u);
        EXPECT_EQ(form.loaded.notes[0].line, 8u);
        EXPECT_EQ(form.loaded.notes[0].subject, "img.Picture");
        EXPECT_EQ(form.loaded.notes[0].what, std::string("the ") + c.format +
                                                 " picture in P.frx is damaged (" + c.why +
                                                 "): it is left out");
    }
}

TEST(Pictures, ARecordWithoutItsSizeAndAnEmptyPictureAreRead) {
    const std::string gif = test::gif_two_colours(4, 4);
    // "lt", the image's size and the image, straight at the offset.
    const std::string bare = FrxPicture::record(gif).substr(4);
    PictureForm form(
        "   Picture = \"P.frx\":0000\r\n   Icon = \"P.frx\":" + hex4(bare.size()) + "\r\n",
        bare + FrxPicture::record(""));
    form.load();
    EXPECT_EQ(form.loaded.form->picture("Picture")->format, PictureFormat::Gif);
    EXPECT_EQ(form.loaded.form->picture("Icon"), nullptr);
}

// A damaged record is refused at the line of the property that refers to it, naming the
// property and the record's offset.
TEST(Pictures, ADamagedRecordIsRefusedAtItsLine) {
    const std::string gif = test::gif_two_colours(4, 4);
    const std::string good = FrxPicture::record(gif);
    std::string record_small = good;
    record_small[0] = 8;
    const struct {
        const char* what;
        std::string frx;
        const char* offset;
        std::string message;
    } cases[] = {
        {"past the end", good, "0400",
         "expected a picture record at offset 0400, found a file of " +
             std::to_string(good.size()) + " bytes"},
        {"no signature", std::string("\x18\0\0\0\1\2\3\4\5\6\7\x08", 12), "0000",
         "expected a picture record (its size, then \"lt\" and two zero bytes) at offset 0000, "
         "found the bytes 18 00 00 00 01 02 03 04"},
        {"cut short", good.substr(0, 30), "0000",
         "expected a picture of " + std::to_string(gif.size()) +
             " bytes at offset 0000, found only 18 bytes to the end of the file"},
        {"no size", good.substr(0, 10), "0000",
         "expected the size of the picture after its signature at offset 0000, found the end of "
         "the file"},
        {"record smaller than its picture", record_small, "0000",
         "expected a record size of at least " + std::to_string(gif.size() + 8) +
             " bytes for a picture of " + std::to_string(gif.size()) +
             " bytes at offset 0000, found 8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PictureForm form("   Begin VB.Image img \r\n      Picture = \"P.frx\":" +
                             std::string(c.offset) + "\r\n   End\r\n",
                         c.frx);
        try {
            form.load();
            FAIL() << "loaded";
        } catch (const FrmError& e) {
            EXPECT_EQ(std::string(e.what()),
                      form.path + ":6: Picture refers to a damaged picture: " +
                          (form.dir.path() / "P.frx").string() + ": " + c.message);
        }
    }
}
