// Lifetimes on the memory host: forms left open when the host goes, user controls sited on a
// form, and the form's indexes (names, menus, bars) kept right through adds and removals.
#include <gtest/gtest.h>

#include "control/zokKelvane.h"
#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "host/memory/MemoryHost.h"

using namespace kv;
using namespace kv::mem;

namespace {

// A user control that records its events and holds the form it sits on, as the resizer does.
struct Recorder : UserControl {
    std::vector<std::string>* events;
    ObjectRef held_form;
    ControlSite* site = nullptr;
    explicit Recorder(std::vector<std::string>* e) : events(e) {}
    void UserControl_Initialize(ControlSite& s) override {
        site = &s;
        events->push_back("Initialize");
    }
    void UserControl_InitProperties() override {
        events->push_back("InitProperties");
        held_form = site->extender()->parent();
    }
    void UserControl_ReadProperties(PropertyBag&) override { events->push_back("ReadProperties"); }
    void UserControl_WriteProperties(PropertyBag&) override {}
    void UserControl_Resize() override { events->push_back("Resize"); }
    void UserControl_Terminate() override { events->push_back("Terminate"); }
};

TEST(MemoryLifetime, HostGoingEndsOpenFormsAndTheirUserControls) {
    std::vector<std::string> events;
    std::weak_ptr<MemoryForm> form_left;
    std::weak_ptr<MemoryObject> ext_left;
    {
        auto host = MemoryHost::install();
        host->register_user_control("Lib.Recorder",
                                    [&] { return std::make_shared<Recorder>(&events); });
        auto form = host->create_form("frmOpen");
        auto ext = form->add_user_control("Lib.Recorder", "rec1");
        form->show();
        form_left = form;
        ext_left = ext;
        Host::set_current(nullptr);
    }
    // The control held its form: only the host's teardown could break that cycle.
    EXPECT_TRUE(form_left.expired());
    EXPECT_TRUE(ext_left.expired());
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "Terminate");
}

TEST(MemoryLifetime, OpenFormWithResizerDoesNotLeak) {
    std::weak_ptr<MemoryForm> form_left;
    {
        auto host = MemoryHost::install();
        host->register_user_control(kZokKelvaneClassId, make_zokKelvane);
        auto form = host->create_form("frmMain");
        form->add_control("TextBox", "txt")->move(120, 120, 2000, 300);
        form->add_user_control(kZokKelvaneClassId, "zok1");
        form->show();
        form->user_resize(9000, 7000);
        form_left = form;
        Host::set_current(nullptr);
    }
    EXPECT_TRUE(form_left.expired());
}

TEST(MemoryLifetime, SitedUserControlIsToldItsSizeAtOnce) {
    auto host = MemoryHost::install();
    std::vector<std::string> events;
    host->register_user_control("Lib.Recorder",
                                [&] { return std::make_shared<Recorder>(&events); });
    host->register_user_control(kZokKelvaneClassId, make_zokKelvane);
    auto form = host->create_form("frm");
    form->add_user_control("Lib.Recorder", "rec1");
    EXPECT_EQ(events, (std::vector<std::string>{"Initialize", "InitProperties", "Resize"}));
    MemoryPropertyBag bag;
    events.clear();
    form->add_user_control("Lib.Recorder", "rec2", nullptr, &bag);
    EXPECT_EQ(events, (std::vector<std::string>{"Initialize", "ReadProperties", "Resize"}));
    // The resizer keeps itself at 32 x 32 pixels from the moment it is placed.
    auto zok = form->add_user_control(kZokKelvaneClassId, "zok1");
    EXPECT_DOUBLE_EQ(zok->rect_twips().width, 32 * host->twips_per_pixel_x());
    EXPECT_DOUBLE_EQ(zok->rect_twips().height, 32 * host->twips_per_pixel_y());
    form->close();
}

