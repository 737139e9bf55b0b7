#include "harness/MessageLines.h"

#include <array>
#include <string_view>

#include "harness/ShownText.h"

namespace kv::app {

namespace {

// Sentences addressed to the dialog's buttons.
constexpr std::array<std::string_view, 3> kDialogOnly = {
    "(Click cancel to avoid more error messages",
    "This error is only shown in the IDE. ",
    "Do you want to go to Kelvane HomePage",
};

std::string trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

bool dialog_only(const std::string& line) {
    for (const auto& prefix : kDialogOnly)
        if (line.rfind(prefix, 0) == 0) return true;
    return false;
}

}  // namespace

std::vector<std::string> message_lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        const std::string line = trimmed(
            std::string_view(text).substr(start, end == std::string::npos ? end : end - start));
        if (!line.empty() && !dialog_only(line)) {
            // A line that ends in a colon introduces the next one: "Error 13 in X:" + "Type
            // mismatch" read as one.
            if (!lines.empty() && lines.back().back() == ':')
                lines.back() += " " + line;
            else
                lines.push_back(line);
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

void print_trapped(std::ostream& out, const std::string& procedure, int32_t number,
                   const std::string& description, const std::string& place) {
    out << (place.empty() ? "" : shown(place) + ": ") << "trapped: Error " << number << " in "
        << shown(procedure) << ": " << shown(description) << "\n";
}

void print_message(std::ostream& out, const std::string& text, const std::string& place) {
    const auto lines = message_lines(text);
    for (size_t i = 0; i < lines.size(); ++i)
        out << (i ? "  " : (place.empty() ? "" : shown(place) + ": ") + "message: ")
            << shown(lines[i]) << "\n";
}

std::string settings_property_of(const std::string& text) {
    // The pane's own reports, as its creation words them; its drag reports come later, on
    // the user's mouse, and are about no line of the text.
    static constexpr std::string_view kPane[] = {
        "Pane has already been created",
        "Controls for pane is on different containers:",
        "There must be at least two controls in a pane",
        "Container must be Frame, PictureBox or Form",
        "Can't 3: ",
        "can't 4 : ",
        "Panels are overlapping, can't find layout",
    };
    const auto lines = message_lines(text);
    if (lines.empty()) return {};
    const std::string& first = lines.front();
    auto starts = [&](std::string_view prefix) { return first.rfind(prefix, 0) == 0; };
    auto error_in = [&](std::string_view procedure) {
        return starts("Error ") &&
               first.find(" in " + std::string(procedure) + ":") != std::string::npos;
    };
    for (const char* procedure : {"apply_paneSettings", "apply_controlSettings"})
        if (error_in(procedure)) return settings_property_of_procedure(procedure);
    if (starts("Control added several times:")) return "ControlSettings";
    if (starts("Control ") && first.find(" found two times") != std::string::npos)
        return "PaneSettings";
    for (const auto prefix : kPane)
        if (starts(prefix)) return "PaneSettings";
    return {};
}

std::string settings_property_of_procedure(const std::string& procedure) {
    if (procedure == "apply_paneSettings") return "PaneSettings";
    if (procedure == "apply_controlSettings") return "ControlSettings";
    return {};
}

}  // namespace kv::app
