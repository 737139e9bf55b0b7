#include "host/memory/MemoryPageDialog.h"

#include <algorithm>

#include "engine/Error.h"
#include "host/memory/MemoryHost.h"

namespace kv::mem {

namespace {
std::string without_accelerators(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != '&') out += c;
    return out;
}
}  // namespace

MemoryPageDialog::MemoryPageDialog(const std::shared_ptr<MemoryHost>& host,
                                   const std::shared_ptr<MemoryObject>& control)
    : control_(control) {
    if (!control || !control->alive() || !control->user_control() || control->is_form())
        throw Error::standard(kErrInvalidCall);
    for (const std::string& id : control->user_control()->property_pages()) {
        auto code = make_property_page(id);
        if (!code) continue;
        auto dot = id.rfind('.');
        auto page = std::make_shared<MemoryPropertyPage>(
            host, dot == std::string::npos ? id : id.substr(dot + 1),
            std::vector<std::shared_ptr<MemoryObject>>{control});
        pages_.push_back({page, code, false});
    }
    open_ = true;
    for (const auto& t : pages_) t.code->PropertyPage_Initialize(*t.page);
    if (!pages_.empty()) select_page(size_t{0});
}

MemoryPageDialog::~MemoryPageDialog() {
    if (!open_) return;
    try {
        close();
    } catch (...) {
        // A page that fails while the dialog goes away has nobody left to tell.
    }
}

std::shared_ptr<MemoryPropertyPage> MemoryPageDialog::page(size_t i) const {
    if (i >= pages_.size()) throw Error::standard(kErrSubscript);
    return pages_[i].page;
}

std::shared_ptr<PropertyPage> MemoryPageDialog::page_code(size_t i) const {
    if (i >= pages_.size()) throw Error::standard(kErrSubscript);
    return pages_[i].code;
}

std::vector<std::string> MemoryPageDialog::captions() const {
    std::vector<std::string> out;
    for (const auto& t : pages_) out.push_back(t.page->caption());
    return out;
}

void MemoryPageDialog::check_open() const {
    if (!open_) throw Error::standard(kErrInvalidCall);
}

void MemoryPageDialog::select_page(size_t i) {
    check_open();
    if (i >= pages_.size()) throw Error::standard(kErrSubscript);
    active_ = i;
    Tab& t = pages_[i];
    if (t.shown) return;
    t.shown = true;
    t.code->PropertyPage_SelectionChanged();
    if (!t.page->focused())
        if (auto first = t.page->first_tab_stop()) t.page->move_focus(first);
}

bool MemoryPageDialog::select_page(std::string_view caption) {
    const std::string wanted = without_accelerators(caption);
    for (size_t i = 0; i < pages_.size(); ++i)
        if (without_accelerators(pages_[i].page->caption()) == wanted) {
            select_page(i);
            return true;
        }
    return false;
}

bool MemoryPageDialog::apply_enabled() const {
    return open_ && std::any_of(pages_.begin(), pages_.end(),
                                [](const Tab& t) { return t.page->changed(); });
}

bool MemoryPageDialog::apply() {
    check_open();
    if (!apply_enabled()) return false;
    for (const auto& t : pages_)
        if (t.page->changed()) {
            t.code->PropertyPage_ApplyChanges();
            t.page->set_changed(false);
        }
    return true;
}

void MemoryPageDialog::ok() {
    check_open();
    apply();
    close();
}

void MemoryPageDialog::cancel() {
    check_open();
    close();
}

void MemoryPageDialog::close() {
    open_ = false;
    for (const auto& t : pages_) t.code->PropertyPage_Terminate();
    for (const auto& t : pages_) t.page->close_page();
}

}  // namespace kv::mem
