#pragma once
// What a metafile player offers, whichever kind of records it reads (WmfPlayer, EmfPlayer):
// whether the bytes can be played, the size their frame gives, the records played onto a
// painter's target, and an image of them at that size.
#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

namespace kv::host {

class MetafilePlayer {
  public:
    virtual ~MetafilePlayer() = default;

    virtual bool valid() const = 0;
    // The frame's size in pixels at 96 per inch (empty when not valid).
    virtual QSize natural_size() const = 0;
    // Plays the records onto `painter`, the frame mapped onto `target`.
    virtual void play(QPainter& painter, const QRectF& target) const = 0;

    // The picture at its natural size, transparent where nothing is drawn; null when it is not
    // valid or larger than `max_side` a side.
    QImage image(int max_side) const;
    // The picture drawn over an image of `size` (a stretched one); null when it is not valid.
    QImage image_at(QSize size) const;
};

}  // namespace kv::host
