#pragma once
// The plain text of rich text as a rich text box's TextRTF keeps it: paragraphs and line breaks
// as line ends, tabs, the characters of its code page's \'hh escapes (Windows-1252) and of \uN
// (with its \ucN fallbacks skipped), and nothing of its font, colour and style tables, pictures
// or other destinations. What its Text property gives a program.
#include <string>
#include <string_view>

namespace kv::host {

// UTF-8, lines ending CR LF as a text box's; bytes that are no rich text come back as they are.
std::string rtf_plain_text(std::string_view rtf);

}  // namespace kv::host
