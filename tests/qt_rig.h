#pragma once
// Shared by the Qt host tests: a form file run on either host through the tool's session, and
// the check that every widget stands where its control is.
#include <gtest/gtest.h>

#include <QWidget>
#include <cmath>
#include <memory>
#include <string>

#include "harness/FormFile.h"
#include "harness/QtStepDriver.h"
#include "harness/Session.h"
#include "host/frm/FrmReader.h"
#include "host/qt/QtControlViews.h"
#include "host/qt/QtFormWindow.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtTabControl.h"

namespace kv::test {

// The event loop run until the Qt host's layouts have settled (the settle timer stopped).
inline void settle() {
    qt::QtHost::installed().settle();
}

// A session on the Qt host (qt = true) or on a memory host that sees the same screens at the
// same twips per pixel as the Qt host would.
inline std::unique_ptr<app::Session> make_session(bool qt, const std::string& store) {
    auto qt_host = std::make_shared<qt::QtHost>();
    if (qt) {
        auto driver = app::qt_driver(*qt_host);
        return std::make_unique<app::Session>(store, true, qt_host, std::move(driver));
    }
    auto memory = std::make_shared<mem::MemoryHost>();
    memory->set_twips_per_pixel(qt_host->twips_per_pixel_x(), qt_host->twips_per_pixel_y());
    memory->set_screens(qt_host->screen_pixels());
    qt_host.reset();
    return std::make_unique<app::Session>(store, true, memory);
}

// A form file, or a .ui as `kelvane run FORM.ui` shows it.
struct LiveForm {
    explicit LiveForm(const std::string& file, const std::string& store = "")
        : session(make_session(true, store)), doc(file, "") {
        session->load(doc);
        session->show();
    }
    mem::MemoryForm& form() { return session->form(); }
    qt::QtFormWindow& window() { return *qt::QtHost::installed().find_window(&form()); }
    std::shared_ptr<mem::MemoryObject> control(const char* name) { return form().control(name); }

    std::unique_ptr<app::Session> session;
    app::FormFile doc;
};

// Every widget of the form's window stands where its control is (in whole pixels).
inline void expect_widgets_follow(mem::MemoryForm& form) {
    auto& host = qt::QtHost::installed();
    qt::QtFormWindow* window = host.find_window(&form);
    ASSERT_NE(window, nullptr);
    const double tx = host.twips_per_pixel_x(), ty = host.twips_per_pixel_y();
    auto px = [](double twips, double tpp) { return static_cast<int>(std::lround(twips / tpp)); };
    for (const auto& c : form.all_controls()) {
        QWidget* w = window->widget_of(c.get());
        if (!w || c->traits().geometry != host::GeometryKind::Box) continue;
        const auto holder = c->container_object();
        const auto [ix, iy] = qt::QtControlViews::inner_offset_twips(*holder);
        const auto r = c->rect_twips();
        // On a tab control a parked control shows further right, by its parking distance as
        // the resizer carried it.
        const bool on_tabs = dynamic_cast<qt::QtTabControl*>(window->widget_of(holder.get()));
        const double shift = on_tabs ? window->views().tab_shift(*c, r.left) : 0;
        EXPECT_EQ(w->geometry(), QRect(px(r.left + ix + shift, tx), px(r.top + iy, ty),
                                       px(r.width, tx), px(r.height, ty)))
            << c->name();
    }
    if (form.window_state() != 1) {
        EXPECT_EQ(window->client()->size(),
                  QSize(px(form.client_width_twips(), tx), px(form.client_height_twips(), ty)));
    }
}

}  // namespace kv::test
