// A restored window onto today's screens: the pure fit by a table, then end to end on the
// memory host with screens that changed between closing and opening.
#include <gtest/gtest.h>

#include "control/CStoreForm.h"
#include "control/ScreenFit.h"
#include "host/memory/MemoryHost.h"
#include "host/store/MemorySettingsStore.h"

namespace {

using kv::fit_to_screens;
using kv::PlacedRect;
using kv::ScreenArea;

constexpr double kTitle = 19 * 15;
// Two 1920 x 1040 work areas side by side (twips at 15 per pixel), and the left one alone.
const std::vector<ScreenArea> kTwo{{0, 0, 28800, 15600}, {28800, 0, 28800, 15600}};
const std::vector<ScreenArea> kOne{{0, 0, 28800, 15600}};
// A screen above-left of the primary (negative desktop coordinates).
const std::vector<ScreenArea> kUpLeft{{0, 0, 28800, 15600}, {-19200, -10800, 19200, 10800}};

TEST(ScreenFit, Table) {
    struct Case {
        const char* what;
        std::vector<ScreenArea> screens;
        PlacedRect saved, placed;
    };
    const Case cases[] = {
        {"on a screen: left alone", kOne, {1000, 2000, 6000, 4000}, {1000, 2000, 6000, 4000}},
        {"on the second monitor: left alone",
         kTwo,
         {40000, 3000, 6000, 4000},
         {40000, 3000, 6000, 4000}},
        {"across both monitors: left alone",
         kTwo,
         {26000, 3000, 6000, 4000},
         {26000, 3000, 6000, 4000}},
        {"second monitor gone: onto the right edge of the first",
         kOne,
         {40000, 3000, 6000, 4000},
         {22800, 3000, 6000, 4000}},
        {"title bar above the screen: down to its top",
         kOne,
         {1000, -3000, 6000, 4000},
         {1000, 0, 6000, 4000}},
        {"below the screen: up until the title bar shows",
         kOne,
         {1000, 20000, 6000, 4000},
         {1000, 15600 - kTitle, 6000, 4000}},
        {"larger than the screen: reduced to it",
         kOne,
         {-500, -500, 40000, 20000},
         {0, 0, 28800, 15600}},
        {"larger than the monitor it is on",
         kTwo,
         {30000, 100, 30000, 9000},
         {28800, 100, 28800, 9000}},
        {"on a screen with negative coordinates: left alone",
         kUpLeft,
         {-15000, -9000, 6000, 4000},
         {-15000, -9000, 6000, 4000}},
        {"that screen gone: onto the primary's top-left",
         kOne,
         {-15000, -9000, 6000, 4000},
         {0, 0, 6000, 4000}},
        {"no screens known: unchanged", {}, {90000, 90000, 6000, 4000}, {90000, 90000, 6000, 4000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PlacedRect r = fit_to_screens(c.saved, c.screens, kTitle);
        EXPECT_DOUBLE_EQ(r.left, c.placed.left);
        EXPECT_DOUBLE_EQ(r.top, c.placed.top);
        EXPECT_DOUBLE_EQ(r.width, c.placed.width);
        EXPECT_DOUBLE_EQ(r.height, c.placed.height);
    }
}

TEST(ScreenFit, RestoreOntoAScreenLayoutWithoutTheSavedMonitor) {
    auto host = kv::mem::MemoryHost::install();
    auto store = std::make_shared<kv::store::MemorySettingsStore>();
    host->set_settings_store(store);
    host->set_screens({{0, 0, 1920, 1040}, {1920, 0, 1920, 1040}});
    kv::CStoreForm placement;
    placement.Company("Quillon");
    placement.AppName("Screens");
    {
        auto form = host->create_form("frmMain");
        form->move(40000, 3000, 6000, 4000);  // on the second monitor
        EXPECT_TRUE(placement.SavePos(form));
        EXPECT_TRUE(placement.SaveSize(form));
        form->close();
    }
    host->set_screens({{0, 0, 1920, 1040}});  // the second monitor is gone
    auto form = host->create_form("frmMain");
    placement.GetSizePosState(form, true, true, false, false);
    EXPECT_EQ(kv::to_double(form->get(kv::Prop::Left)), 28800 - 6000);
    EXPECT_EQ(kv::to_double(form->get(kv::Prop::Top)), 3000);
    EXPECT_EQ(kv::to_double(form->get(kv::Prop::Width)), 6000);
    // The stored values stay: with the monitor back, the window goes back there.
    host->set_screens({{0, 0, 1920, 1040}, {1920, 0, 1920, 1040}});
    placement.GetSizePosState(form, true, true, false, false);
    EXPECT_EQ(kv::to_double(form->get(kv::Prop::Left)), 40000);
    kv::Host::set_current(nullptr);
}

}  // namespace
