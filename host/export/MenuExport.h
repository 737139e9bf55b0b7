#pragma once
// A form's menus as a main window's menu bar: each top-level menu that holds items a QMenu in
// the bar, each item an action with its caption, shortcut, checked and enabled state, "-" a
// separator, submenus as QMenus in their menu, menu arrays as numbered actions (mnuRecent_0).
#include "host/export/ExportContext.h"
#include "host/ui/UiWriter.h"

namespace kv::exporter {

class MenuExport {
  public:
    explicit MenuExport(ExportContext& ctx) : ctx_(ctx) {}

    // Does the form have a menu to show?
    bool any() const;
    // The QMenuBar (and its QMenus) into the main window `window`, the actions after it.
    void write(ui::UiNode& window, int width_px);

  private:
    void write_items(const frm::FrmBlock& menu, ui::UiNode& into, ui::UiNode& window);
    ExportContext& ctx_;
};

}  // namespace kv::exporter
