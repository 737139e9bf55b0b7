#include "host/common/QtClasses.h"

#include <array>

#include "host/common/ClassTraits.h"

namespace kv::host {

namespace {

// A forms class and the Qt class that shows it.
struct Shown {
    std::string_view forms_class;
    std::string_view qt_class;
};
constexpr std::array<Shown, 15> kShown{{
    {"TextBox", "QLineEdit"},  // QPlainTextEdit when MultiLine
    {"Label", "QLabel"},
    {"Image", "QLabel"},
    {"ListBox", "QListWidget"},
    {"ComboBox", "QComboBox"},
    {"CommandButton", "QPushButton"},
    {"CheckBox", "QCheckBox"},
    {"OptionButton", "QRadioButton"},
    {"Frame", "QGroupBox"},
    {"PictureBox", "QFrame"},
    {"HScrollBar", "QScrollBar"},  // horizontal
    {"VScrollBar", "QScrollBar"},  // vertical
    {"FileListBox", "QListWidget"},
    {"DirListBox", "QListWidget"},
    {"DriveListBox", "QComboBox"},  // a drop-down list
}};

// A Qt class (or base class) and the control it stands for; the first in a widget's chain that
// is here wins, so a class comes before its bases.
struct Adopted {
    std::string_view qt_class;
    std::string_view forms_class;
    bool holds = false;
    bool multi_line = false;
    bool only_itself = false;  // matches the widget's own class only, not a base of it
};
// Designer's own widgets are named too, so that a class name alone (a .ui file's) is enough.
constexpr std::array<Adopted, 19> kAdopted{{
    {"QGroupBox", "Frame", true},
    {"QLineEdit", "TextBox"},
    {"QPlainTextEdit", "TextBox", false, true},
    {"QTextBrowser", "TextBox", false, true},
    {"QTextEdit", "TextBox", false, true},
    {"QLabel", "Label"},
    {"QListWidget", "ListBox"},
    {"QListView", "ListBox"},
    {"QFontComboBox", "ComboBox"},
    {"QComboBox", "ComboBox"},
    {"QCheckBox", "CheckBox"},
    {"QRadioButton", "OptionButton"},
    {"QPushButton", "CommandButton"},
    {"QToolButton", "CommandButton"},
    {"QCommandLinkButton", "CommandButton"},
    {"QAbstractButton", "CommandButton"},
    {"QScrollBar", "VScrollBar"},  // an HScrollBar when it lies across
    {"QWidget", "PictureBox", true, false, true},
    {"QFrame", "PictureBox", true, false, true},
}};

bool plain_identifier(std::string_view s) {
    if (s.empty() || !((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'))) return false;
    for (char c : s)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              c == '_'))
            return false;
    return true;
}

}  // namespace

QtShown qt_class_for(std::string_view forms_class, bool multi_line) {
    forms_class = looks_as(forms_class);
    if (forms_class == "Timer" || forms_class == "Menu") return {QtShow::None, {}};
    if (forms_class == "TextBox" && multi_line) return {QtShow::Widget, "QPlainTextEdit"};
    for (const Shown& s : kShown)
        if (s.forms_class == forms_class) return {QtShow::Widget, s.qt_class};
    return {QtShow::Painted, {}};
}

FormsClassOf forms_class_for(const std::vector<std::string_view>& chain, bool across) {
    for (size_t i = 0; i < chain.size(); ++i) {
        for (const Adopted& a : kAdopted) {
            if (a.qt_class != chain[i] || (a.only_itself && i != 0)) continue;
            FormsClassOf out;
            out.forms_class = a.forms_class;
            if (across && out.forms_class == "VScrollBar") out.forms_class = "HScrollBar";
            out.holds_children = a.holds;
            out.multi_line = a.multi_line;
            out.borderless = a.only_itself;
            out.known = true;
            return out;
        }
    }
    // A generic control named after the widget's class ("QSpinBox"), which no forms class shares.
    FormsClassOf out;
    std::string_view own = chain.empty() ? std::string_view{} : chain.front();
    if (const auto colons = own.rfind("::"); colons != std::string_view::npos)
        own.remove_prefix(colons + 2);
    out.forms_class = plain_identifier(own) ? std::string(own) : "Control";
    return out;
}

void take_toggle_button(FormsClassOf& of, bool checkable, bool exclusive) {
    if (!checkable || of.forms_class != "CommandButton") return;
    of.forms_class = exclusive ? "OptionButton" : "CheckBox";
    of.graphical = true;
}

std::string qt_label_text(std::string caption, bool use_mnemonic, bool has_buddy) {
    if (use_mnemonic == has_buddy) return caption;
    if (has_buddy) {
        for (size_t i = 0; (i = caption.find('&', i)) != std::string::npos; i += 2)
            caption.insert(i, 1, '&');
        return caption;
    }
    std::string shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // "&&" -> "&", "&N" -> "N"
        shown += caption[i];
    }
    return shown;
}

bool qt_class_is_bar(const std::vector<std::string_view>& chain) {
    for (std::string_view c : chain)
        if (c == "QMenuBar" || c == "QStatusBar" || c == "QToolBar") return true;
    return false;
}

}  // namespace kv::host
