#pragma once
// The top-level window of one form. The window's widget area is the form's client area (plus a
// menu bar when the form has menus); the form's outer size adds the frame of its BorderStyle,
// as the window system draws it around. sync() brings the window and its widgets up to the form;
// what the user does to the window goes back to the form: a resize (the border drag, stopped by
// Qt at the minimum and maximum size that message 36 answered), a move, minimise/maximise/
// restore, close (QueryUnload/Unload; a cancelled unload keeps the window open).
//
// The window is either made for the form (a form file's) or adopted: a window an application
// built itself, whose own widget is then the client area. Either way its events are watched
// here, so both kinds behave alike; an adopted window stays the application's.
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "host/memory/MemoryForm.h"
#include "host/qt/QtControlViews.h"
#include "host/qt/QtFormPictures.h"
#include "host/qt/QtInputFilter.h"
#include "host/qt/QtWidgetWatch.h"

class QMenuBar;

namespace kv::qt {

class QtHost;

class QtFormWindow : public QObject {
  public:
    // `adopted` nullptr: a window of the form's own.
    QtFormWindow(QtHost& host, const std::shared_ptr<mem::MemoryForm>& form,
                 QWidget* adopted = nullptr);
    ~QtFormWindow() override;

    std::shared_ptr<mem::MemoryForm> form() const { return form_.lock(); }
    QtHost& host() const { return host_; }
    // The top-level widget (nullptr once an adopted window was deleted by its application).
    QWidget* frame() const { return frame_; }
    // What the user moves, resizes, minimises and closes: the frame, or for an MDI child the
    // sub-window of its parent's MDI area that holds the frame.
    QWidget* outer() const { return sub_ ? static_cast<QWidget*>(sub_.data()) : frame_.data(); }
    // An MDI child lives inside its parent's MDI area, as the window system shows it.
    void dock_in(QtFormWindow& parent);
    void show_window();
    // The user drags the border until the frame has this size (the limits stop it).
    void resize_as_user(QSize frame_size);
    void hide_window();
    bool adopted() const { return adopted_; }
    // The form's client area.
    QWidget* client() const { return client_; }
    // The widget of the form (its client area) or of one of its controls (made now if the
    // control was out of sight); nullptr when none.
    QWidget* widget_of(const mem::MemoryObject* object);
    QtControlViews& views() { return views_; }
    const QtControlViews& views() const { return views_; }
    QtInputFilter& input_filter() { return input_; }
    // An adopted window's widgets coming and going (nullptr for a form's own window).
    QtWidgetWatch* widget_watch() { return watch_.get(); }

    // Bring the window and its widgets up to the form.
    void sync();
    // Ask the window procedure chain for the tracking limits (message 36) and apply them as the
    // window's minimum and maximum size.
    void apply_limits();
    // The window's size in pixels for an outer size in twips, and back.
    QSize window_size_for(double outer_width, double outer_height) const;
    std::pair<double, double> outer_size_for(QSize window_size) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // by_user: a drag of the border (the window system's, or resize_as_user); else the program's.
    void resized(bool by_user);
    void moved();
    bool close_asked();  // false: the unload was cancelled
    void state_changed();
    int menu_height() const;
    void sync_menus(mem::MemoryForm& form);
    void sync_geometry(mem::MemoryForm& form);
    // The menu bar and client area inside a window of this size.
    void place_client(QSize window_size);
    // The frame at this size (inside its MDI sub-window, which adds its own border and title).
    void resize_frame(QSize size);
    // What the MDI sub-window adds around the frame (none outside an MDI area).
    QMargins sub_margins() const;
    double tpp_x() const;
    double tpp_y() const;

    QtHost& host_;
    std::weak_ptr<mem::MemoryForm> form_;
    QPointer<QWidget> frame_;
    QPointer<QMdiSubWindow> sub_;
    bool adopted_ = false;
    QMenuBar* menu_bar_ = nullptr;
    QWidget* client_ = nullptr;
    QtInputFilter input_;
    QtControlViews views_;
    std::unique_ptr<QtWidgetWatch> watch_;
    int syncing_ = 0;
    bool resizing_as_user_ = false;
    bool menus_built_ = false;
    std::unique_ptr<QtFormPictures> pictures_;
};

}  // namespace kv::qt
