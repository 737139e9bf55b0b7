// Controls whose look or state a widget holds otherwise than the form file: pens, graphical
// buttons, scroll bars and lists, shapes and lines, drive lists and record navigators, text
// boxes with scroll bars, labels' access keys; each comes back from the .ui as it went.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "export_rig.h"
#include "host/ui/UiLines.h"

namespace kv::exporter {
namespace {

using namespace test_rig;

// A line or shape whose pen mixes with what lies below is said to be drawn plain; one that
// copies its pen (DrawMode 13, the default) is not.
TEST(Export, PensThatMixAreSaidToBeDrawnPlain) {
    ScratchDir dir;
    const std::string frm = (dir.path() / "pens.frm").string();
    test::spit(frm,
               "VERSION 5.00\r\nBegin VB.Form frmPens\r\n   ClientWidth = 6000\r\n"
               "   Begin VB.Line linXor\r\n      DrawMode = 7\r\n      X1 = 100\r\n"
               "      X2 = 2000\r\n      Y1 = 300\r\n      Y2 = 300\r\n   End\r\n"
               "   Begin VB.Line linCopy\r\n      DrawMode = 13\r\n      X1 = 100\r\n"
               "      X2 = 2000\r\n      Y1 = 600\r\n      Y2 = 600\r\n   End\r\n"
               "   Begin VB.Shape shpInvert\r\n      DrawMode = 6\r\n      Left = 300\r\n"
               "      Top = 900\r\n      Width = 900\r\n      Height = 600\r\n   End\r\n"
               "   Begin VB.Shape shpPlain\r\n      Left = 1300\r\n      Top = 900\r\n"
               "      Width = 900\r\n      Height = 600\r\n   End\r\nEnd\r\n");
    const auto done = export_form_file(frm, (dir.path() / "pens.ui").string(), {});
    std::vector<std::string> pens;
    for (const auto& n : done.report.notes)
        if (n.find("DrawMode") != std::string::npos) pens.push_back(n);
    EXPECT_EQ(pens, (std::vector<std::string>{
                        "linXor: DrawMode 7 mixes its pen with what lies below, which a widget "
                        "cannot: Qt draws it with the plain pen",
                        "shpInvert: DrawMode 6 mixes its pen with what lies below, which a widget "
                        "cannot: Qt draws it with the plain pen"}));
}

// Graphical check boxes and option buttons are push buttons that stay in while on (an option's
// pushing out the others beside it), and come back from the .ui as what they were; a push button
// that stays in is a graphical check box to the loader, one that is not a command button.
TEST(Export, GraphicalCheckBoxesAndOptionsAreCheckablePushButtons) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "drawing.ui").string();
    export_form_file(test::data_dir() + "/drawing.frm", ui, {});
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    FormRun run = run_ui(ui);
    const struct {
        const char* name;
        const char* type;
        bool on, exclusive;
    } buttons[] = {{"chkGrid", "CheckBox", true, false},
                   {"chkSnap", "CheckBox", false, false},
                   {"optTool_0", "OptionButton", false, true},
                   {"optTool_1", "OptionButton", true, true},
                   {"cmdOK", "CommandButton", false, false}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        const auto& w = *e.by_name.at(b.name);
        EXPECT_EQ(*w.attribute("class"), "QPushButton");
        const bool graphical = std::string(b.type) != "CommandButton";
        EXPECT_EQ(values.boolean(w, "checkable").value_or(false), graphical);
        EXPECT_EQ(values.boolean(w, "checked").value_or(false), b.on);
        EXPECT_EQ(values.boolean(w, "autoExclusive").value_or(false), b.exclusive);
        const auto c = run.form->control(b.name);
        ASSERT_TRUE(c);
        EXPECT_EQ(c->class_name(), b.type);
        if (!graphical) continue;
        EXPECT_EQ(to_double(c->get("Style")), 1);
        EXPECT_EQ(to_double(c->get("Value")) != 0, b.on);
    }
}

