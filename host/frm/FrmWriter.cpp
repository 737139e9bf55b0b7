#include "host/frm/FrmWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>

#include "host/frm/AtomicFileSet.h"
#include "host/frm/CodePage.h"
#include "host/frm/FrmError.h"

namespace kv::frm {

namespace {

// The resizer library as the form's header names it.
constexpr const char* kResizerObjectLine =
    "Object = \"{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0\"; \"zokKL4VB.ocx\"";
constexpr const char* kResizerLibraryGuid = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}";

bool needs_frx(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 32 || u == 127;
    });
}

std::string quoted(const std::string& bytes) {
    std::string out = "\"";
    for (char c : bytes) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}

std::string indent_of(const std::string& line) {
    return line.substr(0, line.find_first_not_of(" \t"));
}

// The value the old line held, decoded as the loader decodes it; nullopt when unreadable.
std::optional<Value> old_value(const FrmDocument& doc, const FrmProperty& p) {
    switch (p.kind) {
        case FrmValueKind::Number:
        case FrmValueKind::Hex:
            return Value(p.number);
        case FrmValueKind::String:
            return Value(p.text);
        case FrmValueKind::Bare:
            return Value(p.text);
        case FrmValueKind::FrxRef:
            try {
                return Value(doc.decode(doc.frx_text(p)));
            } catch (const FrmError&) {
                return std::nullopt;
            }
    }
    return std::nullopt;
}

bool same_written(const Value& a, const Value& b) {
    const bool at = std::holds_alternative<std::string>(a);
    const bool bt = std::holds_alternative<std::string>(b);
    if (at != bt) return false;
    return same_value(a, b);
}

}  // namespace

const std::vector<std::string>& FrmWriter::resizer_property_names() {
    static const std::vector<std::string> names = {"LockWindowOnResize",
                                                   "AddAllControls",
                                                   "AddAllFontsButtons",
                                                   "ControlSettings",
                                                   "PaneSettings",
                                                   "FormGUID",
                                                   "SubKey",
                                                   "SavePos",
                                                   "SaveSizes",
                                                   "SaveWindowState",
                                                   "SavePaneSplit",
                                                   "AllowMinWindowState",
                                                   "UseSplitBars",
                                                   "SplitBarsColor",
                                                   "MinWidth",
                                                   "MinHeight",
                                                   "MaxWidth",
                                                   "MaxHeight",
                                                   "ChildWidth",
                                                   "ChildHeight",
                                                   "ChildScaleWidth",
                                                   "ChildScaleHeight",
                                                   "AlignBLeft",
                                                   "AlignBTop",
                                                   "AlignBBottom",
                                                   "AlignBRight"};
    return names;
}

std::string FrmWriter::number_text(double x) {
    if (std::isfinite(x) && x == std::trunc(x) && std::fabs(x) < 1e15) {
        return std::to_string(static_cast<long long>(x));
    }
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    std::string s(buf, r.ptr);
    // The designer writes exponents as E+NN.
    const auto e = s.find('e');
    if (e != std::string::npos) {
        s[e] = 'E';
        if (s[e + 1] != '-' && s[e + 1] != '+') s.insert(e + 1, "+");
    }
    return s;
}

std::string FrmWriter::property_line(const std::string& indent, const std::string& name,
                                     const std::string& value_text) {
    std::string line = indent + name;
    if (name.size() < 16) line.append(16 - name.size(), ' ');
    return line + "=   " + value_text;
}

