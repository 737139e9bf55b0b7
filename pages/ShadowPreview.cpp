#include "pages/ShadowPreview.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "control/CRegSettings.h"
#include "control/ControlLookup.h"
#include "control/zokKelvane.h"
#include "engine/CFormSizer.h"
#include "engine/Error.h"
#include "engine/Host.h"
#include "engine/HostAccess.h"
#include "pages/PreviewRules.h"
#include "pages/ShadowChoices.h"
#include "panes/CPanes.h"

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

// How many containers lie between a control and its form.
int depth_of(HostObject& control) {
    int depth = 0;
    for (ObjectRef c = try_container(control); c; c = try_container(*c)) ++depth;
    return depth;
}

// The client area of a form in twips, whatever its scale.
double client_twips(HostObject& form, Prop scale_size, bool x_axis) {
    const double size = num(form, scale_size);
    const int mode = static_cast<int>(try_num(form, Prop::ScaleMode).value_or(kScaleTwips));
    try {
        return x_axis ? form.scale_x(size, mode, kScaleTwips)
                      : form.scale_y(size, mode, kScaleTwips);
    } catch (const Error&) {
        return size;
    }
}

}  // namespace

ShadowPreview::ShadowPreview() = default;
ShadowPreview::~ShadowPreview() = default;

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
    design_width_ = num(*picShadowForm, Prop::Width);
    design_height_ = num(*picShadowForm, Prop::Height);
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

void ShadowPreview::setup_trial(const std::vector<ShadowEntry>& shadows,
                                const PreviewSettings& settings, const ObjectRef& form,
                                const ObjectRef& resizer) {
    pane_status_.clear();
    followers_.clear();
    sizes_.clear();
    copy_resizer_ = nullptr;
    copy_.reset();  // the last trial's copy goes before the next is made
    try {
        copy_ = Host::current().page_host().copy_form(form);
    } catch (const Error&) {
        return;  // a host without copies shows the shadows where the controls stand
    }
    const ObjectRef copy = copy_->form();
    copy_width_ = num(*copy, Prop::Width);
    copy_height_ = num(*copy, Prop::Height);
    client_width_ = client_twips(*copy, Prop::ScaleWidth, true);
    client_height_ = client_twips(*copy, Prop::ScaleHeight, false);
    if (resizer)
        if (const ObjectRef twin = find_control_by_key(copy, control_key(*resizer)))
            copy_resizer_ = dynamic_cast<zokKelvane*>(copy_->user_control(twin).get());
    if (copy_resizer_) {
        copy_resizer_->ControlSettings(settings.control_settings);
        copy_resizer_->PaneSettings(settings.pane_settings);
        copy_resizer_->AddAllControls(settings.add_all);
        copy_resizer_->AddAllFontsButtons(settings.add_all_fonts);
        // What the set-up tells (a bad pane line) is told once, not again after every edit: only
        // new pane settings can tell something new.
        const bool quiet = told_panes_ == settings.pane_settings;
        copy_resizer_->preview_load(quiet);
        copy_resizer_->preview_resize();  // the form is shown at its design size
        told_panes_ = settings.pane_settings;
    }
    make_followers(shadows, copy);
    read_pane_status();
    follow();
}

void ShadowPreview::end_trial() {
    followers_.clear();
    copy_resizer_ = nullptr;
    copy_.reset();
}

