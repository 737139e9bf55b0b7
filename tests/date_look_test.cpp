// The date controls' dates: the runtime's date numbers as days and times, a picker's formats
// (its own letters and Qt's), and what a form file's date picker and month calendar say.
#include <gtest/gtest.h>

#include <limits>

#include "frm_test_util.h"
#include "host/common/DateLook.h"
#include "host/common/DateSerial.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"
#include "host/memory/MemoryHost.h"

using namespace kv;
using host::CivilDate;
using host::DateLook;

TEST(DateSerial, DaysTimesAndWeeks) {
    struct Case {
        double serial;
        CivilDate date;
        int hour, minute, weekday, iso_week;
    };
    const Case cases[] = {
        {0, {1899, 12, 30}, 0, 0, 7, 52},
        {1, {1899, 12, 31}, 0, 0, 1, 52},
        {2, {1900, 1, 1}, 0, 0, 2, 1},
        {60, {1900, 2, 28}, 0, 0, 4, 9},  // 1900 was no leap year
        {61, {1900, 3, 1}, 0, 0, 5, 9},
        {36526.5, {2000, 1, 1}, 12, 0, 7, 52},  // a Saturday of the last year's week
        {36585, {2000, 2, 29}, 0, 0, 3, 9},
        {46371.4375, {2026, 12, 15}, 10, 30, 3, 51},
        {46388, {2027, 1, 1}, 0, 0, 6, 53},
        // Before the first day the date counts back, the fraction still the time after midnight.
        {-1.25, {1899, 12, 29}, 6, 0, 6, 52},
        {-657434, {100, 1, 1}, 0, 0, 6, 53},
        {2958465, {9999, 12, 31}, 0, 0, 6, 52},
    };
    for (const Case& c : cases) {
        const CivilDate d = host::civil_of(c.serial);
        EXPECT_EQ(d, c.date) << c.serial << ": " << d.year << "-" << d.month << "-" << d.day;
        EXPECT_EQ(host::time_of(c.serial).hour, c.hour) << c.serial;
        EXPECT_EQ(host::time_of(c.serial).minute, c.minute) << c.serial;
        EXPECT_EQ(host::weekday_of(d), c.weekday) << c.serial;
        EXPECT_EQ(host::iso_week_of(d), c.iso_week) << c.serial;
        EXPECT_DOUBLE_EQ(host::serial_of(d, host::time_of(c.serial)), c.serial);
    }
    // Numbers no date has are taken to the nearer end.
    EXPECT_EQ(host::civil_of(1e12), (CivilDate{9999, 12, 31}));
    EXPECT_EQ(host::civil_of(-1e12), (CivilDate{100, 1, 1}));
    EXPECT_EQ(host::civil_of(std::numeric_limits<double>::quiet_NaN()), (CivilDate{1899, 12, 30}));
    EXPECT_EQ(host::days_in_month(2024, 2), 29);
    EXPECT_EQ(host::days_in_month(2100, 2), 28);
}

TEST(DateLook, FormatsInThePickersLettersAndQts) {
    struct Case {
        const char* pattern;
        const char* shown;  // of 46371.75: Tuesday 15 December 2026, 6 p.m.
        const char* qt;
    };
    const Case cases[] = {
        {"M/d/yyyy", "12/15/2026", "M/d/yyyy"},
        {"dddd, MMMM dd, yyyy", "Tuesday, December 15, 2026", "dddd, MMMM dd, yyyy"},
        {"h:mm:ss tt", "6:00:00 PM", "h:mm:ss AP"},
        {"ddd dd-MMM-yy HH:mm t", "Tue 15-Dec-26 18:00 P", "ddd dd-MMM-yy HH:mm AP"},
        // Quoted text, a quote in it, letters that are no field; the program's fields show
        // nothing; Qt has no one-digit year.
        {"'Week of' d MMMM", "Week of 15 December", "'Week of' d MMMM"},
        {"'It''s' y", "It's 6", "'It''s' yy"},
        {"XX, yyy", ", 2026", ", yyyy"},
        {"dd.MM.yyyy", "15.12.2026", "dd.MM.yyyy"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(host::format_date(46371.75, c.pattern), c.shown) << c.pattern;
        EXPECT_EQ(DateLook::qt_pattern(c.pattern), c.qt) << c.pattern;
    }
    // Qt's back: its half-day letters, milliseconds and time zone.
    EXPECT_EQ(DateLook::from_qt_pattern("h:mm:ss AP"), "h:mm:ss tt");
    EXPECT_EQ(DateLook::from_qt_pattern("hh:mm ap"), "hh:mm tt");
    EXPECT_EQ(DateLook::from_qt_pattern("HH:mm:ss.zzz t"), "HH:mm:ss. ");
    EXPECT_EQ(DateLook::from_qt_pattern("'at' HH 'o''clock'"), "'at' HH 'o''clock'");
}

TEST(DateLook, WhatTheFileSays) {
    auto host = mem::MemoryHost::install();
    auto loaded =
        frm::FrmLoader::load(frm::FrmReader::read_file(test::data_dir() + "/booking.frm"), *host);
    const auto look = [&](const char* name) {
        mem::MemoryObject& c = *loaded.form->control(name);
        return DateLook::read(c, c.type_name());
    };
    // The designer's Format and StartOfWeek carry other bits above the value.
    const auto date = look("dtpDate");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->format, DateLook::ShortDate);
    EXPECT_EQ(date->shown(), "12/15/2026");
    EXPECT_FALSE(date->up_down);
    const auto time = look("dtpTime");
    EXPECT_EQ(time->shown(), "10:30:00 AM");
    EXPECT_TRUE(time->up_down);
    EXPECT_FALSE(time->shows_date());
    const auto remind = look("dtpRemind");
    EXPECT_EQ(remind->shown(), "Mon 14-12-2026 18:00");
    EXPECT_TRUE(remind->check_box);
    EXPECT_TRUE(remind->shows_date() && remind->shows_time());
    const auto month = look("mvwMonth");
    ASSERT_TRUE(month);
    EXPECT_EQ(month->kind, DateLook::Kind::Month);
    EXPECT_EQ(month->start_of_week, 2);
    EXPECT_TRUE(month->week_numbers);
    EXPECT_TRUE(month->show_today);
    EXPECT_FALSE(look("txtNotes"));
    Host::set_current(nullptr);
}

TEST(DateLook, OddValuesFallBackToTheDefaults) {
    auto host = mem::MemoryHost::install();
    auto form = host->create_form("frmOdd");
    auto& c = *form->add_control("DTPicker", "dtp");
    c.set_raw("Format", 7.0);                  // no such format: the last there is
    c.set_raw("CustomFormat", std::string());  // and an empty custom one shows the short date
    c.set_raw("StartOfWeek", 9.0);
    c.set_raw("MonthColumns", 1e9);
    auto look = DateLook::read(c, "DTPicker");
    ASSERT_TRUE(look);
    EXPECT_EQ(look->format, DateLook::ShortDate);
    EXPECT_EQ(look->start_of_week, 1);
    EXPECT_EQ(look->month_columns, 12);
    c.set_raw("Format", -5.0);
    EXPECT_EQ(DateLook::read(c, "DTPicker")->format, DateLook::ShortDate);
    Host::set_current(nullptr);
}
