// The kelvane tool as its user runs it: layout with hand-computed geometry, check findings,
// set, store, render and the usage errors.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "apps/kelvane/Commands.h"
#include "frm_test_util.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"
#include "tool_run.h"

using namespace kv::app;
using kv::test::data_dir;
using kv::test::has;
using kv::test::Run;
using kv::test::run;
using kv::test::ScratchDir;
using kv::test::slurp;

// pixels.frm: a pixel-scaled form (400 x 300) with a pixel-scaled picture box. The outer size
// 7620 x 5505 twips leaves a client area of 7500 x 5100 twips = 500 x 340 pixels: the form grew
// by 100 x 40 pixels. txtName (right edge kept: stretches), picCanvas (stretches both ways) and
// cmdGo inside it (moves with the canvas's right and bottom sides) follow; the line does not.
TEST(KelvaneLayout, JsonMatchesHandComputedGeometry) {
    ScratchDir dir;
    const auto r = run(cmd_layout, {data_dir() + "/pixels.frm", "--size", "7620x5505", "--json",
                                    "--store", (dir.path() / "s.sqlite").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out,
                    "{\"form\": {\"name\": \"frmPix\", \"left\": 0, \"top\": 0, \"width\": 7620, "
                    "\"height\": 5505, \"scaleWidth\": 500, \"scaleHeight\": 340, "
                    "\"windowState\": 0}"))
        << r.out;
    const char* expected[] = {
        "{\"key\": \"txtName\", \"type\": \"TextBox\", \"container\": \"frmPix\", \"align\": null, "
        "\"left\": 280, \"top\": 40, \"width\": 200, \"height\": 25, \"scaleWidth\": null, "
        "\"scaleHeight\": null, \"fontSize\": 8.25, \"x1\": null, \"y1\": null, \"x2\": null, "
        "\"y2\": null, \"visible\": true}",
        "{\"key\": \"picCanvas\", \"type\": \"PictureBox\", \"container\": \"frmPix\", \"align\": "
        "0, \"left\": 40, \"top\": 40, \"width\": 300, \"height\": 140, \"scaleWidth\": 300, "
        "\"scaleHeight\": 140,",
        "{\"key\": \"cmdGo\", \"type\": \"CommandButton\", \"container\": \"picCanvas\", "
        "\"align\": null, \"left\": 120, \"top\": 60, \"width\": 80, \"height\": 30,",
        "{\"key\": \"linDiag\", \"type\": \"Line\", \"container\": \"picCanvas\", \"align\": null, "
        "\"left\": null, \"top\": null, \"width\": null, \"height\": null, \"scaleWidth\": null, "
        "\"scaleHeight\": null, \"fontSize\": null, \"x1\": 0, \"y1\": 0, \"x2\": 100, \"y2\": "
        "50,"};
    for (const char* e : expected) EXPECT_TRUE(has(r.out, e)) << e << "\n" << r.out;
    EXPECT_TRUE(has(r.out, "\"messages\": []"));
}

TEST(KelvaneLayout, SecondRunOpensWhereTheFirstLeft) {
    ScratchDir dir;
    const std::string store = (dir.path() / "s.sqlite").string();
    ASSERT_EQ(run(cmd_layout, {data_dir() + "/pixels.frm", "--size", "9000x6000", "--store", store})
                  .status,
              0);
    const auto again = run(cmd_layout, {data_dir() + "/pixels.frm", "--json", "--store", store});
    EXPECT_TRUE(has(again.out, "\"width\": 9000, \"height\": 6000")) << again.out;
}

TEST(KelvaneLayout, UserResizeIsClampedByTheLimitsInTheFile) {
    // nested.frm's resizer holds MinWidth 6000 and MinHeight 4500.
    ScratchDir dir;
    const auto r = run(cmd_layout, {data_dir() + "/nested.frm", "--user-size", "3000x2000",
                                    "--json", "--store", (dir.path() / "s.sqlite").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "\"width\": 6000, \"height\": 4500")) << r.out;
    // Menus have no geometry and no container; the timer has a position only.
    EXPECT_TRUE(has(r.out,
                    "{\"key\": \"mnuRecentDeep\", \"type\": \"Menu\", \"container\": null, "
                    "\"align\": null, \"left\": null"))
        << r.out;
    EXPECT_TRUE(has(r.out,
                    "\"key\": \"tmrRefresh\", \"type\": \"Timer\", \"container\": "
                    "\"frmOrders\", \"align\": null, \"left\": 7440, \"top\": 120, "
                    "\"width\": null"))
        << r.out;
}

