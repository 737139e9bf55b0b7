#include "host/common/RangeLook.h"

#include <algorithm>

#include "host/common/NamedValues.h"
#include "host/common/TextFold.h"

namespace kv::host {

std::optional<RangeLook::Kind> RangeLook::kind_of(std::string_view class_name) {
    if (iequal(class_name, "ProgressBar")) return Kind::Progress;
    if (iequal(class_name, "Slider")) return Kind::Slider;
    return std::nullopt;
}

std::optional<RangeLook> RangeLook::read(HostObject& c, std::string_view class_name) {
    const auto kind = kind_of(class_name);
    if (!kind) return std::nullopt;
    RangeLook r;
    r.kind = *kind;
    const bool slider = r.kind == Kind::Slider;
    r.min = named_number(c, "Min").value_or(0);
    r.max = named_number(c, "Max").value_or(slider ? 10 : 100);
    r.value = named_number(c, "Value").value_or(r.min);
    r.upright = named_number(c, "Orientation").value_or(0) == 1;
    r.smooth = named_number(c, "Scrolling").value_or(0) == 1;
    r.ticks = whole(named_number(c, "TickStyle").value_or(BottomRight), 0, 3);
    r.tick_frequency = std::max(0.0, named_number(c, "TickFrequency").value_or(1));
    r.small_change = named_number(c, "SmallChange").value_or(1);
    r.large_change = named_number(c, "LargeChange").value_or(5);
    return r;
}

namespace {

// By TickStyle; Qt's left and right ticks are its above and below.
constexpr const char* kTickNames[] = {"QSlider::TicksBelow", "QSlider::TicksAbove",
                                      "QSlider::TicksBothSides", "QSlider::NoTicks"};

}  // namespace

const char* RangeLook::qt_tick_position(int tick_style) {
    return kTickNames[std::clamp(tick_style, 0, 3)];
}

int RangeLook::tick_style(std::string_view name) {
    for (int i = 0; i < 4; ++i)
        if (name == kTickNames[i] ||
            (i < 2 && name == (i == 0 ? "QSlider::TicksRight" : "QSlider::TicksLeft")))
            return i;
    return BottomRight;
}

double RangeLook::share() const {
    if (max == min) return 0;
    return std::clamp((value - min) / (max - min), 0.0, 1.0);
}

}  // namespace kv::host
