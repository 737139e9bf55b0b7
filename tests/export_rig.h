#pragma once
// What the export's tests share: a form run on a memory host of its own, from its form file or
// from its exported .ui as `kelvane layout FORM.ui` reads it; the checks that the two stand
// alike (every control within a pixel, the tabs, the menus); the exported .ui read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/HostAccess.h"
#include "frm_test_util.h"
#include "host/common/TabSet.h"
#include "host/export/ExportNames.h"
#include "host/export/FormFileExport.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"
#include "host/memory/MemoryHost.h"
#include "host/ui/UiLoader.h"
#include "host/ui/UiReader.h"
#include "host/ui/UiValues.h"
#include "run_host.h"

namespace kv::exporter::test_rig {

namespace fs = std::filesystem;
using test::run_host;
using test::ScratchDir;

// One form running on a memory host of its own, from its form file or its exported .ui.
struct FormRun {
    std::shared_ptr<mem::MemoryHost> host;
    std::shared_ptr<mem::MemoryForm> form;

    void show() {
        Host::set_current(host);
        form->show();
        host->pump();
    }
    // The user drags the border until the client area is this much larger (twips).
    void grow(double dw, double dh) {
        Host::set_current(host);
        const auto r = form->rect_twips();
        form->user_resize(r.width + dw, r.height + dh);
        host->pump();
    }
    // A divider drag from (x, y) by (dx, dy), in the container's client twips.
    void drag(mem::MemoryObject& on, double x, double y, double dx, double dy) {
        Host::set_current(host);
        auto t = on.shared_from_this();
        form->mouse_move(form, 0, 0, -100, -100);
        form->mouse_move(t, 0, 0, x, y);
        form->mouse_down(t, 1, 0, x, y);
        for (int i = 1; i <= 4; ++i) form->mouse_move(t, 1, 0, x + dx * i / 4, y + dy * i / 4);
        form->mouse_up(t, 1, 0, x + dx, y + dy);
        host->pump();
    }
};

inline FormRun run_form_file(const std::string& path) {
    FormRun r;
    r.host = run_host();
    static frm::FrmDocument doc;  // the loader reads its .frx while loading only
    doc = frm::FrmReader::read_file(path);
    r.form = frm::FrmLoader::load(doc, *r.host).form;
    test::unpark_tabs(*r.form);
    r.show();
    return r;
}

inline FormRun run_ui(const std::string& path) {
    FormRun r;
    r.host = run_host();
    static ui::UiDocument doc;
    doc = ui::UiReader::read_file(path);
    r.form = ui::UiLoader::load(doc, *r.host).loaded.form;
    r.show();
    return r;
}

struct Box {
    double left, top, width, height;
};

// Where a control stands in its form's client area, in twips; a line as the box of its ends.
inline Box placed(mem::MemoryObject& c) {
    const auto holder = c.container_object();
    const double ox = holder ? holder->client_origin_x_twips() : 0;
    const double oy = holder ? holder->client_origin_y_twips() : 0;
    if (c.traits().geometry == host::GeometryKind::LineEnds) {
        const auto e = c.line_ends_twips();
        return {std::min(e[0], e[2]) + ox, std::min(e[1], e[3]) + oy, std::abs(e[2] - e[0]),
                std::abs(e[3] - e[1])};
    }
    const auto r = c.rect_twips();
    return {r.left + ox, r.top + oy, r.width, r.height};
}

inline bool compared(mem::MemoryObject& c) {
    const std::string& cls = c.class_name();
    // Controls without a place at run time (a dialog, an image list) are not laid out.
    return cls != "Menu" && cls != "Timer" && !c.user_control() &&
           c.traits().geometry != host::GeometryKind::PositionOnly &&
           c.name().rfind("Kelvane", 0) != 0;
}

// Every control of the form file's run against its widget in the .ui's run: within a pixel
// (a line by its ends), and the same font size.
inline void expect_same_layout(FormRun& frm_run, FormRun& ui_run, const std::string& step) {
    SCOPED_TRACE(step);
    Host::set_current(frm_run.host);
    ExportNames names(*frm_run.form);
    const double tpp = 15, tolerance = tpp + 1e-6;
    EXPECT_NEAR(frm_run.form->client_width_twips(), ui_run.form->client_width_twips(), tolerance);
    EXPECT_NEAR(frm_run.form->client_height_twips(), ui_run.form->client_height_twips(), tolerance);
    for (const auto& c : frm_run.form->all_controls()) {
        if (!compared(*c)) continue;
        const std::string name = names.of(*c);
        auto w = ui_run.form->control(name);
        if (!w) {
            ADD_FAILURE() << name << " is not on the exported form";
            continue;
        }
        SCOPED_TRACE(name);
        const Box a = placed(*c), b = placed(*w);
        if (c->traits().geometry == host::GeometryKind::LineEnds) {
            // Designer's line (a slanting one's placeholder) comes back as a line: both ends
            // where the form file has them, also once the resizer has moved one of them.
            EXPECT_EQ(w->class_name(), "Line");
            const auto e = c->line_ends_twips(), f = w->line_ends_twips();
            for (size_t i = 0; i < e.size(); ++i) EXPECT_NEAR(e[i], f[i], tolerance) << i;
            continue;
        }
        EXPECT_NEAR(a.left, b.left, tolerance);
        EXPECT_NEAR(a.top, b.top, tolerance);
        EXPECT_NEAR(a.width, b.width, tolerance);
        EXPECT_NEAR(a.height, b.height, tolerance);
        // The exact size too (Designer's whole points used to turn 8.25 into 8), scaled alike.
        if (c->traits().font) {
            EXPECT_DOUBLE_EQ(num(*c, Prop::FontSize), num(*w, Prop::FontSize));
        }
    }
}

// Each tab control shows as many tabs in the .ui's run, with the same captions and as many
// controls on each, the same tab on view, on the same side and as high (within a pixel).
inline void expect_same_tabs(FormRun& frm_run, FormRun& ui_run) {
    Host::set_current(frm_run.host);
    ExportNames names(*frm_run.form);
    for (const auto& c : frm_run.form->all_controls()) {
        if (!host::TabSet::candidate(c->type_name(), c->extra_properties())) continue;
        const auto a = host::TabSet::read(*c);
        auto w = ui_run.form->control(names.of(*c));
        ASSERT_TRUE(a && w) << c->name();
        const auto b = host::TabSet::read(*w);
        ASSERT_TRUE(b) << c->name();
        EXPECT_EQ(a->captions, b->captions);
        EXPECT_EQ(a->current, b->current);
        EXPECT_EQ(a->orientation, b->orientation) << c->name();
        EXPECT_NEAR(a->tab_height_twips, b->tab_height_twips, 15) << c->name();
        for (size_t t = 0; t < a->controls.size() && t < b->controls.size(); ++t)
            EXPECT_EQ(a->controls[t].size(), b->controls[t].size()) << c->name() << " tab " << t;
    }
}

inline std::vector<std::string> sample_forms() {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(test::data_dir()))
        if (e.path().extension() == ".frm") out.push_back(e.path().string());
    out.push_back(std::string(KV_DOCS) + "/frmMail.frm");
    std::sort(out.begin(), out.end());
    return out;
}

