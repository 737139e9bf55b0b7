#pragma once
// Turns the edited ControlSettings and PaneSettings into source for the form's load event: one
// addControl line per set-up control, one CreatePane line per pane, each variable declared once
// in the order of its first use. The text is built in string streams so that the whole output
// can be compared with an exact expected text.
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_set>

#include "engine/HostObject.h"

namespace kv {

class CodeGenerator {
  public:
    // `form` is the form the resizer sits on, `resizer_name` the resizer's name on it.
    CodeGenerator(ObjectRef form, std::string resizer_name);

    // The generated text; nullopt when nothing is set up (no control line names a control and
    // there are no pane lines). A pane line naming a control the form lacks, or an empty pane
    // line, raises the host error and nothing is generated.
    std::optional<std::string> generate(std::string_view control_settings,
                                        std::string_view pane_settings);

  private:
    void control_line(std::string_view line);
    void pane_line(std::string_view line);
    void declare(const std::string& variable);
    // Append "TAB variable = _" and "TAB TAB ." + call (which ends in CR LF) to the body.
    void assign(const std::string& variable, std::string_view call);
    // Does the body hold "TAB variable = " already?
    bool has_body_line(const std::string& variable) const;
    static bool plain_variable(std::string_view variable);

    ObjectRef form_;
    std::string resizer_name_;
    std::ostringstream declarations_;
    std::ostringstream body_;
    std::unordered_set<std::string> declared_, assigned_;
    bool odd_text_ = false;  // a variable or key that could match inside another line was written
};

}  // namespace kv
