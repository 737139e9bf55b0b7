#include "host/frm/FrmReader.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/Numbers.h"
#include "host/common/MenuShortcut.h"
#include "host/frm/CodePage.h"
#include "host/frm/FileLimits.h"
#include "host/frm/FormLock.h"
#include "host/frm/FrmError.h"
#include "host/frm/SaveJournal.h"

namespace kv::frm {

namespace {

// Menus may nest deeply, but a file nesting blocks past this is not a form.
constexpr size_t kMaxDepth = 256;
constexpr uint64_t kMaxFileBytes = kMaxFormFileBytes;
constexpr size_t kMaxFileName = kMaxFileNameBytes;

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::string trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && (is_blank(s[b]) || s[b] == '\r')) ++b;
    while (e > b && (is_blank(s[e - 1]) || s[e - 1] == '\r')) --e;
    return s.substr(b, e - b);
}

// The first word of a trimmed line and the rest, trimmed.
std::pair<std::string, std::string> first_word(const std::string& t) {
    size_t i = 0;
    while (i < t.size() && !is_blank(t[i])) ++i;
    return {t.substr(0, i), trim(t.substr(i))};
}

bool is_hex_digit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// "VB.Form", "Any.MDIForm", "form": a class whose name, without its library, is a form's.
bool is_form_class(const std::string& cls) {
    const size_t dot = cls.rfind('.');
    const std::string type = dot == std::string::npos ? cls : cls.substr(dot + 1);
    return same_name(type, "Form") || same_name(type, "MDIForm");
}

std::vector<FrmLine> split_lines(const std::string& bytes) {
    std::vector<FrmLine> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t lf = bytes.find('\n', start);
        if (lf == std::string::npos) {
            lines.push_back({bytes.substr(start), ""});
            break;
        }
        const bool cr = lf > start && bytes[lf - 1] == '\r';
        lines.push_back({bytes.substr(start, lf - start - (cr ? 1 : 0)), cr ? "\r\n" : "\n"});
        start = lf + 1;
    }
    return lines;
}

}  // namespace

void FrmReader::fail(size_t line, const std::string& what) const {
    throw FrmError(doc_.path, line + 1, what);
}

FrmDocument FrmReader::read_file(const std::string& path, const std::string& codepage) {
    // Looked at before reading: a device or a pipe never ends, and no form is this large.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw FrmError(path, 0, std::string("cannot read the file: ") + std::strerror(errno));
    // A form that is a link is the file it names: its .frx, lock and saves are beside that.
    const std::string file = form_on_disk(path);
    FormLock lock(file, FormLock::Mode::Shared, path);
    finish_interrupted_save(file, path);
    if (::stat(file.c_str(), &st) != 0)
        throw FrmError(path, 0, std::string("cannot read the file: ") + std::strerror(errno));
    if (S_ISDIR(st.st_mode)) throw FrmError(path, 0, "expected a form file, found a folder");
    if (!S_ISREG(st.st_mode))
        throw FrmError(path, 0, "expected a form file, found a device, pipe or socket");
    if (static_cast<uint64_t>(st.st_size) > kMaxFileBytes)
        throw FrmError(path, 0,
                       "expected a form file of at most 64 MB, found " +
                           std::to_string(st.st_size) + " bytes");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw FrmError(path, 0, "cannot read the file");
    std::ostringstream ss;
    ss << in.rdbuf();
    const std::string bytes = ss.str();
    FrmDocument doc = read_bytes(bytes, path, codepage);
    doc.file_path = file;
    doc.note_read_from_disk(bytes);
    doc.read_all_frx();
    return doc;
}

std::string FrmReader::form_on_disk(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::error_code ec;
    const auto target = std::filesystem::canonical(path, ec);
    return ec ? path : target.string();
}

void FrmReader::finish_interrupted_save(const std::string& file, const std::string& shown_as) {
    const SaveJournal journal(file);
    const std::string frx = std::filesystem::path(file).stem().string() + ".frx";
    if (!journal.pending() && !journal.legacy_pending(frx)) return;
    FormLock alone(file, FormLock::Mode::Exclusive, shown_as);
    try {
        journal.finish();
        journal.finish_legacy(frx);
    } catch (const FrmError& e) {
        throw FrmError(shown_as, 0, e.reason());
    }
}

