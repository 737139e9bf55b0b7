#include "host/common/DateSerial.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace kv::host {

namespace {

namespace chr = std::chrono;

constexpr long kSerialOf1970 = 25569;  // 1 January 1970

// Days from 1 January 1970 and back, in the proleptic Gregorian calendar (a day that is no
// date, 31 February, runs on into the next month as the runtime's DateSerial does).
long days_from_civil(int y, int m, int d) {
    const chr::year_month_day first{chr::year{y} / chr::month{static_cast<unsigned>(m)} / 1};
    return chr::sys_days{first}.time_since_epoch().count() + (d - 1);
}

CivilDate civil_from_days(long z) {
    const chr::year_month_day ymd{chr::sys_days{chr::days{z}}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

double clamped(double serial) {
    if (!std::isfinite(serial)) return 0;
    return std::clamp(serial, kFirstDateSerial, kLastDateSerial + 0.99999);
}

constexpr std::string_view kMonths[] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};
constexpr std::string_view kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};

std::string two_digits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

CivilDate civil_of(double serial) {
    return civil_from_days(static_cast<long>(std::trunc(clamped(serial))) - kSerialOf1970);
}

DayTime time_of(double serial) {
    const double s = clamped(serial);
    const double fraction = std::abs(s - std::trunc(s));
    // A time a hair before midnight stays on its day.
    const long seconds = std::min(86399L, std::lround(fraction * 86400));
    return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
            static_cast<int>(seconds % 60)};
}

double serial_of(const CivilDate& date, const DayTime& time) {
    const double day =
        static_cast<double>(days_from_civil(date.year, date.month, date.day) + kSerialOf1970);
    const double fraction = (time.hour * 3600.0 + time.minute * 60.0 + time.second) / 86400.0;
    return day < 0 ? day - fraction : day + fraction;
}

int weekday_of(const CivilDate& date) {
    const chr::sys_days day{chr::days{days_from_civil(date.year, date.month, date.day)}};
    return static_cast<int>(chr::weekday{day}.c_encoding()) + 1;  // Sunday 0
}

int days_in_month(int year, int month) {
    if (month < 1 || month > 12) return 30;
    const chr::year_month_day_last last{chr::year{year} / chr::month{static_cast<unsigned>(month)} /
                                        chr::last};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

int iso_week_of(const CivilDate& date) {
    const long days = days_from_civil(date.year, date.month, date.day);
    const int monday_based = (weekday_of(date) + 5) % 7;  // Monday 0 .. Sunday 6
    // The week's Thursday decides its year.
    const CivilDate thursday = civil_from_days(days - monday_based + 3);
    const long first = days_from_civil(thursday.year, 1, 1);
    return static_cast<int>((days - monday_based + 3 - first) / 7 + 1);
}

CivilDate today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string_view month_name(int month) {
    return kMonths[std::clamp(month, 1, 12) - 1];
}

std::string_view day_name(int weekday) {
    return kDays[std::clamp(weekday, 1, 7) - 1];
}

void walk_pattern(std::string_view p, const std::function<void(const std::string&)>& quoted,
                  const std::function<size_t(std::string_view, size_t, size_t)>& run) {
    for (size_t i = 0; i < p.size();) {
        if (p[i] == '\'') {
            std::string text;
            size_t j = i + 1;
            for (; j < p.size(); ++j) {
                if (p[j] != '\'') {
                    text += p[j];
                } else if (j + 1 < p.size() && p[j + 1] == '\'') {
                    text += '\'';
                    ++j;
                } else {
                    break;
                }
            }
            quoted(text);
            i = j + 1;
            continue;
        }
        size_t n = 1;
        while (i + n < p.size() && p[i + n] == p[i]) ++n;
        i += std::max<size_t>(1, run(p, i, n));
    }
}

std::string format_date(double serial, std::string_view pattern) {
    const CivilDate d = civil_of(serial);
    const DayTime t = time_of(serial);
    const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    std::string out;
    walk_pattern(
        pattern, [&](const std::string& text) { out += text; },
        [&](std::string_view p, size_t i, size_t run) {
            const char c = p[i];
            switch (c) {
                case 'd':
                    out += run == 1   ? std::to_string(d.day)
                           : run == 2 ? two_digits(d.day)
                           : run == 3 ? std::string(day_name(weekday_of(d)).substr(0, 3))
                                      : std::string(day_name(weekday_of(d)));
                    break;
                case 'M':
                    out += run == 1   ? std::to_string(d.month)
                           : run == 2 ? two_digits(d.month)
                           : run == 3 ? std::string(month_name(d.month).substr(0, 3))
                                      : std::string(month_name(d.month));
                    break;
                case 'y':
                    out += run == 1   ? std::to_string(d.year % 10)
                           : run == 2 ? two_digits(d.year % 100)
                                      : std::to_string(d.year);
                    break;
                case 'h':
                    out += run == 1 ? std::to_string(hour12) : two_digits(hour12);
                    break;
                case 'H':
                    out += run == 1 ? std::to_string(t.hour) : two_digits(t.hour);
                    break;
                case 'm':
                    out += run == 1 ? std::to_string(t.minute) : two_digits(t.minute);
                    break;
                case 's':
                    out += run == 1 ? std::to_string(t.second) : two_digits(t.second);
                    break;
                case 't':
                    out += t.hour < 12 ? (run == 1 ? "A" : "AM") : (run == 1 ? "P" : "PM");
                    break;
                case 'X':
                    break;  // the program's own field
                default:
                    out.append(run, c);
            }
            return run;
        });
    return out;
}

}  // namespace kv::host
