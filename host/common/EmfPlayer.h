#pragma once
// An enhanced metafile (EMF) drawn with Qt's painter. Its header gives its frame (in hundredths
// of a millimetre) and the reference device it was made on; its 32-bit records are read onto a
// MetafileCanvas with that frame mapped onto a target rectangle: lines, shapes, polygons,
// Béziers, arcs, paths, text and bitmaps, with the objects the records create in the slots they
// name and the stock objects, in the world transform and mapping mode the records set. Records
// the player does not draw (palettes, comments, colour management) are passed over; a record cut
// short ends the picture where it is.
#include <QRectF>
#include <QSizeF>
#include <cstddef>
#include <string_view>

#include "host/common/MetafilePlayer.h"

namespace kv::host {

class EmfPlayer : public MetafilePlayer {
  public:
    explicit EmfPlayer(std::string_view bytes);

    bool valid() const override { return records_ != 0; }
    QSize natural_size() const override;
    void play(QPainter& painter, const QRectF& target) const override;

  private:
    std::string_view bytes_;
    size_t records_ = 0;   // where the record after the header starts; 0: not playable
    QRectF frame_;         // hundredths of a millimetre
    QRectF device_frame_;  // the frame in the reference device's pixels
    QSizeF px_per_mm_;
};

}  // namespace kv::host
