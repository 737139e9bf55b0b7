// Every form of the test data beside the layout it must give: tests/data/NAME.layout holds the
// geometry table of NAME.frm on the memory host at its design size and after each of a few user
// steps, with the messages shown on the way. A change that moves a control fails here with the
// difference; when the change is meant, write the answers afresh and read their diff:
//
//     KV_UPDATE_FIXTURES=1 build/bin/harness_tests --gtest_filter='Forms/LayoutFixtures.*'
//
// A form without its .layout fails, so that a form added to the folder comes with its answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "harness/GeometryTable.h"
#include "harness/MessageLines.h"
#include "harness/Session.h"
#include "harness/UsageError.h"
#include "host/frm/FrmReader.h"

namespace kv::app {
namespace {

namespace fs = std::filesystem;

struct FixtureStep {
    std::string title;
    Step step;
};

Step sized(double width, double height) {
    Step s;
    s.kind = Step::UserSize;
    s.width = std::round(width);
    s.height = std::round(height);
    return s;
}
Step state(int window_state) {
    Step s;
    s.kind = Step::State;
    s.state = window_state;
    return s;
}

// The user's steps, from the form's design size: larger, smaller (to its minimum if it has one),
// maximised, normal again, minimised and back.
std::vector<FixtureStep> steps_from(double width, double height) {
    const auto size_title = [](const Step& s) {
        return "the user drags the border to " + std::to_string(static_cast<long>(s.width)) +
               " x " + std::to_string(static_cast<long>(s.height)) + " twips";
    };
    const Step larger = sized(width * 1.5, height * 1.25);
    const Step smaller = sized(width * 0.75, height * 0.75);
    return {{size_title(larger), larger}, {size_title(smaller), smaller},
            {"maximised", state(2)},      {"normal again", state(0)},
            {"minimised", state(1)},      {"normal again", state(0)}};
}

// The message boxes and trapped errors since the last call, as the tool prints them.
class NewMessages {
  public:
    explicit NewMessages(mem::MemoryHost& host) : host_(host) {}
    void print(std::ostream& out) {
        const auto& boxes = host_.messages();
        for (; boxes_ < boxes.size(); ++boxes_) print_message(out, boxes[boxes_].text);
        const auto& trapped = host_.trapped_errors();
        for (; trapped_ < trapped.size(); ++trapped_) {
            const auto& t = trapped[trapped_];
            print_trapped(out, t.procedure, t.number, t.description);
        }
    }

  private:
    mem::MemoryHost& host_;
    size_t boxes_ = 0, trapped_ = 0;
};

// The layout file's text for a form file.
std::string layout_of(const fs::path& form) {
    std::ostringstream out;
    out << "# " << form.filename().string()
        << " on the memory host: its layout at its design size and after each step.\n"
        << "# Written by layout_fixtures_test (KV_UPDATE_FIXTURES=1 writes it afresh).\n";
    Session session("");
    session.load(frm::FrmReader::read_file(form.string()));
    session.show();
    NewMessages messages(session.host());
    out << "\n== shown at its design size\n";
    messages.print(out);
    const Snapshot shown = session.snapshot();
    print_table(out, shown);
    for (const auto& [title, step] : steps_from(shown.form.width, shown.form.height)) {
        out << "\n== " << title << "\n";
        try {
            session.apply(step);
        } catch (const UsageError& e) {
            out << "refused: " << e.what() << "\n";
        }
        messages.print(out);
        print_table(out, session.snapshot());
    }
    return out.str();
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The lines that differ, as a unified diff shows them: "-" a line of the answer file by its line
// number there, "+" a line found instead by its number in the new text, and a line of context
// on either side.
std::string difference(const std::string& expected, const std::string& found) {
    const auto a = lines_of(expected), b = lines_of(found);
    // lcs[i][j]: the longest common subsequence of a[i..] and b[j..].
    std::vector<std::vector<size_t>> lcs(a.size() + 1, std::vector<size_t>(b.size() + 1, 0));
    for (size_t i = a.size(); i-- > 0;)
        for (size_t j = b.size(); j-- > 0;)
            lcs[i][j] =
                a[i] == b[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    struct Row {
        char mark;
        size_t line;
        const std::string* text;
    };
    std::vector<Row> rows;
    for (size_t i = 0, j = 0; i < a.size() || j < b.size();) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            rows.push_back({' ', i + 1, &a[i]});
            ++i, ++j;
        } else if (i < a.size() && (j == b.size() || lcs[i + 1][j] >= lcs[i][j + 1])) {
            rows.push_back({'-', i + 1, &a[i]});
            ++i;
        } else {
            rows.push_back({'+', j + 1, &b[j]});
            ++j;
        }
    }
    const auto changed = [&](size_t r) { return r < rows.size() && rows[r].mark != ' '; };
    constexpr size_t kMaxRows = 80;
    std::string out;
    size_t shown = 0, last = 0;
    for (size_t r = 0; r < rows.size() && shown < kMaxRows; ++r) {
        if (!changed(r) && !(r > 0 && changed(r - 1)) && !changed(r + 1)) continue;
        if (shown > 0 && r > last + 1) out += "  ...\n";
        out += std::string(1, rows[r].mark) + " " + std::to_string(rows[r].line) + ": " +
               *rows[r].text + "\n";
        ++shown;
        last = r;
    }
    return out;
}

bool updating() {
    const char* v = std::getenv("KV_UPDATE_FIXTURES");
    return v && std::string(v) == "1";
}

class LayoutFixtures : public ::testing::TestWithParam<std::string> {};

TEST_P(LayoutFixtures, FormGivesTheLayoutBesideIt) {
    const fs::path form = GetParam();
    const fs::path answer = fs::path(form).replace_extension(".layout");
    const std::string found = layout_of(form);
    if (updating()) {
        std::ofstream(answer, std::ios::binary) << found;
        std::cout << "wrote " << answer.string() << "\n";
        return;
    }
    std::ifstream in(answer, std::ios::binary);
    ASSERT_TRUE(in) << form.string() << " has no " << answer.filename().string()
                    << " beside it: write it with KV_UPDATE_FIXTURES=1, then read it";
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_TRUE(expected.str() == found)
        << form.filename().string() << " no longer gives " << answer.string()
        << " (KV_UPDATE_FIXTURES=1 writes what it gives now):\n"
        << difference(expected.str(), found);
}

// Every form file of the test data.
std::vector<std::string> forms() {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(KV_TEST_DATA))
        if (entry.path().extension() == ".frm") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

INSTANTIATE_TEST_SUITE_P(Forms, LayoutFixtures, ::testing::ValuesIn(forms()), [](const auto& info) {
    std::string n = fs::path(info.param).stem().string();
    for (char& ch : n)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
});

// The comparison shows where a control moved, by the answer file's lines.
TEST(LayoutFixtureDiff, ShowsChangedLinesWithTheirNumbers) {
    const std::string expected = "a\nb\nc\nd\ne\nf\ng\n";
    const std::string found = "a\nb\nC\nd\ne\nf\ng\nh\n";
    EXPECT_EQ(difference(expected, found),
              "  2: b\n- 3: c\n+ 3: C\n  4: d\n  ...\n  7: g\n+ 8: h\n");
    EXPECT_EQ(difference(expected, expected), "");
}

}  // namespace
}  // namespace kv::app
