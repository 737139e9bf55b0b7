#include "host/export/FormFileExport.h"

#include <filesystem>
#include <map>
#include <memory>

#include "control/zokKelvane.h"
#include "host/frm/AtomicFileSet.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"
#include "host/memory/MemoryHost.h"

namespace kv::exporter {

namespace fs = std::filesystem;

namespace {

// The host that was current before goes back when the export's own host is done.
class OwnHost {
  public:
    OwnHost() {
        if (Host::has_current())
            if (auto* running = dynamic_cast<mem::MemoryHost*>(&Host::current()))
                previous_ = running->shared_from_this();
        host_ = mem::MemoryHost::install();
    }
    ~OwnHost() { Host::set_current(previous_); }
    mem::MemoryHost& operator*() { return *host_; }
    mem::MemoryHost* operator->() { return host_.get(); }

  private:
    std::shared_ptr<Host> previous_;
    std::shared_ptr<mem::MemoryHost> host_;
};

}  // namespace

FormFileExport export_form_file(const std::string& form_path, const std::string& ui_path,
                                const ExportOptions& options, const std::string& codepage) {
    const frm::FrmDocument doc = frm::FrmReader::read_file(form_path, codepage);
    OwnHost host;
    // As the designer holds the form: nothing runs, the resizer only keeps its properties.
    host->set_user_mode(false);
    host->set_running_under_designer(true);
    host->set_write_log_enabled(false);
    host->register_user_control(kZokKelvaneClassId, [] { return make_zokKelvane(); });
    const frm::LoadedForm loaded = frm::FrmLoader::load(doc, *host);
    loaded.form->layout_aligned();

    ExportOptions opts = options;
    if (opts.ui_name.empty()) opts.ui_name = fs::path(ui_path).filename().string();
    ExportResult result =
        FormExport::run(doc, *loaded.form, loaded.window_state, loaded.resizer, opts);

    FormFileExport out;
    out.report = std::move(result.report);
    for (const auto& n : loaded.notes)
        out.report.notes.push_back(n.subject + " (line " + std::to_string(n.line) + "): " + n.what);
    const std::string ui_folder = fs::path(ui_path).parent_path().string();
    std::map<std::string, std::unique_ptr<frm::AtomicFileSet>> sets;  // by folder
    auto set_for = [&](const std::string& path) -> frm::AtomicFileSet& {
        const std::string dir = fs::path(path).parent_path().string();
        auto& set = sets[dir];
        if (!set) set = std::make_unique<frm::AtomicFileSet>(dir == ui_folder ? ui_path : path);
        return *set;
    };
    set_for(ui_path).add(ui_path, result.ui);
    out.written.push_back(ui_path);
    for (const auto& f : result.files) {
        const std::string path = (fs::path(ui_folder) / f.name).string();
        std::error_code ec;
        fs::create_directories(fs::path(path).parent_path(), ec);
        set_for(path).add(path, f.bytes);
        out.written.push_back(path);
    }
    // A save is all or nothing within one folder: the pictures' folders first, so that the .ui,
    // replaced last, never refers to a picture that is not there.
    for (auto& [dir, set] : sets)
        if (dir != ui_folder) set->commit();
    sets[ui_folder]->commit();
    return out;
}

}  // namespace kv::exporter
