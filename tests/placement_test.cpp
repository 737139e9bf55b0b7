// Saving and restoring a form's placement through the per-user settings store, on the memory
// host, as the resizer control does it when the form closes and when it loads.
#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <cstring>
#include <map>

#include "control/CRegSettings.h"
#include "control/CStoreForm.h"
#include "control/MGUID.h"
#include "host/memory/MemoryHost.h"
#include "host/store/MemorySettingsStore.h"

namespace {

using kv::CStoreForm;
using kv::store::kCurrentUser;

constexpr const char* kGuid = "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}";
constexpr const char* kFormKey =
    "Software\\Quillon\\Kelvane for VB6\\Forms\\Empty SubKey\\frmMain\\"
    "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}\\frmMain";

// Counts the writes that reach the store, per value name; can be told to refuse writes.
class CountingStore : public kv::SettingsStore {
  public:
    std::optional<std::string> read(uint32_t root, const std::string& key,
                                    const std::string& name) override {
        return inner.read(root, key, name);
    }
    bool write(uint32_t root, const std::string& key, const std::string& name,
               const std::string& value) override {
        ++writes[name];
        ++total;
        return !refuse && inner.write(root, key, name, value);
    }
    kv::store::MemorySettingsStore inner;
    std::map<std::string, int> writes;
    int total = 0;
    bool refuse = false;
};

class Placement : public ::testing::Test {
  protected:
    void SetUp() override {
        host_ = kv::mem::MemoryHost::install();
        store_ = std::make_shared<CountingStore>();
        host_->set_settings_store(store_);
        form_ = open_form();
    }
    void TearDown() override { kv::Host::set_current(nullptr); }

    // The form as the control sees it on load: its placement store set to the control's path.
    std::shared_ptr<kv::mem::MemoryForm> open_form() {
        auto form = host_->create_form("frmMain");
        form->move(1000, 2000, 6000, 4000);
        placement_ = std::make_unique<CStoreForm>();
        placement_->Company("Quillon");
        placement_->AppName(std::string("Kelvane for VB6\\Forms\\Empty SubKey\\frmMain\\") + kGuid);
        return form;
    }
    // What the control does when the form is about to unload.
    void save_on_close(bool allow_minimized = false) {
        placement_->SavePos(form_);
        placement_->SaveSize(form_);
        placement_->SaveWindowState(form_, allow_minimized);
    }
    // Close and reopen; the control restores with SaveSizes, SavePos, SaveWindowState, AllowMin.
    void reopen(bool sizes, bool pos, bool state, bool allow_minimized) {
        form_->close();
        form_ = open_form();
        form_->move(50, 60, 3000, 2000);
        placement_->GetSizePosState(form_, sizes, pos, state, allow_minimized);
    }
    std::optional<std::string> stored(const std::string& name) {
        return store_->inner.read(kCurrentUser, kFormKey, name);
    }
    double num(kv::Prop p) { return kv::to_double(form_->get(p)); }

