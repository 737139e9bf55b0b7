#pragma once
// The widget that shows a control, of the Qt class host/common/QtClasses names for its class
// (a TextBox a QLineEdit or, MultiLine, a QPlainTextEdit; OptionButtons grouped per container, as
// Qt groups radio buttons per parent; a graphical CommandButton with its picture), PictureBox and
// Image a frame with their picture (QtPictureView), a tab control QtTabControl, Shape and Line
// painted, any other class a framed box showing its name. Timers, menus and user controls (the
// resizer itself) have no widget: nullptr.
#include <QWidget>

#include "host/memory/MemoryObject.h"

namespace kv::qt {

QWidget* make_widget(mem::MemoryObject& control, QWidget* parent);

}  // namespace kv::qt
