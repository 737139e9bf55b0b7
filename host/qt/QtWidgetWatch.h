#pragma once
// The widgets an application adds to an adopted window, or takes out of it, after the window
// was adopted. An added widget becomes a control of the form once it is built (Qt tells of a
// child while its constructor still runs): at the next flush, which is posted at once and also
// taken before anything reads the form. A removed or deleted widget's control leaves the form;
// its widget is forgotten at once, so nothing points at it. A tab widget's controls stand on its
// pages: widgets come to and leave a page as to a container, a page added brings its widgets,
// and a page that leaves (deleted, or taken away) takes its widgets' controls along. After a
// flush that changed the form, the listener hears of it (the resizer lays the window out anew).
#include <QObject>
#include <QPointer>
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
    explicit QtWidgetWatch(QtFormWindow& window) : window_(window) {}
    // A child came to or left a widget that holds controls (the window, a container, a tab
    // widget's page or the stack of its pages): the window's input filter, which watches those,
    // passes the event on.
    void child_event(QObject* holder, QEvent* event);
    // Hears of the controls added (containers first) and the keys of those that went (with
    // what they held).
    using Listener = std::function<void(const std::vector<std::shared_ptr<mem::MemoryObject>>&,
                                        const std::vector<std::string>&)>;
    void set_listener(Listener listener) { listener_ = std::move(listener); }
    // Runs before the form changes (the resizer finishes the layout it has pending).
    void set_before_change(std::function<void()> before) { before_ = std::move(before); }
    // Adopt what was added, drop what went; true when the form changed.
    bool flush();

  private:
    void post_flush();

    QtFormWindow& window_;
    struct Added {
        QPointer<QWidget> widget;
        QPointer<QWidget> holder;
    };
    std::vector<Added> added_;
    std::vector<std::weak_ptr<mem::MemoryObject>> removed_;
    Listener listener_;
    std::function<void()> before_;
    bool posted_ = false;
    bool flushing_ = false;
};

}  // namespace kv::qt
