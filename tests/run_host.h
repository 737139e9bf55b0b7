#pragma once
// The memory host as a run of a form has it: the resizer control registered, the settings kept
// in memory, no write log.
#include <memory>

#include "control/zokKelvane.h"
#include "host/memory/MemoryHost.h"
#include "host/store/MemorySettingsStore.h"

namespace kv::test {

inline std::shared_ptr<mem::MemoryHost> run_host() {
    auto host = mem::MemoryHost::install();
    host->register_user_control(kZokKelvaneClassId, [] { return make_zokKelvane(); });
    host->set_settings_store(std::make_shared<store::MemorySettingsStore>());
    host->set_write_log_enabled(false);
    return host;
}

}  // namespace kv::test
