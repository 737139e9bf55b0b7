#include "host/qt/QtSimpleCombo.h"

#include <QResizeEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace kv::qt {

QtSimpleCombo::QtSimpleCombo(const QStringList& entries, int text_height, QWidget* parent)
    : QWidget(parent),
      text_height_(text_height),
      edit_(new QLineEdit(this)),
      list_(new QListWidget(this)) {
    list_->addItems(entries);
    // The list takes no focus of its own: the Tab key stops at the text box, as on the runtime.
    list_->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(edit_);
    connect(list_, &QListWidget::currentTextChanged, edit_, &QLineEdit::setText);
}

void QtSimpleCombo::set_text(const QString& text) {
    edit_->setText(text);
    const auto found = list_->findItems(text, Qt::MatchExactly);
    QSignalBlocker quiet(list_);
    list_->setCurrentItem(found.isEmpty() ? nullptr : found.front());
}

// Placed by hand, not by a layout: the control's own size is the resizer's to give.
void QtSimpleCombo::resizeEvent(QResizeEvent* event) {
    const QSize size = event->size();
    const int edit = std::min(text_height_, size.height());
    edit_->setGeometry(0, 0, size.width(), edit);
    list_->setGeometry(0, edit, size.width(), size.height() - edit);
    list_->setVisible(size.height() > edit);
}

}  // namespace kv::qt
