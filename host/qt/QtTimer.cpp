#include "host/qt/QtTimer.h"

#include <QPointer>
#include <algorithm>

#include "host/qt/QtHost.h"

namespace kv::qt {

QtTimer::QtTimer(QtHost& host, std::function<void()> on_tick)
    : host_(host), on_tick_(std::move(on_tick)) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

QtTimer::~QtTimer() {
    enabled_ = false;
    update();
}

void QtTimer::tick() {
    auto tick = on_tick_;  // the tick may destroy this timer
    QtHost& host = host_;
    tick();
    host.sync();
}

void QtTimer::set_interval(int milliseconds) {
    interval_ = std::max(0, milliseconds);
    if (!ticks_when_idle()) timer_.setInterval(interval_);
    update();
}

void QtTimer::set_enabled(bool enabled) {
    enabled_ = enabled;
    update();
}

// An interval of 0 never ticks, as on the forms runtime.
void QtTimer::update() {
    const bool run = enabled_ && interval_ > 0;
    if (run != counted_) host_.count_timer(run ? 1 : -1);
    counted_ = run;
    if (run && ticks_when_idle()) {
        timer_.stop();
        post_tick();
        return;
    }
    if (run && !timer_.isActive()) timer_.start();
    if (!run) timer_.stop();
}

// One posted call at a time; it goes with the timer (its receiver) if the timer goes first. A
// tick that leaves the timer running posts the next, which Qt delivers on the loop's next round.
void QtTimer::post_tick() {
    if (tick_posted_) return;
    tick_posted_ = true;
    QMetaObject::invokeMethod(
        &timer_,
        [this] {
            tick_posted_ = false;
            if (!counted_ || !ticks_when_idle()) return;
            QPointer<QTimer> alive(&timer_);
            tick();
            if (alive && counted_ && ticks_when_idle()) post_tick();
        },
        Qt::QueuedConnection);
}

}  // namespace kv::qt
