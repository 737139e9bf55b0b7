#pragma once
// Which objects of a form changed since a reader of the form last looked: the Qt host's widgets
// follow only those, so that a drag step costs what it moves and not the whole form. A reader
// keeps a journal per form; while nobody keeps one, a change costs the memory host one test of
// a flag. Noted: geometry, properties, list entries. A control added or removed, or the border
// of a container (what it holds sits inside it), asks the reader to look at everything, and so
// does its first look.
#include <memory>
#include <vector>

namespace kv::mem {

class MemoryForm;
class MemoryObject;

class ChangeJournal {
  public:
    struct Changes {
        bool everything = false;
        // When not everything: each changed object once, in no particular order.
        std::vector<std::shared_ptr<MemoryObject>> objects;
    };
    // Start or stop keeping a journal of `form` for `reader`.
    static void keep(const MemoryForm& form, const void* reader);
    static void stop(const MemoryForm& form, const void* reader);
    // What changed since the reader's last look; its journal starts afresh.
    static Changes take(const MemoryForm& form, const void* reader);

    // --- the memory host's side ---
    static bool kept() { return readers_ > 0; }
    static void note(MemoryObject& object);
    static void note_everything(const MemoryForm& form);
    // The form goes: its journals with it.
    static void forget(const MemoryForm& form);

  private:
    static inline int readers_ = 0;
};

// In the memory host: `object` changed.
inline void note_change(MemoryObject& object) {
    if (ChangeJournal::kept()) ChangeJournal::note(object);
}

}  // namespace kv::mem
