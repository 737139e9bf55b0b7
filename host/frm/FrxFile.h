#pragma once
// The binary companion of a form file. Text entries written here are: a 4-byte little-endian
// byte count, then that many bytes of text in the form file's encoding. Entries of other
// writers (a 2-byte or 1-byte count) are read leniently.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv::frm {

class FrxFile {
  public:
    FrxFile() = default;
    // Reads the whole file; FrmError "PATH: cannot read" when it cannot be opened, and for a
    // link: a .frx is never read through one, or a save would copy what it names.
    static FrxFile load(const std::string& path);

    // A file this program has just written with `bytes`.
    static FrxFile written(const std::string& path, const std::string& bytes);

    const std::string& path() const { return path_; }
    void set_path(std::string path) { path_ = std::move(path); }
    const std::string& bytes() const { return bytes_; }
    bool exists_on_disk() const { return on_disk_; }
    // Why the file could not be read ("" when it was, or when there is none).
    const std::string& error() const { return error_; }
    void set_error(std::string why) { error_ = std::move(why); }

    // The bytes of the text entry at `offset`. FrmError (whole-file) when no count fits.
    std::string read_text(uint32_t offset) const;
    // The items of a list box's or combo box's list entry at `offset`, as the designer writes
    // them: a 2-byte item count, a 2-byte tag (3 or 7), then each item as a 2-byte length and
    // its bytes. Nothing when the bytes there are not such an entry or run past the file.
    std::optional<std::vector<std::string>> read_list(uint32_t offset) const;
    // The full size of the entry at `offset` (count and text), 0 when none fits.
    size_t entry_size(uint32_t offset) const;

    // Appends a text entry and returns its offset.
    uint32_t put_text(const std::string& text_bytes);
    // Drops everything from `size` on (entries that are about to be written again).
    void truncate(size_t size);

  private:
    std::string path_;
    std::string bytes_;
    bool on_disk_ = false;
    std::string error_;
};

}  // namespace kv::frm
