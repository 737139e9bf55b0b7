#pragma once
// The widgets of one form's controls, one per control (none for timers, menus and the resizer
// control itself), made on first sight and kept up to the control's geometry and looks on every
// sync; the widgets of removed controls go. A control on the form that lies outside its client
// area (and everything inside it) waits for its widget until it comes into sight or somebody
// asks for it: a form of a hundred thousand controls shows in a window of a few hundred, and
// widgets cost what the window system makes of them.
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/memory/MemoryForm.h"
#include "host/qt/QtControlLooks.h"

namespace kv::qt {

class QtFormWindow;
class QtTabControl;

class QtControlViews {
  public:
    explicit QtControlViews(QtFormWindow& window) : window_(window) {}
    ~QtControlViews();
    QtControlViews(const QtControlViews&) = delete;
    QtControlViews& operator=(const QtControlViews&) = delete;
    void set_client(QWidget* client) { client_ = client; }

    void sync(mem::MemoryForm& form);
    // Show the control in a widget the application made: it follows the control's geometry and
    // font size; its looks and text stay the application's.
    void adopt(const std::shared_ptr<mem::MemoryObject>& object, QWidget& widget);
    // Visible, BackColor, FontSize, ToolTipText, MousePointer, Caption onto the widget. An
    // application's widget (`adopted`) keeps its own looks: it follows only the pointer and the
    // font size the resizer scales (a form's font size not even that: it would reach every
    // widget of the window).
    void dress(mem::MemoryObject& object, QWidget& widget, bool adopted = false);

    // An application's widget leaves (deleted or moved out of the window): it is not to be
    // touched again. Answers the control it showed (nullptr for other widgets).
    std::shared_ptr<mem::MemoryObject> forget(const QObject* widget);
    // A page leaves a tab widget: the application's widgets of `container`'s controls that went
    // with it (deleted before it, or standing on it) are forgotten as above. Answers their
    // controls. Without a page, all of `container`'s (a QLayout came to take them).
    std::vector<std::shared_ptr<mem::MemoryObject>> forget_page(const mem::MemoryObject& container,
                                                                const QObject* page);

    // The widget of a control of `form`, made now if it was waiting (nullptr when none).
    QWidget* widget_of(mem::MemoryForm* form, const mem::MemoryObject* object);
    // The control a widget shows (nullptr for other widgets).
    std::shared_ptr<mem::MemoryObject> object_of(const QObject* widget) const;

    // The controls the designer parked on a tab control's hidden tabs, with their places as the
    // form comes (before the resizer moved anything): the resizer lays a parked control out from
    // there like any other, so its way back onto its tab follows the same arithmetic.
    void note_parked(const mem::MemoryForm& form);

    // How far right of its left edge a control on a tab control is shown.
    double tab_shift(const mem::MemoryObject& object, double left) const;

    // Where a container's client origin lies inside its own outer rectangle, in twips (a
    // picture box's border; 0 for forms and frames).
    static std::pair<double, double> inner_offset_twips(const mem::MemoryObject& container);

  private:
    // What a sync reads of every control that moved comes first, in one cache line.
    struct View {
        // Whose record this is (the object's host_view() points here; another window's views
        // of the same object may have taken the pointer since).
        const QtControlViews* owner = nullptr;
        QPointer<QWidget> widget;
        bool adopted = false;
        bool waiting = false;  // out of sight: the widget is made once the control comes in
        std::weak_ptr<mem::MemoryObject> object;
        // The widget's entry in objects_, kept when the widget goes unannounced (with its
        // container): a later widget made at the same address must not find this control.
        const QObject* key = nullptr;
        QtControlLooks looks;
    };
    // The record of `object` (nullptr when none), through the object's pointer to it.
    View* view_of(mem::MemoryObject& object);
    View& record(const std::shared_ptr<mem::MemoryObject>& object, bool* added = nullptr);
    void forget_record(View& view, mem::MemoryObject* object);
    // A control on a tab control: shown only with its tab, a parked one further right.
    QtTabControl* tab_of(const mem::MemoryObject& object) const;
    bool on_tab_shown(mem::MemoryObject& object) const;
    void show_tab(QtTabControl& tabs);
    void place(mem::MemoryObject& object, QWidget& widget);
    void link_labels(const mem::MemoryForm& form);
    void lower_drawn(const mem::MemoryForm& form);
    void moving(QWidget& widget, const QRect& to);
    void release_hold();
    void watch(mem::MemoryObject& object, QWidget& widget);
    // Drops the entry of `key` in objects_ when it is still `object`'s.
    void forget_key(const QObject* key, const mem::MemoryObject* object);
    void drop_dead();
    // Makes the widgets of the waiting controls that came into sight (and of `wanted` with its
    // containers); with `all`, brings every widget up to its control, else only the new ones.
    void make_widgets(mem::MemoryForm& form, const mem::MemoryObject* wanted, bool all);
    // The client area's size in twips, as large as the form or the window has it.
    std::pair<double, double> sight(const mem::MemoryForm& form) const;
    // Can the control (directly on the form) be seen in the client area as last measured?
    bool in_sight(const mem::MemoryObject& control) const;
    // Widgets made on the client area after others stack by the controls' order, as if made in
    // it from the start.
    void restack(const mem::MemoryForm& form, const std::unordered_set<const QWidget*>& late);
    QWidget* made_widget(const mem::MemoryObject* object) const;
    // Before a container's font changes: the controls in it keep the sizes they have.
    void keep_fonts_below(QWidget& container);

    QtFormWindow& window_;
    QWidget* client_ = nullptr;
    static constexpr int kMovesBeforeHold = 8;
    int moves_ = 0;           // widgets moved in this sync
    QPointer<QWidget> held_;  // the client area whose painting waits for the sync's end
    std::unordered_map<const mem::MemoryObject*, View> views_;
    size_t waiting_ = 0;               // views waiting for their widget
    std::pair<double, double> sight_;  // the client area they were last measured against
    std::unordered_map<const QObject*, const mem::MemoryObject*> objects_;
    std::unordered_map<const mem::MemoryObject*, QtControlLooks> form_looks_;
    struct Parked {
        std::weak_ptr<mem::MemoryObject> object;
        double left = 0;          // its left edge as the form came, twips
        double holder_width = 0;  // its tab control's width then
    };
    std::unordered_map<const mem::MemoryObject*, Parked> parked_;
    // The record of a control parked as the form came (nullptr when none).
    const Parked* parked_record(const mem::MemoryObject& object) const;
};

}  // namespace kv::qt
