// kelvane design from end to end: a form file with no set-up is given choices and a pane on the
// pages by a script, applied and saved, and kelvane layout then resizes it as chosen; a bad
// script leaves the form untouched.
#include <gtest/gtest.h>

#include "frm_test_util.h"
#include "tool_run.h"

using kv::test::has;
using kv::test::run;
using kv::test::ScratchDir;
using kv::test::slurp;
using kv::test::spit;
using nlohmann::json;

namespace {

const json& control(const json& doc, const std::string& key) {
    for (const auto& c : doc.at("controls"))
        if (c.at("key") == key) return c;
    throw std::runtime_error("no control " + key);
}

struct Box {
    double left, top, width, height;
    bool operator==(const Box&) const = default;
};
Box box(const json& doc, const std::string& key) {
    const auto& c = control(doc, key);
    return {c.at("left"), c.at("top"), c.at("width"), c.at("height")};
}

TEST(DesignCommand, ChoicesAndAPaneMadeOnThePagesResizeTheSavedForm) {
    ScratchDir dir;
    const std::string form = dir.copy_sample("plain.frm");
    const auto script = dir.path() / "setup.txt";
    spit(script,
         "# the name follows the width, OK keeps to the lower right corner\n"
         "click txtName\n"
         "choice 1\n"
         "click cmdOK\n"
         "choice 8\n"
         "click lstLeft\n"
         "choice 4\n"
         "drag 600,300\n"
         "picture " +
             (dir.path() / "resizing.png").string() +
             "\n"
             "page Panels\n"
             "container frmPlain\n"
             "select free lstLeft lstRight\n"
             "add\n"
             "apply\n");
    const auto before = run({"layout", form, "--json"});
    ASSERT_EQ(before.status, 0) << before.err;
    const auto r = run({"design", form, "--script", script.string()});
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    EXPECT_TRUE(
        has(r.out, "ControlSettings:\n  cmdOK \tAAKKK\n  lstLeft \tKKKKK\n  txtName \tKKKAK\n"))
        << r.out;
    EXPECT_TRUE(has(r.out, "PaneSettings:\n  lstLeft lstRight\n")) << r.out;
    EXPECT_TRUE(has(r.out, "placed a resizer control on the form and saved")) << r.out;
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "resizing.png"));

    const auto after = run({"layout", form, "--size", "7200x5100", "--json"});
    ASSERT_EQ(after.status, 0) << after.err;
    const json a = before.json(), b = after.json();
    const double dw = double(b.at("form").at("scaleWidth")) - double(a.at("form").at("scaleWidth"));
    const double dh =
        double(b.at("form").at("scaleHeight")) - double(a.at("form").at("scaleHeight"));
    ASSERT_GT(dw, 0);
    ASSERT_GT(dh, 0);
    const Box name = box(a, "txtName"), ok = box(a, "cmdOK");
    EXPECT_EQ(box(b, "txtName"), (Box{name.left, name.top, name.width + dw, name.height}));
    EXPECT_EQ(box(b, "cmdOK"), (Box{ok.left + dw, ok.top + dh, ok.width, ok.height}));
    // The pane's guide (the left list) follows both ways, so the pane fills the room the form
    // gained: the right list keeps its right margin, both lists their top and bottom margins.
    const Box left = box(b, "lstLeft"), right = box(b, "lstRight");
    const Box right0 = box(a, "lstRight"), left0 = box(a, "lstLeft");
    EXPECT_EQ(left.left, left0.left);
    EXPECT_NEAR(right.left + right.width, right0.left + right0.width + dw, 1);
    EXPECT_NEAR(left.height, left0.height + dh, 200);  // a list box shows whole lines only
    EXPECT_EQ(left.top, right.top);
}

TEST(DesignCommand, ABadLineStopsWithItsPlaceAndLeavesTheFormAlone) {
    ScratchDir dir;
    const std::string form = dir.copy_sample("plain.frm");
    const std::string bytes = slurp(form);
    const auto script = dir.path() / "bad.txt";
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"click txtName\nchoice 4\napply\nchoice 12\n",
         ":4: expected a choice 0 to 10, found '12'"},
        {"click txtName\nchoice 4\napply\nclick txtNobody\n",
         ":4: expected a control of the form shown on the Resizing page, found 'txtNobody'"},
        {"page Panels\nadd\n", ":2: expected an enabled button (select entries first), found '>'"},
        {"page Panels\ncontainer Picture9\n",
         ":2: expected a split panel container, found 'Picture9'"},
        {"ok\nclick txtName\n",
         ":2: expected the end of the script after ok or cancel, found 'click txtName'"},
        // An action of another page says which page, in the script's own words.
        {"container plain\n",
         ":1: expected 'page Panels' before this line (it works on the Panels page, not on the "
         "Resizing page), found 'container plain'"},
        // What the script holds is quoted shown, and a long line cut.
        {"\x1B[2J \n",
         ":1: expected an action (page, click, choice, drag, apply, ...), found "
         "'\\x1B[2J'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        spit(script, c.script);
        const auto r = run({"design", form, "--script", script.string()});
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(has(r.err, script.string() + c.error)) << r.err;
        EXPECT_EQ(slurp(form), bytes);
    }
    // A line of any length is quoted cut.
    spit(script, "click " + std::string(100, 'x') + "\n");
    EXPECT_TRUE(has(run({"design", form, "--script", script.string()}).err,
                    "found '" + std::string(60, 'x') + "...'\n"));
    // A list in a pane takes only the pane's own choice: the message names it.
    const std::string mail = dir.copy_sample("mailwindow.frm");
    spit(script, "click messageList\nchoice 3\n");
    const auto r = run({"design", mail, "--script", script.string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err,
                    ":2: expected a choice offered for the selected control (here 10), "
                    "found '3'"))
        << r.err;
}

TEST(DesignCommand, NothingAppliedLeavesTheFileAsItWasAndMessagesArePrinted) {
    ScratchDir dir;
    const std::string form = dir.copy_sample("plain.frm");
    const std::string bytes = slurp(form);
    const auto script = dir.path() / "look.txt";
    spit(script, "click txtName\nchoice 9\npage Panels\nselect free lstLeft\nadd\ncancel\n");
    const auto r = run({"design", form, "--script", script.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "ControlSettings:\nPaneSettings:\n")) << r.out;
    EXPECT_TRUE(has(r.out, "unchanged")) << r.out;
    EXPECT_EQ(slurp(form), bytes);
}

}  // namespace
