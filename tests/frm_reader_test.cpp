// Reading form files: every sample round-trips byte for byte, the structure and values come out
// as the designer meant them, and every kind of malformed input is reported as FILE:LINE.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "frm_test_util.h"
#include "host/common/MenuShortcut.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"
#include "host/frm/FrxFile.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"

using namespace kv;
using namespace kv::frm;
using kv::test::data_dir;
using kv::test::slurp;

namespace {

const FrmBlock* find_block(const FrmDocument& doc, const std::string& key) {
    const FrmBlock* found = nullptr;
    doc.for_each_block([&](const FrmBlock& b, const FrmBlock&) {
        if (!found && b.key() == key) found = &b;
    });
    return found;
}

}  // namespace

class SampleForms : public ::testing::TestWithParam<const char*> {};

TEST_P(SampleForms, ReadingKeepsEveryByte) {
    const std::string path = data_dir() + "/" + GetParam();
    const auto doc = FrmReader::read_file(path);
    EXPECT_EQ(doc.bytes(), slurp(path));
}

INSTANTIATE_TEST_SUITE_P(All, SampleForms,
                         ::testing::Values("pixels.frm", "nested.frm", "thirdparty.frm",
                                           "cp1252.frm", "mdimain.frm", "mdichild.frm",
                                           "checkme.frm", "customer.frm", "grid.frm", "tabs.frm",
                                           "preview.frm", "sjis.frm", "mdiwork.frm", "oldmenus.frm",
                                           "profile.frm"));

TEST(FrmReader, NestedBlocksArraysAndMenus) {
    const auto doc = FrmReader::read_file(data_dir() + "/nested.frm");
    EXPECT_EQ(doc.form.class_id, "VB.Form");
    EXPECT_EQ(doc.form.name, "frmOrders");
    // Control-array elements in file order, with gaps.
    std::vector<std::string> keys;
    doc.for_each_block([&](const FrmBlock& b, const FrmBlock& parent) {
        if (b.name == "txtField") keys.push_back(parent.name + ":" + b.key());
    });
    EXPECT_EQ(keys, (std::vector<std::string>{"fraOuter:txtField(5)", "fraOuter:txtField(0)",
                                              "fraOuter:txtField(2)"}));
    const auto* deep = find_block(doc, "mnuRecentDeep");
    ASSERT_NE(deep, nullptr);
    const auto* shortcut = find_block(doc, "mnuFileNew")->find("Shortcut");
    ASSERT_NE(shortcut, nullptr);
    EXPECT_EQ(shortcut->kind, FrmValueKind::Bare);
    EXPECT_EQ(shortcut->text, "^N");
    const auto* font = doc.form.find_group("Font");
    ASSERT_NE(font, nullptr);
    EXPECT_DOUBLE_EQ(font->find("Size")->number, 8.25);
    EXPECT_EQ(font->find("Name")->text, "Sans Serif");
    // A reference into the .frx is kept as one.
    const auto* list = find_block(doc, "lstOrders")->find("List");
    EXPECT_EQ(list->kind, FrmValueKind::FrxRef);
    EXPECT_EQ(list->frx_offset, 2u);
    // The code after the form block starts with the Attribute lines.
    EXPECT_EQ(doc.lines[doc.code_line].text, "Attribute VB_Name = \"frmOrders\"");
}

// Every shortcut of the designer's menu editor, as it writes them: read as written (Shift's `+`
// is no sign of a number), understood as the keys they name, and kept byte for byte.
TEST(FrmReader, MenuShortcutsAsTheDesignerWritesThem) {
    const struct {
        const char* text;
        bool ctrl, shift, alt;
        const char* key;
    } cases[] = {
        {"^A", true, false, false, "A"},
        {"^Z", true, false, false, "Z"},
        {"^{F12}", true, false, false, "F12"},
        {"{F1}", false, false, false, "F1"},
        {"+{F2}", false, true, false, "F2"},
        {"+^X", true, true, false, "X"},
        {"+^{F5}", true, true, false, "F5"},
        {"%{BKSP}", false, false, true, "BACKSPACE"},
        {"{DEL}", false, false, false, "DELETE"},
        {"+{DEL}", false, true, false, "DELETE"},
        {"{INSERT}", false, false, false, "INSERT"},
        {"^{INSERT}", true, false, false, "INSERT"},
        {"+{INSERT}", false, true, false, "INSERT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string text =
            "VERSION 5.00\r\nBegin VB.Form F \r\n   Begin VB.Menu m \r\n"
            "      Shortcut        =   " +
            std::string(c.text) + "\r\n   End\r\nEnd\r\n";
        const auto doc = FrmReader::read_bytes(text, "m.frm");
        const auto* p = doc.form.children.at(0).find("Shortcut");
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->kind, FrmValueKind::Bare);
        EXPECT_EQ(p->text, c.text);
        EXPECT_EQ(doc.bytes(), text);
        const auto keys = kv::host::MenuShortcut::parse(c.text);
        ASSERT_TRUE(keys.has_value());
        EXPECT_EQ(*keys, (kv::host::MenuShortcut{c.ctrl, c.shift, c.alt, c.key}));
    }
    for (const char* none : {"", "^", "^^A", "+", "{F0}", "{F17}", "{NOPE}", "^{}", "AB", "^{F1"})
        EXPECT_FALSE(kv::host::MenuShortcut::parse(none).has_value()) << none;
}

