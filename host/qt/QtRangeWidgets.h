#pragma once
// A progress bar or a slider of the common controls on a form's window: Qt's QProgressBar (no
// text on it, as the runtime's shows none) or QSlider over the control's range, lying as it
// lies, a slider's ticks on the sides TickStyle names, its Min at the top when it stands upright.
#include "host/common/RangeLook.h"

class QWidget;

namespace kv::qt {

QWidget* make_range_widget(const host::RangeLook& look, QWidget* parent);

}  // namespace kv::qt
