// kelvane render: a picture of the form after the user's steps.
#include <CLI/CLI.hpp>
#include <filesystem>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/FormArguments.h"
#include "apps/kelvane/HelpText.h"
#include "apps/kelvane/StepOptions.h"
#include "harness/FormRun.h"
#include "harness/LoadNote.h"
#include "harness/UsageError.h"
#include "picture/PictureFile.h"
#include "picture/Renderer.h"

namespace kv::app {

namespace {

namespace fs = std::filesystem;

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& n : names) text += (text.empty() ? "" : ", ") + n;
    return text;
}

bool same_file(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
    return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

class RenderCommand : public Command {
  public:
    CLI::App* define(CLI::App& parent) override {
        CLI::App* app = parent.add_subcommand("render", "draw the form after the steps");
        add_form_arguments(*app, form_);
        steps_.add_to(*app);
        app->add_option("-o,--out", out_, "the picture to write, in the format its extension names")
            ->required()
            ->option_text("FILE.png")
            ->check(CLI::Validator(
                [](std::string& path) -> std::string {
                    if (image_format(path)) return {};
                    return "'" + path + "' names no image format that can be written (" +
                           joined(image_formats()) + ")";
                },
                ""));
        add_store_argument(*app, form_);
        app->footer(wrapped(
            "Loads the form in run mode, shows it, applies the steps as layout does and writes "
            "a picture of its client area with every control drawn at its laid-out geometry. "
            "The form is not closed, so nothing is saved even with --store. The picture never "
            "replaces the form file." +
            std::string(kLoadWarningsHelp)));
        return app;
    }

    int run(std::ostream& out, std::ostream& err) override {
        if (same_file(out_, form_.path))
            throw UsageError("--out: '" + out_ + "' is the form file itself");
        FormRun run(form_);
        const PictureGuard guard(run.file().own_files());
        print_load_warnings(err, run.file().notes());
        run.apply(steps_.steps());
        std::string error;
        if (!render_picture(run.session().snapshot(), run.session().host().twips_per_pixel_x(),
                            out_, error))
            throw UsageError(error);
        out << "wrote " << out_ << "\n";
        return 0;
    }

  private:
    FormOptions form_;
    StepOptions steps_;
    std::string out_;
};

}  // namespace

std::unique_ptr<Command> render_command() {
    return std::make_unique<RenderCommand>();
}

}  // namespace kv::app