// The previous designer's forms (VERSION 4.00: font properties in lower case, the form's outer
// geometry beside its client area) load as they are.
TEST(FrmReader, FormsOfThePreviousDesigner) {
    const auto doc = FrmReader::read_file(data_dir() + "/oldmenus.frm");
    EXPECT_EQ(doc.lines[0].text, "VERSION 4.00");
    const auto* font = doc.form.find_group("Font");
    ASSERT_NE(font, nullptr);
    EXPECT_DOUBLE_EQ(font->find("Size")->number, 8.25);
    auto host = mem::MemoryHost::install();
    const auto loaded = FrmLoader::load(doc, *host);
    EXPECT_DOUBLE_EQ(loaded.form->client_width_twips(), 6690);
    EXPECT_DOUBLE_EQ(to_double(loaded.form->get("FontSize")), 8.25);
    auto menu = loaded.form->control("mnuEditSelectAll");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(to_text(menu->get("Shortcut")), "+^A");
    Host::set_current(nullptr);
}

TEST(FrmReader, PropertyBlocksAndOddNames) {
    const auto doc = FrmReader::read_file(data_dir() + "/thirdparty.frm");
    const auto* tb = find_block(doc, "tbMain");
    ASSERT_NE(tb, nullptr);
    EXPECT_EQ(tb->type_name(), "Toolbar");
    const auto* buttons = tb->find_group("Buttons");
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->guid, "{66833FE8-8583-11D1-B16A-00C0F0283628}");
    ASSERT_EQ(buttons->groups.size(), 2u);
    EXPECT_TRUE(buttons->groups[1].properties.empty());
    EXPECT_EQ(buttons->groups[0].find("Object.ToolTipText")->text, "Open a file");
    const auto* tabs = find_block(doc, "tabPages");
    EXPECT_EQ(tabs->find("Tab(0).Control(0)")->text, "txtNotes");
    EXPECT_DOUBLE_EQ(tabs->find("Tab(1).ControlEnabled")->number, -1);
    EXPECT_DOUBLE_EQ(tabs->find("_ExtentX")->number, 12277);
    EXPECT_DOUBLE_EQ(find_block(doc, "imlIcons")->find("BackColor")->number, -2147483643.0);
}

TEST(FrmReader, CodePageQuotesCommentsAndNumbers) {
    const auto doc = FrmReader::read_file(data_dir() + "/cp1252.frm");
    EXPECT_EQ(doc.encoding, "WINDOWS-1252");
    EXPECT_EQ(doc.form.find("Caption")->text, "Gr\u00f6\u00dfe \u2013 \u00dcbersicht");
    const auto* hint = find_block(doc, "lblHint");
    EXPECT_EQ(hint->find("Caption")->text, "Don't press \"Stop\" \u2013 it's fine");
    EXPECT_DOUBLE_EQ(hint->find("Alignment")->number, 2);
    EXPECT_EQ(hint->find("Alignment")->comment, "Zentriert");
    EXPECT_DOUBLE_EQ(hint->find("BackColor")->number, -2147483633.0);  // &H8000000F&
    EXPECT_DOUBLE_EQ(find_block(doc, "shpBox")->find("BorderColor")->number, 255);
    const auto* parked = find_block(doc, "cmdHidden");
    EXPECT_DOUBLE_EQ(parked->find("Left")->number, -2000);
    EXPECT_DOUBLE_EQ(parked->find("Top")->number, -1000.5);
    EXPECT_DOUBLE_EQ(parked->find("TabIndex")->number, 1);
    EXPECT_EQ(parked->find("Caption")->text, "Parked");
}

