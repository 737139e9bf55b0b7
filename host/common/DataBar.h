#pragma once
// The runtime's record navigator as it looks: the buttons to the first and the previous record
// at the bar's left end, to the next and the last at its right end, its caption between them.
// Drawn alike in the tool's pictures and in a live form.
#include <QColor>

class QPainter;
class QRectF;
class QString;

namespace kv::host {

struct DataBarColours {
    QColor face, edge, arrow, text;
};

// The bar over `r` in the painter's font.
void draw_data_bar(QPainter& p, const QRectF& r, const QString& caption, const DataBarColours& c);

}  // namespace kv::host
