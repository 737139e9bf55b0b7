#pragma once
// Kelvane for a Qt application: attach a resizer to a window built with Qt widgets and its
// widgets follow the window's size the way each is told to, split panes get draggable dividers,
// the window keeps between a minimum and a maximum size and opens again where the user left it.
//
//     QWidget window;                      // widgets placed with setGeometry, as designed
//     kelvane::Resizer resizer(window);    // takes the window and its widgets as they stand
//     resizer.anchor(*list, "KKAKK")       // stays left, grows downwards, font kept
//            .anchor(*ok, "AAKKK")         // moves with the lower right corner
//            .split({list, text})          // a divider between the two
//            .minimum_size({480, 320})
//            .remember("MainWindow");      // placement and split saved for the next run
//     resizer.show();
//
// Modes, one letter per edge (left, top, right, bottom) and a fifth for the font. An edge's
// margin is its distance to the same side of its container:
//   K the margin stays: the edge follows its own side (K on every edge stretches the widget);
//   A the margin takes the whole change: the edge keeps its distance to the opposite side
//     (A on the right and bottom leaves the widget where it is);
//   R the margin grows in proportion; F the widget keeps its size and this edge follows the
//     other one (F on both edges of an axis centres it in proportion).
// The font: K keeps it, C scales it with the widget (by the smaller of its width's and its
// height's growth: a widget that keeps its size keeps its font). C and R are one mode under two
// names, and F on the font scales it too: any letter but K does.
//
// Set everything up before show(); later, anchor() and the size limits still change. Widgets the
// application adds to the window after the resizer was made follow it too: with the modes a
// later anchor() gives, else as AddAllControls registers them (RRRRK, a push button FFFFK
// unless it is checkable, a check box then); such a change lays the window out anew from the
// widgets as they stand. Widgets deleted or taken out of the window are forgotten. A window
// that has a QLayout is refused (std::invalid_argument): the layout would fight the resizer; so
// is a window that has a resizer already (until that one is gone). A QMainWindow is taken: its
// layout places only its bars and its central widget (anchor that "KKKKK" to keep the two in
// step), unless its central widget has a QLayout, which is refused as the window's would be. A
// panel with a QLayout of its own is one widget to the resizer, and a tab page with one keeps its
// widgets to it (a panel or page that gets a layout later leaves its widgets to it from then on;
// one whose layout is deleted gives them to the resizer); the widgets on a QTabWidget's pages (all
// pages, the one not on view too, and those added to a page or on a page added later) are the
// resizer's, placed from the tab widget's corner, go with a page deleted or taken off (with
// setParent(), or removeTab(), which keeps the page hidden in the tab widget), and come back with a
// page put back. A window that gets a QLayout after the resizer was made leaves all its widgets to
// it: the resizer says so once on stderr and keeps only the window's size limits and placement. A
// QApplication must exist first. The resizer tells the user of a set-up it cannot follow in a
// message box; on a platform nobody sees (offscreen, minimal) the message goes to stderr instead.
#include <QSize>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "kelvane/SettingsStore.h"

class QWidget;

namespace kelvane {

// Optional, before the application makes its QApplication: a runtime folder as Qt expects one
// (XDG_RUNTIME_DIR, a private 0700 folder, made when none is set) and, on a platform without a
// window system (offscreen, minimal), none of Qt's notes that it cannot tell a window manager
// about size limits. Other messages reach stderr as before.
void prepare_application();

class Resizer {
  public:
    explicit Resizer(QWidget& window);
    ~Resizer();
    Resizer(const Resizer&) = delete;
    Resizer& operator=(const Resizer&) = delete;

    // The store every resizer of the application saves to (default: file_store()). Takes effect
    // for windows shown after the call.
    static void use_store(std::shared_ptr<SettingsStore> store);

    // How `child` (a widget inside the window) follows a resize: 1 to 5 mode letters; missing
    // letters mean R. std::invalid_argument for another letter, or for a widget the resizer does
    // not place, saying why: not in the window, placed by a QLayout, or inside a widget placed
    // as one (the line edit of a combo box). Given again, the later modes hold.
    Resizer& anchor(const QWidget& child, std::string_view modes);
    // The same for several widgets at once, in the saved text form: lines of a control name,
    // a blank, a tab and the letters, separated by CR LF (name_of() tells a widget's name).
    Resizer& control_settings(std::string_view text);
    // A split pane: 2 to 4 widgets of one container, side by side or one above the other (or
    // four in a square), with a divider the user drags between them.
    Resizer& split(const std::vector<const QWidget*>& widgets);
    // Split panes in the saved text form: one line per pane, its control names separated by
    // single blanks, lines separated by CR LF.
    Resizer& pane_settings(std::string_view text);
    // Size limits of the window in pixels, as QWidget::setMinimumSize counts them; QSize()
    // takes a limit away, and a side of -1 has none (QSize(-1, 300): a minimum height only).
    // A maximum smaller than the minimum is refused (std::invalid_argument), and so is a side
    // larger than the resizer holds: it keeps a limit, the window's frame included, in twips of
    // 32 bits (some 143 million pixels at 96 dpi; QWIDGETSIZE_MAX fits).
    Resizer& minimum_size(QSize size);
    Resizer& maximum_size(QSize size);
    // Save the window's position, size and state and the splits when it closes, under `key`,
    // and restore them on show(). `key` names the window in the store: give each window its own.
    Resizer& remember(std::string_view key, bool window_state = true);

    // Start: the set-up is applied, the saved placement restored, and the window shown. A
    // window closed and shown again (by show() or by the application, a dialog opened anew) is
    // laid out anew from its widgets as they stand, with what was saved when it closed.
    void show();
    // Whether the resizer lays the window out now: shown and not closed since.
    bool shown() const;

    // The name the resizer gives a widget (its object name when that is a plain identifier not
    // taken by another); "" for a widget it does not know.
    std::string name_of(const QWidget& widget) const;
    // The window's size limits in use, in pixels (an invalid QSize when none).
    QSize minimum_size() const;
    QSize maximum_size() const;

  private:
    friend class ResizerWidget;
    // A resizer a designer placed on the window (ResizerWidget): the control goes by `name` and
    // starts from `properties`, its persisted properties as the designer saved them; their
    // ControlSettings and PaneSettings join the set-up collected above, the rest replace what
    // remember() gives (the size limits are set as above).
    using Property =
        std::pair<std::string, std::variant<std::monostate, bool, double, std::string>>;
    void place(std::string name, std::vector<Property> properties);

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace kelvane