TEST(FrmReader, ChosenCodePageAndUtf8) {
    // 0xC0 0xE1 is "Аб" in Windows-1251; valid UTF-8 is taken as UTF-8 whatever is chosen.
    const std::string legacy =
        "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"\xC0\xE1\"\r\nEnd\r\n";
    EXPECT_EQ(FrmReader::read_bytes(legacy, "a.frm", "CP1251").form.find("Caption")->text,
              "\u0410\u0431");
    const std::string utf8 = "VERSION 5.00\nBegin VB.Form F\n   Caption = \"\u00e9t\u00e9\"\nEnd\n";
    const auto doc = FrmReader::read_bytes(utf8, "u.frm", "CP1251");
    EXPECT_EQ(doc.encoding, "UTF-8");
    EXPECT_EQ(doc.form.find("Caption")->text, "\u00e9t\u00e9");
}

// Windows-1252 leaves 0x81, 0x8D, 0x8F, 0x90 and 0x9D undefined: each becomes U+FFFD wherever
// it stands (form and control names, class names, captions), and the bytes around it decode
// as usual. Class names are decoded like every other name.
TEST(FrmReader, UndefinedCodePageBytesBecomeReplacementCharacters) {
    const std::string fffd = "\xEF\xBF\xBD";
    for (const char* byte : {"\x81", "\x8D", "\x8F", "\x90", "\x9D"}) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(byte[0])));
        const std::string b = byte;
        const std::string text = "VERSION 5.00\r\nBegin VB.Form F" + b +
                                 "\xE9 \r\n   Caption = \"a" + b + "\xE9\"\r\n   Begin Lib" + b +
                                 "\xE9.Thing t" + b + " \r\n   End\r\nEnd\r\n";
        const auto doc = FrmReader::read_bytes(text, "u.frm");
        EXPECT_EQ(doc.encoding, "WINDOWS-1252");
        EXPECT_EQ(doc.form.name, "F" + fffd + "\u00e9");
        EXPECT_EQ(doc.form.find("Caption")->text, "a" + fffd + "\u00e9");
        ASSERT_EQ(doc.form.children.size(), 1u);
        EXPECT_EQ(doc.form.children[0].class_id, "Lib" + fffd + "\u00e9.Thing");
        EXPECT_EQ(doc.form.children[0].name, "t" + fffd);
        // Nothing of it changes the file: the lines are kept as bytes.
        EXPECT_EQ(doc.lines[1].text, "Begin VB.Form F" + b + "\xE9 ");
    }
    // A Shift-JIS lead byte with no trail byte is one U+FFFD; what follows still decodes.
    const std::string cut =
        "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"\x82\"\r\n   Tag = "
        "\"\x82\xA0\"\r\nEnd\r\n";
    const auto jp = FrmReader::read_bytes(cut, "j.frm", "CP932");
    EXPECT_EQ(jp.form.find("Caption")->text, fffd);
    EXPECT_EQ(jp.form.find("Tag")->text, "\u3042");
}

TEST(FrmReader, FrxTextOfAnAsciiFormIsReadInTheFormsCodePage) {
    // A plain ASCII form says nothing of its code page but through its fonts; the designer
    // wrote its .frx texts (list items, long captions) in that code page.
    const std::string ascii = "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"x\"\r\nEnd\r\n";
    const auto western = FrmReader::read_bytes(ascii, "a.frm");
    EXPECT_EQ(western.encoding, "UTF-8");
    EXPECT_EQ(western.decode("\xE9t\xE9"), "\u00e9t\u00e9");
    EXPECT_EQ(western.decode("\xC3\xA9"), "\u00e9");  // text that is UTF-8 stays so
    const std::string cyrillic =
        "VERSION 5.00\r\nBegin VB.Form F\r\n   BeginProperty Font \r\n      Name = "
        "\"Arial\"\r\n      Charset = 204\r\n   EndProperty\r\nEnd\r\n";
    EXPECT_EQ(FrmReader::read_bytes(cyrillic, "c.frm").decode("\xC4\xE0"), "\u0414\u0430");
    // The previous designer wrote font properties in lower case: the name's case is no matter.
    const std::string v4 =
        "VERSION 4.00\r\nBegin VB.Form F\r\n   Caption = \"\xCF\xF0\"\r\n   BeginProperty Font "
        "\r\n      name = \"Arial\"\r\n      charset = 204\r\n   EndProperty\r\nEnd\r\n";
    EXPECT_EQ(FrmReader::read_bytes(v4, "v4.frm").form.find("Caption")->text, "\u041f\u0440");
    EXPECT_EQ(FrmReader::read_bytes(ascii, "j.frm", "CP932").decode("\x82\xA0"), "\u3042");
}

struct BadInput {
    const char* what;
    std::string text;
    std::string message;
};

class MalformedForms : public ::testing::TestWithParam<BadInput> {};

