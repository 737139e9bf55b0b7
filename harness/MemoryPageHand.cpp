// The developer's hand on the memory host's pages dialog.
#include "harness/PageHand.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPageDialog.h"
#include "picture/Renderer.h"
#include "picture/Snapshot.h"

namespace kv::app {

namespace {

class MemoryHand : public PageHand {
  public:
    MemoryHand(mem::MemoryHost& host, const std::shared_ptr<mem::MemoryObject>& resizer)
        : host_(host), dialog_(host.open_property_pages(resizer)) {}

    mem::MemoryPageDialog& dialog() override { return *dialog_; }
    bool select_page(size_t index) override {
        if (index >= dialog_->page_count()) return false;
        dialog_->select_page(index);
        return true;
    }
    bool click(mem::MemoryObject& c) override { return page().click(ref(c)); }
    bool dbl_click(mem::MemoryObject& c) override { return page().dbl_click(ref(c)); }
    bool focus(mem::MemoryObject& c) override { return page().focus(ref(c)); }
    bool click_entry(mem::MemoryObject& list, int index) override {
        return page().click_entry(ref(list), index);
    }
    void press_key(int key_code) override { page().press_key(key_code); }
    bool drag(mem::MemoryObject& c, double dx, double dy) override {
        return page().drag(ref(c), dx, dy, 4);
    }
    bool apply() override { return dialog_->apply(); }
    void ok() override { dialog_->ok(); }
    void cancel() override { dialog_->cancel(); }
    bool picture(const std::string& path, std::string& error) override {
        // The headline is the page's own caption.
        return render_picture(take_snapshot(page()), host_.twips_per_pixel_x(), path, error);
    }

  private:
    mem::MemoryPropertyPage& page() { return *dialog_->active_page(); }
    static std::shared_ptr<mem::MemoryObject> ref(mem::MemoryObject& c) {
        return c.shared_from_this();
    }

    mem::MemoryHost& host_;
    std::shared_ptr<mem::MemoryPageDialog> dialog_;
};

}  // namespace

std::unique_ptr<PageHand> memory_hand(mem::MemoryHost& host,
                                      const std::shared_ptr<mem::MemoryObject>& resizer) {
    return std::make_unique<MemoryHand>(host, resizer);
}

}  // namespace kv::app
