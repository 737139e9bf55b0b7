// How `render` draws what a form shows beyond its controls' boxes: tab controls with their tabs
// and only the controls of the tab on view, and the pictures of the .frx (an image at its own
// size or stretched, a picture box's picture, the form's background and icon, a metafile's
// place named). Checked on the pixels of the written picture.
#include <gtest/gtest.h>

#include <algorithm>

#include <QImage>
#include <filesystem>

#include "frm_test_util.h"
#include "harness/FormFile.h"
#include "harness/Session.h"
#include "host/frm/FrxPicture.h"
#include "picture/ControlPainter.h"
#include "picture/Renderer.h"
#include "picture_bytes.h"

using namespace kv;
using namespace kv::app;
using kv::test::data_dir;
using kv::test::ScratchDir;
using kv::test::slurp;
using kv::test::spit;

namespace {

constexpr int kTitle = 22;  // the picture's title bar above the client area
constexpr int kMenuBar = 19;

// The form's picture at its design size: pixels of its client area from (0, 0).
struct Drawn {
    QImage image;
    Snapshot shot;
    QRgb at(double x_twips, double y_twips) const {
        const int top = kTitle + (shot.form.menus.empty() ? 0 : kMenuBar);
        return image.pixel(static_cast<int>(x_twips / 15), static_cast<int>(y_twips / 15) + top);
    }
    // Pixels darker than text's grey in a box of twips, one a pixel.
    int dark(double x0, double x1, double y0, double y1) const {
        int n = 0;
        for (double y = y0; y < y1; y += 15)
            for (double x = x0; x < x1; x += 15) n += qGray(at(x, y)) < 90;
        return n;
    }
    const ControlState& operator[](const std::string& key) const {
        for (const auto& c : shot.controls)
            if (c.key == key) return c;
        throw std::runtime_error("no control " + key);
    }
};

// A form file (or a Qt Designer form) drawn at its design size.
Drawn draw(const std::string& path, const ScratchDir& dir) {
    FormFile file(path, "");
    Session session("");
    session.load(file);
    session.show();
    Drawn d;
    d.shot = session.snapshot();
    const std::string png = (dir.path() / "shot.png").string();
    std::string error;
    EXPECT_TRUE(render_picture(d.shot, 15, png, error)) << error;
    d.image.load(QString::fromStdString(png));
    return d;
}

bool near(QRgb a, QRgb b, int by = 24) {
    return std::abs(qRed(a) - qRed(b)) <= by && std::abs(qGreen(a) - qGreen(b)) <= by &&
           std::abs(qBlue(a) - qBlue(b)) <= by;
}

const QRgb kWhite = qRgb(255, 255, 255), kPage = qRgb(240, 240, 240), kTab = qRgb(228, 228, 228);

// profile.frm with another tab on view, as the designer saves it when that tab was chosen last
// (the controls stay where they are: parked ones remain parked).
std::string with_tab(const ScratchDir& dir, int tab) {
    const std::string path = dir.copy_sample("profile.frm");
    std::string text = slurp(path);
    const std::string at = "      Tabs            =   3\r\n";
    text.replace(text.find(at), at.size(),
                 at + "      Tab             =   " + std::to_string(tab) + "\r\n");
    spit(path, text);
    return path;
}

}  // namespace

// The tabs along the top with the one on view joined to its page; on the page only the
// controls of that tab, at their places (a parked one 75 000 twips further right).
TEST(PictureRender, ATabControlShowsItsTabsAndOnlyTheControlsOfTheTabOnView) {
    const struct {
        int tab;
        const char* shown;
        const char* hidden;
    } cases[] = {
        {0, "txtName", "txtNotes"}, {1, "txtEmail", "txtName"}, {2, "txtNotes", "txtEmail"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tab);
        ScratchDir dir;
        const Drawn d = draw(with_tab(dir, c.tab), dir);
        const auto& tab = d["tabProfile"];
        ASSERT_TRUE(tab.tabs);
        EXPECT_EQ(tab.tabs->current, c.tab);
        // Each tab a third of the width; the one on view has the page's face, the others
        // their own darker one (looked at in their upper half, beside the caption).
        for (int i = 0; i < 3; ++i) {
            const double x = tab.abs_left + tab.abs_width * i / 3 + 60;
            const QRgb face = d.at(x, tab.abs_top + 120);
            EXPECT_TRUE(near(face, i == c.tab ? kPage : kTab, 2)) << "tab " << i;
        }
        const auto& shown = d[c.shown];
        const auto& hidden = d[c.hidden];
        EXPECT_TRUE(shown.shown);
        EXPECT_FALSE(hidden.shown);
        // A text box is white inside; where a hidden one stands, the page shows (unless a
        // control of the tab on view covers the place).
        EXPECT_EQ(d.at(shown.abs_left + 60, shown.abs_top + 60), kWhite);
        EXPECT_GT(shown.abs_left, tab.abs_left);
        EXPECT_LT(shown.abs_left + shown.abs_width, tab.abs_left + tab.abs_width);
    }
    ScratchDir dir;
    const Drawn first = draw(with_tab(dir, 0), dir);
    const auto& notes = first["txtNotes"];
    EXPECT_TRUE(near(first.at(notes.abs_left + 1500, notes.abs_top + 1500), kPage, 2));
}

// Tabs as wide as their captions (Style 1, as a .ui's tab widget is read) make room for each
// tab's picture beside its caption: with the pictures, the second tab starts further right by
// at least a picture's width, which the first tab's caption would otherwise lose.
TEST(PictureRender, TabsAsWideAsTheirCaptionsMakeRoomForTheirPictures) {
    auto second_tab_start = [](bool pictures) {
        ScratchDir dir;
        const std::string path = dir.copy_sample("profile.frm");
        std::string text = slurp(path);
        const std::string at = "      Tabs            =   3\r\n";
        text.replace(text.find(at), at.size(), at + "      Style           =   1\r\n");
        for (size_t p; !pictures && (p = text.find("      TabPicture(")) != std::string::npos;)
            text.erase(p, text.find('\n', p) + 1 - p);
        spit(path, text);
        const Drawn d = draw(path, dir);
        const auto& tab = d["tabProfile"];
        EXPECT_EQ(std::count_if(tab.tab_images.begin(), tab.tab_images.end(),
                                [](const auto& p) { return p != nullptr; }),
                  pictures ? 3 : 0);
        // Along the middle of the tabs, the second tab's face (the first is on view).
        for (double x = tab.abs_left + 30; x < tab.abs_left + tab.abs_width; x += 15)
            if (near(d.at(x, tab.abs_top + 150), kTab, 2)) return x - tab.abs_left;
        ADD_FAILURE() << "no second tab";
        return 0.0;
    };
    EXPECT_GE(second_tab_start(true) - second_tab_start(false), 16 * 15);
}

