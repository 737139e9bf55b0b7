// Registry semantics shared by both settings stores: case-insensitive names that keep the case
// first written, the default value, nested keys, browsing and deleting.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "host/store/MemorySettingsStore.h"
#include "host/store/SqliteSettingsStore.h"

namespace {

using kv::store::BrowsableStore;
using kv::store::kCurrentUser;
using kv::store::NamedValue;
using Strings = std::vector<std::string>;

constexpr uint32_t kLocalMachine = 0x80000002u;

struct StoreKind {
    const char* name;
    std::function<std::unique_ptr<BrowsableStore>(const std::string& dir)> make;
};

class StoreSemantics : public ::testing::TestWithParam<StoreKind> {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/kv_store_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        store_ = GetParam().make(dir_);
    }
    void TearDown() override {
        store_.reset();
        std::filesystem::remove_all(dir_);
    }
    BrowsableStore& s() { return *store_; }

    std::string dir_;
    std::unique_ptr<BrowsableStore> store_;
};

TEST_P(StoreSemantics, NamesMatchWithoutCaseAndKeepTheFirstCase) {
    ASSERT_TRUE(s().write(kCurrentUser, "Software\\Quillon\\App", "Left", "100"));
    EXPECT_EQ(s().read(kCurrentUser, "SOFTWARE\\quillon\\aPP", "LEFT"), "100");
    ASSERT_TRUE(s().write(kCurrentUser, "software\\QUILLON\\app", "left", "200"));
    EXPECT_EQ(s().read(kCurrentUser, "Software\\Quillon\\App", "Left"), "200");
    EXPECT_EQ(s().list_subkeys(kCurrentUser, "software"), Strings{"Quillon"});
    EXPECT_EQ(s().list_values(kCurrentUser, "Software\\Quillon\\App"),
              (std::vector<NamedValue>{{"Left", "200"}}));
}

TEST_P(StoreSemantics, MissingKeysAndValuesReadAsNothing) {
    ASSERT_TRUE(s().write(kCurrentUser, "A\\B", "x", "1"));
    EXPECT_EQ(s().read(kCurrentUser, "A\\B", "y"), std::nullopt);
    EXPECT_EQ(s().read(kCurrentUser, "A\\C", "x"), std::nullopt);
    EXPECT_EQ(s().read(kCurrentUser, "A", "x"), std::nullopt);
    EXPECT_EQ(s().read(kLocalMachine, "A\\B", "x"), std::nullopt);  // roots are separate trees
    EXPECT_EQ(s().list_subkeys(kCurrentUser, "A\\C"), std::nullopt);
    EXPECT_EQ(s().list_values(kCurrentUser, "Nope"), std::nullopt);
}

TEST_P(StoreSemantics, RootsListAsEmptyBeforeAnythingIsWritten) {
    EXPECT_EQ(s().list_subkeys(kCurrentUser, ""), Strings{});
    EXPECT_EQ(s().list_values(kCurrentUser, "\\"), std::vector<NamedValue>{});
    EXPECT_EQ(s().list_subkeys(kCurrentUser, "Software"), std::nullopt);
}

TEST_P(StoreSemantics, DefaultValueAndTextsAreKeptExactly) {
    const std::string tricky = "  blanks, \"quotes\", back\\slash, \xc3\xa9t\xc3\xa9 ";
    ASSERT_TRUE(s().write(kCurrentUser, "\\K\\\\", "", "default text"));  // empty parts ignored
    ASSERT_TRUE(s().write(kCurrentUser, "K", "named", tricky));
    ASSERT_TRUE(s().write(kCurrentUser, "K", "empty", ""));
    EXPECT_EQ(s().read(kCurrentUser, "K", ""), "default text");
    EXPECT_EQ(s().read(kCurrentUser, "K", "named"), tricky);
    EXPECT_EQ(s().read(kCurrentUser, "K", "empty"), "");  // stored empty is not missing
    EXPECT_EQ(s().list_values(kCurrentUser, "K"),
              (std::vector<NamedValue>{{"", "default text"}, {"empty", ""}, {"named", tricky}}));
}

