#pragma once
// The resizer control a developer places on a form (one per form). At design time it keeps the
// resize set-up as persisted properties; at run time it hooks the parent form's events and drives
// one form sizer for that form, restores and saves the form's placement, and offers a small
// programming interface for forms that set up resizing in code.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "control/ErrorReport.h"
#include "engine/Host.h"
#include "engine/HostObject.h"
#include "engine/UserControl.h"

namespace kv {

class CControlSizer;
class CFormSizer;
struct FormSizerState;
class CPanes;
class CStoreForm;

// The class id under which the host registers the control.
inline constexpr const char* kZokKelvaneClassId = "zokKL4VB.zokKelvane";

// The class ids of the control's property pages, in the order the dialog shows them.
inline constexpr const char* kPageControlsClassId = "zokKL4VB.ppVisControls";
inline constexpr const char* kPagePanesClassId = "zokKL4VB.ppPanes";
inline constexpr const char* kPageCodeClassId = "zokKL4VB.ppCode";

// The default split-bar colour: the system highlight colour (&H8000000D).
inline constexpr int32_t kDefaultSplitBarsColor = static_cast<int32_t>(0x8000000Du);

class zokKelvane : public UserControl {
  public:
    zokKelvane();
    ~zokKelvane() override;
    zokKelvane(const zokKelvane&) = delete;
    zokKelvane& operator=(const zokKelvane&) = delete;

    // --- host events of the control ---
    void UserControl_Initialize(ControlSite& site) override;
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(PropertyBag& bag) override;
    void UserControl_WriteProperties(PropertyBag& bag) override;
    void UserControl_Resize() override;
    void UserControl_Terminate() override;
    std::vector<std::string> property_pages() const override {
        return {kPageControlsClassId, kPagePanesClassId, kPageCodeClassId};
    }
    bool about_box() override {
        ShowAbout();
        return true;
    }

    // --- public methods ---
    void ShowAbout();
    void SaveToReg(const std::string& sSubSection, const std::string& sKey,
                   const std::string& sValue);
    std::string GetFromReg(const std::string& sSubSection, const std::string& sKey,
                           const std::string& sDefault);
    void Reinitialize();
    void Reset();
    int32_t Form_Load_addControl(int32_t mtL, int32_t mtT, int32_t mtR, int32_t mtB, int32_t mtF,
                                 const ObjectRef& cCtrl);
    bool Form_Load_addAllControls(bool bResizeFontsButtons);
    int32_t Form_Load_CreatePane(int32_t iCS1, int32_t iCS2, int32_t iCS3 = 0, int32_t iCS4 = 0);
    void Container_KeyDown(int32_t iPane);
    void Container_MouseDown(int32_t iPane, float x, float y);
    void Container_MouseMove(int32_t iPane, float x, float y);
    void Container_MouseUp(int32_t iPane);

    // --- public properties (getter and setter share the name) ---
    const std::string& ControlSettings() const { return m_sControlSettings; }
    void ControlSettings(const std::string& v);
    const std::string& PaneSettings() const { return m_sPaneSettings; }
    void PaneSettings(const std::string& v);
    bool AddAllControls() const { return m_bAddAllControls; }
    void AddAllControls(bool v);
    bool AddAllFontsButtons() const { return m_bAddAllFontsButtons; }
    void AddAllFontsButtons(bool v);
    bool LockWindowOnResize() const { return m_bLockWindowOnResize; }
    void LockWindowOnResize(bool v);
    bool UseSplitBars() const { return m_bUseSplitBars; }
    void UseSplitBars(bool v);
    int32_t SplitBarsColor() const { return m_lSplitBarsColor; }
    void SplitBarsColor(int32_t v);
    const std::string& FormGUID() const { return m_sFormGUID; }
    void FormGUID(const std::string& v);
    const std::string& SubKey() const { return m_sSubKey; }
    void SubKey(const std::string& v);
    bool SavePos() const { return m_bSavePos; }
    void SavePos(bool v);
    bool SaveSizes() const { return m_bSaveSizes; }
    void SaveSizes(bool v);
    bool SaveWindowState() const { return m_bSaveWindowState; }
    void SaveWindowState(bool v);
    bool SavePaneSplit() const { return m_bSavePaneSplit; }
    void SavePaneSplit(bool v);
    bool AllowMinWindowState() const { return m_bAllowMinWindowState; }
    void AllowMinWindowState(bool v);
    int32_t MinWidth();
    void MinWidth(int32_t v);
    int32_t MinHeight();
    void MinHeight(int32_t v);
    int32_t MaxWidth();
    void MaxWidth(int32_t v);
    int32_t MaxHeight();
    void MaxHeight(int32_t v);

    // --- for the property pages ---
    ObjectRef MyParentPP();
    std::string MyNamePP();
    bool FindAlignInner();
    // The controls page preview works this control's copy on a run-time copy of its form.
    // Load processing without the placement store: the settings strings applied, the remaining
    // controls added, sizing initialised; `quiet` keeps the set-up messages from showing.
    void preview_load(bool quiet);
    // A resize of the form and the settle timer's ticks after it, at once.
    void preview_resize();

    // --- state, for the pages, the tools and tests ---
    CFormSizer* form_sizer() const { return m_oFormSizer.get(); }
    CStoreForm* placement_store() const { return m_oStoreForm.get(); }
    // The storage path the placement store was last given ("" before the properties are read).
    const std::string& storage_path() const { return m_sStoragePath; }
    Timer* resize_timer() const { return m_tmrResize.get(); }
    int32_t control_sizer_count() const { return m_iSizerCount; }
    size_t control_sizer_capacity() const { return m_aSizers.size(); }
    int32_t pane_count() const { return static_cast<int32_t>(m_aPanes.size()); }
    bool loaded() const { return m_bLoaded; }
    bool in_load() const { return m_bInLoad; }
    bool min_max_applied() const { return m_bMinMaxApplied; }
    bool pane_splits_restored() const { return m_bPaneSplitsRestored; }
    bool errors_only_in_ide() const { return m_bErrorsOnlyInIDE; }
    bool running_compiled() const { return m_bRunningCompiled; }

