// kelvane store: editing values, listing a key or a whole tree, and finding where a form keeps
// its placement and splits.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "frm_test_util.h"
#include "tool_run.h"

using kv::test::Argv;
using kv::test::data_dir;
using kv::test::has;
using kv::test::run;
using kv::test::ScratchDir;

namespace {

// `kelvane store --store STORE ARGS...`
kv::test::Run store_cmd(const std::string& store, Argv args) {
    args.insert(args.begin(), {"store", "--store", store});
    return run(args);
}

// "Software\\k1\\k2..." with `levels` levels.
std::string deep_key(int levels) {
    std::string key = "Software";
    for (int i = 1; i < levels; ++i) key += "\\k" + std::to_string(i);
    return key;
}

}  // namespace

TEST(KelvaneStore, SetGetListDelete) {
    ScratchDir dir;
    const std::string store = (dir.path() / "s.sqlite").string();
    const std::string key = "Software\\Quillon\\Demo";
    EXPECT_EQ(store_cmd(store, {"set", key, "Width", "9000"}).status, 0);
    EXPECT_EQ(store_cmd(store, {"get", key, "width"}).out, "9000\n");
    EXPECT_EQ(store_cmd(store, {"list", "Software\\Quillon"}).out, "Demo\\\n");
    EXPECT_EQ(store_cmd(store, {"list", key}).out, "Width = 9000\n");
    // --store may also follow the operation.
    EXPECT_EQ(run({"store", "get", key, "Width", "--store", store}).out, "9000\n");
    EXPECT_EQ(store_cmd(store, {"delete", key, "Width"}).status, 0);
    EXPECT_EQ(store_cmd(store, {"get", key, "Width"}).status, 1);
    EXPECT_EQ(store_cmd(store, {"delete", key, "Width"}).status, 1);
    EXPECT_EQ(store_cmd(store, {"delete", "Software"}).status, 0);
    EXPECT_EQ(store_cmd(store, {"list", key}).status, 1);
}

TEST(KelvaneStore, RecursiveListShowsEveryKeyByItsPath) {
    ScratchDir dir;
    const std::string store = (dir.path() / "s.sqlite").string();
    for (const Argv& v : {Argv{"Software\\A", "x", "1"}, Argv{"Software\\A\\B\\C", "y", "2"},
                          Argv{"Software\\A\\B\\C", "z", "3"}, Argv{"Software\\D", "", "4"},
                          Argv{"", "top", "5"}}) {
        Argv args = {"set"};
        args.insert(args.end(), v.begin(), v.end());
        ASSERT_EQ(store_cmd(store, args).status, 0);
    }
    // The root's own values lead, as a plain list shows them.
    EXPECT_EQ(store_cmd(store, {"list", "--recursive"}).out,
              "top = 5\n"
              "Software\\\n"
              "Software\\A\\\n"
              "  x = 1\n"
              "Software\\A\\B\\\n"
              "Software\\A\\B\\C\\\n"
              "  y = 2\n"
              "  z = 3\n"
              "Software\\D\\\n"
              "  (default) = 4\n");
    EXPECT_EQ(store_cmd(store, {"list", "-r", "software\\a\\b\\"}).out,
              "software\\a\\b\\\n"
              "software\\a\\b\\C\\\n"
              "  y = 2\n"
              "  z = 3\n");
    EXPECT_EQ(store_cmd(store, {"list", "-r", "Software\\Nowhere"}).status, 1);
}

// The keys `store path` names are the ones a run of the form writes: a layout that drags the
// divider and closes the form leaves its placement and its split there.
TEST(KelvaneStore, PathNamesTheKeysTheFormIsSavedUnder) {
    ScratchDir dir;
    const std::string store = (dir.path() / "s.sqlite").string();
    ASSERT_EQ(run({"demo", "--out", (dir.path() / "demo").string()}).status, 0);
    const std::string form = (dir.path() / "demo" / "frmMail.frm").string();
    const auto paths = run({"store", "path", form});
    ASSERT_EQ(paths.status, 0) << paths.err;
    const auto value_of = [&](const std::string& label) {
        const auto start = paths.out.find(label);
        if (start == std::string::npos) return std::string();
        const auto from = start + label.size();
        return paths.out.substr(from, paths.out.find('\n', from) - from);
    };
    const std::string placement = value_of("placement: ");
    const std::string splits = value_of("splits of frmMail: ");
    ASSERT_TRUE(has(placement, "Software\\Quillon\\")) << paths.out;
    ASSERT_FALSE(splits.empty()) << paths.out;

    ASSERT_EQ(run({"layout", form, "--user-size", "12000x9000", "--drag", "2460,2000:4000,2000",
                   "--store", store})
                  .status,
              0);
    EXPECT_EQ(store_cmd(store, {"get", placement, "Width"}).out, "12000\n");
    EXPECT_EQ(store_cmd(store, {"get", splits, "PaneHor"}).out, "4000\n");

    // A form without a resizer keeps nothing.
    const auto none = run({"store", "path", data_dir() + "/cp1252.frm"});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(has(none.err, "no resizer")) << none.err;
}

