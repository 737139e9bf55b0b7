#pragma once
// The two windows the Qt resize measurements compare: N framed panels in a grid, laid out by
// Kelvane through its public API (every panel anchored RRRRK) or by a QGridLayout with stretching
// rows and columns, and one user's resize of either, timed up to the window painted.
#include <QSize>
#include <QWidget>
#include <memory>

#include "host/qt/QtHost.h"
#include "kelvane/Resizer.h"

namespace kv::bench {

// Both sizes fit the offscreen platform's screen (800 x 800): a window never grows past its
// screen on the forms platform, and both sides must resize to the same size.
constexpr QSize kSmall{640, 448}, kLarge{800, 560};
constexpr int kMargin = 8, kGap = 2;  // 20 000 panels leave room between their gaps

int columns_for(int n);

// A window of n framed panels in a grid: placed by hand at the small size, or in a QGridLayout.
std::unique_ptr<QWidget> grid_window(int n, bool with_layout);

// The Qt host, with message boxes answered without dialogs.
kv::qt::QtHost& quiet_host();

// A window of n panels under a resizer, shown and painted.
struct KelvaneWindow {
    std::unique_ptr<QWidget> window;
    std::unique_ptr<kelvane::Resizer> resizer;
};
KelvaneWindow kelvane_window(int n);

// The grid's window, shown and painted.
std::unique_ptr<QWidget> layout_window(int n);

// The event loop until the settle timer has stopped and what was asked to be painted is painted.
void run_until_painted();

// One resize and all that follows from it up to the window painted: Kelvane's, and the grid's
// with its painting held during the resize.
void resize_kelvane(QWidget& window, bool large);
void resize_grid(QWidget& window, bool large);

}  // namespace kv::bench
