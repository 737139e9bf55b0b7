#pragma once
// A keyed collection kept in key order, numeric or text keys (text compared case-insensitively).
// Appends are cheap; the list is sorted lazily on the first ordered or searching access after a
// change; removals only mark records, which a later search compacts. Slots and counts are 64-bit.
//
// Once sorted, the list keeps its sorted front apart from what was appended since: a search
// bisects the front and scans a short appended tail, and only a longer tail is sorted and merged
// in. So a page that adds one key and looks up the next, thousands of times, does not sort the
// whole list before every look-up. The first sort of a list is the plain quicksort.
#include <any>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace kv {

class SortedList {
  public:
    // Error numbers (vbObjectError + 1 / + 3).
    static constexpr int32_t kErrKeyInvalid = -2147221503;
    static constexpr int32_t kErrSortMode = -2147221501;

    using Item = std::any;  // a value or a shared_ptr to an object

    // Duplicate keys are accepted. Error kErrKeyInvalid for a text key in numeric mode.
    void Add(const std::string& key, Item item);
    bool Exists(const std::string& key);
    Item Item_(const std::string& key);  // empty std::any when absent
    void Remove(const std::string& key);
    void RemoveTop();
    void RemoveBottom();
    Item GetTop();     // the number 0 (int64_t) when empty
    Item GetBottom();  // likewise
    int64_t Count() const { return count_; }
    std::vector<Item> Items();  // live items in key order
    std::vector<std::string> Keys();
    void Clear();
    int32_t SortMode() const { return sort_mode_; }
    // 0 numeric, anything else text. Error kErrSortMode unless the list is empty.
    void SortMode(int32_t mode);

  private:
    struct Record {
        std::string key;
        double number = 0;  // the key as a number, in numeric mode
        Item item;
        bool deleted = false;
    };
    bool numeric() const { return sort_mode_ == 0; }
    int compare(const Record& a, const Record& b) const;
    Record probe_for(const std::string& key) const;
    void ensure_sorted();
    void merge_tail();
    int64_t tail_limit() const;
    int64_t bisect(const Record& probe) const;
    int64_t scan_tail(const Record& probe) const;
    void sort_range(int64_t lo, int64_t hi);
    void selection_sort(int64_t lo, int64_t hi);
    int64_t find(const std::string& key);
    int64_t first_live() const;
    int64_t last_live() const;
    void mark_deleted(int64_t slot);
    void compact();
    void resize_storage();
    Record& slot(int64_t i) { return records_[static_cast<size_t>(i - 1)]; }
    const Record& slot(int64_t i) const { return records_[static_cast<size_t>(i - 1)]; }

    std::vector<Record> records_;  // slot i at index i - 1; size() is the capacity
    int64_t count_ = 0;
    int64_t last_used_ = 0;
    int64_t shrink_threshold_ = 0;
    bool needs_sort_ = false;
    int64_t sorted_upto_ = 0;  // slots 1..sorted_upto_ are in key order; those above, appended
    int32_t sort_mode_ = 0;
    std::minstd_rand rng_{20260521u};
};

}  // namespace kv
