// One resize pass over N controls, and sizing initialisation (registration of every control
// plus freezing the registry into the container tree), on the memory host.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/CFormSizer.h"
#include "flat_host.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"

namespace {

using kv::mem::MemoryForm;
using kv::mem::MemoryHost;

// A form of N text boxes: one in ten sits in one of a few picture boxes, the rest on the form.
std::shared_ptr<MemoryForm> make_form(MemoryHost& host, int64_t n) {
    auto form = host.create_form("frmBench");
    form->set_client_size(20000, 20000);
    const int64_t boxes = n >= 100 ? 10 : 0;
    std::vector<std::shared_ptr<kv::mem::MemoryObject>> pics;
    for (int64_t i = 0; i < boxes; ++i) {
        auto p = form->add_control("PictureBox", "Pic" + std::to_string(i));
        p->move(static_cast<double>(i) * 1900, 15000, 1800, 4000);
        pics.push_back(p);
    }
    for (int64_t i = boxes; i < n; ++i) {
        const bool inside = boxes && i % 10 == 0;
        auto c = form->add_control("TextBox", "T" + std::to_string(i),
                                   inside ? pics[static_cast<size_t>(i / 10 % boxes)] : nullptr);
        c->move(static_cast<double>(i % 100) * 150, static_cast<double>(i / 100 % 100) * 140, 140,
                130);
    }
    return form;
}

void BM_ResizePass(benchmark::State& state) {
    auto host = MemoryHost::install();
    host->set_write_log_enabled(false);  // the test-only log would grow with every pass
    const int64_t n = state.range(0);
    auto form = make_form(*host, n);
    kv::CFormSizer fs;
    fs.Form_Load_addAllControls(form, false);
    fs.Form_Load_InitializeSizing();
    fs.state.g_bNeedExtraResize = false;
    bool wide = false;
    // The form's own change of size is timed with the pass: it costs the same at every N (the
    // form lays out its aligned bars only), far less than stopping the clock around it would.
    for (auto _ : state) {
        wide = !wide;
        form->set_client_size(wide ? 24000 : 20000, wide ? 22000 : 20000);
        fs.Form_Resize();
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["ns_per_control"] = benchmark::Counter(
        static_cast<double>(state.iterations() * n),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

void BM_InitializeSizing(benchmark::State& state) {
    auto host = MemoryHost::install();
    const int64_t n = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        auto form = make_form(*host, n);
        auto fs = std::make_unique<kv::CFormSizer>();
        state.ResumeTiming();
        fs->Form_Load_addAllControls(form, false);
        fs->Form_Load_InitializeSizing();
        benchmark::DoNotOptimize(fs->sizer_count());
        state.PauseTiming();
        fs.reset();
        form->close();
        form.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

// The same two measurements on a bare host object: the engine's own cost.
void BM_ResizePassFlat(benchmark::State& state) {
    const int64_t n = state.range(0);
    auto form = kv::bench::make_flat_form(n);
    kv::CFormSizer fs;
    fs.Form_Load_addAllControls(form, false);
    fs.Form_Load_InitializeSizing();
    fs.state.g_bNeedExtraResize = false;
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        form->w = wide ? 24000 : 20000;
        form->h = wide ? 22000 : 20000;
        fs.Form_Resize();
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["ns_per_control"] = benchmark::Counter(
        static_cast<double>(state.iterations() * n),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

void BM_InitializeSizingFlat(benchmark::State& state) {
    const int64_t n = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        auto form = kv::bench::make_flat_form(n);
        auto fs = std::make_unique<kv::CFormSizer>();
        state.ResumeTiming();
        fs->Form_Load_addAllControls(form, false);
        fs->Form_Load_InitializeSizing();
        benchmark::DoNotOptimize(fs->sizer_count());
        state.PauseTiming();
        fs.reset();
        form.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

}  // namespace

BENCHMARK(BM_ResizePassFlat)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InitializeSizingFlat)
    ->Arg(100)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResizePass)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InitializeSizing)
    ->Arg(100)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK_MAIN();