// A tab strip's tabs of one fixed width (TabWidthStyle 2, TabFixedWidth in HiMetric), on the
// side its Placement names: the second tab starts a fixed width (an inch, 96 pixels) from the
// strip's edge however short the captions, on the bottom edge; without the style, the captions
// size the tabs.
// A form with one tab strip, tsStrip, of the tabs `captions` names at 300,300 (5400 x 2400
// twips), with the strip's other properties as `props` holds them, drawn.
Drawn draw_strip(const ScratchDir& dir, const std::string& props,
                 const std::vector<std::string>& captions) {
    std::string tabs;
    for (size_t i = 0; i < captions.size(); ++i)
        tabs += "         BeginProperty Tab" + std::to_string(i + 1) +
                " {1EFB659A-857C-11D1-B16A-00C0F0283628}\r\n            Caption         =   \"" +
                captions[i] + "\"\r\n         EndProperty\r\n";
    const std::string path = (dir.path() / "strip.frm").string();
    spit(path,
         "VERSION 5.00\r\nBegin VB.Form frmStrip\r\n   Caption         =   \"Strip\"\r\n"
         "   ClientHeight    =   3000\r\n   ClientLeft      =   60\r\n"
         "   ClientTop       =   345\r\n   ClientWidth     =   6000\r\n"
         "   Begin NovaCtl.TabStrip tsStrip\r\n      Height          =   2400\r\n"
         "      Left            =   300\r\n      Top             =   300\r\n"
         "      Width           =   5400\r\n" +
             props +
             "      BeginProperty Tabs {1EFB6598-857C-11D1-B16A-00C0F0283628}\r\n"
             "         NumTabs         =   " +
             std::to_string(captions.size()) + "\r\n" + tabs +
             "      EndProperty\r\n   End\r\nEnd\r\n");
    return draw(path, dir);
}

TEST(PictureRender, AStripsFixedWidthTabsStandOnItsPlacement) {
    auto second_tab_start = [](const std::string& style) {
        ScratchDir dir;
        const Drawn d = draw_strip(dir, "      Placement       =   1\r\n" + style, {"A", "B", "C"});
        const auto& strip = d["tsStrip"];
        // Along the middle of the tabs at the bottom, the second tab's face (the first is on view).
        const double y = strip.abs_top + strip.abs_height - 150;
        for (double x = strip.abs_left + 30; x < strip.abs_left + strip.abs_width; x += 15)
            if (near(d.at(x, y), kTab, 2)) return (x - strip.abs_left) / 15;
        ADD_FAILURE() << "no second tab on the bottom edge";
        return 0.0;
    };
    const double fixed = second_tab_start(
        "      TabWidthStyle   =   2\r\n"
        "      TabFixedWidth   =   2540\r\n");
    EXPECT_GE(fixed, 96);
    EXPECT_LE(fixed, 99);
    EXPECT_LT(second_tab_start(""), 60);
}

// Nine tabs of about 50 pixels do not fit along a strip 360 pixels long: with MultiRow they wrap
// onto two rows of 20 pixels (the row of the tab on view next to the page, the other outside it),
// each row stretched along the strip unless TabWidthStyle says otherwise. A strip of buttons
// has no page.
TEST(PictureRender, AStripWrapsItsTabsOrShowsButtonsAsItsPropertiesSay) {
    const struct {
        const char* props;
        int count;
        bool two_rows;    // the second tab's face in the second row
        bool outer_full;  // the outer row's last tab 10 pixels from the strip's far end
        bool page;        // the page's left edge, halfway down
    } cases[] = {
        {"", 9, false, true, true},  // one row, running past the end
        {"      MultiRow        =   -1  'True\r\n", 9, true, true, true},
        {"      MultiRow        =   -1  'True\r\n      TabWidthStyle   =   1\r\n", 9, true, false,
         true},
        {"      MultiRow        =   -1  'True\r\n", 4, false, false, true},
        {"      Style           =   1\r\n", 4, false, false, false},
        {"      Style           =   2\r\n", 4, false, false, false},
    };
    const QRgb kEdge = qRgb(160, 160, 160);
    for (const auto& c : cases) {
        std::vector<std::string> captions;
        for (int i = 1; i <= c.count; ++i) captions.push_back("Tab " + std::to_string(i));
        ScratchDir dir;
        const Drawn d = draw_strip(dir, c.props, captions);
        const auto& s = d["tsStrip"];
        SCOPED_TRACE(std::string(c.props) + std::to_string(c.count) + " tabs");
        EXPECT_EQ(near(d.at(s.abs_left + 75 * 15, s.abs_top + 26 * 15), kTab, 2), c.two_rows);
        EXPECT_EQ(near(d.at(s.abs_left + s.abs_width - 150, s.abs_top + 90), kTab, 2),
                  c.outer_full);
        EXPECT_EQ(near(d.at(s.abs_left, s.abs_top + s.abs_height / 2), kEdge, 2), c.page);
    }
}

