// The memory host's own costs, which every resize pass pays: property reads and writes through
// the host interface and a form resize with aligned bars to lay out.
#include <benchmark/benchmark.h>

#include "engine/HostAccess.h"
#include "host/memory/MemoryHost.h"

using namespace kv;
using namespace kv::mem;

namespace {

std::shared_ptr<MemoryForm> busy_form(MemoryHost& host, int controls) {
    auto f = host.create_form("frmBench");
    f->set_client_size(12000, 9000);
    auto top = f->add_control("PictureBox", "picTop");
    top->set(Prop::Height, 500.0);
    top->set(Prop::Align, 1.0);
    auto bottom = f->add_control("PictureBox", "picBottom");
    bottom->set(Prop::Height, 300.0);
    bottom->set(Prop::Align, 2.0);
    auto pic = f->add_control("PictureBox", "pic");
    pic->set(Prop::ScaleMode, 3.0);
    for (int i = 0; i < controls; ++i)
        f->add_control(i % 3 ? "TextBox" : "Label", "c" + std::to_string(i), i % 2 ? pic : nullptr)
            ->move(10.0 * i, 10.0 * i, 100, 20);
    f->show();
    return f;
}

void BM_ReadGeometry(benchmark::State& state) {
    auto host = MemoryHost::install();
    auto f = busy_form(*host, 200);
    const auto& all = f->all_controls();
    for (auto _ : state)
        for (const auto& c : all) {
            benchmark::DoNotOptimize(try_num(*c, Prop::Left));
            benchmark::DoNotOptimize(try_num(*c, Prop::Width));
        }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(all.size()) * 2);
}
BENCHMARK(BM_ReadGeometry);

void BM_MoveControls(benchmark::State& state) {
    auto host = MemoryHost::install();
    auto f = busy_form(*host, 200);
    const auto& all = f->all_controls();
    double d = 0;
    for (auto _ : state) {
        d = d == 0 ? 15 : 0;
        for (size_t i = 3; i < all.size(); ++i) all[i]->move(d, d, 100 + d, 20 + d);
        for (const auto& c : all) c->clear_write_log();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(all.size() - 3));
}
BENCHMARK(BM_MoveControls);

void BM_FormResizeWithBars(benchmark::State& state) {
    auto host = MemoryHost::install();
    auto f = busy_form(*host, static_cast<int>(state.range(0)));
    double w = 12000;
    for (auto _ : state) {
        w = w == 12000 ? 12015 : 12000;
        f->set(Prop::Width, w);
        f->clear_write_log();
    }
}
BENCHMARK(BM_FormResizeWithBars)->Arg(10)->Arg(200);

}  // namespace

BENCHMARK_MAIN();
