#pragma once
// One split pane: two to four controls of one container separated by dividers. Creation checks
// the controls and recognises their arrangement in a 2 x 2 grid; measuring, moving the split and
// its persistence, and the user's dragging of the dividers work on the fields below.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/CControlSizer.h"
#include "engine/HostObject.h"

namespace kv {

class CFormSizer;
class CStoreForm;

class CPanes : public std::enable_shared_from_this<CPanes> {
public:
    CPanes();
    ~CPanes();
    CPanes(const CPanes&) = delete;
    CPanes& operator=(const CPanes&) = delete;

    using SizerRef = std::shared_ptr<CControlSizer>;

    bool CreatePane(const SizerRef& cs1, const SizerRef& cs2, const SizerRef& cs3,
                    const SizerRef& cs4, bool useSplitBars, int32_t splitBarsColor);
    void DoTerminate();

    // Grid access, rows and columns 1..2; any other index throws error 9.
    SizerRef CSPanes(int row, int col) const;
    int16_t GuideHor(int row, int col) const;
    int16_t GuideVer(int row, int col) const;

    void setMinHorizontal(float twips);
    void setMinVertical(float twips);
    void Pane_Resize();
    void save_PaneSplit(CStoreForm& store);
    void restore_PaneSplit(CStoreForm& store);

    void Container_MouseDown(float x, float y);
    void Container_MouseMove(float x, float y);
    void Container_MouseUp();
    void Container_KeyDown();

    // --- fields ---
    ObjectRef PaneContainer;
    bool UseSplitBars = false;
    int32_t SplitBarsColor = 0;
    float GrabTolerance = 10;
    bool HasVerticalDivider = false;
    bool HasHorizontalDivider = false;
    std::array<int16_t, 2> SpanRow{};  // index r-1
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

    // The pane's divider splits, for the tools: a short description such as "vertical at 3120".
    ObjectRef split_bar_hor() const { return m_picHor; }
    ObjectRef split_bar_ver() const { return m_picVer; }

private:
    // ... creation, measuring, splitting and dragging helpers (see the .cpp files)
    std::array<std::array<SizerRef, 2>, 2> grid_{};  // [row-1][col-1]
    std::array<std::array<int16_t, 2>, 2> guide_ver_{};
    std::array<std::array<int16_t, 2>, 2> guide_hor_{};
    ObjectRef m_picHor, m_picVer;
    std::unique_ptr<EventConnection> PaneForm, PaneFrame, PanePictureBox;
};

}  // namespace kv