// A layout whose close could not save the placement (here the store's file may not grow, as
// on a full disk) says so on stderr and fails; what the store held before is still read.
TEST(KelvaneStore, LayoutThatCouldNotSaveItsPlacementFails) {
    ScratchDir dir;
    const auto frm = dir.copy_sample("twopanes.frm");
    const auto store = (dir.path() / "s.sqlite").string();
    ASSERT_EQ(run({"store", "--store", store, "set", "Software\\A", "b", "1"}).status, 0);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit lim{0, 0};
        setrlimit(RLIMIT_FSIZE, &lim);
        const auto r = run({"layout", frm, "--store", store, "--user-size", "9000x7000"});
        const std::string report = std::to_string(r.status) + "\n" + r.err;
        if (write(fds[1], report.data(), report.size()) < 0) _exit(3);
        _exit(0);
    }
    close(fds[1]);
    std::string report;
    char buf[512];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) report.append(buf, size_t(n));
    close(fds[0]);
    waitpid(pid, nullptr, 0);
    EXPECT_EQ(report.substr(0, 2), "2\n") << report;
    EXPECT_TRUE(has(report, "kelvane layout: the form's placement was not saved")) << report;
    EXPECT_EQ(run({"store", "--store", store, "get", "Software\\A", "b"}).out, "1\n");
}

// A damaged page in the keys or in the values: no listing passes for whole (a failed part once
// made a short list, exit 0), and a form that could not save its placement says so.
TEST(KelvaneStore, ADamagedStoreIsNeverTakenForAShortOne) {
    ScratchDir dir;
    const std::string good = (dir.path() / "good.sqlite").string();
    for (int i = 0; i < 60; ++i)
        ASSERT_EQ(store_cmd(good, {"set", "K" + std::to_string(i) + "\\Sub", "name",
                                   std::string(100, 'v')})
                      .status,
                  0);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(good.c_str(), &db), SQLITE_OK);
    std::vector<std::pair<std::string, int64_t>> roots;  // table, its first page
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT name, rootpage FROM sqlite_master WHERE type = 'table'", -1, &st,
                       nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        roots.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)),
                           sqlite3_column_int64(st, 1));
    sqlite3_finalize(st);
    sqlite3_close(db);
    ASSERT_EQ(roots.size(), 2u);
    const std::string bytes = kv::test::slurp(good);
    const std::string form = dir.copy_sample("mailwindow.frm");
    for (const auto& [table, page] : roots) {
        SCOPED_TRACE(table);
        const std::string store = (dir.path() / (table + ".sqlite")).string();
        std::string damaged = bytes;
        damaged.replace(static_cast<size_t>(page - 1) * 4096 + 8, 4000, 4000, '\xAB');
        kv::test::spit(store, damaged);
        EXPECT_EQ(store_cmd(store, {"list", "--recursive"}).status, 2);
        EXPECT_EQ(store_cmd(store, {"list", "K1"}).status, 2);
        // SQLite may still write past a damaged page of keys; a damaged page of values, never.
        if (table != "entries") continue;
        const auto r = run({"layout", form, "--store", store, "--user-size", "11000x8000"});
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_TRUE(has(r.err, "the form's placement was not saved")) << r.err;
    }
}

// Keys deeper than the store takes are refused with a message, and one that another program
// left in the file is listed down to that depth and no further (it once took minutes).
TEST(KelvaneStore, KeysDeeperThanTheStoreTakesAreRefusedAndNotFollowed) {
    ScratchDir dir;
    const std::string store = (dir.path() / "s.sqlite").string();
    ASSERT_EQ(store_cmd(store, {"set", deep_key(512), "v", "1"}).status, 0);
    EXPECT_EQ(store_cmd(store, {"get", deep_key(512), "v"}).out, "1\n");
    for (const char* op : {"set", "get", "list"}) {
        SCOPED_TRACE(op);
        Argv args = {op, deep_key(513)};
        if (std::string(op) != "list") args.push_back("v");
        if (std::string(op) == "set") args.push_back("2");
        const auto r = store_cmd(store, args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(has(r.err, "a key of 513 levels; the store takes keys of at most 512 levels"))
            << r.err;
    }
    // 3000 levels below Software, as another program could have written them.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(store.c_str(), &db), SQLITE_OK);
    const std::string sql =
        "BEGIN;"
        "WITH RECURSIVE chain(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM chain WHERE n < 3000) "
        "INSERT INTO keys(id, root, parent, name) SELECT 1000000 + n, root, "
        "CASE n WHEN 1 THEN (SELECT id FROM keys WHERE name = 'Software') ELSE 999999 + n END, "
        "'d' || n FROM chain, (SELECT root FROM keys WHERE name = 'Software');"
        "COMMIT;";
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
    const auto listed = store_cmd(store, {"list", "-r", "Software"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_TRUE(has(listed.out, "\\d511\\\n")) << listed.out.size();
    EXPECT_FALSE(has(listed.out, "\\d512\\")) << listed.out.size();
}
