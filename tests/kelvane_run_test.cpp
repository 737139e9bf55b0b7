// kelvane run on the offscreen platform: steps as window events, pictures per step, the same
// --json document as layout, placement kept between runs, restore onto today's screens.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "frm_test_util.h"
#include "tool_run.h"

namespace kv::test {
namespace {

const std::string kDemo = std::string(KV_DOCS) + "/frmMail.frm";

TEST(KelvaneRun, StepsGiveTheSameDocumentAsLayout) {
    const Argv steps{"--size",  "9000x7000", "--user-size", "4000x3000",           "--state", "max",
                     "--state", "normal",    "--drag",      "2985,1000:4000,1000", "--json"};
    Argv live{"run", kDemo}, headless{"layout", kDemo};
    live.insert(live.end(), steps.begin(), steps.end());
    headless.insert(headless.end(), steps.begin(), steps.end());
    const auto a = run(live);
    const auto b = run(headless);
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(a.json(), b.json());
    // The border drag stopped at the minimum.
    EXPECT_EQ(a.json()["form"]["width"], 7200);
}

TEST(KelvaneRun, PicturesPerStepAndPlacementKeptBetweenRuns) {
    ScratchDir dir;
    const std::string store = (dir.path() / "store.sqlite").string();
    const std::string shots = (dir.path() / "shots").string();
    const auto first = run({"run", kDemo, "--store", store, "--user-size", "10800x7800", "--drag",
                            "2985,1000:4500,1000", "--shots", shots, "--json"});
    ASSERT_EQ(first.status, 0) << first.err;
    // The window as opened, then at the size the user dragged it to.
    for (const char* name : {"step-0.png", "step-1.png", "step-2.png"}) {
        QImage picture(QString::fromStdString(shots + "/" + name));
        ASSERT_FALSE(picture.isNull()) << name;
        if (name != std::string("step-0.png")) {
            EXPECT_EQ(picture.width(), 10800 / 15 - 8) << name;
        }
    }
    const auto again = run({"run", kDemo, "--store", store, "--state", "normal", "--json"});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.json()["form"]["width"], 10800);
    EXPECT_EQ(again.json()["controls"], first.json()["controls"]);
}

// With nobody to close the window (or work the dialog), waiting for it would never end.
TEST(KelvaneRun, NoStepsOnThePlatformWithoutAUserIsRefused) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ScratchDir dir;
    const auto form = dir.copy_sample("twopanes.frm");
    const std::string before = slurp(form);
    const auto r = run({"run", form});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("kelvane run: no steps, and the offscreen platform", 0), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    const auto d = run({"design", form});
    EXPECT_EQ(d.status, 2);
    EXPECT_EQ(d.err.rfind("kelvane design: no script, and the offscreen platform", 0), 0u) << d.err;
    EXPECT_EQ(slurp(form), before);
}

TEST(KelvaneRun, BadInputIsRefused) {
    EXPECT_EQ(run({"run", "/no/such/form.frm", "--size", "100x100"}).status, 2);
    EXPECT_EQ(run({"run", kDemo, "--state", "sideways"}).status, 2);
    // A window millions of pixels wide is refused before Qt is asked to paint it.
    const auto huge = run({"run", kDemo, "--size", "99999999x99999999"});
    EXPECT_EQ(huge.status, 2);
    EXPECT_EQ(huge.err,
              "kelvane run: --size 99999999x99999999: a window more than 16384 pixels a side "
              "cannot be shown; give a smaller size\n");
}

// run said nothing of what loading passed over: it warns of it as layout does, on stderr at its
// line, and its --json lists the same notes.
TEST(KelvaneRun, LoadNotesAreWarnedOfAsLayoutWarnsOfThem) {
    ScratchDir dir;
    const auto frm = (dir.path() / "gone.frm").string();
    spit(frm,
         "VERSION 5.00\r\nBegin VB.Form f\r\n   Begin VB.Label lblA\r\n"
         "      Caption = \"gone.frx\":0000\r\n   End\r\nEnd\r\n");
    for (const bool json : {false, true}) {
        SCOPED_TRACE(json ? "--json" : "table");
        Argv window{"run", frm, "--size", "6000x4000"},
            memory{"layout", frm, "--size", "6000x4000"};
        if (json) {
            window.push_back("--json");
            memory.push_back("--json");
        }
        const auto a = run(window);
        const auto b = run(memory);
        ASSERT_EQ(a.status, 0) << a.err;
        EXPECT_EQ(a.err, frm +
                             ":4: warning: lblA.Caption: the text is in gone.frx, which is "
                             "missing: it is left empty\n");
        EXPECT_EQ(a.err, b.err);
        if (json) {
            ASSERT_EQ(a.json().at("notes").size(), 1u) << a.out;
            EXPECT_EQ(a.json().at("notes"), b.json().at("notes"));
        } else {
            EXPECT_FALSE(has(a.out, "gone.frx")) << a.out;
        }
    }
}

