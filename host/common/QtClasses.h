#pragma once
// Which Qt widget class stands for which forms class, in both directions: the Qt host shows a
// form's controls with these widgets, adopts an application's widgets as these controls, and a
// Qt Designer form (.ui) names its widgets by these classes. One table, so that a form shown, a
// window adopted, a .ui read and a form exported all agree. Names only: no Qt here.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv::host {

// How the Qt host draws a control of a forms class.
enum class QtShow {
    Widget,   // a Qt widget of the class qt_class_for() names
    Painted,  // painted by the host itself (Line, Shape, and classes it does not know)
    None,     // nothing on the screen (Timer, Menu)
};

struct QtShown {
    QtShow how = QtShow::Painted;
    std::string_view qt_class;  // "QLineEdit", ...; empty unless how is Widget
};

// The widget a control of `forms_class` is shown with; `multi_line` is the TextBox's MultiLine.
QtShown qt_class_for(std::string_view forms_class, bool multi_line = false);

// The control a Qt widget stands for.
struct FormsClassOf {
    std::string forms_class;      // "TextBox", ... or, for a widget no forms class stands for,
                                  // its own class name without namespace ("QSpinBox")
    bool holds_children = false;  // its child widgets are controls inside it (a container)
    bool multi_line = false;      // a TextBox of several lines (QPlainTextEdit, QTextEdit)
    bool borderless = false;      // a plain QWidget or QFrame: a PictureBox of no border but
                                  // the one its frame draws (QtFrameBorder.h)
    bool known = false;           // false: a generic control named after the widget's class
    bool graphical = false;       // a graphical check box or option button (Style 1)
};

// The control for a widget whose class and base classes are `chain`, the widget's own class
// first and QWidget last (a QMetaObject's className() up its superClass() chain). Designer's
// own widget classes are known by name, so a .ui file's class name alone is enough for them. A
// plain QWidget or QFrame is a container only as itself, not as a base class (a QTreeView is not
// a PictureBox). A scroll bar is a VScrollBar, or an HScrollBar when it lies `across`.
FormsClassOf forms_class_for(const std::vector<std::string_view>& chain, bool across = false);

// A push button that stays in while it is on (checkable) is a graphical check box, and one that
// pushes out the others beside it (auto-exclusive) a graphical option button, as the Qt host shows
// those (the resizer may keep a command button's size where it scales a check box). `of` is what
// forms_class_for() made of a QPushButton.
void take_toggle_button(FormsClassOf& of, bool checkable, bool exclusive);

// A label's caption as Qt is to show it. Qt reads ampersands only in a label with a buddy: there
// "&N" underlines the N and "&&" is one ampersand, so with UseMnemonic off every ampersand is
// doubled. A label without a buddy shows its text as it is, so there the access keys are taken
// out ("&&" is one ampersand, "&N" an N) and with UseMnemonic off nothing changes.
std::string qt_label_text(std::string caption, bool use_mnemonic, bool has_buddy = true);

// A .ui widget of one of Designer's classes that no forms class stands for keeps its plain
// properties in its control, each named with this prefix ("qt:maximum"), for the Qt host to
// give the widget it makes of that class.
inline constexpr std::string_view kQtPropertyPrefix = "qt:";

// Widgets that are never controls: the window's bars (menu bar, status bar, tool bars), by the
// same chain.
bool qt_class_is_bar(const std::vector<std::string_view>& chain);

}  // namespace kv::host
