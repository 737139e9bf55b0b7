// What the tool says of a fault in the user's form names the file and the line, on every path
// it takes to the user: printed lines as FILE:LINE, --json documents as "file" and "line"
// beside the text.
#include <gtest/gtest.h>

#include "frm_test_util.h"
#include "tool_run.h"

namespace kv::test {
namespace {

// An error trapped while ControlSettings was applied, and the message boxes the pages show as
// they open on the file's texts, once came without a place.
TEST(FaultPlaces, PrintedAtTheLineOfTheirSettingsText) {
    ScratchDir dir;
    const auto frm = dir.copy_sample("checkme.frm");
    const auto script = dir.path() / "none.txt";
    spit(script, "");
    const struct {
        Argv args;
        std::string says;
    } cases[] = {
        {{"layout", frm}, frm + ":52: trapped: Error 13 in apply_controlSettings: Type mismatch\n"},
        {{"design", frm, "--script", script.string()},
         frm + ":53: message: There must be at least two controls in a pane (in frmCheck)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        const auto r = run(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(has(r.out, c.says)) << r.out;
    }
}

TEST(FaultPlaces, JsonGivesFileAndLineBesideTheText) {
    ScratchDir dir;
    const auto frm = dir.copy_sample("checkme.frm");
    const auto r = run({"layout", frm, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto doc = r.json();
    ASSERT_EQ(doc["messages"].size(), 2u) << r.out;
    EXPECT_EQ(doc["messages"][0]["file"], frm);
    EXPECT_EQ(doc["messages"][0]["line"], 53);
    EXPECT_EQ(doc["messages"][1]["file"], frm);
    EXPECT_EQ(doc["messages"][1]["line"], 52);
    ASSERT_EQ(doc["trapped"].size(), 1u) << r.out;
    EXPECT_EQ(doc["trapped"][0]["file"], frm);
    EXPECT_EQ(doc["trapped"][0]["line"], 52);
}

// Files a user may hand over broken: said on stderr as FILE:LINE: what, exit 2, and with --json
// as a document a program can read instead of nothing on stdout.
TEST(FaultPlaces, BrokenFilesAreSaidAtTheirLineInJsonToo) {
    ScratchDir dir;
    const auto sample = slurp(dir.copy_sample("twopanes.frm"));
    const auto frm = (dir.path() / "twopanes.frm").string();
    const auto frx = (dir.path() / "twopanes.frx").string();
    const auto ui = (dir.path() / "broken.ui").string();
    const struct {
        std::string name, file, bytes, path;
        size_t line;
        std::string text;
    } cases[] = {
        {"cut short", frm, sample.substr(0, 300), frm, 3,
         "expected End to close 'Begin VB.Form frmCompare', found the end of the file"},
        {"bad value", frm,
         sample.substr(0, sample.find("ClientLeft")) + "ClientLeft = abc\r\n" +
             sample.substr(sample.find("\r\n", sample.find("ClientLeft")) + 2),
         frm, 7, "expected a number from -2147483647 to 2147483647 for ClientLeft, found 'abc'"},
        {".frx cut short", frx, std::string("\x22\0", 2), frm, 68,
         "PaneSettings refers to " + frx +
             ": expected an entry at offset 0000, found only 2 bytes to the end of the file, "
             "too few to hold its length"},
        {"broken XML", ui,
         "<ui version=\"4.0\">\n <widget class=\"QWidget\" name=\"W\">\n  <widget\n", ui, 3,
         "broken XML at column 3: unclosed token"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dir.copy_sample_with("twopanes.frm", "VERSION", "VERSION");
        spit(c.file, c.bytes);
        const auto r = run({"layout", c.path, "--json"});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, c.path + ":" + std::to_string(c.line) + ": " + c.text + "\n");
        ASSERT_NO_THROW(r.json()) << r.out;
        const nlohmann::json error = {{"file", c.path}, {"line", c.line}, {"text", c.text}};
        EXPECT_EQ(r.json(), nlohmann::json({{"errors", nlohmann::json::array({error})}}));
    }
}

// A picture the form names and cannot have is said where the form names it, as the warning it
// is: it once came as "warning: FILE:LINE: ...", unlike every other place the tool gives.
TEST(FaultPlaces, PicturesLeftOutAreWarnedOfAtTheirLine) {
    ScratchDir dir;
    const auto ui = (dir.path() / "pic.ui").string();
    spit(ui,
         "<ui version=\"4.0\">\n <widget class=\"QWidget\" name=\"W\">\n"
         "  <widget class=\"QLabel\" name=\"pic\">\n   <property name=\"pixmap\">\n"
         "    <pixmap>gone.png</pixmap>\n   </property>\n  </widget>\n </widget>\n</ui>\n");
    const auto r = run({"render", ui, "-o", (dir.path() / "p.png").string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.rfind(ui + ":4: warning: pic.Picture: the picture file ", 0), 0u) << r.err;
}

// A form file with a caption its .frx cannot give (line 6) and a class the runtime's library
// does not have (line 9), and a .ui with a widget of a class nobody declared (line 3).
struct NotedForms {
    ScratchDir dir;
    std::string frm = (dir.path() / "noted.frm").string();
    std::string ui = (dir.path() / "noted.ui").string();
    std::string frm_caption =
        "lblA.Caption: the text is in gone.frx, which is missing: it is "
        "left empty";
    std::string frm_class =
        "gzm: VB.Gizmo is no class of the runtime's own library: it is loaded as a plain control";
    std::string ui_class =
        "widget 'gauge' is of class 'Gauge', neither Qt Designer's nor "
        "declared in <customwidgets>: kept as a plain control";
    NotedForms() {
        spit(frm,
             "VERSION 5.00\r\nBegin VB.Form frmNoted\r\n   ClientHeight = 3000\r\n"
             "   ClientWidth = 4000\r\n   Begin VB.Label lblA\r\n      Caption = "
             "\"gone.frx\":0000\r\n"
             "      Width = 1000\r\n   End\r\n   Begin VB.Gizmo gzm\r\n      Width = 900\r\n"
             "   End\r\nEnd\r\n");
        spit(ui,
             "<ui version=\"4.0\">\n <widget class=\"QWidget\" name=\"W\">\n"
             "  <widget class=\"Gauge\" name=\"gauge\"/>\n </widget>\n</ui>\n");
    }
};

// What loading passed over was said by check alone: layout, render, run, code and design showed
// such a form as if it were the form as written. Said on stderr at its line; stdout is the
// command's as ever (scripts read it), and the exit status too.
TEST(FaultPlaces, LoadNotesAreWarnedOfAtTheirLineByEveryCommand) {
    const NotedForms f;
    const std::string png = (f.dir.path() / "p.png").string();
    const std::string frm_says = f.frm + ":6: warning: " + f.frm_caption + "\n" + f.frm +
                                 ":9: warning: " + f.frm_class + "\n";
    const std::string ui_says = f.ui + ":3: warning: " + f.ui_class + "\n";
    const std::string script = (f.dir.path() / "none.txt").string();
    spit(script, "");
    const std::string nothing_set = ": Can't generate any code because nothing has been set up\n";
    const struct {
        Argv args;
        std::string err, out;  // out: "" where it is the geometry table
        int status = 0;
    } cases[] = {
        {{"layout", f.frm}, frm_says, ""},
        {{"layout", f.frm, "--json"}, frm_says, ""},
        {{"layout", f.ui}, ui_says, ""},
        {{"render", f.frm, "-o", png}, frm_says, "wrote " + png + "\n"},
        {{"render", f.ui, "-o", png}, ui_says, "wrote " + png + "\n"},
        {{"code", f.frm}, frm_says + f.frm + nothing_set, "", 1},
        {{"code", f.ui}, ui_says + f.ui + nothing_set, "", 1},
        {{"design", f.frm, "--script", script}, frm_says, ""},
        {{"design", f.ui, "--script", script}, ui_says, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1] + (c.args.size() > 2 ? " " + c.args[2] : ""));
        const auto r = run(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.err, c.err);
        if (!c.out.empty()) {
            EXPECT_EQ(r.out, c.out);
        }
        EXPECT_FALSE(has(r.out, "warning")) << r.out;
    }
    // check keeps its findings as they were: the note at its place, without "warning".
    const auto checked = run({"check", f.frm});
    EXPECT_TRUE(has(checked.out, f.frm + ":6: " + f.frm_caption + "\n")) << checked.out;
}

TEST(FaultPlaces, JsonListsTheLoadNotesWithFileAndLine) {
    const NotedForms f;
    const auto r = run({"layout", f.frm, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto doc = r.json();
    const nlohmann::json notes = {{{"file", f.frm}, {"line", 6}, {"text", f.frm_caption}},
                                  {{"file", f.frm}, {"line", 9}, {"text", f.frm_class}}};
    EXPECT_EQ(doc["notes"], notes);
    // Beside what was there before, unchanged.
    EXPECT_EQ(doc["messages"], nlohmann::json::array());
    EXPECT_EQ(doc["trapped"], nlohmann::json::array());
    EXPECT_EQ(doc["controls"].size(), 2u);
    // A form with nothing to note has an empty list, not none.
    const auto plain = run({"layout", f.dir.copy_sample("plain.frm"), "--json"});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.json()["notes"], nlohmann::json::array());
}

// A .ui handed to export was read as a form file, or refused as being its own target.
TEST(FaultPlaces, ExportOfAQtDesignerFormSaysWhatItIs) {
    ScratchDir dir;
    const auto ui = (dir.path() / "w.ui").string();
    spit(ui, "<ui version=\"4.0\"/>\n");
    const auto r = run({"export", ui});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "kelvane export: '" + ui +
                         "' is a Qt Designer form already: export turns form files (.frm) into "
                         ".ui files\n");
}

}  // namespace
}  // namespace kv::test
