// The controls page on a form of 200, 2 000 and 20 000 controls, as the designer shows it: the
// pages dialog opened on the form's resizer (the page's Initialize and SelectionChanged: its
// own controls, the edit state read from the control, shadows, colours, and the preview's trial
// run on a copy of the form), and one mouse move of a size-handle drag on it (the copy resized,
// its passes run, every shadow placed again).
#include <benchmark/benchmark.h>

#include <string>

#include "control/zokKelvane.h"
#include "engine/HostAccess.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPageDialog.h"
#include "pages/ppVisControls.h"

namespace {

using namespace kv;

// `n` controls on the form: text and list boxes in rows, one picture box per 50 holding them.
// Answers every fourth control, the ones the developer has set up.
std::vector<std::shared_ptr<mem::MemoryObject>> fill_form(mem::MemoryForm& form, int n) {
    form.set_client_size(24000, 18000);
    std::vector<std::shared_ptr<mem::MemoryObject>> set_up;
    std::shared_ptr<mem::MemoryObject> box;
    for (int i = 0; i < n; ++i) {
        if (i % 50 == 0) {
            const int b = i / 50;
            box = form.add_control("PictureBox", "Box" + std::to_string(b));
            box->move(120.0 + 2900 * (b % 8), 120.0 + 4400 * ((b / 8) % 4), 2800, 4300);
            continue;
        }
        auto c = form.add_control(i % 3 ? "TextBox" : "ListBox", "C" + std::to_string(i), box);
        c->move(60.0 + 1400 * (i % 2), 60.0 + 170 * ((i % 50) / 2), 1300, 150);
        if (i % 4 == 0) set_up.push_back(c);
    }
    return set_up;
}

// The form open in the designer with its resizer set up for every fourth control and
// AddAllControls ticked, so every shadow takes part in the preview; the pages dialog shows the
// controls page alone.
struct DesignerScene {
    std::shared_ptr<mem::MemoryHost> host = mem::MemoryHost::install();
    std::shared_ptr<mem::MemoryForm> form;
    std::shared_ptr<mem::MemoryObject> resizer;
    std::shared_ptr<mem::MemoryPageDialog> dialog;

    explicit DesignerScene(int n) {
        register_ppVisControls();
        host->set_write_log_enabled(false);
        host->register_user_control(kZokKelvaneClassId, make_zokKelvane);
        host->set_user_mode(false);
        form = host->create_form("Form1");
        std::string settings;
        const char* letters[] = {"KKAAK", "KKKAK", "AKKAC", "KKKKK", "AAKKK", "RRRRC"};
        int i = 0;
        for (const auto& c : fill_form(*form, n))
            settings += c->name() + " \t" + letters[i++ % 6] + "\r\n";
        resizer = form->add_user_control(kZokKelvaneClassId, "zokKelvane1");
        auto& control = dynamic_cast<zokKelvane&>(*resizer->user_control());
        control.ControlSettings(settings);
        control.AddAllControls(true);
    }
    void open() { dialog = host->open_property_pages(resizer); }
    void close() {
        dialog->cancel();
        dialog.reset();
    }
};

void BM_OpenControlsPage(benchmark::State& state) {
    DesignerScene scene(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        scene.open();
        state.PauseTiming();
        if (scene.dialog->page_count() != 1 || !scene.dialog->active_page()->find("picSizeHandle"))
            state.SkipWithError("the controls page did not open");
        scene.close();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OpenControlsPage)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

// One mouse move of a size-handle drag on the open page: the pointer goes 300 x 200 twips out
// and back in turn, and every shadow follows through the trial form sizer.
void BM_ControlsPageDragStep(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    DesignerScene scene(n);
    scene.open();
    auto page = scene.dialog->active_page();
    auto handle = page->find("picSizeHandle");
    const double half = num(*handle, Prop::Width) / 2;
    page->mouse_down(handle, 1, 0, half, half);
    auto shadow_form = page->find("picShadowForm");
    const double w0 = num(*shadow_form, Prop::Width);
    page->mouse_move(handle, 1, 0, half + 300, half + 200);
    if (num(*shadow_form, Prop::Width) == w0) state.SkipWithError("the handle did not drag");
    page->mouse_move(handle, 1, 0, half - 300, half - 200);
    bool out = true;
    for (auto _ : state) {
        page->mouse_move(handle, 1, 0, half + (out ? 300 : -300), half + (out ? 200 : -200));
        out = !out;
    }
    page->mouse_up(handle, 1, 0, half, half);
    state.counters["ns_per_shadow"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
    state.SetItemsProcessed(state.iterations() * n);
    scene.close();
}
BENCHMARK(BM_ControlsPageDragStep)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
