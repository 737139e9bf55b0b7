#pragma once
// The forms model of a window an application built with Qt widgets: a form of the window's
// size and place, and a control per child widget, of the class that widget is (QLineEdit a
// TextBox, QListWidget a ListBox, QPushButton a CommandButton, ... host/common/QtClasses), in its
// container (a QGroupBox is a Frame, a plain QWidget or QFrame a PictureBox, bordered where the
// frame draws one: host/common/QtFrameBorder.h), with the widget's geometry, font size and
// visibility; an application's combo box keeps its own height.
// Composite widgets (a list, a text area) are one control: their inner widgets are not walked. A
// QTabWidget is a container whose controls are the widgets on all its pages, placed from the tab
// widget's corner (the pages are not controls, and a page not on view keeps its widgets laid out).
#include <QStackedWidget>
#include <QWidget>
#include <memory>
#include <string>
#include <unordered_map>
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

// Names a window adopted again keeps for the widgets it had, so that settings naming them hold.
using WidgetNames = std::unordered_map<const QWidget*, std::string>;

// The window's controls are named after the widgets' object names where those are plain
// identifiers not taken yet, else after their class ("ListBox1", "CommandButton2"); a widget
// `kept` names keeps that name.
AdoptedForm adopt_widgets(mem::MemoryHost& host, QWidget& window, const WidgetNames& kept = {});

// A widget the application added later: its control (in `container`, nullptr for the form, whose
// widget is `holder`) and those of the widgets it holds, containers first; none for a widget
// that is no control. A page added to a tab widget brings the widgets on it.
std::vector<std::pair<std::shared_ptr<mem::MemoryObject>, QWidget*>> adopt_widget(
    mem::MemoryHost& host, mem::MemoryForm& form, QWidget& widget,
    const std::shared_ptr<mem::MemoryObject>& container, const QWidget* holder = nullptr);

// The tab widget whose controls are the children of `widget`: one of its pages that no QLayout
// places, or the stack that holds its pages (where pages come and go); nullptr for others.
QWidget* tab_widget_holding(const QWidget& widget);

// The stack a tab widget keeps its pages in, also those removeTab() took off (nullptr for other
// widgets).
QStackedWidget* tab_page_stack(const QWidget& widget);

// The widgets inside a tab widget that its controls and pages come to (the stack of its pages,
// each page; one a QLayout places may lose it); none for another widget.
std::vector<QWidget*> tab_holders(const QWidget& widget);

// Whether a child widget counts as a control: not a window of its own, not one of Qt's own
// parts, not a bar, not the resizer placed on the window (marked with kResizerWidgetMark).
bool is_control_widget(const QWidget& widget);

// The control a widget stands for; it holds the widgets inside it as controls unless a QLayout
// places them.
host::FormsClassOf adopted_class(const QWidget& widget);

// Where a widget's parent `page` has its origin inside `holder`, the widget of its control's
// container (a tab widget's page inside the tab widget; nothing for the container itself).
QPoint page_origin(const QWidget& page, const QWidget& holder);

// The window resized at once, a main window's central widget too (its layout would place it
// only when the window is next shown), so that its widgets stand at that size when adopted.
void resize_now(QWidget& window, QSize size);

// A widget with this dynamic property true is not a control of the window.
inline constexpr const char* kResizerWidgetMark = "kelvaneResizer";

}  // namespace kv::qt
