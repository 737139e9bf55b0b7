#pragma once
// Saves the resizer control's persisted properties into its block of a form file and changes
// nothing else: every other line keeps its bytes and its line end. Texts that a form line cannot
// hold (CR, LF, tab, other control characters) go to the .frx as a 4-byte little-endian byte
// count and the text in the form file's encoding, referenced as "NAME.frx":OFFSET.
#include <string>
#include <utility>
#include <vector>

#include "engine/Value.h"
#include "host/frm/FrmDocument.h"

namespace kv::frm {

using BagEntries = std::vector<std::pair<std::string, Value>>;

struct SavedForm {
    std::string frm_bytes;
    bool frx_changed = false;
    std::string frx_path;   // when frx_changed
    std::string frx_bytes;  // when frx_changed
};

class FrmWriter {
  public:
    // The names under which the resizer control persists its state (its property bag).
    static const std::vector<std::string>& resizer_property_names();

    // The form with the resizer block's bag lines replaced by `entries`, in their order. A line
    // whose value is unchanged keeps its bytes. FrmError when the form has no resizer or a text
    // cannot be written in the file's encoding.
    static SavedForm save_resizer(const FrmDocument& doc, const BagEntries& entries);

    // The form with a new, empty resizer block placed as the designer places one (its library's
    // `Object =` header line when missing, the block after the form's controls, before its menus).
    static std::string add_resizer_block(const FrmDocument& doc, const std::string& name);
    // The same as a document that stands for the files `doc` was read from (FrmDocument::
    // adopt_files_of), read in `codepage`.
    static FrmDocument with_resizer_block(const FrmDocument& doc, const std::string& name,
                                          const std::string& codepage);
    // The document the files are after `saved` was written for `doc`: the next save of the same
    // session starts from it and is checked against it.
    static FrmDocument as_saved(const FrmDocument& doc, const SavedForm& saved,
                                const std::string& codepage);

    // Writes the form (and the .frx when it changed) to disk, both or neither as any reader and
    // a kill at any instant see it: under the form's lock, after finishing a save that was
    // interrupted (FrmError naming the file and the reason). A form that is a link is written
    // to the file it names; the link stays.
    static void write_files(const std::string& frm_path, const SavedForm& saved);
    // The same for the form `doc` was read from; refused, with nothing written, when the form or
    // a .frx on disk is no longer as `doc` read it (another program changed it since).
    static void write_files(const FrmDocument& doc, const SavedForm& saved);

    // One property line as the designer writes it: the name padded to 16 columns, "=   " and
    // the value text.
    static std::string property_line(const std::string& indent, const std::string& name,
                                     const std::string& value_text);
    // A number as written in a form file: whole numbers as digits, others in the shortest form
    // that reads back to the same double.
    static std::string number_text(double x);
};

}  // namespace kv::frm
