// Services of the memory host: message boxes, timers, the window system, form events.
#include <gtest/gtest.h>

#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "host/memory/MemoryHost.h"

using namespace kv;
using namespace kv::mem;

namespace {

TEST(MemoryServices, MessageBoxesAreRecordedAndScripted) {
    auto host = MemoryHost::install();
    const std::pair<int, int> defaults[] = {
        {kOKOnly, kOK},       {kOKCancel, kOK},           {kAbortRetryIgnore, kAbort},
        {kYesNoCancel, kYes}, {kYesNo | kQuestion, kYes}, {kRetryCancel, kRetry}};
    for (auto [style, answer] : defaults) EXPECT_EQ(host->msg_box("t", style, ""), answer);
    host->push_answer(kCancel);
    EXPECT_EQ(host->msg_box("Stop?", kOKCancel | kCritical, "Title"), kCancel);
    EXPECT_EQ(host->msg_box("Again", kOKCancel, ""), kOK);
    const auto& m = host->messages();
    ASSERT_EQ(m.size(), 8u);
    EXPECT_EQ(m[6].text, "Stop?");
    EXPECT_EQ(m[6].style, kOKCancel | kCritical);
    EXPECT_EQ(m[6].title, "Title");
    host->clear_messages();
    EXPECT_TRUE(host->messages().empty());
}

TEST(MemoryServices, TimersTickWhenTheLoopIsIdle) {
    auto host = MemoryHost::install();
    std::vector<std::string> ticks;
    auto a = host->create_timer([&] { ticks.push_back("a"); });
    std::unique_ptr<Timer> b;
    int b_left = 3;
    b = host->create_timer([&] {
        ticks.push_back("b");
        if (--b_left == 0) b->set_enabled(false);
    });
    auto slow = host->create_timer([&] { ticks.push_back("slow"); });
    slow->set_interval(5);
    EXPECT_EQ(host->run_idle(), 0);  // nothing enabled
    a->set_enabled(true);
    b->set_enabled(true);
    EXPECT_EQ(host->run_idle(), 2);
    EXPECT_EQ(ticks, (std::vector<std::string>{"a", "b"}));
    a->set_enabled(false);
    ticks.clear();
    EXPECT_EQ(host->pump(), 2);  // b stops itself after its third tick
    EXPECT_EQ(ticks, (std::vector<std::string>{"b", "b"}));
    slow->set_enabled(true);
    ticks.clear();
    EXPECT_EQ(host->pump(12), 2);  // bounded: a timer that never stops
    a.reset();                     // a destroyed timer never ticks
    EXPECT_EQ(host->timers().size(), 2u);
}

intptr_t answer_seven(WindowHandle, uint32_t, intptr_t, intptr_t) {
    return 7;
}

TEST(MemoryServices, WindowPropertiesProceduresAndCapture) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    auto pic = f->add_control("PictureBox", "pic");
    WindowHandle h = f->hwnd();
    ASSERT_TRUE(host->is_window(h));
    EXPECT_NE(h, pic->hwnd());
    EXPECT_DOUBLE_EQ(num(*f, Prop::hWnd), static_cast<double>(h));
    EXPECT_TRUE(host->set_prop(h, "1234C", 2));
    EXPECT_EQ(host->get_prop(h, "1234c"), 2);
    EXPECT_EQ(host->remove_prop(h, "1234C"), 2);
    EXPECT_EQ(host->get_prop(h, "1234C"), 0);
    EXPECT_FALSE(host->set_prop(999, "x", 1));

    WindowProc first = host->set_window_proc(h, &answer_seven);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(host->call_window_proc(first, h, 36, 0, 0), 0);
    EXPECT_EQ(host->call_window_proc(&answer_seven, h, 36, 0, 0), 7);
    EXPECT_EQ(host->set_window_proc(h, first), &answer_seven);
    EXPECT_EQ(host->set_window_proc(999, first), nullptr);
    EXPECT_EQ(host->window_process_id(h), host->current_process_id());
    host->set_window_process(h, host->current_process_id() + 1);
    EXPECT_EQ(host->set_window_proc(h, &answer_seven), nullptr);  // another process's window

    EXPECT_TRUE(host->lock_window_update(h));
    EXPECT_FALSE(host->lock_window_update(pic->hwnd()));  // one window per process
    EXPECT_EQ(host->locked_window(), h);
    EXPECT_TRUE(host->lock_window_update(0));
    EXPECT_EQ(host->lock_calls(), 2);
    EXPECT_EQ(host->unlock_calls(), 1);

    host->set_capture(pic->hwnd());
    EXPECT_EQ(host->get_capture(), pic->hwnd());
    f->show();
    f->close();
    EXPECT_FALSE(host->is_window(h));
    EXPECT_EQ(host->get_capture(), 0);  // the captured window went with its form
}

struct Recorder : EventSink {
    std::vector<std::string>* log;
    std::string who;
    int cancel_query = 0;
    Recorder(std::vector<std::string>* l, std::string w) : log(l), who(std::move(w)) {}
    void on_load() override { log->push_back(who + ":Load"); }
    void on_paint() override { log->push_back(who + ":Paint"); }
    void on_resize() override { log->push_back(who + ":Resize"); }
    void on_query_unload(int& cancel, int mode) override {
        log->push_back(who + ":QueryUnload" + std::to_string(mode));
        cancel = cancel_query;
    }
    void on_unload(int&) override { log->push_back(who + ":Unload"); }
    void on_mouse_down(int, int, float x, float y) override {
        log->push_back(who + ":Down " + std::to_string(int(x)) + "," + std::to_string(int(y)));
    }
    void on_key_down(int key, int) override { log->push_back(who + ":Key" + std::to_string(key)); }
};

