// Form files exported as Qt Designer forms: the exported form, read back into the memory host as
// `kelvane layout FORM.ui` reads it, takes the same steps as the form file (sizes, a divider
// drag, the size limits) with every control within a pixel of where the form file puts it; names
// and settings keys stay in step; fonts, tab order, menus, placeholders for other libraries'
// classes.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <regex>
#include <sstream>

#include "control/SettingsStrings.h"
#include "control/zokKelvane.h"
#include "export_rig.h"

namespace kv::exporter {
namespace {

using namespace test_rig;

TEST(Export, EveryFormResizesAsItsFormFile) {
    ScratchDir dir;
    for (const auto& path : sample_forms()) {
        SCOPED_TRACE(path);
        const std::string ui = (dir.path() / fs::path(path).filename()).replace_extension(".ui");
        export_form_file(path, ui, {});
        FormRun a = run_form_file(path);
        if (a.form->kind() == mem::FormKind::MDIChild) continue;  // in its parent, as a .ui is not
        FormRun b = run_ui(ui);
        expect_same_menus(a, b);
        expect_same_as_loaded_and_larger(a, b);
        a.grow(-1500, -700);
        b.grow(-1500, -700);
        expect_same_layout(a, b, "smaller again");
        // Far below any minimum: the forms stop at their limits (or at the window system's).
        a.grow(-12000, -9000);
        b.grow(-12000, -9000);
        expect_same_layout(a, b, "at the minimum");
    }
}

// The resizer's arithmetic runs in each container's units: a frame on a pixel form follows its
// change in the form's pixels, counted as its controls' twips, as the runtime has it. The exported
// form keeps the form's scale, and so the frame's controls step alike (chart.frm's own settings
// are relative throughout, which no unit changes).
TEST(Export, APixelFormsFrameStepsAsInTheFormFile) {
    ScratchDir dir;
    const fs::path frm = dir.path() / "chart.frm";
    fs::copy_file(test::data_dir() + "/chart.frm", frm);
    const std::string settings = "fraRange \tKAKKK\r\ntxtTo \tKKKKK";
    std::string frx(4, '\0');  // the text's length, then the text
    for (size_t i = 0; i < 4; ++i) frx[i] = static_cast<char>((settings.size() >> (8 * i)) & 0xff);
    test::spit(dir.path() / "chart.frx", frx + settings);
    const std::string ui = (dir.path() / "chart.ui").string();
    export_form_file(frm.string(), ui, {});
    FormRun a = run_form_file(frm.string()), b = run_ui(ui);
    a.grow(3000, 0);
    b.grow(3000, 0);
    expect_same_layout(a, b, "wider");
}

TEST(Export, ADividerDragMovesBothAlike) {
    ScratchDir dir;
    for (const char* file : {"twopanes.frm", "../../docs/frmMail.frm"}) {
        const std::string path = test::data_dir() + "/" + file;
        SCOPED_TRACE(path);
        const std::string ui = (dir.path() / fs::path(path).filename()).replace_extension(".ui");
        export_form_file(path, ui, {});
        FormRun a = run_form_file(path);
        FormRun b = run_ui(ui);
        a.grow(1500, 1500);
        b.grow(1500, 1500);
        // The first pane's first two controls: the divider between them.
        std::string panes;
        for (const auto& c : a.form->all_controls())
            if (auto* z = dynamic_cast<zokKelvane*>(c->user_control().get()))
                panes = z->PaneSettings();
        std::istringstream words(split_settings_lines(panes).at(0));
        std::string first, second;
        words >> first >> second;
        auto one = a.form->control(first), two = a.form->control(second);
        ASSERT_TRUE(one && two);
        const auto r1 = one->rect_twips(), r2 = two->rect_twips();
        const bool side_by_side = r1.left + r1.width <= r2.left;
        const double x = side_by_side ? (r1.left + r1.width + r2.left) / 2 : r1.left + 200;
        const double y = side_by_side ? r1.top + 200 : (r1.top + r1.height + r2.top) / 2;
        const double dx = side_by_side ? 600 : 0, dy = side_by_side ? 0 : 400;
        auto holder_a = one->container_object();
        auto holder_b = holder_a->is_form() ? std::shared_ptr<mem::MemoryObject>(b.form)
                                            : b.form->control(holder_a->name());
        ASSERT_TRUE(holder_b);
        a.drag(*holder_a, x, y, dx, dy);
        b.drag(*holder_b, x, y, dx, dy);
        EXPECT_NE(one->rect_twips().width + one->rect_twips().height, r1.width + r1.height)
            << "the drag moved nothing";
        expect_same_layout(a, b, "divider dragged");
    }
}

TEST(Export, SettingsKeysNameTheExportedWidgets) {
    ScratchDir dir;
    for (const auto& path : sample_forms()) {
        SCOPED_TRACE(path);
        const std::string ui = (dir.path() / fs::path(path).filename()).replace_extension(".ui");
        export_form_file(path, ui, {});
        const Exported e(ui);
        // Every key that names a control of the form file names a widget of the .ui.
        FormRun a = run_form_file(path);
        ExportNames names(*a.form);
        for (const auto& line : split_settings_lines(e.control_settings)) {
            const auto sep = line.find(" \t");
            if (sep == std::string::npos) continue;
            const std::string key = line.substr(0, sep);
            if (key.find('(') != std::string::npos) ADD_FAILURE() << "a forms key left: " << key;
            if (!names.of_key(key)) continue;  // named no control in the form file either
            EXPECT_TRUE(e.widgets.count(key)) << key;
        }
        std::string panes = e.pane_settings;
        for (auto& ch : panes)
            if (ch == '\n' || ch == '\r') ch = ' ';
        std::istringstream words(panes);
        for (std::string key; words >> key;)
            if (names.of_key(key)) {
                EXPECT_TRUE(e.widgets.count(key)) << key;
            }
    }
}

TEST(Export, ControlArraysKeepTheirElementsApart) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "frmMail.ui").string();
    export_form_file(std::string(KV_DOCS) + "/frmMail.frm", ui, {});
    const Exported e(ui);
    for (const char* name : {"optView_0", "optView_1", "optView_2"}) {
        EXPECT_TRUE(e.widgets.count(name)) << name;
        EXPECT_NE(e.control_settings.find(std::string(name) + " \tKKAAK"), std::string::npos)
            << e.control_settings;
    }
    EXPECT_EQ(e.widgets.count("optView"), 0u);
}

