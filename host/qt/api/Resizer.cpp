#include "kelvane/Resizer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <stdexcept>
#include <unordered_map>

#include "control/SettingsStrings.h"
#include "control/zokKelvane.h"
#include "engine/CFormSizer.h"
#include "host/memory/MemoryPropertyBag.h"
#include "host/qt/QtFormWindow.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtProcessSetup.h"
#include "host/qt/QtWidgetAdoption.h"

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

std::string join(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        if (!out.empty()) out += "\r\n";
        out += line;
    }
    return out;
}

// A side of -1 has no limit.
void check_size(QSize size, const char* what) {
    if (size.width() < -1 || size.height() < -1)
        throw std::invalid_argument(std::string("kelvane::Resizer: negative ") + what);
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

// The name a settings line starts with (up to its blank).
std::string_view line_key(std::string_view line) {
    return line.substr(0, line.find_first_of(" \t"));
}

std::vector<std::string> split_lines(std::string_view text) {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at <= text.size()) {
        const size_t end = text.find("\r\n", at);
        lines.emplace_back(text.substr(at, end == std::string_view::npos ? end : end - at));
        if (end == std::string_view::npos) break;
        at = end + 2;
    }
    return lines;
}

struct Resizer::Impl {
    std::shared_ptr<kv::qt::QtHost> host;
    QPointer<QWidget> window;
    std::shared_ptr<kv::mem::MemoryForm> form;
    std::shared_ptr<kv::mem::MemoryObject> control;  // the resizer on the form, once shown
    // anchor()'s modes by control name, in the order given; control_settings()' own lines.
    std::vector<std::pair<std::string, std::string>> anchors;
    std::unordered_map<std::string, size_t> anchor_index;  // name -> its place in anchors
    std::vector<std::string> control_lines, pane_lines;
    // Controls of widgets the application added after the resizer was made, with the letters
    // AddAllControls would give them unless anchor() says otherwise.
    std::vector<std::pair<std::string, std::string>> late;
    QSize min, max;
    std::string key;
    bool window_state = true;
    std::optional<std::vector<Property>> placed;  // a designer's resizer (place())
    std::string control_name = "zokKelvane1";
    // The controls' names by widget, as last known: a window shown again after it closed is
    // adopted anew with them, so that the settings naming them hold.
    std::vector<std::pair<QPointer<QWidget>, std::string>> names;
    QSize closing_size;  // the window's size as it closed: its widgets stand for that size
    std::unique_ptr<ShowWatch> show_watch;

