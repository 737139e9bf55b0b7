#include <gtest/gtest.h>

#include <optional>

#include "engine/Error.h"
#include "engine/Numbers.h"

namespace kv {
namespace {

TEST(Numbers, RoundsHalvesToEven) {
    const struct {
        double in, out;
    } cases[] = {{0.5, 0},      {1.5, 2},      {2.5, 2},       {-0.5, -0},
                 {-1.5, -2},    {-2.5, -2},    {1234.5, 1234}, {1235.5, 1236},
                 {300.47, 300}, {300.53, 301}, {-0.07, -0}};
    for (const auto& c : cases) EXPECT_EQ(round_half_even(c.in), c.out) << c.in;
}

TEST(Numbers, NumberToTextKeepsSevenSignificantDigits) {
    const struct {
        double in;
        const char* out;
    } cases[] = {
        {1234, "1234"},         {1234.5, "1234.5"},         {-0.25, "-0.25"},       {0, "0"},
        {1.0 / 3, "0.3333333"}, {12345678, "1.234568E+07"}, {4500.125, "4500.125"}, {-15, "-15"}};
    for (const auto& c : cases) EXPECT_EQ(number_to_text(c.in), c.out) << c.in;
}

TEST(Numbers, TextToIntegerRoundsAndRejects) {
    EXPECT_EQ(text_to_int32("1234.5"), 1234);
    EXPECT_EQ(text_to_int32("1235.5"), 1236);
    EXPECT_EQ(text_to_int32(" -7 "), -7);
    EXPECT_EQ(text_to_int32("&HFF"), 255);
    EXPECT_EQ(text_to_int16("3"), 3);
    for (const char* bad : {"", "abc", "12x", "1,5"}) {
        try {
            text_to_int32(bad);
            ADD_FAILURE() << bad;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), kErrTypeMismatch) << bad;
        }
    }
    EXPECT_THROW(text_to_int16("40000"), Error);
    EXPECT_THROW(text_to_int32("3000000000"), Error);
}

// The designer's literal forms: a trailing & makes a 32-bit value whatever the digits; without
// it up to four hexadecimal digits (or an octal value up to &O177777) are a 16-bit one.
TEST(Numbers, HexadecimalAndOctalLiteralsKeepTheirWidth) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"&HFF00&", 65280},
        {"&HFF00", -256},
        {"&HFFFF&", 65535},
        {"&HFFFF", -1},
        {"&H0000FFFF&", 65535},
        {"&H10000", 65536},
        {"&HFFFFFFFF&", -1},
        {"&H80000012&", -2147483630},
        {"&hff&", 255},
        {"&O17", 15},
        {"&O177777", -1},
        {"&O177777&", 65535},
        {"&O37777777777&", -1},
        {"&O200000", 65536},
        {"&O8", std::nullopt},
        {"&H", std::nullopt},
        {"&H&", std::nullopt},
        {"&H123456789&", std::nullopt},
        {"&O47777777777", std::nullopt},
        {"&HFF&&", std::nullopt},
        {"&HG1", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parse_number(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace kv
