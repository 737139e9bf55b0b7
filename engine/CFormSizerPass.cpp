// The resize half of the form sizer: the pass over the container tree, the aligned-control
// room and hold flag, the window-update lock, MDI child sizing, size limits, the pane glue and
// the engine's error report.
#include <algorithm>
#include <cstddef>

#include "engine/CFormSizer.h"
#include "engine/Error.h"
#include "engine/Host.h"
#include "engine/HostAccess.h"
#include "engine/Numbers.h"
#include "engine/SuppressibleError.h"

namespace kv {

namespace {
// Holds the platform's window-update lock for one pass and releases it however the pass ends.
class UpdateLock {
  public:
    explicit UpdateLock(WindowHandle hwnd) {
        if (hwnd != 0) locked_ = Host::current().lock_window_update(hwnd);
    }
    ~UpdateLock() {
        if (locked_) Host::current().lock_window_update(0);
    }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

  private:
    bool locked_ = false;
};

// Counts a running pass; the last one to end lets go of the sizers retired meanwhile.
class PassGuard {
  public:
    PassGuard(int& depth, std::vector<std::vector<std::shared_ptr<CControlSizer>>>& retired)
        : depth_(depth), retired_(retired) {
        ++depth_;
    }
    ~PassGuard() {
        if (--depth_ == 0) retired_.clear();
    }
    PassGuard(const PassGuard&) = delete;
    PassGuard& operator=(const PassGuard&) = delete;

  private:
    int& depth_;
    std::vector<std::vector<std::shared_ptr<CControlSizer>>>& retired_;
};

// Sets a flag for the lifetime of the guard.
class FlagGuard {
  public:
    explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

