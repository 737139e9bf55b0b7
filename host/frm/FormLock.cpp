#include "host/frm/FormLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "host/frm/FrmError.h"

namespace kv::frm {

namespace {

// One open folder per process, however many locks are counted on it: two descriptions of one
// folder in one process would shut each other out.
struct Held {
    int fd = -1;
    int shared = 0;
    int exclusive = 0;
};

std::mutex& registry_mutex() {
    static std::mutex m;
    return m;
}

std::map<std::string, Held>& registry() {
    static std::map<std::string, Held> held;
    return held;
}

std::string folder_of(const std::string& file) {
    const auto dir = std::filesystem::path(file).parent_path();
    return dir.empty() ? "." : dir.string();
}

// The folder's identity, so that two spellings of one folder share one lock; "" when it cannot
// be looked at.
std::string identity_of(const std::string& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) return {};
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
}

// flock with a deadline: true when taken, false when the time ran out.
bool lock_within(int fd, int how, std::chrono::milliseconds wait) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + wait;
    auto pause = std::chrono::milliseconds(2);
    for (;;) {
        if (::flock(fd, how | LOCK_NB) == 0) return true;
        if (errno == EINTR) continue;
        // A file system without locks (some network mounts): go on unlocked, as before.
        if (errno != EWOULDBLOCK) return true;
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
}

}  // namespace

FormLock::FormLock(const std::string& file, Mode mode, const std::string& shown_as) : mode_(mode) {
    const std::string id = identity_of(folder_of(file));
    if (id.empty()) return;
    std::lock_guard guard(registry_mutex());
    auto& held = registry()[id];
    const bool exclusive = mode == Mode::Exclusive;
    if (held.fd < 0) {
        held.fd = ::open(folder_of(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (held.fd < 0) {
            registry().erase(id);
            return;
        }
    }
    const bool need_lock = held.exclusive == 0 && (exclusive || held.shared == 0);
    if (need_lock && !lock_within(held.fd, exclusive ? LOCK_EX : LOCK_SH, kWait)) {
        if (held.shared == 0 && held.exclusive == 0) {
            ::close(held.fd);
            registry().erase(id);
        }
        throw FrmError(shown_as.empty() ? file : shown_as, 0,
                       "another program has been saving or reading the form for more than " +
                           std::to_string(kWait.count() / 1000) +
                           " seconds; nothing was done, try again when it has finished");
    }
    (exclusive ? held.exclusive : held.shared) += 1;
    folder_ = id;
    counted_ = true;
}

FormLock::~FormLock() {
    if (!counted_) return;
    std::lock_guard guard(registry_mutex());
    auto it = registry().find(folder_);
    if (it == registry().end()) return;
    auto& held = it->second;
    (mode_ == Mode::Exclusive ? held.exclusive : held.shared) -= 1;
    if (held.exclusive == 0 && held.shared == 0) {
        ::close(held.fd);  // lets go of the lock
        registry().erase(it);
    } else if (mode_ == Mode::Exclusive && held.exclusive == 0) {
        // Back to the readers of this process; converting never waits for a shared lock we
        // held before, since no other process can hold the folder exclusively now.
        ::flock(held.fd, LOCK_SH);
    }
}

bool FormLock::held_exclusively(const std::string& file) {
    const std::string id = identity_of(folder_of(file));
    std::lock_guard guard(registry_mutex());
    const auto it = registry().find(id);
    return it != registry().end() && it->second.exclusive > 0;
}

}  // namespace kv::frm
