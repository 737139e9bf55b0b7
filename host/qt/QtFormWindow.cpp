#include "host/qt/QtFormWindow.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QResizeEvent>
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

QtFormWindow::QtFormWindow(QtHost& host, const std::shared_ptr<mem::MemoryForm>& form)
    : host_(host), form_(form), input_(*this), views_(*this) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    client_ = form->kind() == mem::FormKind::MDIForm ? new QMdiArea(this) : new QWidget(this);
    client_->setObjectName(QString::fromStdString(form->name()));
    client_->setMouseTracking(true);
    client_->setFocusPolicy(Qt::ClickFocus);
    client_->setAutoFillBackground(true);
    input_.watch(client_);
    views_.set_client(client_);
}

QtFormWindow::~QtFormWindow() = default;

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
    if (!form || form->closed()) return;
    Busy busy(syncing_);
    setWindowTitle(QString::fromStdString(try_text(*form, Prop::Caption).value_or("")));
    sync_menus(*form);
    sync_geometry(*form);
    views_.sync(*form);
    views_.dress(*form, *client_);
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
        if (!menu_bar_) menu_bar_ = new QMenuBar(this);
        menu_bar_->addMenu(QString::fromStdString(try_text(*c, Prop::Caption).value_or("")));
    }
    if (menu_bar_) menu_bar_->setFixedHeight(host::kMenuBarPixels);
}

void QtFormWindow::sync_geometry(mem::MemoryForm& form) {
    const int state = form.window_state();
    if (state == 1) {
        if (!isMinimized() && isVisible()) showMinimized();
        return;
    }
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    const auto r = form.rect_twips();
    const int mh = menu_height();
    const QSize size = window_size_for(r.width, r.height).expandedTo(QSize(0, mh));
    const QSize client(size.width(), size.height() - mh);
    if (state == 2) {
        // The window system places a maximised window (resizing it would restore it); the
        // client area is the form's.
        if (!isMaximized() && isVisible()) setWindowState(windowState() | Qt::WindowMaximized);
        client_->setGeometry(0, mh, client.width(), client.height());
        return;
    }
    if (isMaximized()) setWindowState(windowState() & ~Qt::WindowMaximized);
    // A size the program sets is not limited by the tracking limits: open them up first.
    setMinimumSize(minimumSize().boundedTo(size));
    setMaximumSize(maximumSize().expandedTo(size));
    if (!form.mdi_parent()) move(px(r.left, tpp_x()), px(r.top, tpp_y()));
    if (this->size() != size) resize(size);
    if (menu_bar_) menu_bar_->setGeometry(0, 0, size.width(), mh);
    client_->setGeometry(0, mh, client.width(), client.height());
}

void QtFormWindow::apply_limits() {
    auto form = form_.lock();
    if (!form || form->closed() || form->window_state() != 0) return;
    const MinMaxInfo info = form->track_limits();
    const auto m = host::frame_metrics(form->border_style());
    const int frame_w = 2 * m.border_px, frame_h = 2 * m.border_px + m.caption_px;
    QSize min(std::max(0, info.min_track_size.x - frame_w),
              std::max(0, info.min_track_size.y - frame_h));
    QSize max(std::max(0, info.max_track_size.x - frame_w),
              std::max(0, info.max_track_size.y - frame_h));
    // A fixed border cannot be dragged at all.
    const int bs = form->border_style();
    if (bs != 2 && bs != 5 && form->kind() != mem::FormKind::MDIForm) min = max = size();
    // The form may stand outside its limits when the program put it there.
    Busy busy(syncing_);
    setMinimumSize(min.boundedTo(size()));
    setMaximumSize(max.expandedTo(size()).boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
}

void QtFormWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    auto form = form_.lock();
    if (!form || form->closed() || form->window_state() != 0) return;
    const int mh = menu_height();
    if (menu_bar_) menu_bar_->setGeometry(0, 0, width(), mh);
    client_->setGeometry(0, mh, width(), std::max(0, height() - mh));
    if (syncing_) return;
    const auto r = form->rect_twips();
    if (window_size_for(r.width, r.height) == size()) return;
    // The user dragged the border: the form takes the window's new size.
    const auto [w, h] = outer_size_for(size());
    form->set_rect_twips({r.left, r.top, w, h});
    host_.sync();
}

void QtFormWindow::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    auto form = form_.lock();
    if (syncing_ || !form || form->closed() || form->window_state() != 0 || form->mdi_parent())
        return;
    auto r = form->rect_twips();
    r.left = pos().x() * tpp_x();
    r.top = pos().y() * tpp_y();
    form->set_rect_twips(r);
}

void QtFormWindow::closeEvent(QCloseEvent* e) {
    auto form = form_.lock();
    if (!form || form->closed()) {
        e->accept();
        return;
    }
    // The user closes the window: QueryUnload and Unload may keep it open.
    auto keep = form;
    const bool gone = form->close(0);
    if (gone)
        e->accept();
    else
        e->ignore();
    host_.sync();
}

void QtFormWindow::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange || syncing_) return;
    auto form = form_.lock();
    if (!form || form->closed()) return;
    const int state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    if (state == form->window_state()) return;
    form->set_window_state(state);
    host_.sync();
}

}  // namespace kv::qt