TEST_P(MalformedForms, ReportFileLineExpectedFound) {
    const auto& bad = GetParam();
    try {
        FrmReader::read_bytes(bad.text, "bad.frm");
        FAIL() << "no error for " << bad.what;
    } catch (const FrmError& e) {
        EXPECT_EQ(std::string(e.what()), bad.message) << bad.what;
    }
}

const std::string kHead = "VERSION 5.00\r\nBegin VB.Form F \r\n";

INSTANTIATE_TEST_SUITE_P(
    All, MalformedForms,
    ::testing::Values(
        BadInput{"unterminated Begin",
                 kHead + "   Begin VB.Frame Frame1 \r\n      Caption = \"x\"\r\nEnd\r\n",
                 "bad.frm:2: expected End to close 'Begin VB.Form F', found the end of the file"},
        BadInput{"an End too many",
                 kHead + "   Begin VB.Frame Frame1 \r\n   End\r\n   End\r\n"
                         "   Begin VB.CommandButton cmdOK \r\n   End\r\nEnd\r\n",
                 "bad.frm:6: expected the form's code after the End of 'Begin VB.Form F' (line 5; "
                 "an End too many?), found 'Begin VB.CommandButton cmdOK'"},
        BadInput{"an End missing before the code",
                 kHead + "   Begin VB.Frame Frame1 \r\n      Caption = \"x\"\r\nEnd\r\n"
                         "Attribute VB_Name = \"F\"\r\n",
                 "bad.frm:6: expected End to close 'Begin VB.Form F' (line 2), found 'Attribute "
                 "VB_Name = \"F\"'"},
        BadInput{"bad number", kHead + "   Left = 12x0\r\nEnd\r\n",
                 "bad.frm:3: expected a number, found '12x0'"},
        BadInput{"bad hex", kHead + "   BackColor = &H80G0&\r\nEnd\r\n",
                 "bad.frm:3: expected a hexadecimal number such as &H8000000F&, found '&H80G0&'"},
        BadInput{"unclosed quote", kHead + "   Caption = \"abc\r\nEnd\r\n",
                 "bad.frm:3: expected a closing quote, found '\"abc'"},
        BadInput{"short .frx offset", kHead + "   Caption = \"F.frx\":12\r\nEnd\r\n",
                 "bad.frm:3: expected \"NAME.frx\":OFFSET with 4 or more hexadecimal digits, "
                 "found '\"F.frx\":12'"},
        BadInput{"property block without end",
                 kHead + "   BeginProperty Font \r\n      Size = 8\r\nEnd\r\n",
                 "bad.frm:5: expected EndProperty to close 'BeginProperty Font' of line 3, found "
                 "'End'"},
        BadInput{"property block at the end of the file",
                 kHead + "   BeginProperty Font \r\n      Size = 8\r\n",
                 "bad.frm:3: expected EndProperty to close 'BeginProperty Font', found the end of "
                 "the file"},
        BadInput{"property block without name", kHead + "   BeginProperty \r\nEnd\r\n",
                 "bad.frm:3: expected BeginProperty NAME, found 'BeginProperty'"},
        BadInput{"stray EndProperty", kHead + "   EndProperty\r\nEnd\r\n",
                 "bad.frm:3: expected a property or End, found 'EndProperty'"},
        BadInput{"garbage line", kHead + "   this is not a property\r\nEnd\r\n",
                 "bad.frm:3: expected a property line NAME = VALUE, Begin or End, found 'this is "
                 "not a property'"},
        BadInput{"old version", "VERSION 2.00\r\nBegin Form Form1\r\nEnd\r\n",
                 "bad.frm:1: expected VERSION 5.00 or VERSION 4.00, found 'VERSION 2.00'; this is "
                 "not a form file of this designer"},
        BadInput{"version 3", "VERSION 3.00\r\nBegin VB.Form Form1\r\nEnd\r\n",
                 "bad.frm:1: expected VERSION 5.00 or VERSION 4.00, found 'VERSION 3.00'; this is "
                 "not a form file of this designer"},
        BadInput{"shortcut with Shift that is none",
                 kHead + "   Begin VB.Menu m \r\n      Shortcut = +{F99}\r\n   End\r\nEnd\r\n",
                 "bad.frm:4: expected a menu shortcut such as ^A, {F1}, +{F2} or +^X for "
                 "Shortcut, found '+{F99}'"},
        BadInput{"form of another designer",
                 "VERSION 5.00\r\nBegin {5E1A6B7C-0D2F-4A3B-9C8D-7E6F5A4B3C2D} Panel1 \r\nEnd\r\n",
                 "bad.frm:2: expected Begin VB.Form NAME, found 'Begin "
                 "{5E1A6B7C-0D2F-4A3B-9C8D-7E6F5A4B3C2D} Panel1' (a form of another designer, "
                 "its class is a GUID); this is not a form file of this designer"},
        BadInput{"class module", "VERSION 1.0 CLASS\r\nBEGIN\r\nEND\r\n",
                 "bad.frm:1: expected VERSION 5.00 or VERSION 4.00, found 'VERSION 1.0 CLASS'; "
                 "this is not a form file of this designer"},
        BadInput{"bytes that are not text", "\x15\xE9t\xC3\xA9\xF0\x9F\r\n",
                 "bad.frm:1: expected VERSION 5.00 or VERSION 4.00, found '\\x15\\xE9t\xC3\xA9\\xF0"
                 "\\x9F'; this is not a form file of this designer"},
        BadInput{"empty file", "",
                 "bad.frm:1: expected VERSION 5.00 or VERSION 4.00, found an empty file"},
        BadInput{"Begin without a name", kHead + "   Begin VB.Label\r\n   End\r\nEnd\r\n",
                 "bad.frm:3: expected Begin CLASS NAME, found 'Begin VB.Label'"},
        BadInput{"form inside the form", kHead + "   Begin VB.Form G \r\n   End\r\nEnd\r\n",
                 "bad.frm:3: expected a control inside F (a form cannot hold another form), "
                 "found 'Begin VB.Form G'"},
        BadInput{"MDI form inside a frame",
                 kHead + "   Begin VB.Frame fra \r\n      Begin VB.MDIForm M \r\n      End\r\n"
                         "   End\r\nEnd\r\n",
                 "bad.frm:4: expected a control inside F (a form cannot hold another form), "
                 "found 'Begin VB.MDIForm M'"},
        BadInput{".frx up a folder", kHead + "   Tag = \"../victim/victim.txt\":0000\r\nEnd\r\n",
                 "bad.frm:3: expected a plain .frx file name beside the form, found "
                 "'../victim/victim.txt'"},
        BadInput{".frx at an absolute path", kHead + "   Tag = $\"/etc/F.frx\":0000\r\nEnd\r\n",
                 "bad.frm:3: expected a plain .frx file name beside the form, found '/etc/F.frx'"},
        BadInput{".frx in a Windows folder", kHead + "   Tag = \"sub\\F.frx\":0000\r\nEnd\r\n",
                 "bad.frm:3: expected a plain .frx file name beside the form, found 'sub\\F.frx'"},
        BadInput{".frx on a drive", kHead + "   Tag = \"C:F.frx\":0000\r\nEnd\r\n",
                 "bad.frm:3: expected a plain .frx file name beside the form, found 'C:F.frx'"}));

