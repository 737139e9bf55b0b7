// The user's side of a pane: hover detection with the sizing pointer, mouse capture, and the
// drag of a divider, live or with a coloured split bar that follows the pointer.
#include "engine/CFormSizer.h"
#include "engine/Host.h"
#include "engine/HostAccess.h"
#include "engine/TrappedCall.h"
#include "panes/CPanes.h"
#include "panes/PaneMath.h"

namespace kv {

namespace {

constexpr int kMaxBarNumber = 100;

std::string bar_prefix(bool horizontal) {
    return horizontal ? "KelvaneHSplit" : "KelvaneVSplit";
}

ObjectRef try_find(ControlCollection& controls, const std::string& name) {
    try {
        return controls.find(name);
    } catch (const Error&) {
        return nullptr;
    }
}

}  // namespace

void CPanes::trapped(const char* proc, const std::function<void()>& body) {
    const auto report = [&](const Error& err) {
        if (on_proc_error) {
            on_proc_error(proc, err);
        } else {
            ReportPanePlain("Error " + std::to_string(err.number()) + " in " + proc + ": \r\n" +
                            err.description());
        }
    };
    run_trapped(report, body);
}

WindowHandle CPanes::container_window() {
    return static_cast<WindowHandle>(num(*PaneContainer, Prop::hWnd));
}

void CPanes::set_pointer(int32_t flags) {
    PaneContainer->set(Prop::MousePointer, static_cast<double>(pointer_for_flags(flags)));
}

int32_t CPanes::HitTest(float x, float y) {
    int32_t flags = 0;
    if (y < static_cast<float>(AreaTop) ||
        y > static_cast<float>(ContainerHeight - AreaBottomMargin) ||
        x < static_cast<float>(AreaLeft) ||
        x > static_cast<float>(ContainerWidth - AreaRightMargin)) {
        return 0;
    }
    if (HasVerticalDivider && VerBandLeft - GrabTolerance < x && x < VerBandRight + GrabTolerance) {
        flags += 1;
    }
    if (HasHorizontalDivider && HorBandTop - GrabTolerance < y &&
        y < HorBandBottom + GrabTolerance) {
        flags += 2;
    }
    return flags;
}

void CPanes::Container_MouseMove(float x, float y) {
    trapped("Container_MouseMove", [&] {
        Host& host = Host::current();
        if (DragFlags == 0) {
            HoverFlags = HitTest(x, y);
            const WindowHandle hwnd = container_window();
            const bool captured = host.get_capture() == hwnd;
            if (HoverFlags != 0 && !captured) host.set_capture(hwnd);
            if (HoverFlags == 0 && captured) host.release_capture();
            set_pointer(HoverFlags);
        } else if (!moved_from_press_ && x == press_x_ && y == press_y_) {
            // Still on the press point: a window system's move that is no move.
        } else if (UseSplitBars) {
            const WindowHandle hwnd = container_window();
            if (host.get_capture() != hwnd) host.set_capture(hwnd);
            moved_from_press_ = true;
            LastX = x;
            LastY = y;
            const bool both = DragFlags == 3;
            if (m_picHor) PlaceVerticalBar(x, both ? y : RowOneBottom, both ? y : RowTwoTop);
            if (m_picVer) PlaceHorizontalBar(y, both ? x : ColOneRight, both ? x : ColTwoLeft);
            PaneContainer->refresh();
        } else {
            moved_from_press_ = true;
            RatiosFromPoint(DragFlags, x, y);
            do_splitting(DragFlags);
            ComputeDividerBands();
        }
    });
}

void CPanes::Container_MouseDown(float x, float y) {
    trapped("Container_MouseDown", [&] {
        if (HoverFlags == 0) return;
        DragFlags = HoverFlags;
        press_x_ = x;
        press_y_ = y;
        moved_from_press_ = false;
        // A press released without a move applies the split where the divider already is (the
        // pointer may be anywhere in the grab band, which would shift the split).
        LastX = static_cast<float>(ColOneRight);
        LastY = static_cast<float>(RowOneBottom);
        if (!UseSplitBars) return;
        if (HasVerticalDivider && !m_picHor) m_picHor = obtain_split_bar(true);
        if (HasHorizontalDivider && !m_picVer) m_picVer = obtain_split_bar(false);
        if (DragFlags == 1 || DragFlags == 3) show_split_bar(m_picHor, true);
        if (DragFlags == 2 || DragFlags == 3) show_split_bar(m_picVer, false);
    });
}

void CPanes::show_split_bar(const ObjectRef& bar, bool horizontal) {
    if (!bar) throw Error::standard(kErrObjectNotSet);
    bar->zorder(0);
    if (horizontal) {
        bar->set(Prop::Width, VerBandRight - VerBandLeft);
    } else {
        bar->set(Prop::Height, HorBandBottom - HorBandTop);
    }
    bar->set(Prop::Visible, true);
    bar->refresh();
}

// The bar for one direction: the one kept from this pane's previous drag, else a hidden bar of
// that name already on the form in this container, else a new picture box. Reusing them keeps
// a form from collecting one hidden picture box per drag and running out of names.
ObjectRef CPanes::obtain_split_bar(bool horizontal) {
    if (!formSizer || !formSizer->state.m_fForm) throw Error::standard(kErrObjectNotSet);
    const auto controls = formSizer->state.m_fForm->controls();
    ObjectRef& spare = horizontal ? spare_hor_ : spare_ver_;
    ObjectRef bar = std::move(spare);
    spare = nullptr;
    if (bar) {
        const auto name = try_text(*bar, Prop::Name);
        if (!name || !same_object(try_find(*controls, *name), bar)) bar = nullptr;
    }
    for (int n = 0; !bar && n <= kMaxBarNumber; ++n) {
        ObjectRef found = try_find(*controls, bar_prefix(horizontal) + std::to_string(n));
        if (found && !try_flag(*found, Prop::Visible).value_or(true) &&
            same_object(try_container(*found), PaneContainer)) {
            bar = found;
        }
    }
    if (!bar) bar = controls->add("VB.PictureBox", next_splitbar_name(horizontal), PaneContainer);
    bar->set(Prop::BackColor, static_cast<double>(SplitBarsColor));
    bar->set(Prop::BorderStyle, 0.0);
    return bar;
}

std::string CPanes::next_splitbar_name(bool horizontal) {
    const auto controls = formSizer->state.m_fForm->controls();
    for (int n = 0; n <= kMaxBarNumber; ++n) {
        std::string name = bar_prefix(horizontal) + std::to_string(n);
        if (!try_find(*controls, name)) return name;
    }
    Host::current().msg_box("Hey that's wrong!", kOKOnly, "");
    return {};
}

// Positions the bar of the vertical divider. In a layout whose row r is one spanning control,
// the bar runs only beside the two controls of the other row: from `a` down, or down to `b`
// (both absolute coordinates).
void CPanes::PlaceVerticalBar(float x, double a, double b) {
    double top = AreaTop;
    double length = ContainerHeight - AreaBottomMargin - AreaTop;
    if (SpanRow[0]) {
        length -= a - top;
        top = a;
    } else if (SpanRow[1]) {
        length = b - top;
    }
    if (length <= 0) length = 1;
    const double width = num(*m_picHor, Prop::Width);
    m_picHor->move(x - width / 2, top, width, length);
}

void CPanes::PlaceHorizontalBar(float y, double a, double b) {
    double left = AreaLeft;
    double length = ContainerWidth - AreaRightMargin - AreaLeft;
    if (SpanCol[0]) {
        length -= a - left;
        left = a;
    } else if (SpanCol[1]) {
        length = b - left;
    }
    if (length <= 0) length = 1;
    const double height = num(*m_picVer, Prop::Height);
    m_picVer->move(left, y - height / 2, length);
}

void CPanes::Container_MouseUp() {
    trapped("Container_MouseUp", [&] { finish_drag(); });
}

void CPanes::Container_KeyDown() {
    trapped("Container_KeyDown", [&] { finish_drag(); });
}

// Ends a drag (mouse release or any key). The capture stays: the next move that finds no
// divider under the pointer releases it.
void CPanes::finish_drag() {
    trapped("finish_drag", [&] {
        if (DragFlags == 0) return;
        if (moved_from_press_) {
            // The user placed this divider: from now on its own position is saved.
            if (DragFlags & 1) kept_hor_.reset();
            if (DragFlags & 2) kept_ver_.reset();
        }
        if (UseSplitBars) {
            RatiosFromPoint(DragFlags, LastX, LastY);
            do_splitting(DragFlags);
            ComputeDividerBands();
            if (m_picHor) {
                m_picHor->set(Prop::Visible, false);
                spare_hor_ = std::move(m_picHor);
                m_picHor = nullptr;
            }
            if (m_picVer) {
                m_picVer->set(Prop::Visible, false);
                spare_ver_ = std::move(m_picVer);
                m_picVer = nullptr;
            }
        }
        DragFlags = 0;
        set_pointer(0);
        Pane_Resize();
    });
}

}  // namespace kv
