#include "apps/kelvane/Json.h"

#include <charconv>
#include <cmath>

namespace kv::app {

void Json::comma() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ << ", ";
        first_.back() = false;
    }
}

void Json::begin_object() {
    comma();
    out_ << '{';
    first_.push_back(true);
}
void Json::end_object() {
    first_.pop_back();
    out_ << '}';
}
void Json::begin_array() {
    comma();
    out_ << '[';
    first_.push_back(true);
}
void Json::end_array() {
    first_.pop_back();
    out_ << ']';
}
void Json::key(const std::string& k) {
    comma();
    out_ << quote(k) << ": ";
    after_key_ = true;
}
void Json::value(const std::string& s) {
    comma();
    out_ << quote(s);
}
void Json::value(double x) {
    comma();
    out_ << number(x);
}
void Json::value(bool b) {
    comma();
    out_ << (b ? "true" : "false");
}
void Json::null() {
    comma();
    out_ << "null";
}
void Json::value(const std::optional<double>& x) {
    x ? value(*x) : null();
}
void Json::value(const std::optional<std::string>& s) {
    s ? value(*s) : null();
}
void Json::value(const std::optional<bool>& b) {
    b ? value(*b) : null();
}

std::string Json::quote(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (u < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", u);
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string Json::number(double x) {
    if (!std::isfinite(x)) return "null";  // JSON has no infinities
    if (x == 0) return "0";
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, r.ptr);
}

}  // namespace kv::app
