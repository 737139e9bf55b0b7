#pragma once
// The menu bar of a form's window from the form's menus: the top-level menus in the bar, each
// menu's items and submenus in file order ("-" a separator), invisible menus left out, disabled
// and checked ones shown so, each shortcut as the key sequence the designer's notation names.
// Choosing an item raises its Click.
#include <QKeySequence>
#include <QMenuBar>

#include "host/common/MenuShortcut.h"
#include "host/memory/MemoryForm.h"

namespace kv::qt {

QKeySequence key_sequence(const host::MenuShortcut& shortcut);

// Fills the bar; false when the form has no visible menu.
bool build_menus(mem::MemoryForm& form, QMenuBar& bar);

}  // namespace kv::qt
