#pragma once
// Text at the edge: form files are in the author's code page (or UTF-8); inside, text is UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace kv::frm {

inline constexpr const char* kDefaultCodePage = "WINDOWS-1252";

bool is_valid_utf8(std::string_view bytes);

// Bytes in `encoding` to UTF-8. nullopt when the bytes are not valid in that encoding or the
// encoding is unknown to the system.
std::optional<std::string> decode_text(std::string_view bytes, const std::string& encoding);
// Bytes in `encoding` to UTF-8, always: a byte the encoding leaves undefined (0x81, 0x8D, 0x8F,
// 0x90 and 0x9D in Windows-1252) or that starts no valid sequence becomes U+FFFD. An encoding
// the system does not know is read as UTF-8.
std::string decode_text_replacing(std::string_view bytes, const std::string& encoding);
// UTF-8 to `encoding`. nullopt when a character has no equivalent in it.
std::optional<std::string> encode_text(std::string_view utf8, const std::string& encoding);

// The code page a designer wrote a form in, from the Charset of the fonts in it (the first one
// that names a code page other than Western: 128 Shift-JIS, 134 GBK, 204 Cyrillic, ...);
// kDefaultCodePage when none does.
std::string code_page_from_charsets(std::string_view form_bytes);

// Whether the system can convert to and from this encoding name ("CP1251", "WINDOWS-1250", ...).
bool encoding_known(const std::string& encoding);

}  // namespace kv::frm
