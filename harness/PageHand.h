#pragma once
// A developer's hand on the property-pages dialog, for the design scripts: on the memory host
// the pages' own hand methods, on the Qt host real Qt events to the dialog's widgets. Each
// answers false when the control could not be worked (hidden or disabled).
#include <functional>
#include <memory>
#include <string>

namespace kv::mem {
class MemoryHost;
class MemoryObject;
class MemoryPageDialog;
}  // namespace kv::mem

namespace kv::app {

class PageHand {
  public:
    virtual ~PageHand() = default;
    // The dialog's model: its pages, their controls and Changed flags.
    virtual mem::MemoryPageDialog& dialog() = 0;
    virtual bool select_page(size_t index) = 0;
    virtual bool click(mem::MemoryObject& control) = 0;
    virtual bool dbl_click(mem::MemoryObject& control) = 0;
    virtual bool focus(mem::MemoryObject& control) = 0;
    virtual bool click_entry(mem::MemoryObject& list, int index) = 0;
    // A key by the forms runtime's code (46 Delete, 112 F1).
    virtual void press_key(int key_code) = 0;
    // Drag the control by (dx, dy) twips.
    virtual bool drag(mem::MemoryObject& control, double dx, double dy) = 0;
    // Apply: false when it is not available.
    virtual bool apply() = 0;
    virtual void ok() = 0;
    virtual void cancel() = 0;
    // A picture of what the developer sees into `path`; false with `error` set.
    virtual bool picture(const std::string& path, std::string& error) = 0;
};

// Opens the dialog on the resizer and answers the hand on it.
using PageHandMaker = std::function<std::unique_ptr<PageHand>(
    mem::MemoryHost& host, const std::shared_ptr<mem::MemoryObject>& resizer)>;

// The memory host's hand; its pictures are drawn from the current page's controls.
std::unique_ptr<PageHand> memory_hand(mem::MemoryHost& host,
                                      const std::shared_ptr<mem::MemoryObject>& resizer);

}  // namespace kv::app
