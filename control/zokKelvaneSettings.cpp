// The resizer control applies its settings strings during load processing.
#include "control/ControlLookup.h"
#include "control/SettingsStrings.h"
#include "control/zokKelvane.h"
#include "engine/CFormSizer.h"
#include "panes/PaneCreation.h"

namespace kv {

void zokKelvane::apply_controlSettings() {
    trapped("apply_controlSettings", [&] {
        const ObjectRef form = parent_form();
        for (const std::string& line : split_settings_lines(m_sControlSettings)) {
            auto parsed = parse_control_settings_line(line);
            if (!parsed) continue;
            ObjectRef control = find_control_by_key(form, parsed->key);
            if (!control) continue;
            const auto& m = parsed->modes;
            Form_Load_addControl(m[0], m[1], m[2], m[3], m[4], control);
        }
    });
}

void zokKelvane::apply_paneSettings() {
    trapped("apply_paneSettings", [&] {
        for (const std::string& line : split_settings_lines(m_sPaneSettings))
            adopt_pane(
                CreatePaneFromNames(*m_oFormSizer, line, m_bUseSplitBars, m_lSplitBarsColor));
    });
}

}  // namespace kv
