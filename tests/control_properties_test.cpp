// The resizer control's properties at design time: defaults of a new control, the one-per-form
// rule, what is written and in which order, FormGUID, the storage path and run-time limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "control/zokKelvane.h"
#include "control_rig.h"
#include "engine/CFormSizer.h"
#include "host/memory/MemoryControlSite.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPropertyBag.h"

namespace kv {
namespace {

class ControlProperties : public ControlRig {
  protected:
    void SetUp() override {
        ControlRig::SetUp();
        make_form("frmMain");
    }

    std::vector<std::string> written_names(const mem::MemoryPropertyBag& bag) {
        std::vector<std::string> names;
        for (const auto& [name, value] : bag.entries()) names.push_back(name);
        return names;
    }
};

TEST_F(ControlProperties, SavePosAndSaveSizesDefaultFromTheForm) {
    struct Case {
        int startup, border;
        bool save_pos, save_sizes;
    };
    const std::vector<Case> cases = {{0, 2, true, true},  {2, 1, false, false},
                                     {1, 5, false, true}, {3, 0, false, false},
                                     {0, 4, true, false}, {0, 3, true, false}};
    host->set_user_mode(false);
    int n = 0;
    for (const auto& c : cases) {
        form = host->create_form("frmCase" + std::to_string(++n));
        form->set(Prop::StartUpPosition, Value(double(c.startup)));
        form->set(Prop::BorderStyle, Value(double(c.border)));
        zokKelvane& k = place("Kelvane1");
        EXPECT_EQ(k.SavePos(), c.save_pos) << c.startup << "/" << c.border;
        EXPECT_EQ(k.SaveSizes(), c.save_sizes) << c.startup << "/" << c.border;
    }
}

TEST_F(ControlProperties, NewControlGetsDefaultsAndAGuid) {
    host->set_user_mode(false);
    zokKelvane& k = place("Kelvane1");
    EXPECT_EQ(k.FormGUID().size(), 38u);
    EXPECT_EQ(k.FormGUID().front(), '{');
    EXPECT_TRUE(k.LockWindowOnResize());
    EXPECT_TRUE(k.AddAllFontsButtons());
    EXPECT_TRUE(k.UseSplitBars());
    EXPECT_TRUE(k.SavePaneSplit());
    EXPECT_FALSE(k.AddAllControls());
    EXPECT_EQ(k.SplitBarsColor(), static_cast<int32_t>(0x8000000Du));
    EXPECT_EQ(k.MinWidth(), -1);
    EXPECT_EQ(k.MaxHeight(), -1);
    // Every default was set through its property procedure.
    const auto& changed = ext->site()->changed_properties();
    ASSERT_FALSE(changed.empty());
    EXPECT_EQ(changed.front(), "FormGUID");
    EXPECT_EQ(changed.back(), "MaxHeight");
    EXPECT_TRUE(host->messages().empty());
}

TEST_F(ControlProperties, SecondControlOnAFormIsRefused) {
    host->set_user_mode(false);
    zokKelvane& first = place("Kelvane1");
    const std::string guid = first.FormGUID();
    auto first_ext = ext;
    zokKelvane& second = place("Kelvane2");
    ASSERT_EQ(host->messages().size(), 1u);
    EXPECT_EQ(host->messages()[0].text,
              "You can't have more than one Kelvane on a form Please remove the Kelvane control "
              "you just added!");
    EXPECT_EQ(host->messages()[0].style, kOKOnly | kCritical);
    EXPECT_TRUE(second.FormGUID().empty());  // no defaults for the refused control
    EXPECT_EQ(first.FormGUID(), guid);
    EXPECT_TRUE(first_ext->alive());
}

TEST_F(ControlProperties, FormGuidIsReadonlyFromOutside) {
    host->set_user_mode(false);
    zokKelvane& k = place("Kelvane1");
    const std::string guid = k.FormGUID();
    k.FormGUID("{00000000-0000-0000-0000-000000000000}");
    EXPECT_EQ(k.FormGUID(), guid);
    ASSERT_EQ(host->messages().size(), 1u);
    EXPECT_EQ(host->messages()[0].text, "FormGUID is readonly");
    EXPECT_EQ(host->messages()[0].style, kOKOnly | kInformation);
}

TEST_F(ControlProperties, WritesInOrderAndOmitsDefaults) {
    host->set_user_mode(false);
    form->set(Prop::StartUpPosition, Value(0.0));
    form->set(Prop::BorderStyle, Value(2.0));
    zokKelvane& k = place("Kelvane1");
    EXPECT_EQ(written_names(*ext->write_properties()),
              (std::vector<std::string>{"FormGUID", "AlignBLeft", "AlignBTop", "AlignBBottom",
                                        "AlignBRight"}));

    k.MinWidth(3000);
    k.SplitBarsColor(255);
    k.SaveWindowState(true);
    k.ControlSettings("Text1 \tKKKKK");
    k.SubKey("Sub");
    k.SavePos(false);
    k.AddAllControls(true);
    k.LockWindowOnResize(false);
    auto bag = ext->write_properties();
    EXPECT_EQ(written_names(*bag),
              (std::vector<std::string>{"LockWindowOnResize", "AddAllControls", "ControlSettings",
                                        "FormGUID", "SubKey", "SavePos", "SaveWindowState",
                                        "SplitBarsColor", "MinWidth", "AlignBLeft", "AlignBTop",
                                        "AlignBBottom", "AlignBRight"}));
    EXPECT_EQ(to_double(*bag->get("MinWidth")), 3000);
    EXPECT_EQ(to_double(*bag->get("SplitBarsColor")), 255);
    EXPECT_FALSE(to_bool(*bag->get("SavePos")));
}

TEST_F(ControlProperties, UnwrittenSaveSizesFollowsTheFormsBorderStyle) {
    host->set_user_mode(false);
    form->set(Prop::BorderStyle, Value(2.0));
    place("Kelvane1");
    auto bag = ext->write_properties();
    EXPECT_FALSE(bag->contains("SaveSizes"));
    form->remove_control(ext);

    form->set(Prop::BorderStyle, Value(1.0));
    zokKelvane& reread = place("Kelvane1", bag.get());
    EXPECT_FALSE(reread.SaveSizes());
}

TEST_F(ControlProperties, AlignedBarsAreMeasuredWhenWritten) {
    host->set_user_mode(false);
    auto bar = form->add_control("PictureBox", "picTop");
    bar->set(Prop::Align, Value(1.0));
    bar->set(Prop::Height, Value(400.0));
    auto status = form->add_control("PictureBox", "picStatus");
    status->set(Prop::Align, Value(2.0));
    status->set(Prop::Height, Value(300.0));
    zokKelvane& k = place("Kelvane1");
    ext->site()->clear_changed();
    auto bag = ext->write_properties();
    EXPECT_EQ(to_double(*bag->get("AlignBTop")), 400);
    EXPECT_EQ(to_double(*bag->get("AlignBBottom")), 300);
    EXPECT_EQ(to_double(*bag->get("AlignBLeft")), 0);
    EXPECT_EQ(k.form_sizer()->state.g_dblAlignBTop, 400);
    const auto& changed = ext->site()->changed_properties();
    EXPECT_EQ(changed, (std::vector<std::string>{"AlignBTop", "AlignBBottom"}));
}

TEST_F(ControlProperties, StoragePathWithEmptySubKeyAndGuid) {
    mem::MemoryPropertyBag bag;
    bag.set("FormGUID", Value(std::string("{11111111-2222-3333-4444-555555555555}")));
    zokKelvane& k = place("Kelvane1", &bag);
    EXPECT_EQ(k.storage_path(),
              "Kelvane for VB6\\Forms\\Empty SubKey\\frmMain\\{11111111-2222-3333-4444-"
              "555555555555}");
    k.SubKey("Sales");
    EXPECT_EQ(k.storage_path(),
              "Kelvane for VB6\\Forms\\Sales\\frmMain\\{11111111-2222-3333-4444-555555555555}");

    form = host->create_form("frmOther");
    mem::MemoryPropertyBag no_guid;
    zokKelvane& plain = place("Kelvane1", &no_guid);
    EXPECT_EQ(plain.storage_path(), "Kelvane for VB6\\Forms\\Empty SubKey\\frmOther");
}

TEST_F(ControlProperties, RunTimeReadHooksTheFormAndSetsTheErrorFlags) {
    mem::MemoryPropertyBag bag;
    bag.set("MinWidth", Value(4000.0));
    bag.set("AlignBTop", Value(420.0));
    host->set_running_under_designer(true);
    zokKelvane& k = place("Kelvane1", &bag);
    EXPECT_TRUE(k.errors_only_in_ide());
    EXPECT_FALSE(k.running_compiled());
    EXPECT_EQ(k.MinWidth(), 4000);
    EXPECT_EQ(k.form_sizer()->state.g_dblAlignBTop, 420);
    EXPECT_EQ(form->hook_count(), 1u);
}

TEST_F(ControlProperties, LimitsApplyAtOnceOnlyAtRunTime) {
    host->set_user_mode(false);
    zokKelvane& designed = place("Kelvane1");
    designed.MinWidth(5000);
    EXPECT_FALSE(designed.form_sizer()->min_max_set());

    host->set_user_mode(true);
    form = host->create_form("frmRun");
    form->set_client_size(6000, 4000);
    mem::MemoryPropertyBag bag;
    zokKelvane& k = place("Kelvane1", &bag);
    form->show();
    host->pump();
    k.MinWidth(4500);
    EXPECT_TRUE(k.form_sizer()->min_max_set());
    form->user_resize(3000, 3000);
    EXPECT_EQ(form->rect_twips().width, 4500);
}

TEST_F(ControlProperties, ControlStaysThirtyTwoPixelsSquare) {
    host->set_user_mode(false);
    host->set_twips_per_pixel(12, 15);
    place("Kelvane1");
    ext->move(0, 0, 2000, 900);
    EXPECT_EQ(ext->rect_twips().width, 32 * 12);
    EXPECT_EQ(ext->rect_twips().height, 32 * 15);
}

TEST_F(ControlProperties, MdiChildSizeIsKeptWithTheForm) {
    host->set_user_mode(false);
    host->create_form("mdiMain", mem::FormKind::MDIForm);
    form = host->create_form("frmChild", mem::FormKind::MDIChild);
    form->set_client_size(4500, 3000);
    place("Kelvane1");
    auto bag = ext->write_properties();
    ASSERT_TRUE(bag->contains("ChildWidth"));
    EXPECT_EQ(to_double(*bag->get("ChildWidth")), form->rect_twips().width);
    EXPECT_EQ(to_double(*bag->get("ChildScaleHeight")), 3000);
    form->remove_control(ext);

    // Reopened after the developer resized the child: the changed values are marked.
    form->set_client_size(6000, 3000);
    place("Kelvane1", bag.get());
    const auto& changed = ext->site()->changed_properties();
    auto marked = [&](const char* name) {
        return std::find(changed.begin(), changed.end(), name) != changed.end();
    };
    EXPECT_TRUE(marked("ChildWidth"));
    EXPECT_TRUE(marked("ChildScaleWidth"));
    EXPECT_FALSE(marked("ChildHeight"));
    EXPECT_FALSE(marked("ChildScaleHeight"));
}

}  // namespace
}  // namespace kv
