#pragma once
// The panes page ("Panels"): per container of the form being designed, the developer picks two
// to four of its controls as one split pane; the page writes PaneSettings through the shared
// edit state and draws a small window in which the pane's controls are highlighted.
#include <memory>
#include <string>
#include <vector>

#include "engine/PropertyPage.h"
#include "pages/PageEvents.h"
#include "pages/PageLayout.h"
#include "pages/PaneLists.h"

namespace kv {

class zokKelvane;

class ppPanes : public PropertyPage {
  public:
    ppPanes();
    ~ppPanes() override;

    void PropertyPage_Initialize(PageSite& site) override;
    void PropertyPage_SelectionChanged() override;
    void PropertyPage_ApplyChanges() override;
    void PropertyPage_Terminate() override;

    std::shared_ptr<ControlCollection> MyControls() const { return controls_.collection(); }

  private:
    void make_controls();
    void hook_controls();
    void load();
    PaneKeyLookup lookup(const std::string& key) const;
    std::string container_key(const ObjectRef& control) const;
    ObjectRef control_or_none(const std::string& key) const;
    int depth(const std::string& container) const;
    void show_container();
    void move(const char* from, const char* to, size_t limit);
    void update_buttons();
    void check_pane_count();
    void rebuild_settings_text();
    void size_demo();
    void draw_demo();
    std::string chosen() const;
    std::vector<std::string> items(const char* list) const;
    std::vector<bool> selection(const char* list) const;
    void fill(const char* list, const std::vector<std::string>& entries);
    zokKelvane& control() const;

    PageSite* site_ = nullptr;
    ObjectRef page_;
    PageControls controls_;
    std::vector<std::unique_ptr<PageEvents>> events_;
    std::shared_ptr<UserControl> m_oControl;
    ObjectRef m_fForm;
    PaneLists lists_;
    bool loaded_ = false;
};

void register_ppPanes();

}  // namespace kv
