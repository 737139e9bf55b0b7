#pragma once
// Builds a form of the memory host from a Qt Designer form, as the Qt host adopts the same form
// once it is shown with its kelvane::ResizerWidget (host/qt/QtWidgetAdoption): the form is the
// top-level widget at its size, each child widget a control of the class the one table of Qt
// classes names for it (host/common/QtClasses), in its container, with its geometry in pixels
// turned into twips at the host's twips per pixel, its resolved font size, visibility, caption,
// text and list entries; the resizer widget becomes the resizer control with the widget's
// properties. Controls are named after the widgets as the adoption names them.
//
// The form's client area is a main window's central widget: below its menu bar, above its status
// bar, past its dock widgets, which are bars on the form's edges holding their widgets (UiDocks).
// Designer's lines are the runtime's lines (UiLines); an exported form's placeholder is the
// control it stands for again.
//
// Refused (UiError at FILE:LINE): a resizer widget anywhere but on the form itself (or as the
// form), a second one there, and a form whose widgets a layout places (a main window's central
// widget's too). A widget class that is neither Qt Designer's nor declared in <customwidgets> is
// kept (a container when widgets were placed in it, else a plain control) and noted for `check`;
// so are size limits the resizer cannot hold, and widgets that are no control of their name.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/frm/FrmLoader.h"
#include "host/memory/MemoryHost.h"
#include "host/ui/UiDocument.h"
#include "host/ui/UiResizerProperties.h"

namespace kv::ui {

// Qt's default widget font on Linux, which a widget without a font of its own (or of a parent's)
// shows with.
inline constexpr double kDefaultPointSize = 9;
// A main window's status bar at that font, below its central widget (its menu bar is as high as
// the form's, host::kMenuBarPixels).
inline constexpr int kStatusBarPixels = 22;

struct UiNote {
    size_t line = 0;
    std::string text;
    bool picture = false;  // a picture left out: said where the form is shown, too
};

struct UiLoadedForm {
    frm::LoadedForm loaded;
    const UiElement* resizer = nullptr;  // the resizer widget's element, nullptr when none
    UiScale scale;                       // the form's pixels to twips
    std::vector<UiNote> notes;           // what `check` reports besides the resizer's messages
    // Why a widget is no control of that name, by its folded object name: a widget inside one
    // that keeps its inside to itself, or one named otherwise (its name is no identifier).
    std::map<std::string, std::string> not_controls;
};

class UiLoader {
  public:
    static UiLoadedForm load(const UiDocument& doc, mem::MemoryHost& host);
};

}  // namespace kv::ui
