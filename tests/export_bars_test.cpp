// The common controls' bars exported: a status bar as a frame whose layout holds a label per
// panel (springs stretching), a toolbar's as a tool button per button with its picture (the
// image list's mask colour clear) and state; read back, the same bars.
#include <gtest/gtest.h>

#include <QImage>

#include "export_rig.h"
#include "host/common/DataGridLook.h"
#include "host/common/FlexGridLook.h"
#include "host/common/ListViewLook.h"
#include "host/common/MaskLook.h"
#include "host/common/RangeLook.h"
#include "host/common/StatusBarLook.h"
#include "host/common/ToolBarLook.h"
#include "host/memory/ButtonPictures.h"

namespace kv::exporter {
namespace {

using namespace test_rig;

std::vector<const ui::UiElement*> items(const ui::UiElement& bar) {
    std::vector<const ui::UiElement*> out;
    for (const ui::UiElement* item : bar.child("layout")->children_named("item"))
        out.push_back(item->child("widget") ? item->child("widget") : item->child("spacer"));
    return out;
}

TEST(Export, BarsOfTheCommonControls) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "editor.ui").string();
    const auto done = export_form_file(test::data_dir() + "/editor.frm", ui, {});
    EXPECT_EQ(done.report.placeholders, 1u) << "the image list only";  // not the rich text box
    for (const auto& note : done.report.notes)
        EXPECT_EQ(note.find("ListImages"), std::string::npos) << note;
    const Exported e(ui);
    const ui::UiValues values(e.doc);

    const auto& status = *e.by_name.at("sbEdit");
    EXPECT_EQ(*status.attribute("class"), "QFrame");
    EXPECT_EQ(values.string(status, "FormsClass"), "NovaCtl.StatusBar");
    EXPECT_EQ(*status.child("layout")->attribute("stretch"), "1,0,0,0");
    const auto panels = items(status);
    ASSERT_EQ(panels.size(), 4u);
    EXPECT_EQ(values.string(*panels[0], "text"), "Ready");
    EXPECT_EQ(values.enumeration(*panels[0], "frameShadow"), "QFrame::Sunken");
    EXPECT_EQ(values.boolean(*panels[2], "enabled"), false) << "NUM, grey";
    // A panel of fixed width: 1411 HiMetric are 800 twips, 53 pixels.
    EXPECT_TRUE(panels[2]->property("maximumSize"));
    EXPECT_EQ(values.enumeration(*panels[3], "alignment"), "Qt::AlignHCenter|Qt::AlignVCenter");

    const auto& tools = *e.by_name.at("tbEdit");
    const auto buttons = items(tools);
    ASSERT_EQ(buttons.size(), 8u) << "seven and a spacer";
    EXPECT_EQ(*buttons[1]->attribute("class"), "QToolButton");
    EXPECT_EQ(values.string(*buttons[1], "toolTip"), "Open a note");
    EXPECT_EQ(values.boolean(*buttons[1], "autoRaise"), true);
    EXPECT_EQ(values.enumeration(*buttons[3], "frameShape"), "QFrame::VLine") << "a separator";
    EXPECT_EQ(values.boolean(*buttons[4], "checked"), true);
    EXPECT_EQ(values.enumeration(*buttons[6], "popupMode"), "QToolButton::MenuButtonPopup");
    EXPECT_EQ(*buttons[7]->attribute("name"), "tbEdit_end");
    // The open button's picture: a PNG whose mask colour is clear.
    const QImage open((dir.path() / "editor_pictures" / "tbEdit_Buttons_2_.png").c_str());
    ASSERT_FALSE(open.isNull());
    EXPECT_EQ(qAlpha(open.pixel(0, 0)), 0);
    EXPECT_EQ(open.pixelColor(8, 10), QColor(200, 160, 40));

