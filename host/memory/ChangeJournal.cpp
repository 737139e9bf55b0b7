#include "host/memory/ChangeJournal.h"

#include <algorithm>
#include <unordered_map>

#include "host/memory/MemoryForm.h"

namespace kv::mem {

namespace {

// Notes are appended as they come (no allocation once the list has grown to its use) and made
// unique when taken. A list grown far past the form's size gives way to "everything".
struct Reader {
    const void* id = nullptr;
    bool everything = true;
    std::vector<MemoryObject*> changed;  // alive objects of the form, maybe more than once
};

constexpr size_t kNotesPerControl = 8;

std::unordered_map<const MemoryForm*, std::vector<Reader>>& journals() {
    static std::unordered_map<const MemoryForm*, std::vector<Reader>> all;
    return all;
}

void start_over(Reader& r, bool everything) {
    r.everything = everything;
    r.changed.clear();
}

}  // namespace

void ChangeJournal::keep(const MemoryForm& form, const void* reader) {
    auto& readers = journals()[&form];
    for (const auto& r : readers)
        if (r.id == reader) return;
    Reader r;
    r.id = reader;
    readers.push_back(std::move(r));
    ++readers_;
}

void ChangeJournal::stop(const MemoryForm& form, const void* reader) {
    auto it = journals().find(&form);
    if (it == journals().end()) return;
    readers_ -= static_cast<int>(
        std::erase_if(it->second, [&](const Reader& r) { return r.id == reader; }));
    if (it->second.empty()) journals().erase(it);
}

void ChangeJournal::forget(const MemoryForm& form) {
    auto it = journals().find(&form);
    if (it == journals().end()) return;
    readers_ -= static_cast<int>(it->second.size());
    journals().erase(it);
}

ChangeJournal::Changes ChangeJournal::take(const MemoryForm& form, const void* reader) {
    Changes changes;
    changes.everything = true;
    auto it = journals().find(&form);
    if (it == journals().end()) return changes;
    for (auto& r : it->second) {
        if (r.id != reader) continue;
        changes.everything = r.everything;
        if (!r.everything) {
            std::sort(r.changed.begin(), r.changed.end());
            r.changed.erase(std::unique(r.changed.begin(), r.changed.end()), r.changed.end());
            changes.objects.reserve(r.changed.size());
            for (MemoryObject* o : r.changed) changes.objects.push_back(o->shared_from_this());
        }
        start_over(r, false);
    }
    return changes;
}

void ChangeJournal::note(MemoryObject& object) {
    if (!object.alive()) return;
    // A form being made has no owner yet to ask: it is its own form.
    const MemoryForm* form = object.is_form() ? &object.as_form() : object.form().get();
    if (!form) return;
    auto it = journals().find(form);
    if (it == journals().end()) return;
    const size_t limit = kNotesPerControl * (form->all_controls().size() + 8);
    for (auto& r : it->second) {
        if (r.everything) continue;
        // The same object noted again in a row (Move, then its font) is noted once.
        if (!r.changed.empty() && r.changed.back() == &object) continue;
        if (r.changed.size() >= limit)
            start_over(r, true);
        else
            r.changed.push_back(&object);
    }
}

void ChangeJournal::note_everything(const MemoryForm& form) {
    auto it = journals().find(&form);
    if (it == journals().end()) return;
    for (auto& r : it->second) start_over(r, true);
}

}  // namespace kv::mem
