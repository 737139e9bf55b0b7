#pragma once
// A problem in a Qt Designer form file (.ui), located as FILE:LINE like a form file's, so the
// tool reports both alike.
#include <string>

#include "host/frm/FrmError.h"

namespace kv::ui {

class UiError : public frm::FrmError {
  public:
    // line 0: the problem belongs to the whole file.
    UiError(const std::string& file, size_t line, const std::string& what)
        : frm::FrmError(file, line, what) {}
};

}  // namespace kv::ui