    // Read back: the same bars, each button with its picture.
    FormRun back = run_ui(ui);
    FormRun file = run_form_file(test::data_dir() + "/editor.frm");
    auto& bar_back = *back.form->control("tbEdit");
    auto& bar_file = *file.form->control("tbEdit");
    auto look_back = host::ToolBarLook::read(bar_back);
    auto look_file = host::ToolBarLook::read(bar_file);
    mem::find_button_pictures(bar_back, look_back);
    ASSERT_EQ(look_back.buttons.size(), look_file.buttons.size());
    for (size_t i = 0; i < look_back.buttons.size(); ++i) {
        SCOPED_TRACE(i);
        const auto &a = look_back.buttons[i], &b = look_file.buttons[i];
        EXPECT_EQ(std::tie(a.caption, a.key, a.tool_tip, a.style, a.pressed),
                  std::tie(b.caption, b.key, b.tool_tip, b.style, b.pressed));
        EXPECT_EQ(look_back.pictures[i] != nullptr, a.style != host::ToolButton::Separator);
    }
    EXPECT_TRUE(look_back.flat);
    // The rich text box: a box of several lines with its plain text, back with its bars.
    EXPECT_EQ(*e.by_name.at("txtBody")->attribute("class"), "QPlainTextEdit");
    auto& note_back = *back.form->control("txtBody");
    auto& note_file = *file.form->control("txtBody");
    EXPECT_EQ(note_back.class_name(), "RichTextBox");
    EXPECT_EQ(to_text(note_back.get("Text")), to_text(note_file.get("Text")));
    EXPECT_EQ(to_double(note_back.get("ScrollBars")), 3);
    const auto panels_back = host::StatusBarLook::read(*back.form->control("sbEdit")).panels;
    const auto panels_file = host::StatusBarLook::read(*file.form->control("sbEdit")).panels;
    ASSERT_EQ(panels_back.size(), panels_file.size());
    for (size_t i = 0; i < panels_back.size(); ++i) {
        SCOPED_TRACE(i);
        const auto &a = panels_back[i], &b = panels_file[i];
        EXPECT_EQ(std::tie(a.text, a.auto_size, a.alignment, a.bevel, a.enabled),
                  std::tie(b.text, b.auto_size, b.alignment, b.bevel, b.enabled));
        EXPECT_DOUBLE_EQ(a.width_twips, b.width_twips);
        EXPECT_DOUBLE_EQ(a.min_width_twips, b.min_width_twips);
    }
}

// A panel or a button changed in Designer comes back changed.
TEST(Export, BarsChangedInDesignerReadBackAsChanged) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "editor.ui").string();
    export_form_file(test::data_dir() + "/editor.frm", ui, {});
    std::string text = test::slurp(ui);
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{"<string>Ready</string>", "<string>Idle</string>"},
          {"<string>Open a note</string>", "<string>Open…</string>"},
          {"<width>53</width>", "<width>60</width>"}}) {
        ASSERT_NE(text.find(from), std::string::npos) << from;
        while (text.find(from) != std::string::npos) text.replace(text.find(from), from.size(), to);
    }
    test::spit(ui, text);
    FormRun back = run_ui(ui);
    const auto bar = host::StatusBarLook::read(*back.form->control("sbEdit"));
    EXPECT_EQ(bar.panels[0].text, "Idle");
    EXPECT_DOUBLE_EQ(bar.panels[2].width_twips, 60 * 15);
    EXPECT_EQ(host::ToolBarLook::read(*back.form->control("tbEdit")).buttons[1].tool_tip, "Open…");
}

