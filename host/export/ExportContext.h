#pragma once
// What every part of one form's export shares: the form, the names, pixels at the chosen DPI,
// the original classes of the controls, the picture files made so far and the report.
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "control/zokKelvane.h"
#include "host/export/ExportNames.h"
#include "host/export/ExportReport.h"
#include "host/frm/FrmDocument.h"
#include "host/memory/MemoryForm.h"

namespace kv::exporter {

struct ExportedFile {
    std::string name;  // beside the .ui, as the .ui refers to it ("frmMain/picLogo.png")
    std::string bytes;
};

struct ExportContext {
    ExportContext(const frm::FrmDocument& doc, mem::MemoryForm& form, int dpi)
        : doc(doc), form(form), names(form), twips_per_pixel(1440.0 / dpi) {
        // The resizer's widget is hidden while the form runs: no access key leads to it.
        const auto resizer = [](const mem::MemoryObject& c) {
            return dynamic_cast<zokKelvane*>(c.user_control().get()) != nullptr;
        };
        for (const auto& [label, target] : form.label_targets(resizer))
            label_targets[label.get()] = target.get();
    }

    const frm::FrmDocument& doc;
    mem::MemoryForm& form;
    ExportNames names;
    double twips_per_pixel;
    std::map<std::string, std::string> class_ids;  // control key (folded) -> "NovaCtl.Toolbar"
    std::vector<ExportedFile> files;
    std::vector<std::string> focus_widgets;  // exported widgets that take the focus, by name
    // Each label and the control its access key takes the focus to (its buddy in Qt).
    std::map<const mem::MemoryObject*, mem::MemoryObject*> label_targets;
    ExportReport report;

    int px(double twips) const { return static_cast<int>(std::lround(twips / twips_per_pixel)); }
};

}  // namespace kv::exporter