TEST(Export, NamesStayUniqueAndUsableInCpp) {
    ScratchDir dir;
    test::spit(
        dir.path() / "names.frm",
        "VERSION 5.00\r\n"
        "Begin VB.Form frmNames\r\n"
        "   ClientHeight = 3000\r\n   ClientWidth = 4000\r\n"
        "   Begin VB.CommandButton opt_2\r\n      Height = 300\r\n      Width = 900\r\n   End\r\n"
        "   Begin VB.CommandButton opt\r\n      Index = 2\r\n      Height = 300\r\n"
        "      Top = 400\r\n      Width = 900\r\n   End\r\n"
        "   Begin VB.CommandButton delete\r\n      Height = 300\r\n      Top = 800\r\n"
        "      Width = 900\r\n   End\r\n"
        "   Begin VB.CommandButton qt_go\r\n      Height = 300\r\n      Top = 1200\r\n"
        "      Width = 900\r\n   End\r\n"
        "End\r\n");
    const std::string ui = (dir.path() / "names.ui").string();
    export_form_file((dir.path() / "names.frm").string(), ui, {});
    const Exported e(ui);
    // The plain control keeps its name; the array element steps aside, recognisably.
    for (const char* name : {"opt_2", "opt_2_", "delete_", "Qt_go"})
        EXPECT_TRUE(e.widgets.count(name)) << name;
}

