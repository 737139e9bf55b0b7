// The tool on Qt Designer forms: layout, render, check, code, set and design take a .ui holding a
// kelvane::ResizerWidget as they take a form file; a broken .ui is refused at its line by every
// one of them; check reports classes it does not know and settings naming no widget; set and
// design save into the resizer widget's properties and change no other byte.
#include <gtest/gtest.h>

#include "frm_test_util.h"
#include "tool_run.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;

const std::string kNotes = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Notes</class>
 <widget class="QWidget" name="Notes">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>400</width><height>300</height></rect>
  </property>
  <widget class="QPlainTextEdit" name="text">
   <property name="geometry">
    <rect><x>8</x><y>8</y><width>384</width><height>240</height></rect>
   </property>
  </widget>
  <widget class="QPushButton" name="ok">
   <property name="geometry">
    <rect><x>312</x><y>260</y><width>80</width><height>30</height></rect>
   </property>
  </widget>
  <widget class="kelvane::ResizerWidget" name="zokKelvane1">
   <property name="geometry">
    <rect><x>8</x><y>260</y><width>32</width><height>32</height></rect>
   </property>
   <property name="ControlSettings">
    <string>text &#9;KKKKK</string>
   </property>
  </widget>
 </widget>
 <customwidgets>
  <customwidget>
   <class>kelvane::ResizerWidget</class>
   <extends>QWidget</extends>
   <header>kelvane/ResizerWidget.h</header>
  </customwidget>
 </customwidgets>
</ui>
)";

std::string replaced(std::string text, const std::string& what, const std::string& with) {
    const size_t at = text.find(what);
    if (at == std::string::npos) throw std::logic_error("no " + what);
    return text.replace(at, what.size(), with);
}

struct Box {
    double left, top, width, height;
    bool operator==(const Box&) const = default;
};

Box box(const nlohmann::json& doc, const std::string& key) {
    for (const auto& c : doc.at("controls"))
        if (c.at("key") == key) return {c.at("left"), c.at("top"), c.at("width"), c.at("height")};
    throw std::runtime_error("no control " + key);
}

TEST(KelvaneUi, LayoutRenderAndCheckTakeADesignerForm) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "notes.ui").string();
    spit(ui, kNotes);
    const test::Run r = run({"layout", ui, "--user-size", "9000x6000", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    // 400 x 300 pixels inside a sizable frame are 6120 x 4905 twips outside: the text follows
    // the window both ways, the button (not in the settings) stays.
    const double dw = 9000 - 6120, dh = 6000 - 4905;
    EXPECT_EQ(box(r.json(), "text"), (Box{120, 120, 5760 + dw, 3600 + dh}));
    EXPECT_EQ(box(r.json(), "ok"), (Box{4680, 3900, 1200, 450}));

    const std::string png = (dir.path() / "notes.png").string();
    const test::Run picture = run({"render", ui, "-o", png});
    EXPECT_EQ(picture.status, 0) << picture.err;
    EXPECT_TRUE(fs::exists(png));

    const test::Run check = run({"check", ui});
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_EQ(check.out, "no findings\n");

    const test::Run code = run({"code", ui});
    EXPECT_EQ(code.status, 0) << code.err;
    EXPECT_TRUE(has(code.out,
                    ".Form_Load_addControl(KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP, "
                    "text)"))
        << code.out;
}

TEST(KelvaneUi, ABrokenFormIsRefusedAtItsLineByEveryCommand) {
    ScratchDir dir;
    struct Case {
        const char* what;
        std::string text;
        std::string message;
    };
    const std::string second_resizer =
        replaced(kNotes, "  <widget class=\"kelvane::ResizerWidget\" name=\"zokKelvane1\">",
                 "  <widget class=\"kelvane::ResizerWidget\" name=\"zokKelvane2\"/>\n"
                 "  <widget class=\"kelvane::ResizerWidget\" name=\"zokKelvane1\">");
    const std::vector<Case> cases = {
        {"broken XML", replaced(kNotes, "<rect><x>312", "<rect<x>312"),
         "bad.ui:15: broken XML at column 10"},
        {"two resizers", second_resizer, "bad.ui:19: kelvane::ResizerWidget 'zokKelvane1'"},
        {"resizer as the form",
         replaced(kNotes, "class=\"QWidget\" name=\"Notes\"",
                  "class=\"kelvane::ResizerWidget\" name=\"Notes\""),
         "bad.ui:4: kelvane::ResizerWidget 'Notes' is the form itself, a window of its own: "
         "place it on a form"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string ui = (dir.path() / "bad.ui").string();
        spit(ui, c.text);
        const auto script = dir.path() / "script.txt";
        spit(script, "apply\n");
        for (const Argv& args : {Argv{"layout", ui}, Argv{"render", ui, "-o", ui + ".png"},
                                 Argv{"check", ui}, Argv{"design", ui, "--script", script.string()},
                                 Argv{"set", ui, "MinWidth=1"}, Argv{"code", ui}}) {
            SCOPED_TRACE(args.front());
            const test::Run r = run(args);
            EXPECT_EQ(r.status, 2);
            EXPECT_TRUE(has(r.err, c.message)) << r.err;
        }
        EXPECT_EQ(slurp(ui), c.text);
    }
}

TEST(KelvaneUi, CheckReportsUnknownClassesAndSettingsNamingNoWidget) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "odd.ui").string();
    spit(ui, replaced(replaced(kNotes, "class=\"QPushButton\"", "class=\"FancyButton\""),
                      "text &#9;KKKKK", "text &#9;KKKKK\ngone &#9;KKKKK"));
    const test::Run r = run({"check", ui});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, ui +
                         ":13: widget 'ok' is of class 'FancyButton', neither Qt Designer's nor "
                         "declared in <customwidgets>: kept as a plain control\n" +
                         ui + ":22: ControlSettings line 2: 'gone' names no control of the form\n");
}