// Progress bars and sliders as Qt's, over the same range and lying the same way (an upright
// slider turned to have its Min at the top), a list view and a tree view as tree widgets; read
// back, the same controls.
TEST(Export, ProgressBarsSlidersAndListViewsAreQts) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "plain.ui").string();  // the variant is backup.ui
    const auto done = export_form_file(test::data_dir() + "/backup.frm", ui, {});
    EXPECT_EQ(done.report.placeholders, 0u);
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    const auto& files = *e.by_name.at("prgFiles");
    EXPECT_EQ(*files.attribute("class"), "QProgressBar");
    EXPECT_EQ(values.string(files, "FormsClass"), "NovaCtl.ProgressBar");
    EXPECT_EQ(values.number(files, "maximum"), 250);
    EXPECT_EQ(values.number(files, "value"), 170);
    EXPECT_EQ(values.boolean(files, "textVisible"), false);
    const auto& level = *e.by_name.at("sldLevel");
    EXPECT_EQ(*level.attribute("class"), "QSlider");
    EXPECT_EQ(values.enumeration(level, "orientation"), "Qt::Horizontal");
    EXPECT_EQ(values.enumeration(level, "tickPosition"), "QSlider::TicksBelow");
    EXPECT_EQ(values.number(level, "pageStep"), 3);
    const auto& report = *e.by_name.at("lvwFiles");
    EXPECT_EQ(*report.attribute("class"), "QTreeWidget");
    ASSERT_EQ(report.children_named("column").size(), 3u);
    EXPECT_EQ(values.string(report, "ColumnWidths"), "2540,1482,2117");
    EXPECT_EQ(*e.by_name.at("tvwFolders")->attribute("class"), "QTreeWidget");

    // Read back, and a variant: the slider upright with its range the other way round.
    const auto [frm, turned] =
        export_variant(dir, "backup.frm", "   Begin NovaCtl.Slider sldLevel ",
                       "   Begin NovaCtl.Slider sldLevel \r\n"
                       "      Orientation     =   1\r\n"
                       "      Min             =   20\r\n"
                       "      TickStyle       =   2");
    for (const auto& [form_file, exported] :
         {std::pair{test::data_dir() + "/backup.frm", ui}, std::pair{frm, turned}}) {
        SCOPED_TRACE(exported);
        FormRun back = run_ui(exported);
        FormRun file = run_form_file(form_file);
        for (const char* name : {"lvwFiles", "tvwFolders"}) {
            SCOPED_TRACE(name);
            auto& a = *back.form->control(name);
            auto& b = *file.form->control(name);
            const auto x = host::ListViewLook::read(a, a.type_name());
            const auto y = host::ListViewLook::read(b, b.type_name());
            ASSERT_TRUE(x && y);
            EXPECT_EQ(std::tie(x->kind, x->view, x->headers),
                      std::tie(y->kind, y->view, y->headers));
            ASSERT_EQ(x->columns.size(), y->columns.size());
            for (size_t i = 0; i < x->columns.size(); ++i)
                EXPECT_EQ(std::tie(x->columns[i].text, x->columns[i].width_twips,
                                   x->columns[i].alignment),
                          std::tie(y->columns[i].text, y->columns[i].width_twips,
                                   y->columns[i].alignment));
        }
        for (const char* name : {"prgFiles", "sldLevel", "prgDisk"}) {
            SCOPED_TRACE(name);
            auto& a = *back.form->control(name);
            auto& b = *file.form->control(name);
            const auto x = host::RangeLook::read(a, a.type_name());
            const auto y = host::RangeLook::read(b, b.type_name());
            ASSERT_TRUE(x && y);
            EXPECT_EQ(std::tie(x->kind, x->min, x->max, x->value, x->upright, x->smooth, x->ticks),
                      std::tie(y->kind, y->min, y->max, y->value, y->upright, y->smooth, y->ticks));
            if (x->kind == host::RangeLook::Kind::Slider) {
                EXPECT_EQ(std::tie(x->tick_frequency, x->small_change, x->large_change),
                          std::tie(y->tick_frequency, y->small_change, y->large_change));
            }
        }
    }
}

// A data grid as a table widget of its columns, each column's width carried; read back the same.
TEST(Export, ADataGridIsATableWidget) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "grid.ui").string();
    export_form_file(test::data_dir() + "/grid.frm", ui, {});
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    const auto& grid = *e.by_name.at("grdStock");
    EXPECT_EQ(*grid.attribute("class"), "QTableWidget");
    EXPECT_EQ(values.string(grid, "ColumnWidths"), "2505.26,555.024");
    EXPECT_EQ(grid.children_named("column").size(), 2u);
    FormRun back = run_ui(ui);
    FormRun file = run_form_file(test::data_dir() + "/grid.frm");
    const auto a = host::DataGridLook::read(*back.form->control("grdStock"));
    const auto b = host::DataGridLook::read(*file.form->control("grdStock"));
    ASSERT_EQ(a.columns.size(), b.columns.size());
    for (size_t i = 0; i < a.columns.size(); ++i)
        EXPECT_EQ(std::tie(a.columns[i].caption, a.columns[i].width_twips, a.columns[i].alignment),
                  std::tie(b.columns[i].caption, b.columns[i].width_twips, b.columns[i].alignment));
    EXPECT_EQ(a.record_selectors, b.record_selectors);
}

