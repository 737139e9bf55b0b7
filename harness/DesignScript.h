#pragma once
// The page actions of `kelvane design --script`: one action per line, what a developer's hand
// does on the property pages. Blank lines and lines starting with "#" are skipped.
//
//   page Resizing|Panels|Code        show a page
//   click KEY | dblclick KEY | focus KEY
//                                    a control's shadow, by its control key (Text1, List1(3))
//   click-form                       the shadow form
//   key Delete|F1                    press a key
//   choice 0..10                     an anchoring choice;  font keep|change
//   tick NAME | untick NAME          NAME: AddAllControls or AddAllFontsButtons
//   view 0|1|2                       a colour view
//   drag DX,DY                       drag the size handle by DX, DY twips
//   container NAME                   choose a split pane container
//   select free|pane KEY...          select entries of "Controls not used" or "Pane controls"
//   add | remove                     press ">" or "<"
//   apply | ok | cancel              the dialog's buttons
//   code                             press "Get VB Code" on the Code page
//   picture FILE.png                 a picture of the current page
//   preview                          print where the preview's shadows stand: the form's size
//                                    and each control's place in its container's units
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kv::app {

struct DesignAction {
    enum Kind {
        Page,
        Click,
        DblClick,
        Focus,
        ClickForm,
        Key,
        Choice,
        Font,
        Tick,
        Untick,
        View,
        Drag,
        Container,
        Select,
        Add,
        Remove,
        Apply,
        Ok,
        Cancel,
        Code,
        Picture,
        Preview
    } kind{};
    int line = 0;                    // 1-based line of the script
    std::string text;                // page, key, list ("free"/"pane"), container, check box, file
    std::vector<std::string> items;  // the keys of select
    int number = 0;                  // choice, font (0 keep, 1 change), view, key code
    double dx = 0, dy = 0;           // drag
    std::string source;              // the line as written, for messages
};

// A script error, its message ready to print: "SCRIPT:LINE: expected ..., found ...".
class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Parse a whole script; `script_name` prefixes the error messages ("-" for standard input).
std::vector<DesignAction> parse_design_script(std::string_view script,
                                              const std::string& script_name);

}  // namespace kv::app
