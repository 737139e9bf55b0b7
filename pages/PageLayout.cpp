#include "pages/PageLayout.h"

#include "engine/Error.h"

namespace kv {

namespace {
std::string key_of(const std::string& name, int index) {
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}
}  // namespace

void PageControls::make(const ObjectRef& page, const std::vector<PageControlSpec>& table) {
    collection_ = page->controls();
    int tab_index = 0;
    for (const auto& spec : table) {
        const ObjectRef container = spec.container ? (*this)(spec.container) : nullptr;
        ObjectRef c;
        if (spec.index < 0) {
            c = collection_->add(spec.cls, spec.name, container);
        } else if (spec.index == 0) {
            c = collection_->add_array(spec.cls, spec.name, 0, container);
        } else {
            c = collection_->load(spec.name, spec.index);
        }
        c->move(spec.left, spec.top, spec.width, spec.height);
        if (spec.caption) c->set(Prop::Caption, Value(std::string(spec.caption)));
        if (spec.tooltip) c->set(Prop::ToolTipText, Value(std::string(spec.tooltip)));
        c->set(Prop::Visible, Value(true));
        if (c->try_get(Prop::TabIndex)) c->set(Prop::TabIndex, Value(double(tab_index++)));
        by_key_[key_of(spec.name, spec.index)] = c;
    }
}

const ObjectRef& PageControls::operator()(const std::string& key) const {
    const auto it = by_key_.find(key);
    if (it == by_key_.end()) throw Error::standard(kErrControlNotFound);
    return it->second;
}

const ObjectRef& PageControls::operator()(const std::string& name, int index) const {
    const std::string key = key_of(name, index);
    if (!by_key_.count(key) && collection_)  // an element loaded since the page was made
        by_key_[key] = collection_->find(name, index);
    return (*this)(key);
}

}  // namespace kv
