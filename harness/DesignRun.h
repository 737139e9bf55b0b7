#pragma once
// A developer's hand on the property pages of a form's resizer control in the designer: the
// page actions of a design script, worked on the pages dialog by a PageHand (the memory host's,
// or the Qt dialog's real events). A step the pages do not allow (a hidden choice, a disabled
// button, a control with no shadow) is a ScriptError.
#include <memory>
#include <ostream>
#include <string>

#include "engine/HostObject.h"
#include "harness/DesignScript.h"
#include "harness/PageHand.h"
#include "harness/SettingsPlaces.h"

namespace kv::mem {
class MemoryHost;
class MemoryObject;
class MemoryPageDialog;
class MemoryPropertyPage;
}  // namespace kv::mem

namespace kv::app {

class DesignRun {
  public:
    // Opens the dialog on the resizer with `hand` (the page classes registered first).
    // Message boxes are printed to `out` as they are shown, and so are the pictures written;
    // those the dialog shows as it opens, about the texts as the file has them, at the lines of
    // `file_places`.
    DesignRun(mem::MemoryHost& host, const std::shared_ptr<mem::MemoryObject>& resizer,
              std::string script_name, std::ostream& out, const SettingsPlaces& file_places = {},
              const PageHandMaker& hand = memory_hand);
    ~DesignRun();  // a dialog still open is cancelled
    DesignRun(const DesignRun&) = delete;
    DesignRun& operator=(const DesignRun&) = delete;

    void run(const DesignAction& action);
    // Did an Apply or OK write changes to the control?
    bool applied() const { return applied_; }
    mem::MemoryPageDialog& dialog() { return hand_->dialog(); }
    PageHand& hand() { return *hand_; }

  private:
    [[noreturn]] void fail(const std::string& expected, const std::string& found) const;
    mem::MemoryPropertyPage& page();
    std::shared_ptr<mem::MemoryObject> control(const std::string& key, const std::string& what);
    std::shared_ptr<mem::MemoryObject> shadow(const std::string& key);
    int entry(const std::shared_ptr<mem::MemoryObject>& list, const std::string& text,
              const std::string& what);
    void work(bool done, const std::string& expected, const std::string& found) const;
    bool select_page(const std::string& caption);
    void perform(const DesignAction& a);
    void work_shadow(const DesignAction& a);
    void work_choices(const DesignAction& a);
    std::string offered_choices();
    void set_check_box(const std::string& name, bool ticked);
    void work_pane_lists(const DesignAction& a);
    void press_dialog_button(DesignAction::Kind kind);
    void get_code();
    void take_picture(const std::string& path);
    void print_preview();
    void report_messages(const SettingsPlaces& places = {});

    mem::MemoryHost& host_;
    std::string script_;
    std::ostream& out_;
    std::unique_ptr<PageHand> hand_;
    ObjectRef form_;
    int line_ = 0;
    std::string source_;  // the script line being run
    size_t shown_ = 0;
    bool applied_ = false;
};

// Registers the property page classes the dialog shows.
void register_page_classes();

}  // namespace kv::app
