#pragma once
// A text file the user names on the command line (a settings text, a page script).
#include <string>

namespace kv::app {

// The file's bytes; a UsageError naming `what` and the path when it is missing, a folder (which
// would read as an empty text and pass unnoticed), larger than any form file may be, or
// unreadable.
std::string read_user_file(const std::string& what, const std::string& path);

}  // namespace kv::app
