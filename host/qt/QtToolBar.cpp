#include "host/qt/QtToolBar.h"

#include <QButtonGroup>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <cmath>

#include "host/common/BarDrawing.h"

namespace kv::qt {

namespace {

Qt::ToolButtonStyle button_style(bool caption, bool picture, bool caption_right) {
    if (caption && picture)
        return caption_right ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextUnderIcon;
    return caption ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly;
}

}  // namespace

QtToolBar::QtToolBar(host::ToolBarLook look, double twips_per_pixel, QWidget* parent)
    : QFrame(parent), look_(std::move(look)) {
    // A bar has a face of its own, wherever it stands (an MDI form's workspace is darker).
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    const auto boxes = look_.place(twips_per_pixel);
    const auto images = host::tool_bar_images(look_);
    QButtonGroup* group = nullptr;  // the run of group buttons the last one belongs to
    for (size_t i = 0; i < look_.buttons.size(); ++i) {
        const host::ToolButton& b = look_.buttons[i];
        const auto& box = boxes[i];
        QToolButton* tool = nullptr;
        if (b.style == host::ToolButton::Separator && look_.flat && !box.empty()) {
            auto* line = new QFrame(this);
            line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
            line->setGeometry(static_cast<int>(box.left), static_cast<int>(box.top),
                              static_cast<int>(box.width), static_cast<int>(box.height));
        } else if (b.style != host::ToolButton::Separator &&
                   b.style != host::ToolButton::Placeholder) {
            tool = new QToolButton(this);
            const QString caption = QString::fromStdString(b.caption);
            tool->setText(caption);
            tool->setToolTip(QString::fromStdString(b.tool_tip));
            if (i < images.size() && !images[i].isNull()) {
                tool->setIcon(QIcon(QPixmap::fromImage(images[i])));
                tool->setIconSize(images[i].size());
            }
            tool->setToolButtonStyle(
                button_style(!caption.isEmpty(), !tool->icon().isNull(), look_.caption_right));
            tool->setAutoRaise(look_.flat);
            tool->setFocusPolicy(Qt::NoFocus);  // a bar's buttons are no stops of the Tab key
            tool->setEnabled(b.enabled);
            tool->setVisible(b.visible);
            if (b.style == host::ToolButton::Check || b.style == host::ToolButton::Group) {
                tool->setCheckable(true);
                tool->setChecked(b.pressed);
            }
            // Group buttons side by side push each other out; another button ends the group.
            if (b.style == host::ToolButton::Group) {
                if (!group) {
                    group = new QButtonGroup(this);
                    group->setExclusive(true);
                }
                group->addButton(tool);
            }
            if (b.style == host::ToolButton::Dropdown) {
                tool->setMenu(new QMenu(tool));
                tool->setPopupMode(QToolButton::MenuButtonPopup);
            }
            tool->setGeometry(static_cast<int>(box.left), static_cast<int>(box.top),
                              static_cast<int>(box.width), static_cast<int>(box.height));
        }
        if (b.style != host::ToolButton::Group && b.visible) group = nullptr;
        buttons_.push_back(tool);
    }
}

void QtToolBar::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!look_.etched) return;
    // In 3-D the bar is set off from what lies above and below it.
    QPainter p(this);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(0, 0, width() - 1, 0);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
}

}  // namespace kv::qt
