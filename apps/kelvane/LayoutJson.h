#pragma once
// The `layout --json` document: the form, its controls in collection order, every message box
// shown during the run and every error trapped without a box, each with the file and line of the
// settings text it is about.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "harness/SettingsPlaces.h"
#include "host/memory/MemoryHost.h"
#include "picture/Snapshot.h"

namespace kv::frm {
class FrmError;
}

namespace kv::app {

// `trapped`: the errors the resizer trapped and did not show, as a compiled program does.
// `places`: where the form's settings texts stand, which messages and errors name as "file"
// and "line" (null when about none).
nlohmann::ordered_json layout_json(const Snapshot& s,
                                   const std::vector<mem::MessageRecord>& messages,
                                   const std::vector<mem::TrappedError>& trapped = {},
                                   const SettingsPlaces& places = {});

// What --json prints instead when the form's file cannot be read or saved: {"errors": [{"file",
// "line" (null for the whole file), "text"}]}, the text said on stderr without its place.
nlohmann::ordered_json error_json(const frm::FrmError& e);

// The document as text: indented, numbers at full double precision, and always valid UTF-8
// (a byte that is not is replaced by U+FFFD rather than failing the run).
std::string json_text(const nlohmann::ordered_json& doc);

}  // namespace kv::app
