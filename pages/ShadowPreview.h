#pragma once
// The controls page's preview: the shadow form fitted into its demo picture, the colour views,
// and the trial run that moves the shadows as the run time moves the controls while the
// developer drags the size handle. Nothing here touches the settings texts.
//
// The trial runs the run time itself: the host makes a run-time copy of the form (the resizer
// control included), the copy's resizer loads the settings being edited as its load processing
// does, and every resize of the shadow form resizes the copy and runs the copy's resize and
// settle passes. Each shadow is then placed from its control's copy. So the shadows stand where
// the controls will stand: the same registration order and modes, the aligned bars' room, list
// boxes of whole lines, panes, and relative modes computed in the form's own units.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/HostObject.h"
#include "engine/PageHost.h"
#include "pages/AnchorChoice.h"
#include "pages/Shadows.h"

namespace kv {

class ShadowChoices;
class zokKelvane;

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

// The settings the trial runs with, as the page edits them.
struct PreviewSettings {
    std::string control_settings;  // the edited ControlSettings
    std::string pane_settings;     // the PaneSettings as applied
    bool add_all = false;          // AddAllControls ticked
    bool add_all_fonts = false;    // AddAllFontsButtons ticked
};

// What the preview shows of one control: the place its shadow stands for, in the units of the
// control's container (as the run time would report the control).
struct ShownControl {
    std::string key;  // the control key
    ControlPlace place;
};

class ShadowPreview {
  public:
    ShadowPreview();
    ~ShadowPreview();
    ShadowPreview(const ShadowPreview&) = delete;
    ShadowPreview& operator=(const ShadowPreview&) = delete;

    // The page's pictures: the demo area, the border around the shadow form, the shadow form
    // and the size handle at its lower-right corner.
    ObjectRef picDemo, picShadowBorder, picShadowForm, picSizeHandle;
    // Called whenever the shadows moved, to put the selected shadow's corner markers back.
    std::function<void()> on_layout_changed;

    // Give the shadow form the form's proportions inside the demo area; border and handle follow.
    // That size stands for the form's design size.
    void fit_shadow_form(HostObject& form);
    void place_border_and_handle();

    // A new trial run with these settings on a copy of `form`, whose resizer control is
    // `resizer`: the pane status map filled, the shadows placed for the shadow form's size now.
    // Set-up messages (a bad pane line) are shown once for the same pane settings.
    void setup_trial(const std::vector<ShadowEntry>& shadows, const PreviewSettings& settings,
                     const ObjectRef& form, const ObjectRef& resizer);
    // The page closes: the trial's copy of the form goes now, not with the page object.
    void end_trial();
    const std::map<std::string, PaneStatus>& pane_status() const { return pane_status_; }
    std::optional<PaneStatus> pane_status_of(const std::string& shadow_name) const;
    // The outer size in twips of the form the shadows stand for now (0 x 0 without a trial).
    std::pair<double, double> trial_form_size() const;
    // The sizes the trial's form was given since the trial was set up, in order: the run time
    // reaches the same layout through the same sizes.
    const std::vector<std::pair<double, double>>& trial_sizes() const { return sizes_; }
    // Every placed shadow's control, in the form's control order.
    std::vector<ShownControl> shown() const;

    // Colour the shadow form and the shadows for colour view 0, 1 or 2.
    void recolour(int view, const std::vector<ShadowEntry>& shadows, const ShadowChoices& choices,
                  bool add_all, HostObject& form);

    // The size handle: mouse down, a move with the pointer at (x, y) in the handle, mouse up.
    void drag_start();
    void drag_step(double x, double y);
    void drag_stop();
    bool dragging() const { return dragging_; }
    // Back to the design size, the shadows where the controls stand at that size.
    void reset_size();

  private:
    // A shadow and its control's copy; containers come before what they hold.
    struct Follower {
        std::string key;
        size_t order = 0;  // in the form's control order
        ObjectRef shadow, twin, twin_container;
        std::optional<ControlPlace> placed;
    };
    void make_followers(const std::vector<ShadowEntry>& shadows, const ObjectRef& copy);
    void read_pane_status();
    // Resize the copy to the shadow form's size, run its passes, place the shadows.
    void follow();
    void place_shadows();
    // Which shadows to place again: those whose control's copy changed and all that such a
    // container holds (empty: all of them).
    std::vector<char> shadows_due();

    // Followers by their control's copy, and by the copy's container.
    std::unordered_map<const HostObject*, size_t> follower_of_;
    std::unordered_map<const HostObject*, std::vector<size_t>> held_by_;
    // The scale the shadows on the shadow form were last placed at.
    std::optional<ShadowScale> form_scale_;

    std::unique_ptr<FormCopy> copy_;
    zokKelvane* copy_resizer_ = nullptr;  // held by the copy
    std::vector<Follower> followers_;
    std::vector<std::pair<double, double>> sizes_;
    std::map<std::string, PaneStatus> pane_status_;
    // The shadow form's design size, and the copy's outer and client size in twips at it.
    double design_width_ = 0, design_height_ = 0;
    double copy_width_ = 0, copy_height_ = 0, client_width_ = 0, client_height_ = 0;
    std::optional<std::string> told_panes_;  // the pane settings of the last trial that told
    bool dragging_ = false;
    Value handle_colour_;
};

// The colour view kept per user in the settings store ("0" when none is kept).
int saved_colour_view();
void save_colour_view(int view);

}  // namespace kv