// drawing.frm: a menu bar of the shown top-level menus takes its room above the client area;
// the tabs stand on the side TabOrientation names (bottom in the file), the tab on view joined
// to its page; graphical check boxes and option buttons are push buttons, pressed while on.
TEST(PictureRender, MenuBarTabsOnTheirSideAndGraphicalButtons) {
    ScratchDir dir;
    const Drawn d = draw(dir.copy_sample("drawing.frm"), dir);
    EXPECT_EQ(d.image.height(), kTitle + kMenuBar + 4200 / 15);
    std::vector<std::string> menus;
    for (const auto& m : d.shot.form.menus) menus.push_back(m.caption + (m.enabled ? "" : " off"));
    EXPECT_EQ(menus, (std::vector<std::string>{"&File", "&Edit", "&View off", "&Help"}));
    int dark = 0;  // the captions' letters in the bar
    for (int y = kTitle; y < kTitle + kMenuBar; ++y)
        for (int x = 0; x < 120; ++x) dark += qGray(d.image.pixel(x, y)) < 90;
    EXPECT_GT(dark, 30);
    // A point of the tab not on view, 8 pixels in from the outer edge, and its mirror on the
    // far side of the control, which is page.
    const auto& tab = d["tabPages"];
    const double left = tab.abs_left, top = tab.abs_top, right = left + tab.abs_width,
                 bottom = top + tab.abs_height, x = left + tab.abs_width * 0.55,
                 y = top + tab.abs_height * 0.55;
    const struct {
        int side;
        double x, y, far_x, far_y;
    } sides[] = {{0, x, top + 120, x, bottom - 120},
                 {1, x, bottom - 120, x, top + 120},
                 {2, left + 120, y, right - 120, y},
                 {3, right - 120, y, left + 120, y}};
    for (const auto& s : sides) {
        SCOPED_TRACE(s.side);
        const Drawn o =
            s.side == 1
                ? d
                : draw(dir.copy_sample_with("drawing.frm", "TabOrientation  =   1",
                                            "TabOrientation  =   " + std::to_string(s.side)),
                       dir);
        EXPECT_TRUE(near(o.at(s.x, s.y), kTab, 2));
        EXPECT_TRUE(near(o.at(s.far_x, s.far_y), kPage, 2));
    }
    const QRgb pressed = qRgb(204, 204, 204), raised = qRgb(225, 225, 225);
    const std::pair<const char*, QRgb> faces[] = {
        {"optTool(0)", raised}, {"optTool(1)", pressed}, {"chkGrid", pressed}, {"chkSnap", raised}};
    for (const auto& [key, face] : faces) {
        const auto& b = d[key];
        EXPECT_EQ(d.at(b.abs_left + 60, b.abs_top + 60), face) << key;
    }
}

// Pictures in the .frx: the form's background and icon, an image without Stretch at its own
// size, one with Stretch over its whole box, a picture box's picture at its corner, a metafile
// drawn over its box, and the place of one without a frame, with its format named.
TEST(PictureRender, PicturesOfTheFrxAreDrawn) {
    ScratchDir dir;
    const std::string two = test::gif_two_colours(20, 10);  // red left half, blue right half
    const std::string ico = test::encoded(test::two_colours(16, 16), "ico");
    // A WMF without its placeable header: nothing says how large it is.
    const std::string wmf = test::wmf_two_colours(1440, 720),
                      plain = test::wmf_two_colours(1440, 720).substr(22);
    std::string frx;
    auto put = [&](const std::string& image) {
        char ref[32];
        std::snprintf(ref, sizeof ref, "\"P.frx\":%04zX", frx.size());
        frx += frm::FrxPicture::record(image);
        return std::string(ref);
    };
    const std::string gif_ref = put(two), ico_ref = put(ico), wmf_ref = put(wmf),
                      plain_ref = put(plain);
    auto control = [](const char* cls, const char* name, int left, const std::string& extra) {
        return std::string("   Begin VB.") + cls + " " + name + " \r\n      Height = 900\r\n" +
               "      Left = " + std::to_string(left) + "\r\n      Top = 1200\r\n" +
               "      Width = 1200\r\n" + extra + "   End\r\n";
    };
    const std::string frm =
        "VERSION 5.00\r\nBegin VB.Form P \r\n   Caption = \"Pictures\"\r\n"
        "   ClientHeight = 3000\r\n   ClientWidth = 6000\r\n   Icon = " +
        ico_ref + "\r\n   Picture = " + gif_ref + "\r\n" +
        control("Image", "imgOwn", 300, "      Picture = " + gif_ref + "\r\n") +
        control("Image", "imgStretch", 1800,
                "      Picture = " + gif_ref + "\r\n      Stretch = -1\r\n") +
        control("PictureBox", "picBox", 3300, "      Picture = " + gif_ref + "\r\n") +
        control("Image", "imgMeta", 4650,
                "      Picture = " + wmf_ref + "\r\n      Stretch = -1\r\n") +
        "   Begin VB.Image imgPlain \r\n      Height = 600\r\n      Left = 4650\r\n"
        "      Picture = " +
        plain_ref +
        "\r\n      Stretch = -1\r\n      Top = 2250\r\n      Width = 1200\r\n   End\r\n" +
        "End\r\n";
    spit(dir.path() / "P.frm", frm);
    spit(dir.path() / "P.frx", frx);
    const Drawn d = draw((dir.path() / "P.frm").string(), dir);
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
    // The background: 20 x 10 pixels at the client's corner, the face beyond.
    EXPECT_EQ(d.image.pixel(2, kTitle + 5), red);
    EXPECT_EQ(d.image.pixel(17, kTitle + 5), blue);
    EXPECT_EQ(d.image.pixel(25, kTitle + 5), qRgb(240, 240, 240));
    // The icon in the title bar.
    EXPECT_EQ(d.image.pixel(6, 11), red);
    EXPECT_EQ(d.image.pixel(17, 11), blue);
    // The image fits its picture (20 x 10 pixels) and shows it at its own size.
    EXPECT_EQ(d["imgOwn"].abs_width, 300);
    EXPECT_EQ(d.image.pixel(20 + 2, kTitle + 80 + 5), red);
    EXPECT_EQ(d.image.pixel(20 + 17, kTitle + 80 + 5), blue);
    // Stretched over 80 x 60 pixels.
    EXPECT_EQ(d.image.pixel(120 + 5, kTitle + 80 + 50), red);
    EXPECT_EQ(d.image.pixel(120 + 75, kTitle + 80 + 50), blue);
    // In the picture box, inside its border, at its own size; the box's face beyond it.
    EXPECT_EQ(d.image.pixel(220 + 2 + 2, kTitle + 80 + 2 + 5), red);
    EXPECT_EQ(d.image.pixel(220 + 2 + 17, kTitle + 80 + 2 + 5), blue);
    EXPECT_TRUE(near(d.image.pixel(220 + 40, kTitle + 80 + 40), qRgb(240, 240, 240), 2));
    // The metafile drawn over its box (80 x 60 pixels).
    EXPECT_EQ(d.image.pixel(310 + 5, kTitle + 80 + 50), red);
    EXPECT_EQ(d.image.pixel(310 + 75, kTitle + 80 + 50), blue);
    // A metafile without a frame is not drawn: its place (80 x 40), its format named inside.
    int dark = 0;
    for (int y = 150; y < 190; ++y)
        for (int x = 310; x < 390; ++x)
            if (qGray(d.image.pixel(x, kTitle + y)) < 200) ++dark;
    EXPECT_GT(dark, 40);  // the outline and the words "WMF picture"
}

