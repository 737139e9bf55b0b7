#pragma once
// A date picker or a month calendar of the common controls as it looks before the program
// touches it: its date (CurrentDate, a date number as DateSerial.h reads it); a picker's Format
// (long date, short date, time, or its own CustomFormat), its check box (CheckBox) and its
// up-down arrows in place of the drop-down button (UpDown); a calendar's first day of the week
// (StartOfWeek), week numbers (ShowWeekNumbers), today's line (ShowToday), months across and
// down (MonthColumns, MonthRows) and its colours. The designer writes Format and StartOfWeek
// with other bits above the low word: the low word is the value. Shown alike in the tool's
// pictures, a live form and an exported .ui.
#include <optional>
#include <string>
#include <string_view>

#include "engine/HostObject.h"

namespace kv::host {

class DateLook {
  public:
    enum class Kind { Picker, Month };
    enum Format { LongDate = 0, ShortDate = 1, Time = 2, Custom = 3 };

    Kind kind = Kind::Picker;
    double date = 0;  // CurrentDate; a control saved without one shows the day it was drawn
    int format = ShortDate;
    std::string custom_format;
    bool check_box = false;
    bool up_down = false;
    int start_of_week = 1;  // 1 Sunday .. 7 Saturday
    bool week_numbers = false;
    bool show_today = true;
    int month_columns = 1, month_rows = 1;
    // A calendar's colours as the file gives them (nullopt: the system's).
    std::optional<double> title_back, title_fore, month_back, trailing_fore;

    // Is a control of this class a date picker or a month calendar (by class name)?
    static std::optional<Kind> kind_of(std::string_view class_name);
    // The look of such a control; nullopt for another.
    static std::optional<DateLook> read(HostObject& control, std::string_view class_name);

    // The picker's format in its own letters (DateSerial.h), "M/d/yyyy" for a short date.
    std::string pattern() const;
    // The date as the picker shows it.
    std::string shown() const;
    // Whether the pattern shows the date, the time of day.
    bool shows_date() const;
    bool shows_time() const;

    // A pattern in Qt's letters for a date edit's displayFormat, and a displayFormat back in
    // the picker's (AM/PM and literal text as each writes them).
    static std::string qt_pattern(std::string_view pattern);
    static std::string from_qt_pattern(std::string_view qt);
    // Qt's name of a first day of the week ("Qt::Sunday" for 1), and the day a name is (none for
    // a name it does not know).
    static const char* qt_day(int start_of_week);
    static std::optional<int> day_of_qt(std::string_view qt_day);
};

}  // namespace kv::host
