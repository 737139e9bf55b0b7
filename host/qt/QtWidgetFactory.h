#pragma once
// The widget that shows a control, by its class: TextBox QLineEdit (QPlainTextEdit when
// MultiLine), Label QLabel, ListBox QListWidget, ComboBox QComboBox, CommandButton QPushButton
// (a graphical one with its picture), CheckBox QCheckBox, OptionButton QRadioButton (grouped per
// container, as Qt groups radio buttons per parent), Frame QGroupBox, PictureBox and Image a
// frame with their picture (QtPictureView), a tab control QtTabControl, Shape and Line painted,
// any other class a framed box showing its name. Timers, menus and user controls (the
// resizer itself) have no widget: nullptr.
#include <QWidget>

#include "host/memory/MemoryObject.h"

namespace kv::qt {

QWidget* make_widget(mem::MemoryObject& control, QWidget* parent);

}  // namespace kv::qt