// A flex grid as a table widget of its cells, its fixed row the header with the FormatString's
// texts, its counts and FormatString carried; read back the same grid, with what was changed in
// Designer since: a header's text, a column added or taken away, the header hidden.
TEST(Export, AFlexGridIsATableWidgetAndComesBack) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "ledger.ui").string();
    export_form_file(test::data_dir() + "/ledger.frm", ui, {});
    FormRun file = run_form_file(test::data_dir() + "/ledger.frm");
    const auto own = host::FlexGridLook::read(*file.form->control("grdLedger"));
    {
        const Exported e(ui);
        const ui::UiValues values(e.doc);
        const auto& grid = *e.by_name.at("grdLedger");
        EXPECT_EQ(*grid.attribute("class"), "QTableWidget");
        EXPECT_EQ(values.string(grid, "FormsClass"), "NovaFlex.FlexGrid");
        EXPECT_EQ(values.string(grid, "FormatString"), own.format);
        EXPECT_EQ(values.number(grid, "rowCount"), 19);
        const auto columns = grid.children_named("column");
        ASSERT_EQ(columns.size(), 4u);
        EXPECT_EQ(values.string(*columns[1], "text"), own.across[1].text);
        EXPECT_EQ(values.enumeration(*columns[3], "textAlignment"), "AlignRight|AlignVCenter");
        EXPECT_EQ(grid.children_named("row").size(), 19u);
    }
    const std::string text = test::slurp(ui);
    const std::string balance =
        "   <column>\n    <property name=\"text\">\n     <string>       Balance</string>\n"
        "    </property>\n    <property name=\"textAlignment\">\n"
        "     <set>AlignRight|AlignVCenter</set>\n    </property>\n   </column>\n";
    const std::string tax =
        "   <column>\n    <property name=\"text\">\n     <string>Tax</string>\n    </property>\n"
        "   </column>\n";
    const std::string hidden =
        "   <attribute name=\"horizontalHeaderVisible\">\n"
        "    <bool>false</bool>\n   </attribute>\n";
    const std::string date = "<Date        |", amount = "|>        Amount";
    const auto count = [](int n) {
        return "<property name=\"columnCount\">\n    <number>" + std::to_string(n) + "</number>";
    };
    using Edits = std::vector<std::pair<std::string, std::string>>;
    const struct {
        const char* what;
        Edits edits;  // each text of the .ui replaced, as Designer would have written it
        std::string format;
        int rows, cols, fixed_rows;
    } cases[] = {
        {"as exported", {}, own.format, 20, 4, 1},
        {"a header's text changed",
         {{"<string>" + own.across[1].text + "</string>", "<string>Memo</string>"}},
         date + "<Memo" + amount + "|>       Balance",
         20,
         4,
         1},
        {"a column added",
         {{balance, balance + tax}, {count(4), count(5)}},
         own.format + "|Tax",
         20,
         5,
         1},
        {"a column taken away",
         {{balance, ""}, {count(4), count(3)}},
         own.format.substr(0, own.format.rfind('|')),
         20,
         3,
         1},
        {"the header hidden",
         {{"   <attribute name=\"verticalHeaderVisible\">",
           hidden + "   <attribute name=\"verticalHeaderVisible\">"}},
         own.format,
         19,
         4,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string edited = text;
        for (const auto& [from, to] : c.edits) {
            const size_t at = edited.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            edited.replace(at, from.size(), to);
        }
        const std::string path = (dir.path() / "edited.ui").string();
        test::spit(path, edited);
        FormRun back = run_ui(path);
        auto& grid = *back.form->control("grdLedger");
        EXPECT_EQ(grid.class_name(), "FlexGrid");
        const auto look = host::FlexGridLook::read(grid);
        EXPECT_EQ(look.format, c.format);
        EXPECT_EQ(std::tie(look.rows, look.cols, look.fixed_rows, look.fixed_cols),
                  std::tie(c.rows, c.cols, c.fixed_rows, own.fixed_cols));
        EXPECT_EQ(std::tie(look.grid_lines, look.scroll_bars),
                  std::tie(own.grid_lines, own.scroll_bars));
    }
}

// A masked edit box as a line edit with the mask in Qt's notation; read back, the same mask.
TEST(Export, AMaskedEditBoxIsALineEditWithItsMask) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "customer.ui").string();
    export_form_file(test::data_dir() + "/customer.frm", ui, {});
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    const auto& phone = *e.by_name.at("txtPhone");
    EXPECT_EQ(*phone.attribute("class"), "QLineEdit");
    EXPECT_EQ(values.string(phone, "inputMask"), "(999) 999-9999;_");
    EXPECT_EQ(values.string(*e.by_name.at("mskSince"), "text"), "03/15/2019");
    FormRun back = run_ui(ui);
    for (const char* name : {"txtPhone", "mskSince"}) {
        SCOPED_TRACE(name);
        auto& c = *back.form->control(name);
        EXPECT_EQ(c.class_name(), "MaskEdBox");
        const auto look = host::MaskLook::read(c);
        EXPECT_EQ(look.mask, std::string(name) == "txtPhone" ? "(###) ###-####" : "##/##/####");
        EXPECT_EQ(look.prompt, "_");
    }
    EXPECT_EQ(host::MaskLook::read(*back.form->control("mskSince")).text, "03/15/2019");
}

}  // namespace
}  // namespace kv::exporter
