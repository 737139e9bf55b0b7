#pragma once
// Which objects of a form changed since a reader of the form last looked: the Qt host's widgets
// follow only those, so that a drag step costs what it moves and not the whole form. A reader
// keeps a journal per form; while nobody keeps one, a change costs the memory host one test of
// a flag. Noted: geometry (the object's place), properties and list entries (its looks). A
// control added or removed, or the border of a container (what it holds sits inside it), asks
// the reader to look at everything, and so does its first look.
#include <cstdint>
#include <memory>
#include <vector>

namespace kv::mem {

class MemoryForm;
class MemoryObject;

class ChangeJournal {
  public:
    // What changed of an object: its place only (a move), or anything (a property, which may
    // move it too).
    enum Kind : uint8_t { kPlace = 1, kLooks = 2, kAll = kPlace | kLooks };
    struct Changes {
        bool everything = false;
        // When not everything: each changed object once, in the order of its first change,
        // with what changed of it (Kind bits) at the same index.
        std::vector<std::shared_ptr<MemoryObject>> objects;
        std::vector<uint8_t> kinds;
    };
    // Start or stop keeping a journal of `form` for `reader`.
    static void keep(const MemoryForm& form, const void* reader);
    static void stop(const MemoryForm& form, const void* reader);
    // What changed since the reader's last look; its journal starts afresh.
    static Changes take(const MemoryForm& form, const void* reader);

    // --- the memory host's side ---
    static bool kept() { return readers_ > 0; }
    static void note(MemoryObject& object, uint8_t kinds = kAll);
    static void note_everything(const MemoryForm& form);
    // The form goes: its journals with it.
    static void forget(const MemoryForm& form);

  private:
    static inline int readers_ = 0;
};

// In the memory host: `object` changed (kPlace: it only moved).
inline void note_change(MemoryObject& object, uint8_t kinds = ChangeJournal::kAll) {
    if (ChangeJournal::kept()) ChangeJournal::note(object, kinds);
}

}  // namespace kv::mem
