#include "engine/SortedList.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/Error.h"
#include "engine/Numbers.h"
#include "engine/TextCase.h"

namespace kv {

namespace {
constexpr int64_t kSelectionSortBelow = 16;  // ranges with fewer slots use selection sort

// (lo + hi) / 2 to the nearest whole number, halves to the even neighbour.
int64_t bisect_mid(int64_t lo, int64_t hi) {
    const int64_t sum = lo + hi;
    const int64_t half = sum / 2;
    if (sum % 2 == 0) return half;
    return half % 2 == 0 ? half : half + 1;
}

Error key_invalid() {
    return Error(SortedList::kErrKeyInvalid,
                 "Key Invalid: Text keys are invalid when SortMode is Numeric");
}
}  // namespace

int SortedList::compare(const Record& a, const Record& b) const {
    if (numeric()) {
        if (a.number > b.number) return 1;
        if (a.number < b.number) return -1;
        return 0;
    }
    return compare_folded(a.key, b.key);
}

SortedList::Record SortedList::probe_for(const std::string& key) const {
    Record r;
    r.key = key;
    if (numeric()) {
        const auto n = parse_number(key);
        if (!n) throw key_invalid();
        r.number = *n;
    }
    return r;
}

void SortedList::Add(const std::string& key, Item item) {
    Record r = probe_for(key);
    if (last_used_ >= static_cast<int64_t>(records_.size())) resize_storage();
    ++count_;
    ++last_used_;
    r.item = std::move(item);
    slot(last_used_) = std::move(r);
    needs_sort_ = true;
}

void SortedList::resize_storage() {
    const int64_t step =
        std::max<int64_t>(10, static_cast<int64_t>(round_half_even(count_ / 10.0)));
    shrink_threshold_ = count_ - step;
    records_.resize(static_cast<size_t>(last_used_ + step));
}

void SortedList::ensure_sorted() {
    if (!needs_sort_) return;
    if (sorted_upto_ == 0)
        sort_range(1, last_used_);
    else
        merge_tail();
    sorted_upto_ = last_used_;
    needs_sort_ = false;
}

// The appended records sorted on their own, then merged behind the sorted front: linear in the
// list rather than a sort of the whole list.
void SortedList::merge_tail() {
    sort_range(sorted_upto_ + 1, last_used_);
    const auto first = records_.begin();
    std::inplace_merge(first, first + sorted_upto_, first + last_used_,
                       [this](const Record& a, const Record& b) { return compare(a, b) < 0; });
}

// How many appended records a search scans one by one before the tail is merged in: enough that
// a long run of add-then-look-up merges rarely, few enough that each scan stays short.
int64_t SortedList::tail_limit() const {
    return kSelectionSortBelow + static_cast<int64_t>(std::sqrt(static_cast<double>(last_used_)));
}

void SortedList::selection_sort(int64_t lo, int64_t hi) {
    for (int64_t i = lo; i < hi; ++i) {
        int64_t min = i;
        for (int64_t j = i + 1; j <= hi; ++j)
            if (compare(slot(j), slot(min)) < 0) min = j;
        if (min != i) std::swap(slot(i), slot(min));
    }
}

// Quicksort with a random pivot. Records equal to the pivot are gathered around it (three-way
// partition) so that a list of many equal keys - every control at the same depth - sorts in
// linear time instead of quadratic; recursing into the smaller part keeps the stack shallow.
void SortedList::sort_range(int64_t lo, int64_t hi) {
    while (hi - lo + 1 >= kSelectionSortBelow) {
        std::uniform_int_distribution<int64_t> pick(lo, hi);
        std::swap(slot(lo), slot(pick(rng_)));
        int64_t lt = lo, i = lo + 1, gt = hi;  // [lo,lt) < pivot, [lt,i) == pivot, (gt,hi] >
        while (i <= gt) {
            const int c = compare(slot(i), slot(lt));
            if (c < 0)
                std::swap(slot(lt++), slot(i++));
            else if (c > 0)
                std::swap(slot(i), slot(gt--));
            else
                ++i;
        }
        if (lt - lo < hi - gt) {
            sort_range(lo, lt - 1);
            lo = gt + 1;
        } else {
            sort_range(gt + 1, hi);
            hi = lt - 1;
        }
    }
    if (lo < hi) selection_sort(lo, hi);
}

int64_t SortedList::bisect(const Record& probe) const {
    int64_t lo = 1, hi = sorted_upto_;
    while (lo <= hi) {
        const int64_t mid = bisect_mid(lo, hi);
        const int c = compare(probe, slot(mid));
        if (c == 0) return mid;
        if (c > 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return 0;
}

int64_t SortedList::scan_tail(const Record& probe) const {
    for (int64_t i = sorted_upto_ + 1; i <= last_used_; ++i)
        if (!slot(i).deleted && compare(probe, slot(i)) == 0) return i;
    return 0;
}

int64_t SortedList::find(const std::string& key) {
    if (sorted_upto_ == 0 || last_used_ - sorted_upto_ > tail_limit()) ensure_sorted();
    if (last_used_ == 0) return 0;
    Record probe;
    probe.key = key;
    if (numeric()) {
        const auto n = parse_number(key);
        if (!n) throw Error::standard(kErrTypeMismatch);
        probe.number = *n;
    }
    for (;;) {
        const int64_t found = bisect(probe);
        if (found != 0 && slot(found).deleted) {
            compact();  // a deleted record may hide a live one with the same key
            continue;
        }
        return found != 0 ? found : scan_tail(probe);
    }
}

bool SortedList::Exists(const std::string& key) {
    if (numeric() && !parse_number(key)) throw key_invalid();
    return find(key) != 0;
}

SortedList::Item SortedList::Item_(const std::string& key) {
    const int64_t i = find(key);
    return i == 0 ? Item{} : slot(i).item;
}

void SortedList::mark_deleted(int64_t i) {
    Record& r = slot(i);
    r.item.reset();
    r.deleted = true;
    --count_;
}

void SortedList::Remove(const std::string& key) {
    if (const int64_t i = find(key); i != 0) mark_deleted(i);
}

int64_t SortedList::first_live() const {
    for (int64_t i = 1; i <= last_used_; ++i)
        if (!slot(i).deleted) return i;
    return 0;
}

int64_t SortedList::last_live() const {
    for (int64_t i = last_used_; i >= 1; --i)
        if (!slot(i).deleted) return i;
    return 0;
}

void SortedList::RemoveTop() {
    ensure_sorted();
    if (const int64_t i = first_live(); i != 0) mark_deleted(i);
}

void SortedList::RemoveBottom() {
    ensure_sorted();
    if (const int64_t i = last_live(); i != 0) mark_deleted(i);
}

SortedList::Item SortedList::GetTop() {
    ensure_sorted();
    const int64_t i = first_live();
    return i == 0 ? Item{int64_t{0}} : slot(i).item;
}

SortedList::Item SortedList::GetBottom() {
    ensure_sorted();
    const int64_t i = last_live();
    return i == 0 ? Item{int64_t{0}} : slot(i).item;
}

std::vector<SortedList::Item> SortedList::Items() {
    ensure_sorted();
    std::vector<Item> out;
    out.reserve(static_cast<size_t>(count_));
    for (int64_t i = 1; i <= last_used_; ++i)
        if (!slot(i).deleted) out.push_back(slot(i).item);
    return out;
}

std::vector<std::string> SortedList::Keys() {
    ensure_sorted();
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(count_));
    for (int64_t i = 1; i <= last_used_; ++i)
        if (!slot(i).deleted) out.push_back(slot(i).key);
    return out;
}

void SortedList::compact() {
    int64_t live = 0, live_sorted = 0;
    for (int64_t i = 1; i <= last_used_; ++i) {
        if (slot(i).deleted) continue;
        ++live;
        if (i <= sorted_upto_) ++live_sorted;
        if (live != i) slot(live) = std::move(slot(i));
    }
    sorted_upto_ = live_sorted;
    for (int64_t i = live + 1; i <= last_used_; ++i) {
        slot(i) = Record{};
        slot(i).deleted = true;
    }
    last_used_ = live;
    needs_sort_ = sorted_upto_ < last_used_;
    if (count_ < shrink_threshold_) resize_storage();
}

void SortedList::Clear() {
    records_.clear();
    records_.shrink_to_fit();
    count_ = 0;
    last_used_ = 0;
    shrink_threshold_ = 0;
    needs_sort_ = false;
    sorted_upto_ = 0;
}

void SortedList::SortMode(int32_t mode) {
    if (count_ != 0)
        throw Error(kErrSortMode,
                    "SortMode Failure: You cannot change the SortMode unless the list is empty.");
    // Deleted records keep keys compared the old way; they would break the new order.
    if (last_used_ != 0) Clear();
    sort_mode_ = mode;
}

}  // namespace kv
