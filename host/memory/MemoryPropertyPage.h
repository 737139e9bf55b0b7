#pragma once
// One property page of the memory host: a borderless container with its own controls (made by
// the page code through its Controls collection), focus and tab order, key preview, and the
// page's Changed flag. The user actions below are what a developer's hand does on the page.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/PropertyPage.h"
#include "host/memory/MemoryForm.h"

namespace kv::mem {

// Key codes the hand presses.
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKeyF1 = 112;

class MemoryPropertyPage : public MemoryForm, public PageSite {
  public:
    MemoryPropertyPage(std::weak_ptr<MemoryHost> host, std::string name,
                       std::vector<std::shared_ptr<MemoryObject>> selected);

    std::string type_name() override { return "PropertyPage"; }

    // --- PageSite ---
    ObjectRef page() override { return shared_from_this(); }
    std::vector<std::shared_ptr<UserControl>> selected_controls() override;
    std::vector<ObjectRef> selected_extenders() override;
    bool changed() override { return changed_; }
    void set_changed(bool changed) override { changed_ = changed; }

    // The dialog closes: the page's controls and the page are gone.
    void close_page() { destroy(); }

    std::string caption();
    bool key_preview();
    // The control with this key ("cmdAdd", "optMove(3)"), nullptr when none.
    std::shared_ptr<MemoryObject> find(std::string_view key) const;

    // --- a developer's hand; each answers false when the control could not be worked (hidden
    // or disabled, up to the page) and then raises nothing ---
    // Focus, MouseDown, MouseUp, Click (an option button turns on before MouseUp; a check box
    // toggles 0 <-> 1 and its Click comes from the change).
    bool click(const ObjectRef& control);
    // click, then DblClick and a second MouseUp.
    bool dbl_click(const ObjectRef& control);
    // Focus only (the hand tabs or clicks somewhere that takes no action).
    bool focus(const ObjectRef& control);
    // An entry of a list or combo box: a simple multi-select list toggles the entry, others
    // select it alone; the list raises Click (and DblClick for the double click).
    bool click_entry(const ObjectRef& list, int index);
    bool dbl_click_entry(const ObjectRef& list, int index);
    // Type into a text or combo box (replaces its text; Change).
    bool type_text(const ObjectRef& control, const std::string& text);
    // A key: Tab moves the focus (shift 1: backwards); other keys raise KeyDown on the page
    // first when KeyPreview is set, then on the focused control (on the page when none).
    void press_key(int key_code, int shift = 0);
    // Press the left button on the middle of the control, move the pointer by (dx, dy) twips
    // over the page in `steps` even steps and release it there. Events report the pointer in
    // the control's own units where the control stands at that moment.
    bool drag(const ObjectRef& control, double dx, double dy, int steps = 1);

  private:
    std::shared_ptr<MemoryObject> workable(const ObjectRef& control) const;
    void press(const std::shared_ptr<MemoryObject>& c, bool up_only);

    std::vector<std::weak_ptr<MemoryObject>> selected_;
    bool changed_ = false;
};

}  // namespace kv::mem
