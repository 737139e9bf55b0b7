#pragma once
// A form file in the designer with the property pages of its resizer worked by page actions:
// the resizer is placed first when the form has none, the actions run in order, and the file is
// saved only when they applied changes. `kelvane design` and the demo's designer part use it.
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "apps/kelvane/DesignScript.h"
#include "host/frm/CodePage.h"

namespace kv::app {

struct DesignJob {
    std::string form_path;
    std::string codepage = frm::kDefaultCodePage;
    std::string store_path;   // "" an empty store in memory
    std::string script_name;  // prefixes script errors
    std::string temp_folder;  // where the code page writes its file ("" the host's own)
};

struct DesignOutcome {
    std::string control_settings;
    std::string pane_settings;
    bool applied = false;  // the form file was saved
    bool placed = false;   // a resizer was placed on a form that had none
};

// Runs the actions; message boxes and pictures written are printed to `out` as they happen.
// A ScriptError leaves the form file untouched.
DesignOutcome design_form_file(const DesignJob& job, const std::vector<DesignAction>& actions,
                               std::ostream& out);

// ControlSettings and PaneSettings as `kelvane design` prints them.
void print_design_outcome(std::ostream& out, const DesignOutcome& outcome);

}  // namespace kv::app
