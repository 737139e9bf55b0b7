#include "harness/FormRun.h"

namespace kv::app {

FormRun::FormRun(const FormOptions& options, bool designer_reports)
    : file_(options.path, options.codepage), session_(options.store) {
    if (designer_reports) session_.host().set_running_under_designer(true);
    session_.load(file_);
    session_.show();
}

void FormRun::apply(const std::vector<Step>& steps) {
    for (const auto& step : steps) session_.apply(step);
}

}  // namespace kv::app
