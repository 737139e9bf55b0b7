#pragma once
// A lock on the folder of a form file, so that a reader never meets the form and its .frx half
// replaced and two saves never interleave: readers share it, a save holds it alone. The lock is
// the operating system's (flock on the folder), so a killed process lets go of it at once.
// Within one process the lock is counted per folder: a save inside a held exclusive lock, or a
// read inside a save, takes nothing more. A folder that cannot be opened is not locked (there is
// nothing to save into there either).
#include <chrono>
#include <string>

namespace kv::frm {

class FormLock {
  public:
    enum class Mode { Shared, Exclusive };

    // How long a lock is waited for before the form counts as busy.
    static constexpr std::chrono::milliseconds kWait{10000};

    // Locks the folder that holds `file` (the path of the form itself, not a link to it).
    // FrmError naming `shown_as` when another program holds the folder longer than kWait.
    FormLock(const std::string& file, Mode mode, const std::string& shown_as = "");
    ~FormLock();
    FormLock(const FormLock&) = delete;
    FormLock& operator=(const FormLock&) = delete;

    // Does this process hold the folder of `file` exclusively?
    static bool held_exclusively(const std::string& file);

  private:
    std::string folder_;
    Mode mode_;
    bool counted_ = false;
};

}  // namespace kv::frm
