#pragma once
// A status bar of the common controls on a form's window: a label per panel (sunk or raised as
// its Bevel says, its text aligned as its Alignment), placed as the tool's pictures place them
// (StatusBarLook::place) whenever the bar changes size: springs share the room the others leave.
// With Style 1, one label with the SimpleText across the bar.
#include <QFrame>
#include <vector>

#include "host/common/StatusBarLook.h"

class QLabel;

namespace kv::qt {

class QtStatusBar : public QFrame {
  public:
    QtStatusBar(host::StatusBarLook look, double twips_per_pixel, QWidget* parent);
    // The label of panel i (from 0), or the simple text's.
    QLabel* panel(int i) const { return labels_.at(static_cast<size_t>(i)); }
    int panels() const { return static_cast<int>(labels_.size()); }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void place();

    host::StatusBarLook look_;
    double tpp_;
    std::vector<QLabel*> labels_;
};

}  // namespace kv::qt
