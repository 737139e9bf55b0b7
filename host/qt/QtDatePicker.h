#pragma once
// A date picker with a check box (CheckBox) on a live form: Qt's date edit with the box at its
// left end, the date's text after it. Unticked, the picker has no date: its text goes grey and
// takes no typing until the box is ticked again, as the control's does.
#include <QDateTimeEdit>

class QCheckBox;

namespace kv::qt {

class QtDatePicker : public QDateTimeEdit {
  public:
    explicit QtDatePicker(QWidget* parent);
    QCheckBox* check_box() const { return box_; }

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    QCheckBox* box_;
};

}  // namespace kv::qt
