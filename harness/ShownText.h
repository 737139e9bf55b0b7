#pragma once
// Text from a form or a store shown to a person: control characters (ESC, BEL, NUL, ...) would
// act on the terminal (retitle it, clear it), so they are shown as \xNN, and C1 controls as
// \uNNNN. Tables and messages always show text this way; a command's plain output (generated
// source) only when it goes to a terminal.
#include <string>
#include <string_view>

namespace kv::app {

// `text` with every control character escaped except those in `kept` (such as "\t" in a
// settings line, or "\r\n\t" in source text).
std::string shown(std::string_view text, std::string_view kept = "");

// A piece of input quoted in a message: shown(), and past `max` characters cut with "..." (a
// script line may be megabytes long).
std::string clipped(std::string_view text, size_t max = 60);

// `text` as shown() when the output is a terminal, else as it is (for a program to read).
std::string on_terminal(std::string_view text, std::string_view kept = "");

// Whether the tool's standard output is a terminal (main sets it; false for tests unless set).
bool output_is_terminal();
void set_output_is_terminal(bool terminal);

}  // namespace kv::app
