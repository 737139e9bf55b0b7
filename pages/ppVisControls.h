#pragma once
// The controls page ("Resizing"): a shadow of the form being designed, where the developer
// selects a control's shadow and picks one of ten anchoring choices and a font choice; the page
// writes ControlSettings, AddAllControls and AddAllFontsButtons through the shared edit state.
// Its preview (colour views, the size handle) is ShadowPreview.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/PropertyPage.h"
#include "pages/AnchorChoice.h"
#include "pages/CPicWithEvents.h"
#include "pages/PageEvents.h"
#include "pages/PageLayout.h"
#include "pages/ShadowChoices.h"
#include "pages/ShadowPreview.h"

namespace kv {

class zokKelvane;

class ppVisControls : public PropertyPage, public ShadowOwner {
  public:
    ppVisControls();
    ~ppVisControls() override;

    // --- page events ---
    void PropertyPage_Initialize(PageSite& site) override;
    void PropertyPage_SelectionChanged() override;
    void PropertyPage_ApplyChanges() override;
    void PropertyPage_Terminate() override;

    // --- what the shadows call ---
    void shadow_Clicked(const std::string& sShadow) override;
    void shadow_DblClicked(const std::string& sShadow) override;
    void shadow_GotFocus(const std::string& sShadow) override;
    void shadow_LostFocus(const std::string& sShadow) override;
    void save_prev_clr() override;
    void Msg(const std::string& text) override;
    // The index of the first option of the array whose Value is true.
    std::optional<int> getOptVal(const std::string& array_name, int count) const;
    std::shared_ptr<ControlCollection> MyControls() const { return controls_.collection(); }

    // --- read access for the tools and tests ---
    const std::string& selected_shadow() const { return m_sSelected; }
    // Has the page loaded a form (its first SelectionChanged)?
    bool loaded() const { return m_fForm != nullptr; }
    const ShadowPreview& preview() const { return preview_; }
    const std::vector<ShadowEntry>& shadows() const { return shadows_; }

  private:
    void make_controls();
    void hook_controls();
    void load_selection();
    void build_shadow_form();
    void order_shadow_tabs();
    std::vector<size_t> shadows_in_tab_order() const;
    void load_stored_settings();
    void show_choice_on_shadow(const std::string& shadow, AnchorChoice choice);
    void select_shadow(const std::string& shadow);
    void show_selected_choices();
    void store_choices(const std::string& shadow);
    void clear_shadow(const std::string& shadow);
    void apply_pane_restrictions();
    void rebuild_settings_text();
    void refresh_preview();
    // The Panels page applied new PaneSettings: the trial runs with them at once.
    void panes_applied();
    // Put the corner markers on the selected shadow's corners; `show` makes them visible.
    void place_markers(bool show = false);
    void hide_markers();
    void on_check_box(bool fonts_box);
    void focus_stop(const char* which);
    void select_option(const std::string& array_name, int index);
    PreviewSettings preview_settings() const;
    int colour_view() const;
    zokKelvane& control() const;

    PageSite* site_ = nullptr;
    ObjectRef page_;
    PageControls controls_;
    std::vector<std::unique_ptr<PageEvents>> events_;
    // Each shadow's event wrapper, by the shadow (a shadow is hidden, never removed, and got
    // again by its name when the page is drawn again).
    std::unordered_map<const HostObject*, std::unique_ptr<CPicWithEvents>> wrappers_;

    std::shared_ptr<UserControl> m_oControl;
    ObjectRef m_fForm;
    ShadowChoices settings_map_;
    ShadowPreview preview_;
    std::vector<ShadowEntry> shadows_;
    std::string m_sSelected;
    AnchorChoice m_prev;
    int16_t m_iBusy = 0;
    double m_dblMarkerSize = 0;
};

// Registers the page class with the host's page registry.
void register_ppVisControls();

}  // namespace kv
