// Window subclassing and the form size limits, on the memory host's window system.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "control/CFormMinMax.h"
#include "control/MKVerr.h"
#include "control/MSubclass.h"
#include "host/memory/MemoryHost.h"

namespace {

using kv::CFormMinMax;
using kv::EMsgResponse;
using kv::ISubclass;
using kv::MinMaxInfo;
using kv::WindowHandle;
namespace MSubclass = kv::MSubclass;

constexpr uint32_t kWmMouseMove = 0x200;

std::vector<std::string> g_log;

intptr_t recording_previous(WindowHandle, uint32_t, intptr_t, intptr_t) {
    g_log.push_back("previous");
    return 111;
}

class Client : public ISubclass {
  public:
    Client(std::string name, EMsgResponse response, intptr_t result)
        : name_(std::move(name)), response_(response), result_(result) {}
    EMsgResponse MsgResponse() const override { return response_; }
    void MsgResponse(EMsgResponse r) override { response_ = r; }
    intptr_t WindowProc(WindowHandle, uint32_t iMsg, intptr_t, intptr_t) override {
        g_log.push_back(name_);
        seen_message = MSubclass::CurrentMessage();
        EXPECT_EQ(seen_message, iMsg);
        if (on_call) on_call();
        return result_;
    }
    std::function<void()> on_call;
    uint32_t seen_message = 0;

  private:
    std::string name_;
    EMsgResponse response_;
    intptr_t result_;
};

class Subclass : public ::testing::Test {
  protected:
    void SetUp() override {
        host_ = kv::mem::MemoryHost::install();
        form_ = host_->create_form("frmMain");
        form_->move(0, 0, 6000, 4500);
        hwnd_ = form_->hwnd();
        ASSERT_NE(hwnd_, 0);
        g_log.clear();
    }
    void TearDown() override { kv::Host::set_current(nullptr); }

    intptr_t prop(const std::string& name) { return host_->get_prop(hwnd_, name); }
    std::string h() { return std::to_string(hwnd_); }
    kv::WindowProc current_proc() { return host_->windows().window_proc(hwnd_); }
    MinMaxInfo ask_limits(const MinMaxInfo& start) {
        MinMaxInfo info = start;
        host_->windows().send(hwnd_, kv::kWmGetMinMaxInfo, 0, reinterpret_cast<intptr_t>(&info));
        return info;
    }
    // The error HookMessage raises for this client, 0 when none.
    int32_t hook_error(ISubclass& client, WindowHandle hwnd, uint32_t msg) {
        try {
            MSubclass::HookMessage(client, hwnd, msg);
        } catch (const kv::Error& e) {
            EXPECT_EQ(e.source(), "KelvaneDemo.WindowProc");
            EXPECT_EQ(e.description(), kv::MKVerr::subclass_error_text(e.number() & 0xFFFF));
            return e.number();
        }
        return 0;
    }

