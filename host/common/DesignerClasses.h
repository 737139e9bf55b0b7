#pragma once
// Qt's own widget classes that Qt Designer offers (and the classes between them and QWidget),
// each with its direct base class: a .ui file names a widget by its class only, and a class
// chain built from here reads as the meta-object chain of the live widget does. Whether a
// class is Qt's own also tells a widget of the application's (which may hold widgets placed in
// it) from Qt's composite widgets (whose inner widgets are their own). Names only: no Qt here.
#include <optional>
#include <string_view>

namespace kv::host {

// The direct base class of one of Qt's widget classes ("" for QWidget); nullopt for a class
// that is not Qt's.
std::optional<std::string_view> qt_base_class(std::string_view qt_class);

// Designer lets widgets be placed in a widget of this class (QWidget, QFrame, QGroupBox, ...).
bool designer_container(std::string_view qt_class);

}  // namespace kv::host
