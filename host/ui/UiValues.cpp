#include "host/ui/UiValues.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "host/frm/FrmError.h"
#include "host/ui/UiError.h"

namespace kv::ui {

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

namespace {

// A finite decimal number that is the whole text; nullopt otherwise.
std::optional<double> decimal(const std::string& t) {
    double v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

}  // namespace

void UiValues::fail(const UiElement& e, const std::string& what) const {
    throw UiError(doc_.path, e.line, what);
}

const UiElement& UiValues::value_of(const UiElement& property, const char* kind) const {
    for (const auto& c : property.children)
        if (c.name == kind) return c;
    const std::string* name = property.attribute("name");
    std::string found =
        property.children.empty() ? "nothing" : "<" + property.children[0].name + ">";
    fail(property, "property '" + (name ? *name : std::string()) + "': expected <" + kind +
                       ">, found " + found);
}

long long UiValues::whole(const UiElement& e, long long lo, long long hi) const {
    const std::string t = trimmed(e.text);
    long long v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size())
        fail(e, "<" + e.name + ">: " + frm::expected_found("a whole number", t));
    if (v < lo || v > hi)
        fail(e, "<" + e.name + ">: " +
                    frm::expected_found(
                        "a number from " + std::to_string(lo) + " to " + std::to_string(hi), t));
    return v;
}

bool UiValues::truth(const UiElement& e) const {
    const std::string t = trimmed(e.text);
    if (t == "true") return true;
    if (t == "false") return false;
    fail(e, "<" + e.name + ">: " + frm::expected_found("true or false", t));
}

std::optional<Value> UiValues::plain(const UiElement& property) const {
    if (property.children.empty()) return std::nullopt;
    const UiElement& v = property.children.front();
    if (v.name == "number" || v.name == "double") {
        if (const auto d = decimal(trimmed(v.text))) return Value(*d);
        return std::nullopt;
    }
    if (v.name == "bool") return Value(trimmed(v.text) == "true");
    if (v.name == "enum" || v.name == "set") return Value(trimmed(v.text));
    if (v.name == "string") return Value(v.text);
    return std::nullopt;
}

std::optional<std::string> UiValues::string(const UiElement& widget, const char* name) const {
    const UiElement* p = widget.property(name);
    if (!p) return std::nullopt;
    return value_of(*p, "string").text;
}

std::optional<bool> UiValues::boolean(const UiElement& widget, const char* name) const {
    const UiElement* p = widget.property(name);
    if (!p) return std::nullopt;
    return truth(value_of(*p, "bool"));
}

std::optional<long long> UiValues::number(const UiElement& widget, const char* name) const {
    const UiElement* p = widget.property(name);
    if (!p) return std::nullopt;
    return whole(value_of(*p, "number"), std::numeric_limits<int>::min(),
                 std::numeric_limits<int>::max());
}

std::optional<double> UiValues::real(const UiElement& widget, const char* name, double lo,
                                     double hi) const {
    const UiElement* p = widget.property(name);
    if (!p) return std::nullopt;
    const UiElement* e = p->child("double");
    if (!e) e = p->child("number");
    if (!e)
        fail(*p, "property '" + std::string(name) + "': expected <double> or <number>, found " +
                     (p->children.empty() ? "nothing" : "<" + p->children[0].name + ">"));
    const std::string t = trimmed(e->text);
    const auto v = decimal(t);
    if (!v || *v < lo || *v > hi) {
        char range[64];
        std::snprintf(range, sizeof range, "a number from %g to %g", lo, hi);
        fail(*e, "<" + e->name + ">: " + frm::expected_found(range, t));
    }
    return *v;
}

std::optional<UiRect> UiValues::rect(const UiElement& widget, const char* name) const {
    const UiElement* p = widget.property(name);
    if (!p) return std::nullopt;
    const UiElement& r = value_of(*p, "rect");
    // A widget's place and size, as QWidget keeps them.
    constexpr long long kMax = 16777215;
    auto part = [&](const char* n, long long lo) -> int {
        const UiElement* c = r.child(n);
        if (!c) fail(r, std::string("<rect> without <") + n + ">");
        return static_cast<int>(whole(*c, lo, kMax));
    };
    return UiRect{part("x", -kMax), part("y", -kMax), part("width", 0), part("height", 0)};
}

std::optional<UiFont> UiValues::font(const UiElement& widget, const char* name) const {
    const UiElement* p = widget.property(name);
    if (!p) return std::nullopt;
    const UiElement& f = value_of(*p, "font");
    UiFont out;
    if (const UiElement* s = f.child("pointsize")) {
        // Designer writes whole points; a fractional size (Qt's pointSizeF) is read too.
        const std::string t = trimmed(s->text);
        const auto v = decimal(t);
        if (!v || *v <= 0 || *v > 2048)
            fail(*s, "<pointsize>: " + frm::expected_found("a size from 1 to 2048 points", t));
        out.point_size = *v;
    }
    if (const UiElement* c = f.child("family")) out.family = c->text;
    if (const UiElement* c = f.child("bold")) out.bold = truth(*c);
    if (const UiElement* c = f.child("italic")) out.italic = truth(*c);
    if (const UiElement* c = f.child("underline")) out.underline = truth(*c);
    if (const UiElement* c = f.child("strikeout")) out.strikeout = truth(*c);
    return out;
}

std::optional<UiColor> UiValues::color(const UiElement& widget, const char* name) const {
    const UiElement* p = widget.property(name);
    if (!p) return std::nullopt;
    return color_of(value_of(*p, "color"));
}

std::optional<UiColor> UiValues::palette_color(const UiElement& widget, const char* role) const {
    const UiElement* p = widget.property("palette");
    if (!p) return std::nullopt;
    const UiElement* active = value_of(*p, "palette").child("active");
    if (!active) return std::nullopt;
    for (const UiElement* r : active->children_named("colorrole")) {
        const std::string* name = r->attribute("role");
        const UiElement* brush = r->child("brush");
        if (!name || *name != role || !brush) continue;
        const UiElement* c = brush->child("color");
        if (!c) fail(*brush, "<brush> without <color>");
        return color_of(*c);
    }
    return std::nullopt;
}

UiColor UiValues::color_of(const UiElement& c) const {
    auto part = [&](const char* n) -> int {
        const UiElement* e = c.child(n);
        return e ? static_cast<int>(whole(*e, 0, 255)) : 0;
    };
    UiColor out{part("red"), part("green"), part("blue"), 255};
    if (const std::string* a = c.attribute("alpha")) {
        UiElement alpha = c;
        alpha.text = *a;
        out.alpha = static_cast<int>(whole(alpha, 0, 255));
    }
    return out;
}

std::optional<std::string> UiValues::enumeration(const UiElement& widget, const char* name) const {
    const UiElement* p = widget.property(name);
    if (!p) return std::nullopt;
    for (const auto& c : p->children)
        if (c.name == "enum" || c.name == "set") return trimmed(c.text);
    return trimmed(value_of(*p, "enum").text);
}

std::optional<std::string> UiValues::cursor_shape(const UiElement& widget, const char* name) const {
    const UiElement* p = widget.property(name);
    if (!p) return std::nullopt;
    for (const auto& c : p->children)
        if (c.name == "cursorShape") return trimmed(c.text);
    return std::nullopt;
}

std::optional<std::vector<std::string>> UiValues::string_list(const UiElement& widget,
                                                              const char* name) const {
    const UiElement* p = widget.property(name);
    if (!p) return std::nullopt;
    std::vector<std::string> out;
    for (const UiElement* s : value_of(*p, "stringlist").children_named("string"))
        out.push_back(s->text);
    return out;
}

}  // namespace kv::ui
