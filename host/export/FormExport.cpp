#include "host/export/FormExport.h"

#include <algorithm>
#include <filesystem>

#include "engine/HostAccess.h"
#include "host/common/FormFrame.h"
#include "host/common/TextFold.h"
#include "host/export/ExportSettings.h"
#include "host/export/MenuExport.h"
#include "host/export/PictureExport.h"
#include "host/export/WidgetExport.h"
#include "host/memory/MemoryPropertyBag.h"
#include "host/ui/UiClasses.h"
#include "host/ui/UiResizerProperties.h"
#include "host/ui/UiWriter.h"

namespace kv::exporter {

namespace {

namespace fs = std::filesystem;
using ui::UiNode;

// The resizer as the widget that carries it on a Designer form.
// `mdi_area`: the name of the MDI area widget, which the resizer keeps filling the room the
// bars leave, as the forms runtime keeps an MDI parent's client area.
void write_resizer(ExportContext& ctx, mem::MemoryObject* resizer, UiNode& parent,
                   const std::string& mdi_area) {
    std::vector<ui::UiResizerProperties::Entry> entries;
    std::string extra = mdi_area.empty() ? "" : mdi_area + " \tKKKKK";
    if (!resizer) {
        entries.emplace_back("ControlSettings", extra);
        extra.clear();
    }
    const auto bag = resizer ? resizer->write_properties() : nullptr;
    for (const auto& [name, value] : bag ? bag->entries() : decltype(bag->entries()){}) {
        if (host::iequal(name, "ControlSettings")) {
            std::string text = export_control_settings(to_text(value), ctx.names);
            if (!extra.empty())
                text += (text.empty() || text.ends_with("\r\n") ? "" : "\r\n") + extra;
            extra.clear();
            entries.emplace_back(name, text);
        } else if (host::iequal(name, "PaneSettings"))
            entries.emplace_back(name, export_pane_settings(to_text(value), ctx.names));
        else
            entries.emplace_back(name, value);
    }
    if (!extra.empty()) entries.emplace_back("ControlSettings", extra);
    // Limits are the form's outer twips, with this form's frame; in the .ui they are pixels of
    // the window's inside as QWidget::setMinimumSize counts them, a main window's menu bar
    // included.
    ui::UiScale scale;
    scale.twips_per_pixel_x = scale.twips_per_pixel_y = ctx.twips_per_pixel;
    scale.frame = host::frame_metrics(ctx.form.border_style());
    UiNode& w =
        parent.add("widget")
            .attribute("class", ui::kResizerWidgetClass)
            .attribute("name", resizer ? ctx.names.of(*resizer) : ctx.names.reserve("zokKelvane1"));
    const auto r = resizer ? resizer->rect_twips() : mem::RectTwips{};
    w.rect_property("geometry", ctx.px(r.left), ctx.px(r.top), 32, 32);
    const auto unset = ui::UiResizerProperties::to_widget({}, scale);
    const auto props = ui::UiResizerProperties::to_widget(entries, scale);
    for (size_t i = 0; i < props.size(); ++i) {
        const ui::UiWidgetValue& v = props[i].second;
        if (v.unset() || v == unset[i].second) continue;
        UiNode& p = w.property(props[i].first);
        if (v.kind == "color") {
            UiNode& color = p.add("color");
            color.add("red", std::to_string(v.red));
            color.add("green", std::to_string(v.green));
            color.add("blue", std::to_string(v.blue));
        } else {
            UiNode& value = p.add(v.kind, v.text);
            if (v.kind == "string") value.attribute("notr", "true");  // names, not for translators
        }
    }
}

}  // namespace

ExportResult FormExport::run(const frm::FrmDocument& doc, mem::MemoryForm& form, int window_state,
                             const std::shared_ptr<mem::MemoryObject>& resizer,
                             const ExportOptions& options) {
    ExportContext ctx(doc, form, options.dpi);
    doc.for_each_block([&](const frm::FrmBlock& b, const frm::FrmBlock&) {
        ctx.class_ids[host::fold(b.key())] = b.class_id;
    });
    PictureExport pictures(
        ctx, options.ui_name.empty() ? form.name() : fs::path(options.ui_name).stem().string());
    WidgetExport widgets(ctx, pictures);
    MenuExport menus(ctx);
    const bool mdi = form.kind() == mem::FormKind::MDIForm;
    const bool main_window = mdi || menus.any();
    // The form's menu bar shows while any of its menus is visible.
    bool menu_bar = false;
    for (const auto& c : form.all_controls())
        menu_bar |= c->class_name() == "Menu" && try_flag(*c, Prop::Visible).value_or(true);

    UiNode ui("ui");
    ui.attribute("version", "4.0");
    ui.add("class", form.name());
    UiNode& root = ui.add("widget")
                       .attribute("class", main_window ? "QMainWindow" : "QWidget")
                       .attribute("name", form.name());
    const int width = ctx.px(form.client_width_twips());
    // A main window's size holds its menu bar above the client area.
    const int height =
        ctx.px(form.client_height_twips()) + (main_window && menu_bar ? host::kMenuBarPixels : 0);
    root.rect_property("geometry", 0, 0, width, height);
    root.string_property("windowTitle", try_text(form, Prop::Caption).value_or(""));
    // A form of a fixed border keeps its size; one the file opens maximised opens so.
    if (const int border = form.border_style(); border == 1 || border == 3 || border == 4) {
        for (const char* limit : {"minimumSize", "maximumSize"}) {
            UiNode& size = root.property(limit).add("size");
            size.add("width", std::to_string(width));
            size.add("height", std::to_string(height));
        }
    }
    if (window_state == 2) root.set_property("windowState", "Qt::WindowMaximized");
    const ExportFont font = widgets.font_of(form);
    WidgetExport::write_font(root, font, {}, true);
    // An MDI form's colour is its workspace's (the MDI area's, below), not its bars'.
    if (!mdi) widgets.write_colours(root, form);
    WidgetExport::write_scale(root, form);
    UiNode* area = &root;
    std::string area_name = form.name();
    if (main_window) {
        area_name = ctx.names.reserve("centralwidget");
        area = &root.add("widget").attribute("class", "QWidget").attribute("name", area_name);
    }
    // The form's icon is the window's; its picture the background at the client area's corner.
    std::vector<std::string> used{"Icon", "Picture"};
    if (const auto icon = pictures.path_of(form, "Icon"))
        add_iconset(root.property("windowIcon"), pictures.resource_file(), *icon);
    if (const auto picture = pictures.path_of(form, "Picture")) {
        area->add_sheet_rule(background_sheet(area_name, *picture, 0));
    }
    pictures.note_unused(form, used);
    widgets.write_children(form, *area, font);
    std::string mdi_area;
    if (mdi) {
        // The client area the bars leave, where the children live.
        mdi_area = ctx.names.reserve("mdiArea");
        const auto free = form.free_client_area();
        UiNode& a = area->add("widget").attribute("class", "QMdiArea").attribute("name", mdi_area);
        a.rect_property("geometry", ctx.px(free.left), ctx.px(free.top), ctx.px(free.width),
                        ctx.px(free.height));
        WidgetExport::write_workspace_colour(a, form);
        ++ctx.report.controls;
    }
    if (resizer || mdi) write_resizer(ctx, resizer.get(), *area, mdi_area);
    if (menus.any()) menus.write(root, width);
    if (form.kind() == mem::FormKind::MDIChild)
        ctx.report.notes.push_back(form.name() +
                                   ": an MDI child; show it in its parent's QMdiArea "
                                   "(QMdiArea::addSubWindow)");

    if (resizer || mdi) {
        UiNode& declared = ui.add("customwidgets").add("customwidget");
        declared.add("class", ui::kResizerWidgetClass);
        declared.add("extends", "QWidget");
        declared.add("header", "kelvane/ResizerWidget.h");
    } else {
        ctx.report.notes.push_back(form.name() +
                                   ": the form has no resizer, so its widgets stay where they are");
    }
    // The design's order, by TabIndex: a control disabled or hidden for now, and every option
    // button (Qt's Tab key skips those of a group that are not on), keep their places in it.
    std::vector<std::pair<double, mem::MemoryObject*>> stops;
    for (const auto& c : form.all_controls())
        if (supports(c->traits(), Prop::TabStop) && try_flag(*c, Prop::TabStop).value_or(true))
            stops.emplace_back(try_num(*c, Prop::TabIndex).value_or(0), c.get());
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> tab;
    for (const auto& [index, c] : stops) {
        const std::string name = ctx.names.of(*c);
        if (std::find(ctx.focus_widgets.begin(), ctx.focus_widgets.end(), name) !=
            ctx.focus_widgets.end())
            tab.push_back(name);
    }
    if (tab.size() > 1) {
        UiNode& stops = ui.add("tabstops");
        for (const auto& name : tab) stops.add("tabstop", name);
    }
    pictures.finish(ui.add("resources"));
    ui.add("connections");

    ExportResult out;
    out.ui = ui::write_ui(ui);
    out.files = std::move(ctx.files);
    out.report = std::move(ctx.report);
    return out;
}

}  // namespace kv::exporter
