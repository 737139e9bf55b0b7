#pragma once
// The code page's set-up as C++ for kelvane::Resizer, for a form designed in Qt Designer: a
// function that a window built with uic calls after setupUi, making the resizer, anchoring each
// set-up widget and splitting each pane, in place of the resizer widget on the form. The same
// lines as the forms flavour (CodeGenerator) are used and skipped, with the mode letters the
// resizer reads from them at run time, so the code sets the window up exactly as the properties
// do. Lines end in LF.
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/HostObject.h"

namespace kv {

class CppCodeGenerator {
  public:
    // `form` is the form the resizer sits on, `resizer_name` the resizer's name on it.
    CppCodeGenerator(ObjectRef form, std::string resizer_name);

    // The generated text; nullopt when nothing is set up (no control line names a control and
    // there are no pane lines). A pane line naming a control the form lacks, or an empty pane
    // line, raises the host error and nothing is generated.
    std::optional<std::string> generate(std::string_view control_settings,
                                        std::string_view pane_settings);

  private:
    void control_line(std::string_view line);
    void pane_line(std::string_view line);

    ObjectRef form_;
    std::string resizer_name_;
    std::vector<std::string> calls_;     // ".anchor(...)", ".split(...)", in order
    std::vector<std::string> anchored_;  // keys with an anchor call
};

}  // namespace kv