    std::shared_ptr<kv::mem::MemoryHost> host_;
    std::shared_ptr<kv::mem::MemoryForm> form_;
    WindowHandle hwnd_ = 0;
};

MinMaxInfo filled_by_system() {
    MinMaxInfo info;
    info.max_size = {1920, 1080};
    info.max_position = {-8, -8};
    info.min_track_size = {120, 40};
    info.max_track_size = {1940, 1100};
    return info;
}

bool same(const MinMaxInfo& a, const MinMaxInfo& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(Subclass, LimitsAreConvertedToPixelsHalvesToEven) {
    struct Case {
        double tpp_x, tpp_y;
        int32_t min_x, min_y, max_x, max_y;
        int32_t px_min_x, px_min_y, px_max_x, px_max_y;
    };
    const Case cases[] = {
        {15, 15, 4500, 4507, 4508, 9000, 300, 300, 301, 600},
        {10, 12, 25, 42, 35, 54, 2, 4, 4, 4},  // 2.5 -> 2, 3.5 -> 4, 3.5 -> 4, 4.5 -> 4
        {15, 15, -1, 7, 8, 0, 0, 0, 1, 0},     // below half a pixel is no limit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.min_x);
        host_->set_twips_per_pixel(c.tpp_x, c.tpp_y);
        auto mm = std::make_shared<CFormMinMax>();
        EXPECT_FALSE(mm->SetMinMax(hwnd_, c.min_x, c.min_y, c.max_x, c.max_y));

        const MinMaxInfo start = filled_by_system();
        const MinMaxInfo got = ask_limits(start);
        EXPECT_EQ(got.min_track_size.x, c.px_min_x > 0 ? c.px_min_x : start.min_track_size.x);
        EXPECT_EQ(got.min_track_size.y, c.px_min_y > 0 ? c.px_min_y : start.min_track_size.y);
        EXPECT_EQ(got.max_track_size.x, c.px_max_x > 0 ? c.px_max_x : start.max_track_size.x);
        EXPECT_EQ(got.max_track_size.y, c.px_max_y > 0 ? c.px_max_y : start.max_track_size.y);
        EXPECT_EQ(got.max_size.x, start.max_size.x);
        EXPECT_EQ(got.max_position.y, start.max_position.y);
    }
}

TEST_F(Subclass, NoLimitsHookButChangeNothing) {
    const kv::WindowProc original = current_proc();
    auto mm = std::make_shared<CFormMinMax>();
    mm->SetMinMax(hwnd_, -1, -1, -1, -1);
    EXPECT_TRUE(mm->registered());
    EXPECT_NE(current_proc(), original);
    EXPECT_EQ(prop(h()), reinterpret_cast<intptr_t>(original));
    EXPECT_EQ(prop(h() + "C"), 1);
    EXPECT_EQ(prop(h() + "#36C"), 1);
    EXPECT_EQ(prop(h() + "#36#1"), reinterpret_cast<intptr_t>(mm.get()));
    const MinMaxInfo start = filled_by_system();
    EXPECT_TRUE(same(ask_limits(start), start));

    mm.reset();  // release unhooks
    EXPECT_EQ(current_proc(), original);
    EXPECT_EQ(host_->windows().prop_count(hwnd_), 0u);
}

TEST_F(Subclass, PreviousProcedureRunsAtMostOnce) {
    struct Case {
        EMsgResponse first, second;
        std::vector<std::string> order;
        intptr_t result;
    };
    using K = EMsgResponse;
    const Case cases[] = {
        {K::emrPreprocess, K::emrConsume, {"previous", "one", "two"}, 2},
        {K::emrPreprocess, K::emrPostProcess, {"previous", "one", "two"}, 2},
        {K::emrConsume, K::emrPostProcess, {"one", "two", "previous"}, 111},
        {K::emrConsume, K::emrConsume, {"one", "two"}, 2},
        {K::emrPostProcess, K::emrPreprocess, {"one", "two"}, 2},  // only first pre / last post
    };
    host_->set_window_proc(hwnd_, &recording_previous);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.order));
        Client one("one", c.first, 1), two("two", c.second, 2);
        MSubclass::HookMessage(one, hwnd_, kWmMouseMove);
        MSubclass::HookMessage(two, hwnd_, kWmMouseMove);
        g_log.clear();
        EXPECT_EQ(host_->windows().send(hwnd_, kWmMouseMove, 0, 0), c.result);
        EXPECT_EQ(g_log, c.order);
        EXPECT_EQ(two.seen_message, kWmMouseMove);

        g_log.clear();  // other messages go straight to the previous procedure
        EXPECT_EQ(host_->windows().send(hwnd_, 5, 0, 0), 111);
        EXPECT_EQ(g_log, std::vector<std::string>{"previous"});

        MSubclass::UnhookMessage(one, hwnd_, kWmMouseMove);
        MSubclass::UnhookMessage(two, hwnd_, kWmMouseMove);
        EXPECT_EQ(current_proc(), &recording_previous);
    }
}

TEST_F(Subclass, UnhookingShiftsLaterClientsAndTheLastRestores) {
    const kv::WindowProc original = current_proc();
    Client a("a", kv::emrConsume, 1), b("b", kv::emrConsume, 2), c("c", kv::emrConsume, 3);
    MSubclass::HookMessage(a, hwnd_, 36);
    MSubclass::HookMessage(b, hwnd_, 36);
    MSubclass::HookMessage(c, hwnd_, kWmMouseMove);
    EXPECT_EQ(prop(h() + "C"), 3);

    MSubclass::UnhookMessage(a, hwnd_, 36);
    EXPECT_EQ(prop(h() + "C"), 2);
    EXPECT_EQ(prop(h() + "#36C"), 1);
    EXPECT_EQ(prop(h() + "#36#1"), reinterpret_cast<intptr_t>(&b));
    EXPECT_EQ(prop(h() + "#36#2"), 0);

    // Taking back a registration that does not exist changes nothing.
    MSubclass::UnhookMessage(a, hwnd_, 36);
    MSubclass::UnhookMessage(c, hwnd_, 36);
    EXPECT_EQ(prop(h() + "C"), 2);
    EXPECT_NE(current_proc(), original);

    MSubclass::UnhookMessage(b, hwnd_, 36);
    MSubclass::UnhookMessage(c, hwnd_, kWmMouseMove);
    EXPECT_EQ(current_proc(), original);
    EXPECT_EQ(prop(h()), 0);
    EXPECT_EQ(prop(h() + "C"), 0);
    EXPECT_EQ(host_->windows().prop_count(hwnd_), 0u);
}

