// Creation of a pane: checking the controls, recognising their arrangement in the 2 x 2 grid,
// deriving the anchoring modes from the guide control, and the pane's reports.
#include "panes/CPanes.h"

#include "engine/CFormSizer.h"
#include "engine/Host.h"
#include "engine/HostAccess.h"
#include "engine/SuppressibleError.h"
#include "panes/PaneEventSink.h"
#include "panes/PaneMath.h"

namespace kv {

namespace {

constexpr int16_t kTrue = -1;

std::string name_of(HostObject* obj) {
    if (!obj) return {};
    return try_text(*obj, Prop::Name).value_or(std::string{});
}

void check_index(int row, int col) {
    if (row < 1 || row > 2 || col < 1 || col > 2) throw Error::standard(kErrSubscript);
}

bool looks_like_form(HostObject& obj) {
    const std::string type = obj.type_name();
    if (type == "Form" || type == "MDIForm") return true;
    obj.controls();  // throws 438 for anything that is not a form
    return true;
}

}  // namespace

CPanes::CPanes() = default;

CPanes::~CPanes() {
    DoTerminate();
}

bool CPanes::CreatePane(const SizerRef& cs1, const SizerRef& cs2, const SizerRef& cs3,
                        const SizerRef& cs4, bool useSplitBars, int32_t splitBarsColor) {
    const std::array<SizerRef, 4> list{cs1, cs2, cs3, cs4};
    if (!ValidatePaneControls(list)) return false;
    if (!DetectLayout(list)) return false;
    UseSplitBars = useSplitBars;
    SplitBarsColor = splitBarsColor;
    InitPaneDefaults();
    MeasurePanes();
    RowGap = MeasuredRowGap;
    ColGap = MeasuredColGap;
    MeasureContainer();
    InitialContainerWidth = ContainerWidth;
    InitialContainerHeight = ContainerHeight;
    for (int r = 1; r <= 2; ++r) {
        if (const auto& cs = cell(r, 2)) {
            RowRightMargin[r - 1] = InitialContainerWidth - cs->ths_l - cs->ths_w;
        }
    }
    for (int k = 1; k <= 2; ++k) {
        if (const auto& cs = cell(2, k)) {
            ColBottomMargin[k - 1] = InitialContainerHeight - cs->ths_t - cs->ths_h;
        }
    }
    ComputeDividerBands();
    return true;
}

bool CPanes::ValidatePaneControls(const std::array<SizerRef, 4>& list) {
    if (PaneContainer) {
        ReportPaneError("Pane has already been created");
        return false;
    }
    int count = 0;
    std::string first_name;
    for (size_t i = 0; i < list.size(); ++i) {
        const SizerRef& cs = list[i];
        if (!cs) continue;
        ++count;
        if (!PaneContainer) {
            PaneContainer = cs->par;
            formSizer = cs->formSizer;
            first_name = cs->ths_name;
        } else if (!same_object(cs->par, PaneContainer)) {
            ReportPanePlain("Controls for pane is on different containers:\r\n\t" + cs->ths_name +
                            " is on " + name_of(cs->par.get()) + "\r\n\t" + first_name + " is on " +
                            name_of(PaneContainer.get()));
        }
        for (size_t j = 0; j < i; ++j) {
            if (list[j] && list[j].get() == cs.get()) {
                ReportPaneError("Control " + list[j]->ths_name + " found two times");
                return false;
            }
        }
    }
    if (count < 2) {
        ReportPaneError("There must be at least two controls in a pane");
        return false;
    }
    if (!PaneContainer) throw Error(kObjectError + 1, "No container");
    hook_container();
    return true;
}

// Hooks the container's mouse and key events under its type. A container of another kind still
// gets its pane; the host then forwards the events through the control's Container_* methods.
void CPanes::hook_container() {
    const std::string type = PaneContainer->type_name();
    if (type == "Frame") {
        sink_ = std::make_unique<PaneEventSink>(*this, false);
        PaneFrame = PaneContainer->hook_events(*sink_);
        return;
    }
    if (type == "PictureBox") {
        sink_ = std::make_unique<PaneEventSink>(*this, true);
        PanePictureBox = PaneContainer->hook_events(*sink_);
        return;
    }
    try {
        looks_like_form(*PaneContainer);
        sink_ = std::make_unique<PaneEventSink>(*this, true);
        PaneForm = PaneContainer->hook_events(*sink_);
        container_is_form_ = true;
    } catch (const Error&) {
        ReportPaneError("Container must be Frame, PictureBox or Form");
    }
}

// Places the present controls in the grid by comparing every pair; the counts of overlapping
// pairs tell the arrangement apart (see the table of arrangements in CPanes.h's users).
bool CPanes::DetectLayout(const std::array<SizerRef, 4>& list) {
    std::vector<SizerRef> present;
    for (const auto& cs : list) {
        if (cs) present.push_back(cs);
    }
    const size_t n = present.size();
    std::vector<int> row(n, 0), col(n, 0);
    int h0 = 0, v0 = 0;
    for (size_t i = 0; i + 1 < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            const CControlSizer& a = *present[i];
            const CControlSizer& b = *present[j];
            const int h = compare_extent(a.ths_l, a.ths_w, b.ths_l, b.ths_w);
            const int v = compare_extent(a.ths_t, a.ths_h, b.ths_t, b.ths_h);
            if (h == -1) {
                col[i] = 2;
                col[j] = 1;
            } else if (h == 1) {
                col[i] = 1;
                col[j] = 2;
            } else {
                ++h0;
            }
            if (v == -1) {
                row[i] = 2;
                row[j] = 1;
            } else if (v == 1) {
                row[i] = 1;
                row[j] = 2;
            } else {
                ++v0;
            }
        }
    }
    int row_sum = 0, col_sum = 0;
    for (size_t i = 0; i < n; ++i) {
        if (col[i] == 0) col[i] = 1;
        if (row[i] == 0) row[i] = 1;
        row_sum += row[i];
        col_sum += col[i];
        cell(row[i], col[i]) = present[i];  // a later control in the same cell replaces it
    }

