#pragma once
// A toolbar's button pictures, from the image list on the same form that its ImageList property
// names: each button's Image an index from 1 into the list's ListImages, or one's Key; with the
// list's image size and (where UseMaskColor is on) its MaskColor. A button without one there shows
// the toolbar's own picture Buttons(n), if it has one.
#include "host/common/ToolBarLook.h"
#include "host/memory/MemoryObject.h"

namespace kv::mem {

void find_button_pictures(MemoryObject& toolbar, host::ToolBarLook& look);

}  // namespace kv::mem
