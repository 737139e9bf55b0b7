#pragma once
// The property-pages dialog of the memory host, opened on one control placed on a form in the
// designer: a tab per page the control names (in its order), OK, Cancel and Apply.
//
// Every page is made and hears Initialize when the dialog opens (so the tabs have their
// captions); a page hears SelectionChanged the first time its tab is shown (the first tab at
// once), and the focus then goes to its first tab stop. Apply is available while a page's
// Changed flag is set; it raises ApplyChanges on each such page and clears the flags. OK
// applies and closes, Cancel closes; closing raises Terminate on every page.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/PropertyPage.h"
#include "host/memory/MemoryPropertyPage.h"

namespace kv::mem {

class MemoryHost;

class MemoryPageDialog {
  public:
    // Error 5 when `control` is not a user control on a form; page classes the process has not
    // registered are left out.
    MemoryPageDialog(const std::shared_ptr<MemoryHost>& host,
                     const std::shared_ptr<MemoryObject>& control);
    ~MemoryPageDialog();
    MemoryPageDialog(const MemoryPageDialog&) = delete;
    MemoryPageDialog& operator=(const MemoryPageDialog&) = delete;

    bool is_open() const { return open_; }
    std::shared_ptr<MemoryObject> control() const { return control_; }
    size_t page_count() const { return pages_.size(); }
    std::shared_ptr<MemoryPropertyPage> page(size_t i) const;
    std::shared_ptr<PropertyPage> page_code(size_t i) const;
    // The tab texts, in order.
    std::vector<std::string> captions() const;

    size_t active_index() const { return active_; }
    std::shared_ptr<MemoryPropertyPage> active_page() const { return page(active_); }
    // Show a tab (error 9 past the end; error 5 once closed).
    void select_page(size_t i);
    // Show the tab with this caption (the "&" marks ignored); false when there is none.
    bool select_page(std::string_view caption);

    bool apply_enabled() const;
    // The Apply button: false (nothing happens) while it is not available.
    bool apply();
    void ok();
    void cancel();

  private:
    struct Tab {
        std::shared_ptr<MemoryPropertyPage> page;
        std::shared_ptr<PropertyPage> code;
        bool shown = false;
    };
    void check_open() const;
    void close();

    std::shared_ptr<MemoryObject> control_;
    std::vector<Tab> pages_;
    size_t active_ = 0;
    bool open_ = false;
};

}  // namespace kv::mem
