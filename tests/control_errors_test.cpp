// How the resizer control reports: caught errors with the procedure's name (only where a
// developer can act on them), plain messages through the form's suppressible box, and errors of
// the settings strings.
#include <gtest/gtest.h>

#include <string>

#include "control/ErrorReport.h"
#include "control/zokKelvane.h"
#include "control_rig.h"
#include "engine/CFormSizer.h"
#include "engine/SuppressibleError.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPropertyBag.h"

namespace kv {
namespace {

const std::string kQuestion =
    "Do you want to go to Kelvane HomePage to get more info and/or submit a bug report?";

class ControlErrors : public ControlRig {
  protected:
    zokKelvane& open_form(const std::string& name, mem::MemoryPropertyBag& bag) {
        make_form(name);
        return place("Kelvane1", &bag);
    }
};

TEST_F(ControlErrors, CaughtErrorBoxDependsOnWhereTheProgramRuns) {
    struct Case {
        bool errors_only_in_ide, compiled, shown, ide_sentence;
    };
    const Case cases[] = {{true, false, true, true},
                          {true, true, false, false},
                          {false, false, true, false},
                          {false, true, true, false}};
    for (const auto& c : cases) {
        host->clear_messages();
        TellProcError(Error(5, "Invalid procedure call or argument"), "FormParent_Resize",
                      c.errors_only_in_ide, c.compiled);
        ASSERT_EQ(host->messages().size(), c.shown ? 1u : 0u);
        if (!c.shown) continue;
        std::string expected =
            "Error 5 in FormParent_Resize: \r\nInvalid procedure call or argument\r\n\r\n";
        if (c.ide_sentence) expected += "This error is only shown in the IDE. ";
        expected += kQuestion;
        EXPECT_EQ(host->messages()[0].text, expected);
        EXPECT_EQ(host->messages()[0].style, kYesNoCancel | kCritical);
        EXPECT_EQ(host->messages()[0].title, "");
    }
}

TEST_F(ControlErrors, YesOpensTheHomePage) {
    host->push_answer(kNo);
    TellProcError(Error(5, "x"), "Reset", false, false);
    EXPECT_TRUE(host->opened_urls().empty());
    host->push_answer(kYes);
    TellProcError(Error(5, "x"), "Reset", false, false);
    EXPECT_EQ(host->opened_urls().size(), 1u);
}

TEST_F(ControlErrors, SuppressibleBoxNamesItsFormAndHonoursCancel) {
    int32_t state = 0;
    host->push_answer(kOK);
    ShowSuppressibleError(state, "Nothing known yet", nullptr);
    EXPECT_EQ(host->messages().back().text,
              "Nothing known yet\r\n\r\n(Click cancel to avoid more error messages for this "
              "form.)");
    EXPECT_EQ(state, kOK);
    host->push_answer(kCancel);
    ShowSuppressibleError(state, "Second", nullptr);
    EXPECT_EQ(state, kCancel);
    ShowSuppressibleError(state, "Silenced", nullptr);
    EXPECT_EQ(host->messages().size(), 2u);
}

TEST_F(ControlErrors, FailingPassIsReportedUnderTheDesignerOnly) {
    // A tiny control with a scaled font: growing the form asks for a font size the host refuses.
    for (bool designer : {true, false}) {
        host->set_running_under_designer(designer);
        host->clear_messages();
        mem::MemoryPropertyBag bag;
        bag.set("ControlSettings", Value(std::string("txtTiny \tKKKKC")));
        form = host->create_form(designer ? "frmIde" : "frmExe");
        form->set_client_size(6000, 4000);
        auto tiny = form->add_control("TextBox", "txtTiny");
        tiny->move(0, 0, 1, 1);
        auto ext = form->add_user_control(kZokKelvaneClassId, "Kelvane1", nullptr, &bag);
        form->show();
        host->pump();
        ASSERT_TRUE(host->messages().empty());
        const double fw = form->rect_twips().width, fh = form->rect_twips().height;
        form->user_resize(fw + 3000, fh + 3000);
        host->pump();
        if (!designer) {
            EXPECT_TRUE(host->messages().empty());
            continue;
        }
        ASSERT_EQ(host->messages().size(), 1u);
        EXPECT_EQ(host->messages()[0].text,
                  "Error 380 in FormParent_Resize: \r\nInvalid property value\r\n\r\nThis error "
                  "is only shown in the IDE. " +
                      kQuestion);
        // The failed pass did not start the settle timer.
        auto& k = dynamic_cast<zokKelvane&>(*ext->user_control());
        EXPECT_FALSE(k.resize_timer()->enabled());
    }
}

TEST_F(ControlErrors, FailingSettlePassIsReportedOnceAndStopsTheTimer) {
    host->set_running_under_designer(true);
    mem::MemoryPropertyBag bag;
    bag.set("ControlSettings", Value(std::string("txtTiny \tKKKKC")));
    form = host->create_form("frmMain");
    form->set_client_size(6000, 4000);
    form->add_control("TextBox", "txtTiny")->move(0, 0, 1, 1);
    auto ext = form->add_user_control(kZokKelvaneClassId, "Kelvane1", nullptr, &bag);
    auto& k = dynamic_cast<zokKelvane&>(*ext->user_control());
    form->show();
    host->pump();
    const double fw = form->rect_twips().width, fh = form->rect_twips().height;
    form->user_resize(fw + 15, fh + 15);      // placed at once, a small font
    form->user_resize(fw + 3000, fh + 3000);  // held: the timer's pass fails
    ASSERT_TRUE(host->messages().empty());
    host->pump();
    ASSERT_EQ(host->messages().size(), 1u);
    EXPECT_EQ(host->messages()[0].text.rfind("Error 380 in Resize_Timer: ", 0), 0u);
    EXPECT_FALSE(k.resize_timer()->enabled());
}

TEST_F(ControlErrors, BadIndexStopsTheRestOfTheControlSettings) {
    host->set_running_under_designer(true);
    mem::MemoryPropertyBag bag;
    bag.set("ControlSettings",
            Value(std::string("Text1 \tKKKKK\r\nList1(x) \tKKKKK\r\nText2 \tKKKKK")));
    form = host->create_form("frmMain");
    form->add_control("TextBox", "Text1");
    form->add_control("ListBox", "List1", nullptr, 0);
    form->add_control("TextBox", "Text2");
    auto ext = form->add_user_control(kZokKelvaneClassId, "Kelvane1", nullptr, &bag);
    auto& k = dynamic_cast<zokKelvane&>(*ext->user_control());
    form->load();
    EXPECT_EQ(k.control_sizer_count(), 1);
    ASSERT_EQ(host->messages().size(), 1u);
    EXPECT_EQ(
        host->messages()[0].text.rfind("Error 13 in apply_controlSettings: \r\nType mismatch", 0),
        0u)
        << host->messages()[0].text;
    EXPECT_TRUE(k.loaded());  // load processing went on
}

TEST_F(ControlErrors, CancelSilencesOnlyThatForm) {
    mem::MemoryPropertyBag bag_a, bag_b;
    zokKelvane& a = open_form("frmA", bag_a);
    zokKelvane& b = open_form("frmB", bag_b);
    host->push_answer(kCancel);
    EXPECT_EQ(a.Form_Load_CreatePane(77, 1), 0);
    ASSERT_EQ(host->messages().size(), 1u);
    EXPECT_EQ(host->messages()[0].text,
              "Bad control number for pane: 77\r\n\r\n(Click cancel to avoid more error messages "
              "for the form frmA.)");
    EXPECT_EQ(host->messages()[0].style, kOKCancel | kCritical);
    EXPECT_EQ(a.Form_Load_CreatePane(1, -3), 0);
    EXPECT_EQ(host->messages().size(), 1u);
    EXPECT_EQ(b.Form_Load_CreatePane(51, 1), 0);
    ASSERT_EQ(host->messages().size(), 2u);
    EXPECT_EQ(host->messages()[1].text.rfind("Bad control number for pane: 51", 0), 0u);
    EXPECT_EQ(a.pane_count(), 0);
}

TEST_F(ControlErrors, ZeroFirstNumberIsAReportedErrorAndBadPaneNumbersToo) {
    host->set_running_under_designer(true);
    mem::MemoryPropertyBag bag;
    zokKelvane& k = open_form("frmMain", bag);
    EXPECT_EQ(k.Form_Load_CreatePane(0, 1), 0);
    ASSERT_EQ(host->messages().size(), 1u);
    EXPECT_EQ(host->messages()[0].text.rfind("Error 9 in Form_Load_CreatePane: ", 0), 0u);
    k.Container_MouseDown(3, 10, 10);
    ASSERT_EQ(host->messages().size(), 2u);
    EXPECT_EQ(host->messages()[1].text.rfind("Error 9 in Container_MouseDown: ", 0), 0u);
}

}  // namespace
}  // namespace kv