    // --- parent form events (public so that the hooks and Reinitialize reach them) ---
    void FormParent_Load();
    void FormParent_Paint();
    void FormParent_Resize();
    void FormParent_QueryUnload();
    void MDIParent_Load();
    void MDIParent_Resize();
    void MDIParent_QueryUnload();
    void tmrResize_Timer();

  private:
    // Deliver the hooked parent's events to the control (an ordinary form, an MDI parent form).
    class FormParentSink : public EventSink {
      public:
        explicit FormParentSink(zokKelvane& owner) : owner_(owner) {}
        void on_load() override { owner_.FormParent_Load(); }
        void on_paint() override { owner_.FormParent_Paint(); }
        void on_resize() override { owner_.FormParent_Resize(); }
        void on_query_unload(int&, int) override { owner_.FormParent_QueryUnload(); }

      private:
        zokKelvane& owner_;
    };
    class MDIParentSink : public EventSink {
      public:
        explicit MDIParentSink(zokKelvane& owner) : owner_(owner) {}
        void on_load() override { owner_.MDIParent_Load(); }
        void on_resize() override { owner_.MDIParent_Resize(); }
        void on_query_unload(int&, int) override { owner_.MDIParent_QueryUnload(); }

      private:
        zokKelvane& owner_;
    };

    // Error reports (Part of every procedure's trap).
    void TellProcError(const std::string& proc, const Error& error);
    void TellMessage(const std::string& text);
    template <class Body>
    auto trapped(const char* proc, Body&& body) {
        return run_trapped([this, proc](const Error& e) { TellProcError(proc, e); },
                           std::forward<Body>(body));
    }

    // Load, resize and unload handling shared by the handlers.
    void run_load_steps();
    void set_up_sizing();
    void serve_form(const ObjectRef& form);
    void handle_form_resize();
    void save_placement(const ObjectRef& form, bool with_pane_splits);
    ObjectRef hooked_form() const;
    void hook_parent(const ObjectRef& parent);
    void unhook();
    static std::unique_ptr<CFormSizer> new_form_sizer();
    void clear_sizer_list();
    void terminate_panes();
    std::shared_ptr<CPanes> pane_at(int32_t iPane) const;

    // Settings strings.
    void apply_controlSettings();
    void apply_paneSettings();

    // Properties.
    ObjectRef parent_form();  // the extender's Parent; reports a missing one
    bool default_SaveSizes();
    bool default_SavePos();
    void recompute_storage_path();
    void mark_changed(const char* name);
    void set_limit(const char* proc, int32_t FormSizerState::*field, int32_t v);
    void one_per_form_refusal(bool& refused);
    // Route a pane's trapped container handlers to this control's caught-error report.
    void adopt_pane(const std::shared_ptr<CPanes>& pane);

    ControlSite* m_site = nullptr;
    // Panes may outlive the control (split bars hold them); their reporter checks this first.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
    std::unique_ptr<CFormSizer> m_oFormSizer;
    std::unique_ptr<CStoreForm> m_oStoreForm;
    std::unique_ptr<Timer> m_tmrResize;

    // Control sizer list: numbers 1..capacity map to entries 0..capacity-1.
    std::vector<std::shared_ptr<CControlSizer>> m_aSizers;
    int32_t m_iSizerCount = 0;
    std::vector<std::shared_ptr<CPanes>> m_aPanes;

    // The hooked parent (at most one of the two) and its event delivery.
    // Weak: the form owns this control, and its hooks end with it.
    std::weak_ptr<HostObject> FormParent;
    std::weak_ptr<HostObject> MDIParent;
    bool hooked() const { return !FormParent.expired() || !MDIParent.expired(); }
    std::unique_ptr<FormParentSink> m_formSink;
    std::unique_ptr<MDIParentSink> m_mdiSink;
    std::unique_ptr<EventConnection> m_parentConnection;

    // Flags.
    bool m_bLoaded = false;
    bool m_bInLoad = false;
    bool m_bMinMaxApplied = false;
    bool m_bPaneSplitsRestored = false;
    bool m_bAddAllPending = false;
    bool m_bGUIDWritable = false;
    bool m_bErrorsOnlyInIDE = false;
    bool m_bRunningCompiled = false;
    bool m_bUserMode = false;
    bool m_bParentIsMDIChild = false;
    bool m_bInOwnResize = false;

    // Property values.
    std::string m_sControlSettings;
    std::string m_sPaneSettings;
    bool m_bAddAllControls = false;
    bool m_bAddAllFontsButtons = true;
    bool m_bLockWindowOnResize = true;
    bool m_bUseSplitBars = true;
    int32_t m_lSplitBarsColor = kDefaultSplitBarsColor;
    std::string m_sFormGUID;
    std::string m_sSubKey;
    bool m_bSavePos = false;
    bool m_bSaveSizes = false;
    bool m_bSaveWindowState = false;
    bool m_bSavePaneSplit = true;
    bool m_bAllowMinWindowState = false;
    // The MDI child's design-time size, as read (text, converted when used).
    std::string m_sChildWidth, m_sChildHeight, m_sChildScaleWidth, m_sChildScaleHeight;
    std::string m_sStoragePath;
};

// A new control, for the host to register under kZokKelvaneClassId.
std::shared_ptr<UserControl> make_zokKelvane();

}  // namespace kv
