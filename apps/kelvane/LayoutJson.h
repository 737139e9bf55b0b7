#pragma once
// The `layout --json` document: the form, its controls in collection order, every message box
// shown during the run and every error trapped without a box.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "host/memory/MemoryHost.h"
#include "picture/Snapshot.h"

namespace kv::app {

// `trapped`: the errors the resizer trapped and did not show, as a compiled program does.
nlohmann::ordered_json layout_json(const Snapshot& s,
                                   const std::vector<mem::MessageRecord>& messages,
                                   const std::vector<mem::TrappedError>& trapped = {});

// The document as text: indented, numbers at full double precision, and always valid UTF-8
// (a byte that is not is replaced by U+FFFD rather than failing the run).
std::string json_text(const nlohmann::ordered_json& doc);

}  // namespace kv::app
