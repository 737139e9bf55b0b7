// A rich text box's text from its rich text: what its Text property gives a program.
#include <gtest/gtest.h>

#include "host/common/RtfText.h"

using kv::host::rtf_plain_text;

TEST(RtfText, PlainTextOfRichText) {
    struct Case {
        const char* what;
        std::string rtf, text;
    };
    const Case cases[] = {
        {"paragraphs, and no line end after the last",
         "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil Arial;}}\\pard\\f0\\fs17 One\\par\r\nTwo\\par\r\n}",
         "One\r\nTwo"},
        {"styles end where their word does", "{\\rtf1 \\b bold\\b0  and \\i it\\i0 .}",
         "bold and it."},
        {"the code page's characters", "{\\rtf1\\ansi\\ansicpg1252 Caf\\'e9 \\'80 5\\'85}",
         "Caf\xc3\xa9 \xe2\x82\xac 5\xe2\x80\xa6"},
        {"a character by number, its fallback skipped", "{\\rtf1\\uc1 \\u8364?5 \\u-3913?}",
         "\xe2\x82\xac"
         "5 \xef\x82\xb7"},
        {"two fallback characters", "{\\rtf1\\uc2\\u233\\'65\\'65!}", "\xc3\xa9!"},
        {"tabs, line breaks and escaped braces", "{\\rtf1 a\\tab b\\line c \\{d\\} e\\\\f}",
         "a\tb\r\nc {d} e\\f"},
        {"tables and destinations left out",
         "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}{\\*\\generator Pad;}{\\info{\\title "
         "T}}Body}",
         "Body"},
        {"a picture left out", "{\\rtf1 A{\\pict\\wmetafile8 0a0b0c}B}", "AB"},
        {"not rich text at all", "plain words", "plain words"},
        {"cut off in an escape", "{\\rtf1 x\\'4", "x"},
        {"unbalanced braces", "{\\rtf1 a}}}b{{", "ab"},
    };
    for (const Case& c : cases) EXPECT_EQ(rtf_plain_text(c.rtf), c.text) << c.what;
}
