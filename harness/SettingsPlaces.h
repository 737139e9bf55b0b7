#pragma once
// Where a form's resizer keeps its settings texts, as lines of the form's file: a message box or
// a trapped error about one of them is said at that line, where the user goes to mend the text.
// A value of its own so that it outlives the file's document (`run` lets go of a large form
// file's text once the form is built, before any message is printed).
#include <cstddef>
#include <string>

namespace kv::app {

// A place in a user's file: "" file when what is said is about no part of it, line 0 when the
// file has no line for it.
struct FilePlace {
    std::string file;
    size_t line = 0;
    // "FILE:LINE", "FILE" or "".
    std::string text() const;
};

class SettingsPlaces {
  public:
    SettingsPlaces() = default;
    // The 1-based lines of ControlSettings and PaneSettings in `file` (0: no such line).
    SettingsPlaces(std::string file, size_t control_line, size_t panes_line);

    // Of the property by name (any case); no place for any other name.
    FilePlace of_property(const std::string& property) const;
    // Of a message box's text, by the settings property it is about.
    FilePlace of_message(const std::string& text) const;
    // Of an error the resizer trapped in `procedure`.
    FilePlace of_trapped(const std::string& procedure) const;

  private:
    std::string file_;
    size_t control_line_ = 0, panes_line_ = 0;
};

}  // namespace kv::app
