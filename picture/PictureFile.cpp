#include "picture/PictureFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QImageWriter>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace kv::app {

namespace fs = std::filesystem;

namespace {

std::vector<std::string>& guarded_files() {
    static std::vector<std::string> files;
    return files;
}

bool same_file(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::absolute(a, ec).lexically_normal() == fs::absolute(b, ec).lexically_normal())
        return true;
    return fs::exists(a, ec) && fs::exists(b, ec) && fs::equivalent(a, b, ec);
}

}  // namespace

PictureGuard::PictureGuard(std::vector<std::string> files) : count_(files.size()) {
    for (auto& f : files) guarded_files().push_back(std::move(f));
}

PictureGuard::~PictureGuard() {
    auto& files = guarded_files();
    files.resize(files.size() - std::min(count_, files.size()));
}

std::string PictureGuard::guarded(const std::string& path) {
    for (const auto& f : guarded_files())
        if (same_file(path, f)) return f;
    return {};
}

bool write_picture_file(const QImage& image, const std::string& path, const std::string& format,
                        std::string& error) {
    if (const std::string g = PictureGuard::guarded(path); !g.empty()) {
        error = "cannot write the picture '" + path + "': it would replace " + g;
        return false;
    }
    const fs::path dir = fs::path(path).parent_path();
    std::string temp = ((dir.empty() ? fs::path(".") : dir) / ".kv-picture-XXXXXX").string();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        error = "cannot write the picture '" + path + "': " + std::strerror(errno);
        return false;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    bool written = false;
    {
        QFile file;
        if (file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
            QImageWriter writer(&file, QByteArray::fromStdString(format));
            written = writer.write(image) && file.flush();
        }
    }
    written = written && ::fchmod(fd, 0666 & ~mask) == 0 && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        error = "cannot write the picture '" + path + "'" +
                (written ? std::string(": ") + std::strerror(err) : std::string());
        return false;
    }
    return true;
}

}  // namespace kv::app
