#include "host/common/AnchorPicture.h"

#include <QPainter>
#include <QRectF>
#include <algorithm>

namespace kv::host {

void draw_anchor(QPainter& p, const QRectF& area, int choice) {
    const double side = std::min({area.width(), area.height(), 30.0});
    const QRectF r(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    const QRectF win =
        r.adjusted(r.width() * 0.18, r.height() * 0.18, -r.width() * 0.18, -r.height() * 0.18);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(Qt::NoBrush);
    p.drawRect(win);
    const double w = win.width(), h = win.height();
    if (choice == 10) {
        p.fillRect(QRectF(win.left() + 2, win.top() + 2, w / 2 - 3, h - 4), QColor(64, 64, 64));
        p.fillRect(QRectF(win.center().x() + 1, win.top() + 2, w / 2 - 3, h - 4),
                   QColor(64, 64, 64));
        return;
    }
    if (choice == 9) {
        p.setPen(QPen(QColor(64, 64, 64), 1, Qt::DashLine));
        p.drawRect(win.adjusted(w * 0.2, h * 0.2, -w * 0.2, -h * 0.2));
        return;
    }
    const int row = choice / 3, col = choice % 3;
    const double bw = col == 1 ? w - 4 : w * 0.4, bh = row == 1 ? h - 4 : h * 0.4;
    const double bx = col == 0 ? win.left() + 2 : col == 2 ? win.right() - 2 - bw : win.left() + 2;
    const double by = row == 0 ? win.top() + 2 : row == 2 ? win.bottom() - 2 - bh : win.top() + 2;
    p.fillRect(QRectF(bx, by, bw, bh), QColor(64, 64, 64));
}

std::optional<int> anchor_choice(const std::string& picture) {
    if (picture.rfind("anchor", 0) != 0 || picture.size() == 6) return std::nullopt;
    try {
        return std::stoi(picture.substr(6));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace kv::host