TEST_P(StoreSemantics, ListsAreSortedWithoutCase) {
    for (const char* key : {"beta", "Alpha", "gamma"}) {
        ASSERT_TRUE(s().write(kCurrentUser, std::string("Root\\") + key, "v", key));
    }
    ASSERT_TRUE(s().write(kCurrentUser, "Root\\beta\\deeper", "v", "d"));
    EXPECT_EQ(s().list_subkeys(kCurrentUser, "root"), (Strings{"Alpha", "beta", "gamma"}));
    EXPECT_EQ(s().list_subkeys(kCurrentUser, "root\\gamma"), Strings{});
}

TEST_P(StoreSemantics, DeleteValue) {
    ASSERT_TRUE(s().write(kCurrentUser, "K", "a", "1"));
    ASSERT_TRUE(s().write(kCurrentUser, "K", "b", "2"));
    EXPECT_TRUE(s().delete_value(kCurrentUser, "k", "A"));
    EXPECT_FALSE(s().delete_value(kCurrentUser, "K", "a"));
    EXPECT_FALSE(s().delete_value(kCurrentUser, "Missing", "a"));
    EXPECT_EQ(s().read(kCurrentUser, "K", "a"), std::nullopt);
    EXPECT_EQ(s().read(kCurrentUser, "K", "b"), "2");
}

TEST_P(StoreSemantics, DeleteKeyTakesItsSubtreeOnly) {
    ASSERT_TRUE(s().write(kCurrentUser, "S\\App\\Forms\\f1", "Left", "1"));
    ASSERT_TRUE(s().write(kCurrentUser, "S\\App\\Forms\\f1\\User\\x", "v", "2"));
    ASSERT_TRUE(s().write(kCurrentUser, "S\\App\\Forms", "kept?", "no"));
    ASSERT_TRUE(s().write(kCurrentUser, "S\\App\\Other", "v", "3"));
    EXPECT_TRUE(s().delete_key(kCurrentUser, "s\\app\\FORMS"));
    EXPECT_EQ(s().read(kCurrentUser, "S\\App\\Forms\\f1", "Left"), std::nullopt);
    EXPECT_EQ(s().read(kCurrentUser, "S\\App\\Forms\\f1\\User\\x", "v"), std::nullopt);
    EXPECT_EQ(s().read(kCurrentUser, "S\\App\\Forms", "kept?"), std::nullopt);
    EXPECT_EQ(s().read(kCurrentUser, "S\\App\\Other", "v"), "3");
    EXPECT_EQ(s().list_subkeys(kCurrentUser, "S\\App"), Strings{"Other"});
    EXPECT_FALSE(s().delete_key(kCurrentUser, "S\\App\\Forms"));
    EXPECT_FALSE(s().delete_key(kCurrentUser, ""));  // the root stays
    // A key made again after deletion starts empty and takes the new case.
    ASSERT_TRUE(s().write(kCurrentUser, "S\\App\\forms\\f2", "v", "4"));
    EXPECT_EQ(s().list_subkeys(kCurrentUser, "S\\App"), (Strings{"forms", "Other"}));
}

INSTANTIATE_TEST_SUITE_P(
    Stores, StoreSemantics,
    ::testing::Values(StoreKind{"Memory",
                                [](const std::string&) -> std::unique_ptr<BrowsableStore> {
                                    return std::make_unique<kv::store::MemorySettingsStore>();
                                }},
                      StoreKind{"Sqlite",
                                [](const std::string& dir) -> std::unique_ptr<BrowsableStore> {
                                    return std::make_unique<kv::store::SqliteSettingsStore>(
                                        dir + "/sub/settings.sqlite",
                                        [](const std::string& m) { ADD_FAILURE() << m; });
                                }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SqliteStore, DefaultPathFollowsTheConfigFolder) {
    const char* old_xdg = getenv("XDG_CONFIG_HOME");
    const std::string saved = old_xdg ? old_xdg : "";
    setenv("XDG_CONFIG_HOME", "/cfg/home", 1);
    EXPECT_EQ(kv::store::SqliteSettingsStore::default_path(), "/cfg/home/kelvane/settings.sqlite");
    setenv("XDG_CONFIG_HOME", "", 1);
    const std::string home = getenv("HOME") ? getenv("HOME") : ".";
    EXPECT_EQ(kv::store::SqliteSettingsStore::default_path(),
              home + "/.config/kelvane/settings.sqlite");
    if (old_xdg) {
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

}  // namespace