// Every menu the form file shows comes back from the .ui with its caption, greyed as it was (a
// hidden one has no way into a .ui, as the export says; a separator is no item there).
inline void expect_same_menus(FormRun& frm_run, FormRun& ui_run) {
    Host::set_current(frm_run.host);
    ExportNames names(*frm_run.form);
    for (const auto& c : frm_run.form->all_controls()) {
        if (c->class_name() != "Menu" || !to_bool(c->get(Prop::Visible))) continue;
        Host::set_current(frm_run.host);
        const std::string caption = to_text(c->get(Prop::Caption));
        if (caption == "-") continue;  // a separator
        const bool enabled = to_bool(c->get("Enabled"));
        auto m = ui_run.form->control(names.of(*c));
        ASSERT_TRUE(m) << c->name();
        Host::set_current(ui_run.host);
        EXPECT_EQ(to_text(m->get(Prop::Caption)), caption) << c->name();
        EXPECT_EQ(to_bool(m->get("Enabled")), enabled) << c->name();
    }
}

// The same tabs, and every control where the form file has it, as loaded and made larger.
inline void expect_same_as_loaded_and_larger(FormRun& a, FormRun& b) {
    expect_same_tabs(a, b);
    expect_same_layout(a, b, "as loaded");
    a.grow(3000, 2000);
    b.grow(3000, 2000);
    expect_same_layout(a, b, "larger");
}

// The exported .ui read back: widgets by name, and the resizer widget's settings texts.
struct Exported {
    ui::UiDocument doc;
    std::set<std::string> widgets;
    std::map<std::string, const ui::UiElement*> by_name;
    std::string control_settings, pane_settings;

    explicit Exported(const std::string& path) : doc(ui::UiReader::read_file(path)) {
        collect(doc.form());
        const ui::UiValues values(doc);
        for (const auto& [name, e] : by_name)
            if (const std::string* cls = e->attribute("class");
                cls && *cls == "kelvane::ResizerWidget") {
                control_settings = values.string(*e, "ControlSettings").value_or("");
                pane_settings = values.string(*e, "PaneSettings").value_or("");
            }
    }
    void collect(const ui::UiElement& w) {
        for (const auto& c : w.children) {
            if (c.name != "widget" && c.name != "action") continue;
            widgets.insert(*c.attribute("name"));
            by_name[*c.attribute("name")] = &c;
            collect(c);
        }
    }
};

// A sample with one line changed, and its export beside it: a variant the samples do not hold.
struct Variant {
    std::string frm, ui;
};
inline Variant export_variant(const ScratchDir& dir, const std::string& sample,
                              const std::string& from, const std::string& to) {
    Variant v{dir.copy_sample_with(sample, from, to),
              (dir.path() / fs::path(sample).replace_extension(".ui")).string()};
    export_form_file(v.frm, v.ui, {});
    return v;
}

}  // namespace kv::exporter::test_rig
