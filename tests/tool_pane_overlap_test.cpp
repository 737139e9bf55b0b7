// The demo form's split panes as a user drags them with the kelvane tool: past either side, and
// reopened after a run in the maximised state, the panes never overlap.
#include <gtest/gtest.h>

#include <map>

#include "frm_test_util.h"
#include "tool_run.h"

using kv::test::run;
using kv::test::ScratchDir;

namespace {

struct Rect {
    double l, t, w, h;
};

// The rectangles of the controls in a layout --json answer, by key.
std::map<std::string, Rect> rects_of(const kv::test::Run& run) {
    std::map<std::string, Rect> out;
    const auto doc = run.json();
    for (const auto& c : doc.at("controls"))
        if (c.at("left").is_number())
            out[c.at("key").get<std::string>()] = {
                c.at("left").get<double>(), c.at("top").get<double>(), c.at("width").get<double>(),
                c.at("height").get<double>()};
    return out;
}

bool overlap(const Rect& a, const Rect& b) {
    return a.l < b.l + b.w && b.l < a.l + a.w && a.t < b.t + b.h && b.t < a.t + a.h;
}

// The three panes of the demo form each keep a size and none covers another.
void expect_panes_apart(const kv::test::Run& run) {
    const auto r = rects_of(run);
    const char* keys[] = {"lstFolders", "lstMessages", "txtPreview"};
    for (const char* k : keys) {
        ASSERT_TRUE(r.count(k)) << k << "\n" << run.out;
        EXPECT_GT(r.at(k).w, 0) << k;
        EXPECT_GT(r.at(k).h, 0) << k;
    }
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j)
            EXPECT_FALSE(overlap(r.at(keys[i]), r.at(keys[j]))) << keys[i] << " / " << keys[j];
}

const std::string kDemo = std::string(KV_DOCS) + "/frmMail.frm";

}  // namespace

TEST(PaneOverlap, DividersDraggedPastEitherSideAndReopened) {
    // The folders | messages divider runs at x 2400..2520, messages / preview at y 2475..2595.
    const char* drags[] = {"2460,2000:9400,2000", "2460,2000:-3000,2000", "5000,2535:5000,9000",
                           "5000,2535:5000,-2000"};
    for (const char* drag : drags) {
        SCOPED_TRACE(drag);
        ScratchDir dir;
        const std::string store = (dir.path() / "s.sqlite").string();
        const auto dragged = run({"layout", kDemo, "--drag", drag, "--json", "--store", store});
        ASSERT_EQ(dragged.status, 0) << dragged.err;
        expect_panes_apart(dragged);
        const auto again = run({"layout", kDemo, "--json", "--store", store});
        ASSERT_EQ(again.status, 0) << again.err;
        expect_panes_apart(again);
    }
}

TEST(PaneOverlap, RunAfterAMaximisedRun) {
    ScratchDir dir;
    const std::string store = (dir.path() / "s.sqlite").string();
    for (const char* drag : {"2460,2000:20000,2000", "5000,2535:5000,14000"}) {
        SCOPED_TRACE(drag);
        const auto max =
            run({"layout", kDemo, "--state", "max", "--drag", drag, "--json", "--store", store});
        ASSERT_EQ(max.status, 0) << max.err;
        expect_panes_apart(max);
        const auto normal = run({"layout", kDemo, "--json", "--store", store});
        ASSERT_EQ(normal.status, 0) << normal.err;
        expect_panes_apart(normal);
    }
}
