#include "host/qt/QtFlexGrid.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <cmath>

#include "host/qt/QtPaintedWidget.h"

namespace kv::qt {

namespace {

constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};

QTableWidgetItem* head_item(const host::FlexHead& head) {
    auto* item = new QTableWidgetItem(QString::fromStdString(head.text));
    item->setTextAlignment(kAlign[head.align] | Qt::AlignVCenter);
    return item;
}

}  // namespace

QtFlexGrid::QtFlexGrid(host::FlexGridLook look, double tpp, QWidget* parent)
    : QTableWidget(parent),
      look_(std::move(look)),
      tpp_(tpp),
      head_row_(look_.fixed_rows > 0 ? 1 : 0),
      head_col_(look_.fixed_cols > 0 ? 1 : 0) {
    setRowCount(look_.rows - head_row_);
    setColumnCount(look_.cols - head_col_);
    // Every section has its item (an empty text too): Qt numbers the others.
    horizontalHeader()->setVisible(head_row_ != 0);
    if (head_row_)
        for (int j = 0; j < columnCount(); ++j)
            setHorizontalHeaderItem(j, head_item(look_.cell(0, j + head_col_)));
    verticalHeader()->setVisible(head_col_ != 0);
    if (head_col_)
        for (int i = 0; i < rowCount(); ++i)
            setVerticalHeaderItem(i, head_item(look_.cell(i + head_row_, 0)));
    for (QHeaderView* head : {horizontalHeader(), verticalHeader()}) {
        head->setMinimumSectionSize(1);
        QPalette p = head->palette();
        for (const auto role : {QPalette::Button, QPalette::Window})
            p.setColor(role, colour(look_.fixed_color));
        head->setPalette(p);
    }
    horizontalHeader()->setStretchLastSection(false);
    setShowGrid(look_.grid_lines != 0);
    // The program fills the cells; the user does not type into them.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(look_.scroll_bars & 1 ? Qt::ScrollBarAsNeeded
                                                       : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(look_.scroll_bars & 2 ? Qt::ScrollBarAsNeeded
                                                     : Qt::ScrollBarAlwaysOff);
    fit();
}

QColor QtFlexGrid::colour(double stored) const {
    // A system colour as the style shows it, not as the form's looks may have set this widget's.
    return screen_colour(QApplication::palette(this), stored);
}

void QtFlexGrid::fit() {
    const QFontMetrics metrics(font());
    const auto text_pixels = [&](const std::string& s) {
        return double(metrics.horizontalAdvance(QString::fromStdString(s)));
    };
    const auto width = [&](int col) {
        return static_cast<int>(std::lround(look_.column_pixels(col, tpp_, text_pixels)));
    };
    for (int j = 0; j < columnCount(); ++j) setColumnWidth(j, width(j + head_col_));
    if (head_col_) verticalHeader()->setFixedWidth(width(0));
    const int height =
        static_cast<int>(std::lround(host::FlexGridLook::row_pixels(metrics.height())));
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
}

void QtFlexGrid::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) fit();
}

void QtFlexGrid::paintEvent(QPaintEvent* event) {
    {
        QPainter p(viewport());
        p.fillRect(viewport()->rect(), colour(look_.beyond_color));
        const int rows = rowCount(), cols = columnCount();
        if (rows > 0 && cols > 0) {
            const int right = columnViewportPosition(cols - 1) + columnWidth(cols - 1);
            const int bottom = rowViewportPosition(rows - 1) + rowHeight(rows - 1);
            p.fillRect(QRect(0, 0, right, bottom), colour(look_.back_color));
            // The fixed rows and columns past the headers' own, from the top and the left.
            const QColor fixed = colour(look_.fixed_color);
            for (int i = 0; i < std::min(rows, look_.fixed_rows - head_row_); ++i)
                p.fillRect(QRect(0, rowViewportPosition(i), right, rowHeight(i)), fixed);
            for (int j = 0; j < std::min(cols, look_.fixed_cols - head_col_); ++j)
                p.fillRect(QRect(columnViewportPosition(j), 0, columnWidth(j), bottom), fixed);
        }
    }
    QTableWidget::paintEvent(event);
}

}  // namespace kv::qt
