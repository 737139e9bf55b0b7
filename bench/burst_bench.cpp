// A burst of 100 resize events on a form of 1000 controls, settled by the control's timer.
// Reports the time per control per pass ("per_control_pass", in seconds with an SI prefix: n =
// nanoseconds).
#include <benchmark/benchmark.h>

#include <string>

#include "control/zokKelvane.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPropertyBag.h"
#include "host/memory/MemoryTimer.h"

namespace {

constexpr int kControls = 1000;
constexpr int kEvents = 100;

struct BurstForm {
    std::shared_ptr<kv::mem::MemoryHost> host;
    std::shared_ptr<kv::mem::MemoryForm> form;
    kv::zokKelvane* kelvane = nullptr;
    kv::mem::MemoryPropertyBag bag;

    BurstForm() {
        host = kv::mem::MemoryHost::install();
        host->register_user_control(kv::kZokKelvaneClassId, kv::make_zokKelvane);
        form = host->create_form("frmBench");
        form->set_client_size(12000, 9000);
        std::string settings;
        const char* modes[] = {"KKKKK", "AAKKK", "RRRRR", "FFFFK"};
        for (int i = 0; i < kControls; ++i) {
            const std::string name = "T" + std::to_string(i);
            form->add_control("TextBox", name)
                ->move(100 + (i % 40) * 280, 100 + (i / 40) * 340, 250, 300);
            settings += name + " \t" + modes[i % 4] + "\r\n";
        }
        bag.set("ControlSettings", kv::Value(settings));
        bag.set("LockWindowOnResize", kv::Value(true));
        auto ext = form->add_user_control(kv::kZokKelvaneClassId, "Kelvane1", nullptr, &bag);
        kelvane = &dynamic_cast<kv::zokKelvane&>(*ext->user_control());
        form->show();
        host->pump();
    }
    int timer_ticks() const {
        return dynamic_cast<kv::mem::MemoryTimer&>(*kelvane->resize_timer()).ticks();
    }
};

// 100 events in a row (only the first moves controls, the rest are held), then the settle.
void BM_BurstThenSettle(benchmark::State& state) {
    BurstForm bench;
    const double w = bench.form->rect_twips().width, h = bench.form->rect_twips().height;
    int64_t passes = 0;
    int step = 0;
    for (auto _ : state) {
        const int ticks_before = bench.timer_ticks();
        for (int e = 0; e < kEvents; ++e, ++step)
            bench.form->user_resize(w + (step % 37) * 40, h + (step % 23) * 30);
        bench.host->pump();
        passes += kEvents + (bench.timer_ticks() - ticks_before);
    }
    state.counters["passes"] = static_cast<double>(passes);
    state.counters["per_control_pass"] =
        benchmark::Counter(static_cast<double>(passes) * kControls,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_BurstThenSettle)->Unit(benchmark::kMillisecond);

// Every event settles before the next: every pass moves every control.
void BM_SettledResizes(benchmark::State& state) {
    BurstForm bench;
    const double w = bench.form->rect_twips().width, h = bench.form->rect_twips().height;
    int64_t passes = 0;
    int step = 0;
    for (auto _ : state) {
        const int ticks_before = bench.timer_ticks();
        for (int e = 0; e < kEvents; ++e, ++step) {
            bench.form->user_resize(w + (step % 37) * 40, h + (step % 23) * 30);
            bench.host->pump();
        }
        passes += kEvents + (bench.timer_ticks() - ticks_before);
    }
    state.counters["per_control_pass"] =
        benchmark::Counter(static_cast<double>(passes) * kControls,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SettledResizes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
