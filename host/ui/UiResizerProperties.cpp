#include "host/ui/UiResizerProperties.h"
#include "host/frm/CodePage.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "host/ui/UiError.h"

namespace kv::ui {

namespace {

enum class Kind { Text, Lines, Flag, Colour, Width, Height };

struct Known {
    const char* name;
    Kind kind;
};

const Known kKnown[] = {
    {"ControlSettings", Kind::Lines},
    {"PaneSettings", Kind::Lines},
    {"AddAllControls", Kind::Flag},
    {"AddAllFontsButtons", Kind::Flag},
    {"LockWindowOnResize", Kind::Flag},
    {"UseSplitBars", Kind::Flag},
    {"SplitBarsColor", Kind::Colour},
    {"FormGUID", Kind::Text},
    {"SubKey", Kind::Text},
    {"SavePos", Kind::Flag},
    {"SaveSizes", Kind::Flag},
    {"SavePaneSplit", Kind::Flag},
    {"SaveWindowState", Kind::Flag},
    {"AllowMinWindowState", Kind::Flag},
    {"MinWidth", Kind::Width},
    {"MinHeight", Kind::Height},
    {"MaxWidth", Kind::Width},
    {"MaxHeight", Kind::Height},
};

// The control's defaults where the widget leaves a property unset ("" text, false, -1 limits);
// SavePos and SaveSizes default to what the form is (the control works that out itself).
std::optional<bool> flag_default(const std::string& name) {
    if (name == "AddAllFontsButtons" || name == "LockWindowOnResize" || name == "UseSplitBars" ||
        name == "SavePaneSplit")
        return true;
    if (name == "SavePos" || name == "SaveSizes") return std::nullopt;
    return false;
}

std::string lines_with(const std::string& text, const char* eol) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\n' || text[i] == '\r') {
            out += eol;
        } else {
            out += text[i];
        }
    }
    return out;
}

const Value* find(const std::vector<UiResizerProperties::Entry>& entries, const std::string& name) {
    for (const auto& [n, v] : entries)
        if (n.size() == name.size() &&
            std::equal(n.begin(), n.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            }))
            return &v;
    return nullptr;
}

// Window inside (pixels) and form outside (twips), one side.
double outer_twips(long long pixels, const UiScale& s, bool height) {
    const int frame = 2 * s.frame.border_px + (height ? s.frame.caption_px : 0);
    const double tpp = height ? s.twips_per_pixel_y : s.twips_per_pixel_x;
    return static_cast<double>(std::lround((static_cast<double>(pixels) + frame) * tpp));
}

// The largest limit whose outer twips a 32-bit number holds.
long long most_pixels(const UiScale& s, bool height) {
    const int frame = 2 * s.frame.border_px + (height ? s.frame.caption_px : 0);
    const double tpp = height ? s.twips_per_pixel_y : s.twips_per_pixel_x;
    return static_cast<long long>(std::floor((std::numeric_limits<int32_t>::max() - 0.5) / tpp)) -
           frame;
}

long long inner_pixels(double twips, const UiScale& s, bool height) {
    const int frame = 2 * s.frame.border_px + (height ? s.frame.caption_px : 0);
    const double tpp = height ? s.twips_per_pixel_y : s.twips_per_pixel_x;
    return std::max<long long>(0, std::llround(twips / tpp) - frame);
}

}  // namespace

std::string xml_text(const std::string& raw, bool attribute) {
    // XML holds neither broken UTF-8 nor control characters other than tab and line breaks,
    // not even as references: each such one becomes U+FFFD, so the file stays readable.
    const std::string text =
        frm::is_valid_utf8(raw) ? raw : frm::decode_text_replacing(raw, "UTF-8");
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            out += "\xEF\xBF\xBD";
            continue;
        }
        switch (c) {
            case '"':
                out += attribute ? "&quot;" : "\"";
                break;
            case '\n':
                out += attribute ? "&#10;" : "\n";
                break;
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '\t':
                out += "&#9;";
                break;
            case '\r':
                out += "&#13;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

const std::vector<std::string>& UiResizerProperties::names() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const Known& k : kKnown) out.emplace_back(k.name);
        return out;
    }();
    return names;
}

