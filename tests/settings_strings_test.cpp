// The ControlSettings / PaneSettings text formats and control lookup by key.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "control/ControlLookup.h"
#include "control/SettingsLint.h"
#include "control/SettingsStrings.h"
#include "engine/Error.h"
#include "host/memory/MemoryHost.h"

namespace kv {
namespace {

struct SplitCase {
    std::string text;
    std::vector<std::string> lines;
};

TEST(SettingsLines, SplitOnlyAtCrLf) {
    const std::vector<SplitCase> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n", {"a", ""}},
        {"\r\n", {"", ""}},
        {"a\nb", {"a\nb"}},
        {"a\rb", {"a\rb"}},
        {"a\n\rb", {"a\n\rb"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {" a \r\n b ", {" a ", " b "}},
    };
    for (const auto& c : cases) EXPECT_EQ(split_settings_lines(c.text), c.lines) << c.text;
}

struct LineCase {
    std::string line;
    bool applies;
    std::string key;
    std::array<int32_t, 5> modes;
    bool clean = false;  // the checker finds nothing to say
};

// What the reader makes of a line, and whether the checker has something to say about it.
const std::vector<LineCase>& line_cases() {
    static const std::vector<LineCase> cases = {
        {"txtName \tKKRKK", true, "txtName", {0, 0, 2, 0, 0}, true},
        {"Text1 \tKAR", true, "Text1", {0, 1, 2, 2, 2}},
        {"Text1 \tkkkkk", true, "Text1", {0, 0, 0, 0, 0}},
        {"Text1 \tFFFFC", true, "Text1", {3, 3, 3, 3, 2}, true},
        {"Text1 \tARFKCxyz", true, "Text1", {1, 2, 3, 0, 2}},
        {"Text1 \t", true, "Text1", {2, 2, 2, 2, 2}},
        {"Text1 \tK", true, "Text1", {0, 2, 2, 2, 2}},
        {"Text1 \tra?f ", true, "Text1", {0, 0, 0, 0, 0}},
        {"Text1 \t KKKK", true, "Text1", {0, 0, 0, 0, 0}},
        {"List1(2) \tAAAAA", true, "List1(2)", {1, 1, 1, 1, 1}, true},
        {"a b \tA", true, "a b", {1, 2, 2, 2, 2}},
        {" \tA", true, "", {1, 2, 2, 2, 2}},
        {"x \t \tR", true, "x", {0, 0, 2, 2, 2}},
        {"Text1\t KKKKK", false, "", {}},
        {"Text1 KKKKK", false, "", {}},
        {"Text1\tKKKKK", false, "", {}},
        {"Text1  \tAAAAA", true, "Text1 ", {1, 1, 1, 1, 1}, true},
        {"", false, "", {}, true},
    };
    return cases;
}

TEST(ControlSettingsLine, SeparatorAndLetters) {
    for (const auto& c : line_cases()) {
        auto parsed = parse_control_settings_line(c.line);
        ASSERT_EQ(parsed.has_value(), c.applies) << c.line;
        if (!parsed) continue;
        EXPECT_EQ(parsed->key, c.key) << c.line;
        EXPECT_EQ(parsed->modes, c.modes) << c.line;
    }
}

// The checker reads the lines by the reader's own grammar: it says a line is skipped exactly when
// the reader skips it, and is silent exactly on the lines that read as they look.
TEST(ControlSettingsLine, CheckerSaysWhatTheReaderDoes) {
    for (const auto& c : line_cases()) {
        const auto problems = control_settings_problems(c.line);
        EXPECT_EQ(problems.empty(), c.clean) << c.line;
        const bool skipped = problems.size() == 1 &&
                             problems[0].text.find("the resizer skips it") != std::string::npos;
        EXPECT_EQ(skipped, !c.applies && !c.line.empty()) << c.line;
        for (const auto& p : problems) EXPECT_EQ(p.line, 1u);
    }
    // Each line of a text by its number; the empty last line of a final CR LF says nothing.
    const auto problems = control_settings_problems("a \tKKKKK\r\nb\tKKKKK\r\nc \tKK\r\n");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].line, 2u);
    EXPECT_EQ(problems[1].line, 3u);
}

TEST(ControlSettingsLine, WritersLettersReadBack) {
    for (int32_t mode = 0; mode <= 3; ++mode)
        EXPECT_EQ(mode_from_letters(edge_mode_letter(mode), 0), mode);
    EXPECT_EQ(mode_from_letters(font_mode_letter(0), 0), 0);
    EXPECT_EQ(mode_from_letters(font_mode_letter(2), 0), 2);
    // Font modes 1 and 3 have no letter and read back as 2.
    EXPECT_EQ(mode_from_letters(font_mode_letter(1), 0), 2);
    EXPECT_EQ(mode_from_letters(font_mode_letter(3), 0), 2);
}

TEST(ControlKey, NameAndIndex) {
    struct Case {
        std::string key, name;
        std::optional<int16_t> index;
    };
    const std::vector<Case> cases = {
        {"Text1", "Text1", std::nullopt}, {"Label2(3)", "Label2", 3}, {"List1(0)", "List1", 0},
        {"List1(2]", "List1", 2},         {"a(12)", "a", 12},         {"b(-1)", "b", -1},
    };
    for (const auto& c : cases) {
        auto parts = parse_control_key(c.key);
        EXPECT_EQ(parts.name, c.name) << c.key;
        EXPECT_EQ(parts.index, c.index) << c.key;
    }
}

TEST(ControlKey, BadIndexIsATypeMismatch) {
    for (std::string key : {"List1(x)", "List1()", "List1(", "List1(2x)"}) {
        try {
            parse_control_key(key);
            ADD_FAILURE() << key << " parsed";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), kErrTypeMismatch) << key;
        }
    }
}

TEST(ControlLookup, FindsControlsAndArrayElements) {
    auto host = mem::MemoryHost::install();
    auto form = host->create_form("frmMain");
    auto text1 = form->add_control("TextBox", "Text1");
    auto list0 = form->add_control("ListBox", "List1", nullptr, 0);
    auto list2 = form->add_control("ListBox", "List1", nullptr, 2);
    ObjectRef f = form;

    EXPECT_EQ(find_control_by_key(f, "Text1"), ObjectRef(text1));
    EXPECT_EQ(find_control_by_key(f, "List1(2)"), ObjectRef(list2));
    EXPECT_EQ(find_control_by_key(f, "List1(0)"), ObjectRef(list0));
    EXPECT_EQ(find_control_by_key(f, "List1(1)"), nullptr);
    EXPECT_EQ(find_control_by_key(f, "Text1(1)"), nullptr);
    EXPECT_EQ(find_control_by_key(f, "Nothing"), nullptr);
    EXPECT_EQ(find_control_by_key(nullptr, "Text1"), nullptr);
    EXPECT_THROW(find_control_by_key(f, "List1(x)"), Error);
}

}  // namespace
}  // namespace kv