FrmDocument FrmReader::read_bytes(const std::string& bytes, const std::string& path,
                                  const std::string& codepage) {
    FrmDocument doc;
    doc.path = path;
    const std::string page = codepage.empty() ? code_page_from_charsets(bytes) : codepage;
    if (!encoding_known(page)) throw FrmError(path, 0, "unknown code page '" + page + "'");
    if (is_valid_utf8(bytes)) {
        doc.encoding = "UTF-8";
        doc.fallback_encoding = page;
    } else {
        doc.encoding = page;
    }
    doc.lines = split_lines(bytes);
    FrmReader reader(doc);
    reader.read_header();
    return doc;
}

size_t FrmReader::skip_blank(size_t i) const {
    while (i < doc_.lines.size() && trim(doc_.lines[i].text).empty()) ++i;
    return i;
}

void FrmReader::read_header() {
    const std::string not_form = "; this is not a form file of this designer";
    // The designer opens the forms of its predecessor (VERSION 4.00) as they are; those of
    // older designers have another grammar.
    const std::string versions = "VERSION 5.00 or VERSION 4.00";
    size_t i = skip_blank(0);
    if (i >= doc_.lines.size()) fail(0, "expected " + versions + ", found an empty file");
    std::string first = trim(doc_.lines[i].text);
    // A byte-order mark is tolerated in front of the first line.
    if (first.rfind("\xEF\xBB\xBF", 0) == 0) first = trim(first.substr(3));
    if (first != "VERSION 5.00" && first != "VERSION 4.00")
        fail(i, expected_found(versions, first) + not_form);
    for (i = i + 1; i < doc_.lines.size(); ++i) {
        const std::string t = trim(doc_.lines[i].text);
        if (t.empty()) continue;
        const auto [word, rest] = first_word(t);
        if (word == "Object" || t.rfind("Object=", 0) == 0) {
            doc_.object_lines.push_back(i);
            continue;
        }
        if (word != "Begin") fail(i, expected_found("Object = ... or Begin VB.Form", t));
        const auto [cls, name] = first_word(rest);
        if (!cls.empty() && cls[0] == '{')
            fail(i, expected_found("Begin VB.Form NAME", t) +
                        " (a form of another designer, its class is a GUID)" + not_form);
        if (cls != "VB.Form" && cls != "VB.MDIForm")
            fail(i, expected_found("Begin VB.Form NAME or Begin VB.MDIForm NAME", t) + not_form);
        if (name.empty() || name.find_first_of(" \t") != std::string::npos)
            fail(i, expected_found("Begin " + cls + " NAME", t));
        doc_.form.class_id = doc_.decode(cls);
        doc_.form.name = doc_.decode(name);
        doc_.form.begin_line = i;
        next_ = i + 1;
        read_block(doc_.form, 0);
        doc_.code_line = next_;
        // An End too many closes the form early: what follows would be taken for code.
        for (size_t j = next_; j < doc_.lines.size(); ++j) {
            const std::string after = trim(doc_.lines[j].text);
            if (after.empty()) continue;
            const auto [w, r] = first_word(after);
            if (w == "Begin" || w == "BeginProperty" || (w == "End" && r.empty()))
                fail(j, expected_found("the form's code after the End of 'Begin " +
                                           doc_.form.class_id + " " + doc_.form.name + "' (line " +
                                           std::to_string(doc_.form.end_line + 1) +
                                           "; an End too many?)",
                                       after));
            break;
        }
        return;
    }
    fail(doc_.lines.size(), "expected Begin VB.Form, found the end of the file");
}

