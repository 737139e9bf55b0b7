// The pure arithmetic of a split pane, case by case.
#include <gtest/gtest.h>

#include "engine/Modes.h"
#include "panes/PaneMath.h"

namespace kv {
namespace {

TEST(PaneMath, ExchangeKeepAbsolute) {
    const struct {
        int32_t mode, exchanged;
    } cases[] = {
        {KV_KEEP, KV_ABSOLUTE}, {KV_ABSOLUTE, KV_KEEP}, {KV_RELATIVE, KV_RELATIVE},
        {KV_FLOAT, KV_FLOAT},   {4, KV_KEEP},           {-1, KV_KEEP},
    };
    for (const auto& c : cases) EXPECT_EQ(ExchangeKeepAbsolute(c.mode), c.exchanged) << c.mode;
}

TEST(PaneMath, EnforceMinimum) {
    const struct {
        const char* what;
        double min, a, b, want_a, want_b;
    } cases[] = {
        {"both above", 100, 3000, 3000, 3000, 3000},
        {"a lifted at b's expense", 100, 40, 5960, 100, 5900},
        {"b lifted at a's expense", 100, 5960, 40, 5900, 100},
        {"exactly the minimum stays", 100, 100, 5900, 100, 5900},
        {"below twice the minimum: b keeps it", 100, 50, 100, 50, 100},
        {"total below the minimum: a negative", 100, 30, 50, -20, 100},
        {"negative a", 100, -200, 6200, 100, 5900},
    };
    for (const auto& c : cases) {
        double a = c.a, b = c.b;
        EnforceMinimum(c.min, a, b);
        EXPECT_DOUBLE_EQ(a, c.want_a) << c.what;
        EXPECT_DOUBLE_EQ(b, c.want_b) << c.what;
        EXPECT_DOUBLE_EQ(a + b, c.a + c.b) << c.what;  // the total is never changed
    }
}

TEST(PaneMath, FirstShare) {
    const struct {
        double usable, ratio, min, first;
    } cases[] = {
        {6000, 0.5, 100, 3000}, {6000, 0, 100, 100},     {6000, 1, 100, 5900},
        {150, 0.5, 100, 50},    {6000, 0.99, 100, 5900}, {0, 0.5, 100, -100},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(first_share(c.usable, c.ratio, c.min), c.first)
            << c.usable << " x " << c.ratio;
}

// The second band keeps the minimum after the gap; the first band keeps its own as before.
TEST(PaneMath, FirstBandLeavesTheSecondItsMinimumAfterTheGap) {
    const struct {
        double usable, ratio, min, gap, first;
    } cases[] = {
        {9360, 0.9893, 100, 120, 9140}, {9360, 1, 100, 120, 9140}, {9360, 0.5, 100, 120, 4680},
        {9360, 0, 100, 120, 100},       {6000, 1, 0, 0, 6000},     {6000, 1, 100, 0, 5900},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(first_band(c.usable, c.ratio, c.min, c.gap), c.first)
            << c.usable << " x " << c.ratio << " gap " << c.gap;
}

// A pane area from 120 to 6240 in a 6360 container (margins 120), usable 6120.
TEST(PaneMath, RatioFromPoint) {
    const struct {
        const char* what;
        float pos;
        double min, usable, current, ratio;
    } cases[] = {
        {"middle", 3180, 100, 6120, 0.3, 0.5},
        {"at the area's start: lifted by the minimum", 120, 100, 6120, 0.3, 100.0 / 6120},
        {"before the container", -500, 100, 6120, 0.3, 100.0 / 6120},
        {"near the far end: held the minimum inside", 6200, 100, 6120, 0.3, 6020.0 / 6120},
        {"past the container", 9000, 100, 6120, 0.3, 6020.0 / 6120},
        {"no usable length: the current ratio", 3180, 100, 0, 0.3, 0.3},
        {"minimum larger than the area: clamped to 1", 3180, 7000, 6120, 0.3, 1},
        {"negative usable length: clamped to 0", 3180, 100, -10, 0.3, 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ratio_from_point(c.pos, 120, 120, 6360, c.min, c.usable, c.current),
                         c.ratio)
            << c.what;
}

TEST(PaneMath, RatioFromPointComparesTheBoundAsASingle) {
    // 120 + 0.1 is not a single; rounded to one it equals the pointer's position, which then
    // is not moved to the bound.
    const float pos = static_cast<float>(120.1);
    const double ratio = ratio_from_point(pos, 120, 0, 1000, 0.1, 100, 0);
    EXPECT_DOUBLE_EQ(ratio, (static_cast<double>(pos) - 120) / 100);
}

TEST(PaneMath, CompareExtent) {
    const struct {
        double a_start, a_size, b_start, b_size;
        int answer;
    } cases[] = {
        {0, 100, 200, 100, 1}, {200, 100, 0, 100, -1}, {0, 100, 100, 100, 0},
        {0, 100, 50, 100, 0},  {0, 300, 100, 50, 0},   {0, 99.5, 100, 1, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(compare_extent(c.a_start, c.a_size, c.b_start, c.b_size), c.answer)
            << c.a_start << "+" << c.a_size << " vs " << c.b_start << "+" << c.b_size;
}

}  // namespace
}  // namespace kv