    std::shared_ptr<kv::mem::MemoryHost> host_;
    std::shared_ptr<CountingStore> store_;
    std::shared_ptr<kv::mem::MemoryForm> form_;
    std::unique_ptr<CStoreForm> placement_;
};

TEST_F(Placement, ValuesLieUnderTheControlsKeyPath) {
    save_on_close();
    EXPECT_EQ(stored("Left"), "1000");
    EXPECT_EQ(stored("Top"), "2000");
    EXPECT_EQ(stored("Width"), "6000");
    EXPECT_EQ(stored("Height"), "4000");
    EXPECT_EQ(stored("WindowState"), "0");
}

TEST_F(Placement, MaximisedFormKeepsItsLastNormalPlacement) {
    save_on_close();
    form_->move(1500, 2500, 7000, 5000);
    form_->set_window_state(2);
    EXPECT_FALSE(placement_->SavePos(form_));
    EXPECT_FALSE(placement_->SaveSize(form_));
    EXPECT_TRUE(placement_->SaveWindowState(form_, false));
    EXPECT_EQ(stored("Left"), "1000");
    EXPECT_EQ(stored("Width"), "6000");
    EXPECT_EQ(stored("WindowState"), "2");

    reopen(true, true, true, false);
    EXPECT_EQ(form_->window_state(), 2);
    form_->set_window_state(0);  // back to normal: the restored rectangle
    EXPECT_EQ(num(kv::Prop::Left), 1000);
    EXPECT_EQ(num(kv::Prop::Top), 2000);
    EXPECT_EQ(num(kv::Prop::Width), 6000);
    EXPECT_EQ(num(kv::Prop::Height), 4000);
}

TEST_F(Placement, MinimisedStateIsSavedOnlyWhenAllowed) {
    struct Case {
        bool allow;
        bool saved;
        const char* stored_state;
        int reopened_state;
    };
    for (const Case& c : {Case{false, false, "2", 2}, Case{true, true, "1", 1}}) {
        SCOPED_TRACE(c.allow);
        form_->set_window_state(2);
        save_on_close();
        form_->set_window_state(1);
        EXPECT_EQ(placement_->SaveWindowState(form_, c.allow), c.saved);
        EXPECT_EQ(stored("WindowState"), c.stored_state);
        reopen(true, true, true, c.allow);
        EXPECT_EQ(form_->window_state(), c.reopened_state);
    }
}

TEST_F(Placement, StoredMinimisedStateIsNotRestoredUnlessAllowed) {
    store_->inner.write(kCurrentUser, kFormKey, "WindowState", "1");
    reopen(true, true, true, false);
    EXPECT_EQ(form_->window_state(), 0);
}

TEST_F(Placement, ClosingTwiceWritesEachValueOnce) {
    save_on_close();
    save_on_close();
    EXPECT_EQ(store_->total, 5);
    for (const char* name : {"Left", "Top", "Width", "Height", "WindowState"}) {
        EXPECT_EQ(store_->writes[name], 1) << name;
    }
    form_->move(1100);
    save_on_close();
    EXPECT_EQ(store_->writes["Left"], 2);
    EXPECT_EQ(store_->total, 6);
}

TEST_F(Placement, SizeWithoutPositionMovesToTheOrigin) {
    save_on_close();
    reopen(true, false, false, false);
    EXPECT_EQ(num(kv::Prop::Left), 0);
    EXPECT_EQ(num(kv::Prop::Top), 0);
    EXPECT_EQ(num(kv::Prop::Width), 6000);
    EXPECT_EQ(num(kv::Prop::Height), 4000);
}

TEST_F(Placement, StoredTextsAreReadAsWholeTwips) {
    struct Case {
        const char* left;
        const char* width;
        double want_left, want_width;
    };
    const Case cases[] = {
        {"1234.5", "6000", 1234, 6000},  // halves go to the even neighbour
        {"1235.5", "6000", 1236, 6000}, {"  -15 ", "4500.49", -15, 4500},
        {"left?", "6000", 0, 6000},  // a bad position leaves 0 in its place
        {"900", "wide", 900, 3000},  // a bad size: only the position is applied
    };
    // A monitor left of the primary, so that a negative position is on a screen.
    host_->set_screens({{0, 0, 1920, 1080}, {-1920, 0, 1920, 1080}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        store_->inner.write(kCurrentUser, kFormKey, "Left", c.left);
        store_->inner.write(kCurrentUser, kFormKey, "Top", "700");
        store_->inner.write(kCurrentUser, kFormKey, "Width", c.width);
        store_->inner.write(kCurrentUser, kFormKey, "Height", "4000");
        reopen(true, true, false, false);
        EXPECT_EQ(num(kv::Prop::Left), c.want_left);
        EXPECT_EQ(num(kv::Prop::Top), 700);
        EXPECT_EQ(num(kv::Prop::Width), c.want_width);
    }
}

TEST_F(Placement, BadWindowStateRestoresNormal) {
    form_->set_window_state(2);
    store_->inner.write(kCurrentUser, kFormKey, "WindowState", "max");
    placement_->GetSizePosState(form_, false, false, true, false);
    EXPECT_EQ(form_->window_state(), 0);
}

TEST_F(Placement, DecimalPointWhateverTheLocale) {
    const char* german = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German"}) {
        if (std::setlocale(LC_ALL, name)) {
            german = name;
            break;
        }
    }
    // scripts/install-deps.sh installs it: without it this test would prove nothing.
    ASSERT_NE(german, nullptr) << "no German locale installed (run scripts/install-deps.sh)";
    form_->move(1234.5, 10.25);
    save_on_close();
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(stored("Left"), "1234.5");
    EXPECT_EQ(stored("Top"), "10.25");
}

TEST_F(Placement, GenericOptions) {
    EXPECT_EQ(placement_->get_opt("User\\Never", "Key", "dflt"), "dflt");  // never written
    placement_->save_opt("User\\Grid", "*", "default value");
    placement_->save_opt("User\\Grid", "Cols", "4");
    const std::string grid = placement_->settings().key_path("User\\Grid");
    EXPECT_EQ(grid, std::string(kFormKey, std::strlen(kFormKey) - 8) + "\\User\\Grid");
    EXPECT_EQ(store_->inner.read(kCurrentUser, grid, ""), "default value");  // "*" = default
    EXPECT_EQ(placement_->get_opt("user\\grid", "COLS", "0"), "4");
    placement_->save_opt("User\\Grid", "Blank", "");  // "" is never written over nothing
    EXPECT_EQ(store_->writes.count("Blank"), 0u);
}

TEST_F(Placement, SettingsKeyPathAndFailedWrites) {
    kv::CRegSettings reg;
    EXPECT_EQ(reg.Root(), 0x80000001u);
    const std::string product = host_->product_name();
    EXPECT_EQ(reg.key_path(""), "Software\\VB and VBA Program Settings\\" + product);
    reg.Company("  Acme Ltd ");
    reg.AppName(" Tool ");
    EXPECT_EQ(reg.key_path("Sec\\Sub"), "Software\\Acme Ltd\\Tool\\Sec\\Sub");
    reg.Company("   ");  // blank restores the defaults
    reg.AppName("");
    EXPECT_EQ(reg.key_path("S"), "Software\\VB and VBA Program Settings\\" + product + "\\S");

    store_->refuse = true;
    EXPECT_FALSE(reg.SaveSetting("S", "k", "v"));
    store_->refuse = false;
    EXPECT_TRUE(reg.SaveSetting("S", "k", "v"));
    EXPECT_EQ(store_->inner.read(kCurrentUser, reg.key_path("S"), "K"), "v");

    // The placement store ignores blank names instead of restoring the defaults.
    placement_->Company("  ");
    placement_->AppName(" Other ");
    EXPECT_EQ(placement_->Company(), "Quillon");
    EXPECT_EQ(placement_->AppName(), "Other");
}

TEST(FormGuid, RegistryTextInThePlatformLayout) {
    std::array<uint8_t, 16> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 17);
    EXPECT_EQ(kv::MGUID::guid_to_text(bytes), "{33221100-5544-7766-8899-AABBCCDDEEFF}");

    auto host = kv::mem::MemoryHost::install();
    const std::string a = kv::MGUID::NewFormGUID();
    ASSERT_EQ(a.size(), 38u);
    for (size_t i = 0; i < a.size(); ++i) {
        const char want = i == 0                                      ? '{'
                          : i == 37                                   ? '}'
                          : (i == 9 || i == 14 || i == 19 || i == 24) ? '-'
                                                                      : 'h';
        if (want == 'h') {
            EXPECT_TRUE(std::isdigit(a[i]) || (a[i] >= 'A' && a[i] <= 'F')) << a;
        } else {
            EXPECT_EQ(a[i], want) << a;
        }
    }
    EXPECT_NE(a, kv::MGUID::NewFormGUID());
    kv::Host::set_current(nullptr);
}

}  // namespace
