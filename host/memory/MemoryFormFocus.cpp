// The focus on a form (or page): which control has it, the tab order, the Tab key.
#include <algorithm>
#include <unordered_map>

#include "host/memory/MemoryForm.h"

namespace kv::mem {

void MemoryForm::move_focus(const std::shared_ptr<MemoryObject>& to) {
    auto from = focused_.lock();
    if (from == to) return;
    focused_ = to;
    if (from && from->alive()) from->events().raise([](EventSink& s) { s.on_lost_focus(); });
    // LostFocus code may have moved the focus elsewhere already.
    if (to && focused_.lock() == to) to->events().raise([](EventSink& s) { s.on_got_focus(); });
}

std::vector<std::shared_ptr<MemoryObject>> MemoryForm::tab_order() const {
    // Each stop's TabIndex is read once, not at every comparison of the sort.
    std::vector<std::pair<double, std::shared_ptr<MemoryObject>>> stops;
    for (const auto& c : controls_)
        if (c->can_focus() && supports(c->traits(), Prop::TabStop) &&
            to_bool(c->get(Prop::TabStop)))
            stops.emplace_back(to_double(c->get(Prop::TabIndex)), c);
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::shared_ptr<MemoryObject>> out;
    out.reserve(stops.size());
    for (auto& stop : stops) out.push_back(std::move(stop.second));
    // The option buttons of one container are one stop: the one that is on, else the first.
    std::unordered_map<const MemoryObject*, MemoryObject*> group_stop;
    for (const auto& c : out) {
        if (c->class_name() != "OptionButton") continue;
        auto [it, fresh] = group_stop.try_emplace(c->container_ptr_, c.get());
        if (!fresh && !to_bool(it->second->get("Value")) && to_bool(c->get("Value")))
            it->second = c.get();
    }
    std::erase_if(out, [&](const auto& c) {
        return c->class_name() == "OptionButton" && group_stop.at(c->container_ptr_) != c.get();
    });
    return out;
}

std::vector<std::pair<std::shared_ptr<MemoryObject>, std::shared_ptr<MemoryObject>>>
MemoryForm::label_targets(const std::function<bool(const MemoryObject&)>& passed_over) const {
    std::vector<std::pair<double, std::shared_ptr<MemoryObject>>> order;
    for (const auto& c : controls_)
        if (supports(c->traits(), Prop::TabIndex))
            order.emplace_back(to_double(c->get(Prop::TabIndex)), c);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    // Whether a control takes the focus at all (not whether it can just now: a hidden control
    // may show later).
    const auto takes_focus = [&](const MemoryObject& c) {
        return supports(c.traits(), Prop::TabStop) && !(passed_over && passed_over(c));
    };
    std::shared_ptr<MemoryObject> next;  // past the last, the first
    for (const auto& [index, c] : order)
        if (takes_focus(*c)) {
            next = c;
            break;
        }
    std::vector<std::pair<std::shared_ptr<MemoryObject>, std::shared_ptr<MemoryObject>>> out;
    if (!next) return out;
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const auto& c = it->second;
        if (takes_focus(*c))
            next = c;
        else if (c->class_name() == "Label")
            out.emplace_back(c, next);
    }
    std::reverse(out.begin(), out.end());
    return out;
}

// A page of thousands of stops is opened with the focus on its first: found in one pass rather
// than by sorting them all. An option button heads the order only if its group allows it, which
// the whole order tells.
std::shared_ptr<MemoryObject> MemoryForm::first_tab_stop() const {
    const MemoryObject* first = nullptr;
    double first_index = 0;
    for (const auto& c : controls_) {
        if (!c->can_focus() || !supports(c->traits(), Prop::TabStop) ||
            !to_bool(c->get(Prop::TabStop)))
            continue;
        const double index = to_double(c->get(Prop::TabIndex));
        if (!first || index < first_index) first = c.get(), first_index = index;
    }
    if (!first) return nullptr;
    if (first->class_name() == "OptionButton") {
        const auto order = tab_order();
        return order.empty() ? nullptr : order.front();
    }
    return std::const_pointer_cast<MemoryObject>(first->shared_from_this());
}

void MemoryForm::tab(bool backwards) {
    auto order = tab_order();
    if (order.empty()) return;
    auto now = focused_.lock();
    auto it = std::find(order.begin(), order.end(), now);
    size_t n = order.size();
    size_t next;
    if (it != order.end()) {
        next = (static_cast<size_t>(it - order.begin()) + (backwards ? n - 1 : 1)) % n;
    } else if (now && now->alive() && now->class_name() == "OptionButton" && now->can_focus()) {
        // The focus is on an option that is not its group's stop: the next stop is the one
        // after it in the tab order. From a control that cannot take the focus (hidden,
        // disabled) the round starts again.
        const double at = to_double(now->get(Prop::TabIndex));
        const auto after = [&](const auto& c) {
            const double i = to_double(c->get(Prop::TabIndex));
            return i > at || (i == at && c->seq_ > now->seq_);
        };
        const auto first_after = std::find_if(order.begin(), order.end(), after);
        if (!backwards)
            next =
                first_after == order.end() ? 0 : static_cast<size_t>(first_after - order.begin());
        else
            next = first_after == order.begin()
                       ? n - 1
                       : static_cast<size_t>(first_after - order.begin()) - 1;
    } else {
        next = backwards ? n - 1 : 0;
    }
    move_focus(order[next]);
}

}  // namespace kv::mem
