// The files the kelvane tool writes: set saves the form file, render writes a picture in the
// format its name asks for and never over the form, demo writes into a folder of its own.
#include <gtest/gtest.h>

#include <QImage>
#include <regex>

#include "frm_test_util.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"
#include "tool_run.h"

using kv::test::data_dir;
using kv::test::has;
using kv::test::run;
using kv::test::ScratchDir;
using kv::test::slurp;
using kv::test::spit;
using nlohmann::json;

namespace fs = std::filesystem;

TEST(KelvaneSet, PlacesAResizerAndChangesNothingElse) {
    ScratchDir dir;
    const auto path = dir.copy_sample("cp1252.frm");
    const std::string before = slurp(path);
    spit(dir.path() / "cs.txt", "lblHint \tKKKAK\ncmdHidden \tAAKKK\n");
    auto r = run({"set", path, "AddAllControls=True", "MinWidth=5000",
                  "ControlSettings=@" + (dir.path() / "cs.txt").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "placed a resizer control on the form and saved " + path + "\n");
    const auto doc = kv::frm::FrmReader::read_file(path);
    const auto* zk = doc.resizer();
    ASSERT_NE(zk, nullptr);
    EXPECT_TRUE(std::regex_match(zk->find("FormGUID")->text,
                                 std::regex("\\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\\}")));
    EXPECT_DOUBLE_EQ(zk->find("AddAllControls")->number, -1);
    EXPECT_DOUBLE_EQ(zk->find("MinWidth")->number, 5000);
    EXPECT_EQ(kv::to_text(*kv::frm::FrmLoader::value_of(doc, *zk->find("ControlSettings"), true)),
              "lblHint \tKKKAK\r\ncmdHidden \tAAKKK");
    // Every line of the old file is still there, in order, with its bytes and line end.
    const std::string after = doc.bytes();
    size_t at = 0;
    for (const auto& line : kv::frm::FrmReader::read_bytes(before, "x.frm").lines) {
        at = after.find(line.text + line.eol, at);
        ASSERT_NE(at, std::string::npos) << line.text;
    }
    // A byte-order mark, lines ending CR alone or LF alone: each line is its own, CR LF.
    const auto settings_after = [&](const std::string& value) {
        EXPECT_EQ(run({"set", path, value}).status, 0) << value;
        const auto d = kv::frm::FrmReader::read_file(path);
        return kv::to_text(
            *kv::frm::FrmLoader::value_of(d, *d.resizer()->find("ControlSettings"), true));
    };
    spit(dir.path() / "bom.txt", "\xEF\xBB\xBFlblHint \tKKKAK\rcmdHidden \tAAKKK\r");
    EXPECT_EQ(settings_after("ControlSettings=@" + (dir.path() / "bom.txt").string()),
              "lblHint \tKKKAK\r\ncmdHidden \tAAKKK");
    EXPECT_EQ(settings_after("ControlSettings=lblHint \tKKRAK\ncmdHidden \tAAKKK"),
              "lblHint \tKKRAK\r\ncmdHidden \tAAKKK");
    spit(dir.path() / "latin1.txt", "lblHint \tKKKAK \xC4\n");
    r = run({"set", path, "ControlSettings=@" + (dir.path() / "latin1.txt").string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "kelvane set: " + (dir.path() / "latin1.txt").string() + ": the text is not UTF-8\n");
    // A second set finds the resizer there and keeps its GUID.
    const std::string guid = zk->find("FormGUID")->text;
    ASSERT_EQ(run({"set", path, "SubKey=Tools"}).status, 0);
    const auto doc2 = kv::frm::FrmReader::read_file(path);
    EXPECT_EQ(doc2.resizer()->find("FormGUID")->text, guid);
    EXPECT_EQ(doc2.resizer()->find("SubKey")->text, "Tools");
    // Refused and unknown values leave the file alone.
    const std::string saved = slurp(path);
    r = run({"set", path, "FormGUID={0}"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "kelvane set: FormGUID is readonly\n");
    for (const char* bad : {"Colour=1", "MinWidth=wide", "SavePos=maybe", "SubKey=a\r\nb"}) {
        r = run({"set", path, "SubKey=Other", bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_TRUE(has(r.err, std::string(bad).substr(0, std::string(bad).find('=')))) << r.err;
    }
    EXPECT_EQ(slurp(path), saved);
}

// pixels.frm at 7620 x 5505 twips: a client area of 500 x 340 pixels under a 22-pixel title
// bar. The text box (280, 40, 200 x 25 pixels) is white inside, the picture box (40, 40,
// 300 x 140) grey, the form's face lighter grey.
TEST(KelvaneRender, WritesTheFormatItsNameAsksFor) {
    ScratchDir dir;
    const struct {
        const char* name;
        std::string magic;
    } formats[] = {
        {"f.png", "\x89PNG\r\n\x1a\n"},
        {"f.jpg", "\xff\xd8\xff"},
        {"f.JPEG", "\xff\xd8\xff"},
        {"f.bmp", "BM"},
    };
    for (const auto& f : formats) {
        SCOPED_TRACE(f.name);
        const auto path = (dir.path() / f.name).string();
        const auto r =
            run({"render", data_dir() + "/pixels.frm", "--size", "7620x5505", "-o", path});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(slurp(path).substr(0, f.magic.size()), f.magic);
        const QImage image(QString::fromStdString(path));
        ASSERT_EQ(image.width(), 500);
        ASSERT_EQ(image.height(), 340 + 22);
        // JPEG is lossy: colours within a few units.
        const auto near = [&](int x, int y, QColor want) {
            const QColor got = image.pixelColor(x, y);
            return std::abs(got.red() - want.red()) <= 6 &&
                   std::abs(got.green() - want.green()) <= 6 &&
                   std::abs(got.blue() - want.blue()) <= 6;
        };
        EXPECT_TRUE(near(250, 3, QColor(0, 84, 166)));           // title bar
        EXPECT_TRUE(near(470, 22 + 60, QColor(255, 255, 255)));  // inside txtName
        EXPECT_TRUE(near(50, 22 + 170, QColor(240, 240, 240)));  // picCanvas's BackColor
        EXPECT_TRUE(near(10, 22 + 300, QColor(240, 240, 240)));  // the form's face
    }
}

TEST(KelvaneRender, NeverWritesOverTheFormOrInAFormatItCannot) {
    ScratchDir dir;
    const auto form = dir.copy_sample("pixels.frm");
    const auto frx = (dir.path() / "pixels.frx").string();
    // A form file whose name ends like a picture's.
    const auto odd = (dir.path() / "form.png").string();
    fs::copy_file(form, odd);
    const std::string bytes = slurp(form), frx_bytes = slurp(frx);
    const struct {
        std::string form, out;
    } cases[] = {
        {form, form},
        {form, frx},
        {form, (dir.path() / "picture.txt").string()},
        {form, (dir.path() / "picture").string()},
        {odd, odd},
        {odd, (dir.path() / "." / "form.png").string()},
    };
    for (const auto& c : cases) {
        const auto r = run({"render", c.form, "-o", c.out});
        EXPECT_EQ(r.status, 2) << c.out;
        EXPECT_TRUE(has(r.err, "--out")) << r.err;
    }
    EXPECT_EQ(slurp(form), bytes);
    EXPECT_EQ(slurp(frx), frx_bytes);
    EXPECT_EQ(slurp(odd), bytes);
    EXPECT_FALSE(fs::exists(dir.path() / "picture.txt"));
}

// A picture is written beside its name and renamed into place: a link there is replaced, never
// written through, and no picture lands on the form or its .frx by another name.
TEST(KelvanePictures, NeverLandOnTheFormOrThroughALink) {
    ScratchDir dir;
    const auto form = dir.copy_sample("pixels.frm");
    const auto frx = (dir.path() / "pixels.frx").string();
    const std::string bytes = slurp(form), frx_bytes = slurp(frx);
    const auto victim = dir.path() / "victim.txt";
    spit(victim, "precious");
    fs::create_symlink(frx, dir.path() / "to-frx.png");
    fs::create_symlink(form, dir.path() / "to-form.png");
    fs::create_hard_link(frx, dir.path() / "frx-again.png");
    fs::create_symlink(victim, dir.path() / "elsewhere.png");
    for (const char* name : {"to-frx.png", "to-form.png", "frx-again.png"}) {
        const auto r = run({"render", form, "-o", (dir.path() / name).string()});
        EXPECT_EQ(r.status, 2) << name;
    }
    const auto ok = run({"render", form, "-o", (dir.path() / "elsewhere.png").string()});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_FALSE(fs::is_symlink(dir.path() / "elsewhere.png"));
    EXPECT_FALSE(QImage(QString::fromStdString((dir.path() / "elsewhere.png").string())).isNull());
    // The designer's pictures, by a script and after every action.
    spit(dir.path() / "script.txt", "picture " + (dir.path() / "to-form.png").string() + "\n");
    run({"design", form, "--script", (dir.path() / "script.txt").string()});
    fs::create_directories(dir.path() / "shots");
    fs::create_symlink(victim, dir.path() / "shots" / "step-0.png");
    spit(dir.path() / "script2.txt", "page Code\ncancel\n");
    const auto shots = run({"design", form, "--script", (dir.path() / "script2.txt").string(),
                            "--shots", (dir.path() / "shots").string()});
    EXPECT_EQ(shots.status, 0) << shots.err;
    EXPECT_EQ(slurp(form), bytes);
    EXPECT_EQ(slurp(frx), frx_bytes);
    EXPECT_EQ(slurp(victim), "precious");
    for (const auto& e : fs::directory_iterator(dir.path()))
        EXPECT_NE(e.path().filename().string().rfind(".kv-", 0), 0u) << e.path();
}

// The demo: one picture per step, and the form opens again where it was closed. Its form file
// then serves for a divider drag: the folder list | messages divider sits between x 2400 and
// 2520 twips; dragging it 1000 twips right widens the folder list by as much.
TEST(KelvaneDemo, RunsEveryStepAndLeavesAFormToDragIn) {
    ScratchDir dir;
    const auto out = dir.path() / "demo";
    const auto r = run({"demo", "--out", out.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    for (int i = 1; i <= 10; ++i)
        EXPECT_TRUE(fs::exists(out / ("step" + std::to_string(i) + ".png"))) << i;
    const auto form_line = [&](const char* step) {
        const auto start = r.out.find("form frmMail", r.out.find(step));
        return r.out.substr(start, r.out.find('\n', start) - start);
    };
    // The border stops at the minimum; the reopened form is where it was closed, with the
    // dividers where the user dragged them.
    EXPECT_TRUE(has(form_line("== 6."), "width 7200, height 5400")) << form_line("== 6.");
    EXPECT_TRUE(has(form_line("== 10."), "left 2400, top 1800, width 10800, height 7800"));
    EXPECT_EQ(r.out.find("MOVED"), std::string::npos) << r.out;
    EXPECT_TRUE(has(r.out, "lstFolders is where the user left it"));

    const std::string form = (out / "frmMail.frm").string();
    const auto dragged = run({"layout", form, "--drag", "2460,1500:3460,1500", "--json"});
    ASSERT_EQ(dragged.status, 0) << dragged.err;
    // The folder list's right edge ends up where the pointer let go, give or take the band;
    // the messages list starts one band (120 twips) after it.
    const json doc = dragged.json();
    double width = 0, messages_left = 0;
    bool bar_hidden = false;
    for (const auto& c : doc.at("controls")) {
        if (c.at("key") == "lstFolders") width = c.at("width");
        if (c.at("key") == "lstMessages") messages_left = c.at("left");
        if (c.at("key") == "KelvaneHSplit0") bar_hidden = c.at("visible") == false;
    }
    EXPECT_GE(width, 3280);
    EXPECT_LE(width, 3340);
    EXPECT_DOUBLE_EQ(messages_left, 120 + width + 120);
    // The split bar the drag added is hidden again, and the table says so.
    EXPECT_TRUE(bar_hidden);
    const auto table = run({"layout", form, "--drag", "2460,1500:3460,1500"});
    const std::regex bar_row("\n  KelvaneHSplit0 +PictureBox .* no\n");
    EXPECT_TRUE(std::regex_search(table.out, bar_row)) << table.out;
}

// The demo's designer part sets the bare form up on the pages: a picture per step, the set-up
// saved in its form file, the code page's file written into the demo folder, and the saved form
// resizing as chosen (the folder list keeps its width, OK keeps to the lower right corner).
TEST(KelvaneDemo, TheDesignerPartSetsTheFormUpOnThePagesAndSavesIt) {
    ScratchDir dir;
    const auto out = dir.path() / "demo";
    const auto r = run({"demo", "--out", out.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto designer = out / "designer";
    for (int i = 1; i <= 7; ++i)
        EXPECT_TRUE(fs::exists(designer / ("design" + std::to_string(i) + ".png"))) << i;
    EXPECT_TRUE(has(r.out, "PaneSettings:\n  lstFolders lstMessages txtPreview\n")) << r.out;
    EXPECT_TRUE(has(r.out, "  cmdOK \tAAKKK\n")) << r.out;
    EXPECT_TRUE(has(slurp(designer / "KelvaneCode.tmp"),
                    "iKVpane_frmMail = _\r\n\t\t.Form_Load_CreatePane(iKVcontrol_lstFolders, "
                    "iKVcontrol_lstMessages, iKVcontrol_txtPreview, 0)"));
    // The script is there to run again by hand: the same settings come back.
    const std::string form = (designer / "frmMail.frm").string();
    const auto code = run({"code", form});
    ASSERT_EQ(code.status, 0) << code.err;
    EXPECT_EQ(code.out + "\r\n", slurp(designer / "KelvaneCode.tmp"));

    const auto small = run({"layout", form, "--json"});
    const auto large = run({"layout", form, "--size", "12000x8000", "--json"});
    ASSERT_EQ(large.status, 0) << large.err;
    const auto at = [](const json& doc, const char* key, const char* what) {
        for (const auto& c : doc.at("controls"))
            if (c.at("key") == key) return double(c.at(what));
        throw std::runtime_error(key);
    };
    const json a = small.json(), b = large.json();
    const double dw = double(b.at("form").at("scaleWidth")) - double(a.at("form").at("scaleWidth"));
    ASSERT_GT(dw, 0);
    EXPECT_EQ(at(b, "lstFolders", "width"), at(a, "lstFolders", "width"));
    EXPECT_EQ(at(b, "cmdOK", "left"), at(a, "cmdOK", "left") + dw);
    EXPECT_EQ(at(b, "cmdOK", "width"), at(a, "cmdOK", "width"));
}

TEST(KelvaneDemo, WritesOnlyIntoANewAnEmptyOrAnEarlierDemosFolder) {
    ScratchDir dir;
    const auto user = dir.path() / "user";
    fs::create_directories(user);
    spit(user / "notes.txt", "mine");
    const auto file = dir.path() / "file.txt";
    spit(file, "mine too");
    for (const fs::path& refused : {user, file}) {
        const auto r = run({"demo", "--out", refused.string()});
        EXPECT_EQ(r.status, 2) << refused;
        EXPECT_TRUE(has(r.err, "--out")) << r.err;
    }
    EXPECT_EQ(slurp(user / "notes.txt"), "mine");
    EXPECT_EQ(fs::directory_iterator(user)->path().filename(), "notes.txt");
    EXPECT_EQ(slurp(file), "mine too");

    const auto empty = dir.path() / "empty";
    fs::create_directories(empty);
    ASSERT_EQ(run({"demo", "--out", empty.string()}).status, 0);
    // Again into the same folder: the earlier demo's files are replaced, its store started
    // afresh (the form opens at its design size, not where the last run closed it).
    const auto again = run({"demo", "--out", empty.string()});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_TRUE(has(again.out, "== 1. shown at its design size\nform frmMail: left 1200, top 1200"))
        << again.out;
}
