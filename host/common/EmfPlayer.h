#pragma once
// An enhanced metafile (EMF) drawn with Qt's painter. Its header gives its frame (in hundredths
// of a millimetre) and the reference device it was made on; its 32-bit records are read onto a
// MetafileCanvas with that frame mapped onto a target rectangle: lines, shapes, polygons,
// Béziers, arcs, paths, text and bitmaps, with the objects the records create in the slots they
// name and the stock objects, in the world transform and mapping mode the records set. Records
// the player does not draw (palettes, comments, colour management) are passed over; a record cut
// short ends the picture where it is.
#include <QImage>
#include <QRectF>
#include <QSize>
#include <cstddef>
#include <string_view>

class QPainter;

namespace kv::host {

class EmfPlayer {
  public:
    explicit EmfPlayer(std::string_view bytes);

    bool valid() const { return records_ != 0; }
    // Its frame's size in pixels at 96 per inch (empty when not valid).
    QSize natural_size() const;
    // The picture at its natural size, transparent where nothing is drawn; null when it is not
    // valid or larger than `max_side` a side.
    QImage image(int max_side) const;
    // Plays the records onto `painter`, the frame mapped onto `target`.
    void play(QPainter& painter, const QRectF& target) const;

  private:
    std::string_view bytes_;
    size_t records_ = 0;   // where the record after the header starts; 0: not playable
    QRectF frame_;         // hundredths of a millimetre
    QRectF device_frame_;  // the frame in the reference device's pixels
    QSizeF px_per_mm_;
};

}  // namespace kv::host