    const std::string counts = std::to_string(h0) + std::to_string(v0);
    if (n < 2) return false;
    if (n == 3) {
        if (h0 + v0 == 3 && h0 * v0 == 2) {
            if (h0 == 2) SpanRow[row_sum == 4 ? 1 : 0] = kTrue;
            if (v0 == 2) SpanCol[col_sum == 4 ? 1 : 0] = kTrue;
        } else if (!(h0 == 1 && v0 == 1)) {
            ReportLayoutRefused("Can't 3: " + counts);
            return false;
        }
    } else if (n == 4 && !(h0 == 2 && v0 == 2)) {
        ReportLayoutRefused("can't 4 : " + counts);
        return false;
    }
    HasHorizontalDivider = h0 > 0;
    HasVerticalDivider = v0 > 0;
    if (n == 2 && HasHorizontalDivider && HasVerticalDivider) {
        ReportPaneError("Panels are overlapping, can't find layout");
        return false;
    }
    DeriveModes();
    return true;
}

// The developer sets the modes of the guide control only: the far column and row mirror them,
// and the edges next to a divider follow the guide's inner edge with keep and absolute swapped.
void CPanes::DeriveModes() {
    SizerRef hor_guide, ver_guide;
    if (occupied(1, 1)) {
        guide_hor_[0][0] = kTrue;
        guide_ver_[0][0] = kTrue;
        hor_guide = ver_guide = cell(1, 1);
    } else {
        guide_hor_[1][0] = kTrue;
        guide_ver_[0][1] = kTrue;
        hor_guide = cell(2, 1);
        ver_guide = cell(1, 2);
    }
    if (!hor_guide || !ver_guide) throw Error::standard(kErrObjectNotSet);
    const int32_t R = hor_guide->mtR, L = hor_guide->mtL;
    const int32_t B = ver_guide->mtB, T = ver_guide->mtT;
    for (int r = 1; r <= 2; ++r) {
        for (int k = 1; k <= 2; ++k) {
            CControlSizer* cs = cell(r, k).get();
            if (!cs) continue;
            if (k == 1) {
                cs->mtR = R;
            } else {
                cs->mtL = ExchangeKeepAbsolute(R);
                cs->mtR = L;
            }
            if (r == 1) {
                cs->mtB = B;
            } else {
                cs->mtT = ExchangeKeepAbsolute(B);
                cs->mtB = T;
            }
        }
    }
    if (SpanRow[0] && occupied(1, 1)) cell(1, 1)->mtR = cell(1, 1)->mtL;
    if (SpanRow[1] && occupied(2, 1)) cell(2, 1)->mtR = cell(2, 1)->mtL;
    if (SpanCol[0] && occupied(1, 1)) cell(1, 1)->mtB = cell(1, 1)->mtT;
    if (SpanCol[1] && occupied(1, 2)) cell(1, 2)->mtB = cell(1, 2)->mtT;
}

void CPanes::InitPaneDefaults() {
    GrabTolerance = 10;
    setMinHorizontal(100);
    setMinVertical(100);
    for (int r = 1; r <= 2; ++r) {
        for (int k = 1; k <= 2; ++k) {
            if (occupied(r, k)) cell(r, k)->is_pane = true;
        }
    }
}

int CPanes::occupied_count() const {
    int n = 0;
    for (const auto& row : grid_) {
        for (const auto& cs : row) n += cs ? 1 : 0;
    }
    return n;
}

void CPanes::ReportPaneError(std::string text) {
    if (PaneContainer) text += " (in " + name_of(PaneContainer.get()) + ")";
    ReportPanePlain(text);
}

void CPanes::ReportPanePlain(const std::string& text) {
    if (formSizer) {
        formSizer->TellError(text);
    } else {
        ShowSuppressibleError(m_lErrorBoxState, text, nullptr);
    }
}

// A plain box; once the form's set-up messages are silenced (Cancel in one of them) it is
// silent too.
void CPanes::ReportLayoutRefused(const std::string& text) {
    if (formSizer && formSizer->error_box_state() == 2) return;
    Host::current().msg_box(text, kOKOnly, "");
}

void CPanes::DoTerminate() {
    m_picHor = nullptr;
    m_picVer = nullptr;
    spare_hor_ = nullptr;
    spare_ver_ = nullptr;
    PaneForm = nullptr;
    PaneFrame = nullptr;
    PanePictureBox = nullptr;
}

CPanes::SizerRef CPanes::CSPanes(int row, int col) const {
    check_index(row, col);
    return grid_[row - 1][col - 1];
}

int16_t CPanes::GuideHor(int row, int col) const {
    check_index(row, col);
    return guide_hor_[row - 1][col - 1];
}

int16_t CPanes::GuideVer(int row, int col) const {
    check_index(row, col);
    return guide_ver_[row - 1][col - 1];
}

}  // namespace kv
