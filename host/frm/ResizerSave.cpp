#include "host/frm/ResizerSave.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

#include "host/frm/CodePage.h"
#include "host/frm/FileLimits.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmLoader.h"

namespace kv::frm {

namespace {

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
    try {
        return FrmLoader::value_of(doc, p, true);
    } catch (const FrmError&) {
        return std::nullopt;
    }
}

bool same_written(const Value& a, const Value& b) {
    const bool at = std::holds_alternative<std::string>(a);
    const bool bt = std::holds_alternative<std::string>(b);
    if (at != bt) return false;
    return same_value(a, b);
}

bool is_bag_name(const std::string& n) {
    for (const auto& k : FrmWriter::resizer_property_names())
        if (same_name(k, n)) return true;
    return false;
}

// Every property of the document that refers to an entry of the .frx named `frx_name`.
void collect_refs(const std::vector<FrmProperty>& props, const std::string& frx_name,
                  std::vector<const FrmProperty*>& refs) {
    for (const auto& p : props)
        if (p.kind == FrmValueKind::FrxRef && same_name(p.frx_name, frx_name)) refs.push_back(&p);
}

void collect_refs(const std::vector<FrmGroup>& groups, const std::string& frx_name,
                  std::vector<const FrmProperty*>& refs) {
    for (const auto& g : groups) {
        collect_refs(g.properties, frx_name, refs);
        collect_refs(g.groups, frx_name, refs);
    }
}

std::string megabytes(uint64_t bytes) {
    return std::to_string(bytes / (1024 * 1024)) + " MB";
}

}  // namespace

ResizerSave::ResizerSave(const FrmDocument& doc, const BagEntries& entries)
    : doc_(doc), entries_(entries), block_([&]() -> const FrmBlock& {
          const FrmBlock* b = doc.resizer();
          if (!b) throw FrmError(doc.path, 0, "expected a resizer control on the form, found none");
          return *b;
      }()) {
    find_old_lines();
    choose_insert_line();
    frx_name_ = doc_.frx_name();
    frx_ = doc_.frx_file(frx_name_);
    keep_unchanged_lines();
    plan_frx_reuse();
    const std::string eol = doc_.lines[block_.begin_line].eol.empty()
                                ? doc_.usual_eol()
                                : doc_.lines[block_.begin_line].eol;
    for (size_t k = 0; k < entries_.size(); ++k) {
        if (kept_[k]) {
            new_lines_.push_back(doc_.lines[kept_[k]->line]);
            continue;
        }
        const auto& [name, value] = entries_[k];
        new_lines_.push_back(
            {FrmWriter::property_line(indent_, name, value_text(name, value)), eol});
    }
    assemble();
    check_sizes();
}

void ResizerSave::find_old_lines() {
    for (const auto& p : block_.properties)
        if (is_bag_name(p.name)) old_.push_back(&p);
    for (const auto& [name, v] : entries_)
        if (!is_bag_name(name)) {
            for (const auto& p : block_.properties)
                if (same_name(p.name, name)) old_.push_back(&p);
        }
    std::sort(old_.begin(), old_.end(),
              [](const FrmProperty* a, const FrmProperty* b) { return a->line < b->line; });
}

// In place of the old lines, else after the extent lines, else after the last property line;
// always before the block's property groups and nested blocks.
void ResizerSave::choose_insert_line() {
    insert_at_ = block_.end_line;
    if (!old_.empty()) {
        insert_at_ = old_.front()->line;
    } else if (!block_.properties.empty()) {
        insert_at_ = block_.properties.back().line + 1;
        for (const auto& p : block_.properties)
            if (!p.name.empty() && p.name[0] == '_') insert_at_ = p.line + 1;
    }
    if (!block_.groups.empty()) insert_at_ = std::min(insert_at_, block_.groups.front().begin_line);
    if (!block_.children.empty())
        insert_at_ = std::min(insert_at_, block_.children.front().begin_line);
    indent_ = block_.properties.empty()
                  ? indent_of(doc_.lines[block_.begin_line].text) + "   "
                  : indent_of(doc_.lines[block_.properties.front().line].text);
}

void ResizerSave::keep_unchanged_lines() {
    kept_.assign(entries_.size(), nullptr);
    for (size_t k = 0; k < entries_.size(); ++k)
        for (const auto* p : old_) {
            if (!same_name(p->name, entries_[k].first)) continue;
            const auto v = old_value(doc_, *p);
            if (v && same_written(*v, entries_[k].second)) kept_[k] = p;
        }
}

