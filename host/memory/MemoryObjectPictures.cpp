// The pictures of an object, as the form file gave them.
#include "host/common/TextFold.h"
#include "host/memory/MemoryObject.h"

namespace kv::mem {

void MemoryObject::set_picture(std::string_view name,
                               std::shared_ptr<const host::Picture> picture) {
    for (auto& [n, p] : pictures_) {
        if (host::iequal(n, name)) {
            p = std::move(picture);
            return;
        }
    }
    if (picture) pictures_.emplace_back(std::string(name), std::move(picture));
}

std::shared_ptr<const host::Picture> MemoryObject::picture(std::string_view name) const {
    for (const auto& [n, p] : pictures_)
        if (host::iequal(n, name)) return p;
    return nullptr;
}

}  // namespace kv::mem
