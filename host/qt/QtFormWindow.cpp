#include "host/qt/QtFormWindow.h"

#include <QEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <cmath>

#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "host/common/FormFrame.h"
#include "host/common/ScaleUnits.h"
#include "host/memory/ChangeJournal.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtMenus.h"
#include "host/qt/QtPaintHold.h"

namespace kv::qt {

using host::whole_pixels;

namespace {

// Sets the flag for the duration of a programmatic change, so that the events it raises are
// not taken for the user's doing.
struct Busy {
    explicit Busy(int& n) : n_(n) { ++n_; }
    ~Busy() { --n_; }
    int& n_;
};

}  // namespace

QtFormWindow::QtFormWindow(QtHost& host, const std::shared_ptr<mem::MemoryForm>& form,
                           QWidget* adopted)
    : host_(host), form_(form), adopted_(adopted != nullptr), input_(*this), views_(*this) {
    if (adopted) {
        frame_ = adopted;
        client_ = adopted;
        watch_ = std::make_unique<QtWidgetWatch>(*this);
    } else {
        frame_ = new QWidget;
        frame_->setAttribute(Qt::WA_DeleteOnClose, false);
        client_ =
            form->kind() == mem::FormKind::MDIForm ? new QMdiArea(frame_) : new QWidget(frame_);
        client_->setObjectName(QString::fromStdString(form->name()));
        client_->setFocusPolicy(Qt::ClickFocus);
        client_->setAutoFillBackground(true);
    }
    client_->setMouseTracking(true);
    frame_->installEventFilter(this);
    input_.watch(client_);
    views_.set_client(client_);
    views_.note_parked(*form);
}

QtFormWindow::~QtFormWindow() {
    if (auto form = form_.lock()) mem::ChangeJournal::stop(*form, &views_);
    if (sub_) sub_->removeEventFilter(this);
    if (!frame_) return;
    frame_->removeEventFilter(this);
    if (adopted_) {
        client_->removeEventFilter(&input_);
        watch_.reset();
        return;
    }
    // The sub-window owns the frame it holds.
    if (sub_)
        delete sub_.data();
    else
        delete frame_.data();
}

void QtFormWindow::dock_in(QtFormWindow& parent) {
    if (sub_ || adopted_ || !frame_) return;
    auto* area = qobject_cast<QMdiArea*>(parent.client());
    if (!area) return;
    sub_ = area->addSubWindow(frame_);
    sub_->setAttribute(Qt::WA_DeleteOnClose, false);
    sub_->installEventFilter(this);
}

void QtFormWindow::show_window() {
    if (!frame_) return;
    frame_->show();
    if (sub_) sub_->show();
}

void QtFormWindow::resize_as_user(QSize frame_size) {
    resizing_as_user_ = true;
    if (QWidget* w = outer()) w->resize(frame_size.grownBy(sub_margins()));
    resizing_as_user_ = false;
}

QMargins QtFormWindow::sub_margins() const {
    return sub_ ? sub_->contentsMargins() : QMargins();
}

void QtFormWindow::hide_window() {
    // An application's window is its own to hide: the form closing under it (its resizer gone)
    // leaves it up.
    if (adopted_) return;
    if (QWidget* w = outer()) w->hide();
}

double QtFormWindow::tpp_x() const {
    return host_.twips_per_pixel_x();
}

double QtFormWindow::tpp_y() const {
    return host_.twips_per_pixel_y();
}

QWidget* QtFormWindow::widget_of(const mem::MemoryObject* object) {
    auto form = form_.lock();
    if (form && object == form.get()) return client_;
    return views_.widget_of(form.get(), object);
}

int QtFormWindow::menu_height() const {
    return menu_bar_ && !menu_bar_->actions().isEmpty() ? host::kMenuBarPixels : 0;
}

QSize QtFormWindow::window_size_for(double outer_width, double outer_height) const {
    auto form = form_.lock();
    const auto m = host::frame_metrics(form ? form->border_style() : 2);
    return {whole_pixels(outer_width, tpp_x()) - 2 * m.border_px,
            whole_pixels(outer_height, tpp_y()) - 2 * m.border_px - m.caption_px};
}

std::pair<double, double> QtFormWindow::outer_size_for(QSize size) const {
    auto form = form_.lock();
    const auto m = host::frame_metrics(form ? form->border_style() : 2);
    // In doubles: a size near INT_MAX (a limit the API refuses) must not overflow on the way.
    return {(static_cast<double>(size.width()) + 2 * m.border_px) * tpp_x(),
            (static_cast<double>(size.height()) + 2 * m.border_px + m.caption_px) * tpp_y()};
}

void QtFormWindow::sync() {
    auto form = form_.lock();
    if (!form || form->closed() || !frame_) return;
    Busy busy(syncing_);
    if (!adopted_) {
        frame_->setWindowTitle(QString::fromStdString(try_text(*form, Prop::Caption).value_or("")));
        sync_menus(*form);
        if (!pictures_) pictures_ = std::make_unique<QtFormPictures>(*form, *frame_, *client_);
    }
    sync_geometry(*form);
    views_.sync(*form);
    views_.dress(*form, *client_, adopted_);
    apply_limits();
}

void QtFormWindow::sync_menus(mem::MemoryForm& form) {
    // The menu bar is built once the form is loaded.
    if (menus_built_ || !form.loaded()) return;
    menus_built_ = true;
    auto* bar = new QMenuBar(frame_);
    if (!build_menus(form, *bar)) {
        delete bar;
        return;
    }
    menu_bar_ = bar;
    menu_bar_->setFixedHeight(host::kMenuBarPixels);
}

void QtFormWindow::sync_geometry(mem::MemoryForm& form) {
    QWidget& w = *outer();
    const int state = form.window_state();
    if (state == 1) {
        if (!w.isMinimized() && w.isVisible()) w.showMinimized();
        return;
    }
    if (w.isMinimized()) w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    const auto r = form.rect_twips();
    const int mh = menu_height();
    const QSize size = window_size_for(r.width, r.height).expandedTo(QSize(0, mh));
    if (state == 2) {
        // The window system places a maximised window (resizing it would restore it); the
        // client area is the form's.
        if (!w.isMaximized() && w.isVisible())
            w.setWindowState(w.windowState() | Qt::WindowMaximized);
        place_client(size);
        return;
    }
    if (w.isMaximized()) w.setWindowState(w.windowState() & ~Qt::WindowMaximized);
    // An MDI child's place is in its parent's client area.
    w.move(whole_pixels(r.left, tpp_x()), whole_pixels(r.top, tpp_y()));
    resize_frame(size);
    place_client(size);
}

void QtFormWindow::resize_frame(QSize size) {
    QWidget& w = *frame_;
    // A size the program sets is not limited by the tracking limits: open them up first.
    w.setMinimumSize(w.minimumSize().boundedTo(size));
    w.setMaximumSize(w.maximumSize().expandedTo(size));
    if (!sub_) {
        if (w.size() != size) w.resize(size);
        return;
    }
    const QSize outer_size = size.grownBy(sub_margins());
    sub_->setMinimumSize(sub_->minimumSize().boundedTo(outer_size));
    sub_->setMaximumSize(sub_->maximumSize().expandedTo(outer_size));
    if (sub_->size() != outer_size) sub_->resize(outer_size);
    // The sub-window lays its widget out when it is shown; the form's size holds meanwhile.
    if (w.size() != size) w.resize(size);
}

void QtFormWindow::place_client(QSize window_size) {
    // An adopted window is its own client area.
    if (client_ == frame_) return;
    const int mh = menu_height();
    if (menu_bar_) menu_bar_->setGeometry(0, 0, window_size.width(), mh);
    client_->setGeometry(0, mh, window_size.width(), std::max(0, window_size.height() - mh));
}

void QtFormWindow::apply_limits() {
    auto form = form_.lock();
    if (!form || form->closed() || form->window_state() != 0 || !frame_) return;
    const MinMaxInfo info = form->track_limits();
    const MinMaxInfo base = form->default_track_limits();
    const auto m = host::frame_metrics(form->border_style());
    const int frame_w = 2 * m.border_px, frame_h = 2 * m.border_px + m.caption_px;
    // Only the limits the form asks for bind the window in Qt, where they bind the program's
    // resize too; the window system's own (the screen, a caption's width) stop the user's drag
    // in resized(), as they stop it on the runtime.
    const int kNone = QWIDGETSIZE_MAX;
    QSize min(info.min_track_size.x == base.min_track_size.x
                  ? 0
                  : std::max(0, info.min_track_size.x - frame_w),
              info.min_track_size.y == base.min_track_size.y
                  ? 0
                  : std::max(0, info.min_track_size.y - frame_h));
    QSize max(info.max_track_size.x == base.max_track_size.x
                  ? kNone
                  : std::max(0, info.max_track_size.x - frame_w),
              info.max_track_size.y == base.max_track_size.y
                  ? kNone
                  : std::max(0, info.max_track_size.y - frame_h));
    // A fixed border cannot be dragged at all.
    const int bs = form->border_style();
    const QSize now = frame_->size();
    if (bs != 2 && bs != 5 && form->kind() != mem::FormKind::MDIForm) min = max = now;
    // The form may stand outside its limits when the program put it there.
    Busy busy(syncing_);
    min = min.boundedTo(now);
    max = max.expandedTo(now).boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    frame_->setMinimumSize(min);
    frame_->setMaximumSize(max);
    if (sub_) {
        // The sub-window's border drag stops where the frame inside it would.
        const QMargins m = sub_margins();
        sub_->setMinimumSize(min.grownBy(m));
        sub_->setMaximumSize(max.grownBy(m).boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
    }
}

bool QtFormWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched != frame_ && watched != sub_) return false;
    // In an MDI area the sub-window is moved and changes state; the frame inside it is resized.
    const bool resizes = watched == frame_;
    const bool moves = watched == outer();
    switch (e->type()) {
        case QEvent::Resize:
            if (resizes) resized(e->spontaneous() || resizing_as_user_);
            return false;
        case QEvent::Move:
            if (moves) moved();
            return false;
        case QEvent::WindowStateChange:
            if (moves) state_changed();
            return false;
        case QEvent::Close:
            if (adopted_) {
                // The application's own close handling comes first: a window it keeps open
                // keeps its form.
                static_cast<QObject*>(frame_.data())->event(e);
                if (!e->isAccepted()) return true;
            }
            if (close_asked()) {
                e->accept();
                return adopted_;
            }
            e->ignore();
            return true;
        default:
            return false;
    }
}

