#include "harness/DemoDesigner.h"

#include <fstream>
#include <sstream>

#include "engine/Error.h"
#include "harness/DemoForm.h"
#include "harness/DesignFile.h"
#include "harness/GeometryTable.h"
#include "harness/Session.h"
#include "host/frm/FrmReader.h"
#include "picture/Renderer.h"

namespace kv::app {

namespace fs = std::filesystem;

namespace {

// Each "picture" line of a script is one step of the tour; its title comes from the comment
// lines just above it. The developer sets the form up and applies; then opens the pages again,
// where the stored split pane is part of the preview.
const char* kScripts[] = {
    R"(# the pages open on the form's resizer: the controls page shows a shadow of the form
picture @DIR@/design1.png
# the folder list keeps its width and scales its font, the message list grows wider,
# the preview wider and taller, the view frame, the separator and the buttons keep to
# their edges and corners
click lstFolders
choice 3
font change
click lstMessages
choice 1
click txtPreview
choice 4
click fraView
choice 6
click cmdOK
choice 8
click cmdCancel
choice 8
click linSep
choice 7
picture @DIR@/design2.png
# "Resizing Set" colours each shadow by its choice; the size handle previews a resize
view 1
drag 1500,900
picture @DIR@/design3.png
# a click on the shadow form puts it back to its design size
click-form
# the panels page: the folders, messages and preview lists become one split pane
page Panels
container frmMail
select free lstFolders lstMessages txtPreview
add
picture @DIR@/design4.png
ok
)",
    R"(# opened again, "Resizing Used" colours the shadows as the run time will use them:
# the folder list guides the pane and is offered only the pane's choices
view 2
click lstFolders
picture @DIR@/design5.png
# the code page writes the same set-up as source for the form's load event
page Code
code
picture @DIR@/design6.png
cancel
)"};

std::string with_dir(std::string text, const std::string& dir) {
    const std::string mark = "@DIR@";
    for (size_t at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + dir.size()))
        text.replace(at, mark.size(), dir);
    return text;
}

void write_file(const fs::path& path, const std::string& text) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << text;
    if (!f) throw Error(75, "cannot write '" + path.string() + "'");
}

std::string read_file(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

}  // namespace

std::vector<std::string> demo_designer_scripts() {
    return {std::begin(kScripts), std::end(kScripts)};
}

namespace {

// One session on the pages: the script written beside the form, run, its steps listed with
// their pictures, then what the pages printed and the resulting settings.
bool design_session(const fs::path& dir, const std::string& script, const std::string& name,
                    int& step, DesignOutcome& outcome, std::ostream& out, std::ostream& err) {
    const std::string form_path = (dir / "frmMail.frm").string();
    const std::string script_path = (dir / name).string();
    write_file(script_path, with_dir(script, dir.string()));
    out << "   kelvane design " << form_path << " --script " << script_path << "\n";
    DesignJob job;
    job.form_path = form_path;
    job.script_name = script_path;
    job.temp_folder = dir.string();
    std::ostringstream log;
    try {
        outcome =
            design_form_file(job, parse_design_script(read_file(script_path), script_path), log);
    } catch (const ScriptError& e) {
        err << e.what() << "\n";
        return false;
    }
    std::istringstream lines(script);
    std::string comment;
    bool in_comment = false;
    for (std::string line; std::getline(lines, line);) {
        const bool is_comment = line.starts_with("# ");
        if (is_comment) comment = (in_comment ? comment + " " : "") + line.substr(2);
        in_comment = is_comment;
        if (line.starts_with("picture "))
            out << "  " << ++step << ". " << comment << ": "
                << with_dir(line.substr(8), dir.string()) << "\n";
    }
    // The pictures are listed above; the rest (message boxes, the code file) as it came.
    std::istringstream printed(log.str());
    for (std::string line; std::getline(printed, line);)
        if (!line.starts_with("wrote ")) out << "  " << line << "\n";
    return true;
}

}  // namespace

bool run_demo_designer(const fs::path& dir, std::ostream& out, std::ostream& err) {
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir, ec);
    const std::string form_path = (dir / "frmMail.frm").string();
    write_file(form_path, demo_form_text());
    out << "== the designer: the same form without a set-up, set up on the property pages by\n"
        << "   a developer's hand, a script of page actions:\n";
    int step = 0;
    DesignOutcome outcome;
    if (!design_session(dir, kScripts[0], "design.txt", step, outcome, out, err)) return false;
    if (!outcome.applied) {
        err << "the designer applied nothing\n";
        return false;
    }
    print_design_outcome(out, outcome);
    out << "saved " << form_path << "; then the pages open again:\n";
    if (!design_session(dir, kScripts[1], "design-again.txt", step, outcome, out, err))
        return false;
    out << "the code page wrote:\n" << read_file(dir / "KelvaneCode.tmp") << "\n";

    // The saved form at work: the choices made on the pages, resized by its user.
    Session session("");
    session.load(frm::FrmReader::read_file(form_path));
    session.show();
    session.form().user_resize(12600, 8700);
    session.settle();
    const Snapshot s = session.snapshot();
    const std::string title = "the form set up on the pages, resized by its user to 12600 x 8700";
    out << "== " << title << "\n";
    print_table(out, s);
    const std::string picture = (dir / "design7.png").string();
    std::string error;
    if (!render_picture(s, session.host().twips_per_pixel_x(), picture, error, title)) {
        err << error << "\n";
        return false;
    }
    out << "  picture: " << picture << "\n";
    return true;
}

}  // namespace kv::app
