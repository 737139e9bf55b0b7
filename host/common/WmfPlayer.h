#pragma once
// A Windows metafile (WMF) drawn with Qt's painter. Forms keep metafiles in the placeable form
// (with the header that gives their frame and units per inch); their 16-bit records are read
// onto a MetafileCanvas with the window mapped onto a target rectangle: lines, shapes, polygons,
// arcs, text and bitmaps, with the pens, brushes and fonts the records create and select (each
// in the lowest free slot). Records the player does not draw (palettes, regions, escapes) are
// passed over; a record cut short ends the picture where it is.
#include <cstddef>
#include <string_view>

#include "host/common/MetafilePlayer.h"

namespace kv::host {

class WmfPlayer : public MetafilePlayer {
  public:
    explicit WmfPlayer(std::string_view bytes);

    // Whether the bytes are a placeable metafile whose records can be played.
    bool valid() const override { return records_ != 0; }
    QSize natural_size() const override;
    void play(QPainter& painter, const QRectF& target) const override;

  private:
    std::string_view bytes_;
    size_t records_ = 0;  // where the first record starts; 0: not playable
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0, inch_ = 0;
};

}  // namespace kv::host
