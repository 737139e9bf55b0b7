// Exported forms in Qt itself: every sample form exported, loaded with QUiLoader and the
// Designer plugin, shown and resized (sizes, the size limits, a divider drag): each widget
// stands within a pixel of where the form file puts its control through the memory host, as
// `kelvane layout FORM.frm` lays it out.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QtUiTools/QUiLoader>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "control/SettingsStrings.h"
#include "control/zokKelvane.h"
#include "engine/HostAccess.h"
#include "frm_test_util.h"
#include "host/common/TabSet.h"
#include "host/export/ExportNames.h"
#include "host/export/FormFileExport.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"
#include "host/memory/MemoryHost.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtPaintedWidget.h"
#include "host/qt/QtUserInput.h"
#include "host/store/MemorySettingsStore.h"
#include "kelvane/Resizer.h"
#include "kelvane/ResizerWidget.h"
#include "run_host.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;
constexpr double kTpp = 15;  // twips per pixel at 96 dots per inch

// Where a widget should stand, in pixels of the form's client area. A line as its first end and
// its length along its course: Designer's line is a frame that cannot slant, so that is what it
// keeps of a line whose ends part ways.
struct Place {
    double left, top, width, height;
    enum { Box, Across, Down } kind = Box;
    double font = 0;  // points; 0 for a control without a font
};

// One user step and the layout the form file gives after it.
struct Step {
    Step(std::string w) : what(std::move(w)) {}
    std::string what;
    bool to_minimum = false;
    // A divider drag in the container's client twips.
    std::string container;
    double x = 0, y = 0, dx = 0, dy = 0;
    double client_width = 0, client_height = 0;  // pixels
    std::map<std::string, Place> places;         // by exported name
};

struct Expected {
    std::string form_name;
    std::vector<Step> steps;
    std::map<std::string, int> tab_sides;  // each tab control's TabOrientation, by exported name
    std::map<std::string, Qt::CheckState> checks;  // each check box's Value, by exported name
    // Each system back colour other than the class's own, by exported name.
    std::map<std::string, double> system_backs;
};

Place place_of(mem::MemoryObject& c) {
    const auto holder = c.container_object();
    const double ox = holder ? holder->client_origin_x_twips() : 0;
    const double oy = holder ? holder->client_origin_y_twips() : 0;
    if (c.traits().geometry == host::GeometryKind::LineEnds) {
        const auto e = c.line_ends_twips();
        const double dx = std::abs(e[2] - e[0]), dy = std::abs(e[3] - e[1]);
        Place p{(e[0] + ox) / kTpp, (e[1] + oy) / kTpp, dx / kTpp, dy / kTpp};
        p.kind = dx >= dy ? Place::Across : Place::Down;
        return p;
    }
    const auto r = c.rect_twips();
    Place p{(r.left + ox) / kTpp, (r.top + oy) / kTpp, r.width / kTpp, r.height / kTpp};
    if (c.traits().font) p.font = num(c, Prop::FontSize);
    return p;
}

bool laid_out(mem::MemoryObject& c) {
    const std::string& cls = c.class_name();
    return cls != "Menu" && cls != "Timer" && !c.user_control() &&
           c.traits().geometry != host::GeometryKind::PositionOnly;
}

void record(mem::MemoryForm& form, Step& step) {
    exporter::ExportNames names(form);
    step.client_width = form.client_width_twips() / kTpp;
    step.client_height = form.client_height_twips() / kTpp;
    for (const auto& c : form.all_controls())
        if (laid_out(*c)) step.places[names.of(*c)] = place_of(*c);
}

