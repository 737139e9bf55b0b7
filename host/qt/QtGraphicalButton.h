#pragma once
// A graphical button (Style 1: a command button, or a check box or option button that stays in
// while on) with a picture: the picture in the middle of the face, the caption below it, as the
// forms runtime draws one. Still a QPushButton to everything else (default button, checkable,
// clicks, keys).
#include <QImage>
#include <QPixmap>
#include <QPushButton>

namespace kv::qt {

class QtGraphicalButton : public QPushButton {
  public:
    QtGraphicalButton(QImage picture, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

}  // namespace kv::qt
