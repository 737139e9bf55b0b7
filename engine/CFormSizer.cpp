// The registry half of the form sizer: registration while the form loads, the checks on the
// served form, and the container tree built when sizing is initialised.
#include "engine/CFormSizer.h"

#include <algorithm>
#include <any>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "engine/Error.h"
#include "engine/Host.h"
#include "engine/HostAccess.h"
#include "engine/TextCase.h"

namespace kv {

namespace {
std::shared_ptr<CControlSizer> as_sizer(const std::any& item) {
    if (const auto* p = std::any_cast<std::shared_ptr<CControlSizer>>(&item)) return *p;
    return nullptr;
}
}  // namespace

CFormSizer::CFormSizer() {
    Reinitialize();
}

CFormSizer::~CFormSizer() {
    // Sizers and panes may be held elsewhere; they must not reach back into a dead sizer.
    for (auto& pane : m_aPanes)
        if (pane) pane->form_sizer_gone(this);
    for (auto& s : m_vSizers)
        if (s && s->formSizer == this) s->formSizer = nullptr;
}

void CFormSizer::Reinitialize() {
    state.g_bNeedExtraResize = true;
    m_slByDepth = std::make_unique<SortedList>();
    m_slByKey = std::make_unique<SortedList>();
    m_slByKey->SortMode(1);
    m_bInitialized = false;
    m_bAllAdded = false;
    retire_sizers();
    m_iSizerCount = 0;
    state.g_oContainedPane = nullptr;
    state.m_fForm = nullptr;
    m_oParent = nullptr;
    m_oControls = nullptr;
    state.g_oAlignParent = nullptr;
    m_bChildSized = false;
    state.g_bMDIChildInitSizing = false;
    m_bLockOnUpdate = false;
    state.g_bAlignFixed = false;
}

void CFormSizer::retire_sizers() {
    if (m_iPassDepth > 0) {
        m_vRetired.push_back(std::move(m_vSizers));
        m_vRetired.push_back(std::move(m_aTopSizers));
    }
    m_vSizers.clear();
    m_aTopSizers.clear();
}

std::string CFormSizer::served_form_name() {
    return m_oParent ? text(*m_oParent, Prop::Name) : std::string();
}

bool CFormSizer::check_can_add() {
    if (!m_bInitialized) return true;
    TellError("Can't add more controls when sizing has been initialized");
    return false;
}

std::shared_ptr<CControlSizer> CFormSizer::Form_Load_addControl(int32_t mtL, int32_t mtT,
                                                                int32_t mtR, int32_t mtB,
                                                                int32_t mtF,
                                                                const ObjectRef& cCtrl) {
    if (!check_can_add()) return nullptr;
    return register_control(mtL, mtT, mtR, mtB, mtF, cCtrl);
}

// Registration once the sizer may take controls: the parent check, then the new sizer.
std::shared_ptr<CControlSizer> CFormSizer::register_control(int32_t mtL, int32_t mtT, int32_t mtR,
                                                            int32_t mtB, int32_t mtF,
                                                            const ObjectRef& cCtrl) {
    if (!cCtrl) throw Error::standard(kErrObjectNotSet);
    const ObjectRef parent = cCtrl->parent();
    if (!set_or_check_parent(parent)) {
        TellError(text(*cCtrl, Prop::Name) + " on form " + text(*parent, Prop::Name) +
                  " can not be added to Resizer on " + served_form_name());
        return nullptr;
    }
    return create_ctrlsizer(mtL, mtT, mtR, mtB, mtF, cCtrl);
}

std::shared_ptr<CControlSizer> CFormSizer::create_ctrlsizer(int32_t mtL, int32_t mtT, int32_t mtR,
                                                            int32_t mtB, int32_t mtF,
                                                            const ObjectRef& cCtrl) {
    auto sizer = std::allocate_shared<CControlSizer>(PoolAllocator<CControlSizer>(m_pool));
    sizer->initSizer(mtL, mtT, mtR, mtB, mtF, cCtrl, this);
    Form_Load_addControlSizer(sizer);
    return sizer;
}

bool CFormSizer::Form_Load_addControlSizer(const std::shared_ptr<CControlSizer>& sizer) {
    if (m_slByDepth) m_slByDepth->Add(std::to_string(sizer->cdep), sizer);
    if (m_slByKey) m_slByKey->Add(control_key(*sizer->ths), sizer);
    return true;
}

bool CFormSizer::Form_Load_addAllControls(const ObjectRef& fForm, bool bResizeFontsButtons) {
    if (m_bAllAdded) return false;
    if (!check_can_add()) return false;
    if (!fForm) {
        TellError(
            "addRemainingControl must have a form parameter when no controls has been added.");
        return false;
    }
    if (!set_or_check_parent(fForm)) {
        TellError("addRemainingControl for form \r\n" + text(*fForm, Prop::Name) +
                  " can't use Resizer on " + served_form_name());
        return false;
    }
    if (m_oControls) {
        // The registered keys, as the text-mode key list compares them. Asking the list itself
        // after every addition would re-sort it each time.
        std::unordered_set<std::string> known;
        if (m_slByKey)
            for (const auto& k : m_slByKey->Keys()) known.insert(fold_case(k));
        const int32_t font = bResizeFontsButtons ? KV_RELATIVE : KV_KEEP;
        bool registered_one = false;
        const size_t n = m_oControls->count();
        for (size_t i = 0; i < n; ++i) {
            try {
                const ObjectRef c = m_oControls->item(i);
                // Keys are unique within the form, so only the earlier registrations can match.
                if (!known.empty() && known.count(fold_case(control_key(*c)))) continue;
                int32_t edge = KV_RELATIVE;
                if (!bResizeFontsButtons && c->type_name() == "CommandButton") edge = KV_FLOAT;
                if (register_control(edge, edge, edge, edge, font, c)) registered_one = true;
            } catch (const Error&) {
                if (!registered_one) throw;
            }
        }
    }
    m_bAllAdded = true;
    return true;
}

std::shared_ptr<CControlSizer> CFormSizer::get_or_create_ctrlsizer(const std::string& sName) {
    if (m_slByKey)
        if (auto found = as_sizer(m_slByKey->Item_(sName))) return found;
    if (!m_oControls) return nullptr;
    const std::string wanted = fold_case(sName);
    const size_t n = m_oControls->count();
    for (size_t i = 0; i < n; ++i) {
        const ObjectRef c = m_oControls->item(i);
        std::string key;
        try {
            key = control_key(*c);
        } catch (const Error&) {
            continue;  // a control without a readable Name cannot be the one asked for
        }
        if (fold_case(key) == wanted)
            return Form_Load_addControl(KV_KEEP, KV_KEEP, KV_ABSOLUTE, KV_ABSOLUTE, KV_KEEP, c);
    }
    return nullptr;
}

bool CFormSizer::set_or_check_parent(const ObjectRef& f) {
    if (!m_oParent) {
        m_oParent = f;
        state.g_oAlignParent = f;
        if (!f || f->type_name() == "MDIForm") return true;  // not a form: nothing else to set
        return set_or_check_form(f);
    }
    return same_object(f, m_oParent);
}

bool CFormSizer::set_or_check_form(const ObjectRef& frm) {
    if (!state.m_fForm) {
        state.m_fForm = frm;
        set_or_check_controls(frm->controls());
        state.g_dblMDIChildScaleHeightDiff = 0;
        if (try_flag(*frm, Prop::MDIChild).value_or(false)) Form_Load_MDIChild();
        return true;
    }
    return same_object(frm, state.m_fForm);
}

bool CFormSizer::set_or_check_controls(const std::shared_ptr<ControlCollection>& ctrls) {
    if (!m_oControls) {
        m_oControls = ctrls;
        return true;
    }
    return ctrls.get() == m_oControls.get();
}

bool CFormSizer::Form_Load_InitializeSizing() {
    if (state.g_bMDIChildInitSizing || m_bInitialized || !m_oControls) return false;
    bool answer = false;
    try {
        answer = build_tree();
    } catch (const Error& e) {
        Host::current().msg_box(e.description(), 0, "initi");
        return false;
    }
    m_bInitialized = true;
    return answer;
}

// Freezes the registry into m_vSizers (ascending depth) and links every sizer to its
// container's sizer. Controls are matched to sizers through a map keyed by the control, so no
// property of any control is touched; a child is appended after its container's last child.
bool CFormSizer::build_tree() {
    m_slByKey.reset();
    if (m_slByDepth) {
        const auto items = m_slByDepth->Items();
        retire_sizers();
        m_vSizers.reserve(items.size());
        for (const auto& item : items) m_vSizers.push_back(as_sizer(item));
        m_slByDepth.reset();
    }
    m_iSizerCount = static_cast<int64_t>(m_vSizers.size());
    if (m_iPassDepth > 0) m_vRetired.push_back(std::move(m_aTopSizers));
    m_aTopSizers.clear();
    if (m_iSizerCount == 0) return true;

    std::unordered_map<const HostObject*, int64_t> index_of;
    index_of.reserve(m_vSizers.size());
    std::string duplicates;
    int64_t min_depth = m_vSizers.front()->cdep;
    for (int64_t i = 1; i <= m_iSizerCount; ++i) {
        CControlSizer& s = sizer(i);
        s.son = 0;
        s.sister = 0;
        auto [it, inserted] = index_of.try_emplace(s.ths.get(), i);
        if (!inserted) {
            duplicates += "\r\nControl added several times:  " + s.ths_name + " on form " +
                          served_form_name();
            it->second = i;
        }
        min_depth = std::min(min_depth, s.cdep);
    }
    if (!duplicates.empty()) TellError(duplicates);

    std::vector<int64_t> last_child(static_cast<size_t>(m_iSizerCount) + 1, 0);
    for (int64_t i = 1; i <= m_iSizerCount; ++i) {
        CControlSizer& s = sizer(i);
        if (s.cdep == min_depth) {
            m_aTopSizers.push_back(m_vSizers[static_cast<size_t>(i - 1)]);
            continue;
        }
        const ObjectRef container = try_container(*s.ths);
        const auto it = container ? index_of.find(container.get()) : index_of.end();
        if (it == index_of.end()) continue;  // container not registered: never resized
        const int64_t p = it->second;
        int64_t& last = last_child[static_cast<size_t>(p)];
        if (last == 0)
            sizer(p).son = i;
        else
            sizer(last).sister = i;
        last = i;
    }

    for (auto& top : m_aTopSizers) compute_fix(*top, 0);
    return duplicates.empty();
}

// Fixed-axis marks: an axis is fixed when its edges keep the size (KEEP with ABSOLUTE, or a
// floating edge); a child inherits the axes its container fixes.
void CFormSizer::compute_fix(CControlSizer& cS, int32_t parent_mark) {
    cS.ths_fix = fixed_axes_under(fixed_axes(cS), parent_mark);
    for (int64_t i = cS.son; i != 0; i = sizer(i).sister) compute_fix(sizer(i), cS.ths_fix);
}

}  // namespace kv
