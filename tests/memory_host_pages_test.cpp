// Property pages on the memory host: the dialog's order and buttons on a resizer in the
// designer, the controls a page makes and how a hand works them (option groups, check boxes,
// lists, control arrays, focus and tab order, key preview, dragging), and the desktop services.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "control/zokKelvane.h"
#include "engine/HostAccess.h"
#include "engine/PropertyPage.h"
#include "error_of.h"
#include "host/memory/DesktopServices.h"
#include "host/memory/MemoryControlSite.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPageDialog.h"

namespace kv {
namespace {

// What a page hears, in order, across all pages of a test.
std::vector<std::string> g_log;

// Logs every event of one control.
class LogSink : public EventSink {
  public:
    explicit LogSink(std::string name) : name_(std::move(name)) {}
    void on_click() override { g_log.push_back(name_ + ".Click"); }
    void on_dbl_click() override { g_log.push_back(name_ + ".DblClick"); }
    void on_change() override { g_log.push_back(name_ + ".Change"); }
    void on_got_focus() override { g_log.push_back(name_ + ".GotFocus"); }
    void on_lost_focus() override { g_log.push_back(name_ + ".LostFocus"); }
    void on_key_down(int key, int) override {
        g_log.push_back(name_ + ".KeyDown " + std::to_string(key));
    }
    void on_mouse_down(int, int, float, float) override { g_log.push_back(name_ + ".MouseDown"); }
    void on_mouse_up(int, int, float, float) override { g_log.push_back(name_ + ".MouseUp"); }

  private:
    std::string name_;
};

// A page that makes its controls from a table, as the real pages do, and writes the edited
// ControlSettings back through the control on Apply.
class TablePage : public PropertyPage {
  public:
    explicit TablePage(std::string caption) : caption_(std::move(caption)) {}
    void PropertyPage_Initialize(PageSite& site) override {
        site_ = &site;
        g_log.push_back(caption_ + ".Initialize");
        auto page = site.page();
        page->set(Prop::Caption, caption_);
        page->set("KeyPreview", true);
        hook("page", page);
        auto controls = page->controls();
        auto add = [&](const char* cls, const char* name, const ObjectRef& in = nullptr) {
            auto c = controls->add(cls, name, in);
            c->set(Prop::Visible, true);
            hook(name, c);
            return c;
        };
        auto fra1 = add("VB.Frame", "fra1");
        auto fra2 = add("VB.Frame", "fra2");
        add("VB.OptionButton", "optA", fra1);
        add("VB.OptionButton", "optB", fra1);
        add("VB.OptionButton", "optC", fra2);
        add("VB.CheckBox", "chk");
        add("VB.CommandButton", "cmd");
        add("VB.Label", "lbl");
        add("VB.ComboBox", "cbo");
        auto lst = add("VB.ListBox", "lst");
        lst->set("MultiSelect", 1.0);
        auto pic = add("VB.PictureBox", "pic");
        add("VB.PictureBox", "picInner", pic);
    }
    void PropertyPage_SelectionChanged() override {
        g_log.push_back(caption_ + ".SelectionChanged");
    }
    void PropertyPage_ApplyChanges() override {
        g_log.push_back(caption_ + ".ApplyChanges");
        auto& ctl = dynamic_cast<zokKelvane&>(*site_->selected_controls().at(0));
        ctl.ControlSettings("Text1 \tKKAAK");
    }
    void PropertyPage_Terminate() override { g_log.push_back(caption_ + ".Terminate"); }

  private:
    void hook(const std::string& name, const ObjectRef& o) {
        sinks_.push_back(std::make_unique<LogSink>(name));
        connections_.push_back(o->hook_events(*sinks_.back()));
    }
    std::string caption_;
    PageSite* site_ = nullptr;
    std::vector<std::unique_ptr<LogSink>> sinks_;
    std::vector<std::unique_ptr<EventConnection>> connections_;
};

class MemoryHostPages : public ::testing::Test {
  protected:
    void SetUp() override {
        g_log.clear();
        register_property_page(kPageControlsClassId,
                               [] { return std::make_shared<TablePage>("Resizing"); });
        register_property_page(kPagePanesClassId,
                               [] { return std::make_shared<TablePage>("Panels"); });
        register_property_page(kPageCodeClassId,
                               [] { return std::make_shared<TablePage>("Code"); });
        host = mem::MemoryHost::install();
        host->register_user_control(kZokKelvaneClassId, make_zokKelvane);
        host->set_user_mode(false);  // the form is open in the designer
        form = host->create_form("Form1");
        resizer = form->add_user_control(kZokKelvaneClassId, "zokKelvane1");
        dialog = host->open_property_pages(resizer);
        page = dialog->page(0);
        g_log.clear();
    }
    void TearDown() override {
        dialog.reset();
        host.reset();
    }
    std::shared_ptr<mem::MemoryObject> c(const char* key) { return page->find(key); }

