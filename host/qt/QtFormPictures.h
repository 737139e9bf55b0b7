#pragma once
// A form's own pictures on its window: the Icon as the window's icon (every image of it, for
// the sizes the window system asks), the Picture behind the controls at its own size from the
// top left corner of the client area.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "host/memory/MemoryForm.h"

namespace kv::qt {

class QtFormPictures : public QObject {
  public:
    QtFormPictures(mem::MemoryForm& form, QWidget& frame, QWidget& client);
    ~QtFormPictures() override;
    bool has_background() const { return !background_.isNull(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QWidget> client_;
    QImage background_;
};

}  // namespace kv::qt