// The form file's layout through the memory host: as loaded, larger, smaller, at its limits,
// and (with split panes) a divider dragged.
std::optional<Expected> expected_of(const std::string& path) {
    auto host = test::run_host();
    // The screen Qt's windows stand on: a form fits on it, and no larger, alike on both.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    host->set_screens({{screen.x(), screen.y(), screen.width(), screen.height()}});
    const frm::FrmDocument doc = frm::FrmReader::read_file(path);
    const frm::LoadedForm loaded = frm::FrmLoader::load(doc, *host);
    auto form = loaded.form;
    if (form->kind() == mem::FormKind::MDIChild) {  // shown in its parent, as a .ui is not
        Host::set_current(nullptr);
        return std::nullopt;
    }
    Expected out;
    out.form_name = form->name();
    for (const auto& c : form->all_controls()) {
        if (host::TabSet::candidate(c->type_name(), c->extra_properties()))
            if (const auto tabs = host::TabSet::read(*c))
                out.tab_sides[exporter::ExportNames(*form).of(*c)] = tabs->orientation;
        // A label, check box, option button or frame over a container of a colour of its own
        // paints its class's colour too.
        const std::string& cls = c->class_name();
        const auto holder = c->container_object();
        const auto own = [](mem::MemoryObject& o) {
            const auto b = o.try_get("BackColor");
            return b && to_double(*b) != to_double(o.default_of(Prop::BackColor));
        };
        const bool over_colour =
            (cls == "CheckBox" || cls == "OptionButton" || cls == "Frame" ||
             (cls == "Label" && to_double(c->try_get("BackStyle").value_or(1.0)) != 0)) &&
            holder && holder->traits().back_color && own(*holder);
        if (const auto back = c->try_get("BackColor");
            back && cls != "Shape" && to_double(*back) < 0 && (own(*c) || over_colour))
            out.system_backs[exporter::ExportNames(*form).of(*c)] = to_double(*back);
        if (c->class_name() == "CheckBox" && to_double(c->try_get("Style").value_or(0.0)) == 0) {
            const double v = to_double(c->try_get("Value").value_or(0.0));
            out.checks[exporter::ExportNames(*form).of(*c)] = v == 1   ? Qt::Checked
                                                              : v == 2 ? Qt::PartiallyChecked
                                                                       : Qt::Unchecked;
        }
    }
    unpark_tabs(*form);
    form->show();
    host->pump();
    auto step = [&](Step s) {
        record(*form, s);
        out.steps.push_back(std::move(s));
    };
    auto grow = [&](double dw, double dh) {
        const auto r = form->rect_twips();
        form->user_resize(r.width + dw, r.height + dh);
        host->pump();
    };
    step({"as loaded"});
    grow(3000, 1995);
    step({"larger"});
    grow(-1500, -705);
    step({"smaller again"});
    std::string panes;
    for (const auto& c : form->all_controls())
        if (auto* z = dynamic_cast<zokKelvane*>(c->user_control().get())) panes = z->PaneSettings();
    if (loaded.resizer) {
        // Far below any minimum: the form stops at its limits.
        grow(-12000, -9000);
        Step s{"at the minimum"};
        s.to_minimum = true;
        step(s);
        grow(4000, 3000);
        step({"out again"});
    }
    if (const auto lines = split_settings_lines(panes); !lines.empty()) {
        // The divider between the first pane's first two controls.
        std::istringstream words(lines.at(0));
        std::string first, second;
        words >> first >> second;
        auto one = form->control(first), two = form->control(second);
        if (one && two) {
            const auto r1 = one->rect_twips(), r2 = two->rect_twips();
            const bool side_by_side = r1.left + r1.width <= r2.left;
            Step s{"divider dragged"};
            s.x = side_by_side ? (r1.left + r1.width + r2.left) / 2 : r1.left + 200;
            s.y = side_by_side ? r1.top + 200 : (r1.top + r1.height + r2.top) / 2;
            s.dx = side_by_side ? 600 : 0;
            s.dy = side_by_side ? 0 : 400;
            const auto holder = one->container_object();
            s.container = holder->is_form() ? "" : exporter::ExportNames(*form).of(*holder);
            auto t = holder->shared_from_this();
            form->mouse_move(form, 0, 0, -100, -100);
            form->mouse_move(t, 0, 0, s.x, s.y);
            form->mouse_down(t, 1, 0, s.x, s.y);
            for (int i = 1; i <= 4; ++i)
                form->mouse_move(t, 1, 0, s.x + s.dx * i / 4, s.y + s.dy * i / 4);
            form->mouse_up(t, 1, 0, s.x + s.dx, s.y + s.dy);
            host->pump();
            EXPECT_NE(one->rect_twips().width, r1.width) << path << ": the drag moved nothing";
            step(s);
        }
    }
    Host::set_current(nullptr);
    return out;
}

std::vector<std::string> sample_forms() {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(data_dir()))
        if (e.path().extension() == ".frm") out.push_back(e.path().string());
    out.push_back(std::string(KV_DOCS) + "/frmMail.frm");
    std::sort(out.begin(), out.end());
    return out;
}

// Qt's events handled (and the resizer's work done, when a resizer is at work).
void settle() {
    if (Host::has_current())
        if (auto* host = dynamic_cast<qt::QtHost*>(&Host::current())) return host->settle();
    QApplication::processEvents();
}

// The widget the form's controls sit in: the window, or a main window's central widget.
QWidget* client_area(QWidget& window) {
    if (auto* main = qobject_cast<QMainWindow*>(&window)) return main->centralWidget();
    return &window;
}