// The .frx entries of the resizer's texts are read when the form is loaded; a missing file or
// an entry that does not fit is reported at the property's line.
TEST(FrmReader, FrxEntriesMissingOrTruncated) {
    kv::test::ScratchDir dir;
    const std::string frm =
        "VERSION 5.00\r\nBegin VB.Form F\r\n   Begin zokKL4VB.zokKelvane zk\r\n"
        "      ControlSettings =   \"F.frx\":0004\r\n   End\r\nEnd\r\n";
    const auto path = (dir.path() / "F.frm").string();
    kv::test::spit(path, frm);
    const auto doc = FrmReader::read_file(path);
    const auto& p = doc.resizer()->properties[0];
    try {
        FrmLoader::value_of(doc, p, true);
        FAIL();
    } catch (const FrmError& e) {
        EXPECT_EQ(std::string(e.what()),
                  path +
                      ":4: expected the file F.frx beside the form for ControlSettings, found "
                      "no such file");
    }
    // An entry claiming 100 bytes with 3 left; the name is matched without regard to case.
    kv::test::spit(dir.path() / "f.FRX", std::string("\0\0\0\0\x64\0\0\0abc", 11));
    const auto doc2 = FrmReader::read_file(path);
    try {
        FrmLoader::value_of(doc2, doc2.resizer()->properties[0], true);
        FAIL();
    } catch (const FrmError& e) {
        EXPECT_EQ(std::string(e.what()),
                  path + ":4: ControlSettings refers to " + (dir.path() / "f.FRX").string() +
                      ": expected an entry of 100 bytes at offset 0004, found only 3 bytes after "
                      "its length to the end of the file");
    }
    // Too few bytes left for any length: said so, not "an entry of 0 bytes".
    kv::test::spit(dir.path() / "f.FRX", std::string("\0\0\0\0ab", 6));
    const auto short_doc = FrmReader::read_file(path);
    try {
        FrmLoader::value_of(short_doc, short_doc.resizer()->properties[0], true);
        FAIL();
    } catch (const FrmError& e) {
        EXPECT_EQ(std::string(e.what()),
                  path + ":4: ControlSettings refers to " + (dir.path() / "f.FRX").string() +
                      ": expected an entry at offset 0004, found only 2 bytes to the end of the "
                      "file, too few to hold its length");
    }
    // One byte is one byte.
    kv::test::spit(dir.path() / "f.FRX", std::string("\0\0\0\0a", 5));
    const auto one_doc = FrmReader::read_file(path);
    try {
        FrmLoader::value_of(one_doc, one_doc.resizer()->properties[0], true);
        FAIL();
    } catch (const FrmError& e) {
        EXPECT_NE(std::string(e.what()).find("found only 1 byte to the end of the file"),
                  std::string::npos)
            << e.what();
    }
    // A length field of 0xFFFFFF10 is a negative length, not a 1-byte count of 16 followed by
    // text that starts with three 0xFF bytes.
    kv::test::spit(dir.path() / "f.FRX",
                   std::string("\0\0\0\0\x10\xFF\xFF\xFF", 8) + std::string(20, 'x'));
    const auto doc4 = FrmReader::read_file(path);
    try {
        FrmLoader::value_of(doc4, doc4.resizer()->properties[0], true);
        FAIL();
    } catch (const FrmError& e) {
        EXPECT_EQ(std::string(e.what()),
                  path + ":4: ControlSettings refers to " + (dir.path() / "f.FRX").string() +
                      ": expected an entry at offset 0004, found the length field FFFFFF10, a "
                      "negative length");
    }
    // A cut file: the 4-byte count runs past the end, and its low byte is no 1-byte count.
    kv::test::spit(dir.path() / "f.FRX",
                   std::string("\0\0\0\0\x19\x01\0\0", 8) + std::string(200, 'x'));
    const auto cut = FrmReader::read_file(path);
    try {
        FrmLoader::value_of(cut, cut.resizer()->properties[0], true);
        FAIL();
    } catch (const FrmError& e) {
        EXPECT_EQ(std::string(e.what()),
                  path + ":4: ControlSettings refers to " + (dir.path() / "f.FRX").string() +
                      ": expected an entry of 281 bytes at offset 0004, found only 200 bytes after "
                      "its length to the end of the file");
    }
    // A 2-byte count whose text makes the 4-byte read negative is still a 2-byte count.
    kv::test::spit(dir.path() / "f.FRX", std::string("\0\0\0\0\x03\0a\xE9"
                                                     "b",
                                                     9));
    const auto doc5 = FrmReader::read_file(path);
    EXPECT_NO_THROW(FrmLoader::value_of(doc5, doc5.resizer()->properties[0], true));
    // Entries of other writers with a 2-byte count are read too.
    kv::test::spit(dir.path() / "f.FRX", std::string("\0\0\0\0\x03\0abc", 9));
    std::string dollar = frm;
    dollar.replace(dollar.find("\"F.frx\""), 1, "$\"");
    kv::test::spit(path, dollar);
    const auto doc3 = FrmReader::read_file(path);
    EXPECT_TRUE(doc3.resizer()->properties[0].frx_dollar);
    EXPECT_EQ(to_text(*FrmLoader::value_of(doc3, doc3.resizer()->properties[0], true)), "abc");
}

