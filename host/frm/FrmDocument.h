#pragma once
// A form file as read: every line's bytes and line end (so unchanged lines are written back
// byte for byte), the header, the tree of blocks and where the code begins.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/common/Picture.h"
#include "host/frm/FrmBlock.h"
#include "host/frm/FrxFile.h"

namespace kv::frm {

inline constexpr const char* kResizerClass = "zokKL4VB.zokKelvane";

struct FrmLine {
    std::string text;  // bytes without the line end
    std::string eol;   // "\r\n", "\n" or "" for a last line without one
};

class FrmDocument {
  public:
    std::string path;  // as given; used in messages
    // The form on disk: `path` with a link to the form followed; its folder holds the .frx.
    std::string file_path;
    std::string encoding;  // of the file's text: "UTF-8" or the author's code page
    // For a UTF-8 (often plain ASCII) form: the code page of text that is not UTF-8, as a .frx
    // written by the designer holds (the fonts' Charset, or the code page given).
    std::string fallback_encoding;
    std::vector<FrmLine> lines;
    std::vector<size_t> object_lines;  // header `Object = ...` lines
    FrmBlock form;
    size_t code_line = 0;  // first line after the form block (Attribute lines, then code)

    // The file's bytes: every line and its line end, in order.
    std::string bytes() const;
    // The line end most lines use (for lines the writer adds).
    std::string usual_eol() const;

    // Every block below the form, depth-first in file order (controls and menus).
    void for_each_block(
        const std::function<void(const FrmBlock&, const FrmBlock& parent)>& fn) const;
    // The resizer control's block, nullptr when the form has none.
    const FrmBlock* resizer() const;

    // The bytes of a text entry in the .frx that `p` refers to. The .frx is looked up beside
    // the form, its name compared without regard to case. FrmError at the property's line when
    // the .frx is missing or the entry does not fit it.
    std::string frx_text(const FrmProperty& p) const;
    // The picture the property refers to (nullopt for an empty one). FrmError at the property's
    // line, naming it and the record's offset, when the .frx is missing or the record damaged.
    std::optional<host::Picture> frx_picture(const FrmProperty& p) const;
    // The form's own .frx, where the writer puts entries: the form file's name with .frx, spelt
    // as the form's references spell it.
    std::string frx_name() const;
    // Path of an existing file of that name beside the form (any case), or the plain path.
    std::string frx_path(const std::string& frx_name) const;
    FrxFile& frx_file(const std::string& frx_name) const;

    // Text of the file's encoding to UTF-8; a byte that does not decode becomes U+FFFD.
    std::string decode(const std::string& bytes) const;

    // Reads every .frx the form refers to (and its own), so that the pair is read at one
    // moment (under the form's lock); a .frx that cannot be read is reported when it is used.
    void read_all_frx() const;
    // The document as read from disk: the form's bytes (a fingerprint) and the .frx files.
    void note_read_from_disk(const std::string& bytes);
    // FrmError when the form or a .frx read with it is not on disk as it was read: another
    // program changed it since. Nothing to check for a document not read from disk.
    void check_unchanged_on_disk() const;
    // A document made from this one's bytes (a block added) that stands for the same files on
    // disk: the same .frx as read and the same check against changes.
    void adopt_files_of(const FrmDocument& read_from_disk);
    // The .frx at `frx_path` now holds `bytes` on disk (this program wrote them).
    void note_frx_written(const std::string& frx_path, const std::string& bytes);

  private:
    mutable std::map<std::string, FrxFile> frx_cache_;
    bool from_disk_ = false;
    size_t disk_size_ = 0;
    size_t disk_hash_ = 0;
};

}  // namespace kv::frm
