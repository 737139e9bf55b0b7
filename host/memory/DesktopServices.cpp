#include "host/memory/DesktopServices.h"

#include <filesystem>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <utility>

#include "engine/Error.h"

extern char** environ;

namespace kv::mem {

namespace {
Error access_error(const std::string& path, const std::string& why) {
    std::string text = "Path/File access error: ";
    text.append(path).append(": ").append(why);
    return Error(75, text);
}

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};
}  // namespace

void write_private_file(const std::string& path, const std::string& content) {
    // No O_TRUNC here: a file of someone else must be refused before anything of it changes.
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600));
    if (fd.get() < 0) throw access_error(path, std::strerror(errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) throw access_error(path, std::strerror(errno));
    if (!S_ISREG(st.st_mode)) throw access_error(path, "not a regular file");
    if (st.st_uid != ::geteuid()) throw access_error(path, "the file belongs to another user");
    if (::ftruncate(fd.get(), 0) != 0) throw access_error(path, std::strerror(errno));
    size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd.get(), content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw access_error(path, std::strerror(errno));
        done += static_cast<size_t>(n);
    }
    if (::close(fd.release()) != 0) throw access_error(path, std::strerror(errno));
}

bool program_exists(const std::string& program) {
    if (program.empty()) return false;
    if (program.find('/') != std::string::npos) return ::access(program.c_str(), X_OK) == 0;
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string candidate = end > start ? dirs.substr(start, end - start) : std::string(".");
        candidate.append("/").append(program);
        if (::access(candidate.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

bool spawn_program(const std::vector<std::string>& argv) {
    if (argv.empty()) return false;
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return false;
    // Not waited for here, but reaped when it ends: a long-running host (a designer that opens
    // the code or the help again and again) would otherwise keep a dead process for each.
    std::thread([pid] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

std::string installed_help_folder() {
    std::error_code ec;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    const auto folder = program.parent_path().parent_path() / "share" / "kelvane" / "help";
    if (!std::filesystem::is_regular_file(folder / "index.html", ec)) return {};
    return folder.string();
}

}  // namespace kv::mem
