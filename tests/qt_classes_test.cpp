// The one table of Qt widget classes and forms classes: a widget's class chain to the control it
// stands for, and a control's class to the widget that shows it, both ways agreeing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/common/QtClasses.h"
#include "host/common/TabSet.h"

namespace kv::host {
namespace {

using Chain = std::vector<std::string_view>;

TEST(QtClasses, AWidgetStandsForTheFirstKnownClassOfItsChain) {
    struct Case {
        Chain chain;
        const char* forms_class;
        bool holds, multi_line, borderless, known;
    };
    const Case cases[] = {
        {{"QLineEdit", "QWidget", "QObject"}, "TextBox", false, false, false, true},
        {{"QTextBrowser", "QTextEdit", "QAbstractScrollArea", "QFrame", "QWidget"},
         "TextBox",
         false,
         true,
         false,
         true},
        {{"QListWidget", "QListView", "QAbstractItemView", "QAbstractScrollArea", "QFrame"},
         "ListBox",
         false,
         false,
         false,
         true},
        {{"QCheckBox", "QAbstractButton", "QWidget"}, "CheckBox", false, false, false, true},
        {{"QToolButton", "QAbstractButton", "QWidget"}, "CommandButton", false, false, false, true},
        {{"QGroupBox", "QWidget"}, "Frame", true, false, false, true},
        // A plain QWidget or QFrame holds controls; a class merely built on them does not.
        {{"QWidget", "QObject"}, "PictureBox", true, false, true, true},
        {{"QFrame", "QWidget"}, "PictureBox", true, false, true, true},
        {{"QTreeWidget", "QTreeView", "QAbstractItemView", "QAbstractScrollArea", "QFrame",
          "QWidget"},
         "QTreeWidget",
         false,
         false,
         false,
         false},
        {{"app::Gauge", "QWidget"}, "Gauge", false, false, false, false},
        {{"app::Gauge<int>", "QWidget"}, "Control", false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.chain.front()));
        const FormsClassOf of = forms_class_for(c.chain);
        EXPECT_EQ(of.forms_class, c.forms_class);
        EXPECT_EQ(of.holds_children, c.holds);
        EXPECT_EQ(of.multi_line, c.multi_line);
        EXPECT_EQ(of.borderless, c.borderless);
        EXPECT_EQ(of.known, c.known);
    }
    // A scroll bar is upright unless it lies across; the two come back as they are shown.
    const Chain bar{"QScrollBar", "QAbstractSlider", "QWidget"};
    EXPECT_EQ(forms_class_for(bar).forms_class, "VScrollBar");
    EXPECT_EQ(forms_class_for(bar, true).forms_class, "HScrollBar");
    for (const char* cls : {"HScrollBar", "VScrollBar"})
        EXPECT_EQ(forms_class_for({qt_class_for(cls).qt_class}, cls[0] == 'H').forms_class, cls);
}

// Every widget the host shows a control with is read back as a control of that class.
TEST(QtClasses, ShownWidgetsAreAdoptedAsTheirClass) {
    for (const char* cls : {"TextBox", "Label", "ListBox", "ComboBox", "CommandButton", "CheckBox",
                            "OptionButton", "Frame", "PictureBox"}) {
        for (bool multi : {false, true}) {
            SCOPED_TRACE(std::string(cls) + (multi ? " multi-line" : ""));
            const QtShown shown = qt_class_for(cls, multi);
            ASSERT_EQ(shown.how, QtShow::Widget);
            const FormsClassOf back = forms_class_for({shown.qt_class});
            EXPECT_EQ(back.forms_class, cls);
            EXPECT_EQ(back.multi_line, multi && std::string_view(cls) == "TextBox");
        }
    }
    EXPECT_EQ(qt_class_for("Image").qt_class, "QLabel");
    EXPECT_EQ(qt_class_for("Timer").how, QtShow::None);
    EXPECT_EQ(qt_class_for("Menu").how, QtShow::None);
    EXPECT_EQ(qt_class_for("Line").how, QtShow::Painted);
    EXPECT_EQ(qt_class_for("NovaCtl.Toolbar").how, QtShow::Painted);
    // Other libraries' combo boxes and lists are shown as the runtime's they look like.
    EXPECT_EQ(qt_class_for("DataCombo").qt_class, "QComboBox");
    EXPECT_EQ(qt_class_for("imagecombo").qt_class, "QComboBox");
    EXPECT_EQ(qt_class_for("DataList").qt_class, "QListWidget");
    EXPECT_EQ(qt_class_for("DataGrid").how, QtShow::Painted);
    EXPECT_TRUE(qt_class_is_bar({"MyToolBar", "QToolBar", "QWidget"}));
    EXPECT_FALSE(qt_class_is_bar({"QFrame", "QWidget"}));
}

// A label that shows its ampersands doubles each for Qt ("&&" stays two ampersands shown); one
// that underlines its access key keeps the caption as it is.
TEST(QtClasses, ALabelsAmpersandsAsQtShowsThem) {
    EXPECT_EQ(qt_label_text("&Named:", true), "&Named:");
    EXPECT_EQ(qt_label_text("&Named:", false), "&&Named:");
    EXPECT_EQ(qt_label_text("Tom && Jerry &", false), "Tom &&&& Jerry &&");
    EXPECT_EQ(qt_label_text("", false), "");
    // Without a buddy Qt shows ampersands as they are.
    EXPECT_EQ(qt_label_text("Tom && Jerry &", false, false), "Tom && Jerry &");
    EXPECT_EQ(qt_label_text("&Named && more &", true, false), "Named & more &");
}

// A tab widget's tabs are as high (as wide, upright) as its style sheet's tab rule says: the
// export's own sheet, or one written by hand; other rules and other properties do not count.
TEST(QtClasses, TabHeightFromTheTabRuleOfAStyleSheet) {
    const struct {
        const char* sheet;
        int side, height;
    } cases[] = {
        {"QTabWidget#tabs > QTabBar::tab { height: 20px; }", 0, 20},
        {"QTabWidget#tabs > QTabBar::tab { width: 31px; }", 2, 31},
        {"QTabBar::tab{color:red;height:24px}", 1, 24},
        {"", 0, 26},
        {"QTabBar::tab { min-height: 40px; }", 0, 26},
        {"QTabBar::tab { max-width: 40px; height: 22px }", 0, 22},
        {"QTabBar::tab { color: red; } QPushButton { height: 40px; }", 0, 26},
        {"QTabBar::tab { height: 40px; }", 3, 26},
        {"QPushButton { height: 40px; } QTabBar::tab { height: 21px; }", 0, 21},
        {"/* QTabBar::tab { height: 40px; } */ QTabBar::tab { height: 22px; }", 0, 22},
        {"QTabBar::tab { /* height: 40px; */ height: 23px }", 0, 23},
        {"QTabBar::tab { image: url('x;height:40px'); height: 24px; }", 0, 24},
        {"QTabBar::tab { HEIGHT: 25px; }", 0, 25},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qt_tab_height(c.sheet, c.side), c.height) << c.sheet << " side " << c.side;
}

// A fixed tab width goes in the export's tab rule along the bar, and leaves the height read back
// from it as it was, on every side.
TEST(QtClasses, AFixedTabWidthKeepsTheTabHeightOfTheSheet) {
    for (int side = 0; side < 4; ++side) {
        const std::string sheet = qt_tab_sheet("tabs", 23, side, 96);
        EXPECT_EQ(qt_tab_height(sheet, side), 23) << sheet;
        EXPECT_NE(sheet.find(side >= 2 ? "height: 96px" : "width: 96px"), std::string::npos)
            << sheet;
        EXPECT_EQ(qt_tab_sheet("tabs", 23, side).find("96px"), std::string::npos);
    }
}

}  // namespace
}  // namespace kv::host
