// Copies of designer forms for the preview: the same controls, properties and geometry, user
// controls made anew from what they would persist, on a form that is never shown.
#include "host/memory/MemoryFormCopy.h"

#include <algorithm>
#include <unordered_map>

#include "engine/Error.h"
#include "host/memory/ChangeJournal.h"
#include "host/memory/MemoryHost.h"

namespace kv::mem {

MemoryFormCopy::MemoryFormCopy(std::shared_ptr<MemoryForm> form) : form_(std::move(form)) {
    ChangeJournal::keep(*form_, this);
}

MemoryFormCopy::~MemoryFormCopy() {
    ChangeJournal::stop(*form_, this);
    try {
        form_->destroy(true);
    } catch (const Error&) {
        // Terminate code that fails cannot keep a preview's copy alive.
    }
}

std::optional<std::vector<ObjectRef>> MemoryFormCopy::changed() {
    auto changes = ChangeJournal::take(*form_, this);
    if (changes.everything) return std::nullopt;
    return std::vector<ObjectRef>(std::make_move_iterator(changes.objects.begin()),
                                  std::make_move_iterator(changes.objects.end()));
}

std::shared_ptr<UserControl> MemoryFormCopy::user_control(const ObjectRef& extender) {
    const auto object = std::dynamic_pointer_cast<MemoryObject>(extender);
    return object ? object->user_control() : nullptr;
}

ObjectRef MemoryFormCopy::twin(const HostObject& original) {
    const auto it = twins_.find(&original);
    return it == twins_.end() ? nullptr : it->second;
}

// What an object holds as its own state, apart from its place in the form: geometry, scale,
// and every property set so far.
void MemoryHost::copy_object_state(const MemoryObject& from, MemoryObject& to) {
    to.rect_ = from.rect_;
    to.x1_ = from.x1_;
    to.y1_ = from.y1_;
    to.x2_ = from.x2_;
    to.y2_ = from.y2_;
    to.scale_mode_ = from.scale_mode_;
    to.scale_left_ = from.scale_left_;
    to.scale_top_ = from.scale_top_;
    to.user_tpu_x_ = from.user_tpu_x_;
    to.user_tpu_y_ = from.user_tpu_y_;
    to.raw_scale_width_ = from.raw_scale_width_;
    to.raw_scale_height_ = from.raw_scale_height_;
    to.known_ = from.known_;
    to.known_props_ = from.known_props_;
    to.border_style_number_ = from.border_style_number_;
    to.extra_ = from.extra_;
    // An Align set on the original puts the copy on its form's lists of aligned controls.
    if (!to.is_form() && to.form_ptr_ && to.traits_.align &&
        ((to.known_props_ >> static_cast<unsigned>(Prop::Align)) & 1u))
        to.form_ptr_->align_set(&to);
}

std::string MemoryHost::user_control_class_id(const std::string& class_name) const {
    for (const auto& [id, factory] : user_controls_) {
        const auto dot = id.rfind('.');
        if (iequal(dot == std::string::npos ? id : id.substr(dot + 1), class_name)) return id;
    }
    return {};
}

std::unique_ptr<FormCopy> MemoryHost::copy_form(const ObjectRef& form) {
    const auto original = std::dynamic_pointer_cast<MemoryForm>(form);
    if (!original || !original->alive()) throw Error::standard(kErrInvalidCall);
    auto copy = std::make_shared<MemoryForm>(weak_from_this(), original->name(), original->kind_);
    copy->mdi_parent_ = original->mdi_parent_;
    copy->hwnd_ = windows_.create(copy, pid_);
    copy_object_state(*original, *copy);
    copy->window_state_ = original->window_state_;
    copy->normal_rect_ = original->normal_rect_;
    copy->initial_window_state_ = original->initial_window_state_;
    auto result = std::make_unique<MemoryFormCopy>(copy);  // from here on the copy is cleaned up

    // Room for every control at once: a form of thousands would rehash its tables again and
    // again while it grows.
    copy->controls_.reserve(original->controls_.size());
    copy->names_.reserve(original->names_.size());
    auto& twins = result->twins_;
    twins.reserve(original->controls_.size() + 1);
    twins.emplace(original.get(), copy);
    for (const auto& c : original->controls_) {
        const auto holder = twins.find(c->container_ptr_);
        if (!c->alive() || holder == twins.end()) continue;
        std::shared_ptr<MemoryObject> twin;
        if (c->user_control_) {
            // Made again from what it would persist, as a saved and loaded form makes it.
            const std::string id = user_control_class_id(c->class_name_);
            if (!id.empty()) {
                const auto bag = c->write_properties();
                twin = copy->add_user_control(id, c->name(), holder->second, bag.get(), c->index_);
            }
        }
        if (!twin)
            // The original's names are the copy's: no name needs checking again.
            twin = copy->make_control(c->class_name_, c->name(), holder->second, c->index_,
                                      c->traits_.align, true);
        copy_object_state(*c, *twin);
        twins.emplace(c.get(), std::move(twin));
    }
    copy->visible_menus_ = original->visible_menus_;
    std::erase_if(copies_, [](const auto& w) { return w.expired(); });
    copies_.push_back(copy);
    return result;
}

size_t MemoryHost::live_copies() const {
    return static_cast<size_t>(
        std::count_if(copies_.begin(), copies_.end(), [](const auto& w) { return !w.expired(); }));
}

}  // namespace kv::mem