// A greyed check box (Value 2), which a .ui has no word for, takes a third state and a property
// of its own, and comes back greyed (options.frm's "Ask before closing").
TEST(Export, AGreyedCheckBoxStaysGreyed) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "options.ui").string();
    export_form_file(test::data_dir() + "/options.frm", ui, {});
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    FormRun run = run_ui(ui);
    for (const auto& [name, value] :
         {std::pair{"chkSave_0", 1.0}, {"chkSave_1", 0.0}, {"chkSave_2", 2.0}}) {
        const auto& w = *e.by_name.at(name);
        EXPECT_EQ(values.boolean(w, "tristate").value_or(false), value == 2) << name;
        EXPECT_EQ(to_double(run.form->control(name)->get("Value")), value) << name;
    }
}

// A pointer shape is Qt's cursor shape and comes back as that shape; a custom pointer (its
// picture has no place in a .ui) is left as the widget's own.
TEST(Export, PointersAreCursorsBothWays) {
    ScratchDir dir;
    std::string text = test::slurp(test::data_dir() + "/options.frm");
    for (const auto& [control, pointer] : {std::pair{"cmdHelp", "2"}, {"cmdOK", "99"}}) {
        const std::string begin = std::string("Begin VB.CommandButton ") + control + " \r\n";
        text.replace(text.find(begin), begin.size(),
                     begin + "      MousePointer    =   " + pointer + "\r\n");
    }
    const std::string frm = (dir.path() / "options.frm").string();
    test::spit(frm, text);
    const std::string ui = (dir.path() / "options.ui").string();
    export_form_file(frm, ui, {});
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    EXPECT_EQ(values.cursor_shape(*e.by_name.at("cmdHelp"), "cursor"), "CrossCursor");
    EXPECT_EQ(values.cursor_shape(*e.by_name.at("cmdOK"), "cursor"), std::nullopt);
    FormRun run = run_ui(ui);
    EXPECT_EQ(to_double(run.form->control("cmdHelp")->get("MousePointer")), 2.0);
    EXPECT_EQ(to_double(run.form->control("cmdOK")->get("MousePointer")), 0.0);
}

// A system back colour other than the class's own (preview.frm's page, a picture box in the
// window's white) has no colour a .ui could name: it goes into a property of its own and comes
// back as that system colour.
TEST(Export, SystemBackColoursBothWays) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "preview.ui").string();
    export_form_file(test::data_dir() + "/preview.frm", ui, {});
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    constexpr double kWindow = -2147483643.0;  // &H80000005&
    EXPECT_EQ(values.real(*e.by_name.at("picPage"), "BackColor", 0, 0xffffffff),
              kWindow + 4294967296.0);
    EXPECT_FALSE(values.real(*e.by_name.at("txtZoom"), "BackColor", 0, 0xffffffff));
    FormRun run = run_ui(ui);
    EXPECT_EQ(to_double(run.form->control("picPage")->get("BackColor")), kWindow);
}

// An MDI form's colour is its workspace's: the MDI area's brush, not the main window's palette,
// which its bars would show through them.
TEST(Export, AnMdiFormsColourIsItsWorkspaces) {
    ScratchDir dir;
    const std::string caption = "   Caption         =   \"Workbench\"\r\n";
    const auto v = export_variant(dir, "mdimain.frm", caption,
                                  "   BackColor       =   &H00C0FFC0&\r\n" + caption);
    const Exported e(v.ui);
    EXPECT_FALSE(e.doc.form().property("palette"));
    const ui::UiElement* brush = e.by_name.at("mdiArea")->property("background");
    ASSERT_TRUE(brush && brush->child("brush"));
    const ui::UiElement* colour = brush->child("brush")->child("color");
    ASSERT_TRUE(colour);
    EXPECT_EQ(colour->child("red")->text, "192");
    EXPECT_EQ(colour->child("green")->text, "255");
    EXPECT_EQ(colour->child("blue")->text, "192");
}

