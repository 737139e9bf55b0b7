#pragma once
// One save of the resizer control's property bag into its block of a form file (what
// FrmWriter::save_resizer does), in named steps:
//   1. the block's lines the bag replaces (its bag names, and any other name the bag now holds);
//   2. where the new lines go (in place of the old, else after the extent lines);
//   3. which old lines stay byte for byte (their value is unchanged);
//   4. whether the .frx's tail, holding only this block's old entries that nothing else refers
//      to, may be written again rather than grown;
//   5. each entry's value text (texts a line cannot hold become .frx entries);
//   6. the form's bytes, every other line as it was;
//   7. nothing saved that the reader would refuse (the files' size).
#include <cstddef>
#include <string>
#include <vector>

#include "host/frm/FrmDocument.h"
#include "host/frm/FrmWriter.h"

namespace kv::frm {

class ResizerSave {
  public:
    // FrmError when the form has no resizer, a text cannot be written in the file's encoding,
    // or the result would be larger than the reader takes.
    ResizerSave(const FrmDocument& doc, const BagEntries& entries);

    const SavedForm& result() const { return out_; }

  private:
    static constexpr size_t kNone = static_cast<size_t>(-1);

    void find_old_lines();
    void choose_insert_line();
    void keep_unchanged_lines();
    void plan_frx_reuse();
    std::string value_text(const std::string& name, const Value& value);
    std::string text_value(const std::string& name, const Value& value);
    void assemble();
    void check_sizes() const;

    const FrmDocument& doc_;
    const BagEntries& entries_;
    const FrmBlock& block_;
    std::vector<const FrmProperty*> old_;  // the lines replaced, in file order
    size_t insert_at_ = 0;                 // line index the new lines go before
    std::string indent_;
    std::vector<const FrmProperty*> kept_;  // per entry: the old line kept as it is, or nullptr
    std::string frx_name_;
    FrxFile frx_;
    size_t reuse_from_ = kNone;  // offset from which the .frx is written again
    bool frx_changed_ = false;
    std::vector<FrmLine> new_lines_;
    SavedForm out_;
};

}  // namespace kv::frm
