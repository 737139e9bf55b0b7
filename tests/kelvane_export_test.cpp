// kelvane export as its user runs it: the summary on stderr, the exit status (0 done, 1
// placeholders made, 2 bad input), --all over a folder that goes on past a broken form, --dpi.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "frm_test_util.h"
#include "host/frm/FrxPicture.h"
#include "tool_run.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;

TEST(ExportCommand, OneFormWithItsSummary) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "mail.ui").string();
    const std::string form = std::string(KV_DOCS) + "/frmMail.frm";
    const auto r = run({"export", form, "-o", ui});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, form + " -> " + ui + ": 16 controls, 0 placeholders, 0 pictures\n");
    EXPECT_TRUE(has(slurp(ui), "<widget class=\"QListWidget\" name=\"lstFolders\">"));
}

// -o takes a folder as a copy does: one that exists, or a new one named with a trailing slash.
TEST(ExportCommand, OutIntoAFolder) {
    ScratchDir dir;
    const std::string form = data_dir() + "/plain.frm";
    fs::create_directories(dir.path() / "have");
    const std::pair<std::string, fs::path> cases[] = {
        {(dir.path() / "have").string(), dir.path() / "have" / "plain.ui"},
        {(dir.path() / "new" / "deeper").string() + "/",
         dir.path() / "new" / "deeper" / "plain.ui"},
    };
    for (const auto& [out, ui] : cases) {
        const auto r = run({"export", form, "-o", out});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(has(r.err, form + " -> " + ui.string() + ": 4 controls")) << r.err;
        EXPECT_TRUE(fs::is_regular_file(ui)) << ui;
    }
    // A file stands where the folder should go.
    const std::string file = (dir.path() / "taken").string();
    spit(file, "mine");
    const auto r = run({"export", form, "-o", file + "/"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, "--out: cannot create the folder '" + file +
                               "/': a file of that name "
                               "is there"))
        << r.err;
    EXPECT_EQ(slurp(file), "mine");
}

TEST(ExportCommand, ExitStatusSaysWhatCameOfIt) {
    ScratchDir dir;
    spit(dir.path() / "broken.frm", "VERSION 5.00\nBegin VB.Form f\n   Garbage line here\nEnd\n");
    spit(dir.path() / "nolist.frm",
         "VERSION 5.00\nBegin VB.Form f\n   Begin VB.ListBox lstA\n"
         "      List = \"nolist.frx\":0000\n   End\n   Begin VB.TextBox txtA\n"
         "      Text = \"nolist.frx\":0010\n   End\nEnd\n");
    // A GIF whose header says 2 x 2 pixels and nothing after it, and bytes of no format.
    spit(dir.path() / "badpic.frm",
         "VERSION 5.00\nBegin VB.Form f\n   Begin VB.Image imgA\n      Picture = "
         "\"badpic.frx\":0000\n"
         "   End\n   Begin VB.Image imgB\n      Picture = \"badpic.frx\":0019\n   End\nEnd\n");
    spit(dir.path() / "badpic.frx",
         frm::FrxPicture::record(std::string("GIF89a\x02\0\x02\0\0\0\0", 13)) +
             frm::FrxPicture::record("not a picture"));
    struct Case {
        Argv args;
        int status;
        std::string err;
    };
    const std::string out = (dir.path() / "out.ui").string();
    const Case cases[] = {
        {{"export", data_dir() + "/thirdparty.frm", "-o", out}, 1, "4 controls, 1 placeholder"},
        {{"export", (dir.path() / "broken.frm").string(), "-o", out}, 2, "broken.frm:3: "},
        // A list and a text the .frx should hold, and no .frx: exported empty, and said so.
        {{"export", (dir.path() / "nolist.frm").string(), "-o", out},
         0,
         "  lstA.List (line 4): the entries are in nolist.frx, which is missing: the list is "
         "empty\n  txtA.Text (line 7): the text is in nolist.frx, which is missing: it is left "
         "empty\n"},
        {{"export", (dir.path() / "badpic.frm").string(), "-o", out},
         0,
         "  imgB.Picture: an unknown picture, which Qt does not show: left out\n  f: the form has "
         "no resizer, so its widgets stay where they are\n  imgA.Picture "
         "(line 4): the GIF picture in badpic.frx is damaged (its data ends before the image "
         "does): it is left out\n"},
        {{"export", data_dir() + "/plain.frm", "-o", data_dir() + "/plain.frm"},
         2,
         "is the form file itself"},
        {{"export", data_dir() + "/nested.frm", "-o", data_dir() + "/nested.FRX"},
         2,
         "names a form file or its .frx"},
        {{"export"}, 2, "a form file or --all DIR is required"},
        {{"export", data_dir() + "/plain.frm", "--all", data_dir()}, 2, "not both"},
        {{"export", "--all", data_dir()}, 2, "--all needs -o OUTDIR"},
        {{"export", data_dir() + "/plain.frm", "--dpi", "100"}, 2, "--dpi"},
        {{"export", data_dir() + "/plain.frm", "-o", (dir.path() / "none" / "x.ui").string()},
         2,
         "its folder does not exist"},
        {{"export", "--all", data_dir(), "-o", (dir.path() / "broken.frm").string()},
         2,
         "is a file, not the folder the forms go to"},
        {{"export", "--all", data_dir(), "-o", out, "--codepage", "BOGUS"},
         2,
         "kelvane export: --codepage: unknown code page 'BOGUS'\n"},
    };
    for (const Case& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.back() << ": " << r.err;
        EXPECT_TRUE(has(r.err, c.err)) << r.err;
    }
}

