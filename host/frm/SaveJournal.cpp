#include "host/frm/SaveJournal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "host/frm/FrmError.h"
#include "host/frm/FrmProperty.h"

namespace kv::frm {

namespace fs = std::filesystem;

namespace {

constexpr const char* kMagic = "kelvane save 1";
constexpr const char* kEnd = "end";

std::string hash_hex(const std::string& name) {
    uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (unsigned char c : name) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
    return buf;
}

bool exists_here(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

void sync_folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::vector<std::string> folder_names(const std::string& folder) {
    std::vector<std::string> names;
    DIR* d = ::opendir(folder.c_str());
    if (!d) return names;
    while (const dirent* e = ::readdir(d)) names.emplace_back(e->d_name);
    ::closedir(d);
    return names;
}

bool write_all(int fd, const std::string& bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// The journal's parts: records of NUL-ended fields, "R" from to, "D" name, then the end mark.
// Anything else (a journal cut short, another program's file) is no promise.
struct Promise {
    std::vector<std::pair<std::string, std::string>> renames;
    std::vector<std::string> removals;
};

std::optional<Promise> read_promise(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> fields;
    std::string field;
    while (std::getline(in, field, '\0')) fields.push_back(field);
    if (fields.size() < 2 || fields.front() != kMagic || fields.back() != kEnd) return std::nullopt;
    Promise p;
    for (size_t i = 1; i + 1 < fields.size();) {
        const auto plain = [](const std::string& n) {
            return !n.empty() && n != "." && n != ".." && n.find('/') == std::string::npos;
        };
        if (fields[i] == "R" && i + 2 < fields.size() - 1 && plain(fields[i + 1]) &&
            plain(fields[i + 2])) {
            p.renames.emplace_back(fields[i + 1], fields[i + 2]);
            i += 3;
        } else if (fields[i] == "D" && i + 1 < fields.size() - 1 && plain(fields[i + 1])) {
            p.removals.push_back(fields[i + 1]);
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return p;
}

// The earlier version's temporary names: "." + file name + ".new." or ".old." + 6 characters
// (the .frx's name in any case, as the form refers to it).
std::vector<std::string> legacy_names(const std::vector<std::string>& names,
                                      const std::string& file, const char* tag) {
    const std::string head = "." + file + "." + tag + ".";
    std::vector<std::string> found;
    for (const auto& n : names)
        if (n.size() == head.size() + 6 && same_name(n.substr(0, head.size()), head))
            found.push_back(n);
    return found;
}

}  // namespace

SaveJournal::SaveJournal(const std::string& owner) : owner_(owner) {
    const fs::path p(owner);
    folder_ = p.parent_path().empty() ? "." : p.parent_path().string();
    prefix_ = ".kv-" + hash_hex(p.filename().string()) + ".";
    journal_ = prefix_ + "save";
}

std::string SaveJournal::path_in_folder(const std::string& name) const {
    return (fs::path(folder_) / name).string();
}

int SaveJournal::make_temp(std::string& path) const {
    path = path_in_folder(prefix_ + "XXXXXX");
    return ::mkostemp(path.data(), O_CLOEXEC);
}

void SaveJournal::commit(const std::vector<std::pair<std::string, std::string>>& renames,
                         const std::vector<std::string>& removals) const {
    std::string bytes = std::string(kMagic) + '\0';
    auto name = [](const std::string& path) { return fs::path(path).filename().string(); };
    for (const auto& [from, to] : renames)
        bytes += "R" + std::string(1, '\0') + name(from) + '\0' + name(to) + '\0';
    for (const auto& r : removals) bytes += "D" + std::string(1, '\0') + name(r) + '\0';
    bytes += std::string(kEnd) + '\0';
    std::string temp;
    const int fd = make_temp(temp);
    auto fail = [&](const char* what, int err) {
        if (!temp.empty()) ::unlink(temp.c_str());
        throw FrmError(
            owner_, 0,
            std::string("cannot write the file: ") + what + " (" + std::strerror(err) + ")");
    };
    if (fd < 0) fail("cannot create a temporary file in its folder", errno);
    if (!write_all(fd, bytes) || ::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        fail("cannot write the note of the save in its folder", err);
    }
    ::close(fd);
    if (::rename(temp.c_str(), path_in_folder(journal_).c_str()) != 0)
        fail("cannot put the note of the save in place", errno);
    sync_folder(folder_);
}

std::vector<std::string> SaveJournal::own_files() const {
    std::vector<std::string> own;
    for (const auto& n : folder_names(folder_))
        if (n.compare(0, prefix_.size(), prefix_) == 0) own.push_back(n);
    return own;
}

bool SaveJournal::pending() const {
    return !own_files().empty();
}

bool SaveJournal::finish() const {
    const auto own = own_files();
    if (own.empty()) return false;
    const std::string journal = path_in_folder(journal_);
    if (const auto promise = read_promise(journal)) {
        for (const auto& [from, to] : promise->renames) {
            const std::string source = path_in_folder(from);
            if (!exists_here(source)) continue;  // done before the kill
            if (::rename(source.c_str(), path_in_folder(to).c_str()) != 0)
                throw FrmError(owner_, 0,
                               "a save that was interrupted cannot be finished: renaming " + from +
                                   " to " + to + " failed (" + std::strerror(errno) + ")");
        }
        sync_folder(folder_);
        for (const auto& r : promise->removals) ::unlink(path_in_folder(r).c_str());
    }
    // The journal goes last: until then a kill here finds the same work to do.
    for (const auto& n : own)
        if (n != journal_) ::unlink(path_in_folder(n).c_str());
    ::unlink(journal.c_str());
    sync_folder(folder_);
    return true;
}

bool SaveJournal::legacy_pending(const std::string& frx) const {
    const auto names = folder_names(folder_);
    const std::string form = fs::path(owner_).filename().string();
    for (const auto* file : {&form, &frx})
        for (const char* tag : {"new", "old"})
            if (!legacy_names(names, *file, tag).empty()) return true;
    return false;
}

void SaveJournal::finish_legacy(const std::string& frx) const {
    const auto names = folder_names(folder_);
    const std::string form = fs::path(owner_).filename().string();
    const auto form_new = legacy_names(names, form, "new");
    const auto form_old = legacy_names(names, form, "old");
    const auto frx_new = legacy_names(names, frx, "new");
    const auto frx_old = legacy_names(names, frx, "old");
    if (form_new.size() > 1 || form_old.size() > 1 || frx_new.size() > 1 || frx_old.size() > 1)
        return;
    // The old save wrote and flushed every new file before it kept the old ones beside them, then
    // renamed the .frx before the form. A kept old form with its new one beside it, and no new
    // .frx waiting, is a save killed after the .frx was replaced: the new form belongs to it.
    if (form_new.size() == 1 && form_old.size() == 1 && frx_new.empty()) {
        if (::rename(path_in_folder(form_new[0]).c_str(), owner_.c_str()) != 0)
            throw FrmError(owner_, 0,
                           "a save that was interrupted cannot be finished: renaming " +
                               form_new[0] + " failed (" + std::strerror(errno) + ")");
        sync_folder(folder_);
    }
    for (const auto* list : {&form_new, &form_old, &frx_new, &frx_old})
        for (const auto& n : *list) ::unlink(path_in_folder(n).c_str());
    sync_folder(folder_);
}

}  // namespace kv::frm
