#include "host/qt/QtGraphicalButton.h"

#include <QIcon>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace kv::qt {

QtGraphicalButton::QtGraphicalButton(QImage picture, QWidget* parent)
    : QPushButton(parent), picture_(QPixmap::fromImage(std::move(picture))) {}

void QtGraphicalButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    p.drawControl(QStyle::CE_PushButtonBevel, option);
    QRect face = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // The face's content moves with the button while it is in, as the style moves a label.
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        face.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const int line = text().isEmpty() ? 0 : fontMetrics().height() + 2;
    const QRect room = face.adjusted(0, 0, 0, -line);
    // Never larger than it is; smaller, in its proportions, where the button is.
    const QSize size =
        picture_.size().scaled(room.size().boundedTo(picture_.size()), Qt::KeepAspectRatio);
    if (!size.isEmpty()) {
        const QPixmap pixmap =
            isEnabled() ? picture_
                        : style()->generatedIconPixmap(QIcon::Disabled, picture_, &option);
        p.drawPixmap(QRect(room.center() - QPoint(size.width(), size.height()) / 2, size), pixmap);
    }
    style()->drawItemText(&p, face.adjusted(0, 0, 0, -2),
                          Qt::AlignHCenter | Qt::AlignBottom | Qt::TextShowMnemonic, palette(),
                          isEnabled(), text(), QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

}  // namespace kv::qt