void FrmReader::read_block(FrmBlock& block, size_t depth) {
    if (depth > kMaxDepth) fail(block.begin_line, "expected at most 256 nested blocks, found more");
    const bool foreign = !block.is_vb_class();
    for (; next_ < doc_.lines.size(); ++next_) {
        const size_t i = next_;
        const std::string t = trim(doc_.lines[i].text);
        if (t.empty()) continue;
        const auto [word, rest] = first_word(t);
        if (word == "End" && rest.empty()) {
            block.end_line = i;
            ++next_;
            return;
        }
        if (word == "Begin") {
            const auto [cls, name] = first_word(rest);
            if (cls.empty() || name.empty() || name.find_first_of(" \t") != std::string::npos)
                fail(i, expected_found("Begin CLASS NAME", t));
            // Only the top block is a form; a form class of any library below it would be
            // taken for one.
            if (is_form_class(cls))
                fail(i, expected_found("a control inside " + doc_.form.name +
                                           " (a form cannot hold another form)",
                                       t));
            FrmBlock child;
            child.class_id = doc_.decode(cls);
            child.name = doc_.decode(name);
            child.begin_line = i;
            ++next_;
            read_block(child, depth + 1);
            --next_;  // the loop steps past the End
            block.children.push_back(std::move(child));
            continue;
        }
        if (word == "BeginProperty") {
            const auto [name, guid] = first_word(rest);
            if (name.empty()) fail(i, expected_found("BeginProperty NAME", t));
            if (!guid.empty() && (guid.front() != '{' || guid.back() != '}'))
                fail(i, expected_found("BeginProperty NAME {GUID}", t));
            FrmGroup group;
            group.name = name;
            group.guid = guid;
            group.begin_line = i;
            ++next_;
            read_group(group, depth + 1, foreign);
            --next_;
            block.groups.push_back(std::move(group));
            continue;
        }
        if (word == "EndProperty") fail(i, expected_found("a property or End", t));
        // The form's code begins with its attributes: the block above it was left open.
        if (word == "Attribute" && rest.rfind("VB_", 0) == 0)
            fail(i, expected_found("End to close 'Begin " + block.class_id + " " + block.name +
                                       "' (line " + std::to_string(block.begin_line + 1) + ")",
                                   t));
        auto p = parse_property(doc_, i, foreign);
        if (!p) fail(i, expected_found("a property line NAME = VALUE, Begin or End", t));
        block.properties.push_back(std::move(*p));
    }
    fail(block.begin_line, "expected End to close 'Begin " + block.class_id + " " + block.name +
                               "', found the end of the file");
}

void FrmReader::read_group(FrmGroup& group, size_t depth, bool foreign) {
    if (depth > kMaxDepth) fail(group.begin_line, "expected at most 256 nested blocks, found more");
    for (; next_ < doc_.lines.size(); ++next_) {
        const size_t i = next_;
        const std::string t = trim(doc_.lines[i].text);
        if (t.empty()) continue;
        const auto [word, rest] = first_word(t);
        if (word == "EndProperty" && rest.empty()) {
            group.end_line = i;
            ++next_;
            return;
        }
        if (word == "End" || word == "Begin")
            fail(i, expected_found("EndProperty to close 'BeginProperty " + group.name +
                                       "' of line " + std::to_string(group.begin_line + 1),
                                   t));
        if (word == "BeginProperty") {
            const auto [name, guid] = first_word(rest);
            if (name.empty()) fail(i, expected_found("BeginProperty NAME", t));
            FrmGroup inner;
            inner.name = name;
            inner.guid = guid;
            inner.begin_line = i;
            ++next_;
            read_group(inner, depth + 1, foreign);
            --next_;
            group.groups.push_back(std::move(inner));
            continue;
        }
        auto p = parse_property(doc_, i, foreign);
        if (!p) fail(i, expected_found("a property line or EndProperty", t));
        group.properties.push_back(std::move(*p));
    }
    fail(group.begin_line, "expected EndProperty to close 'BeginProperty " + group.name +
                               "', found the end of the file");
}

