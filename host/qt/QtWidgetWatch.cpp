#include "host/qt/QtWidgetWatch.h"

#include <QChildEvent>
#include <QTabWidget>
#include <algorithm>
#include <cstdio>

#include "host/memory/MemoryForm.h"
#include "host/qt/QtFormWindow.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtWidgetAdoption.h"

namespace kv::qt {

namespace {

// Once up to the next flush, however many events tell of it.
void note(std::vector<QPointer<QWidget>>& due, QWidget* widget) {
    if (std::find(due.begin(), due.end(), widget) == due.end()) due.emplace_back(widget);
}

}  // namespace

QtWidgetWatch::QtWidgetWatch(QtFormWindow& window)
    : window_(window), client_laid_out_(window.client() && window.client()->layout()) {}

void QtWidgetWatch::child_event(QObject* watched, QEvent* event) {
    const auto type = event->type();
    QObject* child = static_cast<QChildEvent*>(event)->child();
    if (!child) return;
    if (type == QEvent::ChildAdded) {
        // Still being built: its class and geometry are known only once its constructor is done.
        // Another object may be a layout in the making (or given with setLayout()).
        if (child->isWidgetType())
            added_.push_back({static_cast<QWidget*>(child), static_cast<QWidget*>(watched)});
        else
            note(relaid_, static_cast<QWidget*>(watched));
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
    } else if (!child->isWidgetType()) {
        // Perhaps the holder's layout, deleted (or a widget of none of its controls).
        note(relaid_, static_cast<QWidget*>(watched));
    } else {
        return;
    }
    post_flush();
}

void QtWidgetWatch::watch_tabs(QWidget& widget) {
    QStackedWidget* stack = tab_page_stack(widget);
    if (!stack || std::find(stacks_.begin(), stacks_.end(), stack) != stacks_.end()) return;
    std::erase(stacks_, nullptr);
    stacks_.emplace_back(stack);
    // Also while a page is moved within the tab widget (taken off and put in again at once), or
    // deleted: which pages are off is seen at the flush.
    connect(stack, &QStackedWidget::widgetRemoved, this, [this, tabs = QPointer<QWidget>(&widget)] {
        note(pages_off_, tabs);
        post_flush();
    });
    // Pages it had taken off already come back as well.
    take_off_pages(widget);
}

void QtWidgetWatch::take_off_pages(QWidget& tabs) {
    auto container = window_.views().object_of(&tabs);
    auto* tab_widget = qobject_cast<QTabWidget*>(&tabs);
    QStackedWidget* stack = tab_page_stack(tabs);
    if (!container || !container->alive() || !tab_widget || !stack) return;
    for (QObject* o : stack->children()) {
        auto* page = qobject_cast<QWidget*>(o);
        if (!page || tab_widget->indexOf(page) >= 0 || page->layout()) continue;
        auto gone = window_.views().forget_page(*container, page);
        removed_.insert(removed_.end(), gone.begin(), gone.end());
        auto known = [page](const Off& off) { return off.page == page; };
        if (std::none_of(off_.begin(), off_.end(), known)) off_.push_back({page, &tabs});
    }
}

void QtWidgetWatch::pages_back() {
    std::vector<Added> back;
    std::erase_if(off_, [&](const Off& off) {
        // Gone, or moved elsewhere (where it came to is told as a child added).
        if (!off.page || !off.tabs || off.page->parentWidget() != tab_page_stack(*off.tabs))
            return true;
        if (qobject_cast<QTabWidget*>(off.tabs)->indexOf(off.page) < 0) return false;
        back.push_back({off.page, off.page->parentWidget()});
        return true;
    });
    // First: a widget put on such a page meanwhile is then known already.
    added_.insert(added_.begin(), back.begin(), back.end());
}

namespace {

// The stack of a tab widget's pages (its own layout stacks them; a page is laid out by its own).
bool page_stack(const QWidget& w) {
    return w.parentWidget() && tab_page_stack(*w.parentWidget()) == &w;
}

}  // namespace

bool QtWidgetWatch::laid_out(const QWidget& holder) const {
    return holder.layout() && !(&holder == window_.client() && client_laid_out_) &&
           !page_stack(holder);
}

void QtWidgetWatch::layout_changed(QWidget& holder) {
    QtControlViews& views = window_.views();
    // Holders whose layout is Qt's own, and those whose widgets are none of the resizer's.
    const bool client = &holder == window_.client();
    if ((client && client_laid_out_) || page_stack(holder) || tab_page_stack(holder) ||
        (!client && !adopted_class(holder).holds_children && !holder.layout()))
        return;
    if (!laid_out(holder)) {
        // The widgets it holds are controls again, as added now (those known stay as they are).
        for (QObject* o : holder.children())
            if (o->isWidgetType()) added_.push_back({static_cast<QWidget*>(o), &holder});
        return;
    }
    std::vector<std::shared_ptr<mem::MemoryObject>> gone;
    if (&holder == window_.client()) {
        if (auto form = window_.form()) gone = views.forget_page(*form, nullptr);
        if (!gone.empty() && !told_) {
            told_ = true;
            std::fprintf(stderr,
                         "kelvane::Resizer: the window got a QLayout, which places its widgets "
                         "itself; the resizer leaves them to it\n");
        }
    } else if (QWidget* tabs =
                   holder.parentWidget() ? holder.parentWidget()->parentWidget() : nullptr;
               tabs && tab_page_stack(*tabs) == holder.parentWidget()) {
        // A page: its widgets are its tab widget's controls.
        if (auto container = views.object_of(tabs)) gone = views.forget_page(*container, &holder);
    } else if (auto container = views.object_of(&holder)) {
        gone = views.forget_page(*container, nullptr);
    }
    removed_.insert(removed_.end(), gone.begin(), gone.end());
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

void QtWidgetWatch::forget_left() {
    for (const auto& tabs : std::exchange(pages_off_, {}))
        if (tabs) take_off_pages(*tabs);
    for (const auto& holder : std::exchange(relaid_, {}))
        if (holder) layout_changed(*holder);
}

bool QtWidgetWatch::flush() {
    if (flushing_) return false;
    pages_back();
    if (added_.empty() && removed_.empty() && relaid_.empty() && pages_off_.empty()) return false;
    auto form = window_.form();
    if (!form || form->closed()) {
        added_.clear();
        removed_.clear();
        relaid_.clear();
        pages_off_.clear();
        return false;
    }
    flushing_ = true;
    if (before_) before_();
    forget_left();
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
        // Gone again, moved on, known already (a container's contents come with it), or placed
        // by the holder's layout.
        if (!widget || !holder || widget->parentWidget() != holder || views.object_of(widget) ||
            laid_out(*holder))
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
