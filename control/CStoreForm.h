#pragma once
// Saves and restores one form's position, size and window state in the per-user settings store,
// and offers the generic get/save used for pane splits and the control's own settings.
#include <cstdint>
#include <string>

#include "control/CRegSettings.h"
#include "engine/Host.h"
#include "engine/HostObject.h"
#include "engine/SplitStore.h"

namespace kv {

class CStoreForm : public SplitStore {
  public:
    uint32_t Root() const { return m_oReg.Root(); }
    void Root(uint32_t root) { m_oReg.Root(root); }
    // Sets with an empty (or all-blank) value are ignored.
    const std::string& Company() const { return m_oReg.Company(); }
    void Company(const std::string& company);
    const std::string& AppName() const { return m_oReg.AppName(); }
    void AppName(const std::string& app_name);

    // Each writes (only changed values) and answers true when the form is in the state that is
    // saved; otherwise writes nothing and answers false. The section is the form's Name.
    bool SavePos(const ObjectRef& form);
    bool SaveSize(const ObjectRef& form);
    bool SaveWindowState(const ObjectRef& form, bool bAllowMinimized);
    // Restores what was saved; every failing step is skipped.
    void GetSizePosState(const ObjectRef& form, bool bRestoreSize, bool bRestorePos,
                         bool bRestoreState, bool bAllowMinimized);

    std::string get_opt(const std::string& section, const std::string& key,
                        const std::string& default_value) override;
    // Writes only when the stored text differs from `value`.
    void save_opt(const std::string& section, const std::string& key,
                  const std::string& value) override;

    CRegSettings& settings() { return m_oReg; }

    // While it lives, the store's reads and writes are one change (SettingsStore::begin_group):
    // a form's placement, or its splits, is saved whole or not at all.
    class WriteGroup {
      public:
        WriteGroup();
        ~WriteGroup();
        WriteGroup(const WriteGroup&) = delete;
        WriteGroup& operator=(const WriteGroup&) = delete;

      private:
        SettingsStore* store_ = nullptr;
    };

  private:
    CRegSettings m_oReg;
};

}  // namespace kv
