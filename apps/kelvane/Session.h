#pragma once
// One run of a form on the memory host, as the tool drives it: the host in run mode with the
// resizer control registered and the per-user store opened, the form loaded from its file and
// shown, then the user's steps (sizes, border drags, window states, divider drags), each
// followed by the settle timer, and finally the close.
#include <memory>
#include <string>
#include <vector>

#include "apps/kelvane/Snapshot.h"
#include "host/frm/FrmLoader.h"
#include "host/memory/MemoryHost.h"
#include "host/store/BrowsableStore.h"

namespace kv::app {

struct Step {
    enum Kind { Size, UserSize, State, Drag } kind = Size;
    double width = 0, height = 0;         // Size, UserSize: outer size in twips
    int state = 0;                        // State: 0 normal, 1 min, 2 max
    double x = 0, y = 0, x2 = 0, y2 = 0;  // Drag, in the container's scale units
    std::string container;                // Drag: control key, "" for the form
    std::string text;                     // as given, for tables and captions
};

// The steps of the command line in their order (--size, --user-size, --state, --drag).
std::vector<Step> steps_from_options(const std::vector<std::pair<std::string, std::string>>& opts);

// A store path that keeps the store in memory for the run only.
inline constexpr const char* kMemoryStore = ":memory:";

class Session {
  public:
    // `store_path` "" means the per-user default store. `run_mode` false is the designer.
    Session(const std::string& store_path, bool run_mode = true);
    ~Session();

    mem::MemoryHost& host() { return *host_; }
    store::BrowsableStore& store() { return *store_; }

    // Load the form file into the host (no events yet).
    frm::LoadedForm& load(const frm::FrmDocument& doc);
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
    std::shared_ptr<mem::MemoryHost> host_;
    std::shared_ptr<store::BrowsableStore> store_;
    frm::LoadedForm loaded_;
};

// The message box buttons and icon of a style, by their host constant names.
std::string buttons_name(int style);
std::string icon_name(int style);  // "" when the box has no icon

}  // namespace kv::app
