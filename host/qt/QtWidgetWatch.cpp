#include "host/qt/QtWidgetWatch.h"

#include <QChildEvent>
#include <algorithm>

#include "host/memory/MemoryForm.h"
#include "host/qt/QtFormWindow.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtWidgetAdoption.h"

namespace kv::qt {

void QtWidgetWatch::child_event(QObject* watched, QEvent* event) {
    const auto type = event->type();
    QObject* child = static_cast<QChildEvent*>(event)->child();
    if (!child) return;
    if (type == QEvent::ChildAdded) {
        if (!child->isWidgetType()) return;
        // Still being built: its class and geometry are known only once its constructor is done.
        added_.push_back({static_cast<QWidget*>(child), static_cast<QWidget*>(watched)});
    } else if (auto object = window_.views().forget(child)) {
        // Deleted (no longer a widget by now) or moved elsewhere: the pointer is not to be
        // followed any more.
        removed_.push_back(object);
    } else if (QWidget* tabs = tab_widget_holding(*static_cast<QWidget*>(watched));
               tabs && static_cast<QWidget*>(watched)->parentWidget() == tabs) {
        // A page left the tab widget (deleted, its widgets with it unannounced, or taken away
        // with them): their controls go as well.
        auto container = window_.views().object_of(tabs);
        if (!container) return;
        auto gone = window_.views().forget_page(*container, child);
        if (gone.empty()) return;
        removed_.insert(removed_.end(), gone.begin(), gone.end());
    } else {
        return;
    }
    post_flush();
}

void QtWidgetWatch::post_flush() {
    if (posted_) return;
    posted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            posted_ = false;
            flush();
        },
        Qt::QueuedConnection);
}

bool QtWidgetWatch::flush() {
    if (flushing_ || (added_.empty() && removed_.empty())) return false;
    auto form = window_.form();
    if (!form || form->closed()) {
        added_.clear();
        removed_.clear();
        return false;
    }
    flushing_ = true;
    if (before_) before_();
    std::vector<std::shared_ptr<mem::MemoryObject>> added;
    std::vector<std::string> gone_keys;
    for (const auto& gone : std::exchange(removed_, {})) {
        auto c = gone.lock();
        if (!c || !c->alive()) continue;
        // The control and what it holds (created after it, so found in one pass).
        std::vector<const mem::MemoryObject*> tree{c.get()};
        for (const auto& other : form->all_controls()) {
            auto holder = other->container_object();
            if (other != c && holder &&
                std::find(tree.begin(), tree.end(), holder.get()) != tree.end())
                tree.push_back(other.get());
        }
        for (const auto* t : tree) gone_keys.push_back(t->name());
        form->remove_control(c);
    }
    QtControlViews& views = window_.views();
    for (const auto& [widget, holder] : std::exchange(added_, {})) {
        // Gone again, moved on, or known already (a container's contents come with it).
        if (!widget || !holder || widget->parentWidget() != holder || views.object_of(widget))
            continue;
        std::shared_ptr<mem::MemoryObject> container;
        // The widget of the control that holds it: a page's or the pages' is the tab widget's.
        QWidget* owner = holder;
        if (holder != window_.client()) {
            if (QWidget* tabs = tab_widget_holding(*holder)) owner = tabs;
            container = views.object_of(owner);
            if (!container || !container->alive()) continue;
        }
        for (const auto& [c, w] : adopt_widget(window_.host(), *form, *widget, container, owner)) {
            views.adopt(c, *w);
            added.push_back(c);
        }
        // A page come to a tab widget is watched as its others are.
        if (owner == holder->parentWidget())
            for (QWidget* h : tab_holders(*owner)) window_.input_filter().watch(h);
    }
    flushing_ = false;
    if (added.empty() && gone_keys.empty()) return false;
    if (listener_) listener_(added, gone_keys);
    return true;
}

}  // namespace kv::qt
