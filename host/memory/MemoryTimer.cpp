#include "host/memory/MemoryTimer.h"

#include <algorithm>

namespace kv::mem {

MemoryTimer::MemoryTimer(std::shared_ptr<TimerQueue> queue, std::function<void()> on_tick)
    : queue_(queue), on_tick_(std::move(on_tick)) {
    if (queue) {
        queue->add(this);
        last_ms_ = queue->now_ms();
    }
}

MemoryTimer::~MemoryTimer() {
    if (auto q = queue_.lock()) q->remove(this);
}

void MemoryTimer::set_interval(int milliseconds) {
    interval_ = std::max(0, milliseconds);
    if (auto q = queue_.lock()) last_ms_ = q->now_ms();
}

void MemoryTimer::set_enabled(bool enabled) {
    if (enabled && !enabled_)
        if (auto q = queue_.lock()) last_ms_ = q->now_ms();
    enabled_ = enabled;
}

void TimerQueue::remove(MemoryTimer* t) {
    std::erase(timers_, t);
}

size_t TimerQueue::enabled_count() const {
    return static_cast<size_t>(std::count_if(timers_.begin(), timers_.end(), [](MemoryTimer* t) {
        return t->enabled_ && t->interval_ > 0;
    }));
}

int TimerQueue::run_idle() {
    ++now_ms_;
    // A tick may create, destroy, enable or disable timers: walk a snapshot and re-check that
    // each timer still exists and is due before ticking it.
    std::vector<MemoryTimer*> snapshot = timers_;
    int ticks = 0;
    for (MemoryTimer* t : snapshot) {
        if (std::find(timers_.begin(), timers_.end(), t) == timers_.end()) continue;
        if (!t->enabled_ || t->interval_ <= 0 || now_ms_ - t->last_ms_ < t->interval_) continue;
        t->last_ms_ = now_ms_;
        ++t->ticks_;
        ++ticks;
        if (t->on_tick_) {
            auto fn = t->on_tick_;  // the tick may destroy the timer
            fn();
        }
    }
    return ticks;
}

}  // namespace kv::mem
