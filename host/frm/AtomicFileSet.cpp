#include "host/frm/AtomicFileSet.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "host/frm/FrmError.h"

namespace kv::frm {

namespace fs = std::filesystem;

namespace {

std::function<void(const std::string&)>& fault_hook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

void reached(const std::string& stage) {
    if (fault_hook()) fault_hook()(stage);
}

std::string folder_of(const std::string& path) {
    const auto dir = fs::path(path).parent_path();
    return dir.empty() ? "." : dir.string();
}

[[noreturn]] void fail(const std::string& path, const std::string& what, int err) {
    throw FrmError(path, 0, "cannot write the file: " + what + " (" + std::strerror(err) + ")");
}

}  // namespace

void AtomicFileSet::set_fault_hook(std::function<void(const std::string& stage)> hook) {
    fault_hook() = std::move(hook);
}

AtomicFileSet::AtomicFileSet(const std::string& owner) : journal_(owner) {}

AtomicFileSet::~AtomicFileSet() {
    discard();
}

void AtomicFileSet::add(const std::string& path, const std::string& bytes) {
    entries_.push_back({path, bytes, "", "", false});
}

void AtomicFileSet::check_writable(const Entry& e) const {
    if (folder_of(e.path) != journal_.folder())
        fail(e.path, "it is not in the folder of the form", EXDEV);
    struct stat st {};
    if (::lstat(e.path.c_str(), &st) == 0) {
        // A link is never written through: the file it names may be anybody's.
        if (S_ISLNK(st.st_mode)) fail(e.path, "it is a symbolic link", EINVAL);
        if (!S_ISREG(st.st_mode)) fail(e.path, "it is not a regular file", EINVAL);
        // A file without any write permission was made read-only on purpose: even an
        // administrator, whom the system lets write it, does not replace it behind the user's back.
        if (::access(e.path.c_str(), W_OK) != 0) fail(e.path, "the file is read-only", errno);
        if ((st.st_mode & 0222) == 0) fail(e.path, "the file is read-only", EACCES);
    } else if (errno != ENOENT) {
        fail(e.path, "cannot look at it", errno);
    }
    if (::access(folder_of(e.path).c_str(), W_OK | X_OK) != 0)
        fail(e.path, errno == ENOENT ? "its folder does not exist" : "its folder is not writable",
             errno);
}

void AtomicFileSet::write_temp(Entry& e) {
    struct stat old {};
    e.existed = ::stat(e.path.c_str(), &old) == 0;
    const int fd = journal_.make_temp(e.temp);
    if (fd < 0) {
        e.temp.clear();
        fail(e.path, "cannot create a temporary file in its folder", errno);
    }
    const char* p = e.bytes.data();
    size_t left = e.bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            ::close(fd);
            fail(e.path,
                 "writing it stopped after " + std::to_string(e.bytes.size() - left) + " of " +
                     std::to_string(e.bytes.size()) + " bytes",
                 err);
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    // Keep the old file's permissions (and owner, where allowed); a new file gets the usual ones.
    mode_t mode = 0666;
    if (e.existed) {
        mode = old.st_mode & 07777;
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Not the owner: the file keeps ours, as any editor that saves by replacing does.
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        fail(e.path, "cannot flush it to disk", err);
    }
    if (::close(fd) != 0) fail(e.path, "cannot close it", errno);
}

// A link to the old file, so that a rename failing half-way can put the first ones back.
void AtomicFileSet::keep_backup(Entry& e) {
    if (!e.existed) return;
    std::string name;
    const int fd = journal_.make_temp(name);
    if (fd < 0) fail(e.path, "cannot create a temporary file in its folder", errno);
    ::close(fd);
    ::unlink(name.c_str());
    if (::link(e.path.c_str(), name.c_str()) != 0)
        fail(e.path, "cannot keep a copy of the old file while replacing it", errno);
    e.backup = name;
}

void AtomicFileSet::commit() {
    for (const auto& e : entries_) check_writable(e);
    for (auto& e : entries_) write_temp(e);
    for (auto& e : entries_) keep_backup(e);
    reached("written");
    std::vector<std::pair<std::string, std::string>> renames;
    std::vector<std::string> removals;
    for (const auto& e : entries_) {
        renames.emplace_back(e.temp, e.path);
        if (!e.backup.empty()) removals.push_back(e.backup);
    }
    journal_.commit(renames, removals);
    reached("promised");
    rename_all();
    // Done: the journal and the kept old files go.
    journal_.finish();
    for (auto& e : entries_) e.temp.clear(), e.backup.clear();
    entries_.clear();
}

void AtomicFileSet::rename_all() {
    for (size_t i = 0; i < entries_.size(); ++i) {
        auto& e = entries_[i];
        if (::rename(e.temp.c_str(), e.path.c_str()) == 0) {
            e.temp.clear();
            reached("renamed " + std::to_string(i + 1));
            continue;
        }
        const int err = errno;
        // Take the promise back before keeping it half: the old files return, the new go.
        std::vector<std::pair<std::string, std::string>> back;
        std::vector<std::string> removals;
        for (size_t k = 0; k < i; ++k) {
            const auto& done = entries_[k];
            if (!done.backup.empty())
                back.emplace_back(done.backup, done.path);
            else
                removals.push_back(done.path);
        }
        journal_.commit(back, removals);
        journal_.finish();
        for (auto& x : entries_) x.temp.clear(), x.backup.clear();
        fail(e.path, "cannot replace it", err);
    }
}

void AtomicFileSet::discard() {
    for (auto& e : entries_) {
        if (!e.temp.empty()) ::unlink(e.temp.c_str());
        if (!e.backup.empty()) ::unlink(e.backup.c_str());
        e.temp.clear();
        e.backup.clear();
    }
}

}  // namespace kv::frm
