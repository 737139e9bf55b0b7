// Measuring a pane from its controls, moving the split to a ratio, and saving and restoring it.
#include <algorithm>
#include <cmath>

#include "engine/CFormSizer.h"
#include "engine/HostAccess.h"
#include "engine/Numbers.h"
#include "engine/SplitStore.h"
#include "panes/CPanes.h"
#include "panes/PaneMath.h"

namespace kv {

namespace {

// A pane control's rectangle; a control without Left (a line) by its end points.
struct PaneRect {
    double left = 0, top = 0, width = 0, height = 0;
};

PaneRect read_rect(HostObject& c) {
    PaneRect r;
    if (auto left = try_num(c, Prop::Left)) {
        r.left = *left;
        r.top = try_num(c, Prop::Top).value_or(0);
        r.width = try_num(c, Prop::Width).value_or(0);
        r.height = try_num(c, Prop::Height).value_or(0);
        return r;
    }
    const double x1 = try_num(c, Prop::X1).value_or(0), x2 = try_num(c, Prop::X2).value_or(0);
    const double y1 = try_num(c, Prop::Y1).value_or(0), y2 = try_num(c, Prop::Y2).value_or(0);
    r.left = std::min(x1, x2);
    r.top = std::min(y1, y2);
    r.width = std::abs(x2 - x1);
    r.height = std::abs(y2 - y1);
    return r;
}

// Sets the larger (far) or smaller (near) end point of a line along one axis.
void set_line_end(HostObject& c, Prop p1, Prop p2, bool far_end, double value) {
    try {
        const double v1 = num(c, p1), v2 = num(c, p2);
        const bool first_is_smaller = v1 < v2;
        const bool use_second = far_end ? first_is_smaller : !first_is_smaller;
        c.set(use_second ? p2 : p1, value);
    } catch (const Error&) {
    }
}

// Moves a control of the second band to `pos` with `size` along the axis, the other axis as it
// is: the fewest arguments Move takes for it.
void place_along(HostObject& c, const SplitAxis& axis, double pos, double size) {
    if (axis.rows)
        c.move(num(c, Prop::Left), pos, num(c, Prop::Width), size);
    else
        c.move(pos, num(c, Prop::Top), size);
}

}  // namespace

void CPanes::MeasureContainer() {
    ContainerHeight = num(*PaneContainer, Prop::Height);
    ContainerWidth = num(*PaneContainer, Prop::Width);
    const auto sh = try_num(*PaneContainer, Prop::ScaleHeight);
    if (sh) ContainerHeight = *sh;
    const auto sw = try_num(*PaneContainer, Prop::ScaleWidth);
    if (sw) ContainerWidth = *sw;
    // A frame has no scale and keeps its outer size; forms and picture boxes lose the room
    // taken by controls aligned to the form's edges.
    if (sh && sw && formSizer) {
        ContainerHeight -= formSizer->state.g_dblAlignBTop + formSizer->state.g_dblAlignBBottom;
        ContainerWidth -= formSizer->state.g_dblAlignBLeft + formSizer->state.g_dblAlignBRight;
    }
}

void CPanes::MeasurePanes() {
    MeasureContainer();
    double r1_top = -1, r1_bottom = -1, r2_top = 1000000, r2_bottom = 1000000;
    double c1_left = -1, c1_right = -1, c2_left = 1000000, c2_right = 1000000;
    for (int r = 1; r <= 2; ++r) {
        for (int k = 1; k <= 2; ++k) {
            if (!occupied(r, k)) continue;
            const PaneRect g = read_rect(*cell(r, k)->ths);
            // Bottoms and rights are formed from the running top and left.
            if (!SpanCol[k - 1]) {
                if (r == 1) {
                    r1_top = std::max(r1_top, g.top);
                    r1_bottom = std::max(r1_bottom, r1_top + g.height);
                } else {
                    r2_top = std::min(r2_top, g.top);
                    r2_bottom = std::min(r2_bottom, r2_top + g.height);
                }
            }
            if (!SpanRow[r - 1]) {
                if (k == 1) {
                    c1_left = std::max(c1_left, g.left);
                    c1_right = std::max(c1_right, c1_left + g.width);
                } else {
                    c2_left = std::min(c2_left, g.left);
                    c2_right = std::min(c2_right, c2_left + g.width);
                }
            }
        }
    }
    AreaLeft = c1_left;
    if (HasVerticalDivider) {
        MeasuredColGap = c2_left - c1_right;
        AreaRightMargin = ContainerWidth - c2_right;
        UsableWidth = ContainerWidth - AreaLeft - AreaRightMargin;
    } else {
        AreaRightMargin = ContainerWidth - c1_right;
    }
    AreaTop = r1_top;
    if (HasHorizontalDivider) {
        MeasuredRowGap = r2_top - r1_bottom;
        AreaBottomMargin = ContainerHeight - r2_bottom;
        UsableHeight = ContainerHeight - AreaTop - AreaBottomMargin;
    } else {
        AreaBottomMargin = ContainerHeight - r1_bottom;
    }
}

void CPanes::ComputeDividerBands() {
    bool have_bottom = false, have_right = false;
    double first_bottom = 0, last_bottom = 0, first_right = 0, last_right = 0;
    for (int r = 1; r <= 2; ++r) {
        for (int k = 1; k <= 2; ++k) {
            if (!occupied(r, k)) continue;
            const PaneRect g = read_rect(*cell(r, k)->ths);
            if (r == 1 && !SpanCol[k - 1]) {
                last_bottom = g.top + g.height;
                if (!have_bottom) first_bottom = last_bottom;
                have_bottom = true;
            }
            if (k == 1 && !SpanRow[r - 1]) {
                last_right = g.left + g.width;
                if (!have_right) first_right = last_right;
                have_right = true;
            }
        }
    }
    HorBandTop = std::min(first_bottom, last_bottom);
    HorBandBottom = HorBandTop + RowGap;
    VerBandLeft = std::min(first_right, last_right);
    VerBandRight = VerBandLeft + ColGap;
    for (int i = 1; i <= 2; ++i) {
        if (occupied(i, 1)) {
            const PaneRect g = read_rect(*cell(i, 1)->ths);
            ColOneRight = g.left + g.width;
        }
        if (occupied(1, i)) {
            const PaneRect g = read_rect(*cell(1, i)->ths);
            RowOneBottom = g.top + g.height;
        }
    }
    ColTwoLeft = ColOneRight + ColGap;
    RowTwoTop = RowOneBottom + RowGap;
}

bool CPanes::pane_minimized() {
    try {
        HostObject& window = container_is_form_ ? *PaneContainer : *PaneContainer->parent();
        return num(window, Prop::WindowState) == 1;
    } catch (const Error&) {
        return false;
    }
}

void CPanes::Pane_Resize() {
    if (pane_minimized()) return;
    MeasurePanes();
    ComputeDividerBands();
}

void CPanes::RatiosFromPoint(int32_t flags, float x, float y) {
    if (flags & 2) {
        RatioY = ratio_from_point(y, AreaTop, AreaBottomMargin, ContainerHeight, MinVertical,
                                  UsableHeight, RatioY);
    }
    if (flags & 1) {
        RatioX = ratio_from_point(x, AreaLeft, AreaRightMargin, ContainerWidth, MinHorizontal,
                                  UsableWidth, RatioX);
    }
}

void CPanes::do_splitting(int32_t flags) {
    if (flags & 2) split_along(kRows);
    if (flags & 1) split_along(kColumns);
    recapture_sizers();
}

// Rows (or columns): the first band's controls get their far edge at the first band's end, the
// second band's their near edge at the second band's start. A control that takes another size (a
// list box of whole lines) shifts the split for the whole band and the passes run again. The
// rounds are bounded: a control that keeps refusing ends the correction, and the bands are laid
// out once more at the last split found, with the first band's end kept below a control of it
// that refused to shrink, so that the second band still starts a gap below it.
void CPanes::split_along(const SplitAxis& axis) {
    const bool rows = axis.rows;
    double& first_end = rows ? RowOneBottom : ColOneRight;
    double& second_start = rows ? RowTwoTop : ColTwoLeft;
    const double gap = rows ? RowGap : ColGap;
    first_end = (rows ? AreaTop : AreaLeft) + first_band(rows ? UsableHeight : UsableWidth,
                                                         rows ? RatioY : RatioX,
                                                         rows ? MinVertical : MinHorizontal, gap);
    // The control of band 1 or 2 in line i (a column for rows, a row for columns), unless the
    // line is one spanning control.
    const auto control_in = [&](int band, int i) -> HostObject* {
        const bool spans = rows ? SpanCol[i - 1] : SpanRow[i - 1];
        const int r = rows ? band : i, k = rows ? i : band;
        return spans || !occupied(r, k) ? nullptr : cell(r, k)->ths.get();
    };
    int rounds_left = 2 * occupied_count() + 4;
    bool again = true;
    while (again) {
        again = false;
        const bool may_correct = rounds_left-- > 0;
        for (int i = 1; i <= 2 && !again; ++i) {
            HostObject* c = control_in(1, i);
            if (!c) continue;
            try {
                c->set(axis.size, first_end - num(*c, axis.pos));
                const double end = num(*c, axis.pos) + num(*c, axis.size);
                if (refused_size(end, first_end) && (may_correct || end > first_end)) {
                    again = may_correct;
                    first_end = end + 1;
                }
            } catch (const Error&) {
                set_line_end(*c, axis.end1, axis.end2, true, first_end);
            }
        }
        if (again) continue;
        second_start = first_end + gap;
        for (int i = 1; i <= 2 && !again; ++i) {
            HostObject* c = control_in(2, i);
            if (!c) continue;
            try {
                const double pos = num(*c, axis.pos), size = num(*c, axis.size);
                const double new_size = pos + size - second_start;
                place_along(*c, axis, second_start, new_size);
                const double took = num(*c, axis.size);
                if (may_correct && refused_size(took, new_size)) {
                    first_end += new_size - took - axis.second_back_off;
                    place_along(*c, axis, pos, size);
                    again = true;
                }
            } catch (const Error&) {
                set_line_end(*c, axis.end1, axis.end2, false, second_start);
            }
        }
    }
}

// Captures the moved controls again so that later form resizes start from the new split, with
// the far edges held at the margins recorded at creation.
void CPanes::recapture_sizers() {
    for (int r = 1; r <= 2; ++r) {
        for (int k = 1; k <= 2; ++k) {
            if (!occupied(r, k)) continue;
            CControlSizer& cs = *cell(r, k);
            cs.getSizes();
            if (k == 2) cs.ths_w = (cs.par_w - cs.ths_l) - RowRightMargin[r - 1];
            if (r == 2) cs.ths_h = (cs.par_h - cs.ths_t) - ColBottomMargin[k - 1];
            cs.ResizeControlChilds();
        }
    }
}

void CPanes::setMinHorizontal(float twips) {
    MinHorizontal = twips;
    try {
        const int mode = static_cast<int>(num(*PaneContainer, Prop::ScaleMode));
        MinHorizontal = PaneContainer->scale_x(twips, kScaleTwips, mode);
    } catch (const Error&) {
        // A container without a scale of its own (a frame) keeps the value in twips.
    }
}

void CPanes::setMinVertical(float twips) {
    MinVertical = twips;
    try {
        const int mode = static_cast<int>(num(*PaneContainer, Prop::ScaleMode));
        MinVertical = PaneContainer->scale_y(twips, kScaleTwips, mode);
    } catch (const Error&) {
    }
}

// The control whose right edge stands for the column split: the first column's control.
// With (1,1) empty the column-1 control is the one in (2,1), not (1,2) of the second column,
// so that a restored split lands where it was saved.
CPanes::SizerRef CPanes::column_guide() {
    if (SpanRow[0]) return cell(2, 1);
    if (occupied(1, 1)) return cell(1, 1);
    return cell(2, 1);
}

// Likewise the first row's control for the row split.
CPanes::SizerRef CPanes::row_guide() {
    if (SpanCol[0]) return cell(1, 2);
    if (occupied(1, 1)) return cell(1, 1);
    return cell(1, 2);
}

namespace {
// The guide's size as it stands now. Its captured size dates from the last drag; a form resized
// since then has moved the divider, and the user expects to find it where they left it.
double current_size(const CControlSizer& guide, Prop p, double captured) {
    if (!guide.ths) return captured;
    return try_num(*guide.ths, p).value_or(captured);
}
}  // namespace

// The container's key: an element of a control array saves under "Pic(1)", so that the
// elements do not overwrite each other; every other container under its name.
std::string CPanes::section_name() {
    std::string key = text(*PaneContainer, Prop::Name);
    if (const auto index = try_num(*PaneContainer, Prop::Index))
        key += "(" + std::to_string(to_int32(*index)) + ")";
    return key + ".SplitPanel";
}

void CPanes::save_PaneSplit(SplitStore& store) {
    const std::string section = section_name();
    if (HasVerticalDivider) {
        const SizerRef guide = column_guide();
        if (!guide) throw Error::standard(kErrObjectNotSet);
        const double w = current_size(*guide, Prop::Width, guide->ths_w);
        store.save_opt(section, "PaneHor",
                       kept_hor_ ? *kept_hor_ : std::to_string(to_int32(w + AreaLeft)));
    }
    if (HasHorizontalDivider) {
        const SizerRef guide = row_guide();
        if (!guide) throw Error::standard(kErrObjectNotSet);
        const double h = current_size(*guide, Prop::Height, guide->ths_h);
        store.save_opt(section, "PaneVer",
                       kept_ver_ ? *kept_ver_ : std::to_string(to_int32(h + AreaTop)));
    }
}

void CPanes::restore_PaneSplit(SplitStore& store) {
    const std::string section = section_name();
    int32_t flags = 0;
    int32_t x = 0, y = 0;
    kept_hor_.reset();
    kept_ver_.reset();
    if (HasVerticalDivider) {
        try {
            const std::string stored = store.get_opt(section, "PaneHor", "");
            x = text_to_int32(stored);
            flags += 1;
            if (!split_inside(x, AreaLeft, UsableWidth, ColGap, MinHorizontal)) kept_hor_ = stored;
        } catch (const Error&) {
        }
    }
    if (HasHorizontalDivider) {
        try {
            const std::string stored = store.get_opt(section, "PaneVer", "");
            y = text_to_int32(stored);
            flags += 2;
            if (!split_inside(y, AreaTop, UsableHeight, RowGap, MinVertical)) kept_ver_ = stored;
        } catch (const Error&) {
        }
    }
    RatiosFromPoint(flags, static_cast<float>(x), static_cast<float>(y));
    do_splitting(flags);
    ComputeDividerBands();
}

}  // namespace kv
