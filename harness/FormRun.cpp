#include "harness/FormRun.h"

#include "host/frm/FrmReader.h"

namespace kv::app {

FormRun::FormRun(const FormOptions& options, bool designer_reports)
    : doc_(frm::FrmReader::read_file(options.path, options.codepage)), session_(options.store) {
    if (designer_reports) session_.host().set_running_under_designer(true);
    session_.load(doc_);
    session_.show();
}

void FormRun::apply(const std::vector<Step>& steps) {
    for (const auto& step : steps) session_.apply(step);
}

}  // namespace kv::app
