// The page-action scripts of `kelvane design`: what each line means and how a bad line is told.
#include <gtest/gtest.h>

#include "harness/DesignScript.h"

namespace kv::app {
namespace {

using K = DesignAction::Kind;

TEST(DesignScript, ReadsEveryActionSkippingBlanksAndComments) {
    const auto actions = parse_design_script(
        "# set up the mail form\r\n"
        "page Resizing\n"
        "click Text1(3)\n"
        "\n"
        "  choice 9\n"
        "font change\n"
        "untick AddAllControls\n"
        "view 2\n"
        "drag 600,-300.5\n"
        "key Delete\n"
        "page Panels\n"
        "container Picture1\n"
        "select free List1 List2\n"
        "add\n"
        "apply\n"
        "code\n"
        "picture out/panes.png\n",
        "s.txt");
    ASSERT_EQ(actions.size(), 15u);
    EXPECT_EQ(actions[0].kind, K::Page);
    EXPECT_EQ(actions[0].text, "Resizing");
    EXPECT_EQ(actions[0].line, 2);
    EXPECT_EQ(actions[1].kind, K::Click);
    EXPECT_EQ(actions[1].text, "Text1(3)");
    EXPECT_EQ(actions[2].number, 9);
    EXPECT_EQ(actions[2].line, 5);
    EXPECT_EQ(actions[3].number, 1);
    EXPECT_EQ(actions[4].kind, K::Untick);
    EXPECT_EQ(actions[4].text, "AddAllControls");
    EXPECT_EQ(actions[6].dx, 600);
    EXPECT_EQ(actions[6].dy, -300.5);
    EXPECT_EQ(actions[7].number, 46);
    EXPECT_EQ(actions[10].text, "free");
    EXPECT_EQ(actions[10].items, (std::vector<std::string>{"List1", "List2"}));
    EXPECT_EQ(actions[11].kind, K::Add);
    EXPECT_EQ(actions[13].kind, K::Code);
    EXPECT_EQ(actions[14].text, "out/panes.png");
}

TEST(DesignScript, BadLinesNameTheScriptLineWhatWasExpectedAndFound) {
    const struct {
        const char* script;
        const char* message;
    } cases[] = {
        {"page Resizing\nfly away",
         "s:2: expected an action (page, click, choice, drag, apply, "
         "...), found 'fly'"},
        {"choice 11", "s:1: expected a choice 0 to 10, found '11'"},
        {"choice 2.5", "s:1: expected a choice 0 to 10, found '2.5'"},
        {"view", "s:1: expected an argument after view, found the end of the line"},
        {"drag 10", "s:1: expected DX,DY in twips, each at most 2147483647 either way, found '10'"},
        {"drag 10,x",
         "s:1: expected DX,DY in twips, each at most 2147483647 either way, found '10,x'"},
        {"drag 1e300,0",
         "s:1: expected DX,DY in twips, each at most 2147483647 either way, found '1e300,0'"},
        {"drag 0,nan",
         "s:1: expected DX,DY in twips, each at most 2147483647 either way, found '0,nan'"},
        {"apply now", "s:1: expected the end of the line, found 'now'"},
        {"page Resizing Panels", "s:1: expected the end of the line, found 'Panels'"},
        {"tick AddAll", "s:1: expected AddAllControls or AddAllFontsButtons, found 'AddAll'"},
        {"select both List1", "s:1: expected free or pane, found 'both'"},
        {"select pane", "s:1: expected control keys after select pane, found the end of the line"},
        {"key Esc", "s:1: expected Delete or F1, found 'Esc'"},
        {"code now", "s:1: expected the end of the line, found 'now'"},
    };
    for (const auto& c : cases) {
        try {
            parse_design_script(c.script, "s");
            ADD_FAILURE() << c.script;
        } catch (const ScriptError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

}  // namespace
}  // namespace kv::app
