#pragma once
// A simple combo box (Style 1): a text box with the list of entries always shown below it, as
// high as the control is made (Qt's combo box has no such kind). Picking an entry puts it into
// the text box.
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QWidget>

namespace kv::qt {

class QtSimpleCombo : public QWidget {
  public:
    // `text_height`: the text box's height in pixels, a drop-down combo box's.
    QtSimpleCombo(const QStringList& entries, int text_height, QWidget* parent);

    void set_text(const QString& text);
    QString text() const { return edit_->text(); }
    QListWidget& list() { return *list_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    int text_height_;
    QLineEdit* edit_;
    QListWidget* list_;
};

}  // namespace kv::qt