void ShadowPreview::make_followers(const std::vector<ShadowEntry>& shadows, const ObjectRef& copy) {
    std::vector<Follower> found;
    std::vector<int> depth;
    found.reserve(shadows.size());
    depth.reserve(shadows.size());
    for (size_t i = 0; i < shadows.size(); ++i) {
        const ShadowEntry& entry = shadows[i];
        if (!entry.shadow || !entry.control) continue;
        Follower f;
        f.order = i;
        try {
            f.key = control_key(*entry.control);
            // The copy knows its twins; asking it by name costs a look-up per control.
            f.twin = copy_->twin(*entry.control);
            if (!f.twin) f.twin = find_control_by_key(copy, f.key);
        } catch (const Error&) {
            continue;
        }
        if (!f.twin) continue;
        f.twin_container = try_container(*f.twin);
        if (!f.twin_container) continue;
        f.shadow = entry.shadow;
        depth.push_back(depth_of(*f.twin));
        found.push_back(std::move(f));
    }
    // Containers before what they hold, otherwise in the form's order.
    std::vector<size_t> by_depth(found.size());
    for (size_t i = 0; i < by_depth.size(); ++i) by_depth[i] = i;
    std::stable_sort(by_depth.begin(), by_depth.end(),
                     [&](size_t a, size_t b) { return depth[a] < depth[b]; });
    followers_.reserve(found.size());
    for (const size_t i : by_depth) followers_.push_back(std::move(found[i]));
    follower_of_.clear();
    held_by_.clear();
    form_scale_.reset();
    follower_of_.reserve(followers_.size());  // sized once, not rehashed while it grows
    for (size_t i = 0; i < followers_.size(); ++i) {
        follower_of_[followers_[i].twin.get()] = i;
        held_by_[followers_[i].twin_container.get()].push_back(i);
    }
}

void ShadowPreview::read_pane_status() {
    CFormSizer* sizer = copy_resizer_ ? copy_resizer_->form_sizer() : nullptr;
    if (!sizer) return;
    for (const auto& owned : sizer->panes()) {
        const auto pane = std::dynamic_pointer_cast<CPanes>(owned);
        if (!pane) continue;
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c) {
                const auto cs = pane->CSPanes(r, c);
                if (!cs || !cs->ths) continue;
                const AnchorChoice choice =
                    choice_from_modes(cs->mtL, cs->mtT, cs->mtR, cs->mtB, cs->mtF);
                pane_status_[shadow_name_of(*cs->ths)] = {
                    choice,
                    pane_status_letter(pane->GuideHor(r, c) != 0, pane->GuideVer(r, c) != 0)};
            }
    }
}

// The copy's client area grows as the shadow form does. A window's size is whole twips, so the
// copy's is rounded, and the shadow form takes the copy's size at the design scale: each shadow
// then stands exactly for its control.
void ShadowPreview::follow() {
    if (copy_ && design_width_ > 0 && design_height_ > 0 && client_width_ > 0 &&
        client_height_ > 0) {
        const ObjectRef copy = copy_->form();
        const double w = num(*picShadowForm, Prop::Width), h = num(*picShadowForm, Prop::Height);
        const double width =
            std::max(0.0, std::round(copy_width_ + client_width_ * (w / design_width_ - 1)));
        const double height =
            std::max(0.0, std::round(copy_height_ + client_height_ * (h / design_height_ - 1)));
        if (width != num(*copy, Prop::Width) || height != num(*copy, Prop::Height)) {
            copy->move(num(*copy, Prop::Left), num(*copy, Prop::Top), width, height);
            sizes_.emplace_back(width, height);
            if (copy_resizer_) copy_resizer_->preview_resize();
        }
        const double left = num(*picShadowForm, Prop::Left), top = num(*picShadowForm, Prop::Top);
        const double shadow_w =
            design_width_ * client_twips(*copy, Prop::ScaleWidth, true) / client_width_;
        const double shadow_h =
            design_height_ * client_twips(*copy, Prop::ScaleHeight, false) / client_height_;
        picShadowForm->move(left, top, shadow_w, shadow_h);
        if (picShadowBorder)
            picShadowBorder->move(left - kBorderWidth, top, shadow_w + 2 * kBorderWidth,
                                  shadow_h + kBorderWidth);
    }
    place_shadows();
    if (on_layout_changed) on_layout_changed();
}

