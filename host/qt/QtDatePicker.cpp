#include "host/qt/QtDatePicker.h"

#include <QCheckBox>
#include <QLineEdit>

namespace kv::qt {

QtDatePicker::QtDatePicker(QWidget* parent) : QDateTimeEdit(parent), box_(new QCheckBox(this)) {
    box_->setChecked(true);
    box_->setFocusPolicy(Qt::NoFocus);
    // The text starts past the box.
    lineEdit()->setTextMargins(box_->sizeHint().width() + 2, 0, 0, 0);
    connect(box_, &QCheckBox::toggled, this, [this](bool on) {
        lineEdit()->setEnabled(on);
        setReadOnly(!on);
    });
}

void QtDatePicker::resizeEvent(QResizeEvent* e) {
    QDateTimeEdit::resizeEvent(e);
    const QSize hint = box_->sizeHint();
    box_->setGeometry(4, (height() - hint.height()) / 2, hint.width(), hint.height());
}

}  // namespace kv::qt