// A transparent label fills nothing in Qt, whatever its BackColor, and comes back transparent
// with its text colour; the other labels, check boxes, option buttons and frames over the band
// paint the class's grey; a drop-down list is a combo box one cannot type into, and comes back
// as one (colours.frm).
TEST(Export, TransparentLabelsAndDropDownListsBothWays) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "colours.ui").string();
    export_form_file(test::data_dir() + "/colours.frm", ui, {});
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    FormRun run = run_ui(ui);
    const auto& clear = *e.by_name.at("lblClear");
    EXPECT_FALSE(values.boolean(clear, "autoFillBackground").value_or(false));
    EXPECT_FALSE(values.palette_color(clear, "Window").has_value());
    EXPECT_EQ(to_double(run.form->control("lblClear")->get("BackStyle")), 0);
    EXPECT_EQ(to_double(run.form->control("lblClear")->get("ForeColor")), 0xffffff);
    // The others over the band paint the class's grey, and the label stays opaque.
    for (const char* name : {"lblPlain", "chkPlain", "optPlain", "fraPlain"})
        EXPECT_NE(values.string(*e.by_name.at(name), "styleSheet")
                      .value_or("")
                      .find("#" + std::string(name) + " { background-color: palette(button); }"),
                  std::string::npos)
            << name;
    EXPECT_EQ(to_double(run.form->control("lblPlain")->get("BackStyle")), 1);
    // A standard command button is in the style's face, whatever its BackColor.
    EXPECT_FALSE(values.palette_color(*e.by_name.at("cmdInFrame"), "Button").has_value());
    for (const auto& [name, style] : {std::pair{"cboList", 2.0}, {"cboTyped", 0.0}}) {
        EXPECT_EQ(values.boolean(*e.by_name.at(name), "editable").value_or(false), style == 0)
            << name;
        EXPECT_EQ(to_double(run.form->control(name)->try_get("Style").value_or(0.0)), style)
            << name;
    }
}

// A frame's ForeColor is its title's: a style sheet's rule for the title, not the palette that
// the widgets in it would take, and it comes back from the .ui.
TEST(Export, AFramesTextColourIsItsTitlesAlone) {
    ScratchDir dir;
    const std::string caption = "         Caption         =   \"Frame\"\r\n";
    const auto v = export_variant(dir, "colours.frm", caption,
                                  caption + "         ForeColor       =   &H00FF0000&\r\n");
    const Exported e(v.ui);
    const ui::UiValues values(e.doc);
    const auto& frame = *e.by_name.at("fraPlain");
    EXPECT_NE(values.string(frame, "styleSheet")
                  .value_or("")
                  .find("#fraPlain::title { color: #0000ff; }"),
              std::string::npos);
    EXPECT_FALSE(values.palette_color(frame, "WindowText").has_value());
    FormRun run = run_ui(v.ui);
    EXPECT_EQ(to_double(run.form->control("fraPlain")->get("ForeColor")), 0xff0000);
}

// A check box with its box on the right (Alignment 1) is laid out right to left, on the Qt host
// and in the export, and comes back so.
TEST(Export, ABoxOnTheRightBothWays) {
    ScratchDir dir;
    const std::string caption = "         Caption         =   \"Check\"\r\n";
    const auto v = export_variant(dir, "colours.frm", caption,
                                  "         Alignment       =   1  'Right Justify\r\n" + caption);
    const Exported e(v.ui);
    EXPECT_EQ(ui::UiValues(e.doc).enumeration(*e.by_name.at("chkPlain"), "layoutDirection"),
              "Qt::RightToLeft");
    FormRun run = run_ui(v.ui);
    EXPECT_EQ(to_double(run.form->control("chkPlain")->get("Alignment")), 1);
    EXPECT_FALSE(run.form->control("optPlain")->try_get("Alignment").has_value() &&
                 to_double(*run.form->control("optPlain")->try_get("Alignment")) == 1);
}

