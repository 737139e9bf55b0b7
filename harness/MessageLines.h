#pragma once
// A message box's text as plain lines for a terminal: split at its line breaks (CR LF, CR or
// LF), blanks trimmed, empty lines dropped, and without the sentences that only make sense in
// the dialog (what its Cancel or Yes button would do).
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace kv::app {

std::vector<std::string> message_lines(const std::string& text);

// "message: FIRST LINE", then the further lines indented; with a place ("FILE:LINE") before
// the first line when one is given.
void print_message(std::ostream& out, const std::string& text, const std::string& place = {});

// The resizer property whose text a message box of the resizer's load processing is about:
// "PaneSettings" for what a pane's creation reports, "ControlSettings" for controls registered
// twice and errors applying that text; "" for any other message.
std::string settings_property_of(const std::string& text);
// The property whose text the resizer was applying when it trapped an error in `procedure`
// ("" for a procedure that applies none).
std::string settings_property_of_procedure(const std::string& procedure);

// "trapped: Error N in PROCEDURE: DESCRIPTION": an error the resizer caught and did not show;
// with a place ("FILE:LINE") before it when one is given.
void print_trapped(std::ostream& out, const std::string& procedure, int32_t number,
                   const std::string& description, const std::string& place = {});

}  // namespace kv::app
