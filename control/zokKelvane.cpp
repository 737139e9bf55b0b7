// The resizer control: creation, error reports, public methods, Reset and Reinitialize.
#include "control/zokKelvane.h"

#include "control/AboutBox.h"
#include "control/CFormMinMax.h"
#include "control/CStoreForm.h"
#include "engine/CFormSizer.h"
#include "engine/Error.h"
#include "panes/CPanes.h"
#include "panes/PaneCreation.h"

namespace kv {

namespace {
constexpr size_t kSizerListStep = 50;
constexpr int kSettleIntervalMs = 1;
}  // namespace

std::shared_ptr<UserControl> make_zokKelvane() {
    return std::make_shared<zokKelvane>();
}

zokKelvane::zokKelvane() = default;

zokKelvane::~zokKelvane() {
    // Hooks go before the objects they call into.
    m_alive.reset();
    unhook();
    m_tmrResize.reset();
    try {
        terminate_panes();
    } catch (...) {
        // Nothing can be reported from a destructor.
    }
}

// --- error reports ---

void zokKelvane::TellProcError(const std::string& proc, const Error& error) {
    kv::TellProcError(error, proc, m_bErrorsOnlyInIDE, m_bRunningCompiled);
}

void zokKelvane::TellMessage(const std::string& text) {
    kv::TellMessage(m_oFormSizer.get(), text);
}

// --- creation and end ---

// The form's size limits are enforced by subclassing its window.
std::unique_ptr<CFormSizer> zokKelvane::new_form_sizer() {
    auto sizer = std::make_unique<CFormSizer>();
    sizer->use_size_limits([] { return std::make_shared<CFormMinMax>(); });
    return sizer;
}

void zokKelvane::UserControl_Initialize(ControlSite& site) {
    m_site = &site;
    trapped("UserControl_Initialize", [&] {
        m_oFormSizer = new_form_sizer();
        m_aSizers.assign(kSizerListStep, nullptr);
        m_iSizerCount = 0;
        m_tmrResize = Host::current().create_timer([this] { tmrResize_Timer(); });
        m_tmrResize->set_interval(kSettleIntervalMs);
        m_tmrResize->set_enabled(false);
    });
}

void zokKelvane::UserControl_Terminate() {
    trapped("UserControl_Terminate", [&] {
        unhook();
        if (m_tmrResize) m_tmrResize->set_enabled(false);
        m_tmrResize.reset();
        clear_sizer_list();
        terminate_panes();
        m_oFormSizer.reset();
        m_oStoreForm.reset();
    });
}

void zokKelvane::UserControl_Resize() {
    // Setting the size raises this event again; the inner one has nothing left to do.
    if (m_bInOwnResize || !m_site) return;
    m_bInOwnResize = true;
    trapped("UserControl_Resize", [&] {
        Host& host = Host::current();
        m_site->set_size(32 * host.twips_per_pixel_x(), 32 * host.twips_per_pixel_y());
    });
    m_bInOwnResize = false;
}

// --- public methods ---

void zokKelvane::ShowAbout() {
    try {
        show_about_box();
    } catch (...) {
        Host::current().msg_box(caught_error(std::current_exception()).description(), kOKOnly, "");
    }
}

void zokKelvane::SaveToReg(const std::string& sSubSection, const std::string& sKey,
                           const std::string& sValue) {
    trapped("SaveToReg", [&] {
        if (!m_oStoreForm) throw Error::standard(kErrObjectNotSet);
        m_oStoreForm->save_opt("User\\" + sSubSection, sKey, sValue);
    });
}

std::string zokKelvane::GetFromReg(const std::string& sSubSection, const std::string& sKey,
                                   const std::string& sDefault) {
    return trapped("GetFromReg", [&]() -> std::string {
        if (!m_oStoreForm) throw Error::standard(kErrObjectNotSet);
        return m_oStoreForm->get_opt("User\\" + sSubSection, sKey, sDefault);
    });
}

void zokKelvane::Reinitialize() {
    trapped("Reinitialize", [&] {
        if (!FormParent.expired()) {
            FormParent_Load();
            FormParent_Paint();
        }
        if (!MDIParent.expired()) MDIParent_Load();
    });
}

void zokKelvane::Reset() {
    trapped("Reset", [&] {
        m_oFormSizer = new_form_sizer();
        clear_sizer_list();
        terminate_panes();
        m_bAddAllPending = false;
        m_bLoaded = false;
        m_bInLoad = false;
        m_bMinMaxApplied = false;
        FindAlignInner();
    });
}

int32_t zokKelvane::Form_Load_addControl(int32_t mtL, int32_t mtT, int32_t mtR, int32_t mtB,
                                         int32_t mtF, const ObjectRef& cCtrl) {
    return trapped("Form_Load_addControl", [&]() -> int32_t {
        auto sizer = m_oFormSizer->Form_Load_addControl(mtL, mtT, mtR, mtB, mtF, cCtrl);
        ++m_iSizerCount;
        if (static_cast<size_t>(m_iSizerCount) > m_aSizers.size())
            m_aSizers.resize(m_aSizers.size() + kSizerListStep);
        m_aSizers[static_cast<size_t>(m_iSizerCount) - 1] = std::move(sizer);
        return m_iSizerCount;
    });
}

bool zokKelvane::Form_Load_addAllControls(bool bResizeFontsButtons) {
    return trapped("Form_Load_addAllControls", [&] {
        m_oFormSizer->Form_Load_addAllControls(parent_form(), bResizeFontsButtons);
        return false;
    });
}

int32_t zokKelvane::Form_Load_CreatePane(int32_t iCS1, int32_t iCS2, int32_t iCS3, int32_t iCS4) {
    return trapped("Form_Load_CreatePane", [&]() -> int32_t {
        const int32_t numbers[4] = {iCS1, iCS2, iCS3, iCS4};
        const auto capacity = static_cast<int64_t>(m_aSizers.size());
        for (int32_t n : numbers) {
            if (n != 0 && (n < 1 || n > capacity)) {
                TellMessage("Bad control number for pane: " + std::to_string(n));
                return 0;
            }
        }
        // The first two must name an entry; 0 there names none.
        auto entry = [&](int32_t n, bool required) -> std::shared_ptr<CControlSizer> {
            if (n == 0) {
                if (required) throw Error::standard(kErrSubscript);
                return nullptr;
            }
            return m_aSizers[static_cast<size_t>(n) - 1];
        };
        auto pane =
            CreatePane(*m_oFormSizer, entry(iCS1, true), entry(iCS2, true), entry(iCS3, false),
                       entry(iCS4, false), m_bUseSplitBars, m_lSplitBarsColor);
        adopt_pane(pane);
        m_aPanes.push_back(std::move(pane));
        return static_cast<int32_t>(m_aPanes.size());
    });
}

std::shared_ptr<CPanes> zokKelvane::pane_at(int32_t iPane) const {
    if (iPane < 1 || static_cast<size_t>(iPane) > m_aPanes.size())
        throw Error::standard(kErrSubscript);
    auto pane = m_aPanes[static_cast<size_t>(iPane) - 1];
    if (!pane) throw Error::standard(kErrObjectNotSet);
    return pane;
}

void zokKelvane::Container_KeyDown(int32_t iPane) {
    trapped("Container_KeyDown", [&] { pane_at(iPane)->Container_KeyDown(); });
}

void zokKelvane::Container_MouseDown(int32_t iPane, float x, float y) {
    trapped("Container_MouseDown", [&] { pane_at(iPane)->Container_MouseDown(x, y); });
}

void zokKelvane::Container_MouseMove(int32_t iPane, float x, float y) {
    trapped("Container_MouseMove", [&] { pane_at(iPane)->Container_MouseMove(x, y); });
}

void zokKelvane::Container_MouseUp(int32_t iPane) {
    trapped("Container_MouseUp", [&] { pane_at(iPane)->Container_MouseUp(); });
}

// --- lists ---

void zokKelvane::clear_sizer_list() {
    m_aSizers.assign(kSizerListStep, nullptr);
    m_iSizerCount = 0;
}

void zokKelvane::terminate_panes() {
    auto panes = std::move(m_aPanes);
    m_aPanes.clear();
    for (auto& pane : panes)
        if (pane) pane->DoTerminate();
}

}  // namespace kv
