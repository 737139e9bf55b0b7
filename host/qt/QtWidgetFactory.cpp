#include "host/qt/QtWidgetFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "engine/Error.h"
#include "host/common/QtClasses.h"
#include "host/qt/QtPaintedWidget.h"
#include "host/qt/QtPictureBox.h"

namespace kv::qt {

namespace {

bool extra_flag(mem::MemoryObject& c, const char* name) {
    try {
        return to_bool(c.get(name));
    } catch (const Error&) {
        return false;
    }
}

}  // namespace

QWidget* make_widget(mem::MemoryObject& c, QWidget* parent) {
    if (c.user_control()) return nullptr;
    const std::string& cls = c.class_name();
    const QString name = QString::fromStdString(cls);
    const host::QtShown shown = host::qt_class_for(cls, extra_flag(c, "MultiLine"));
    if (shown.how == host::QtShow::None) return nullptr;
    const std::string_view qt_class = shown.qt_class;
    QWidget* w = nullptr;
    if (shown.how == host::QtShow::Painted) {
        const auto kind = cls == "Line"    ? QtPaintedWidget::Kind::Line
                          : cls == "Shape" ? QtPaintedWidget::Kind::Shape
                                           : QtPaintedWidget::Kind::Unknown;
        w = new QtPaintedWidget(kind, name, parent);
    } else if (qt_class == "QPlainTextEdit") {
        w = new QPlainTextEdit(parent);
    } else if (qt_class == "QLineEdit") {
        w = new QLineEdit(parent);
    } else if (qt_class == "QLabel") {
        auto* l = new QLabel(parent);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(cls == "Label");
        w = l;
    } else if (qt_class == "QListWidget") {
        w = new QListWidget(parent);
    } else if (qt_class == "QComboBox") {
        w = new QComboBox(parent);
    } else if (qt_class == "QPushButton") {
        w = new QPushButton(parent);
    } else if (qt_class == "QCheckBox") {
        w = new QCheckBox(parent);
    } else if (qt_class == "QRadioButton") {
        w = new QRadioButton(parent);
    } else if (qt_class == "QGroupBox") {
        w = new QGroupBox(parent);
    } else {
        w = new QtPictureBox(parent);
    }
    w->setObjectName(QString::fromStdString(c.name()));
    if (c.traits().container) w->setMouseTracking(true);
    w->show();
    return w;
}

}  // namespace kv::qt
