#include "fuzz/FuzzInput.h"

#include <stdlib.h>

#include <filesystem>

namespace kv::fuzz {

std::string scratch_dir() {
    static const std::string dir = [] {
        const char* base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/kv-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) abort();
        return pattern;
    }();
    return dir;
}

}  // namespace kv::fuzz
