#include "engine/Numbers.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "engine/Error.h"

namespace kv {

double round_half_even(double x) {
    // nearbyint honours the current rounding mode; the default is to-nearest-even.
    const int saved = std::fegetround();
    if (saved != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(x);
    if (saved != FE_TONEAREST) std::fesetround(saved);
    return r;
}

int32_t to_int32(double x) {
    const double r = round_half_even(x);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw Error::standard(kErrOverflow);
    return static_cast<int32_t>(r);
}

int16_t to_int16(double x) {
    const double r = round_half_even(x);
    if (!(r >= -32768.0 && r <= 32767.0)) throw Error::standard(kErrOverflow);
    return static_cast<int16_t>(r);
}

std::string number_to_text(double x) {
    if (x == 0) return "0";
    char buf[64];
    // Seven significant digits as %.7G in the C locale (to_chars ignores the user's locale);
    // strip the zeros it pads with.
    const auto end = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 7).ptr;
    std::string s(buf, end);
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    const auto e = s.find('E');
    std::string mant = e == std::string::npos ? s : s.substr(0, e);
    std::string exp = e == std::string::npos ? "" : s.substr(e);
    if (mant.find('.') != std::string::npos) {
        while (!mant.empty() && mant.back() == '0') mant.pop_back();
        if (!mant.empty() && mant.back() == '.') mant.pop_back();
    }
    return mant + exp;
}

namespace {

// "&H" hexadecimal or "&O" octal, as the designer writes them: with a trailing "&" a 32-bit
// value, without one a 16-bit value when it has up to four hexadecimal digits (octal: when it
// fits 16 bits), else a 32-bit one; both signed.
std::optional<double> parse_radix_literal(std::string_view t) {
    const char kind = t.size() > 1 ? t[1] : 0;
    const bool hex = kind == 'H' || kind == 'h';
    if (!hex && kind != 'O' && kind != 'o') return std::nullopt;
    std::string_view digits = t.substr(2);
    const bool long_suffix = !digits.empty() && digits.back() == '&';
    if (long_suffix) digits.remove_suffix(1);
    if (digits.empty() || digits.size() > (hex ? 8u : 11u)) return std::nullopt;
    uint64_t v = 0;
    auto [p, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v, hex ? 16 : 8);
    if (ec != std::errc() || p != digits.data() + digits.size() || v > 0xFFFFFFFFu)
        return std::nullopt;
    const bool narrow = !long_suffix && (hex ? digits.size() <= 4 : v <= 0xFFFF);
    if (narrow) return static_cast<double>(static_cast<int16_t>(static_cast<uint16_t>(v)));
    return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(v)));
}

}  // namespace

std::optional<double> parse_number(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    std::string_view t = text.substr(b, e - b);
    if (t.empty()) return std::nullopt;
    if (t.size() > 1 && t[0] == '&') return parse_radix_literal(t);
    std::string_view n = t;
    if (n[0] == '+') n.remove_prefix(1);
    if (n.empty()) return std::nullopt;
    double v = 0;
    auto [p, ec] = std::from_chars(n.data(), n.data() + n.size(), v, std::chars_format::general);
    if (ec != std::errc() || p != n.data() + n.size()) return std::nullopt;
    return v;
}

int32_t text_to_int32(std::string_view text) {
    const auto v = parse_number(text);
    if (!v) throw Error::standard(kErrTypeMismatch);
    return to_int32(*v);
}

int16_t text_to_int16(std::string_view text) {
    const auto v = parse_number(text);
    if (!v) throw Error::standard(kErrTypeMismatch);
    return to_int16(*v);
}

}  // namespace kv
