#pragma once
// Text and JSON views of a snapshot: the geometry table the tool prints per step, and the
// `layout --json` document.
#include <ostream>
#include <string>
#include <vector>

#include "apps/kelvane/Snapshot.h"
#include "host/memory/MemoryHost.h"

namespace kv::app {

void print_table(std::ostream& out, const Snapshot& s);

std::string layout_json(const Snapshot& s, const std::vector<mem::MessageRecord>& messages);

}  // namespace kv::app
