#include "host/qt/QtWidgetFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "engine/Error.h"
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
    QWidget* w = nullptr;
    if (cls == "Timer" || cls == "Menu") return nullptr;
    if (cls == "TextBox") {
        if (extra_flag(c, "MultiLine"))
            w = new QPlainTextEdit(parent);
        else
            w = new QLineEdit(parent);
    } else if (cls == "Label" || cls == "Image") {
        auto* l = new QLabel(parent);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(cls == "Label");
        w = l;
    } else if (cls == "ListBox") {
        w = new QListWidget(parent);
    } else if (cls == "ComboBox") {
        w = new QComboBox(parent);
    } else if (cls == "CommandButton") {
        w = new QPushButton(parent);
    } else if (cls == "CheckBox") {
        w = new QCheckBox(parent);
    } else if (cls == "OptionButton") {
        w = new QRadioButton(parent);
    } else if (cls == "Frame") {
        w = new QGroupBox(parent);
    } else if (cls == "PictureBox") {
        w = new QtPictureBox(parent);
    } else if (cls == "Line") {
        w = new QtPaintedWidget(QtPaintedWidget::Kind::Line, name, parent);
    } else if (cls == "Shape") {
        w = new QtPaintedWidget(QtPaintedWidget::Kind::Shape, name, parent);
    } else {
        w = new QtPaintedWidget(QtPaintedWidget::Kind::Unknown, name, parent);
    }
    w->setObjectName(QString::fromStdString(c.name()));
    if (c.traits().container) w->setMouseTracking(true);
    w->show();
    return w;
}

}  // namespace kv::qt
