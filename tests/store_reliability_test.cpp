// The SQLite store under stress: processes writing at once, a writer killed mid-loop, and files
// that are not usable stores.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "host/memory/MemoryHost.h"
#include "host/store/SqliteSettingsStore.h"

namespace {

using kv::store::kCurrentUser;
using kv::store::SqliteSettingsStore;

class StoreFile : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/kv_store_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        path_ = dir_ + "/settings.sqlite";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // A store that records its messages instead of showing them.
    std::unique_ptr<SqliteSettingsStore> open_store() {
        return std::make_unique<SqliteSettingsStore>(
            path_, [this](const std::string& m) { messages_.push_back(m); });
    }

    std::string dir_, path_;
    std::vector<std::string> messages_;
};

std::string value_name(int writer, int i) {
    return "w" + std::to_string(writer) + "_" + std::to_string(i);
}

// Runs in a forked child: waits for the go byte, writes `count` values, exits 0 when all worked.
[[noreturn]] void writer_child(const std::string& path, int writer, int count, int go_fd) {
    char go = 0;
    if (read(go_fd, &go, 1) != 1) _exit(3);
    // Each loop may starve the other for a while (the file lock is not fair): a writer here waits
    // as long as it takes, where a form's run gives up after a few seconds.
    SqliteSettingsStore store(
        path, [](const std::string&) { _exit(4); }, std::chrono::minutes(2));
    for (int i = 0; i < count; ++i) {
        if (!store.write(kCurrentUser, "Software\\Load\\Writer" + std::to_string(writer),
                         value_name(writer, i), std::to_string(i))) {
            _exit(5);
        }
    }
    _exit(0);
}

TEST_F(StoreFile, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int kCount = 1000;
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    std::vector<pid_t> children;
    for (int writer = 1; writer <= 2; ++writer) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(go[1]);
            writer_child(path_, writer, kCount, go[0]);
        }
        children.push_back(pid);
    }
    close(go[0]);
    ASSERT_EQ(write(go[1], "gg", 2), 2);  // both start together
    close(go[1]);
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }

    auto store = open_store();
    for (int writer = 1; writer <= 2; ++writer) {
        const std::string key = "software\\load\\writer" + std::to_string(writer);
        auto values = store->list_values(kCurrentUser, key);
        ASSERT_TRUE(values);
        EXPECT_EQ(values->size(), size_t{kCount});
        for (int i = 0; i < kCount; ++i) {
            ASSERT_EQ(store->read(kCurrentUser, key, value_name(writer, i)), std::to_string(i));
        }
    }
    EXPECT_TRUE(messages_.empty());
}

TEST_F(StoreFile, KilledWriterLeavesEveryReturnedWrite) {
    int progress[2];
    ASSERT_EQ(pipe(progress), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        close(progress[0]);
        SqliteSettingsStore store(path_, [](const std::string&) { _exit(4); });
        for (uint32_t i = 0;; ++i) {
            if (!store.write(kCurrentUser, "Software\\Crash", "v" + std::to_string(i),
                             std::string(200, 'x') + std::to_string(i))) {
                _exit(5);
            }
            if (write(progress[1], &i, sizeof i) != sizeof i) _exit(6);
        }
    }
    close(progress[1]);
    std::set<uint32_t> done;
    uint32_t i = 0;
    while (done.size() < 300 && read(progress[0], &i, sizeof i) == sizeof i) done.insert(i);
    kill(pid, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status)) << "writer ended on its own with " << status;
    while (read(progress[0], &i, sizeof i) == sizeof i) done.insert(i);
    close(progress[0]);

    auto store = open_store();
    for (uint32_t n : done) {
        ASSERT_EQ(store->read(kCurrentUser, "Software\\Crash", "v" + std::to_string(n)),
                  std::string(200, 'x') + std::to_string(n));
    }
    EXPECT_TRUE(store->write(kCurrentUser, "Software\\Crash", "after", "1"));
    EXPECT_TRUE(messages_.empty()) << messages_.front();
}

void write_bytes(const std::string& path, const std::string& bytes, std::streamoff at = 0) {
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!f) f.open(path, std::ios::out | std::ios::binary);
    f.seekp(at);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string garbage(size_t n) {
    std::string g(n, '\0');
    for (size_t i = 0; i < n; ++i) g[i] = static_cast<char>((i * 7919 + 13) % 251);
    return g;
}

