// Designer's widgets as the runtime's controls the loader makes of them: toggle buttons and tabs
// on their side, scroll bars as Qt shows them, exact font sizes, Designer's lines, and frames
// that draw a border, the palette's colours.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <tuple>

#include "ui_load_rig.h"

namespace kv::ui {
namespace {

// A push button that stays in is a graphical check box, or option button when it pushes out the
// others beside it, as the Qt host shows those; a tab widget's tabs on its side (Qt's own height,
// 26 pixels, where no style sheet gives one) and its pages past them.
TEST_F(UiLoad, ToggleButtonsAndTabsOnTheirSide) {
    const auto flag = [](const char* name) {
        return "<property name=\"" + std::string(name) + "\"><bool>true</bool></property>";
    };
    const auto loaded = load(form(
        widget("QPushButton", "plain", rect(0, 0, 80, 30)) +
        widget("QPushButton", "toggle", rect(0, 40, 80, 30) + flag("checkable") + flag("checked")) +
        widget("QPushButton", "choice",
               rect(0, 80, 80, 30) + flag("checkable") + flag("autoExclusive")) +
        widget("QToolButton", "tool", rect(0, 120, 80, 30) + flag("checkable")) +
        widget("QTabWidget", "pages",
               rect(100, 0, 300, 200) +
                   "<property name=\"tabPosition\"><enum>QTabWidget::West</enum></property>" +
                   widget("QWidget", "page1", widget("QLineEdit", "onPage", rect(4, 6, 80, 20))))));
    auto& f = *loaded.loaded.form;
    const struct {
        const char* name;
        const char* type;
        double style, value;
    } buttons[] = {{"plain", "CommandButton", 0, 0},
                   {"toggle", "CheckBox", 1, 1},
                   {"choice", "OptionButton", 1, 0},
                   {"tool", "CommandButton", 0, 0}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        const auto c = f.control(b.name);
        EXPECT_EQ(c->type_name(), b.type);
        EXPECT_EQ(to_double(c->try_get("Style").value_or(0.0)), b.style);
        EXPECT_EQ(to_double(c->try_get("Value").value_or(0.0)), b.value);
    }
    const auto pages = f.control("pages");
    EXPECT_EQ(to_double(pages->get("TabOrientation")), 2);
    EXPECT_NEAR(to_double(pages->get("TabHeight")) * 1440 / 2540, 26 * 15, 1e-6);
    const auto r = f.control("onPage")->rect_twips();
    EXPECT_EQ(std::make_pair(r.left, r.top), std::make_pair((4 + 26) * 15.0, (6 + 2) * 15.0));
}

// The palette's colours where Qt shows them are the control's: the text in the role the widget
// writes with; the back where Qt fills it (a widget that fills its background, a text box's
// base), not where Qt leaves it unpainted (a label's window without autoFillBackground).
TEST_F(UiLoad, PaletteColoursWhereQtShowsThem) {
    // A palette of the given roles, each in its colour (red, green, blue).
    using Role = std::tuple<const char*, int, int, int>;
    const auto palette = [](std::initializer_list<Role> roles) {
        std::string active;
        for (const auto& [role, red, green, blue] : roles)
            active += std::string("<colorrole role=\"") + role +
                      "\"><brush brushstyle=\"SolidPattern\"><color alpha=\"255\"><red>" +
                      std::to_string(red) + "</red><green>" + std::to_string(green) +
                      "</green><blue>" + std::to_string(blue) +
                      "</blue></color></brush></colorrole>";
        return "<property name=\"palette\"><palette><active>" + active +
               "</active><inactive/><disabled/></palette></property>";
    };
    const auto loaded = load(form(
        widget("QLabel", "red", palette({{"WindowText", 255, 0, 0}})) +
        widget("QLineEdit", "blueText", palette({{"Text", 0, 0, 255}, {"Base", 1, 2, 3}})) +
        widget("QPushButton", "go", palette({{"ButtonText", 0, 128, 0}})) +
        widget("QLabel", "filled",
               palette({{"Window", 16, 32, 64}}) + prop("autoFillBackground", "bool", "true")) +
        widget("QLabel", "unfilled", palette({{"Window", 16, 32, 64}})) +
        widget("QLabel", "wrongRole", palette({{"Text", 255, 0, 0}})) +
        // Another tool's property of its own that shares a name with an exported form's.
        widget("QLabel", "othersOwn", prop("BackColor", "string", "teal", true)) +
        widget("QFrame", "systemBack", prop("BackColor", "double", "2147483653", true))));
    auto& f = *loaded.loaded.form;
    const auto colour = [&](const char* name, const char* property) {
        return to_double(f.control(name)->get(property));
    };
    EXPECT_EQ(colour("red", "ForeColor"), 0x0000ff);
    EXPECT_EQ(colour("blueText", "ForeColor"), 0xff0000);
    EXPECT_EQ(colour("blueText", "BackColor"), 0x030201);
    EXPECT_EQ(colour("go", "ForeColor"), 0x008000);
    EXPECT_EQ(colour("filled", "BackColor"), 0x402010);
    // Left as the class has them: system colours.
    EXPECT_LT(colour("unfilled", "BackColor"), 0);
    EXPECT_LT(colour("wrongRole", "ForeColor"), 0);
    // A label that does not fill its background shows what lies behind it.
    EXPECT_EQ(colour("filled", "BackStyle"), 1);
    EXPECT_EQ(colour("unfilled", "BackStyle"), 0);
    // A system colour an exported form file keeps in a property of its own (the window's).
    EXPECT_EQ(colour("systemBack", "BackColor"), -2147483643.0);
    EXPECT_EQ(colour("othersOwn", "BackColor"), colour("unfilled", "BackColor"));
}

// A combo box one cannot type into is a drop-down list (Style 2), as Qt shows it; a font combo
// box takes typing unless the form says otherwise.
TEST_F(UiLoad, CombosOneCannotTypeIntoAreDropDownLists) {
    const std::string typing = prop("editable", "bool", "true"),
                      fixed = prop("editable", "bool", "false");
    const auto loaded = load(
        form(widget("QComboBox", "plain", "") + widget("QComboBox", "typed", typing) +
             widget("QFontComboBox", "fonts", "") + widget("QFontComboBox", "fixedFonts", fixed)));
    auto& f = *loaded.loaded.form;
    for (const auto& [name, style] :
         {std::pair{"plain", 2.0}, {"typed", 0.0}, {"fonts", 0.0}, {"fixedFonts", 2.0}})
        EXPECT_EQ(to_double(f.control(name)->try_get("Style").value_or(0.0)), style) << name;
}

// What a widget shows as Qt shows it: the scroll bars a text box keeps on, and a scroll bar
// shown the other way round, which runs from its maximum as a form's whose Min is above its Max.
TEST_F(UiLoad, ScrollBarsAsQtShowsThem) {
    const auto prop = [](const char* name, const char* kind, const char* value) {
        return "<property name=\"" + std::string(name) + "\"><" + kind + ">" + value + "</" + kind +
               "></property>";
    };
    const char* on = "Qt::ScrollBarAlwaysOn";
    const auto loaded = load(
        form(widget("QPlainTextEdit", "down", prop("verticalScrollBarPolicy", "enum", on)) +
             widget("QPlainTextEdit", "both",
                    prop("verticalScrollBarPolicy", "enum", on) +
                        prop("horizontalScrollBarPolicy", "enum", on)) +
             widget("QPlainTextEdit", "none",
                    prop("verticalScrollBarPolicy", "enum", "Qt::ScrollBarAlwaysOff")) +
             widget("QScrollBar", "zoom",
                    prop("minimum", "number", "1") + prop("maximum", "number", "10") +
                        prop("value", "number", "4") + prop("invertedAppearance", "bool", "true")) +
             widget("QScrollBar", "plain",
                    prop("minimum", "number", "1") + prop("maximum", "number", "10"))));
    auto& f = *loaded.loaded.form;
    const struct {
        const char* name;
        const char* property;
        double value;
    } cases[] = {{"down", "ScrollBars", 2}, {"both", "ScrollBars", 3}, {"none", "ScrollBars", 0},
                 {"zoom", "Min", 10},       {"zoom", "Max", 1},        {"zoom", "Value", 4},
                 {"plain", "Min", 1},       {"plain", "Max", 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "." + c.property);
        EXPECT_EQ(to_double(f.control(c.name)->try_get(c.property).value_or(-1.0)), c.value);
    }
}

// An exported form's exact size refines the whole points Designer keeps, and is inherited; a size
// chosen in Designer afterwards (no longer the one it refines) wins.
TEST_F(UiLoad, AnExactFontSizeRefinesTheWholePointsItWasWrittenWith) {
    const std::string exact =
        "<property name=\"FontSize\" stdset=\"0\"><double>8.25</double></property>";
    const auto loaded = load(
        form("<property name=\"font\"><font><pointsize>8</pointsize></font></property>" + exact +
             "\n" + widget("QLabel", "inherits", rect(0, 0, 10, 10)) +
             widget("QLabel", "chosen",
                    rect(0, 20, 10, 10) +
                        "<property name=\"font\"><font><pointsize>10</pointsize>"
                        "</font></property>" +
                        exact) +
             widget("QLabel", "whole",
                    rect(0, 40, 10, 10) +
                        "<property name=\"FontSize\" stdset=\"0\"><double>8</double></property>")));
    auto& f = *loaded.loaded.form;
    EXPECT_EQ(to_double(f.get(Prop::FontSize)), 8.25);
    EXPECT_EQ(to_double(f.control("inherits")->get(Prop::FontSize)), 8.25);
    EXPECT_EQ(to_double(f.control("chosen")->get(Prop::FontSize)), 10);
    EXPECT_EQ(to_double(f.control("whole")->get(Prop::FontSize)), 8);
}

// Designer's lines (its Line class, a QFrame drawn as a line) are the runtime's lines across the
// middle of their frame, as wide as the frame's line, in its colour (a shaded one in the
// shadow's); an exported form's slanting line comes back from its placeholder's corner; a frame
// with a box stays a frame.
TEST_F(UiLoad, DesignerLinesAreLinesAcrossTheMiddleOfTheirFrame) {
    const std::string red =
        "<property name=\"palette\"><palette><active><colorrole role=\"WindowText\"><brush "
        "brushstyle=\"SolidPattern\"><color alpha=\"255\"><red>192</red><green>0</green>"
        "<blue>16</blue></color></brush></colorrole></active></palette></property>";
    const char* plain = "QFrame::Plain";
    const struct {
        const char* name;
        std::string xml;
        double x1, y1, x2, y2, width, colour;
    } lines[] = {
        {"across", widget("Line", "across", rect(8, 40, 200, 3)), 120, 615, 3120, 615, 1,
         0x80000010},
        {"down",
         widget("Line", "down",
                rect(100, 10, 3, 200) + prop("orientation", "enum", "Qt::Vertical") +
                    prop("frameShadow", "enum", plain)),
         1515, 150, 1515, 3150, 1, 0},  // the runtime's colour: none of its own
        {"hline",
         widget("QFrame", "hline",
                rect(10, 100, 50, 5) + prop("frameShape", "enum", "QFrame::HLine") +
                    prop("lineWidth", "number", "3") + red),
         150, 1530, 900, 1530, 3, 0x1000c0},
        {"vline",
         widget("QFrame", "vline",
                rect(300, 20, 3, 60) + prop("frameShape", "enum", "QFrame::VLine") +
                    prop("frameShadow", "enum", "QFrame::Raised")),
         4515, 300, 4515, 1200, 1, 0x80000010},
        {"slant",
         widget("QFrame", "slant",
                rect(20, 200, 60, 30) + prop("Placeholder", "string", "VB.Line", true) +
                    prop("LineFrom", "string", "BottomLeft", true) +
                    prop("BorderWidth", "number", "2", true) +
                    prop("BorderColor", "double", "255", true)),
         300, 3450, 1200, 3000, 2, 255},
    };
    std::string xml;
    for (const auto& l : lines) xml += l.xml;
    xml +=
        widget("QFrame", "box", rect(400, 300, 50, 50) + prop("frameShape", "enum", "QFrame::Box"));
    auto& f = *load(form(xml)).loaded.form;
    for (const auto& l : lines) {
        SCOPED_TRACE(l.name);
        const auto c = f.control(l.name);
        ASSERT_TRUE(c);
        EXPECT_EQ(c->type_name(), "Line");
        const auto e = c->line_ends_twips();
        EXPECT_EQ(std::vector<double>(e.begin(), e.end()),
                  (std::vector<double>{l.x1, l.y1, l.x2, l.y2}));
        EXPECT_EQ(to_double(c->get("BorderWidth")), l.width);
        EXPECT_EQ(to_double(c->try_get("BorderColor").value_or(0.0)), l.colour);
    }
    EXPECT_EQ(f.control("box")->type_name(), "PictureBox");
}

// A QFrame made in Designer that draws a frame round its inside is a bordered picture box: flat
// where the frame is a plain line (or the style's panel, a single line), 3-D where it is shaded;
// one that draws nothing is borderless. A style sheet's border for the frame itself takes the
// frame's place once it gives a style, as Qt draws it. An exported form's own properties say its
// border. Either way a widget inside stands on the pixels Designer shows it on: its place in the
// box counts from inside the border, as the forms runtime's does.
TEST_F(UiLoad, FramesDrawingABorderAreBorderedPictureBoxes) {
    const auto shape = [](const char* s) { return prop("frameShape", "enum", s); };
    const auto shadow = [](const char* s) { return prop("frameShadow", "enum", s); };
    const auto width = [](const char* name, const char* n) { return prop(name, "number", n); };
    const auto sheet = [](const char* s) { return prop("styleSheet", "string", s); };
    const struct {
        const char* name;
        std::string frame;
        int border;  // pixels on each side: 0 none, 1 flat, 2 3-D
    } frames[] = {
        {"unset", "", 0},  // Qt's default: NoFrame
        {"none", shape("QFrame::NoFrame") + shadow("QFrame::Sunken"), 0},
        {"box", shape("QFrame::Box"), 1},
        {"thickBox", shape("QFrame::Box") + width("lineWidth", "3"), 1},
        {"noLineBox", shape("QFrame::Box") + width("lineWidth", "0"), 0},
        {"shadedNoLine", shape("QFrame::Box") + shadow("QFrame::Raised") + width("lineWidth", "0"),
         0},
        {"midLineOnly",
         shape("QFrame::Box") + shadow("QFrame::Sunken") + width("lineWidth", "0") +
             width("midLineWidth", "1"),
         2},
        {"sunkenPanel", shape("QFrame::Panel") + shadow("QFrame::Sunken") + width("lineWidth", "2"),
         2},
        {"noLinePanel", shape("QFrame::Panel") + shadow("QFrame::Raised") + width("lineWidth", "0"),
         0},
        {"plainPanel", shape("QFrame::Panel"), 1},
        {"designers", shape("QFrame::StyledPanel") + shadow("QFrame::Raised"), 1},
        {"styledNoLine", shape("QFrame::StyledPanel") + width("lineWidth", "0"), 1},
        {"winPanel", shape("QFrame::WinPanel") + shadow("QFrame::Sunken") + width("lineWidth", "0"),
         2},
        {"exported",
         shape("QFrame::Panel") + shadow("QFrame::Sunken") + width("lineWidth", "2") +
             prop("BorderStyle", "number", "1", true),
         2},
        {"exportedFlat",
         shape("QFrame::Panel") + shadow("QFrame::Sunken") + width("lineWidth", "2") +
             prop("BorderStyle", "number", "1", true) + prop("Appearance", "number", "0", true),
         1},
        {"sheetNone", shape("QFrame::Box") + sheet("QFrame { border: none; }"), 0},
        {"sheetLine", sheet("border: 2px solid red"), 1},
        {"sheetNoWidth", shape("QFrame::Box") + sheet("QFrame { border: solid red; }"), 0},
        {"sheetWidthOnly",
         shape("QFrame::Panel") + shadow("QFrame::Sunken") + width("lineWidth", "2") +
             sheet("QFrame { border-width: 4px; }"),
         2},
        {"sheetForOthers",
         shape("QFrame::Box") +
             sheet("QLabel { border: none; } QFrame:hover { border: none; } "
                   "QFrame QPushButton { border: none; } #other { border: none; }"),
         1},
        {"sheetByName",
         sheet("QFrame#other { border: 1px solid; } #sheetByName { border-style: dashed; "
               "border-width: 3px; }"),
         1},
        // Comments and quoted text are not rules or declarations.
        {"sheetCommented",
         shape("QFrame::Box") +
             sheet("/* was { border: 2px solid } */ QFrame /* ours */ { border: none; }"),
         0},
        {"sheetQuoted",
         shape("QFrame::Box") + sheet("QFrame { image: url(\"a;b{c}.png\"); border: none; }"), 0},
        {"sheetCommentedOut", sheet("QFrame { /* border: 1px solid; */ }"), 0},
    };
    std::string xml;
    int row = 0;
    for (const auto& f : frames)
        xml += widget("QFrame", f.name,
                      rect(100, 20 + 110 * row++, 200, 100) + f.frame +
                          widget("QPushButton", std::string("in_") + f.name, rect(10, 20, 50, 30)));
    auto& f = *load(form(xml)).loaded.form;
    row = 0;
    for (const auto& e : frames) {
        SCOPED_TRACE(e.name);
        const auto box = f.control(e.name);
        const auto button = f.control(std::string("in_") + e.name);
        ASSERT_TRUE(box && button);
        EXPECT_EQ(box->type_name(), "PictureBox");
        EXPECT_EQ(to_double(box->get(Prop::BorderStyle)), e.border ? 1 : 0);
        EXPECT_EQ(box->inner_offset_twips(), std::make_pair(e.border * 15.0, e.border * 15.0));
        EXPECT_EQ(to_double(box->get(Prop::ScaleWidth)), (200 - 2 * e.border) * 15);
        EXPECT_EQ(button->container_object(), box);
        EXPECT_EQ(button->rect_twips().left, (10 - e.border) * 15);
        EXPECT_EQ(button->rect_twips().top, (20 - e.border) * 15);
        // Where Designer shows it: 10 and 20 pixels from the frame's outer corner.
        EXPECT_EQ(button->client_origin_x_twips(), (100 + 10) * 15);
        EXPECT_EQ(button->client_origin_y_twips(), (20 + 110 * row++ + 20) * 15);
    }
}

}  // namespace
}  // namespace kv::ui
