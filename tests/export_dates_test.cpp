// The date controls exported: a date picker as the date edit of its format, a month calendar as
// a calendar widget; an up-down control as a frame of two arrow buttons. Read back, the same
// controls, with what Designer changed.
#include <gtest/gtest.h>

#include "export_rig.h"
#include "host/common/DateLook.h"
#include "host/common/DateSerial.h"
#include "host/common/UpDownLook.h"

namespace kv::exporter {
namespace {

using namespace test_rig;

std::optional<host::DateLook> look_of(FormRun& run, const char* name) {
    mem::MemoryObject& c = *run.form->control(name);
    return host::DateLook::read(c, c.type_name());
}

TEST(Export, DatePickersAndCalendarsAreQtsDateWidgets) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "booking.ui").string();
    const auto done = export_form_file(test::data_dir() + "/booking.frm", ui, {});
    EXPECT_EQ(done.report.placeholders, 0u);
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    // The widget by what the format shows: a date, a time of day, or both.
    EXPECT_EQ(*e.by_name.at("dtpDate")->attribute("class"), "QDateEdit");
    EXPECT_EQ(*e.by_name.at("dtpTime")->attribute("class"), "QTimeEdit");
    EXPECT_EQ(*e.by_name.at("dtpRemind")->attribute("class"), "QDateTimeEdit");
    EXPECT_EQ(*e.by_name.at("mvwMonth")->attribute("class"), "QCalendarWidget");
    EXPECT_EQ(values.string(*e.by_name.at("dtpDate"), "displayFormat"), "M/d/yyyy");
    EXPECT_EQ(values.boolean(*e.by_name.at("dtpDate"), "calendarPopup"), true);
    EXPECT_FALSE(values.boolean(*e.by_name.at("dtpTime"), "calendarPopup")) << "its arrows";
    EXPECT_EQ(values.string(*e.by_name.at("dtpRemind"), "displayFormat"), "ddd dd-MM-yyyy HH:mm");
    const ui::UiElement* when = e.by_name.at("dtpTime")->property("dateTime")->child("datetime");
    EXPECT_EQ(when->child("hour")->text, "10");
    EXPECT_EQ(when->child("minute")->text, "30");
    EXPECT_EQ(values.enumeration(*e.by_name.at("mvwMonth"), "firstDayOfWeek"), "Qt::Monday");

    FormRun back = run_ui(ui);
    FormRun original = run_form_file(test::data_dir() + "/booking.frm");
    for (const char* name : {"dtpDate", "dtpTime", "dtpRemind", "mvwMonth"}) {
        SCOPED_TRACE(name);
        const auto look = look_of(back, name);
        ASSERT_TRUE(look);
        const auto was = look_of(original, name);
        EXPECT_DOUBLE_EQ(look->date, was->date);
        EXPECT_EQ(look->shown(), was->shown());
        EXPECT_EQ(look->up_down, was->up_down);
        EXPECT_EQ(look->check_box, was->check_box);
        EXPECT_EQ(look->start_of_week, was->start_of_week);
        EXPECT_EQ(look->week_numbers, was->week_numbers);
    }
}

TEST(Export, DatesChangedInDesignerReadBackAsChanged) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "booking.ui").string();
    export_form_file(test::data_dir() + "/booking.frm", ui, {});
    std::string text = test::slurp(ui);
    for (const auto& [from, to] : {
             std::pair<std::string, std::string>{"<string>M/d/yyyy</string>",
                                                 "<string>dd.MM.yyyy</string>"},
             {"<enum>Qt::Monday</enum>", "<enum>Qt::Sunday</enum>"},
             {"<day>15</day>", "<day>24</day>"},
         }) {
        ASSERT_NE(text.find(from), std::string::npos) << from;
        while (text.find(from) != std::string::npos) text.replace(text.find(from), from.size(), to);
    }
    test::spit(ui, text);
    FormRun back = run_ui(ui);
    const auto date = look_of(back, "dtpDate");
    EXPECT_EQ(date->format, host::DateLook::Custom);
    EXPECT_EQ(date->shown(), "24.12.2026");
    EXPECT_EQ(look_of(back, "mvwMonth")->start_of_week, 1);
    EXPECT_EQ(host::civil_of(look_of(back, "mvwMonth")->date), (host::CivilDate{2026, 12, 24}));
}

TEST(Export, AnUpDownIsTwoArrowButtons) {
    ScratchDir dir;
    const std::string ui = (dir.path() / "booking.ui").string();
    export_form_file(test::data_dir() + "/booking.frm", ui, {});
    const Exported e(ui);
    const ui::UiValues values(e.doc);
    const ui::UiElement& frame = *e.by_name.at("updGuests");
    EXPECT_EQ(values.string(frame, "BuddyControl"), "txtGuests");
    const auto buttons = frame.child("layout")->children_named("item");
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(values.enumeration(*buttons[0]->child("widget"), "arrowType"), "Qt::UpArrow");
    // Turned to lie across in Designer, it comes back lying across.
    std::string text = test::slurp(ui);
    const std::string vbox = "<layout class=\"QVBoxLayout\" name=\"updGuests_layout\">";
    ASSERT_NE(text.find(vbox), std::string::npos);
    text.replace(text.find(vbox), vbox.size(),
                 "<layout class=\"QHBoxLayout\" name=\"updGuests_layout\">");
    test::spit(ui, text);
    FormRun back = run_ui(ui);
    const auto look = host::UpDownLook::read(*back.form->control("updGuests"));
    EXPECT_TRUE(look.across);
    EXPECT_EQ(look.min, 1);
    EXPECT_EQ(look.max, 12);
    EXPECT_EQ(look.value, 2);
    EXPECT_EQ(look.buddy, "txtGuests");
    EXPECT_TRUE(look.sync_buddy);
}

}  // namespace
}  // namespace kv::exporter