std::vector<UiResizerProperties::Entry> UiResizerProperties::to_control(
    const UiValues& values, const UiElement& widget, const UiScale& scale,
    std::vector<Refused>* refused) {
    std::vector<Entry> out;
    for (const Known& k : kKnown) {
        const UiElement* property = widget.property(k.name);
        if (!property) continue;
        switch (k.kind) {
            case Kind::Text:
                out.emplace_back(k.name, *values.string(widget, k.name));
                break;
            case Kind::Lines:
                out.emplace_back(k.name, lines_with(*values.string(widget, k.name), "\r\n"));
                break;
            case Kind::Flag:
                out.emplace_back(k.name, *values.boolean(widget, k.name));
                break;
            case Kind::Colour: {
                const UiColor c = *values.color(widget, k.name);
                out.emplace_back(k.name,
                                 static_cast<double>(c.red | (c.green << 8) | (c.blue << 16)));
                break;
            }
            case Kind::Width:
            case Kind::Height: {
                const long long px = *values.number(widget, k.name);
                const bool height = k.kind == Kind::Height;
                const double twips = px < 0 ? -1.0 : outer_twips(px, scale, height);
                // The control keeps a limit in a 32-bit number of twips; a larger one would
                // overflow and take every other property with it.
                if (twips > std::numeric_limits<int32_t>::max()) {
                    if (refused)
                        refused->push_back(
                            {property->line,
                             std::string(k.name) + " " + std::to_string(px) +
                                 " is more pixels than a size limit holds (at most " +
                                 std::to_string(most_pixels(scale, height)) +
                                 "): the form has no " + k.name});
                    break;
                }
                out.emplace_back(k.name, twips);
                break;
            }
        }
    }
    return out;
}

std::string UiWidgetValue::xml() const {
    if (kind.empty()) return {};
    if (kind == "color")
        return "<color><red>" + std::to_string(red) + "</red><green>" + std::to_string(green) +
               "</green><blue>" + std::to_string(blue) + "</blue></color>";
    // The resizer's texts are names and keys, never for translators.
    const std::string open = kind == "string" ? "<string notr=\"true\">" : "<" + kind + ">";
    return open + xml_text(text) + "</" + kind + ">";
}

std::vector<std::pair<std::string, UiWidgetValue>> UiResizerProperties::to_widget(
    const std::vector<Entry>& control, const UiScale& scale) {
    std::vector<std::pair<std::string, UiWidgetValue>> out;
    for (const Known& k : kKnown) {
        const Value* v = find(control, k.name);
        UiWidgetValue w;
        switch (k.kind) {
            case Kind::Text:
            case Kind::Lines: {
                const std::string t = v ? to_text(*v) : std::string();
                w = {"string", k.kind == Kind::Lines ? lines_with(t, "\n") : t};
                break;
            }
            case Kind::Flag: {
                const std::optional<bool> b =
                    v ? std::optional<bool>(to_bool(*v)) : flag_default(k.name);
                if (b) w = {"bool", *b ? "true" : "false"};
                break;
            }
            case Kind::Colour: {
                // A system colour (the default is the highlight's) is the widget's unset colour.
                const double d = v ? to_double(*v) : -1;
                if (d >= 0 && d < 0x80000000) {
                    const auto c = static_cast<uint32_t>(d);
                    w.kind = "color";
                    w.red = static_cast<int>(c & 0xff);
                    w.green = static_cast<int>((c >> 8) & 0xff);
                    w.blue = static_cast<int>((c >> 16) & 0xff);
                }
                break;
            }
            case Kind::Width:
            case Kind::Height: {
                const double twips = v ? to_double(*v) : -1;
                const long long px =
                    twips < 0 ? -1 : inner_pixels(twips, scale, k.kind == Kind::Height);
                w = {"number", std::to_string(px)};
                break;
            }
        }
        out.emplace_back(k.name, w);
    }
    return out;
}

}  // namespace kv::ui
