#pragma once
// The project's one place for rounding and for number <-> text conversions.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double round_half_even(double x);

// Nearest 32-bit / 16-bit integer, halves to even; error 6 (Overflow) outside the range.
int32_t to_int32(double x);
int16_t to_int16(double x);

// Number to text as the host writes a single-precision value: up to seven significant digits,
// "." as decimal point whatever the locale, an exponent only past seven digits ("1.234568E+07"),
// whole numbers as plain digits ("1234", "1234.5", "-0.25").
std::string number_to_text(double x);

// Text to number as the host reads it: leading and trailing blanks allowed, "." decimal point,
// optional sign and exponent, "&H" hexadecimal and "&O" octal (a trailing "&" makes them
// 32-bit). nullopt when the text is not a number.
std::optional<double> parse_number(std::string_view text);

// Text to integer: parse_number, then nearest with halves to even. Error 13 (Type mismatch) for
// text that is not a number, 6 (Overflow) outside the range.
int32_t text_to_int32(std::string_view text);
int16_t text_to_int16(std::string_view text);

}  // namespace kv
