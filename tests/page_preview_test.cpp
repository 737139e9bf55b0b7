// Shadows of a designed form on a page, and the preview: colour views, the size handle driving
// a trial form sizer, the pane status of pane controls, the saved colour view.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "control/zokKelvane.h"
#include "engine/HostAccess.h"
#include "engine/Modes.h"
#include "engine_rig.h"
#include "pages/PreviewRules.h"
#include "pages/ShadowChoices.h"
#include "pages/ShadowPreview.h"
#include "pages/Shadows.h"

namespace kv {
namespace {

using test::Rect;
using test::rect_of;

// The designed form (6000 x 4000 client) with its resizer, in the designer, and a page with the
// preview's pictures.
struct PreviewRig {
    test::EngineRig designed{6000, 4000, "Form1"};
    std::shared_ptr<mem::MemoryHost> host = designed.host;
    std::shared_ptr<mem::MemoryForm> form = designed.form;
    std::shared_ptr<mem::MemoryForm> page = host->create_form("ppVisControls");
    std::shared_ptr<ControlCollection> page_controls = page->controls();
    std::shared_ptr<mem::MemoryObject> resizer;
    ShadowPreview preview;
    ShadowChoices choices;
    PreviewSettings settings;
    std::vector<ShadowEntry> shadows;

