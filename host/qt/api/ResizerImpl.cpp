#include "host/qt/api/ResizerImpl.h"

#include <QLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "control/SettingsStrings.h"
#include "engine/CFormSizer.h"
#include "host/memory/MemoryPropertyBag.h"
#include "host/qt/QtWidgetAdoption.h"

namespace kelvane {

namespace {

// A side of -1 has no limit.
void check_size(QSize size, const char* what) {
    if (size.width() < -1 || size.height() < -1)
        throw std::invalid_argument(std::string("kelvane::Resizer: negative ") + what);
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

}  // namespace

std::string join_lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        if (!out.empty()) out += "\r\n";
        out += line;
    }
    return out;
}

// The window's widgets as controls of a new form, followed from here on.
void Resizer::Impl::adopt(const kv::qt::WidgetNames& kept) {
    form = host->adopt(*window, kept);
    if (auto* fw = form_window()) {
        fw->widget_watch()->set_before_change([this] { settle_now(); });
        fw->widget_watch()->set_listener(
            [this](const auto& added, const auto& gone) { widgets_changed(added, gone); });
    }
}

void Resizer::Impl::note_names() {
    names.clear();
    auto* fw = form_window();
    if (!fw || !form) return;
    for (const auto& c : form->all_controls())
        if (QWidget* w = fw->widget_of(c.get())) names.emplace_back(w, c->name());
}

// The window closed and is shown again: the resizer starts again from the widgets as they
// stand, restoring what it saved when the window closed.
void Resizer::Impl::reopen() {
    if (!control || !form || !form->closed() || !window) return;
    kv::qt::WidgetNames kept;
    for (const auto& [w, name] : names)
        if (w) kept.emplace(w.data(), name);
    host->sync();  // the closed form's window goes
    control.reset();
    // Sized while closed, the window is taken at the size its widgets stand for, and then
    // given the size asked for (unless the sizes saved at its close come back).
    const QSize asked = window->size();
    if (closing_size.isValid() && closing_size != asked) kv::qt::resize_now(*window, closing_size);
    adopt(kept);
    start();
    const kv::zokKelvane* z = resizer();
    if (window->size() == closing_size && asked != closing_size && !(z && z->SaveSizes()))
        window->resize(asked);
}

kv::qt::QtFormWindow* Resizer::Impl::form_window() const {
    return form ? host->find_window(form.get()) : nullptr;
}

// Widgets added or taken away since are known, or forgotten, from here on.
void Resizer::Impl::catch_up() const {
    auto* fw = form_window();
    if (fw && fw->widget_watch()) fw->widget_watch()->flush();
}

std::shared_ptr<kv::mem::MemoryObject> Resizer::Impl::object_of(const QWidget& w) const {
    catch_up();
    auto* fw = form_window();
    return fw ? fw->views().object_of(&w) : nullptr;
}

void Resizer::Impl::widgets_changed(
    const std::vector<std::shared_ptr<kv::mem::MemoryObject>>& added,
    const std::vector<std::string>& gone) {
    for (const auto& c : added)
        late.emplace_back(c->name(), c->class_name() == "CommandButton" ? "FFFFK" : "RRRRK");
    if (!gone.empty()) forget(gone);
    note_names();
    relayout();
}

