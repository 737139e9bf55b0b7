// Forms as designers really write them (tests/data): timers in frames and on MDI parents,
// controls of other libraries that hold controls or are invisible at run time, values written
// with a decimal comma, flat picture boxes, shapes over labels, captions in another code page.
// Each loads, resizes as its modes say, draws as the designer shows it, and `set` writes only
// the resizer's lines.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "engine/HostAccess.h"
#include "frm_test_util.h"
#include "harness/ResizerProperties.h"
#include "harness/Session.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmReader.h"
#include "picture/Renderer.h"

using namespace kv;
using namespace kv::app;
using kv::test::data_dir;
using kv::test::ScratchDir;
using kv::test::slurp;

namespace {

// A form from tests/data, loaded in run mode and shown, optionally resized to an outer size.
struct FormRun {
    explicit FormRun(const std::string& name, std::optional<std::pair<double, double>> size = {})
        : session("") {
        session.load(frm::FrmReader::read_file(data_dir() + "/" + name));
        session.show();
        if (size) {
            Step step;
            step.width = size->first;
            step.height = size->second;
            session.apply(step);
        }
        shot = session.snapshot();
    }
    const ControlState& operator[](const std::string& key) const {
        for (const auto& c : shot.controls)
            if (c.key == key) return c;
        throw std::runtime_error("no control " + key);
    }
    Session session;
    Snapshot shot;
};

// The form's client grows by these factors when the outer size is the design size times 1.5.
std::pair<double, double> growth(const FormRun& design, const FormRun& grown) {
    return {grown.shot.form.scale_width / design.shot.form.scale_width,
            grown.shot.form.scale_height / design.shot.form.scale_height};
}

std::pair<double, double> one_and_a_half(const FormRun& design) {
    return {design.shot.form.width * 1.5, design.shot.form.height * 1.5};
}

}  // namespace

TEST(RealForms, TimersInAFrameAndOnAnMdiParentLoad) {
    FormRun customer("customer.frm");
    EXPECT_EQ(customer["tmrPoll"].container_key, "fraContact");
    EXPECT_EQ(customer["tmrPoll"].left, 5760);
    EXPECT_EQ(customer["tmrPoll"].width, std::nullopt);

    FormRun mdi("mdiwork.frm", std::pair{13500.0, 9000.0});
    EXPECT_EQ(mdi["tmrClock"].left, 8280);
    // The host lays the aligned bars out across the grown client area.
    EXPECT_EQ(mdi["picTools"].width, mdi.shot.form.scale_width);
    EXPECT_EQ(mdi["sbMain"].width, mdi.shot.form.scale_width);
}

// A dialog, an image list and a socket have a position and nothing else at run time; with
// AddAllControls and scaled fonts every other control follows the form, none is left behind.
TEST(RealForms, ControlsInvisibleAtRunTimeAreNeverResized) {
    FormRun design("customer.frm");
    FormRun grown("customer.frm", one_and_a_half(design));
    EXPECT_TRUE(grown.session.host().messages().empty());
    for (const char* key : {"dlgOpen", "imlSmall", "sckLink"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(grown[key].left, design[key].left);
        EXPECT_EQ(grown[key].top, design[key].top);
        EXPECT_EQ(grown[key].width, std::nullopt);
        EXPECT_EQ(grown[key].font_size, std::nullopt);
    }
    const auto [gx, gy] = growth(design, grown);
    for (const char* key : {"fraContact", "txtNotes", "cmdOK", "cmdCancel"}) {
        SCOPED_TRACE(key);
        EXPECT_NEAR(*grown[key].left, *design[key].left * gx, 1e-6);
        EXPECT_NEAR(*grown[key].width, *design[key].width * gx, 1e-6);
        EXPECT_NEAR(*grown[key].height, *design[key].height * gy, 1e-6);
        EXPECT_GT(*grown[key].font_size, *design[key].font_size);
    }
    // Inside the frame, against the frame.
    EXPECT_NEAR(*grown["txtName"].width, *design["txtName"].width * gx, 1e-6);
}

// A tab strip of another library holds its controls: they stay in it, placed in its area, and
// follow it; the designer parks the controls of hidden tabs far to the left.
TEST(RealForms, ControlsOfAForeignContainerStayInIt) {
    FormRun design("tabs.frm");
    for (const char* key : {"lblUser", "txtUser", "txtProxy", "chkDebug"})
        EXPECT_EQ(design[key].container_key, "tabMain") << key;
    const auto& tab = design["tabMain"];
    EXPECT_EQ(design["txtUser"].abs_left, tab.abs_left + 1440);
    EXPECT_EQ(design["txtUser"].abs_top, tab.abs_top + 600);
    EXPECT_EQ(design["txtProxy"].left, -74760);

    FormRun grown("tabs.frm", one_and_a_half(design));
    const double tx = *grown["tabMain"].width / *tab.width;
    EXPECT_NEAR(tx, growth(design, grown).first, 1e-9);
    EXPECT_NEAR(*grown["txtUser"].left, 1440 * tx, 1e-6);
    EXPECT_NEAR(*grown["txtUser"].width, 4095 * tx, 1e-6);
    // Buttons float at their size when fonts and buttons are not resized.
    EXPECT_EQ(grown["cmdOK"].width, 1215);
}

TEST(RealForms, FlatPictureBoxKeepsTheInnerSizeTheDesignerStored) {
    FormRun preview("preview.frm");
    EXPECT_EQ(preview["picPage"].scale_width, 5985);
    EXPECT_EQ(preview["picPage"].scale_height, 2385);
    // The designer's omitted Caption is empty, not the control's name.
    EXPECT_EQ(preview["lblStatus"].caption, "");
}

TEST(RealForms, DecimalCommasOfAnotherLibraryAreCarriedThrough) {
    const auto doc = frm::FrmReader::read_file(data_dir() + "/grid.frm");
    EXPECT_EQ(doc.bytes(), slurp(data_dir() + "/grid.frm"));
    const auto& split = doc.form.children.at(0).groups.at(3);
    const auto* width = split.groups.at(1).find("ColumnWidth");
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->kind, frm::FrmValueKind::Bare);
    EXPECT_EQ(width->text, "555,024");
    // The same value in a control of the designer's own library is an error.
    const std::string own =
        "VERSION 5.00\nBegin VB.Form F\n   Begin VB.TextBox T\n      Width = 555,024\n   "
        "End\nEnd\n";
    EXPECT_THROW(frm::FrmReader::read_bytes(own, "own.frm"), frm::FrmError);
}

