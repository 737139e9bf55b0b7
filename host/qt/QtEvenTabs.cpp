#include "host/qt/QtEvenTabs.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

namespace kv::qt {

namespace {
constexpr char kPerRow[] = "TabsPerRow";
constexpr char kName[] = "kelvane_even_tabs";  // found by name: the class has no meta-object
constexpr int kMostPerRow = 256;
}  // namespace

void QtEvenTabs::follow(QTabWidget& tabs) {
    if (tabs.findChild<QObject*>(kName, Qt::FindDirectChildrenOnly)) return;
    bool ok = false;
    const int per_row = tabs.property(kPerRow).toInt(&ok);
    if (!ok || per_row < 1 || per_row > kMostPerRow || !tabs.tabBar()->styleSheet().isEmpty())
        return;
    new QtEvenTabs(tabs, per_row);
}

QtEvenTabs::QtEvenTabs(QTabWidget& tabs, int per_row)
    : QObject(&tabs), tabs_(tabs), per_row_(per_row) {
    setObjectName(kName);
    tabs.installEventFilter(this);
    update();
}

bool QtEvenTabs::eventFilter(QObject* watched, QEvent* event) {
    // The tabs first: the page's place follows from the bar's.
    if (watched == &tabs_ && event->type() == QEvent::Resize) update();
    return false;
}

void QtEvenTabs::update() {
    const QTabWidget::TabPosition side = tabs_.tabPosition();
    const bool upright = side == QTabWidget::West || side == QTabWidget::East;
    const int length = upright ? tabs_.height() : tabs_.width();
    const int each = std::max(1, length / per_row_);
    const QString rule =
        QString("QTabBar::tab { %1: %2px; }").arg(upright ? "height" : "width").arg(each);
    if (rule == rule_) return;
    rule_ = rule;
    tabs_.tabBar()->setStyleSheet(rule);
}

}  // namespace kv::qt