std::string file_bytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Every operation answers "nothing" and the one message names the file and the fault.
void expect_unusable(SqliteSettingsStore& store, const std::vector<std::string>& messages,
                     const std::string& path, const std::string& fault) {
    EXPECT_EQ(store.read(kCurrentUser, "Software\\X", "Left"), std::nullopt);
    EXPECT_FALSE(store.write(kCurrentUser, "Software\\X", "Left", "1"));
    EXPECT_EQ(store.list_subkeys(kCurrentUser, "Software"), std::nullopt);
    EXPECT_EQ(store.list_values(kCurrentUser, "Software\\X"), std::nullopt);
    EXPECT_FALSE(store.delete_value(kCurrentUser, "Software\\X", "Left"));
    EXPECT_FALSE(store.delete_key(kCurrentUser, "Software\\X"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("\"" + path + "\""), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find(fault), std::string::npos) << messages[0];
}

TEST_F(StoreFile, GarbageFileGivesDefaultsAndOneMessage) {
    const std::string bytes = garbage(8192);
    write_bytes(path_, bytes);
    auto store = open_store();
    expect_unusable(*store, messages_, path_, "not a database");
    EXPECT_EQ(file_bytes(path_), bytes);  // the user's file is left for repair, not overwritten
}

// Another program's database is no store: it is neither used nor changed.
TEST_F(StoreFile, AnotherProgramsDatabaseIsLeftAlone) {
    for (const char* schema : {"CREATE TABLE customers(id INTEGER, name TEXT)",
                               "CREATE TABLE keys(id INTEGER, label TEXT)"}) {
        std::filesystem::remove(path_);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, schema, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        const std::string bytes = file_bytes(path_);
        messages_.clear();
        auto store = open_store();
        expect_unusable(*store, messages_, path_, "a database of another program");
        EXPECT_EQ(file_bytes(path_), bytes) << schema;
    }
}

TEST_F(StoreFile, UnreachablePathGivesDefaultsAndOneMessage) {
    write_bytes(dir_ + "/plainfile", "not a folder");
    path_ = dir_ + "/plainfile/settings.sqlite";
    auto store = open_store();
    expect_unusable(*store, messages_, path_, "unable to open");
}

TEST_F(StoreFile, MessageGoesToTheHostWithoutASink) {
    auto host = kv::mem::MemoryHost::install();
    write_bytes(path_, garbage(4096));
    SqliteSettingsStore store(path_);
    EXPECT_EQ(store.read(kCurrentUser, "A", "b"), std::nullopt);
    EXPECT_FALSE(store.write(kCurrentUser, "A", "b", "c"));
    ASSERT_EQ(host->messages().size(), 1u);
    EXPECT_NE(host->messages()[0].text.find(path_), std::string::npos);
    EXPECT_EQ(host->messages()[0].style, kv::kExclamation);
    kv::Host::set_current(nullptr);
}

// Another program holding the file in an exclusive transaction until told to let go.
class LockHolder {
  public:
    explicit LockHolder(const std::string& path) {
        int ready[2], release[2];
        if (pipe(ready) != 0 || pipe(release) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            sqlite3* db = nullptr;
            if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) _exit(3);
            if (sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr,
                             nullptr, nullptr) != SQLITE_OK)
                _exit(4);
            char c = 1;
            if (write(ready[1], &c, 1) != 1) _exit(5);
            if (read(release[0], &c, 1) < 0) _exit(6);
            sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(db);
            _exit(0);
        }
        char c = 0;
        locked_ = read(ready[0], &c, 1) == 1;
        release_fd_ = release[1];
        close(ready[0]);
        close(ready[1]);
        close(release[0]);
    }
    ~LockHolder() { let_go(); }
    bool locked() const { return locked_; }
    void let_go() {
        if (pid_ <= 0) return;
        char c = 1;
        if (write(release_fd_, &c, 1) != 1) kill(pid_, SIGKILL);
        close(release_fd_);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
    }

  private:
    pid_t pid_ = -1;
    int release_fd_ = -1;
    bool locked_ = false;
};

TEST_F(StoreFile, LockedFileIsWaitedForBrieflyThenCalledBusyOnce) {
    ASSERT_TRUE(open_store()->write(kCurrentUser, "Software\\X", "Left", "120"));
    LockHolder holder(path_);
    ASSERT_TRUE(holder.locked());
    auto store = open_store();
    const auto started = std::chrono::steady_clock::now();
    // What one run of a form does: several reads and a write, all on a locked file.
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(store->read(kCurrentUser, "Software\\X", "Left"), std::nullopt);
    EXPECT_FALSE(store->write(kCurrentUser, "Software\\X", "Left", "240"));
    EXPECT_TRUE(store->failed());
    const auto spent = std::chrono::steady_clock::now() - started;
    // A few seconds in all, not several seconds per call.
    EXPECT_LT(spent, std::chrono::seconds(8));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].find("\"" + path_ + "\" is busy"), std::string::npos) << messages_[0];
    EXPECT_EQ(messages_[0].find("repaired"), std::string::npos) << messages_[0];
    // Once the other program lets go, the same store works again at once.
    holder.let_go();
    EXPECT_EQ(store->read(kCurrentUser, "Software\\X", "Left"), "120");
    EXPECT_FALSE(store->failed());
}

