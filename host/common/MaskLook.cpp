#include "host/common/MaskLook.h"

#include <cstring>

#include "host/common/NamedValues.h"
#include "host/common/TextFold.h"

namespace kv::host {

namespace {

// Each placeholder of the runtime's notation and Qt's for it.
struct Placeholder {
    char forms, qt;
};
constexpr Placeholder kPlaceholders[] = {{'#', '9'}, {'9', '0'}, {'?', 'A'}, {'A', 'N'},
                                         {'a', 'n'}, {'&', 'X'}, {'C', 'x'}};
// Qt's own mask characters: a literal one of these needs its escape there.
constexpr const char* kQtSpecial = "ANXnx9D0d#HhBb><!\\;{}[]";

std::optional<char> qt_for(char forms) {
    for (const auto& p : kPlaceholders)
        if (p.forms == forms) return p.qt;
    return std::nullopt;
}

std::optional<char> forms_for(char qt) {
    for (const auto& p : kPlaceholders)
        if (p.qt == qt) return p.forms;
    return std::nullopt;
}

}  // namespace

bool MaskLook::candidate(std::string_view class_name) {
    return iequal(class_name, "MaskEdBox");
}

MaskLook MaskLook::read(HostObject& box) {
    MaskLook look;
    look.mask = named_text(box, "Mask").value_or("");
    const std::string prompt = named_text(box, "PromptChar").value_or("_");
    if (!prompt.empty()) look.prompt = prompt.substr(0, 1);
    look.text = named_text(box, "Text").value_or("");
    return look;
}

std::string MaskLook::shown() const {
    if (!text.empty() || mask.empty()) return text;
    std::string out;
    for (size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        if (c == '\\' && i + 1 < mask.size()) {
            out += mask[++i];
        } else if (c == '>' || c == '<') {
            continue;
        } else {
            out += qt_for(c) ? prompt : std::string(1, c);
        }
    }
    return out;
}

std::string MaskLook::qt_input_mask() const {
    if (mask.empty()) return "";
    std::string out;
    for (size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        if (c == '\\' && i + 1 < mask.size()) {
            const char next = mask[++i];
            if (std::strchr(kQtSpecial, next)) out += '\\';
            out += next;
        } else if (c == '>' || c == '<') {
            out += c;
        } else if (const auto q = qt_for(c)) {
            out += *q;
        } else {
            if (std::strchr(kQtSpecial, c)) out += '\\';
            out += c;
        }
    }
    // The prompt is Qt's blank character; a ';' as the prompt would end the mask early.
    return out + ";" + (prompt == ";" ? std::string("_") : prompt);
}

std::optional<MaskLook> MaskLook::from_qt(std::string_view input_mask) {
    MaskLook look;
    const size_t semi = input_mask.rfind(';');
    std::string_view body = input_mask;
    if (semi != std::string_view::npos && semi + 1 < input_mask.size() &&
        (semi == 0 || input_mask[semi - 1] != '\\')) {
        look.prompt = std::string(input_mask.substr(semi + 1, 1));
        body = input_mask.substr(0, semi);
    } else if (semi != std::string_view::npos && semi + 1 == input_mask.size()) {
        body = input_mask.substr(0, semi);
        look.prompt = " ";  // Qt's blank without a character is a space
    }
    for (size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '\\' && i + 1 < body.size()) {
            const char next = body[++i];
            if (qt_for(next) || next == '\\' || next == '>' || next == '<') look.mask += '\\';
            look.mask += next;
        } else if (c == '>' || c == '<') {
            look.mask += c;
        } else if (c == '!') {
            continue;  // case as typed: the runtime's mask goes on as it was
        } else if (const auto f = forms_for(c)) {
            look.mask += *f;
        } else if (std::strchr(kQtSpecial, c)) {
            return std::nullopt;  // a placeholder the runtime's notation has not
        } else {
            if (qt_for(c)) look.mask += '\\';
            look.mask += c;
        }
    }
    return look;
}

}  // namespace kv::host
