#include "host/frm/FrmDocument.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string_view>

#include "host/frm/CodePage.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrxPicture.h"

namespace kv::frm {

namespace fs = std::filesystem;

std::string FrmDocument::bytes() const {
    std::string out;
    for (const auto& l : lines) {
        out += l.text;
        out += l.eol;
    }
    return out;
}

std::string FrmDocument::usual_eol() const {
    size_t crlf = 0, lf = 0;
    for (const auto& l : lines) {
        if (l.eol == "\r\n") ++crlf;
        if (l.eol == "\n") ++lf;
    }
    return lf > crlf ? "\n" : "\r\n";
}

namespace {
void walk(const FrmBlock& parent, const std::function<void(const FrmBlock&, const FrmBlock&)>& fn) {
    for (const auto& child : parent.children) {
        fn(child, parent);
        walk(child, fn);
    }
}
}  // namespace

void FrmDocument::for_each_block(
    const std::function<void(const FrmBlock&, const FrmBlock&)>& fn) const {
    walk(form, fn);
}

const FrmBlock* FrmDocument::resizer() const {
    const FrmBlock* found = nullptr;
    for_each_block([&](const FrmBlock& b, const FrmBlock&) {
        if (!found && b.is_class(kResizerClass)) found = &b;
    });
    return found;
}

std::string FrmDocument::frx_name() const {
    // Always the form's own companion; a reference naming it keeps its spelling.
    const std::string own = fs::path(path).stem().string() + ".frx";
    std::string name;
    auto look = [&](const std::vector<FrmProperty>& props) {
        for (const auto& p : props)
            if (name.empty() && p.kind == FrmValueKind::FrxRef && same_name(p.frx_name, own))
                name = p.frx_name;
    };
    look(form.properties);
    for_each_block([&](const FrmBlock& b, const FrmBlock&) { look(b.properties); });
    return name.empty() ? own : name;
}

std::string FrmDocument::frx_path(const std::string& frx_name) const {
    const fs::path dir = fs::path(file_path.empty() ? path : file_path).parent_path();
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir.empty() ? fs::path(".") : dir, ec)) {
        if (same_name(entry.path().filename().string(), frx_name)) {
            return (dir / entry.path().filename()).string();
        }
    }
    return (dir / frx_name).string();
}

FrxFile& FrmDocument::frx_file(const std::string& frx_name) const {
    const std::string key = frx_path(frx_name);
    auto it = frx_cache_.find(key);
    if (it != frx_cache_.end()) return it->second;
    FrxFile f;
    f.set_path(key);
    struct stat st {};
    if (::lstat(key.c_str(), &st) == 0) {
        try {
            f = FrxFile::load(key);
        } catch (const FrmError& e) {
            f.set_error(e.reason());
        }
    } else if (errno != ENOENT) {
        f.set_error(std::string("cannot look at the file: ") + std::strerror(errno));
    }
    return frx_cache_.emplace(key, std::move(f)).first->second;
}

std::string FrmDocument::frx_text(const FrmProperty& p) const {
    const FrxFile& f = frx_file(p.frx_name);
    if (!f.error().empty())
        throw FrmError(path, p.line + 1, p.name + " refers to " + f.path() + ": " + f.error());
    if (!f.exists_on_disk()) {
        throw FrmError(path, p.line + 1,
                       "expected the file " + p.frx_name + " beside the form for " + p.name +
                           ", found no such file");
    }
    try {
        return f.read_text(p.frx_offset);
    } catch (const FrmError& e) {
        throw FrmError(path, p.line + 1, p.name + " refers to " + e.what());
    }
}

std::optional<host::Picture> FrmDocument::frx_picture(const FrmProperty& p) const {
    const FrxFile& f = frx_file(p.frx_name);
    if (!f.exists_on_disk()) {
        throw FrmError(path, p.line + 1,
                       "expected the file " + p.frx_name + " beside the form for " + p.name +
                           ", found no such file");
    }
    try {
        return FrxPicture::read(f, p.frx_offset);
    } catch (const FrmError& e) {
        throw FrmError(path, p.line + 1, p.name + " refers to a damaged picture: " + e.what());
    }
}

std::string FrmDocument::decode(const std::string& bytes) const {
    if (!fallback_encoding.empty() && encoding == "UTF-8" && !is_valid_utf8(bytes))
        return decode_text_replacing(bytes, fallback_encoding);
    return decode_text_replacing(bytes, encoding);
}

namespace {

size_t fingerprint(std::string_view bytes) {
    return std::hash<std::string_view>{}(bytes);
}

// The whole file as it is now, nullopt when there is none (or no regular file).
std::optional<std::string> bytes_on_disk(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void collect_frx_names(const std::vector<FrmProperty>& props, std::set<std::string>& names) {
    for (const auto& p : props)
        if (p.kind == FrmValueKind::FrxRef) names.insert(p.frx_name);
}

void collect_frx_names(const std::vector<FrmGroup>& groups, std::set<std::string>& names) {
    for (const auto& g : groups) {
        collect_frx_names(g.properties, names);
        collect_frx_names(g.groups, names);
    }
}

}  // namespace

void FrmDocument::read_all_frx() const {
    std::set<std::string> names{frx_name()};
    collect_frx_names(form.properties, names);
    collect_frx_names(form.groups, names);
    for_each_block([&](const FrmBlock& b, const FrmBlock&) {
        collect_frx_names(b.properties, names);
        collect_frx_names(b.groups, names);
    });
    for (const auto& n : names) frx_file(n);
}

void FrmDocument::note_read_from_disk(const std::string& bytes) {
    from_disk_ = true;
    disk_size_ = bytes.size();
    disk_hash_ = fingerprint(bytes);
}

void FrmDocument::adopt_files_of(const FrmDocument& read_from_disk) {
    file_path = read_from_disk.file_path;
    frx_cache_ = read_from_disk.frx_cache_;
    from_disk_ = read_from_disk.from_disk_;
    disk_size_ = read_from_disk.disk_size_;
    disk_hash_ = read_from_disk.disk_hash_;
}

void FrmDocument::note_frx_written(const std::string& frx_path, const std::string& bytes) {
    frx_cache_.insert_or_assign(frx_path, FrxFile::written(frx_path, bytes));
}

void FrmDocument::check_unchanged_on_disk() const {
    if (!from_disk_) return;
    auto changed = [&](const std::string& what) {
        throw FrmError(path, 0,
                       what +
                           " was changed by another program since the form was read; nothing "
                           "was saved: open the form again and repeat the change");
    };
    const auto now = bytes_on_disk(file_path.empty() ? path : file_path);
    if (!now || now->size() != disk_size_ || fingerprint(*now) != disk_hash_) changed("the form");
    for (const auto& [key, f] : frx_cache_) {
        if (!f.error().empty()) continue;  // refused whenever it is used
        const auto frx_now = bytes_on_disk(key);
        if (f.exists_on_disk() ? (!frx_now || *frx_now != f.bytes()) : frx_now.has_value())
            changed(fs::path(key).filename().string());
    }
}

}  // namespace kv::frm