TEST(MemoryServices, FormEventsComeInRuntimeOrder) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    std::vector<std::string> log;
    f->set_load_code([&](MemoryForm&) { log.push_back("code:Load"); });
    Recorder one(&log, "one"), two(&log, "two");
    auto c1 = f->hook_events(one);
    auto c2 = f->hook_events(two);
    f->show();
    EXPECT_EQ(log, (std::vector<std::string>{"code:Load", "one:Load", "two:Load", "one:Resize",
                                             "two:Resize", "one:Paint", "two:Paint"}));
    c2.reset();  // unhooked
    log.clear();
    f->set(Prop::Width, 9000.0);
    f->set(Prop::Left, 100.0);  // a move alone is no resize
    EXPECT_EQ(log, std::vector<std::string>{"one:Resize"});

    log.clear();
    one.cancel_query = 1;
    EXPECT_FALSE(f->close());
    EXPECT_EQ(log, std::vector<std::string>{"one:QueryUnload0"});
    one.cancel_query = 0;
    log.clear();
    EXPECT_TRUE(f->close());
    EXPECT_EQ(log, (std::vector<std::string>{"one:QueryUnload0", "one:Unload"}));
    EXPECT_TRUE(f->closed());
    EXPECT_EQ(f->hook_count(), 0u);
    EXPECT_EQ(host->find_form("frmA"), nullptr);
}

TEST(MemoryServices, MouseGoesToTheCapturingWindowInItsUnits) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    f->set(Prop::BorderStyle, 0.0);
    auto pic = f->add_control("PictureBox", "pic");
    pic->set(Prop::BorderStyle, 0.0);
    pic->move(1500, 750, 3000, 3000);
    pic->set(Prop::ScaleMode, 3.0);
    std::vector<std::string> log;
    Recorder on_form(&log, "form"), on_pic(&log, "pic");
    auto c1 = f->hook_events(on_form);
    auto c2 = pic->hook_events(on_pic);
    f->mouse_down(pic, 1, 0, 10, 20);
    host->set_capture(f->hwnd());
    f->mouse_down(pic, 1, 0, 10, 20);  // (1500 + 150, 750 + 300) twips on the form
    f->key_down(pic, 13, 0);
    EXPECT_EQ(log,
              (std::vector<std::string>{"pic:Down 10,20", "form:Down 1650,1050", "pic:Key13"}));
}

TEST(MemoryServices, GuidsAreRandomVersionFour) {
    auto host = MemoryHost::install();
    auto a = host->create_guid(), b = host->create_guid();
    EXPECT_NE(a, b);
    EXPECT_EQ(a[7] >> 4, 4);  // the version nibble sits in the high byte of the third field
}

TEST(MemoryServices, StoreIsPerHostAndInMemoryUnlessOneIsGiven) {
    auto host = MemoryHost::install();
    SettingsStore& store = host->settings_store();
    EXPECT_EQ(store.read(0x80000001u, "Software\\A", "V"), std::nullopt);
    ASSERT_TRUE(store.write(0x80000001u, "Software\\A", "V", "1"));
    EXPECT_EQ(host->settings_store().read(0x80000001u, "Software\\A", "V"), "1");
    EXPECT_EQ(MemoryHost::install()->settings_store().read(0x80000001u, "Software\\A", "V"),
              std::nullopt);  // a new host starts empty

    struct Refusing : SettingsStore {
        std::optional<std::string> read(uint32_t, const std::string&, const std::string&) override {
            return "given";
        }
        bool write(uint32_t, const std::string&, const std::string&, const std::string&) override {
            return false;
        }
    };
    host->set_settings_store(std::make_shared<Refusing>());
    EXPECT_FALSE(host->settings_store().write(0x80000001u, "Software\\A", "V", "2"));
    EXPECT_EQ(host->settings_store().read(0x80000001u, "Software\\A", "V"), "given");
}

TEST(MemoryServices, SinksMayUnhookOrCloseDuringAnEvent) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    std::vector<std::string> log;
    Recorder late(&log, "late");
    std::unique_ptr<EventConnection> late_hook;
    struct Closer : EventSink {
        MemoryForm* form;
        std::unique_ptr<EventConnection>* victim;
        void on_resize() override {
            victim->reset();  // the next sink is unhooked before its turn
            form->close(1);
        }
    } closer;
    closer.form = f.get();
    closer.victim = &late_hook;
    auto c = f->hook_events(closer);
    late_hook = f->hook_events(late);
    f->show();
    EXPECT_TRUE(f->closed());
    EXPECT_EQ(log, std::vector<std::string>{"late:Load"});
    c.reset();  // unhooking after the form is gone is harmless
}

TEST(MemoryServices, MdiParentClosesItsChildrenFirst) {
    auto host = MemoryHost::install();
    auto mdi = host->create_form("mdiMain", FormKind::MDIForm);
    auto child = host->create_form("frmChild", FormKind::MDIChild);
    std::vector<std::string> log;
    Recorder on_mdi(&log, "mdi"), on_child(&log, "child");
    auto c1 = mdi->hook_events(on_mdi);
    auto c2 = child->hook_events(on_child);
    child->show();
    log.clear();
    EXPECT_TRUE(mdi->close());
    EXPECT_EQ(log, (std::vector<std::string>{"mdi:QueryUnload0", "child:QueryUnload4",
                                             "child:Unload", "mdi:Unload"}));
    EXPECT_TRUE(child->closed());
    EXPECT_TRUE(host->forms().empty());
}

}  // namespace