// Each format the designer stores is drawn: an image stretched over 80 x 60 pixels shows the
// picture's red left half and blue right half.
// The file dialog as it shows: the list box's entries in the text colour (a list without any
// shows grey placeholder lines), the scroll bar's box where Value stands between Min and Max
// (Min 10, Max 1, Value 4: two thirds along), and the label's "&" underlining the N unless
// UseMnemonic is off, when it shows and the text is wider.
TEST(PictureRender, ListsScrollBarsAndAccessKeysDrawAsTheyShow) {
    ScratchDir dir;
    const std::string path = dir.copy_sample("files.frm");
    const Drawn d = draw(path, dir);
    const auto dark = [&](const Drawn& in, double x0, double x1, double y0, double y1, int below) {
        for (double y = y0; y < y1; y += 15)
            for (double x = x0; x < x1; x += 15)
                if (qGray(in.at(x, y)) < below) return true;
        return false;
    };
    const auto& list = d["lstResults"];
    EXPECT_TRUE(
        dark(d, list.abs_left + 60, list.abs_left + 900, list.abs_top + 30, list.abs_top + 200, 90))
        << "the first entry in the text colour";
    const auto& bar = d["hsbZoom"];
    const double side = bar.abs_height, room = bar.abs_width - 3 * side;
    const double box = bar.abs_left + side + room * 2 / 3, mid = bar.abs_top + bar.abs_height / 2;
    EXPECT_TRUE(dark(d, box - 30, box + 45, mid, mid + 15, 100)) << "the box's edge";
    EXPECT_FALSE(dark(d, bar.abs_left + side + 60, box - 60, mid, mid + 15, 100))
        << "nothing on the track before it";
    // The option button that is on has its dot, the other none.
    for (const auto& [key, on] :
         {std::pair{"optScope(0)", true}, std::pair{"optScope(1)", false}}) {
        const auto& opt = d[key];
        const double cy = opt.abs_top + opt.abs_height / 2;
        EXPECT_EQ(dark(d, opt.abs_left + 75, opt.abs_left + 106, cy - 15, cy + 16, 90), on) << key;
    }
    const auto& label = d["lblPattern"];
    const auto rightmost = [&](const Drawn& in) {
        double last = 0;
        for (double x = label.abs_left; x < label.abs_left + label.abs_width; x += 15)
            if (dark(in, x, x + 1, label.abs_top, label.abs_top + label.abs_height, 100)) last = x;
        return last;
    };
    std::string text = slurp(path);
    const std::string caption = "Caption         =   \"&Named:\"\r\n";
    text.insert(text.find(caption) + caption.size(), "      UseMnemonic     =   0   'False\r\n");
    spit(path, text);
    const Drawn shown = draw(path, dir);
    EXPECT_GT(rightmost(shown), rightmost(d) + 60) << "the ampersand takes room of its own";
}

// The record navigator: a button with an arrow at each end, its caption beside the first two; a
// multi-line text box's scroll bar.
TEST(PictureRender, ARecordNavigatorAndATextBoxsScrollBar) {
    ScratchDir dir;
    const Drawn d = draw(dir.copy_sample("orders.frm"), dir);
    const auto& nav = d["datOrders"];
    const auto dark = [&](double x0, double x1) {
        for (double y = nav.abs_top + 30; y < nav.abs_top + nav.abs_height - 30; y += 15)
            for (double x = x0; x < x1; x += 15)
                if (qGray(d.at(x, y)) < 90) return true;
        return false;
    };
    const double side = nav.abs_height, right = nav.abs_left + nav.abs_width;
    EXPECT_TRUE(dark(nav.abs_left + side / 4, nav.abs_left + side * 3 / 4)) << "first";
    EXPECT_TRUE(dark(right - side * 3 / 4, right - side / 4)) << "last";
    EXPECT_TRUE(dark(nav.abs_left + 2 * side + 60, nav.abs_left + 2 * side + 600)) << "caption";
    EXPECT_FALSE(dark(nav.abs_left + 2 * side + 900, right - 2 * side - 60)) << "nothing beyond";

    // The notes' vertical scroll bar: its arrow buttons at the box's right end, nothing to
    // scroll (no box between them).
    const auto& notes = d["txtNotes"];
    const auto dark_at = [&](double x0, double x1, double y0, double y1) {
        for (double y = y0; y < y1; y += 15)
            for (double x = x0; x < x1; x += 15)
                if (qGray(d.at(x, y)) < 90) return true;
        return false;
    };
    const double bar = notes.abs_left + notes.abs_width - 270,
                 bottom = notes.abs_top + notes.abs_height;
    EXPECT_TRUE(dark_at(bar + 60, bar + 210, notes.abs_top + 60, notes.abs_top + 210)) << "up";
    EXPECT_TRUE(dark_at(bar + 60, bar + 210, bottom - 210, bottom - 60)) << "down";
    EXPECT_FALSE(dark_at(bar + 30, bar + 240, notes.abs_top + 400, bottom - 400)) << "no box";
}

// A one-line text box with a PasswordChar shows that character for each of its text's; a
// multi-line one shows its text.
TEST(PictureRender, APasswordShowsItsCharacterOnly) {
    ScratchDir dir;
    const std::string field = "      DataField       =   \"Customer\"\r\n";
    const auto drawn = [&](const std::string& lines) {
        return draw(dir.copy_sample_with("orders.frm", field, field + lines), dir);
    };
    const Drawn secret =
        drawn("      PasswordChar    =   \"*\"\r\n      Text            =   \"s\u00e9cret\"\r\n");
    const Drawn stars = drawn("      Text            =   \"******\"\r\n");
    const Drawn shown = drawn("      Text            =   \"s\u00e9cret\"\r\n");
    const auto& box = secret["txtCustomer"];
    const auto same = [&](const Drawn& a, const Drawn& b) {
        for (double y = box.abs_top; y < box.abs_top + box.abs_height; y += 15)
            for (double x = box.abs_left; x < box.abs_left + box.abs_width; x += 15)
                if (a.at(x, y) != b.at(x, y)) return false;
        return true;
    };
    EXPECT_TRUE(same(secret, stars));
    EXPECT_FALSE(same(secret, shown));
    EXPECT_EQ(secret["txtCustomer"].caption, "******");
    const Drawn notes =
        draw(dir.copy_sample_with(
                 "orders.frm", "      DataField       =   \"Notes\"\r\n",
                 "      PasswordChar    =   \"*\"\r\n      Text            =   \"open\"\r\n"),
             dir);
    EXPECT_EQ(notes["txtNotes"].caption, "open");
}

