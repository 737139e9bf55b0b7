#pragma once
// The widgets an application adds to an adopted window, or takes out of it, after the window
// was adopted. An added widget becomes a control of the form once it is built (Qt tells of a
// child while its constructor still runs): at the next flush, which is posted at once and also
// taken before anything reads the form. A removed or deleted widget's control leaves the form;
// its widget is forgotten at once, so nothing points at it. A tab widget's controls stand on its
// pages: widgets come to and leave a page as to a container, a page added brings its widgets,
// and a page that leaves (deleted, taken away, or taken off its tab widget with removeTab(),
// which keeps it there hidden) takes its widgets' controls along; a page taken off and put back
// brings them again. A panel or page that gets a QLayout leaves the widgets on it to the layout
// (as one that had it from the start), and gets them back when the layout goes; a window that
// gets one leaves them all (said once on stderr), unless it had one from the start (a main
// window's places only its bars and central widget). After a flush that changed the form, the
// listener hears of it (the resizer lays the window out anew).
#include <QObject>
#include <QPointer>
#include <QStackedWidget>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/memory/MemoryObject.h"

namespace kv::qt {

class QtFormWindow;

class QtWidgetWatch : public QObject {
  public:
    explicit QtWidgetWatch(QtFormWindow& window);
    // A child came to or left a widget that holds controls (the window, a container, a tab
    // widget's page or the stack of its pages): the window's input filter, which watches those,
    // passes the event on.
    void child_event(QObject* holder, QEvent* event);
    // A tab widget's pages taken off with removeTab() stay children of its stack: only the
    // stack's signal tells of them. Nothing for other widgets.
    void watch_tabs(QWidget& widget);
    // Hears of the controls added (containers first) and the keys of those that went (with
    // what they held).
    using Listener = std::function<void(const std::vector<std::shared_ptr<mem::MemoryObject>>&,
                                        const std::vector<std::string>&)>;
    void set_listener(Listener listener) { listener_ = std::move(listener); }
    // Runs before the form changes (the resizer finishes the layout it has pending).
    void set_before_change(std::function<void()> before) { before_ = std::move(before); }
    // Adopt what was added, drop what went; true when the form changed.
    bool flush();
    // The widgets on pages taken off, and on panels that got a layout, forgotten now (their
    // controls leave the form at the flush): a resize before the flush does not place them.
    void forget_left();

  private:
    void post_flush();
    // Widgets on pages the tab widget no longer has are forgotten (as the page is noted as off).
    void take_off_pages(QWidget& tabs);
    // Pages taken off that are back on their tab widget: their widgets to be adopted.
    void pages_back();
    // A QLayout came to `holder` or went: its widgets are forgotten, or to be adopted.
    void layout_changed(QWidget& holder);
    // Whether a QLayout places what `holder` holds (a main window's own layout does not count).
    bool laid_out(const QWidget& holder) const;

    QtFormWindow& window_;
    struct Added {
        QPointer<QWidget> widget;
        QPointer<QWidget> holder;
    };
    std::vector<Added> added_;
    std::vector<QPointer<QWidget>> relaid_;         // holders whose layout may have come or gone
    std::vector<QPointer<QWidget>> pages_off_;      // tab widgets that may have lost pages
    std::vector<QPointer<QStackedWidget>> stacks_;  // page stacks whose signal is heard
    struct Off {
        QPointer<QWidget> page;
        QPointer<QWidget> tabs;
    };
    std::vector<Off> off_;  // pages taken off their tab widget, which may come back
    bool client_laid_out_;  // the window had a QLayout when adopted
    bool told_ = false;     // of a layout the window got
    std::vector<std::weak_ptr<mem::MemoryObject>> removed_;
    Listener listener_;
    std::function<void()> before_;
    bool posted_ = false;
    bool flushing_ = false;
};

}  // namespace kv::qt
