#pragma once
// The resize manager of one form: the registry of control sizers and the container tree (built
// when sizing is initialised), and the resize pass over that tree, with the aligned-control room,
// the hold flag, the window-update lock, MDI child sizing, size limits and the pane glue.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/BlockPool.h"
#include "engine/CControlSizer.h"
#include "engine/FormPane.h"
#include "engine/FormSizerState.h"
#include "engine/HostObject.h"
#include "engine/SizeLimits.h"
#include "engine/SortedList.h"

namespace kv {

class SplitStore;

class CFormSizer {
  public:
    CFormSizer();
    ~CFormSizer();
    CFormSizer(const CFormSizer&) = delete;
    CFormSizer& operator=(const CFormSizer&) = delete;

    // The state shared with the resizer control, the control sizers, the panes and the pages.
    FormSizerState state;

    // The smallest new width and height, in twips, that the latest pass gave a control along an
    // axis its size can change on (1000000 when none): worked out when asked, since only a
    // candidate minimum form size would read them.
    struct RunningMinima {
        double g_dblMinCWtwips = 1000000, g_dblMinCHtwips = 1000000;
    };
    RunningMinima running_minima();

    // --- registry (while the form loads) ---
    std::shared_ptr<CControlSizer> Form_Load_addControl(int32_t mtL, int32_t mtT, int32_t mtR,
                                                        int32_t mtB, int32_t mtF,
                                                        const ObjectRef& cCtrl);
    bool Form_Load_addAllControls(const ObjectRef& fForm, bool bResizeFontsButtons);
    bool Form_Load_addControlSizer(const std::shared_ptr<CControlSizer>& sizer);
    std::shared_ptr<CControlSizer> get_or_create_ctrlsizer(const std::string& sName);
    bool Form_Load_InitializeSizing();
    bool set_or_check_parent(const ObjectRef& f);
    bool set_or_check_controls(const std::shared_ptr<ControlCollection>& ctrls);
    void Reinitialize();

    // --- resize pass ---
    void Form_Resize();
    void ResizeControl(CControlSizer& cS);
    void ResizeControlChilds(CControlSizer& cS);
    void LockOnUpdate(bool bLock);
    void Form_Load_SetMDIChildSize(double dblWidth, double dblHeight, double dblScaleWidth,
                                   double dblScaleHeight);
    void Form_Load_MDIChild();

    // --- size limits ---
    // Where the enforcers of SetMinMax come from; without a maker no limits are applied.
    void use_size_limits(SizeLimitsMaker maker) { m_makeSizeLimits = std::move(maker); }
    bool adjust_FormMinMax();
    bool SetMinMax(int32_t lMinXtwips, int32_t lMinYtwips, int32_t lMaxXtwips, int32_t lMaxYtwips);
    void UnsetMinMax();

    // --- panes ---
    // Takes a created pane: files it under its container (the form's own, or the sizer of the
    // container control, registered if need be) to be re-measured after that container's
    // children, and keeps it until the form unloads.
    void AddPane(const std::shared_ptr<FormPane>& pane);
    void save_PanesSplit(SplitStore& oCStoreForm);
    void restore_PanesSplit(SplitStore& oCStoreForm);
    void Form_Unload();

    // Report an engine error for this form in the suppressible box.
    void TellError(const std::string& sMsg);
    // As if Cancel had been pressed in that box: no more boxes for this form.
    void silence_messages() { m_lErrorBoxState = 2; }

    // --- read access for the control, the pages and tests ---
    bool initialized() const { return m_bInitialized; }
    int64_t sizer_count() const { return m_iSizerCount; }
    // 1-based, as son/sister index it.
    CControlSizer& sizer(int64_t i) { return *m_vSizers.at(static_cast<size_t>(i - 1)); }
    const std::vector<std::shared_ptr<FormPane>>& panes() const { return m_aPanes; }
    int32_t error_box_state() const { return m_lErrorBoxState; }
    bool min_max_set() const { return m_oMinMax != nullptr; }

  private:
    bool check_can_add();
    std::shared_ptr<CControlSizer> create_ctrlsizer(int32_t mtL, int32_t mtT, int32_t mtR,
                                                    int32_t mtB, int32_t mtF,
                                                    const ObjectRef& cCtrl);
    bool set_or_check_form(const ObjectRef& frm);
    bool build_tree();
    void compute_fix(CControlSizer& cS, int32_t parent_mark);
    std::shared_ptr<CControlSizer> register_control(int32_t mtL, int32_t mtT, int32_t mtR,
                                                    int32_t mtB, int32_t mtF,
                                                    const ObjectRef& cCtrl);
    std::string served_form_name();
    WindowHandle form_window();
    // Empty the sizer lists; during a pass the sizers it walks are kept until it ends.
    void retire_sizers();

    ObjectRef m_oParent;
    std::shared_ptr<ControlCollection> m_oControls;
    std::unique_ptr<SortedList> m_slByDepth;
    std::unique_ptr<SortedList> m_slByKey;
    int64_t m_iSizerCount = 0;
    std::vector<std::shared_ptr<CControlSizer>> m_vSizers;
    std::vector<std::shared_ptr<CControlSizer>> m_aTopSizers;
    // Passes running (a pane or a control may start one inside another), and the sizer lists
    // emptied meanwhile by code they ran: a pass walks its sizers by reference.
    int m_iPassDepth = 0;
    std::vector<std::vector<std::shared_ptr<CControlSizer>>> m_vRetired;
    bool m_bInitialized = false;
    bool m_bAllAdded = false;
    int32_t m_lErrorBoxState = 0;

    int16_t m_iLastWindowState = 0;
    bool m_bLockOnUpdate = false;
    double m_dblChildWidth = 0, m_dblChildHeight = 0, m_dblChildScaleWidth = 0,
           m_dblChildScaleHeight = 0;
    bool m_bChildSized = false;
    SizeLimitsMaker m_makeSizeLimits;
    std::shared_ptr<SizeLimits> m_oMinMax;
    std::vector<std::shared_ptr<FormPane>> m_aPanes;
    // Where the sizers are made, so that a pass reads them in the order they sit in memory.
    std::shared_ptr<BlockPool> m_pool = std::make_shared<BlockPool>();
};

// Measure the room taken by controls aligned to the form's edges. `controls` may be null (then
// the form's own Controls). Answers true when any of the four values changed.
bool get_align_sizes(const std::shared_ptr<ControlCollection>& controls, const ObjectRef& form,
                     double& left, double& top, double& bottom, double& right);

}  // namespace kv