// Settings lines and pane members that name a control that went.
void Resizer::Impl::forget(const std::vector<std::string>& gone) {
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

std::string Resizer::Impl::control_text() const {
    std::vector<std::string> lines = control_lines;
    auto anchored = [&](const std::string& name) { return anchor_index.count(name) != 0; };
    for (const auto& [name, modes] : late)
        if (!anchored(name)) lines.push_back(name + " \t" + modes);
    for (const auto& [name, modes] : anchors) lines.push_back(name + " \t" + modes);
    return join_lines(lines);
}

// The settle ticks still due, run now: the widgets stand where this size puts them.
void Resizer::Impl::settle_now() {
    kv::zokKelvane* z = resizer();
    if (!z || !form || form->closed()) return;
    for (int i = 0; i < 100 && z->resize_timer() && z->resize_timer()->enabled(); ++i)
        z->tmrResize_Timer();
}

// Once shown, a changed set of widgets or anchors is laid out anew: the resizer starts
// again from the widgets as they stand (the layout settled first), without moving the
// window.
void Resizer::Impl::relayout() {
    kv::zokKelvane* z = resizer();
    if (!z || !form || form->closed()) return;
    settle_now();
    z->ControlSettings(control_text());
    z->PaneSettings(join_lines(pane_lines));
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

std::string Resizer::Impl::known_name(const QWidget& w) const {
    auto obj = object_of(w);
    if (!obj) refuse_unknown(w);
    return obj->name();
}

void Resizer::Impl::refuse_unknown(const QWidget& w) const {
    const std::string what =
        "kelvane::Resizer: the widget " + (w.objectName().isEmpty()
                                               ? std::string(w.metaObject()->className())
                                               : "\"" + w.objectName().toStdString() + "\"");
    // The nearest widget above it that the resizer knows: a control, or the window.
    const QWidget* holder = w.parentWidget();
    std::shared_ptr<kv::mem::MemoryObject> holder_control;
    for (; holder && holder != window; holder = holder->parentWidget())
        if ((holder_control = object_of(*holder))) break;
    if (&w == window || !window || !holder)
        throw std::invalid_argument(what + " is not in the window");
    const std::string holder_name =
        holder_control ? "\"" + holder_control->name() + "\"" : std::string("the window");
    if (holder->layout())
        throw std::invalid_argument(what + " is placed by the QLayout of " + holder_name +
                                    ", which the resizer leaves it to");
    if (holder_control)
        throw std::invalid_argument(what + " is inside " + holder_name +
                                    ", which the resizer places as one control");
    throw std::invalid_argument(what +
                                " is a window, a bar or a part of Qt's own, not a "
                                "control the resizer places");
}

kv::zokKelvane* Resizer::Impl::resizer() const {
    return control ? dynamic_cast<kv::zokKelvane*>(control->user_control().get()) : nullptr;
}

// The resizer control placed on the form with the set-up collected, and the form shown.
void Resizer::Impl::start() {
    catch_up();
    kv::mem::MemoryPropertyBag bag;
    bag.set("ControlSettings", control_text());
    bag.set("PaneSettings", join_lines(pane_lines));
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

void Resizer::Impl::not_shown(const char* what) const {
    if (control)
        throw std::logic_error(std::string("kelvane::Resizer: ") + what +
                               " must be set before show()");
}

// A size limit in the form's outer twips, side by side (-1: none).
std::pair<int32_t, int32_t> Resizer::Impl::outer_twips(QSize size) const {
    auto* fw = form_window();
    if (!fw) return {-1, -1};
    const auto [w, h] = fw->outer_size_for(size.expandedTo(QSize(0, 0)));
    return {size.width() < 0 ? -1 : static_cast<int32_t>(std::lround(w)),
            size.height() < 0 ? -1 : static_cast<int32_t>(std::lround(h))};
}

void Resizer::Impl::check_limits() const {
    const bool w = min.width() >= 0 && max.width() >= 0 && max.width() < min.width();
    const bool h = min.height() >= 0 && max.height() >= 0 && max.height() < min.height();
    if (w || h) throw std::invalid_argument("kelvane::Resizer: maximum size below the minimum");
}

// The control keeps a limit in twips of 32 bits, counted with the window's frame.
void Resizer::Impl::check_twips(QSize size, const char* what) const {
    auto* fw = form_window();
    if (!fw) return;
    const auto [w, h] = fw->outer_size_for(size.expandedTo(QSize(0, 0)));
    constexpr double kMost = std::numeric_limits<int32_t>::max();
    const char* side = w > kMost ? "width" : h > kMost ? "height" : nullptr;
    if (side)
        throw std::invalid_argument(std::string("kelvane::Resizer: ") + what + " " +
                                    std::to_string(size.width()) + " x " +
                                    std::to_string(size.height()) + " too large: its " + side +
                                    " in twips, the window's frame included, passes " +
                                    std::to_string(std::numeric_limits<int32_t>::max()));
}

void Resizer::Impl::set_limit(QSize Resizer::Impl::*limit, QSize size, const char* what) {
    check_size(size, what);
    check_twips(size, what);
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

void Resizer::Impl::apply_limits() {
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

}  // namespace kelvane
