#include "host/ui/UiLoader.h"

#include "host/ui/UiBuilder.h"

namespace kv::ui {

UiLoadedForm UiLoader::load(const UiDocument& doc, mem::MemoryHost& host) {
    return UiBuilder(doc, host).build();
}

}  // namespace kv::ui