// A fixed dialog with a menu bar, a menu item called "separator", a bold font written as its
// weight and a caption holding a control character, all of which once came out wrong.
TEST(Export, AFixedDialogWithMenusComesOutWhole) {
    ScratchDir dir;
    test::spit(dir.path() / "dlg.frm",
               "VERSION 5.00\r\n"
               "Begin VB.Form dlgShip\r\n"
               "   BorderStyle = 3  'Fixed Dialog\r\n"
               "   Caption = \"Ship\x01it\"\r\n"
               "   ClientHeight = 3000\r\n   ClientWidth = 4000\r\n"
               "   Begin VB.Label lblTitle\r\n      Caption = \"Title\"\r\n"
               "      BeginProperty Font\r\n         Name = \"Arial\"\r\n"
               "         Size = 9.75\r\n         Weight = 700\r\n"
               "      EndProperty\r\n      Height = 300\r\n      Width = 900\r\n   End\r\n"
               "   Begin VB.Menu mnuFile\r\n      Caption = \"&File\"\r\n"
               "      Begin VB.Menu separator\r\n         Caption = \"Not a separator\"\r\n"
               "      End\r\n   End\r\n"
               "End\r\n");
    const std::string ui = (dir.path() / "dlg.ui").string();
    export_form_file((dir.path() / "dlg.frm").string(), ui, {});
    const Exported e(ui);  // reads: the control character is no longer in the XML
    const std::string bytes = test::slurp(ui);
    EXPECT_NE(bytes.find("Ship\xEF\xBF\xBDit"), std::string::npos) << bytes;
    // The window's fixed size is its whole size, menu bar and all.
    const std::regex size("name=\"(minimumSize|maximumSize)\">.*?<height>(\\d+)</height>");
    const std::regex geometry("name=\"geometry\">.*?<height>(\\d+)</height>");
    std::smatch g;
    const std::string flat = std::regex_replace(bytes, std::regex("\n"), " ");
    ASSERT_TRUE(std::regex_search(flat, g, geometry));
    int limits = 0;
    for (auto it = std::sregex_iterator(flat.begin(), flat.end(), size);
         it != std::sregex_iterator(); ++it, ++limits)
        EXPECT_EQ((*it)[2], g[1]) << (*it)[1];
    EXPECT_EQ(limits, 2);
    EXPECT_TRUE(e.widgets.count("separator_"));
    EXPECT_EQ(bytes.find("name=\"separator\""), std::string::npos);
    EXPECT_NE(bytes.find("<bold>true</bold>"), std::string::npos);
}

// Qt hands a widget its parent's font family unless the .ui names one: every widget must come
// out in the face the form file gives it (the designer's default face as itself), whatever
// face the form or frame around it has.
TEST(Export, EachWidgetKeepsItsOwnFace) {
    ScratchDir dir;
    const auto font = [](const char* face) {
        return std::string("      BeginProperty Font\r\n         Name = \"") + face +
               "\"\r\n         Size = 9.75\r\n      EndProperty\r\n";
    };
    const auto label = [](const std::string& name, const std::string& more) {
        return "   Begin VB.Label " + name + "\r\n" + more +
               "      Height = 300\r\n      Width = 900\r\n   End\r\n";
    };
    test::spit(dir.path() / "faces.frm",
               "VERSION 5.00\r\nBegin VB.Form frmFaces\r\n   ClientHeight = 3000\r\n"
               "   ClientWidth = 4000\r\n" +
                   font("Times New Roman") + label("lblNone", "") +
                   label("lblDefault", font("MS Sans Serif")) +
                   label("lblSame", font("Times New Roman")) + "   Begin VB.Frame fraPlain\r\n" +
                   font("MS Sans Serif") + "      Height = 2000\r\n      Width = 2000\r\n" +
                   label("lblInner", font("Times New Roman")) + label("lblInnerNone", "") +
                   "   End\r\nEnd\r\n");
    const std::string ui = (dir.path() / "faces.ui").string();
    export_form_file((dir.path() / "faces.frm").string(), ui, {});
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    // The family Qt gives a widget: its own, else the nearest one above it.
    std::map<std::string, std::string> shown;
    std::function<void(const ui::UiElement&, const std::string&)> walk =
        [&](const ui::UiElement& w, const std::string& above) {
            std::string family = above;
            if (const auto f = values.font(w, "font"); f && f->family) family = *f->family;
            if (const std::string* name = w.attribute("name")) shown[*name] = family;
            for (const auto& c : w.children)
                if (c.name == "widget") walk(c, family);
        };
    walk(e.doc.form(), "");
    const std::string plain = "MS Sans Serif", times = "Times New Roman";
    for (const auto& [name, family] :
         std::vector<std::pair<std::string, std::string>>{{"lblNone", plain},
                                                          {"lblDefault", plain},
                                                          {"lblSame", times},
                                                          {"fraPlain", plain},
                                                          {"lblInner", times},
                                                          {"lblInnerNone", plain}})
        EXPECT_EQ(shown[name], family) << name;
}

