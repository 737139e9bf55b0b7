#pragma once
// A form on the memory host with a form sizer serving it, for the engine's tests.
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "engine/CFormSizer.h"
#include "engine/HostAccess.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryHost.h"

namespace kv::test {

struct Rect {
    double left, top, width, height;
    bool operator==(const Rect&) const = default;
};

inline void PrintTo(const Rect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

inline Rect rect_of(HostObject& o) {
    return {num(o, Prop::Left), num(o, Prop::Top), num(o, Prop::Width), num(o, Prop::Height)};
}

inline size_t count_writes(const mem::MemoryObject& o, const std::string& what) {
    size_t n = 0;
    for (const auto& w : o.write_log()) n += w.what == what;
    return n;
}

struct EngineRig {
    std::shared_ptr<mem::MemoryHost> host = mem::MemoryHost::install();
    std::shared_ptr<mem::MemoryForm> form;
    CFormSizer fs;

    explicit EngineRig(double client_w = 1000, double client_h = 1000,
                       const std::string& name = "frmMain") {
        form = host->create_form(name);
        form->set_client_size(client_w, client_h);
    }

    // A control placed at (l, t, w, h) in its container's units, with an empty write log.
    std::shared_ptr<mem::MemoryObject> add(const std::string& cls, const std::string& name,
                                           double l, double t, double w, double h,
                                           const std::shared_ptr<mem::MemoryObject>& in = nullptr,
                                           std::optional<int> index = std::nullopt) {
        auto c = form->add_control(cls, name, in, index);
        c->move(l, t, w, h);
        c->clear_write_log();
        return c;
    }

    std::shared_ptr<CControlSizer> reg(const std::shared_ptr<mem::MemoryObject>& c, int32_t l,
                                       int32_t t, int32_t r, int32_t b, int32_t f = KV_KEEP) {
        return fs.Form_Load_addControl(l, t, r, b, f, c);
    }

    // Freeze the registry and let passes move controls (as the settle timer would).
    void init() {
        fs.Form_Load_InitializeSizing();
        fs.state.g_bNeedExtraResize = false;
    }

    void resize(double client_w, double client_h) {
        form->set_client_size(client_w, client_h);
        fs.Form_Resize();
    }

    void clear_logs() {
        for (const auto& c : form->all_controls()) c->clear_write_log();
    }
};

}  // namespace kv::test
