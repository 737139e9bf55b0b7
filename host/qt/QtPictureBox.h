#pragma once
// A picture box's widget: a frame with its picture that paints its own background colour. It
// does not ask Qt to fill its background: a widget Qt counts as opaque looks at every one of its
// siblings on each move (to blit it instead of painting it anew), so that moving a split bar or
// the controls page's size handle would cost what the form holds.
#include "host/qt/QtPictureView.h"

namespace kv::qt {

class QtPictureBox : public QtPictureView {
  public:
    explicit QtPictureBox(QWidget* parent);
};

}  // namespace kv::qt
