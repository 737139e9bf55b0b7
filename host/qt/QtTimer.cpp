#include "host/qt/QtTimer.h"

#include <algorithm>

#include "host/qt/QtHost.h"

namespace kv::qt {

QtTimer::QtTimer(QtHost& host, std::function<void()> on_tick)
    : host_(host), on_tick_(std::move(on_tick)) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto tick = on_tick_;  // the tick may destroy this timer
        QtHost& host = host_;
        tick();
        host.sync();
    });
}

QtTimer::~QtTimer() {
    enabled_ = false;
    update();
}

void QtTimer::set_interval(int milliseconds) {
    interval_ = std::max(0, milliseconds);
    // The shortest interval means "as soon as the message loop is idle", as the forms runtime
    // has it: a Qt timer of 0 fires once the pending events are handled, with no sleep between.
    timer_.setInterval(interval_ <= 1 ? 0 : interval_);
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
    if (run && !timer_.isActive()) timer_.start();
    if (!run) timer_.stop();
}

}  // namespace kv::qt
