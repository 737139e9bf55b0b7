#include "host/common/StatusBarLook.h"

#include <algorithm>
#include <cmath>

#include "host/common/NamedValues.h"
#include "host/common/TextFold.h"

namespace kv::host {

namespace {

// No status bar shows more panels than this; a file saying more is cut there.
constexpr int kMaxPanels = 64;

// What a panel that shows a key's state or the clock shows: the key's name (drawn grey while
// the key is off, as here where no keyboard is read), or the text saved with the form.
std::string shown_text(int style, const std::string& text, const std::string& saved) {
    static constexpr const char* kKeys[] = {"", "CAPS", "NUM", "INS", "SCRL", "", "", "KANA"};
    if (style >= 1 && style <= 7 && *kKeys[style]) return kKeys[style];
    if (style == 5 || style == 6) return saved;
    return text;
}

}  // namespace

bool StatusBarLook::candidate(std::string_view class_name) {
    return iequal(class_name, "StatusBar");
}

StatusBarLook StatusBarLook::read(HostObject& bar) {
    StatusBarLook look;
    look.simple = named_number(bar, "Style").value_or(0) == 1;
    look.simple_text = named_text(bar, "SimpleText").value_or("");
    // A bar the designer saved without panels still has its first one.
    const int count = whole(named_number(bar, "Panels.Count").value_or(1), 0, kMaxPanels);
    for (int i = 1; i <= count; ++i) {
        const std::string at = "Panels(" + std::to_string(i) + ").";
        auto number = [&](const char* name, double fallback) {
            return named_number(bar, at + name).value_or(fallback);
        };
        StatusPanel p;
        const int style = whole(number("Style", 0), 0, 7);
        p.text = shown_text(style, named_text(bar, at + "Text").value_or(""),
                            named_text(bar, at + "TextSave").value_or(""));
        p.auto_size = whole(number("AutoSize", 0), 0, 2);
        p.alignment = whole(number("Alignment", 0), 0, 2);
        p.bevel = whole(number("Bevel", 1), 0, 2);
        p.width_twips = himetric_twips(number("Width", 2540));
        p.min_width_twips = himetric_twips(number("MinWidth", 2540));
        p.enabled = number("Enabled", 1) != 0 && style != 1 && style != 2 && style != 3 &&
                    style != 4 && style != 7;
        look.panels.push_back(std::move(p));
    }
    return look;
}

std::vector<StatusBarLook::Place> StatusBarLook::place(
    double width, double tpp, const std::function<double(const std::string&)>& text_width) const {
    std::vector<Place> out(panels.size());
    double used = 0;
    int springs = 0;
    for (size_t i = 0; i < panels.size(); ++i) {
        const StatusPanel& p = panels[i];
        const double least = std::round(p.min_width_twips / tpp);
        if (p.auto_size == 1) {
            ++springs;
            out[i].width = least;
        } else if (p.auto_size == 2) {
            out[i].width = std::max(least, std::ceil(text_width(p.text)) + 2 * kPanelInset);
        } else {
            out[i].width = std::round(p.width_twips / tpp);
        }
        used += out[i].width + (i ? kPanelGap : 0);
    }
    // The room left goes to the springs alike (the first ones take the odd pixels).
    if (springs > 0 && used < width) {
        const double room = width - used;
        const double share = std::floor(room / springs);
        double odd = room - share * springs;
        for (size_t i = 0; i < panels.size(); ++i) {
            if (panels[i].auto_size != 1) continue;
            out[i].width += share + (odd > 0 ? 1 : 0);
            odd -= 1;
        }
    }
    double left = 0;
    for (auto& p : out) {
        p.left = left;
        left += p.width + kPanelGap;
    }
    return out;
}

}  // namespace kv::host