// The tab order and the labels' buddies come from the design, not from how the form stands now:
// a disabled box keeps its place, each option button has one, the hidden resizer is no buddy.
TEST(Export, TabOrderAndBuddiesFollowTheDesign) {
    ScratchDir dir;
    auto control = [](const std::string& cls, const std::string& name, int tab,
                      const std::string& more = "") {
        return "   Begin " + cls + " " + name + "\r\n" + more +
               "      TabIndex = " + std::to_string(tab) +
               "\r\n      Height = 300\r\n      Width = 900\r\n   End\r\n";
    };
    test::spit(dir.path() / "order.frm",
               "VERSION 5.00\r\nBegin VB.Form frmOrder\r\n   ClientHeight = 3000\r\n"
               "   ClientWidth = 4000\r\n" +
                   control("VB.TextBox", "txtNote", 3, "      Enabled = 0   'False\r\n") +
                   control("VB.OptionButton", "optA", 1, "      Value = -1  'True\r\n") +
                   control("VB.OptionButton", "optB", 2) +
                   control("VB.Label", "lblName", 4, "      Caption = \"&Name\"\r\n") +
                   "   Begin zokKL4VB.zokKelvane zokKelvane1\r\n      TabIndex = 5\r\n"
                   "      _ExtentX = 847\r\n      _ExtentY = 847\r\n   End\r\n" +
                   control("VB.TextBox", "txtName", 6) + control("VB.CommandButton", "cmdOK", 0) +
                   "End\r\n");
    const std::string ui = (dir.path() / "order.ui").string();
    export_form_file((dir.path() / "order.frm").string(), ui, {});
    const std::string bytes = test::slurp(ui);
    std::vector<std::string> order;
    const std::regex stop("<tabstop>([^<]+)</tabstop>");
    for (std::sregex_iterator m(bytes.begin(), bytes.end(), stop), end; m != end; ++m)
        order.push_back((*m)[1]);
    EXPECT_EQ(order, (std::vector<std::string>{"cmdOK", "optA", "optB", "txtNote", "txtName"}));
    const Exported e(ui);
    const auto* buddy = e.by_name.at("lblName")->property("buddy");
    ASSERT_NE(buddy, nullptr);
    EXPECT_EQ(buddy->child_text("cstring"), "txtName");
}

TEST(Export, MenusBecomeTheMainWindowsMenuBar) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "nested.ui").string();
    const auto done = export_form_file(test::data_dir() + "/nested.frm", ui, {});
    const Exported e(ui);
    EXPECT_EQ(*e.doc.form().attribute("class"), "QMainWindow");
    ASSERT_TRUE(e.by_name.count("menubar"));
    const std::string bytes = test::slurp(ui);
    EXPECT_NE(bytes.find("<string>Ctrl+N</string>"), std::string::npos) << bytes;
    EXPECT_EQ(done.report.actions, 2u);
    // The grid form's F5 item and its separator.
    const std::string grid = (dir.path() / "grid.ui").string();
    export_form_file(test::data_dir() + "/grid.frm", grid, {});
    EXPECT_NE(test::slurp(grid).find("<string>F5</string>"), std::string::npos);

    // Every key the reader takes is the key sequence the live window gives the item.
    const std::pair<const char*, const char*> keys[] = {
        {"^{HOME}", "Ctrl+Home"}, {"{ENTER}", "Return"},  {"^{PGDN}", "Ctrl+PgDown"},
        {"{ESC}", "Esc"},         {"^{TAB}", "Ctrl+Tab"}, {"%{F4}", "Alt+F4"},
        {"+^1", "Ctrl+Shift+1"},  {"{BS}", "Backspace"},  {"%+{BREAK}", "Alt+Shift+Pause"}};
    std::string items;
    for (size_t i = 0; i < std::size(keys); ++i)
        items += "      Begin VB.Menu mnu" + std::to_string(i) + "\r\n         Caption = \"" +
                 std::to_string(i) + "\"\r\n         Shortcut = " + keys[i].first +
                 "\r\n      End\r\n";
    test::spit(dir.path() / "keys.frm",
               "VERSION 5.00\r\nBegin VB.Form frmKeys\r\n   Begin VB.Menu mnuKeys\r\n"
               "      Caption = \"Keys\"\r\n" +
                   items + "   End\r\nEnd\r\n");
    const std::string keys_ui = (dir.path() / "keys.ui").string();
    const auto keys_done = export_form_file((dir.path() / "keys.frm").string(), keys_ui, {});
    for (const auto& note : keys_done.report.notes)
        EXPECT_EQ(note.find("shortcut"), std::string::npos) << note;
    const Exported k(keys_ui);
    for (size_t i = 0; i < std::size(keys); ++i)
        EXPECT_EQ(ui::UiValues(k.doc).string(*k.by_name.at("mnu" + std::to_string(i)), "shortcut"),
                  keys[i].second)
            << keys[i].first;
}

