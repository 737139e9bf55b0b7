// A masked edit box's mask: what the box shows before anything is typed, the same mask in Qt's
// input-mask notation, and back.
#include <gtest/gtest.h>

#include "host/common/MaskLook.h"

using kv::host::MaskLook;

TEST(MaskLook, ShownAndInQtsNotation) {
    struct Case {
        const char* mask;
        const char* prompt;
        const char* shown;
        const char* qt;
    };
    const Case cases[] = {
        {"(###) ###-####", "_", "(___) ___-____", "(999) 999-9999;_"},
        {"##/##/####", "_", "__/__/____", "99/99/9999;_"},
        {"999.999", "*", "***.***", "000.000;*"},
        // Letters, letters or digits, any character; case; a literal placeholder escaped.
        {">?"
         "?-aaA&C",
         "_", "__-_____", ">AA-nnNXx;_"},
        {"\\#&&\\9", "_", "#__9", "\\#XX\\9;_"},
        // Literals that are Qt's placeholders are escaped there.
        {"N-X: ##", " ", "N-X:   ", "\\N-\\X: 99; "},
        {"", "_", "", ""},
    };
    for (const Case& c : cases) {
        MaskLook look;
        look.mask = c.mask;
        look.prompt = c.prompt;
        EXPECT_EQ(look.shown(), c.shown) << c.mask;
        EXPECT_EQ(look.qt_input_mask(), c.qt) << c.mask;
        if (!*c.mask) continue;
        // And back: the same mask and prompt.
        const auto back = MaskLook::from_qt(look.qt_input_mask());
        ASSERT_TRUE(back) << c.mask;
        EXPECT_EQ(back->mask, c.mask);
        EXPECT_EQ(back->prompt, c.prompt);
    }
    // Typed text is shown as it is; Qt's placeholders the runtime's notation lacks are refused.
    MaskLook typed;
    typed.mask = "##/##/####";
    typed.text = "03/15/2019";
    EXPECT_EQ(typed.shown(), "03/15/2019");
    EXPECT_FALSE(MaskLook::from_qt("HH:HH;_"));
    EXPECT_EQ(MaskLook::from_qt("99!9;#")->mask, "###");
}
