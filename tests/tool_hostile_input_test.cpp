// The kelvane tool given files and stores that would make it lose or misplace data: it refuses
// them with exit 2 and a message, and changes nothing.
#include <gtest/gtest.h>

#include <sstream>

#include "frm_test_util.h"
#include "harness/ShownText.h"
#include "host/frm/CodePage.h"
#include "tool_run.h"

using kv::test::Argv;
using kv::test::data_dir;
using kv::test::ScratchDir;
using kv::test::slurp;
using kv::test::spit;

using kv::test::has;
using kv::test::run;

TEST(HostileInput, FrxReferenceOutsideTheFolderIsRefusedAndNothingIsWritten) {
    ScratchDir dir;
    std::filesystem::create_directories(dir.path() / "victimdir");
    std::filesystem::create_directories(dir.path() / "forms");
    const auto victim = dir.path() / "victimdir" / "victim.txt";
    spit(victim, "precious");
    const std::string form =
        "VERSION 5.00\r\nBegin VB.Form F \r\n   Tag = \"../victimdir/victim.txt\":0000\r\n"
        "End\r\n";
    const auto frm = dir.path() / "forms" / "F.frm";
    spit(frm, form);
    const auto r = run({"set", frm.string(), "ControlSettings=a \tKKKKK\r\nb \tKKKKK"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, frm.string() + ":3: expected a plain .frx file name")) << r.err;
    EXPECT_EQ(slurp(victim), "precious");
    EXPECT_EQ(slurp(frm), form);
}

// A form class of any library inside a form was once loaded as a control with a form's
// properties, and the host took it for a form: invalid writes in every command.
TEST(HostileInput, FormInsideTheFormIsRefusedByEveryCommand) {
    for (const char* cls : {"VB.Form", "VB.MDIForm", "Any.Form", "Any.MDIForm", "x.y.form"}) {
        SCOPED_TRACE(cls);
        ScratchDir dir;
        const std::string form =
            "VERSION 5.00\r\nBegin VB.Form F \r\n   Begin VB.Frame fra\r\n"
            "      Begin " +
            std::string(cls) + " g \r\n         Left = 1\r\n      End\r\n   End\r\nEnd\r\n";
        const auto frm = (dir.path() / "F.frm").string();
        spit(frm, form);
        const std::string store = (dir.path() / "s.sqlite").string();
        for (const char* cmd : {"layout", "check", "code"}) {
            const auto r = run({cmd, frm});
            EXPECT_EQ(r.status, 2);
            EXPECT_TRUE(has(r.err, frm + ":4: expected a control inside F")) << r.err;
        }
        EXPECT_EQ(run({"set", frm, "SavePos=False"}).status, 2);
        EXPECT_EQ(slurp(frm), form);
    }
}

