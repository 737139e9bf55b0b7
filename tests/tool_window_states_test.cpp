// Window states as a user goes through them with the kelvane tool: minimising and restoring a
// form set up with AddAllControls and scaled fonts brings every control back as it was.
#include <gtest/gtest.h>

#include "frm_test_util.h"
#include "tool_run.h"

using namespace kv::app;
using kv::test::has;
using kv::test::run;
using kv::test::ScratchDir;
using kv::test::spit;

namespace {

const char* kAllControls =
    "VERSION 5.00\r\n"
    "Object = \"{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0\"; \"zokKL4VB.ocx\"\r\n"
    "Begin VB.Form frmAll \r\n   ClientHeight    =   3000\r\n   ClientWidth     =   4000\r\n"
    "   StartUpPosition =   0  'Manual\r\n"
    "   Begin VB.TextBox txtName \r\n      Height          =   375\r\n"
    "      Left            =   120\r\n      Top             =   120\r\n"
    "      Width           =   2000\r\n      BeginProperty Font \r\n"
    "         Name            =   \"Arial\"\r\n         Size            =   9.75\r\n"
    "      EndProperty\r\n   End\r\n"
    "   Begin VB.CommandButton cmdGo \r\n      Caption         =   \"Go\"\r\n"
    "      Height          =   450\r\n      Left            =   2400\r\n"
    "      Top             =   2400\r\n      Width           =   1200\r\n"
    "      BeginProperty Font \r\n         Name            =   \"Arial\"\r\n"
    "         Size            =   12\r\n      EndProperty\r\n   End\r\n"
    "   Begin VB.Label lblNote \r\n      Caption         =   \"Note\"\r\n"
    "      Height          =   300\r\n      Left            =   120\r\n"
    "      Top             =   900\r\n      Width           =   3000\r\n   End\r\n"
    "   Begin zokKL4VB.zokKelvane zk \r\n      Left            =   120\r\n"
    "      Top             =   120\r\n      _ExtentX        =   847\r\n"
    "      _ExtentY        =   847\r\n      AddAllControls  =   -1  'True\r\n   End\r\n"
    "End\r\nAttribute VB_Name = \"frmAll\"\r\n";

// The controls part of a layout --json answer (geometry and font of every control).
std::string controls_of(const std::string& json) {
    const auto at = json.find("\"controls\"");
    const auto end = json.find("\"messages\"");
    return at == std::string::npos ? json : json.substr(at, end - at);
}

}  // namespace

TEST(WindowStates, MinimiseAndRestoreBringEveryControlBackWithItsFont) {
    ScratchDir dir;
    const auto frm = (dir.path() / "all.frm").string();
    spit(frm, kAllControls);
    for (const char* size : {"4120x3405", "8000x6000"}) {
        SCOPED_TRACE(size);
        const auto plain = run(cmd_layout, {frm, "--size", size, "--json", "--store",
                                            (dir.path() / "a.sqlite").string()});
        ASSERT_EQ(plain.status, 0) << plain.err;
        const auto there_and_back =
            run(cmd_layout, {frm, "--size", size, "--state", "min", "--state", "normal", "--json",
                             "--store", (dir.path() / "b.sqlite").string()});
        ASSERT_EQ(there_and_back.status, 0) << there_and_back.err;
        EXPECT_TRUE(has(there_and_back.out, "\"messages\": []")) << there_and_back.out;
        EXPECT_EQ(controls_of(there_and_back.out), controls_of(plain.out));
        EXPECT_TRUE(has(plain.out, "\"fontSize\": 9.75") || has(plain.out, "\"fontSize\": 19.5"))
            << plain.out;
    }
}
