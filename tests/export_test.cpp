// Form files exported as Qt Designer forms: the exported form, read back into the memory host as
// `kelvane layout FORM.ui` reads it, takes the same steps as the form file (sizes, a divider
// drag, the size limits) with every control within a pixel of where the form file puts it; names
// and settings keys stay in step; menus, placeholders for other libraries' classes.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <optional>
#include <regex>
#include <set>
#include <tuple>

#include "control/SettingsStrings.h"
#include "control/zokKelvane.h"
#include "engine/HostAccess.h"
#include "frm_test_util.h"
#include "host/common/TabSet.h"
#include "host/export/ExportNames.h"
#include "host/export/FormFileExport.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"
#include "host/memory/MemoryHost.h"
#include "host/store/MemorySettingsStore.h"
#include "host/ui/UiLines.h"
#include "host/ui/UiLoader.h"
#include "host/ui/UiReader.h"
#include "host/ui/UiValues.h"
#include "run_host.h"

namespace kv::exporter {
namespace {

namespace fs = std::filesystem;
using test::run_host;
using test::ScratchDir;

// One form running on a memory host of its own, from its form file or its exported .ui.
struct FormRun {
    std::shared_ptr<mem::MemoryHost> host;
    std::shared_ptr<mem::MemoryForm> form;

