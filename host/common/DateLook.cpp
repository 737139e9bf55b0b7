#include "host/common/DateLook.h"

#include <algorithm>
#include <cctype>

#include "host/common/DateSerial.h"
#include "host/common/NamedValues.h"
#include "host/common/TextFold.h"

namespace kv::host {

namespace {

// The value in the low word of a number the designer writes with other bits above it.
std::optional<int> low_word(HostObject& c, const char* name) {
    const auto v = named_number(c, name);
    if (!v || *v < 0 || *v > 4294967295.0) return std::nullopt;
    return static_cast<int>(static_cast<uint32_t>(*v) & 0xFFFF);
}

bool flag(HostObject& c, const char* name, bool fallback) {
    const auto v = named_number(c, name);
    return v ? *v != 0 : fallback;
}

bool letter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// The fields both notations write alike (day, month, year, hours, minutes, seconds), in Qt's
// lengths; false for any other letter.
bool same_field(char c, size_t n, std::string& out) {
    switch (c) {
        case 'd':
        case 'M':
            out.append(std::min<size_t>(n, 4), c);
            return true;
        case 'y':
            out += n >= 3 ? "yyyy" : "yy";  // Qt shows no year of one digit
            return true;
        case 'h':
        case 'H':
        case 'm':
        case 's':
            out.append(std::min<size_t>(n, 2), c);
            return true;
        default:
            return false;
    }
}

// Whether a pattern has a field of one of `letters` (quoted text has none).
bool has_field(std::string_view pattern, std::string_view letters) {
    bool any = false;
    walk_pattern(
        pattern, [](const std::string&) {},
        [&](std::string_view p, size_t i, size_t n) {
            any = any || letters.find(p[i]) != std::string_view::npos;
            return n;
        });
    return any;
}

// Text both notations show as it stands: letters quoted, a quote doubled.
std::string literal(std::string_view text) {
    const bool letters = std::any_of(text.begin(), text.end(), letter);
    std::string out = letters ? "'" : "";
    for (char c : text) out += c == '\'' ? std::string("''") : std::string(1, c);
    if (letters) out += '\'';
    return out;
}

}  // namespace

std::optional<DateLook::Kind> DateLook::kind_of(std::string_view class_name) {
    if (iequal(class_name, "DTPicker")) return Kind::Picker;
    if (iequal(class_name, "MonthView")) return Kind::Month;
    return std::nullopt;
}

std::optional<DateLook> DateLook::read(HostObject& c, std::string_view class_name) {
    const auto kind = kind_of(class_name);
    if (!kind) return std::nullopt;
    DateLook d;
    d.kind = *kind;
    d.date = named_number(c, "CurrentDate").value_or(serial_of(today()));
    d.format = std::clamp(low_word(c, "Format").value_or(ShortDate), 0, 3);
    d.custom_format = named_text(c, "CustomFormat").value_or("");
    // A custom format left empty shows the short date.
    if (d.format == Custom && d.custom_format.empty()) d.format = ShortDate;
    d.check_box = flag(c, "CheckBox", false);
    d.up_down = flag(c, "UpDown", false);
    const int start = low_word(c, "StartOfWeek").value_or(1);
    d.start_of_week = start >= 1 && start <= 7 ? start : 1;
    d.week_numbers = flag(c, "ShowWeekNumbers", false);
    d.show_today = flag(c, "ShowToday", true);
    d.month_columns = whole(named_number(c, "MonthColumns").value_or(1), 1, 12);
    d.month_rows = whole(named_number(c, "MonthRows").value_or(1), 1, 12);
    d.title_back = named_number(c, "TitleBackColor");
    d.title_fore = named_number(c, "TitleForeColor");
    d.month_back = named_number(c, "MonthBackColor");
    d.trailing_fore = named_number(c, "TrailingForeColor");
    return d;
}

std::string DateLook::pattern() const {
    switch (format) {
        case LongDate:
            return "dddd, MMMM dd, yyyy";
        case Time:
            return "h:mm:ss tt";
        case Custom:
            return custom_format;
        default:
            return "M/d/yyyy";
    }
}

std::string DateLook::shown() const {
    return format_date(date, pattern());
}

bool DateLook::shows_date() const {
    return has_field(pattern(), "dMy");
}

bool DateLook::shows_time() const {
    return has_field(pattern(), "hHms");
}

namespace {

// By the runtime's count, Sunday first.
constexpr const char* kQtDays[] = {"Qt::Sunday",   "Qt::Monday", "Qt::Tuesday", "Qt::Wednesday",
                                   "Qt::Thursday", "Qt::Friday", "Qt::Saturday"};

}  // namespace

const char* DateLook::qt_day(int start_of_week) {
    return kQtDays[std::clamp(start_of_week, 1, 7) - 1];
}

std::optional<int> DateLook::day_of_qt(std::string_view qt_day) {
    for (int i = 0; i < 7; ++i)
        if (qt_day == kQtDays[i]) return i + 1;
    return std::nullopt;
}

std::string DateLook::qt_pattern(std::string_view pattern) {
    std::string out;
    walk_pattern(
        pattern, [&](const std::string& text) { out += literal(text); },
        [&](std::string_view p, size_t i, size_t n) {
            const char c = p[i];
            if (same_field(c, n, out)) return n;
            if (c == 't')
                out += "AP";
            else if (c != 'X')  // the program's field: nothing to show
                out += literal(std::string(n, c));
            return n;
        });
    return out;
}

std::string DateLook::from_qt_pattern(std::string_view qt) {
    std::string out;
    walk_pattern(
        qt, [&](const std::string& text) { out += literal(text); },
        [&](std::string_view p, size_t i, size_t n) -> size_t {
            const char c = p[i];
            if (same_field(c, n, out)) return n;
            if (c == 'A' || c == 'a') {
                // AP, ap, A or a: the half of the day.
                out += "tt";
                return n == 1 && i + 1 < p.size() && (p[i + 1] == 'P' || p[i + 1] == 'p') ? 2 : n;
            }
            // Milliseconds and the time zone: the picker shows neither.
            if (c != 'z' && c != 't') out += literal(std::string(n, c));
            return n;
        });
    return out;
}

}  // namespace kv::host
