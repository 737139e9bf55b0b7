// The controls page's preview on a form of 200 or 2000 controls: opening it (the shadow form
// fitted, every shadow made and placed, the trial form sizer set up) and one step of a drag of
// the size handle (every registered shadow moved by the trial form sizer).
#include <benchmark/benchmark.h>

#include <string>

#include "engine/HostAccess.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"
#include "pages/ShadowChoices.h"
#include "pages/ShadowPreview.h"
#include "pages/Shadows.h"

namespace {

using namespace kv;

// A designed form of `n` controls: text boxes in rows, one picture box per 50 holding them, and
// a page with the preview's pictures.
struct Scene {
    std::shared_ptr<mem::MemoryHost> host = mem::MemoryHost::install();
    std::shared_ptr<mem::MemoryForm> form = host->create_form("Form1");
    std::shared_ptr<mem::MemoryForm> page = host->create_form("ppVisControls");
    ShadowPreview preview;
    ShadowChoices choices;
    PreviewSettings settings;
    std::vector<ShadowEntry> shadows;

    explicit Scene(int n) {
        host->set_write_log_enabled(false);
        form->set_client_size(24000, 18000);
        page->set_client_size(8000, 6000);
        std::shared_ptr<mem::MemoryObject> box;
        for (int i = 0; i < n; ++i) {
            if (i % 50 == 0) {
                const int b = i / 50;
                box = form->add_control("PictureBox", "Box" + std::to_string(b));
                box->move(120.0 + 2900 * (b % 8), 120.0 + 4400 * ((b / 8) % 4), 2800, 4300);
                continue;
            }
            auto c = form->add_control(i % 3 ? "TextBox" : "ListBox", "C" + std::to_string(i), box);
            c->move(60.0 + 1400 * (i % 2), 60.0 + 170 * ((i % 50) / 2), 1300, 150);
            if (i % 4 == 0) choices.set(shadow_name_of(*c), {i % 10, 0});
        }
        settings.add_all_ticked = true;
        auto demo = picture("picDemo", nullptr, 6240, 4440);
        preview.picDemo = demo;
        preview.picShadowBorder = picture("picShadowBorder", demo, 100, 100);
        preview.picShadowForm = picture("picShadowForm", demo, 100, 100);
        preview.picSizeHandle = picture("picSizeHandle", demo, 120, 120);
    }
    std::shared_ptr<mem::MemoryObject> picture(const std::string& name,
                                               const std::shared_ptr<mem::MemoryObject>& in,
                                               double w, double h) {
        auto p = page->add_control("PictureBox", name, in);
        p->set(Prop::BorderStyle, Value(0.0));
        p->move(0, 0, w, h);
        return p;
    }
    void open() {
        preview.fit_shadow_form(*form);
        shadows.clear();
        auto page_controls = page->controls();
        for (const auto& c : form->all_controls()) {
            ShadowEntry e;
            e.control = c;
            e.shadow = shadow_with_chain(c, form, preview.picShadowForm, *page_controls);
            e.name = text(*e.shadow, Prop::Name);
            e.shown = true;
            shadows.push_back(std::move(e));
        }
        preview.setup_trial_sizer(shadows, choices, settings, page_controls, form);
    }
};

void BM_OpenPreview(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)));
    for (auto _ : state) scene.open();  // shadows are reused by name from the second round
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OpenPreview)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_OpenPreviewFirstTime(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<Scene>(static_cast<int>(state.range(0)));
        state.ResumeTiming();
        scene->open();
        state.PauseTiming();
        scene.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OpenPreviewFirstTime)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_SizeHandleDragStep(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)));
    scene.open();
    scene.preview.drag_start();
    const double half = num(*scene.preview.picSizeHandle, Prop::ScaleWidth) / 2;
    bool out = true;
    for (auto _ : state) {
        scene.preview.drag_step(half + (out ? 300 : -300), half + (out ? 200 : -200));
        out = !out;
    }
    scene.preview.drag_stop();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SizeHandleDragStep)->Arg(200)->Arg(2000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