TEST(Export, OtherLibrariesClassesArePlaceholdersHoldingTheirControls) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "thirdparty.ui").string();
    const auto done = export_form_file(test::data_dir() + "/thirdparty.frm", ui, {});
    EXPECT_EQ(done.report.placeholders, 1u);  // the image list; its bars are bars
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    // A tab control is a tab widget, the tab on view current, each tab's controls on its page,
    // parked ones where their tab shows them, from the page's corner under tabs of its height.
    const auto* tabs = e.by_name.at("tabPages");
    EXPECT_EQ(*tabs->attribute("class"), "QTabWidget");
    EXPECT_EQ(values.number(*tabs, "currentIndex"), 1);
    const auto pages = tabs->children_named("widget");
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(*pages[1]->attribute("name"), "tabPages_tab1");
    EXPECT_EQ(pages[1]->child("attribute")->child("string")->text, "Advanced");
    ASSERT_TRUE(pages[0]->child("widget"));
    EXPECT_EQ(*pages[0]->child("widget")->attribute("name"), "txtNotes");
    const auto notes = values.rect(*pages[0]->child("widget"), "geometry");
    ASSERT_TRUE(notes);
    EXPECT_EQ(std::make_pair(notes->x, notes->y), std::make_pair(8 - 2, 56 - 20));
    EXPECT_EQ(values.string(*e.by_name.at("imlIcons"), "toolTip"),
              "Placeholder for NovaCtl.ImageList");

    // Every placeholder the summary counts has its note; so have the runtime's own classes
    // without a widget, and a class the runtime's library does not have.
    test::spit(dir.path() / "odd.frm",
               "VERSION 5.00\r\nBegin VB.Form frmOdd\r\n"
               "   Begin VB.OLE oleDoc\r\n      Height = 900\r\n      Width = 900\r\n   End\r\n"
               "   Begin VB.Gizmo gzm\r\n      Height = 900\r\n      Width = 900\r\n   End\r\n"
               "   Begin VB.Line linSlant\r\n      X2 = 900\r\n      Y2 = 400\r\n   End\r\n"
               "End\r\n");
    const auto odd = export_form_file((dir.path() / "odd.frm").string(), ui, {});
    EXPECT_EQ(odd.report.placeholders, 3u);
    for (const auto* d : {&done, &odd}) {
        const size_t noted = std::count_if(
            d->report.notes.begin(), d->report.notes.end(),
            [](const std::string& n) { return n.find("a placeholder") != std::string::npos; });
        EXPECT_EQ(noted, d->report.placeholders);
    }
    EXPECT_NE(std::find(odd.report.notes.begin(), odd.report.notes.end(),
                        "gzm (line 7): VB.Gizmo is no class of the runtime's own library: it is "
                        "loaded as a plain control"),
              odd.report.notes.end());

    // Read back, each placeholder is what it stands for again: a control of its class (drawn as
    // its outline and name), on the form's edge where it was; the slanting line a line, from the
    // same end.
    FormRun odd_run = run_ui(ui);
    EXPECT_EQ(odd_run.form->control("oleDoc")->class_name(), "OLE");
    EXPECT_EQ(odd_run.form->control("gzm")->class_name(), "Gizmo");
    const auto slant = odd_run.form->control("linSlant");
    EXPECT_EQ(slant->class_name(), "Line");
    // 400 twips are 27 pixels.
    EXPECT_EQ(slant->line_ends_twips(), (std::array<double, 4>{0, 0, 900, 27 * 15}));
    export_form_file(test::data_dir() + "/thirdparty.frm", ui, {});
    FormRun viewer = run_ui(ui);
    const auto bar = viewer.form->control("tbMain");
    EXPECT_EQ(bar->class_name(), "Toolbar");
    EXPECT_EQ(to_double(bar->get(Prop::Align)), 1);
}

}  // namespace
}  // namespace kv::exporter
