#pragma once
// A keyed collection kept in key order, numeric or text keys (text compared case-insensitively).
// Appends are cheap; the list is sorted lazily on the first ordered or searching access after a
// change; removals only mark records, which a later search compacts.
#include <any>
#include <cstdint>
#include <string>
#include <vector>

namespace kv {

class SortedList {
public:
    // Error numbers (vbObjectError + 1 / + 3).
    static constexpr int32_t kErrKeyInvalid = -2147221503;
    static constexpr int32_t kErrSortMode = -2147221501;

    using Item = std::any;  // a value or a shared_ptr to an object

    void Add(const std::string& key, Item item);
    bool Exists(const std::string& key);
    Item Item_(const std::string& key);  // empty std::any when absent
    void Remove(const std::string& key);
    void RemoveTop();
    void RemoveBottom();
    Item GetTop();     // the number 0 (int64_t) when empty
    Item GetBottom();  // likewise
    int64_t Count() const { return count_; }
    std::vector<Item> Items();
    std::vector<std::string> Keys();
    void Clear();
    int32_t SortMode() const { return sort_mode_; }
    void SortMode(int32_t mode);

private:
    struct Record {
        std::string key;
        double number = 0;  // the key as a number, in numeric mode
        Item item;
        bool deleted = false;
    };
    int compare(const Record& a, const Record& b) const;
    void ensure_sorted();
    void sort_range(int64_t lo, int64_t hi);
    int64_t find(const std::string& key);
    void compact();
    void resize_storage();

    std::vector<Record> records_;  // slot i at index i - 1
    int64_t count_ = 0;
    int64_t last_used_ = 0;
    int64_t capacity_ = 0;
    int64_t shrink_threshold_ = 0;
    bool needs_sort_ = false;
    int32_t sort_mode_ = 0;
};

}  // namespace kv