// A main window's central widget is the client area: below the menu bar, above the status bar
// if there is one, where Qt shows it (offscreen, at its default font: a 19-pixel menu bar, a
// 22-pixel status bar), with the bar kept on its bottom edge there.
TEST(KelvaneUi, AMainWindowIsLaidOutInItsCentralWidget) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "main.ui").string();
    auto geometry = [](int x, int y, int w, int h) {
        return "<property name=\"geometry\"><rect><x>" + std::to_string(x) + "</x><y>" +
               std::to_string(y) + "</y><width>" + std::to_string(w) + "</width><height>" +
               std::to_string(h) + "</height></rect></property>\n";
    };
    for (const int status : {22, 0}) {
        SCOPED_TRACE(status);
        const int inside = 300 - 19 - status, outer = (inside + 8 + 19 + 19) * 15;
        spit(ui,
             "<ui version=\"4.0\">\n<widget class=\"QMainWindow\" name=\"Main\">\n" +
                 geometry(0, 0, 400, 300) + "<widget class=\"QWidget\" name=\"centralwidget\">\n" +
                 "<widget class=\"QFrame\" name=\"bar\">" + geometry(0, inside - 30, 400, 30) +
                 "<property name=\"Align\" stdset=\"0\"><number>2</number></property></widget>\n"
                 "<widget class=\"QPushButton\" name=\"ok\">" +
                 geometry(312, 190, 80, 30) +
                 "</widget>\n<widget class=\"kelvane::ResizerWidget\" name=\"zokKelvane1\">" +
                 geometry(8, 190, 32, 32) +
                 "<property name=\"ControlSettings\"><string>ok &#9;AAKKK</string></property>"
                 "</widget>\n</widget>\n<widget class=\"QMenuBar\" name=\"menubar\">\n"
                 "<widget class=\"QMenu\" name=\"menuFile\"/><addaction name=\"menuFile\"/>"
                 "</widget>\n" +
                 (status ? "<widget class=\"QStatusBar\" name=\"statusbar\"/>\n" : "") +
                 "</widget>\n</ui>\n");
        const test::Run r = run({"layout", ui, "--json"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.json().at("form").at("height"), outer);
        EXPECT_EQ(box(r.json(), "bar"), (Box{0, (inside - 30) * 15.0, 400 * 15, 30 * 15}));
        const test::Run larger = run({"layout", ui, "--user-size", "9000x6000", "--json"});
        ASSERT_EQ(larger.status, 0) << larger.err;
        EXPECT_EQ(box(larger.json(), "ok"),
                  (Box{312 * 15 + 9000 - 6120, 190 * 15.0 + 6000 - outer, 80 * 15, 30 * 15}));
    }
}