// The entries typed into a list box or combo box: a 2-byte count, the tag 3 or 7, then each entry
// as a 2-byte length and its bytes. Anything else is no list, never a crash or a read past the end.
TEST(FrmReader, ListEntriesOfTheFrx) {
    const auto entry = [](std::initializer_list<std::string> items, int tag = 3) {
        std::string b{static_cast<char>(items.size()), '\0', static_cast<char>(tag), '\0'};
        for (const auto& i : items) b += std::string{static_cast<char>(i.size()), '\0'} + i;
        return b;
    };
    const std::string two = entry({"one", "two"});
    struct Case {
        const char* what;
        std::string bytes;
        uint32_t offset;
        std::optional<std::vector<std::string>> items;
    };
    const Case cases[] = {
        {"two entries", two, 0, std::vector<std::string>{"one", "two"}},
        {"after another entry", "xyz" + entry({"a"}, 7), 3, std::vector<std::string>{"a"}},
        {"an empty list", entry({}), 0, std::vector<std::string>{}},
        {"an empty entry", entry({"", "b"}), 0, std::vector<std::string>{"", "b"}},
        {"a text entry, not a list", std::string("\x05\0\0\0hello", 9), 0, std::nullopt},
        {"an entry cut short", two.substr(0, two.size() - 1), 0, std::nullopt},
        {"a length cut short", two.substr(0, 10), 0, std::nullopt},
        {"more entries counted than there are", "\x03" + two.substr(1), 0, std::nullopt},
        {"an offset at the end", two, static_cast<uint32_t>(two.size()), std::nullopt},
        {"an offset past the end", two, 1000, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FrxFile::written("L.frx", c.bytes).read_list(c.offset), c.items);
    }
}

