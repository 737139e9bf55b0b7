#include "host/frm/FrmDocument.h"

#include <filesystem>

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
    const fs::path dir = fs::path(path).parent_path();
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
    if (fs::exists(key)) {
        f = FrxFile::load(key);
    } else {
        f.set_path(key);
    }
    return frx_cache_.emplace(key, std::move(f)).first->second;
}

std::string FrmDocument::frx_text(const FrmProperty& p) const {
    const FrxFile& f = frx_file(p.frx_name);
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

}  // namespace kv::frm