// A label with a border has its edge drawn; its text stands right with Alignment 1.
TEST(PictureRender, ALabelsBorderAndAlignment) {
    ScratchDir dir;
    const std::string caption = "      Caption         =   \"&Date:\"\r\n";
    const Drawn plain = draw(dir.copy_sample("orders.frm"), dir);
    const Drawn d = draw(dir.copy_sample_with("orders.frm", caption,
                                              "      Alignment       =   1  'Right Justify\r\n"
                                              "      BorderStyle     =   1  'Fixed Single\r\n" +
                                                  caption),
                         dir);
    const auto& l = d["lblDate"];
    const double bottom = l.abs_top + l.abs_height - 15;
    const auto dark = [](const Drawn& in, double x0, double x1, double y0, double y1) {
        for (double y = y0; y <= y1; y += 15)
            for (double x = x0; x < x1; x += 15)
                if (qGray(in.at(x, y)) < 200) return true;
        return false;
    };
    EXPECT_TRUE(dark(d, l.abs_left + 60, l.abs_left + 600, bottom, bottom)) << "the bottom edge";
    EXPECT_FALSE(dark(plain, l.abs_left + 60, l.abs_left + 600, bottom, bottom));
    // Left-aligned, the text starts at the left; right-aligned, it leaves the left half free.
    const double half = l.abs_left + l.abs_width / 2;
    EXPECT_TRUE(dark(plain, l.abs_left + 30, half, l.abs_top + 45, bottom - 45));
    EXPECT_FALSE(dark(d, l.abs_left + 45, half - 60, l.abs_top + 45, bottom - 45));
}

// A disabled button's caption is grey: no pixel inside its edge is as dark as text.
TEST(PictureRender, ADisabledControlsTextIsGrey) {
    ScratchDir dir;
    const std::string caption = "      Caption         =   \"&Export\"\r\n";
    const auto darkest = [](const Drawn& d) {
        const auto& b = d["cmdExport"];
        int least = 255;
        for (double y = b.abs_top + 45; y < b.abs_top + b.abs_height - 45; y += 15)
            for (double x = b.abs_left + 45; x < b.abs_left + b.abs_width - 45; x += 15)
                least = std::min(least, qGray(d.at(x, y)));
        return least;
    };
    EXPECT_LT(darkest(draw(dir.copy_sample("orders.frm"), dir)), 60);
    EXPECT_GT(
        darkest(draw(dir.copy_sample_with("orders.frm", caption,
                                          caption + "      Enabled         =   0   'False\r\n"),
                     dir)),
        120);
}

// Labels, check boxes, option buttons and frames paint their back colour, the class's own grey
// too, over a band of another colour (colours.frm); a transparent label shows the band, whatever
// its BackColor. Each is looked at near its right end, clear of its text.
TEST(PictureRender, ControlsPaintTheirBackOverTheirContainer) {
    ScratchDir dir;
    const Drawn d = draw(dir.copy_sample("colours.frm"), dir);
    const QRgb band = qRgb(0, 0, 0x80), face = kFormFace.rgb();
    for (const auto& [key, back] : {std::pair{"lblClear", band},
                                    {"lblPlain", face},
                                    {"chkPlain", face},
                                    {"optPlain", face},
                                    {"fraPlain", face}}) {
        const auto& c = d[key];
        EXPECT_EQ(d.at(c.abs_left + c.abs_width - 60, c.abs_top + c.abs_height / 2), back) << key;
    }
}

// A text box, list or combo box is in its own BackColor (the window's white by default); a
// command button shows its BackColor only when it is graphical (Style 1).
TEST(PictureRender, BoxesAndGraphicalButtonsInTheirBackColour) {
    const auto inside = [](const Drawn& d, const char* key) {
        const auto& c = d[key];
        return d.at(c.abs_left + c.abs_width - 60, c.abs_top + c.abs_height - 60);
    };
    ScratchDir dir;
    const Drawn plain = draw(dir.copy_sample("colours.frm"), dir);
    EXPECT_EQ(inside(plain, "txtInFrame"), kWhite);
    EXPECT_EQ(inside(plain, "cmdInFrame"), qRgb(225, 225, 225));
    ScratchDir other;
    const std::string text = "            Text            =   \"white\"\r\n";
    const Drawn own =
        draw(other.copy_sample_with("colours.frm", text,
                                    text + "            BackColor       =   &H0080FFFF&\r\n"),
             other);
    EXPECT_EQ(inside(own, "txtInFrame"), qRgb(0xff, 0xff, 0x80));
    ScratchDir graphical;
    const std::string caption = "            Caption         =   \"Button\"\r\n";
    const Drawn styled = draw(
        graphical.copy_sample_with("colours.frm", caption,
                                   caption + "            Style           =   1  'Graphical\r\n"),
        graphical);
    EXPECT_EQ(inside(styled, "cmdInFrame"), qRgb(255, 0, 0));
}

// A form's client area is in its BackColor, a system colour as the runtime shows it (an MDI
// form's, the workspace's grey).
TEST(PictureRender, AFormsClientAreaIsInItsBackColour) {
    ScratchDir dir;
    const std::string caption = "   Caption         =   \"Chart\"\r\n";
    const Drawn green =
        draw(dir.copy_sample_with("chart.frm", caption,
                                  "   BackColor       =   &H00C0FFC0&\r\n" + caption),
             dir);
    EXPECT_EQ(green.at(60, 60), qRgb(0xc0, 0xff, 0xc0));
    ScratchDir plain;
    EXPECT_EQ(draw(plain.copy_sample("chart.frm"), plain).at(60, 60), kFormFace.rgb());
    EXPECT_EQ(draw(plain.copy_sample("mdimain.frm"), plain).at(3000, 5000), qRgb(171, 171, 171));
}

// A label's caption is in its own ForeColor (cp1252.frm's red hint), grey while it is disabled.
TEST(PictureRender, TextIsInItsOwnColour) {
    ScratchDir dir;
    const auto red_dots = [](const Drawn& d) {
        const auto& l = d["lblHint"];
        int red = 0;
        for (int y = static_cast<int>(l.abs_top); y < l.abs_top + l.abs_height; y += 5)
            for (int x = static_cast<int>(l.abs_left); x < l.abs_left + l.abs_width; x += 5) {
                const QRgb p = d.at(x, y);
                red += qRed(p) > 180 && qGreen(p) < 100 && qBlue(p) < 100;
            }
        return red;
    };
    EXPECT_GT(red_dots(draw(dir.copy_sample("cp1252.frm"), dir)), 10);
    const std::string fore = "      ForeColor       =   255\r\n";
    EXPECT_EQ(red_dots(draw(dir.copy_sample_with("cp1252.frm", fore,
                                                 fore + "      Enabled         =   0   'False\r\n"),
                            dir)),
              0);
}