TEST_F(Subclass, RefusedHooksChangeNothing) {
    Client a("a", kv::emrConsume, 1);
    MSubclass::HookMessage(a, hwnd_, 36);
    const kv::WindowProc hooked = current_proc();
    const size_t props = host_->windows().prop_count(hwnd_);

    EXPECT_EQ(hook_error(a, hwnd_, 36), 13082 | kv::kObjectError);
    EXPECT_EQ(hook_error(a, 0x7fff0001, 36), 13083 | kv::kObjectError);
    host_->set_window_process(hwnd_, host_->current_process_id() + 1);
    Client b("b", kv::emrConsume, 2);
    EXPECT_EQ(hook_error(b, hwnd_, 36), 13084 | kv::kObjectError);
    host_->set_window_process(hwnd_, host_->current_process_id());

    EXPECT_EQ(current_proc(), hooked);
    EXPECT_EQ(host_->windows().prop_count(hwnd_), props);
    EXPECT_EQ(prop(h() + "#36C"), 1);
    MSubclass::UnhookMessage(a, hwnd_, 36);
}

TEST_F(Subclass, ClientReleasedDuringItsOwnMessageStaysAliveUntilDone) {
    auto owner = std::make_shared<Client>("self", kv::emrPostProcess, 7);
    Client* raw = owner.get();
    raw->on_call = [&] {
        MSubclass::UnhookMessage(*raw, hwnd_, kWmMouseMove);
        owner.reset();
    };
    MSubclass::HookMessage(*raw, hwnd_, kWmMouseMove);
    host_->windows().send(hwnd_, kWmMouseMove, 0, 0);
    EXPECT_EQ(owner, nullptr);
    EXPECT_EQ(host_->windows().prop_count(hwnd_), 0u);
}

TEST_F(Subclass, LimitsMovedToAnotherWindowLeaveTheFirst) {
    auto other = host_->create_form("frmOther");
    const kv::WindowProc original = current_proc();
    auto mm = std::make_shared<CFormMinMax>();
    mm->SetMinMax(hwnd_, 4500, 3000, -1, -1);
    mm->SetMinMax(other->hwnd(), 4500, 3000, -1, -1);
    EXPECT_EQ(current_proc(), original);
    EXPECT_EQ(host_->windows().prop_count(hwnd_), 0u);
    EXPECT_EQ(host_->get_prop(other->hwnd(), std::to_string(other->hwnd()) + "C"), 1);
    mm.reset();
    EXPECT_EQ(host_->windows().prop_count(other->hwnd()), 0u);
}

TEST_F(Subclass, UserCannotDragPastTheLimitsButCodeCanMove) {
    auto mm = std::make_shared<CFormMinMax>();
    mm->SetMinMax(hwnd_, 4500, 3000, 9000, 6000);
    form_->user_resize(1500, 1500);
    EXPECT_EQ(kv::to_double(form_->get(kv::Prop::Width)), 4500);
    EXPECT_EQ(kv::to_double(form_->get(kv::Prop::Height)), 3000);
    form_->user_resize(20000, 4800);
    EXPECT_EQ(kv::to_double(form_->get(kv::Prop::Width)), 9000);
    EXPECT_EQ(kv::to_double(form_->get(kv::Prop::Height)), 4800);

    form_->move(0, 0, 1500, 1500);
    EXPECT_EQ(kv::to_double(form_->get(kv::Prop::Width)), 1500);

    mm.reset();
    form_->user_resize(1500, 1500);
    EXPECT_LT(kv::to_double(form_->get(kv::Prop::Width)), 4500);
}

}  // namespace