TEST(KelvaneLayout, EverySampleLoadsAndLaysOut) {
    ScratchDir dir;
    for (const char* name : {"pixels.frm", "nested.frm", "thirdparty.frm", "cp1252.frm",
                             "mdimain.frm", "mdichild.frm"}) {
        const auto r = run(cmd_layout, {data_dir() + "/" + name, "--size", "8000x6000", "--json",
                                        "--store", (dir.path() / "s.sqlite").string()});
        EXPECT_EQ(r.status, 0) << name << ": " << r.err;
        EXPECT_TRUE(has(r.out, "\"messages\": []")) << name << ": " << r.out;
    }
    // The caption of a Windows-1252 form comes out as UTF-8; a parked control keeps its place.
    const auto legacy = run(cmd_layout, {data_dir() + "/cp1252.frm", "--json", "--store",
                                         (dir.path() / "s.sqlite").string()});
    EXPECT_TRUE(has(legacy.out,
                    "\"key\": \"cmdHidden\", \"type\": \"CommandButton\", "
                    "\"container\": \"frmLegacy\", \"align\": null, \"left\": -2000, "
                    "\"top\": -1000.5,"))
        << legacy.out;
}

TEST(KelvaneLayout, BadInputIsReportedWithStatusTwo) {
    ScratchDir dir;
    const auto bad = (dir.path() / "bad.frm").string();
    kv::test::spit(bad, "VERSION 5.00\nBegin VB.Form F\n   Left = 1O0\nEnd\n");
    const auto r = run(cmd_layout, {bad, "--store", (dir.path() / "s.sqlite").string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, bad + ":3: expected a number, found '1O0'\n");
    EXPECT_EQ(run(cmd_layout, {}).status, 2);
    EXPECT_EQ(run(cmd_layout, {data_dir() + "/pixels.frm", "--size", "12x"}).status, 2);
    EXPECT_EQ(run(cmd_layout, {data_dir() + "/pixels.frm", "--bogus"}).status, 2);
    EXPECT_EQ(run(cmd_layout, {data_dir() + "/pixels.frm", "--drag", "1,2"}).status, 2);
}

TEST(KelvaneCheck, ReportsMessagesAndKeysThatNameNoControl) {
    ScratchDir dir;
    const auto r = run(
        cmd_check, {data_dir() + "/checkme.frm", "--store", (dir.path() / "s.sqlite").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.out, "ControlSettings line 2: 'txtGone' names no control of the form\n"));
    EXPECT_TRUE(has(r.out, "PaneSettings line 1: 'lstNowhere' names no control of the form\n"));
    EXPECT_TRUE(has(r.out, "Control added several times:  txtName on form frmCheck")) << r.out;
    EXPECT_TRUE(has(r.out, "Type mismatch")) << r.out;  // the line with key cmdGo(x)
    const auto clean =
        run(cmd_check, {data_dir() + "/pixels.frm", "--store", (dir.path() / "s.sqlite").string()});
    EXPECT_EQ(clean.status, 0) << clean.out;
    EXPECT_EQ(clean.out, "no findings\n");
}

TEST(KelvaneSet, PlacesAResizerAndChangesNothingElse) {
    ScratchDir dir;
    const auto path = dir.copy_sample("cp1252.frm");
    const std::string before = slurp(path);
    kv::test::spit(dir.path() / "cs.txt", "lblHint \tKKKAK\ncmdHidden \tAAKKK\n");
    auto r = run(cmd_set, {path, "AddAllControls=True", "MinWidth=5000",
                           "ControlSettings=@" + (dir.path() / "cs.txt").string()});
    ASSERT_EQ(r.status, 0) << r.err;
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
    // A second set finds the resizer there and keeps its GUID.
    const std::string guid = zk->find("FormGUID")->text;
    ASSERT_EQ(run(cmd_set, {path, "SubKey=Tools"}).status, 0);
    const auto doc2 = kv::frm::FrmReader::read_file(path);
    EXPECT_EQ(doc2.resizer()->find("FormGUID")->text, guid);
    EXPECT_EQ(doc2.resizer()->find("SubKey")->text, "Tools");
    // Refused and unknown values leave the file alone.
    const std::string saved = slurp(path);
    r = run(cmd_set, {path, "FormGUID={0}"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "FormGUID is readonly\n");
    EXPECT_EQ(run(cmd_set, {path, "Colour=1"}).status, 2);
    EXPECT_EQ(run(cmd_set, {path, "MinWidth=wide"}).status, 2);
    EXPECT_EQ(slurp(path), saved);
}

TEST(KelvaneStore, SetGetListDelete) {
    ScratchDir dir;
    const std::string store = (dir.path() / "s.sqlite").string();
    const std::string key = "Software\\Quillon\\Demo";
    EXPECT_EQ(run(cmd_store, {"--store", store, "set", key, "Width", "9000"}).status, 0);
    EXPECT_EQ(run(cmd_store, {"--store", store, "get", key, "width"}).out, "9000\n");
    EXPECT_EQ(run(cmd_store, {"--store", store, "list", "Software\\Quillon"}).out, "Demo\\\n");
    EXPECT_EQ(run(cmd_store, {"--store", store, "list", key}).out, "Width = 9000\n");
    EXPECT_EQ(run(cmd_store, {"--store", store, "delete", key, "Width"}).status, 0);
    EXPECT_EQ(run(cmd_store, {"--store", store, "get", key, "Width"}).status, 1);
    EXPECT_EQ(run(cmd_store, {"--store", store, "delete", "Software"}).status, 0);
    EXPECT_EQ(run(cmd_store, {"--store", store, "list", key}).status, 1);
    EXPECT_EQ(run(cmd_store, {"--store", store, "rename", key}).status, 2);
}

TEST(KelvaneRender, WritesAPicture) {
    ScratchDir dir;
    const auto png = (dir.path() / "f.png").string();
    const auto r = run(cmd_render, {data_dir() + "/nested.frm", "--size", "9000x7000", "-o", png});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(png).substr(0, 8), "\x89PNG\r\n\x1a\n");
}

// The demo: one picture per step, and the form opens again where it was closed. Its form file
// then serves for a divider drag: the folder list | messages divider sits between x 2400 and
// 2520 twips; dragging it 1000 twips right widens the folder list by as much.
TEST(KelvaneDemo, RunsEveryStepAndLeavesAFormToDragIn) {
    ScratchDir dir;
    const auto out = dir.path() / "demo";
    const auto r = run(cmd_demo, {"--out", out.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    for (int i = 1; i <= 10; ++i)
        EXPECT_TRUE(std::filesystem::exists(out / ("step" + std::to_string(i) + ".png"))) << i;
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

    const std::string store = (dir.path() / "drag.sqlite").string();
    const auto dragged = run(cmd_layout, {(out / "frmMail.frm").string(), "--drag",
                                          "2460,1500:3460,1500", "--json", "--store", store});
    ASSERT_EQ(dragged.status, 0) << dragged.err;
    // The folder list's right edge ends up where the pointer let go, give or take the band;
    // the messages list starts one band (120 twips) after it.
    const std::regex folders("\"key\": \"lstFolders\"[^}]*\"width\": ([0-9.]+),");
    const std::regex messages("\"key\": \"lstMessages\"[^}]*\"left\": ([0-9.]+),");
    std::smatch f, m;
    ASSERT_TRUE(std::regex_search(dragged.out, f, folders)) << dragged.out;
    ASSERT_TRUE(std::regex_search(dragged.out, m, messages)) << dragged.out;
    const double width = std::stod(f[1]), right = 120 + width;
    EXPECT_GE(width, 3280);
    EXPECT_LE(width, 3340);
    EXPECT_DOUBLE_EQ(std::stod(m[1]), right + 120);
}
