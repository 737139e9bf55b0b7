#pragma once
// A Qt Designer form file (.ui) as read: its bytes, kept so that a save changes only what it
// means to, and its elements. The form is the `<widget>` directly inside `<ui>`; custom widget
// classes are declared in `<customwidgets>` with the class they extend.
#include <map>
#include <string>

#include "host/ui/UiElement.h"

namespace kv::ui {

// A class the form declares in <customwidgets>.
struct CustomWidget {
    std::string extends;     // "QWidget", "QFrame", ... ("" when not given)
    bool container = false;  // Designer lets widgets be placed in it
    size_t line = 0;
};

class UiDocument {
  public:
    std::string path;   // as given; used in messages
    std::string bytes;  // the whole file
    UiElement root;     // <ui>

    // The form's top-level <widget> (UiError at the <ui> line when there is none).
    const UiElement& form() const;
    // Custom widget classes by class name.
    std::map<std::string, CustomWidget> custom_widgets() const;
    // 1-based line of a byte offset.
    size_t line_of(size_t offset) const;
    // The line end the file uses ("\r\n" or "\n").
    std::string usual_eol() const;
};

}  // namespace kv::ui