    void show() {
        Host::set_current(host);
        form->show();
        host->pump();
    }
    // The user drags the border until the client area is this much larger (twips).
    void grow(double dw, double dh) {
        Host::set_current(host);
        const auto r = form->rect_twips();
        form->user_resize(r.width + dw, r.height + dh);
        host->pump();
    }
    // A divider drag from (x, y) by (dx, dy), in the container's client twips.
    void drag(mem::MemoryObject& on, double x, double y, double dx, double dy) {
        Host::set_current(host);
        auto t = on.shared_from_this();
        form->mouse_move(form, 0, 0, -100, -100);
        form->mouse_move(t, 0, 0, x, y);
        form->mouse_down(t, 1, 0, x, y);
        for (int i = 1; i <= 4; ++i) form->mouse_move(t, 1, 0, x + dx * i / 4, y + dy * i / 4);
        form->mouse_up(t, 1, 0, x + dx, y + dy);
        host->pump();
    }
};

FormRun run_form_file(const std::string& path) {
    FormRun r;
    r.host = run_host();
    static frm::FrmDocument doc;  // the loader reads its .frx while loading only
    doc = frm::FrmReader::read_file(path);
    r.form = frm::FrmLoader::load(doc, *r.host).form;
    test::unpark_tabs(*r.form);
    r.show();
    return r;
}

FormRun run_ui(const std::string& path) {
    FormRun r;
    r.host = run_host();
    static ui::UiDocument doc;
    doc = ui::UiReader::read_file(path);
    r.form = ui::UiLoader::load(doc, *r.host).loaded.form;
    r.show();
    return r;
}

struct Box {
    double left, top, width, height;
};

// Where a control stands in its form's client area, in twips; a line as the box of its ends.
Box placed(mem::MemoryObject& c) {
    const auto holder = c.container_object();
    const double ox = holder ? holder->client_origin_x_twips() : 0;
    const double oy = holder ? holder->client_origin_y_twips() : 0;
    if (c.traits().geometry == host::GeometryKind::LineEnds) {
        const auto e = c.line_ends_twips();
        return {std::min(e[0], e[2]) + ox, std::min(e[1], e[3]) + oy, std::abs(e[2] - e[0]),
                std::abs(e[3] - e[1])};
    }
    const auto r = c.rect_twips();
    return {r.left + ox, r.top + oy, r.width, r.height};
}

bool compared(mem::MemoryObject& c) {
    const std::string& cls = c.class_name();
    // Controls without a place at run time (a dialog, an image list) are not laid out.
    return cls != "Menu" && cls != "Timer" && !c.user_control() &&
           c.traits().geometry != host::GeometryKind::PositionOnly &&
           c.name().rfind("Kelvane", 0) != 0;
}

// Every control of the form file's run against its widget in the .ui's run: within a pixel
// (a line by its ends), and the same font size.
void expect_same_layout(FormRun& frm_run, FormRun& ui_run, const std::string& step) {
    SCOPED_TRACE(step);
    Host::set_current(frm_run.host);
    ExportNames names(*frm_run.form);
    const double tpp = 15, tolerance = tpp + 1e-6;
    EXPECT_NEAR(frm_run.form->client_width_twips(), ui_run.form->client_width_twips(), tolerance);
    EXPECT_NEAR(frm_run.form->client_height_twips(), ui_run.form->client_height_twips(), tolerance);
    for (const auto& c : frm_run.form->all_controls()) {
        if (!compared(*c)) continue;
        const std::string name = names.of(*c);
        auto w = ui_run.form->control(name);
        if (!w) {
            ADD_FAILURE() << name << " is not on the exported form";
            continue;
        }
        SCOPED_TRACE(name);
        const Box a = placed(*c), b = placed(*w);
        if (c->traits().geometry == host::GeometryKind::LineEnds) {
            // Designer's line (a slanting one's placeholder) comes back as a line: both ends
            // where the form file has them, also once the resizer has moved one of them.
            EXPECT_EQ(w->class_name(), "Line");
            const auto e = c->line_ends_twips(), f = w->line_ends_twips();
            for (size_t i = 0; i < e.size(); ++i) EXPECT_NEAR(e[i], f[i], tolerance) << i;
            continue;
        }
        EXPECT_NEAR(a.left, b.left, tolerance);
        EXPECT_NEAR(a.top, b.top, tolerance);
        EXPECT_NEAR(a.width, b.width, tolerance);
        EXPECT_NEAR(a.height, b.height, tolerance);
        // The exact size too (Designer's whole points used to turn 8.25 into 8), scaled alike.
        if (c->traits().font) {
            EXPECT_DOUBLE_EQ(num(*c, Prop::FontSize), num(*w, Prop::FontSize));
        }
    }
}

// Each tab control shows as many tabs in the .ui's run, with the same captions and as many
// controls on each, the same tab on view, on the same side and as high (within a pixel).
void expect_same_tabs(FormRun& frm_run, FormRun& ui_run) {
    Host::set_current(frm_run.host);
    ExportNames names(*frm_run.form);
    for (const auto& c : frm_run.form->all_controls()) {
        if (!host::TabSet::candidate(c->type_name(), c->extra_properties())) continue;
        const auto a = host::TabSet::read(*c);
        auto w = ui_run.form->control(names.of(*c));
        ASSERT_TRUE(a && w) << c->name();
        const auto b = host::TabSet::read(*w);
        ASSERT_TRUE(b) << c->name();
        EXPECT_EQ(a->captions, b->captions);
        EXPECT_EQ(a->current, b->current);
        EXPECT_EQ(a->orientation, b->orientation) << c->name();
        EXPECT_NEAR(a->tab_height_twips, b->tab_height_twips, 15) << c->name();
        for (size_t t = 0; t < a->controls.size() && t < b->controls.size(); ++t)
            EXPECT_EQ(a->controls[t].size(), b->controls[t].size()) << c->name() << " tab " << t;
    }
}

std::vector<std::string> sample_forms() {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(test::data_dir()))
        if (e.path().extension() == ".frm") out.push_back(e.path().string());
    out.push_back(std::string(KV_DOCS) + "/frmMail.frm");
    std::sort(out.begin(), out.end());
    return out;
}

// Every menu the form file shows comes back from the .ui with its caption, greyed as it was (a
// hidden one has no way into a .ui, as the export says; a separator is no item there).
void expect_same_menus(FormRun& frm_run, FormRun& ui_run) {
    Host::set_current(frm_run.host);
    ExportNames names(*frm_run.form);
    for (const auto& c : frm_run.form->all_controls()) {
        if (c->class_name() != "Menu" || !to_bool(c->get(Prop::Visible))) continue;
        Host::set_current(frm_run.host);
        const std::string caption = to_text(c->get(Prop::Caption));
        if (caption == "-") continue;  // a separator
        const bool enabled = to_bool(c->get("Enabled"));
        auto m = ui_run.form->control(names.of(*c));
        ASSERT_TRUE(m) << c->name();
        Host::set_current(ui_run.host);
        EXPECT_EQ(to_text(m->get(Prop::Caption)), caption) << c->name();
        EXPECT_EQ(to_bool(m->get("Enabled")), enabled) << c->name();
    }
}

// The same tabs, and every control where the form file has it, as loaded and made larger.
void expect_same_as_loaded_and_larger(FormRun& a, FormRun& b) {
    expect_same_tabs(a, b);
    expect_same_layout(a, b, "as loaded");
    a.grow(3000, 2000);
    b.grow(3000, 2000);
    expect_same_layout(a, b, "larger");
}

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

// The exported .ui read back: widgets by name, and the resizer widget's settings texts.
struct Exported {
    ui::UiDocument doc;
    std::set<std::string> widgets;
    std::map<std::string, const ui::UiElement*> by_name;
    std::string control_settings, pane_settings;