// Runs `body` in a child process and answers its exit status (0: every check in it held; the
// child names a failed one on standard error).
int in_child(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int check(bool ok, const char* what) {
    if (!ok) fprintf(stderr, "failed: %s\n", what);
    return ok ? 0 : 1;
}

const std::string kPlacement = "Software\\Q\\frmMain";

// A placement is written whole: a writer killed half-way through its group leaves the last
// whole placement, never one session's Width with another's Height.
TEST_F(StoreFile, AGroupKilledHalfWayKeepsNoneOfItsWrites) {
    {
        auto store = open_store();
        store->begin_group();
        store->write(kCurrentUser, kPlacement, "Width", "1000");
        store->write(kCurrentUser, kPlacement, "Height", "800");
        EXPECT_TRUE(store->end_group());
    }
    const int status = in_child([&] {
        SqliteSettingsStore store(path_);
        store.begin_group();
        store.write(kCurrentUser, kPlacement, "Width", "2000");
        _exit(9);  // before Height
        return 0;
    });
    EXPECT_EQ(status, 9);
    auto store = open_store();
    EXPECT_EQ(store->read(kCurrentUser, kPlacement, "Width"), "1000");
    EXPECT_EQ(store->read(kCurrentUser, kPlacement, "Height"), "800");
    EXPECT_TRUE(messages_.empty());
}

// A store on a read-only mount, or a file the user may not write, still gives what was saved;
// it says once that nothing is saved, and never calls the file damaged.
TEST_F(StoreFile, AFileThatCannotBeWrittenIsStillRead) {
    open_store()->write(kCurrentUser, kPlacement, "Width", "1000");
    chmod(dir_.c_str(), 0555);
    chmod(path_.c_str(), 0444);
    const int status = in_child([&] {
        // The administrator may write anything: read as somebody else.
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 2;
        std::vector<std::string> told;
        SqliteSettingsStore store(path_, [&](const std::string& m) { told.push_back(m); });
        int bad = check(store.read(kCurrentUser, kPlacement, "Width") == "1000", "read");
        bad += check(!store.write(kCurrentUser, kPlacement, "Width", "5"), "write refused");
        store.begin_group();
        store.write(kCurrentUser, kPlacement, "Height", "5");
        bad += check(!store.end_group(), "group refused");
        bad += check(store.read(kCurrentUser, kPlacement, "Width") == "1000", "read after");
        bad += check(told.size() == 1, "one message");
        bad += check(!told.empty() && told[0].find("cannot be written") != std::string::npos &&
                         told[0].find("repaired") == std::string::npos,
                     "not called damaged");
        bad += check(!store.lost_writes().empty(), "lost writes told");
        return bad;
    });
    chmod(dir_.c_str(), 0755);
    EXPECT_EQ(status, 0);
}

// A full disk (here: a file-size limit, whose signal is ignored so writes fail as on a full
// disk) loses the writes, keeps the reads, and says so once.
TEST_F(StoreFile, AFullDiskStillReads) {
    open_store()->write(kCurrentUser, kPlacement, "Width", "1000");
    const int status = in_child([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit lim{0, 0};
        setrlimit(RLIMIT_FSIZE, &lim);
        std::vector<std::string> told;
        SqliteSettingsStore store(path_, [&](const std::string& m) { told.push_back(m); });
        int bad = check(store.read(kCurrentUser, kPlacement, "Width") == "1000", "read");
        bad += check(!store.write(kCurrentUser, kPlacement, "Other", std::string(9000, 'x')),
                     "write refused");
        bad += check(store.read(kCurrentUser, kPlacement, "Width") == "1000", "read after");
        bad += check(told.size() == 1, "one message");
        bad += check(!told.empty() && told[0].find("repaired") == std::string::npos,
                     "not called damaged");
        if (!told.empty()) fprintf(stderr, "%s\n", told[0].c_str());
        return bad;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(open_store()->read(kCurrentUser, kPlacement, "Other"), std::nullopt);
}

TEST_F(StoreFile, EmptyPathIsUnusableNotATemporaryStore) {
    path_ = "";
    auto store = open_store();
    expect_unusable(*store, messages_, path_, "no file name");
    EXPECT_TRUE(store->failed());
}

}  // namespace
