#pragma once
// The values a form file gives the properties the host and the system compute with must be
// numbers of the property's type and range: a text where a number belongs, a non-finite number
// or one outside the range is refused at its FILE:LINE, naming the property, before the form is
// loaded (where it would surface later as a bare "Type mismatch" or "Invalid property value").
#include "host/frm/FrmDocument.h"

namespace kv::frm {

class FrmValueCheck {
  public:
    // FrmError at the first offending property line.
    static void check(const FrmDocument& doc);
};

}  // namespace kv::frm