    explicit Exported(const std::string& path) : doc(ui::UiReader::read_file(path)) {
        collect(doc.form());
        const ui::UiValues values(doc);
        for (const auto& [name, e] : by_name)
            if (const std::string* cls = e->attribute("class");
                cls && *cls == "kelvane::ResizerWidget") {
                control_settings = values.string(*e, "ControlSettings").value_or("");
                pane_settings = values.string(*e, "PaneSettings").value_or("");
            }
    }
    void collect(const ui::UiElement& w) {
        for (const auto& c : w.children) {
            if (c.name != "widget" && c.name != "action") continue;
            widgets.insert(*c.attribute("name"));
            by_name[*c.attribute("name")] = &c;
            collect(c);
        }
    }
};

// A sample with one line changed, and its export beside it: a variant the samples do not hold.
struct Variant {
    std::string frm, ui;
};
Variant export_variant(const ScratchDir& dir, const std::string& sample, const std::string& from,
                       const std::string& to) {
    Variant v{dir.copy_sample_with(sample, from, to),
              (dir.path() / fs::path(sample).replace_extension(".ui")).string()};
    export_form_file(v.frm, v.ui, {});
    return v;
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
    EXPECT_EQ(done.report.placeholders, 3u);
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
    EXPECT_EQ(values.string(*e.by_name.at("tbMain"), "toolTip"), "Placeholder for NovaCtl.Toolbar");

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

TEST(Export, PicturesBecomeFilesOfAResourceFileTheUiNames) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "profile.ui").string();
    const auto done = export_form_file(test::data_dir() + "/profile.frm", ui, {});
    const std::string bytes = test::slurp(ui);
    EXPECT_NE(bytes.find("<include location=\"profile.qrc\"/>"), std::string::npos);
    // The resource file's entries: alias -> file beside the .ui.
    const std::string qrc = test::slurp(dir.path() / "profile.qrc");
    EXPECT_NE(qrc.find("<qresource prefix=\"/profile\">"), std::string::npos) << qrc;
    std::map<std::string, std::string> files;
    const std::regex entry("<file alias=\"([^\"]+)\">([^<]+)</file>");
    for (std::sregex_iterator m(qrc.begin(), qrc.end(), entry), end; m != end; ++m)
        files[(*m)[1]] = (*m)[2];
    EXPECT_EQ(files.size(), done.report.pictures);
    // Each picture Qt shows, where the Qt host shows it; a metafile left out and said so.
    struct Case {
        const char* owner;
        const char* property;  // the .ui's
        const char* alias;     // "" when left out
    };
    const Case cases[] = {
        {"frmProfile", "windowIcon", "frmProfile_Icon.ico"},
        {"frmProfile", "styleSheet", "frmProfile_Picture.bmp"},
        {"picLogo", "styleSheet", "picLogo_Picture.bmp"},
        {"imgPhoto", "pixmap", "imgPhoto_Picture.gif"},
        {"cmdSave", "icon", "cmdSave_Picture.ico"},
        {"imgMap", "pixmap", ""},
    };
    FormRun form_file = run_form_file(test::data_dir() + "/profile.frm");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alias);
        const std::string path = std::string(":/profile/") + c.alias;
        if (!*c.alias) {
            EXPECT_EQ(bytes.find(std::string(c.owner) + "_Picture"), std::string::npos);
            EXPECT_TRUE(std::any_of(
                done.report.notes.begin(), done.report.notes.end(), [&](const std::string& n) {
                    return n.find(std::string(c.owner) + ".Picture: a WMF picture") == 0;
                }));
            continue;
        }
        EXPECT_NE(bytes.find(path), std::string::npos);
        ASSERT_TRUE(files.count(c.alias));
        // The file holds the picture's own bytes, which Qt reads.
        const std::string written = test::slurp(dir.path() / files[c.alias]);
        auto object = std::string(c.owner) == "frmProfile"
                          ? std::static_pointer_cast<mem::MemoryObject>(form_file.form)
                          : form_file.form->control(c.owner);
        ASSERT_TRUE(object);
        const char* picture = std::string(c.property) == "windowIcon" ? "Icon" : "Picture";
        ASSERT_TRUE(object->picture(picture));
        EXPECT_EQ(written, object->picture(picture)->bytes);
        EXPECT_FALSE(QImage::fromData(QByteArray(written.data(), static_cast<int>(written.size())))
                         .isNull());
    }
    // The tab control's pictures are its pages' icons.
    for (const char* tab : {"0", "1", "2"})
        EXPECT_NE(bytes.find(std::string(":/profile/tabProfile_TabPicture_") + tab + "_.bmp"),
                  std::string::npos)
            << tab;
    EXPECT_TRUE(std::none_of(done.report.notes.begin(), done.report.notes.end(),
                             [](const std::string& n) { return n.find("TabPicture") != n.npos; }));
}