// `set` on a form without a resizer: the header Object line and the new block before the
// menus are the only new lines; then the form resizes with the defaults it got.
TEST(RealForms, SetPlacesTheResizerBeforeTheMenusAndWritesNothingElse) {
    ScratchDir dir;
    const std::string path = dir.copy_sample("grid.frm");
    const std::string before = slurp(path);
    bool placed = false;
    EXPECT_TRUE(set_resizer_properties(path, "", {{"AddAllControls", "True"}}, placed).empty());
    EXPECT_TRUE(placed);
    const auto doc = frm::FrmReader::read_file(path);
    const auto* resizer = doc.resizer();
    ASSERT_NE(resizer, nullptr);
    const auto& kids = doc.form.children;
    ASSERT_EQ(kids.size(), 6u);
    EXPECT_EQ(kids[3].name, "zokKelvane1");
    EXPECT_TRUE(kids[4].is_class("VB.Menu"));
    std::string rest;
    for (size_t i = 0; i < doc.lines.size(); ++i)
        if ((i < resizer->begin_line || i > resizer->end_line) && i != doc.object_lines.back())
            rest += doc.lines[i].text + doc.lines[i].eol;
    EXPECT_EQ(rest, before);

    Session session("");
    session.load(doc);
    session.show();
    const double w = to_double(session.form().get(Prop::Width));
    const auto design = session.snapshot();
    Step step;
    step.width = w * 1.5;
    step.height = to_double(session.form().get(Prop::Height)) * 1.5;
    session.apply(step);
    const auto grown = session.snapshot();
    const double gx = grown.form.scale_width / design.form.scale_width;
    EXPECT_NEAR(*grown.controls[0].width, *design.controls[0].width * gx, 1e-6);
}

// A form that has a resizer: only the lines of its block change.
TEST(RealForms, SetOnAFormWithAResizerChangesOnlyItsBlock) {
    for (const char* name : {"customer.frm", "tabs.frm"}) {
        SCOPED_TRACE(name);
        ScratchDir dir;
        const std::string path = dir.copy_sample(name);
        const auto old_doc = frm::FrmReader::read_file(path);
        bool placed = true;
        EXPECT_TRUE(set_resizer_properties(path, "", {{"MinWidth", "4500"}}, placed).empty());
        EXPECT_FALSE(placed);
        const auto new_doc = frm::FrmReader::read_file(path);
        const auto* a = old_doc.resizer();
        const auto* b = new_doc.resizer();
        ASSERT_TRUE(a && b);
        ASSERT_EQ(a->begin_line, b->begin_line);
        const size_t grew = b->end_line - a->end_line;
        for (size_t i = 0; i < old_doc.lines.size(); ++i) {
            if (i >= a->begin_line && i <= a->end_line) continue;
            const size_t j = i > a->end_line ? i + grew : i;
            EXPECT_EQ(old_doc.lines[i].text, new_doc.lines[j].text) << "line " << i + 1;
        }
        EXPECT_NE(new_doc.resizer()->find("MinWidth"), nullptr);
    }
}

