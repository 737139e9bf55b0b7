#pragma once
// Files and folders the user names on the command line: a settings text, a page script, the
// folder pictures go to.
#include <string>

namespace kv::app {

// The file's bytes; a UsageError naming `what` and the path when it is missing, a folder (which
// would read as an empty text and pass unnoticed), larger than any form file may be, or
// unreadable.
std::string read_user_file(const std::string& what, const std::string& path);

// Makes the folder `path` (and the ones above it) unless it is there; a UsageError naming
// `option` and the reason when it cannot be made or a file stands in its place.
void make_user_folder(const std::string& option, const std::string& path);

}  // namespace kv::app