void QtFormWindow::resized(bool by_user) {
    auto form = form_.lock();
    if (!form || form->closed()) return;
    // Widgets the application took away just before (with a page taken off, or given to a
    // layout) are not to be placed.
    if (watch_) watch_->forget_left();
    if (form->window_state() == 2 && adopted_ && frame_->isMaximized()) {
        // The window system chose the size of the application's maximised window: the form
        // takes it (once the form is brought up to date, when it was on its way). A form's own
        // window shows its client area at the form's maximised size, as on the memory host.
        if (syncing_) {
            QMetaObject::invokeMethod(
                this, [this] { resized(false); }, Qt::QueuedConnection);
            return;
        }
        const QSize size = frame_->size();
        place_client(size);
        QtPaintHold hold(*client_);
        const auto [w, h] = outer_size_for(size);
        form->maximized_at(w, h);
        host_.sync();
        return;
    }
    if (form->window_state() != 0) return;
    const QSize size = frame_->size();
    place_client(size);
    if (syncing_) return;
    const auto r = form->rect_twips();
    if (window_size_for(r.width, r.height) == size) return;
    // The user dragged the border: the form takes the window's new size within its limits
    // (a form the program put outside them snaps in, as on the runtime; the window's own limits
    // let it stand there). The program sizes its window as it likes, as it may a form. The
    // window paints once its widgets have followed.
    QtPaintHold hold(*client_);
    const auto [w, h] = outer_size_for(size);
    if (by_user)
        form->user_resize(w, h);
    else
        form->set_rect_twips({r.left, r.top, w, h});
    host_.sync();
}

