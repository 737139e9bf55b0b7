#include "engine/Host.h"

#include "engine/Error.h"

namespace kv {

namespace {
std::shared_ptr<Host>& current_slot() {
    static std::shared_ptr<Host> host;
    return host;
}
}  // namespace

Host& Host::current() {
    auto& h = current_slot();
    if (!h) throw Error::standard(kErrObjectNotSet);
    return *h;
}

void Host::set_current(std::shared_ptr<Host> host) {
    current_slot() = std::move(host);
}

bool Host::has_current() {
    return current_slot() != nullptr;
}

void Host::error_not_shown(const std::string&, int32_t, const std::string&) {}

PageHost& Host::page_host() {
    throw Error::standard(kErrNoSuchProperty);
}

std::unique_ptr<FormCopy> PageHost::copy_form(const ObjectRef&) {
    throw Error::standard(kErrNoSuchProperty);
}

}  // namespace kv
