#pragma once
// An application's tab widget that stands for a tabbed dialog whose tabs share its length,
// TabsPerRow of them (an exported form says so in a property of the widget's own). Qt's tab bar
// makes each tab as long as its caption; this keeps the tabs' length in the tab bar's own style
// sheet as the widget's size changes, whoever changes it.
#include <QObject>

class QTabWidget;

namespace kv::qt {

class QtEvenTabs : public QObject {
  public:
    // Follows `tabs` from now on when it says how many tabs share a row and its tab bar has no
    // style sheet of its own; nothing otherwise, or when it is followed already.
    static void follow(QTabWidget& tabs);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QtEvenTabs(QTabWidget& tabs, int per_row);
    void update();

    QTabWidget& tabs_;
    int per_row_;
    QString rule_;  // the one the tab bar has now
};

}  // namespace kv::qt
