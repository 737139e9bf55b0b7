#pragma once
// The demo's designer part: a developer sets the mail form up on the property pages instead of
// typing the settings, then the saved form is resized to show that the set-up works.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace kv::app {

// The page actions the developer's hand performs, one script per opening of the pages; "@DIR@"
// stands for the folder the pictures go to.
std::vector<std::string> demo_designer_scripts();

// Runs the designer part into `dir` (made or emptied first; the caller owns the folder):
// frmMail.frm without a set-up, the scripts as design.txt and design-again.txt, a picture per
// step, the generated code in KelvaneCode.tmp. False after printing the reason to `err`.
bool run_demo_designer(const std::filesystem::path& dir, std::ostream& out, std::ostream& err);

}  // namespace kv::app
