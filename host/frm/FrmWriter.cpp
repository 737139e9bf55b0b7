#include "host/frm/FrmWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>

#include "host/frm/AtomicFileSet.h"
#include "host/frm/CodePage.h"
#include "host/frm/FormLock.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmReader.h"
#include "host/frm/ResizerSave.h"

namespace kv::frm {

namespace {

// The resizer library as the form's header names it.
constexpr const char* kResizerObjectLine =
    "Object = \"{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0\"; \"zokKL4VB.ocx\"";
constexpr const char* kResizerLibraryGuid = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}";

std::string indent_of(const std::string& line) {
    return line.substr(0, line.find_first_not_of(" \t"));
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
        if (s[e + 1] != '-' && s[e + 1] != '+') s = s.substr(0, e + 1) + "+" + s.substr(e + 1);
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
    return ResizerSave(doc, entries).result();
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

namespace {

void write_locked(const std::string& file, const SavedForm& saved) {
    // The .frx goes first: a form must never point into entries its .frx does not hold yet.
    AtomicFileSet files(file);
    if (saved.frx_changed) files.add(saved.frx_path, saved.frx_bytes);
    files.add(file, saved.frm_bytes);
    files.commit();
}

}  // namespace

FrmDocument FrmWriter::with_resizer_block(const FrmDocument& doc, const std::string& name,
                                          const std::string& codepage) {
    FrmDocument placed = FrmReader::read_bytes(add_resizer_block(doc, name), doc.path, codepage);
    placed.adopt_files_of(doc);
    return placed;
}

FrmDocument FrmWriter::as_saved(const FrmDocument& doc, const SavedForm& saved,
                                const std::string& codepage) {
    FrmDocument now = FrmReader::read_bytes(saved.frm_bytes, doc.path, codepage);
    now.adopt_files_of(doc);
    now.note_read_from_disk(saved.frm_bytes);
    if (saved.frx_changed) now.note_frx_written(saved.frx_path, saved.frx_bytes);
    return now;
}

void FrmWriter::write_files(const std::string& frm_path, const SavedForm& saved) {
    const std::string file = FrmReader::form_on_disk(frm_path);
    FormLock lock(file, FormLock::Mode::Exclusive, frm_path);
    FrmReader::finish_interrupted_save(file, frm_path);
    write_locked(file, saved);
}

void FrmWriter::write_files(const FrmDocument& doc, const SavedForm& saved) {
    const std::string file =
        doc.file_path.empty() ? FrmReader::form_on_disk(doc.path) : doc.file_path;
    FormLock lock(file, FormLock::Mode::Exclusive, doc.path);
    FrmReader::finish_interrupted_save(file, doc.path);
    doc.check_unchanged_on_disk();
    write_locked(file, saved);
}

}  // namespace kv::frm
