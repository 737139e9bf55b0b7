#include "host/memory/MemoryObject.h"

#include <algorithm>

#include "engine/Error.h"
#include "host/memory/ChangeJournal.h"
#include "host/memory/CommonNames.h"
#include "host/memory/MemoryControlCollection.h"
#include "host/memory/MemoryControlSite.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPropertyBag.h"

namespace kv::mem {

static_assert(static_cast<unsigned>(Prop::Count_) <= 64, "props_ holds one bit per property");

MemoryObject::MemoryObject(std::weak_ptr<MemoryHost> host, std::string class_name,
                           ClassTraits traits)
    : traits_(traits), host_(std::move(host)), class_name_(std::move(class_name)) {
    host_ptr_ = host_.lock().get();
    // A control soon holds its name, tab index, tag, colours, visibility and tip: room for them
    // at once, not grown one by one.
    known_.reserve(8);
    is_menu_ = class_name_ == "Menu";
    is_picture_box_ = class_name_ == "PictureBox";
    props_ = supported_props(traits_);
    // An MDI parent form has no scale of its own beyond its size.
    if (traits_.is_mdi_form)
        for (const Prop p : {Prop::ScaleMode, Prop::ScaleLeft, Prop::ScaleTop})
            props_ &= ~(uint64_t{1} << static_cast<unsigned>(p));
}

MemoryObject::~MemoryObject() {
    if (hwnd_ != 0)
        if (auto h = host_.lock()) h->windows().destroy(hwnd_);
}

bool MemoryObject::menu_shown() const {
    // A submenu's items show in their menu, not in the bar.
    for (const auto& [n, v] : extra_)
        if (iequal(n, "MenuParent")) return false;
    for (const auto& [p, v] : known_)
        if (p == Prop::Visible) return to_bool(v);
    return true;
}

void MemoryObject::set_index(std::optional<int> index) {
    if (index == index_) return;
    bool indexed = !index_key_.empty() && alive_ && form_ptr_;
    if (indexed) form_ptr_->unindex_control(this);
    index_ = index;
    if (indexed) form_ptr_->index_control(this);
}

void MemoryObject::no_such_property() {
    throw Error::standard(kErrNoSuchProperty);
}

void MemoryObject::not_a_form() {
    throw Error::standard(kErrObjectNotSet);
}

std::shared_ptr<MemoryHost> MemoryObject::host() const {
    auto h = host_.lock();
    if (!h) throw Error::standard(kErrObjectNotSet);
    return h;
}

std::string MemoryObject::name() const {
    for (const auto& [p, v] : known_)
        if (p == Prop::Name) return to_text(v);
    return {};
}

std::shared_ptr<MemoryForm> MemoryObject::form() const {
    if (!alive_) return nullptr;
    if (is_form())
        return std::static_pointer_cast<MemoryForm>(
            std::const_pointer_cast<MemoryObject>(as_form().shared_from_this()));
    return form_.lock();
}

std::vector<std::shared_ptr<MemoryObject>> MemoryObject::children() const {
    std::vector<std::shared_ptr<MemoryObject>> out;
    auto f = form();
    if (!f || !traits_.container) return out;
    for (const auto& c : f->all_controls())
        if (c->container_.lock().get() == this) out.push_back(c);
    return out;
}

ObjectRef MemoryObject::container() {
    if (is_form() || !traits_.has_container) no_such_property();
    // While alive, the container is alive too: no need to reach for the weak link.
    if (alive_ && container_ptr_) return container_ptr_->shared_from_this();
    auto c = container_.lock();
    if (!c) throw Error::standard(kErrObjectNotSet);
    return c;
}

bool MemoryObject::contained_in(const HostObject& candidate) {
    if (is_form() || !traits_.has_container) return false;
    if (alive_ && container_ptr_) return container_ptr_ == &candidate;
    return HostObject::contained_in(candidate);
}

ObjectRef MemoryObject::try_container() {
    if (is_form() || !traits_.has_container) return nullptr;
    if (alive_ && container_ptr_) return container_ptr_->shared_from_this();
    return container_.lock();
}

ObjectRef MemoryObject::parent() {
    if (is_form()) no_such_property();
    auto f = form_.lock();
    if (!f) throw Error::standard(kErrObjectNotSet);
    return f;
}

std::string MemoryObject::type_name() {
    return class_name_;
}

std::shared_ptr<ControlCollection> MemoryObject::controls() {
    if (!is_form()) no_such_property();
    return as_form().control_collection();
}

ObjectRef MemoryObject::active_form() {
    if (!traits_.is_mdi_form) no_such_property();
    auto& f = as_form();
    auto child = f.active_child_.lock();
    if (child && !child->alive()) return nullptr;
    return child;
}

void MemoryObject::zorder(int position) {
    if (traits_.geometry == GeometryKind::None || traits_.geometry == GeometryKind::PositionOnly)
        no_such_property();
    if (logs_writes()) log_write("ZOrder", {Value(static_cast<double>(position))});
}

void MemoryObject::refresh() {
    if (traits_.geometry == GeometryKind::None || traits_.geometry == GeometryKind::PositionOnly)
        no_such_property();
}

std::unique_ptr<EventConnection> MemoryObject::hook_events(EventSink& sink) {
    return events_.hook(sink);
}

Value MemoryObject::get_extra(std::string_view name) const {
    for (const auto& [n, v] : extra_)
        if (iequal(n, name)) return v;
    return {};
}

bool MemoryObject::has_extra(std::string_view name) const {
    return std::any_of(extra_.begin(), extra_.end(),
                       [&](const auto& e) { return iequal(e.first, name); });
}

void MemoryObject::set_extra(std::string_view name, const Value& v) {
    note_change(*this);
    // A container's border look moves what it holds.
    if (traits_.container && form_ptr_ && iequal(name, "Appearance"))
        ChangeJournal::note_everything(*form_ptr_);
    for (auto& [n, old] : extra_)
        if (iequal(n, name)) {
            old = v;
            return;
        }
    // A menu that becomes a submenu's item no longer counts for the form's menu bar.
    const bool menu = is_menu_ && alive_ && form_ptr_ && iequal(name, "MenuParent");
    const bool was_shown = menu && menu_shown();
    extra_.emplace_back(std::string(name), v);
    if (was_shown) --form_ptr_->visible_menus_;
}

bool MemoryObject::logs_writes() const {
    return !(alive_ && host_ptr_ && !host_ptr_->write_log_enabled());
}

void MemoryObject::log_write(std::string_view what, const WriteArgs& args) {
    if (!logs_writes()) return;
    // Dropping the older half at the limit keeps the cost per write constant.
    if (write_log_.size() >= kWriteLogLimit)
        write_log_.erase(write_log_.begin(),
                         write_log_.begin() + static_cast<std::ptrdiff_t>(kWriteLogLimit / 2));
    write_log_.push_back({std::string(what), args});
}

std::shared_ptr<MemoryPropertyBag> MemoryObject::write_properties() {
    if (!user_control_) no_such_property();
    auto bag = std::make_shared<MemoryPropertyBag>();
    user_control_->UserControl_WriteProperties(*bag);
    return bag;
}

void MemoryObject::mark_dead() {
    if (!alive_) return;
    if (form_ptr_ && !is_form()) form_ptr_->forget_control(this);
    alive_ = false;
    if (user_control_) {
        auto uc = user_control_;  // the control may drop its own references while terminating
        uc->UserControl_Terminate();
    }
    events_.clear();
    if (hwnd_ != 0) {
        if (auto h = host_.lock()) h->windows().destroy(hwnd_);
        hwnd_ = 0;
    }
}

void MemoryObject::release_user_control() {
    // The site outlives the control: the control may still reach it while it goes.
    auto uc = std::move(user_control_);
    uc.reset();
}

}  // namespace kv::mem