namespace {

// Where the `=` of a property line stands and where its comment starts, both outside quotes
// (npos when there is none).
struct LineParts {
    size_t eq = std::string::npos;
    size_t comment = std::string::npos;
};

LineParts find_parts(const std::string& s) {
    LineParts parts;
    bool quoted = false;
    for (size_t k = 0; k < s.size(); ++k) {
        if (s[k] == '"') quoted = !quoted;
        if (quoted) continue;
        if (s[k] == '=' && parts.eq == std::string::npos) parts.eq = k;
        if (s[k] == '\'' && parts.eq != std::string::npos) {
            parts.comment = k;
            break;
        }
    }
    return parts;
}

// A refusal at the property's line.
struct LineFault {
    const FrmDocument& doc;
    size_t line;
    [[noreturn]] void operator()(const std::string& what) const {
        throw FrmError(doc.path, line + 1, what);
    }
};

bool is_quoted(const std::string& v) {
    return v[0] == '"' || (v.size() > 1 && v[0] == '$' && v[1] == '"');
}

// "text" with doubled quotes, or a reference into the .frx: "NAME.frx":OFFSET, $"NAME.frx":OFFSET.
void read_quoted(const FrmDocument& doc, FrmProperty& p, const LineFault& bad) {
    const std::string& v = p.raw;
    const size_t open = v[0] == '$' ? 1 : 0;
    std::string text;
    size_t k = open + 1;
    bool closed = false;
    for (; k < v.size(); ++k) {
        if (v[k] != '"') {
            text += v[k];
        } else if (k + 1 < v.size() && v[k + 1] == '"') {
            text += '"';
            ++k;
        } else {
            closed = true;
            break;
        }
    }
    if (!closed) bad(expected_found("a closing quote", v));
    const std::string rest = v.substr(k + 1);
    if (rest.empty() && open == 0) {
        p.kind = FrmValueKind::String;
        p.text = doc.decode(text);
        return;
    }
    const bool hex_ok = rest.size() >= 5 && rest[0] == ':' &&
                        rest.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos;
    if (!hex_ok || rest.size() > 9)
        bad(expected_found("\"NAME.frx\":OFFSET with 4 or more hexadecimal digits", v));
    p.kind = FrmValueKind::FrxRef;
    p.frx_name = doc.decode(text);
    // Entries live in a file beside the form; a path could make a save write anywhere.
    if (p.frx_name.empty() || p.frx_name == "." || p.frx_name == ".." ||
        p.frx_name.find_first_of("/\\:") != std::string::npos)
        bad(expected_found("a plain .frx file name beside the form", p.frx_name));
    if (p.frx_name.size() > kMaxFileName)
        bad("expected a .frx file name of at most " + std::to_string(kMaxFileName) +
            " bytes, found one of " + std::to_string(p.frx_name.size()));
    p.frx_offset = static_cast<uint32_t>(std::stoul(rest.substr(1), nullptr, 16));
    p.frx_dollar = open == 1;
}

void keep_as_written(const FrmDocument& doc, FrmProperty& p) {
    p.kind = FrmValueKind::Bare;
    p.text = doc.decode(p.raw);
}

// &H8000000F& (32 bits) or &HFF (16 bits without the `&`), as the designer reads them.
void read_hex(const FrmDocument& doc, FrmProperty& p, bool foreign, const LineFault& bad) {
    const std::string& v = p.raw;
    size_t k = 2;
    while (k < v.size() && is_hex_digit(v[k])) ++k;
    const size_t digits = k - 2;
    const bool amp = k < v.size() && v[k] == '&';
    if (digits == 0 || digits > 8 || k + (amp ? 1 : 0) != v.size()) {
        if (foreign) return keep_as_written(doc, p);
        bad(expected_found("a hexadecimal number such as &H8000000F&", v));
    }
    const auto bits = static_cast<uint32_t>(std::stoul(v.substr(2, digits), nullptr, 16));
    p.kind = FrmValueKind::Hex;
    p.hex_long = amp || digits > 4;
    p.number = p.hex_long ? static_cast<double>(static_cast<int32_t>(bits))
                          : static_cast<double>(static_cast<int16_t>(bits & 0xFFFF));
}

// A decimal number; a menu shortcut with Shift (`+{F2}`, `+^X`) starts like one and is kept as
// written.
void read_number(const FrmDocument& doc, FrmProperty& p, bool foreign, const LineFault& bad) {
    const std::string& v = p.raw;
    const auto n = parse_number(v);
    if (!n || v.find_first_of("&Hh") != std::string::npos) {
        if (foreign || host::MenuShortcut::parse(v)) return keep_as_written(doc, p);
        if (same_name(p.name, "Shortcut"))
            bad(expected_found(std::string(host::kShortcutExpected) + " for Shortcut", v));
        bad(expected_found("a number", v));
    }
    p.kind = FrmValueKind::Number;
    p.number = *n;
}

bool looks_numeric(const std::string& v) {
    const char c = v[0];
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
}

}  // namespace

std::optional<FrmProperty> FrmReader::parse_property(const FrmDocument& doc, size_t line,
                                                     bool foreign) {
    const std::string& s = doc.lines[line].text;
    const LineFault bad{doc, line};
    const LineParts parts = find_parts(s);
    if (parts.eq == std::string::npos) return std::nullopt;
    FrmProperty p;
    p.line = line;
    p.name = trim(s.substr(0, parts.eq));
    if (p.name.empty() || p.name.find_first_of(" \t\"") != std::string::npos)
        bad(expected_found("a property name before '='", trim(s)));
    const size_t value_end = parts.comment == std::string::npos ? s.size() : parts.comment;
    p.raw = trim(s.substr(parts.eq + 1, value_end - parts.eq - 1));
    if (parts.comment != std::string::npos) p.comment = s.substr(parts.comment + 1);
    const std::string& v = p.raw;
    if (v.empty()) bad(expected_found("a value after '='", trim(s)));
    if (is_quoted(v))
        read_quoted(doc, p, bad);
    else if (v.size() > 1 && v[0] == '&' && (v[1] == 'H' || v[1] == 'h'))
        read_hex(doc, p, foreign, bad);
    else if (looks_numeric(v))
        read_number(doc, p, foreign, bad);
    else
        keep_as_written(doc, p);
    return p;
}

}  // namespace kv::frm