    std::shared_ptr<mem::MemoryHost> host;
    std::shared_ptr<mem::MemoryForm> form;
    std::shared_ptr<mem::MemoryObject> resizer;
    std::shared_ptr<mem::MemoryPageDialog> dialog;
    std::shared_ptr<mem::MemoryPropertyPage> page;
};

TEST_F(MemoryHostPages, DialogShowsThePagesInOrderAndLoadsEachWhenFirstShown) {
    // A fresh dialog: every page initialised, only the first one loaded.
    g_log.clear();
    dialog = host->open_property_pages(resizer);
    EXPECT_EQ(dialog->captions(), (std::vector<std::string>{"Resizing", "Panels", "Code"}));
    EXPECT_EQ(g_log, (std::vector<std::string>{"Resizing.Terminate", "Panels.Terminate",
                                               "Code.Terminate", "Resizing.Initialize",
                                               "Panels.Initialize", "Code.Initialize",
                                               "Resizing.SelectionChanged", "optA.GotFocus"}))
        << "the earlier dialog closes first; the focus goes to the first tab stop";
    g_log.clear();
    EXPECT_TRUE(dialog->select_page("&Code"));
    dialog->select_page(size_t{0});
    dialog->select_page(size_t{2});
    EXPECT_EQ(g_log, (std::vector<std::string>{"Code.SelectionChanged", "optA.GotFocus"}));
    EXPECT_FALSE(dialog->select_page("Nothing"));
    EXPECT_EQ(error_of([&] { dialog->select_page(size_t{3}); }), kErrSubscript);
}

TEST_F(MemoryHostPages, ApplyWritesThroughTheControlOnlyWhileAPageIsChanged) {
    auto& ctl = dynamic_cast<zokKelvane&>(*resizer->user_control());
    resizer->site()->clear_changed();
    EXPECT_FALSE(dialog->apply_enabled());
    EXPECT_FALSE(dialog->apply());
    EXPECT_TRUE(g_log.empty());

    page->set_changed(true);
    EXPECT_TRUE(dialog->apply_enabled());
    EXPECT_TRUE(dialog->apply());
    EXPECT_EQ(g_log, (std::vector<std::string>{"Resizing.ApplyChanges"}));
    EXPECT_EQ(ctl.ControlSettings(), "Text1 \tKKAAK");
    EXPECT_FALSE(page->changed());
    EXPECT_FALSE(dialog->apply_enabled());
    // The form now needs saving, and the saved bag carries the new text.
    EXPECT_FALSE(resizer->site()->changed_properties().empty());
    EXPECT_EQ(to_text(*resizer->write_properties()->get("ControlSettings")), "Text1 \tKKAAK");

    g_log.clear();
    dialog->page(1)->set_changed(true);
    dialog->cancel();
    EXPECT_EQ(g_log, (std::vector<std::string>{"Resizing.Terminate", "Panels.Terminate",
                                               "Code.Terminate"}))
        << "Cancel applies nothing";
    EXPECT_EQ(error_of([&] { dialog->apply(); }), kErrInvalidCall);

    dialog = host->open_property_pages(resizer);
    ctl.ControlSettings("");
    dialog->page(2)->set_changed(true);
    g_log.clear();
    dialog->ok();
    EXPECT_EQ(g_log, (std::vector<std::string>{"Code.ApplyChanges", "Resizing.Terminate",
                                               "Panels.Terminate", "Code.Terminate"}));
    EXPECT_EQ(ctl.ControlSettings(), "Text1 \tKKAAK");
    EXPECT_FALSE(dialog->is_open());
}

TEST_F(MemoryHostPages, ControlsMadeOnThePageBelongToIt) {
    EXPECT_EQ(page->type_name(), "PropertyPage");
    EXPECT_TRUE(same_object(c("picInner")->parent(), page)) << "MyControls through Parent";
    EXPECT_TRUE(same_object(c("picInner")->container(), c("pic")));
    EXPECT_EQ(page->controls()->count(), 12u);
    ASSERT_EQ(page->selected_extenders().size(), 1u);
    EXPECT_TRUE(same_object(page->selected_extenders()[0], resizer));
    EXPECT_TRUE(same_object(page->selected_extenders()[0]->parent(), form));
}

TEST_F(MemoryHostPages, OptionButtonsFormOneGroupPerContainer) {
    struct Step {
        const char* click;
        bool a, b, c;
        std::vector<std::string> log;
    };
    const std::vector<Step> steps = {
        // optA has the focus since the page was shown: it is the first tab stop.
        {"optA", true, false, false, {"optA.MouseDown", "optA.Click", "optA.MouseUp"}},
        {"optB",
         false,
         true,
         false,
         {"optA.LostFocus", "optB.GotFocus", "optB.MouseDown", "optB.Click", "optB.MouseUp"}},
        {"optC",
         false,
         true,
         true,
         {"optB.LostFocus", "optC.GotFocus", "optC.MouseDown", "optC.Click", "optC.MouseUp"}},
        {"optC", false, true, true, {"optC.MouseDown", "optC.Click", "optC.MouseUp"}},
    };
    for (const auto& s : steps) {
        g_log.clear();
        ASSERT_TRUE(page->click(c(s.click)));
        EXPECT_EQ(to_bool(c("optA")->get("Value")), s.a) << s.click;
        EXPECT_EQ(to_bool(c("optB")->get("Value")), s.b) << s.click;
        EXPECT_EQ(to_bool(c("optC")->get("Value")), s.c) << s.click;
        EXPECT_EQ(g_log, s.log) << s.click;
    }
    // Code turning an option on clicks it once; turning it on again does not.
    g_log.clear();
    c("optA")->set("Value", true);
    c("optA")->set("Value", true);
    EXPECT_FALSE(to_bool(c("optB")->get("Value")));
    EXPECT_EQ(g_log, (std::vector<std::string>{"optA.Click"}));
}

TEST_F(MemoryHostPages, CheckBoxTogglesAndDisabledControlsIgnoreTheHand) {
    EXPECT_EQ(to_double(c("chk")->get("Value")), 0);
    page->click(c("chk"));
    EXPECT_EQ(to_double(c("chk")->get("Value")), 1);
    page->click(c("chk"));
    EXPECT_EQ(to_double(c("chk")->get("Value")), 0);
    g_log.clear();
    c("chk")->set("Value", 1.0);
    c("chk")->set("Value", 1.0);
    EXPECT_EQ(g_log, (std::vector<std::string>{"chk.Click"})) << "code changing the value clicks";
    EXPECT_EQ(error_of([&] { c("chk")->set("Value", 3.0); }), 380);

    c("chk")->set("Enabled", false);
    c("fra1")->set(Prop::Visible, false);
    g_log.clear();
    EXPECT_FALSE(page->click(c("chk")));
    EXPECT_FALSE(page->click(c("optA"))) << "its frame is hidden";
    EXPECT_TRUE(g_log.empty());
    EXPECT_EQ(to_double(c("chk")->get("Value")), 1);
    EXPECT_EQ(error_of([&] { c("chk")->set_focus(); }), kErrInvalidCall);
    EXPECT_EQ(error_of([&] { c("lbl")->set_focus(); }), kErrNoSuchProperty);
}

TEST_F(MemoryHostPages, ComboBoxListIndexAndText) {
    auto cbo = c("cbo");
    for (const char* s : {"Form1", "Picture1", "Frame1"}) cbo->add_item(s);
    EXPECT_EQ(to_double(cbo->get("ListCount")), 3);
    EXPECT_EQ(to_double(cbo->get("ListIndex")), -1);
    g_log.clear();
    cbo->set("ListIndex", 1.0);
    EXPECT_EQ(to_text(cbo->get("Text")), "Picture1");
    EXPECT_EQ(g_log, (std::vector<std::string>{"cbo.Click"}));
    page->click_entry(cbo, 2);
    EXPECT_EQ(to_text(cbo->get("Text")), "Frame1");
    g_log.clear();
    page->type_text(cbo, "Typed");
    EXPECT_EQ(g_log, (std::vector<std::string>{"cbo.Change"}));
    EXPECT_EQ(to_text(cbo->get_item("List", 0)), "Form1");
    EXPECT_EQ(to_text(cbo->get_item("List", 3)), "") << "past the end is empty";
    EXPECT_EQ(error_of([&] { cbo->get_item("Selected", 0); }), kErrNoSuchProperty);
    EXPECT_EQ(error_of([&] { cbo->set("ListIndex", 3.0); }), 380);
    cbo->clear_items();
    EXPECT_EQ(to_double(cbo->get("ListCount")), 0);
    EXPECT_EQ(to_text(cbo->get("Text")), "");
    EXPECT_EQ(error_of([&] { c("cmd")->add_item("x"); }), kErrNoSuchProperty);

    // A sorted list places an entry by its text, letters without case, after its equals; at a
    // place the program names, there.
    cbo->set("Sorted", true);
    for (const char* s : {"b", "A", "c", "a"}) cbo->add_item(s);
    cbo->add_item("z", 1);
    std::vector<std::string> entries;
    for (int i = 0; i < 5; ++i) entries.push_back(to_text(cbo->get_item("List", i)));
    EXPECT_EQ(entries, (std::vector<std::string>{"A", "z", "a", "b", "c"}));
}

TEST_F(MemoryHostPages, MultiSelectListTogglesEntriesAndKeepsMarksAcrossEdits) {
    auto lst = c("lst");
    for (const char* s : {"List1", "Text1", "Text2", "Picture2"}) lst->add_item(s);
    page->click_entry(lst, 1);
    page->click_entry(lst, 3);
    page->click_entry(lst, 1);  // toggled off again
    EXPECT_FALSE(to_bool(lst->get_item("Selected", 1)));
    EXPECT_TRUE(to_bool(lst->get_item("Selected", 3)));
    EXPECT_EQ(to_double(lst->get("ListIndex")), 1);

    lst->add_item("First", 0);  // marks and the current entry move with their entries
    EXPECT_TRUE(to_bool(lst->get_item("Selected", 4)));
    EXPECT_EQ(to_double(lst->get("ListIndex")), 2);
    lst->remove_item(2);
    EXPECT_EQ(to_double(lst->get("ListIndex")), -1);
    EXPECT_EQ(to_text(lst->get_item("List", 2)), "Text2");
    EXPECT_EQ(to_double(lst->get("ListCount")), 4);
    EXPECT_EQ(error_of([&] { lst->remove_item(4); }), kErrInvalidCall);
    EXPECT_EQ(error_of([&] { lst->get_item("Selected", 4); }), 381);

    g_log.clear();
    page->dbl_click_entry(lst, 3);
    EXPECT_TRUE(to_bool(lst->get_item("Selected", 3)))
        << "a double-click leaves its entry selected";
    EXPECT_EQ(g_log, (std::vector<std::string>{"lst.Click", "lst.DblClick"}));
    lst->set_item("Selected", 0, true);
    EXPECT_TRUE(to_bool(lst->get_item("Selected", 0)));
    EXPECT_TRUE(to_bool(lst->get_item("Selected", 3))) << "multi-select keeps the others";
}

TEST_F(MemoryHostPages, LoadMakesAnInvisibleCopyOfTheLowestElement) {
    auto controls = page->controls();
    auto first = controls->add("VB.OptionButton", "optMove", c("pic"));
    EXPECT_EQ(error_of([&] { controls->load("optMove", 1); }), kErrNotAnArray);
    EXPECT_EQ(error_of([&] { controls->load("optNone", 1); }), kErrControlNotFound);

    auto form_ctl = page->add_control("OptionButton", "optArr", c("pic"), 0);
    form_ctl->move(100, 200, 300, 400);
    form_ctl->set(Prop::ToolTipText, "Fixed size.");
    form_ctl->set("Picture", "anchor0");
    form_ctl->set("Value", true);
    auto e1 = controls->load("optArr", 1);
    EXPECT_EQ(control_key(*e1), "optArr(1)");
    EXPECT_EQ(to_text(e1->get(Prop::ToolTipText)), "Fixed size.");
    EXPECT_EQ(to_text(e1->get("Picture")), "anchor0");
    EXPECT_FALSE(to_bool(e1->get(Prop::Visible)));
    EXPECT_FALSE(to_bool(e1->get("Value")));
    EXPECT_EQ(num(*e1, Prop::Width), 300);
    EXPECT_TRUE(same_object(e1->container(), c("pic")));
    EXPECT_TRUE(same_object(page->find("optArr(1)"), e1));
    EXPECT_EQ(error_of([&] { controls->load("optArr", 1); }), 360);
    (void)first;
}

TEST_F(MemoryHostPages, TabOrderFollowsTabIndexAndSkipsWhatCannotTakeTheFocus) {
    // Creation order gave optA, optB, optC, chk, cmd, cbo, lst, pic, picInner their tab indexes
    // (frames and labels take no focus; the options of the first frame are hidden with it).
    c("fra1")->set(Prop::Visible, false);
    c("optC")->set(Prop::TabStop, false);
    c("cbo")->set("Enabled", false);
    c("pic")->set(Prop::TabIndex, 0.0);
    c("lst")->set(Prop::TabIndex, 0.0);
    std::vector<std::string> visited;
    for (int i = 0; i < 6; ++i) {
        page->press_key(mem::kKeyTab);
        visited.push_back(control_key(*page->focused()));
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"lst", "pic", "chk", "cmd", "picInner", "lst"}))
        << "ties keep creation order; the hidden optA had the focus";
    page->press_key(mem::kKeyTab, 1);
    EXPECT_EQ(control_key(*page->focused()), "picInner");
    c("optC")->set_focus();  // SetFocus reaches a control without a tab stop
    EXPECT_EQ(control_key(*page->focused()), "optC");
}

