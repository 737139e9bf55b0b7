#include "host/ui/UiClasses.h"

#include <array>
#include <set>
#include <string_view>

namespace kv::ui {

namespace {

struct Base {
    std::string_view cls, base;
};
// Qt Designer's widget box and the classes in between, each with its direct base class.
constexpr std::array<Base, 62> kBases{{
    {"QWidget", ""},
    {"QFrame", "QWidget"},
    {"QLabel", "QFrame"},
    {"QLineEdit", "QWidget"},
    {"QAbstractScrollArea", "QFrame"},
    {"QTextEdit", "QAbstractScrollArea"},
    {"QPlainTextEdit", "QAbstractScrollArea"},
    {"QTextBrowser", "QTextEdit"},
    {"QAbstractItemView", "QAbstractScrollArea"},
    {"QListView", "QAbstractItemView"},
    {"QListWidget", "QListView"},
    {"QUndoView", "QListView"},
    {"QTreeView", "QAbstractItemView"},
    {"QTreeWidget", "QTreeView"},
    {"QTableView", "QAbstractItemView"},
    {"QTableWidget", "QTableView"},
    {"QColumnView", "QAbstractItemView"},
    {"QHeaderView", "QAbstractItemView"},
    {"QComboBox", "QWidget"},
    {"QFontComboBox", "QComboBox"},
    {"QAbstractButton", "QWidget"},
    {"QPushButton", "QAbstractButton"},
    {"QCommandLinkButton", "QPushButton"},
    {"QToolButton", "QAbstractButton"},
    {"QCheckBox", "QAbstractButton"},
    {"QRadioButton", "QAbstractButton"},
    {"QDialogButtonBox", "QWidget"},
    {"QGroupBox", "QWidget"},
    {"QScrollArea", "QAbstractScrollArea"},
    {"QToolBox", "QFrame"},
    {"QTabWidget", "QWidget"},
    {"QStackedWidget", "QFrame"},
    {"QMdiArea", "QAbstractScrollArea"},
    {"QDockWidget", "QWidget"},
    {"QSplitter", "QFrame"},
    {"QAbstractSpinBox", "QWidget"},
    {"QSpinBox", "QAbstractSpinBox"},
    {"QDoubleSpinBox", "QAbstractSpinBox"},
    {"QDateTimeEdit", "QAbstractSpinBox"},
    {"QDateEdit", "QDateTimeEdit"},
    {"QTimeEdit", "QDateTimeEdit"},
    {"QAbstractSlider", "QWidget"},
    {"QDial", "QAbstractSlider"},
    {"QScrollBar", "QAbstractSlider"},
    {"QSlider", "QAbstractSlider"},
    {"QKeySequenceEdit", "QWidget"},
    {"QGraphicsView", "QAbstractScrollArea"},
    {"QCalendarWidget", "QWidget"},
    {"QLCDNumber", "QFrame"},
    {"QProgressBar", "QWidget"},
    {"QOpenGLWidget", "QWidget"},
    {"QQuickWidget", "QWidget"},
    {"QWebEngineView", "QWidget"},
    {"QAxWidget", "QWidget"},
    {"QMenuBar", "QWidget"},
    {"QMenu", "QWidget"},
    {"QStatusBar", "QWidget"},
    {"QToolBar", "QWidget"},
    {"QMainWindow", "QWidget"},
    {"QDialog", "QWidget"},
    {"QWizard", "QDialog"},
    {"QWizardPage", "QWidget"},
}};

// Designer's containers: the classes it lets widgets be placed in.
bool designer_container(std::string_view cls) {
    for (std::string_view c :
         {"QWidget", "QFrame", "QGroupBox", "QScrollArea", "QToolBox", "QTabWidget",
          "QStackedWidget", "QMdiArea", "QDockWidget", "QMainWindow", "QDialog", "QWizardPage"})
        if (c == cls) return true;
    return false;
}

const Base* base_of(std::string_view cls) {
    for (const Base& b : kBases)
        if (b.cls == cls) return &b;
    return nullptr;
}

}  // namespace

UiClass ui_class(const std::string& class_name,
                 const std::map<std::string, CustomWidget>& custom_widgets) {
    UiClass out;
    // Designer's "Line" is a QFrame drawn as a line: at run time it is a QFrame.
    std::string cls = class_name == "Line" ? "QFrame" : class_name;
    std::set<std::string> seen;  // a custom class extending itself must not loop
    bool first = true;
    while (!cls.empty() && seen.insert(cls).second) {
        out.chain.push_back(cls);
        if (const Base* b = base_of(cls)) {
            if (first) {
                out.qt_class = true;
                out.designer_container = designer_container(cls);
            }
            cls = std::string(b->base);
        } else if (const auto it = custom_widgets.find(cls); it != custom_widgets.end()) {
            if (first) {
                out.declared = true;
                out.designer_container = it->second.container;
            }
            cls = it->second.extends;
        } else {
            break;
        }
        first = false;
    }
    return out;
}

}  // namespace kv::ui
