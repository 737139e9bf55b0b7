#include "host/memory/ButtonPictures.h"

#include "host/common/NamedValues.h"
#include "host/common/TextFold.h"
#include "host/memory/MemoryForm.h"

namespace kv::mem {

namespace {

constexpr double kSilver = 0xC0C0C0;  // an image list's MaskColor unless it says another

std::shared_ptr<MemoryObject> image_list_of(MemoryObject& toolbar, const std::string& name) {
    const auto form = toolbar.form();
    if (!form || name.empty()) return nullptr;
    for (const auto& c : form->all_controls())
        if (c.get() != &toolbar && host::iequal(c->name(), name)) return c;
    return nullptr;
}

// The list's picture for a key: keys are found without regard to case, as a collection's are.
int index_of_key(MemoryObject& list, const std::string& key) {
    if (key.empty()) return 0;
    const int count =
        host::whole(host::named_number(list, "ListImages.Count").value_or(0), 0, 65535);
    for (int i = 1; i <= count; ++i)
        if (host::iequal(
                host::named_text(list, "ListImages(" + std::to_string(i) + ").Key").value_or(""),
                key))
            return i;
    return 0;
}

}  // namespace

void find_button_pictures(MemoryObject& toolbar, host::ToolBarLook& look) {
    // A button's picture of its own (a toolbar read back from a Qt Designer form has no list).
    look.pictures.assign(look.buttons.size(), nullptr);
    for (size_t i = 0; i < look.buttons.size(); ++i)
        look.pictures[i] = toolbar.picture("Buttons(" + std::to_string(i + 1) + ")");
    const auto list = image_list_of(toolbar, look.image_list);
    if (!list) return;
    look.image_width = host::whole(host::named_number(*list, "ImageWidth").value_or(16), 1, 256);
    look.image_height = host::whole(host::named_number(*list, "ImageHeight").value_or(16), 1, 256);
    if (host::named_number(*list, "UseMaskColor").value_or(1) != 0)
        look.mask_colour = host::named_number(*list, "MaskColor").value_or(kSilver);
    for (size_t i = 0; i < look.buttons.size(); ++i) {
        const host::ToolButton& b = look.buttons[i];
        const int at = b.image_index > 0 ? b.image_index : index_of_key(*list, b.image_key);
        if (at > 0)
            if (auto pic = list->picture("ListImages(" + std::to_string(at) + ")"))
                look.pictures[i] = std::move(pic);
    }
}

}  // namespace kv::mem