// Font Charset names the code page of a file that is not UTF-8; a code page given wins.
TEST(RealForms, CodePageComesFromTheFontsCharset) {
    const auto sjis = frm::FrmReader::read_file(data_dir() + "/sjis.frm");
    EXPECT_EQ(sjis.encoding, "CP932");
    Session session("");
    auto& loaded = session.load(sjis);
    EXPECT_EQ(to_text(loaded.form->get(Prop::Caption)), "受注入力");
    EXPECT_EQ(frm::FrmReader::read_file(data_dir() + "/sjis.frm", "WINDOWS-1252").encoding,
              "WINDOWS-1252");

    struct Case {
        int charset;
        std::string caption_bytes, page, caption;
    };
    const Case cases[] = {
        {204, "\xC7\xE0\xEA\xE0\xE7", "CP1251", "Заказ"},
        {238, "\x8A\x61\x6C\x6F\x76\xE1\x6E\xED", "CP1250", "Šalování"},
        {0, "Gr\xF6\xDF\x65", "WINDOWS-1252", "Größe"},
        {1, "Gr\xF6\xDF\x65", "WINDOWS-1252", "Größe"},
        {161, "\xC1\xF1\xF7\xE5\xDF\xEF", "CP1253", "Αρχείο"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.charset);
        const std::string bytes =
            "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"" + c.caption_bytes +
            "\"\r\n   BeginProperty Font\r\n      Charset = " + std::to_string(c.charset) +
            "\r\n   EndProperty\r\nEnd\r\n";
        const auto doc = frm::FrmReader::read_bytes(bytes, "f.frm");
        EXPECT_EQ(doc.encoding, c.page);
        EXPECT_EQ(doc.form.find("Caption")->text, c.caption);
    }
    // Valid UTF-8 stays UTF-8 whatever the fonts say.
    EXPECT_EQ(frm::FrmReader::read_bytes("VERSION 5.00\nBegin VB.Form F\n   Caption = \"Größe\"\n"
                                         "   BeginProperty Font\n      Charset = 128\n"
                                         "   EndProperty\nEnd\n",
                                         "u.frm")
                  .encoding,
              "UTF-8");
}

// --- pictures ---

namespace {

struct Picture {
    explicit Picture(FormRun& run) {
        ScratchDir dir;
        const std::string path = (dir.path() / "p.png").string();
        std::string error;
        tpp = run.session.host().twips_per_pixel_x();
        EXPECT_TRUE(render_picture(run.shot, tpp, path, error)) << error;
        image = QImage(QString::fromStdString(path));
    }
    // The picture's pixel at a point given in form-client twips (below the title bar).
    QColor at(double x, double y) const {
        return image.pixelColor(static_cast<int>(x / tpp), static_cast<int>(y / tpp) + 22);
    }
    // Pixels inside a control's rectangle, less a margin of pixels, that are not `colour`.
    int others(const ControlState& c, const QColor& colour, int margin = 1) const {
        int n = 0;
        const int x0 = static_cast<int>(c.abs_left / tpp) + margin;
        const int y0 = static_cast<int>(c.abs_top / tpp) + margin + 22;
        const int x1 = static_cast<int>((c.abs_left + c.abs_width) / tpp) - margin;
        const int y1 = static_cast<int>((c.abs_top + c.abs_height) / tpp) - margin + 22;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += image.pixelColor(x, y) != colour;
        return n;
    }
    QImage image;
    double tpp = 15;
};

const QColor kFace(240, 240, 240), kWhite(255, 255, 255);

}  // namespace

TEST(RealFormPictures, HiddenContainersHideWhatTheyHold) {
    FormRun preview("preview.frm");
    Picture pic(preview);
    ASSERT_FALSE(pic.image.isNull());
    EXPECT_EQ(pic.others(preview["cmdReset"], kFace, 0), 0);
    // An empty caption draws no text.
    EXPECT_EQ(pic.others(preview["lblStatus"], kFace, 0), 0);
}

TEST(RealFormPictures, ShapesLieUnderLabelsAndWindows) {
    FormRun preview("preview.frm");
    Picture pic(preview);
    // The zoom label comes before a transparent shape that covers it: its text still shows.
    EXPECT_GT(pic.others(preview["lblZoom"], kFace), 10);
    // Inside the transparent shape, away from everything else: the form shows through.
    EXPECT_EQ(pic.at(2500, 3100), kFace);
    // The opaque highlight comes after the text box in the file, but a window lies above it.
    const auto& txt = preview["txtZoom"];
    EXPECT_EQ(pic.at(txt.abs_left + txt.abs_width - 60, txt.abs_top + txt.abs_height - 60), kWhite);
    // ... and the highlight itself is drawn where nothing covers it.
    EXPECT_EQ(pic.at(1110, 2790), QColor(255, 255, 192));
    // The heading inside the picture box is drawn over its margin shape.
    EXPECT_GT(pic.others(preview["lblHeading"], kWhite), 10);
}

TEST(RealFormPictures, TabStripControlsAreDrawnInIt) {
    FormRun tabs("tabs.frm");
    Picture pic(tabs);
    const auto& user = tabs["txtUser"];
    EXPECT_EQ(pic.at(user.abs_left + user.abs_width - 45, user.abs_top + 45), kWhite);
}