// Within a pixel; a form whose size is not whole pixels opens in Qt at whole pixels, and its
// widgets may stand off by the part of a pixel it lost besides.
void expect_places(QWidget& window, const Step& step, double lost, bool resized) {
    SCOPED_TRACE(step.what);
    QWidget* area = client_area(window);
    EXPECT_NEAR(area->width(), step.client_width, 1);
    EXPECT_NEAR(area->height(), step.client_height, 1);
    // A client area a part of a pixel off (at the minimum, where the form's has no height and
    // Qt's a pixel) moves a widget that follows it by up to that part too.
    const double off = std::max(std::abs(area->width() - step.client_width),
                                std::abs(area->height() - step.client_height));
    const double near = 1 + lost + off;
    for (const auto& [name, p] : step.places) {
        SCOPED_TRACE(name);
        auto* w = window.findChild<QWidget*>(QString::fromStdString(name));
        if (!w) {
            ADD_FAILURE() << name << " is not on the loaded form";
            continue;
        }
        const QPoint at = w->mapTo(area, QPoint(0, 0));
        // Designer's line is a frame three pixels across with the line in its middle, from
        // its first end.
        if (p.kind == Place::Across) {
            EXPECT_NEAR(at.x(), p.left, near);
            EXPECT_NEAR(at.y() + 1, p.top, near);
            EXPECT_NEAR(w->width(), p.width, near);
        } else if (p.kind == Place::Down) {
            EXPECT_NEAR(at.x() + 1, p.left, near);
            EXPECT_NEAR(at.y(), p.top, near);
            EXPECT_NEAR(w->height(), p.height, near);
        } else {
            EXPECT_NEAR(at.x(), p.left, near);
            EXPECT_NEAR(at.y(), p.top, near);
            EXPECT_NEAR(w->width(), p.width, near);
            EXPECT_NEAR(w->height(), p.height, near);
        }
        // The form file's exact size (8.25, not Designer's whole 8), scaled alike: the resizer
        // applies it (a form without one keeps Designer's whole points). Not at the minimum,
        // where a client area of no height in twips is a pixel's in Qt, and a scaled font follows
        // that pixel.
        if (p.font > 0 && resized && !step.to_minimum) {
            EXPECT_NEAR(w->font().pointSizeF(), p.font, 1e-6);
        }
    }
}

// The step in Qt: the window resized to the step's client size, or down to its limits, or the
// divider dragged through real mouse events.
void take(const Step& step, QWidget& window, const std::string& form_name) {
    if (!step.container.empty() || step.dx != 0 || step.dy != 0) {
        auto& host = qt::QtHost::installed();
        auto form = host.find_form(form_name);
        ASSERT_TRUE(form);
        std::shared_ptr<mem::MemoryObject> on =
            step.container.empty() ? std::static_pointer_cast<mem::MemoryObject>(form)
                                   : form->control(step.container);
        ASSERT_TRUE(on) << step.container;
        qt::QtUserInput(host).drag(*form, *on, step.x, step.y, step.x + step.dx, step.y + step.dy);
    } else if (step.to_minimum) {
        // The limits the form asks for stop the program's resize too; the window system's own
        // (a caption's width) stop only the user's drag, which the form file's steps stand for.
        window.resize(1, 1);
        settle();
        const QSize around = window.size() - client_area(window)->size();
        window.resize(std::max(window.width(),
                               static_cast<int>(std::lround(step.client_width)) + around.width()),
                      std::max(window.height(), static_cast<int>(std::lround(step.client_height)) +
                                                    around.height()));
    } else {
        const QSize around = window.size() - client_area(window)->size();
        window.resize(static_cast<int>(std::lround(step.client_width)) + around.width(),
                      static_cast<int>(std::lround(step.client_height)) + around.height());
    }
}

