#pragma once
// Something loading a form file passed over, by the line and property it stands at.
#include <cstddef>
#include <string>

namespace kv::frm {

struct FrmNote {
    size_t line = 0;      // 1-based, of the property
    std::string subject;  // "lstA.List", "frmMain.Caption"
    std::string what;     // "the entries are in a.frx, which is missing: the list is empty"
};

}  // namespace kv::frm
