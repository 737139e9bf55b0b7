#pragma once
// One form file exported to a Qt Designer form on disk: the form is read and loaded on a memory
// host of its own in design mode, exported, and the .ui, its pictures and its resource file are
// written all or nothing (never through a link). FrmError for a form file that cannot be read,
// at FILE:LINE; FrmError (whole file) for an output that cannot be written.
#include <string>
#include <vector>

#include "host/export/FormExport.h"

namespace kv::exporter {

struct FormFileExport {
    ExportReport report;
    std::vector<std::string> written;  // the paths written, the .ui first
};

FormFileExport export_form_file(const std::string& form_path, const std::string& ui_path,
                                const ExportOptions& options, const std::string& codepage = "");

}  // namespace kv::exporter
