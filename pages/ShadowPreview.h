#pragma once
// The controls page's preview: the shadow form fitted into its demo picture, the colour views,
// and the trial form sizer that moves the shadows as the run time would move the controls while
// the developer drags the size handle. Nothing here touches the settings texts.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/CFormSizer.h"
#include "engine/HostObject.h"
#include "pages/AnchorChoice.h"

namespace kv {

class ShadowChoices;

// One control of the form and its shadow on the page.
struct ShadowEntry {
    std::string name;  // the shadow name
    ObjectRef shadow;
    ObjectRef control;
    bool shown = false;  // controls with an alignment have a hidden shadow
};

// What the trial pane layout gives a pane control: its choice and its pane status letter.
struct PaneStatus {
    AnchorChoice choice;
    char letter = ' ';
};

// The page settings the preview reads.
struct PreviewSettings {
    bool add_all_ticked = false;        // chkAddAllControls, for the trial sizer
    bool add_all_fonts_ticked = false;  // chkAddAllFontsButtons
    bool edited_add_all = false;        // the edited AddAllControls, for colour view 2
    std::string pane_settings;          // the control's PaneSettings
};

class ShadowPreview {
  public:
    // The page's pictures: the demo area, the border around the shadow form, the shadow form
    // and the size handle at its lower-right corner.
    ObjectRef picDemo, picShadowBorder, picShadowForm, picSizeHandle;
    // Called whenever the shadows moved, to put the selected shadow's corner markers back.
    std::function<void()> on_layout_changed;

    // Give the shadow form the form's proportions inside the demo area; border and handle follow.
    void fit_shadow_form(HostObject& form);
    void place_border_and_handle();

    // A new trial form sizer over the shown shadows, with the panes of the PaneSettings; fills
    // the pane status map and records the starting size of the shadow form.
    void setup_trial_sizer(const std::vector<ShadowEntry>& shadows, ShadowChoices& choices,
                           const PreviewSettings& settings,
                           const std::shared_ptr<ControlCollection>& page_controls,
                           const ObjectRef& form);
    const std::map<std::string, PaneStatus>& pane_status() const { return pane_status_; }
    std::optional<PaneStatus> pane_status_of(const std::string& shadow_name) const;
    CFormSizer* trial_sizer() const { return trial_.get(); }

    // Colour the shadow form and the shadows for colour view 0, 1 or 2.
    void recolour(int view, const std::vector<ShadowEntry>& shadows, ShadowChoices& choices,
                  const PreviewSettings& settings, HostObject& form);

    // The size handle: mouse down, a move with the pointer at (x, y) in the handle, mouse up.
    void drag_start();
    void drag_step(double x, double y);
    void drag_stop();
    bool dragging() const { return dragging_; }
    // Back to the size of the last trial set-up, the shadows at their starting places.
    void reset_size();

  private:
    void resize_shadows();

    std::unique_ptr<CFormSizer> trial_;
    std::shared_ptr<CControlSizer> root_;  // the shadow form's own sizer
    std::map<std::string, PaneStatus> pane_status_;
    double start_width_ = 0, start_height_ = 0;
    bool dragging_ = false;
    Value handle_colour_;
};

// The colour view kept per user in the settings store ("0" when none is kept).
int saved_colour_view();
void save_colour_view(int view);

}  // namespace kv
