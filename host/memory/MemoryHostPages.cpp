// The memory host's property pages and desktop services.
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "engine/Error.h"
#include "host/memory/DesktopServices.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPageDialog.h"

namespace kv::mem {

std::shared_ptr<MemoryPageDialog> MemoryHost::open_property_pages(const ObjectRef& control) {
    // One dialog at a time, as in the designer.
    if (dialog_ && dialog_->is_open()) dialog_->cancel();
    dialog_.reset();
    dialog_ = std::make_shared<MemoryPageDialog>(shared_from_this(),
                                                 std::dynamic_pointer_cast<MemoryObject>(control));
    return dialog_;
}

void MemoryHost::show_property_pages(const ObjectRef& control) {
    open_property_pages(control);
}

void MemoryHost::open_document(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) throw Error(53, "File not found: " + path);
    opened_documents_.push_back(path);
    if (launch_ && !(program_exists(opener_) && spawn_program({opener_, path})))
        throw Error(53, "File not found: cannot start '" + opener_ + "' to open " + path);
}

bool MemoryHost::start_program(const std::vector<std::string>& argv) {
    if (argv.empty()) return false;
    started_.push_back(argv);
    if (launch_) return program_exists(argv[0]) && spawn_program(argv);
    return missing_programs_.count(argv[0]) == 0;
}

std::string MemoryHost::temp_folder() {
    if (!temp_folder_.empty()) return temp_folder_;
    const char* dir = std::getenv("TMPDIR");
    return dir && *dir ? dir : "/tmp";
}

void MemoryHost::write_private_file(const std::string& path, const std::string& content) {
    mem::write_private_file(path, content);
}

void MemoryHost::press_about_system_info() {
    if (about_boxes_.empty()) throw Error::standard(kErrInvalidCall);
    if (about_boxes_.back().system_info) about_boxes_.back().system_info();
}

std::string MemoryHost::system_facts() {
    std::string facts;
    struct utsname u {};
    if (::uname(&u) == 0) {
        facts += std::string("Operating system: ") + u.sysname + " " + u.release + "\r\n";
        facts += std::string("Machine: ") + u.machine + "\r\n";
        facts += std::string("Computer name: ") + u.nodename + "\r\n";
    }
    facts += "Processors: " + std::to_string(std::thread::hardware_concurrency()) + "\r\n";
    const long pages = ::sysconf(_SC_PHYS_PAGES), page_size = ::sysconf(_SC_PAGESIZE);
    if (pages > 0 && page_size > 0)
        facts +=
            "Memory: " + std::to_string(static_cast<long long>(pages) * page_size / (1024 * 1024)) +
            " MB\r\n";
    facts += "Twips per pixel: " + std::to_string(static_cast<int>(tpp_x_)) + " x " +
             std::to_string(static_cast<int>(tpp_y_));
    return facts;
}

}  // namespace kv::mem