    PreviewRig() {
        host->register_user_control(kZokKelvaneClassId, make_zokKelvane);
        host->set_user_mode(false);
        resizer = form->add_user_control(kZokKelvaneClassId, "zokKelvane1");
        resizer->move(5400, 3400);
        page->set_client_size(8000, 6000);
        auto demo = picture("picDemo", nullptr, 0, 0, 6240, 4440);
        preview.picDemo = demo;
        preview.picShadowBorder = picture("picShadowBorder", demo, 0, 0, 100, 100);
        preview.picShadowForm = picture("picShadowForm", demo, 0, 0, 100, 100);
        preview.picSizeHandle = picture("picSizeHandle", demo, 0, 0, 120, 120);
    }
    std::shared_ptr<mem::MemoryObject> picture(const std::string& name,
                                               const std::shared_ptr<mem::MemoryObject>& in,
                                               double l, double t, double w, double h) {
        auto p = page->add_control("PictureBox", name, in);
        p->set(Prop::BorderStyle, Value(0.0));
        p->move(l, t, w, h);
        return p;
    }
    std::shared_ptr<mem::MemoryObject> add(const std::string& cls, const std::string& name,
                                           double l, double t, double w, double h,
                                           const std::shared_ptr<mem::MemoryObject>& in = nullptr,
                                           std::optional<int> index = std::nullopt) {
        return designed.add(cls, name, l, t, w, h, in, index);
    }
    // Fit the shadow form, make every shadow, set the trial up with the rig's choices.
    void open() {
        preview.fit_shadow_form(*form);
        shadows.clear();
        for (const auto& c : form->all_controls()) {
            ShadowEntry e;
            e.control = c;
            e.shadow = shadow_with_chain(c, form, preview.picShadowForm, *page_controls);
            if (!e.shadow) continue;
            e.name = text(*e.shadow, Prop::Name);
            e.shown = try_num(*c, Prop::Align).value_or(0) == 0;
            shadows.push_back(e);
        }
        trial();
    }
    void trial() {
        settings.control_settings = choices.settings_text(
            [&](const std::string& shadow) { return control_key_of_shadow_name(form, shadow); });
        preview.setup_trial(shadows, settings, form, resizer);
    }
    ObjectRef shadow(const std::string& name) { return page_controls->find(name); }
    Rect shadow_rect(const std::string& name) { return rect_of(*shadow(name)); }
    // Drag the handle by (dx, dy) twips in one step.
    void drag(double dx, double dy) {
        preview.drag_start();
        const double half = num(*preview.picSizeHandle, Prop::ScaleWidth) / 2;
        preview.drag_step(half + dx, half + dy);
        preview.drag_stop();
    }
    double colour(const std::string& name) { return num(*shadow(name), Prop::BackColor); }
};

// The copy of the form the preview runs is whole twips in size: a shadow stands within a fraction
// of a shadow twip of where the arithmetic alone would put it.
void expect_near(const Rect& got, const Rect& want) {
    EXPECT_NEAR(got.left, want.left, 0.5);
    EXPECT_NEAR(got.top, want.top, 0.5);
    EXPECT_NEAR(got.width, want.width, 0.5);
    EXPECT_NEAR(got.height, want.height, 0.5);
}

TEST(Shadows, NamesAndKeysOfControlsAndArrayElements) {
    PreviewRig rig;
    auto list = rig.add("ListBox", "List1", 0, 0, 100, 100, nullptr, 12);
    auto text = rig.add("TextBox", "Text1", 0, 0, 100, 100, nullptr, 0);
    auto plain = rig.add("ListBox", "List2", 0, 0, 100, 100);
    EXPECT_EQ(shadow_name_of(*list), "ShadowOfList1_Index12");
    EXPECT_EQ(shadow_name_of(*plain), "ShadowOfList2");
    EXPECT_EQ(control_key(*text), "Text1(0)");
    EXPECT_EQ(control_key(*plain), "List2");
    EXPECT_TRUE(same_object(control_of_shadow_name(rig.form, "ShadowOfList1_Index12"), list));
    EXPECT_TRUE(same_object(control_of_shadow_name(rig.form, "ShadowOfList2"), plain));
    EXPECT_FALSE(control_of_shadow_name(rig.form, "ShadowOfList1_Index3"));
    EXPECT_FALSE(control_of_shadow_name(rig.form, "ShadowOfList1_Indexx"));
    EXPECT_EQ(control_key_of_shadow_name(rig.form, "ShadowOfText1_Index0"), "Text1(0)");
    EXPECT_EQ(shadow_name_of_key(rig.form, "List1(12)"), "ShadowOfList1_Index12");
    EXPECT_EQ(shadow_name_of_key(rig.form, "List1(x)"), "");
    EXPECT_EQ(shadow_name_of_key(rig.form, "Nobody"), "");
}

TEST(Shadows, PlacedScaledFromTheFormAndInsideTheirContainersShadows) {
    PreviewRig rig;
    auto txt = rig.add("TextBox", "Text1", 1200, 600, 2400, 300);
    auto frame = rig.add("PictureBox", "Picture1", 3000, 2000, 2000, 1000);
    auto inner = rig.add("ListBox", "List1", 100, 100, 1000, 400, frame);
    rig.preview.picShadowForm->move(0, 0, 3000, 2000);
    auto shadow = shadow_with_chain(txt, rig.form, rig.preview.picShadowForm, *rig.page_controls);
    ASSERT_TRUE(shadow);
    EXPECT_EQ(rect_of(*shadow), (Rect{565, 265, 1200, 150}));
    EXPECT_EQ(text(*shadow, Prop::Tag), "shadow.0");

    auto list_shadow =
        shadow_with_chain(inner, rig.form, rig.preview.picShadowForm, *rig.page_controls);
    ASSERT_TRUE(list_shadow);
    EXPECT_TRUE(same_object(list_shadow->container(), rig.shadow("ShadowOfPicture1")));
    EXPECT_EQ(rig.shadow_rect("ShadowOfPicture1"), (Rect{1465, 965, 1000, 500}));

    // Hidden shadows lose their tag until they are got again; then they are still hidden.
    hide_shadows(*rig.page_controls);
    EXPECT_FALSE(flag(*shadow, Prop::Visible));
    EXPECT_FALSE(is_shadow(*shadow));
    auto again = shadow_with_chain(txt, rig.form, rig.preview.picShadowForm, *rig.page_controls);
    EXPECT_TRUE(same_object(again, shadow));
    EXPECT_TRUE(is_shadow(*again));
    EXPECT_FALSE(flag(*again, Prop::Visible));
}

// A drawing that gets each shadow once (a container's shadow is not got again for every control
// inside it) puts every shadow where getting them one by one puts it, inside the same container
// shadow, in whatever order the controls are asked for.
TEST(Shadows, GotOnceForADrawingStandWhereGotOneByOne) {
    PreviewRig rig;
    auto outer = rig.add("PictureBox", "picOuter", 600, 300, 4000, 3000);
    auto inner = rig.add("Frame", "fraInner", 200, 200, 2000, 1500, outer);
    rig.add("TextBox", "txtDeep", 100, 300, 900, 300, inner);
    rig.add("ListBox", "lstDeep", 100, 700, 900, 600, inner);
    rig.add("TextBox", "txtMid", 2400, 200, 1000, 300, outer);
    rig.add("TextBox", "txtTop", 4800, 300, 900, 300);
    rig.form->add_control("Timer", "tmrTick", inner);
    using Drawn = std::map<std::string, std::pair<Rect, std::string>>;
    const auto draw = [&](bool once, bool deepest_first) {
        auto page = rig.host->create_form("page" + std::to_string(once));
        auto root = page->add_control("PictureBox", "picShadowForm");
        root->move(0, 0, 3000, 2000);
        auto controls = rig.form->all_controls();
        if (deepest_first) std::reverse(controls.begin(), controls.end());
        ShadowsGot got;
        Drawn drawn;
        for (const auto& c : controls) {
            const auto s =
                shadow_with_chain(c, rig.form, root, *page->controls(), once ? &got : nullptr);
            if (s) drawn[text(*s, Prop::Name)] = {rect_of(*s), text(*s->container(), Prop::Name)};
        }
        return drawn;
    };
    const Drawn one_by_one = draw(false, false);
    EXPECT_EQ(one_by_one.size(), 7u);  // the resizer too; the timer has no place, no shadow
    EXPECT_EQ(one_by_one.at("ShadowOftxtDeep").second, "ShadowOffraInner");
    EXPECT_EQ(draw(true, true), one_by_one);
}

TEST(ShadowPreview, TheSizeHandleMovesShadowsAsTheirChoicesSayAndAClickRestoresThem) {
    PreviewRig rig;
    rig.add("TextBox", "txtName", 600, 600, 2400, 300);
    rig.add("TextBox", "txtNotes", 600, 1200, 2400, 2000);
    rig.add("CommandButton", "cmdOK", 4500, 3300, 1200, 400);
    rig.add("TextBox", "txtFree", 3600, 600, 1800, 300);
    rig.choices.set("ShadowOftxtName", {1, 0});   // KKKA: follows the width
    rig.choices.set("ShadowOftxtNotes", {4, 0});  // KKKK: follows both
    rig.choices.set("ShadowOfcmdOK", {8, 0});     // AAKK: lower right corner
    rig.open();
    const Rect name0 = rig.shadow_rect("ShadowOftxtName");
    const Rect list0 = rig.shadow_rect("ShadowOftxtNotes");
    const Rect ok0 = rig.shadow_rect("ShadowOfcmdOK");
    const Rect free0 = rig.shadow_rect("ShadowOftxtFree");
    const double w0 = num(*rig.preview.picShadowForm, Prop::Width);
    const double h0 = num(*rig.preview.picShadowForm, Prop::Height);
    const std::string text_before = rig.choices.settings_text([](auto& s) { return s; });

    rig.drag(600, 300);
    EXPECT_NEAR(num(*rig.preview.picShadowForm, Prop::Width), w0 + 600, 0.5);
    EXPECT_NEAR(num(*rig.preview.picShadowForm, Prop::Height), h0 + 300, 0.5);
    expect_near(rig.shadow_rect("ShadowOftxtName"),
                Rect{name0.left, name0.top, name0.width + 600, name0.height});
    expect_near(rig.shadow_rect("ShadowOftxtNotes"),
                Rect{list0.left, list0.top, list0.width + 600, list0.height + 300});
    expect_near(rig.shadow_rect("ShadowOfcmdOK"),
                Rect{ok0.left + 600, ok0.top + 300, ok0.width, ok0.height});
    EXPECT_EQ(rig.shadow_rect("ShadowOftxtFree"), free0);  // no choice, AddAllControls off
    EXPECT_EQ(rig.choices.settings_text([](auto& s) { return s; }), text_before);
    EXPECT_EQ(num(*rig.preview.picSizeHandle, Prop::BackColor),
              num(*rig.page->control("picDemo"), Prop::BackColor));

    rig.drag(-1200, -900);
    rig.preview.reset_size();
    EXPECT_EQ(num(*rig.preview.picShadowForm, Prop::Width), w0);
    EXPECT_EQ(rig.shadow_rect("ShadowOftxtName"), name0);
    EXPECT_EQ(rig.shadow_rect("ShadowOftxtNotes"), list0);
    EXPECT_EQ(rig.shadow_rect("ShadowOfcmdOK"), ok0);
}

// A drag step places again only the shadows whose controls moved, and everything a moved
// container holds; back at the design size every shadow stands where it stood.
TEST(ShadowPreview, ADragStepPlacesOnlyTheShadowsOfWhatMoved) {
    PreviewRig rig;
    auto frame = rig.add("PictureBox", "picBox", 600, 600, 3000, 2000);
    rig.add("TextBox", "txtIn", 300, 400, 1500, 300, frame);
    rig.add("TextBox", "txtFree", 4000, 600, 1500, 300);
    rig.add("TextBox", "txtWide", 4000, 1200, 1500, 300);
    rig.choices.set("ShadowOfpicBox", {4, 0});   // KKKK: follows both
    rig.choices.set("ShadowOftxtWide", {1, 0});  // KKKA: follows the width
    rig.open();
    std::map<std::string, Rect> designed;
    for (const auto& e : rig.shadows) {
        designed[e.name] = rect_of(*e.shadow);
        std::dynamic_pointer_cast<mem::MemoryObject>(e.shadow)->clear_write_log();
    }
    const auto moves = [&](const std::string& name) {
        return test::count_writes(*std::dynamic_pointer_cast<mem::MemoryObject>(rig.shadow(name)),
                                  "Move");
    };
    rig.drag(900, 600);
    EXPECT_EQ(moves("ShadowOftxtFree"), 0u);
    EXPECT_GT(moves("ShadowOftxtWide"), 0u);
    EXPECT_GT(moves("ShadowOfpicBox"), 0u);
    EXPECT_GT(moves("ShadowOftxtIn"), 0u);  // its container's shadow changed size
    EXPECT_NE(rect_of(*rig.shadow("ShadowOftxtIn")), designed["ShadowOftxtIn"]);
    rig.drag(-400, 200);
    rig.preview.reset_size();
    for (const auto& e : rig.shadows) EXPECT_EQ(rect_of(*e.shadow), designed[e.name]) << e.name;
}

TEST(ShadowPreview, AddAllControlsStretchesTheRestButCommandButtonsKeepTheirSize) {
    PreviewRig rig;
    rig.add("TextBox", "Text1", 600, 600, 2400, 300);
    rig.add("CommandButton", "Command1", 4500, 3300, 1200, 400);
    rig.settings.add_all = true;
    rig.open();
    const Rect text0 = rig.shadow_rect("ShadowOfText1");
    const Rect button0 = rig.shadow_rect("ShadowOfCommand1");
    rig.drag(1000, 500);
    const Rect text1 = rig.shadow_rect("ShadowOfText1");
    const Rect button1 = rig.shadow_rect("ShadowOfCommand1");
    EXPECT_GT(text1.width, text0.width);
    EXPECT_GT(text1.left, text0.left);
    EXPECT_EQ(button1.width, button0.width);
    EXPECT_EQ(button1.height, button0.height);
    EXPECT_GT(button1.left, button0.left);

    // With fonts and buttons added, the button stretches too.
    rig.preview.reset_size();
    rig.settings.add_all_fonts = true;
    rig.trial();
    rig.drag(1000, 500);
    EXPECT_GT(rig.shadow_rect("ShadowOfCommand1").width, button0.width);
}

TEST(ShadowPreview, ColourViewsWithAndWithoutAddAllControls) {
    PreviewRig rig;
    auto text = rig.add("TextBox", "Text1", 600, 600, 2400, 300);
    text->set(Prop::BackColor, Value(4242.0));
    rig.form->add_control("Timer", "Timer1");
    rig.add("ListBox", "List1", 600, 1200, 2400, 2000);
    rig.form->set(Prop::BackColor, Value(777.0));
    rig.choices.set("ShadowOfList1", {3, 0});
    rig.open();
    struct Case {
        int view;
        bool add_all;
        int32_t text, list, form;
    } cases[] = {
        {kViewOriginal, true, 4242, -1, 777},
        {kViewSet, true, legend_colour(0), legend_colour(3), legend_colour(10)},
        {kViewUsed, true, legend_colour(9), legend_colour(3), legend_colour(10)},
        {kViewUsed, false, legend_colour(0), legend_colour(3), legend_colour(10)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.view);
        rig.preview.recolour(c.view, rig.shadows, rig.choices, c.add_all, *rig.form);
        EXPECT_EQ(rig.colour("ShadowOfText1"), c.text);
        if (c.list >= 0) {
            EXPECT_EQ(rig.colour("ShadowOfList1"), c.list);
        }
        EXPECT_EQ(num(*rig.preview.picShadowForm, Prop::BackColor), c.form);
    }
}

TEST(ShadowPreview, PaneControlsGetTheirPaneChoiceAndStatusLetter) {
    PreviewRig rig;
    rig.add("ListBox", "lstLeft", 120, 120, 2000, 3000);
    rig.add("ListBox", "lstRight", 2240, 120, 3000, 3000);
    rig.choices.set("ShadowOflstLeft", {3, 0});
    rig.settings.pane_settings = "lstLeft lstRight";
    rig.open();
    const auto left = rig.preview.pane_status_of("ShadowOflstLeft");
    const auto right = rig.preview.pane_status_of("ShadowOflstRight");
    ASSERT_TRUE(left && right);
    EXPECT_EQ(left->letter, 'B');
    EXPECT_EQ(right->letter, ' ');
    EXPECT_EQ(left->choice.grid, 3);
    rig.preview.recolour(kViewUsed, rig.shadows, rig.choices, false, *rig.form);
    EXPECT_EQ(rig.colour("ShadowOflstRight"), legend_colour(right->choice.grid));
    // Dragging keeps the pane's arrangement: the right list still ends at the right edge.
    const Rect r0 = rig.shadow_rect("ShadowOflstRight");
    rig.drag(900, 0);
    EXPECT_NEAR(
        rig.shadow_rect("ShadowOflstRight").left + rig.shadow_rect("ShadowOflstRight").width,
        r0.left + r0.width + 900, 0.5);
}

TEST(ShadowPreview, TheColourViewIsKeptPerUserUnderItsNames) {
    PreviewRig rig;
    EXPECT_EQ(saved_colour_view(), 0);
    save_colour_view(2);
    EXPECT_EQ(rig.host->settings_store().read(
                  0x80000001u, "Software\\Quillon\\Kelvane for VB6\\ppVisControls", "ColorView"),
              "2");
    EXPECT_EQ(saved_colour_view(), 2);
}

}  // namespace
}  // namespace kv