// The runtime's own scroll bars and file lists are Designer's widgets, not placeholders: a bar
// keeps its range, value and steps (one whose Min is above its Max runs the other way), a list
// box its entries; a file or folder list keeps its height (only a list box takes whole lines).
TEST(Export, ScrollBarsAndListsOfTheRuntimeAreWidgets) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "files.ui").string();
    const auto done = export_form_file(test::data_dir() + "/files.frm", ui, {});
    EXPECT_EQ(done.report.placeholders, 0u);
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    struct Bar {
        const char* name;
        const char* orientation;
        long long minimum, maximum, value, page_step;
        bool inverted;
    };
    for (const Bar& b : {Bar{"vsbDetail", "Qt::Vertical", 0, 100, 40, 10, false},
                         Bar{"hsbZoom", "Qt::Horizontal", 1, 10, 4, 1, true}}) {
        SCOPED_TRACE(b.name);
        const auto& w = *e.by_name.at(b.name);
        EXPECT_EQ(*w.attribute("class"), "QScrollBar");
        EXPECT_EQ(values.enumeration(w, "orientation"), b.orientation);
        EXPECT_EQ(values.number(w, "minimum"), b.minimum);
        EXPECT_EQ(values.number(w, "maximum"), b.maximum);
        EXPECT_EQ(values.number(w, "value"), b.value);
        EXPECT_EQ(values.number(w, "pageStep"), b.page_step);
        EXPECT_EQ(values.boolean(w, "invertedAppearance").value_or(false), b.inverted);
    }
    for (const char* list : {"dirFolders", "filMatches", "lstResults"}) {
        SCOPED_TRACE(list);
        const auto& w = *e.by_name.at(list);
        EXPECT_EQ(*w.attribute("class"), "QListWidget");
        EXPECT_EQ(values.boolean(w, "IntegralHeight").has_value(),
                  std::string(list) == "lstResults");
    }
    std::vector<std::string> entries;
    for (const auto* item : e.by_name.at("lstResults")->children_named("item"))
        entries.push_back(values.string(*item, "text").value_or("?"));
    EXPECT_EQ(entries, (std::vector<std::string>{"customer.frm", "orders.frm", "mailwindow.frm",
                                                 "Caf\u00e9.frm"}));
    for (const auto* item : e.by_name.at("lstResults")->children_named("item"))
        EXPECT_FALSE(values.enumeration(*item, "checkState").has_value());

    // A list of check boxes (Style 1): every entry with its box, empty.
    const std::string tab = "      TabIndex        =   10\r\n";
    export_form_file(
        dir.copy_sample_with("files.frm", tab, "      Style           =   1  'Checkbox\r\n" + tab),
        ui, {});
    const Exported checks(ui);
    const ui::UiValues checks_values(checks.doc);
    const auto items = checks.by_name.at("lstResults")->children_named("item");
    ASSERT_EQ(items.size(), 4u);
    for (const auto* item : items)
        EXPECT_EQ(checks_values.enumeration(*item, "checkState"), "Unchecked");
}

// What the controls show as the form opens comes back from the .ui: the scroll bars (across or
// upright) with their range and place, the option that is on, the combo box's entry or text.
TEST(Export, WhatTheControlsShowComesBackFromTheUi) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "files.ui").string();
    const std::string style = "      Style           =   2  'Dropdown List\r\n";
    const auto text = [](const char* t) {
        return std::string("      Text            =   \"") + t + "\"\r\n";
    };
    // A drop-down list opens on the entry its Text names.
    const std::string label = "      Caption         =   \"&Named:\"\r\n";
    const std::string frm = dir.copy_sample_with("files.frm", style, style + text("Documents"));
    std::string t = test::slurp(frm);
    t.replace(t.find(label), label.size(),
              label + "      Alignment       =   1  'Right Justify\r\n");
    const std::string box = "   Begin VB.TextBox txtPattern \r\n";
    t.replace(t.find(box), box.size(), box + "      PasswordChar    =   \"#\"\r\n");
    test::spit(frm, t);
    export_form_file(frm, ui, {});
    FormRun run = run_ui(ui);
    auto& f = *run.form;
    EXPECT_EQ(f.control("cboWhere")->get("Text"), Value("Documents"));
    EXPECT_EQ(f.control("vsbDetail")->class_name(), "VScrollBar");
    EXPECT_EQ(f.control("hsbZoom")->class_name(), "HScrollBar");
    const auto bar = f.control("vsbDetail");
    EXPECT_EQ(std::tuple(to_double(bar->get("Min")), to_double(bar->get("Max")),
                         to_double(bar->get("Value")), to_double(bar->get("LargeChange"))),
              std::tuple(0.0, 100.0, 40.0, 10.0));
    EXPECT_EQ(to_double(f.control("lblPattern")->get("Alignment")), 1.0);
    EXPECT_TRUE(to_bool(f.control("optScope_0")->get("Value")));
    EXPECT_FALSE(to_bool(f.control("optScope_1")->get("Value")));
    // A password box stays one: its text is never drawn in clear.
    EXPECT_EQ(f.control("txtPattern")->get("PasswordChar"), Value("*"));

    // Without a Text the list shows no entry, where Qt would show the first.
    export_form_file(test::data_dir() + "/files.frm", ui, {});
    const Exported none(ui);
    EXPECT_EQ(ui::UiValues(none.doc).number(*none.by_name.at("cboWhere"), "currentIndex"), -1);

    // A combo box to type into, without entries, keeps the text typed.
    const std::string typed = dir.copy_sample_with("files.frm", style, text("Elsewhere"));
    t = test::slurp(typed);
    const std::string list = "      List            =   \"files.frx\":0000\r\n";
    t.erase(t.find(list), list.size());
    test::spit(typed, t);
    export_form_file(typed, ui, {});
    EXPECT_EQ(run_ui(ui).form->control("cboWhere")->get("Text"), Value("Elsewhere"));
}

