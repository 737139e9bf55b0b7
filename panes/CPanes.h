#pragma once
// One split pane: two to four controls of one container separated by dividers. Creation checks
// the controls and recognises their arrangement in a 2 x 2 grid; measuring, moving the split and
// its persistence, and the user's dragging of the dividers work on the fields below.
//
// The code is split by concept: CPanes.cpp (creation, validation, layout detection, reports),
// CPanesSplit.cpp (measuring, splitting, persistence), CPanesDrag.cpp (hit-testing, dragging).
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/CControlSizer.h"
#include "engine/Error.h"
#include "engine/FormPane.h"
#include "engine/HostObject.h"
#include "panes/SplitAxis.h"

namespace kv {

class CFormSizer;
class PaneEventSink;

class CPanes : public FormPane, public std::enable_shared_from_this<CPanes> {
  public:
    CPanes();
    ~CPanes() override;
    CPanes(const CPanes&) = delete;
    CPanes& operator=(const CPanes&) = delete;

    using SizerRef = std::shared_ptr<CControlSizer>;

    bool CreatePane(const SizerRef& cs1, const SizerRef& cs2, const SizerRef& cs3,
                    const SizerRef& cs4, bool useSplitBars, int32_t splitBarsColor);
    void DoTerminate() override;

    // Grid access, rows and columns 1..2; any other index throws error 9.
    SizerRef CSPanes(int row, int col) const;
    int16_t GuideHor(int row, int col) const;
    int16_t GuideVer(int row, int col) const;

    void setMinHorizontal(float twips);
    void setMinVertical(float twips);
    void Pane_Resize() override;
    void save_PaneSplit(SplitStore& store) override;
    void restore_PaneSplit(SplitStore& store) override;
    ObjectRef pane_container() const override { return PaneContainer; }
    void form_sizer_gone(const CFormSizer* sizer) override {
        if (formSizer == sizer) formSizer = nullptr;
    }

    void Container_MouseDown(float x, float y);
    void Container_MouseMove(float x, float y);
    void Container_MouseUp();
    void Container_KeyDown();

    // Report of an error caught by one of the event procedures above. The resizer control sets
    // it to its own procedure-error report; left empty, the text "Error N in PROC: ..." goes to
    // the pane's plain report.
    std::function<void(const std::string& proc, const Error& err)> on_proc_error;

    // --- fields ---
    ObjectRef PaneContainer;
    bool UseSplitBars = false;
    int32_t SplitBarsColor = 0;
    float GrabTolerance = 10;
    bool HasVerticalDivider = false;
    bool HasHorizontalDivider = false;
    std::array<int16_t, 2> SpanRow{};  // index r-1; -1 when set
    std::array<int16_t, 2> SpanCol{};
    int32_t DragFlags = 0;
    int32_t HoverFlags = 0;
    double ContainerWidth = 0, ContainerHeight = 0;
    double InitialContainerWidth = 0, InitialContainerHeight = 0;
    CFormSizer* formSizer = nullptr;
    double RowGap = 0, ColGap = 0;
    double ColOneRight = 0, ColTwoLeft = 0, RowOneBottom = 0, RowTwoTop = 0;
    float LastX = 0, LastY = 0;
    std::array<double, 2> RowRightMargin{};
    std::array<double, 2> ColBottomMargin{};
    double MeasuredRowGap = 0, MeasuredColGap = 0;
    double AreaTop = 0, AreaBottomMargin = 0, AreaLeft = 0, AreaRightMargin = 0;
    double UsableWidth = 0, UsableHeight = 0;
    double MinHorizontal = 0, MinVertical = 0;
    double VerBandLeft = 0, VerBandRight = 0, HorBandTop = 0, HorBandBottom = 0;
    double RatioX = 0, RatioY = 0;
    int32_t m_lErrorBoxState = 0;  // suppression state of this pane's reports when it has no
                                   // form sizer

    // The split bars of the drag under way (null outside a split-bar drag).
    ObjectRef split_bar_hor() const { return m_picHor; }
    ObjectRef split_bar_ver() const { return m_picVer; }
    // Which container events are hooked (for the control and tests).
    bool hooked_as_form() const { return PaneForm != nullptr; }
    bool hooked_as_frame() const { return PaneFrame != nullptr; }
    bool hooked_as_picture_box() const { return PanePictureBox != nullptr; }

  private:
    // --- creation (CPanes.cpp) ---
    bool ValidatePaneControls(const std::array<SizerRef, 4>& list);
    bool DetectLayout(const std::array<SizerRef, 4>& list);
    void DeriveModes();
    void InitPaneDefaults();
    void hook_container();
    void ReportPaneError(std::string text);
    void ReportLayoutRefused(const std::string& text);
    void ReportPanePlain(const std::string& text);
    SizerRef& cell(int row, int col) { return grid_[row - 1][col - 1]; }
    bool occupied(int row, int col) const { return grid_[row - 1][col - 1] != nullptr; }
    int occupied_count() const;

    // --- measuring and splitting (CPanesSplit.cpp) ---
    void MeasureContainer();
    void MeasurePanes();
    void ComputeDividerBands();
    void RatiosFromPoint(int32_t flags, float x, float y);
    void do_splitting(int32_t flags);
    void split_along(const SplitAxis& axis);
    void recapture_sizers();
    bool pane_minimized();
    SizerRef column_guide();
    SizerRef row_guide();

    // --- dragging (CPanesDrag.cpp) ---
    int32_t HitTest(float x, float y);
    std::string next_splitbar_name(bool horizontal);
    ObjectRef obtain_split_bar(bool horizontal);
    void show_split_bar(const ObjectRef& bar, bool horizontal);
    void PlaceVerticalBar(float x, double a, double b);
    void PlaceHorizontalBar(float y, double a, double b);
    void finish_drag();
    WindowHandle container_window();
    void set_pointer(int32_t flags);
    // Runs `body` under an error trap that reports a caught error with the procedure's name.
    void trapped(const char* proc, const std::function<void()>& body);

    std::array<std::array<SizerRef, 2>, 2> grid_{};  // [row-1][col-1]
    std::array<std::array<int16_t, 2>, 2> guide_ver_{};
    std::array<std::array<int16_t, 2>, 2> guide_hor_{};
    bool container_is_form_ = false;
    ObjectRef m_picHor, m_picVer;
    // Bars of earlier drags, hidden and kept for the next one.
    ObjectRef spare_hor_, spare_ver_;
    // Where the drag under way was pressed, and whether the pointer has left that point since:
    // moves onto the press point itself do not change the split.
    float press_x_ = 0, press_y_ = 0;
    bool moved_from_press_ = false;
    // A split restored from outside today's usable area is placed inside it, but the stored
    // text is what the user left and is saved back unchanged until they drag that divider.
    std::string section_name();
    std::optional<std::string> kept_hor_, kept_ver_;
    // The sink outlives the connections below (declared first, destroyed last).
    std::unique_ptr<PaneEventSink> sink_;
    std::unique_ptr<EventConnection> PaneForm, PaneFrame, PanePictureBox;
};

}  // namespace kv
