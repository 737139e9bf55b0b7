#include "apps/kelvane/UserFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "harness/UsageError.h"
#include "host/frm/FileLimits.h"

namespace kv::app {

std::string read_user_file(const std::string& what, const std::string& path) {
    namespace fs = std::filesystem;
    const std::string named = what + "cannot read '" + path + "': ";
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        throw UsageError(named + "there is no such file");
    if (ec) throw UsageError(named + ec.message());  // a folder on the way that may not be read
    if (fs::is_directory(status)) throw UsageError(named + "it is a folder");
    if (!fs::is_regular_file(status)) throw UsageError(named + "it is not a regular file");
    const auto size = fs::file_size(path, ec);
    if (!ec && size > frm::kMaxFormFileBytes)
        throw UsageError(named + "it holds " + std::to_string(size) + " bytes, more than the " +
                         std::to_string(frm::kMaxFormFileBytes / (1024 * 1024)) +
                         " MB a form file may have");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw UsageError(named + std::strerror(errno));
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void make_user_folder(const std::string& option, const std::string& path) {
    namespace fs = std::filesystem;
    // "name/" of a file is no path to anything: asked without the slash.
    std::string folder = path;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return;
    const std::string named = option + ": cannot create the folder '" + path + "': ";
    if (fs::exists(folder, ec)) throw UsageError(named + "a file of that name is there");
    fs::create_directories(folder, ec);
    if (ec) throw UsageError(named + ec.message());
}

}  // namespace kv::app