// A shape's border and back become its frame's style sheet: dots in its colour, an opaque back,
// and a round kind rounded.
TEST(Export, ShapesKeepTheirLookInAStyleSheet) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "preview.ui").string();
    const std::string at = "      Height          =   495\r\n      Left            =   120\r\n";
    export_form_file(
        dir.copy_sample_with("preview.frm", at, "      Shape           =   2  'Oval\r\n" + at), ui,
        {});
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    const auto style = [&](const char* name) {
        return values.string(*e.by_name.at(name), "styleSheet").value_or("");
    };
    EXPECT_EQ(style("shpMargin"), "QFrame { border: 1px dotted #808080; }");
    EXPECT_EQ(style("shpHighlight"),
              "QFrame { border: 1px solid palette(window-text); background-color: #ffffc0; }");
    // 495 twips are 33 pixels: a radius of half that.
    EXPECT_EQ(style("shpZoom"),
              "QFrame { border: 1px solid palette(window-text); border-radius: 16px; }");
    // The opaque highlight comes after the text box in the form file but lies under it.
    const std::string bytes = test::slurp(ui);
    EXPECT_LT(bytes.find("name=\"shpHighlight\""), bytes.find("name=\"txtZoom\""));
}

// Read back, an exported shape is the shape again, with all its look: what a style sheet cannot
// say (a shape with no border, a fill pattern, a system colour) comes back from the frame's own
// properties, so that the .ui draws as the form file does.
TEST(Export, ShapesComeBackAsShapesWithTheirLook) {
    const struct {
        const char* name;
        const char* look;
    } shapes[] = {
        {"shpPlain", ""},
        {"shpNoBorder", "BackStyle = 1\r\nBackColor = &H0000FFFF&\r\nBorderStyle = 0\r\n"},
        {"shpDashed", "BorderStyle = 2\r\nBorderColor = &H80000010&\r\n"},
        {"shpCircle", "Shape = 3\r\nFillStyle = 0\r\nFillColor = &H00C0C0FF&\r\n"},
        {"shpHatched", "Shape = 4\r\nFillStyle = 5\r\nBorderWidth = 3\r\n"},
    };
    std::string frm = "VERSION 5.00\r\nBegin VB.Form frmShapes\r\nClientWidth = 6000\r\n";
    int row = 0;
    for (const auto& s : shapes)
        frm += std::string("   Begin VB.Shape ") + s.name + "\r\n" + s.look +
               "Left = " + std::to_string(300 + 1200 * row++) + "\r\nTop = 300\r\nWidth = 900\r\n" +
               "Height = 600\r\n   End\r\n";
    frm += "End\r\n";
    ScratchDir dir;
    test::spit(dir.path() / "shapes.frm", frm);
    const std::string ui = (dir.path() / "shapes.ui").string();
    export_form_file((dir.path() / "shapes.frm").string(), ui, {});
    FormRun frm_run = run_form_file((dir.path() / "shapes.frm").string());
    FormRun ui_run = run_ui(ui);
    for (const auto& s : shapes) {
        SCOPED_TRACE(s.name);
        const auto a = frm_run.form->control(s.name), b = ui_run.form->control(s.name);
        ASSERT_TRUE(a && b);
        EXPECT_EQ(b->class_name(), "Shape");
        // What the form file leaves unset stays unset (a rectangle, Shape 0, is said outright).
        const auto look = [](mem::MemoryObject& c, const std::string& p) {
            const auto v = c.try_get(p);
            return v              ? std::optional(to_double(*v))
                   : p == "Shape" ? std::optional(0.0)
                                  : std::nullopt;
        };
        for (const char* p : ui::UiLines::kShapeProperties)
            EXPECT_EQ(look(*b, p), look(*a, p)) << p;
        const auto ra = a->rect_twips(), rb = b->rect_twips();
        EXPECT_NEAR(ra.left, rb.left, 15);
        EXPECT_NEAR(ra.width, rb.width, 15);
    }
}

