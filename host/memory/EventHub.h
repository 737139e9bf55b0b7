#pragma once
// The event sinks hooked to one object. Several sinks may hook one object; a connection unhooks
// its sink when destroyed, even after the object is gone. Raising an event calls the sinks in
// hook order; a sink unhooked during the event is not called afterwards.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/HostObject.h"

namespace kv::mem {

class EventHub {
  public:
    EventHub();
    std::unique_ptr<EventConnection> hook(EventSink& sink);
    // Call `fn` on every hooked sink in hook order.
    void raise(const std::function<void(EventSink&)>& fn);
    // Unhook every sink (the object is gone); live connections become inert.
    void clear();
    size_t size() const;

  private:
    struct Hook {
        uint64_t id;
        EventSink* sink;
    };
    struct State {
        std::vector<Hook> hooks;
        uint64_t next_id = 1;
    };
    class Connection;
    std::shared_ptr<State> state_;
};

}  // namespace kv::mem
