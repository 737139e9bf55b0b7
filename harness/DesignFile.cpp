#include "harness/DesignFile.h"

#include <filesystem>

#include "control/SettingsStrings.h"
#include "control/zokKelvane.h"
#include "harness/DesignRun.h"
#include "harness/LoadNote.h"
#include "harness/Session.h"
#include "harness/ShownText.h"
#include "harness/UsageError.h"
#include "host/memory/MemoryPageDialog.h"
#include "picture/PictureFile.h"

namespace kv::app {

namespace {

void print_setting(std::ostream& out, const char* name, const std::string& text) {
    out << name << ":\n";
    for (const auto& line : split_settings_lines(text)) out << "  " << shown(line, "\t") << "\n";
}

}  // namespace

DesignOutcome design_form_file(const DesignJob& job, const std::vector<DesignAction>& actions,
                               std::ostream& out) {
    FormFile file(job.form_path, job.codepage);
    const PictureGuard guard(file.own_files());
    Session session(job.store_path, false, job.host);
    if (!job.temp_folder.empty()) session.host().set_temp_folder(job.temp_folder);
    auto& loaded = session.load(file);
    if (job.warnings) print_load_warnings(*job.warnings, file.notes());
    std::shared_ptr<mem::MemoryObject> resizer = loaded.resizer;
    DesignOutcome outcome;
    outcome.placed = !resizer;
    if (outcome.placed) resizer = loaded.form->add_user_control(kZokKelvaneClassId, "zokKelvane1");
    auto control = std::dynamic_pointer_cast<zokKelvane>(resizer->user_control());
    if (!control) throw UsageError("the resizer control could not be created");
    // Only the resizer's properties in the file change (its block or widget added first when
    // it was placed).
    auto save = [&] { file.save_resizer(resizer->write_properties()->entries()); };
    if (job.live) {
        register_page_classes();
        outcome.applied = job.live(session.host(), resizer, save);
    } else {
        DesignRun run(session.host(), resizer, job.script_name, out, file.places(),
                      job.hand ? job.hand : PageHandMaker(memory_hand));
        int shot = 0;
        auto picture = [&] {
            if (job.shots_dir.empty() || !run.dialog().is_open()) return;
            const std::string file =
                (std::filesystem::path(job.shots_dir) / ("step-" + std::to_string(shot++) + ".png"))
                    .string();
            std::string error;
            if (!run.hand().picture(file, error)) throw UsageError(error);
        };
        picture();
        for (const auto& a : actions) {
            run.run(a);
            if (job.after_action) job.after_action(a, run.dialog());
            picture();
        }
        outcome.applied = run.applied();
        if (outcome.applied) save();
    }
    outcome.control_settings = control->ControlSettings();
    outcome.pane_settings = control->PaneSettings();
    return outcome;
}

void print_design_outcome(std::ostream& out, const DesignOutcome& outcome) {
    print_setting(out, "ControlSettings", outcome.control_settings);
    print_setting(out, "PaneSettings", outcome.pane_settings);
}

}  // namespace kv::app
