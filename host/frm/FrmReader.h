#pragma once
// Reads a form file into a FrmDocument. Every problem is an FrmError located FILE:LINE. A file
// is read with its .frx under the form's lock, after any save that was killed is finished.
#include <optional>
#include <string>

#include "host/frm/CodePage.h"
#include "host/frm/FrmDocument.h"

namespace kv::frm {

class FrmReader {
  public:
    // `codepage`: the author's code page, used unless the file is valid UTF-8; empty: the one
    // the fonts' Charset names (code_page_from_charsets).
    static FrmDocument read_file(const std::string& path, const std::string& codepage = "");
    static FrmDocument read_bytes(const std::string& bytes, const std::string& path,
                                  const std::string& codepage = "");

    // One property line, split at the first `=` outside quotes; nullopt when it has none.
    // FrmError for a value that is malformed. `line` is the 0-based line index. `foreign`: the
    // line belongs to a control of another library, whose values are its own business: one
    // that is not a number as this system reads numbers ("555,024" from a designer running
    // with a decimal comma) is kept as written.
    static std::optional<FrmProperty> parse_property(const FrmDocument& doc, size_t line,
                                                     bool foreign = false);

    // The form file `path` stands for: the file a link names, else `path`.
    static std::string form_on_disk(const std::string& path);
    // Finishes (or cleans up after) a save of the form that was killed, under the form's lock.
    static void finish_interrupted_save(const std::string& file, const std::string& shown_as);

  private:
    explicit FrmReader(FrmDocument& doc) : doc_(doc) {}
    void read_header();
    void read_block(FrmBlock& block, size_t depth);
    void read_group(FrmGroup& group, size_t depth, bool foreign);
    size_t skip_blank(size_t i) const;
    [[noreturn]] void fail(size_t line, const std::string& what) const;

    FrmDocument& doc_;
    size_t next_ = 0;  // next line to read
};

}  // namespace kv::frm
