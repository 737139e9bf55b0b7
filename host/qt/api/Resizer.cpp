#include "kelvane/Resizer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <stdexcept>

#include "control/SettingsStrings.h"
#include "control/zokKelvane.h"
#include "host/qt/QtFormWindow.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtProcessSetup.h"
#include "host/qt/QtWidgetAdoption.h"
#include "host/qt/api/ResizerImpl.h"

namespace kelvane {

namespace {

// The application's store as the host's (the application's store has one tree: the user's).
class ApplicationStore : public kv::SettingsStore {
  public:
    explicit ApplicationStore(std::shared_ptr<kelvane::SettingsStore> store)
        : store_(std::move(store)) {}
    std::optional<std::string> read(uint32_t, const std::string& key_path,
                                    const std::string& name) override {
        return store_->read(key_path, name);
    }
    bool write(uint32_t, const std::string& key_path, const std::string& name,
               const std::string& value) override {
        return store_->write(key_path, name, value);
    }

  private:
    std::shared_ptr<kelvane::SettingsStore> store_;
};

// Tells when the window closes and when it is shown: shown after it closed, the resizer starts
// anew on it, as a form shown again after its unload loads anew.
class ShowWatch : public QObject {
  public:
    ShowWatch(std::function<void()> closing, std::function<void()> shown)
        : closing_(std::move(closing)), shown_(std::move(shown)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Close) closing_();
        if (e->type() == QEvent::Show) shown_();
        return false;
    }

  private:
    std::function<void()> closing_, shown_;
};

std::shared_ptr<SettingsStore>& chosen_store() {
    static std::shared_ptr<SettingsStore> store;
    return store;
}

// The Qt host every resizer of the application shares, made with the first one.
std::shared_ptr<kv::qt::QtHost> shared_host() {
    std::shared_ptr<kv::qt::QtHost> host;
    if (kv::Host::has_current())
        if (auto* h = dynamic_cast<kv::qt::QtHost*>(&kv::Host::current()))
            host = std::static_pointer_cast<kv::qt::QtHost>(h->shared_from_this());
    if (!host) {
        if (!QCoreApplication::instance())
            throw std::logic_error("kelvane::Resizer: make the QApplication first");
        host = kv::qt::QtHost::install();
        host->set_user_mode(true);
        host->set_running_under_designer(false);
        host->set_interactive(true);
        host->set_write_log_enabled(false);
        const QString app = QCoreApplication::applicationName();
        if (!app.isEmpty()) host->set_product_name(app.toStdString());
        if (!chosen_store()) chosen_store() = file_store();
        host->set_settings_store(std::make_shared<ApplicationStore>(chosen_store()));
    }
    if (!host->has_user_control(kv::kZokKelvaneClassId))
        host->register_user_control(kv::kZokKelvaneClassId, [] { return kv::make_zokKelvane(); });
    return host;
}

}  // namespace

void prepare_application() {
    kv::qt::prepare_qt_process();
}

