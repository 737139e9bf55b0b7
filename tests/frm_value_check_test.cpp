// Values of the wrong type or range in a form file are refused at their line, naming the
// property, before the form is loaded.
#include <gtest/gtest.h>

#include "host/frm/FrmError.h"
#include "host/frm/FrmReader.h"
#include "host/frm/FrmValueCheck.h"

using namespace kv::frm;

namespace {

struct Case {
    const char* line;     // a property line of a command button inside the form
    const char* message;  // "" when the value is fine
};

class ValueCheck : public ::testing::TestWithParam<Case> {};

TEST_P(ValueCheck, RefusesAtTheLineNamingTheProperty) {
    const std::string text = std::string("VERSION 5.00\r\nBegin VB.Form F \r\n") +
                             "   Begin VB.CommandButton cmd \r\n      " + GetParam().line +
                             "\r\n   End\r\nEnd\r\n";
    const auto doc = FrmReader::read_bytes(text, "v.frm");
    const std::string expected = GetParam().message;
    try {
        FrmValueCheck::check(doc);
        EXPECT_EQ(expected, "") << "accepted " << GetParam().line;
    } catch (const FrmError& e) {
        EXPECT_EQ(std::string(e.what()), expected.empty() ? "" : "v.frm:4: " + expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, ValueCheck,
    ::testing::Values(
        Case{"Left = 120", ""}, Case{"Left = -2400.5", ""}, Case{"Align = 1 'Top", ""},
        Case{"Visible = 0 'False", ""}, Case{"Visible = True", ""},
        Case{"BackColor = &H8000000F&", ""}, Case{"Height = 0", ""},
        Case{"StartUpPosition = abc",
             "expected a whole number from -32768 to 32767 for StartUpPosition, found 'abc'"},
        Case{"Align = =jet",
             "expected a whole number from -32768 to 32767 for Align, found '=jet'"},
        Case{"Align = 1.5", "expected a whole number from -32768 to 32767 for Align, found '1.5'"},
        Case{"TabIndex = 40000",
             "expected a whole number from -32768 to 32767 for TabIndex, found '40000'"},
        Case{"Index = 32767", ""},
        Case{"Index = -1",
             "expected a control-array index, a whole number from 0 to 32767 for Index, found "
             "'-1'"},
        Case{"Index = 32768",
             "expected a control-array index, a whole number from 0 to 32767 for Index, found "
             "'32768'"},
        Case{"Visible = maybe",
             "expected True, False or a whole number from -32768 to 32767 for Visible, found "
             "'maybe'"},
        Case{"Height = -2147483649",
             "expected a number from 0 to 2147483647 for Height, found '-2147483649'"},
        Case{"Width = -1000", "expected a number from 0 to 2147483647 for Width, found '-1000'"},
        Case{"Left = 1e308",
             "expected a number from -2147483647 to 2147483647 for Left, found '1e308'"},
        Case{"Top = \"12\"",
             "expected a number from -2147483647 to 2147483647 for Top, found '\"12\"'"},
        Case{"BackColor = 99999999999",
             "expected a colour number such as &H8000000F& for BackColor, found '99999999999'"},
        Case{"FontSize = 0",
             "expected a font size above 0 and at most 2160 for FontSize, found '0'"}));

TEST(ValueCheck, FontSizeFormClientSizeAndWindowState) {
    const struct {
        std::string text, message;
    } cases[] = {
        {"VERSION 5.00\r\nBegin VB.Form F \r\n   ClientWidth = 1e308\r\nEnd\r\n",
         "v.frm:3: expected a number from 0 to 2147483647 for ClientWidth, found '1e308'"},
        {"VERSION 5.00\r\nBegin VB.Form F \r\n   ClientWidth = -1000\r\nEnd\r\n",
         "v.frm:3: expected a number from 0 to 2147483647 for ClientWidth, found '-1000'"},
        {"VERSION 5.00\r\nBegin VB.Form F \r\n   BeginProperty Font \r\n      Size = 1E+308\r\n"
         "   EndProperty\r\nEnd\r\n",
         "v.frm:4: expected a font size above 0 and at most 2160 for Size, found '1E+308'"},
        {"VERSION 5.00\r\nBegin VB.Form F \r\n   WindowState = 7\r\nEnd\r\n",
         "v.frm:3: expected a window state 0 (normal), 1 (minimised) or 2 (maximised) for "
         "WindowState, found '7'"},
        {"VERSION 5.00\r\nBegin VB.Form F \r\n   WindowState = -1\r\nEnd\r\n",
         "v.frm:3: expected a window state 0 (normal), 1 (minimised) or 2 (maximised) for "
         "WindowState, found '-1'"},
    };
    for (const auto& c : cases) {
        const auto doc = FrmReader::read_bytes(c.text, "v.frm");
        try {
            FrmValueCheck::check(doc);
            ADD_FAILURE() << "accepted " << c.text;
        } catch (const FrmError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

}  // namespace
