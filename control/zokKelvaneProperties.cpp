// The resizer control's property procedures, the parent form and its computed defaults, and the
// storage path of the placement store.
#include "control/CStoreForm.h"
#include "control/zokKelvane.h"
#include "engine/CFormSizer.h"
#include "engine/HostAccess.h"
#include "engine/Numbers.h"
#include "panes/CPanes.h"

namespace kv {

namespace {
constexpr const char* kStorageRoot = "Kelvane for VB6";

}  // namespace

void zokKelvane::mark_changed(const char* name) {
    if (m_site) m_site->property_changed(name);
}

// --- plain property procedures ---

void zokKelvane::ControlSettings(const std::string& v) {
    m_sControlSettings = v;
    mark_changed("ControlSettings");
}
void zokKelvane::PaneSettings(const std::string& v) {
    m_sPaneSettings = v;
    mark_changed("PaneSettings");
}
void zokKelvane::AddAllControls(bool v) {
    m_bAddAllControls = v;
    mark_changed("AddAllControls");
}
void zokKelvane::AddAllFontsButtons(bool v) {
    m_bAddAllFontsButtons = v;
    mark_changed("AddAllFontsButtons");
}
void zokKelvane::LockWindowOnResize(bool v) {
    m_bLockWindowOnResize = v;
    mark_changed("LockWindowOnResize");
}
void zokKelvane::UseSplitBars(bool v) {
    m_bUseSplitBars = v;
    mark_changed("UseSplitBars");
}
void zokKelvane::SplitBarsColor(int32_t v) {
    m_lSplitBarsColor = v;
    mark_changed("SplitBarsColor");
}
void zokKelvane::SavePos(bool v) {
    m_bSavePos = v;
    mark_changed("SavePos");
}
void zokKelvane::SaveSizes(bool v) {
    m_bSaveSizes = v;
    mark_changed("SaveSizes");
}
void zokKelvane::SaveWindowState(bool v) {
    m_bSaveWindowState = v;
    mark_changed("SaveWindowState");
}
void zokKelvane::SavePaneSplit(bool v) {
    m_bSavePaneSplit = v;
    mark_changed("SavePaneSplit");
}
void zokKelvane::AllowMinWindowState(bool v) {
    m_bAllowMinWindowState = v;
    mark_changed("AllowMinWindowState");
}

void zokKelvane::FormGUID(const std::string& v) {
    if (!m_bGUIDWritable) {
        Host::current().msg_box("FormGUID is readonly", kOKOnly | kInformation, "");
        return;
    }
    m_sFormGUID = v;
    mark_changed("FormGUID");
    recompute_storage_path();
}

void zokKelvane::SubKey(const std::string& v) {
    m_sSubKey = v;
    mark_changed("SubKey");
    recompute_storage_path();
}

// --- size limits, kept in the form sizer ---

void zokKelvane::set_limit(const char* proc, int32_t FormSizerState::*field, int32_t v) {
    trapped(proc, [&] {
        m_oFormSizer.get()->state.*field = v;
        mark_changed(proc);
        if (m_site && m_site->user_mode()) m_oFormSizer->adjust_FormMinMax();
    });
}

int32_t zokKelvane::MinWidth() {
    return trapped("MinWidth", [&] { return m_oFormSizer->state.m_lMinWidth; });
}
void zokKelvane::MinWidth(int32_t v) {
    set_limit("MinWidth", &FormSizerState::m_lMinWidth, v);
}
int32_t zokKelvane::MinHeight() {
    return trapped("MinHeight", [&] { return m_oFormSizer->state.m_lMinHeight; });
}
void zokKelvane::MinHeight(int32_t v) {
    set_limit("MinHeight", &FormSizerState::m_lMinHeight, v);
}
int32_t zokKelvane::MaxWidth() {
    return trapped("MaxWidth", [&] { return m_oFormSizer->state.m_lMaxWidth; });
}
void zokKelvane::MaxWidth(int32_t v) {
    set_limit("MaxWidth", &FormSizerState::m_lMaxWidth, v);
}
int32_t zokKelvane::MaxHeight() {
    return trapped("MaxHeight", [&] { return m_oFormSizer->state.m_lMaxHeight; });
}
void zokKelvane::MaxHeight(int32_t v) {
    set_limit("MaxHeight", &FormSizerState::m_lMaxHeight, v);
}

// --- parent form ---

ObjectRef zokKelvane::parent_form() {
    try {
        if (!m_site) throw Error::standard(kErrObjectNotSet);
        auto extender = m_site->extender();
        if (!extender) throw Error::standard(kErrObjectNotSet);
        return extender->parent();
    } catch (const Error& e) {
        TellMessage("Container must supply Extender\r\n\r\n" + e.description());
        return nullptr;
    }
}

ObjectRef zokKelvane::MyParentPP() {
    return parent_form();
}

std::string zokKelvane::MyNamePP() {
    if (!m_site) return {};
    auto extender = m_site->extender();
    return extender ? text(*extender, Prop::Name) : std::string();
}

bool zokKelvane::default_SaveSizes() {
    ObjectRef form = parent_form();
    if (!form) return false;
    if (form->type_name() == "MDIForm") return true;
    auto style = try_num(*form, Prop::BorderStyle);
    return style && (*style == 2 || *style == 5);
}

bool zokKelvane::default_SavePos() {
    ObjectRef form = parent_form();
    if (!form) return false;
    auto position = try_num(*form, Prop::StartUpPosition);
    return position && *position == 0;
}

void zokKelvane::recompute_storage_path() {
    if (!m_oStoreForm) return;
    std::string path = std::string(kStorageRoot) + "\\Forms\\" +
                       (m_sSubKey.empty() ? std::string("Empty SubKey") : m_sSubKey);
    ObjectRef form = parent_form();
    path += "\\" + (form ? text(*form, Prop::Name) : std::string());
    if (!m_sFormGUID.empty()) path += "\\" + m_sFormGUID;
    m_sStoragePath = path;
    m_oStoreForm->AppName(path);
}

void zokKelvane::adopt_pane(const std::shared_ptr<CPanes>& pane) {
    if (!pane) return;
    std::weak_ptr<int> alive = m_alive;
    pane->on_proc_error = [this, alive](const std::string& proc, const Error& err) {
        if (alive.lock()) TellProcError(proc, err);
    };
}

}  // namespace kv
