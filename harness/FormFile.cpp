#include "harness/FormFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "engine/Value.h"
#include "harness/MessageLines.h"
#include "host/common/TextFold.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmReader.h"
#include "host/frm/FrmWriter.h"
#include "host/ui/UiClasses.h"
#include "host/ui/UiReader.h"
#include "host/ui/UiResizerProperties.h"
#include "host/ui/UiResizerSave.h"

namespace kv::app {

bool is_ui_path(const std::string& path) {
    return host::iequal(std::filesystem::path(path).extension().string(), ".ui");
}

FormFile::FormFile(const std::string& path, const std::string& codepage)
    : path_(path), codepage_(codepage) {
    if (is_ui_path(path))
        ui_ = std::make_unique<ui::UiDocument>(ui::UiReader::read_file(path));
    else
        frm_ = std::make_unique<frm::FrmDocument>(frm::FrmReader::read_file(path, codepage));
}

FormFile::~FormFile() = default;

std::vector<std::string> FormFile::own_files() const {
    if (ui_) return {ui_->path};
    return {frm_->path, frm_->frx_path(frm_->frx_name())};
}

frm::LoadedForm FormFile::load(mem::MemoryHost& host) {
    if (!ui_) {
        auto loaded = frm::FrmLoader::load(*frm_, host);
        frm_notes_ = loaded.notes;
        return loaded;
    }
    ui_loaded_ = ui::UiLoader::load(*ui_, host);
    ui_resizer_ = ui_loaded_->resizer;
    return ui_loaded_->loaded;
}

namespace {

// The first resizer widget under `e` (the loader refused any other).
const ui::UiElement* find_resizer(const ui::UiElement& e) {
    for (const auto& c : e.children) {
        if (c.name != "widget") continue;
        if (const std::string* cls = c.attribute("class"); cls && *cls == ui::kResizerWidgetClass)
            return &c;
        if (const auto* inner = find_resizer(c)) return inner;
    }
    return nullptr;
}

}  // namespace

void FormFile::save_resizer(const std::vector<std::pair<std::string, Value>>& entries) {
    if (frm_) {
        frm::FrmDocument& doc = *frm_;
        if (!doc.resizer()) doc = frm::FrmWriter::with_resizer_block(doc, "zokKelvane1", codepage_);
        const auto saved = frm::FrmWriter::save_resizer(doc, entries);
        frm::FrmWriter::write_files(doc, saved);
        // What is on disk now is this save: the next one checks against it.
        doc = frm::FrmWriter::as_saved(doc, saved, codepage_);
        return;
    }
    if (!ui_loaded_) throw std::logic_error("FormFile::save_resizer before load");
    const std::string bytes =
        ui::UiResizerSave::save(*ui_, ui_resizer_, entries, ui_loaded_->scale);
    std::ifstream in(ui_->path, std::ios::binary);
    const std::string on_disk((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    if (!in.is_open() || on_disk != ui_->bytes)
        throw frm::FrmError(ui_->path, 0,
                            "the form was changed by another program since it was read; nothing "
                            "was saved: open the form again and repeat the change");
    // Read back before writing: a save the reader would refuse leaves the file as it was.
    auto next = ui::UiReader::read_bytes(bytes, ui_->path);
    frm::SavedForm saved;
    saved.frm_bytes = bytes;
    frm::FrmWriter::write_files(ui_->path, saved);
    *ui_ = std::move(next);
    ui_resizer_ = find_resizer(ui_->form());
}

std::optional<FormFile::Settings> FormFile::settings() const {
    Settings out;
    auto take = [&](const std::string& name, const Value& v) {
        if (host::iequal(name, "ControlSettings")) out.control = to_text(v);
        if (host::iequal(name, "PaneSettings")) out.panes = to_text(v);
    };
    if (frm_) {
        const auto* block = frm_->resizer();
        if (!block) return std::nullopt;
        for (const char* name : {"ControlSettings", "PaneSettings"})
            if (const auto* p = block->find(name))
                if (const auto v = frm::FrmLoader::value_of(*frm_, *p, true)) take(name, *v);
        return out;
    }
    if (!ui_loaded_ || !ui_resizer_) return std::nullopt;
    const ui::UiValues values(*ui_);
    for (const auto& [name, value] :
         ui::UiResizerProperties::to_control(values, *ui_resizer_, ui_loaded_->scale))
        take(name, value);
    return out;
}

SettingsPlaces FormFile::places() const {
    auto line_of = [&](const std::string& property) -> size_t {
        size_t line = 0;
        if (frm_) {
            if (const auto* block = frm_->resizer())
                if (const auto* p = block->find(property)) line = p->line + 1;
        } else if (ui_resizer_) {
            for (const auto* p : ui_resizer_->children_named("property"))
                if (const auto* name = p->attribute("name"); name && host::iequal(*name, property))
                    line = p->line;
        }
        return line;
    };
    return SettingsPlaces(path_, line_of("ControlSettings"), line_of("PaneSettings"));
}

std::string FormFile::settings_place(const std::string& property) const {
    const FilePlace place = places().of_property(property);
    return place.file.empty() ? path_ : place.text();
}

std::string FormFile::message_place(const std::string& message) const {
    return places().of_message(message).text();
}

std::string FormFile::why_no_control(const std::string& key) const {
    if (!ui_loaded_) return {};
    const auto it = ui_loaded_->not_controls.find(host::fold(key));
    return it == ui_loaded_->not_controls.end() ? std::string() : it->second;
}

long long FormFile::limit_in_file(const std::string& name, int32_t twips) const {
    if (!ui_loaded_) return twips;
    for (const auto& [n, v] : ui::UiResizerProperties::to_widget(
             {{name, Value(static_cast<double>(twips))}}, ui_loaded_->scale))
        if (n == name) return std::stoll(v.text);
    return twips;
}

std::vector<LoadNote> FormFile::notes() const {
    std::vector<LoadNote> out;
    for (const auto& n : frm_notes_) out.push_back({{path_, n.line}, n.subject + ": " + n.what});
    if (!ui_loaded_) return out;
    for (const auto& n : ui_loaded_->notes) out.push_back({{path_, n.line}, n.text});
    return out;
}

}  // namespace kv::app
