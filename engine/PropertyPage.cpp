#include "engine/PropertyPage.h"

#include <utility>

namespace kv {

namespace {
std::vector<std::pair<std::string, PropertyPageFactory>>& page_classes() {
    static std::vector<std::pair<std::string, PropertyPageFactory>> classes;
    return classes;
}
}  // namespace

void register_property_page(std::string class_id, PropertyPageFactory factory) {
    for (auto& [id, f] : page_classes())
        if (id == class_id) {
            f = std::move(factory);
            return;
        }
    page_classes().emplace_back(std::move(class_id), std::move(factory));
}

std::shared_ptr<PropertyPage> make_property_page(std::string_view class_id) {
    for (const auto& [id, f] : page_classes())
        if (id == class_id) return f();
    return nullptr;
}

}  // namespace kv
