// Names compared without regard to case: ASCII letters only.
#include <gtest/gtest.h>

#include "engine/TextCase.h"

namespace kv {
namespace {

TEST(TextCase, FoldsAsciiLettersOnly) {
    const struct {
        const char *a, *b;
        bool same;
        int order;  // of a against b
    } cases[] = {
        {"txtName", "TXTNAME", true, 0},
        {"Form1.SplitPanel", "form1.splitpanel", true, 0},
        {"Größe", "GRÖßE", false, 1},  // Ö and ö are different bytes and stay so
        {"Größe", "GRößE", true, 0},
        {"a_b", "A_B", true, 0},
        {"[", "a", false, -1},  // '[' sorts before 'a', though after 'A' unfolded
        {"abc", "ABCD", false, -1},
        {"", "", true, 0},
        {"B", "a", false, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(same_text(c.a, c.b), c.same) << c.a << " / " << c.b;
        EXPECT_EQ(compare_folded(c.a, c.b), c.order) << c.a << " / " << c.b;
        EXPECT_EQ(compare_folded(c.b, c.a), -c.order) << c.b << " / " << c.a;
        EXPECT_EQ(fold_case(c.a) == fold_case(c.b), c.same) << c.a << " / " << c.b;
    }
    EXPECT_EQ(fold_case("Kelvane\xC3\x84VB6"), "kelvane\xC3\x84vb6");
}

}  // namespace
}  // namespace kv
