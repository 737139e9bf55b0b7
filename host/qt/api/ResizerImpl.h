#pragma once
// What a kelvane::Resizer keeps: the window it adopted as a form, the set-up the application
// gave it, and the resizer control it placed on the form once the window was shown.
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "control/zokKelvane.h"
#include "host/qt/QtFormWindow.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtWidgetAdoption.h"
#include "kelvane/Resizer.h"

namespace kelvane {

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
    std::unique_ptr<QObject> show_watch;  // tells when the window closes and is shown again

    // The window's widgets as controls of a new form, followed from here on.
    void adopt(const kv::qt::WidgetNames& kept = {});
    void note_names();
    // The window closed and is shown again: the resizer starts again from the widgets as they
    // stand, restoring what it saved when the window closed.
    void reopen();
    kv::qt::QtFormWindow* form_window() const;
    // Widgets added or taken away since are known, or forgotten, from here on.
    void catch_up() const;
    std::shared_ptr<kv::mem::MemoryObject> object_of(const QWidget& w) const;
    void widgets_changed(const std::vector<std::shared_ptr<kv::mem::MemoryObject>>& added,
                         const std::vector<std::string>& gone);
    // Settings lines and pane members that name a control that went.
    void forget(const std::vector<std::string>& gone);
    std::string control_text() const;
    // The settle ticks still due, run now: the widgets stand where this size puts them.
    void settle_now();
    // Once shown, a changed set of widgets or anchors is laid out anew: the resizer starts
    // again from the widgets as they stand (the layout settled first), without moving the
    // window.
    void relayout();
    std::string known_name(const QWidget& w) const;
    // Refuses a widget that is not one of the resizer's controls, saying why: not in the window,
    // left to a QLayout, inside a control placed as one, or no control at all.
    [[noreturn]] void refuse_unknown(const QWidget& w) const;
    kv::zokKelvane* resizer() const;
    // The resizer control placed on the form with the set-up collected, and the form shown.
    void start();
    void not_shown(const char* what) const;
    // A size limit in the form's outer twips, side by side (-1: none).
    std::pair<int32_t, int32_t> outer_twips(QSize size) const;
    void check_limits() const;
    void check_twips(QSize size, const char* what) const;
    void set_limit(QSize Impl::*limit, QSize size, const char* what);
    void apply_limits();
};

// The lines of a settings text as one text with CRLF between them.
std::string join_lines(const std::vector<std::string>& lines);

}  // namespace kelvane
