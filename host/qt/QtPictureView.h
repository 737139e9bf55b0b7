#pragma once
// A picture box or an image with its picture: inside the frame (a picture box's sunken border,
// an image's single line when it has one), the picture at its own size from the top left
// corner, or stretched over the inside for an image with Stretch (a metafile drawn at that
// size). A picture that cannot be shown (bytes that do not decode, a metafile without its size)
// leaves a dotted outline naming its format.
#include <QFrame>
#include <QImage>
#include <memory>

#include "host/common/Picture.h"

namespace kv::qt {

class QtPictureView : public QFrame {
  public:
    explicit QtPictureView(QWidget* parent) : QFrame(parent) {}
    void set_picture(std::shared_ptr<const host::Picture> picture, bool stretch);
    // What stands in for a picture that cannot be shown ("WMF picture"); empty otherwise.
    QString stand_in() const;

  protected:
    void paintEvent(QPaintEvent* e) override;
    // A picture box paints its background colour itself (QtPictureBox.h); behind an image what
    // is behind it shows.
    bool paints_background_ = false;

  private:
    std::shared_ptr<const host::Picture> picture_;
    QImage image_;
    bool stretch_ = false;
};

}  // namespace kv::qt
