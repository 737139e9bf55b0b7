// The about box of ShowAbout and the help the pages open: a system-information tool when the
// desktop has one, the system's own facts when it has none, and a shipped help page per page.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "control/AboutBox.h"
#include "control/zokKelvane.h"
#include "host/memory/MemoryHost.h"
#include "pages/HelpLauncher.h"

namespace kv {
namespace {

// The designer reaches the control's about box beside its pages (the dialog's About button),
// as the program reaches it through ShowAbout: one box, through the host, no message.
TEST(AboutBox, TheDesignerAndTheProgramShowTheSameAboutBox) {
    auto host = mem::MemoryHost::install();
    host->register_user_control(kZokKelvaneClassId, make_zokKelvane);
    auto form = host->create_form("Form1");
    auto ext = form->add_user_control(kZokKelvaneClassId, "zokKelvane1");
    auto& control = dynamic_cast<zokKelvane&>(*ext->user_control());
    control.ShowAbout();
    ASSERT_TRUE(ext->user_control()->about_box());
    ASSERT_EQ(host->about_boxes().size(), 2u);
    EXPECT_EQ(host->about_boxes()[0].title, host->about_boxes()[1].title);
    EXPECT_EQ(host->about_boxes()[0].text, host->about_boxes()[1].text);
    EXPECT_EQ(host->about_boxes()[0].text.rfind(
                  std::string("zokKelvane\r\nVersion ") + kelvane_version() + "\r\n", 0),
              0u);
    EXPECT_TRUE(host->messages().empty());
}

TEST(AboutBox, SystemInfoStartsTheFirstToolTheDesktopHas) {
    auto host = mem::MemoryHost::install();
    show_about_box();
    host->set_program_missing("gnome-system-monitor");
    host->press_about_system_info();
    ASSERT_EQ(host->started_programs().size(), 2u);
    EXPECT_EQ(host->started_programs()[1], std::vector<std::string>{"plasma-systemmonitor"});
    EXPECT_TRUE(host->messages().empty());
}

TEST(AboutBox, WithoutAToolTheSystemsOwnFactsAreShown) {
    auto host = mem::MemoryHost::install();
    for (const auto& tool : system_info_tools()) host->set_program_missing(tool[0]);
    show_about_box();
    host->press_about_system_info();
    ASSERT_EQ(host->messages().size(), 1u);
    EXPECT_EQ(host->messages()[0].title, "System Information");
    EXPECT_NE(host->messages()[0].text.find("Operating system: "), std::string::npos);
    EXPECT_NE(host->messages()[0].text.find("Processors: "), std::string::npos);
}

TEST(HelpLauncher, EachPageHasAShippedHelpPageThatSaysWhatItsControlsDo) {
    auto host = mem::MemoryHost::install();
    struct Case {
        int context;
        const char* file;
        std::vector<std::string> mentions;
    };
    const std::vector<Case> cases = {
        {1000, "code.html", {"Get VB Code", "KelvaneCode.tmp"}},
        {1010,
         "panes.html",
         {"Available Split Panel Containers", "Controls not used", "Pane controls"}},
        {1020,
         "controls.html",
         {"AddAllControls", "AddAllFontsButtons", "Resize Handle", "Delete"}},
        {7, "index.html", {"code.html", "panes.html", "controls.html"}},
    };
    // They are found beside the program (share/kelvane/help next to its bin/), not in the source
    // tree it was built from: an installed program finds its own.
    const auto program = std::filesystem::read_symlink("/proc/self/exe");
    const auto beside = program.parent_path().parent_path() / "share" / "kelvane" / "help";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        show_help(c.context);
        const std::string path = host->opened_documents().back();
        EXPECT_EQ(std::filesystem::path(path), beside / c.file);
        std::ifstream in(path);
        const std::string html(std::istreambuf_iterator<char>(in), {});
        for (const auto& m : c.mentions) EXPECT_NE(html.find(m), std::string::npos) << m;
    }
    host->set_help_folder("");
    try {
        show_help(1000);
        ADD_FAILURE() << "opened without help pages";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), 53);
    }
}

}  // namespace
}  // namespace kv
