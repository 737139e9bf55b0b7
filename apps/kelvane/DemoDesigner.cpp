#include "apps/kelvane/DemoDesigner.h"

#include <fstream>
#include <sstream>

#include "apps/kelvane/DemoForm.h"
#include "apps/kelvane/DesignFile.h"
#include "apps/kelvane/GeometryTable.h"
#include "apps/kelvane/Renderer.h"
#include "apps/kelvane/Session.h"
#include "engine/Error.h"
#include "host/frm/FrmReader.h"

namespace kv::app {

namespace fs = std::filesystem;

namespace {

// Each "picture" line of the script is one step of the tour; its title comes from the comment
// line just above it.
const char* kScript =
    R"(# the pages open on the form's resizer: the controls page shows a shadow of the form
picture @DIR@/design1.png
# the folder list keeps its width and scales its font, the message list grows wider,
# the preview wider and taller, the view frame, the separator and the buttons keep to their edges and corners
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
apply
# back on the controls page, "Resizing Used" colours the shadows as the run time will
# use them: the folder list guides the pane and is offered only the pane's choices
page Resizing
view 2
click lstFolders
picture @DIR@/design5.png
# the code page writes the same set-up as source for the form's load event
page Code
code
picture @DIR@/design6.png
ok
)";

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

std::string demo_designer_script() {
    return kScript;
}

bool run_demo_designer(const fs::path& dir, std::ostream& out, std::ostream& err) {
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir, ec);
    const std::string form_path = (dir / "frmMail.frm").string();
    write_file(form_path, demo_form_text());
    const std::string script_path = (dir / "design.txt").string();
    write_file(script_path, with_dir(kScript, dir.string()));
    out << "== the designer: the same form without a set-up, set up on the property pages by\n"
        << "   the page actions of " << script_path << " (kelvane design " << form_path
        << " --script " << script_path << ")\n";

    DesignJob job;
    job.form_path = form_path;
    job.script_name = script_path;
    job.temp_folder = dir.string();
    std::ostringstream log;
    DesignOutcome outcome;
    try {
        outcome =
            design_form_file(job, parse_design_script(read_file(script_path), script_path), log);
    } catch (const ScriptError& e) {
        err << e.what() << "\n";
        return false;
    }
    // The comment above each picture says what it shows.
    std::istringstream script(kScript);
    std::string comment;
    bool in_comment = false;
    int step = 0;
    for (std::string line; std::getline(script, line);) {
        const bool is_comment = line.starts_with("# ");
        if (is_comment) comment = (in_comment ? comment + " " : "") + line.substr(2);
        in_comment = is_comment;
        if (line.starts_with("picture "))
            out << "  " << ++step << ". " << comment << ": "
                << with_dir(line.substr(8), dir.string()) << "\n";
    }
    // The pictures are listed above; the rest (message boxes, the code file) as it came.
    std::istringstream lines(log.str());
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with("wrote ")) out << line << "\n";
    print_design_outcome(out, outcome);
    if (!outcome.applied) {
        err << "the designer applied nothing\n";
        return false;
    }
    out << "saved " << form_path << "; the code page wrote:\n"
        << read_file(dir / "KelvaneCode.tmp") << "\n";

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