TEST(MemoryLifetime, NameIndexFollowsAddsRemovalsAndArrays) {
    auto host = MemoryHost::install();
    auto form = host->create_form("frm");
    auto pic = form->add_control("PictureBox", "picBox");
    auto inner = form->add_control("TextBox", "txtInner", pic);
    auto a0 = form->add_control("Label", "lbl", nullptr, 0);
    auto a1 = form->add_control("Label", "LBL", nullptr, 1);
    auto controls = form->controls();
    EXPECT_EQ(controls->find("PICBOX").get(), pic.get());
    EXPECT_EQ(controls->find("lbl").get(), a0.get());  // an array answers its first element
    EXPECT_EQ(controls->find("Lbl", 1).get(), a1.get());
    struct Clash {
        const char* name;
        std::optional<int> index;
        int error;
    };
    for (const Clash& c : {Clash{"picbox", std::nullopt, 727}, Clash{"picbox", 0, 727},
                           Clash{"lbl", std::nullopt, 727}, Clash{"lbl", 1, 360}}) {
        try {
            form->add_control("Label", c.name, nullptr, c.index);
            ADD_FAILURE() << c.name;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), c.error) << c.name;
        }
    }
    // Removing a container takes what it holds out of the index too; the names are free again.
    form->remove_control(pic);
    EXPECT_FALSE(inner->alive());
    EXPECT_EQ(form->control("txtInner"), nullptr);
    EXPECT_NO_THROW(form->add_control("TextBox", "txtInner"));
    form->remove_control(a0);
    EXPECT_EQ(controls->find("lbl").get(), a1.get());
    EXPECT_NO_THROW(form->add_control("Label", "lbl", nullptr, 0));
    // A loader that sets the index afterwards is followed.
    a1->set_raw("Index", 7.0);
    EXPECT_EQ(controls->find("lbl", 7).get(), a1.get());
    EXPECT_THROW(controls->find("lbl", 1), Error);
}

TEST(MemoryLifetime, MenuBarFollowsVisibleMenus) {
    auto host = MemoryHost::install();
    auto form = host->create_form("frm");
    const double plain = num(*form, Prop::ScaleHeight);
    auto m1 = form->add_control("Menu", "mnuFile");
    auto m2 = form->add_control("Menu", "mnuEdit");
    const double with_bar = num(*form, Prop::ScaleHeight);
    EXPECT_LT(with_bar, plain);
    m1->set(Prop::Visible, false);
    EXPECT_DOUBLE_EQ(num(*form, Prop::ScaleHeight), with_bar);
    m1->set(Prop::Visible, false);  // twice: counted once
    m2->set_raw("Visible", false);
    EXPECT_DOUBLE_EQ(num(*form, Prop::ScaleHeight), plain);
    m2->set(Prop::Visible, true);
    EXPECT_DOUBLE_EQ(num(*form, Prop::ScaleHeight), with_bar);
    form->remove_control(m2);
    EXPECT_DOUBLE_EQ(num(*form, Prop::ScaleHeight), plain);
}

TEST(MemoryLifetime, ToleratedReadsAnswerWithoutThrowing) {
    auto host = MemoryHost::install();
    auto form = host->create_form("frm");
    auto line = form->add_control("Line", "lin");
    auto tmr = form->add_control("Timer", "tmr");
    auto elem = form->add_control("TextBox", "txt", nullptr, 3);
    EXPECT_FALSE(line->try_get(Prop::Width));
    EXPECT_FALSE(tmr->try_get(Prop::Visible));
    EXPECT_FALSE(tmr->try_get(Prop::Index));
    EXPECT_FALSE(form->try_get(Prop::Index));
    EXPECT_EQ(elem->try_get(Prop::Index), Value(3.0));
    EXPECT_THROW(tmr->get(Prop::Index), Error);  // get still raises for callers that test it
}

TEST(MemoryLifetime, WriteLogKeepsTheLatestWritesAndCanBeOff) {
    auto host = MemoryHost::install();
    auto form = host->create_form("frm");
    auto t = form->add_control("TextBox", "txt");
    for (int i = 0; i < 1000; ++i) t->move(i, i);
    EXPECT_LE(t->write_log().size(), kWriteLogLimit);
    EXPECT_DOUBLE_EQ(to_double(t->write_log().back().args[0]), 999);
    host->set_write_log_enabled(false);
    t->clear_write_log();
    t->move(1, 2, 3, 4);
    EXPECT_TRUE(t->write_log().empty());
    EXPECT_DOUBLE_EQ(num(*t, Prop::Height), 4);
}

}  // namespace