TEST(ExportedUi, LoadedInQtEveryWidgetStandsWhereTheFormFilePutsIt) {
    ScratchDir dir;
    std::vector<std::pair<std::string, Expected>> forms;
    for (const auto& path : sample_forms()) {
        const std::string ui = (dir.path() / fs::path(path).filename()).replace_extension(".ui");
        exporter::export_form_file(path, ui, {});
        if (auto e = expected_of(path)) forms.emplace_back(ui, std::move(*e));
    }
    // The tabs of drawing.frm on the left and on the right too (its own are at the bottom).
    for (const int side : {2, 3}) {
        std::string text = slurp(data_dir() + "/drawing.frm");
        for (const auto& [from, to] :
             {std::pair<std::string, std::string>{"TabOrientation  =   1",
                                                  "TabOrientation  =   " + std::to_string(side)},
              {"E0B351}", "E0B35" + std::to_string(side) + "}"}}) {
            ASSERT_NE(text.find(from), std::string::npos) << from;
            text.replace(text.find(from), from.size(), to);
        }
        const auto frm = dir.path() / ("drawing" + std::to_string(side) + ".frm");
        spit(frm, text);
        const std::string ui = fs::path(frm).replace_extension(".ui").string();
        exporter::export_form_file(frm.string(), ui, {});
        if (auto e = expected_of(frm.string())) forms.emplace_back(ui, std::move(*e));
    }
    ASSERT_GE(forms.size(), 10u);
    // The host the resizer widgets share, as the first of them makes it, but answering message
    // boxes as the memory host does (a form with settings naming no control says so).
    auto qt_host = qt::QtHost::install();
    qt_host->set_user_mode(true);
    qt_host->set_running_under_designer(false);
    qt_host->set_interactive(false);
    qt_host->set_write_log_enabled(false);
    qt_host->set_settings_store(std::make_shared<store::MemorySettingsStore>());
    for (const auto& [ui, expected] : forms) {
        SCOPED_TRACE(ui);
        QUiLoader loader;
        QFile file(QString::fromStdString(ui));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        std::unique_ptr<QWidget> window(loader.load(&file));
        ASSERT_TRUE(window) << loader.errorString().toStdString();
        // The form's menu bar is 19 pixels high and the .ui's window counts it so; Qt's style
        // draws its own at another height. The window is designed with its central widget at
        // the form's client size, which the resizer takes for the design size as the form
        // file's does.
        if (auto* main = qobject_cast<QMainWindow*>(window.get()); main && main->menuWidget()) {
            const int bar = main->menuWidget()->sizeHint().height();
            window.reset();
            file.seek(0);
            QString text = QString::fromUtf8(file.readAll());
            const QRegularExpression height("<height>(\\d+)</height>");
            const auto m = height.match(text);
            ASSERT_TRUE(m.hasMatch());
            text.replace(m.capturedStart(1), m.capturedLength(1),
                         QString::number(m.captured(1).toInt() + bar - 19));
            QBuffer patched;
            patched.setData(text.toUtf8());
            patched.open(QIODevice::ReadOnly);
            window.reset(loader.load(&patched));
            ASSERT_TRUE(window) << loader.errorString().toStdString();
        }
        window->show();
        auto* resizer = window->findChild<kelvane::ResizerWidget*>();
        settle();
        if (resizer) {
            ASSERT_TRUE(resizer->resizer()) << resizer->refusal().toStdString();
        }
        // Each tab widget's tabs on the form's side.
        for (const auto& [name, side] : expected.tab_sides) {
            auto* tabs = window->findChild<QTabWidget*>(QString::fromStdString(name));
            ASSERT_TRUE(tabs) << name;
            EXPECT_EQ(tabs->tabPosition(), side) << name;
        }
        // Each check box as the form file has it: ticked, clear or greyed.
        for (const auto& [name, state] : expected.checks) {
            auto* box = window->findChild<QCheckBox*>(QString::fromStdString(name));
            ASSERT_TRUE(box) << name;
            EXPECT_EQ(box->checkState(), state) << name;
        }
        // Each system back colour as the style has it, filling its widget (looked at inside its
        // lower right corner, clear of a border; a group box's above its frame, inside which the
        // style shades its panel).
        const QImage shot = window->grab().toImage();
        for (const auto& [name, back] : expected.system_backs) {
            auto* w = window->findChild<QWidget*>(QString::fromStdString(name));
            ASSERT_TRUE(w) << name;
            const int y = qobject_cast<QGroupBox*>(w) ? 2 : w->height() - 4;
            EXPECT_EQ(shot.pixelColor(w->mapTo(window.get(), QPoint(w->width() - 4, y))),
                      qt::screen_colour(QApplication::palette(w), back))
                << name;
        }
        // A greyed menu greys its entry in the bar, as `kelvane run` of the .ui shows it.
        for (const auto* menu : window->findChildren<QMenu*>()) {
            EXPECT_EQ(menu->menuAction()->isEnabled(), menu->isEnabled())
                << menu->objectName().toStdString();
        }
        if (auto* view = window->findChild<QMenu*>("mnuView")) {
            EXPECT_FALSE(view->menuAction()->isEnabled());
        }
        const Step& design = expected.steps.front();
        const double lost =
            std::max(std::abs(design.client_width - std::round(design.client_width)),
                     std::abs(design.client_height - std::round(design.client_height)));
        for (const Step& step : expected.steps) {
            take(step, *window, expected.form_name);
            settle();
            expect_places(*window, step, lost, resizer != nullptr);
        }
        // A dialog's tabs of one width share its length, at the size it has now.
        for (auto* tabs : window->findChildren<QTabWidget*>()) {
            const int per_row = tabs->property("TabsPerRow").toInt();
            if (per_row < 1 || !resizer) continue;
            const bool upright =
                tabs->tabPosition() == QTabWidget::West || tabs->tabPosition() == QTabWidget::East;
            const int each = (upright ? tabs->height() : tabs->width()) / per_row;
            for (int i = 0; i < tabs->count(); ++i) {
                const QRect tab = tabs->tabBar()->tabRect(i);
                EXPECT_NEAR(upright ? tab.height() : tab.width(), each, 1)
                    << tabs->objectName().toStdString() << " tab " << i;
            }
        }
    }
}

}  // namespace
}  // namespace kv::test