// A text where the host expects a number used to surface only while the form was taken down,
// as an error thrown from a destructor that ended the program.
TEST(HostileInput, TextForANumberIsRefusedAtItsLine) {
    ScratchDir dir;
    const auto frm = (dir.path() / "F.frm").string();
    spit(frm,
         "VERSION 5.00\r\nBegin VB.Form F \r\n   Begin VB.PictureBox pic \r\n"
         "      Align = =jet\r\n   End\r\nEnd\r\n");
    const auto r = run({"layout", frm, "--store", (dir.path() / "s.sqlite").string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, frm +
                         ":4: expected a whole number from -32768 to 32767 for Align, found "
                         "'=jet'\n");
}

// A folder opens as a stream that reads nothing: a script or a settings text read from one used
// to pass for an empty one, and the design command reported success.
TEST(HostileInput, TextsFromAFolderOrNoFileAreRefused) {
    ScratchDir dir;
    const auto frm = dir.copy_sample("nested.frm");
    const std::string before = slurp(frm);
    const std::string folder = dir.path().string(), none = (dir.path() / "none.txt").string();
    const std::pair<Argv, std::string> cases[] = {
        {{"set", frm, "ControlSettings=@" + folder},
         "cannot read '" + folder + "': it is a folder"},
        {{"set", frm, "PaneSettings=@" + none},
         "cannot read '" + none + "': there is no such file"},
        {{"design", frm, "--script", folder},
         "--script: cannot read '" + folder + "': it is a folder"},
        {{"design", frm, "--script", none},
         "--script: cannot read '" + none + "': there is no such file"},
    };
    for (const auto& [args, message] : cases) {
        const auto r = run(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_TRUE(has(r.err, message)) << r.err;
        EXPECT_EQ(slurp(frm), before);
    }
}

// The folder for pictures cannot be made where a file of its name is: said with the option.
TEST(HostileInput, AFileWherePicturesShouldGoIsRefused) {
    ScratchDir dir;
    const auto frm = dir.copy_sample("plain.frm");
    const std::string file = (dir.path() / "shots").string();
    spit(file, "mine");
    const auto r = run({"design", frm, "--script", "-", "--shots", file});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "kelvane design: --shots: cannot create the folder '" + file +
                         "': a file of that name is there\n");
    EXPECT_EQ(slurp(file), "mine");
}

TEST(HostileInput, StoreThatCannotBeUsedExitsTwo) {
    ScratchDir dir;
    const auto garbage = (dir.path() / "garbage.sqlite").string();
    spit(garbage, std::string(4096, 'g'));
    for (const std::string& path : {garbage, dir.path().string(), std::string()}) {
        SCOPED_TRACE(path);
        for (const Argv& args :
             {Argv{"get", "Software\\A", "b"}, Argv{"set", "Software\\A", "b", "1"}, Argv{"list"},
              Argv{"delete", "Software\\A"}}) {
            Argv full = {"store", "--store", path};
            full.insert(full.end(), args.begin(), args.end());
            const auto r = run(full);
            EXPECT_EQ(r.status, 2) << args[0];
            EXPECT_TRUE(has(r.err, "cannot be used")) << r.err;
        }
    }
    EXPECT_EQ(slurp(garbage), std::string(4096, 'g'));
}

// Bytes Windows-1252 leaves undefined reach no output as they are: every name, the class
// included, is decoded, so the table and --json carry U+FFFD and are valid UTF-8.
TEST(HostileInput, UndefinedCodePageBytesLeaveEveryOutputValidUtf8) {
    ScratchDir dir;
    const auto frm = (dir.path() / "F.frm").string();
    spit(frm,
         "VERSION 5.00\r\nBegin VB.Form F\x81x \r\n   Caption = \"a\x9D\"\r\n   ClientWidth = "
         "4000\r\n   ClientHeight = 3000\r\n   Begin VB.TextBox t\x8Dx \r\n      Height = 300\r\n"
         "      Width = 1000\r\n   End\r\n   Begin VB.Text\x90"
         "Box u\x8F \r\n      Height = 300\r\n      Width = 1000\r\n   End\r\nEnd\r\n");
    const std::string fffd = "\xEF\xBF\xBD";
    const auto json = run({"layout", frm, "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_TRUE(kv::frm::is_valid_utf8(json.out));
    const auto doc = json.json();
    EXPECT_EQ(doc["form"]["name"], "F" + fffd + "x");
    EXPECT_EQ(doc["controls"][0]["key"], "t" + fffd + "x");
    EXPECT_EQ(doc["controls"][1]["key"], "u" + fffd);
    EXPECT_EQ(doc["controls"][1]["type"], "Text" + fffd + "Box");
    const auto table = run({"layout", frm});
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_TRUE(kv::frm::is_valid_utf8(table.out)) << table.out;
    EXPECT_TRUE(has(table.out, "  u" + fffd + "       Text" + fffd + "Box  F" + fffd + "x"))
        << table.out;
}

// Control characters in names and settings (ESC, BEL, NUL) would retitle or clear a terminal:
// tables and messages show them escaped, and so does plain output on a terminal.
TEST(HostileInput, ControlCharactersAreShownEscaped) {
    ScratchDir dir;
    const auto frm = (dir.path() / "F.frm").string();
    const std::string evil = "lbl\x1B]0;owned\x07";
    spit(frm,
         "VERSION 5.00\r\nBegin VB.Form F \r\n   ClientWidth = 4000\r\n"
         "   ClientHeight = 3000\r\n   Begin VB.Label " +
             evil + " \r\n      Width = 1000\r\n      Height = 300\r\n   End\r\nEnd\r\n");
    spit(dir.path() / "s.txt", evil + " \tKKAKK\nghost\x1B[2J \tKKKKK\n");
    ASSERT_EQ(run({"set", frm, "ControlSettings=@" + (dir.path() / "s.txt").string()}).status, 0);
    const std::string shown = "lbl\\x1B]0;owned\\x07";
    auto raw_free = [](const std::string& text) {
        return text.find('\x1B') == std::string::npos && text.find('\x07') == std::string::npos;
    };
    const auto layout = run({"layout", frm});
    ASSERT_EQ(layout.status, 0) << layout.err;
    EXPECT_TRUE(raw_free(layout.out)) << layout.out;
    EXPECT_TRUE(has(layout.out, "  " + shown + "  Label")) << layout.out;
    const auto check = run({"check", frm});
    EXPECT_EQ(check.status, 1);
    EXPECT_TRUE(raw_free(check.out)) << check.out;
    EXPECT_TRUE(has(check.out, "ghost\\x1B[2J")) << check.out;
    spit(dir.path() / "script.txt", "page Code\ncancel\n");
    const auto design = run({"design", frm, "--script", (dir.path() / "script.txt").string()});
    ASSERT_EQ(design.status, 0) << design.err;
    EXPECT_TRUE(raw_free(design.out)) << design.out;
    EXPECT_TRUE(has(design.out, "  " + shown + " \tKKAKK")) << design.out;
    // Source text for a program keeps its bytes; on a terminal it is shown escaped.
    EXPECT_FALSE(raw_free(run({"code", frm}).out));
    kv::app::set_output_is_terminal(true);
    const auto code = run({"code", frm});
    kv::app::set_output_is_terminal(false);
    EXPECT_TRUE(raw_free(code.out)) << code.out;
    EXPECT_TRUE(has(code.out, shown)) << code.out;
}

// What is said of a settings text names the form file's line that holds the resizer's property,
// a .ui's as a form file's: the texts are in the file (or its .frx) and that line is where the
// user goes to mend them. Pane messages once came with no place, and code said only that
// "a PaneSettings line" was wrong.
TEST(HostileInput, SettingsFaultsNameTheLineOfTheirProperty) {
    ScratchDir dir;
    const auto frm = dir.copy_sample("checkme.frm");
    const std::string ui = (dir.path() / "p.ui").string();
    spit(ui,
         "<ui version=\"4.0\">\n <widget class=\"QWidget\" name=\"W\">\n"
         "  <widget class=\"QPushButton\" name=\"ok\"/>\n"
         "  <widget class=\"kelvane::ResizerWidget\" name=\"zokKelvane1\">\n"
         "   <property name=\"PaneSettings\">\n    <string>ok nowhere</string>\n   </property>\n"
         "  </widget>\n </widget>\n</ui>\n");
    const struct {
        Argv args;
        int status;
        bool on_err;
        std::string says;
    } cases[] = {
        {{"check", frm},
         1,
         false,
         frm + ":53: message: There must be at least two controls in a pane (in frmCheck)\n"},
        {{"check", frm},
         1,
         false,
         frm + ":53: PaneSettings line 1: 'lstNowhere' names no control of the form\n"},
        {{"check", frm},
         1,
         false,
         frm + ":52: message: Control added several times:  txtName on form frmCheck\n"},
        {{"check", frm},
         1,
         false,
         frm + ":52: ControlSettings line 2: 'txtGone' names no control of the form\n"},
        {{"layout", frm},
         0,
         false,
         frm + ":53: message: There must be at least two controls in a pane (in frmCheck)\n"},
        {{"code", frm},
         2,
         true,
         frm + ":53: PaneSettings line 1: 'lstNowhere' names no control of the form: cannot "
               "generate code: Object variable or With block variable not set (91)\n"},
        {{"check", ui},
         1,
         false,
         ui + ":5: message: There must be at least two controls in a pane (in W)\n"},
        {{"code", ui},
         2,
         true,
         ui + ":5: PaneSettings line 1: 'nowhere' names no control of the form: cannot "
              "generate code: Object variable or With block variable not set (91)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const auto r = run(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_TRUE(has(c.on_err ? r.err : r.out, c.says)) << r.out << r.err;
    }
    // The second pane line's empty key, once the first names its controls.
    ASSERT_EQ(run({"set", frm, "PaneSettings=picCanvas txtName\r\ntxtName  picCanvas"}).status, 0);
    const auto r = run({"code", frm});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, frm + ":5"));
    EXPECT_TRUE(has(r.err,
                    ": PaneSettings line 2: an empty key (two blanks in a row, or a blank "
                    "at an end) names no control: cannot generate code: "))
        << r.err;
}

// An .frx text entry cut short: the bytes it could have are those after its length field, never
// more than it wants.
TEST(HostileInput, ShortFrxEntryCountsTheBytesAfterItsLength) {
    ScratchDir dir;
    const auto frm = dir.copy_sample("twopanes.frm");
    spit(dir.path() / "twopanes.frx", std::string("\x22\0\0\0lstLeft txtLeft", 19));
    const auto r = run({"layout", frm});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, frm + ":68: PaneSettings refers to " + (dir.path() / "twopanes.frx").string() +
                         ": expected an entry of 34 bytes "
                         "at offset 0000, found only 15 bytes after its length to the end of the "
                         "file\n");
}
