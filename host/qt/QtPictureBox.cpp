#include "host/qt/QtPictureBox.h"

namespace kv::qt {

QtPictureBox::QtPictureBox(QWidget* parent) : QtPictureView(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    paints_background_ = true;
}

}  // namespace kv::qt
