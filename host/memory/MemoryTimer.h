#pragma once
// Timers of the memory host and the queue the message loop runs them from. Time is virtual: each
// idle round of the loop is one millisecond; a timer is due when its interval has passed since it
// was enabled or last ticked (a 1 ms timer is due on every idle round). Interval 0 never ticks.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/Host.h"

namespace kv::mem {

class TimerQueue;

class MemoryTimer : public Timer {
  public:
    MemoryTimer(std::shared_ptr<TimerQueue> queue, std::function<void()> on_tick);
    ~MemoryTimer() override;
    MemoryTimer(const MemoryTimer&) = delete;
    MemoryTimer& operator=(const MemoryTimer&) = delete;

    void set_interval(int milliseconds) override;
    void set_enabled(bool enabled) override;
    bool enabled() const override { return enabled_; }
    int interval() const { return interval_; }
    int ticks() const { return ticks_; }

  private:
    friend class TimerQueue;
    std::weak_ptr<TimerQueue> queue_;
    std::function<void()> on_tick_;
    int interval_ = 1;
    bool enabled_ = false;
    int64_t last_ms_ = 0;  // virtual time when enabled or last ticked
    int ticks_ = 0;
};

class TimerQueue {
  public:
    // One idle round: advance the clock by 1 ms, then tick every due enabled timer once, in
    // creation order. Returns the number of ticks.
    int run_idle();
    // Advance the virtual clock without running anything.
    void advance(int64_t ms) { now_ms_ += ms; }
    int64_t now_ms() const { return now_ms_; }
    size_t enabled_count() const;
    size_t size() const { return timers_.size(); }

  private:
    friend class MemoryTimer;
    void add(MemoryTimer* t) { timers_.push_back(t); }
    void remove(MemoryTimer* t);

    std::vector<MemoryTimer*> timers_;  // creation order; timers deregister when destroyed
    int64_t now_ms_ = 0;
};

}  // namespace kv::mem
