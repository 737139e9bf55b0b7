#include "engine/Value.h"

#include "engine/Error.h"
#include "engine/Numbers.h"

namespace kv {

double to_double(const Value& v) {
    if (std::holds_alternative<double>(v)) return std::get<double>(v);
    if (std::holds_alternative<bool>(v)) return std::get<bool>(v) ? -1.0 : 0.0;
    if (std::holds_alternative<std::string>(v)) {
        const auto n = parse_number(std::get<std::string>(v));
        if (!n) throw Error::standard(kErrTypeMismatch);
        return *n;
    }
    return 0.0;
}

std::string to_text(const Value& v) {
    if (std::holds_alternative<std::string>(v)) return std::get<std::string>(v);
    if (std::holds_alternative<double>(v)) return number_to_text(std::get<double>(v));
    if (std::holds_alternative<bool>(v)) return std::get<bool>(v) ? "True" : "False";
    return {};
}

bool to_bool(const Value& v) {
    if (std::holds_alternative<bool>(v)) return std::get<bool>(v);
    if (std::holds_alternative<std::string>(v)) {
        const auto& s = std::get<std::string>(v);
        if (s == "True" || s == "true" || s == "TRUE") return true;
        if (s == "False" || s == "false" || s == "FALSE") return false;
    }
    return to_double(v) != 0.0;
}

bool same_value(const Value& a, const Value& b) {
    const bool a_text = std::holds_alternative<std::string>(a);
    const bool b_text = std::holds_alternative<std::string>(b);
    if (a_text || b_text)
        return a_text && b_text && std::get<std::string>(a) == std::get<std::string>(b);
    return to_double(a) == to_double(b);
}

}  // namespace kv
