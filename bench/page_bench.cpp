// The controls page on a form of 200 or 2000 controls. Its preview core alone: opening it (the
// shadow form fitted, every shadow made and placed, the trial form sizer set up) and one step of
// a drag of the size handle (every registered shadow moved by the trial form sizer). And the
// whole page as the designer shows it: the pages dialog opened on the form's resizer (the page's
// Initialize and SelectionChanged: its own controls, the edit state read from the control,
// shadows, colours, the trial form sizer), and one mouse move of a size-handle drag on it.
#include <benchmark/benchmark.h>

#include <string>

#include "control/zokKelvane.h"
#include "engine/HostAccess.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPageDialog.h"
#include "pages/ShadowChoices.h"
#include "pages/ShadowPreview.h"
#include "pages/Shadows.h"
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

// A designed form of `n` controls and a page with the preview's pictures.
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
        page->set_client_size(8000, 6000);
        for (const auto& c : fill_form(*form, n))
            choices.set(shadow_name_of(*c), {static_cast<int>(c->rect_twips().top) % 10, 0});
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
BENCHMARK(BM_OpenControlsPage)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_ControlsPageDragStep)->Arg(200)->Arg(2000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
