#include "host/qt/QtPictureBox.h"

#include <QPainter>

namespace kv::qt {

QtPictureBox::QtPictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void QtPictureBox::paintEvent(QPaintEvent* e) {
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
    }
    QFrame::paintEvent(e);
}

}  // namespace kv::qt
