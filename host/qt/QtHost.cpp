#include "host/qt/QtHost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "engine/Error.h"
#include "host/memory/ChangeJournal.h"
#include "host/qt/QtFormWindow.h"
#include "host/qt/QtMessageBox.h"
#include "host/qt/QtPaintHold.h"
#include "host/qt/QtProcessSetup.h"
#include "host/qt/QtTimer.h"
#include "host/qt/QtWidgetAdoption.h"

namespace kv::qt {

std::shared_ptr<QtHost> QtHost::install() {
    auto host = std::make_shared<QtHost>();
    Host::set_current(host);
    return host;
}

QtHost& QtHost::installed() {
    if (Host::has_current())
        if (auto* h = dynamic_cast<QtHost*>(&Host::current())) return *h;
    throw Error::standard(kErrObjectNotSet);
}

QtHost::QtHost() {
    if (!QApplication::instance()) throw Error(kErrInvalidCall, "The Qt host needs a QApplication");
    read_screens();
}

QtHost::~QtHost() {
    for (auto& [form, window] : windows_) delete window.data();
    windows_.clear();
}

void QtHost::read_screens() {
    QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) return;
    const double tpp = 1440.0 / primary->logicalDotsPerInch();
    set_twips_per_pixel(tpp, tpp);
    std::vector<PixelRect> rects;
    auto add = [&](QScreen* s) {
        const QRect a = s->availableGeometry();
        rects.push_back({a.left(), a.top(), a.width(), a.height()});
    };
    add(primary);
    for (QScreen* s : QGuiApplication::screens())
        if (s != primary) add(s);
    set_screens(rects);
    // Other pixels: every widget's place may change.
    for (auto& [form, window] : windows_)
        if (auto f = forms_[form].lock()) mem::ChangeJournal::note_everything(*f);
}

QtFormWindow& QtHost::window(const std::shared_ptr<mem::MemoryForm>& form) {
    auto& w = windows_[form.get()];
    if (!w) {
        w = new QtFormWindow(*this, form);
        forms_[form.get()] = form;
    }
    return *w;
}

std::shared_ptr<mem::MemoryForm> QtHost::adopt(QWidget& window, const WidgetNames& kept) {
    AdoptedForm adopted = adopt_widgets(*this, window, kept);
    auto& w = windows_[adopted.form.get()];
    w = new QtFormWindow(*this, adopted.form, &window);
    forms_[adopted.form.get()] = adopted.form;
    for (const auto& [control, widget] : adopted.controls) w->views().adopt(control, *widget);
    return adopted.form;
}

QtFormWindow* QtHost::find_window(const mem::MemoryForm* form) const {
    auto it = windows_.find(form);
    return it == windows_.end() ? nullptr : it->second.data();
}

void QtHost::show(const std::shared_ptr<mem::MemoryForm>& form) {
    QtFormWindow* parent = form->mdi_parent() ? &window(form->mdi_parent()) : nullptr;
    QtFormWindow& w = window(form);
    if (parent) w.dock_in(*parent);
    form->show();
    w.sync();
    // Showing a child shows its MDI parent (the form did so above).
    if (parent) {
        parent->sync();
        parent->show_window();
    }
    w.show_window();
    sync();
}

void QtHost::sync() {
    if (syncing_) return;
    syncing_ = true;
    // Widgets that move while the form holds the update lock wait with their painting for the
    // lock's end. A lock no widget moved under (a pass's own) paints nothing anew.
    if (locked_ && !lock_held_) {
        lock_held_ = locked_;
        QtPaintHold::set_locked(lock_held_);
        if (lock_held_->updatesEnabled()) QtPaintHold::stop_updates(*lock_held_);
    }
    forget_closed();
    for (auto& [form, window] : windows_)
        if (window) window->sync();
    syncing_ = false;
}

void QtHost::forget_closed() {
    for (auto it = windows_.begin(); it != windows_.end();) {
        auto form = forms_[it->first].lock();
        if (form && !form->closed() && it->second) {
            ++it;
            continue;
        }
        if (QtFormWindow* w = it->second) {
            w->hide_window();
            w->deleteLater();
        }
        forms_.erase(it->first);
        it = windows_.erase(it);
    }
}

void QtHost::settle(int max_ms) {
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::processEvents();
    while (running_timers_ > 0 && clock.elapsed() < max_ms) {
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QCoreApplication::processEvents();
    sync();
}

int QtHost::msg_box(const std::string& text, int style, const std::string& title) {
    if (!interactive_ || pending_answers() > 0) return MemoryHost::msg_box(text, style, title);
    if (!platform_has_user()) {
        // A dialog nobody sees would wait for ever: the message goes to stderr and is answered
        // as a script would.
        std::string line;
        for (char c : text)
            if (c != '\r') line += c == '\n' ? ' ' : c;
        std::fprintf(stderr, "%s: %s\n", (title.empty() ? product_name() : title).c_str(),
                     line.c_str());
        return MemoryHost::msg_box(text, style, title);
    }
    const int answer = show_message_box(text, style, title.empty() ? product_name() : title);
    record_message({text, style, title, answer});
    return answer;
}

std::unique_ptr<Timer> QtHost::create_timer(std::function<void()> on_tick) {
    return std::make_unique<QtTimer>(*this, std::move(on_tick));
}

QWidget* QtHost::widget_of(WindowHandle hwnd) const {
    auto obj = const_cast<QtHost*>(this)->windows().object(hwnd);
    if (!obj) return nullptr;
    auto form = obj->form();
    QtFormWindow* w = form ? find_window(form.get()) : nullptr;
    return w ? w->widget_of(obj.get()) : nullptr;
}

bool QtHost::lock_window_update(WindowHandle hwnd) {
    const bool ok = MemoryHost::lock_window_update(hwnd);
    if (!ok) return false;
    // The window's painting is held once a sync moves widgets under the lock (sync()).
    locked_ = hwnd ? widget_of(hwnd) : nullptr;
    if (lock_held_ && lock_held_ != locked_) {
        // A window whose painting a resize holds paints when that hold ends.
        if (!QtPaintHold::holds(lock_held_)) QtPaintHold::resume_updates(*lock_held_);
        lock_held_ = nullptr;
        QtPaintHold::set_locked(nullptr);
    }
    return true;
}

WindowProc QtHost::set_window_proc(WindowHandle hwnd, WindowProc proc) {
    WindowProc old = MemoryHost::set_window_proc(hwnd, proc);
    // A new procedure may answer message 36 differently: ask it again.
    if (auto obj = windows().object(hwnd))
        if (auto form = obj->form())
            if (QtFormWindow* w = find_window(form.get()); w && obj.get() == form.get())
                w->apply_limits();
    return old;
}

void QtHost::set_capture(WindowHandle hwnd) {
    MemoryHost::set_capture(hwnd);
    QWidget* to = widget_of(hwnd);
    if (to == grabbed_) return;
    // Without a window system there is no mouse to grab: the capture is the forms model's.
    const bool grabs = platform_grabs_mouse();
    if (grabbed_ && grabs) grabbed_->releaseMouse();
    grabbed_ = to;
    if (grabbed_ && grabbed_->isVisible() && grabs) grabbed_->grabMouse();
}

void QtHost::release_capture() {
    MemoryHost::release_capture();
    if (grabbed_ && platform_grabs_mouse()) grabbed_->releaseMouse();
    grabbed_ = nullptr;
}

}  // namespace kv::qt