// A Designer form's progress bar is filled as far as its value goes, its slider's handle stands
// where its value is.
TEST(PictureRender, DesignerWidgetsShowTheirValues) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "bars.ui").string();
    spit(ui, R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0"><class>Bars</class><widget class="QWidget" name="Bars">
 <property name="geometry"><rect><x>0</x><y>0</y><width>300</width><height>100</height></rect></property>
 <widget class="QProgressBar" name="prgDone">
  <property name="geometry"><rect><x>0</x><y>10</y><width>200</width><height>20</height></rect></property>
  <property name="value"><number>25</number></property>
 </widget>
 <widget class="QSlider" name="sldLevel">
  <property name="geometry"><rect><x>0</x><y>50</y><width>200</width><height>20</height></rect></property>
  <property name="orientation"><enum>Qt::Horizontal</enum></property>
  <property name="maximum"><number>100</number></property>
  <property name="value"><number>100</number></property>
 </widget>
 <widget class="QMdiArea" name="mdiArea">
  <property name="geometry"><rect><x>220</x><y>10</y><width>70</width><height>80</height></rect></property>
 </widget>
</widget></ui>
)");
    const Drawn d = draw(ui, dir);
    // An exported MDI parent's client area: the workspace's grey, no name written on it.
    EXPECT_EQ(d.at(255 * 15, 50 * 15), qRgb(171, 171, 171));
    EXPECT_EQ(d.dark(225 * 15, 285 * 15, 15 * 15, 85 * 15), 0);
    const auto blue = [&](double x, double y) {
        return qBlue(d.at(x, y)) > 150 && qRed(d.at(x, y)) < 100;
    };
    EXPECT_TRUE(blue(300, 200)) << "a quarter filled";
    EXPECT_FALSE(blue(1500, 200));
    // The handle at the right end: raised there, the groove alone at the left.
    const auto& s = d["sldLevel"];
    const double mid = s.abs_top + s.abs_height / 2;
    EXPECT_NE(d.at(s.abs_left + s.abs_width - 60, s.abs_top + 30),
              d.at(s.abs_left + 60, s.abs_top + 30));
    EXPECT_EQ(d.at(s.abs_left + 60, mid - 45), d.at(s.abs_left + 60, s.abs_top + 15))
        << "no handle";
}

// A Designer frame drawn round its inside is drawn with its border, one drawing nothing without;
// the buttons in both stand where Designer shows them.
TEST(PictureRender, ADesignerFrameShowsItsBorder) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "frames.ui").string();
    spit(ui, R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0"><class>Frames</class><widget class="QWidget" name="Frames">
 <property name="geometry"><rect><x>0</x><y>0</y><width>420</width><height>140</height></rect></property>
 <widget class="QFrame" name="fraBox">
  <property name="geometry"><rect><x>20</x><y>20</y><width>180</width><height>100</height></rect></property>
  <property name="frameShape"><enum>QFrame::StyledPanel</enum></property>
  <property name="frameShadow"><enum>QFrame::Raised</enum></property>
  <widget class="QPushButton" name="cmdIn">
   <property name="geometry"><rect><x>10</x><y>30</y><width>80</width><height>30</height></rect></property>
  </widget>
 </widget>
 <widget class="QFrame" name="fraNone">
  <property name="geometry"><rect><x>220</x><y>20</y><width>180</width><height>100</height></rect></property>
  <widget class="QPushButton" name="cmdOut">
   <property name="geometry"><rect><x>10</x><y>30</y><width>80</width><height>30</height></rect></property>
  </widget>
 </widget>
</widget></ui>
)");
    const Drawn d = draw(ui, dir);
    // Each frame's edges against its inside, half way down and across.
    for (const auto& [name, bordered] : {std::pair{"fraBox", true}, std::pair{"fraNone", false}}) {
        SCOPED_TRACE(name);
        const auto& f = d[name];
        const double x = f.abs_left, y = f.abs_top, w = f.abs_width, h = f.abs_height;
        const QRgb inside = d.at(x + 60, y + h / 2);
        const QRgb edges[] = {d.at(x, y + h / 2), d.at(x + w - 15, y + h / 2), d.at(x + w / 2, y),
                              d.at(x + w / 2, y + h - 15)};
        for (QRgb edge : edges) EXPECT_EQ(near(edge, inside, 8), !bordered);
    }
    EXPECT_EQ(d["cmdIn"].abs_left, 30 * 15);
    EXPECT_EQ(d["cmdIn"].abs_top, 50 * 15);
    EXPECT_EQ(d["cmdOut"].abs_left, 230 * 15);
}

TEST(PictureRender, EveryFormatQtReadsIsDrawn) {
    const QImage image = test::two_colours(16, 12);
    const std::string bmp = test::encoded(image, "bmp");
    const std::string ico = test::encoded(test::two_colours(16, 16), "ico");
    const struct {
        const char* name;
        std::string bytes;
    } formats[] = {
        {"BMP", bmp},
        {"DIB", test::dib_of(bmp)},
        {"ICO", ico},
        {"CUR", test::cursor_of(ico)},
        {"GIF", test::gif_two_colours(16, 12)},
        {"JPEG", test::encoded(image, "jpeg")},
    };
    for (const auto& f : formats) {
        SCOPED_TRACE(f.name);
        ScratchDir dir;
        spit(dir.path() / "P.frm",
             "VERSION 5.00\r\nBegin VB.Form P \r\n   ClientHeight = 1500\r\n   ClientWidth = "
             "1500\r\n   Begin VB.Image img \r\n      Height = 900\r\n      Left = 150\r\n"
             "      Picture = \"P.frx\":0000\r\n      Stretch = -1\r\n      Top = 150\r\n"
             "      Width = 1200\r\n   End\r\nEnd\r\n");
        spit(dir.path() / "P.frx", frm::FrxPicture::record(f.bytes));
        const Drawn d = draw((dir.path() / "P.frm").string(), dir);
        EXPECT_TRUE(near(d.image.pixel(10 + 10, kTitle + 10 + 30), qRgb(255, 0, 0), 40));
        EXPECT_TRUE(near(d.image.pixel(10 + 70, kTitle + 10 + 30), qRgb(0, 0, 255), 40));
    }
}

