#pragma once
// A thin wrapper over the per-user settings store: text values in sections under
// "Software\<Company>\<AppName>[\<section>]".
#include <cstdint>
#include <string>

namespace kv {

class CRegSettings {
  public:
    static constexpr uint32_t kHKeyCurrentUser = 0x80000001u;
    static constexpr const char* kDefaultCompany = "VB and VBA Program Settings";

    CRegSettings();

    uint32_t Root() const { return m_lRoot; }
    void Root(uint32_t root) { m_lRoot = root; }
    // Blanks around the value are removed; an empty value restores the default.
    const std::string& Company() const { return m_sCompany; }
    void Company(const std::string& company);
    // As Company; the default is the host application's product name.
    const std::string& AppName() const { return m_sAppName; }
    void AppName(const std::string& app_name);

    // The stored text, or `default_value` when the key, the value or the store is unavailable.
    // The key "*" is the section's default value.
    std::string GetSetting(const std::string& section, const std::string& key,
                           const std::string& default_value);
    // True when the value was written.
    bool SaveSetting(const std::string& section, const std::string& key, const std::string& value);

    // "Software\<Company>\<AppName>", then "\<section>" when the section is not empty.
    std::string key_path(const std::string& section) const;

  private:
    uint32_t m_lRoot = kHKeyCurrentUser;
    std::string m_sCompany = kDefaultCompany;
    std::string m_sAppName;
};

}  // namespace kv
