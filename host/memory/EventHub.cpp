#include "host/memory/EventHub.h"

#include <algorithm>

namespace kv::mem {

class EventHub::Connection : public EventConnection {
  public:
    Connection(std::weak_ptr<State> state, uint64_t id) : state_(std::move(state)), id_(id) {}
    ~Connection() override {
        if (auto s = state_.lock())
            std::erase_if(s->hooks, [this](const Hook& h) { return h.id == id_; });
    }

  private:
    std::weak_ptr<State> state_;
    uint64_t id_;
};

EventHub::EventHub() = default;

std::unique_ptr<EventConnection> EventHub::hook(EventSink& sink) {
    // Most objects are never hooked: the state is made for the first sink.
    if (!state_) state_ = std::make_shared<State>();
    uint64_t id = state_->next_id++;
    state_->hooks.push_back({id, &sink});
    return std::make_unique<Connection>(state_, id);
}

void EventHub::raise(const std::function<void(EventSink&)>& fn) {
    // Keep the state alive and walk a snapshot of ids: sinks may hook or unhook during the event.
    auto state = state_;
    if (!state) return;
    std::vector<uint64_t> ids;
    ids.reserve(state->hooks.size());
    for (const Hook& h : state->hooks) ids.push_back(h.id);
    for (uint64_t id : ids) {
        auto it = std::find_if(state->hooks.begin(), state->hooks.end(),
                               [id](const Hook& h) { return h.id == id; });
        if (it != state->hooks.end()) fn(*it->sink);
    }
}

void EventHub::clear() {
    // Live connections keep a weak link to the old state; a later hook makes a fresh one.
    if (!state_) return;
    state_->hooks.clear();
    state_.reset();
}

size_t EventHub::size() const {
    return state_ ? state_->hooks.size() : 0;
}

}  // namespace kv::mem
