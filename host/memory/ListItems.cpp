#include "host/memory/ListItems.h"

#include <algorithm>

#include "engine/Error.h"
#include "host/common/TextFold.h"

namespace kv::mem {

void ListItems::check(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= items_.size())
        throw Error(381, "Invalid property array index");
}

const std::string& ListItems::item(int i) const {
    check(i);
    return items_[static_cast<size_t>(i)];
}

void ListItems::set_item(int i, std::string text) {
    check(i);
    items_[static_cast<size_t>(i)] = std::move(text);
}

bool ListItems::selected(int i) const {
    check(i);
    return selected_[static_cast<size_t>(i)] != 0;
}

void ListItems::set_selected(int i, bool on) {
    check(i);
    selected_[static_cast<size_t>(i)] = on ? 1 : 0;
}

void ListItems::select_only(int i) {
    std::fill(selected_.begin(), selected_.end(), 0);
    if (i >= 0) set_selected(i, true);
}

void ListItems::set_list_index(int i) {
    if (i < -1 || i >= static_cast<int>(items_.size())) throw Error(380, "Invalid property value");
    list_index_ = i;
}

void ListItems::add(std::string text, int before) {
    if (before < -1 || before > static_cast<int>(items_.size()))
        throw Error::standard(kErrInvalidCall);
    size_t at = before < 0 ? items_.size() : static_cast<size_t>(before);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(text));
    selected_.insert(selected_.begin() + static_cast<std::ptrdiff_t>(at), 0);
    if (list_index_ >= static_cast<int>(at)) ++list_index_;
}

void ListItems::add_sorted(std::string text) {
    const std::string key = host::fold(text);
    const auto later = std::find_if(items_.begin(), items_.end(), [&](const std::string& item) {
        return host::fold(item) > key;
    });
    add(std::move(text), static_cast<int>(later - items_.begin()));
}

void ListItems::remove(int i) {
    if (i < 0 || static_cast<size_t>(i) >= items_.size()) throw Error::standard(kErrInvalidCall);
    items_.erase(items_.begin() + i);
    selected_.erase(selected_.begin() + i);
    if (list_index_ == i)
        list_index_ = -1;
    else if (list_index_ > i)
        --list_index_;
}

void ListItems::clear() {
    items_.clear();
    selected_.clear();
    list_index_ = -1;
}

}  // namespace kv::mem
