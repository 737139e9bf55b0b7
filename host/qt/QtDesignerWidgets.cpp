#include "host/qt/QtDesignerWidgets.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QDial>
#include <QDialogButtonBox>
#include <QKeySequenceEdit>
#include <QLCDNumber>
#include <QMdiArea>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVariant>
#include <functional>
#include <string_view>

#include "host/common/QtClasses.h"
#include "host/memory/MemoryObject.h"

namespace kv::qt {

namespace {

using Make = std::function<QWidget*(QWidget*)>;

struct Known {
    std::string_view cls;
    Make make;
};

template <class W>
Make made() {
    return [](QWidget* parent) { return new W(parent); };
}

const Known kKnown[] = {
    {"QSpinBox", made<QSpinBox>()},
    {"QDoubleSpinBox", made<QDoubleSpinBox>()},
    {"QSlider", made<QSlider>()},
    {"QDial", made<QDial>()},
    {"QProgressBar", made<QProgressBar>()},
    {"QDateEdit", made<QDateEdit>()},
    {"QTimeEdit", made<QTimeEdit>()},
    {"QDateTimeEdit", made<QDateTimeEdit>()},
    {"QLCDNumber", made<QLCDNumber>()},
    {"QCalendarWidget", made<QCalendarWidget>()},
    {"QKeySequenceEdit", made<QKeySequenceEdit>()},
    {"QDialogButtonBox", made<QDialogButtonBox>()},
    {"QTreeWidget", made<QTreeWidget>()},
    {"QTableWidget", made<QTableWidget>()},
    // An MDI parent's client area as an exported form has it: the workspace its children open in.
    {"QMdiArea", made<QMdiArea>()},
};

// A property as the .ui wrote it, as Qt takes it: an enum or a set by its names.
QVariant qt_value(const Value& v) {
    if (const auto* d = std::get_if<double>(&v)) return *d;
    if (const auto* b = std::get_if<bool>(&v)) return *b;
    if (const auto* s = std::get_if<std::string>(&v)) return QString::fromStdString(*s);
    return {};
}

}  // namespace

QWidget* make_designer_widget(mem::MemoryObject& c, QWidget* parent) {
    for (const Known& k : kKnown) {
        if (k.cls != c.class_name()) continue;
        QWidget* w = k.make(parent);
        // Twice over: a value the file gives before its range is not left clamped to the
        // widget's default range.
        for (int round = 0; round < 2; ++round)
            for (const auto& [name, value] : c.extra_properties()) {
                if (name.rfind(host::kQtPropertyPrefix, 0) != 0) continue;
                const std::string own = name.substr(host::kQtPropertyPrefix.size());
                w->setProperty(own.c_str(), qt_value(value));
            }
        return w;
    }
    return nullptr;
}

}  // namespace kv::qt