// A container's scale is read once for all it holds. Containers are placed before what they
// hold, so their shadows already have the size the scale is read from.
void ShadowPreview::place_shadows() {
    struct Scaled {
        const HostObject* shadow_container;
        ShadowScale scale;
    };
    std::unordered_map<const HostObject*, Scaled> scales;
    std::vector<char> due = shadows_due();
    for (size_t i = 0; i < followers_.size(); ++i) {
        Follower& f = followers_[i];
        if (!due.empty() && !due[i]) continue;
        const ObjectRef shadow_container = try_container(*f.shadow);
        if (!shadow_container) continue;
        auto [at, fresh] = scales.try_emplace(f.twin_container.get());
        if (fresh || at->second.shadow_container != shadow_container.get())
            at->second = {shadow_container.get(),
                          shadow_scale(*f.twin_container, *shadow_container)};
        f.placed = place_shadow(*f.twin, at->second.scale, *f.shadow);
        // What it holds stands in its shadow, whose size may have changed.
        if (!due.empty())
            if (const auto held = held_by_.find(f.twin.get()); held != held_by_.end())
                for (const size_t h : held->second) due[h] = 1;
    }
}

// The shadow form's scale stays as it is while the form is resized (it is the design size over
// the copy's design size), so the shadows of controls that did not move stay too. A container
// that changed takes what it holds with it.
std::vector<char> ShadowPreview::shadows_due() {
    const auto changed = copy_ ? copy_->changed() : std::nullopt;
    const ObjectRef copy = copy_ ? copy_->form() : nullptr;
    std::optional<ShadowScale> form_scale;
    if (copy && picShadowForm) form_scale = shadow_scale(*copy, *picShadowForm);
    const auto near = [](double a, double b) { return std::abs(a - b) <= 1e-12 * std::abs(b); };
    const bool same_scale = form_scale && form_scale_ && near(form_scale->fx, form_scale_->fx) &&
                            near(form_scale->fy, form_scale_->fy);
    form_scale_ = form_scale;
    if (!changed || !same_scale) return {};
    std::vector<char> due(followers_.size(), 0);
    for (const ObjectRef& object : *changed) {
        if (object == copy) continue;
        if (const auto f = follower_of_.find(object.get()); f != follower_of_.end())
            due[f->second] = 1;
        if (const auto held = held_by_.find(object.get()); held != held_by_.end())
            for (const size_t h : held->second) due[h] = 1;
    }
    return due;
}

std::pair<double, double> ShadowPreview::trial_form_size() const {
    if (!copy_) return {0, 0};
    const ObjectRef copy = copy_->form();
    return {num(*copy, Prop::Width), num(*copy, Prop::Height)};
}

std::vector<ShownControl> ShadowPreview::shown() const {
    std::vector<const Follower*> placed;
    for (const Follower& f : followers_)
        if (f.placed) placed.push_back(&f);
    std::sort(placed.begin(), placed.end(),
              [](const Follower* a, const Follower* b) { return a->order < b->order; });
    std::vector<ShownControl> out;
    for (const Follower* f : placed) out.push_back({f->key, *f->placed});
    return out;
}

std::optional<PaneStatus> ShadowPreview::pane_status_of(const std::string& shadow_name) const {
    const auto it = pane_status_.find(shadow_name);
    if (it == pane_status_.end()) return std::nullopt;
    return it->second;
}

void ShadowPreview::recolour(int view, const std::vector<ShadowEntry>& shadows,
                             const ShadowChoices& choices, bool add_all, HostObject& form) {
    if (view == kViewOriginal)
        picShadowForm->set(Prop::BackColor, form.get(Prop::BackColor));
    else
        set_colour(*picShadowForm, legend_colour(kLegendForm));
    for (const auto& entry : shadows) {
        if (!entry.shadow) continue;
        const auto stored = choices.find(entry.name);
        std::optional<int> pane_grid;
        if (const auto status = pane_status_of(entry.name)) pane_grid = status->choice.grid;
        const auto legend = legend_index_for_view(
            view, stored ? std::optional<int>(stored->grid) : std::nullopt, add_all, pane_grid);
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
    follow();
}

void ShadowPreview::drag_stop() {
    dragging_ = false;
    picSizeHandle->set(Prop::BackColor, handle_colour_);
}

void ShadowPreview::reset_size() {
    if (design_height_ == 0) return;
    picShadowForm->move(num(*picShadowForm, Prop::Left), num(*picShadowForm, Prop::Top),
                        design_width_, design_height_);
    follow();
    place_border_and_handle();
}

}  // namespace kv
