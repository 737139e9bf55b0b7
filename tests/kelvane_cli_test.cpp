// The kelvane tool's command line as its user meets it: generated help, usage errors, the
// steps in command-line order, layout's geometry (read back from its JSON), check's findings
// and which commands take --store.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "apps/kelvane/LayoutJson.h"
#include "control/SettingsLint.h"
#include "frm_test_util.h"
#include "harness/MessageLines.h"
#include "tool_run.h"

using kv::test::Argv;
using kv::test::data_dir;
using kv::test::has;
using kv::test::run;
using kv::test::ScratchDir;
using nlohmann::json;

namespace {

std::string sample(const char* name) {
    return data_dir() + "/" + name;
}

// The control with `key` in a layout document.
const json& control(const json& doc, const std::string& key) {
    for (const auto& c : doc.at("controls"))
        if (c.at("key") == key) return c;
    throw std::runtime_error("no control " + key);
}

size_t line_count(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

// Points the per-user default store into a scratch folder for the life of the object.
class ScratchHome {
  public:
    ScratchHome() : old_(std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "") {
        setenv("XDG_CONFIG_HOME", dir_.path().c_str(), 1);
    }
    ~ScratchHome() { setenv("XDG_CONFIG_HOME", old_.c_str(), 1); }
    std::filesystem::path user_store() const { return dir_.path() / "kelvane" / "settings.sqlite"; }

  private:
    ScratchDir dir_;
    std::string old_;
};

}  // namespace

TEST(KelvaneHelp, EveryCommandAnswersHelpWithItsOptions) {
    const auto main_help = run({"--help"});
    ASSERT_EQ(main_help.status, 0);
    const std::pair<const char*, std::vector<const char*>> commands[] = {
        {"demo", {"--out"}},
        {"layout",
         {"FORM.frm", "--size", "--user-size", "--state", "--drag", "--json", "--store",
          "--codepage"}},
        {"render", {"FORM.frm", "-o,--out", "--size", "--drag", "--store"}},
        {"check", {"FORM.frm", "--store"}},
        {"set", {"FORM.frm", "PROPERTY=VALUE", "--codepage"}},
        {"design", {"FORM.frm", "--script", "--host", "--shots", "--store"}},
        {"store", {"--store", "list", "get", "set", "delete", "path"}},
        {"about", {"--system-info"}},
    };
    for (const auto& [name, options] : commands) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(has(main_help.out, std::string("\n  ") + name + " ")) << main_help.out;
        for (const Argv& args : {Argv{name, "--help"}, Argv{name, "-h"}}) {
            const auto r = run(args);
            EXPECT_EQ(r.status, 0);
            EXPECT_TRUE(has(r.out, std::string("Usage: kelvane ") + name)) << r.out;
            for (const char* o : options) EXPECT_TRUE(has(r.out, o)) << o << "\n" << r.out;
        }
    }
    EXPECT_TRUE(has(run({"store", "list", "--help"}).out, "-r,--recursive"));
    // layout prints one state, the last.
    EXPECT_TRUE(has(run({"layout", "--help"}).out, "final state"));
    EXPECT_FALSE(has(main_help.out, "at each size"));
}

