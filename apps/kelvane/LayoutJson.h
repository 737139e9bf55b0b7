#pragma once
// The `layout --json` document: the form, its controls in collection order, every message box
// shown during the run and every error trapped without a box, each with the file and line of the
// settings text it is about, and what loading the form passed over, at its line.
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "harness/LoadNote.h"
#include "harness/SettingsPlaces.h"
#include "host/memory/MemoryHost.h"
#include "picture/Snapshot.h"

#include "host/frm/FrmError.h"

namespace kv::app {

// `trapped`: the errors the resizer trapped and did not show, as a compiled program does.
// `places`: where the form's settings texts stand, which messages and errors name as "file"
// and "line" (null when about none). `notes`: what loading passed over, as "notes": [{"file",
// "line" (null when the file has no line for it), "text"}].
nlohmann::ordered_json layout_json(const Snapshot& s,
                                   const std::vector<mem::MessageRecord>& messages,
                                   const std::vector<mem::TrappedError>& trapped = {},
                                   const SettingsPlaces& places = {},
                                   const std::vector<LoadNote>& notes = {});

// What --json prints instead when the form's file cannot be read or saved: {"errors": [{"file",
// "line" (null for the whole file), "text"}]}, the text said on stderr without its place.
nlohmann::ordered_json error_json(const frm::FrmError& e);

// Runs `body` (a command's work); under --json (`json`), a fault in the form's file is written to
// `out` as error_json first, so that a program reading the document learns of it too, and passed
// on for stderr.
template <class Body>
int with_json_faults(bool json, std::ostream& out, Body&& body);

// The document as text: indented, numbers at full double precision, and always valid UTF-8
// (a byte that is not is replaced by U+FFFD rather than failing the run).
std::string json_text(const nlohmann::ordered_json& doc);

template <class Body>
int with_json_faults(bool json, std::ostream& out, Body&& body) {
    try {
        return body();
    } catch (const frm::FrmError& e) {
        if (json) out << json_text(error_json(e));
        throw;
    }
}

}  // namespace kv::app