// Names that differ only in letters a file name leaves out, in a form and between forms: each
// picture keeps a file and a resource path of its own.
TEST(Export, PicturesOfLookAlikeNamesStayApart) {
    ScratchDir dir;
    std::string text = test::slurp(test::data_dir() + "/profile.frm");
    auto rename = [&](const std::string& from, const std::string& to) {
        for (size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, from.size(), to);
    };
    rename("frmProfile", "pic\xC4");  // the form and its picture box: both "pic_" in a file name
    rename("picLogo", "pic\xD6");
    for (const char* name : {"p q", "p_q"})
        test::spit(dir.path() / (std::string(name) + ".frm"), text);
    fs::copy_file(test::data_dir() + "/profile.frx", dir.path() / "profile.frx");
    std::set<std::string> files;
    for (const char* name : {"p q", "p_q"}) {
        const auto base = dir.path() / name;
        export_form_file(base.string() + ".frm", base.string() + ".ui", {});
        const std::string qrc = test::slurp(base.string() + ".qrc");
        const std::regex entry("<file alias=\"[^\"]+\">([^<]+)</file>");
        for (std::sregex_iterator m(qrc.begin(), qrc.end(), entry), end; m != end; ++m)
            EXPECT_TRUE(files.insert((*m)[1]).second) << (*m)[1] << " twice";
    }
    // Eight pictures a form (three tab icons), none written over by another.
    EXPECT_EQ(files.size(), 16u);
    for (const auto& f : files) EXPECT_TRUE(fs::exists(dir.path() / f)) << f;
}

}  // namespace
}  // namespace kv::exporter