// A toolbar's buttons with their image list's pictures (the list's mask colour clear), a check
// button that is in, an etched separator; a status bar's panels with their texts, a key's grey.
TEST(PictureRender, ToolbarsAndStatusBarsOfTheCommonControls) {
    ScratchDir dir;
    const Drawn d = draw(dir.copy_sample("editor.frm"), dir);
    const auto pixel = [&](int x, int y) { return d.image.pixel(x, y + kTitle); };
    const auto count = [&](int x0, int y0, int x1, int y1, auto wanted) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += wanted(pixel(x, y)) ? 1 : 0;
        return n;
    };
    // Buttons 23 x 22 pixels from the bar's corner, two below its top; a picture's 16 x 16 in
    // the middle of its button (the second button's found by its key).
    const auto folder = [](QRgb c) { return qRed(c) > 150 && qGreen(c) > 120 && qBlue(c) < 80; };
    EXPECT_GT(count(27, 5, 43, 21, folder), 60) << "the open button's folder";
    EXPECT_EQ(count(4, 5, 20, 21, folder), 0);
    const auto silver = [](QRgb c) { return c == qRgb(192, 192, 192); };
    EXPECT_EQ(count(0, 0, 160, 28, silver), 0) << "the mask colour shows the bar";
    // The bold button (after three and a separator) is in: its face is light.
    EXPECT_EQ(pixel(79, 5), qRgb(255, 255, 255));
    EXPECT_NE(pixel(48, 5), qRgb(255, 255, 255));
    // The flat bar's separator between save and bold is an etched line.
    EXPECT_LT(qGray(pixel(73, 12)), qGray(pixel(75, 12)));

    const auto& status = d["sbEdit"];
    const int top = static_cast<int>(status.abs_top / 15),
              right = static_cast<int>((status.abs_left + status.abs_width) / 15);
    const auto black = [](QRgb c) { return qGray(c) < 60; };
    const auto grey = [](QRgb c) { return qGray(c) > 90 && qGray(c) < 140; };
    // "Ready" on the left of the spring; the time at the right end, centred in its panel.
    EXPECT_GT(count(2, top + 4, 60, top + 22, black), 20);
    EXPECT_EQ(count(60, top + 4, 200, top + 22, black), 0) << "the spring holds one word";
    EXPECT_GT(count(right - 40, top + 4, right - 4, top + 22, black), 10);
    // NUM, grey, in the panel before the time.
    EXPECT_GT(count(right - 140, top + 4, right - 40, top + 22, grey), 10);
}

// The common controls' progress bar fills as far as its value (in blocks, or smooth and from the
// bottom when upright), the slider has a tick at each step of its range, a list view in report
// view its column headers.
TEST(PictureRender, ProgressBarsSlidersAndListViews) {
    ScratchDir dir;
    const Drawn d = draw(dir.copy_sample("backup.frm"), dir);
    const auto green = [](QRgb c) { return qGreen(c) > 150 && qRed(c) < 60 && qBlue(c) < 80; };
    const auto& files = d["prgFiles"];  // 170 of 250
    const double mid = files.abs_top + files.abs_height / 2, inside = files.abs_width - 60;
    EXPECT_TRUE(green(d.at(files.abs_left + 45 + inside * 0.6, mid)));
    EXPECT_FALSE(green(d.at(files.abs_left + 45 + inside * 0.75, mid)));
    const auto& disk = d["prgDisk"];  // 65 of 100, from the bottom
    const double across = disk.abs_left + disk.abs_width / 2, tall = disk.abs_height - 60;
    EXPECT_TRUE(green(d.at(across, disk.abs_top + 30 + tall * 0.4)));
    EXPECT_FALSE(green(d.at(across, disk.abs_top + 30 + tall * 0.3)));

    // 0 to 9: ten ticks below the thumb's row.
    const auto& level = d["sldLevel"];
    const int x0 = static_cast<int>(level.abs_left / 15),
              x1 = static_cast<int>((level.abs_left + level.abs_width) / 15);
    const int below = static_cast<int>((level.abs_top + level.abs_height / 2) / 15) + 12 + kTitle;
    int ticks = 0;
    bool in_tick = false;
    for (int x = x0; x < x1; ++x) {
        const bool dark = qGray(d.image.pixel(x, below)) < 100;
        ticks += dark && !in_tick;
        in_tick = dark;
    }
    EXPECT_EQ(ticks, 10);

    // The report view's column headers along its top: "Name" left in the first, nothing written
    // below them; the tree view's box is the window's white.
    const auto& report = d["lvwFiles"];
    EXPECT_GT(d.dark(report.abs_left + 90, report.abs_left + 700, report.abs_top + 60,
                     report.abs_top + 250),
              5);
    EXPECT_EQ(d.dark(report.abs_left + 90, report.abs_left + report.abs_width - 90,
                     report.abs_top + 600, report.abs_top + report.abs_height - 90),
              0);
    const auto& folders = d["tvwFolders"];
    EXPECT_EQ(d.at(folders.abs_left + folders.abs_width / 2, folders.abs_top + 300),
              qRgb(255, 255, 255));
}

// A data grid before its records: the record selectors' corner, then each column's caption at
// its width along the top, nothing below.
TEST(PictureRender, ADataGridsColumnHeaders) {
    ScratchDir dir;
    const Drawn d = draw(dir.copy_sample("grid.frm"), dir);
    const auto& grid = d["grdStock"];
    // "Artikel" after the 15-pixel selectors' column; the right-aligned "Menge" column 37 pixels
    // wide after its 167.
    const double first = grid.abs_left + 30 + 15 * 15, second = first + 167 * 15;
    EXPECT_GT(d.dark(first + 60, first + 900, grid.abs_top + 60, grid.abs_top + 250), 5);
    EXPECT_GT(d.dark(second + 30, second + 37 * 15 - 30, grid.abs_top + 60, grid.abs_top + 250), 3);
    EXPECT_EQ(d.dark(second + 37 * 15 + 60, grid.abs_left + grid.abs_width - 90, grid.abs_top + 60,
                     grid.abs_top + 250),
              0)
        << "nothing past the last column";
    EXPECT_EQ(d.dark(grid.abs_left + 90, grid.abs_left + grid.abs_width - 90, grid.abs_top + 600,
                     grid.abs_top + grid.abs_height - 90),
              0);
}