// The focus a page opens with is the head of its tab order, found without sorting every stop:
// an option button heads it only as its group's stop.
TEST_F(MemoryHostPages, TheFirstTabStopIsTheHeadOfTheTabOrder) {
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"as made: an option heads", [] {}},
        {"another option of the group on", [&] { c("optB")->set("Value", true); }},
        {"a later stop takes index 0", [&] { c("cmd")->set(Prop::TabIndex, 0.0); }},
        {"its group hidden",
         [&] {
             c("cmd")->set(Prop::TabStop, false);
             c("fra1")->set(Prop::Visible, false);
         }},
        {"a plain control heads", [&] { c("optC")->set(Prop::TabStop, false); }},
        {"no stop left",
         [&] {
             for (const char* k : {"chk", "cbo", "lst", "pic", "picInner"})
                 c(k)->set(Prop::TabStop, false);
         }},
    };
    for (const auto& [what, step] : steps) {
        step();
        const auto order = page->tab_order();
        EXPECT_EQ(page->first_tab_stop(), order.empty() ? nullptr : order.front()) << what;
    }
    EXPECT_EQ(page->first_tab_stop(), nullptr);
}

TEST_F(MemoryHostPages, KeysReachThePageFirstWithKeyPreview) {
    page->focus(c("cmd"));
    g_log.clear();
    page->press_key(mem::kKeyF1);
    EXPECT_EQ(g_log, (std::vector<std::string>{"page.KeyDown 112", "cmd.KeyDown 112"}));
    page->set("KeyPreview", false);
    g_log.clear();
    page->press_key(mem::kKeyDelete);
    EXPECT_EQ(g_log, (std::vector<std::string>{"cmd.KeyDown 46"}));
}

