#include "host/memory/ChangeJournal.h"

#include <algorithm>
#include <unordered_map>

#include "host/memory/MemoryForm.h"

namespace kv::mem {

namespace {

// A reader's notes are appended as they come (no allocation once the list has grown to its use).
// Each object is listed once: the object keeps, in two bits per reader slot, what of it was
// noted since the reader's last look, so a repeated change costs a test and no search. A list
// grown far past the form's size gives way to "everything".
constexpr int kSlots = 16;  // readers of one form with a slot; more readers sort their notes

struct Reader {
    const void* id = nullptr;
    int slot = -1;
    bool everything = true;
    std::vector<MemoryObject*> changed;  // alive objects of the form
};

constexpr size_t kNotesPerControl = 8;

std::unordered_map<const MemoryForm*, std::vector<Reader>>& journals() {
    static std::unordered_map<const MemoryForm*, std::vector<Reader>> all;
    return all;
}

uint32_t slot_mask(int slot) {
    return uint32_t{ChangeJournal::kAll} << (2 * slot);
}

}  // namespace

// The listed objects are alive: a control that goes makes every journal of its form start over
// (note_everything) before it is freed.
struct ChangeJournalAccess {
    static uint32_t& marks(MemoryObject& o) { return o.journal_marks_; }
    static void start_over(Reader& r, bool everything) {
        if (r.slot >= 0)
            for (MemoryObject* o : r.changed) o->journal_marks_ &= ~slot_mask(r.slot);
        r.everything = everything;
        r.changed.clear();
    }
};

void ChangeJournal::keep(const MemoryForm& form, const void* reader) {
    auto& readers = journals()[&form];
    uint32_t used = 0;
    for (const auto& r : readers) {
        if (r.id == reader) return;
        if (r.slot >= 0) used |= 1u << r.slot;
    }
    Reader r;
    r.id = reader;
    for (int s = 0; s < kSlots && r.slot < 0; ++s)
        if (!(used & (1u << s))) r.slot = s;
    readers.push_back(std::move(r));
    ++readers_;
}

void ChangeJournal::stop(const MemoryForm& form, const void* reader) {
    auto it = journals().find(&form);
    if (it == journals().end()) return;
    for (auto& r : it->second)
        if (r.id == reader) ChangeJournalAccess::start_over(r, true);
    readers_ -= static_cast<int>(
        std::erase_if(it->second, [&](const Reader& r) { return r.id == reader; }));
    if (it->second.empty()) journals().erase(it);
}

void ChangeJournal::forget(const MemoryForm& form) {
    // The form's objects go with it: their marks are not worth clearing.
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
            if (r.slot < 0) {
                std::sort(r.changed.begin(), r.changed.end());
                r.changed.erase(std::unique(r.changed.begin(), r.changed.end()), r.changed.end());
            }
            changes.objects.reserve(r.changed.size());
            changes.kinds.reserve(r.changed.size());
            for (MemoryObject* o : r.changed) {
                uint8_t kinds = kAll;
                if (r.slot >= 0) {
                    uint32_t& marks = ChangeJournalAccess::marks(*o);
                    kinds = static_cast<uint8_t>((marks >> (2 * r.slot)) & kAll);
                    marks &= ~slot_mask(r.slot);
                }
                changes.objects.push_back(o->shared_from_this());
                changes.kinds.push_back(kinds);
            }
            r.changed.clear();
        }
        ChangeJournalAccess::start_over(r, false);
    }
    return changes;
}

void ChangeJournal::note(MemoryObject& object, uint8_t kinds) {
    if (!object.alive()) return;
    // A form being made has no owner yet to ask: it is its own form.
    const MemoryForm* form = object.owner_form();
    if (!form) return;
    auto it = journals().find(form);
    if (it == journals().end()) return;
    const size_t limit = kNotesPerControl * (form->all_controls().size() + 8);
    uint32_t& marks = ChangeJournalAccess::marks(object);
    for (auto& r : it->second) {
        if (r.everything) continue;
        if (r.slot >= 0) {
            const uint32_t add = uint32_t{kinds} << (2 * r.slot);
            if (marks & slot_mask(r.slot)) {
                marks |= add;  // listed already
                continue;
            }
            if (r.changed.size() >= limit) {
                ChangeJournalAccess::start_over(r, true);
                continue;
            }
            marks |= add;
            r.changed.push_back(&object);
            continue;
        }
        // The same object noted again in a row (Move, then its font) is noted once.
        if (!r.changed.empty() && r.changed.back() == &object) continue;
        if (r.changed.size() >= limit)
            ChangeJournalAccess::start_over(r, true);
        else
            r.changed.push_back(&object);
    }
}

void ChangeJournal::note_everything(const MemoryForm& form) {
    auto it = journals().find(&form);
    if (it == journals().end()) return;
    for (auto& r : it->second) ChangeJournalAccess::start_over(r, true);
}

}  // namespace kv::mem
