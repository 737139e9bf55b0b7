#pragma once
// Widgets of Qt Designer's classes that no forms class stands for (a spin box, a slider, a
// progress bar, a date edit, ...): a control read from a .ui keeps its class name and its plain
// properties, and the live form shows it as that widget with them.
class QWidget;

namespace kv::mem {
class MemoryObject;
}

namespace kv::qt {

// The widget of the control's class with the .ui's properties, inside `parent`; nullptr when
// the class is none of Designer's that can be made here.
QWidget* make_designer_widget(mem::MemoryObject& c, QWidget* parent);

}  // namespace kv::qt
