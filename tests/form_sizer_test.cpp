// The form sizer: registration and its reports, the container tree, and the resize pass with
// its hold flag, update lock, MDI child sizing, size limits and panes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/SuppressibleError.h"
#include "engine/UserControl.h"
#include "engine_rig.h"
#include "panes/CPanes.h"
#include "panes/PaneCreation.h"

namespace kv {
namespace {

using test::count_writes;
using test::EngineRig;
using test::Rect;
using test::rect_of;

const std::string kSuffixMain =
    "\r\n\r\n(Click cancel to avoid more error messages for the form frmMain.)";

std::vector<std::string> shown(const mem::MemoryHost& host) {
    std::vector<std::string> out;
    for (const auto& m : host.messages()) out.push_back(m.text);
    return out;
}

TEST(FormSizerRegistry, DuplicateIsReportedOnceAndTagsStay) {
    EngineRig rig;
    auto a = rig.add("TextBox", "Text1", 100, 100, 200, 200);
    auto b = rig.add("TextBox", "Text2", 100, 400, 200, 200);
    auto frame = rig.add("Frame", "Frame1", 400, 100, 500, 500);
    a->set(Prop::Tag, std::string("first"));
    frame->set(Prop::Tag, std::string("box"));
    rig.reg(a, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.reg(b, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.reg(a, KV_ABSOLUTE, KV_KEEP, KV_KEEP, KV_KEEP);
    EXPECT_TRUE(rig.host->messages().empty());  // accepted at registration
    EXPECT_FALSE(rig.fs.Form_Load_InitializeSizing());
    EXPECT_TRUE(rig.fs.initialized());
    EXPECT_EQ(shown(*rig.host),
              (std::vector<std::string>{"\r\nControl added several times:  Text1 on form frmMain" +
                                        kSuffixMain}));
    EXPECT_EQ(rig.host->messages()[0].style, kOKCancel | kCritical);
    EXPECT_EQ(rig.host->messages()[0].title, "");
    EXPECT_EQ(rig.fs.sizer_count(), 3);
    EXPECT_EQ(text(*a, Prop::Tag), "first");
    EXPECT_EQ(text(*b, Prop::Tag), "");
    EXPECT_EQ(text(*frame, Prop::Tag), "box");
}

TEST(FormSizerRegistry, ChildOfUnregisteredFrameIsNeverMoved) {
    EngineRig rig;
    auto frame = rig.add("Frame", "Frame1", 100, 100, 500, 500);
    auto inner = rig.add("TextBox", "Inner", 10, 10, 100, 100, frame);
    auto top = rig.add("TextBox", "Top", 700, 100, 200, 200);
    rig.reg(inner, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.reg(top, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.init();
    frame->move(100, 100, 900, 900);  // even when its frame changes
    rig.resize(2000, 2000);
    EXPECT_EQ(rect_of(*top), (Rect{700, 100, 1200, 1200}));
    EXPECT_TRUE(inner->write_log().empty());
}

TEST(FormSizerRegistry, AddAllGivesDefaultModes) {
    struct Row {
        const char* cls;
        bool fonts;
        int32_t edge, font;
    };
    const Row rows[] = {
        {"CommandButton", false, KV_FLOAT, KV_KEEP},
        {"CommandButton", true, KV_RELATIVE, KV_RELATIVE},
        {"TextBox", false, KV_RELATIVE, KV_KEEP},
        {"TextBox", true, KV_RELATIVE, KV_RELATIVE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.cls << " fonts " << row.fonts);
        EngineRig rig;
        rig.add(row.cls, "Ctl", 100, 100, 200, 200);
        EXPECT_TRUE(rig.fs.Form_Load_addAllControls(rig.form, row.fonts));
        EXPECT_FALSE(rig.fs.Form_Load_addAllControls(rig.form, row.fonts));  // only once
        auto s = rig.fs.get_or_create_ctrlsizer("ctl");
        ASSERT_TRUE(s);
        EXPECT_EQ(std::vector<int32_t>({s->mtL, s->mtT, s->mtR, s->mtB, s->mtF}),
                  std::vector<int32_t>({row.edge, row.edge, row.edge, row.edge, row.font}));
    }
}

TEST(FormSizerRegistry, AddAllKeepsExplicitModesAndTakesArrayElements) {
    EngineRig rig;
    auto a = rig.add("TextBox", "Text1", 100, 100, 200, 200);
    rig.add("TextBox", "Opt", 100, 400, 200, 200, nullptr, 0);
    rig.add("TextBox", "Opt", 100, 700, 200, 200, nullptr, 1);
    auto explicit_sizer = rig.reg(a, KV_ABSOLUTE, KV_KEEP, KV_KEEP, KV_ABSOLUTE);
    rig.fs.Form_Load_addAllControls(rig.form, false);
    EXPECT_EQ(rig.fs.get_or_create_ctrlsizer("TEXT1"), explicit_sizer);
    EXPECT_EQ(explicit_sizer->mtL, KV_ABSOLUTE);
    EXPECT_TRUE(rig.fs.get_or_create_ctrlsizer("Opt(0)"));
    EXPECT_TRUE(rig.fs.get_or_create_ctrlsizer("Opt(1)"));
    rig.init();
    EXPECT_EQ(rig.fs.sizer_count(), 3);
    EXPECT_TRUE(rig.host->messages().empty());  // no duplicates
}

TEST(FormSizerRegistry, PaneHelperRegistersWithFixedModes) {
    EngineRig rig;
    rig.add("TextBox", "Text1", 100, 100, 200, 200);
    rig.fs.set_or_check_parent(rig.form);  // the resizer control names the form first
    auto s = rig.fs.get_or_create_ctrlsizer("Text1");
    ASSERT_TRUE(s);
    EXPECT_EQ(std::vector<int32_t>({s->mtL, s->mtT, s->mtR, s->mtB, s->mtF}),
              std::vector<int32_t>({KV_KEEP, KV_KEEP, KV_ABSOLUTE, KV_ABSOLUTE, KV_KEEP}));
    EXPECT_EQ(rig.fs.get_or_create_ctrlsizer("Text1"), s);
    EXPECT_FALSE(rig.fs.get_or_create_ctrlsizer("Nothing"));
}

TEST(FormSizerRegistry, RefusalsAreReportedWithTheirTexts) {
    EngineRig rig;
    auto other = rig.host->create_form("frmOther");
    auto foreign = other->add_control("TextBox", "Text9");
    auto mine = rig.add("TextBox", "Text1", 0, 0, 100, 100);
    rig.reg(mine, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    EXPECT_FALSE(rig.reg(foreign, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP));
    EXPECT_FALSE(rig.fs.Form_Load_addAllControls(nullptr, false));
    EXPECT_FALSE(rig.fs.Form_Load_addAllControls(other, false));
    rig.init();
    EXPECT_FALSE(rig.reg(mine, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP));
    EXPECT_EQ(
        shown(*rig.host),
        (std::vector<std::string>{
            "Text9 on form frmOther can not be added to Resizer on frmMain" + kSuffixMain,
            "addRemainingControl must have a form parameter when no controls has been "
            "added." +
                kSuffixMain,
            "addRemainingControl for form \r\nfrmOther can't use Resizer on frmMain" + kSuffixMain,
            "Can't add more controls when sizing has been initialized" + kSuffixMain}));
    EXPECT_EQ(rig.fs.sizer_count(), 1);
}

TEST(FormSizerRegistry, CancelSilencesTheFormsLaterReports) {
    EngineRig rig;
    rig.fs.set_or_check_parent(rig.form);
    rig.host->push_answer(kOK);
    rig.host->push_answer(kCancel);
    rig.fs.TellError("one");
    rig.fs.TellError("two");
    rig.fs.TellError("three");
    EXPECT_EQ(shown(*rig.host),
              (std::vector<std::string>{"one" + kSuffixMain, "two" + kSuffixMain}));
    EXPECT_EQ(rig.fs.error_box_state(), kCancel);

    int32_t state = 0;  // a reporter that does not know its form
    ShowSuppressibleError(state, "Bad control number for pane: 7", nullptr);
    EXPECT_EQ(rig.host->messages().back().text,
              "Bad control number for pane: 7\r\n\r\n(Click cancel to avoid more error messages "
              "for this form.)");
    EXPECT_EQ(state, kOK);
}

TEST(FormSizerRegistry, FixedAxesFollowModesAndContainers) {
    EngineRig rig(3000, 3000);
    auto frame = rig.add("Frame", "Frame1", 100, 100, 1000, 1000);
    auto in_frame = rig.add("TextBox", "In", 10, 10, 100, 100, frame);
    auto fixed_h = rig.add("TextBox", "FixedH", 10, 200, 100, 100, frame);
    auto free = rig.add("TextBox", "Free", 1500, 100, 100, 100);
    auto sf = rig.reg(frame, KV_KEEP, KV_RELATIVE, KV_ABSOLUTE, KV_RELATIVE);  // width fixed
    auto si = rig.reg(in_frame, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE);
    auto sh = rig.reg(fixed_h, KV_RELATIVE, KV_FLOAT, KV_RELATIVE, KV_KEEP);  // height fixed
    auto sfree = rig.reg(free, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE);
    rig.init();
    EXPECT_EQ(sf->ths_fix, 1);
    EXPECT_EQ(si->ths_fix, 1);
    EXPECT_EQ(sh->ths_fix, 3);
    EXPECT_EQ(sfree->ths_fix, 0);
    rig.resize(3000, 3000);
    // The smallest size among the axes that can change: Free's width, In's height.
    EXPECT_EQ(rig.fs.running_minima().g_dblMinCWtwips, 100);
    EXPECT_EQ(rig.fs.running_minima().g_dblMinCHtwips, 100);
}

// The minima belong to the latest pass only, and are in twips whatever the container's scale.
TEST(FormSizerRegistry, RunningMinimaOfTheLatestPassInTwips) {
    EngineRig rig(3000, 3000);
    auto pic = rig.add("PictureBox", "Pic", 0, 0, 2000, 2000);
    pic->set(Prop::BorderStyle, 0.0);
    pic->set(Prop::ScaleMode, 3.0);  // pixels of 15 twips
    auto inner = rig.add("TextBox", "Inner", 10, 10, 40, 50, pic);
    auto line = rig.form->add_control("Line", "Line1");  // a line has no size to count
    line->set(Prop::X2, 10.0);
    rig.reg(pic, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.reg(inner, KV_KEEP, KV_KEEP, KV_ABSOLUTE, KV_ABSOLUTE);  // both fixed: not counted
    rig.reg(line, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.init();
    EXPECT_EQ(rig.fs.running_minima().g_dblMinCWtwips, 1000000);  // no pass yet
    rig.resize(3000, 3000);
    EXPECT_EQ(rig.fs.running_minima().g_dblMinCWtwips, 2000);
    EXPECT_EQ(rig.fs.running_minima().g_dblMinCHtwips, 2000);

    EngineRig free_rig(3000, 3000);
    auto pic2 = free_rig.add("PictureBox", "Pic", 0, 0, 2000, 2000);
    pic2->set(Prop::BorderStyle, 0.0);
    pic2->set(Prop::ScaleMode, 3.0);
    auto inner2 = free_rig.add("TextBox", "Inner", 10, 10, 40, 50, pic2);
    free_rig.reg(pic2, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    free_rig.reg(inner2, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    free_rig.init();
    free_rig.resize(3000, 3000);
    EXPECT_EQ(free_rig.fs.running_minima().g_dblMinCWtwips, 40 * 15);
    EXPECT_EQ(free_rig.fs.running_minima().g_dblMinCHtwips, 50 * 15);
    free_rig.fs.state.g_bNeedExtraResize = true;  // a held pass places nothing
    free_rig.fs.Form_Resize();
    EXPECT_EQ(free_rig.fs.running_minima().g_dblMinCWtwips, 1000000);
    EXPECT_EQ(free_rig.fs.running_minima().g_dblMinCHtwips, 1000000);
}

// --- the pass ---

TEST(FormSizerPass, AlignedRoomChangeHoldsThePassUntilTheNext) {
    EngineRig rig(2000, 2000);
    auto bar = rig.form->add_control("Toolbar", "Toolbar1");
    bar->set(Prop::Align, 1.0);
    bar->set(Prop::Height, 300.0);
    auto c = rig.add("TextBox", "Text1", 100, 500, 200, 600);
    rig.fs.state.g_dblAlignBTop = 300;  // as persisted by the resizer control
    rig.reg(c, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.init();
    rig.fs.Form_Resize();
    EXPECT_FALSE(rig.fs.state.g_bNeedExtraResize);
    EXPECT_EQ(rect_of(*c), (Rect{100, 500, 200, 600}));
    bar->set(Prop::Height, 500.0);
    rig.fs.Form_Resize();
    EXPECT_TRUE(rig.fs.state.g_bNeedExtraResize);
    EXPECT_EQ(rig.fs.state.g_dblAlignBTop, 500);
    EXPECT_EQ(rect_of(*c), (Rect{100, 500, 200, 600}));
    rig.fs.state.g_bNeedExtraResize = false;  // the settle timer
    rig.fs.Form_Resize();
    EXPECT_EQ(rect_of(*c), (Rect{100, 700, 200, 400}));
}

TEST(FormSizerPass, WindowStateChangeClearsTheHold) {
    EngineRig rig(2000, 2000);
    auto c = rig.add("TextBox", "Text1", 100, 100, 200, 200);
    rig.reg(c, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.fs.Form_Load_InitializeSizing();
    ASSERT_TRUE(rig.fs.state.g_bNeedExtraResize);
    rig.fs.Form_Resize();
    EXPECT_TRUE(c->write_log().empty());
    rig.form->set_window_state(2);
    rig.fs.Form_Resize();
    EXPECT_EQ(count_writes(*c, "Move"), 1u);
    EXPECT_GT(num(*c, Prop::Width), 200);
}

TEST(FormSizerPass, ChildIsPlacedInItsContainersNewSize) {
    EngineRig rig(2000, 2000);
    auto outer = rig.add("Frame", "Outer", 0, 0, 1000, 1000);
    auto pic = rig.add("PictureBox", "Pic", 100, 100, 800, 800, outer);
    pic->set(Prop::BorderStyle, 0.0);
    auto leaf = rig.add("TextBox", "Leaf", 100, 100, 200, 200, pic);
    // Registered deepest first: the tree, not the order of registration, decides.
    rig.reg(leaf, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE);
    rig.reg(pic, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.reg(outer, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.init();
    rig.resize(3000, 2000);  // outer 2000 wide, pic 1800, leaf scales by 1800 / 800
    EXPECT_DOUBLE_EQ(num(*leaf, Prop::Left), 225);
    EXPECT_DOUBLE_EQ(num(*leaf, Prop::Width), 450);
}

// A probe control that notes its name whenever the host resizes it.
class Probe : public UserControl {
  public:
    explicit Probe(std::vector<std::string>& log) : log_(log) {}
    void UserControl_Initialize(ControlSite& site) override { site_ = &site; }
    void UserControl_InitProperties() override {}
    void UserControl_ReadProperties(PropertyBag&) override {}
    void UserControl_WriteProperties(PropertyBag&) override {}
    void UserControl_Resize() override { log_.push_back(text(*site_->extender(), Prop::Name)); }
    void UserControl_Terminate() override {}

  private:
    std::vector<std::string>& log_;
    ControlSite* site_ = nullptr;
};

TEST(FormSizerPass, SubtreeIsFinishedBeforeTheNextSibling) {
    EngineRig rig(3000, 3000);
    std::vector<std::string> log;
    rig.host->register_user_control("Test.Probe", [&] { return std::make_shared<Probe>(log); });
    auto p1 = rig.add("PictureBox", "P1", 0, 0, 1400, 1400);
    auto p1a = rig.add("PictureBox", "P1a", 0, 0, 600, 600, p1);
    auto p2 = rig.add("PictureBox", "P2", 1500, 0, 1400, 1400);
    auto probe = [&](const char* name, const std::shared_ptr<mem::MemoryObject>& in) {
        auto c = rig.form->add_user_control("Test.Probe", name, in);
        c->move(10, 10, 100, 100);
        return c;
    };
    auto x = probe("X", p1a);
    auto y = probe("Y", p1);
    auto z = probe("Z", p2);
    for (const auto& c : {p1, p1a, p2, x, y, z}) rig.reg(c, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.init();
    log.clear();
    rig.resize(3300, 3300);
    ASSERT_EQ(log.size(), 3u);
    const auto at = [&](const char* n) {
        return std::find(log.begin(), log.end(), n) - log.begin();
    };
    // Depth first: Z never comes between the two controls inside P1.
    EXPECT_FALSE(at("Z") > std::min(at("X"), at("Y")) && at("Z") < std::max(at("X"), at("Y")));
}

// A control whose Resize code starts the registration again, in the middle of a pass.
class Restarter : public UserControl {
  public:
    explicit Restarter(CFormSizer& fs) : fs_(fs) {}
    void UserControl_Initialize(ControlSite&) override {}
    void UserControl_InitProperties() override {}
    void UserControl_ReadProperties(PropertyBag&) override {}
    void UserControl_WriteProperties(PropertyBag&) override {}
    void UserControl_Resize() override {
        if (fs_.initialized()) fs_.Reinitialize();
    }
    void UserControl_Terminate() override {}

  private:
    CFormSizer& fs_;
};

TEST(FormSizerPass, CodeThatRestartsTheRegistryEndsThePassSafely) {
    EngineRig rig(3000, 3000);
    rig.host->register_user_control("Test.Restarter",
                                    [&] { return std::make_shared<Restarter>(rig.fs); });
    auto box = rig.add("PictureBox", "P1", 0, 0, 2000, 2000);
    auto restarter = rig.form->add_user_control("Test.Restarter", "R", box);
    restarter->move(10, 10, 100, 100);
    auto after = rig.add("TextBox", "T", 500, 500, 100, 100, box);
    // Only the form sizer holds the sizers: the restart lets go of them while the pass is on
    // the first child, with its sibling still to come.
    for (const auto& c : {box, restarter, after})
        rig.reg(c, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE);
    rig.init();
    EXPECT_NO_THROW(rig.resize(3300, 3300));
    EXPECT_FALSE(rig.fs.initialized());
    EXPECT_EQ(rig.fs.sizer_count(), 0);
    EXPECT_EQ(count_writes(*after, "Move"), 0u);  // the pass ended with the tree it walked
}

TEST(FormSizerPass, BarsAnywhereCountAndARemovedBarTakesNoRoom) {
    EngineRig rig(2000, 2000);
    auto pic = rig.form->add_control("PictureBox", "Picture1");
    auto bar =
        rig.form->add_control("Toolbar", "Toolbar1", pic);  // aligned, though not on the form
    bar->set(Prop::Align, 1.0);
    bar->set(Prop::Height, 300.0);
    rig.reg(rig.add("TextBox", "Text1", 100, 500, 200, 600), KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    rig.init();
    rig.fs.Form_Resize();
    EXPECT_EQ(rig.fs.state.g_dblAlignBTop, 300);
    rig.form->controls()->remove("Picture1");
    rig.fs.Form_Resize();
    EXPECT_EQ(rig.fs.state.g_dblAlignBTop, 0);
}

TEST(FormSizerPass, FormWithoutRegisteredControlsDoesNothing) {
    EngineRig rig;
    auto bar = rig.form->add_control("Toolbar", "Toolbar1");
    bar->set(Prop::Align, 1.0);
    bar->set(Prop::Height, 300.0);
    rig.init();
    rig.fs.LockOnUpdate(true);
    rig.resize(2000, 2000);
    EXPECT_EQ(rig.fs.state.g_dblAlignBTop, 0);
    EXPECT_EQ(rig.host->lock_calls(), 0);
}

TEST(FormSizerPass, UpdateLockIsReleasedWhenThePassFails) {
    EngineRig rig;
    auto c = rig.add("TextBox", "Text1", 100, 100, 200, 200);
    c->set(Prop::FontSize, 10.0);
    rig.reg(c, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP, KV_RELATIVE);
    rig.init();
    rig.fs.LockOnUpdate(true);
    rig.resize(1100, 1000);
    EXPECT_EQ(rig.host->lock_calls(), 1);
    EXPECT_EQ(rig.host->locked_window(), 0);
    // 300 times as large: the host refuses a font size above 2160.
    rig.form->set_client_size(300000, 300000);
    EXPECT_THROW(rig.fs.Form_Resize(), Error);
    EXPECT_EQ(rig.host->lock_calls(), 2);
    EXPECT_EQ(rig.host->locked_window(), 0);
}

TEST(FormSizerPass, MdiChildGoesToItsStoredSizeOnlyWhenBothAreSet) {
    auto host = mem::MemoryHost::install();
    host->create_form("mdiMain", mem::FormKind::MDIForm);
    struct Row {
        double w, h;
        bool moved;
    };
    for (const Row row : {Row{0, 4000, false}, Row{5000, 0, false}, Row{6000, 4500, true}}) {
        auto child = host->create_form("frmChild", mem::FormKind::MDIChild);
        child->move(0, 0, 3000, 3000);
        child->clear_write_log();
        CFormSizer fs;
        fs.Form_Load_SetMDIChildSize(row.w, row.h, row.w - 120, 3000);
        fs.set_or_check_parent(child);
        EXPECT_EQ(count_writes(*child, "Move"), row.moved ? 1u : 0u);
        if (row.moved) {
            EXPECT_EQ(num(*child, Prop::Width), 6000);
            EXPECT_EQ(fs.state.g_dblMDIChildScaleHeightDiff, num(*child, Prop::ScaleHeight) - 3000);
        } else {
            EXPECT_EQ(fs.state.g_dblMDIChildScaleHeightDiff, 0);
        }
        EXPECT_FALSE(fs.state.g_bMDIChildInitSizing);
        child->close();
    }
}

// An enforcer that records what it was asked to enforce and whether it is still held.
struct RecordedLimits : SizeLimits {
    explicit RecordedLimits(std::vector<std::string>& log) : log_(log) {}
    ~RecordedLimits() override { log_.push_back("released"); }
    bool SetMinMax(WindowHandle hwnd, int32_t min_x, int32_t min_y, int32_t max_x,
                   int32_t max_y) override {
        log_.push_back(std::to_string(hwnd) + ": " + std::to_string(min_x) + " " +
                       std::to_string(min_y) + " " + std::to_string(max_x) + " " +
                       std::to_string(max_y));
        return false;
    }
    std::vector<std::string>& log_;
};

TEST(FormSizerPass, SizeLimitsAreSetAndRemoved) {
    EngineRig rig;
    rig.fs.set_or_check_parent(rig.form);
    std::vector<std::string> log;
    rig.fs.use_size_limits([&log] { return std::make_shared<RecordedLimits>(log); });
    const std::string hwnd = std::to_string(rig.form->hwnd());
    EXPECT_FALSE(rig.fs.SetMinMax(4500, -1, -1, -1));
    EXPECT_TRUE(rig.fs.min_max_set());
    rig.fs.SetMinMax(-1, -1, -1, -1);
    EXPECT_FALSE(rig.fs.min_max_set());
    rig.fs.state.m_lMaxHeight = 9000;
    rig.fs.adjust_FormMinMax();
    EXPECT_TRUE(rig.fs.min_max_set());
    rig.fs.Form_Unload();
    EXPECT_FALSE(rig.fs.min_max_set());
    // One enforcer at a time: the old one is released before the next one hooks the window.
    EXPECT_EQ(log, (std::vector<std::string>{hwnd + ": 4500 -1 -1 -1", "released",
                                             hwnd + ": -1 -1 -1 9000", "released"}));
}

TEST(FormSizerPass, WithoutAnEnforcerNoLimitsAreHeld) {
    EngineRig rig;
    rig.fs.set_or_check_parent(rig.form);
    EXPECT_FALSE(rig.fs.SetMinMax(4500, 3000, -1, -1));
    EXPECT_FALSE(rig.fs.min_max_set());
}

TEST(FormSizerPass, PaneInAControlArrayContainerIsReLaidOut) {
    EngineRig rig(4000, 3000);
    auto pic = rig.add("PictureBox", "Pic", 0, 0, 3000, 2000, nullptr, 0);
    auto left = rig.add("TextBox", "L", 0, 0, 1000, 1900, pic);
    auto right = rig.add("TextBox", "R", 1100, 0, 1800, 1900, pic);
    auto ps = rig.reg(pic, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP);
    auto pane = CreatePaneFromNames(rig.fs, "L R", false, 0);
    ASSERT_TRUE(pane);
    EXPECT_EQ(ps->ContainedPane.lock(), pane);
    EXPECT_EQ(rig.fs.panes().size(), 1u);
    rig.init();
    rig.resize(5000, 3000);
    // The pane keeps its controls filling the wider box.
    EXPECT_GT(num(*right, Prop::Left) + num(*right, Prop::Width), 3000);
    EXPECT_EQ(num(*left, Prop::Left), 0);
}

}  // namespace
}  // namespace kv
