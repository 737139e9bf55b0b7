// The resizer control through a form's life: load processing, resize and paint handling, the
// settle timer, registrations by number, Reset and Reinitialize, and what is saved on close.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "control/zokKelvane.h"
#include "control_rig.h"
#include "engine/CFormSizer.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPropertyBag.h"

namespace kv {
namespace {

constexpr uint32_t kCurrentUser = 0x80000001u;
const std::string kGuid = "{0A1B2C3D-0000-1111-2222-333344445555}";
const std::string kSection =
    "Software\\Quillon\\Kelvane for VB6\\Forms\\Empty SubKey\\frmMain\\" + kGuid + "\\frmMain";

// A settings store that counts the writes of every value.
class CountingStore : public SettingsStore {
  public:
    std::optional<std::string> read(uint32_t, const std::string& key,
                                    const std::string& name) override {
        auto it = values.find(key + "|" + name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    bool write(uint32_t, const std::string& key, const std::string& name,
               const std::string& value) override {
        values[key + "|" + name] = value;
        ++writes[key + "|" + name];
        group_of[name] = depth > 0 ? groups : 0;
        return true;
    }
    void begin_group() override {
        if (depth++ == 0) ++groups;
    }
    bool end_group() override {
        --depth;
        return true;
    }
    std::map<std::string, std::string> values;
    std::map<std::string, int> writes;
    std::map<std::string, int> group_of;  // value name -> the group it was written in (0 none)
    int depth = 0, groups = 0;
};

class ControlLifecycle : public ControlRig {
  protected:
    void SetUp() override {
        ControlRig::SetUp();
        store = std::make_shared<CountingStore>();
        host->set_settings_store(store);
        bag.set("FormGUID", Value(kGuid));
        bag.set("SavePos", Value(true));
        bag.set("SaveSizes", Value(true));
        bag.set("ControlSettings", Value(std::string("Text1 \tKKKKK")));
    }

    // A form frmMain 6000 x 4000 (client) with Text1 and Text2 and the control read from `bag`.
    zokKelvane& open_form() {
        make_form("frmMain");
        form->set(Prop::StartUpPosition, Value(0.0));
        form->set(Prop::BorderStyle, Value(2.0));
        form->set_client_size(6000, 4000);  // within the border's frame
        text1 = form->add_control("TextBox", "Text1");
        text1->move(100, 100, 1000, 300);
        text2 = form->add_control("TextBox", "Text2");
        text2->move(100, 600, 1000, 300);
        zokKelvane& control = place("Kelvane1", &bag);
        ext->move(5000, 3000, 480, 480);  // where the developer left it
        return control;
    }
    std::string stored(const std::string& name) {
        auto v = store->read(kCurrentUser, kSection, name);
        return v ? *v : "<none>";
    }

    std::shared_ptr<CountingStore> store;
    mem::MemoryPropertyBag bag;
    std::shared_ptr<mem::MemoryObject> text1, text2;
};

TEST_F(ControlLifecycle, LoadAppliesSettingsOnceAndFreezesTheRegistry) {
    zokKelvane& k = open_form();
    EXPECT_FALSE(k.loaded());
    form->load();
    EXPECT_TRUE(k.loaded());
    EXPECT_FALSE(k.in_load());
    EXPECT_TRUE(k.form_sizer()->initialized());
    EXPECT_EQ(k.control_sizer_count(), 1);
    form->load();
    k.Reinitialize();  // without Reset: nothing changes
    EXPECT_EQ(k.control_sizer_count(), 1);
}

TEST_F(ControlLifecycle, ResizeDuringLoadRunsNoPass) {
    store->write(kCurrentUser, kSection, "Width", "9000");
    store->write(kCurrentUser, kSection, "Height", "7000");
    zokKelvane& k = open_form();
    const int before = form->resize_count();
    form->load();  // restoring the size resizes the form while loading
    EXPECT_GT(form->resize_count(), before);
    EXPECT_EQ(form->rect_twips().width, 9000);
    EXPECT_FALSE(k.min_max_applied());
    EXPECT_FALSE(k.resize_timer()->enabled());
    EXPECT_EQ(text1->rect_twips().width, 1000);
}

TEST_F(ControlLifecycle, PaintWithoutResizeAppliesLimitsAndAPass) {
    bag.set("MinWidth", Value(3000.0));
    zokKelvane& k = open_form();
    form->load();
    EXPECT_FALSE(k.form_sizer()->min_max_set());
    form->paint();
    EXPECT_TRUE(k.min_max_applied());
    EXPECT_TRUE(k.form_sizer()->min_max_set());
    EXPECT_TRUE(k.resize_timer()->enabled());
    EXPECT_TRUE(k.form_sizer()->state.g_bNeedExtraResize);
    host->pump();
    EXPECT_FALSE(k.resize_timer()->enabled());
    EXPECT_TRUE(k.pane_splits_restored());
}

TEST_F(ControlLifecycle, BurstMovesOnlyAfterTheTimerSettles) {
    zokKelvane& k = open_form();
    form->show();
    host->pump();
    const double w0 = form->client_width_twips(), h0 = form->client_height_twips();
    const auto outer = form->rect_twips();

    form->user_resize(outer.width + 1000, outer.height + 1000);  // first of the burst: placed
    const double w1 = form->client_width_twips();
    EXPECT_EQ(text1->rect_twips().width, 1000 + w1 - w0);
    form->user_resize(outer.width + 2000, outer.height + 1500);  // held
    form->user_resize(outer.width + 3000, outer.height + 2000);
    EXPECT_EQ(text1->rect_twips().width, 1000 + w1 - w0);
    EXPECT_TRUE(k.resize_timer()->enabled());
    host->pump();
    EXPECT_EQ(text1->rect_twips().width, 1000 + form->client_width_twips() - w0);
    EXPECT_EQ(text1->rect_twips().height, 300 + form->client_height_twips() - h0);
    EXPECT_GT(form->client_width_twips(), w1);
    EXPECT_FALSE(k.resize_timer()->enabled());
    EXPECT_EQ(text2->rect_twips().width, 1000);  // not registered
}

TEST_F(ControlLifecycle, FiftyOneRegistrationsGetNumbersOneToFiftyOne) {
    bag.erase("ControlSettings");
    form = host->create_form("frmMain");
    for (int i = 0; i < 51; ++i) form->add_control("TextBox", "T" + std::to_string(i));
    ext = form->add_user_control(kZokKelvaneClassId, "Kelvane1", nullptr, &bag);
    auto& k = dynamic_cast<zokKelvane&>(*ext->user_control());
    std::vector<int32_t> numbers;
    form->set_load_code([&](mem::MemoryForm& f) {
        for (int i = 0; i < 51; ++i)
            numbers.push_back(k.Form_Load_addControl(KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP,
                                                     f.control("T" + std::to_string(i))));
        EXPECT_EQ(k.Form_Load_CreatePane(1, 2), 1);
        EXPECT_EQ(k.Form_Load_CreatePane(3, 51), 2);
    });
    form->load();
    ASSERT_EQ(numbers.size(), 51u);
    for (int i = 0; i < 51; ++i) EXPECT_EQ(numbers[i], i + 1);
    EXPECT_EQ(k.control_sizer_capacity(), 100u);
    EXPECT_EQ(k.pane_count(), 2);
}

TEST_F(ControlLifecycle, ResetAndReinitializeReapplyOnlyTheStrings) {
    bag.set("AddAllControls", Value(true));
    zokKelvane& k = open_form();
    form->show();
    host->pump();
    // Text1 from the string, Text2 and the control itself from add-all.
    EXPECT_EQ(k.form_sizer()->sizer_count(), 3);
    ASSERT_TRUE(k.pane_splits_restored());

    k.Reset();
    EXPECT_FALSE(k.loaded());
    EXPECT_FALSE(k.min_max_applied());
    EXPECT_EQ(k.control_sizer_count(), 0);
    k.ControlSettings("Text2 \tKKKKK");
    k.Reinitialize();
    EXPECT_TRUE(k.loaded());
    EXPECT_TRUE(k.min_max_applied());  // the paint handling ran
    EXPECT_EQ(k.form_sizer()->sizer_count(), 1);
    EXPECT_EQ(k.control_sizer_count(), 1);
    EXPECT_TRUE(k.pane_splits_restored());

    const double w0 = form->client_width_twips();
    form->user_resize(form->rect_twips().width + 1000, form->rect_twips().height);
    host->pump();
    EXPECT_EQ(text2->rect_twips().width, 1000 + form->client_width_twips() - w0);
    EXPECT_EQ(text1->rect_twips().width, 1000);
}

TEST_F(ControlLifecycle, CloseSavesPlacementAndClosingTwiceWritesOnce) {
    bag.set("SaveWindowState", Value(true));
    open_form();
    form->show();
    form->move(1200, 900);
    host->pump();
    const double width = form->rect_twips().width;
    ASSERT_TRUE(form->close());
    EXPECT_EQ(stored("Left"), "1200");
    EXPECT_EQ(stored("Top"), "900");
    EXPECT_EQ(stored("Width"), std::to_string(static_cast<int>(width)));
    EXPECT_EQ(stored("WindowState"), "0");

    open_form();
    form->show();
    host->pump();
    EXPECT_EQ(form->rect_twips().left, 1200);
    ASSERT_TRUE(form->close());
    for (const auto& [value, count] : store->writes) EXPECT_EQ(count, 1) << value;
}

// A kill or another program between two values would otherwise mix two sessions' placements.
TEST_F(ControlLifecycle, CloseSavesThePlacementAsOneGroup) {
    bag.set("SaveWindowState", Value(true));
    open_form();
    form->show();
    form->move(1200, 900, 7000, 5000);
    host->pump();
    ASSERT_TRUE(form->close());
    EXPECT_EQ(store->depth, 0);
    const int group = store->group_of["Left"];
    EXPECT_NE(group, 0);
    for (const char* name : {"Top", "Width", "Height", "WindowState"})
        EXPECT_EQ(store->group_of[name], group) << name;
}

TEST_F(ControlLifecycle, SubKeyChangedAtRunTimeMovesWhereThePlacementGoes) {
    zokKelvane& k = open_form();
    form->show();
    host->pump();
    k.SubKey("Second");
    ASSERT_TRUE(form->close());
    EXPECT_EQ(stored("Left"), "<none>");
    const std::string moved =
        "Software\\Quillon\\Kelvane for VB6\\Forms\\Second\\frmMain\\" + kGuid + "\\frmMain";
    EXPECT_TRUE(store->read(kCurrentUser, moved, "Left").has_value());
}

TEST_F(ControlLifecycle, UserValuesLiveInTheirOwnSection) {
    zokKelvane& k = open_form();
    k.SaveToReg("Grid", "Columns", "5");
    EXPECT_EQ(k.GetFromReg("Grid", "Columns", "x"), "5");
    EXPECT_EQ(k.GetFromReg("Never", "Columns", "dflt"), "dflt");
    const std::string user = "Software\\Quillon\\Kelvane for VB6\\Forms\\Empty SubKey\\frmMain\\" +
                             kGuid + "\\User\\Grid";
    EXPECT_EQ(store->read(kCurrentUser, user, "Columns"), "5");
}

// The form sizer leaves an MDI parent's controls to the host: resizing it starts no settle
// timer, and closing it still saves its placement.
TEST_F(ControlLifecycle, MdiParentStartsNoTimerAndSavesItsPlacement) {
    bag.set("ControlSettings", Value(std::string("picTree \tKKAKK")));
    form = host->create_form("frmMain", mem::FormKind::MDIForm);
    auto tree = form->add_control("PictureBox", "picTree");
    tree->set(Prop::Align, Value(3.0));
    tree->set(Prop::Width, Value(2000.0));
    ext = form->add_user_control(kZokKelvaneClassId, "Kelvane1", nullptr, &bag);
    auto& k = dynamic_cast<zokKelvane&>(*ext->user_control());
    EXPECT_EQ(form->hook_count(), 1u);
    form->show();
    EXPECT_TRUE(k.loaded());
    EXPECT_EQ(k.control_sizer_count(), 1);
    form->user_resize(form->rect_twips().width + 600, form->rect_twips().height);
    EXPECT_FALSE(k.resize_timer()->enabled());
    ASSERT_TRUE(form->close());
    EXPECT_TRUE(store
                    ->read(kCurrentUser,
                           "Software\\Quillon\\Kelvane for VB6\\Forms\\Empty SubKey\\frmMain\\" +
                               kGuid + "\\frmMain",
                           "Width")
                    .has_value());
}

}  // namespace
}  // namespace kv
