#pragma once
// A form open in the designer with a resizer on it, and its property pages dialog, for the page
// tests. Every message box a test leaves unexamined fails it.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "control/zokKelvane.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPageDialog.h"
#include "pages/ppPanes.h"
#include "pages/ppVisControls.h"

namespace kv::test {

class PageDialogRig : public ::testing::Test {
  protected:
    void SetUp() override {
        register_ppVisControls();
        register_ppPanes();
        host = mem::MemoryHost::install();
        host->register_user_control(kZokKelvaneClassId, make_zokKelvane);
        host->set_user_mode(false);
        form = host->create_form("Form1");
        form->set_client_size(6000, 4000);
        resizer_ext = form->add_user_control(kZokKelvaneClassId, "zokKelvane1");
        resizer = &dynamic_cast<zokKelvane&>(*resizer_ext->user_control());
    }
    void TearDown() override {
        for (const auto& m : host->messages()) ADD_FAILURE() << "message box: " << m.text;
        if (dialog && dialog->is_open()) dialog->cancel();
        dialog.reset();
        host.reset();
    }
    std::shared_ptr<mem::MemoryObject> add(const std::string& cls, const std::string& name,
                                           double l, double t, double w, double h,
                                           std::optional<int> index = std::nullopt,
                                           const std::shared_ptr<mem::MemoryObject>& in = nullptr) {
        auto c = form->add_control(cls, name, in, index);
        c->move(l, t, w, h);
        return c;
    }
    // Open the dialog on the resizer, showing the page with this caption.
    void open(const std::string& caption = "Resizing") {
        dialog = host->open_property_pages(resizer_ext);
        ASSERT_TRUE(dialog->select_page(caption));
        page = dialog->active_page();
    }
    std::shared_ptr<mem::MemoryObject> c(const std::string& key) {
        auto found = page->find(key);
        EXPECT_TRUE(found) << key;
        return found;
    }

    std::shared_ptr<mem::MemoryHost> host;
    std::shared_ptr<mem::MemoryForm> form;
    std::shared_ptr<mem::MemoryObject> resizer_ext;
    zokKelvane* resizer = nullptr;
    std::shared_ptr<mem::MemoryPageDialog> dialog;
    std::shared_ptr<mem::MemoryPropertyPage> page;
};

}  // namespace kv::test
