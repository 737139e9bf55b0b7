#pragma once
// A form on the memory host with a form sizer, for the pane tests: controls are added in twips,
// registered, grouped into a pane and sized the way the resizer control does it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/CFormSizer.h"
#include "engine/HostAccess.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"
#include "panes/CPanes.h"
#include "panes/PaneCreation.h"

namespace kv::test {

struct Box {
    double l, t, w, h;
};

class PaneForm {
  public:
    explicit PaneForm(double client_w = 6360, double client_h = 4500,
                      const std::string& name = "Form1")
        : host(mem::MemoryHost::install()), form(host->create_form(name)) {
        form->set_client_size(client_w, client_h);
        form->load();
    }

    ObjectRef add(const std::string& cls, const std::string& name, Box b,
                  const ObjectRef& container = nullptr) {
        auto parent = std::dynamic_pointer_cast<mem::MemoryObject>(container);
        auto c = form->add_control(cls, name, parent);
        c->move(b.l, b.t, b.w, b.h);
        return c;
    }

    std::shared_ptr<CControlSizer> reg(const ObjectRef& c, int32_t l = KV_KEEP, int32_t t = KV_KEEP,
                                       int32_t r = KV_KEEP, int32_t b = KV_KEEP) {
        return sizer.Form_Load_addControl(l, t, r, b, KV_KEEP, c);
    }

    // Registers and creates the pane, then freezes the registry and runs a settled pass.
    std::shared_ptr<CPanes> pane(const std::shared_ptr<CControlSizer>& a,
                                 const std::shared_ptr<CControlSizer>& b,
                                 const std::shared_ptr<CControlSizer>& c = nullptr,
                                 const std::shared_ptr<CControlSizer>& d = nullptr,
                                 bool split_bars = false) {
        auto p = CreatePane(sizer, a, b, c, d, split_bars, 0xFF0000);
        sizer.Form_Load_InitializeSizing();
        sizer.state.g_bNeedExtraResize = false;
        return p;
    }

    static Box box(const ObjectRef& c) {
        return {num(*c, Prop::Left), num(*c, Prop::Top), num(*c, Prop::Width),
                num(*c, Prop::Height)};
    }

    // Messages shown so far, joined by "|".
    std::string messages() const {
        std::string all;
        for (const auto& m : host->messages()) all += (all.empty() ? "" : "|") + m.text;
        return all;
    }

    std::shared_ptr<mem::MemoryHost> host;
    std::shared_ptr<mem::MemoryForm> form;
    CFormSizer sizer;
};

inline void expect_box(const ObjectRef& c, Box want) {
    const Box got = PaneForm::box(c);
    EXPECT_NEAR(got.l, want.l, 0.01) << "left";
    EXPECT_NEAR(got.t, want.t, 0.01) << "top";
    EXPECT_NEAR(got.w, want.w, 0.01) << "width";
    EXPECT_NEAR(got.h, want.h, 0.01) << "height";
}

}  // namespace kv::test
