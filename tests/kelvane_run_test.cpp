// kelvane run on the offscreen platform: steps as window events, pictures per step, the same
// --json document as layout, placement kept between runs, restore onto today's screens.
#include <gtest/gtest.h>

#include <QImage>

#include "frm_test_util.h"
#include "tool_run.h"

namespace kv::test {
namespace {

const std::string kDemo = std::string(KV_DOCS) + "/frmMail.frm";

TEST(KelvaneRun, StepsGiveTheSameDocumentAsLayout) {
    const Argv steps{"--size", "9000x7000", "--user-size", "4000x3000", "--state", "max",
                     "--state", "normal", "--drag", "2985,1000:4000,1000", "--json"};
    Argv live{"run", kDemo}, headless{"layout", kDemo};
    live.insert(live.end(), steps.begin(), steps.end());
    headless.insert(headless.end(), steps.begin(), steps.end());
    const auto a = run(live);
    const auto b = run(headless);
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(a.json(), b.json());
    // The border drag stopped at the minimum.
    EXPECT_EQ(a.json()["form"]["width"], 7200);
}

TEST(KelvaneRun, PicturesPerStepAndPlacementKeptBetweenRuns) {
    ScratchDir dir;
    const std::string store = (dir.path() / "store.sqlite").string();
    const std::string shots = (dir.path() / "shots").string();
    const auto first = run({"run", kDemo, "--store", store, "--user-size", "10800x7800",
                            "--drag", "2985,1000:4500,1000", "--shots", shots, "--json"});
    ASSERT_EQ(first.status, 0) << first.err;
    // The window as opened, then at the size the user dragged it to.
    for (const char* name : {"step-0.png", "step-1.png", "step-2.png"}) {
        QImage picture(QString::fromStdString(shots + "/" + name));
        ASSERT_FALSE(picture.isNull()) << name;
        if (name != std::string("step-0.png")) {
            EXPECT_EQ(picture.width(), 10800 / 15 - 8) << name;
        }
    }
    const auto again = run({"run", kDemo, "--store", store, "--state", "normal", "--json"});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.json()["form"]["width"], 10800);
    EXPECT_EQ(again.json()["controls"], first.json()["controls"]);
}

TEST(KelvaneRun, BadInputIsRefused) {
    EXPECT_EQ(run({"run", "/no/such/form.frm", "--size", "100x100"}).status, 2);
    EXPECT_EQ(run({"run", kDemo, "--state", "sideways"}).status, 2);
}

}  // namespace
}  // namespace kv::test
