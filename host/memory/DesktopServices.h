#pragma once
// The desktop services behind the memory host's page host when it launches for real: writing a
// private file safely, and starting a program without a shell.
#include <string>
#include <vector>

namespace kv::mem {

// Create or truncate `path` and write `content`; a symbolic link is not followed and an
// existing file that is not a regular file of the current user is refused (kv::Error 75).
void write_private_file(const std::string& path, const std::string& content);

// Start argv[0] (looked up in PATH) with the arguments as given; no shell, no waiting (it is
// reaped when it ends). False when it could not be started.
bool spawn_program(const std::vector<std::string>& argv);

// Is `program` an executable file, by itself or in one of PATH's folders?
bool program_exists(const std::string& program);

// The help pages beside the running program: share/kelvane/help next to the folder that holds
// it (bin/), as installed and as in the build tree. "" when there are none.
std::string installed_help_folder();

}  // namespace kv::mem
