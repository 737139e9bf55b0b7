#pragma once
// Controls the host paints itself: a Line (between two points), a Shape (a rectangle), and a
// control of a class the host does not know (a framed box with the class name).
#include <QWidget>

namespace kv::qt {

class QtPaintedWidget : public QWidget {
  public:
    enum class Kind { Line, Shape, Unknown };
    QtPaintedWidget(Kind kind, const QString& label, QWidget* parent);
    void set_line(QPointF a, QPointF b);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    Kind kind_;
    QString label_;
    QPointF a_, b_;
};

}  // namespace kv::qt
