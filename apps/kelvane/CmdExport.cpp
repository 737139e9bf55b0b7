// kelvane export: form files as Qt Designer forms that resize the same.
#include <unistd.h>
#include <CLI/CLI.hpp>
#include <cctype>
#include <filesystem>
#include <iostream>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/HelpText.h"
#include "apps/kelvane/UserFile.h"
#include "engine/Error.h"
#include "harness/FormFile.h"
#include "harness/ShownText.h"
#include "harness/UsageError.h"
#include "host/export/FormFileExport.h"
#include "host/frm/CodePage.h"
#include "host/frm/FrmError.h"

namespace kv::app {

namespace {

namespace fs = std::filesystem;

std::string plural(size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string summary(const exporter::ExportReport& r) {
    std::string s = plural(r.controls, "control", "controls") + ", " +
                    plural(r.placeholders, "placeholder", "placeholders");
    if (r.actions) s += ", " + plural(r.actions, "menu item", "menu items");
    s += ", " + plural(r.pictures, "picture", "pictures");
    return s;
}

bool is_form_file(const fs::path& p) {
    std::string ext = p.extension().string();
    for (auto& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".frm";
}

// A bar on a terminal, redrawn in place; nothing elsewhere.
class Progress {
  public:
    Progress(size_t total, bool on) : total_(total), on_(on) {}
    void show(size_t done, const std::string& what) {
        if (!on_) return;
        constexpr int kWidth = 30;
        const int filled = total_ ? static_cast<int>(done * kWidth / total_) : kWidth;
        std::string name = what.size() > 40 ? "..." + what.substr(what.size() - 37) : what;
        std::cerr << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, '.') << "] "
                  << done << "/" << total_ << " " << shown(name) << "\x1b[K" << std::flush;
    }
    void clear() {
        if (on_) std::cerr << "\r\x1b[K" << std::flush;
    }

  private:
    size_t total_;
    bool on_;
};

// The folders a form's .ui goes into, made for it; taken away again (those still empty) when
// the form could not be exported, so that a failed form leaves no trace in the output.
class FoldersMade {
  public:
    explicit FoldersMade(const fs::path& folder) {
        std::error_code ec;
        for (fs::path f = folder; !f.empty() && !fs::exists(f, ec); f = f.parent_path())
            made_.push_back(f);
        fs::create_directories(folder);
    }
    ~FoldersMade() {
        std::error_code ec;
        for (const fs::path& f : made_)  // the deepest first; remove() leaves one not empty
            if (!fs::remove(f, ec)) break;
    }
    void keep() { made_.clear(); }
    FoldersMade(const FoldersMade&) = delete;
    FoldersMade& operator=(const FoldersMade&) = delete;

  private:
    std::vector<fs::path> made_;
};

class ExportCommand : public Command {
  public:
    CLI::App* define(CLI::App& parent) override {
        CLI::App* app = parent.add_subcommand(
            "export", "turn form files into Qt Designer forms that resize the same");
        app->add_option("form", form_, "the form file to export")->option_text("FORM.frm");
        app->add_option("--all", all_, "export every form file under this folder instead")
            ->option_text("DIR");
        app->add_option("-o,--out", out_,
                        "the .ui to write, or a folder (one that exists, or a name ending in /) "
                        "to write FORM.ui into (default: FORM.ui beside the form); with --all the "
                        "folder the forms go to, as they lie under DIR")
            ->option_text("FILE.ui|OUTDIR");
        app->add_option("--dpi", dpi_, "pixels per inch the twips become pixels at")
            ->check(CLI::IsMember({96, 120, 144, 192}))
            ->option_text("96|120|144|192");
        app->add_option("--codepage", codepage_, "code page of forms that are not UTF-8");
        app->footer(wrapped(
            "Writes a Qt Designer form (.ui) per form file: a QWidget form, or a QMainWindow with "
            "its menu bar when the form has menus (an MDI parent's client area a QMdiArea); every "
            "control as the Qt widget the Qt host shows it with, named as the control (an array "
            "element as NAME_INDEX), its geometry in pixels at --dpi, caption or text, font, "
            "colours, tooltip, visibility, enabled state, tab order and list entries; pictures "
            "of the .frx as files beside the .ui with a Qt resource file; the resizer as a "
            "kelvane::ResizerWidget with its settings under the exported names. A toolbar or "
            "status bar of the common controls becomes a frame whose layout holds a tool button "
            "per button (its image list picture with it) or a label per panel; a progress bar, "
            "slider, list view, tree view, data grid, flex grid, rich text box or masked edit box "
            "Qt's own. A control of a class no Qt widget stands for becomes a placeholder "
            "frame named after it, its "
            "tooltip naming the class. A summary line per form goes to stderr (with --all a "
            "progress bar on a terminal and a total). Exit status: 0 done, 1 placeholders were "
            "made, 2 a form could not be read or written (with --all the others still go)."));
        return app;
    }

    int run(std::ostream& out, std::ostream& err) override {
        if (all_.empty() == form_.empty())
            throw UsageError(all_.empty() ? "a form file or --all DIR is required"
                                          : "give a form file or --all DIR, not both");
        if (!codepage_.empty() && !frm::encoding_known(codepage_))
            throw UsageError("--codepage: unknown code page '" + codepage_ + "'");
        exporter::ExportOptions options;
        options.dpi = dpi_;
        if (!all_.empty()) return run_all(options, out, err);
        // Read as a form file it would fail at its first line, and its own name is the default
        // target: neither says what is wrong.
        if (is_ui_path(form_))
            throw UsageError("'" + form_ +
                             "' is a Qt Designer form already: export turns form files (.frm) "
                             "into .ui files");
        const std::string ui = target_of(form_, out_);
        check_target(form_, ui);
        const auto done = exporter::export_form_file(form_, ui, options, codepage_);
        report(err, form_, ui, done.report);
        return done.report.placeholders ? 1 : 0;
    }

  private:
    // -o names the .ui, or the folder it goes into as a copy would take it: a folder that
    // exists, or a new one when the name ends in a slash.
    static std::string target_of(const std::string& form, const std::string& out) {
        const fs::path named = fs::path(form).filename().replace_extension(".ui");
        if (out.empty()) return fs::path(form).replace_extension(".ui").string();
        if (out.back() == '/') {
            make_user_folder("--out", out);
            return (fs::path(out) / named).string();
        }
        if (std::error_code ec; fs::is_directory(out, ec)) return (fs::path(out) / named).string();
        return out;
    }

    static void check_target(const std::string& form, const std::string& ui) {
        std::error_code ec;
        if (fs::exists(ui, ec) && fs::equivalent(form, ui, ec))
            throw UsageError("--out: '" + ui + "' is the form file itself");
        // A form's .frx (its own or another's) holds what no .ui could give back.
        std::string ext = fs::path(ui).extension().string();
        for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext == ".frx" || ext == ".frm")
            throw UsageError("--out: '" + ui + "' names a form file or its .frx; the export " +
                             "writes a .ui");
    }

    static void report(std::ostream& err, const std::string& form, const std::string& ui,
                       const exporter::ExportReport& r) {
        err << shown(form) << " -> " << shown(ui) << ": " << summary(r) << "\n";
        for (const auto& note : r.notes) err << "  " << shown(note) << "\n";
    }

    int run_all(const exporter::ExportOptions& options, std::ostream&, std::ostream& err) {
        if (out_.empty()) throw UsageError("--all needs -o OUTDIR, the folder the forms go to");
        std::error_code ec;
        if (!fs::is_directory(all_, ec)) throw UsageError("--all: '" + all_ + "' is no folder");
        // Said once, not once a form.
        if (fs::exists(out_, ec) && !fs::is_directory(out_, ec))
            throw UsageError("--out: '" + out_ + "' is a file, not the folder the forms go to");

        std::vector<fs::path> forms;
        for (auto it = fs::recursive_directory_iterator(all_, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
            if (it->is_regular_file(ec) && is_form_file(it->path())) forms.push_back(it->path());
        std::sort(forms.begin(), forms.end());
        Progress progress(forms.size(), isatty(STDERR_FILENO) == 1);
        exporter::ExportReport total;
        size_t failed = 0;
        for (size_t i = 0; i < forms.size(); ++i) {
            const fs::path rel = fs::relative(forms[i], all_, ec);
            const fs::path ui = (fs::path(out_) / rel).replace_extension(".ui");
            progress.show(i, rel.string());
            try {
                FoldersMade folders(ui.parent_path());
                check_target(forms[i].string(), ui.string());
                const auto done =
                    exporter::export_form_file(forms[i].string(), ui.string(), options, codepage_);
                folders.keep();
                progress.clear();
                report(err, forms[i].string(), ui.string(), done.report);
                total.controls += done.report.controls;
                total.placeholders += done.report.placeholders;
                total.actions += done.report.actions;
                total.pictures += done.report.pictures;
            } catch (const frm::FrmError& e) {
                progress.clear();
                err << shown(e.what()) << "\n";
                ++failed;
            } catch (const UsageError& e) {
                progress.clear();
                err << shown(forms[i].string()) << ": " << e.what() << "\n";
                ++failed;
            } catch (const Error& e) {
                progress.clear();
                err << shown(forms[i].string()) << ": error " << e.number() << ": "
                    << e.description() << "\n";
                ++failed;
            } catch (const std::exception& e) {
                progress.clear();
                err << shown(forms[i].string()) << ": " << shown(e.what()) << "\n";
                ++failed;
            }
        }
        progress.show(forms.size(), "");
        progress.clear();
        err << "total: " << plural(forms.size() - failed, "form", "forms") << " exported";
        if (failed) err << ", " << failed << " failed";
        err << "; " << summary(total) << "\n";
        if (failed) return 2;
        return total.placeholders ? 1 : 0;
    }

    std::string form_, all_, out_, codepage_;
    int dpi_ = 96;
};

}  // namespace

std::unique_ptr<Command> export_command() {
    return std::make_unique<ExportCommand>();
}

}  // namespace kv::app
