#include "control/CRegSettings.h"

#include "engine/Host.h"

namespace kv {
namespace {

// Removes leading and trailing blanks (spaces), as the host's Trim does.
std::string trim_blanks(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string value_name(const std::string& key) {
    return key == "*" ? std::string() : key;
}

}  // namespace

CRegSettings::CRegSettings() {
    if (Host::has_current()) m_sAppName = Host::current().product_name();
}

// An all-blank name counts as empty: it would otherwise put an empty level into the key path.
void CRegSettings::Company(const std::string& company) {
    std::string trimmed = trim_blanks(company);
    m_sCompany = trimmed.empty() ? std::string(kDefaultCompany) : trimmed;
}

void CRegSettings::AppName(const std::string& app_name) {
    std::string trimmed = trim_blanks(app_name);
    if (!trimmed.empty()) {
        m_sAppName = trimmed;
    } else {
        m_sAppName = Host::has_current() ? Host::current().product_name() : std::string();
    }
}

std::string CRegSettings::key_path(const std::string& section) const {
    std::string path = "Software\\" + m_sCompany + "\\" + m_sAppName;
    if (!section.empty()) path += "\\" + section;
    return path;
}

std::string CRegSettings::GetSetting(const std::string& section, const std::string& key,
                                     const std::string& default_value) {
    if (!Host::has_current()) return default_value;
    try {
        std::optional<std::string> stored =
            Host::current().settings_store().read(m_lRoot, key_path(section), value_name(key));
        return stored ? *stored : default_value;
    } catch (...) {
        // Reading never fails towards the caller.
        return default_value;
    }
}

bool CRegSettings::SaveSetting(const std::string& section, const std::string& key,
                               const std::string& value) {
    if (!Host::has_current()) return false;
    try {
        return Host::current().settings_store().write(m_lRoot, key_path(section), value_name(key),
                                                      value);
    } catch (...) {
        return false;
    }
}

}  // namespace kv