// The sample file dialog's lists come from its .frx, in the designer's order and the form's code
// page; a ListBox whose entry is not a list stays empty and the form still loads.
TEST(FrmReader, ListsOfTheFormFileAreLoaded) {
    auto host = mem::MemoryHost::install();
    const auto doc = FrmReader::read_file(data_dir() + "/files.frm");
    auto form = FrmLoader::load(doc, *host).form;
    const auto items = [&](const char* name) {
        std::vector<std::string> out;
        const auto* list = form->control(name)->list_items();
        for (size_t i = 0; list && i < list->count(); ++i)
            out.push_back(list->item(static_cast<int>(i)));
        return out;
    };
    EXPECT_EQ(items("cboWhere"),
              (std::vector<std::string>{"This folder", "Documents", "Desktop", "Whole disk"}));
    EXPECT_EQ(items("lstResults"), (std::vector<std::string>{"customer.frm", "orders.frm",
                                                             "mailwindow.frm", "Caf\u00e9.frm"}));
    std::string text = slurp(data_dir() + "/files.frm");
    const std::string list_line = "List            =   \"files.frx\":0031";
    text.replace(text.find(list_line), list_line.size(), "List            =   \"files.frx\":0069");
    kv::test::ScratchDir dir;
    kv::test::spit(dir.path() / "files.frm", text);
    std::filesystem::copy_file(data_dir() + "/files.frx", dir.path() / "files.frx");
    const auto odd = FrmReader::read_file((dir.path() / "files.frm").string());
    form = FrmLoader::load(odd, *host).form;
    EXPECT_TRUE(items("lstResults").empty());
    EXPECT_EQ(items("cboWhere").size(), 4u);

    // A sorted list takes its entries in order of their text, without case; the designer writes
    // Sorted after List.
    const std::string tab = "      TabIndex        =   10\r\n";
    form = FrmLoader::load(FrmReader::read_file(dir.copy_sample_with(
                               "files.frm", tab, "      Sorted          =   -1  'True\r\n" + tab)),
                           *host)
               .form;
    EXPECT_EQ(items("lstResults"), (std::vector<std::string>{"Caf\u00e9.frm", "customer.frm",
                                                             "mailwindow.frm", "orders.frm"}));
}

// What loading passes over is noted by line and property, as the list above is: a text, caption
// or tag whose .frx entry is missing or damaged is left empty.
TEST(FrmLoader, NotesWhatTheFrxCannotGive) {
    const std::string frm =
        "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"F.frx\":0000\r\n"
        "   Begin VB.TextBox txt\r\n      Text = \"F.frx\":0000\r\n      Index = 2\r\n   End\r\n"
        "   Begin VB.Label lbl\r\n      Tag = \"F.frx\":0008\r\n   End\r\n"
        "   Begin VB.ListBox lst\r\n      List = \"F.frx\":0000\r\n   End\r\nEnd\r\n";
    const auto notes = [&](const std::optional<std::string>& frx) {
        kv::test::ScratchDir dir;
        kv::test::spit(dir.path() / "F.frm", frm);
        if (frx) kv::test::spit(dir.path() / "F.frx", *frx);
        auto host = mem::MemoryHost::install();
        const auto doc = FrmReader::read_file((dir.path() / "F.frm").string());
        const auto loaded = FrmLoader::load(doc, *host);
        EXPECT_EQ(to_text(loaded.form->control("txt", 2)->get("Text")), frx ? "Text" : "");
        std::vector<std::string> out;
        for (const auto& n : loaded.notes)
            out.push_back(std::to_string(n.line) + " " + n.subject + ": " + n.what);
        return out;
    };
    EXPECT_EQ(notes(std::nullopt),
              (std::vector<std::string>{
                  "3 F.Caption: the text is in F.frx, which is missing: it is left empty",
                  "5 txt(2).Text: the text is in F.frx, which is missing: it is left empty",
                  "9 lbl.Tag: the text is in F.frx, which is missing: it is left empty",
                  "12 lst.List: the entries are in F.frx, which is missing: the list is empty"}));
    // One good text; the tag claims 5000 bytes, the list is none.
    EXPECT_EQ(notes(std::string("\x04\0\0\0Text\x88\x13\0\0abc", 15)),
              (std::vector<std::string>{
                  "9 lbl.Tag: the text is in F.frx, which holds no text there (expected an entry "
                  "of 5000 bytes at offset 0008, found only 3 bytes after its length to the end "
                  "of the file): it is left empty",
                  "12 lst.List: the entries are in F.frx, which holds no list there: the list is "
                  "empty"}));
}

