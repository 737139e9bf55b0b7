#pragma once
// The entries of a list or combo box: texts, the selection marks of a multi-select list, and
// the current entry (ListIndex, -1 = none).
#include <string>
#include <vector>

namespace kv::mem {

class ListItems {
  public:
    size_t count() const { return items_.size(); }
    // Error 381 ("Invalid property array index") outside the list.
    const std::string& item(int i) const;
    void set_item(int i, std::string text);
    bool selected(int i) const;
    void set_selected(int i, bool on);
    void select_only(int i);  // -1 clears every mark
    int list_index() const { return list_index_; }
    // -1 .. count-1, else error 380.
    void set_list_index(int i);
    // At the end, or before `before` (0 .. count, else error 5).
    void add(std::string text, int before = -1);
    // Where a sorted list takes a new entry: after every entry that does not come later, letters
    // compared without case.
    void add_sorted(std::string text);
    void remove(int i);
    void clear();

  private:
    void check(int i) const;
    std::vector<std::string> items_;
    std::vector<char> selected_;
    int list_index_ = -1;
};

}  // namespace kv::mem
