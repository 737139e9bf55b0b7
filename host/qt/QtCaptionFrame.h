#pragma once
// A frame (the forms runtime's Frame) as a group box whose caption may be in a colour of its
// own (ForeColor). The colour is the caption's alone: set on the palette it would reach the
// controls inside the frame, which keep theirs.
#include <QGroupBox>
#include <optional>

namespace kv::qt {

class QtCaptionFrame : public QGroupBox {
  public:
    explicit QtCaptionFrame(QWidget* parent) : QGroupBox(parent) {}

    // nullopt: the style's colour for a group box's title.
    void set_caption_colour(std::optional<QColor> colour);
    std::optional<QColor> caption_colour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<QColor> colour_;
};

}  // namespace kv::qt