// The windows that have a resizer now. A second resizer would lay the same widgets out against
// the first, each undoing the other's moves. A window deleted first leaves a null entry.
std::vector<QPointer<QWidget>>& windows_with_resizer() {
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

bool has_resizer(const QWidget& window) {
    auto& windows = windows_with_resizer();
    windows.erase(std::remove(windows.begin(), windows.end(), nullptr), windows.end());
    return std::find(windows.begin(), windows.end(), &window) != windows.end();
}

Resizer::Resizer(QWidget& window) : impl_(std::make_unique<Impl>()) {
    // Two layout systems would fight over the same widgets. A main window's own layout places
    // only its bars and its central widget, which the resizer keeps in step.
    auto* main = qobject_cast<QMainWindow*>(&window);
    if (window.layout() && !main)
        throw std::invalid_argument(
            "kelvane::Resizer: the window already has a QLayout, which places its widgets "
            "itself; remove the layout, or give the resizer a window without one");
    if (main && main->centralWidget() && main->centralWidget()->layout())
        throw std::invalid_argument(
            "kelvane::Resizer: the main window's central widget has a QLayout, which places its "
            "widgets itself; remove the layout, or give the resizer a window without one");
    if (has_resizer(window))
        throw std::invalid_argument(
            "kelvane::Resizer: the window already has a resizer, and two would undo each "
            "other's moves; give the set-up to the one there is");
    impl_->host = shared_host();
    impl_->window = &window;
    impl_->adopt();
    windows_with_resizer().emplace_back(&window);
}

Resizer::~Resizer() {
    if (QWidget* window = impl_->window) {
        auto& windows = windows_with_resizer();
        windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
    }
    auto& host = impl_->host;
    if (auto* fw = impl_->form_window())
        if (auto* watch = fw->widget_watch()) {
            watch->set_listener({});
            watch->set_before_change({});
        }
    // The window goes as its user would close it: placement and splits are saved.
    if (impl_->form && !impl_->form->closed()) {
        try {
            impl_->form->close(0);
        } catch (const std::exception&) {
        }
    }
    host->sync();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    impl_->control.reset();
    impl_->form.reset();
    // The last resizer takes the host it made along.
    if (host.use_count() == 2 && kv::Host::has_current() && &kv::Host::current() == host.get())
        kv::Host::set_current(nullptr);
}

void Resizer::use_store(std::shared_ptr<SettingsStore> store) {
    if (!store) throw std::invalid_argument("kelvane::Resizer::use_store: no store");
    chosen_store() = store;
    if (kv::Host::has_current())
        if (auto* h = dynamic_cast<kv::qt::QtHost*>(&kv::Host::current()))
            h->set_settings_store(std::make_shared<ApplicationStore>(store));
}

Resizer& Resizer::anchor(const QWidget& child, std::string_view modes) {
    if (modes.empty() || modes.size() > 5 ||
        modes.find_first_not_of("KARCF") != std::string_view::npos)
        throw std::invalid_argument(
            "kelvane::Resizer::anchor: expected 1 to 5 of K, A, R, C, F, found '" +
            std::string(modes) + "'");
    const std::string name = impl_->known_name(child);
    auto& anchors = impl_->anchors;
    auto [at, added] = impl_->anchor_index.try_emplace(name, anchors.size());
    if (added)
        anchors.emplace_back(name, modes);
    else
        anchors[at->second].second = modes;
    impl_->relayout();
    return *this;
}

Resizer& Resizer::control_settings(std::string_view text) {
    impl_->not_shown("control_settings");
    impl_->control_lines.emplace_back(kv::with_crlf_lines(text));
    return *this;
}

Resizer& Resizer::split(const std::vector<const QWidget*>& widgets) {
    impl_->not_shown("split");
    if (widgets.size() < 2 || widgets.size() > 4)
        throw std::invalid_argument("kelvane::Resizer::split: 2 to 4 widgets");
    std::string line;
    std::shared_ptr<kv::mem::MemoryObject> container;
    for (const QWidget* w : widgets) {
        if (!w) throw std::invalid_argument("kelvane::Resizer::split: no widget");
        if (std::count(widgets.begin(), widgets.end(), w) > 1)
            throw std::invalid_argument("kelvane::Resizer::split: a widget given twice");
        auto obj = impl_->object_of(*w);
        if (!obj) impl_->refuse_unknown(*w);
        if (!line.empty() && obj->container_object() != container)
            throw std::invalid_argument("kelvane::Resizer::split: widgets of one container");
        container = obj->container_object();
        line += (line.empty() ? "" : " ") + obj->name();
    }
    impl_->pane_lines.push_back(line);
    return *this;
}

Resizer& Resizer::pane_settings(std::string_view text) {
    impl_->not_shown("pane_settings");
    impl_->pane_lines.emplace_back(kv::with_crlf_lines(text));
    return *this;
}

Resizer& Resizer::minimum_size(QSize size) {
    impl_->set_limit(&Impl::min, size, "minimum size");
    return *this;
}

Resizer& Resizer::maximum_size(QSize size) {
    impl_->set_limit(&Impl::max, size, "maximum size");
    return *this;
}

Resizer& Resizer::remember(std::string_view key, bool window_state) {
    impl_->not_shown("remember");
    if (key.empty()) throw std::invalid_argument("kelvane::Resizer::remember: an empty key");
    impl_->key = key;
    impl_->window_state = window_state;
    return *this;
}

void Resizer::show() {
    Impl& d = *impl_;
    if (!d.window || !d.form) throw std::logic_error("kelvane::Resizer: the window is gone");
    if (!d.control) {
        d.start();
        d.show_watch = std::make_unique<ShowWatch>(
            [&d] { d.closing_size = d.window ? d.window->size() : QSize(); }, [&d] { d.reopen(); });
        d.window->installEventFilter(d.show_watch.get());
        d.host->settle();
        return;
    }
    // Shown again after it closed, the window is laid out anew (ShowWatch; a window still
    // visible sends no Show).
    const bool again = d.form->closed();
    d.window->show();
    d.reopen();
    if (again) d.host->settle();
}

void Resizer::place(std::string name, std::vector<Property> properties) {
    impl_->not_shown("place");
    impl_->control_name = std::move(name);
    // The settings texts join those anchor() and split() collect, so that a window laid out
    // anew keeps them.
    std::vector<Property> rest;
    for (auto& p : properties) {
        const auto* text = std::get_if<std::string>(&p.second);
        if (p.first == "ControlSettings" && text)
            impl_->control_lines.push_back(*text);
        else if (p.first == "PaneSettings" && text)
            impl_->pane_lines.push_back(*text);
        else
            rest.push_back(std::move(p));
    }
    impl_->placed = std::move(rest);
}

bool Resizer::shown() const {
    return impl_->window && impl_->control && impl_->form && !impl_->form->closed();
}

std::string Resizer::name_of(const QWidget& widget) const {
    auto obj = impl_->object_of(widget);
    return obj ? obj->name() : std::string();
}

QSize Resizer::minimum_size() const {
    return impl_->min;
}

QSize Resizer::maximum_size() const {
    return impl_->max;
}

}  // namespace kelvane
