#pragma once
// A flex grid on a form's window: a QTableWidget of its cells whose horizontal header is the
// grid's first fixed row and whose vertical header is its first fixed column (with the texts its
// FormatString gives them), so that they stay in view while the cells scroll, as the grid's fixed
// cells do, and look raised in the style's own way. Further fixed rows and columns are cells
// painted in the fixed colour, the room past the last cell in the grid's background colour. The
// columns the FormatString names are as wide as their texts in the widget's font, and follow it.
// The corner cell's text has no place on Qt's corner button and is not shown.
#include <QTableWidget>

#include "host/common/FlexGridLook.h"

namespace kv::qt {

class QtFlexGrid : public QTableWidget {
  public:
    QtFlexGrid(host::FlexGridLook look, double twips_per_pixel, QWidget* parent);
    const host::FlexGridLook& look() const { return look_; }

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The columns' widths and the rows' height for the font.
    void fit();
    QColor colour(double stored) const;

    host::FlexGridLook look_;
    double tpp_;
    int head_row_, head_col_;  // 1 where the first fixed row (column) is the header
};

}  // namespace kv::qt