// A line across or down is Designer's line, plain in its colour and as wide (shaded in the
// button shadow's, as Designer draws its own), its frame wide enough to hold it; read back, it is
// the same line; a slanting one's placeholder keeps its width and colour too.
TEST(Export, LinesKeepTheirWidthAndColourBothWays) {
    const struct {
        const char* name;
        const char* look;  // the line's properties in the form file
        const char* ends;
        const char* shadow;
        std::optional<long long> line_width;
        bool palette;
        int frame;  // pixels across
        double width, colour;
    } lines[] = {
        {"linPlain", "", "X1 = 120\r\nX2 = 3000\r\nY1 = 300\r\nY2 = 300", "QFrame::Plain",
         std::nullopt, false, 3, 1, 0},
        {"linShadow", "BorderColor = &H80000010&\r\n",
         "X1 = 120\r\nX2 = 120\r\nY1 = 600\r\nY2 = 2400", "QFrame::Sunken", std::nullopt, false, 3,
         1, 0x80000010},
        {"linRed", "BorderColor = &H000000C0&\r\nBorderWidth = 3\r\n",
         "X1 = 600\r\nX2 = 3000\r\nY1 = 900\r\nY2 = 900", "QFrame::Plain", 3, true, 3, 3, 0xc0},
        {"linThick", "BorderWidth = 6\r\n", "X1 = 600\r\nX2 = 600\r\nY1 = 1200\r\nY2 = 2400",
         "QFrame::Plain", 6, false, 7, 6, 0},
        {"linSlant", "BorderColor = &H0000FF00&\r\nBorderWidth = 2\r\n",
         "X1 = 3000\r\nX2 = 600\r\nY1 = 1500\r\nY2 = 2400", nullptr, std::nullopt, false, 0, 2,
         0xff00},
        // Dashes, which Designer's line does not draw: its style sheet does.
        {"linDashed", "BorderStyle = 2\r\nBorderColor = &H000000C0&\r\n",
         "X1 = 600\r\nX2 = 3000\r\nY1 = 2700\r\nY2 = 2700", "QFrame::Plain", std::nullopt, true, 3,
         1, 0xc0},
        {"linDotsDown", "BorderStyle = 3\r\nBorderWidth = 3\r\n",
         "X1 = 3300\r\nX2 = 3300\r\nY1 = 300\r\nY2 = 2400", "QFrame::Plain", 3, false, 3, 3, 0},
        {"linNone", "BorderStyle = 0\r\n", "X1 = 600\r\nX2 = 3000\r\nY1 = 3000\r\nY2 = 3000",
         "QFrame::Plain", std::nullopt, false, 3, 1, 0},
        {"linSlantDots", "BorderStyle = 3\r\n", "X1 = 600\r\nX2 = 3000\r\nY1 = 3300\r\nY2 = 3900",
         nullptr, std::nullopt, false, 0, 1, 0},
    };
    std::string frm = "VERSION 5.00\r\nBegin VB.Form frmLines\r\n";
    for (const auto& l : lines)
        frm +=
            std::string("   Begin VB.Line ") + l.name + "\r\n" + l.look + l.ends + "\r\n   End\r\n";
    frm += "End\r\n";
    ScratchDir dir;
    test::spit(dir.path() / "lines.frm", frm);
    const std::string ui = (dir.path() / "lines.ui").string();
    export_form_file((dir.path() / "lines.frm").string(), ui, {});
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    FormRun frm_run = run_form_file((dir.path() / "lines.frm").string());
    FormRun ui_run = run_ui(ui);
    for (const auto& l : lines) {
        SCOPED_TRACE(l.name);
        const auto& w = *e.by_name.at(l.name);
        if (l.shadow) {
            EXPECT_EQ(*w.attribute("class"), "Line");
            EXPECT_EQ(values.enumeration(w, "frameShadow"), l.shadow);
            EXPECT_EQ(values.number(w, "lineWidth"), l.line_width);
            EXPECT_EQ(w.property("palette") != nullptr, l.palette);
            const auto g = values.rect(w, "geometry");
            EXPECT_EQ(std::min(g->width, g->height), l.frame);
        }
        const auto c = ui_run.form->control(l.name);
        const auto f = frm_run.form->control(l.name);
        ASSERT_EQ(c->class_name(), "Line");
        EXPECT_EQ(to_double(c->get("BorderWidth")), l.width);
        EXPECT_EQ(to_double(c->try_get("BorderColor").value_or(0.0)), l.colour);
        const auto style = [](mem::MemoryObject& o) {
            return to_double(o.try_get("BorderStyle").value_or(1.0));
        };
        EXPECT_EQ(style(*c), style(*f));
        const auto a = f->line_ends_twips(), b = c->line_ends_twips();
        for (size_t i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], b[i], 15) << i;
    }
    // The dashes along the frame's top or left side, centred on the line's pixels.
    const auto sheet = [&](const char* name) {
        return values.string(*e.by_name.at(name), "styleSheet").value_or("");
    };
    EXPECT_EQ(sheet("linDashed"), "QFrame { border: none; border-top: 1px dashed #c00000; }");
    EXPECT_EQ(sheet("linDotsDown"),
              "QFrame { border: none; border-left: 3px dotted palette(window-text); }");
    EXPECT_EQ(sheet("linNone"), "QFrame { border: none; }");
    EXPECT_EQ(sheet("linPlain"), "");
}

