#pragma once
// Builds a form of the memory host from a form file: the form with its client size, scale and
// properties, then every control and menu in file order (the Controls collection order), each
// in its container. The resizer control, when the host knows its class, is created from its
// block's properties as its persisted property bag.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/frm/FrmDocument.h"
#include "host/frm/FrmNote.h"
#include "host/memory/MemoryHost.h"

namespace kv::frm {

struct LoadedForm {
    std::shared_ptr<mem::MemoryForm> form;
    std::shared_ptr<mem::MemoryObject> resizer;  // nullptr when the form has none
    int window_state = 0;                        // as the file asks, to apply once shown
    std::vector<FrmNote> notes;
};

class FrmLoader {
  public:
    // FrmError for a string the system uses whose .frx entry is missing or does not fit, and
    // for a value of the wrong type or range (FrmValueCheck). A caption, text or list the .frx
    // cannot give is left empty, and a damaged picture left out, with a note.
    // An MDI child form gets a stand-in MDI parent when the host has none.
    static LoadedForm load(const FrmDocument& doc, mem::MemoryHost& host);

    // The value of a property as the host holds it: numbers as doubles, texts in UTF-8; a .frx
    // reference is read only when `read_frx` (nullopt otherwise).
    static std::optional<Value> value_of(const FrmDocument& doc, const FrmProperty& p,
                                         bool read_frx);

  private:
    FrmLoader(const FrmDocument& doc, mem::MemoryHost& host) : doc_(doc), host_(host) {}
    void set_properties(mem::MemoryObject& obj, const FrmBlock& block);
    void set_font(mem::MemoryObject& obj, const FrmGroup& font);
    void load_list(mem::MemoryObject& obj, const FrmProperty& p);
    std::optional<Value> frx_text_or_note(mem::MemoryObject& obj, const FrmProperty& p);
    void note(mem::MemoryObject& obj, const FrmProperty& p, const std::string& what);
    void set_geometry(mem::MemoryObject& obj, const FrmBlock& block);
    void set_user_scale(mem::MemoryObject& obj, const FrmBlock& block);
    void add_child(const FrmBlock& child, const std::shared_ptr<mem::MemoryObject>& container);
    void add_children(const FrmBlock& block, const std::shared_ptr<mem::MemoryObject>& container);

    void check_array_class(const FrmBlock& child);

    const FrmDocument& doc_;
    mem::MemoryHost& host_;
    LoadedForm result_;
    std::map<std::string, const FrmBlock*> arrays_;  // by folded name: each array's first element
};

}  // namespace kv::frm
