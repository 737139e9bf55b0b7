#pragma once
// Shared by the form-file tests: the sample forms, whole-file reads and scratch folders.
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

#include "host/common/TabSet.h"
#include "host/memory/MemoryForm.h"

namespace kv::test {

inline std::string data_dir() {
    return KV_TEST_DATA;
}

inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void spit(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The controls parked on the tabs not on view moved back to where their tab shows them, as an
// exported form holds them (each on its tab's page): before the form is shown.
inline void unpark_tabs(mem::MemoryForm& form) {
    for (const auto& c : form.all_controls()) {
        const auto holder = c->container_object();
        auto r = c->rect_twips();
        if (holder && !holder->is_form() && c->traits().geometry == host::GeometryKind::Box &&
            host::parked(r.left) &&
            host::TabSet::candidate(holder->type_name(), holder->extra_properties())) {
            r.left += host::kParkedShift;
            c->set_rect_twips(r);
        }
    }
}

// A fresh folder removed again when the object goes.
class ScratchDir {
  public:
    ScratchDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("kv-frm-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    // Copies a sample form and its .frx (when it has one) here; returns the copy's path.
    std::string copy_sample(const std::string& name) const {
        const auto src = std::filesystem::path(data_dir()) / name;
        std::filesystem::copy_file(src, path_ / name);
        auto frx = src;
        frx.replace_extension(".frx");
        if (std::filesystem::exists(frx)) std::filesystem::copy_file(frx, path_ / frx.filename());
        return (path_ / name).string();
    }

    // Copies a sample form as copy_sample does, or again over an earlier copy, with the first
    // `from` in it changed to `to`; returns the copy's path. Throws when the sample has no `from`.
    std::string copy_sample_with(const std::string& name, const std::string& from,
                                 const std::string& to) const {
        const auto src = std::filesystem::path(data_dir()) / name;
        std::string text = slurp(src);
        const size_t at = text.find(from);
        if (at == std::string::npos) throw std::runtime_error(name + " has no " + from);
        text.replace(at, from.size(), to);
        spit(path_ / name, text);
        auto frx = src;
        frx.replace_extension(".frx");
        if (std::filesystem::exists(frx))
            std::filesystem::copy_file(frx, path_ / frx.filename(),
                                       std::filesystem::copy_options::overwrite_existing);
        return (path_ / name).string();
    }

  private:
    std::filesystem::path path_;
};

}  // namespace kv::test
