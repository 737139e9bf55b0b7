#pragma once
// The forms model of a window an application built with Qt widgets: a form of the window's
// size and place, and a control per child widget, of the class that widget is (QLineEdit a
// TextBox, QListWidget a ListBox, QPushButton a CommandButton, ... host/common/QtClasses), in its
// container (a QGroupBox is a Frame, a plain QWidget or QFrame a borderless PictureBox), with the
// widget's geometry, font size and visibility. Composite widgets (a list, a text area) are one
// control: their inner widgets are not walked. The window's bars are not controls, nor is a
// widget marked with the property kResizerWidgetMark (the resizer placed on the window).
#include <QWidget>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/common/QtClasses.h"
#include "host/memory/MemoryHost.h"

namespace kv::qt {

struct AdoptedForm {
    std::shared_ptr<mem::MemoryForm> form;
    // Every control with the widget it stands for, containers before their contents.
    std::vector<std::pair<std::shared_ptr<mem::MemoryObject>, QWidget*>> controls;
};

// The window's controls are named after the widgets' object names where those are plain
// identifiers not taken yet, else after their class ("ListBox1", "CommandButton2").
AdoptedForm adopt_widgets(mem::MemoryHost& host, QWidget& window);

// The control a widget stands for.
host::FormsClassOf adopted_class(const QWidget& widget);

// A widget with this dynamic property true is not a control of the window.
inline constexpr const char* kResizerWidgetMark = "kelvaneResizer";

}  // namespace kv::qt
