#pragma once
// A form file or a Qt Designer form (.ui) in the designer with the property pages of its resizer
// worked by page actions: the resizer is placed first when the form has none, the actions run in
// order, and the file is saved only when they applied changes. `kelvane design` and the demo's
// designer part use it.
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "harness/DesignScript.h"
#include "harness/PageHand.h"
#include "host/frm/CodePage.h"

namespace kv::app {

struct DesignJob {
    // What the host needs kept alive as long as it lives (the Qt application); goes last.
    std::shared_ptr<void> keep;
    std::string form_path;
    std::string codepage = frm::kDefaultCodePage;
    std::string store_path;   // "" an empty store in memory
    std::string script_name;  // prefixes script errors
    std::string temp_folder;  // where the code page writes its file ("" the host's own)
    std::string shots_dir;    // a picture after the dialog opens and after every action
    // Where what loading passed over is warned of, one FILE:LINE: warning: line each (none: not).
    std::ostream* warnings = nullptr;
    // Called after every action of a script, the dialog's model as it stands then.
    std::function<void(const DesignAction& action, mem::MemoryPageDialog& dialog)> after_action;
    // The host and the hand on its dialog (none: the memory host and its pages' own hand).
    std::shared_ptr<mem::MemoryHost> host;
    PageHandMaker hand;
    // Without actions: the dialog for the user, until it is closed; `save` is called after
    // each Apply (or OK) that wrote changes. Answers whether any did.
    std::function<bool(mem::MemoryHost& host, const std::shared_ptr<mem::MemoryObject>& resizer,
                       const std::function<void()>& save)>
        live;
};

struct DesignOutcome {
    std::string control_settings;
    std::string pane_settings;
    bool applied = false;  // the form file was saved
    bool placed = false;   // a resizer was placed on a form that had none
};

// Runs the actions (or the live dialog); message boxes and pictures written are printed to
// `out` as they happen. A ScriptError leaves the form file untouched.
DesignOutcome design_form_file(const DesignJob& job, const std::vector<DesignAction>& actions,
                               std::ostream& out);

// ControlSettings and PaneSettings as `kelvane design` prints them.
void print_design_outcome(std::ostream& out, const DesignOutcome& outcome);

}  // namespace kv::app
