// kelvane about: the about box the resizer control's ShowAbout shows, and its System Info button.
#include <CLI/CLI.hpp>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/HelpText.h"
#include "control/AboutBox.h"
#include "engine/Error.h"
#include "host/memory/MemoryHost.h"

namespace kv::app {

namespace {

// The box's text as it shows: its lines, CR LF between them.
void print_box(std::ostream& out, const std::string& title, const std::string& text) {
    out << title << "\n\n";
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        out << text.substr(start, end - start) << "\n";
    out << text.substr(start) << "\n";
}

const char* kFooter =
    "Prints the title and text of the about box. --system-info then presses its \"System "
    "Info...\" button: the desktop's system-information tool is started (the first of "
    "gnome-system-monitor, plasma-systemmonitor, xfce4-taskmanager and hardinfo that is "
    "installed), or, where there is none, what the system says of itself is printed. "
    "Exit status: 0, or 1 when no tool could be started and the facts were printed instead.";

class AboutCommand : public Command {
  public:
    CLI::App* define(CLI::App& parent) override {
        CLI::App* app = parent.add_subcommand("about", "the product, its version and the system");
        app->add_flag("--system-info", system_info_,
                      "press \"System Info...\": start the system-information tool");
        app->footer(wrapped(kFooter));
        return app;
    }

    int run(std::ostream& out, std::ostream&) override {
        auto host = mem::MemoryHost::install();
        host->set_launch(true);
        show_about_box();
        const AboutBox& box = host->about_boxes().back();
        print_box(out, box.title, box.text);
        if (!system_info_) return 0;
        host->press_about_system_info();
        if (!host->started_programs().empty() && host->messages().empty()) {
            out << "started";
            for (const auto& arg : host->started_programs().back()) out << " " << arg;
            out << "\n";
            return 0;
        }
        out << "\n";
        for (const auto& m : host->messages()) print_box(out, m.title, m.text);
        return 1;
    }

  private:
    bool system_info_ = false;
};

}  // namespace

std::unique_ptr<Command> about_command() {
    return std::make_unique<AboutCommand>();
}

}  // namespace kv::app
