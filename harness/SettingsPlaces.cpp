#include "harness/SettingsPlaces.h"

#include "harness/MessageLines.h"
#include "host/common/TextFold.h"

namespace kv::app {

std::string FilePlace::text() const {
    if (file.empty() || !line) return file;
    return file + ":" + std::to_string(line);
}

SettingsPlaces::SettingsPlaces(std::string file, size_t control_line, size_t panes_line)
    : file_(std::move(file)), control_line_(control_line), panes_line_(panes_line) {}

FilePlace SettingsPlaces::of_property(const std::string& property) const {
    if (host::iequal(property, "ControlSettings")) return {file_, control_line_};
    if (host::iequal(property, "PaneSettings")) return {file_, panes_line_};
    return {};
}

FilePlace SettingsPlaces::of_message(const std::string& text) const {
    return of_property(settings_property_of(text));
}

FilePlace SettingsPlaces::of_trapped(const std::string& procedure) const {
    return of_property(settings_property_of_procedure(procedure));
}

}  // namespace kv::app