// Widgets that are no control of their name are said as what they are; the size limits in the
// .ui's pixels; a limit too large for the form is left out with the other settings kept.
TEST(KelvaneUi, CheckSpeaksOfWidgetsAndLimitsAsTheUiHasThem) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "odd.ui").string();
    const std::string inside =
        "  <widget class=\"QTabWidget\" name=\"tabs\">\n"
        "   <widget class=\"QWidget\" name=\"page\">\n"
        "    <widget class=\"QLineEdit\" name=\"onPage\"/>\n   </widget>\n  </widget>\n"
        "  <widget class=\"QScrollArea\" name=\"scroller\">\n"
        "   <widget class=\"QWidget\" name=\"contents\">\n"
        "    <widget class=\"QLabel\" name=\"scrolled\"/>\n   </widget>\n  </widget>\n"
        "  <widget class=\"QLineEdit\" name=\"my-edit\"/>\n"
        "  <widget class=\"QPushButton\" name=\"ok\">";
    const std::string limits =
        "   <property name=\"MinWidth\"><number>400</number></property>\n"
        "   <property name=\"MaxWidth\"><number>300</number></property>\n"
        "   <property name=\"ControlSettings\">";
    const std::string text = replaced(
        replaced(replaced(kNotes, "  <widget class=\"QPushButton\" name=\"ok\">", inside),
                 "text &#9;KKKKK",
                 "text &#9;KKKKK\nonPage &#9;KKKKK\nscrolled &#9;KKKKK\nmy-edit &#9;KKKKK"),
        "   <property name=\"ControlSettings\">", limits);
    spit(ui, text);
    const test::Run r = run({"check", ui});
    EXPECT_EQ(r.status, 1);
    // A tab widget's pages hold controls; a scroll area is one control.
    EXPECT_EQ(
        r.out,
        "MaxWidth 300 is below MinWidth 400: the form keeps to the minimum and never "
        "stops at the maximum\n" +
            ui +
            ":35: ControlSettings line 3: 'scrolled' is widget 'scrolled' inside 'scroller' "
            "(QScrollArea), which the resizer moves as one control: it cannot lay out what is "
            "inside; give the setting to scroller\n" +
            ui +
            ":35: ControlSettings line 4: 'my-edit' is widget 'my-edit' (QLineEdit), whose name is "
            "no identifier: the resizer knows it as TextBox1; use that name\n");
    spit(ui, replaced(text, "   <property name=\"MaxWidth\">",
                      "   <property name=\"MinHeight\"><number>2147483647</number></property>\n"
                      "   <property name=\"MaxWidth\">"));
    const test::Run huge = run({"check", ui});
    EXPECT_TRUE(
        has(huge.out, ui + ":34: MinHeight 2147483647 is more pixels than a size limit holds (at "
                           "most 143165549): the form has no MinHeight\n"))
        << huge.out;
    // The other settings stand: the text follows the window down.
    const test::Run laid = run({"layout", ui, "--user-size", "9000x6000", "--json"});
    ASSERT_EQ(laid.status, 0) << laid.err;
    EXPECT_EQ(laid.json().at("trapped"), nlohmann::json::array());
    EXPECT_EQ(box(laid.json(), "text").height, 3600 + 6000 - 4905);
}

TEST(KelvaneUi, DesignSavesTheSetUpIntoTheResizerWidgetOnly) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "notes.ui").string();
    spit(ui, kNotes);
    const auto script = dir.path() / "script.txt";
    // OK keeps to the lower right corner.
    spit(script, "click ok\nchoice 8\napply\n");
    const test::Run r = run({"design", ui, "--script", script.string()});
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    EXPECT_EQ(slurp(ui), replaced(kNotes, "<string>text &#9;KKKKK</string>",
                                  "<string notr=\"true\">ok &#9;AAKKK\ntext &#9;KKKKK</string>"));
    const test::Run after = run({"layout", ui, "--user-size", "9000x6000", "--json"});
    ASSERT_EQ(after.status, 0) << after.err;
    EXPECT_EQ(box(after.json(), "ok"), (Box{4680 + 9000 - 6120, 3900 + 6000 - 4905, 1200, 450}));
}

// set used to read every form as a form file and refused a .ui at its first line.
TEST(KelvaneUi, SetSavesIntoTheResizerWidgetOnly) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "notes.ui").string();
    spit(ui, kNotes);
    const test::Run r = run({"set", ui, "MinWidth=6120", "ControlSettings=ok\tAAKKK"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "saved " + ui + "\n");
    EXPECT_EQ(slurp(ui), replaced(kNotes, "<string>text &#9;KKKKK</string>\n   </property>\n",
                                  "<string notr=\"true\">ok&#9;AAKKK</string>\n   </property>\n"
                                  "   <property name=\"MinWidth\">\n    <number>400</number>\n"
                                  "   </property>\n"));
    // XML holds no control characters: refused before the file is touched.
    const std::string saved = slurp(ui);
    const test::Run bell = run({"set", ui,
                                "SubKey=a\x07"
                                "b"});
    EXPECT_EQ(bell.status, 2);
    EXPECT_EQ(bell.err,
              "kelvane set: SubKey: holds the control character U+0007, which a .ui "
              "cannot hold\n");
    const test::Run line = run({"set", ui, "SubKey=a\nb"});
    EXPECT_EQ(line.status, 2);
    EXPECT_EQ(line.err,
              "kelvane set: SubKey: holds the control character U+000A, which a key of the store "
              "cannot hold\n");
    EXPECT_EQ(slurp(ui), saved);
    // The window stops at its new minimum, 400 pixels inside.
    const test::Run after = run({"layout", ui, "--user-size", "3000x6000", "--json"});
    ASSERT_EQ(after.status, 0) << after.err;
    EXPECT_EQ(after.json().at("form").at("width"), 6120);
}

}  // namespace
}  // namespace kv::test