// run once printed the resizer's messages with no place and left out the errors it trapped; its
// --json is layout's, places and all, and a form it cannot read is a document of errors.
TEST(KelvaneRun, SettingsFaultsAreSaidAtTheirLinesAsLayoutSaysThem) {
    ScratchDir dir;
    const auto frm = dir.copy_sample("checkme.frm");
    const auto text = run({"run", frm, "--size", "9000x7000"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_TRUE(has(text.out, frm + ":53: message: There must be at least two controls in a pane "
                                    "(in frmCheck)\n"))
        << text.out;
    EXPECT_TRUE(
        has(text.out, frm + ":52: trapped: Error 13 in apply_controlSettings: Type mismatch\n"))
        << text.out;
    const auto window = run({"run", frm, "--size", "9000x7000", "--json"});
    const auto memory = run({"layout", frm, "--size", "9000x7000", "--json"});
    ASSERT_EQ(window.status, 0) << window.err;
    ASSERT_EQ(memory.status, 0) << memory.err;
    EXPECT_EQ(window.json().at("messages"), memory.json().at("messages"));
    EXPECT_EQ(window.json().at("trapped"), memory.json().at("trapped"));
    EXPECT_EQ(window.json()["trapped"][0]["line"], 52);
    spit(frm, "VERSION 5.00\r\nBegin VB.Form F\r\n");
    const auto broken = run({"run", frm, "--size", "9000x7000", "--json"});
    EXPECT_EQ(broken.status, 2);
    EXPECT_EQ(broken.err.rfind(frm + ":2: expected End to close", 0), 0u) << broken.err;
    EXPECT_EQ(broken.json()["errors"][0]["line"], 2);
}

// The hand comes from off the form for each drag, so the second container is not left waiting
// behind the first one's capture.
TEST(KelvaneRun, TwoDragsInTwoContainersGiveWhatLayoutGives) {
    const Argv args = {std::string(KV_TEST_DATA) + "/twopanes.frm",
                       "--drag",
                       "1950,2000:1000,2000@picLeft",
                       "--drag",
                       "1950,2000:3000,2000@picRight",
                       "--json"};
    Argv in_window = {"run"}, in_memory = {"layout"};
    in_window.insert(in_window.end(), args.begin(), args.end());
    in_memory.insert(in_memory.end(), args.begin(), args.end());
    const auto window = run(in_window), memory = run(in_memory);
    ASSERT_EQ(window.status, 0) << window.err;
    ASSERT_EQ(memory.status, 0) << memory.err;
    EXPECT_EQ(window.json().at("controls"), memory.json().at("controls"));
    EXPECT_TRUE(has(window.out, "\"width\": 1000")) << window.out;
}

// What a command run by the shell prints on stderr (stdout thrown away).
std::string stderr_of(const std::string& command, const std::filesystem::path& scratch) {
    const auto file = scratch / "stderr.txt";
    const int status = std::system((command + " 2>'" + file.string() + "' >/dev/null").c_str());
    EXPECT_EQ(status, 0) << command;
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The tool beside this test program.
std::string kelvane_binary() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "kelvane").string();
}

// Ordinary use prints nothing on stderr: no runtime folder set, border drags against the
// limits, a window maximised and restored, divider drags (the capture with no mouse to grab).
TEST(KelvaneRun, OrdinaryUseOnTheOffscreenPlatformIsQuiet) {
    ScratchDir dir;
    const std::string command =
        "env -u XDG_RUNTIME_DIR TMPDIR='" + dir.path().string() + "' QT_QPA_PLATFORM=offscreen '" +
        kelvane_binary() + "' run '" + kDemo +
        "' --user-size 4000x3000 --user-size 10800x7800 --state max --state normal --drag "
        "2985,1000:4500,1000 --drag 2985,1000:2000,1000 --shots '" +
        (dir.path() / "shots").string() + "'";
    EXPECT_EQ(stderr_of(command, dir.path()), "");
    // The runtime folder made for it is the user's own, closed to others.
    const auto runtime = dir.path() / ("runtime-kelvane-" + std::to_string(geteuid()));
    ASSERT_TRUE(std::filesystem::is_directory(runtime));
    EXPECT_EQ(std::filesystem::status(runtime).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
}

// A real problem still reaches stderr.
TEST(KelvaneRun, OtherQtWarningsStillReachStderr) {
    ScratchDir dir;
    const auto file = dir.path() / "err.txt";
    std::fflush(stderr);
    const int saved = dup(2);
    std::FILE* sink = std::fopen(file.c_str(), "w");
    ASSERT_NE(sink, nullptr);
    dup2(fileno(sink), 2);
    qWarning("a real problem");
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::fclose(sink);
    std::ifstream in(file);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    EXPECT_NE(text.find("a real problem"), std::string::npos) << text;
}

}  // namespace
}  // namespace kv::test
