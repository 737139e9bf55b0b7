#pragma once
// Replaces several files of one folder all or nothing, also across a kill at any instant. Every
// file is first checked for writing, then written to a temporary file beside it, flushed to disk
// and given the old file's permissions; then a SaveJournal promises the renames, they are done
// in the order the files were added, and the journal goes. A failure before the promise leaves
// every old file as it was; a rename failing after it puts the old files back. Errors name the
// file and the reason (FrmError, whole-file). The caller holds the folder's FormLock exclusively
// and has finished any earlier save (SaveJournal::finish).
#include <functional>
#include <string>
#include <vector>

#include "host/frm/SaveJournal.h"

namespace kv::frm {

class AtomicFileSet {
  public:
    // `owner`: the file whose journal the save uses (the form); every file lies beside it.
    explicit AtomicFileSet(const std::string& owner);
    ~AtomicFileSet();
    AtomicFileSet(const AtomicFileSet&) = delete;
    AtomicFileSet& operator=(const AtomicFileSet&) = delete;

    void add(const std::string& path, const std::string& bytes);
    void commit();

    // For tests: called at each stage of a commit ("written", "promised", "renamed 1", ...), so
    // that a test can end the process there.
    static void set_fault_hook(std::function<void(const std::string& stage)> hook);

  private:
    struct Entry {
        std::string path;
        std::string bytes;
        std::string temp;    // written copy, "" until written
        std::string backup;  // hard link to the old file while renaming, "" when none
        bool existed = false;
    };
    void check_writable(const Entry& e) const;
    void write_temp(Entry& e);
    void keep_backup(Entry& e);
    void rename_all();
    void discard();

    SaveJournal journal_;
    std::vector<Entry> entries_;
};

}  // namespace kv::frm
