#include "host/memory/MemoryControlCollection.h"

#include <array>

#include "engine/Error.h"
#include "host/memory/ChangeJournal.h"
#include "host/memory/CommonNames.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"

namespace kv::mem {

namespace {
// The runtime's own control classes that Controls.Add accepts as "VB.<class>".
constexpr std::array<std::string_view, 17> kIntrinsic = {
    "PictureBox", "Line",       "TextBox",    "Label",      "ListBox",       "ComboBox",
    "CheckBox",   "Frame",      "Image",      "Shape",      "CommandButton", "OptionButton",
    "Timer",      "HScrollBar", "VScrollBar", "DirListBox", "FileListBox"};
}  // namespace

std::shared_ptr<MemoryForm> MemoryControlCollection::form() {
    auto f = form_.lock();
    if (!f || f->closed()) throw Error::standard(kErrObjectNotSet);
    return f;
}

const MemoryForm& MemoryControlCollection::open_form() const {
    if (form_.expired() || form_ptr_->closed()) throw Error::standard(kErrObjectNotSet);
    return *form_ptr_;
}

size_t MemoryControlCollection::count() {
    return open_form().all_controls().size();
}

ObjectRef MemoryControlCollection::item(size_t i) {
    const auto& controls = open_form().all_controls();
    if (i >= controls.size()) throw Error::standard(kErrSubscript);
    return controls[i];
}

std::vector<ObjectRef> MemoryControlCollection::having(Prop p) {
    if (p != Prop::Align) return ControlCollection::having(p);
    // Only controls whose Align was ever set are listed; those set back to 0 are left out.
    std::vector<ObjectRef> found;
    for (MemoryObject* c : open_form().aligning_controls()) {
        const Value align = c->get_known(Prop::Align);
        if (!std::holds_alternative<double>(align) || std::get<double>(align) != 0)
            found.push_back(c->shared_from_this());
    }
    return found;
}

ObjectRef MemoryControlCollection::find(std::string_view name) {
    auto c = form()->control(name);
    if (!c) throw Error::standard(kErrControlNotFound);
    return c;
}

ObjectRef MemoryControlCollection::try_find(std::string_view name) {
    const auto f = form_.lock();
    if (!f || f->closed()) return nullptr;
    return f->control(name);
}

ObjectRef MemoryControlCollection::find(std::string_view name, int index) {
    auto f = form();
    auto first = f->control(name);
    if (!first) throw Error::standard(kErrControlNotFound);
    if (!first->index()) throw Error::standard(kErrNotAnArray);
    auto c = f->control(name, index);
    if (!c) throw Error::standard(kErrControlArrayElement);
    return c;
}

ObjectRef MemoryControlCollection::add(std::string_view class_id, std::string_view name,
                                       const ObjectRef& container) {
    return add_control_of(class_id, name, container, std::nullopt);
}

ObjectRef MemoryControlCollection::add_array(std::string_view class_id, std::string_view name,
                                             int index, const ObjectRef& container) {
    if (form()->control(name)) throw Error(360, "Object already loaded");
    return add_control_of(class_id, name, container, index);
}

ObjectRef MemoryControlCollection::add_control_of(std::string_view class_id, std::string_view name,
                                                  const ObjectRef& container,
                                                  std::optional<int> index) {
    auto f = form();
    auto holder = std::dynamic_pointer_cast<MemoryObject>(container);
    if (container && !holder) throw Error::standard(kErrInvalidCall);
    std::shared_ptr<MemoryObject> c;
    if (class_id.size() > 3 && iequal(class_id.substr(0, 3), "VB.")) {
        std::string_view cls = class_id.substr(3);
        for (std::string_view known : kIntrinsic)
            if (iequal(known, cls)) {
                c = f->add_control(std::string(known), std::string(name), holder, index);
                break;
            }
    } else if (f->host()->has_user_control(class_id)) {
        c = f->add_user_control(std::string(class_id), std::string(name), holder, nullptr, index);
    }
    if (!c)
        throw Error(
            711, "Invalid class string. Looking for object with ProgID: " + std::string(class_id));
    // Controls added at run time start invisible, as the runtime makes them (a raw write: no
    // event, no layout).
    if (supports(c->traits(), Prop::Visible)) {
        note_change(*c);
        c->set_raw_known(Prop::Visible, Value(false));
    }
    return c;
}

void MemoryControlCollection::remove(std::string_view name) {
    auto f = form();
    auto c = f->control(name);
    if (!c) throw Error::standard(kErrControlNotFound);
    f->remove_control(c);
}

}  // namespace kv::mem

namespace kv::mem {

ObjectRef MemoryControlCollection::load(std::string_view name, int index) {
    auto f = form();
    auto first = f->control(name);
    if (!first) throw Error::standard(kErrControlNotFound);
    if (!first->index()) throw Error::standard(kErrNotAnArray);
    // The lowest element is the pattern, not the first made.
    for (const auto& c : f->all_controls())
        if (c->index() && iequal(c->name(), first->name()) && *c->index() < *first->index())
            first = c;
    auto c = f->add_control(first->class_name(), first->name(), first->container_object(), index);
    for (const auto& [p, v] : first->known_)
        if (p != Prop::Name && p != Prop::TabIndex && p != Prop::Index) c->set_known(p, v);
    for (const auto& [n, v] : first->extra_)
        if (!iequal(n, "Value") || c->class_name() != "OptionButton") c->set_extra(n, v);
    c->rect_ = first->rect_;
    c->set_known(Prop::Visible, false);
    return c;
}

}  // namespace kv::mem
