#pragma once
// The geometry table the tool prints per step: the form, then one row per control.
#include <ostream>
#include <string>
#include <vector>

#include "picture/Snapshot.h"

namespace kv::app {

void print_table(std::ostream& out, const Snapshot& s);

}  // namespace kv::app
