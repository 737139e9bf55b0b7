#pragma once
// Controls the host paints itself: a Line (between two points), a Shape (a rectangle), the record
// navigator (Data: its buttons and caption; there is no database behind it here), and a control
// of a class the host does not know (a framed box with the class name).
#include <QWidget>

#include "host/common/ShapeLook.h"

namespace kv::qt {

// A colour as the forms runtime stores it (&H00BBGGRR, or a system colour &H800000nn), on this
// screen: a system colour is the palette's that stands for it.
QColor screen_colour(const QPalette& palette, double stored);
// Is the stored colour a system colour?
bool is_system_colour(double stored);

class QtPaintedWidget : public QWidget {
  public:
    enum class Kind { Line, Shape, Data, Unknown };
    QtPaintedWidget(Kind kind, const QString& label, QWidget* parent);
    void set_line(QPointF a, QPointF b);
    // The caption a record navigator shows (the others keep their label).
    void set_caption(const QString& caption);
    // A Shape's or a Line's styles and colours.
    void set_look(const host::ShapeProps& look);
    // A colour as the forms runtime stores it, on this screen: a system colour is the palette's.
    QColor screen_colour(std::optional<double> stored, const QColor& fallback) const;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    Kind kind_;
    QString label_;
    QPointF a_, b_;
    host::ShapeProps look_;
};

}  // namespace kv::qt
