#include "bench/PanelWindows.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QGridLayout>
#include <cmath>

#include "engine/Host.h"

namespace kv::bench {

int columns_for(int n) {
    return static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
}

std::unique_ptr<QWidget> grid_window(int n, bool with_layout) {
    auto window = std::make_unique<QWidget>();
    window->resize(kSmall);
    const int cols = columns_for(n), rows = (n + cols - 1) / cols;
    QGridLayout* grid = nullptr;
    if (with_layout) {
        grid = new QGridLayout(window.get());
        grid->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
        grid->setSpacing(kGap);
    }
    const double cw = (kSmall.width() - 2.0 * kMargin + kGap) / cols;
    const double ch = (kSmall.height() - 2.0 * kMargin + kGap) / rows;
    for (int i = 0; i < n; ++i) {
        auto* panel = new QFrame(window.get());
        panel->setFrameStyle(QFrame::Box);
        panel->setObjectName(QString("pnl%1").arg(i));
        const int r = i / cols, c = i % cols;
        if (grid) {
            grid->addWidget(panel, r, c);
        } else {
            panel->setGeometry(static_cast<int>(kMargin + c * cw),
                               static_cast<int>(kMargin + r * ch), static_cast<int>(cw - kGap),
                               static_cast<int>(ch - kGap));
        }
    }
    if (grid) {
        for (int c = 0; c < cols; ++c) grid->setColumnStretch(c, 1);
        for (int r = 0; r < rows; ++r) grid->setRowStretch(r, 1);
    }
    return window;
}

kv::qt::QtHost& quiet_host() {
    auto& host = kv::qt::QtHost::installed();
    host.set_interactive(false);
    return host;
}

KelvaneWindow kelvane_window(int n) {
    kelvane::Resizer::use_store(kelvane::memory_store());
    KelvaneWindow k;
    k.window = grid_window(n, false);
    k.resizer = std::make_unique<kelvane::Resizer>(*k.window);
    for (auto* panel : k.window->findChildren<QFrame*>(Qt::FindDirectChildrenOnly))
        k.resizer->anchor(*panel, "RRRRK");
    quiet_host();  // placement is kept in memory (the store above)
    k.resizer->show();
    run_until_painted();
    return k;
}

std::unique_ptr<QWidget> layout_window(int n) {
    auto window = grid_window(n, true);
    window->show();
    QCoreApplication::processEvents();
    return window;
}

void run_until_painted() {
    // The grid's process has no host, and so no settle timer.
    auto timers = [] {
        return kv::Host::has_current() ? kv::qt::QtHost::installed().running_timers() : 0;
    };
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::processEvents();
    while (timers() > 0 && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

void resize_kelvane(QWidget& window, bool large) {
    window.resize(large ? kLarge : kSmall);
    run_until_painted();
}

// The event loop run as for Kelvane's window (its last round, empty when nothing is left to
// paint, costs either side the same).
void resize_grid(QWidget& window, bool large) {
    window.setUpdatesEnabled(false);
    window.resize(large ? kLarge : kSmall);
    window.setUpdatesEnabled(true);
    run_until_painted();
}

}  // namespace kv::bench
