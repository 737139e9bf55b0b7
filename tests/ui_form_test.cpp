// Qt Designer forms (.ui) in the memory host: the reader (where every element stands, broken
// files refused at their line), the loader (the same controls the Qt host adopts from the shown
// window, an exported form's placeholders, dock widgets), and the resizer widget's properties
// saved back into the file byte for byte.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "control/zokKelvane.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPropertyBag.h"
#include "host/ui/UiError.h"
#include "host/ui/UiLoader.h"
#include "host/ui/UiReader.h"
#include "host/ui/UiResizerSave.h"
#include "ui_load_rig.h"

namespace kv::ui {
namespace {

// The error a file gives, as FILE:LINE: message.
std::string error_of(const std::string& bytes) {
    try {
        auto host = mem::MemoryHost::install();
        host->register_user_control(kZokKelvaneClassId, [] { return make_zokKelvane(); });
        const UiDocument doc = UiReader::read_bytes(bytes, "f.ui");
        UiLoader::load(doc, *host);
    } catch (const UiError& e) {
        return e.what();
    }
    return "no error";
}

TEST(UiForm, BrokenFilesAreRefusedAtTheirLine) {
    struct Case {
        std::string bytes;
        std::string error;
    };
    const Case cases[] = {
        {"<ui>\n<widget class=\"QWidget\" name=\"a\">\n<b>\n</widget>\n</ui>\n",
         "f.ui:4: broken XML at column 3: mismatched tag"},
        {"", "f.ui:1: broken XML at column 1: no element found"},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE ui [<!ENTITY a \"aaaa\">]>\n<ui/>",
         "f.ui:2: a document type declaration"},
        {"<?xml version=\"1.0\"?>\n<form/>\n",
         "f.ui:2: expected a Qt Designer form, whose "
         "outermost element is <ui>, found <form>"},
        {"<ui>\n<class>x</class>\n</ui>", "f.ui:1: the Qt Designer form has no <widget>"},
        {std::string(300, ' ') +
             [] {
                 std::string s = "<ui>";
                 for (int i = 0; i < 300; ++i) s += "<widget class=\"QWidget\">";
                 return s;
             }(),
         "elements nested more than 256 deep"},
        {form(widget("QLabel", "a",
                     "<property name=\"geometry\"><rect><x>1</x><y>2</y><width>"
                     "wide</width><height>4</height></rect></property>")),
         "f.ui:5: <width>: expected a whole number, found 'wide'"},
        {form(widget("QLabel", "a", "\n<property name=\"text\"><bool>true</bool></property>")),
         "f.ui:6: property 'text': expected <string>, found <bool>"},
        // An exported form's exact font size.
        {form(widget("QLabel", "a",
                     "\n<property name=\"FontSize\" stdset=\"0\"><double>0</double></property>")),
         "f.ui:6: <double>: expected a number from 1 to 2048, found '0'"},
        {form(widget("QLabel", "a",
                     "\n<property name=\"FontSize\" stdset=\"0\"><string>8</string></property>")),
         "f.ui:6: property 'FontSize': expected <double> or <number>, found <string>"},
        // Where the resizer stands: on the form itself, one per form, no layout beside it.
        {form(widget("QFrame", "toolbar",
                     "\n" + widget("kelvane::ResizerWidget", "zokKelvane1", rect(0, 0, 32, 32))),
              kDeclared),
         "f.ui:6: kelvane::ResizerWidget 'zokKelvane1' is in 'toolbar' (QFrame) on form 'Mail': "
         "place it on the form itself"},
        {form(widget("kelvane::ResizerWidget", "first", "") +
                  widget("kelvane::ResizerWidget", "second", ""),
              kDeclared),
         "f.ui:6: kelvane::ResizerWidget 'second' is a second resizer on form 'Mail' (the first "
         "is 'first'): one per form"},
        {form("<layout class=\"QVBoxLayout\" name=\"box\">\n<item>" + widget("QLabel", "a", "") +
              "</item></layout>\n"),
         "f.ui:5: the form's widgets are placed by a layout (QVBoxLayout 'box')"},
    };
    for (const Case& c : cases) {
        const std::string got = error_of(c.bytes);
        EXPECT_NE(got.find(c.error), std::string::npos) << got << "\nexpected " << c.error;
    }
}

TEST(UiForm, ElementsKnowTheirBytes) {
    const std::string bytes = "<ui>\n <a x=\"1\">t&amp;u<b/></a>\n <c></c>\n</ui>";
    const UiDocument doc = UiReader::read_bytes(bytes, "f.ui");
    const UiElement& a = doc.root.children.at(0);
    EXPECT_EQ(bytes.substr(a.begin, a.end - a.begin), "<a x=\"1\">t&amp;u<b/></a>");
    EXPECT_EQ(bytes.substr(a.content, a.content_end - a.content), "t&amp;u<b/>");
    EXPECT_EQ(a.text, "t&u");
    EXPECT_EQ(*a.attribute("x"), "1");
    const UiElement& b = a.children.at(0);
    EXPECT_EQ(bytes.substr(b.begin, b.end - b.begin), "<b/>");
    EXPECT_EQ(b.content, b.end);
    const UiElement& c = doc.root.children.at(1);
    EXPECT_EQ(c.line, 3u);
    EXPECT_EQ(bytes.substr(c.content, c.end - c.content), "</c>");
}

TEST_F(UiLoad, WidgetsBecomeTheControlsTheQtHostAdopts) {
    const auto loaded = load(form(
        "<property name=\"windowTitle\"><string>Mail</string></property>\n"
        "<property name=\"font\"><font><pointsize>10</pointsize></font></property>\n" +
            widget("QFrame", "toolbar",
                   rect(0, 0, 640, 36) +
                       widget("QPushButton", "newButton",
                              rect(4, 4, 72, 28) +
                                  "<property name=\"text\"><string>&amp;New</string></property>")) +
            widget("QTreeWidget", "folderTree", rect(8, 44, 152, 284)) +
            widget("QListWidget", "messageList",
                   rect(168, 44, 464, 136) +
                       "<item><property name=\"text\"><string>One</string></property></item>"
                       "<item><property name=\"text\"><string>Two</string></property></item>") +
            widget("QPlainTextEdit", "previewText",
                   rect(168, 184, 464, 144) +
                       "<property name=\"font\"><font><pointsize>12</pointsize><bold>true</bold>"
                       "</font></property>") +
            widget("QComboBox", "folderPick", rect(8, 340, 152, 26)) +
            widget("Line", "rule", rect(8, 372, 624, 3)) +
            widget("QPushButton", "2bad", rect(480, 400, 72, 28)) +
            widget("QGroupBox", "view",
                   rect(8, 380, 200, 50) +
                       "<property name=\"title\"><string>View</string></property>" +
                       "<property name=\"visible\"><bool>false</bool></property>") +
            widget("TagCloud", "tags", rect(220, 380, 100, 50) + widget("QLabel", "tag1", "")) +
            widget("Gauge", "gauge", rect(330, 380, 50, 50)) +
            // The widgets on a tab widget's pages (tabs 20 pixels high) are its controls.
            widget(
                "QTabWidget", "pages",
                rect(400, 380, 200, 50) +
                    "<property name=\"styleSheet\"><string>QTabWidget#pages &gt; "
                    "QTabBar::tab { height: 20px; }</string></property>" +
                    widget("QWidget", "page1", widget("QLineEdit", "nameEdit", rect(4, 6, 8, 9))) +
                    widget("QWidget", "page2", widget("QCheckBox", "debug", rect(8, 4, 8, 9)))) +
            widget("kelvane::ResizerWidget", "zokKelvane1", rect(600, 400, 32, 32)),
        kDeclared));
    auto& f = *loaded.loaded.form;
    EXPECT_EQ(f.name(), "Mail");
    const auto r = f.rect_twips();
    // The client area is the window's inside: 640 x 440 pixels at 15 twips each.
    EXPECT_EQ(to_double(f.get(Prop::ScaleWidth)), 9600);
    EXPECT_EQ(to_double(f.get(Prop::ScaleHeight)), 6600);
    EXPECT_EQ(r.left, 0);
    struct Expect {
        const char* name;
        const char* type;
        const char* container;
        double left, top, width, height, font;
    };
    const Expect expected[] = {
        {"toolbar", "PictureBox", "Mail", 0, 0, 9600, 540, 10},
        {"newButton", "CommandButton", "toolbar", 60, 60, 1080, 420, 10},
        {"folderTree", "QTreeWidget", "Mail", 120, 660, 2280, 4260, 10},
        {"messageList", "ListBox", "Mail", 2520, 660, 6960, 2040, 10},
        {"previewText", "TextBox", "Mail", 2520, 2760, 6960, 2160, 12},
        {"folderPick", "ComboBox", "Mail", 120, 5100, 2280, 390, 10},
        {"rule", "Line", "Mail", 0, 0, -1, -1, -1},  // its ends below
        {"CommandButton1", "CommandButton", "Mail", 7200, 6000, 1080, 420, 10},
        {"view", "Frame", "Mail", 120, 5700, 3000, 750, 10},
        {"tags", "TagCloud", "Mail", 3300, 5700, 1500, 750, 10},
        {"tag1", "Label", "tags", 0, 0, 1500, 450, 10},
        {"gauge", "Gauge", "Mail", 4950, 5700, 750, 750, 10},
        {"pages", "QTabWidget", "Mail", 6000, 5700, 3000, 750, 10},
        {"nameEdit", "TextBox", "pages", 90, 390, 120, 135, 10},
        {"debug", "CheckBox", "pages", 150, 360, 120, 135, 10},
        {"zokKelvane1", "zokKelvane", "Mail", 9000, 6000, -1, -1, -1},
    };
    ASSERT_EQ(f.all_controls().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const Expect& e = expected[i];
        auto& c = *f.all_controls()[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(c.name(), e.name);
        EXPECT_EQ(c.type_name(), e.type);
        EXPECT_EQ(c.container_object()->name(), e.container);
        EXPECT_EQ(c.rect_twips().left, e.left);
        EXPECT_EQ(c.rect_twips().top, e.top);
        if (e.width >= 0) {
            EXPECT_EQ(c.rect_twips().width, e.width);
            EXPECT_EQ(c.rect_twips().height, e.height);
            EXPECT_EQ(to_double(c.get(Prop::FontSize)), e.font);
        }
    }
    EXPECT_EQ(loaded.loaded.resizer, f.all_controls().back());
    EXPECT_EQ(f.control("rule")->line_ends_twips(), (std::array<double, 4>{120, 5595, 9480, 5595}));
    EXPECT_EQ(to_text(f.control("newButton")->get(Prop::Caption)), "&New");
    EXPECT_EQ(to_text(f.get(Prop::Caption)), "Mail");
    EXPECT_EQ(f.control("messageList")->list_items()->count(), 2u);
    EXPECT_FALSE(to_bool(f.control("view")->get(Prop::Visible)));
    EXPECT_TRUE(to_bool(f.control("previewText")->get("FontBold")));
    // A combo box keeps its height, as a combo box of an application's does.
    f.control("folderPick")->move(120, 5100, 2280, 900);
    EXPECT_EQ(f.control("folderPick")->rect_twips().height, 390);
    // Only the undeclared class is noted; the declared container holds its widget.
    ASSERT_EQ(loaded.notes.size(), 1u);
    EXPECT_EQ(loaded.notes[0].text,
              "widget 'gauge' is of class 'Gauge', neither Qt Designer's nor declared in "
              "<customwidgets>: kept as a plain control");
}

TEST_F(UiLoad, TheResizerWidgetsPropertiesAreTheControls) {
    const auto loaded = load(
        form(widget("QListWidget", "list", rect(8, 8, 200, 300)) +
                 widget("QListWidget", "other", rect(216, 8, 200, 300)) +
                 widget("kelvane::ResizerWidget", "kv",
                        "<property name=\"ControlSettings\"><string>list &#9;KKKAK\nother &#9;KKAAK"
                        "</string></property>"
                        "<property name=\"PaneSettings\"><string>list other</string></property>"
                        "<property name=\"MinWidth\"><number>480</number></property>"
                        "<property name=\"MinHeight\"><number>320</number></property>"
                        "<property name=\"MaxWidth\"><number>-1</number></property>"
                        "<property name=\"UseSplitBars\"><bool>false</bool></property>"
                        "<property name=\"SplitBarsColor\"><color><red>255</red><green>128</green>"
                        "<blue>1</blue></color></property>"),
             kDeclared));
    auto& z = dynamic_cast<zokKelvane&>(*loaded.loaded.resizer->user_control());
    EXPECT_EQ(loaded.loaded.resizer->name(), "kv");
    EXPECT_EQ(z.ControlSettings(), "list \tKKKAK\r\nother \tKKAAK");
    EXPECT_EQ(z.PaneSettings(), "list other");
    // Pixels of the window's inside are the form's outer twips: a sizable frame of 4 pixels a
    // side and a caption of 19.
    EXPECT_EQ(z.MinWidth(), (480 + 8) * 15);
    EXPECT_EQ(z.MinHeight(), (320 + 8 + 19) * 15);
    EXPECT_EQ(z.MaxWidth(), -1);
    EXPECT_FALSE(z.UseSplitBars());
    EXPECT_EQ(z.SplitBarsColor(), 255 + 128 * 256 + 1 * 65536);
    // And back: the widget's values of the control's properties.
    mem::MemoryPropertyBag bag;
    loaded.loaded.resizer->user_control()->UserControl_WriteProperties(bag);
    const auto back = UiResizerProperties::to_widget(bag.entries(), loaded.scale);
    auto value = [&](const std::string& name) {
        for (const auto& [n, v] : back)
            if (n == name) return v.xml();
        return std::string("?");
    };
    EXPECT_EQ(value("ControlSettings"),
              "<string notr=\"true\">list &#9;KKKAK\nother &#9;KKAAK</string>");
    EXPECT_EQ(value("MinWidth"), "<number>480</number>");
    EXPECT_EQ(value("MinHeight"), "<number>320</number>");
    EXPECT_EQ(value("MaxHeight"), "<number>-1</number>");
    EXPECT_EQ(value("UseSplitBars"), "<bool>false</bool>");
    EXPECT_EQ(value("SavePos"), "");  // unset: the form decides
}

// The bytes of `after` outside [begin, end) of `before` are the same.
void expect_same_outside(const std::string& before, const std::string& after, size_t begin,
                         size_t end) {
    EXPECT_EQ(after.substr(0, begin), before.substr(0, begin));
    const size_t tail = before.size() - end;
    EXPECT_EQ(after.substr(after.size() - tail), before.substr(end));
}

TEST_F(UiLoad, SavingChangesOnlyTheResizersProperties) {
    std::string bytes = form(widget("QListWidget", "list", rect(8, 8, 200, 300)) +
                                 " <widget class=\"kelvane::ResizerWidget\" name=\"kv\">\n"
                                 "  <property name=\"ControlSettings\">\n"
                                 "   <string>list &#9;KKKAK</string>\n"
                                 "  </property>\n"
                                 "  <property name=\"UseSplitBars\">\n"
                                 "   <bool>false</bool>\n"
                                 "  </property>\n"
                                 "  <property name=\"SplitBarsColor\">\n"
                                 "   <color><red>1</red><green>2</green><blue>3</blue></color>\n"
                                 "  </property>\n"
                                 " </widget>\n",
                             kDeclared);
    // A file of CR LF lines gets CR LF lines.
    for (size_t i = 0; (i = bytes.find('\n', i)) != std::string::npos; i += 2)
        bytes.insert(i, "\r");
    const auto loaded = load(bytes);
    auto& z = dynamic_cast<zokKelvane&>(*loaded.loaded.resizer->user_control());
    z.ControlSettings("list \tKKAAK\r\n");
    z.UseSplitBars(true);
    z.SavePaneSplit(false);
    z.SplitBarsColor(kDefaultSplitBarsColor);
    mem::MemoryPropertyBag bag;
    loaded.loaded.resizer->user_control()->UserControl_WriteProperties(bag);
    const std::string saved =
        UiResizerSave::save(doc_, loaded.resizer, bag.entries(), loaded.scale);
    const UiElement& w = *loaded.resizer;
    expect_same_outside(bytes, saved, w.content, w.content_end);
    // Values change in place; the colour went back to unset (the palette's), and its element
    // went with its line; a property the file lacked comes after the last one.
    EXPECT_NE(saved.find(" <widget class=\"kelvane::ResizerWidget\" name=\"kv\">\r\n"
                         "  <property name=\"ControlSettings\">\r\n"
                         "   <string notr=\"true\">list &#9;KKAAK\n</string>\r\n"
                         "  </property>\r\n"
                         "  <property name=\"UseSplitBars\">\r\n"
                         "   <bool>true</bool>\r\n"
                         "  </property>\r\n"
                         "  <property name=\"SavePaneSplit\">\r\n"
                         "   <bool>false</bool>\r\n"
                         "  </property>\r\n"
                         " </widget>\r\n"),
              std::string::npos)
        << saved;
    // Saved again unchanged, nothing moves.
    const UiDocument again = UiReader::read_bytes(saved, "f.ui");
    auto host2 = mem::MemoryHost::install();
    host2->register_user_control(kZokKelvaneClassId, [] { return make_zokKelvane(); });
    const auto reloaded = UiLoader::load(again, *host2);
    mem::MemoryPropertyBag bag2;
    reloaded.loaded.resizer->user_control()->UserControl_WriteProperties(bag2);
    EXPECT_EQ(UiResizerSave::save(again, reloaded.resizer, bag2.entries(), reloaded.scale), saved);
}

TEST_F(UiLoad, AFormWithoutAResizerGetsOne) {
    const std::string bytes = form(widget("QListWidget", "list", rect(8, 8, 200, 300)));
    const auto loaded = load(bytes);
    ASSERT_FALSE(loaded.resizer);
    const std::vector<UiResizerProperties::Entry> control{
        {"ControlSettings", std::string("list \tKKAAK\r\n")}, {"LockWindowOnResize", true}};
    const std::string saved = UiResizerSave::save(doc_, nullptr, control, loaded.scale);
    const UiDocument doc = UiReader::read_bytes(saved, "f.ui");
    auto host2 = mem::MemoryHost::install();
    host2->register_user_control(kZokKelvaneClassId, [] { return make_zokKelvane(); });
    const auto reloaded = UiLoader::load(doc, *host2);
    ASSERT_TRUE(reloaded.loaded.resizer);
    EXPECT_EQ(reloaded.loaded.resizer->name(), "zokKelvane1");
    EXPECT_TRUE(reloaded.notes.empty());
    auto& z = dynamic_cast<zokKelvane&>(*reloaded.loaded.resizer->user_control());
    EXPECT_EQ(z.ControlSettings(), "list \tKKAAK\r\n");
    // Only the default-valued property is left out.
    EXPECT_EQ(saved.find("LockWindowOnResize"), std::string::npos);
    EXPECT_NE(saved.find("<header>kelvane/ResizerWidget.h</header>"), std::string::npos);
}

// An exported form's placeholder comes back as what it stands for: the runtime's record
// navigator with its caption on the form's edge, another library's control as one of its class
// (drawn as its outline and name) holding the widgets placed in it.
TEST_F(UiLoad, PlaceholdersComeBackAsWhatTheyStandFor) {
    const auto placeholder = [](const char* name, const char* cls, const std::string& more) {
        return widget("QFrame", name,
                      rect(0, 0, 200, 30) +
                          prop("toolTip", "string", std::string("Placeholder for ") + cls) +
                          prop("frameShape", "enum", "QFrame::StyledPanel") +
                          prop("Placeholder", "string", cls, true) + more);
    };
    auto& f = *load(form(placeholder("datOrders", "VB.Data",
                                     prop("Caption", "string", "Orders", true) +
                                         prop("Align", "number", "2", true)) +
                         placeholder("tbMain", "NovaCtl.Toolbar",
                                     prop("Align", "number", "1", true) +
                                         widget("QPushButton", "cmdGo", rect(4, 4, 60, 22)))))
                   .loaded.form;
    const auto data = f.control("datOrders");
    EXPECT_EQ(data->type_name(), "Data");
    EXPECT_EQ(to_text(data->get(Prop::Caption)), "Orders");
    EXPECT_EQ(to_double(data->get(Prop::Align)), 2);
    const auto bar = f.control("tbMain");
    EXPECT_EQ(bar->type_name(), "Toolbar");
    EXPECT_EQ(to_double(bar->get(Prop::Align)), 1);
    EXPECT_EQ(f.control("cmdGo")->container_object(), bar);
}

// A main window's dock widgets are bars on the form's edge holding their widgets below the
// title: top and bottom ones across the whole width, left and right ones between them, each as
// large as the .ui makes it or as its widgets reach; the central widget starts past them.
TEST_F(UiLoad, DockWidgetsAreBarsOnTheirEdge) {
    const auto dock = [](const char* name, const std::string& area, const std::string& own,
                         const std::string& inside) {
        return widget("QDockWidget", name,
                      own + "<attribute name=\"dockWidgetArea\">" + area + "</attribute>" +
                          widget("QWidget", std::string(name) + "Contents", inside));
    };
    const std::string bytes =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\"><class>W</class>" +
        widget("QMainWindow", "W",
               rect(0, 0, 600, 400) +
                   widget("QWidget", "central", widget("QPushButton", "ok", rect(10, 20, 80, 24))) +
                   dock("filters", "<number>1</number>", "",
                        widget("QCheckBox", "inStock", rect(8, 8, 100, 22))) +
                   dock("log", "<enum>Qt::BottomDockWidgetArea</enum>", "",
                        widget("QPlainTextEdit", "logText", rect(4, 4, 300, 50))) +
                   dock("tools", "<number>2</number>", rect(0, 0, 150, 100),
                        widget("QPushButton", "hidden", prop("visible", "bool", "false")))) +
        "</ui>\n";
    auto& f = *load(bytes).loaded.form;
    const struct {
        const char* name;
        const char* container;
        double left, top, width, height;
    } expected[] = {
        // 100 pixels and the margin past the check box; 20 for the title and 54 + 9 below it.
        {"filters", "W", 0, 0, 117 * 15, (400 - 83) * 15},
        {"inStock", "filters", 8 * 15, 28 * 15, 100 * 15, 22 * 15},
        {"log", "W", 0, (400 - 83) * 15, 600 * 15, 83 * 15},
        {"logText", "log", 4 * 15, 24 * 15, 300 * 15, 50 * 15},
        {"tools", "W", (600 - 150) * 15, 0, 150 * 15, (400 - 83) * 15},
        {"ok", "W", (117 + 10) * 15, 20 * 15, 80 * 15, 24 * 15},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        const auto c = f.control(e.name);
        ASSERT_TRUE(c);
        EXPECT_EQ(c->container_object()->name(), e.container);
        const auto r = c->rect_twips();
        EXPECT_EQ(std::vector<double>({r.left, r.top, r.width, r.height}),
                  std::vector<double>({e.left, e.top, e.width, e.height}));
    }
    EXPECT_EQ(f.control("filters")->type_name(), "PictureBox");
    EXPECT_EQ(to_double(f.control("log")->get(Prop::Align)), 2);
}

// Docks sharing an edge, which Qt lays out along it, are said to stand as bars one further in
// than the other; docks on edges of their own are not.
TEST_F(UiLoad, DocksSharingAnEdgeAreSaidToStandApart) {
    const auto dock = [](const char* name, int area) {
        return widget("QDockWidget", name,
                      "<attribute name=\"dockWidgetArea\"><number>" + std::to_string(area) +
                          "</number></attribute>" +
                          widget("QWidget", std::string(name) + "Contents", ""));
    };
    const std::string bytes =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\"><class>W</class>" +
        widget("QMainWindow", "W",
               rect(0, 0, 600, 400) + widget("QWidget", "central", "") + dock("props", 2) +
                   dock("files", 1) + dock("layers", 2) + dock("output", 8) + dock("history", 2)) +
        "</ui>\n";
    std::vector<std::string> said;
    for (const auto& n : load(bytes).notes)
        if (n.text.find("dock widget") != std::string::npos) said.push_back(n.text);
    const std::string tail =
        ": Qt splits the edge's length between them, the form shows it as a second bar further in";
    EXPECT_EQ(said, (std::vector<std::string>{
                        "dock widget 'layers' shares the right edge with 'props'" + tail,
                        "dock widget 'history' shares the right edge with 'props'" + tail}));
}

}  // namespace
}  // namespace kv::ui
