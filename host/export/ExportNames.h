#pragma once
// The object name each control of a form takes in a Qt Designer form: its Name, and for an
// element of a control array Name_Index (optView(2) becomes optView_2), so that every name is
// unique and still says which element it was. A name already taken gets a further "_" until it
// is free; names the form's own widgets need (the central widget, the menu bar) are kept free. A
// name must also be a C++ member for uic: a keyword gets a trailing "_" (delete_).
#include <map>
#include <optional>
#include <string>

#include "host/memory/MemoryForm.h"

namespace kv::exporter {

class ExportNames {
  public:
    explicit ExportNames(mem::MemoryForm& form);

    // The exported name of a control of the form ("" for one the form does not have).
    std::string of(const mem::MemoryObject& control) const;
    // The exported name of what a control key names on the form ("optView(2)", any case, as
    // the resizer looks keys up); nullopt when the key names no control.
    std::optional<std::string> of_key(const std::string& key) const;
    // A further name, unique among all others (a widget of the form's own: "centralwidget").
    std::string reserve(const std::string& wanted);

  private:
    std::string unique(std::string name);

    mem::MemoryForm& form_;
    std::map<const mem::MemoryObject*, std::string> names_;
    std::map<std::string, bool> taken_;  // folded: names differing only in case clash in C++ too
};

}  // namespace kv::exporter
