#include "host/qt/QtFormWindow.h"

#include <QEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <cmath>

#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "host/common/FormFrame.h"
#include "host/qt/QtHost.h"

namespace kv::qt {

namespace {

// Sets the flag for the duration of a programmatic change, so that the events it raises are
// not taken for the user's doing.
struct Busy {
    explicit Busy(int& n) : n_(n) { ++n_; }
    ~Busy() { --n_; }
    int& n_;
};

int px(double twips, double tpp) {
    return static_cast<int>(std::lround(twips / tpp));
}

}  // namespace

QtFormWindow::QtFormWindow(QtHost& host, const std::shared_ptr<mem::MemoryForm>& form,
                           QWidget* adopted)
    : host_(host), form_(form), adopted_(adopted != nullptr), input_(*this), views_(*this) {
    if (adopted) {
        frame_ = adopted;
        client_ = adopted;
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
}

QtFormWindow::~QtFormWindow() {
    if (!frame_) return;
    frame_->removeEventFilter(this);
    if (adopted_) {
        client_->removeEventFilter(&input_);
        return;
    }
    delete frame_.data();
}

double QtFormWindow::tpp_x() const {
    return host_.twips_per_pixel_x();
}

double QtFormWindow::tpp_y() const {
    return host_.twips_per_pixel_y();
}

QWidget* QtFormWindow::widget_of(const mem::MemoryObject* object) const {
    auto form = form_.lock();
    if (form && object == form.get()) return client_;
    return views_.widget_of(object);
}

int QtFormWindow::menu_height() const {
    return menu_bar_ && !menu_bar_->actions().isEmpty() ? host::kMenuBarPixels : 0;
}

QSize QtFormWindow::window_size_for(double outer_width, double outer_height) const {
    auto form = form_.lock();
    const auto m = host::frame_metrics(form ? form->border_style() : 2);
    return {px(outer_width, tpp_x()) - 2 * m.border_px,
            px(outer_height, tpp_y()) - 2 * m.border_px - m.caption_px};
}

std::pair<double, double> QtFormWindow::outer_size_for(QSize size) const {
    auto form = form_.lock();
    const auto m = host::frame_metrics(form ? form->border_style() : 2);
    return {(size.width() + 2 * m.border_px) * tpp_x(),
            (size.height() + 2 * m.border_px + m.caption_px) * tpp_y()};
}

void QtFormWindow::sync() {
    auto form = form_.lock();
    if (!form || form->closed() || !frame_) return;
    Busy busy(syncing_);
    if (!adopted_) {
        frame_->setWindowTitle(QString::fromStdString(try_text(*form, Prop::Caption).value_or("")));
        sync_menus(*form);
    }
    sync_geometry(*form);
    views_.sync(*form);
    views_.dress(*form, *client_, adopted_);
    apply_limits();
}

void QtFormWindow::sync_menus(mem::MemoryForm& form) {
    // The menu bar lists the visible top-level menus; it is built once the form is loaded.
    if (menus_built_ || !form.loaded()) return;
    menus_built_ = true;
    for (const auto& c : form.all_controls()) {
        if (c->class_name() != "Menu") continue;
        try {
            c->get("MenuParent");
            continue;  // a submenu
        } catch (const Error&) {
        }
        if (!try_flag(*c, Prop::Visible).value_or(true)) continue;
        if (!menu_bar_) menu_bar_ = new QMenuBar(frame_);
        menu_bar_->addMenu(QString::fromStdString(try_text(*c, Prop::Caption).value_or("")));
    }
    if (menu_bar_) menu_bar_->setFixedHeight(host::kMenuBarPixels);
}

void QtFormWindow::sync_geometry(mem::MemoryForm& form) {
    QWidget& w = *frame_;
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
    // A size the program sets is not limited by the tracking limits: open them up first.
    w.setMinimumSize(w.minimumSize().boundedTo(size));
    w.setMaximumSize(w.maximumSize().expandedTo(size));
    if (!form.mdi_parent()) w.move(px(r.left, tpp_x()), px(r.top, tpp_y()));
    if (w.size() != size) w.resize(size);
    place_client(size);
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
    const auto m = host::frame_metrics(form->border_style());
    const int frame_w = 2 * m.border_px, frame_h = 2 * m.border_px + m.caption_px;
    QSize min(std::max(0, info.min_track_size.x - frame_w),
              std::max(0, info.min_track_size.y - frame_h));
    QSize max(std::max(0, info.max_track_size.x - frame_w),
              std::max(0, info.max_track_size.y - frame_h));
    // A fixed border cannot be dragged at all.
    const int bs = form->border_style();
    const QSize now = frame_->size();
    if (bs != 2 && bs != 5 && form->kind() != mem::FormKind::MDIForm) min = max = now;
    // The form may stand outside its limits when the program put it there.
    Busy busy(syncing_);
    frame_->setMinimumSize(min.boundedTo(now));
    frame_->setMaximumSize(max.expandedTo(now).boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
}

bool QtFormWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched != frame_) return false;
    switch (e->type()) {
        case QEvent::Resize:
            resized();
            return false;
        case QEvent::Move:
            moved();
            return false;
        case QEvent::WindowStateChange:
            state_changed();
            return false;
        case QEvent::Close:
            if (close_asked()) return false;
            e->ignore();
            return true;
        default:
            return false;
    }
}

void QtFormWindow::resized() {
    auto form = form_.lock();
    if (!form || form->closed() || form->window_state() != 0) return;
    const QSize size = frame_->size();
    place_client(size);
    if (syncing_) return;
    const auto r = form->rect_twips();
    if (window_size_for(r.width, r.height) == size) return;
    // The user dragged the border: the form takes the window's new size.
    const auto [w, h] = outer_size_for(size);
    form->set_rect_twips({r.left, r.top, w, h});
    host_.sync();
}

void QtFormWindow::moved() {
    auto form = form_.lock();
    if (syncing_ || !form || form->closed() || form->window_state() != 0 || form->mdi_parent())
        return;
    auto r = form->rect_twips();
    r.left = frame_->pos().x() * tpp_x();
    r.top = frame_->pos().y() * tpp_y();
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
    const int state = frame_->isMinimized() ? 1 : frame_->isMaximized() ? 2 : 0;
    if (state == form->window_state()) return;
    form->set_window_state(state);
    host_.sync();
}

}  // namespace kv::qt
