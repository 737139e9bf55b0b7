#include "apps/kelvane/DesignFile.h"

#include "apps/kelvane/DesignRun.h"
#include "apps/kelvane/Session.h"
#include "apps/kelvane/UsageError.h"
#include "control/SettingsStrings.h"
#include "control/zokKelvane.h"
#include "host/frm/FrmReader.h"
#include "host/frm/FrmWriter.h"

namespace kv::app {

namespace {

void print_setting(std::ostream& out, const char* name, const std::string& text) {
    out << name << ":\n";
    for (const auto& line : split_settings_lines(text)) out << "  " << line << "\n";
}

}  // namespace

DesignOutcome design_form_file(const DesignJob& job, const std::vector<DesignAction>& actions,
                               std::ostream& out) {
    auto doc = frm::FrmReader::read_file(job.form_path, job.codepage);
    Session session(job.store_path, false);
    if (!job.temp_folder.empty()) session.host().set_temp_folder(job.temp_folder);
    auto& loaded = session.load(doc);
    std::shared_ptr<mem::MemoryObject> resizer = loaded.resizer;
    DesignOutcome outcome;
    outcome.placed = !resizer;
    if (outcome.placed) resizer = loaded.form->add_user_control(kZokKelvaneClassId, "zokKelvane1");
    auto control = std::dynamic_pointer_cast<zokKelvane>(resizer->user_control());
    if (!control) throw UsageError("the resizer control could not be created");
    {
        DesignRun run(session.host(), resizer, job.script_name, out);
        for (const auto& a : actions) run.run(a);
        outcome.applied = run.applied();
    }
    outcome.control_settings = control->ControlSettings();
    outcome.pane_settings = control->PaneSettings();
    if (!outcome.applied) return outcome;
    const auto bag = resizer->write_properties();
    if (outcome.placed)
        doc = frm::FrmReader::read_bytes(frm::FrmWriter::add_resizer_block(doc, "zokKelvane1"),
                                         job.form_path, job.codepage);
    frm::FrmWriter::write_files(job.form_path, frm::FrmWriter::save_resizer(doc, bag->entries()));
    return outcome;
}

void print_design_outcome(std::ostream& out, const DesignOutcome& outcome) {
    print_setting(out, "ControlSettings", outcome.control_settings);
    print_setting(out, "PaneSettings", outcome.pane_settings);
}

}  // namespace kv::app
