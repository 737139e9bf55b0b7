#include "host/export/ExportSettings.h"

#include <vector>

#include "control/SettingsStrings.h"

namespace kv::exporter {

namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) out += (i ? "\r\n" : "") + lines[i];
    return out;
}

std::string renamed(const std::string& key, const ExportNames& names) {
    if (key.empty()) return key;
    return names.of_key(key).value_or(key);
}

}  // namespace

std::string export_control_settings(const std::string& text, const ExportNames& names) {
    std::vector<std::string> lines = split_settings_lines(text);
    for (auto& line : lines) {
        const auto sep = line.find(" \t");
        if (sep == std::string::npos) continue;
        line = renamed(line.substr(0, sep), names) + line.substr(sep);
    }
    return joined(lines);
}

std::string export_pane_settings(const std::string& text, const ExportNames& names) {
    std::vector<std::string> lines = split_settings_lines(text);
    for (auto& line : lines) {
        std::string out;
        size_t start = 0;
        while (true) {
            const auto blank = line.find(' ', start);
            out += renamed(line.substr(start, blank - start), names);
            if (blank == std::string::npos) break;
            out += ' ';
            start = blank + 1;
        }
        line = out;
    }
    return joined(lines);
}

}  // namespace kv::exporter
