#include "host/memory/MemoryControlSite.h"

#include "engine/Error.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"

namespace kv::mem {

MemoryControlSite::MemoryControlSite(std::weak_ptr<MemoryObject> extender)
    : extender_(std::move(extender)) {}

ObjectRef MemoryControlSite::extender() {
    auto e = extender_.lock();
    if (!e) throw Error::standard(kErrObjectNotSet);
    return e;
}

bool MemoryControlSite::user_mode() {
    auto e = extender_.lock();
    return e ? e->host()->user_mode() : true;
}

void MemoryControlSite::property_changed(std::string_view name) {
    changed_.emplace_back(name);
}

void MemoryControlSite::set_size(double width, double height) {
    auto e = extender_.lock();
    if (!e) throw Error::standard(kErrObjectNotSet);
    RectTwips r = e->rect_twips();
    r.width = width;
    r.height = height;
    e->set_rect_twips(r);
}

void MemoryControlSite::unload_control(const ObjectRef& control) {
    auto target = std::dynamic_pointer_cast<MemoryObject>(control);
    if (!target || target->is_form()) throw Error::standard(kErrInvalidCall);
    auto form = target->form();
    if (!form) throw Error::standard(kErrObjectNotSet);
    form->remove_control(target);
}

}  // namespace kv::mem
