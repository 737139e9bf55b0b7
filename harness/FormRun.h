#pragma once
// One way for every command to run a form file or a Qt Designer form: read it, load it into a fresh
// session on the chosen store, show it (load processing and the first settled layout) and apply the
// user's steps, each followed by the settle timer.
#include <vector>

#include "harness/FormFile.h"
#include "harness/FormOptions.h"
#include "harness/Session.h"

namespace kv::app {

class FormRun {
  public:
    // `designer_reports`: run as under the designer, so that errors the resizer traps are
    // shown in message boxes instead of being swallowed as in a compiled program.
    explicit FormRun(const FormOptions& options, bool designer_reports = false);

    void apply(const std::vector<Step>& steps);

    Session& session() { return session_; }
    const FormFile& file() const { return file_; }

  private:
    FormFile file_;
    Session session_;
};

}  // namespace kv::app