// The about box a user reaches through ShowAbout or the dialog's About button, on the command
// line: its title and text as they show.
TEST(KelvaneAbout, PrintsTheAboutBox) {
    const auto r = run({"about"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("About zokKelvane\n\nzokKelvane\nVersion ", 0), 0u) << r.out;
    EXPECT_TRUE(has(r.out, "\nQuillon\n")) << r.out;
    EXPECT_EQ(r.err, "");
}

// Bad usage: status 2, one line on standard error that names what was wrong, nothing on
// standard output.
TEST(KelvaneUsage, BadUsageIsOneLineNamingTheOption) {
    const std::string form = sample("pixels.frm");
    const struct {
        Argv args;
        const char* names;
    } cases[] = {
        {{}, "a command is required"},
        {{"relayout", form}, "unknown command 'relayout'"},
        {{"layout"}, "FORM.frm is required"},
        {{"layout", "/nonexistent/x.frm"}, "FORM.frm"},
        {{"layout", form, "--bogus"}, "--bogus"},
        {{"layout", form, "--size", "12x"}, "--size"},
        {{"layout", form, "--size", "0x100"}, "--size"},
        {{"layout", form, "--size", "&H10x100"}, "--size"},
        {{"layout", form, "--size"}, "--size"},
        {{"layout", form, "--user-size", "wide"}, "--user-size"},
        {{"layout", form, "--state", "hidden"}, "--state"},
        {{"layout", form, "--drag", "1,2"}, "--drag"},
        {{"layout", form, "--drag", "1,2:3"}, "--drag"},
        {{"layout", form, "--drag", "1,2:3,4@"}, "--drag"},
        {{"layout", form, "--drag", "1,2:3,4@lstNowhere"}, "--drag: no control 'lstNowhere'"},
        {{"layout", form, form}, form.c_str()},
        {{"render", form}, "--out"},
        {{"render", form, "-o", "picture.frm"}, "--out"},
        {{"set", form}, "PROPERTY=VALUE"},
        {{"set", form, "SavePos"}, "PROPERTY=VALUE"},
        {{"store"}, "subcommand"},
        {{"store", "get", "Software"}, "NAME"},
        {{"store", "rename", "Software"}, "unknown command 'rename'"},
        {{"set", form, "SavePos=True", "--store", "s.sqlite"}, "--store: set changes only"},
        {{"demo", "--store", "s.sqlite"}, "--store: the demo keeps"},
        // The pages for the user are a real dialog; the memory host's need a script.
        {{"design", form, "--host", "memory"}, "--host memory"},
        {{"design", form, "--shots", "shots"}, "--shots: needs a --script"},
        {{"design", form, "--host", "paper", "--script", "-"}, "--host"},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const auto& a : c.args) shown += a + " ";
        SCOPED_TRACE(shown);
        const auto r = run(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(line_count(r.err), 1u) << r.err;
        EXPECT_TRUE(has(r.err, c.names)) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(KelvaneUsage, FormFileErrorsNameTheLine) {
    ScratchDir dir;
    const auto bad = (dir.path() / "bad.frm").string();
    kv::test::spit(bad, "VERSION 5.00\nBegin VB.Form F\n   Left = 1O0\nEnd\n");
    const auto r = run({"layout", bad});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, bad + ":3: expected a number, found '1O0'\n");
    // A label inside a button (an End lost): refused, not moved onto the form.
    kv::test::spit(bad,
                   "VERSION 5.00\nBegin VB.Form F\n   Begin VB.CommandButton cmdOK\n"
                   "      Begin VB.Label lblIn\n      End\n   End\nEnd\n");
    const auto nested = run({"layout", bad});
    EXPECT_EQ(nested.status, 2);
    EXPECT_EQ(nested.err, bad +
                              ":4: expected End to close 'Begin VB.CommandButton cmdOK' (line 3; "
                              "a CommandButton holds no controls), found 'Begin VB.Label lblIn'\n");
}

// Only the commands that open a store take --store; the others refuse it by name, and the
// main help says which is which.
TEST(KelvaneUsage, StoreOptionIsTakenWhereTheHelpSaysSo) {
    ScratchDir dir;
    const std::string store = (dir.path() / "s.sqlite").string();
    const std::string form = dir.copy_sample("pixels.frm");
    const std::string png = (dir.path() / "p.png").string();
    const struct {
        Argv args;
        bool takes_store;
    } cases[] = {
        {{"layout", form}, true},
        {{"render", form, "-o", png}, true},
        {{"check", form}, true},
        {{"store", "list"}, true},
        {{"store", "path", form}, true},
        {{"demo", "--out", (dir.path() / "demo").string()}, false},
        {{"set", form, "SavePos=True"}, false},
    };
    const std::string main_help = run({"--help"}).out;
    EXPECT_TRUE(has(main_help, "layout, render, check and store take --store PATH")) << main_help;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        Argv args = c.args;
        args.insert(args.end(), {"--store", store});
        const auto r = run(args);
        if (c.takes_store) {
            EXPECT_EQ(r.status, 0) << r.err;
        } else {
            EXPECT_EQ(r.status, 2);
            EXPECT_TRUE(has(r.err, "--store")) << r.err;
            EXPECT_TRUE(has(run({c.args[0], "--help"}).out, "not taken:"));
        }
    }
}

// pixels.frm: a pixel-scaled form (400 x 300) with a pixel-scaled picture box. The outer size
// 7620 x 5505 twips leaves a client area of 7500 x 5100 twips = 500 x 340 pixels: the form grew
// by 100 x 40 pixels. txtName (right edge kept: stretches), picCanvas (stretches both ways) and
// cmdGo inside it (moves with the canvas's right and bottom sides) follow; the line does not.
TEST(KelvaneLayout, JsonMatchesHandComputedGeometry) {
    const auto r = run({"layout", sample("pixels.frm"), "--size", "7620x5505", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const json doc = r.json();
    EXPECT_EQ(doc.at("form"), json::parse(R"({"name": "frmPix", "left": 0, "top": 0,
        "width": 7620, "height": 5505, "scaleWidth": 500, "scaleHeight": 340,
        "windowState": 0})"));
    EXPECT_EQ(control(doc, "txtName"), json::parse(R"({"key": "txtName", "type": "TextBox",
        "container": "frmPix", "align": null, "left": 280, "top": 40, "width": 200,
        "height": 25, "scaleWidth": null, "scaleHeight": null, "fontSize": 8.25, "x1": null,
        "y1": null, "x2": null, "y2": null, "visible": true})"));
    const json& canvas = control(doc, "picCanvas");
    EXPECT_EQ(canvas.at("align"), 0);
    EXPECT_EQ(std::vector<double>({canvas.at("left"), canvas.at("top"), canvas.at("width"),
                                   canvas.at("height"), canvas.at("scaleWidth"),
                                   canvas.at("scaleHeight")}),
              std::vector<double>({40, 40, 300, 140, 300, 140}));
    const json& go = control(doc, "cmdGo");
    EXPECT_EQ(go.at("container"), "picCanvas");
    EXPECT_EQ(std::vector<double>({go.at("left"), go.at("top"), go.at("width"), go.at("height")}),
              std::vector<double>({120, 60, 80, 30}));
    const json& line = control(doc, "linDiag");
    EXPECT_TRUE(line.at("left").is_null());
    EXPECT_TRUE(line.at("fontSize").is_null());
    EXPECT_EQ(std::vector<double>({line.at("x1"), line.at("y1"), line.at("x2"), line.at("y2")}),
              std::vector<double>({0, 0, 100, 50}));
    EXPECT_EQ(doc.at("messages"), json::array());
}

TEST(KelvaneLayout, StepsApplyInCommandLineOrder) {
    const std::string form = sample("pixels.frm");
    const struct {
        Argv steps;
        double width, height;
        int state;
    } cases[] = {
        {{"--size", "9000x6000", "--size=8000x5000"}, 8000, 5000, 0},
        {{"--size=8000x5000", "--size", "9000x6000"}, 9000, 6000, 0},
        {{"--size", "8000x5000", "--state", "max", "--state", "normal", "--user-size", "7005x5205"},
         7005,
         5205,
         0},
        // Maximised last: the size is the screen's, not a step's.
        {{"--user-size", "7005x5205", "--state", "normal", "--state", "max"}, 0, 0, 2},
    };
    for (const auto& c : cases) {
        Argv args = {"layout", form, "--json"};
        args.insert(args.end(), c.steps.begin(), c.steps.end());
        const auto r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const json form_state = r.json().at("form");
        if (c.state == 0) {
            EXPECT_EQ(form_state.at("width"), c.width) << args[3];
            EXPECT_EQ(form_state.at("height"), c.height) << args[3];
        }
        EXPECT_EQ(form_state.at("windowState"), c.state) << args[3];
    }
}

TEST(KelvaneLayout, WithoutStoreNothingIsReadOrSaved) {
    ScratchHome home;
    const std::string form = sample("pixels.frm");
    for (const Argv& args : {Argv{"layout", form, "--user-size", "9000x6000"}, Argv{"check", form},
                             Argv{"layout", form, "--json"}}) {
        const auto r = run(args);
        ASSERT_LE(r.status, 1) << r.err;
        if (args.back() == "--json") {
            // Opens at its design size again: the first run saved nothing.
            EXPECT_EQ(r.json().at("form").at("width"), 6120) << r.out;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(home.user_store()));
    EXPECT_FALSE(std::filesystem::exists(home.user_store().parent_path()));
}

TEST(KelvaneLayout, SecondRunWithTheStoreOpensWhereTheFirstLeft) {
    ScratchDir dir;
    const std::string store = (dir.path() / "s.sqlite").string();
    const std::string form = sample("pixels.frm");
    ASSERT_EQ(run({"layout", form, "--size", "9000x6000", "--store", store}).status, 0);
    const auto again = run({"layout", form, "--json", "--store", store});
    EXPECT_EQ(again.json().at("form").at("width"), 9000) << again.out;
    EXPECT_EQ(again.json().at("form").at("height"), 6000) << again.out;
}

// A form closed while minimised had its panes squeezed into no room: its splits are not saved,
// so the next run finds the ones the user left (it once found one pane 100 twips high).
TEST(KelvaneLayout, AMinimisedCloseKeepsTheSavedSplits) {
    ScratchDir dir;
    const std::string store = (dir.path() / "s.sqlite").string();
    const std::string form = dir.copy_sample("mailwindow.frm");
    const auto box = [&](const Argv& more) {
        Argv args = {"layout", form, "--json", "--store", store};
        args.insert(args.end(), more.begin(), more.end());
        const auto r = run(args);
        return control(r.json(), "messageList").dump();
    };
    const std::string normal = box({});
    box({"--state", "min"});
    EXPECT_EQ(box({}), normal);
}

TEST(KelvaneLayout, UserResizeIsClampedByTheLimitsInTheFile) {
    // nested.frm's resizer holds MinWidth 6000 and MinHeight 4500.
    const auto r = run({"layout", sample("nested.frm"), "--user-size", "3000x2000", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const json doc = r.json();
    EXPECT_EQ(doc.at("form").at("width"), 6000);
    EXPECT_EQ(doc.at("form").at("height"), 4500);
    // Menus have no geometry and no container; the timer has a position only.
    const json& menu = control(doc, "mnuRecentDeep");
    EXPECT_TRUE(menu.at("container").is_null());
    EXPECT_TRUE(menu.at("left").is_null());
    const json& timer = control(doc, "tmrRefresh");
    EXPECT_EQ(timer.at("container"), "frmOrders");
    EXPECT_EQ(timer.at("left"), 7440);
    EXPECT_EQ(timer.at("top"), 120);
    EXPECT_TRUE(timer.at("width").is_null());
}

TEST(KelvaneLayout, EverySampleLoadsAndLaysOut) {
    for (const char* name : {"pixels.frm", "nested.frm", "thirdparty.frm", "cp1252.frm",
                             "mdimain.frm", "mdichild.frm"}) {
        const auto r = run({"layout", sample(name), "--size", "8000x6000", "--json"});
        EXPECT_EQ(r.status, 0) << name << ": " << r.err;
        EXPECT_EQ(r.json().at("messages"), json::array()) << name;
    }
    // A parked control keeps its place, fractions included.
    const json legacy = run({"layout", sample("cp1252.frm"), "--json"}).json();
    EXPECT_EQ(control(legacy, "cmdHidden").at("left"), -2000);
    EXPECT_EQ(control(legacy, "cmdHidden").at("top"), -1000.5);
}

TEST(KelvaneLayout, TableShowsVisibility) {
    const auto r = run({"layout", sample("pixels.frm")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "font  visible\n")) << r.out;
    EXPECT_TRUE(has(r.out, "8.25  yes\n")) << r.out;
}

// Whole numbers print without a fraction, others at full precision; infinities and NaN have no
// JSON form; text that is not UTF-8 still makes a document a parser takes.
TEST(KelvaneLayout, JsonNumbersAndText) {
    const double fractions[] = {0.1 + 0.2, 1.0 / 3.0, -1000.5, 1e-300, 123456789.123456789};
    kv::app::Snapshot s;
    s.form.name = std::string("frm\xff") + "Bad";
    for (double f : fractions) {
        kv::app::ControlState c;
        c.key = "c";
        c.left = f;
        s.controls.push_back(c);
    }
    kv::app::ControlState edge;
    edge.left = 7620;
    edge.top = std::nan("");
    edge.width = INFINITY;
    s.controls.push_back(edge);
    kv::mem::MessageRecord box;
    box.text = "bad \xc3( bytes";
    const std::string text = kv::app::json_text(kv::app::layout_json(s, {box}));
    const json doc = json::parse(text);
    for (size_t i = 0; i < std::size(fractions); ++i)
        EXPECT_EQ(doc["controls"][i]["left"].get<double>(), fractions[i]);
    EXPECT_TRUE(has(text, "\"left\": 7620,")) << text;
    EXPECT_TRUE(doc["controls"].back()["top"].is_null());
    EXPECT_TRUE(doc["controls"].back()["width"].is_null());
    EXPECT_EQ(doc["form"]["name"],
              "frm\xef\xbf\xbd"
              "Bad");
    EXPECT_EQ(doc["messages"][0]["text"], "bad \xef\xbf\xbd( bytes");
}

TEST(KelvaneCheck, ReportsMessagesAndKeysThatNameNoControl) {
    const auto r = run({"check", sample("checkme.frm")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.out, "ControlSettings line 2: 'txtGone' names no control of the form\n"));
    EXPECT_TRUE(has(r.out, "PaneSettings line 1: 'lstNowhere' names no control of the form\n"));
    EXPECT_TRUE(has(r.out, "message: Control added several times:  txtName on form frmCheck\n"))
        << r.out;
    // The trapped error of the line with key cmdGo(x), as one line, and that line by its number.
    EXPECT_TRUE(has(r.out, "message: Error 13 in apply_controlSettings: Type mismatch\n")) << r.out;
    EXPECT_TRUE(has(r.out,
                    "ControlSettings line 4: 'cmdGo(x)': Type mismatch reading its index; "
                    "the resizer stops here and applies no line after it\n"))
        << r.out;
    // Clean lines: no carriage returns, nothing about the dialog's buttons.
    EXPECT_FALSE(has(r.out, "\r"));
    EXPECT_FALSE(has(r.out, "Click cancel"));
    EXPECT_FALSE(has(r.out, "HomePage"));
    const auto clean = run({"check", sample("pixels.frm")});
    EXPECT_EQ(clean.status, 0) << clean.out;
    EXPECT_EQ(clean.out, "no findings\n");
    // A maximum under its minimum, which set refuses, written by hand.
    ScratchDir dir;
    const std::string limits = dir.copy_sample("pixels.frm");
    ASSERT_EQ(run({"set", limits, "MinWidth=7200"}).status, 0);
    std::string text = kv::test::slurp(limits);
    text.insert(text.find("      MinWidth"), "      MaxWidth        =   100\r\n");
    kv::test::spit(limits, text);
    const auto crossed = run({"check", limits});
    EXPECT_EQ(crossed.status, 1);
    EXPECT_EQ(crossed.out,
              "MaxWidth 100 is below MinWidth 7200: the form keeps to the minimum "
              "and never stops at the maximum\n");
    // Without a resizer there is nothing to check: said so, not "no findings".
    const auto none = run({"check", sample("cp1252.frm")});
    EXPECT_EQ(none.status, 0) << none.out;
    EXPECT_EQ(none.out, "the form has no resizer control: nothing of its set-up to check\n");
    // A caption its .frx cannot give, by the form's line.
    const std::string gone = (dir.path() / "gone.frm").string();
    kv::test::spit(gone,
                   "VERSION 5.00\nBegin VB.Form f\n   Begin VB.Label lblA\n"
                   "      Caption = \"gone.frx\":0000\n   End\nEnd\n");
    const auto lost = run({"check", gone});
    EXPECT_EQ(lost.status, 1);
    EXPECT_EQ(lost.out, gone +
                            ":4: lblA.Caption: the text is in gone.frx, which is missing: it is "
                            "left empty\nthe form has no resizer control: nothing of its set-up "
                            "to check\n");
}

// A compiled program shows none of the errors the resizer traps; layout lists them apart from
// the message boxes, in the JSON document and under the table.
TEST(KelvaneLayout, ListsTheErrorsTheResizerTrappedWithoutABox) {
    const auto r = run({"layout", sample("checkme.frm"), "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto doc = r.json();
    ASSERT_EQ(doc["trapped"].size(), 1u) << r.out;
    EXPECT_EQ(doc["trapped"][0]["procedure"], "apply_controlSettings");
    EXPECT_EQ(doc["trapped"][0]["number"], 13);
    EXPECT_EQ(doc["trapped"][0]["description"], "Type mismatch");
    for (const auto& m : doc["messages"])
        EXPECT_FALSE(has(m["text"].get<std::string>(), "Type mismatch"));
    const auto table = run({"layout", sample("checkme.frm")});
    EXPECT_TRUE(
        has(table.out, "\n" + sample("checkme.frm") +
                           ":52: trapped: Error 13 in apply_controlSettings: Type mismatch\n"))
        << table.out;
    EXPECT_TRUE(run({"layout", sample("pixels.frm"), "--json"}).json()["trapped"].empty());
}

// The resizer passes over a line without its separator and reads an unknown or missing letter
// as K or R without a word; check says so, by line.
TEST(KelvaneCheck, SettingsLinesTheResizerSkipsOrMisreads) {
    const struct {
        const char* line;
        std::vector<std::string> says;
    } cases[] = {
        {"txtName \tKKRKK", {}},
        {"", {}},
        {"txtName\tKKRKK",
         {"'txtName\\tKKRKK' has no blank and tab between the control key and the mode "
          "letters: the resizer skips it"}},
        {"txtName\t KKRKK",
         {"'txtName\\t KKRKK' has no blank and tab between the control key and the mode "
          "letters (it has a tab and a blank, in that order): the resizer skips it"}},
        {"cmdOK \tkKaKx",
         {"'cmdOK \\tkKaKx' has 'k', 'a', 'x' where a mode letter K, A, R, C or F belongs: "
          "read as K"}},
        {"cmdOK \tKAR",
         {"'cmdOK \\tKAR' has 3 mode letters, not 5: each missing one is read as R"}},
        {"cmdOK \tKKKKKK",
         {"'cmdOK \\tKKKKKK' has 6 mode letters, not 5: those after the fifth are ignored"}},
        {" \tKKKKK",
         {"' \\tKKKKK' has no control key before the blank and tab: it names no "
          "control"}},
        {"cmdOK \tK-",
         {"'cmdOK \\tK-' has '-' where a mode letter K, A, R, C or F belongs: "
          "read as K",
          "'cmdOK \\tK-' has 2 mode letters, not 5: each missing one is read as R"}},
    };
    std::string all;
    std::vector<std::string> expected;
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        std::vector<std::string> got;
        for (const auto& p : kv::control_settings_problems(c.line)) {
            EXPECT_EQ(p.line, 1u);
            got.push_back(p.text);
        }
        EXPECT_EQ(got, c.says) << c.line;
        all += (i ? "\r\n" : "") + std::string(c.line);
        for (const auto& s : c.says)
            expected.push_back("ControlSettings line " + std::to_string(i + 1) + ": " + s);
    }
    // Through the tool: every finding with the line it stands on, and exit 1.
    ScratchDir dir;
    const std::string form = dir.copy_sample("plain.frm");
    ASSERT_EQ(run({"set", form, "ControlSettings=" + all}).status, 0);
    const auto r = run({"check", form});
    EXPECT_EQ(r.status, 1);
    std::vector<std::string> lines;
    std::istringstream out(r.out);
    for (std::string l; std::getline(out, l);)
        if (const auto at = l.find(": ControlSettings line "); at != std::string::npos) {
            EXPECT_EQ(l.substr(0, at), form + ":48") << l;  // the resizer's property line
            lines.push_back(l.substr(at + 2));
        }
    EXPECT_EQ(lines, expected) << r.out;
}

TEST(KelvaneCheck, MessageTextsBecomeCleanLines) {
    const struct {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"There must be at least two controls in a pane (in frmCheck)\r\n\r\n(Click cancel to "
         "avoid more error messages for the form frmCheck.)",
         {"There must be at least two controls in a pane (in frmCheck)"}},
        {"Error 5 in Form_Load_CreatePane: \r\nInvalid procedure call or argument\r\n\r\nThis "
         "error is only shown in the IDE. Do you want to go to Kelvane HomePage to get more "
         "info and/or submit a bug report?",
         {"Error 5 in Form_Load_CreatePane: Invalid procedure call or argument"}},
        {"first\rsecond\nthird\r\n  fourth  ", {"first", "second", "third", "fourth"}},
        {"", {}},
        {"\r\n\r\n", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(kv::app::message_lines(c.text), c.lines) << c.text;
}
