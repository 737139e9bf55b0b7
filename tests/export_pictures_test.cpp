// The form's pictures exported as files with a Qt resource file the .ui names.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <regex>

#include "export_rig.h"
#include "host/common/Picture.h"
#include "host/common/PictureImage.h"
#include "host/common/WmfPlayer.h"

namespace kv::exporter {
namespace {

using namespace test_rig;

TEST(Export, PicturesBecomeFilesOfAResourceFileTheUiNames) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "profile.ui").string();
    const auto done = export_form_file(test::data_dir() + "/profile.frm", ui, {});
    const std::string bytes = test::slurp(ui);
    EXPECT_NE(bytes.find("<include location=\"profile.qrc\"/>"), std::string::npos);
    // The resource file's entries: alias -> file beside the .ui.
    const std::string qrc = test::slurp(dir.path() / "profile.qrc");
    EXPECT_NE(qrc.find("<qresource prefix=\"/profile\">"), std::string::npos) << qrc;
    std::map<std::string, std::string> files;
    const std::regex entry("<file alias=\"([^\"]+)\">([^<]+)</file>");
    for (std::sregex_iterator m(qrc.begin(), qrc.end(), entry), end; m != end; ++m)
        files[(*m)[1]] = (*m)[2];
    EXPECT_EQ(files.size(), done.report.pictures);
    // Each picture, where the Qt host shows it: in its own format where Qt reads that, a
    // metafile drawn as a PNG.
    struct Case {
        const char* owner;
        const char* property;  // the .ui's
        const char* alias;
    };
    const Case cases[] = {
        {"frmProfile", "windowIcon", "frmProfile_Icon.ico"},
        {"frmProfile", "styleSheet", "frmProfile_Picture.bmp"},
        {"picLogo", "styleSheet", "picLogo_Picture.bmp"},
        {"imgPhoto", "pixmap", "imgPhoto_Picture.gif"},
        {"cmdSave", "icon", "cmdSave_Picture.ico"},
        {"imgMap", "pixmap", "imgMap_Picture.png"},
    };
    FormRun form_file = run_form_file(test::data_dir() + "/profile.frm");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alias);
        const std::string path = std::string(":/profile/") + c.alias;
        EXPECT_NE(bytes.find(path), std::string::npos);
        ASSERT_TRUE(files.count(c.alias));
        // The file holds the picture's own bytes, which Qt reads.
        const std::string written = test::slurp(dir.path() / files[c.alias]);
        auto object = std::string(c.owner) == "frmProfile"
                          ? std::static_pointer_cast<mem::MemoryObject>(form_file.form)
                          : form_file.form->control(c.owner);
        ASSERT_TRUE(object);
        const char* picture = std::string(c.property) == "windowIcon" ? "Icon" : "Picture";
        ASSERT_TRUE(object->picture(picture));
        const QImage read =
            QImage::fromData(QByteArray(written.data(), static_cast<int>(written.size())));
        EXPECT_FALSE(read.isNull());
        if (object->picture(picture)->format == host::PictureFormat::Metafile) {
            // The map, stretched over its image (2400 x 1200 twips): drawn at that size.
            QImage drawn(160, 80, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            host::WmfPlayer(object->picture(picture)->bytes).play(painter, QRectF(drawn.rect()));
            painter.end();
            EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32),
                      drawn.convertToFormat(QImage::Format_ARGB32));
        } else {
            EXPECT_EQ(written, object->picture(picture)->bytes);
        }
    }
    // The tab control's pictures are its pages' icons.
    for (const char* tab : {"0", "1", "2"})
        EXPECT_NE(bytes.find(std::string(":/profile/tabProfile_TabPicture_") + tab + "_.bmp"),
                  std::string::npos)
            << tab;
    EXPECT_TRUE(std::none_of(done.report.notes.begin(), done.report.notes.end(),
                             [](const std::string& n) { return n.find("TabPicture") != n.npos; }));
}

// A picture box with a picture and a system back colour (profile.frm's logo on the window's
// white) has both in one style sheet, and both come back.
TEST(Export, APicturesSheetKeepsASystemBackColour) {
    ScratchDir dir;
    const std::string border =
        "      BorderStyle     =   0  'None\r\n      Height          =   480\r\n";
    const std::string frm = dir.copy_sample_with(
        "profile.frm", border, border + "      BackColor       =   &H80000005&\r\n");
    const std::string ui = (dir.path() / "profile.ui").string();
    export_form_file(frm, ui, {});
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    const auto sheet = values.string(*e.by_name.at("picLogo"), "styleSheet").value_or("");
    EXPECT_NE(sheet.find("background-image: url(:/profile/picLogo_Picture.bmp)"), sheet.npos)
        << sheet;
    EXPECT_NE(sheet.find("#picLogo { background-color: palette(base); }"), sheet.npos) << sheet;
    FormRun run = run_ui(ui);
    const auto logo = run.form->control("picLogo");
    EXPECT_TRUE(logo->picture("Picture"));
    EXPECT_EQ(to_double(logo->get("BackColor")), -2147483643.0);  // &H80000005&
}

// A graphical button's icon at the picture's own size: a metafile's, which its header does not
// give, the size it is drawn at (the map: 96 x 48).
TEST(Export, AGraphicalButtonsMetafileKeepsItsSize) {
    ScratchDir dir;
    const std::string frm =
        dir.copy_sample_with("profile.frm", "\"profile.frx\":7056", "\"profile.frx\":74E0");
    const std::string ui = (dir.path() / "profile.ui").string();
    export_form_file(frm, ui, {});
    const std::string text = test::slurp(ui);
    const std::regex size(
        "name=\"cmdSave\"[\\s\\S]*?<property name=\"iconSize\">\\s*<size>\\s*<width>(\\d+)</width>"
        "\\s*<height>(\\d+)</height>");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(text, m, size));
    EXPECT_EQ(m[1], "96");
    EXPECT_EQ(m[2], "48");
}

// Names that differ only in letters a file name leaves out, in a form and between forms: each
// picture keeps a file and a resource path of its own.
TEST(Export, PicturesOfLookAlikeNamesStayApart) {
    ScratchDir dir;
    std::string text = test::slurp(test::data_dir() + "/profile.frm");
    auto rename = [&](const std::string& from, const std::string& to) {
        for (size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, from.size(), to);
    };
    rename("frmProfile", "pic\xC4");  // the form and its picture box: both "pic_" in a file name
    rename("picLogo", "pic\xD6");
    for (const char* name : {"p q", "p_q"})
        test::spit(dir.path() / (std::string(name) + ".frm"), text);
    fs::copy_file(test::data_dir() + "/profile.frx", dir.path() / "profile.frx");
    std::set<std::string> files;
    for (const char* name : {"p q", "p_q"}) {
        const auto base = dir.path() / name;
        export_form_file(base.string() + ".frm", base.string() + ".ui", {});
        const std::string qrc = test::slurp(base.string() + ".qrc");
        const std::regex entry("<file alias=\"[^\"]+\">([^<]+)</file>");
        for (std::sregex_iterator m(qrc.begin(), qrc.end(), entry), end; m != end; ++m)
            EXPECT_TRUE(files.insert((*m)[1]).second) << (*m)[1] << " twice";
    }
    // Nine pictures a form (three tab icons), none written over by another.
    EXPECT_EQ(files.size(), 18u);
    for (const auto& f : files) EXPECT_TRUE(fs::exists(dir.path() / f)) << f;
}

}  // namespace
}  // namespace kv::exporter
