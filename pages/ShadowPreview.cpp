#include "pages/ShadowPreview.h"

#include <algorithm>

#include "control/CRegSettings.h"
#include "control/SettingsStrings.h"
#include "engine/FormPane.h"
#include "engine/HostAccess.h"
#include "pages/PreviewRules.h"
#include "pages/ShadowChoices.h"
#include "pages/Shadows.h"
#include "panes/CPanes.h"
#include "panes/PaneCreation.h"

namespace kv {

namespace {

constexpr double kDemoMargin = 120;   // twips around the shadow form in the demo area
constexpr double kBorderWidth = 60;   // the border picture's rim
constexpr double kFitShare = 0.7;     // of the demo area the shadow form starts with
constexpr int32_t kDragColour = 255;  // pure red while the handle is held
constexpr int32_t kNoBackColour = 65535;

void set_colour(HostObject& o, int32_t colour) {
    o.set(Prop::BackColor, Value(static_cast<double>(colour)));
}

CRegSettings colour_view_settings() {
    CRegSettings reg;
    reg.Company("Quillon");
    reg.AppName("Kelvane for VB6");
    return reg;
}

}  // namespace

int saved_colour_view() {
    const std::string text = colour_view_settings().GetSetting("ppVisControls", "ColorView", "0");
    if (text == "1") return 1;
    if (text == "2") return 2;
    return 0;
}

void save_colour_view(int view) {
    colour_view_settings().SaveSetting("ppVisControls", "ColorView", std::to_string(view));
}

void ShadowPreview::fit_shadow_form(HostObject& form) {
    const double form_w = try_num(form, Prop::ScaleWidth).value_or(0);
    const double form_h = try_num(form, Prop::ScaleHeight).value_or(0);
    const double handle = num(*picSizeHandle, Prop::Width);
    const double room_w = num(*picDemo, Prop::ScaleWidth) - 2 * kDemoMargin - handle;
    const double room_h = num(*picDemo, Prop::ScaleHeight) - 2 * kDemoMargin - handle;
    // Room is left around the shadow form for the size handle to make it larger.
    double w = room_w * kFitShare, h = room_h * kFitShare;
    if (form_w > 0 && form_h > 0) {
        h = w * form_h / form_w;
        if (h > room_h * kFitShare) {
            w *= room_h * kFitShare / h;
            h = room_h * kFitShare;
        }
    }
    picShadowForm->move(kDemoMargin, kDemoMargin, std::max(w, 0.0), std::max(h, 0.0));
    place_border_and_handle();
}

// The border rims the shadow form left, right and below; its top is the shadow form's, which
// the drag step measures the height from.
void ShadowPreview::place_border_and_handle() {
    const double l = num(*picShadowForm, Prop::Left), t = num(*picShadowForm, Prop::Top);
    const double w = num(*picShadowForm, Prop::Width), h = num(*picShadowForm, Prop::Height);
    if (picShadowBorder)
        picShadowBorder->move(l - kBorderWidth, t, w + 2 * kBorderWidth, h + kBorderWidth);
    const double hw = num(*picSizeHandle, Prop::Width), hh = num(*picSizeHandle, Prop::Height);
    picSizeHandle->move(l + w - hw / 2, t + h - hh / 2);
    picSizeHandle->zorder(0);
}

void ShadowPreview::setup_trial_sizer(const std::vector<ShadowEntry>& shadows,
                                      ShadowChoices& choices, const PreviewSettings& settings,
                                      const std::shared_ptr<ControlCollection>& page_controls,
                                      const ObjectRef& form) {
    pane_status_.clear();
    root_.reset();
    trial_ = std::make_unique<CFormSizer>();
    // The shadow form is registered first and kept as it is: the shadows are its children.
    root_ = trial_->Form_Load_addControl(KV_KEEP, KV_KEEP, KV_ABSOLUTE, KV_ABSOLUTE, KV_KEEP,
                                         picShadowForm);
    for (const auto& entry : shadows) {
        if (!entry.shown) continue;
        const bool button = entry.control && entry.control->type_name() == "CommandButton";
        const auto modes = trial_modes(choices.find(entry.name), settings.add_all_ticked,
                                       settings.add_all_fonts_ticked, button);
        if (!modes) continue;
        trial_->Form_Load_addControl((*modes)[0], (*modes)[1], (*modes)[2], (*modes)[3],
                                     (*modes)[4], entry.shadow);
    }
    trial_->set_or_check_controls(page_controls);
    for (const auto& line : split_settings_lines(settings.pane_settings)) {
        std::array<std::shared_ptr<CControlSizer>, 4> cells{};
        size_t n = 0;
        size_t start = 0;
        while (start <= line.size() && n < cells.size()) {
            const size_t at = std::min(line.find(' ', start), line.size());
            const std::string key = line.substr(start, at - start);
            start = at + 1;
            if (key.empty()) continue;
            const std::string shadow = shadow_name_of_key(form, key);
            if (!shadow.empty()) cells[n++] = trial_->get_or_create_ctrlsizer(shadow);
        }
        const auto pane = CreatePane(*trial_, cells[0], cells[1], cells[2], cells[3], false, 0);
        if (!pane) continue;
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c) {
                const auto cs = pane->CSPanes(r, c);
                if (!cs || !cs->ths) continue;
                const AnchorChoice choice =
                    choice_from_modes(cs->mtL, cs->mtT, cs->mtR, cs->mtB, cs->mtF);
                pane_status_[text(*cs->ths, Prop::Name)] = {
                    choice,
                    pane_status_letter(pane->GuideHor(r, c) != 0, pane->GuideVer(r, c) != 0)};
            }
    }
    trial_->Form_Load_InitializeSizing();
    start_width_ = num(*picShadowForm, Prop::Width);
    start_height_ = num(*picShadowForm, Prop::Height);
}