// A property written twice ends up with its last value, geometry and text alike.
TEST(FrmLoader, APropertyWrittenTwiceTakesItsLastValue) {
    auto host = mem::MemoryHost::install();
    const auto doc = FrmReader::read_bytes(
        "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"one\"\r\n   Caption = \"two\"\r\n"
        "   BeginProperty Font\r\n      Size = 12\r\n      Size = 9.75\r\n   EndProperty\r\n"
        "   Begin VB.CommandButton cmd\r\n      Left = 100\r\n      Width = 900\r\n"
        "      Left = 2000\r\n      Index = 1\r\n      Index = 3\r\n   End\r\nEnd\r\n",
        "twice.frm");
    const auto loaded = FrmLoader::load(doc, *host);
    EXPECT_EQ(to_text(loaded.form->get("Caption")), "two");
    EXPECT_DOUBLE_EQ(to_double(loaded.form->get("FontSize")), 9.75);
    ASSERT_NE(loaded.form->control("cmd", 3), nullptr);
    EXPECT_DOUBLE_EQ(loaded.form->control("cmd", 3)->rect_twips().left, 2000);
    Host::set_current(nullptr);
}

// Blocks no form holds are refused at their line: a menu anywhere but on the form or in a menu,
// anything but a menu in a menu, an array element of another class than its array.
TEST(FrmLoader, RefusesBlocksNoFormHolds) {
    const auto block = [](const std::string& cls, const std::string& name,
                          const std::string& inner = "", const std::string& index = "") {
        return "   Begin " + cls + " " + name + "\r\n" +
               (index.empty() ? "" : "      Index = " + index + "\r\n") + inner + "   End\r\n";
    };
    const struct {
        const char* what;
        std::string body, message;
    } cases[] = {
        {"a menu in a frame", block("VB.Frame", "fra", block("VB.Menu", "mnu")),
         "4: expected End to close 'Begin VB.Frame fra' (line 3; a menu belongs to the form or "
         "to another menu), found 'Begin VB.Menu mnu'"},
        {"a button in a menu", block("VB.Menu", "mnu", block("VB.CommandButton", "cmd")),
         "4: expected a menu or End to close 'Begin VB.Menu mnu' (line 3; a menu holds only "
         "menus), found 'Begin VB.CommandButton cmd'"},
        {"an array of two classes",
         block("VB.CommandButton", "cmd", "", "0") + block("VB.Label", "CMD", "", "1"),
         "6: expected a VB.CommandButton as element 1 of the control array cmd (element 0 at "
         "line 3 is one; an array's elements share one class), found 'Begin VB.Label CMD'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto host = mem::MemoryHost::install();
        const auto doc = FrmReader::read_bytes(
            "VERSION 5.00\r\nBegin VB.Form F\r\n" + c.body + "End\r\n", "b.frm");
        try {
            FrmLoader::load(doc, *host);
            ADD_FAILURE() << "loaded";
        } catch (const FrmError& e) {
            EXPECT_EQ(std::string(e.what()), "b.frm:" + c.message);
        }
    }
    Host::set_current(nullptr);
}

TEST(FrmReader, DeepNestingIsRefusedNotACrash) {
    std::string text = "VERSION 5.00\nBegin VB.Form F\n";
    for (int i = 0; i < 5000; ++i) text += "Begin VB.Menu m" + std::to_string(i) + "\n";
    EXPECT_THROW(FrmReader::read_bytes(text, "deep.frm"), FrmError);
}

// A file cut off anywhere, or with any one byte changed to a quote or an equals sign, is either
// read or refused with an FrmError: never a crash or another exception.
TEST(FrmReader, DamagedFilesAreReadOrRefused) {
    const std::string whole = slurp(data_dir() + "/thirdparty.frm");
    for (size_t n = 0; n <= whole.size(); n += 7) {
        try {
            FrmReader::read_bytes(whole.substr(0, n), "cut.frm");
        } catch (const FrmError&) {
        }
    }
    for (size_t i = 0; i < whole.size(); i += 13) {
        for (char c : {'"', '=', '\'', '&', '\n'}) {
            std::string damaged = whole;
            damaged[i] = c;
            try {
                FrmReader::read_bytes(damaged, "damaged.frm");
            } catch (const FrmError&) {
            }
        }
    }
}
