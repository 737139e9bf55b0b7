#pragma once
// A form of a form file as a Qt Designer form that resizes the same: a QWidget form, or a
// QMainWindow with its menu bar when the form has menus (an MDI parent: a QMainWindow whose
// central widget holds a QMdiArea where the client area is), every control as the widget the Qt
// host shows it with (WidgetExport), the resizer as a kelvane::ResizerWidget with its settings
// rewritten to the exported names and its size limits in pixels of the window's inside, the tab
// order, and the pictures as files beside the .ui with a resource file.
#include <memory>
#include <string>
#include <vector>

#include "host/export/ExportContext.h"

namespace kv::exporter {

struct ExportOptions {
    int dpi = 96;         // pixels per inch the form's twips are turned into pixels at
    std::string ui_name;  // the .ui file's own name ("frmMain.ui"): names the resource file
};

struct ExportResult {
    std::string ui;                   // the .ui file's bytes
    std::vector<ExportedFile> files;  // pictures and the resource file, beside the .ui
    ExportReport report;
};

class FormExport {
  public:
    // `form` is the form loaded from `doc` (in design mode, before any resize), `window_state`
    // the state the file opens it in, `resizer` its resizer control (nullptr when it has none).
    static ExportResult run(const frm::FrmDocument& doc, mem::MemoryForm& form, int window_state,
                            const std::shared_ptr<mem::MemoryObject>& resizer,
                            const ExportOptions& options);
};

}  // namespace kv::exporter
