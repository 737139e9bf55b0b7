#include "host/common/DesignerClasses.h"

#include <array>

namespace kv::host {

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

}  // namespace

std::optional<std::string_view> qt_base_class(std::string_view qt_class) {
    for (const Base& b : kBases)
        if (b.cls == qt_class) return b.base;
    return std::nullopt;
}

// Designer's containers: the classes it lets widgets be placed in.
bool designer_container(std::string_view cls) {
    for (std::string_view c :
         {"QWidget", "QFrame", "QGroupBox", "QScrollArea", "QToolBox", "QTabWidget",
          "QStackedWidget", "QMdiArea", "QDockWidget", "QMainWindow", "QDialog", "QWizardPage"})
        if (c == cls) return true;
    return false;
}

}  // namespace kv::host
