#include "pages/ppPanesLayout.h"

namespace kv {

std::vector<PageControlSpec> panes_layout() {
    return {
        {"VB.Label", "lblContainers", -1, nullptr, 120, 120, 3600, 240,
         "Available Split &Panel Containers:"},
        {"VB.ComboBox", "cboContainers", -1, nullptr, 120, 360, 3600, 315},
        {"VB.Label", "lblChilds", -1, nullptr, 120, 840, 2400, 240, "Controls &not used :"},
        {"VB.ListBox", "lstChilds", -1, nullptr, 120, 1080, 2400, 2820},
        {"VB.CommandButton", "cmdAdd", -1, nullptr, 2640, 1800, 480, 375, ">"},
        {"VB.CommandButton", "cmdRemove", -1, nullptr, 2640, 2280, 480, 375, "<"},
        {"VB.Label", "lblPaned", -1, nullptr, 3240, 840, 2400, 240, "Pane &controls:"},
        {"VB.ListBox", "lstPaned", -1, nullptr, 3240, 1080, 2400, 2820},
        {"VB.Label", "lblErr", -1, nullptr, 120, 4080, 5520, 720},
        {"VB.PictureBox", "picDemo", -1, nullptr, 5880, 360, 2400, 3540},
        {"VB.Label", "ShadowTitlebar", -1, "picDemo", 120, 120, 2100, 240,
         "          without doubt yrn't very clever",
         "Without doubt You are not very clever!!! (a simple live philosophy...)"},
        {"VB.Label", "ShadowCtrlBox", -1, "picDemo", 1980, 150, 210, 180, "x"},
        {"VB.Label", "ShadowMenu", -1, "picDemo", 120, 360, 2100, 210,
         " O    File   Edit   Whatever   You   Like"},
        {"VB.PictureBox", "ShadowForm", -1, "picDemo", 120, 570, 2100, 1500},
        {"VB.PictureBox", "ShadowClip", -1, "picDemo", 120, 3000, 90, 90},
        {"VB.Label", "ShadowContainer", -1, "picDemo", 300, 3000, 1920, 240,
         "Split panel container"},
    };
}

}  // namespace kv
