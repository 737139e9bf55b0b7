#pragma once
// Form files of any size for the whole-command benchmark: a form of N controls, in panels (a
// PictureBox or a Frame) of ten controls each, every kind the tools draw (text boxes, labels,
// buttons, lists, lines), with a resizer whose ControlSettings has a line per control (or none)
// and whose PaneSettings splits the first panels.
#include <string>

namespace kv::bench {

struct BigFormSpec {
    int controls = 100000;  // controls other than the resizer, panels included
    bool settings = true;   // a ControlSettings line for every control
    int panes = 4;          // PaneSettings lines (each splits two panels)
    std::string name = "frmBig";
    std::string frx_name = "frmBig.frx";  // the file name the form refers to its .frx by
};

struct BigForm {
    std::string frm;  // the form file (CR LF line ends, ASCII)
    std::string frx;  // its .frx: the settings texts
};

BigForm big_form(const BigFormSpec& spec);

}  // namespace kv::bench