TEST(ExportCommand, AllFormsOfAFolderGoOnPastOneThatFails) {
    ScratchDir in, out;
    fs::create_directories(in.path() / "sub");
    fs::copy_file(data_dir() + "/plain.frm", in.path() / "plain.frm");
    fs::copy_file(data_dir() + "/nested.frm", in.path() / "sub" / "nested.frm");
    fs::copy_file(data_dir() + "/nested.frx", in.path() / "sub" / "nested.frx");
    spit(in.path() / "sub" / "broken.frm", "VERSION 5.00\nBegin VB.Form f\n   Oops\nEnd\n");
    spit(in.path() / "notes.txt", "not a form");
    // A folder whose only form fails leaves no empty folder behind.
    fs::create_directories(in.path() / "old" / "deeper");
    spit(in.path() / "old" / "deeper" / "gone.frm", "VERSION 5.00\nBegin VB.Form g\n   ?\nEnd\n");
    const auto r = run({"export", "--all", in.path().string(), "-o", out.path().string()});
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_TRUE(fs::exists(out.path() / "plain.ui"));
    EXPECT_TRUE(fs::exists(out.path() / "sub" / "nested.ui"));
    EXPECT_FALSE(fs::exists(out.path() / "sub" / "broken.ui"));
    EXPECT_FALSE(fs::exists(out.path() / "old"));
    EXPECT_TRUE(has(r.err, "broken.frm:3: ")) << r.err;
    EXPECT_TRUE(has(r.err, "nested.ui: 10 controls, 0 placeholders, 2 menu items")) << r.err;
    EXPECT_TRUE(has(r.err,
                    "total: 2 forms exported, 2 failed; 14 controls, 0 placeholders, 2 "
                    "menu items, 0 pictures\n"))
        << r.err;
}

TEST(ExportCommand, DotsPerInchScaleThePixels) {
    ScratchDir dir;
    // plain.frm's form is 6000 twips wide: 400 pixels at 96 DPI, 800 at 192.
    for (const auto& [dpi, width] : {std::pair{"96", "400"}, {"120", "500"}, {"192", "800"}}) {
        const std::string ui = (dir.path() / (std::string("plain") + dpi + ".ui")).string();
        const auto r = run({"export", data_dir() + "/plain.frm", "-o", ui, "--dpi", dpi});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(has(slurp(ui), "<width>" + std::string(width) + "</width>")) << dpi;
    }
}

#ifdef KV_UIC
// Qt's user interface compiler takes every exported form (the README's word "compiles with uic").
TEST(ExportCommand, ExportedFormsCompileWithUic) {
    ScratchDir out;
    const auto r = run({"export", "--all", data_dir(), "-o", out.path().string()});
    ASSERT_NE(r.status, 2) << r.err;
    size_t forms = 0;
    for (const auto& e : fs::directory_iterator(out.path())) {
        if (e.path().extension() != ".ui") continue;
        ++forms;
        const fs::path header = fs::path(e.path()).replace_extension(".h");
        const std::string command =
            std::string(KV_UIC) + " '" + e.path().string() + "' -o '" + header.string() + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << e.path();
        EXPECT_TRUE(has(slurp(header), "class Ui_")) << e.path();
    }
    EXPECT_GE(forms, 14u);
}
#endif

}  // namespace
}  // namespace kv::test
