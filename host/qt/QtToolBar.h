#pragma once
// A toolbar of the common controls on a form's window: a tool button per button where the tool's
// pictures draw it (ToolBarLook::place), with its caption, picture (from the image list on the
// form), tool tip and state; a check button stays in, the buttons of a group push each other out,
// a drop-down one has its arrow. On a flat bar (Style 1) buttons show their edges only under the
// mouse, and separators are etched lines.
#include <QFrame>
#include <vector>

#include "host/common/ToolBarLook.h"

class QToolButton;

namespace kv::qt {

class QtToolBar : public QFrame {
  public:
    QtToolBar(host::ToolBarLook look, double twips_per_pixel, QWidget* parent);
    // The tool button of button i (from 0); nullptr for a separator or a placeholder.
    QToolButton* button(int i) const { return buttons_.at(static_cast<size_t>(i)); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    host::ToolBarLook look_;
    std::vector<QToolButton*> buttons_;
};

}  // namespace kv::qt
