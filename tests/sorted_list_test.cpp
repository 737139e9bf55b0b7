// SortedList: key order in both modes, lazy sort with duplicates, removal and compaction, the
// two numbered errors, and lists past the old 16-bit limits.
#include <gtest/gtest.h>

#include <any>
#include <cctype>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine/Error.h"
#include "engine/SortedList.h"

namespace kv {
namespace {

std::vector<int> ints(const std::vector<SortedList::Item>& items) {
    std::vector<int> out;
    for (const auto& i : items) out.push_back(std::any_cast<int>(i));
    return out;
}

int32_t error_of(const std::function<void()>& f, std::string* text = nullptr) {
    try {
        f();
    } catch (const Error& e) {
        if (text) *text = e.description();
        return e.number();
    }
    return 0;
}

TEST(SortedList, NumericKeysSortAsNumbersNotText) {
    SortedList l;
    for (const char* k : {"100", "9", "12", "-3", "2.5"}) l.Add(k, std::string(k));
    EXPECT_EQ(l.Keys(), (std::vector<std::string>{"-3", "2.5", "9", "12", "100"}));
    EXPECT_TRUE(l.Exists("12"));
    EXPECT_TRUE(l.Exists("12.0"));  // compared as a number
    EXPECT_EQ(std::any_cast<std::string>(l.Item_("100")), "100");
    EXPECT_FALSE(l.Item_("7").has_value());
}

TEST(SortedList, TextKeyInNumericListIsRefusedAndNothingAdded) {
    SortedList l;
    std::string text;
    EXPECT_EQ(error_of([&] { l.Add("abc", 1); }, &text), SortedList::kErrKeyInvalid);
    EXPECT_EQ(text, "Key Invalid: Text keys are invalid when SortMode is Numeric");
    EXPECT_EQ(l.Count(), 0);
    EXPECT_EQ(error_of([&] { l.Exists("abc"); }), SortedList::kErrKeyInvalid);
}

TEST(SortedList, TextModeComparesWithoutCase) {
    SortedList l;
    l.SortMode(1);
    l.Add("Text1", 1);
    l.Add("apple", 2);
    l.Add("Banana", 3);
    EXPECT_TRUE(l.Exists("TEXT1"));
    EXPECT_EQ(std::any_cast<int>(l.Item_("text1")), 1);
    EXPECT_EQ(l.Keys(), (std::vector<std::string>{"apple", "Banana", "Text1"}));
}

TEST(SortedList, SortModeChangesOnlyWhileEmpty) {
    SortedList l;
    l.Add("1", 1);
    std::string text;
    EXPECT_EQ(error_of([&] { l.SortMode(1); }, &text), SortedList::kErrSortMode);
    EXPECT_EQ(text, "SortMode Failure: You cannot change the SortMode unless the list is empty.");
    EXPECT_EQ(l.SortMode(), 0);
    l.Clear();
    l.SortMode(1);
    EXPECT_EQ(l.SortMode(), 1);
    l.Add("abc", 2);  // text keys now accepted
    EXPECT_TRUE(l.Exists("ABC"));
}

TEST(SortedList, ItemsGroupDuplicateKeys) {
    SortedList l;
    l.Add("2", 20);
    l.Add("1", 10);
    l.Add("2", 21);
    l.Add("1", 11);
    auto v = ints(l.Items());
    ASSERT_EQ(v.size(), 4u);
    EXPECT_EQ(v[0] / 10, 1);
    EXPECT_EQ(v[1] / 10, 1);
    EXPECT_EQ(v[2] / 10, 2);
    EXPECT_EQ(v[3] / 10, 2);
}

TEST(SortedList, TopAndBottomFollowKeyOrderAndAreZeroWhenEmpty) {
    SortedList l;
    EXPECT_EQ(std::any_cast<int64_t>(l.GetTop()), 0);
    EXPECT_EQ(std::any_cast<int64_t>(l.GetBottom()), 0);
    l.RemoveTop();  // nothing to remove, no failure
    for (int k : {50, 10, 40, 20, 30}) l.Add(std::to_string(k), k);
    EXPECT_EQ(std::any_cast<int>(l.GetTop()), 10);
    EXPECT_EQ(std::any_cast<int>(l.GetBottom()), 50);
    l.RemoveTop();
    l.RemoveBottom();
    EXPECT_EQ(std::any_cast<int>(l.GetTop()), 20);
    EXPECT_EQ(ints(l.Items()), (std::vector<int>{20, 30, 40}));
}

TEST(SortedList, RemoveAndAddAgain) {
    SortedList l;
    for (int i = 1; i <= 30; ++i) l.Add(std::to_string(i), i);
    l.Remove("17");
    l.Remove("99");  // absent: nothing happens
    EXPECT_EQ(l.Count(), 29);
    EXPECT_FALSE(l.Exists("17"));
    l.Add("17", 170);
    EXPECT_TRUE(l.Exists("17"));
    EXPECT_EQ(l.Count(), 30);
    EXPECT_EQ(std::any_cast<int>(l.Item_("17")), 170);
    EXPECT_EQ(ints(l.Items()).size(), 30u);
}

TEST(SortedList, RemovedDuplicateDoesNotHideTheLiveOne) {
    SortedList l;
    l.SortMode(1);
    for (int i = 0; i < 40; ++i) l.Add("k" + std::to_string(i), i);
    l.Add("dup", 1);
    l.Add("dup", 2);
    l.Remove("dup");
    EXPECT_TRUE(l.Exists("dup"));  // found the deleted one first: compacts and finds the other
    l.Remove("dup");
    EXPECT_FALSE(l.Exists("dup"));
    EXPECT_EQ(l.Count(), 40);
}

// Past 32767 records: every slot counter is wide, and many equal keys (every control at one
// depth) still sort quickly.
TEST(SortedList, LargeListsWithManyEqualKeys) {
    SortedList l;
    const int n = 100000;
    for (int i = 0; i < n; ++i) l.Add(std::to_string(i % 3), i);
    EXPECT_EQ(l.Count(), n);
    const auto items = l.Items();
    ASSERT_EQ(items.size(), static_cast<size_t>(n));
    for (size_t i = 1; i < items.size(); ++i)
        ASSERT_LE(std::any_cast<int>(items[i - 1]) % 3, std::any_cast<int>(items[i]) % 3);
    EXPECT_EQ(std::any_cast<int>(l.GetBottom()) % 3, 2);
    l.RemoveBottom();
    EXPECT_EQ(l.Count(), n - 1);
}

// A list that grows one key at a time between look-ups (a page loading its settings) answers
// every look-up as a freshly sorted list would, removals and replacements included, and still
// reports its keys in order.
TEST(SortedList, LookUpsBetweenAdditionsAnswerAsTheSortedListWould) {
    SortedList l;
    l.SortMode(1);
    std::map<std::string, int> model;  // folded key -> the live item
    auto folded = [](std::string k) {
        for (char& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return k;
    };
    std::minstd_rand rng(7);
    for (int step = 0; step < 3000; ++step) {
        const int n = static_cast<int>(rng() % 700);
        std::string key = "Key" + std::to_string(n);
        if (rng() % 2) key = folded(key);  // the same key in another case
        ASSERT_EQ(l.Exists(key), model.count(folded(key)) == 1) << step << " " << key;
        if (rng() % 5 == 0) {
            l.Remove(key);
            model.erase(folded(key));
        } else {
            if (l.Exists(key)) l.Remove(key);
            l.Add(key, step);
            model[folded(key)] = step;
        }
        const std::string probe = "KEY" + std::to_string(rng() % 700);
        const auto item = l.Item_(probe);
        const auto it = model.find(folded(probe));
        ASSERT_EQ(item.has_value(), it != model.end()) << step << " " << probe;
        if (item.has_value()) {
            ASSERT_EQ(std::any_cast<int>(item), it->second) << probe;
        }
    }
    EXPECT_EQ(l.Count(), static_cast<int64_t>(model.size()));
    std::vector<std::string> keys;
    for (const auto& k : l.Keys()) keys.push_back(folded(k));
    std::vector<std::string> expected;
    for (const auto& [k, v] : model) expected.push_back(k);
    EXPECT_EQ(keys, expected);
}

}  // namespace
}  // namespace kv
