#pragma once
// The demo's designer part: a developer sets the mail form up on the property pages instead of
// typing the settings, then the saved form is resized to show that the set-up works.
#include <filesystem>
#include <ostream>
#include <string>

namespace kv::app {

// The page actions the developer's hand performs; "@DIR@" stands for the folder the pictures go
// to.
std::string demo_designer_script();

// Runs the designer part into `dir` (made or emptied first; the caller owns the folder):
// frmMail.frm without a set-up, the script as design.txt, a picture per step, the generated
// code in KelvaneCode.tmp. False after printing the reason to `err`.
bool run_demo_designer(const std::filesystem::path& dir, std::ostream& out, std::ostream& err);

}  // namespace kv::app