// A drive list is a drop-down list (its drives are the user's machine's); the record navigator has
// no widget in Qt: a placeholder keeps its place on the form's bottom edge.
TEST(Export, ADriveListIsADropDownListARecordNavigatorAPlaceholder) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "orders.ui").string();
    const auto done = export_form_file(test::data_dir() + "/orders.frm", ui, {});
    EXPECT_EQ(done.report.placeholders, 1u);
    EXPECT_EQ(done.report.notes,
              (std::vector<std::string>{"datOrders: a Data control has no widget; a placeholder "
                                        "keeps its place, and the code opens its records"}));
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    const auto& drives = *e.by_name.at("drvExport");
    EXPECT_EQ(*drives.attribute("class"), "QComboBox");
    EXPECT_FALSE(values.boolean(drives, "editable").has_value());
    EXPECT_TRUE(drives.children_named("item").empty());
    const auto& nav = *e.by_name.at("datOrders");
    EXPECT_EQ(*nav.attribute("class"), "QFrame");
    EXPECT_EQ(values.number(nav, "Align"), 2);
    EXPECT_EQ(values.string(nav, "toolTip"), "Placeholder for VB.Data");

    // A label's border: sunken, or a plain line when the label is flat.
    const std::string caption = "      Caption         =   \"&Customer:\"\r\n";
    for (const bool flat : {false, true}) {
        SCOPED_TRACE(flat ? "flat" : "3D");
        export_form_file(
            dir.copy_sample_with(
                "orders.frm", caption,
                "      BorderStyle     =   1  'Fixed Single\r\n" +
                    std::string(flat ? "      Appearance      =   0  'Flat\r\n" : "") + caption),
            ui, {});
        const Exported bordered(ui);
        const ui::UiValues v(bordered.doc);
        const auto& label = *bordered.by_name.at("lblCustomer");
        EXPECT_EQ(v.enumeration(label, "frameShape"), flat ? "QFrame::Box" : "QFrame::Panel");
        EXPECT_EQ(v.enumeration(label, "frameShadow"), flat ? "QFrame::Plain" : "QFrame::Sunken");
        EXPECT_FALSE(v.enumeration(*bordered.by_name.at("lblDate"), "frameShape").has_value());
    }
}

