#pragma once
// The note that makes a save of several files in one folder all or nothing across a kill at any
// instant. The new files are written to temporaries first; then a journal naming the renames
// still to do is put in place with one rename (from then on the save counts as made), the
// renames are done and the journal is removed. Whoever next finds a journal (the next save or
// read of the form, holding its FormLock exclusively) finishes its renames; temporaries without
// a journal are the remains of a save killed before it counted and are removed.
//
// Every name is short (".kv-" and 16 hexadecimal digits of the form's name, then a dot and six
// more characters), so a form whose own name is as long as a file name may be still saves.
#include <string>
#include <utility>
#include <vector>

namespace kv::frm {

class SaveJournal {
  public:
    // The journal of the form file `owner` (a path, the form itself rather than a link to it).
    explicit SaveJournal(const std::string& owner);

    const std::string& folder() const { return folder_; }

    // A new, empty temporary file in the folder, open for writing: its descriptor, and its path
    // in `path`; -1 (errno set) when none can be made.
    int make_temp(std::string& path) const;

    // Makes the renames (from, to) and removals the save's promise: written and flushed, then
    // put in place in one step. FrmError (naming `owner`) when it cannot be written.
    void commit(const std::vector<std::pair<std::string, std::string>>& renames,
                const std::vector<std::string>& removals) const;

    // Finishes what a journal promises (renames whose source is still there, then removals),
    // removes it and every other file of this form's saves. False when there was nothing to
    // clean. FrmError when a rename cannot be done (the folder cannot be written).
    bool finish() const;

    // Is there a journal or a temporary of this form in the folder (a save to finish or clean)?
    bool pending() const;

    // The same for the files an earlier version of this program left around a save that was
    // killed (".NAME.new.XXXXXX", ".NAME.old.XXXXXX"): a save killed between its renames is
    // finished, temporaries of one that had not begun them are removed. `frx` is the file name
    // of the form's .frx. Leftovers that do not tell one story are left alone.
    bool legacy_pending(const std::string& frx) const;
    void finish_legacy(const std::string& frx) const;

  private:
    std::string path_in_folder(const std::string& name) const;
    std::vector<std::string> own_files() const;

    std::string owner_;
    std::string folder_;
    std::string prefix_;   // ".kv-HASH."
    std::string journal_;  // ".kv-HASH.save"
};

}  // namespace kv::frm
