// The same form files through the same steps on the memory host and on the Qt host (real
// windows, offscreen) give the same geometry in twips; the Qt widgets stand where the controls
// are. CTest runs this at 96 DPI and again with QT_SCALE_FACTOR 1.25, 1.5 and 2.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "qt_rig.h"

namespace kv::test {
namespace {

using app::ControlState;
using app::Session;
using app::Snapshot;
using app::Step;

Step size_step(Step::Kind kind, double w, double h) {
    Step s;
    s.kind = kind;
    s.width = w;
    s.height = h;
    return s;
}
Step state_step(int state) {
    Step s;
    s.kind = Step::State;
    s.state = state;
    return s;
}

const ControlState* find(const Snapshot& s, const std::string& key) {
    for (const auto& c : s.controls)
        if (c.key == key) return &c;
    return nullptr;
}

// The demo's two divider drags, found from where its pane controls stand.
std::vector<Step> divider_drags(const Snapshot& s) {
    const ControlState* f = find(s, "lstFolders");
    const ControlState* m = find(s, "lstMessages");
    const ControlState* p = find(s, "txtPreview");
    if (!f || !m || !p) return {};
    Step a;
    a.kind = Step::Drag;
    a.x = (*f->left + *f->width + *m->left) / 2;
    a.y = *f->top + 600;
    a.x2 = a.x + 1500;
    a.y2 = a.y;
    Step b;
    b.kind = Step::Drag;
    b.x = *m->left + 600;
    b.y = (*m->top + *m->height + *p->top) / 2;
    b.x2 = b.x;
    b.y2 = b.y - 900;
    return {a, b};
}

std::vector<Step> common_steps() {
    return {size_step(Step::Size, 9000, 7000),
            size_step(Step::UserSize, 1500, 1200),
            size_step(Step::UserSize, 8400, 6600),
            state_step(2),
            state_step(0),
            state_step(1),
            state_step(0),
            size_step(Step::UserSize, 6000, 4500)};
}

// Snapshots after the show and after every step; the demo's divider drags come last.
std::vector<Snapshot> run(bool qt, const std::string& file) {
    std::vector<Snapshot> shots;
    auto session = make_session(qt, "");
    const auto doc = frm::FrmReader::read_file(file);
    session->load(doc);
    session->show();
    auto record = [&] {
        shots.push_back(session->snapshot());
        if (qt) expect_widgets_follow(session->form());
    };
    record();
    for (const auto& step : common_steps()) {
        session->apply(step);
        record();
    }
    for (const auto& step : divider_drags(shots.back())) {
        session->apply(step);
        record();
    }
    session->close();
    return shots;
}

void expect_same(const std::optional<double>& a, const std::optional<double>& b,
                 const std::string& what) {
    ASSERT_EQ(a.has_value(), b.has_value()) << what;
    if (a) {
        EXPECT_NEAR(*a, *b, 1e-6) << what;
    }
}

class CrossHost : public ::testing::TestWithParam<std::string> {};

TEST_P(CrossHost, SameGeometryInTwipsOnBothHosts) {
    const std::string file = GetParam();
    const auto memory = run(false, file);
    const auto qt = run(true, file);
    ASSERT_EQ(memory.size(), qt.size());
    for (size_t i = 0; i < memory.size(); ++i) {
        const Snapshot& m = memory[i];
        const Snapshot& q = qt[i];
        const std::string at = file + " after step " + std::to_string(i);
        EXPECT_EQ(m.form.window_state, q.form.window_state) << at;
        EXPECT_DOUBLE_EQ(m.form.width, q.form.width) << at;
        EXPECT_DOUBLE_EQ(m.form.height, q.form.height) << at;
        EXPECT_DOUBLE_EQ(m.form.client_width_twips, q.form.client_width_twips) << at;
        EXPECT_DOUBLE_EQ(m.form.client_height_twips, q.form.client_height_twips) << at;
        ASSERT_EQ(m.controls.size(), q.controls.size()) << at;
        for (size_t k = 0; k < m.controls.size(); ++k) {
            const auto& a = m.controls[k];
            const auto& b = q.controls[k];
            const std::string what = at + ", " + a.key;
            ASSERT_EQ(a.key, b.key) << at;
            expect_same(a.left, b.left, what + " Left");
            expect_same(a.top, b.top, what + " Top");
            expect_same(a.width, b.width, what + " Width");
            expect_same(a.height, b.height, what + " Height");
            expect_same(a.x1, b.x1, what + " X1");
            expect_same(a.y2, b.y2, what + " Y2");
            expect_same(a.font_size, b.font_size, what + " FontSize");
            EXPECT_EQ(a.visible, b.visible) << what;
        }
    }
    EXPECT_EQ(memory.back().controls.size(), qt.back().controls.size());
}

// Every form of the test data, and the demo form.
std::vector<std::string> forms() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(KV_TEST_DATA))
        if (entry.path().extension() == ".frm") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    files.push_back(std::string(KV_DOCS) + "/frmMail.frm");
    return files;
}

INSTANTIATE_TEST_SUITE_P(Forms, CrossHost, ::testing::ValuesIn(forms()), [](const auto& info) {
    std::string n = std::filesystem::path(info.param).stem().string();
    for (char& ch : n)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
});

}  // namespace
}  // namespace kv::test