// A multi-line text box has the scroll bars it asks for, always, and no others; with one across,
// its lines do not wrap.
TEST(Export, AMultiLineTextBoxHasTheScrollBarsItAsksFor) {
    ScratchDir dir;
    const struct {
        int bars;
        const char* down;
        const char* across;
        bool wraps;
    } cases[] = {{0, "Qt::ScrollBarAlwaysOff", "Qt::ScrollBarAlwaysOff", true},
                 {1, "Qt::ScrollBarAlwaysOff", "Qt::ScrollBarAlwaysOn", false},
                 {2, "Qt::ScrollBarAlwaysOn", "Qt::ScrollBarAlwaysOff", true},
                 {3, "Qt::ScrollBarAlwaysOn", "Qt::ScrollBarAlwaysOn", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bars);
        const Exported e(export_variant(dir, "orders.frm", "ScrollBars      =   2  'Vertical",
                                        "ScrollBars      =   " + std::to_string(c.bars))
                             .ui);
        const ui::UiValues values(e.doc);
        const auto& notes = *e.by_name.at("txtNotes");
        EXPECT_EQ(*notes.attribute("class"), "QPlainTextEdit");
        EXPECT_EQ(values.enumeration(notes, "verticalScrollBarPolicy"), c.down);
        EXPECT_EQ(values.enumeration(notes, "horizontalScrollBarPolicy"), c.across);
        EXPECT_EQ(values.enumeration(notes, "lineWrapMode").has_value(), !c.wraps);
    }
}

// A label's access key leads to the next control by TabIndex, its buddy in Qt; a label that shows
// its ampersands (UseMnemonic off) doubles them and has no buddy.
TEST(Export, LabelsKeepTheirAccessKeys) {
    ScratchDir dir;
    std::string frm = test::slurp(test::data_dir() + "/files.frm");
    fs::copy_file(test::data_dir() + "/files.frx", dir.path() / "files.frx");
    for (const bool mnemonic : {true, false}) {
        SCOPED_TRACE(mnemonic ? "UseMnemonic on" : "UseMnemonic off");
        if (!mnemonic) {
            const std::string caption = "Caption         =   \"&Named:\"\r\n";
            const size_t at = frm.find(caption);
            ASSERT_NE(at, std::string::npos);
            frm.insert(at + caption.size(), "      UseMnemonic     =   0   'False\r\n");
        }
        test::spit(dir.path() / "files.frm", frm);
        const std::string ui = (dir.path() / "files.ui").string();
        export_form_file((dir.path() / "files.frm").string(), ui, {});
        const Exported e(ui);
        const ui::UiValues values(e.doc);
        const auto& label = *e.by_name.at("lblPattern");
        EXPECT_EQ(values.string(label, "text"), mnemonic ? "&Named:" : "&&Named:");
        const auto* buddy = label.property("buddy");
        // A buddy either way: Qt reads the doubled ampersand as one only in a label with one.
        EXPECT_EQ(buddy ? buddy->child_text("cstring") : "", "txtPattern");
    }
}

// Another library's combo boxes and list are Qt's combo box and list, their own class beside
// them; read back, the same controls with their texts (a data-bound drop-down list keeps the
// text it shows, which the runtime's own cannot).
TEST(Export, DataBoundCombosAndListsAreQtsAndComeBackAsThemselves) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "contacts.ui").string();
    const auto done = export_form_file(test::data_dir() + "/contacts.frm", ui, {});
    EXPECT_EQ(done.report.placeholders, 0u);
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    EXPECT_EQ(*e.by_name.at("dbcGroup")->attribute("class"), "QComboBox");
    EXPECT_FALSE(values.boolean(*e.by_name.at("dbcGroup"), "editable")) << "Style 2";
    EXPECT_EQ(values.boolean(*e.by_name.at("imcIcon"), "editable"), true);
    EXPECT_EQ(*e.by_name.at("dblContacts")->attribute("class"), "QListWidget");
    EXPECT_FALSE(e.by_name.at("dblContacts")->property("IntegralHeight"))
        << "the runtime's list's own";
    FormRun back = run_ui(ui);
    const struct {
        const char* name;
        const char* cls;
        const char* text;
    } cases[] = {{"dbcGroup", "DataCombo", "Friends"},
                 {"imcIcon", "ImageCombo", "Person"},
                 {"dblContacts", "DataList", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto& control = *back.form->control(c.name);
        EXPECT_EQ(control.class_name(), c.cls);
        if (c.text) {
            EXPECT_EQ(to_text(control.get("Text")), c.text);
        }
    }
    EXPECT_EQ(to_double(back.form->control("dbcGroup")->get("Style")), 2);
}

}  // namespace
}  // namespace kv::exporter
