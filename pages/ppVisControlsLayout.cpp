#include "pages/ppVisControlsLayout.h"

#include <array>
#include <string>

#include "pages/AnchorChoice.h"

namespace kv {

namespace {

constexpr std::array<const char*, 11> kDigits{"0", "1", "2", "3", "4", "5",
                                              "6", "7", "8", "9", "10"};
constexpr std::array<const char*, 3> kViews{"&Original", "Resizing S&et", "Resizing &Used"};

}  // namespace

std::vector<PageControlSpec> vis_controls_layout() {
    std::vector<PageControlSpec> t = {
        {"VB.PictureBox", "picDemo", -1, nullptr, 120, 120, 4920, 3720},
        {"VB.PictureBox", "picShadowBorder", -1, "picDemo", 0, 0, 100, 100},
        {"VB.PictureBox", "picShadowForm", -1, "picDemo", 0, 0, 100, 100},
        {"VB.PictureBox", "picSizeHandle", -1, "picDemo", 0, 0, 150, 150, nullptr,
         "Resize Handle for Testing"},
        {"VB.PictureBox", "picSelector", 0, "picDemo", 0, 0, 60, 60},
        {"VB.Frame", "fraResizing", -1, nullptr, 5160, 60, 3600, 2760, "Selected Control Resizing"},
        {"VB.Label", "lblAbsolute", -1, "fraResizing", 120, 240, 1560, 240, "&Absolute Style:"},
        {"VB.PictureBox", "picAbsTab", -1, "fraResizing", 45, 480, 30, 30},
    };
    // The anchoring choices show their pictures alone.
    for (int i = 0; i <= 8; ++i)
        t.push_back({"VB.OptionButton", "optMove", i, "fraResizing", 120.0 + (i % 3) * 480,
                     480.0 + (i / 3) * 480, 450, 450, ""});
    t.push_back(
        {"VB.Label", "lblStretch", -1, "fraResizing", 1680, 240, 1380, 240, "&Stretching Style:"});
    t.push_back({"VB.PictureBox", "picStretchTab", -1, "fraResizing", 1740, 480, 30, 30});
    t.push_back({"VB.OptionButton", "optMove", 9, "fraResizing", 1800, 480, 450, 450, ""});
    t.push_back({"VB.OptionButton", "optMove", 10, "fraResizing", 2400, 480, 450, 450, ""});
    t.push_back({"VB.Label", "lblFontChange", -1, "fraResizing", 120, 2040, 600, 240, "&Font:"});
    t.push_back({"VB.PictureBox", "picFont", -1, "fraResizing", 840, 1980, 2640, 360});
    t.push_back({"VB.OptionButton", "optFont", 0, "picFont", 0, 60, 1020, 255, "Keep"});
    t.push_back({"VB.OptionButton", "optFont", 1, "picFont", 1140, 60, 1020, 255, "Change"});
    t.push_back({"VB.PictureBox", "picAbsTab2", -1, "fraResizing", 45, 2520, 30, 30});
    t.push_back({"VB.Frame", "fraDefaults", -1, nullptr, 5160, 2880, 3600, 960, "Defaults"});
    t.push_back({"VB.CheckBox", "chkAddAllControls", -1, "fraDefaults", 120, 240, 2880, 255,
                 "AddA&llControls"});
    t.push_back({"VB.CheckBox", "chkAddAllFontsButtons", -1, "fraDefaults", 120, 560, 2880, 255,
                 "AddAllFonts&Buttons"});
    t.push_back({"VB.Frame", "fraColorView", -1, nullptr, 120, 3900, 4920, 1140,
                 "Colors Shown in Form Shadow above"});
    for (int i = 0; i < 3; ++i)
        t.push_back({"VB.OptionButton", "optColorView", i, "fraColorView", 120, 240.0 + i * 280,
                     1800, 255, kViews[static_cast<size_t>(i)]});
    for (int i = 0; i <= 10; ++i) {
        const bool grid = i <= 8;
        t.push_back({"VB.Label", "lblclr", i, "fraColorView",
                     grid ? 2280.0 + (i % 3) * 330 : 3420.0,
                     grid ? 240.0 + (i / 3) * 280 : 240.0 + (i - 9) * 280, 300, 255,
                     kDigits[static_cast<size_t>(i)]});
    }
    t.push_back({"VB.Label", "lblMsg", -1, nullptr, 5160, 3900, 3600, 1140, ""});
    for (auto& spec : t)
        if (std::string(spec.name) == "optMove") spec.tooltip = choice_tooltip(spec.index).data();
    return t;
}

}  // namespace kv
