// The pictures of an exported form read back from its .ui: each comes back, byte for byte and at
// its size, where the form file keeps it; a picture or resource collection that is missing or
// damaged is named in a note and the form still loads.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "control/zokKelvane.h"
#include "frm_test_util.h"
#include "host/export/FormFileExport.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"
#include "host/memory/MemoryHost.h"
#include "host/store/MemorySettingsStore.h"
#include "host/ui/UiLoader.h"
#include "host/ui/UiPictures.h"
#include "host/ui/UiReader.h"
#include "run_host.h"

namespace kv::ui {
namespace {

namespace fs = std::filesystem;
using test::run_host;
using test::ScratchDir;

mem::MemoryObject* object_of(mem::MemoryForm& form, const std::string& name) {
    return name == form.name() ? &form : form.control(name).get();
}

std::string all_notes(const UiLoadedForm& f) {
    std::string s;
    for (const auto& n : f.notes) s += std::to_string(n.line) + ": " + n.text + "\n";
    return s;
}

TEST(UiPictures, AnExportedFormsPicturesComeBackAsTheFormFileHasThem) {
    struct Case {
        const char* sample;
        const char* owner;
        const char* property;
    };
    const Case cases[] = {
        {"profile", "frmProfile", "Icon"},           // the window's icon
        {"profile", "frmProfile", "Picture"},        // the client area's background
        {"profile", "picLogo", "Picture"},           // a picture box's background
        {"profile", "imgPhoto", "Picture"},          // an image's pixmap
        {"profile", "cmdSave", "Picture"},           // a graphical button's icon
        {"profile", "tabProfile", "TabPicture(1)"},  // a tab's icon
        {"tabs", "tabMain", "TabPicture(0)"},       {"tabs", "tabMain", "TabPicture(2)"},
    };
    ScratchDir dir;
    for (const char* sample : {"profile", "tabs"}) {
        const std::string ui = (dir.path() / (std::string(sample) + ".ui")).string();
        exporter::export_form_file(test::data_dir() + "/" + sample + ".frm", ui, {});
        auto frm_host = run_host();
        const frm::FrmDocument frm_doc =
            frm::FrmReader::read_file(test::data_dir() + "/" + sample + ".frm");
        const auto from_frm = frm::FrmLoader::load(frm_doc, *frm_host).form;
        auto ui_host = run_host();
        const UiDocument doc = UiReader::read_file(ui);
        const UiLoadedForm from_ui = UiLoader::load(doc, *ui_host);
        EXPECT_TRUE(from_ui.notes.empty()) << all_notes(from_ui);
        for (const Case& c : cases) {
            if (std::string(c.sample) != sample) continue;
            SCOPED_TRACE(std::string(c.owner) + "." + c.property);
            mem::MemoryObject* want = object_of(*from_frm, c.owner);
            mem::MemoryObject* got = object_of(*from_ui.loaded.form, c.owner);
            ASSERT_TRUE(want && got);
            ASSERT_TRUE(want->picture(c.property));
            const auto pic = got->picture(c.property);
            ASSERT_TRUE(pic) << "no picture from the .ui";
            EXPECT_EQ(pic->bytes, want->picture(c.property)->bytes);
            EXPECT_EQ(pic->width, want->picture(c.property)->width);
            EXPECT_EQ(pic->height, want->picture(c.property)->height);
            if (std::string(c.property) == "Picture") {
                EXPECT_EQ(got->class_name(), want->class_name());
            }
        }
    }
}

TEST(UiPictures, AMissingOrDamagedFileIsNamedAndTheFormStillLoads) {
    struct Case {
        const char* what;
        std::function<void(const fs::path& dir)> spoil;
        const char* said;  // in a note
    };
    const Case cases[] = {
        {"picture missing",
         [](const fs::path& d) { fs::remove(d / "profile_pictures/picLogo_Picture.bmp"); },
         "picLogo.Picture: the picture file "},
        {"picture damaged",
         [](const fs::path& d) {
             test::spit(d / "profile_pictures/imgPhoto_Picture.gif", "GIF89a");
         },
         "imgPhoto.Picture: the picture file "},
        {"collection missing", [](const fs::path& d) { fs::remove(d / "profile.qrc"); },
         "the resource collection "},
        {"collection damaged",
         [](const fs::path& d) { test::spit(d / "profile.qrc", "<RCC><qresource"); },
         "the resource collection "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir dir;
        const std::string ui = (dir.path() / "profile.ui").string();
        exporter::export_form_file(test::data_dir() + "/profile.frm", ui, {});
        c.spoil(dir.path());
        auto host = run_host();
        const UiDocument doc = UiReader::read_file(ui);
        UiLoadedForm f;
        ASSERT_NO_THROW(f = UiLoader::load(doc, *host));
        ASSERT_TRUE(f.loaded.form);
        const std::string notes = all_notes(f);
        EXPECT_NE(notes.find(c.said), std::string::npos) << notes;
        EXPECT_NE(notes.find(dir.path().string()), std::string::npos) << notes;
        EXPECT_EQ(f.loaded.form->control("cmdSave")->class_name(), "CommandButton");
    }
}

// A hand-written form's pictures by plain paths, beside the form or from its folder on.
TEST(UiPictures, PlainPathsAreFilesBesideTheForm) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "profile.ui").string();
    exporter::export_form_file(test::data_dir() + "/profile.frm", ui, {});
    std::string text = test::slurp(ui);
    auto replace_all = [&](const std::string& from, const std::string& to) {
        for (size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, from.size(), to);
    };
    replace_all(":/profile/", "profile_pictures/");
    replace_all("<include location=\"profile.qrc\"/>", "");
    fs::remove(dir.path() / "profile.qrc");
    test::spit(ui, text);
    auto host = run_host();
    const UiDocument doc = UiReader::read_file(ui);
    const UiLoadedForm f = UiLoader::load(doc, *host);
    EXPECT_TRUE(f.loaded.form->picture("Icon"));
    EXPECT_TRUE(f.loaded.form->control("picLogo")->picture("Picture"));
    EXPECT_TRUE(f.loaded.form->control("imgPhoto")->picture("Picture"));
    EXPECT_TRUE(f.notes.empty()) << all_notes(f);
}

TEST(UiPictures, TheUrlOfABackgroundImage) {
    const std::pair<const char*, const char*> cases[] = {
        {"#a { background-image: url(:/p/a.bmp); }", ":/p/a.bmp"},
        {"background-image:url( 'x y.png' )", "x y.png"},
        {"background-image: url(\"b.gif\")", "b.gif"},
        {"background-color: red; border-image: url(c.png)", ""},
        {"background-image: none; x: url(d.png)", ""},
    };
    for (const auto& [sheet, url] : cases)
        EXPECT_EQ(background_image_url(sheet).value_or(""), url) << sheet;
}

}  // namespace
}  // namespace kv::ui
