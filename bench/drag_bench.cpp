// A live drag of the divider of a 2 x 2 pane whose four controls each hold 1000 registered
// children: every mouse move re-splits the pane and resizes the children of all four controls.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/CFormSizer.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"
#include "panes/CPanes.h"
#include "panes/PaneCreation.h"

namespace {

void BM_LiveDragMove(benchmark::State& state) {
    using namespace kv;
    const int children = static_cast<int>(state.range(0));
    auto host = mem::MemoryHost::install();
    auto form = host->create_form("Form1");
    form->set_client_size(12000, 9000);
    form->load();
    CFormSizer sizer;
    const double cells[4][4] = {{120, 120, 5820, 4320},
                                {6000, 120, 5880, 4320},
                                {120, 4500, 5820, 4380},
                                {6000, 4500, 5880, 4380}};
    std::shared_ptr<CControlSizer> pane_sizers[4];
    for (int i = 0; i < 4; ++i) {
        auto pic = form->add_control("PictureBox", "Pic" + std::to_string(i));
        pic->move(cells[i][0], cells[i][1], cells[i][2], cells[i][3]);
        pane_sizers[i] =
            sizer.Form_Load_addControl(KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP, pic);
        for (int n = 0; n < children; ++n) {
            std::string name = "T";
            name += std::to_string(i * children + n);
            auto child = form->add_control("TextBox", name, pic);
            child->move(15.0 * (n % 40), 60.0 * (n / 40), 150, 45);
            sizer.Form_Load_addControl(KV_RELATIVE, KV_RELATIVE, KV_RELATIVE, KV_RELATIVE, KV_KEEP,
                                       child);
        }
    }
    auto pane =
        CreatePane(sizer, pane_sizers[0], pane_sizers[1], pane_sizers[2], pane_sizers[3], false, 0);
    sizer.Form_Load_InitializeSizing();
    sizer.state.g_bNeedExtraResize = false;
    if (!pane) {
        state.SkipWithError("pane not created");
        return;
    }
    const float y = 2000;
    pane->Container_MouseMove(5970, y);
    pane->Container_MouseDown(5970, y);
    bool left = true;
    for (auto _ : state) {
        pane->Container_MouseMove(left ? 4000.f : 8000.f, y);
        left = !left;
    }
    pane->Container_MouseUp();
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_LiveDragMove)->Arg(1000)->Unit(benchmark::kNanosecond);
BENCHMARK_MAIN();
