#pragma once
// One property page inside the Qt dialog: the page's window (the Qt host's QtFormWindow, so its
// controls are the host's widgets) placed in its tab, and what the forms runtime's pages have
// beyond a form's controls: Enabled, the Value of check boxes and options, list and combo
// entries with their selection, the anchoring pictures, borderless picture boxes.
//
// What the user does goes to the page as the developer's hand does on the memory pages: a
// button, check box or option clicked is MemoryPropertyPage::click; a list entry click_entry or
// dbl_click_entry; the mouse on a picture box (the shadows, the size handle) is MouseDown, Move
// and Up there, then Click (DblClick on a double click); a key goes through the page's key
// preview (Tab moves the page's focus); the Qt focus follows the page's.
#include <QObject>
#include <QPointer>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/memory/MemoryPropertyPage.h"
#include "host/qt/QtFormWindow.h"

class QWidget;
class QFrame;
class QLabel;

namespace kv::qt {

class QtPageDialog;

class QtPageView : public QObject {
  public:
    QtPageView(QtPageDialog& dialog, const std::shared_ptr<mem::MemoryPropertyPage>& page,
               QWidget& tab);
    ~QtPageView() override;

    std::shared_ptr<mem::MemoryPropertyPage> page() const { return page_.lock(); }
    QtFormWindow* window() const { return window_.data(); }
    // The widget of one of the page's controls (nullptr when it has none yet).
    QWidget* widget_of(const mem::MemoryObject* control) const;

    // Wire the widgets made since the last time and bring their states up to the page.
    void sync();
    // Give the Qt focus to the widget of the page's focused control.
    void follow_focus();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entries {
        std::vector<std::string> items;
        std::vector<bool> selected;
        int index = -2;
    };
    void wire(const std::shared_ptr<mem::MemoryObject>& control, QWidget& widget);
    void dress(mem::MemoryObject& control, QWidget& widget);
    void dress_entries(mem::MemoryObject& control, QWidget& widget);
    void dress_picture(mem::MemoryObject& control, QWidget& widget);
    void mark_on(QWidget& option, bool on);
    std::shared_ptr<mem::MemoryObject> object_of(QObject* watched) const;
    bool mouse(const std::shared_ptr<mem::MemoryObject>& target, QWidget& widget, QEvent* event);
    bool list_mouse(const std::shared_ptr<mem::MemoryObject>& list, QWidget& viewport,
                    QEvent* event);
    bool key(QEvent* event);

    QtPageDialog& dialog_;
    std::weak_ptr<mem::MemoryPropertyPage> page_;
    QPointer<QtFormWindow> window_;
    std::unordered_map<const QObject*, std::weak_ptr<mem::MemoryObject>> wired_;
    std::unordered_map<const QObject*, Entries> entries_;
    std::unordered_map<const QObject*, std::string> pictures_;
    std::unordered_map<const QObject*, QPointer<QLabel>> picture_labels_;
    std::unordered_map<const QObject*, QPointer<QFrame>> on_marks_;  // graphical options on
    std::weak_ptr<mem::MemoryObject> pressed_;
    bool double_clicked_ = false;
};

}  // namespace kv::qt
