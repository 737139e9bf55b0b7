#pragma once
// A design job on the Qt host: the property pages in a real Qt dialog, worked by the user
// (`live`) or by a script's page actions delivered as real Qt events.
#include "harness/DesignFile.h"

namespace kv::app {

// Makes the Qt application when there is none (offscreen without a display, unless `live`:
// UsageError then) and sets the job's host, hand and live dialog up.
void setup_qt_design(DesignJob& job, bool live);

}  // namespace kv::app