void QtFormWindow::moved() {
    auto form = form_.lock();
    if (syncing_ || !form || form->closed() || form->window_state() != 0) return;
    // An MDI child that is not in an MDI area has no place of its own.
    if (form->mdi_parent() && !sub_) return;
    auto r = form->rect_twips();
    r.left = outer()->pos().x() * tpp_x();
    r.top = outer()->pos().y() * tpp_y();
    form->set_rect_twips(r);
}

bool QtFormWindow::close_asked() {
    auto form = form_.lock();
    if (!form || form->closed()) return true;
    // The user closes the window: QueryUnload and Unload may keep it open.
    const bool gone = form->close(0);
    host_.sync();
    return gone;
}

void QtFormWindow::state_changed() {
    if (syncing_) return;
    auto form = form_.lock();
    if (!form || form->closed()) return;
    const int state = outer()->isMinimized() ? 1 : outer()->isMaximized() ? 2 : 0;
    if (state == form->window_state()) return;
    form->set_window_state(state);
    // A sub-window changes its mode after its watchers have seen the event: bring it up to the
    // form once it has.
    if (sub_)
        QMetaObject::invokeMethod(
            this, [this] { host_.sync(); }, Qt::QueuedConnection);
    else
        host_.sync();
}

}  // namespace kv::qt
