#include "host/qt/QtRangeWidgets.h"

#include <QProgressBar>
#include <QSlider>
#include <algorithm>
#include <climits>
#include <cmath>

namespace kv::qt {

namespace {

// A value Qt's int range holds.
int whole(double v) {
    return static_cast<int>(std::clamp(std::round(v), double(INT_MIN), double(INT_MAX)));
}

QSlider::TickPosition qt_tick_position(int tick_style) {
    switch (tick_style) {
        case host::RangeLook::TopLeft:
            return QSlider::TicksAbove;
        case host::RangeLook::Both:
            return QSlider::TicksBothSides;
        case host::RangeLook::NoTicks:
            return QSlider::NoTicks;
        default:
            return QSlider::TicksBelow;
    }
}

}  // namespace

QWidget* make_range_widget(const host::RangeLook& look, QWidget* parent) {
    const Qt::Orientation lie = look.upright ? Qt::Vertical : Qt::Horizontal;
    const int low = whole(std::min(look.min, look.max)), high = whole(std::max(look.min, look.max));
    if (look.kind == host::RangeLook::Kind::Progress) {
        auto* bar = new QProgressBar(parent);
        bar->setOrientation(lie);
        bar->setRange(low, high);
        bar->setValue(whole(look.value));
        bar->setTextVisible(false);
        // A range that runs from a larger Min fills from the other end.
        bar->setInvertedAppearance(look.min > look.max);
        return bar;
    }
    auto* slider = new QSlider(lie, parent);
    slider->setRange(low, high);
    slider->setValue(whole(look.value));
    slider->setTickPosition(qt_tick_position(look.ticks));
    slider->setTickInterval(whole(look.tick_frequency));
    slider->setSingleStep(whole(look.small_change));
    slider->setPageStep(whole(look.large_change));
    // Upright, Min is at the top (Qt puts its minimum at the bottom); a larger Min turns it round.
    slider->setInvertedAppearance(look.upright != (look.min > look.max));
    return slider;
}

}  // namespace kv::qt