    // The window's widgets as controls of a new form, followed from here on.
    void adopt(const kv::qt::WidgetNames& kept = {}) {
        form = host->adopt(*window, kept);
        if (auto* fw = form_window()) {
            fw->widget_watch()->set_before_change([this] { settle_now(); });
            fw->widget_watch()->set_listener(
                [this](const auto& added, const auto& gone) { widgets_changed(added, gone); });
        }
    }
    void note_names() {
        names.clear();
        auto* fw = form_window();
        if (!fw || !form) return;
        for (const auto& c : form->all_controls())
            if (QWidget* w = fw->widget_of(c.get())) names.emplace_back(w, c->name());
    }
    // The window closed and is shown again: the resizer starts again from the widgets as they
    // stand, restoring what it saved when the window closed.
    void reopen() {
        if (!control || !form || !form->closed() || !window) return;
        kv::qt::WidgetNames kept;
        for (const auto& [w, name] : names)
            if (w) kept.emplace(w.data(), name);
        host->sync();  // the closed form's window goes
        control.reset();
        // Sized while closed, the window is taken at the size its widgets stand for, and then
        // given the size asked for (unless the sizes saved at its close come back).
        const QSize asked = window->size();
        if (closing_size.isValid() && closing_size != asked)
            kv::qt::resize_now(*window, closing_size);
        adopt(kept);
        start();
        const kv::zokKelvane* z = resizer();
        if (window->size() == closing_size && asked != closing_size && !(z && z->SaveSizes()))
            window->resize(asked);
    }
    kv::qt::QtFormWindow* form_window() const {
        return form ? host->find_window(form.get()) : nullptr;
    }
    // Widgets added or taken away since are known, or forgotten, from here on.
    void catch_up() const {
        auto* fw = form_window();
        if (fw && fw->widget_watch()) fw->widget_watch()->flush();
    }
    std::shared_ptr<kv::mem::MemoryObject> object_of(const QWidget& w) const {
        catch_up();
        auto* fw = form_window();
        return fw ? fw->views().object_of(&w) : nullptr;
    }
    void widgets_changed(const std::vector<std::shared_ptr<kv::mem::MemoryObject>>& added,
                         const std::vector<std::string>& gone) {
        for (const auto& c : added)
            late.emplace_back(c->name(), c->class_name() == "CommandButton" ? "FFFFK" : "RRRRK");
        if (!gone.empty()) forget(gone);
        note_names();
        relayout();
    }
    // Settings lines and pane members that name a control that went.
    void forget(const std::vector<std::string>& gone) {
        auto is_gone = [&](std::string_view key) {
            return std::find(gone.begin(), gone.end(), key) != gone.end();
        };
        std::erase_if(anchors, [&](const auto& a) { return is_gone(a.first); });
        anchor_index.clear();
        for (size_t i = 0; i < anchors.size(); ++i) anchor_index[anchors[i].first] = i;
        std::erase_if(late, [&](const auto& a) { return is_gone(a.first); });
        std::vector<std::string> kept;
        for (const auto& chunk : control_lines)
            for (auto& line : split_lines(chunk))
                if (!is_gone(line_key(line))) kept.push_back(std::move(line));
        control_lines = std::move(kept);
        std::vector<std::string> panes;
        for (const auto& chunk : pane_lines)
            for (const auto& line : split_lines(chunk)) {
                std::string members;
                int count = 0;
                for (const auto& name : QString::fromStdString(line).split(' ')) {
                    if (name.isEmpty() || is_gone(name.toStdString())) continue;
                    members += (count++ ? " " : "") + name.toStdString();
                }
                // A pane of one is no pane.
                if (count >= 2) panes.push_back(members);
            }
        pane_lines = std::move(panes);
    }
    std::string control_text() const {
        std::vector<std::string> lines = control_lines;
        auto anchored = [&](const std::string& name) { return anchor_index.count(name) != 0; };
        for (const auto& [name, modes] : late)
            if (!anchored(name)) lines.push_back(name + " \t" + modes);
        for (const auto& [name, modes] : anchors) lines.push_back(name + " \t" + modes);
        return join(lines);
    }
    // The settle ticks still due, run now: the widgets stand where this size puts them.
    void settle_now() {
        kv::zokKelvane* z = resizer();
        if (!z || !form || form->closed()) return;
        for (int i = 0; i < 100 && z->resize_timer() && z->resize_timer()->enabled(); ++i)
            z->tmrResize_Timer();
    }
    // Once shown, a changed set of widgets or anchors is laid out anew: the resizer starts
    // again from the widgets as they stand (the layout settled first), without moving the
    // window.
    void relayout() {
        kv::zokKelvane* z = resizer();
        if (!z || !form || form->closed()) return;
        settle_now();
        z->ControlSettings(control_text());
        z->PaneSettings(join(pane_lines));
        const bool pos = z->SavePos(), sizes = z->SaveSizes(), state = z->SaveWindowState();
        z->SavePos(false);
        z->SaveSizes(false);
        z->SaveWindowState(false);
        z->Reset();
        z->Reinitialize();
        z->SavePos(pos);
        z->SaveSizes(sizes);
        z->SaveWindowState(state);
        // Starting again took the limits away with the old layout: the window keeps its own.
        apply_limits();
    }
    std::string known_name(const QWidget& w) const {
        auto obj = object_of(w);
        if (!obj) throw std::invalid_argument("kelvane::Resizer: the widget is not in the window");
        return obj->name();
    }
    kv::zokKelvane* resizer() const {
        return control ? dynamic_cast<kv::zokKelvane*>(control->user_control().get()) : nullptr;
    }
    // The resizer control placed on the form with the set-up collected, and the form shown.
    void start() {
        catch_up();
        kv::mem::MemoryPropertyBag bag;
        bag.set("ControlSettings", control_text());
        bag.set("PaneSettings", join(pane_lines));
        // The room the bars on the window's edges take as it stands (a form file keeps it with its
        // resizer): the other widgets' places are counted from it, not moved by it.
        double left = 0, top = 0, bottom = 0, right = 0;
        kv::get_align_sizes(form->control_collection(), form, left, top, bottom, right);
        bag.set("AlignBLeft", left);
        bag.set("AlignBTop", top);
        bag.set("AlignBBottom", bottom);
        bag.set("AlignBRight", right);
        if (placed) {
            for (const auto& [name, value] : *placed) bag.set(name, value);
        } else {
            const bool keep = !key.empty();
            bag.set("SubKey", key);
            bag.set("SavePos", keep);
            bag.set("SaveSizes", keep);
            bag.set("SaveWindowState", keep && window_state);
            bag.set("SavePaneSplit", keep);
        }
        const auto [min_w, min_h] = outer_twips(min);
        const auto [max_w, max_h] = outer_twips(max);
        bag.set("MinWidth", static_cast<double>(min_w));
        bag.set("MinHeight", static_cast<double>(min_h));
        bag.set("MaxWidth", static_cast<double>(max_w));
        bag.set("MaxHeight", static_cast<double>(max_h));
        const int state = window->windowState() & Qt::WindowMinimized   ? 1
                          : window->windowState() & Qt::WindowMaximized ? 2
                                                                        : 0;
        control = form->add_user_control(kv::kZokKelvaneClassId, control_name, nullptr, &bag);
        // A window the application shows maximised or minimised opens so, once its widgets
        // were taken as they stand (unless a state saved at its last close came back).
        if (state != 0) {
            form->load();
            if (form->window_state() == 0) form->set_window_state(state);
        }
        host->show(form);
        note_names();
    }
    void not_shown(const char* what) const {
        if (control)
            throw std::logic_error(std::string("kelvane::Resizer: ") + what +
                                   " must be set before show()");
    }
    // A size limit in the form's outer twips, side by side (-1: none).
    std::pair<int32_t, int32_t> outer_twips(QSize size) const {
        auto* fw = form_window();
        if (!fw) return {-1, -1};
        const auto [w, h] = fw->outer_size_for(size.expandedTo(QSize(0, 0)));
        return {size.width() < 0 ? -1 : static_cast<int32_t>(std::lround(w)),
                size.height() < 0 ? -1 : static_cast<int32_t>(std::lround(h))};
    }
    void check_limits() const {
        const bool w = min.width() >= 0 && max.width() >= 0 && max.width() < min.width();
        const bool h = min.height() >= 0 && max.height() >= 0 && max.height() < min.height();
        if (w || h) throw std::invalid_argument("kelvane::Resizer: maximum size below the minimum");
    }
    void set_limit(QSize Impl::*limit, QSize size, const char* what) {
        check_size(size, what);
        const QSize was = this->*limit;
        this->*limit = size;
        try {
            check_limits();
        } catch (...) {
            this->*limit = was;
            throw;
        }
        apply_limits();
    }
    void apply_limits() {
        kv::zokKelvane* z = resizer();
        if (!z) return;
        const auto [min_w, min_h] = outer_twips(min);
        const auto [max_w, max_h] = outer_twips(max);
        z->MinWidth(min_w);
        z->MinHeight(min_h);
        z->MaxWidth(max_w);
        z->MaxHeight(max_h);
        host->sync();
    }
};

Resizer::Resizer(QWidget& window) : impl_(std::make_unique<Impl>()) {
    // Two layout systems would fight over the same widgets. A main window's own layout places
    // only its bars and its central widget, which the resizer keeps in step.
    if (window.layout() && !qobject_cast<QMainWindow*>(&window))
        throw std::invalid_argument(
            "kelvane::Resizer: the window already has a QLayout, which places its widgets "
            "itself; remove the layout, or give the resizer a window without one");
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
        if (!obj) throw std::invalid_argument("kelvane::Resizer: the widget is not in the window");
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
