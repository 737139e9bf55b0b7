// The resizer control's reaction to the parent form's life: load processing, resize and paint,
// the settle timer and query-unload, for an ordinary parent form and for an MDI parent form.
#include "control/CStoreForm.h"
#include "control/zokKelvane.h"
#include "engine/CFormSizer.h"
#include "engine/HostAccess.h"

namespace kv {

void zokKelvane::hook_parent(const ObjectRef& parent) {
    if (!parent || hooked()) return;
    try {
        const std::string type = parent->type_name();
        if (type == "Form") {
            m_formSink = std::make_unique<FormParentSink>(*this);
            m_parentConnection = parent->hook_events(*m_formSink);
            FormParent = parent;
        } else if (type == "MDIForm") {
            m_mdiSink = std::make_unique<MDIParentSink>(*this);
            m_parentConnection = parent->hook_events(*m_mdiSink);
            MDIParent = parent;
        }
    } catch (const Error&) {
        // A parent that cannot be hooked leaves the control idle.
        m_parentConnection.reset();
    }
}

void zokKelvane::unhook() {
    m_parentConnection.reset();
    m_formSink.reset();
    m_mdiSink.reset();
    FormParent.reset();
    MDIParent.reset();
}

ObjectRef zokKelvane::hooked_form() const {
    if (auto form = FormParent.lock()) return form;
    return MDIParent.lock();
}

// Steps 1-5 of load processing: the registry filled and frozen.
void zokKelvane::set_up_sizing() {
    apply_controlSettings();
    apply_paneSettings();
    if (m_bAddAllPending) Form_Load_addAllControls(m_bAddAllFontsButtons);
    m_oFormSizer->LockOnUpdate(m_bLockWindowOnResize);
    m_oFormSizer->Form_Load_InitializeSizing();
}

// Steps 1-7 of load processing; an error leaves the rest undone and goes to the caller's trap.
void zokKelvane::run_load_steps() {
    set_up_sizing();
    if (!m_oStoreForm) throw Error::standard(kErrObjectNotSet);
    m_oStoreForm->GetSizePosState(hooked_form(), m_bSaveSizes, m_bSavePos, m_bSaveWindowState,
                                  m_bAllowMinWindowState);
    m_bLoaded = true;
}

void zokKelvane::FormParent_Load() {
    trapped("FormParent_Load", [&] {
        if (m_oFormSizer->state.g_bMDIChildInitSizing || m_bInLoad || m_bLoaded) return;
        m_bInLoad = true;
        run_load_steps();
        m_bInLoad = false;
    });
}

void zokKelvane::MDIParent_Load() {
    trapped("MDIParent_Load", [&] {
        if (m_bInLoad || m_bLoaded) return;
        m_bInLoad = true;
        run_load_steps();
        m_bInLoad = false;
        m_bLoaded = true;
    });
}

void zokKelvane::handle_form_resize() {
    if (m_oFormSizer->state.g_bMDIChildInitSizing || m_bInLoad) return;
    if (!m_bMinMaxApplied) {
        m_oFormSizer->adjust_FormMinMax();
        m_bMinMaxApplied = true;
    }
    m_oFormSizer->Form_Resize();
    m_oFormSizer->state.g_bNeedExtraResize = true;
    m_tmrResize->set_enabled(true);
}

// The preview runs what the form's load and resize events run, with the same traps, so that
// its copy of the form ends up where the run time puts the form's controls.
void zokKelvane::preview_load(bool quiet) {
    trapped("FormParent_Load", [&] {
        if (m_bInLoad || m_bLoaded) return;
        if (quiet) m_oFormSizer->silence_messages();
        serve_form(parent_form());
        m_bAddAllPending = m_bAddAllControls;
        m_bInLoad = true;
        set_up_sizing();
        m_bInLoad = false;
        m_bLoaded = true;
    });
}

void zokKelvane::preview_resize() {
    bool timer_started = false;
    trapped("FormParent_Resize", [&] {
        if (m_oFormSizer->state.g_bMDIChildInitSizing || m_bInLoad) return;
        m_oFormSizer->Form_Resize();
        m_oFormSizer->state.g_bNeedExtraResize = true;
        timer_started = true;
    });
    // The settle timer stops once a pass asks for no other; a few ticks always get there.
    constexpr int kMostTicks = 20;
    for (int tick = 0; timer_started && tick < kMostTicks && m_oFormSizer->state.g_bNeedExtraResize;
         ++tick) {
        bool failed = true;
        trapped("Resize_Timer", [&] {
            m_oFormSizer->state.g_bNeedExtraResize = false;
            m_oFormSizer->Form_Resize();
            failed = false;
        });
        if (failed) break;
    }
}

void zokKelvane::FormParent_Resize() {
    trapped("FormParent_Resize", [&] { handle_form_resize(); });
}

void zokKelvane::FormParent_Paint() {
    trapped("FormParent_Paint", [&] {
        if (!m_bMinMaxApplied) handle_form_resize();
    });
}

void zokKelvane::MDIParent_Resize() {
    trapped("MDIParent_Resize", [&] {
        if (!m_bInLoad) m_oFormSizer->Form_Resize();
    });
}

void zokKelvane::tmrResize_Timer() {
    if (!m_tmrResize || !m_tmrResize->enabled()) return;
    bool failed = true;
    trapped("Resize_Timer", [&] {
        m_oFormSizer->state.g_bNeedExtraResize = false;
        m_oFormSizer->Form_Resize();
        failed = false;
        if (m_oFormSizer->state.g_bNeedExtraResize) return;
        m_tmrResize->set_enabled(false);
        if (!m_bPaneSplitsRestored) {
            if (m_bSavePaneSplit && m_oStoreForm) m_oFormSizer->restore_PanesSplit(*m_oStoreForm);
            m_bPaneSplitsRestored = true;
        }
    });
    // A failing pass would fail again on every tick: stop until the next resize.
    if (failed && m_tmrResize) m_tmrResize->set_enabled(false);
}

void zokKelvane::save_placement(const ObjectRef& form, bool with_pane_splits) {
    if (!m_oStoreForm) throw Error::standard(kErrObjectNotSet);
    {
        // The placement whole: never one session's Width with another's Height.
        CStoreForm::WriteGroup placement;
        if (m_bSaveSizes) m_oStoreForm->SaveSize(form);
        if (m_bSavePos) m_oStoreForm->SavePos(form);
        if (m_bSaveWindowState) m_oStoreForm->SaveWindowState(form, m_bAllowMinWindowState);
    }
    // A minimised form's panes were squeezed into no room: saving them would replace the
    // user's splits with ones no window shows.
    const bool minimised = form && num(*form, Prop::WindowState) == 1;
    if (with_pane_splits && m_bSavePaneSplit && !minimised) {
        CStoreForm::WriteGroup splits;
        m_oFormSizer->save_PanesSplit(*m_oStoreForm);
    }
    m_oFormSizer->Form_Unload();
}

void zokKelvane::FormParent_QueryUnload() {
    trapped("FormParent_QueryUnload", [&] { save_placement(FormParent.lock(), true); });
}

void zokKelvane::MDIParent_QueryUnload() {
    trapped("MDIParent_QueryUnload", [&] { save_placement(MDIParent.lock(), false); });
}

}  // namespace kv
