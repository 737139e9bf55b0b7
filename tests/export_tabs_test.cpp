// Tab controls exported as tab widgets: their side, their tabs' height and the places of their
// controls; what a tab widget cannot show is said so, and a strip's own look rides along.
#include <gtest/gtest.h>

#include <optional>

#include "export_rig.h"

namespace kv::exporter {
namespace {

using namespace test_rig;

// Tabs on each side: the tab widget says the side, its tabs' height (a width for upright tabs)
// the form's, and a page starts where Qt puts it on that side, so that each control stands where
// the form file puts it; read back, the side and the places are the form file's.
TEST(Export, TabsKeepTheirSideAndTheirControlsTheirPlaces) {
    ScratchDir dir;
    // chkGrid stands at 240, 960 twips in the tab control: 16, 64 pixels; the tabs are 20 high.
    const struct {
        int side;
        const char* position;  // nullptr: Qt's own, the top
        const char* sheet;
        int x, y;  // chkGrid on its page
    } cases[] = {
        {0, nullptr, "height: 20px", 16 - 2, 64 - 20},
        {1, "QTabWidget::South", "height: 20px", 16 - 2, 64 - 2},
        {2, "QTabWidget::West", "width: 20px", 16 - 20, 64 - 2},
        {3, "QTabWidget::East", "width: 20px", 16 - 2, 64 - 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.side);
        const auto [frm, ui] = export_variant(dir, "drawing.frm", "TabOrientation  =   1",
                                              "TabOrientation  =   " + std::to_string(c.side));
        const Exported e(ui);
        const ui::UiValues values(e.doc);
        const auto& tabs = *e.by_name.at("tabPages");
        EXPECT_EQ(values.enumeration(tabs, "tabPosition"),
                  c.position ? std::optional<std::string>(c.position) : std::nullopt);
        EXPECT_NE(values.string(tabs, "styleSheet").value_or("").find(c.sheet), std::string::npos);
        const auto grid = values.rect(*e.by_name.at("chkGrid"), "geometry");
        ASSERT_TRUE(grid);
        EXPECT_EQ(std::make_pair(grid->x, grid->y), std::make_pair(c.x, c.y));
        FormRun a = run_form_file(frm);
        FormRun b = run_ui(ui);
        expect_same_as_loaded_and_larger(a, b);
    }
}

// Tabs in several rows, which Qt's one-row tab bar cannot show, are said so; one row is not.
TEST(Export, TabsInSeveralRowsAreSaidSo) {
    ScratchDir dir;
    const struct {
        const char* per_row;
        const char* note;  // "" for none
    } cases[] = {
        {"2", ""},
        {"1",
         "tabPages: 2 tabs in 2 rows, which a .ui cannot hold: Qt shows them in one, its pages "
         "starting a row from the tabs' edge"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.per_row);
        const auto [frm, ui] = export_variant(dir, "drawing.frm", "TabsPerRow      =   2",
                                              std::string("TabsPerRow      =   ") + c.per_row);
        const auto done = export_form_file(frm, ui, {});
        const auto rows =
            std::find_if(done.report.notes.begin(), done.report.notes.end(),
                         [](const std::string& n) { return n.find(" rows") != n.npos; });
        EXPECT_EQ(rows == done.report.notes.end() ? std::string() : *rows, c.note);
    }
}

// A tab strip's look that a QTabWidget cannot hold (buttons, tabs of one width, several rows)
// rides along in the .ui: read again, the strip is the form file's, on its side.
TEST(Export, StripsComeBackAsStripsWithTheirLook) {
    const char* looks[] = {
        "",
        "      Style           =   1\r\n      Placement       =   1\r\n",
        "      Style           =   2\r\n      MultiRow        =   -1  'True\r\n",
        "      TabWidthStyle   =   2\r\n      TabFixedWidth   =   2540\r\n"
        "      TabFixedHeight  =   600\r\n      Placement       =   3\r\n",
    };
    for (const char* look : looks) {
        SCOPED_TRACE(look);
        std::string tabs;
        for (int i = 1; i <= 3; ++i)
            tabs += "         BeginProperty Tab" + std::to_string(i) +
                    " {1EFB659A-857C-11D1-B16A-00C0F0283628}\r\n            Caption         =   "
                    "\"Tab " +
                    std::to_string(i) + "\"\r\n         EndProperty\r\n";
        ScratchDir dir;
        const std::string frm = (dir.path() / "strip.frm").string();
        test::spit(frm, std::string(
                            "VERSION 5.00\r\nBegin VB.Form frmStrip\r\n"
                            "   ClientHeight    =   3000\r\n   ClientWidth     =   6000\r\n"
                            "   Begin NovaCtl.TabStrip tsStrip\r\n"
                            "      Height          =   2400\r\n      Left            =   300\r\n"
                            "      Top             =   300\r\n      Width           =   5400\r\n") +
                            look +
                            "      BeginProperty Tabs {1EFB6598-857C-11D1-B16A-00C0F0283628}\r\n"
                            "         NumTabs         =   3\r\n" +
                            tabs + "      EndProperty\r\n   End\r\nEnd\r\n");
        const std::string ui = (dir.path() / "strip.ui").string();
        export_form_file(frm, ui, {});
        FormRun a = run_form_file(frm);
        FormRun b = run_ui(ui);
        const auto sa = host::TabSet::read(*a.form->control("tsStrip"));
        const auto sb = host::TabSet::read(*b.form->control("tsStrip"));
        ASSERT_TRUE(sa && sb);
        ASSERT_EQ(sa->kind, host::TabSet::Kind::Strip);
        EXPECT_EQ(sb->kind, sa->kind);
        EXPECT_EQ(sb->captions, sa->captions);
        EXPECT_EQ(sb->orientation, sa->orientation);
        EXPECT_EQ(sb->buttons, sa->buttons);
        EXPECT_EQ(sb->multi_row, sa->multi_row);
        EXPECT_EQ(sb->justified, sa->justified);
        EXPECT_EQ(sb->fixed_width_twips, sa->fixed_width_twips);
        EXPECT_EQ(sb->tab_height_twips, sa->tab_height_twips);
        EXPECT_EQ(sb->current, sa->current);
    }
}

}  // namespace
}  // namespace kv::exporter
