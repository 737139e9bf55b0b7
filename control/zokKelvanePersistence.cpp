// The resizer control's persisted state: defaults of a new control (with the one-per-form rule),
// reading and writing the persisted values, and the aligned-control bounds kept with the form.
#include "control/CStoreForm.h"
#include "control/MGUID.h"
#include "control/zokKelvane.h"
#include "engine/CFormSizer.h"
#include "engine/HostAccess.h"
#include "engine/Numbers.h"

namespace kv {

namespace {
constexpr const char* kCompany = "Quillon";

// A default no number equals (the bag compares text with text only): the value is always written.
const Value kAlwaysWrite{std::string("\x01")};

// An OLE colour as the bag hands it back: also accepts the unsigned reading of a system colour.
int32_t to_color(const Value& v) {
    double d = to_double(v);
    if (d > 2147483647.0 && d <= 4294967295.0) d -= 4294967296.0;
    return to_int32(d);
}

Value color_value(int32_t c) {
    return Value(static_cast<double>(c));
}
}  // namespace

// --- new control at design time ---

// Another control of this type already on the form refuses the new one. The existing control is
// left in place: it carries the form's set-up, and the new one is the one to remove.
void zokKelvane::one_per_form_refusal(bool& refused) {
    refused = false;
    ObjectRef form = parent_form();
    if (!form || !m_site) return;
    auto self = m_site->extender();
    const std::string own_name = text(*self, Prop::Name);
    const std::string own_type = self->type_name();
    auto controls = form->controls();
    for (size_t i = 0; i < controls->count(); ++i) {
        ObjectRef other = controls->item(i);
        if (!other || same_object(other, self)) continue;
        if (try_text(*other, Prop::Name).value_or(own_name) == own_name) continue;
        if (other->type_name() == own_type) refused = true;
    }
    if (refused)
        Host::current().msg_box(
            "You can't have more than one Kelvane on a form Please remove the Kelvane control you "
            "just added!",
            kOKOnly | kCritical, "");
}

void zokKelvane::UserControl_InitProperties() {
    trapped("UserControl_InitProperties", [&] {
        if (m_site && !m_site->user_mode()) {
            bool refused = false;
            one_per_form_refusal(refused);
            if (refused) return;
        }
        m_bGUIDWritable = true;
        FormGUID(MGUID::NewFormGUID());
        m_bGUIDWritable = false;
        SubKey("");
        LockWindowOnResize(true);
        AddAllControls(false);
        AddAllFontsButtons(true);
        ControlSettings("");
        PaneSettings("");
        SaveSizes(default_SaveSizes());
        SavePos(default_SavePos());
        SaveWindowState(false);
        SavePaneSplit(true);
        AllowMinWindowState(false);
        UseSplitBars(true);
        SplitBarsColor(kDefaultSplitBarsColor);
        MinWidth(-1);
        MinHeight(-1);
        MaxWidth(-1);
        MaxHeight(-1);
    });
}

// --- persisted properties ---

void zokKelvane::UserControl_ReadProperties(PropertyBag& bag) {
    trapped("UserControl_ReadProperties", [&] {
        m_bRunningCompiled = !Host::current().running_under_designer();
        m_bErrorsOnlyInIDE = true;
        m_bUserMode = m_site && m_site->user_mode();
        ObjectRef form = parent_form();
        m_bParentIsMDIChild = form && try_flag(*form, Prop::MDIChild).value_or(false);

        m_bLockWindowOnResize = to_bool(bag.read("LockWindowOnResize", Value(true)));
        m_bAddAllControls = to_bool(bag.read("AddAllControls", Value(false)));
        m_bAddAllFontsButtons = to_bool(bag.read("AddAllFontsButtons", Value(true)));
        m_sControlSettings = to_text(bag.read("ControlSettings", Value(std::string())));
        m_sPaneSettings = to_text(bag.read("PaneSettings", Value(std::string())));
        m_bUseSplitBars = to_bool(bag.read("UseSplitBars", Value(true)));
        m_lSplitBarsColor =
            to_color(bag.read("SplitBarsColor", color_value(kDefaultSplitBarsColor)));
        m_oStoreForm = std::make_unique<CStoreForm>();
        m_oStoreForm->Company(kCompany);
        m_sFormGUID = to_text(bag.read("FormGUID", Value(std::string())));
        m_sSubKey = to_text(bag.read("SubKey", Value(std::string())));
        m_bSavePos = to_bool(bag.read("SavePos", Value(default_SavePos())));
        m_bSaveSizes = to_bool(bag.read("SaveSizes", Value(default_SaveSizes())));
        m_bSaveWindowState = to_bool(bag.read("SaveWindowState", Value(false)));
        m_bSavePaneSplit = to_bool(bag.read("SavePaneSplit", Value(true)));
        m_bAllowMinWindowState = to_bool(bag.read("AllowMinWindowState", Value(false)));
        CFormSizer& fs = *m_oFormSizer;
        fs.state.m_lMinWidth = to_int32(to_double(bag.read("MinWidth", Value(-1.0))));
        fs.state.m_lMinHeight = to_int32(to_double(bag.read("MinHeight", Value(-1.0))));
        fs.state.m_lMaxWidth = to_int32(to_double(bag.read("MaxWidth", Value(-1.0))));
        fs.state.m_lMaxHeight = to_int32(to_double(bag.read("MaxHeight", Value(-1.0))));
        fs.state.g_dblAlignBLeft = to_double(bag.read("AlignBLeft", Value(0.0)));
        fs.state.g_dblAlignBTop = to_double(bag.read("AlignBTop", Value(0.0)));
        fs.state.g_dblAlignBBottom = to_double(bag.read("AlignBBottom", Value(0.0)));
        fs.state.g_dblAlignBRight = to_double(bag.read("AlignBRight", Value(0.0)));
        m_bAddAllPending = m_bAddAllControls;

        struct Child {
            const char* name;
            Prop prop;
            std::string& value;
        };
        Child child[] = {{"ChildWidth", Prop::Width, m_sChildWidth},
                         {"ChildHeight", Prop::Height, m_sChildHeight},
                         {"ChildScaleWidth", Prop::ScaleWidth, m_sChildScaleWidth},
                         {"ChildScaleHeight", Prop::ScaleHeight, m_sChildScaleHeight}};
        for (Child& c : child) {
            Value current(form ? try_num(*form, c.prop).value_or(0.0) : 0.0);
            c.value = to_text(bag.read(c.name, current));
        }

        if (m_bUserMode) {
            if (!hooked()) hook_parent(form);
            serve_form(form);
        } else if (m_bParentIsMDIChild) {
            for (Child& c : child) {
                auto stored = parse_number(c.value);
                if (!stored || *stored != num(*form, c.prop)) mark_changed(c.name);
            }
        }
        recompute_storage_path();
    });
}

// At run time the form sizer serves the parent form from the start (an MDI child at its stored
// size); the preview's copy of the control does the same when it loads.
void zokKelvane::serve_form(const ObjectRef& form) {
    CFormSizer& fs = *m_oFormSizer;
    if (m_bParentIsMDIChild)
        fs.Form_Load_SetMDIChildSize(
            to_double(Value(m_sChildWidth)), to_double(Value(m_sChildHeight)),
            to_double(Value(m_sChildScaleWidth)), to_double(Value(m_sChildScaleHeight)));
    if (form) fs.set_or_check_parent(form);
}

void zokKelvane::UserControl_WriteProperties(PropertyBag& bag) {
    trapped("UserControl_WriteProperties", [&] {
        const Value empty_text{std::string()};
        bag.write("LockWindowOnResize", Value(m_bLockWindowOnResize), Value(true));
        bag.write("AddAllControls", Value(m_bAddAllControls), Value(false));
        bag.write("AddAllFontsButtons", Value(m_bAddAllFontsButtons), Value(true));
        bag.write("ControlSettings", Value(m_sControlSettings), empty_text);
        bag.write("PaneSettings", Value(m_sPaneSettings), empty_text);
        bag.write("FormGUID", Value(m_sFormGUID), empty_text);
        bag.write("SubKey", Value(m_sSubKey), empty_text);
        bag.write("SavePos", Value(m_bSavePos), Value(default_SavePos()));
        bag.write("SaveSizes", Value(m_bSaveSizes), Value(default_SaveSizes()));
        bag.write("SaveWindowState", Value(m_bSaveWindowState), Value(false));
        bag.write("SavePaneSplit", Value(m_bSavePaneSplit), Value(true));
        bag.write("AllowMinWindowState", Value(m_bAllowMinWindowState), Value(false));
        bag.write("UseSplitBars", Value(m_bUseSplitBars), Value(true));
        bag.write("SplitBarsColor", color_value(m_lSplitBarsColor),
                  color_value(kDefaultSplitBarsColor));
        const FormSizerState& fs = m_oFormSizer->state;
        const Value none(-1.0);
        bag.write("MinWidth", Value(static_cast<double>(fs.m_lMinWidth)), none);
        bag.write("MinHeight", Value(static_cast<double>(fs.m_lMinHeight)), none);
        bag.write("MaxWidth", Value(static_cast<double>(fs.m_lMaxWidth)), none);
        bag.write("MaxHeight", Value(static_cast<double>(fs.m_lMaxHeight)), none);
        ObjectRef form = parent_form();
        if (form && try_flag(*form, Prop::MDIChild).value_or(false)) {
            bag.write("ChildWidth", form->get(Prop::Width), kAlwaysWrite);
            bag.write("ChildHeight", form->get(Prop::Height), kAlwaysWrite);
            bag.write("ChildScaleWidth", form->get(Prop::ScaleWidth), kAlwaysWrite);
            bag.write("ChildScaleHeight", form->get(Prop::ScaleHeight), kAlwaysWrite);
        }
        // The bounds are written whatever FindAlignInner answers: skipping them would lose
        // the stored room of the aligned bars.
        FindAlignInner();
        bag.write("AlignBLeft", Value(fs.g_dblAlignBLeft), kAlwaysWrite);
        bag.write("AlignBTop", Value(fs.g_dblAlignBTop), kAlwaysWrite);
        bag.write("AlignBBottom", Value(fs.g_dblAlignBBottom), kAlwaysWrite);
        bag.write("AlignBRight", Value(fs.g_dblAlignBRight), kAlwaysWrite);
    });
}

bool zokKelvane::FindAlignInner() {
    return trapped("FindAlignInner", [&] {
        FormSizerState& fs = m_oFormSizer->state;
        ObjectRef form = parent_form();
        if (!form) return true;
        double left = fs.g_dblAlignBLeft, top = fs.g_dblAlignBTop;
        double bottom = fs.g_dblAlignBBottom, right = fs.g_dblAlignBRight;
        get_align_sizes(form->controls(), form, left, top, bottom, right);
        struct Bound {
            const char* name;
            double found;
            double& held;
        };
        Bound bounds[] = {{"AlignBLeft", left, fs.g_dblAlignBLeft},
                          {"AlignBTop", top, fs.g_dblAlignBTop},
                          {"AlignBBottom", bottom, fs.g_dblAlignBBottom},
                          {"AlignBRight", right, fs.g_dblAlignBRight}};
        for (Bound& b : bounds) {
            if (b.found == b.held) continue;
            mark_changed(b.name);
            b.held = b.found;
        }
        return true;
    });
}

}  // namespace kv