std::optional<PaneStatus> ShadowPreview::pane_status_of(const std::string& shadow_name) const {
    const auto it = pane_status_.find(shadow_name);
    if (it == pane_status_.end()) return std::nullopt;
    return it->second;
}

void ShadowPreview::recolour(int view, const std::vector<ShadowEntry>& shadows,
                             ShadowChoices& choices, const PreviewSettings& settings,
                             HostObject& form) {
    if (view == kViewOriginal)
        picShadowForm->set(Prop::BackColor, form.get(Prop::BackColor));
    else
        set_colour(*picShadowForm, legend_colour(kLegendForm));
    for (const auto& entry : shadows) {
        if (!entry.shadow) continue;
        const auto stored = choices.find(entry.name);
        std::optional<int> pane_grid;
        if (const auto status = pane_status_of(entry.name)) pane_grid = status->choice.grid;
        const auto legend =
            legend_index_for_view(view, stored ? std::optional<int>(stored->grid) : std::nullopt,
                                  settings.edited_add_all, pane_grid);
        if (legend) {
            set_colour(*entry.shadow, legend_colour(*legend));
        } else {
            const auto own =
                entry.control ? try_num(*entry.control, Prop::BackColor) : std::optional<double>();
            set_colour(*entry.shadow, own ? static_cast<int32_t>(*own) : kNoBackColour);
        }
        entry.shadow->refresh();
    }
    picShadowForm->refresh();
}

void ShadowPreview::drag_start() {
    handle_colour_ = picSizeHandle->get(Prop::BackColor);
    set_colour(*picSizeHandle, kDragColour);
    dragging_ = true;
}

void ShadowPreview::drag_step(double x, double y) {
    if (!dragging_) return;
    HostObject& handle = *picSizeHandle;
    const double hw = num(handle, Prop::ScaleWidth), hh = num(handle, Prop::ScaleHeight);
    handle.move(num(handle, Prop::Left) + x - hw / 2, num(handle, Prop::Top) + y - hh / 2);
    const double left = num(*picShadowForm, Prop::Left), top = num(*picShadowForm, Prop::Top);
    const double border_top = picShadowBorder ? num(*picShadowBorder, Prop::Top) : top;
    // A handle dragged past the shadow form's corner leaves it empty rather than negative.
    const double w = std::max(0.0, hw / 2 + num(handle, Prop::Left) - left);
    const double h = std::max(0.0, hh / 2 + num(handle, Prop::Top) - border_top);
    picShadowForm->move(left, top, w, h);
    if (picShadowBorder)
        picShadowBorder->move(left - kBorderWidth, top, w + 2 * kBorderWidth, h + kBorderWidth);
    picShadowForm->refresh();
    if (picShadowBorder) picShadowBorder->refresh();
    if (picDemo) picDemo->refresh();
    resize_shadows();
}

void ShadowPreview::drag_stop() {
    dragging_ = false;
    picSizeHandle->set(Prop::BackColor, handle_colour_);
}

void ShadowPreview::reset_size() {
    if (start_height_ == 0) return;
    picShadowForm->move(num(*picShadowForm, Prop::Left), num(*picShadowForm, Prop::Top),
                        start_width_, start_height_);
    resize_shadows();
    place_border_and_handle();
}

void ShadowPreview::resize_shadows() {
    if (trial_ && root_) {
        trial_->state.g_bNeedExtraResize = false;
        trial_->ResizeControlChilds(*root_);
        // A pane of the shadow form itself is re-measured after its children, as in a pass.
        if (const auto pane = root_->ContainedPane.lock()) pane->Pane_Resize();
    }
    if (on_layout_changed) on_layout_changed();
}

}  // namespace kv
