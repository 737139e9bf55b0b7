#pragma once
// Help paragraphs for the terminal: the help generator prints descriptions and footers as
// given, so long texts are wrapped here.
#include <string>

namespace kv::app {

// Wraps each paragraph (separated by "\n") at blanks so that no line is longer than `width`,
// unless one word is; lines after a paragraph's first keep `indent` blanks.
std::string wrapped(const std::string& text, size_t width = 80, size_t indent = 0);

}  // namespace kv::app
