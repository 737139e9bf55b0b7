#pragma once
// Dates as the forms runtime keeps them: a number of days from 30 December 1899, the time of day
// as its fraction (a date before that day is negative, its fraction still the time after
// midnight). A form file writes a date control's date so. With the calendar's arithmetic the
// date controls need, and their English names (no locale is read).
#include <functional>
#include <string>
#include <string_view>

namespace kv::host {

struct CivilDate {
    int year = 1899, month = 12, day = 30;
    bool operator==(const CivilDate&) const = default;
};

struct DayTime {
    int hour = 0, minute = 0, second = 0;
};

// The runtime's dates run from 1 January 100 to 31 December 9999: a number outside is taken to
// the nearer end (files hold whatever they hold).
inline constexpr double kFirstDateSerial = -657434;  // 1 January 100
inline constexpr double kLastDateSerial = 2958465;   // 31 December 9999

CivilDate civil_of(double serial);
DayTime time_of(double serial);
double serial_of(const CivilDate& date, const DayTime& time = {});
// 1 Sunday to 7 Saturday, as the runtime counts the days of the week.
int weekday_of(const CivilDate& date);
int days_in_month(int year, int month);
// The week of the year as ISO 8601 counts it (weeks from Monday; week 1 holds the year's first
// Thursday), as a calendar's week numbers show it.
int iso_week_of(const CivilDate& date);
// Today by the machine's clock and time zone.
CivilDate today();

// "January" .. "December" (1-12), "Sunday" .. "Saturday" (1-7).
std::string_view month_name(int month);
std::string_view day_name(int weekday);

// A date written with a date picker's format letters: d dd ddd dddd (day, two digits, short and
// long name), M MM MMM MMMM (month alike), y yy yyy (last digit, two digits, whole year), h hh
// (12-hour clock), H HH (24-hour), m mm, s ss, t tt (A or P, AM or PM); 'text' as it stands
// ('' a quote); X fields, which the program fills, show nothing; anything else as it stands.
std::string format_date(double serial, std::string_view pattern);

// Walks a pattern as both notations quote text: quoted text to `quoted` (without its quotes, ''
// as one quote), each run of one character (where, how long) to `run`, which says how much of
// it it took.
void walk_pattern(std::string_view pattern, const std::function<void(const std::string&)>& quoted,
                  const std::function<size_t(std::string_view, size_t, size_t)>& run);

}  // namespace kv::host