// Date pickers show their dates in their formats beside their buttons (a check box's tick
// before one); an up-down its arrows; a month calendar its title band, and the chosen day
// marked in the same blue, the only day that is.
TEST(PictureRender, DatePickersAndAMonthCalendar) {
    ScratchDir dir;
    const Drawn d = draw(dir.copy_sample("booking.frm"), dir);
    for (const char* key : {"dtpDate", "dtpTime", "dtpRemind"}) {
        SCOPED_TRACE(key);
        const auto& c = d[key];
        EXPECT_GT(d.dark(c.abs_left + 60, c.abs_left + 1200, c.abs_top + 45,
                         c.abs_top + c.abs_height - 45),
                  20)
            << "its date written";
    }
    // The check box's edge: a dark line some 13 pixels long at the box's left end.
    const auto longest_line = [&](const ControlState& c) {
        int longest = 0;
        for (double y = c.abs_top + 15; y < c.abs_top + c.abs_height - 15; y += 15) {
            int run = 0;
            for (double x = c.abs_left + 30; x < c.abs_left + 330; x += 15) {
                run = qGray(d.at(x, y)) < 90 ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
        return longest;
    };
    EXPECT_GE(longest_line(d["dtpRemind"]), 12);
    EXPECT_LT(longest_line(d["dtpDate"]), 8) << "no box: figures only";

    // The up-down's two arrows, one in each half; its buddy's figure at the right (Alignment 1).
    const auto& arrows = d["updGuests"];
    const double middle = arrows.abs_top + arrows.abs_height / 2;
    const double a0 = arrows.abs_left + 30, a1 = arrows.abs_left + arrows.abs_width - 30;
    EXPECT_GT(d.dark(a0, a1, arrows.abs_top + 30, middle - 15), 1);
    EXPECT_GT(d.dark(a0, a1, middle + 15, arrows.abs_top + arrows.abs_height - 30), 1);
    const auto& guests = d["txtGuests"];
    const double centre = guests.abs_left + guests.abs_width / 2;
    EXPECT_EQ(d.dark(guests.abs_left + 30, centre, guests.abs_top + 30, guests.abs_top + 255), 0);
    EXPECT_GT(d.dark(centre, guests.abs_left + guests.abs_width - 30, guests.abs_top + 30,
                     guests.abs_top + 255),
              5);

    const auto& month = d["mvwMonth"];
    const auto blue = [](QRgb c) { return qBlue(c) > 180 && qRed(c) < 60; };
    EXPECT_TRUE(blue(d.at(month.abs_left + 600, month.abs_top + 60)));
    int marked = 0;
    for (double y = month.abs_top + 720; y < month.abs_top + month.abs_height - 450; y += 15)
        for (double x = month.abs_left + 30; x < month.abs_left + month.abs_width - 30; x += 15)
            marked += blue(d.at(x, y));
    // One day's cell, some 20 by 15 pixels, less its white figures.
    EXPECT_GT(marked, 150);
    EXPECT_LT(marked, 400);
}

// Another library's combo boxes and list look like the runtime's: white boxes, a combo box's
// text beside its button.
TEST(PictureRender, DataBoundCombosAndListsLookLikeTheRuntimes) {
    ScratchDir dir;
    const Drawn d = draw(dir.copy_sample("contacts.frm"), dir);
    const auto& list = d["dblContacts"];
    EXPECT_EQ(d.at(list.abs_left + list.abs_width / 2, list.abs_top + list.abs_height - 200),
              kWhite);
    for (const char* key : {"dbcGroup", "imcIcon"}) {
        SCOPED_TRACE(key);
        const auto& c = d[key];
        EXPECT_EQ(d.at(c.abs_left + c.abs_width - 600, c.abs_top + c.abs_height / 2), kWhite);
        EXPECT_GT(d.dark(c.abs_left + 45, c.abs_left + 900, c.abs_top + 45,
                         c.abs_top + c.abs_height - 45),
                  10)
            << "its text";
        EXPECT_LT(qGray(d.at(c.abs_left + c.abs_width - 120, c.abs_top + c.abs_height / 2)), 120)
            << "the button's arrow";
    }
}

// A flex grid before its program fills it: the fixed row raised in the button face with the
// FormatString's headers, white cells below, the workspace's grey past the last column, and a
// scroll bar only where the rows do not fit and the grid allows one; its own colours where it
// has them.
TEST(PictureRender, AFlexGridsCells) {
    const struct {
        const char* what;
        const char* more;  // lines added to the grid's block
        QRgb beyond;
        bool bar;
    } cases[] = {
        {"as the sample has it", "", qRgb(171, 171, 171), true},
        {"no scroll bars, a blue background",
         "      ScrollBars      =   0\r\n      BackColorBkg    =   &H00FF0000&\r\n",
         qRgb(0, 0, 255), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir dir;
        const std::string at = "      FixedCols       =   0\r\n";
        const Drawn d = draw(dir.copy_sample_with("ledger.frm", at, at + c.more), dir);
        const auto& grid = d["grdLedger"];
        ASSERT_TRUE(grid.flex_grid);
        const double left = grid.abs_left, top = grid.abs_top, right = left + grid.abs_width;
        const double header = top + 9 * 15, row = top + 26 * 15;  // a row 17 pixels high
        // The first column's left edge, clear of its text.
        EXPECT_TRUE(near(d.at(left + 3 * 15, header), kPage, 2));
        EXPECT_EQ(d.at(left + 3 * 15, row), kWhite);
        EXPECT_GT(d.dark(left + 5 * 15, left + 40 * 15, top + 2 * 15, top + 17 * 15), 5) << "Date";
        EXPECT_EQ(d.dark(left + 5 * 15, left + 40 * 15, top + 20 * 15, top + 60 * 15), 0);
        // Past the four columns, in the header's row too.
        for (const double y : {header, row}) EXPECT_EQ(d.at(right - 40 * 15, y), c.beyond);
        // Twenty rows do not fit: the bar's track down the right edge, none along the bottom.
        const QRgb down = d.at(right - 9 * 15, top + grid.abs_height * 3 / 4);
        EXPECT_EQ(near(down, qRgb(235, 235, 235), 2), c.bar);
        EXPECT_FALSE(
            near(d.at(left + 3 * 15, top + grid.abs_height - 8 * 15), qRgb(235, 235, 235), 2));
    }
}