TEST_F(MemoryHostPages, DragReportsThePointerWhereTheControlStandsNow) {
    // A handle that follows the pointer, as a size handle does.
    struct Follow : EventSink {
        ObjectRef handle;
        bool down = false;
        void on_mouse_down(int, int, float, float) override { down = true; }
        void on_mouse_move(int, int, float x, float y) override {
            if (!down) return;
            handle->move(num(*handle, Prop::Left) + x - num(*handle, Prop::ScaleWidth) / 2,
                         num(*handle, Prop::Top) + y - num(*handle, Prop::ScaleHeight) / 2);
        }
        void on_mouse_up(int, int, float, float) override { down = false; }
    } follow;
    auto handle = c("pic");
    handle->set(Prop::BorderStyle, 0.0);
    handle->move(1000, 1000, 120, 120);
    follow.handle = handle;
    auto conn = handle->hook_events(follow);
    EXPECT_TRUE(page->drag(handle, 600, -300, 4));
    EXPECT_DOUBLE_EQ(num(*handle, Prop::Left), 1600);
    EXPECT_DOUBLE_EQ(num(*handle, Prop::Top), 700);
    EXPECT_FALSE(follow.down);
}

class DesktopServices : public ::testing::Test {
  protected:
    void SetUp() override {
        host = mem::MemoryHost::install();
        dir = std::filesystem::temp_directory_path() / ("kv_pages_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::shared_ptr<mem::MemoryHost> host;
    std::filesystem::path dir;
};

TEST_F(DesktopServices, PrivateFileIsWrittenTruncatedAndNeverThroughALink) {
    PageHost& pages = Host::current().page_host();
    const auto file = dir / "KelvaneCode.tmp";
    pages.write_private_file(file, "a longer first text\r\n");
    pages.write_private_file(file, "second\r\n");
    EXPECT_EQ(read(file), "second\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    // A link planted where the file goes is refused, and its target is untouched.
    const auto target = dir / "victim.txt";
    std::ofstream(target) << "keep me";
    const auto link = dir / "planted.tmp";
    std::filesystem::create_symlink(target, link);
    EXPECT_EQ(error_of([&] { pages.write_private_file(link, "x"); }), 75);
    EXPECT_EQ(read(target), "keep me");
    EXPECT_EQ(error_of([&] { pages.write_private_file(dir, "x"); }), 75) << "a folder";
    const auto fifo = dir / "fifo.tmp";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(error_of([&] { pages.write_private_file(fifo, "x"); }), 75) << "not a regular file";
}

TEST_F(DesktopServices, DocumentsProgramsAndTheTemporaryFolder) {
    PageHost& pages = host->page_host();
    const auto doc = dir / "help page.html";
    std::ofstream(doc) << "<html></html>";
    pages.open_document(doc);
    EXPECT_EQ(host->opened_documents(), std::vector<std::string>{doc.string()});
    EXPECT_EQ(error_of([&] { pages.open_document((dir / "none.html").string()); }), 53);

    host->set_program_missing("gnome-system-monitor");
    EXPECT_FALSE(pages.start_program({"gnome-system-monitor"}));
    EXPECT_TRUE(pages.start_program({"viewer", "a b's \"file\""}));
    EXPECT_EQ(host->started_programs().back(),
              (std::vector<std::string>{"viewer", "a b's \"file\""}));

    const char* old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "";
    ::setenv("TMPDIR", "/var/tmp/x", 1);
    EXPECT_EQ(pages.temp_folder(), "/var/tmp/x");
    ::setenv("TMPDIR", "", 1);
    EXPECT_EQ(pages.temp_folder(), "/tmp");
    host->set_temp_folder(dir.string());
    EXPECT_EQ(pages.temp_folder(), dir.string());
    if (old)
        ::setenv("TMPDIR", saved.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
}

// Programs started for real are not waited for, yet reaped when they end: a designer that opens
// the code again and again used to keep a dead process for each.
TEST_F(DesktopServices, StartedProgramsLeaveNoDeadProcessBehind) {
    // This process's children, and how many of them are dead and not yet reaped.
    auto children = [] {
        int all = 0, dead = 0;
        for (const auto& e : std::filesystem::directory_iterator("/proc")) {
            const std::string name = e.path().filename().string();
            if (name.find_first_not_of("0123456789") != std::string::npos) continue;  // a process
            // A process may end while it is read: its file then reads as nothing.
            std::ifstream in(e.path() / "stat");
            std::string stat;
            if (!std::getline(in, stat)) continue;
            const size_t close = stat.rfind(')');
            if (close == std::string::npos) continue;
            char state = 0;
            int parent = 0;
            if (std::sscanf(stat.c_str() + close + 1, " %c %d", &state, &parent) != 2 ||
                parent != ::getpid())
                continue;
            ++all;
            dead += state == 'Z';
        }
        return std::pair{all, dead};
    };
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(mem::spawn_program({"true"}));
    ASSERT_FALSE(mem::spawn_program({"/nonexistent/program"}));
    // A child still running is not dead yet: wait until none is left, living or dead.
    for (int waited = 0; waited < 500 && children().first > 0; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(children(), std::pair(0, 0)) << "(children, of them dead and not reaped)";
}

}  // namespace
}  // namespace kv
