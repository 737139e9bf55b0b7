#pragma once
// A host timer on the Qt event loop. The host counts the enabled timers so that it can run the
// loop until the settle timers have fired. The shortest interval ticks as soon as the loop is
// back, without sleeping first: a call posted to the loop, which comes before the repaint Qt
// posts for a window (at a lower priority), so a resize's settle tick runs while what the
// resize touched is still in the caches, and the window is painted once, settled.
#include <QTimer>
#include <functional>

#include "engine/Host.h"

namespace kv::qt {

class QtHost;

class QtTimer : public Timer {
  public:
    QtTimer(QtHost& host, std::function<void()> on_tick);
    ~QtTimer() override;
    void set_interval(int milliseconds) override;
    void set_enabled(bool enabled) override;
    bool enabled() const override { return enabled_; }

  private:
    void update();
    bool ticks_when_idle() const { return interval_ <= 1; }
    void post_tick();
    void tick();

    QtHost& host_;
    std::function<void()> on_tick_;
    QTimer timer_;  // longer intervals; the receiver of the posted ticks too
    int interval_ = 0;
    bool enabled_ = false;
    bool counted_ = false;      // running, and counted by the host
    bool tick_posted_ = false;  // a posted tick is on its way
};

}  // namespace kv::qt
