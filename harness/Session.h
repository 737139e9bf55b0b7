#pragma once
// One run of a form on the memory host, as the tool drives it: the host in run mode with the
// resizer control registered and the per-user store opened, the form loaded from its file and
// shown, then the user's steps (sizes, border drags, window states, divider drags), each
// followed by the settle timer, and finally the close.
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "harness/FormFile.h"
#include "harness/Step.h"
#include "harness/StepDriver.h"
#include "host/frm/FrmLoader.h"
#include "host/memory/MemoryHost.h"
#include "host/store/BrowsableStore.h"
#include "picture/Snapshot.h"

namespace kv::app {

class Session {
  public:
    // `store_path` "" runs on an empty store in memory that goes with the session.
    // `run_mode` false is the designer. Without a host the session installs a memory host; a
    // given host (the Qt host) comes with its step driver.
    explicit Session(const std::string& store_path, bool run_mode = true,
                     std::shared_ptr<mem::MemoryHost> host = nullptr,
                     std::unique_ptr<StepDriver> driver = nullptr);
    ~Session();

    mem::MemoryHost& host() { return *host_; }
    store::BrowsableStore& store() { return *store_; }

    // Load the form file into the host (no events yet).
    frm::LoadedForm& load(const frm::FrmDocument& doc);
    // The same for a form file or a Qt Designer form.
    frm::LoadedForm& load(FormFile& file);
    // Show it (load processing, first resize), then apply the file's window state; settle.
    void show();
    void apply(const Step& step);
    // The user closes the form (query-unload saves placement, then unload).
    bool close();
    void settle();

    mem::MemoryForm& form() { return *loaded_.form; }
    const frm::LoadedForm& loaded() const { return loaded_; }
    Snapshot snapshot() { return take_snapshot(*loaded_.form); }

  private:
    void apply_step(const Step& step);

    std::shared_ptr<mem::MemoryHost> host_;
    std::unique_ptr<StepDriver> driver_;
    std::shared_ptr<store::BrowsableStore> store_;
    frm::LoadedForm loaded_;
};

// After the close: when the store lost a write of the form's placement or splits, one line on
// `err` that says so and exit status 2; else 0.
int report_unsaved(Session& session, const std::string& command, std::ostream& err);

// The message box buttons and icon of a style, by their host constant names.
std::string buttons_name(int style);
std::string icon_name(int style);  // "" when the box has no icon

}  // namespace kv::app
