#pragma once
// Replaces several files all or nothing. Every file is first checked for writing, then written to
// a temporary file in its own folder, flushed to disk and given the old file's permissions; only
// when all of them are written are they renamed over the old files, in the order added. A failure
// leaves every old file as it was and names the file and the reason (FrmError, whole-file).
#include <string>
#include <vector>

namespace kv::frm {

class AtomicFileSet {
  public:
    AtomicFileSet() = default;
    ~AtomicFileSet();
    AtomicFileSet(const AtomicFileSet&) = delete;
    AtomicFileSet& operator=(const AtomicFileSet&) = delete;

    void add(const std::string& path, const std::string& bytes);
    void commit();

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
    void discard();

    std::vector<Entry> entries_;
};

}  // namespace kv::frm
