#include "host/qt/QtCaptionFrame.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace kv::qt {

void QtCaptionFrame::set_caption_colour(std::optional<QColor> colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

// As QGroupBox paints itself, but for the title's colour.
void QtCaptionFrame::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // Styles take the title's colour from the option's text colour, or (Fusion) from its
    // palette's window text: both are the option's, not the widget's, whose palette its controls
    // would inherit.
    if (colour_ && isEnabled()) {
        option.textColor = *colour_;
        option.palette.setColor(QPalette::WindowText, *colour_);
    }
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

}  // namespace kv::qt
