#pragma once
// An up-down control on a live form: its two arrow buttons (repeating while held), each press a
// step of its value as UpDownLook steps it. Who hears of the new value (the form's control, the
// buddy) is the maker's to say.
#include <QWidget>
#include <functional>

#include "host/common/UpDownLook.h"

class QToolButton;

namespace kv::qt {

class QtUpDown : public QWidget {
  public:
    QtUpDown(host::UpDownLook look, QWidget* parent);
    void set_on_step(std::function<void(double)> on_step) { on_step_ = std::move(on_step); }
    QToolButton* up() const { return up_; }
    QToolButton* down() const { return down_; }
    double value() const { return look_.value; }

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    void step(bool up);

    host::UpDownLook look_;
    QToolButton* up_;
    QToolButton* down_;
    std::function<void(double)> on_step_;
};

}  // namespace kv::qt
