#pragma once
// Common controls on a form's window as Qt's own widgets. A progress bar or a slider: Qt's
// QProgressBar (no text on it, as the runtime's shows none) or QSlider over the control's range,
// lying as it lies, a slider's ticks on the sides TickStyle names, its Min at the top when it
// stands upright. A list view: in report view a QTreeWidget of its columns (their captions,
// widths and alignment; no tree lines), else a QListWidget of icons or lines; a tree view a
// QTreeWidget without a header. A data grid: a QTableWidget of its columns (captions, widths,
// alignment), its record selectors the table's row header, no rows until records come. A date
// picker: a QDateTimeEdit showing its date in its format, with the calendar popping up (or
// up-down arrows where it has them), its check box at its left end (QtDatePicker); a month
// calendar: a QCalendarWidget on its date, its weeks from its first day, week numbers where
// asked.
#include "host/common/DataGridLook.h"
#include "host/common/DateLook.h"
#include "host/common/ListViewLook.h"
#include "host/common/RangeLook.h"

class QWidget;

namespace kv::qt {

QWidget* make_range_widget(const host::RangeLook& look, QWidget* parent);
QWidget* make_list_view(const host::ListViewLook& look, double twips_per_pixel, QWidget* parent);
QWidget* make_data_grid(const host::DataGridLook& look, double twips_per_pixel, QWidget* parent);
QWidget* make_date_widget(const host::DateLook& look, QWidget* parent);

}  // namespace kv::qt
