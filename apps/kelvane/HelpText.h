#pragma once
// Help paragraphs for the terminal: the help generator prints descriptions and footers as
// given, so long texts are wrapped here.
#include <string>

namespace kv::app {

// Wraps each paragraph (separated by "\n") at blanks so that no line is longer than `width`,
// unless one word is; lines after a paragraph's first keep `indent` blanks.
std::string wrapped(const std::string& text, size_t width = 80, size_t indent = 0);

// The footers' sentence on what loading passed over, the same for every command that shows the
// form.
inline constexpr const char* kLoadWarningsHelp =
    " What loading could not take as the file has it (a text, list or picture its .frx cannot "
    "give, a class the runtime's library does not have, a picture of a .ui that is missing) is "
    "warned of on stderr, one line each as FILE:LINE: warning: text; the exit status stays as it "
    "is.";

}  // namespace kv::app
