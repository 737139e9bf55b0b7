#pragma once
// What the resizer control's tests start from: a memory host installed with the control's class
// registered, a form to put it on, and every form still open closed at the end, as the host does
// when the program ends (the controls hear their terminate events).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "control/zokKelvane.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPropertyBag.h"

namespace kv {

class ControlRig : public ::testing::Test {
  protected:
    void SetUp() override {
        host = mem::MemoryHost::install();
        host->register_user_control(kZokKelvaneClassId, make_zokKelvane);
    }
    void TearDown() override {
        auto open_forms = host->forms();
        for (auto& f : open_forms) f->close();
    }

    // A new form `name` with a client area of 6000 x 4000 twips; it becomes `form`.
    mem::MemoryForm& make_form(const std::string& name) {
        form = host->create_form(name);
        form->set_client_size(6000, 4000);
        return *form;
    }
    // The resizer placed on `form` as the developer places it (no bag) or read from `bag`; its
    // extender becomes `ext`.
    zokKelvane& place(const std::string& name, mem::MemoryPropertyBag* bag = nullptr) {
        ext = form->add_user_control(kZokKelvaneClassId, name, nullptr, bag);
        return dynamic_cast<zokKelvane&>(*ext->user_control());
    }

    std::shared_ptr<mem::MemoryHost> host;
    std::shared_ptr<mem::MemoryForm> form;
    std::shared_ptr<mem::MemoryObject> ext;
};

}  // namespace kv