  private:
    bool& flag_;
};
}  // namespace

WindowHandle CFormSizer::form_window() {
    const ObjectRef& form = state.m_fForm ? state.m_fForm : m_oParent;
    if (!form) throw Error::standard(kErrObjectNotSet);
    return static_cast<WindowHandle>(num(*form, Prop::hWnd));
}

// One pass: measure the aligned bars, then every control before its children, each child's
// subtree before the next sibling, a container's pane after its children, the form's pane last.
void CFormSizer::Form_Resize() {
    if (m_oParent) {
        if (auto window_state = try_num(*m_oParent, Prop::WindowState)) {
            const auto ws = static_cast<int16_t>(*window_state);
            if (ws != m_iLastWindowState) state.g_bNeedExtraResize = false;
            m_iLastWindowState = ws;
        }
    }
    if (state.g_bMDIChildInitSizing || !m_bInitialized || !m_oControls) return;
    if (m_iSizerCount == 0) return;
    if (!state.g_bAlignFixed) {
        if (get_align_sizes(m_oControls, state.m_fForm, state.g_dblAlignBLeft, state.g_dblAlignBTop,
                            state.g_dblAlignBBottom, state.g_dblAlignBRight))
            state.g_bNeedExtraResize = true;  // place controls once the bars have settled
    }
    ++state.pass;  // the running minima start again (worked out when asked)
    UpdateLock lock(m_bLockOnUpdate ? form_window() : 0);
    // Index loop: a pane or a control may run code that touches the list (the guard keeps the
    // sizers it drops).
    PassGuard pass(m_iPassDepth, m_vRetired);
    for (size_t i = 0; i < m_aTopSizers.size(); ++i) ResizeControl(*m_aTopSizers[i]);
    if (const auto pane = state.g_oContainedPane) pane->Pane_Resize();
}

void CFormSizer::ResizeControl(CControlSizer& cS) {
    cS.ResizeSingleControl(state);
    ResizeControlChilds(cS);
    if (const auto pane = cS.ContainedPane.lock()) pane->Pane_Resize();
}

void CFormSizer::ResizeControlChilds(CControlSizer& cS) {
    int64_t i = cS.son;
    // A child's code may have restarted the registry: the tree this walk follows is gone then.
    while (i != 0 && i <= m_iSizerCount) {
        CControlSizer& child = sizer(i);
        child.ResizeControl();
        i = child.sister;
    }
}

CFormSizer::RunningMinima CFormSizer::running_minima() {
    RunningMinima m;
    for (const auto& s : m_vSizers) {
        if (s->placed_pass == 0 || s->placed_pass != state.pass || s->ths_fix == 3) continue;
        const auto twips = s->placed_twips();
        if (!twips) continue;
        if (!(s->ths_fix & 1)) m.g_dblMinCWtwips = std::min(m.g_dblMinCWtwips, twips->first);
        if (!(s->ths_fix & 2)) m.g_dblMinCHtwips = std::min(m.g_dblMinCHtwips, twips->second);
    }
    return m;
}

void CFormSizer::LockOnUpdate(bool bLock) {
    m_bLockOnUpdate = bLock;
}

void CFormSizer::Form_Load_SetMDIChildSize(double dblWidth, double dblHeight, double dblScaleWidth,
                                           double dblScaleHeight) {
    m_dblChildWidth = dblWidth;
    m_dblChildHeight = dblHeight;
    m_dblChildScaleWidth = dblScaleWidth;
    m_dblChildScaleHeight = dblScaleHeight;
}

void CFormSizer::Form_Load_MDIChild() {
    if (!state.m_fForm || m_bChildSized) return;
    if (m_dblChildWidth != 0 && m_dblChildHeight != 0) {
        HostObject& form = *state.m_fForm;
        {
            FlagGuard sizing(state.g_bMDIChildInitSizing);
            form.move(num(form, Prop::Left), num(form, Prop::Top), m_dblChildWidth,
                      m_dblChildHeight);
        }
        state.g_dblMDIChildScaleHeightDiff = num(form, Prop::ScaleHeight) - m_dblChildScaleHeight;
    }
    m_bChildSized = true;
}

bool CFormSizer::adjust_FormMinMax() {
    return SetMinMax(state.m_lMinWidth, state.m_lMinHeight, state.m_lMaxWidth, state.m_lMaxHeight);
}

bool CFormSizer::SetMinMax(int32_t lMinXtwips, int32_t lMinYtwips, int32_t lMaxXtwips,
                           int32_t lMaxYtwips) {
    if (lMinXtwips >= 0 || lMinYtwips >= 0 || lMaxXtwips >= 0 || lMaxYtwips >= 0) {
        const WindowHandle hwnd = form_window();
        m_oMinMax.reset();  // one enforcer per window: release the old one before hooking again
        if (!m_makeSizeLimits) return false;
        auto enforcer = m_makeSizeLimits();
        enforcer->SetMinMax(hwnd, lMinXtwips, lMinYtwips, lMaxXtwips, lMaxYtwips);
        m_oMinMax = std::move(enforcer);
    } else {
        UnsetMinMax();
    }
    return false;
}

void CFormSizer::UnsetMinMax() {
    m_oMinMax.reset();
}

void CFormSizer::AddPane(const std::shared_ptr<FormPane>& pane) {
    if (!pane) return;
    const ObjectRef container = pane->pane_container();
    if (same_object(container, state.m_fForm)) {
        state.g_oContainedPane = pane;
    } else if (container) {
        // By control key, so that a container in a control array is found too.
        if (auto holder = get_or_create_ctrlsizer(control_key(*container)))
            holder->ContainedPane = pane;
    }
    m_aPanes.push_back(pane);
}

void CFormSizer::save_PanesSplit(SplitStore& oCStoreForm) {
    for (size_t i = 0; i < m_aPanes.size(); ++i) m_aPanes[i]->save_PaneSplit(oCStoreForm);
}

void CFormSizer::restore_PanesSplit(SplitStore& oCStoreForm) {
    for (size_t i = m_aPanes.size(); i-- > 0;) m_aPanes[i]->restore_PaneSplit(oCStoreForm);
}

void CFormSizer::Form_Unload() {
    UnsetMinMax();
    for (size_t i = 0; i < m_aPanes.size(); ++i) m_aPanes[i]->DoTerminate();
}

void CFormSizer::TellError(const std::string& sMsg) {
    ShowSuppressibleError(m_lErrorBoxState, sMsg, m_oParent);
}

bool get_align_sizes(const std::shared_ptr<ControlCollection>& controls, const ObjectRef& form,
                     double& left, double& top, double& bottom, double& right) {
    const double was_left = left, was_top = top, was_bottom = bottom, was_right = right;
    left = top = bottom = right = 0;
    std::shared_ptr<ControlCollection> ctrls = controls;
    if (!ctrls && form) ctrls = form->controls();
    if (!ctrls) return was_left != 0 || was_top != 0 || was_bottom != 0 || was_right != 0;
    const auto form_size = [&](Prop p) {
        if (!form) throw Error::standard(kErrObjectNotSet);
        return num(*form, p);
    };
    // Only the controls that may have an Align: most have none, and the form asks every pass.
    for (const ObjectRef& c : ctrls->having(Prop::Align)) {
        try {
            // Align first: most controls have none, and then visibility does not matter.
            const auto align = try_num(*c, Prop::Align);
            if (!align || *align == 0) continue;
            // A control counts when it is visible, or while its form is still hidden.
            bool counts = true;
            if (auto visible = try_flag(*c, Prop::Visible); visible && !*visible) {
                const ObjectRef owner = try_parent(*c);
                const auto form_visible = owner ? try_flag(*owner, Prop::Visible) : std::nullopt;
                counts = !form_visible || !*form_visible;
            }
            if (!counts) continue;
            switch (static_cast<int>(*align)) {
                case 1:
                    top = std::max(top, num(*c, Prop::Top) + num(*c, Prop::Height));
                    break;
                case 2:
                    bottom = std::max(bottom, form_size(Prop::ScaleHeight) - num(*c, Prop::Top));
                    break;
                case 3:
                    left = std::max(left, num(*c, Prop::Left) + num(*c, Prop::Width));
                    break;
                case 4:
                    right = std::max(right, form_size(Prop::ScaleWidth) - num(*c, Prop::Left));
                    break;
                default:
                    break;
            }
        } catch (const Error&) {
            // a control whose bar cannot be measured takes no room
        }
    }
    return left != was_left || top != was_top || bottom != was_bottom || right != was_right;
}

}  // namespace kv
