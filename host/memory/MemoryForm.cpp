// A form: its controls, its client area and the layout of aligned bars.
#include "host/memory/MemoryForm.h"

#include <algorithm>
#include <cmath>

#include "engine/Error.h"
#include "host/common/FormFrame.h"
#include "host/memory/ChangeJournal.h"
#include "host/memory/CommonNames.h"
#include "host/memory/MemoryControlCollection.h"
#include "host/memory/MemoryControlSite.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPropertyBag.h"

namespace kv::mem {

namespace {
Error no_mdi_form() {
    return Error(366, "No MDI form available to load");
}
}  // namespace

MemoryForm::MemoryForm(std::weak_ptr<MemoryHost> host, std::string name, FormKind kind)
    : MemoryObject(std::move(host), kind == FormKind::MDIForm ? "MDIForm" : "Form",
                   traits_for(kind == FormKind::MDIForm ? "MDIForm" : "Form")),
      kind_(kind) {
    form_self_ = this;
    set_known(Prop::Name, name);
    set_known(Prop::Caption, name);
    rect_ = {0, 0, 4800, 3600};
    normal_rect_ = rect_;
}

MemoryForm::~MemoryForm() {
    ChangeJournal::forget(*this);
    // Only reached when the form was never destroyed (the host ends open forms first): controls
    // that outlive it must not follow their raw links back here.
    for (const auto& c : controls_) c->alive_ = false;
}

int MemoryForm::border_style_as_set() const {
    for (const auto& [p, v] : known_)
        if (p == Prop::BorderStyle) return static_cast<int>(to_double(v));
    return 2;
}

std::pair<double, double> MemoryForm::client_offset_twips() const {
    auto m = frame_metrics(border_style());
    int menu = has_menu_bar() ? kMenuBarPixels : 0;
    return {m.border_px * host()->twips_per_pixel_x(),
            (m.border_px + m.caption_px + menu) * host()->twips_per_pixel_y()};
}

void MemoryForm::set_client_size_raw(double w, double h) {
    auto m = frame_metrics(border_style());
    int menu = has_menu_bar() ? kMenuBarPixels : 0;
    rect_.width = w + 2.0 * m.border_px * host()->twips_per_pixel_x();
    rect_.height = h + (2.0 * m.border_px + m.caption_px + menu) * host()->twips_per_pixel_y();
    if (window_state_ == 0) normal_rect_ = rect_;
}

void MemoryForm::set_client_size(double w, double h) {
    auto m = frame_metrics(border_style());
    int menu = has_menu_bar() ? kMenuBarPixels : 0;
    RectTwips r = rect_;
    r.width = w + 2.0 * m.border_px * host()->twips_per_pixel_x();
    r.height = h + (2.0 * m.border_px + m.caption_px + menu) * host()->twips_per_pixel_y();
    apply_rect(r);
}

void MemoryForm::make_mdi_child(bool on) {
    if (traits_.is_mdi_form) return;
    if (!on) {
        kind_ = FormKind::Form;
        mdi_parent_.reset();
        return;
    }
    auto parent = host()->mdi_form();
    if (!parent) throw no_mdi_form();
    kind_ = FormKind::MDIChild;
    mdi_parent_ = parent;
}

std::vector<std::shared_ptr<MemoryForm>> MemoryForm::mdi_children() const {
    std::vector<std::shared_ptr<MemoryForm>> out;
    if (!traits_.is_mdi_form) return out;
    // While the form is alive its host is too (also while the host ends its forms).
    const MemoryHost* h = alive_ && host_ptr_ ? host_ptr_ : host().get();
    for (const auto& f : h->forms())
        if (f->kind_ == FormKind::MDIChild && f->mdi_parent_.lock().get() == this) out.push_back(f);
    return out;
}

void MemoryForm::set_active_form(const std::shared_ptr<MemoryForm>& child) {
    if (!traits_.is_mdi_form) throw Error::standard(kErrNoSuchProperty);
    active_child_ = child;
}

// --- controls ---

std::shared_ptr<MemoryObject> MemoryForm::make_control(
    std::string class_name, std::string name, const std::shared_ptr<MemoryObject>& container,
    std::optional<int> index, bool aligns, bool name_checked) {
    if (!alive_) throw Error::standard(kErrObjectNotSet);
    std::shared_ptr<MemoryObject> holder =
        container ? container : std::static_pointer_cast<MemoryObject>(shared_from_this());
    if (!holder->alive() || !holder->traits().container ||
        (holder.get() != this && holder->form().get() != this))
        throw Error::standard(kErrInvalidCall);
    if (name.empty()) throw Error(380, "Invalid property value");
    if (auto it = name_checked ? names_.end() : names_.find(fold(name));
        it != names_.end() && !it->second.members.empty()) {
        if (!index || it->second.plain > 0)
            throw Error(727, "There is already a control with the name '" + name + "'");
        if (it->second.by_index.count(*index)) throw Error(360, "Object already loaded");
    }
    auto h = host();
    ForeignClass shape = h->foreign_class(class_name);
    shape.aligns = shape.aligns || aligns;
    const ClassTraits traits = traits_for(class_name, shape);
    // A form is never a control: the runtime has no such class to place on a form.
    if (traits.is_form)
        throw Error(711, "Invalid class string. A form cannot be placed on a form: " + class_name);
    auto obj = std::allocate_shared<MemoryObject>(PoolAllocator<MemoryObject>(pool_), host_,
                                                  class_name, traits);
    obj->form_ = std::static_pointer_cast<MemoryForm>(shared_from_this());
    obj->container_ = holder;
    obj->form_ptr_ = this;
    obj->container_ptr_ = holder.get();
    obj->seq_ = next_seq_++;
    obj->index_ = index;
    obj->set_known(Prop::Name, name);
    if (obj->traits().caption && class_name != "TextBox") obj->set_known(Prop::Caption, name);
    if (obj->traits().tab_index) obj->set_known(Prop::TabIndex, static_cast<double>(tab_count_++));
    obj->snap_height(obj->rect_);
    if (obj->traits().windowed) obj->hwnd_ = h->windows().create(obj, h->current_process_id());
    controls_.push_back(obj);
    holder->held_.push_back(obj.get());
    ChangeJournal::note_everything(*this);
    index_control(obj.get());
    if (obj->is_menu_) ++visible_menus_;  // a new menu is visible
    return obj;
}

std::shared_ptr<MemoryObject> MemoryForm::add_control(
    std::string class_name, std::string name, const std::shared_ptr<MemoryObject>& container,
    std::optional<int> index) {
    return make_control(std::move(class_name), std::move(name), container, index, false);
}

std::shared_ptr<MemoryObject> MemoryForm::add_user_control(
    const std::string& class_id, std::string name, const std::shared_ptr<MemoryObject>& container,
    MemoryPropertyBag* bag, std::optional<int> index) {
    auto h = host();
    auto uc = h->make_user_control(class_id);
    if (!uc) throw Error(711, "Invalid class string. Looking for object with ProgID: " + class_id);
    auto dot = class_id.rfind('.');
    std::string cls = dot == std::string::npos ? class_id : class_id.substr(dot + 1);
    auto ext = make_control(cls, std::move(name), container, index, false);
    ext->site_ = std::make_unique<MemoryControlSite>(ext);
    ext->user_control_ = uc;
    uc->UserControl_Initialize(*ext->site_);
    if (bag)
        uc->UserControl_ReadProperties(*bag);
    else
        uc->UserControl_InitProperties();
    // Sited: the runtime tells the control its size, as it does after every load.
    if (ext->alive() && ext->user_control_ == uc) uc->UserControl_Resize();
    return ext;
}

void MemoryForm::remove_control(const std::shared_ptr<MemoryObject>& control) {
    if (!control || control->form().get() != this) throw Error::standard(kErrInvalidCall);
    const auto by_creation = [](const MemoryObject* a, const MemoryObject* b) {
        return a->seq_ < b->seq_;
    };
    // The control and everything inside it, outermost first: in creation order, as a container
    // is made before what it holds.
    std::vector<MemoryObject*> tree{control.get()};
    for (size_t i = 0; i < tree.size(); ++i)
        tree.insert(tree.end(), tree[i]->held_.begin(), tree[i]->held_.end());
    std::sort(tree.begin(), tree.end(), by_creation);
    std::vector<std::shared_ptr<MemoryObject>> doomed;
    doomed.reserve(tree.size());
    for (MemoryObject* c : tree) doomed.push_back(c->shared_from_this());
    for (const auto& c : doomed) c->mark_dead();
    if (MemoryObject* holder = control->container_ptr_) std::erase(holder->held_, control.get());
    for (MemoryObject* c : tree) c->held_.clear();
    // The form's controls are in creation order too: from the first of the doomed on, the others
    // close up behind.
    auto kept = std::lower_bound(
        controls_.begin(), controls_.end(), tree.front()->seq_,
        [](const std::shared_ptr<MemoryObject>& c, uint64_t seq) { return c->seq_ < seq; });
    size_t next = 0;
    for (auto it = kept; it != controls_.end(); ++it) {
        if (next < tree.size() && it->get() == tree[next]) {
            ++next;
            continue;
        }
        if (kept != it) *kept = std::move(*it);
        ++kept;
    }
    controls_.erase(kept, controls_.end());
    layout_aligned();
}

std::shared_ptr<MemoryObject> MemoryForm::control(std::string_view name,
                                                  std::optional<int> index) const {
    auto it = names_.find(fold(name));
    if (it == names_.end() || it->second.members.empty()) return nullptr;
    const NameSlot& slot = it->second;
    MemoryObject* found = slot.members.front();
    if (index) {
        auto e = slot.by_index.find(*index);
        if (e == slot.by_index.end()) return nullptr;
        found = e->second;
    }
    return std::static_pointer_cast<MemoryObject>(found->shared_from_this());
}

void MemoryForm::index_control(MemoryObject* c) {
    c->index_key_ = fold(c->name());
    NameSlot& slot = names_[c->index_key_];
    // Creation order, also for a control renamed or re-indexed after others took the name.
    auto pos = std::upper_bound(
        slot.members.begin(), slot.members.end(), c,
        [](const MemoryObject* a, const MemoryObject* b) { return a->seq_ < b->seq_; });
    slot.members.insert(pos, c);
    if (c->index_)
        slot.by_index.emplace(*c->index_, c);  // the first element keeps a repeated index
    else
        ++slot.plain;
}

void MemoryForm::unindex_control(MemoryObject* c) {
    if (c->index_key_.empty()) return;
    auto it = names_.find(c->index_key_);
    c->index_key_.clear();
    if (it == names_.end()) return;
    NameSlot& slot = it->second;
    std::erase(slot.members, c);
    if (c->index_) {
        auto e = slot.by_index.find(*c->index_);
        if (e != slot.by_index.end() && e->second == c) {
            slot.by_index.erase(e);
            // Another element with the same index (set by a loader) takes its place.
            for (MemoryObject* m : slot.members)
                if (m->index_ == c->index_) {
                    slot.by_index.emplace(*m->index_, m);
                    break;
                }
        }
    } else if (slot.plain > 0) {
        --slot.plain;
    }
    if (slot.members.empty()) names_.erase(it);
}

void MemoryForm::forget_control(MemoryObject* c) {
    ChangeJournal::note_everything(*this);  // no journal holds a control that went
    if (tearing_down_) return;              // destroy() drops the whole index at once
    unindex_control(c);
    if (c->is_menu_ && c->menu_shown()) --visible_menus_;
    if (c->traits().align) {
        std::erase(bars_, c);
        std::erase(aligning_, c);
    }
    if (c->traits().tab_index) --tab_count_;
}

void MemoryForm::align_set(MemoryObject* c) {
    const auto by_creation = [](const MemoryObject* a, const MemoryObject* b) {
        return a->seq_ < b->seq_;
    };
    const auto join = [&](std::vector<MemoryObject*>& list) {
        const auto at = std::lower_bound(list.begin(), list.end(), c, by_creation);
        if (at == list.end() || *at != c) list.insert(at, c);
    };
    join(aligning_);
    if (c->container_ptr_ == this) join(bars_);
}

std::shared_ptr<MemoryControlCollection> MemoryForm::control_collection() {
    if (!collection_)
        collection_ = std::make_shared<MemoryControlCollection>(
            std::static_pointer_cast<MemoryForm>(shared_from_this()));
    return collection_;
}

// --- aligned bars ---

namespace {
// The bars list holds only controls whose Align was ever set.
int align_of(const MemoryObject& c, const std::vector<std::pair<Prop, Value>>& known) {
    if (!c.traits().align) return 0;
    int align = 0;
    bool visible = true;
    for (const auto& [p, v] : known) {
        if (p == Prop::Align) align = static_cast<int>(to_double(v));
        if (p == Prop::Visible) visible = to_bool(v);
    }
    return visible ? align : 0;
}
}  // namespace

RectTwips MemoryForm::free_client_area() const {
    double cw = client_width_twips(), ch = client_height_twips();
    double top = 0, bottom = 0, left = 0, right = 0;
    for (const MemoryObject* c : bars_) {
        switch (align_of(*c, c->known_)) {
            case 1:
                top += c->rect_.height;
                break;
            case 2:
                bottom += c->rect_.height;
                break;
            case 3:
                left += c->rect_.width;
                break;
            case 4:
                right += c->rect_.width;
                break;
            default:
                break;
        }
    }
    return {left, top, std::max(0.0, cw - left - right), std::max(0.0, ch - top - bottom)};
}

void MemoryForm::layout_aligned() {
    // Top and bottom bars take the full client width, stacked from their edge in creation
    // order; left and right bars take the height left between them, stacked from their edge.
    if (in_layout_ || !alive_) return;
    in_layout_ = true;
    double cw = client_width_twips(), ch = client_height_twips();
    double top = 0, bottom = 0, left = 0, right = 0;
    std::vector<std::pair<std::shared_ptr<MemoryObject>, int>> bars;
    for (MemoryObject* c : bars_)
        if (int a = align_of(*c, c->known_))
            bars.emplace_back(std::static_pointer_cast<MemoryObject>(c->shared_from_this()), a);
    for (const auto& [c, a] : bars) {
        if (a > 2) continue;
        RectTwips r = c->rect_;
        r.left = 0;
        r.width = cw;
        if (a == 1) {
            r.top = top;
            top += r.height;
        } else {
            bottom += r.height;
            r.top = ch - bottom;
        }
        c->apply_rect(r, true);
    }
    double middle = std::max(0.0, ch - top - bottom);
    for (const auto& [c, a] : bars) {
        if (a <= 2) continue;
        RectTwips r = c->rect_;
        r.top = top;
        r.height = middle;
        if (a == 3) {
            r.left = left;
            left += r.width;
        } else {
            right += r.width;
            r.left = cw - right;
        }
        c->apply_rect(r, true);
    }
    in_layout_ = false;
}

// --- size changes ---

void MemoryForm::apply_rect(RectTwips r, bool by_host_layout) {
    if (window_state_ != 0 && !by_host_layout)
        throw Error(384, "A form can't be moved or sized while minimized or maximized");
    if (r.width < 0 || r.height < 0) throw Error(380, "Invalid property value");
    bool resized = r.width != rect_.width || r.height != rect_.height;
    rect_ = r;
    if (window_state_ == 0) normal_rect_ = r;
    if (resized) on_size_changed();
}

void MemoryForm::on_size_changed() {
    layout_aligned();
    if (traits_.is_mdi_form)
        for (const auto& child : mdi_children())
            if (child->window_state_ == 2) {
                // A maximised child fills the client area, whatever its size now.
                RectTwips r = child->maximized_rect();
                bool resized = r.width != child->rect_.width || r.height != child->rect_.height;
                child->rect_ = r;
                if (resized) child->on_size_changed();
            }
    if (loaded_) raise_resize();
}

void MemoryForm::raise_resize() {
    ++resize_count_;
    events_.raise([](EventSink& s) { s.on_resize(); });
}

}  // namespace kv::mem