SavedForm FrmWriter::save_resizer(const FrmDocument& doc, const BagEntries& entries) {
    const FrmBlock* block = doc.resizer();
    if (!block) throw FrmError(doc.path, 0, "expected a resizer control on the form, found none");
    auto is_bag_name = [](const std::string& n) {
        for (const auto& k : resizer_property_names())
            if (same_name(k, n)) return true;
        return false;
    };
    std::vector<const FrmProperty*> old;
    for (const auto& p : block->properties)
        if (is_bag_name(p.name)) old.push_back(&p);
    for (const auto& [name, v] : entries)
        if (!is_bag_name(name)) {
            for (const auto& p : block->properties)
                if (same_name(p.name, name)) old.push_back(&p);
        }
    std::sort(old.begin(), old.end(),
              [](const FrmProperty* a, const FrmProperty* b) { return a->line < b->line; });

    // Where the new lines go: in place of the old ones, else after the extent lines, else after
    // the last property line.
    size_t insert_at = block->end_line;
    if (!old.empty()) {
        insert_at = old.front()->line;
    } else if (!block->properties.empty()) {
        insert_at = block->properties.back().line + 1;
        for (const auto& p : block->properties)
            if (!p.name.empty() && p.name[0] == '_') insert_at = p.line + 1;
    }
    if (!block->groups.empty()) insert_at = std::min(insert_at, block->groups.front().begin_line);
    if (!block->children.empty())
        insert_at = std::min(insert_at, block->children.front().begin_line);
    const std::string indent = block->properties.empty()
                                   ? indent_of(doc.lines[block->begin_line].text) + "   "
                                   : indent_of(doc.lines[block->properties.front().line].text);

    // .frx: the old entries of this block, when they are the file's tail, are rewritten there.
    const std::string frx_name = doc.frx_name();
    FrxFile frx = doc.frx_file(frx_name);
    std::map<uint32_t, size_t> tail;
    for (const auto* p : old)
        if (p->kind == FrmValueKind::FrxRef && same_name(p->frx_name, frx_name))
            tail[p->frx_offset] = frx.entry_size(p->frx_offset);
    constexpr size_t kNone = static_cast<size_t>(-1);
    size_t reuse_from = kNone;
    if (!tail.empty()) {
        size_t end = tail.begin()->first;
        bool contiguous = true;
        for (const auto& [offset, size] : tail) {
            contiguous = contiguous && offset == end && size > 0;
            end = offset + size;
        }
        if (contiguous && end == frx.bytes().size()) reuse_from = tail.begin()->first;
    }
    // First decide which lines stay as they are: an unchanged value keeps its bytes.
    std::vector<const FrmProperty*> kept(entries.size(), nullptr);
    bool keeps_frx_entry = false;
    for (size_t k = 0; k < entries.size(); ++k) {
        for (const auto* p : old) {
            if (!same_name(p->name, entries[k].first)) continue;
            const auto v = old_value(doc, *p);
            if (v && same_written(*v, entries[k].second)) {
                kept[k] = p;
                keeps_frx_entry = keeps_frx_entry || p->kind == FrmValueKind::FrxRef;
            }
        }
    }
    if (keeps_frx_entry) reuse_from = kNone;
    bool frx_changed = false;

    std::vector<FrmLine> new_lines;
    const std::string eol = doc.lines[block->begin_line].eol.empty()
                                ? doc.usual_eol()
                                : doc.lines[block->begin_line].eol;
    for (size_t k = 0; k < entries.size(); ++k) {
        const auto& [name, value] = entries[k];
        if (kept[k]) {
            new_lines.push_back(doc.lines[kept[k]->line]);
            continue;
        }
        std::string text;
        if (std::holds_alternative<bool>(value)) {
            text = std::get<bool>(value) ? "-1  'True" : "0   'False";
        } else if (std::holds_alternative<double>(value)) {
            const double x = std::get<double>(value);
            if (same_name(name, "SplitBarsColor") && x == std::trunc(x) && x >= -2147483648.0 &&
                x <= 4294967295.0) {
                char buf[24];
                std::snprintf(buf, sizeof buf, "&H%08X&",
                              static_cast<uint32_t>(static_cast<int64_t>(x)));
                text = buf;
            } else {
                text = number_text(x);
            }
        } else {
            const std::string utf8 = to_text(value);
            const auto bytes = encode_text(utf8, doc.encoding);
            if (!bytes)
                throw FrmError(doc.path, block->begin_line + 1,
                               "cannot write " + name + " in " + doc.encoding +
                                   ": it holds a character that encoding does not have");
            if (needs_frx(*bytes)) {
                if (reuse_from != kNone) {
                    frx.truncate(reuse_from);
                    reuse_from = kNone;
                }
                const uint32_t offset = frx.put_text(*bytes);
                char buf[16];
                std::snprintf(buf, sizeof buf, "%04X", offset);
                text = "\"" + frx_name + "\":" + buf;
                frx_changed = true;
            } else {
                text = quoted(*bytes);
            }
        }
        new_lines.push_back({property_line(indent, name, text), eol});
    }

    SavedForm out;
    std::vector<bool> drop(doc.lines.size(), false);
    for (const auto* p : old) drop[p->line] = true;
    std::string bytes;
    for (size_t i = 0; i <= doc.lines.size(); ++i) {
        if (i == insert_at)
            for (const auto& l : new_lines) bytes += l.text + l.eol;
        if (i < doc.lines.size() && !drop[i]) bytes += doc.lines[i].text + doc.lines[i].eol;
    }
    out.frm_bytes = std::move(bytes);
    if (frx_changed) {
        out.frx_changed = true;
        out.frx_path = frx.path();
        out.frx_bytes = frx.bytes();
    }
    return out;
}

std::string FrmWriter::add_resizer_block(const FrmDocument& doc, const std::string& name) {
    const std::string eol = doc.usual_eol();
    bool has_object = false;
    for (size_t i : doc.object_lines)
        if (doc.lines[i].text.find(kResizerLibraryGuid) != std::string::npos) has_object = true;
    // After the last header Object line, else after the VERSION line.
    size_t object_at = doc.object_lines.empty() ? 1 : doc.object_lines.back() + 1;
    if (doc.object_lines.empty())
        for (size_t i = 0; i < doc.lines.size(); ++i)
            if (doc.lines[i].text.rfind("VERSION", 0) == 0) {
                object_at = i + 1;
                break;
            }
    const std::string indent = indent_of(doc.lines[doc.form.begin_line].text) + "   ";
    const std::string inner = indent + "   ";
    std::vector<std::string> block = {indent + "Begin " + kResizerClass + " " + name + " ",
                                      property_line(inner, "Left", "120"),
                                      property_line(inner, "Top", "120"),
                                      property_line(inner, "_ExtentX", "847"),
                                      property_line(inner, "_ExtentY", "847"),
                                      indent + "End"};
    // The designer keeps menus last: a new control goes before the first of them.
    size_t block_at = doc.form.end_line;
    for (const auto& child : doc.form.children)
        if (child.is_class("VB.Menu")) {
            block_at = child.begin_line;
            break;
        }
    std::string bytes;
    for (size_t i = 0; i < doc.lines.size(); ++i) {
        if (i == object_at && !has_object) bytes += kResizerObjectLine + eol;
        if (i == block_at)
            for (const auto& l : block) bytes += l + eol;
        bytes += doc.lines[i].text + doc.lines[i].eol;
    }
    return bytes;
}

void FrmWriter::write_files(const std::string& frm_path, const SavedForm& saved) {
    // The .frx goes first: a form must never point into entries its .frx does not hold yet.
    AtomicFileSet files;
    if (saved.frx_changed) files.add(saved.frx_path, saved.frx_bytes);
    files.add(frm_path, saved.frm_bytes);
    files.commit();
}

}  // namespace kv::frm