// The old entries this save rewrites may be written over when they make up the tail of the .frx
// and nothing else refers into that tail: not a kept line (an unchanged entry before them stays
// where it is), and not another property (another control's caption may share an entry: its
// bytes never change). Else the new entries go after the end and the old ones stay unused.
void ResizerSave::plan_frx_reuse() {
    std::map<size_t, size_t> rewritten;  // end -> offset
    for (const auto* p : old_) {
        if (p->kind != FrmValueKind::FrxRef || !same_name(p->frx_name, frx_name_)) continue;
        if (std::find(kept_.begin(), kept_.end(), p) != kept_.end()) continue;
        if (const size_t size = frx_.entry_size(p->frx_offset))
            rewritten[p->frx_offset + size] = p->frx_offset;
    }
    size_t from = frx_.bytes().size();
    for (auto it = rewritten.find(from); it != rewritten.end(); it = rewritten.find(from))
        from = it->second;
    if (from == frx_.bytes().size()) return;
    std::vector<const FrmProperty*> refs;
    collect_refs(doc_.form.properties, frx_name_, refs);
    collect_refs(doc_.form.groups, frx_name_, refs);
    doc_.for_each_block([&](const FrmBlock& b, const FrmBlock&) {
        collect_refs(b.properties, frx_name_, refs);
        collect_refs(b.groups, frx_name_, refs);
    });
    for (const auto* r : refs) {
        const bool kept = std::find(kept_.begin(), kept_.end(), r) != kept_.end();
        const bool old = std::find(old_.begin(), old_.end(), r) != old_.end();
        if (old && !kept && r->frx_offset >= from) continue;  // part of the tail rewritten
        const size_t reach = r->frx_offset + std::max<size_t>(frx_.entry_size(r->frx_offset), 1);
        if (reach > from) return;
    }
    reuse_from_ = from;
}

std::string ResizerSave::value_text(const std::string& name, const Value& value) {
    if (std::holds_alternative<bool>(value))
        return std::get<bool>(value) ? "-1  'True" : "0   'False";
    if (std::holds_alternative<double>(value)) {
        const double x = std::get<double>(value);
        if (same_name(name, "SplitBarsColor") && x == std::trunc(x) && x >= -2147483648.0 &&
            x <= 4294967295.0) {
            char buf[24];
            std::snprintf(buf, sizeof buf, "&H%08X&",
                          static_cast<uint32_t>(static_cast<int64_t>(x)));
            return buf;
        }
        return FrmWriter::number_text(x);
    }
    return text_value(name, value);
}

// A text in the file's encoding: quoted on the line, or, when a line cannot hold it, an entry
// of the .frx referred to as "NAME.frx":OFFSET.
std::string ResizerSave::text_value(const std::string& name, const Value& value) {
    const auto bytes = encode_text(to_text(value), doc_.encoding);
    if (!bytes)
        throw FrmError(doc_.path, block_.begin_line + 1,
                       "cannot write " + name + " in " + doc_.encoding +
                           ": it holds a character that encoding does not have");
    if (!needs_frx(*bytes)) return quoted(*bytes);
    if (!frx_.error().empty())
        throw FrmError(doc_.path, 0,
                       "cannot save " + name + " into " + frx_.path() + ": " + frx_.error());
    if (reuse_from_ != kNone) {
        frx_.truncate(reuse_from_);
        reuse_from_ = kNone;
    }
    if (frx_.bytes().size() + 4 + bytes->size() > kMaxFormFileBytes)
        throw FrmError(doc_.path, 0,
                       "cannot save " + name + ": with its " + std::to_string(bytes->size()) +
                           " bytes the .frx would hold more than the " +
                           megabytes(kMaxFormFileBytes) +
                           " a form's files may have; nothing was saved");
    const uint32_t offset = frx_.put_text(*bytes);
    frx_changed_ = true;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04X", offset);
    return "\"" + frx_name_ + "\":" + buf;
}

void ResizerSave::assemble() {
    std::vector<bool> drop(doc_.lines.size(), false);
    for (const auto* p : old_) drop[p->line] = true;
    std::string bytes;
    for (size_t i = 0; i <= doc_.lines.size(); ++i) {
        if (i == insert_at_)
            for (const auto& l : new_lines_) bytes += l.text + l.eol;
        if (i < doc_.lines.size() && !drop[i]) bytes += doc_.lines[i].text + doc_.lines[i].eol;
    }
    out_.frm_bytes = std::move(bytes);
    if (frx_changed_) {
        out_.frx_changed = true;
        out_.frx_path = frx_.path();
        out_.frx_bytes = frx_.bytes();
    }
}

void ResizerSave::check_sizes() const {
    if (out_.frm_bytes.size() > kMaxFormFileBytes)
        throw FrmError(doc_.path, 0,
                       "cannot save: the form would grow to " +
                           std::to_string(out_.frm_bytes.size()) + " bytes, more than the " +
                           megabytes(kMaxFormFileBytes) +
                           " a form file may have; nothing was saved");
}

}  // namespace kv::frm
