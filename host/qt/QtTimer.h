#pragma once
// A host timer on a QTimer: ticks come from the Qt event loop. The host counts the enabled
// timers so that it can run the loop until the settle timers have fired. The shortest interval
// ticks as soon as the loop is idle, without sleeping first.
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

    QtHost& host_;
    std::function<void()> on_tick_;
    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
    bool counted_ = false;  // running, and counted by the host
};

}  // namespace kv::qt
